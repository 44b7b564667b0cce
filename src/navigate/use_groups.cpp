#include "navigate/use_groups.h"

#include "declarations/declaration_places.h"

namespace ec {

std::string PlaceText(const TypeUsePlace& place) {
  switch (place.role) {
    case TypeUseRole::ReturnValue: return "返回值";
    case TypeUseRole::Parameter: return "参数 " + std::string(place.name);
    case TypeUseRole::Member: return "成员 " + std::string(place.name);
    case TypeUseRole::BaseClass: return "基类";
    case TypeUseRole::Type: return "";
  }
  return "";
}

std::string UserText(const TypeUse& use) {
  if (use.container.empty()) return std::string(use.name);
  return std::string(use.container) + "." + std::string(use.name);
}

std::string_view TargetName(const ModuleModel& model, const DeclarationLink& target) {
  if (target.kind != DeclarationKind::DataType && target.kind != DeclarationKind::Class) return {};
  if (target.place.outer != 0) return {};
  std::string_view name;
  VisitDeclaration(model, target.kind, target.place, [&](const auto& record) { name = record.name; });
  return name;
}

}  // namespace ec
