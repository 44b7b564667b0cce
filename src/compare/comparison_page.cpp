#include "compare/comparison_page.h"

#include "compare/comparison_html.h"
#include "model/module_analysis.h"
#include "render/html_escape.h"
#include "render/summary_page.h"

namespace ec {
namespace {
// The page view lays out a hundred declaration tables in a tenth of a second
// on a slow machine, a thousand in seconds, all on the window's thread; the
// rest of a long report is only counted.
constexpr size_t kPageDeclarations = 100;
}  // namespace

std::string ComparisonPage(const std::string& otherPath, const ModuleModel& shown, std::string_view shownPath) {
  ModuleModel other;
  if (!analyseModule(otherPath, other, {.parts = ModelParts::All(), .readOnly = true})) {
    return "<div style=\"font-size:14px;font-family:SimSun;line-height:1.5;\"><b>无法比较：</b>读不出模块 " +
           HtmlEscaped(otherPath) + "<br>原因：" + HtmlEscaped(other.outcome.readerMessage) + "</div>";
  }
  // The viewer shows module remarks without their trailing remark section;
  // the other module's are compared the same way.
  other.info.remarks = CutRemarkSection(other.info.remarks);
  const ModuleComparison result = CompareModules(other, shown);
  return ComparisonHtml({other, shown, result, otherPath, shownPath},
                        {.links = LinkSide::New, .maxDeclarations = kPageDeclarations});
}

}  // namespace ec
