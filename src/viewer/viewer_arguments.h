#pragma once
// The viewer's command line: `ecview [--new-window] [MODULE.ec]`,
// `ecview --help`, `ecview --version` (`--screenshot` is handled by
// screenshot_command.h).
//
// The module path is made absolute against the current folder before it is
// used: it is saved in the settings, and the next start may be from another
// folder. Help and version are answered without a window and without
// touching the settings.

#include <filesystem>
#include <string>
#include <vector>

namespace ec {

struct ViewerArguments {
  enum class Action { Open, Help, Version, Refuse };
  Action action = Action::Open;
  std::string modulePath;  // absolute, UTF-8; "" when none was given
  std::string message;     // the usage, the version line, or why the arguments were refused
  bool newWindow = false;  // a viewer of its own, not handed over to a running one
};

// `arguments` are without the program name. The first argument that is no
// option names the module; later ones are ignored, and "--" ends the options
// (for a module whose name starts with "-"). --help (-h) and --version win
// wherever they stand; any other option is refused.
ViewerArguments ParseViewerArguments(const std::vector<std::string>& arguments,
                                     const std::filesystem::path& currentFolder);

}  // namespace ec
