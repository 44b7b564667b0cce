#include "reader/info_segments.h"

#include <algorithm>

#include "reader/read_report.h"
#include "reader/segment_cursor.h"
#include "support/gbk_codec.h"

namespace ec {

SystemInfoRecord ReadSystemInfo(std::string_view block) {
  SegmentCursor cursor(block.substr(0, std::min<size_t>(block.size(), 60)));
  SystemInfoRecord record;
  record.systemVersionMajor = cursor.ReadInt16();
  record.systemVersionMinor = cursor.ReadInt16();
  for (auto& value : record.values) value = cursor.ReadInt32();
  return record;
}

UserInfoRecord ReadUserInfo(std::string_view block, ReadReport* report) {
  SegmentCursor cursor(block, report);
  UserInfoRecord record;
  record.name = cursor.ReadCountedText();
  record.remarks = cursor.ReadCountedText();
  record.author = cursor.ReadCountedText();
  for (auto& text : record.infoTexts) text = cursor.ReadCountedText();
  record.versionMajor = cursor.ReadInt32();
  record.versionMinor = cursor.ReadInt32();
  uint64_t cost = TextCost(record.name) + TextCost(record.remarks) + TextCost(record.author);
  for (const std::string& text : record.infoTexts) cost += TextCost(text);
  ChargeRead(report, cost);
  return record;
}

uint64_t RecordCost(const WindowRecord& window) {
  return sizeof window + TextCost(window.text1) + TextCost(window.text2);
}

namespace {
// A window body moves the cursor by at least its six int32 values and lengths.
constexpr size_t kMinWindowBody = 4 * 6;

ResourceSegment ReadResource(std::string_view block, const ReaderOptions& options, bool inPlace, ReadReport* report) {
  SegmentCursor cursor(block, report);
  ResourceSegment segment;
  segment.windows = ReadIndexedList<WindowRecord>(cursor, "窗口", kMinWindowBody, [](SegmentCursor& c, WindowRecord& window) {
    window.value1 = c.ReadInt32();
    window.value2 = c.ReadInt32();
    window.text1 = c.ReadCountedText();
    window.text2 = c.ReadCountedText();
    window.unitCount = std::max(c.ReadInt32(), 0);
    c.ReadCountedView();  // the units' data, consumed as a whole
  });
  const int32_t count = cursor.ReadInt32();
  const std::string_view page = cursor.ReadCountedView();
  if (inPlace) segment.constantsInPlace = {count, page};
  else segment.constants = ReadConstantPage(count, page, options, report);
  segment.options = options;
  segment.trailingValue = cursor.ReadInt32();
  return segment;
}

}  // namespace

ResourceSegment ReadResourceSegment(std::string_view block, const ReaderOptions& options, ReadReport* report) {
  return ReadResource(block, options, false, report);
}

ResourceSegment ReadResourceSegment(std::shared_ptr<const std::string> block, const ReaderOptions& options,
                                    ReadReport* report) {
  ResourceSegment segment = ReadResource(*block, options, options.pagesInPlace, report);
  if (options.pagesInPlace) segment.block = std::move(block);
  return segment;
}

const std::string& ResourceSegmentName() {
  static const std::string name = Utf8ToGbk("程序资源段");
  return name;
}

}  // namespace ec
