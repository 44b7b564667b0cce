// The column keeps laid out only the blocks a view's height around the view
// reaches: a small page is not laid out whole just because it has few blocks.
#include <gtest/gtest.h>

#include <string>

#include "app/page_column.h"
#include "render/declaration_code.h"

namespace ec {
namespace {

TEST(PageColumn, KeepsTheLayoutsAViewsHeightAroundTheView) {
  std::string code(kCodeOpening);
  for (int i = 0; i < 400; ++i) code += ".常量 常" + std::to_string(i) + "<br>";
  code += "</div>";
  auto page = std::make_shared<CutPage>(CutPage{code, SplitPage(code)});
  PageColumn column;
  column.Reset(page, {});
  column.SetFace({});
  column.SetWidth(600);
  ASSERT_GE(column.Count(), 10);
  for (int b = 0; b < column.Count(); ++b) column.LaidOut(b);
  const qreal h = column.Height(4);
  for (int b = 1; b < 9; ++b) ASSERT_NEAR(column.Height(b), h, 2) << b;

  // A view in the lower half of block 4: the third of a block each way it
  // reaches takes in block 5 below, nothing above.
  const qreal top = column.Top(4) + 0.6 * h;
  EXPECT_EQ(column.KeptAround(top, top + 0.3 * h, 3), std::pair(4, 5));
  // A view over blocks 4 to 6 reaches two blocks each way, unless fewer are kept.
  EXPECT_EQ(column.KeptAround(top, top + 2.1 * h, 3), std::pair(2, 8));
  EXPECT_EQ(column.KeptAround(top, top + 2.1 * h, 1), std::pair(3, 7));
  // At the end there is nothing below.
  const qreal end = column.TotalHeight();
  EXPECT_EQ(column.KeptAround(end - 0.5 * h, end, 3).second, column.Count() - 1);

  column.KeepOnly(4, 5);
  EXPECT_EQ(column.Document(3), nullptr);
  EXPECT_NE(column.Document(5), nullptr);
}

}  // namespace
}  // namespace ec
