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

#include <QStringList>

#include <optional>
#include <string>

namespace ec {

struct ScreenshotRequest {
  std::string output;
  std::string findText;  // "" for no find
  std::string compareWith;  // "" for no comparison
  std::string usesOf;  // "" for no uses page
  bool atEnd = false;  // the page's end, once the whole page is up
  int zoomPercent = 0;  // 0 for the default zoom
  std::string module;
  std::string dirtreePath;  // set for a picture of the directory tree
  std::string searchFolder;  // set for a picture of the search window after a run
  std::string searchText;
};

// The request when `arguments` (without the program name) start with
// "--screenshot"; nullopt when they do not. `error` is set when they do but
// are incomplete.
std::optional<ScreenshotRequest> ParseScreenshotArguments(const QStringList& arguments, std::string& error);

// Answers the process's exit status: 0 when the picture was written.
int RunScreenshot(const ScreenshotRequest& request);

}  // namespace ec
