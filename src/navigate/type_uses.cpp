#include "navigate/type_uses.h"

#include <optional>
#include <type_traits>

#include "compare/declaration_places.h"
#include "navigate/type_targets.h"

namespace ec {
namespace {

// Adds the places of one declaration to the uses of the types they name.
// Declarations are added one after another, so a use already begun for this
// user can only be the last one of its target's list.
class UseCollector {
 public:
  UseCollector(const ModuleModel& model, std::vector<std::vector<TypeUse>>& dataTypes,
               std::vector<std::vector<TypeUse>>& classes)
      : targets_(model), dataTypes_(dataTypes), classes_(classes) {}

  void Begin(DeclarationLink user, std::string_view container, std::string_view name) {
    user_ = user;
    container_ = container;
    name_ = name;
  }

  void Add(std::string_view typeName, TypeUseRole role, std::string_view placeName = {}) {
    const std::optional<DeclarationLink> target = targets_.Find(typeName);
    if (!target) return;
    auto& list = target->kind == DeclarationKind::DataType ? dataTypes_ : classes_;
    std::vector<TypeUse>& uses = list[target->place.index];
    if (uses.empty() || uses.back().user != user_) uses.push_back({user_, container_, name_, {}});
    uses.back().places.push_back({role, placeName});
  }

  void AddRoutine(const Subroutine& s) {
    Add(s.returnType, TypeUseRole::ReturnValue);
    for (const Parameter& p : s.params) Add(p.type, TypeUseRole::Parameter, p.name);
  }

 private:
  TypeTargets targets_;
  std::vector<std::vector<TypeUse>>& dataTypes_;
  std::vector<std::vector<TypeUse>>& classes_;
  DeclarationLink user_;
  std::string_view container_;
  std::string_view name_;
};

}  // namespace

std::string_view RoleName(TypeUseRole role) {
  switch (role) {
    case TypeUseRole::ReturnValue: return "returnValue";
    case TypeUseRole::Parameter: return "parameter";
    case TypeUseRole::Member: return "member";
    case TypeUseRole::Type: return "type";
    case TypeUseRole::BaseClass: return "baseClass";
  }
  return "";
}

TypeUseIndex::TypeUseIndex(const ModuleModel& model)
    : dataTypeUses_(model.dataTypes.size()), classUses_(model.classes.size()) {
  UseCollector collect(model, dataTypeUses_, classUses_);
  ForEachDeclaration(model, [&](DeclarationKind kind, std::string_view container, std::string_view name,
                                DeclarationPlace place) {
    collect.Begin({kind, place}, container, name);
    VisitDeclaration(model, kind, place, [&](const auto& record) {
      using Record = std::decay_t<decltype(record)>;
      if constexpr (std::is_same_v<Record, Subroutine>) {
        collect.AddRoutine(record);
      } else if constexpr (std::is_same_v<Record, ClassInfo>) {
        collect.Add(record.baseType, TypeUseRole::BaseClass);
      } else if constexpr (std::is_same_v<Record, DataType>) {
        for (const Parameter& m : record.members) collect.Add(m.type, TypeUseRole::Member, m.name);
      } else if constexpr (std::is_same_v<Record, DllCommand>) {
        collect.Add(record.returnType, TypeUseRole::ReturnValue);
        for (const Parameter& p : record.params) collect.Add(p.type, TypeUseRole::Parameter, p.name);
      } else if constexpr (std::is_same_v<Record, GlobalVar>) {
        collect.Add(record.type, TypeUseRole::Type);
      }
    });
  });
}

std::span<const TypeUse> TypeUseIndex::UsesOf(const DeclarationLink& target) const {
  const std::vector<std::vector<TypeUse>>* list = nullptr;
  if (target.kind == DeclarationKind::DataType) list = &dataTypeUses_;
  if (target.kind == DeclarationKind::Class) list = &classUses_;
  if (list == nullptr || target.place.outer != 0 || target.place.index >= list->size()) return {};
  return (*list)[target.place.index];
}

}  // namespace ec
