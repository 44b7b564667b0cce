#pragma once
// Walking a model's declarations in model order, and finding one again by its
// place: the two halves of pairing declarations across two models.

#include <string_view>

#include "declarations/declaration_kind.h"
#include "model/module_model.h"

namespace ec {

// Calls visit(kind, container, name, place) for every declaration, in the
// order of `dump --json`: subroutines group by group, each class followed by
// its methods, then data types, DLL commands, constants and globals.
template <typename Visitor>
void ForEachDeclaration(const ModuleModel& m, Visitor&& visit) {
  for (size_t g = 0; g < m.subroutineGroups.size(); ++g) {
    const auto& subs = m.subroutineGroups[g].subroutines;
    for (size_t i = 0; i < subs.size(); ++i)
      visit(DeclarationKind::Subroutine, std::string_view(), subs[i].name, DeclarationPlace{g, i});
  }
  for (size_t c = 0; c < m.classes.size(); ++c) {
    const ClassInfo& cls = m.classes[c];
    visit(DeclarationKind::Class, std::string_view(), cls.name, DeclarationPlace{0, c});
    for (size_t i = 0; i < cls.methods.size(); ++i)
      visit(DeclarationKind::Method, std::string_view(cls.name), cls.methods[i].name, DeclarationPlace{c, i});
  }
  const auto flat = [&](DeclarationKind kind, const auto& list) {
    for (size_t i = 0; i < list.size(); ++i) visit(kind, std::string_view(), list[i].name, DeclarationPlace{0, i});
  };
  flat(DeclarationKind::DataType, m.dataTypes);
  flat(DeclarationKind::DllCommand, m.dllCommands);
  flat(DeclarationKind::Constant, m.constants);
  flat(DeclarationKind::Global, m.globals);
}

namespace detail {
template <typename T>
const T* At(const std::vector<T>& list, size_t index) {
  return index < list.size() ? &list[index] : nullptr;
}
}  // namespace detail

// Calls visit(record) with the record at `place` (a Subroutine for subroutines
// and methods, else the kind's own record). False, without a call, when the
// model has nothing there.
template <typename Visitor>
bool VisitDeclaration(const ModuleModel& m, DeclarationKind kind, DeclarationPlace place, Visitor&& visit) {
  const auto call = [&](const auto* record) {
    if (record == nullptr) return false;
    visit(*record);
    return true;
  };
  using detail::At;
  switch (kind) {
    case DeclarationKind::Subroutine: {
      const SubroutineGroup* group = At(m.subroutineGroups, place.outer);
      return call(group != nullptr ? At(group->subroutines, place.index) : nullptr);
    }
    case DeclarationKind::Method: {
      const ClassInfo* cls = At(m.classes, place.outer);
      return call(cls != nullptr ? At(cls->methods, place.index) : nullptr);
    }
    case DeclarationKind::Class:
      return call(At(m.classes, place.index));
    case DeclarationKind::DataType:
      return call(At(m.dataTypes, place.index));
    case DeclarationKind::DllCommand:
      return call(At(m.dllCommands, place.index));
    case DeclarationKind::Constant:
      return call(At(m.constants, place.index));
    case DeclarationKind::Global:
      return call(At(m.globals, place.index));
  }
  return false;
}

}  // namespace ec
