#pragma once
// Entry point of the module file reader: opens a .ec file, checks its header
// and decodes each segment it knows into raw records.

#include <cstdint>
#include <optional>
#include <string>

#include "reader/info_segments.h"
#include "reader/program_segment.h"
#include "reader/read_report.h"
#include "reader/reader_options.h"

namespace ec {

// The record of the segments whose contents the viewer does not interpret.
struct SegmentPlaceholder {
  int32_t value = 0;
};

// One slot per known segment. A slot the file does not fill keeps what the
// caller put in it; a segment that appears twice leaves the later record.
struct ModuleSegments {
  std::optional<SystemInfoRecord> systemInfo;      // "系统信息段"
  std::optional<UserInfoRecord> userInfo;          // "用户信息段"
  std::optional<ResourceSegment> resources;        // "程序资源段"
  std::optional<ProgramSegment> program;           // "程序段"
  std::optional<SegmentPlaceholder> initialModules;  // "初始模块段"
  std::optional<SegmentPlaceholder> losableProgram;  // "可丢失程序段"
  std::optional<SegmentPlaceholder> editInfo1;       // "编辑信息段1"
  std::optional<SegmentPlaceholder> editInfo2;       // "编辑信息段2"
  std::optional<SegmentPlaceholder> auxInfo1;        // "辅助信息段1"
  std::optional<SegmentPlaceholder> auxInfo2;        // "辅助信息段2"
  std::optional<SegmentPlaceholder> moduleRecord;    // "易模块记录段"
};

// The segments stored as placeholders, by their names (UTF-8) and slots.
struct PlaceholderSegment {
  const char* name;
  std::optional<SegmentPlaceholder> ModuleSegments::*slot;
};
inline constexpr PlaceholderSegment kPlaceholderSegments[] = {
    {"初始模块段", &ModuleSegments::initialModules}, {"可丢失程序段", &ModuleSegments::losableProgram},
    {"编辑信息段1", &ModuleSegments::editInfo1},     {"编辑信息段2", &ModuleSegments::editInfo2},
    {"辅助信息段1", &ModuleSegments::auxInfo1},      {"辅助信息段2", &ModuleSegments::auxInfo2},
    {"易模块记录段", &ModuleSegments::moduleRecord},
};

constexpr int32_t kHeaderFlag1 = 0x54574e43;    // "CNWT"
constexpr int32_t kHeaderFlag2 = 0x47525045;    // "EPRG"
constexpr int32_t kProtectedFlag = 0x454c5457;  // "WTLE": encoded with a password
constexpr uint64_t kProtectedContainerOffset = 40;
// Real modules are under 40 MB; a larger file (a sparse file that claims
// gigabytes, say) is refused before anything of it is read.
constexpr uint64_t kMaxModuleFileBytes = 256ull * 1024 * 1024;

// "文件过大（N MB），不是易模块？" for a file of `bytes` bytes.
std::string TooLargeText(uint64_t bytes);

// Reads the module at `path` (UTF-8) into `segments`. False when the file
// cannot be opened or a header flag is wrong; true otherwise, also when the
// segment walk stopped early on a damaged segment. Check values that do not
// match are rewritten in the file unless options.readOnly is set or the file
// cannot be opened for writing. `report`, when given, is replaced by what
// went wrong: why the file was rejected, where the walk was cut short, the
// messages the segments gave, and how many nodes were repaired.
bool ReadModuleFile(const std::string& path, const ReaderOptions& options, ModuleSegments& segments,
                    ReadReport* report = nullptr);

// Rewrites the check values of the nodes `report` lists as not matching, in
// the file at `path`, when it may be written; marks them rewritten and counts
// them. For a caller that decides after the read whether to repair.
void RepairMismatchedNodes(const std::string& path, ReadReport& report);

}  // namespace ec
