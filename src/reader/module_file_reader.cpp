#include "reader/module_file_reader.h"

#include <algorithm>
#include <memory>
#include <string_view>
#include <vector>

#include "reader/last_read_error.h"
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

void StoreSegment(SegmentNode& node, const ReaderOptions& options, ModuleSegments& segments) {
  if (node.name == kSystemInfoName) {
    segments.systemInfo = ReadSystemInfo(node.data);
  } else if (node.name == kUserInfoName) {
    segments.userInfo = ReadUserInfo(node.data);
  } else if (node.name == kResourcesName) {
    segments.resources = ReadResourceSegment(node.data, options);
  } else if (node.name == kProgramName) {
    segments.program = ReadProgramSegment(std::make_shared<const std::string>(std::move(node.data)), options);
  } else if (const auto slot = PlaceholderSlot(node.name)) {
    segments.*slot = SegmentPlaceholder{};
  } else {
    SetLastReadError("未知段[" + GbkToUtf8(node.name) + "]");
  }
}

// Checks the two header flags at the position; sets the failure text.
RejectReason CheckHeader(ModuleFile& file, bool isProtected) {
  const int32_t flag1 = file.ReadInt32();
  const int32_t flag2 = file.ReadInt32();
  if (flag1 != kHeaderFlag1) {
    SetLastReadError(isProtected ? "密码错误或头标志1错误" : "头标志1错误");
    return isProtected ? RejectReason::Protected : RejectReason::HeaderFlag1;
  }
  if (flag2 != kHeaderFlag2) {
    SetLastReadError(isProtected ? "密码错误或头标志2错误" : "头标志2错误");
    return isProtected ? RejectReason::Protected : RejectReason::HeaderFlag2;
  }
  return RejectReason::None;
}

ReadProblem Truncation(const ModuleFile& file, const SegmentNode& node) {
  return {.kind = ReadProblem::Kind::Truncated, .segment = node.name, .offset = file.Size(),
          .claimed = node.storedLength, .present = static_cast<int64_t>(node.data.size())};
}

// What the node itself says about the state of the file.
void NoteNode(const ModuleFile& file, const SegmentNode& node, ReadReport& report) {
  if (node.repaired) ++report.repairedSegments;
  if (node.dataRepairFailed)
    report.Add({.kind = ReadProblem::Kind::RepairFailed, .segment = node.name, .message = "修正失败[数据]"});
  if (node.headerRepairFailed)
    report.Add({.kind = ReadProblem::Kind::RepairFailed, .segment = node.name, .message = "修正失败[头]"});
  if (node.cutShort) report.Add(Truncation(file, node));
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

void WalkSegments(ModuleFile& file, const ReaderOptions& options, ModuleSegments& segments, ReadReport& report) {
  ReadProblemScope scope(report);
  SegmentNode node;
  while (true) {
    if (!ReadSegmentNode(file, node)) {
      NoteUnreadNode(file, node, report);
      return;
    }
    NoteNode(file, node, report);
    if (node.name.empty()) return;
    scope.SetSegment(node.name);
    StoreSegment(node, options, segments);
    // The file ended inside this node: there is nothing after it.
    if (node.cutShort) return;
  }
}

}  // namespace

bool ReadModuleFile(const std::string& path, const ReaderOptions& options, ModuleSegments& segments,
                    ReadReport* report) {
  ReadReport ignored;
  ReadReport& out = report ? *report : ignored;
  out = ReadReport{};
  ModuleFile file;
  if (!file.Open(path, options.readOnly)) {
    SetLastReadError("打开文件失败");
    out.rejected = RejectReason::CannotOpen;
    return false;
  }
  // A password-protected module keeps its (encoded) container from offset 40.
  const bool isProtected = file.ReadInt32() == kProtectedFlag;
  file.Seek(isProtected ? kProtectedContainerOffset : 0);
  out.rejected = CheckHeader(file, isProtected);
  if (out.rejected != RejectReason::None) return false;
  WalkSegments(file, options, segments, out);
  return true;
}

}  // namespace ec
