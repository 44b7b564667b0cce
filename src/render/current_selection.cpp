#include "render/current_selection.h"

#include <span>

#include "render/colour_span.h"
#include "render/declaration_code.h"
#include "render/declaration_tables.h"
#include "render/item_page.h"
#include "render/module_text.h"

namespace ec {
namespace {

// The code and table renderers of one kind of declaration; the item page of
// each kind is the ItemPage overload for it.
template <typename T>
struct Renderers;
template <>
struct Renderers<DllCommand> {
  static constexpr auto code = &RenderDllCommandCode;
  static constexpr auto tables = &RenderDllCommandTables;
};
template <>
struct Renderers<Constant> {
  static constexpr auto code = &RenderConstantCode;
  static constexpr auto tables = &RenderConstantTable;
};
template <>
struct Renderers<GlobalVar> {
  static constexpr auto code = &RenderGlobalVariableCode;
  static constexpr auto tables = &RenderGlobalVariableTable;
};
template <>
struct Renderers<DataType> {
  static constexpr auto code = &RenderDataTypeCode;
  static constexpr auto tables = &RenderDataTypeTables;
};

// Only the page gets links: the copies are the texts as the IDE writes them.
template <typename T>
std::string RenderDeclarations(std::span<const T> items, const T* single, Rendering rendering,
                               const TypeLinks* links) {
  switch (rendering) {
    case Rendering::ItemPage: return ItemPage(items, single, links);
    case Rendering::PlainCode: return Renderers<T>::code(items, single, CodeMode::PlainText, nullptr);
    case Rendering::HtmlCode: return Renderers<T>::code(items, single, CodeMode::Html, nullptr);
    case Rendering::Tables: return Renderers<T>::tables(items, single, nullptr);
  }
  return {};
}

std::string RenderSubroutines(std::span<const Subroutine> items, const Subroutine* single, const ClassInfo& header,
                              Rendering rendering, const TypeLinks* links) {
  switch (rendering) {
    case Rendering::ItemPage: return ItemPage(items, single, header, links);
    case Rendering::PlainCode: return RenderSubroutineCode(items, single, CodeMode::PlainText, header);
    case Rendering::HtmlCode: return RenderSubroutineCode(items, single, CodeMode::Html, header);
    case Rendering::Tables: return RenderSubroutineTables(items, single, header);
  }
  return {};
}

// Category kinds: the whole list, or the one item that was copied.
template <typename T>
std::string RenderCategory(const std::vector<T>& list, const T& item, bool whole, Rendering rendering,
                           const TypeLinks* links) {
  if (whole) return RenderDeclarations<T>(list, nullptr, rendering, links);
  return RenderDeclarations<T>({}, &item, rendering, links);
}

// One item of a category: the whole category is meant by the category node
// (item data 0, or any node at the top level).
template <typename T>
bool SelectCategoryItem(const std::vector<T>& list, const TreeNodeInfo& node, bool& whole, T& copy) {
  if (node.itemData == 0 || node.depth == 1) {
    whole = true;
    return true;
  }
  const T* item = ItemAt(list, node.itemData);
  if (item == nullptr) return false;
  copy = *item;
  whole = false;
  return true;
}

DeclarationForm FormOf(Rendering rendering) {
  if (rendering == Rendering::Tables) return DeclarationForm::Tables;
  return rendering == Rendering::HtmlCode ? DeclarationForm::HtmlCode : DeclarationForm::PlainCode;
}

bool SelectByKind(CurrentSelection& s, const ModuleModel& model, const TreeNodeInfo& node) {
  switch (node.kind) {
    case kKindModule:
    case kKindSubroutineCategory: return true;
    case kKindGroup:
      s.groupIndex = node.itemData;
      return ItemAt(model.subroutineGroups, node.itemData) != nullptr;
    case kKindSubroutine: {
      const Subroutine* sub = SubroutineByOrdinal(model, node.itemData);
      if (sub == nullptr) return false;
      s.subroutine = *sub;
      return true;
    }
    case kKindClass:
      s.classIndex = node.itemData;
      return ItemAt(model.classes, node.itemData) != nullptr;
    case kKindMethod: {
      s.classIndex = node.parentItemData;
      const ClassInfo* cls = ItemAt(model.classes, node.parentItemData);
      const Subroutine* method = cls == nullptr ? nullptr : ItemAt(cls->methods, node.itemData);
      if (method == nullptr) return false;
      s.method = *method;
      return true;
    }
    case kKindDllCommands: return SelectCategoryItem(model.dllCommands, node, s.wholeCategory, s.dllCommand);
    case kKindConstants: return SelectCategoryItem(model.constants, node, s.wholeCategory, s.constant);
    case kKindGlobals: return SelectCategoryItem(model.globals, node, s.wholeCategory, s.globalVar);
    case kKindDataTypes: return SelectCategoryItem(model.dataTypes, node, s.wholeCategory, s.dataType);
    default: return false;
  }
}

}  // namespace

const Subroutine* SubroutineByOrdinal(const ModuleModel& model, int64_t ordinal) {
  if (ordinal < 1) return nullptr;
  int64_t before = 0;
  for (const SubroutineGroup& group : model.subroutineGroups) {
    const auto size = static_cast<int64_t>(group.subroutines.size());
    if (before + size >= ordinal) return &group.subroutines[static_cast<size_t>(ordinal - before - 1)];
    before += size;
  }
  return nullptr;
}

bool SelectNode(CurrentSelection& selection, const ModuleModel& model, const TreeNodeInfo& node,
                uint64_t loadNumber) {
  selection.kind = node.kind;
  // Only a selection that found its declarations belongs to this load; a
  // failed one keeps the stamp of whatever the other fields came from.
  if (!SelectByKind(selection, model, node)) return false;
  selection.loadNumber = loadNumber;
  return true;
}

std::optional<std::string> RenderSelection(const CurrentSelection& s, const ModuleModel& model, Rendering rendering,
                                           uint64_t loadNumber, const TypeLinks* links) {
  if (s.loadNumber != loadNumber) return std::nullopt;
  const ClassInfo noClass{};
  switch (s.kind) {
    // The module node's page is its summary, which the window keeps.
    case kKindModule:
      if (rendering == Rendering::ItemPage) return std::nullopt;
      return ModuleDeclarations(model, FormOf(rendering));
    case kKindSubroutineCategory:
      if (rendering == Rendering::ItemPage) return SubroutineCategoryPage(model);
      return GroupDeclarations(model, FormOf(rendering));
    case kKindSubroutine: return RenderSubroutines({}, &s.subroutine, noClass, rendering, links);
    case kKindGroup: {
      const SubroutineGroup* group = ItemAt(model.subroutineGroups, s.groupIndex);
      if (group == nullptr) return std::nullopt;
      return RenderSubroutines(group->subroutines, nullptr, noClass, rendering, links);
    }
    case kKindClass: {
      const ClassInfo* cls = ItemAt(model.classes, s.classIndex);
      if (cls == nullptr) return std::nullopt;
      return RenderSubroutines(cls->methods, nullptr, *cls, rendering, links);
    }
    case kKindMethod: {
      const ClassInfo* cls = ItemAt(model.classes, s.classIndex);
      if (cls == nullptr) return std::nullopt;
      return RenderSubroutines({}, &s.method, *cls, rendering, links);
    }
    case kKindDllCommands: return RenderCategory(model.dllCommands, s.dllCommand, s.wholeCategory, rendering, links);
    case kKindConstants: return RenderCategory(model.constants, s.constant, s.wholeCategory, rendering, links);
    case kKindGlobals: return RenderCategory(model.globals, s.globalVar, s.wholeCategory, rendering, links);
    case kKindDataTypes: return RenderCategory(model.dataTypes, s.dataType, s.wholeCategory, rendering, links);
    default: return std::nullopt;
  }
}

}  // namespace ec
