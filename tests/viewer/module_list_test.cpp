#include "viewer/module_list.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/path_separator.h"
#include "support/natural_order.h"

namespace ec {
namespace {

TEST(ModuleList, NaturalOrderCountsDigitRunsAndIgnoresCase) {
  std::vector<std::string> names = {"20_b.ec",  "1_a.ec", "10_x.ec", "2_y.ec",    "b.ec",    "A.ec",
                                    "007_z.ec", "7_z.ec", "1_a.e",   "模块10.ec", "模块9.ec"};
  std::sort(names.begin(), names.end(), NaturalLess);
  EXPECT_EQ(names, (std::vector<std::string>{"1_a.e", "1_a.ec", "2_y.ec", "007_z.ec", "7_z.ec", "10_x.ec", "20_b.ec",
                                             "A.ec", "b.ec", "模块9.ec", "模块10.ec"}));
  // A strict weak order: different names never tie, so the order is the same on every run.
  EXPECT_TRUE(NaturalLess("007_z.ec", "7_z.ec") != NaturalLess("7_z.ec", "007_z.ec"));
  EXPECT_FALSE(NaturalLess("a.ec", "a.ec"));
  EXPECT_TRUE(NaturalLess("99999999999999999999998", "99999999999999999999999"));  // beyond 64 bits
}

TEST(ModuleList, RecentFirstThenTheFolderInNaturalOrderProgramsMarkedAndFiltered) {
  const auto exists = [](const std::string& path) { return path != "/old/gone.ec"; };
  const auto entries =
      ModuleListEntries({"/m/10_x.ec", "/old/gone.ec"}, {"/m/10_x.ec", "/m/2_y.E", "/m/1_a.ec"}, exists);
  ASSERT_EQ(entries.size(), 5u);
  EXPECT_EQ(entries[0], (ModuleListEntry{"/m/10_x.ec", "10_x.ec", true, false, false}));
  EXPECT_EQ(entries[1], (ModuleListEntry{"/old/gone.ec", "gone.ec", true, false, true}));
  EXPECT_EQ(entries[2].fileName, "1_a.ec");
  EXPECT_EQ(entries[3], (ModuleListEntry{"/m/2_y.E", "2_y.E", false, true, false}));
  EXPECT_EQ(entries[4].fileName, "10_x.ec");

  EXPECT_TRUE(EntryMatchesFilter(entries[3], ""));
  EXPECT_TRUE(EntryMatchesFilter(entries[3], "Y.e"));
  EXPECT_FALSE(EntryMatchesFilter(entries[3], "m/"));  // the folder is not part of the name
  EXPECT_EQ(NoModulesText("/m"), std::string("当前目录暂无EC文件：/m") + kPathSeparator);
}

}  // namespace
}  // namespace ec
