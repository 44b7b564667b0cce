#include "app/page_view.h"

#include <QAbstractTextDocumentLayout>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextDocumentFragment>

#include "render/item_page.h"

namespace ec {
namespace {

// Pages up to this size are laid out on the window thread: some 20 ms.
constexpr size_t kDirectPageBytes = 64 * 1024;
// Lines of code shown while a big page is laid out: more than a tall window
// holds, and cheap to lay out.
constexpr size_t kTopLines = 150;
constexpr int kRelayoutDelayMilliseconds = 150;
constexpr char kBuildingText[] = "页面生成中..";

}  // namespace

PageView::PageView(QWidget* parent)
    : QAbstractScrollArea(parent),
      builder_([this](std::shared_ptr<PageDocument> document) { Show(std::move(document), true, landingOnDelivery_); }),
      buildingLine_(new QLabel(QString::fromUtf8(kBuildingText), this)) {
  face_.family = InstalledCodeFamily();
  viewport()->setBackgroundRole(QPalette::Base);
  viewport()->setAutoFillBackground(true);
  viewport()->setCursor(Qt::IBeamCursor);
  viewport()->setMouseTracking(true);  // the cursor shows where links are
  setFocusPolicy(Qt::StrongFocus);
  // A scroll bar that came and went with the page would change the width the
  // page is laid out at, and a big page would be laid out again.
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  relayoutTimer_.setSingleShot(true);
  relayoutTimer_.setInterval(kRelayoutDelayMilliseconds);
  connect(&relayoutTimer_, &QTimer::timeout, this, &PageView::LayOutAgain);
  buildingLine_->setObjectName(QStringLiteral("标签页面生成中"));
  buildingLine_->setContentsMargins(4, 0, 4, 0);
  buildingLine_->setAutoFillBackground(true);
  buildingLine_->setBackgroundRole(QPalette::ToolTipBase);
  buildingLine_->setForegroundRole(QPalette::ToolTipText);
  buildingLine_->hide();
}

PageView::~PageView() = default;

void PageView::WritePage(const std::string& html, const QImage& picture) {
  page_ = html;
  picture_ = picture;
  builder_.Cancel();
  relayoutTimer_.stop();
  if (html.size() <= kDirectPageBytes) {
    Show(BuildHere(html), true, Landing::Top);
    return;
  }
  // The old page stays up when this one has no top to show first.
  const std::string top = ItemPageTop(html, kTopLines);
  if (!top.empty()) Show(BuildHere(top), false, Landing::Top);
  landingOnDelivery_ = top.empty() ? Landing::Top : Landing::Kept;
  builder_.Request(html, LayoutWidth(), face_, picture_);
  ShowBuildingLine(true);
}

void PageView::ShowBuildingLine(bool building) {
  if (building == !buildingLine_->isHidden()) return;
  const int height = building ? buildingLine_->sizeHint().height() : 0;
  setViewportMargins(0, height, 0, 0);
  buildingLine_->setGeometry(frameWidth(), frameWidth(), viewport()->width(), height);
  buildingLine_->setVisible(building);
}

void PageView::SetZoom(int percent) {
  percent = ClampZoomPercent(percent);
  if (percent == face_.zoomPercent) return;
  const double scale = static_cast<double>(percent) / face_.zoomPercent;
  face_.zoomPercent = percent;
  if (page_.empty()) return;
  // The same part of the page stays in view: its offsets grow and shrink
  // with the zoom.
  scrollScale_ *= scale;
  if (page_.size() <= kDirectPageBytes) {
    Show(BuildHere(page_), true, Landing::Kept);
    return;
  }
  // A big page shows its old dress until the new one is laid out.
  if (!IsBuilding()) landingOnDelivery_ = Landing::Kept;  // a page still being built keeps its landing
  builder_.Request(page_, LayoutWidth(), face_, picture_);
  ShowBuildingLine(true);
}

std::shared_ptr<PageDocument> PageView::BuildHere(const std::string& html) const {
  return BuildPageDocument(html, LayoutWidth(), face_, picture_);
}

QString PageView::PlainText() const { return document_ ? document_->toPlainText() : QString(); }

QString PageView::VisibleText() const {
  if (!document_) return {};
  const QRect shown = viewport()->rect();
  const int first = PositionAt(shown.topLeft()), last = PositionAt(shown.bottomRight());
  if (first < 0 || last < 0) return {};
  QTextCursor cursor(document_.get());
  cursor.setPosition(first);
  cursor.setPosition(last, QTextCursor::KeepAnchor);
  return cursor.selection().toPlainText();
}

QVariant PageView::loadResource(int type, const QUrl& name) const {
  return document_ ? document_->resource(type, name) : QVariant();
}

QString PageView::SelectedText() const {
  // The document's paragraph and line separators become line breaks.
  return selection_.hasSelection() ? selection_.selection().toPlainText() : QString();
}

void PageView::Show(std::shared_ptr<PageDocument> document, bool complete, Landing landing) {
  const QPointF scrolled =
      QPointF(horizontalScrollBar()->value(), verticalScrollBar()->value()) * std::exchange(scrollScale_, 1.0);
  selection_ = QTextCursor();
  builder_.Dispose(std::exchange(document_, std::move(document)));
  if (complete) ShowBuildingLine(false);
  UpdateScrollBars();
  const bool kept = landing == Landing::Kept;
  horizontalScrollBar()->setValue(kept ? qRound(scrolled.x()) : 0);
  verticalScrollBar()->setValue(kept ? qRound(scrolled.y()) : 0);
  if (landing == Landing::End) verticalScrollBar()->setValue(verticalScrollBar()->maximum());
  viewport()->update();
  emit PageShown(complete);
}

void PageView::ScrollToTop() { ScrollTo(Landing::Top); }

void PageView::ScrollToEnd() { ScrollTo(Landing::End); }

// While a big page is built, the part shown scrolls now and the whole page
// lands there when it goes up.
void PageView::ScrollTo(Landing landing) {
  verticalScrollBar()->triggerAction(landing == Landing::Top ? QAbstractSlider::SliderToMinimum
                                                             : QAbstractSlider::SliderToMaximum);
  if (IsBuilding()) landingOnDelivery_ = landing;
}

// A width change: a small page is laid out again at once, a big one off the
// window thread, showing the old layout meanwhile.
void PageView::LayOutAgain() {
  if (!document_ || qFuzzyCompare(document_->textWidth(), LayoutWidth())) return;
  if (page_.size() <= kDirectPageBytes) {
    document_->setTextWidth(LayoutWidth());
    document_->documentLayout()->documentSize();
    UpdateScrollBars();
    viewport()->update();
    return;
  }
  if (!IsBuilding()) landingOnDelivery_ = Landing::Kept;  // a page still being built keeps its landing
  builder_.Request(page_, LayoutWidth(), face_, picture_);
}

void PageView::UpdateScrollBars() {
  const QSizeF size = document_ ? document_->size() : QSizeF();
  const QSize view = viewport()->size();
  verticalScrollBar()->setRange(0, qMax(0, qCeil(size.height()) - view.height()));
  verticalScrollBar()->setPageStep(view.height());
  verticalScrollBar()->setSingleStep(20);
  horizontalScrollBar()->setRange(0, qMax(0, qCeil(size.width()) - view.width()));
  horizontalScrollBar()->setPageStep(view.width());
  horizontalScrollBar()->setSingleStep(20);
}

qreal PageView::LayoutWidth() const { return qMax(1, viewport()->width()); }

void PageView::paintEvent(QPaintEvent* event) {
  if (!document_) return;
  QPainter painter(viewport());
  const QPoint offset(horizontalScrollBar()->value(), verticalScrollBar()->value());
  painter.translate(-offset);
  QAbstractTextDocumentLayout::PaintContext context;
  context.palette = palette();
  context.clip = QRectF(event->rect().translated(offset));
  if (selection_.hasSelection()) {
    QAbstractTextDocumentLayout::Selection selected;
    selected.cursor = selection_;
    selected.format.setBackground(palette().highlight());
    selected.format.setForeground(palette().highlightedText());
    context.selections.append(selected);
  }
  document_->documentLayout()->draw(&painter, context);
}

void PageView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  if (!buildingLine_->isHidden()) buildingLine_->resize(viewport()->width(), buildingLine_->height());
  UpdateScrollBars();
  if (!document_) return;
  if (page_.size() <= kDirectPageBytes)
    LayOutAgain();
  else
    relayoutTimer_.start();
}

int PageView::PositionAt(const QPoint& viewportPoint) const {
  const QPointF point = viewportPoint + QPointF(horizontalScrollBar()->value(), verticalScrollBar()->value());
  return document_->documentLayout()->hitTest(point, Qt::FuzzyHit);
}

QString PageView::AnchorAt(const QPoint& viewportPoint) const {
  if (!document_) return {};
  const QPointF point = viewportPoint + QPointF(horizontalScrollBar()->value(), verticalScrollBar()->value());
  return document_->documentLayout()->anchorAt(point);
}

void PageView::mousePressEvent(QMouseEvent* event) {
  if (!document_ || event->button() != Qt::LeftButton) return QAbstractScrollArea::mousePressEvent(event);
  pressedAnchor_ = AnchorAt(event->position().toPoint());
  const int position = PositionAt(event->position().toPoint());
  if (position < 0) return;
  if (event->modifiers() & Qt::ShiftModifier && !selection_.isNull()) {
    selection_.setPosition(position, QTextCursor::KeepAnchor);
  } else {
    selection_ = QTextCursor(document_.get());
    selection_.setPosition(position);
  }
  viewport()->update();
}

void PageView::mouseMoveEvent(QMouseEvent* event) {
  if (!(event->buttons() & Qt::LeftButton)) {
    viewport()->setCursor(AnchorAt(event->position().toPoint()).isEmpty() ? Qt::IBeamCursor : Qt::PointingHandCursor);
    return;
  }
  if (!document_ || selection_.isNull()) return;
  const int position = PositionAt(event->position().toPoint());
  if (position < 0) return;
  selection_.setPosition(position, QTextCursor::KeepAnchor);
  viewport()->update();
}

void PageView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QAbstractScrollArea::mouseReleaseEvent(event);
  const QString anchor = std::exchange(pressedAnchor_, QString());
  if (!anchor.isEmpty() && !selection_.hasSelection() && AnchorAt(event->position().toPoint()) == anchor)
    emit anchorClicked(QUrl(anchor));
}

void PageView::keyPressEvent(QKeyEvent* event) {
  if (event == QKeySequence::Copy) {
    if (selection_.hasSelection()) QGuiApplication::clipboard()->setText(SelectedText());
    return;
  }
  if (event == QKeySequence::SelectAll && document_) {
    selection_ = QTextCursor(document_.get());
    selection_.select(QTextCursor::Document);
    viewport()->update();
    return;
  }
  if (event->key() == Qt::Key_Home || event->key() == Qt::Key_End) {
    ScrollTo(event->key() == Qt::Key_Home ? Landing::Top : Landing::End);
    return;
  }
  QAbstractScrollArea::keyPressEvent(event);
}

}  // namespace ec
