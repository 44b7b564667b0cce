#include "settings/recent_modules.h"

#include <gtest/gtest.h>

#include "settings/control_state_store.h"
#include "tests/support/temp_dir.h"

namespace ec {
namespace {

TEST(RecentModules, NewestFirstOnceAndAtMostTenSurviveASaveAndLoad) {
  RecentModules recent;
  for (int i = 1; i <= 12; ++i) recent.Add("/m/" + std::to_string(i) + ".ec");
  recent.Add("/m/5.ec");
  recent.Add("");
  ASSERT_EQ(recent.Paths().size(), 10u);
  EXPECT_EQ(recent.Paths().front(), "/m/5.ec");
  EXPECT_EQ(recent.Paths()[1], "/m/12.ec");
  EXPECT_EQ(recent.Paths().back(), "/m/3.ec");

  test::TempDir folder;
  ControlStateStore store;
  ASSERT_TRUE(store.Bind(folder / "设置.ini"));
  recent.Save(store);
  RecentModules loaded;
  loaded.Load(store);
  EXPECT_EQ(loaded.Paths(), recent.Paths());

  // A shorter list leaves no stale entry behind for the next load.
  recent.Remove("/m/12.ec");
  for (int i = 6; i <= 11; ++i) recent.Remove("/m/" + std::to_string(i) + ".ec");
  recent.Save(store);
  loaded.Load(store);
  EXPECT_EQ(loaded.Paths(), (std::vector<std::string>{"/m/5.ec", "/m/4.ec", "/m/3.ec"}));
}

}  // namespace
}  // namespace ec
