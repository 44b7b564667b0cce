#include "compare/declaration_node.h"

#include "declarations/declaration_places.h"

namespace ec {
namespace {

int Position(size_t zeroBased) { return static_cast<int>(zeroBased + 1); }

NodeKind KindOf(DeclarationKind kind) {
  switch (kind) {
    case DeclarationKind::Subroutine: return kKindSubroutine;
    case DeclarationKind::Class: return kKindClass;
    case DeclarationKind::Method: return kKindMethod;
    case DeclarationKind::DataType: return kKindDataTypes;
    case DeclarationKind::DllCommand: return kKindDllCommands;
    case DeclarationKind::Constant: return kKindConstants;
    case DeclarationKind::Global: return kKindGlobals;
  }
  return kKindModule;
}

}  // namespace

std::optional<TreeNodeInfo> TreeNodeOf(const ModuleModel& model, const DeclarationLink& link) {
  if (!VisitDeclaration(model, link.kind, link.place, [](const auto&) {})) return std::nullopt;
  // Under the module node sit the categories and the classes; declarations
  // sit one level further down.
  TreeNodeInfo node{.kind = KindOf(link.kind), .itemData = Position(link.place.index), .parentItemData = 0, .depth = 3};
  switch (link.kind) {
    case DeclarationKind::Subroutine: {
      size_t before = 0;
      for (size_t g = 0; g < link.place.outer; ++g) before += model.subroutineGroups[g].subroutines.size();
      node.itemData = Position(before + link.place.index);
      break;
    }
    case DeclarationKind::Class: node.depth = 2; break;
    case DeclarationKind::Method: node.parentItemData = Position(link.place.outer); break;
    default: break;
  }
  return node;
}

}  // namespace ec
