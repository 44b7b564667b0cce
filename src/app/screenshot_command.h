#pragma once
// `ecview --screenshot OUT.png [--find TEXT] [--compare OLD] [--uses TYPE] [--end] [--zoom PERCENT] MODULE`:
// shows MODULE in the main window (optionally finding TEXT in its tree, showing
// its comparison with the older module OLD, or the uses of its data type or
// class TYPE; with --end scrolled to the end of the whole page, with --zoom
// zoomed), saves a picture of the window and
// ends. `ecview --screenshot OUT.png --dirtree PATH` does the same for the
// directory-tree panel alone, with PATH located; `ecview --screenshot OUT.png
// --search FOLDER TEXT` for the search window after a run over FOLDER. None
// needs a display: QT_QPA_PLATFORM=offscreen does.

#include "viewer/viewer_arguments.h"

namespace ec {

// Answers the process's exit status: 0 when the picture was written.
int RunScreenshot(const ScreenshotRequest& request);

}  // namespace ec
