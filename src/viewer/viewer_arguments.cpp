#include "viewer/viewer_arguments.h"

#include "support/utf8_path.h"

namespace ec {

std::string AbsoluteModulePath(const std::string& path, const std::filesystem::path& currentFolder) {
  if (path.empty()) return {};
  std::filesystem::path p = PathFromUtf8(path);
  if (!p.is_absolute()) p = currentFolder / p;
  return Utf8FromPath(p.lexically_normal().make_preferred());
}

std::string ScreenshotProblem(const ScreenshotRequest& request, size_t positional) {
  const bool windowOptions = !request.findText.empty() || !request.compareWith.empty() || !request.usesOf.empty() ||
                             request.atEnd || request.zoomPercent != 0;
  if (!request.dirtreePath.empty()) {
    if (windowOptions || !request.searchFolder.empty() || positional != 0)
      return "usage: ecview --screenshot OUT.png --dirtree PATH";
    return {};
  }
  if (!request.searchFolder.empty()) {
    if (windowOptions || positional != 1) return "usage: ecview --screenshot OUT.png --search FOLDER TEXT";
    return {};
  }
  if (positional != 1)
    return "usage: ecview --screenshot OUT.png [--find TEXT] [--compare OLD.ec] [--uses TYPE] [--end] [--zoom PERCENT] "
           "MODULE.ec";
  return {};
}

}  // namespace ec
