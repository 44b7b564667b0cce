#include "app/page_column.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>

#include <algorithm>

namespace ec {
namespace {

// The tables' own text size and the cell padding, spacing and borders
// around it (table_templates): a row is that much taller than its line.
constexpr int kTablePixels = 15;
constexpr int kRowFrame = 9;

std::pair<int, int> SpanOf(const PageBlock& block, const QString& text) {
  const int lead = block.opensWithTable && text.startsWith(u'\n') ? 1 : 0;
  const int trail = block.endsInsideTable && text.size() > lead && text.endsWith(u'\n') ? 1 : 0;
  return {lead, static_cast<int>(text.size()) - trail};
}

QString ParsedText(const std::string& html) {
  PageDocument document;  // inert: it fetches nothing the block names
  document.setUndoRedoEnabled(false);
  document.setHtml(QString::fromStdString(html));
  return document.toPlainText();
}

}  // namespace

QString TextBetween(const CutPage& page, PagePoint from, PagePoint to) {
  QString text;
  const int last = std::min(to.block, static_cast<int>(page.blocks.size()) - 1);
  for (int b = std::max(0, from.block); b <= last; ++b) {
    const QString whole = ParsedText(page.BlockHtml(b));
    auto [start, end] = SpanOf(page.blocks[b], whole);
    if (b == from.block) start = std::clamp(from.position, start, end);
    if (b == to.block) end = std::clamp(to.position, start, end);
    if (b > from.block) text += u'\n';
    text += whole.mid(start, end - start);
  }
  return text;
}

std::unique_ptr<PageDocument> BuildBlockDocument(const CutPage& page, int block, qreal width, const PageFace& face,
                                                 const QImage& picture, const PageTableColumns& columns) {
  const auto parsed = [&](QTextDocument& document) { ImposeColumns(page.blocks[block], document, columns); };
  return BuildPageDocument(page.BlockHtml(block), width, face, picture, 0, parsed);
}

qreal BlockHeight(const PageBlock& block, const QTextDocument& document) {
  const SeamTrim trim = SeamTrimOf(block, document);
  return document.size().height() - trim.top - trim.bottom;
}

void PageColumn::Reset(PageBlocks blocks, QImage picture) {
  blocks_ = std::move(blocks);
  picture_ = std::move(picture);
  DropLayouts();
}

void PageColumn::SetFace(const PageFace& face) {
  face_ = face;
  const QFont code = PageFont(face);
  QFont table = code;
  table.setPixelSize(ZoomedPixels(kTablePixels, face.zoomPercent));
  lineHeight_ = QFontMetricsF(code).lineSpacing();
  rowHeight_ = QFontMetricsF(table).lineSpacing() + ZoomedPixels(kRowFrame, face.zoomPercent);
  DropLayouts();
}

void PageColumn::SetWidth(qreal width) {
  if (qFuzzyCompare(width, width_)) return;
  width_ = width;
  DropLayouts();
}

void PageColumn::DropLayouts() {
  const size_t count = static_cast<size_t>(Count());
  documents_.clear();
  documents_.resize(count);
  hiddenAbove_.assign(count, 0);
  measured_.assign(count, -1);
  measuredCount_ = 0;
  measuredSum_ = estimatedSum_ = {};
  measuredOfKind_ = {};
  contentWidth_ = 0;
  tableColumns_.assign(blocks_ ? static_cast<size_t>(CutTableCount(blocks_->blocks)) : 0, {});
  tableKnown_.assign(tableColumns_.size(), false);
  tablesKnown_ = 0;
  stale_ = true;
  FixScale();
}

void PageColumn::FixScale() {
  scaleTops_.assign(static_cast<size_t>(Count()) + 1, 0);
  for (int b = 0; b < Count(); ++b) scaleTops_[b + 1] = scaleTops_[b] + Height(b);
}

qreal PageColumn::ColumnY(qreal scaled) const {
  if (Count() == 0 || scaled <= 0) return scaled;
  if (scaled >= ScaleTotal()) return TotalHeight() + scaled - ScaleTotal();
  const auto above = std::upper_bound(scaleTops_.begin() + 1, scaleTops_.end() - 1, scaled);
  const int block = static_cast<int>(above - scaleTops_.begin()) - 1;
  const qreal span = scaleTops_[block + 1] - scaleTops_[block];
  const qreal fraction = span > 0 ? (scaled - scaleTops_[block]) / span : 0;
  return Top(block) + fraction * Height(block);
}

qreal PageColumn::ScaledY(qreal columnY) const {
  if (Count() == 0 || columnY <= 0) return columnY;
  if (columnY >= TotalHeight()) return ScaleTotal() + columnY - TotalHeight();
  const int block = BlockAt(columnY);
  const qreal height = Height(block);
  const qreal fraction = height > 0 ? (columnY - Top(block)) / height : 0;
  return scaleTops_[block] + fraction * (scaleTops_[block + 1] - scaleTops_[block]);
}

qreal PageColumn::RawEstimate(int block) const {
  const PageBlock& b = blocks_->blocks[block];
  const size_t lines = b.rows == 0 ? b.lines + 1 : b.lines;
  return lineHeight_ * static_cast<qreal>(lines) + rowHeight_ * static_cast<qreal>(b.rows);
}

qreal PageColumn::Estimate(int block) const {
  const qreal raw = RawEstimate(block);
  const int kind = KindOf(block);
  if (measuredOfKind_[kind] > 0 && estimatedSum_[kind] > 0) return raw * measuredSum_[kind] / estimatedSum_[kind];
  const double measured = measuredSum_[0] + measuredSum_[1], estimated = estimatedSum_[0] + estimatedSum_[1];
  return measuredCount_ > 0 && estimated > 0 ? raw * measured / estimated : raw;
}

void PageColumn::MeasureEachKind() {
  for (int kind = 0; kind < 2; ++kind) {
    if (measuredOfKind_[kind] > 0) continue;
    for (int b = 0; b < Count(); ++b) {
      if (KindOf(b) != kind) continue;
      LaidOut(b);
      break;
    }
  }
}

qreal PageColumn::Height(int block) const { return measured_[block] >= 0 ? measured_[block] : Estimate(block); }

void PageColumn::Recount() const {
  if (!stale_) return;
  tops_.resize(static_cast<size_t>(Count()) + 1);
  tops_[0] = 0;
  for (int b = 0; b < Count(); ++b) tops_[b + 1] = tops_[b] + Height(b);
  stale_ = false;
}

qreal PageColumn::Top(int block) const {
  Recount();
  return tops_[std::clamp(block, 0, Count())];
}

qreal PageColumn::Origin(int block) const {
  return Top(block) - (block >= 0 && block < Count() ? hiddenAbove_[block] : 0);
}

qreal PageColumn::TotalHeight() const { return Top(Count()); }

int PageColumn::BlockAt(qreal y) const {
  if (Count() == 0) return -1;
  Recount();
  const auto above = std::upper_bound(tops_.begin() + 1, tops_.end() - 1, y);
  return static_cast<int>(above - tops_.begin()) - 1;
}

void PageColumn::Measured(int block, qreal height) {
  const int kind = KindOf(block);
  if (measured_[block] < 0) {
    ++measuredCount_;
    ++measuredOfKind_[kind];
    estimatedSum_[kind] += RawEstimate(block);
    measuredSum_[kind] += height;
  } else {
    measuredSum_[kind] += height - measured_[block];
  }
  measured_[block] = height;
  stale_ = true;
}

void PageColumn::SetMeasured(int block, qreal height) {
  if (block >= 0 && block < Count() && !documents_[block]) Measured(block, height);
}

PageDocument* PageColumn::LaidOut(int block) {
  if (block < 0 || block >= Count()) return nullptr;
  if (!documents_[block]) {
    documents_[block] = BuildBlockDocument(*blocks_, block, width_, face_, picture_, tableColumns_);
    LaidOutAgain(block);
  }
  return documents_[block].get();
}

void PageColumn::LaidOutAgain(int block) {
  const QTextDocument& document = *documents_[block];
  const SeamTrim trim = SeamTrimOf(blocks_->blocks[block], document);
  contentWidth_ = std::max(contentWidth_, document.size().width());
  hiddenAbove_[block] = trim.top;
  Measured(block, document.size().height() - trim.top - trim.bottom);
}

void PageColumn::SetTableColumns(int table, const TableColumns& columns) {
  if (table < 1 || table > static_cast<int>(tableColumns_.size())) return;
  TableColumns& known = tableColumns_[table - 1];
  // A part with no table to measure (a broken page) leaves none to impose,
  // but the table is measured all the same.
  if (!tableKnown_[table - 1]) ++tablesKnown_;
  tableKnown_[table - 1] = true;
  if (known == columns) return;
  known = columns;
  for (int b = 0; b < Count(); ++b) {
    const PageBlock& block = blocks_->blocks[b];
    if (!documents_[b] || (block.tableFromBefore != table && block.tableGoingOn != table)) continue;
    for (const TablePart& p : TableParts(block, *documents_[b]))
      if (p.table == table) ImposeColumns(*p.part, known);
    LaidOutAgain(b);
  }
}

PageDocument* PageColumn::Document(int block) const {
  return block >= 0 && block < Count() ? documents_[block].get() : nullptr;
}

void PageColumn::KeepOnly(int first, int last) {
  for (int b = 0; b < Count(); ++b)
    if ((b < first || b > last) && documents_[b]) documents_[b].reset();
}

std::pair<int, int> PageColumn::KeptAround(qreal top, qreal bottom, int most) const {
  if (Count() == 0) return {0, -1};
  const qreal reach = bottom - top;
  return {std::max(BlockAt(top - reach), BlockAt(top) - most),
          std::min(BlockAt(bottom + reach), BlockAt(bottom) + most)};
}

}  // namespace ec
