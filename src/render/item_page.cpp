#include "render/item_page.h"

#include "render/declaration_code.h"
#include "render/declaration_tables.h"

namespace ec {
namespace {

std::string Join(std::string code, const std::string& tables) {
  code.reserve(code.size() + kItemPageSeparator.size() + tables.size());
  code.append(kItemPageSeparator).append(tables);
  return code;
}

}  // namespace

std::string ItemPage(std::span<const Subroutine> items, const Subroutine* single, const ClassInfo& header) {
  return Join(RenderSubroutineCode(items, single, CodeMode::Html, header),
              RenderSubroutineTables(items, single, header));
}

std::string ItemPage(std::span<const DllCommand> items, const DllCommand* single) {
  return Join(RenderDllCommandCode(items, single, CodeMode::Html), RenderDllCommandTables(items, single));
}

std::string ItemPage(std::span<const Constant> items, const Constant* single) {
  return Join(RenderConstantCode(items, single, CodeMode::Html), RenderConstantTable(items, single));
}

std::string ItemPage(std::span<const GlobalVar> items, const GlobalVar* single) {
  return Join(RenderGlobalVariableCode(items, single, CodeMode::Html), RenderGlobalVariableTable(items, single));
}

std::string ItemPage(std::span<const DataType> items, const DataType* single) {
  return Join(RenderDataTypeCode(items, single, CodeMode::Html), RenderDataTypeTables(items, single));
}

}  // namespace ec
