#include "model/read_outcome.h"

#include "support/gbk_codec.h"

namespace ec {
namespace {

// 52000 -> "52,000", as the user reads a byte count.
std::string Grouped(int64_t value) {
  std::string digits = std::to_string(value < 0 ? -value : value);
  for (size_t at = digits.size(); at > 3; at -= 3) digits.insert(at - 3, ",");
  return value < 0 ? "-" + digits : digits;
}

std::string Quoted(const std::string& gbkName) { return "“" + GbkToUtf8(gbkName) + "”"; }

std::string Times(int count) { return count > 1 ? "，共 " + Grouped(count) + " 处" : ""; }

std::string TruncationText(const ReadProblem& p) {
  std::string text = "模块在第 " + Grouped(static_cast<int64_t>(p.offset)) + " 字节处被截断";
  if (!p.segment.empty() && p.claimed > p.present)
    text += "：" + Quoted(p.segment) + "的数据应有 " + Grouped(p.claimed) + " 字节，只有 " + Grouped(p.present) + " 字节";
  else if (!p.segment.empty())
    text += "：" + Quoted(p.segment) + "的段头不全";
  return text + "，以下内容可能不全";
}

std::string ProblemText(const ReadProblem& p) {
  using Kind = ReadProblem::Kind;
  switch (p.kind) {
    case Kind::Truncated: return TruncationText(p);
    case Kind::WrongNodeFlag:
      return "第 " + Grouped(static_cast<int64_t>(p.offset)) +
             " 字节处的段标志错误（" + p.message + "），其后的段没有读取，以下内容可能不全";
    case Kind::RepairFailed:
      return Quoted(p.segment) + "的校验值不符，写回修正值失败（" + p.message + "）";
    case Kind::NegativeLength:
      return Quoted(p.segment) + "中有长度为负数的数据（" + p.message + "）" + Times(p.count) + "，其内容可能不全";
    case Kind::UnknownConstantType:
      return Quoted(p.segment) + "中有值类型未知的常量（" + p.message + "）" + Times(p.count) + "，其值没有读取";
    case Kind::UnknownConstantPage:
      return Quoted(p.segment) + "中有不在常量页面上的常量（" + p.message + "）" + Times(p.count) + "，其值没有读取";
    case Kind::CheckValue: {
      // A node without a name is told by its offset, grouped as in the other texts.
      const std::string what =
          p.segment.empty() ? "第 " + Grouped(static_cast<int64_t>(p.offset)) + " 字节处的段的校验值与内容不符" : p.message;
      return what + (p.rewritten ? "（已写回修正值）" : "");
    }
    case Kind::RecordOverlap:
      return Quoted(p.segment) + "中有相互重叠或次序错乱的记录（" + p.message + "）" + Times(p.count) + "，其内容可能已损坏";
    case Kind::RecordOutside:
      return Quoted(p.segment) + "中有偏移指向页外的记录（" + p.message + "）" + Times(p.count) + "，其内容没有读取";
    case Kind::OverBudget:
      return Quoted(p.segment) + "中有记录太多、超出内存限度的记录页（" + p.message + "）" + Times(p.count) +
             "，其余记录没有读取";
    case Kind::CountClamped:
      return Quoted(p.segment) + "中有大于其数据所能容纳的数量（" + p.message + "）" + Times(p.count) +
             "，多出的部分没有读取";
    case Kind::ListCut: return Quoted(p.segment) + "在列表中结束：" + p.message + "，以下内容可能不全";
    case Kind::ProgramMissing: return p.message;
    case Kind::ModuleOverBudget: {
      const std::string limit = "（" + p.message + "，上限 " + Grouped(p.claimed >> 20) + " MB）";
      return (p.segment.empty() ? "模块的内容超出内存限度" : Quoted(p.segment) + "的内容超出整个模块的内存限度") +
             limit + "，其余内容没有读取";
    }
  }
  return p.message;
}

}  // namespace

std::string RejectionText(RejectReason reason) {
  switch (reason) {
    case RejectReason::None: return {};
    case RejectReason::CannotOpen: return "无法打开文件";
    case RejectReason::HeaderFlag1: return "不是易模块文件（头标志1错误）";
    case RejectReason::HeaderFlag2: return "不是易模块文件（头标志2错误）";
    case RejectReason::Protected: return "此模块已加密，无法查看";
    case RejectReason::TooLarge: return {};  // the reader's own message names the size
  }
  return {};
}

std::vector<std::string> ProblemTexts(const ReadReport& report) {
  std::vector<std::string> texts;
  for (const ReadProblem& problem : report.problems) texts.push_back(ProblemText(problem));
  if (report.unlistedProblems > 0) texts.push_back("另有 " + Grouped(report.unlistedProblems) + " 个问题未列出");
  return texts;
}

ReadOutcome OutcomeOf(const ReadReport& report) {
  ReadOutcome outcome;
  outcome.rejected = report.rejected != RejectReason::None;
  outcome.complete = report.Complete();
  outcome.checksMatch = report.ChecksMatch();
  outcome.readerMessage = report.lastMessage;
  const std::string why =
      report.rejected == RejectReason::TooLarge ? report.lastMessage : RejectionText(report.rejected);
  outcome.problems = outcome.rejected ? std::vector<std::string>{why} : ProblemTexts(report);
  outcome.repairedSegments = report.repairedSegments;
  return outcome;
}

}  // namespace ec
