// Page names from hostile file names, and the natural order of the index.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/natural_order.h"
#include "site/page_names.h"

namespace ec::site {
namespace {

bool OnlySafeBytes(const std::string& name) {
  return std::all_of(name.begin(), name.end(), [](char c) {
    const auto u = static_cast<unsigned char>(c);
    return u >= 0x80 || (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || c == '-' ||
           c == '_';
  });
}

TEST(SitePageNames, HostileFileNamesBecomeShortSafeUniqueNames) {
  const std::string longName(300, 'x');
  const std::vector<std::string> files = {"../../etc/passwd.ec", "<script>alert(1)</script>.ec", "a b&c\"d'.ec",
                                          longName + ".ec",      "取文本模块.ec", "CON.ec", "...ec", "\xff\xfe.ec",
                                          "sub/dir/模块.ec",      "Name.ec",       "name.ec", "name.EC"};
  PageNamer namer;
  std::vector<std::string> lowered;
  for (const std::string& file : files) {
    const std::string page = namer.Assign(file);
    EXPECT_FALSE(page.empty()) << file;
    EXPECT_TRUE(OnlySafeBytes(page)) << file << " -> " << page;
    EXPECT_LE(page.size(), 130u) << file;
    std::string lower = page;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; });
    lowered.push_back(lower);
  }
  EXPECT_EQ(namer.Assign("取文本模块.ec"), "取文本模块-2");
  EXPECT_EQ(SafePageName("取文本模块.ec"), "取文本模块");
  EXPECT_EQ(SafePageName("../../etc/passwd.ec"), "etc_passwd");
  EXPECT_EQ(SafePageName("CON.ec"), "CON_");
  EXPECT_EQ(SafePageName("sub/dir/模块.ec"), "sub_dir_模块");
  std::sort(lowered.begin(), lowered.end());
  EXPECT_EQ(std::adjacent_find(lowered.begin(), lowered.end()), lowered.end()) << "two pages differ only in case";
  // A name kept from an earlier run cannot be handed out again.
  PageNamer again;
  EXPECT_TRUE(again.Reserve("Name"));
  EXPECT_FALSE(again.Reserve("name"));
  EXPECT_EQ(again.Assign("NAME.ec"), "NAME-2");
}

TEST(SitePageNames, NaturalOrderComparesNumbersByValue) {
  std::vector<std::string> names = {"模块10.ec", "模块2.ec", "b.ec", "A.ec", "模块02.ec", "a.ec", "x/1.ec", "x.ec"};
  std::sort(names.begin(), names.end(), NaturalLess);
  const std::vector<std::string> expected = {"A.ec", "a.ec", "b.ec", "x.ec", "x/1.ec", "模块02.ec", "模块2.ec",
                                             "模块10.ec"};
  EXPECT_EQ(names, expected);
  EXPECT_EQ(NaturalCompare("v9", "v10"), -1);
  EXPECT_EQ(NaturalCompare("v10", "v10"), 0);
}

}  // namespace
}  // namespace ec::site
