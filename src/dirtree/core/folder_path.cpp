#include "dirtree/core/folder_path.h"

#include "platform/path_separator.h"
#include "support/plain_text.h"

namespace ec {
namespace {

char FoldCase(char c) {
  if constexpr (kPathsIgnoreCase) return LowerAscii(c);
  return c;
}

bool StartsWithPath(std::string_view path, std::string_view prefix) {
  if (path.size() < prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i) {
    if (FoldCase(path[i]) != FoldCase(prefix[i])) return false;
  }
  return true;
}

}  // namespace

std::string JoinPath(std::string_view base, std::string_view name) {
  std::string joined(base);
  if (!joined.empty() && !IsPathSeparator(joined.back())) joined += kPathSeparator;
  while (!name.empty() && IsPathSeparator(name.front())) name.remove_prefix(1);
  joined += name;
  return joined;
}

std::string StripTrailingSeparators(std::string path, int most) {
  for (int i = 0; i < most && path.size() > 1 && IsPathSeparator(path.back()); ++i) path.pop_back();
  return path;
}

std::string LastComponent(std::string_view path) {
  std::string trimmed = StripTrailingSeparators(std::string(path));
  const size_t last = trimmed.find_last_of(kPathSeparators);
  if (last == std::string::npos || last + 1 == trimmed.size()) return trimmed;
  return trimmed.substr(last + 1);
}

bool SamePath(std::string_view a, std::string_view b) { return a.size() == b.size() && StartsWithPath(a, b); }

std::optional<std::vector<std::string>> ElementsBelow(std::string_view path, std::string_view folder) {
  if (folder.empty() || !StartsWithPath(path, folder)) return std::nullopt;
  std::string_view rest = path.substr(folder.size());
  if (!rest.empty() && !IsPathSeparator(rest.front()) && !IsPathSeparator(folder.back())) return std::nullopt;
  std::vector<std::string> elements;
  while (!rest.empty()) {
    size_t end = 0;
    while (end < rest.size() && !IsPathSeparator(rest[end])) ++end;
    const std::string_view element = rest.substr(0, end);
    if (element == "..") {
      if (elements.empty()) return std::nullopt;  // climbs out of the folder
      elements.pop_back();
    } else if (!element.empty() && element != ".") {
      elements.emplace_back(element);
    }
    rest.remove_prefix(end < rest.size() ? end + 1 : end);
  }
  return elements;
}

std::string FtpForm(std::string path) {
  if (path.size() < 3 || kPathSeparator == '/') return path;
  if (UpperAscii(std::string_view(path).substr(0, 3)) != "FTP") return path;
  for (char& c : path) c = c == kPathSeparator ? '/' : c;
  return path;
}

bool EndsWithExe(std::string_view path) {
  if (path.size() < 4) return false;
  return LowerAscii(path.substr(path.size() - 4)) == ".exe";
}

bool IsPlainFolderName(std::string_view name) {
  return !name.empty() && name != "." && name != ".." && name.find_first_of("/\\") == std::string_view::npos;
}

}  // namespace ec
