#pragma once
// What the viewer's command line asks for: open a module (in this viewer or
// one of its own), save a picture of a window (`--screenshot`), or print the
// help or the version. The parsing itself is the window layer's
// (viewer_command_line.h); what it decides lands here.
//
// The module path is made absolute against the current folder before it is
// used: it is saved in the settings, and the next start may be from another
// folder. Help and version are answered without a window and without
// touching the settings.

#include <filesystem>
#include <string>

namespace ec {

// `ecview --screenshot OUT.png [--find TEXT] [--compare OLD] [--uses TYPE] MODULE`,
// `... --dirtree PATH`, `... --search FOLDER TEXT`.
struct ScreenshotRequest {
  std::string output;
  std::string findText;     // "" for no find
  std::string compareWith;  // "" for no comparison
  std::string usesOf;       // "" for no uses page
  bool atEnd = false;       // the page's end, once the whole page is up
  int zoomPercent = 0;      // 0 for the default zoom
  std::string module;
  std::string dirtreePath;   // set for a picture of the directory tree
  std::string searchFolder;  // set for a picture of the search window after a run
  std::string searchText;
};

struct ViewerArguments {
  enum class Action { Open, Screenshot, Help, Version, Refuse };
  Action action = Action::Open;
  std::string modulePath;  // absolute, UTF-8; "" when none was given
  std::string message;     // the usage, the version line, or why the arguments were refused
  bool newWindow = false;  // a viewer of its own, not handed over to a running one
  ScreenshotRequest screenshot;  // for Action::Screenshot
};

// `path` (UTF-8) made absolute against `currentFolder`, without "." and "..".
std::string AbsoluteModulePath(const std::string& path, const std::filesystem::path& currentFolder);

// Why the options of a picture do not go together, or "" when they do:
// `positional` are the arguments that are no option.
std::string ScreenshotProblem(const ScreenshotRequest& request, size_t positional);

}  // namespace ec
