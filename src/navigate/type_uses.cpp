#include "navigate/type_uses.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <optional>
#include <type_traits>
#include <unordered_map>

#include "declarations/declaration_places.h"
#include "declarations/type_targets.h"

namespace ec {
namespace {

// Adds the places of one declaration to the uses of the types they name.
// Declarations are added one after another, so a use already begun for this
// user can only be the last one of its target's list.
class UseCollector {
 public:
  UseCollector(const ModuleModel& model, std::vector<TypeUseIndex::Uses>& dataTypes,
               std::vector<TypeUseIndex::Uses>& classes)
      : targets_(model), dataTypes_(dataTypes), classes_(classes) {
    firsts_[0].resize(dataTypes.size());
    firsts_[1].resize(classes.size());
    for (const DataType& d : model.dataTypes) MayName(d.name);
    for (const ClassInfo& c : model.classes) MayName(c.name);
  }

  void Begin(DeclarationLink user, std::string_view container, std::string_view name) {
    user_ = user;
    container_ = container;
    name_ = name;
  }

  // The test that passes over nearly every name stays small enough to inline.
  void Add(std::string_view typeName, TypeUseRole role, std::string_view placeName = {}) {
    if (targetLengths_[LengthSlot(typeName)]) AddNamed(typeName, role, placeName);
  }

  void AddNamed(std::string_view typeName, TypeUseRole role, std::string_view placeName) {
    const std::optional<DeclarationLink> target = Resolve(typeName);
    if (!target) return;
    const bool dataType = target->kind == DeclarationKind::DataType;
    TypeUseIndex::Uses& to = (dataType ? dataTypes_ : classes_)[target->place.index];
    std::vector<size_t>& firsts = firsts_[dataType ? 0 : 1][target->place.index];
    if (to.uses.empty() || to.uses.back().user != user_) {
      to.uses.push_back({user_, container_, name_, {}});
      firsts.push_back(to.places.size());
    }
    to.places.push_back({role, placeName});
  }

  void AddRoutine(const Subroutine& s) {
    Add(s.returnType, TypeUseRole::ReturnValue);
    for (const Parameter& p : s.params) Add(p.type, TypeUseRole::Parameter, p.name);
  }

  // Points every use at its places, once no vector grows any more.
  void Finish() {
    Finish(dataTypes_, firsts_[0]);
    Finish(classes_, firsts_[1]);
  }

 private:
  static void Finish(std::vector<TypeUseIndex::Uses>& list, std::vector<std::vector<size_t>>& firsts) {
    for (size_t t = 0; t < list.size(); ++t) {
      TypeUseIndex::Uses& to = list[t];
      firsts[t].push_back(to.places.size());
      for (size_t u = 0; u < to.uses.size(); ++u)
        to.uses[u].places = std::span(to.places).subspan(firsts[t][u], firsts[t][u + 1] - firsts[t][u]);
    }
  }

  // Most type names a module holds are basic ones; a name whose length no
  // data type or class has is passed over without hashing it.
  static size_t LengthSlot(std::string_view name) { return std::min<size_t>(name.size(), kLongName); }
  void MayName(std::string_view name) {
    if (!name.empty()) targetLengths_.set(LengthSlot(name));
  }

  // A module names few distinct types in hundreds of thousands of places, so
  // each name is resolved once; the views point into the model.
  // Neighbouring parameters mostly share their type: the last answer is
  // checked before the table.
  std::optional<DeclarationLink> Resolve(std::string_view typeName) {
    if (typeName == lastName_) return lastTarget_;
    const auto [known, added] = resolved_.try_emplace(typeName);
    if (added) known->second = targets_.Find(typeName);
    lastName_ = typeName;
    lastTarget_ = known->second;
    return known->second;
  }

  static constexpr size_t kLongName = 255;
  TypeTargets targets_;
  std::bitset<kLongName + 1> targetLengths_;
  std::unordered_map<std::string_view, std::optional<DeclarationLink>> resolved_;
  std::string_view lastName_;
  std::optional<DeclarationLink> lastTarget_;
  std::vector<TypeUseIndex::Uses>& dataTypes_;
  std::vector<TypeUseIndex::Uses>& classes_;
  DeclarationLink user_;
  std::string_view container_;
  std::string_view name_;
  // Where each use's places begin in its type's places: data types, classes.
  std::array<std::vector<std::vector<size_t>>, 2> firsts_;
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
  collect.Finish();
}

std::span<const TypeUse> TypeUseIndex::UsesOf(const DeclarationLink& target) const {
  const std::vector<Uses>* list = nullptr;
  if (target.kind == DeclarationKind::DataType) list = &dataTypeUses_;
  if (target.kind == DeclarationKind::Class) list = &classUses_;
  if (list == nullptr || target.place.outer != 0 || target.place.index >= list->size()) return {};
  return (*list)[target.place.index].uses;
}

}  // namespace ec
