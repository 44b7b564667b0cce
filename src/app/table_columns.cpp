#include "app/table_columns.h"

#include <QAbstractTextDocumentLayout>
#include <QTextFrame>

#include <algorithm>
#include <limits>

namespace ec {
namespace {

QTextTable* OutermostTable(const QTextDocument& document, bool last) {
  const QList<QTextFrame*> frames = document.rootFrame()->childFrames();
  const auto table = [](QTextFrame* frame) { return qobject_cast<QTextTable*>(frame); };
  if (last) {
    const auto found = std::find_if(frames.rbegin(), frames.rend(), table);
    return found == frames.rend() ? nullptr : table(*found);
  }
  const auto found = std::find_if(frames.begin(), frames.end(), table);
  return found == frames.end() ? nullptr : table(*found);
}

// What a column takes beyond its cells' text: the padding and the borders
// on both sides, and the spacing to the next column.
qreal CellFrame(const QTextTableFormat& format) {
  return 2 * format.cellPadding() + 2 * format.border() + format.cellSpacing();
}

// Where the cells of `row` start and end, their borders included.
std::pair<qreal, qreal> RowSpan(const QTextDocument& document, QTextTable& table, int row) {
  const QTextTableFormat format = table.format();
  const qreal frame = format.cellPadding() + format.border();
  QAbstractTextDocumentLayout* layout = document.documentLayout();
  qreal top = std::numeric_limits<qreal>::max(), bottom = std::numeric_limits<qreal>::lowest();
  for (int c = 0; c < table.columns(); ++c) {
    const QTextTableCell cell = table.cellAt(row, c);
    if (!cell.isValid()) continue;
    top = std::min(top, layout->blockBoundingRect(cell.firstCursorPosition().block()).top() - frame);
    bottom = std::max(bottom, layout->blockBoundingRect(cell.lastCursorPosition().block()).bottom() + frame);
  }
  return {top, bottom};
}

}  // namespace

int CutTableCount(const std::vector<PageBlock>& blocks) {
  int count = 0;
  for (const PageBlock& b : blocks) count = std::max({count, b.tableFromBefore, b.tableGoingOn});
  return count;
}

std::vector<TablePart> TableParts(const PageBlock& block, const QTextDocument& document) {
  std::vector<TablePart> parts;
  if (block.tableFromBefore > 0) parts.push_back({block.tableFromBefore, OutermostTable(document, false)});
  if (block.tableGoingOn > 0 && block.tableGoingOn != block.tableFromBefore)
    parts.push_back({block.tableGoingOn, OutermostTable(document, true)});
  std::erase_if(parts, [](const TablePart& p) { return p.part == nullptr; });
  return parts;
}

TableColumns MeasureColumns(const QTextDocument& document, QTextTable& table) {
  const int rows = table.rows(), columns = table.columns();
  const qreal frame = CellFrame(table.format());
  QAbstractTextDocumentLayout* layout = document.documentLayout();
  TableColumns widths(static_cast<size_t>(std::max(0, columns)), 0);
  struct Span {
    int column, count;
    qreal needs;
  };
  std::vector<Span> spans;
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < columns; ++c) {
      const QTextTableCell cell = table.cellAt(r, c);
      if (!cell.isValid() || cell.row() != r || cell.column() != c) continue;  // covered by a spanning cell
      const qreal needs = layout->blockBoundingRect(cell.firstCursorPosition().block()).width() + frame;
      const int span = std::clamp(cell.columnSpan(), 1, columns - c);
      if (span == 1) widths[c] = std::max(widths[c], needs);
      else spans.push_back({c, span, needs});
    }
  }
  // Once every column's own cells are counted, what a spanning cell needs
  // beyond them is shared by the columns it spans.
  for (const Span& s : spans) {
    qreal has = 0;
    for (int c = s.column; c < s.column + s.count; ++c) has += widths[c];
    if (has >= s.needs) continue;
    for (int c = s.column; c < s.column + s.count; ++c) widths[c] += (s.needs - has) / s.count;
  }
  return widths;
}

void Widen(TableColumns& into, const TableColumns& part) {
  if (into.size() < part.size()) into.resize(part.size(), 0);
  for (size_t c = 0; c < part.size(); ++c) into[c] = std::max(into[c], part[c]);
}

bool FillsWidth(const QTextDocument& document, QTextTable& table) {
  return document.documentLayout()->frameBoundingRect(&table).width() >= document.textWidth() - 1;
}

void ImposeColumns(QTextTable& table, const TableColumns& columns) {
  QTextTableFormat format = table.format();
  // A fixed width counts the padding but neither the borders nor the spacing.
  const qreal outside = 2 * format.border() + format.cellSpacing();
  QList<QTextLength> lengths;
  for (int c = 0; c < table.columns(); ++c) {
    const qreal width = c < static_cast<int>(columns.size()) ? columns[c] - outside : 0;
    lengths.append(width > 0 ? QTextLength(QTextLength::FixedLength, width) : QTextLength());
  }
  format.setColumnWidthConstraints(lengths);
  table.setFormat(format);
}

bool ImposeColumns(const PageBlock& block, QTextDocument& document, const PageTableColumns& columns) {
  bool imposed = false;
  for (const TablePart& p : TableParts(block, document)) {
    if (p.table > static_cast<int>(columns.size()) || columns[p.table - 1].empty()) continue;
    ImposeColumns(*p.part, columns[p.table - 1]);
    imposed = true;
  }
  return imposed;
}

SeamTrim SeamTrimOf(const PageBlock& block, const QTextDocument& document) {
  SeamTrim trim;
  const qreal height = document.size().height();
  if (block.opensWithTable && block.tableFromBefore > 0) {
    if (QTextTable* first = OutermostTable(document, false); first && first->rows() > 0)
      trim.top = std::clamp(RowSpan(document, *first, 0).first, 0.0, height);
  }
  if (block.endsInsideTable && block.tableGoingOn > 0) {
    if (QTextTable* last = OutermostTable(document, true); last && last->rows() > 0) {
      const qreal kept = RowSpan(document, *last, last->rows() - 1).second + last->format().cellSpacing();
      trim.bottom = std::clamp(height - kept, 0.0, height - trim.top);
    }
  }
  return trim;
}

}  // namespace ec
