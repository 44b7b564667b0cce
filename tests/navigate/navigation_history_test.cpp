#include "navigate/navigation_history.h"

#include <gtest/gtest.h>

namespace ec {
namespace {

using Path = NavigationHistory::NodePath;

std::optional<Path> Node(const std::optional<HistoryEntry>& entry) {
  if (!entry) return std::nullopt;
  return entry->node;
}

TEST(NavigationHistory, GoesBackAndForwardAndDropsWhatLayAheadOnAVisit) {
  NavigationHistory history;
  EXPECT_FALSE(history.Back());
  for (const char* node : {"a", "b", "c"}) history.Visit({"root", node});
  history.Visit({"root", "c"});  // the current node again: no new entry
  EXPECT_EQ(history.Size(), 3u);
  EXPECT_EQ(Node(history.Back()), (Path{"root", "b"}));
  EXPECT_EQ(Node(history.Back()), (Path{"root", "a"}));
  EXPECT_FALSE(history.Back());
  EXPECT_EQ(Node(history.Forward()), (Path{"root", "b"}));
  history.Visit({"root", "d"});
  EXPECT_FALSE(history.CanGoForward());
  EXPECT_EQ(history.Size(), 3u);
  EXPECT_EQ(Node(history.Back()), (Path{"root", "b"}));
}

TEST(NavigationHistory, KeepsTheLatestEntriesOnly) {
  NavigationHistory history;
  for (int i = 0; i < 250; ++i) history.Visit({std::to_string(i)});
  EXPECT_EQ(history.Size(), 200u);
  size_t steps = 0;
  std::optional<Path> last;
  while (auto back = history.Back()) last = back->node, ++steps;
  EXPECT_EQ(steps, 199u);
  EXPECT_EQ(last, Path{"50"});
}

TEST(NavigationHistory, RetainKeepsExistingNodesAndTheNearestEarlierCurrent) {
  NavigationHistory history;
  for (const char* node : {"a", "b", "a", "c", "d"}) history.Visit({node});
  ASSERT_EQ(Node(history.Back()), Path{"c"});
  // "b" and "c" are gone: "a", "a" runs together, the current falls back to it.
  history.Retain([](const Path& p) { return p[0] != "b" && p[0] != "c"; });
  EXPECT_EQ(history.Size(), 2u);
  EXPECT_FALSE(history.CanGoBack());
  EXPECT_EQ(Node(history.Forward()), Path{"d"});

  history.Retain([](const Path&) { return false; });
  EXPECT_EQ(history.Size(), 0u);
  EXPECT_FALSE(history.Back());
  EXPECT_FALSE(history.Forward());
}

// A page of its own is a place beside its node: it keeps its text and its
// scroll position, and going back to it needs nothing else.
TEST(NavigationHistory, PagesOfTheirOwnAreEntriesWithTheirTextAndScrollPosition) {
  NavigationHistory history;
  history.Visit({"root", "a"});
  history.SetScroll(120);
  const auto report = std::make_shared<const std::string>("<p>report</p>");
  history.Visit(HistoryEntry{{"root", "a"}, "comparison:/old.ec", report, 0});
  history.Visit(HistoryEntry{{"root", "a"}, "comparison:/old.ec", report, 0});  // the same place
  EXPECT_EQ(history.Size(), 2u);
  history.SetScroll(40);
  history.Visit({"root", "b"});
  const auto back = history.Back();
  ASSERT_TRUE(back);
  EXPECT_EQ(back->pageKey, "comparison:/old.ec");
  EXPECT_EQ(back->page, report);
  EXPECT_EQ(back->scroll, 40);
  EXPECT_EQ(history.Back()->scroll, 120);
  // Reading the module again keeps the page where its node still exists.
  history.Retain([](const Path& p) { return p.back() != "b"; });
  EXPECT_EQ(history.Size(), 2u);
  EXPECT_EQ(history.Forward()->pageKey, "comparison:/old.ec");
}

}  // namespace
}  // namespace ec
