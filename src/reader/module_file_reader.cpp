#include "reader/module_file_reader.h"

#include <algorithm>
#include <memory>
#include <string_view>
#include <vector>

#include "reader/module_file.h"
#include "reader/read_report.h"
#include "reader/segment_node.h"
#include "support/gbk_codec.h"

namespace ec {
namespace {

// Segment names as stored (GBK).
const std::string kSystemInfoName = Utf8ToGbk("系统信息段");
const std::string kUserInfoName = Utf8ToGbk("用户信息段");
const std::string kResourcesName = Utf8ToGbk("程序资源段");
const std::string kProgramName = Utf8ToGbk("程序段");

std::optional<SegmentPlaceholder> ModuleSegments::*PlaceholderSlot(const std::string& name) {
  static const auto kGbkNames = [] {
    std::vector<std::string> names;
    for (const auto& segment : kPlaceholderSegments) names.push_back(Utf8ToGbk(segment.name));
    return names;
  }();
  for (size_t i = 0; i < kGbkNames.size(); ++i)
    if (kGbkNames[i] == name) return kPlaceholderSegments[i].slot;
  return nullptr;
}

// False for a segment of an unknown name.
bool StoreSegment(SegmentNode& node, const ReaderOptions& options, ModuleSegments& segments, ReadReport& report) {
  if (node.name == kSystemInfoName) {
    segments.systemInfo = ReadSystemInfo(node.data);
  } else if (node.name == kUserInfoName) {
    segments.userInfo = ReadUserInfo(node.data, &report);
  } else if (node.name == kResourcesName) {
    segments.resources =
        ReadResourceSegment(std::make_shared<const std::string>(std::move(node.data)), options, &report);
  } else if (node.name == kProgramName) {
    segments.program =
        ReadProgramSegment(std::make_shared<const std::string>(std::move(node.data)), options, &report);
  } else if (const auto slot = PlaceholderSlot(node.name)) {
    segments.*slot = SegmentPlaceholder{};
  } else {
    NoteReadFailure(&report, "未知段[" + GbkToUtf8(node.name) + "]");
    return false;
  }
  return true;
}

// Checks the two header flags at the position; sets the failure text.
RejectReason CheckHeader(ModuleFile& file, bool isProtected, ReadReport& report) {
  const int32_t flag1 = file.ReadInt32();
  const int32_t flag2 = file.ReadInt32();
  if (flag1 != kHeaderFlag1) {
    NoteReadFailure(&report, isProtected ? "密码错误或头标志1错误" : "头标志1错误");
    return isProtected ? RejectReason::Protected : RejectReason::HeaderFlag1;
  }
  if (flag2 != kHeaderFlag2) {
    NoteReadFailure(&report, isProtected ? "密码错误或头标志2错误" : "头标志2错误");
    return isProtected ? RejectReason::Protected : RejectReason::HeaderFlag2;
  }
  return RejectReason::None;
}

ReadProblem Truncation(const ModuleFile& file, const SegmentNode& node) {
  return {.kind = ReadProblem::Kind::Truncated, .segment = node.name, .offset = file.Size(),
          .claimed = node.storedLength, .present = static_cast<int64_t>(node.data.size())};
}

// The segment a check value guards, as the user reads it.
std::string CheckValueText(const SegmentNode& node) {
  const std::string segment =
      node.name.empty() ? "第 " + std::to_string(node.start) + " 字节处的段" : GbkToUtf8(node.name);
  return segment + "的校验值与内容不符";
}

// What the node itself says about the state of the file.
void NoteNode(const ModuleFile& file, const SegmentNode& node, ReadReport& report) {
  if (node.checkMismatch)
    report.Add({.kind = ReadProblem::Kind::CheckValue, .segment = node.name, .message = CheckValueText(node),
                .offset = node.start});
  if (node.cutShort) report.Add(Truncation(file, node));
}

// A node whose check values did not match its bytes.
struct MismatchedNode {
  uint64_t start = 0;
  size_t dataLength = 0;
  std::string name;
};

void MarkRewritten(ReadReport& report, uint64_t start) {
  for (ReadProblem& problem : report.problems)
    if (problem.kind == ReadProblem::Kind::CheckValue && problem.offset == start) problem.rewritten = true;
}

// Rewrites the check values of the nodes that did not match, when the file
// may be written and, if the options ask for it, was read without other damage.
void RepairNodes(ModuleFile& file, const ReaderOptions& options, const std::vector<MismatchedNode>& nodes,
                 ReadReport& report) {
  if (!file.Writable() || (options.repairOnlyWhole && !report.Complete())) return;
  for (const MismatchedNode& node : nodes) {
    const NodeRepair repair = RepairCheckValues(file, node.start, node.dataLength, &report);
    if (repair.repaired) {
      MarkRewritten(report, node.start);
      ++report.repairedSegments;
    }
    if (repair.dataFailed)
      report.Add({.kind = ReadProblem::Kind::RepairFailed, .segment = node.name, .message = "修正失败[数据]"});
    if (repair.headerFailed)
      report.Add({.kind = ReadProblem::Kind::RepairFailed, .segment = node.name, .message = "修正失败[头]"});
  }
}

// Why the walk could not read the node at `node.start`. Every intact module
// ends on a node with an empty name, so running out of file is a cut too.
void NoteUnreadNode(const ModuleFile& file, const SegmentNode& node, ReadReport& report) {
  if (file.Size() - std::min(file.Size(), node.start) < kNodeHeaderSize) {
    report.Add({.kind = ReadProblem::Kind::Truncated, .offset = file.Size()});
    return;
  }
  report.Add({.kind = ReadProblem::Kind::WrongNodeFlag, .message = "Node标志错误", .offset = node.start});
}

// Every module has a program segment. When none was found under its name but
// a segment of an unknown name was, that is most likely it, its name damaged.
void NoteMissingProgram(bool programRead, const std::string& unknown, ReadReport& report) {
  if (programRead || unknown.empty()) return;
  report.Add({.kind = ReadProblem::Kind::ProgramMissing, .segment = unknown,
              .message = "没有找到程序段，未知段[" + GbkToUtf8(unknown) + "]可能就是名称受损的程序段，模块的声明没有读取"});
}

// Returns the nodes whose check values did not match.
std::vector<MismatchedNode> WalkSegments(ModuleFile& file, const ReaderOptions& options, ModuleSegments& segments,
                                         ReadReport& report) {
  std::vector<MismatchedNode> mismatched;
  SegmentNode node;
  bool programRead = false;
  std::string unknown;  // the first segment of an unknown name
  while (true) {
    if (!ReadSegmentNode(file, node, &report)) {
      NoteUnreadNode(file, node, report);
      NoteMissingProgram(programRead, unknown, report);
      return mismatched;
    }
    NoteNode(file, node, report);
    if (node.checkMismatch) mismatched.push_back({node.start, node.data.size(), node.name});
    if (node.name.empty()) break;
    report.segment = node.name;
    programRead = programRead || node.name == kProgramName;
    if (!StoreSegment(node, options, segments, report) && unknown.empty()) unknown = node.name;
    report.segment.clear();
    // The file ended inside this node: there is nothing after it.
    if (node.cutShort) break;
  }
  NoteMissingProgram(programRead, unknown, report);
  return mismatched;
}

}  // namespace

std::string TooLargeText(uint64_t bytes) {
  return "文件过大（" + std::to_string(bytes / (1024 * 1024)) + " MB），不是易模块？";
}

bool ReadModuleFile(const std::string& path, const ReaderOptions& options, ModuleSegments& segments,
                    ReadReport* report) {
  ReadReport ignored;
  ReadReport& out = report ? *report : ignored;
  out = ReadReport{};
  ModuleFile file;
  const ModuleFile::Opening opening = file.Open(path, options.readOnly, kMaxModuleFileBytes);
  if (opening == ModuleFile::Opening::TooLarge) {
    NoteReadFailure(&out, TooLargeText(file.Size()));
    out.rejected = RejectReason::TooLarge;
    return false;
  }
  if (opening != ModuleFile::Opening::Opened) {
    NoteReadFailure(&out, "打开文件失败");
    out.rejected = RejectReason::CannotOpen;
    return false;
  }
  out.budget = options.budgetLimit ? ReadBudget(options.budgetLimit) : ReadBudget::ForFile(file.Size());
  // A password-protected module keeps its (encoded) container from offset 40.
  const bool isProtected = file.ReadInt32() == kProtectedFlag;
  file.Seek(isProtected ? kProtectedContainerOffset : 0);
  out.rejected = CheckHeader(file, isProtected, out);
  if (out.rejected != RejectReason::None) return false;
  const std::vector<MismatchedNode> mismatched = WalkSegments(file, options, segments, out);
  RepairNodes(file, options, mismatched, out);
  return true;
}

void RepairMismatchedNodes(const std::string& path, ReadReport& report) {
  std::vector<MismatchedNode> nodes;
  for (const ReadProblem& problem : report.problems) {
    if (problem.kind != ReadProblem::Kind::CheckValue || problem.rewritten) continue;
    nodes.push_back({problem.offset, 0, problem.segment});
  }
  ModuleFile file;
  if (nodes.empty() || file.Open(path, false, kMaxModuleFileBytes) != ModuleFile::Opening::Opened || !file.Writable())
    return;
  for (MismatchedNode& node : nodes) {
    // The data length as the node stores it; the walk read the node whole.
    file.Seek(node.start + kNodeHeaderSize + kNodeInfoDataLengthOffset);
    node.dataLength = static_cast<size_t>(std::max(file.ReadInt32(), 0));
  }
  RepairNodes(file, {}, nodes, report);
}

}  // namespace ec
