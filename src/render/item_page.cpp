#include "render/item_page.h"

#include <algorithm>

#include "render/chinese_numeral.h"
#include "render/declaration_code.h"
#include "render/declaration_tables.h"
#include "render/html_escape.h"

namespace ec {
namespace {

std::string Join(std::string code, const std::string& tables) {
  code.reserve(code.size() + kItemPageSeparator.size() + tables.size());
  code.append(kItemPageSeparator).append(tables);
  return code;
}

}  // namespace

std::string ItemPage(std::span<const Subroutine> items, const Subroutine* single, const ClassInfo& header,
                     const TypeLinks* links) {
  return Join(RenderSubroutineCode(items, single, CodeMode::Html, header, links),
              RenderSubroutineTables(items, single, header, links));
}

std::string ItemPage(std::span<const DllCommand> items, const DllCommand* single, const TypeLinks* links) {
  return Join(RenderDllCommandCode(items, single, CodeMode::Html, links),
              RenderDllCommandTables(items, single, links));
}

std::string ItemPage(std::span<const Constant> items, const Constant* single, const TypeLinks* links) {
  return Join(RenderConstantCode(items, single, CodeMode::Html, links), RenderConstantTable(items, single, links));
}

std::string ItemPage(std::span<const GlobalVar> items, const GlobalVar* single, const TypeLinks* links) {
  return Join(RenderGlobalVariableCode(items, single, CodeMode::Html, links),
              RenderGlobalVariableTable(items, single, links));
}

std::string ItemPage(std::span<const DataType> items, const DataType* single, const TypeLinks* links) {
  return Join(RenderDataTypeCode(items, single, CodeMode::Html, links), RenderDataTypeTables(items, single, links));
}

std::string SubroutineCategoryPage(const ModuleModel& model) {
  // Enough names to tell the groups apart, few enough for one line.
  constexpr size_t kNamesShown = 5;
  size_t total = 0;
  for (const SubroutineGroup& group : model.subroutineGroups) total += group.subroutines.size();
  std::string page(kCodeOpening);
  page += "<b>子程序集合</b>：" + std::to_string(total) + " 个子程序，" +
          std::to_string(model.subroutineGroups.size()) + " 集";
  for (size_t g = 0; g < model.subroutineGroups.size(); ++g) {
    const auto& subroutines = model.subroutineGroups[g].subroutines;
    page += "<br>第" + ChineseNumeral(static_cast<uint32_t>(g + 1)) + "集(" + std::to_string(subroutines.size()) +
            ")：";
    for (size_t i = 0; i < subroutines.size() && i < kNamesShown; ++i) {
      if (i > 0) page += "、";
      AppendHtmlEscaped(page, subroutines[i].name);
    }
    if (subroutines.size() > kNamesShown) page += "、…";
  }
  return page + "</div>";
}

std::string ItemPageTop(std::string_view page, size_t lines) {
  if (!page.starts_with(kCodeOpening)) return {};
  const size_t end = std::min(page.find(kItemPageSeparator), page.size());
  constexpr std::string_view kBreak = "<br>";
  size_t cut = kCodeOpening.size();
  for (size_t line = 0, at = cut; line < lines; ++line, at = cut + kBreak.size()) {
    cut = page.find(kBreak, at);
    if (cut >= end) return std::string(page.substr(0, end));
  }
  return std::string(page.substr(0, cut)) + "</div>";
}

}  // namespace ec
