#include "model/module_model.h"

#include <utility>

namespace ec {

namespace {
// Assigning a fresh value, not clear(), so the old part's memory goes with it.
template <typename T>
void ResetIf(bool requested, T& part) {
  if (requested) part = T{};
}
}  // namespace

void ModuleModel::Reset(const ModelParts& parts) {
  ResetIf(parts.info, info);
  ResetIf(parts.support, support);
  ResetIf(parts.subroutineGroups, subroutineGroups);
  ResetIf(parts.classes, classes);
  ResetIf(parts.dataTypes, dataTypes);
  ResetIf(parts.dllCommands, dllCommands);
  ResetIf(parts.constants, constants);
  ResetIf(parts.globals, globals);
}

bool ModuleModel::Empty() const {
  return info == ModuleInfo{} && support == SupportInfo{} && subroutineGroups.empty() && classes.empty() &&
         dataTypes.empty() && dllCommands.empty() && constants.empty() && globals.empty();
}

LibraryFields SplitLibraryEntry(std::string_view entry) {
  std::string_view fields[5];
  for (std::string_view& field : fields) {
    const size_t end = entry.find('\r');
    field = entry.substr(0, end);
    if (end == std::string_view::npos) break;
    entry.remove_prefix(end + 1);
  }
  return {fields[0], fields[1], fields[2], fields[3], fields[4]};
}

}  // namespace ec
