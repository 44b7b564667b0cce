#include "app/page_view.h"

#include <QAbstractTextDocumentLayout>
#include <QClipboard>
#include <QFutureWatcher>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <climits>
#include <cmath>
#include <tuple>

namespace ec {
namespace {

// A selection of up to this much HTML is copied at once; more is gathered on a worker.
constexpr size_t kDirectCopyBytes = 256 * 1024;
// Layouts made ahead and kept beyond the blocks in view, each way.
constexpr int kBlocksKept = 3;
// Fractions of a block in a scroll place.
constexpr int kMostPlaceUnits = 1 << 15;
constexpr int kPageEnd = INT_MAX;  // a position past every block's end
// Around the column, as around a text document; the blocks themselves have none.
constexpr int kMargin = 4;

int PlaceUnits(int blocks) { return std::clamp(INT_MAX / std::max(1, blocks + 1), 1, kMostPlaceUnits); }

}  // namespace

PageView::PageView(QWidget* parent)
    : QAbstractScrollArea(parent), measurer_([this](const PageMeasurer::Heights& heights) { OnMeasured(heights); }) {
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
  atEnd_ = false;
  Settle([this] {
    UpdateScrollBars();
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
  });
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
  SetScrollPlace(place);
  Remeasure();
  viewport()->update();
}

void PageView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  if (qFuzzyCompare(column_.Width(), LayoutWidth())) return Settle();
  const int place = ScrollPlace();
  column_.SetWidth(LayoutWidth());
  SetScrollPlace(place);
  Remeasure();
  viewport()->update();
}

void PageView::OnMeasured(const PageMeasurer::Heights& heights) {
  Settle([&] {
    for (const auto& [block, height] : heights) column_.SetMeasured(block, height);
  });
}

void PageView::OnScrolled() {
  if (settling_) return;
  atEnd_ = false;
  Settle();
}

// Heights change as blocks come into view and are laid out, which changes
// what is in view: a few rounds settle it. A change that scrolls moves the
// place kept; one that only changes heights keeps the old one.
void PageView::Settle(const std::function<void()>& change) {
  if (settling_) return;
  settling_ = true;
  QScrollBar* bar = verticalScrollBar();
  const auto place = [&] {
    const int y = bar->value() - kMargin, block = column_.BlockAt(y);
    return std::pair{block, block < 0 ? 0.0 : y - column_.Top(block)};
  };
  auto [top, offset] = place();
  const auto kept = std::pair{top, offset};
  bool moved = false;
  if (change) {
    const int before = bar->value();
    change();
    moved = bar->value() != before;
    if (moved) std::tie(top, offset) = place();
  }
  const auto restore = [&] {
    UpdateScrollBars();
    if (top >= 0)
      bar->setValue(atEnd_ ? bar->maximum()
                           : kMargin + qRound(column_.Top(top) + std::min(offset, column_.Height(top))));
  };
  const qreal view = std::max(1, viewport()->height());
  int first = 0, last = -1;
  bool laidOut = false;
  for (int round = 0; round < 6 && column_.Count() > 0; ++round) {
    restore();
    first = column_.BlockAt(bar->value() - kMargin);
    last = column_.BlockAt(bar->value() - kMargin + view);
    bool more = false;
    for (int b = first; b <= last; ++b) {
      if (column_.Document(b)) continue;
      column_.LaidOut(b);
      more = true;
    }
    laidOut = laidOut || more;
    if (!more) break;
  }
  restore();
  column_.KeepOnly(first - kBlocksKept, last + kBlocksKept);
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
  const int value = verticalScrollBar()->value() - kMargin, view = viewport()->height();
  const int first = column_.BlockAt(value), last = column_.BlockAt(value + view);
  for (int step = 1; step <= kBlocksKept; ++step) {
    for (const int b : {last + step, first - step}) {
      if (b < 0 || b >= column_.Count() || column_.Document(b)) continue;
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
  verticalScrollBar()->setRange(0, qMax(0, qCeil(column_.TotalHeight()) + 2 * kMargin - view.height()));
  verticalScrollBar()->setPageStep(view.height());
  verticalScrollBar()->setSingleStep(20);
  horizontalScrollBar()->setRange(0, qMax(0, qCeil(column_.ContentWidth()) + 2 * kMargin - view.width()));
  horizontalScrollBar()->setPageStep(view.width());
  horizontalScrollBar()->setSingleStep(20);
}

qreal PageView::LayoutWidth() const { return qMax(1, viewport()->width() - 2 * kMargin); }

QPointF PageView::ColumnPoint(const QPoint& viewportPoint) const {
  return viewportPoint + QPointF(horizontalScrollBar()->value() - kMargin, verticalScrollBar()->value() - kMargin);
}

int PageView::ScrollPlace() const {
  if (column_.Count() == 0) return 0;
  const int value = verticalScrollBar()->value() - kMargin, units = PlaceUnits(column_.Count());
  const int block = column_.BlockAt(value);
  const qreal height = column_.Height(block);
  const qreal fraction = height > 0 ? (value - column_.Top(block)) / height : 0;
  return block * units + std::clamp(static_cast<int>(std::lround(fraction * units)), 0, units - 1);
}

void PageView::SetScrollPlace(int place) {
  atEnd_ = false;
  if (column_.Count() == 0) return;
  const int units = PlaceUnits(column_.Count());
  const int block = std::clamp(place / units, 0, std::max(0, column_.Count() - 1));
  Settle([&] {
    // The block is laid out first, so its fraction is of its real height.
    column_.LaidOut(block);
    UpdateScrollBars();
    verticalScrollBar()->setValue(kMargin +
                                  qRound(column_.Top(block) + column_.Height(block) * (place % units) / units));
  });
}

void PageView::ScrollToTop() {
  atEnd_ = false;
  Settle([this] { verticalScrollBar()->setValue(0); });
}

void PageView::ScrollToEnd() {
  atEnd_ = true;
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
  const int value = verticalScrollBar()->value() - kMargin;
  const auto point = [&](qreal y, bool end) {
    const int block = column_.BlockAt(y);
    PageDocument* document = column_.Document(block);
    if (!document) return PagePoint{block, end ? kPageEnd : 0};
    const QPointF at(end ? column_.Width() : 0, y - column_.Top(block));
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
  if (bytes <= kDirectCopyBytes) {
    QGuiApplication::clipboard()->setText(SelectedText());
    return;
  }
  auto* watcher = new QFutureWatcher<QString>(this);
  connect(watcher, &QFutureWatcher<QString>::finished, this, [watcher] {
    QGuiApplication::clipboard()->setText(watcher->result());
    watcher->deleteLater();
  });
  watcher->setFuture(
      QtConcurrent::run([blocks = column_.Blocks(), from, to] { return TextBetween(*blocks, from, to); }));
}

void PageView::paintEvent(QPaintEvent* event) {
  if (column_.Count() == 0) return;
  QPainter painter(viewport());
  const QPoint scrolled(horizontalScrollBar()->value() - kMargin, verticalScrollBar()->value() - kMargin);
  const QRect area = event->rect().translated(scrolled);
  const auto [from, to] = Selected();
  for (int b = column_.BlockAt(area.top()); b < column_.Count() && column_.Top(b) <= area.bottom(); ++b) {
    PageDocument* document = column_.Document(b);
    if (!document) continue;  // settling lays out what comes into view before it is painted
    const QPointF origin(0, column_.Top(b));
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette = palette();
    context.clip = QRectF(area).translated(-origin);
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
    document->documentLayout()->draw(&painter, context);
    painter.restore();
  }
}

PagePoint PageView::PointAt(const QPoint& viewportPoint) {
  const QPointF point = ColumnPoint(viewportPoint);
  const int block = column_.BlockAt(point.y());
  PageDocument* document = column_.LaidOut(block);
  if (!document) return {};
  const int position = document->documentLayout()->hitTest(point - QPointF(0, column_.Top(block)), Qt::FuzzyHit);
  return {block, std::max(0, position)};
}

QString PageView::AnchorAt(const QPoint& viewportPoint) {
  const QPointF point = ColumnPoint(viewportPoint);
  const int block = column_.BlockAt(point.y());
  PageDocument* document = column_.Document(block);
  return document ? document->documentLayout()->anchorAt(point - QPointF(0, column_.Top(block))) : QString();
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
  cursor_ = PointAt(event->position().toPoint());
  viewport()->update();
}

void PageView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QAbstractScrollArea::mouseReleaseEvent(event);
  selecting_ = false;
  const QString anchor = std::exchange(pressedAnchor_, QString());
  if (!anchor.isEmpty() && !HasSelection() && AnchorAt(event->position().toPoint()) == anchor)
    emit anchorClicked(QUrl(anchor));
}

void PageView::keyPressEvent(QKeyEvent* event) {
  if (event == QKeySequence::Copy) return CopySelection();
  if (event == QKeySequence::SelectAll) return SelectAll();
  if (event->key() == Qt::Key_Home) return ScrollToTop();
  if (event->key() == Qt::Key_End) return ScrollToEnd();
  QAbstractScrollArea::keyPressEvent(event);
}

}  // namespace ec
