#pragma once
// The system information, user information and program resource segments.
// Texts are GBK bytes as stored.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "reader/constant_page.h"
#include "reader/declaration_index.h"
#include "reader/reader_options.h"

namespace ec {

struct SystemInfoRecord {
  int16_t systemVersionMajor = 0;
  int16_t systemVersionMinor = 0;
  std::array<int32_t, 14> values{};  // not interpreted
};

struct UserInfoRecord {
  std::string name;
  std::string remarks;
  std::string author;
  std::array<std::string, 7> infoTexts;  // items 4 to 10
  int32_t versionMajor = 0;
  int32_t versionMinor = 0;
};

// One window of the resource segment; kept, not used by the viewer.
struct WindowRecord {
  IndexEntry entry;
  int32_t value1 = 0;
  int32_t value2 = 0;
  std::string text1;
  std::string text2;
  // The stored unit count (the units' data is read and discarded); never
  // negative. Units carry nothing, so only their number is kept.
  int32_t unitCount = 0;
};

struct ResourceSegment {
  std::vector<WindowRecord> windows;
  std::vector<ConstantRecord> constants;
  ConstantPageRef constantsInPlace;  // the constants, when left in place (ReaderOptions::pagesInPlace)
  ReaderOptions options;             // how the constants left in place are to be read
  int32_t trailingValue = 0;
  // The segment's bytes, kept while the constants are left in place in them.
  std::shared_ptr<const std::string> block;
};

// What a window costs the read's budget (reader/read_budget.h).
uint64_t RecordCost(const WindowRecord& window);

// The first 60 bytes of the block as one fixed layout; missing bytes read as 0.
SystemInfoRecord ReadSystemInfo(std::string_view block);
// Problems met go to `report` when given (reader/read_report.h).
UserInfoRecord ReadUserInfo(std::string_view block, ReadReport* report = nullptr);
ResourceSegment ReadResourceSegment(std::string_view block, const ReaderOptions& options,
                                    ReadReport* report = nullptr);
// The same for a block the segment may keep: with pagesInPlace set, the
// constants stay in it, unread.
ResourceSegment ReadResourceSegment(std::shared_ptr<const std::string> block, const ReaderOptions& options,
                                    ReadReport* report = nullptr);
// The GBK name of the program resource segment.
const std::string& ResourceSegmentName();

}  // namespace ec
