#pragma once
// The constant page of the program resource segment: named constants and
// byte-data resources, each decoded by the page its key belongs to.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "reader/reader_options.h"
#include "reader/record_page.h"

namespace ec {

// A tagged constant value. The empty value behaves as the number 0.
struct ConstantValue {
  enum class Kind { Empty, Number, Logical, DateTime, Text, Bytes };
  Kind kind = Kind::Empty;
  double number = 0;    // Number, and DateTime as days (OLE automation date)
  bool logical = false;
  std::string bytes;    // Text (GBK) or Bytes

  static ConstantValue OfNumber(double v) { return {Kind::Number, v, false, {}}; }
  static ConstantValue OfLogical(bool v) { return {Kind::Logical, 0, v, {}}; }
  static ConstantValue OfDateTime(double days) { return {Kind::DateTime, days, false, {}}; }
  static ConstantValue OfText(std::string text) { return {Kind::Text, 0, false, std::move(text)}; }
  static ConstantValue OfBytes(std::string data) { return {Kind::Bytes, 0, false, std::move(data)}; }
  bool operator==(const ConstantValue&) const = default;
};

struct ConstantRecord {
  int32_t key = 0;
  int64_t bodyPosition = 0;
  int32_t leadingValue = 0;
  int16_t attributeWord = 0;
  std::string name;
  std::string remarks;
  ConstantValue value;
};

// Page number of a constant key: its top four bits, sign included (-8..7).
int ConstantPageOf(int32_t key);

struct ReadReport;

// What a record costs the read's budget (reader/read_budget.h); each record read is charged.
uint64_t RecordCost(const ConstantRecord& record);

// Problems met go to `report` when given (reader/read_report.h).
std::vector<ConstantRecord> ReadConstantPage(int32_t count, std::string_view pageBlock,
                                             const ReaderOptions& options, ReadReport* report = nullptr);

// A constant page left in the bytes of its segment (ReaderOptions::
// pagesInPlace), read one record at a time when wanted.
struct ConstantPageRef {
  int32_t count = 0;
  std::string_view block;  // empty when the page was read or is empty
};

// Room to make for what the records of the page become, `recordSize` bytes
// each (ExpectedRecords in reader/record_page.h).
size_t ExpectedRecords(const ConstantPageRef& page, size_t recordSize, const ReadReport* report);

// Reads the records of a page left in place one at a time, each into the
// same record, as ReadConstantPage reads them. The record held is charged to
// the read's budget until the next one replaces it; the page's problems are
// reported when the reader is done. What it reports is met in `segment`
// (GBK, when given); what the caller reports between two records is not.
class ConstantPageReader {
 public:
  ConstantPageReader(const ConstantPageRef& page, const ReaderOptions& options, ReadReport* report,
                     std::string_view segment = {});
  ~ConstantPageReader();
  ConstantPageReader(const ConstantPageReader&) = delete;
  ConstantPageReader& operator=(const ConstantPageReader&) = delete;
  // The next record, valid until the next call (its value may be moved
  // from); nullptr after the last, or once the page or the read is over its budget.
  ConstantRecord* Next();

 private:
  RecordPage page_;
  ReaderOptions options_;
  ReadReport* report_;
  std::string segment_;  // where the problems of the page are met
  ConstantRecord record_;
  uint64_t recordCost_ = 0;
  size_t next_ = 0;
  bool done_ = false;
};

}  // namespace ec
