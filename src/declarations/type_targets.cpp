#include "declarations/type_targets.h"

#include "model/type_name.h"

namespace ec {

TypeTargets::TypeTargets(const ModuleModel& model) {
  // try_emplace keeps the first declaration of a name; data types go in first.
  for (size_t i = 0; i < model.dataTypes.size(); ++i)
    targets_.try_emplace(model.dataTypes[i].name, DeclarationLink{DeclarationKind::DataType, {0, i}});
  for (size_t i = 0; i < model.classes.size(); ++i)
    targets_.try_emplace(model.classes[i].name, DeclarationLink{DeclarationKind::Class, {0, i}});
}

std::optional<DeclarationLink> TypeTargets::Find(std::string_view typeName) const {
  if (typeName.empty() || IsBasicTypeName(typeName)) return std::nullopt;
  const auto found = targets_.find(std::string(typeName));
  if (found == targets_.end()) return std::nullopt;
  return found->second;
}

}  // namespace ec
