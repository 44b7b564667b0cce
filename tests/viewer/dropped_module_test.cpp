#include "viewer/dropped_module.h"

#include <gtest/gtest.h>

#include "viewer/counted_text.h"

namespace ec {
namespace {

TEST(DroppedModulePath, OnlyALastPathEndingInEcOrEInAnyCaseOpens) {
  EXPECT_EQ(DroppedModulePath({"/a/b.Ec"}), "/a/b.Ec");
  EXPECT_EQ(DroppedModulePath({"/a/模块.EC"}), "/a/模块.EC");
  EXPECT_EQ(DroppedModulePath({"/a.ec/readme"}), "");
  EXPECT_EQ(DroppedModulePath({"/a/b.ecx"}), "");
  EXPECT_EQ(DroppedModulePath({"/a/程序.E"}), "/a/程序.E");  // programs open as modules do
  EXPECT_EQ(DroppedModulePath({"/a/b.exe"}), "");
  EXPECT_EQ(DroppedModulePath({"ec"}), "ec");  // no dot: the whole path is the extension
  EXPECT_EQ(DroppedModulePath({"/a/b.ec", ""}), "");
  EXPECT_EQ(DroppedModulePath({"/a/b.ec", "/a/c.txt"}), "");
  EXPECT_EQ(DroppedModulePath({}), "");
}

TEST(TextWithoutCount, DropsOnlyATrailingCountOfDigits) {
  EXPECT_EQ(TextWithoutCount("子程序集合(9)"), "子程序集合");
  EXPECT_EQ(TextWithoutCount("子程序集合(10)"), "子程序集合");
  EXPECT_EQ(TextWithoutCount("取文本(参数)"), "取文本(参数)");
  EXPECT_EQ(TextWithoutCount("集合()"), "集合()");
  EXPECT_EQ(TextWithoutCount("a(1)b"), "a(1)b");
  EXPECT_EQ(TextWithoutCount("(7)"), "");
  EXPECT_EQ(TextWithoutCount("7)"), "7)");
  EXPECT_EQ(TextWithoutCount(""), "");
}

}  // namespace
}  // namespace ec
