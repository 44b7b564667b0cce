#include "support/pinyin.h"

#include <gtest/gtest.h>

#include "support/gbk_codec.h"

namespace ec {
namespace {

TEST(Pinyin, EveryGb2312HanziHasAnInitialAndNothingElseDoes) {
  int hanzi = 0;
  for (unsigned lead = 0x81; lead <= 0xFE; ++lead) {
    for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
      const char32_t cp = GbkDoubleByteToUnicode(static_cast<unsigned char>(lead), static_cast<unsigned char>(trail));
      if (cp == 0) continue;
      const bool gb2312_hanzi = lead >= 0xB0 && lead <= 0xF7 && trail >= 0xA1;
      const char initial = PinyinInitial(cp);
      if (gb2312_hanzi) {
        ++hanzi;
        ASSERT_TRUE(initial >= 'a' && initial <= 'z') << std::hex << lead << ' ' << trail;
      } else {
        ASSERT_EQ(initial, 0) << std::hex << lead << ' ' << trail;
      }
    }
  }
  EXPECT_EQ(hanzi, 6763);
  for (char32_t cp : {U'a', U'A', U'1', U'_', U'\0', U'０', U'Ａ', char32_t{0x4DFF}, char32_t{0x9FA5}, char32_t{0x10FFFF}})
    EXPECT_EQ(PinyinInitial(cp), 0) << static_cast<unsigned>(cp);
}

TEST(Pinyin, InitialsOfKnownCharacters) {
  EXPECT_EQ(PinyinInitial("取"), "q");
  EXPECT_EQ(PinyinInitial("文本"), "w");  // the first character only
  EXPECT_EQ(PinyinInitial("本"), "b");
  EXPECT_EQ(PinyinInitial("易"), "y");
  EXPECT_EQ(PinyinInitial("模"), "m");
  // Readings that start with a toned vowel give the plain letter.
  EXPECT_EQ(PinyinInitial("啊"), "a");
  EXPECT_EQ(PinyinInitial("饿"), "e");
  EXPECT_EQ(PinyinInitial("哦"), "o");
  EXPECT_EQ(PinyinInitial("丂"), "");  // a GBK extension, not GB2312
  EXPECT_EQ(PinyinInitial("a"), "");
  EXPECT_EQ(PinyinInitial("Q"), "");
  EXPECT_EQ(PinyinInitial("7"), "");
  EXPECT_EQ(PinyinInitial(""), "");
  EXPECT_EQ(PinyinInitial("\xE5\x8F"), "");  // a broken sequence
}

TEST(Pinyin, NameInitialsReplacesOnlyHanzi) {
  EXPECT_EQ(NameInitials("取文本"), "qwb");
  EXPECT_EQ(NameInitials("快速取文本_Ab1.丂"), "ksqwb_Ab1.丂");
  EXPECT_EQ(NameInitials(""), "");
  EXPECT_EQ(NameInitials("a\xFF取\xE5\x8F"), "a\xFFq\xE5\x8F");
}

}  // namespace
}  // namespace ec
