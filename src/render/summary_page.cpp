#include "render/summary_page.h"

#include "render/html_escape.h"
#include "support/regex_matcher.h"

namespace ec {
namespace {

void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
  std::string out;
  out.reserve(text.size());
  size_t start = 0;
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, start)) {
    out.append(text, start, at - start).append(to);
    start = at + from.size();
  }
  out.append(text, start);
  text = std::move(out);
}

std::string LibraryList(const SupportInfo& support) {
  std::string list;
  for (const std::string& entry : support.libraries) {
    const LibraryFields fields = SplitLibraryEntry(entry);
    AppendHtmlEscaped(list, fields.name);
    list += '(';
    AppendHtmlEscaped(list, fields.field1);
    list += ")、";
  }
  return list;
}

std::string_view OutcomeHeading(const ReadOutcome& outcome) {
  if (outcome.rejected) return "无法读取此模块：";
  if (!outcome.complete) return "此模块读取不完整，下面显示的是读到的部分：";
  return "此模块的校验值与内容不符，内容可能被改动或损坏：";
}

}  // namespace

std::string CutRemarkSection(std::string_view remarks) {
  RegexMatcher matcher;
  matcher.CreateMatcher("\r\n@备注[\\s\\S]+");
  return matcher.ReplaceAll(remarks, "");
}

std::string ReadOutcomeToolTip(const ReadOutcome& outcome) {
  if (outcome.Clean()) return {};
  std::string tip(OutcomeHeading(outcome));
  for (const std::string& problem : outcome.problems) tip += "\n● " + problem;
  return tip;
}

std::string ReadOutcomeBlock(const ReadOutcome& outcome) {
  std::string block;
  if (!outcome.Clean()) {
    // A table, not a styled div: the page view's rich text draws borders and
    // backgrounds of table cells only.
    block += "<table width=\"100%\" border=\"1\" cellspacing=\"0\" cellpadding=\"6\" bgcolor=\"#fff4e0\" "
             "style=\"border-color:#d08000;border-style:solid;margin-bottom:10px;\"><tr><td style=\"font-size:14px;"
             "font-family:SimSun;color:#803000;\"><b>";
    block += OutcomeHeading(outcome);
    block += "</b>";
    for (const std::string& problem : outcome.problems) {
      block += "<br>● ";
      AppendHtmlEscaped(block, problem);
    }
    block += "</td></tr></table>";
  }
  if (outcome.repairedSegments > 0)
    block += "<p style=\"font-size:12px;font-family:SimSun;color:#606060;\">已修正 " +
             std::to_string(outcome.repairedSegments) + " 个段的校验值</p>";
  return block;
}

std::string BuildSummaryPage(const ModuleModel& model) {
  if (model.outcome.rejected) return ReadOutcomeBlock(model.outcome);
  const ModuleInfo& info = model.info;
  const std::string remarks = CutRemarkSection(info.remarks);
  std::string page = "<div style=\"font-size:14px;font-family:SimSun;line-height:1.5;\"><b>模块：</b>";
  AppendHtmlEscaped(page, info.name);
  page += "、<b>版本：</b>" + std::to_string(info.versionMajor) + "." + std::to_string(info.versionMinor);
  page += "、<b>作者：</b>";
  AppendHtmlEscaped(page, info.author);
  if (!remarks.empty() && remarks != info.name) {
    page += "、<b>备注</b>：";
    AppendHtmlEscaped(page, remarks);
  }
  page += "\r\n\r\n<h2>用到的支持库(" + std::to_string(model.support.libraries.size()) + "个)：</h2>";
  page += LibraryList(model.support);
  page += "</div>";
  ReplaceAll(page, "、", "\r\n");
  ReplaceAll(page, "\r\n", "<br>");
  return ReadOutcomeBlock(model.outcome) + page;
}

}  // namespace ec
