#include "viewer/module_list.h"

#include <algorithm>

#include "platform/path_separator.h"
#include "platform/path_text.h"
#include "support/plain_text.h"

namespace ec {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Compares the digit runs starting at a[i] and b[j], advancing both past them.
int CompareNumbers(std::string_view a, size_t& i, std::string_view b, size_t& j) {
  while (i < a.size() && a[i] == '0') ++i;
  while (j < b.size() && b[j] == '0') ++j;
  const size_t startA = i, startB = j;
  while (i < a.size() && IsDigit(a[i])) ++i;
  while (j < b.size() && IsDigit(b[j])) ++j;
  if (i - startA != j - startB) return i - startA < j - startB ? -1 : 1;
  return a.substr(startA, i - startA).compare(b.substr(startB, j - startB));
}

bool IsProgram(const std::string& path) { return LowerAscii(FileNamePart(path)).ends_with(".e"); }

}  // namespace

bool NaturalNameLess(std::string_view a, std::string_view b) {
  size_t i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    if (IsDigit(a[i]) && IsDigit(b[j])) {
      if (const int order = CompareNumbers(a, i, b, j); order != 0) return order < 0;
      continue;
    }
    const char x = LowerAscii(a[i]), y = LowerAscii(b[j]);
    if (x != y) return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
    ++i;
    ++j;
  }
  if (a.size() - i != b.size() - j) return a.size() - i < b.size() - j;
  return a < b;
}

std::vector<ModuleListEntry> ModuleListEntries(const std::vector<std::string>& recent,
                                               std::vector<std::string> folderFiles,
                                               const std::function<bool(const std::string&)>& exists) {
  std::vector<ModuleListEntry> entries;
  entries.reserve(recent.size() + folderFiles.size());
  for (const std::string& path : recent)
    entries.push_back({path, FileNamePart(path), true, IsProgram(path), !exists(path)});
  std::sort(folderFiles.begin(), folderFiles.end(), [](const std::string& a, const std::string& b) {
    return NaturalNameLess(FileNamePart(a), FileNamePart(b));
  });
  for (std::string& path : folderFiles) {
    std::string name = FileNamePart(path);
    const bool program = IsProgram(path);
    entries.push_back({std::move(path), std::move(name), false, program, false});
  }
  return entries;
}

bool EntryMatchesFilter(const ModuleListEntry& entry, std::string_view filter) {
  return LowerAscii(entry.fileName).find(LowerAscii(filter)) != std::string::npos;
}

std::string NoModulesText(const std::string& folder) { return "当前目录暂无EC文件：" + folder + kPathSeparator; }

}  // namespace ec
