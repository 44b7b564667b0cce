#include "reader/module_file_reader.h"

#include <string_view>

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
  static const std::pair<std::string, std::optional<SegmentPlaceholder> ModuleSegments::*> kSlots[] = {
      {Utf8ToGbk("初始模块段"), &ModuleSegments::initialModules},
      {Utf8ToGbk("可丢失程序段"), &ModuleSegments::losableProgram},
      {Utf8ToGbk("编辑信息段1"), &ModuleSegments::editInfo1},
      {Utf8ToGbk("编辑信息段2"), &ModuleSegments::editInfo2},
      {Utf8ToGbk("辅助信息段1"), &ModuleSegments::auxInfo1},
      {Utf8ToGbk("辅助信息段2"), &ModuleSegments::auxInfo2},
      {Utf8ToGbk("易模块记录段"), &ModuleSegments::moduleRecord},
  };
  for (const auto& [slotName, slot] : kSlots)
    if (slotName == name) return slot;
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
