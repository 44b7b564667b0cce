#pragma once
// The blocks of the page shown, one under the other: where each starts, how
// tall it is, and the laid-out documents of the few near the viewport.
//
// A block not laid out yet has an estimated height (its lines and rows at
// the face's line height, scaled by how far off the estimates of the blocks
// of its kind measured so far were: runs of code lines and runs of tables
// are off by different amounts, the tables' cells wrapping); laying it out,
// or a height measured elsewhere, replaces the estimate. Tops are kept as running sums, recounted once after
// a batch of changes.
//
// The scroll bar runs on a scale of its own, so that its range is final as
// soon as the page is shown: each block's height as it was when the scale
// was fixed (measured where known, else estimated), kept until the page, its
// face or its width changes. A point of the scale falls in the same block,
// at the same fraction of it, as in the column.

#include <QImage>
#include <QString>

#include <array>
#include <memory>
#include <vector>

#include "app/page_document.h"
#include "app/table_columns.h"
#include "render/page_blocks.h"

namespace ec {

// A page and its blocks, shared with the workers that measure them and
// gather the text of a selection.
struct CutPage {
  std::string html;
  std::vector<PageBlock> blocks;
  std::string BlockHtml(int block) const { return blocks[block].Html(html); }
};
using PageBlocks = std::shared_ptr<const CutPage>;

// A point of the page's text: a block and a position in its document.
struct PagePoint {
  int block = 0;
  int position = 0;
  auto operator<=>(const PagePoint&) const = default;
};

// The page's text from `from` to `to` (positions past a block's end stop at
// its end), each block's document parsed here: safe on any thread.
QString TextBetween(const CutPage& page, PagePoint from, PagePoint to);

// How tall block `block`, laid out as `document`, stands in the column.
qreal BlockHeight(const PageBlock& block, const QTextDocument& document);

// Block `block` of `page` laid out (BuildPageDocument, no margin), the
// parts it holds of cut tables given the `columns` known: safe on any thread.
std::unique_ptr<PageDocument> BuildBlockDocument(const CutPage& page, int block, qreal width, const PageFace& face,
                                                 const QImage& picture, const PageTableColumns& columns);

class PageColumn {
 public:
  void Reset(PageBlocks blocks, QImage picture);
  // Both drop every layout and measure: the heights are estimates again.
  void SetFace(const PageFace& face);
  void SetWidth(qreal width);

  int Count() const { return blocks_ ? static_cast<int>(blocks_->blocks.size()) : 0; }
  const PageBlocks& Blocks() const { return blocks_; }
  const QImage& Picture() const { return picture_; }
  const PageFace& Face() const { return face_; }
  qreal Width() const { return width_; }

  qreal Top(int block) const;
  // Where the document of laid-out block `block` is drawn from: above its
  // top by what a cut table's seam leaves out of it (SeamTrimOf).
  qreal Origin(int block) const;
  qreal Height(int block) const;
  qreal TotalHeight() const;
  // The widest block laid out so far.
  qreal ContentWidth() const { return contentWidth_; }
  // The block at `y`, the last one below the end.
  int BlockAt(qreal y) const;
  // Every height measured, and the columns of every cut table known.
  bool AllMeasured() const {
    return measuredCount_ == Count() && tablesKnown_ == static_cast<int>(tableColumns_.size());
  }

  // Block `block` laid out (now, if it was not).
  PageDocument* LaidOut(int block);
  PageDocument* Document(int block) const;
  // Frees the layouts of the blocks outside [first, last].
  void KeepOnly(int first, int last);
  // The blocks worth keeping laid out while the column from `top` to
  // `bottom` is in view: those within the view's height of it, and at most
  // `most` each way beyond the ones in view.
  std::pair<int, int> KeptAround(qreal top, qreal bottom, int most) const;
  // A height measured off this thread, for the face and width now set.
  void SetMeasured(int block, qreal height);
  // The columns of cut table `table` (a number of PageBlock's), measured
  // off this thread for the face and width now set: the parts laid out take
  // them at once, the others when they are laid out.
  void SetTableColumns(int table, const TableColumns& columns);

  // Fixes the scale at the heights known now (done also by Reset, SetFace
  // and SetWidth).
  void FixScale();
  // Lays out the first block of each kind none of whose blocks is measured
  // yet, so that the estimates of every kind are scaled before the scale is
  // fixed.
  void MeasureEachKind();
  qreal ScaleTotal() const { return scaleTops_.empty() ? 0 : scaleTops_.back(); }
  // The column's y at a point of the scale, and the scale's point at a y of
  // the column; beyond either end both go on one to one.
  qreal ColumnY(qreal scaled) const;
  qreal ScaledY(qreal columnY) const;

 private:
  int KindOf(int block) const { return blocks_->blocks[block].rows > 0 ? 1 : 0; }
  qreal RawEstimate(int block) const;
  qreal Estimate(int block) const;
  void Measured(int block, qreal height);
  void Recount() const;
  void DropLayouts();
  void LaidOutAgain(int block);

  PageBlocks blocks_;
  QImage picture_;
  PageFace face_;
  qreal width_ = 1;
  qreal lineHeight_ = 16, rowHeight_ = 26;
  std::vector<std::unique_ptr<PageDocument>> documents_;
  std::vector<qreal> hiddenAbove_;  // of the blocks laid out: SeamTrimOf's top
  std::vector<qreal> measured_;  // < 0: not measured
  int measuredCount_ = 0;
  // Of the measured blocks of each kind (0 text, 1 tables): how far off the estimates are.
  std::array<double, 2> measuredSum_{}, estimatedSum_{};
  std::array<int, 2> measuredOfKind_{};
  qreal contentWidth_ = 0;
  PageTableColumns tableColumns_;  // of the cut tables, by number - 1
  std::vector<bool> tableKnown_;
  int tablesKnown_ = 0;
  mutable std::vector<qreal> tops_;  // Count() + 1 running sums
  std::vector<qreal> scaleTops_;     // the same on the scroll bar's scale
  mutable bool stale_ = true;
};

}  // namespace ec
