#include "app/page_view.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QClipboard>
#include <QFutureWatcher>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <climits>
#include <cmath>
#include <tuple>

namespace ec {
namespace {

// A selection of up to this much HTML is copied at once; more is gathered on a worker.
constexpr size_t kDirectCopyBytes = 256 * 1024;
// Layouts made ahead and kept beyond the blocks in view, each way, within a
// view's height of it: what a page step reaches, and no more on a small page.
constexpr int kBlocksKept = 3;
// Fractions of a block in a scroll place.
constexpr int kMostPlaceUnits = 1 << 15;
constexpr int kPageEnd = INT_MAX;  // a position past every block's end
// Pixels of a line of scrolling (an arrow key, a third of a wheel's notch).
constexpr int kLineStep = 20;
// How often, and how far at most, a selection dragged past the edge scrolls.
constexpr int kDragScrollMilliseconds = 30;
constexpr int kDragScrollMost = 60;

int PlaceUnits(int blocks) { return std::clamp(INT_MAX / std::max(1, blocks + 1), 1, kMostPlaceUnits); }

}  // namespace

PageView::PageView(QWidget* parent)
    : QAbstractScrollArea(parent), measurer_([this](const PageMeasurer::Measures& measures) { OnMeasured(measures); }) {
  face_.family = InstalledCodeFamily();
  column_.SetFace(face_);
  viewport()->setBackgroundRole(QPalette::Base);
  viewport()->setAutoFillBackground(true);
  viewport()->setCursor(Qt::IBeamCursor);
  viewport()->setMouseTracking(true);  // the cursor shows where links are
  setFocusPolicy(Qt::StrongFocus);
  // A scroll bar that came and went with the page would change the width
  // the blocks are laid out at.
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &PageView::OnScrolled);
  connect(horizontalScrollBar(), &QScrollBar::valueChanged, viewport(), qOverload<>(&QWidget::update));
  prefetch_.setInterval(0);
  connect(&prefetch_, &QTimer::timeout, this, &PageView::Prefetch);
  dragScroll_.setInterval(kDragScrollMilliseconds);
  connect(&dragScroll_, &QTimer::timeout, this, &PageView::DragScroll);
}

PageView::~PageView() = default;

const std::string& PageView::Page() const {
  static const std::string kNone;
  return column_.Blocks() ? column_.Blocks()->html : kNone;
}

void PageView::WritePage(const std::string& html, const QImage& picture) {
  picture_ = picture;
  auto page = std::make_shared<CutPage>();
  page->html = html;
  page->blocks = SplitPage(html);
  column_.Reset(std::move(page), picture);
  column_.SetWidth(LayoutWidth());
  anchor_ = cursor_ = {};
  Settle([this] {
    UpdateScrollBars();
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
  });
  // The first screen is laid out: the scale takes its heights, and the
  // estimates of the rest as its blocks and a block of each other kind
  // correct them.
  column_.MeasureEachKind();
  column_.FixScale();
  Settle();
  Remeasure();
  viewport()->update();
  emit PageShown();
}

void PageView::Remeasure() {
  if (column_.AllMeasured()) measurer_.Stop();
  else measurer_.Start(column_.Blocks(), column_.Width(), face_, picture_);
}

void PageView::SetZoom(int percent) {
  percent = ClampZoomPercent(percent);
  if (percent == face_.zoomPercent) return;
  face_.zoomPercent = percent;
  const int place = ScrollPlace();
  column_.SetFace(face_);
  Rescale(place);
  Remeasure();
  viewport()->update();
}

void PageView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  if (qFuzzyCompare(column_.Width(), LayoutWidth())) return Settle();
  const int place = ScrollPlace();
  column_.SetWidth(LayoutWidth());
  Rescale(place);
  Remeasure();
  viewport()->update();
}

void PageView::OnMeasured(const PageMeasurer::Measures& measures) {
  Settle([&] {
    for (const auto& [table, columns] : measures.tables) column_.SetTableColumns(table, columns);
    for (const auto& [block, height] : measures.heights) column_.SetMeasured(block, height);
  });
}

void PageView::Rescale(int place) {
  SetScrollPlace(place);  // on the scale of estimates, so the place is laid out
  column_.MeasureEachKind();
  column_.FixScale();
  SetScrollPlace(place);
}

void PageView::OnScrolled() {
  if (!settling_) Settle();
}

// Laying out the blocks that come into view changes their heights, which
// changes what is in view: a few rounds settle it. Neither moves the
// scroll bar, whose scale is fixed; and since a scroll value stands for the
// same block and fraction of it however the heights change, what the top of
// the view shows stays where it was.
void PageView::Settle(const std::function<void()>& change) {
  if (settling_) return;
  settling_ = true;
  const auto place = [&] {
    const qreal y = ViewTop();
    const int block = column_.BlockAt(y);
    return std::pair{block, block < 0 ? 0.0 : y - column_.Top(block)};
  };
  const auto kept = place();
  QScrollBar* bar = verticalScrollBar();
  const int before = bar->value();
  if (change) change();
  UpdateScrollBars();
  const bool moved = bar->value() != before;
  const qreal view = std::max(1, viewport()->height());
  int first = 0, last = -1;
  bool laidOut = false;
  for (int round = 0; round < 6 && column_.Count() > 0; ++round) {
    const qreal top = ViewTop();
    first = column_.BlockAt(top);
    last = column_.BlockAt(top + view);
    bool more = false;
    for (int b = first; b <= last; ++b) {
      if (column_.Document(b)) continue;
      column_.LaidOut(b);
      more = true;
    }
    if (!more) break;
    laidOut = true;
    UpdateScrollBars();
  }
  const qreal top = ViewTop();
  const auto [keptFirst, keptLast] = column_.KeptAround(top, top + view, kBlocksKept);
  column_.KeepOnly(keptFirst, keptLast);
  settling_ = false;
  if (column_.Count() > 0) prefetch_.start();
  // Heights measured away from the view leave what it shows as it was: no
  // need to paint it again (a big page gets a batch of them every few ms).
  const auto now = place();
  if (moved || laidOut || now.first != kept.first || std::abs(now.second - kept.second) >= 0.5) viewport()->update();
}

// One block next to the view per turn of the event loop, nearest first, so
// scrolling finds them laid out and no event waits for more than one.
void PageView::Prefetch() {
  const qreal top = ViewTop(), view = viewport()->height();
  const int first = column_.BlockAt(top), last = column_.BlockAt(top + view);
  const auto [keptFirst, keptLast] = column_.KeptAround(top, top + view, kBlocksKept);
  for (int step = 1; step <= kBlocksKept; ++step) {
    for (const int b : {last + step, first - step}) {
      if (b < keptFirst || b > keptLast || column_.Document(b)) continue;
      Settle([&] { column_.LaidOut(b); });
      return;
    }
  }
  prefetch_.stop();
}

void PageView::scrollContentsBy(int, int) {
  if (!settling_) viewport()->update();
}

void PageView::UpdateScrollBars() {
  const QSize view = viewport()->size();
  int most = qMax(0, qCeil(column_.ScaleTotal()) + 2 * kMargin - view.height());
  // Estimates far below the real heights could leave a page taller than
  // the view with no range to scroll: the range then follows the real one.
  if (most == 0) most = qMax(0, qCeil(column_.TotalHeight()) + 2 * kMargin - view.height());
  verticalScrollBar()->setRange(0, most);
  verticalScrollBar()->setPageStep(view.height());
  verticalScrollBar()->setSingleStep(kLineStep);
  horizontalScrollBar()->setRange(0, qMax(0, qCeil(column_.ContentWidth()) + 2 * kMargin - view.width()));
  horizontalScrollBar()->setPageStep(view.width());
  horizontalScrollBar()->setSingleStep(kLineStep);
}

// Within a block the scale and the column are proportional. Over the last
// stretch of the bar the difference between the scale's end and the
// column's is spread out, so the bar's end is the page's real end however
// far the estimates were off, and the view never jumps to get there.
qreal PageView::OffsetAt(int value) const {
  const int most = verticalScrollBar()->maximum();
  const qreal realMost = std::max(0.0, column_.TotalHeight() + 2 * kMargin - viewport()->height());
  if (most <= 0 || column_.Count() == 0) return 0;
  const auto along = [&](qreal v) { return kMargin + column_.ColumnY(v - kMargin); };
  const qreal gap = realMost - along(most);
  const qreal stretch =
      std::clamp(std::max(2.0 * viewport()->height(), 4 * std::abs(gap)), 1.0, static_cast<qreal>(most));
  const int at = std::clamp(value, 0, most);
  const qreal share = std::clamp((at - (most - stretch)) / stretch, 0.0, 1.0);
  return std::clamp(along(at) + gap * share, 0.0, realMost);
}

int PageView::ValueAt(qreal offset) const {
  int low = 0, high = verticalScrollBar()->maximum();
  while (low < high) {
    const int middle = low + (high - low) / 2;
    if (OffsetAt(middle) < offset) low = middle + 1;
    else high = middle;
  }
  if (low > 0 && offset - OffsetAt(low - 1) < OffsetAt(low) - offset) --low;
  return low;
}

qreal PageView::ViewTop() const { return OffsetAt(verticalScrollBar()->value()) - kMargin; }

// By pixels of the page, not of the scale: at least one step of the bar,
// so that a block estimated far too short can still be scrolled through.
void PageView::ScrollBy(qreal pixels) {
  QScrollBar* bar = verticalScrollBar();
  const int now = bar->value();
  int next = ValueAt(OffsetAt(now) + pixels);
  if (next == now && pixels != 0) next = now + (pixels > 0 ? 1 : -1);
  bar->setValue(next);
}

qreal PageView::LayoutWidth() const { return qMax(1, viewport()->width() - 2 * kMargin); }

QPointF PageView::ColumnPoint(const QPoint& viewportPoint) const {
  return viewportPoint + QPointF(horizontalScrollBar()->value() - kMargin, ViewTop());
}

int PageView::ScrollPlace() const {
  if (column_.Count() == 0) return 0;
  const qreal top = ViewTop();
  const int units = PlaceUnits(column_.Count());
  const int block = column_.BlockAt(top);
  const qreal height = column_.Height(block);
  const qreal fraction = height > 0 ? (top - column_.Top(block)) / height : 0;
  return block * units + std::clamp(static_cast<int>(std::lround(fraction * units)), 0, units - 1);
}

void PageView::SetScrollPlace(int place) {
  if (column_.Count() == 0) return;
  const int units = PlaceUnits(column_.Count());
  const int block = std::clamp(place / units, 0, std::max(0, column_.Count() - 1));
  Settle([&] {
    // The block is laid out first, so its fraction is of its real height.
    column_.LaidOut(block);
    UpdateScrollBars();
    verticalScrollBar()->setValue(
        ValueAt(kMargin + column_.Top(block) + column_.Height(block) * (place % units) / units));
  });
}

void PageView::ScrollToTop() {
  Settle([this] { verticalScrollBar()->setValue(0); });
}

void PageView::ScrollToEnd() {
  Settle([this] { verticalScrollBar()->setValue(verticalScrollBar()->maximum()); });
}

QVariant PageView::loadResource(int type, const QUrl& name) const {
  if (type == QTextDocument::ImageResource && !picture_.isNull() && name == QUrl(QString::fromLatin1(kPagePictureUrl)))
    return picture_;
  return {};
}

QString PageView::PlainText() const {
  if (column_.Count() == 0) return {};
  return TextBetween(*column_.Blocks(), {0, 0}, {column_.Count() - 1, kPageEnd});
}

QString PageView::SelectedText() const {
  if (!HasSelection()) return {};
  const auto [from, to] = Selected();
  return TextBetween(*column_.Blocks(), from, to);
}

QString PageView::VisibleText() const {
  if (column_.Count() == 0) return {};
  const qreal value = ViewTop();
  const auto point = [&](qreal y, bool end) {
    const int block = column_.BlockAt(y);
    PageDocument* document = column_.Document(block);
    if (!document) return PagePoint{block, end ? kPageEnd : 0};
    const QPointF at(end ? column_.Width() : 0, y - column_.Origin(block));
    return PagePoint{block, std::max(0, document->documentLayout()->hitTest(at, Qt::FuzzyHit))};
  };
  return TextBetween(*column_.Blocks(), point(value, false), point(value + viewport()->height(), true));
}

std::pair<PagePoint, PagePoint> PageView::Selected() const { return std::minmax(anchor_, cursor_); }

void PageView::SelectAll() {
  if (column_.Count() == 0) return;
  anchor_ = {0, 0};
  cursor_ = {column_.Count() - 1, kPageEnd};
  viewport()->update();
}

void PageView::CopySelection() {
  if (!HasSelection()) return;
  const auto [from, to] = Selected();
  size_t bytes = 0;
  for (int b = from.block; b <= to.block; ++b) bytes += column_.Blocks()->blocks[b].Size();
  // A copy still being gathered when another is made must not land after it.
  const uint64_t copy = ++copies_;
  if (bytes <= kDirectCopyBytes) {
    QGuiApplication::clipboard()->setText(SelectedText());
    return;
  }
  auto* watcher = new QFutureWatcher<QString>(this);
  connect(watcher, &QFutureWatcher<QString>::finished, this, [this, watcher, copy] {
    if (copy == copies_) QGuiApplication::clipboard()->setText(watcher->result());
    watcher->deleteLater();
  });
  watcher->setFuture(
      QtConcurrent::run([blocks = column_.Blocks(), from, to] { return TextBetween(*blocks, from, to); }));
}

void PageView::paintEvent(QPaintEvent* event) {
  if (column_.Count() == 0) return;
  QPainter painter(viewport());
  const QPointF scrolled(horizontalScrollBar()->value() - kMargin, ViewTop());
  const QRectF area = QRectF(event->rect()).translated(scrolled);
  const auto [from, to] = Selected();
  for (int b = column_.BlockAt(area.top()); b < column_.Count() && column_.Top(b) <= area.bottom(); ++b) {
    PageDocument* document = column_.Document(b);
    if (!document) continue;  // settling lays out what comes into view before it is painted
    const QPointF origin(0, column_.Origin(b));
    // What a cut table's seam leaves out of the block stays hidden.
    const QRectF band(area.left(), column_.Top(b), area.width(), column_.Height(b));
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette = palette();
    context.clip = area.intersected(band).translated(-origin);
    if (HasSelection() && b >= from.block && b <= to.block) {
      QTextCursor cursor(document);
      const int end = document->characterCount() - 1;
      cursor.setPosition(b == from.block ? std::min(from.position, end) : 0);
      cursor.setPosition(b == to.block ? std::min(to.position, end) : end, QTextCursor::KeepAnchor);
      QAbstractTextDocumentLayout::Selection selected;
      selected.cursor = cursor;
      selected.format.setBackground(palette().highlight());
      selected.format.setForeground(palette().highlightedText());
      context.selections.append(selected);
    }
    painter.save();
    painter.translate(origin - scrolled);
    painter.setClipRect(context.clip);
    document->documentLayout()->draw(&painter, context);
    painter.restore();
  }
}

PagePoint PageView::PointAt(const QPoint& viewportPoint) {
  const QPointF point = ColumnPoint(viewportPoint);
  const int block = column_.BlockAt(point.y());
  PageDocument* document = column_.LaidOut(block);
  if (!document) return {};
  const int position = document->documentLayout()->hitTest(point - QPointF(0, column_.Origin(block)), Qt::FuzzyHit);
  return {block, std::max(0, position)};
}

QString PageView::AnchorAt(const QPoint& viewportPoint) {
  const QPointF point = ColumnPoint(viewportPoint);
  const int block = column_.BlockAt(point.y());
  PageDocument* document = column_.Document(block);
  return document ? document->documentLayout()->anchorAt(point - QPointF(0, column_.Origin(block))) : QString();
}

void PageView::mousePressEvent(QMouseEvent* event) {
  if (column_.Count() == 0 || event->button() != Qt::LeftButton) return QAbstractScrollArea::mousePressEvent(event);
  pressedAnchor_ = AnchorAt(event->position().toPoint());
  cursor_ = PointAt(event->position().toPoint());
  if (!(event->modifiers() & Qt::ShiftModifier)) anchor_ = cursor_;
  selecting_ = true;
  viewport()->update();
}

void PageView::mouseMoveEvent(QMouseEvent* event) {
  if (!(event->buttons() & Qt::LeftButton) || !selecting_) {
    viewport()->setCursor(AnchorAt(event->position().toPoint()).isEmpty() ? Qt::IBeamCursor : Qt::PointingHandCursor);
    return;
  }
  dragAt_ = event->position().toPoint();
  const bool outside = dragAt_.y() < 0 || dragAt_.y() >= viewport()->height();
  if (outside && !dragScroll_.isActive()) dragScroll_.start();
  if (!outside) dragScroll_.stop();
  cursor_ = PointAt(dragAt_);
  viewport()->update();
}

// The further past the edge the mouse is, the faster the view scrolls.
void PageView::DragScroll() {
  const int height = viewport()->height();
  const int beyond = dragAt_.y() < 0 ? dragAt_.y() : std::max(0, dragAt_.y() - height + 1);
  if (!selecting_ || beyond == 0) return dragScroll_.stop();
  ScrollBy(std::clamp(beyond, -kDragScrollMost, kDragScrollMost));
  cursor_ = PointAt(QPoint(dragAt_.x(), std::clamp(dragAt_.y(), 0, height - 1)));
  viewport()->update();
}

void PageView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QAbstractScrollArea::mouseReleaseEvent(event);
  selecting_ = false;
  dragScroll_.stop();
  const QString anchor = std::exchange(pressedAnchor_, QString());
  if (!anchor.isEmpty() && !HasSelection() && AnchorAt(event->position().toPoint()) == anchor)
    emit anchorClicked(QUrl(anchor));
}

void PageView::keyPressEvent(QKeyEvent* event) {
  if (event == QKeySequence::Copy) return CopySelection();
  if (event == QKeySequence::SelectAll) return SelectAll();
  if (event->key() == Qt::Key_Home) return ScrollToTop();
  if (event->key() == Qt::Key_End) return ScrollToEnd();
  if (event == QKeySequence::MoveToNextLine) return ScrollBy(kLineStep);
  if (event == QKeySequence::MoveToPreviousLine) return ScrollBy(-kLineStep);
  if (event == QKeySequence::MoveToNextPage) return ScrollBy(viewport()->height());
  if (event == QKeySequence::MoveToPreviousPage) return ScrollBy(-viewport()->height());
  QAbstractScrollArea::keyPressEvent(event);
}

void PageView::wheelEvent(QWheelEvent* event) {
  const QPoint pixels = event->pixelDelta(), angle = event->angleDelta();
  const bool vertical = pixels.isNull() ? angle.y() != 0 : pixels.y() != 0;
  if (!vertical || event->modifiers() != Qt::NoModifier) return QAbstractScrollArea::wheelEvent(event);
  ScrollBy(pixels.isNull() ? -angle.y() / 120.0 * QApplication::wheelScrollLines() * kLineStep : -pixels.y());
  event->accept();
}

}  // namespace ec
