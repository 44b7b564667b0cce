#include "support/gbk_codec.h"

#include <gtest/gtest.h>

namespace ec {
namespace {

TEST(GbkCodec, EveryMappedDoubleByteCodeRoundTrips) {
  int mapped = 0;
  for (unsigned lead = 0x81; lead <= 0xFE; ++lead) {
    for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
      const char32_t cp = GbkDoubleByteToUnicode(static_cast<unsigned char>(lead), static_cast<unsigned char>(trail));
      if (cp == 0) continue;
      ++mapped;
      const std::string gbk{static_cast<char>(lead), static_cast<char>(trail)};
      std::string utf8;
      AppendUtf8(utf8, cp);
      ASSERT_EQ(GbkToUtf8(gbk), utf8) << std::hex << lead << ' ' << trail;
      ASSERT_EQ(Utf8ToGbk(utf8), gbk) << std::hex << lead << ' ' << trail;
    }
  }
  // GB2312's hanzi and symbols plus the GBK extensions.
  EXPECT_GT(mapped, 21000);
}

TEST(GbkCodec, KnownWordsAndAscii) {
  const std::string gbk = "\xD2\xD7\xD3\xEF\xD1\xD4\xC4\xA3\xBF\xE9";  // 易语言模块
  EXPECT_EQ(GbkToUtf8(gbk), "易语言模块");
  EXPECT_EQ(Utf8ToGbk("易语言模块"), gbk);
  EXPECT_EQ(GbkToUtf8("abc\r\n"), "abc\r\n");
  EXPECT_EQ(GbkToUtf8(std::string("a\0b", 3)), std::string("a\0b", 3));
  EXPECT_EQ(Utf8ToGbk("程序集 _启动窗口"), "\xB3\xCC\xD0\xF2\xBC\xAF _\xC6\xF4\xB6\xAF\xB4\xB0\xBF\xDA");
}

TEST(GbkCodec, EdgeBytesAndBrokenSequences) {
  EXPECT_EQ(GbkToUtf8("\x80"), "€");
  EXPECT_EQ(Utf8ToGbk("€"), "\x80");
  EXPECT_EQ(GbkToUtf8("\xFF"), "\uFFFD");
  // A lead byte at the very end of the input.
  EXPECT_EQ(GbkToUtf8("a\xD2"), "a\uFFFD");
  // A lead byte followed by an ASCII byte that is no trail: the ASCII survives.
  EXPECT_EQ(GbkToUtf8("\xD2" "1"), "\uFFFD" "1");
  // 0x7F is never a trail byte.
  EXPECT_EQ(GbkToUtf8("\x81\x7F"), "\uFFFD\x7F");
  // An unmapped pair of high bytes is one replacement character.
  EXPECT_EQ(GbkToUtf8("\xA2\xA0"), "\uFFFD");
  // The text cut inside a double-byte character, as remarks of compiled modules are.
  EXPECT_EQ(GbkToUtf8("\xD2\xD7\xD3"), "易\uFFFD");
}

TEST(GbkCodec, EncodingReplacesWhatGbkCannotHold) {
  EXPECT_EQ(Utf8ToGbk("😀"), "?");
  EXPECT_EQ(Utf8ToGbk("\xE6\x98"), "??");      // truncated UTF-8
  EXPECT_EQ(Utf8ToGbk("\xC0\xAF"), "??");      // overlong form
  EXPECT_EQ(Utf8ToGbk("\xED\xA0\x80"), "???");  // a surrogate
  EXPECT_EQ(Utf8ToGbk(""), "");
}

TEST(GbkCodec, NextUtf8StaysInsideItsInput) {
  const std::string text = "a易\xF0\x9F";
  size_t pos = 0;
  EXPECT_EQ(NextUtf8(text, pos), U'a');
  EXPECT_EQ(NextUtf8(text, pos), U'易');
  EXPECT_EQ(NextUtf8(text, pos), char32_t{0xFFFD});
  EXPECT_EQ(pos, 5u);
  EXPECT_EQ(NextUtf8(text, pos), char32_t{0xFFFD});
  EXPECT_EQ(pos, text.size());
}

}  // namespace
}  // namespace ec
