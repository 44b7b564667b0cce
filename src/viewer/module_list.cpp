#include "viewer/module_list.h"

#include <algorithm>

#include "platform/path_separator.h"
#include "platform/path_text.h"
#include "support/natural_order.h"
#include "support/plain_text.h"

namespace ec {
namespace {

bool IsProgram(const std::string& path) { return LowerAscii(FileNamePart(path)).ends_with(".e"); }

}  // namespace

std::vector<ModuleListEntry> ModuleListEntries(const std::vector<std::string>& recent,
                                               std::vector<std::string> folderFiles,
                                               const std::function<bool(const std::string&)>& exists) {
  std::vector<ModuleListEntry> entries;
  entries.reserve(recent.size() + folderFiles.size());
  for (const std::string& path : recent)
    entries.push_back({path, FileNamePart(path), true, IsProgram(path), !exists(path)});
  std::sort(folderFiles.begin(), folderFiles.end(), [](const std::string& a, const std::string& b) {
    return NaturalLess(FileNamePart(a), FileNamePart(b));
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
