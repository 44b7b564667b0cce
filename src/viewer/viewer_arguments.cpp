#include "viewer/viewer_arguments.h"

#include <algorithm>

#include "support/program_version.h"
#include "support/utf8_path.h"

namespace ec {
namespace {

constexpr char kUsage[] =
    "usage: ecview [--new-window] [MODULE.ec]\n"
    "       ecview --screenshot OUT.png [--find TEXT] MODULE.ec\n"
    "Shows an E language module (.ec file). Without MODULE.ec, the module shown\n"
    "when the viewer was last closed is shown again.\n"
    "  --new-window   open a viewer of its own, even when one is running\n"
    "  -h, --help     print this help and exit\n"
    "  --version      print the version and exit\n";

bool IsOption(const std::string& argument) { return argument.size() > 1 && argument.front() == '-'; }

std::string AbsolutePath(const std::string& path, const std::filesystem::path& currentFolder) {
  std::filesystem::path p = PathFromUtf8(path);
  if (!p.is_absolute()) p = currentFolder / p;
  return Utf8FromPath(p.lexically_normal().make_preferred());
}

}  // namespace

ViewerArguments ParseViewerArguments(const std::vector<std::string>& arguments,
                                     const std::filesystem::path& currentFolder) {
  const auto end = std::find(arguments.begin(), arguments.end(), "--");
  for (auto it = arguments.begin(); it != end; ++it) {
    if (*it == "--help" || *it == "-h") return {ViewerArguments::Action::Help, {}, kUsage};
    if (*it == "--version")
      return {ViewerArguments::Action::Version, {}, std::string("ecview ") + kProgramVersion + "\n"};
  }
  ViewerArguments result;
  bool optionsEnded = false;
  for (const std::string& argument : arguments) {
    if (!optionsEnded && argument == "--") {
      optionsEnded = true;
    } else if (!optionsEnded && argument == "--new-window") {
      result.newWindow = true;
    } else if (!optionsEnded && IsOption(argument)) {
      return {ViewerArguments::Action::Refuse,
              {},
              "ecview: unknown option " + argument + " (ecview --help lists the options)\n"};
    } else if (result.modulePath.empty() && !argument.empty()) {
      result.modulePath = AbsolutePath(argument, currentFolder);
    }
  }
  return result;
}

}  // namespace ec
