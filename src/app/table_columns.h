#pragma once
// The column widths of a long table cut into parts, one part per block of
// the page: every part is its own document, and a document's table sizes its
// columns to its own cells, so the parts would not line up. Each part's
// columns are measured as it is laid out, the widest of every column over
// all parts kept, and those widths imposed on every part, so the table reads
// as one.

#include <QTextDocument>
#include <QTextTable>

#include <vector>

#include "render/page_blocks.h"

namespace ec {

// A table's columns, each as wide as the distance from its cells' left edge
// to the next column's; empty while not known.
using TableColumns = std::vector<qreal>;
// Of the page's cut tables, by number - 1.
using PageTableColumns = std::vector<TableColumns>;

// The page's cut tables: the highest number its blocks give one.
int CutTableCount(const std::vector<PageBlock>& blocks);

// The parts of cut tables `block` holds, as table numbers, and the table of
// `document` (the block laid out) each one is: its first outermost table for
// the one it goes on from, its last for the one it goes on with.
struct TablePart {
  int table = 0;
  QTextTable* part = nullptr;
};
std::vector<TablePart> TableParts(const PageBlock& block, const QTextDocument& document);

// The columns of `table` as laid out in `document`, at least as wide as
// each of its cells needs; spanning cells share what they need beyond the
// columns they span.
TableColumns MeasureColumns(const QTextDocument& document, QTextTable& table);
// Every column of `into` at least as wide as that of `part`.
void Widen(TableColumns& into, const TableColumns& part);
// The table, laid out, takes the whole width of its document: its columns
// were narrowed to fit, and may be laid out anew at other widths.
bool FillsWidth(const QTextDocument& document, QTextTable& table);

// `table`'s columns made `columns` wide (no narrower than its cells need).
void ImposeColumns(QTextTable& table, const TableColumns& columns);
// The parts `block` holds of tables whose columns are known given them;
// true if any was.
bool ImposeColumns(const PageBlock& block, QTextDocument& document, const PageTableColumns& columns);

// What of `document` (the block laid out) is left out where a cut table
// meets its other parts, so that the parts stack as the one table does: a
// part going on from before is shown from its first row's top border, one
// going on after shows its last row and the spacing under it, and neither
// shows the frame's border at the seam, which would draw the line twice.
struct SeamTrim {
  qreal top = 0, bottom = 0;
};
SeamTrim SeamTrimOf(const PageBlock& block, const QTextDocument& document);

}  // namespace ec
