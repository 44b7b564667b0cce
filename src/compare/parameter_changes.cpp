#include "compare/parameter_changes.h"

#include "declarations/declaration_places.h"

namespace ec {
namespace {

std::vector<Parameter> ParametersAt(const ModuleModel& model, DeclarationKind kind,
                                    const std::optional<DeclarationPlace>& place) {
  std::vector<Parameter> params;
  if (!place) return params;
  VisitDeclaration(model, kind, *place, [&](const auto& record) {
    if constexpr (requires { record.params; }) {
      params = record.params;
    } else if constexpr (requires { record.members; }) {
      params = record.members;
    }
  });
  return params;
}

}  // namespace

ParameterChanges ParameterChangesOf(const ComparedModules& modules, const DeclarationDifference& d) {
  const std::vector<Parameter> before = ParametersAt(modules.oldModel, d.kind, d.oldPlace);
  const std::vector<Parameter> after = ParametersAt(modules.newModel, d.kind, d.newPlace);
  ParameterChanges changes;
  std::vector<bool> paired(after.size(), false);
  for (const Parameter& p : before) {
    size_t j = 0;
    while (j < after.size() && (paired[j] || after[j].name != p.name)) ++j;
    if (j == after.size()) {
      changes.removed.push_back(p.name);
      continue;
    }
    paired[j] = true;
    if (after[j].remarks == p.remarks) continue;
    changes.remarked.push_back(p.name);
    changes.remarks.emplace_back(p.remarks, after[j].remarks);
  }
  for (size_t j = 0; j < after.size(); ++j)
    if (!paired[j]) changes.added.push_back(after[j].name);
  return changes;
}

}  // namespace ec
