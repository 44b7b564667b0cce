#include "navigate/navigation_history.h"

#include <gtest/gtest.h>

namespace ec {
namespace {

using Path = NavigationHistory::NodePath;

TEST(NavigationHistory, GoesBackAndForwardAndDropsWhatLayAheadOnAVisit) {
  NavigationHistory history;
  EXPECT_FALSE(history.Back());
  for (const char* node : {"a", "b", "c"}) history.Visit({"root", node});
  history.Visit({"root", "c"});  // the current node again: no new entry
  EXPECT_EQ(history.Size(), 3u);
  EXPECT_EQ(history.Back(), (Path{"root", "b"}));
  EXPECT_EQ(history.Back(), (Path{"root", "a"}));
  EXPECT_FALSE(history.Back());
  EXPECT_EQ(history.Forward(), (Path{"root", "b"}));
  history.Visit({"root", "d"});
  EXPECT_FALSE(history.CanGoForward());
  EXPECT_EQ(history.Size(), 3u);
  EXPECT_EQ(history.Back(), (Path{"root", "b"}));
}

TEST(NavigationHistory, KeepsTheLatestEntriesOnly) {
  NavigationHistory history;
  for (int i = 0; i < 250; ++i) history.Visit({std::to_string(i)});
  EXPECT_EQ(history.Size(), 200u);
  size_t steps = 0;
  std::optional<Path> last;
  while (auto back = history.Back()) last = back, ++steps;
  EXPECT_EQ(steps, 199u);
  EXPECT_EQ(last, Path{"50"});
}

TEST(NavigationHistory, RetainKeepsExistingNodesAndTheNearestEarlierCurrent) {
  NavigationHistory history;
  for (const char* node : {"a", "b", "a", "c", "d"}) history.Visit({node});
  ASSERT_EQ(history.Back(), Path{"c"});
  // "b" and "c" are gone: "a", "a" runs together, the current falls back to it.
  history.Retain([](const Path& p) { return p[0] != "b" && p[0] != "c"; });
  EXPECT_EQ(history.Size(), 2u);
  EXPECT_FALSE(history.CanGoBack());
  EXPECT_EQ(history.Forward(), Path{"d"});

  history.Retain([](const Path&) { return false; });
  EXPECT_EQ(history.Size(), 0u);
  EXPECT_FALSE(history.Back());
  EXPECT_FALSE(history.Forward());
}

}  // namespace
}  // namespace ec
