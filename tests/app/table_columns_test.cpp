// The parts of a long table cut into blocks share their columns, whoever
// lays them out, while a table of its own keeps its own.
#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QEventLoop>
#include <QTextFrame>
#include <QTextTable>
#include <QTimer>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "app/page_column.h"
#include "app/page_document.h"
#include "app/page_measurer.h"
#include "app/table_columns.h"
#include "render/item_page.h"

namespace ec {
namespace {

// 200 constants, whose names and values grow longest in the last ones, then
// a small table of its own.
constexpr char kOwnTable[] =
    "<table border=\"1\" cellpadding=\"3\" cellspacing=\"1\"><tr><td>甲</td><td>乙乙</td></tr></table>";
std::string LongTablePage() {
  std::vector<Constant> constants;
  for (int i = 0; i < 200; ++i)
    constants.push_back(
        {"常" + std::string(i / 20, 'x') + std::to_string(i), "说明", ConstantValue::OfNumber(i < 190 ? 1 : 1234567)});
  return ItemPage(std::span<const Constant>(constants), nullptr) + kOwnTable;
}

std::vector<QTextTable*> Tables(const QTextDocument& document) {
  std::vector<QTextTable*> tables;
  for (QTextFrame* frame : document.rootFrame()->childFrames())
    if (auto* table = qobject_cast<QTextTable*>(frame)) tables.push_back(table);
  return tables;
}

// The left edge and width of the text of each cell of the table's first row.
std::vector<std::pair<qreal, qreal>> CellRects(const QTextDocument& document, QTextTable* table) {
  std::vector<std::pair<qreal, qreal>> rects;
  for (int c = 0; c < table->columns(); ++c) {
    const QRectF r = document.documentLayout()->blockBoundingRect(table->cellAt(0, c).firstCursorPosition().block());
    rects.emplace_back(r.x(), r.width());
  }
  return rects;
}

// The measurer's work on `page`, all of it.
PageMeasurer::Measures MeasureAll(const PageBlocks& page, qreal width, const PageFace& face) {
  PageMeasurer::Measures all;
  std::set<int> blocks;
  QEventLoop loop;
  PageMeasurer measurer([&](const PageMeasurer::Measures& m) {
    all.heights.insert(all.heights.end(), m.heights.begin(), m.heights.end());
    all.tables.insert(all.tables.end(), m.tables.begin(), m.tables.end());
    for (const auto& h : m.heights) blocks.insert(h.first);
    if (blocks.size() == page->blocks.size() && static_cast<int>(all.tables.size()) == CutTableCount(page->blocks))
      loop.quit();
  });
  measurer.Start(page, width, face, {});
  QTimer::singleShot(60000, &loop, &QEventLoop::quit);
  loop.exec();
  return all;
}

TEST(TableColumns, ThePartsOfALongTableLineUpAndAnOwnTableKeepsItsColumns) {
  const std::string html = LongTablePage();
  auto page = std::make_shared<CutPage>(CutPage{html, SplitPage(html)});
  ASSERT_EQ(CutTableCount(page->blocks), 1);
  // The code of the constants, then the table's parts.
  const int last = static_cast<int>(page->blocks.size()) - 1;
  const auto head =
      std::find_if(page->blocks.begin(), page->blocks.end(), [](const PageBlock& b) { return b.tableGoingOn == 1; });
  const int first = static_cast<int>(head - page->blocks.begin());
  ASSERT_LT(first + 3, last);
  EXPECT_EQ(head->tableFromBefore, 0);
  EXPECT_EQ(page->blocks[first + 1].tableFromBefore, 1);
  EXPECT_EQ(page->blocks[first + 1].tableGoingOn, 1);
  EXPECT_EQ(page->blocks[last].tableFromBefore, 1);
  EXPECT_EQ(page->blocks[last].tableGoingOn, 0);

  PageFace face{InstalledCodeFamily(), 100};
  PageColumn column;
  column.Reset(page, {});
  column.SetFace(face);
  column.SetWidth(900);
  // Laid out before the columns are known, each part sizes its own.
  for (int b = 0; b <= last; ++b) column.LaidOut(b);
  EXPECT_FALSE(column.AllMeasured());
  const auto firstBefore = CellRects(*column.Document(first), Tables(*column.Document(first)).back());
  const auto lastBefore = CellRects(*column.Document(last), Tables(*column.Document(last)).front());
  ASSERT_NE(firstBefore, lastBefore) << "the parts should differ to tell anything";

  // A table whose parts gave nothing to measure is measured all the same:
  // the column does not wait for it forever.
  column.SetTableColumns(1, {});
  EXPECT_TRUE(column.AllMeasured());

  const PageMeasurer::Measures measured = MeasureAll(page, 900, face);
  ASSERT_EQ(measured.tables.size(), 1u);
  column.SetTableColumns(measured.tables[0].first, measured.tables[0].second);
  const auto firstPart = CellRects(*column.Document(first), Tables(*column.Document(first)).back());
  const auto lastPart = CellRects(*column.Document(last), Tables(*column.Document(last)).front());
  EXPECT_EQ(firstPart, lastPart);
  // The widest of the parts: nothing narrower than the last part had.
  for (size_t c = 0; c < lastPart.size(); ++c) EXPECT_GE(lastPart[c].second, lastBefore[c].second) << c;
  // A part laid out afresh takes the same columns.
  column.KeepOnly(first, first);
  const QTextDocument& afresh = *column.LaidOut(last);
  const auto again = CellRects(afresh, Tables(afresh).front());
  EXPECT_EQ(again, lastPart);

  // The table after it, in the same block, is laid out as on its own.
  const auto alone = BuildPageDocument(kOwnTable, 900, face, {}, 0);
  EXPECT_EQ(CellRects(*column.Document(last), Tables(*column.Document(last)).back()),
            CellRects(*alone, Tables(*alone).front()));
}

// A window too narrow for the table's widest columns: the parts that were
// narrowed to fit take the common columns and grow, and the heights the
// measurer gives are those of the parts laid out with them.
TEST(TableColumns, NarrowedPartsAreMeasuredWithTheCommonColumns) {
  const std::string html = LongTablePage();
  auto page = std::make_shared<CutPage>(CutPage{html, SplitPage(html)});
  PageFace face{InstalledCodeFamily(), 100};
  const qreal width = 260;
  const PageMeasurer::Measures measured = MeasureAll(page, width, face);
  ASSERT_EQ(measured.tables.size(), 1u);
  std::map<int, qreal> heights;
  for (const auto& [block, height] : measured.heights) heights[block] = height;  // the later one counts
  ASSERT_EQ(heights.size(), page->blocks.size());

  PageColumn column;
  column.Reset(page, {});
  column.SetFace(face);
  column.SetWidth(width);
  column.SetTableColumns(measured.tables[0].first, measured.tables[0].second);
  bool grew = false;
  for (const auto& [block, height] : heights) {
    column.LaidOut(block);
    EXPECT_DOUBLE_EQ(column.Height(block), height) << block;
    const auto alone = BuildPageDocument(page->BlockHtml(block), width, face, {}, 0);
    grew = grew || column.Height(block) != alone->size().height();
  }
  EXPECT_TRUE(grew) << "no part was narrowed: the case is not tried";
}

}  // namespace
}  // namespace ec
