// The results model of the module search: its tree as a view walks it, the
// cap on the lines shown, and what a double click on each kind of node finds.
#include <QAbstractItemModelTester>
#include <QFont>

#include <gtest/gtest.h>

#include "app/search/search_results_model.h"

namespace ec::test {
namespace {

SearchHitGroup Category(const char* label, std::vector<std::string> names, std::vector<std::string> details = {}) {
  return {.label = label,
          .image = kKindSubroutineCategory,
          .childImage = kKindSubroutine,
          .names = std::move(names),
          .details = std::move(details)};
}

ModuleSearchResult Result(std::vector<SearchHitGroup> groups) {
  ModuleSearchResult result;
  for (const SearchHitGroup& g : groups) result.hitCount += g.bareClass ? 1 : static_cast<int>(g.names.size());
  result.groups = std::move(groups);
  return result;
}

std::string Text(const QModelIndex& index) { return index.data().toString().toStdString(); }

TEST(SearchResultsModel, ShowsModulesWithinTheCapAndCountsTheRest) {
  SearchResultsModel model;
  QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
  model.SetShownLinesCap(7);  // a hit is a line, and what matched beneath it another
  SearchHitGroup bare{.label = "类甲", .image = kKindClass, .childImage = kKindMethod, .bareClass = true};
  bare.classDetail = "备注：甲类";
  model.Stage("/m/1_a.ec", 1, Result({Category("子程序", {"a1", "a2", "a3"}, {"", "备注：二", ""}), bare}));
  model.Stage("/m/2_none.ec", 2, Result({}));
  model.Stage("/m/3_b.ec", 3, Result({Category("常量", {"b1", "b2"})}));
  model.Stage("/m/4_c.ec", 4, Result({Category("常量", {"c1", "c2", "c3"})}));
  EXPECT_EQ(model.rowCount(), 0);  // nothing shows before the flush
  EXPECT_EQ(model.Flush(), (std::pair<int, int>{0, 2}));
  EXPECT_EQ(model.HitsShown(), 5u);
  EXPECT_EQ(model.LinesShown(), 7u);
  EXPECT_EQ(model.HitsNotShown(), 4u);
  ASSERT_EQ(model.rowCount(), 2);
  const QModelIndex a = model.index(0, 0);
  const QModelIndex b = model.index(1, 0);
  EXPECT_EQ(Text(a), "1_a");
  EXPECT_TRUE(a.data(Qt::FontRole).value<QFont>().bold());
  // The cut category keeps the count of all its hits in its text.
  EXPECT_EQ(Text(model.index(0, 0, b)), "常量(2)");
  EXPECT_EQ(model.rowCount(model.index(0, 0, b)), 1);

  const QModelIndex category = model.index(0, 0, a);
  const QModelIndex second = model.index(1, 0, category);
  const QModelIndex detail = model.index(0, 0, second);
  const QModelIndex bareClass = model.index(1, 0, a);
  const QModelIndex bareDetail = model.index(0, 0, bareClass);
  EXPECT_EQ(Text(detail), "备注：二");
  EXPECT_EQ(detail.parent(), second);
  EXPECT_EQ(second.parent().parent(), a);
  EXPECT_EQ(Text(bareDetail), "备注：甲类");
  EXPECT_EQ(bareDetail.data(kResultImageRole).toInt(), kKindClass);
  EXPECT_EQ(second.data(kResultImageRole).toInt(), kKindSubroutine);
  EXPECT_EQ(model.rowCount(model.index(0, 0, category)), 0);

  const auto target = [&](const QModelIndex& i) {
    const SearchHitTarget t = model.TargetOf(i);
    return std::to_string(t.position) + ":" + t.name;
  };
  EXPECT_EQ(target(a), "1:");
  EXPECT_EQ(target(category), "1:子程序");
  EXPECT_EQ(target(second), "1:a2");
  EXPECT_EQ(target(detail), "1:a2");
  EXPECT_EQ(target(bareClass), "1:类甲");
  EXPECT_EQ(target(bareDetail), "1:类甲");
  EXPECT_EQ(target(model.index(0, 0, model.index(0, 0, b))), "3:b1");
  EXPECT_EQ(target(QModelIndex()), "0:");
  // Opened: both modules, their three groups and the one hit with a detail.
  EXPECT_EQ(model.OpenedNodes(0, 2).size(), 6u);

  EXPECT_EQ(model.Flush(), (std::pair<int, int>{2, 2}));
  model.Clear();
  EXPECT_EQ(model.rowCount(), 0);
  EXPECT_EQ(model.HitsNotShown(), 0u);
  // One line left and a hit that needs two: nothing after it is shown,
  // though a later hit of one line would fit.
  model.SetShownLinesCap(5);
  model.Stage("/m/1_a.ec", 1, Result({Category("子程序", {"a1", "a2", "a3"}, {"", "备注：二", ""}), bare}));
  model.Stage("/m/3_b.ec", 3, Result({Category("常量", {"b1", "b2"})}));
  model.Flush();
  EXPECT_EQ(model.rowCount(), 1);
  EXPECT_EQ(model.rowCount(model.index(0, 0)), 1);
  EXPECT_EQ(model.HitsNotShown(), 3u);
  model.Clear();
  model.SetShownLinesCap(kDefaultShownLines);
  model.Stage("/m/4_c.ec", 4, Result({Category("常量", {"c1", "c2", "c3"})}));
  model.Flush();
  EXPECT_EQ(model.rowCount(model.index(0, 0, model.index(0, 0))), 3);
}

}  // namespace
}  // namespace ec::test
