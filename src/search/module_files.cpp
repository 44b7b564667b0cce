#include "search/module_files.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "platform/path_separator.h"
#include "support/gbk_codec.h"
#include "support/natural_order.h"
#include "support/plain_text.h"
#include "support/utf8_path.h"

namespace ec {
namespace {

// Appends the names of `folder`'s non-folder entries that match `pattern`.
void ListMatching(const std::filesystem::path& folder, const std::string& prefix, std::string_view pattern,
                  std::vector<std::string>& out) {
  std::error_code error;
  std::filesystem::directory_iterator it(folder, error);
  for (const std::filesystem::directory_iterator end; !error && it != end; it.increment(error)) {
    std::error_code type_error;
    if (it->is_directory(type_error)) continue;
    const std::string name = Utf8FromPath(it->path().filename());
    if (name == "." || name == "..") continue;
    if (WildcardMatchesFileName(pattern, name)) out.push_back(prefix + name);
  }
}

// A path cut at its separators: the folders, then the file name.
std::vector<std::string_view> PartsOf(std::string_view path) {
  std::vector<std::string_view> parts;
  for (size_t start = 0;;) {
    const size_t cut = path.find_first_of(kPathSeparators, start);
    parts.push_back(path.substr(start, cut == std::string_view::npos ? std::string_view::npos : cut - start));
    if (cut == std::string_view::npos) return parts;
    start = cut + 1;
  }
}

// Folder by folder, a folder's own files (fewer parts) before its subfolders'.
bool NaturalPathLess(const std::vector<std::string_view>& a, const std::vector<std::string_view>& b) {
  const size_t folders = std::min(a.size(), b.size()) - 1;
  for (size_t i = 0; i < folders; ++i)
    if (const int order = NaturalCompare(a[i], b[i]); order != 0) return order < 0;
  if (a.size() != b.size()) return a.size() < b.size();
  return NaturalLess(a.back(), b.back());
}

}  // namespace

void SortNaturally(std::vector<std::string>& paths) {
  std::vector<std::vector<std::string_view>> parts;
  parts.reserve(paths.size());
  for (const std::string& path : paths) parts.push_back(PartsOf(path));
  std::vector<size_t> order(paths.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::sort(order.begin(), order.end(), [&](size_t a, size_t b) { return NaturalPathLess(parts[a], parts[b]); });
  std::vector<std::string> sorted;
  sorted.reserve(paths.size());
  for (const size_t i : order) sorted.push_back(std::move(paths[i]));
  paths = std::move(sorted);
}

bool WildcardMatchesFileName(std::string_view pattern, std::string_view name) {
  // "*.*" is the "every file" pattern, names without a dot included.
  if (pattern == "*.*") return true;
  // Greedy matching with one backtrack point: the last "*" seen.
  size_t p = 0, n = 0;
  size_t star = std::string_view::npos, star_name = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      star = p++;
      star_name = n;
    } else if (p < pattern.size() && pattern[p] == '?') {
      ++p;
      NextUtf8(name, n);
    } else if (p < pattern.size() && LowerAscii(pattern[p]) == LowerAscii(name[n])) {
      ++p;
      ++n;
    } else if (star != std::string_view::npos) {
      p = star + 1;
      n = star_name;
      NextUtf8(name, n);
      star_name = n;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

void ListModuleFiles(std::string_view folder, std::string_view pattern, std::vector<std::string>& out) {
  out.clear();
  std::string prefix(folder);
  if (prefix.empty() || !IsPathSeparator(prefix.back())) prefix += kPathSeparator;
  const std::filesystem::path path = PathFromUtf8(prefix);
  if (pattern.empty()) pattern = "*.*";
  while (true) {
    const size_t bar = pattern.find('|');
    const std::string_view one = pattern.substr(0, bar);
    if (!one.empty()) ListMatching(path, prefix, one, out);
    if (bar == std::string_view::npos) break;
    pattern.remove_prefix(bar + 1);
  }
}

void ListModuleFilesRecursive(std::string_view folder, std::string_view pattern, std::vector<std::string>& out) {
  ListModuleFiles(folder, pattern, out);
  std::string prefix(folder);
  if (prefix.empty() || !IsPathSeparator(prefix.back())) prefix += kPathSeparator;
  std::error_code error;
  std::filesystem::directory_iterator it(PathFromUtf8(prefix), error);
  std::vector<std::string> subfolders;
  for (const std::filesystem::directory_iterator end; !error && it != end; it.increment(error)) {
    std::error_code type_error;
    if (it->is_directory(type_error) && !it->is_symlink(type_error)) {
      subfolders.push_back(prefix + Utf8FromPath(it->path().filename()));
    }
  }
  for (const std::string& sub : subfolders) {
    std::vector<std::string> files;
    ListModuleFilesRecursive(sub, pattern, files);
    out.insert(out.end(), files.begin(), files.end());
  }
}

}  // namespace ec
