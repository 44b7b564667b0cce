#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "settings/ini_content.h"
#include "settings/store_values.h"
#include "support/gbk_codec.h"

namespace ec {
namespace {

std::string ValueOf(std::string_view content, std::string_view section, std::string_view key) {
  const auto header = FindIniSection(content, section);
  if (!header) return "<no section>";
  const auto value = FindIniEntry(content, *header, key);
  if (!value) return "<no key>";
  return std::string(content.substr(value->begin, value->end - value->begin));
}

TEST(IniContent, SectionHeadersMustBeginALine) {
  const std::string content = "[a]\r\nk=[b]\r\nx=[b]y\r\n[b]\r\nk=2\r\n[b]\r\nk=3";
  // The "[b]" inside values are skipped; of the two real headers the first wins.
  EXPECT_EQ(ValueOf(content, "b", "k"), "2");
  EXPECT_EQ(ValueOf(content, "a", "k"), "[b]");
  EXPECT_EQ(ValueOf(content, "c", "k"), "<no section>");
  EXPECT_EQ(ValueOf("x[a]\r\nk=1", "a", "k"), "<no section>");
}

TEST(IniContent, EntriesBelongToTheirOwnSection) {
  const std::string content = "[s]\r\nx=1\r\n[t]\r\ny=2\r\nxx=3";
  EXPECT_EQ(ValueOf(content, "s", "x"), "1");
  EXPECT_EQ(ValueOf(content, "s", "y"), "<no key>");
  EXPECT_EQ(ValueOf(content, "t", "x"), "<no key>");  // "xx=" is not "x="
  EXPECT_EQ(ValueOf(content, "t", "xx"), "3");        // runs to the end of the content
  // An entry is found only after a line break, so the first line never is one.
  EXPECT_EQ(ValueOf("[s]x=1", "s", "x"), "<no key>");
  // Only a whole line "[...]" followed by a line break ends a section.
  EXPECT_EQ(ValueOf("[s]\r\n[t]x\r\nk=1", "s", "k"), "1");
  EXPECT_EQ(ValueOf("[s]\r\n[]\r\nk=1", "s", "k"), "<no key>");
  // Empty values and keys are still entries.
  EXPECT_EQ(ValueOf("[s]\r\n=e\r\nk=", "s", "k"), "");
  EXPECT_EQ(ValueOf("[s]\r\n=e\r\nk=", "s", ""), "e");
}

TEST(StoredValues, TextsKeepTheirLineBreaksAsMarkers) {
  EXPECT_EQ(EncodeStoredText("一\r\n二"), Utf8ToGbk("一┊*┊二"));
  EXPECT_EQ(DecodeStoredText(Utf8ToGbk("一┊*┊二┊*┊")), "一\r\n二\r\n");
  // Lone CR or LF are no line break of the file and stay as they are.
  EXPECT_EQ(EncodeStoredText("a\rb\nc"), "a\rb\nc");
  EXPECT_EQ(ExactGbk("€"), "\x80");
}

TEST(StoredValues, TextsGbkCannotHoldAreEscapedAndReadBackExactly) {
  // A stand-in character would lose what the user typed; a marker no older
  // file holds says the rest is escaped.
  EXPECT_EQ(EncodeStoredText("/home/jörg/模块.ec"), Utf8ToGbk("┊UTF-8┊/home/j%C3%B6rg/模块.ec"));
  for (const std::string text : {"a😀\r\n100%", "┊UTF-8┊plain", "%C3%B6", "\xff\xc3", "ö"})
    EXPECT_EQ(DecodeStoredText(EncodeStoredText(text)), text) << text;
  // A "%" without two hex digits after it is kept.
  EXPECT_EQ(DecodeStoredText(Utf8ToGbk("┊UTF-8┊50%!%4")), "50%!%4");
}

TEST(StoredValues, NumbersAsShortDecimalText) {
  EXPECT_EQ(FormatStoredNumber(3), "3");
  EXPECT_EQ(FormatStoredNumber(-12), "-12");
  EXPECT_EQ(FormatStoredNumber(-0.0), "0");
  EXPECT_EQ(FormatStoredNumber(0.5), "0.5");
  EXPECT_EQ(FormatStoredNumber(1e20), "100000000000000000000");
  EXPECT_EQ(FormatStoredNumber(16777215), "16777215");
  for (double value :
       {0.1, -2.75, 1e-9, 123456.789, std::numeric_limits<double>::max(), std::numeric_limits<double>::denorm_min()}) {
    EXPECT_EQ(ParseStoredNumber(FormatStoredNumber(value)), value) << FormatStoredNumber(value);
  }
  EXPECT_EQ(ParseStoredNumber(""), 0);
  EXPECT_EQ(ParseStoredNumber("abc"), 0);
  EXPECT_EQ(ParseStoredNumber("1e999"), 0);
  EXPECT_EQ(ParseStoredNumber(" +12"), 12);
  EXPECT_EQ(ParseStoredNumber("1.5e3x"), 1500);
  EXPECT_EQ(ParseStoredNumber("3,5"), 3);
}

}  // namespace
}  // namespace ec
