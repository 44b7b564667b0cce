#include "reader/module_file_reader.h"

#include <string_view>
#include <vector>

#include "reader/last_read_error.h"
#include "reader/module_file.h"
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

void StoreSegment(const SegmentNode& node, const ReaderOptions& options, ModuleSegments& segments) {
  if (node.name == kSystemInfoName) {
    segments.systemInfo = ReadSystemInfo(node.data);
  } else if (node.name == kUserInfoName) {
    segments.userInfo = ReadUserInfo(node.data);
  } else if (node.name == kResourcesName) {
    segments.resources = ReadResourceSegment(node.data, options);
  } else if (node.name == kProgramName) {
    segments.program = ReadProgramSegment(node.data, options);
  } else if (const auto slot = PlaceholderSlot(node.name)) {
    segments.*slot = SegmentPlaceholder{};
  } else {
    SetLastReadError("未知段[" + GbkToUtf8(node.name) + "]");
  }
}

// Checks the two header flags at the position; sets the failure text.
bool AcceptHeader(ModuleFile& file, bool isProtected) {
  const int32_t flag1 = file.ReadInt32();
  const int32_t flag2 = file.ReadInt32();
  if (flag1 != kHeaderFlag1) {
    SetLastReadError(isProtected ? "密码错误或头标志1错误" : "头标志1错误");
    return false;
  }
  if (flag2 != kHeaderFlag2) {
    SetLastReadError(isProtected ? "密码错误或头标志2错误" : "头标志2错误");
    return false;
  }
  return true;
}

}  // namespace

bool ReadModuleFile(const std::string& path, const ReaderOptions& options, ModuleSegments& segments) {
  ModuleFile file;
  if (!file.Open(path, options.readOnly)) {
    SetLastReadError("打开文件失败");
    return false;
  }
  // A password-protected module keeps its (encoded) container from offset 40.
  const bool isProtected = file.ReadInt32() == kProtectedFlag;
  file.Seek(isProtected ? kProtectedContainerOffset : 0);
  if (!AcceptHeader(file, isProtected)) return false;

  SegmentNode node;
  while (ReadSegmentNode(file, node) && !node.name.empty()) StoreSegment(node, options, segments);
  return true;
}

}  // namespace ec
