#pragma once
// The entries of the same-folder list: the modules opened last, then the
// modules (.ec) and programs (.e) of the current module's folder in the
// order people count (1, 2, 10), and what a filter text leaves of them.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace ec {

struct ModuleListEntry {
  std::string path;      // full path, UTF-8
  std::string fileName;  // what the list shows and the filter looks at
  bool recent = false;   // one of the modules opened last
  bool program = false;  // a program (.e), not a module
  bool missing = false;  // a recent module that is gone: greyed, choosing it drops it
  bool operator==(const ModuleListEntry&) const = default;
};

// `recent` as given (newest first), then `folderFiles` sorted by their file
// names. `exists` tells whether a recent path still names a file.
std::vector<ModuleListEntry> ModuleListEntries(const std::vector<std::string>& recent,
                                               std::vector<std::string> folderFiles,
                                               const std::function<bool(const std::string&)>& exists);

// Whether an entry stays when `filter` is typed: its file name contains the
// filter, ASCII letters without regard to case; an empty filter keeps all.
bool EntryMatchesFilter(const ModuleListEntry& entry, std::string_view filter);

// The text of the one greyed entry of a folder without modules.
std::string NoModulesText(const std::string& folder);

}  // namespace ec
