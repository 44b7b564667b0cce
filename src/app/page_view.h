#pragma once
// The page view of the main window: shows the summary and item pages.
//
// A page is cut into blocks (SplitPage: runs of code lines, of tables, of
// table rows) stacked in a column, and only the blocks near the viewport are
// laid out, each as its own small document; so a page of megabytes is whole
// and scrollable as soon as it is written. Blocks not laid out yet have
// estimated heights, which a worker thread replaces by measured ones, top to
// bottom. The vertical scroll bar runs on a scale fixed when the page is
// shown (PageColumn): its range is final at once, a correction of heights
// moves neither it nor what is in view, and its end is the page's real end.
// Wheel and keys scroll by pixels of the page. Text can be selected with the
// mouse within a block and across blocks (the view scrolls while the mouse is
// dragged past its edge), Ctrl+A selects the whole page, Ctrl+C copies (a big
// selection's text is gathered off the window thread). A click on a link is
// reported (anchorClicked) and followed nowhere.
//
// The view runs no script, fetches nothing and follows no link. The one
// picture it shows is a resource of the module, handed over with the page.

#include <QAbstractScrollArea>
#include <QImage>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <string>

#include "app/page_column.h"
#include "app/page_measurer.h"

namespace ec {

class PageView : public QAbstractScrollArea {
  Q_OBJECT

 public:
  explicit PageView(QWidget* parent = nullptr);
  ~PageView() override;

  // Replaces the whole content with `html` (UTF-8); it stays until the next
  // call. `picture` is what the page's <img src="ecview-resource:picture"> shows.
  void WritePage(const std::string& html, const QImage& picture = {});
  const std::string& Page() const;
  // The whole page's text, and the part of it selected.
  QString PlainText() const;
  QString SelectedText() const;
  // The part of the text the viewport shows.
  QString VisibleText() const;
  void ScrollToTop();
  void ScrollToEnd();
  // Where the page is scrolled to, as a block and a fraction of it: it stays
  // the same place while heights are estimated or measured, and for the
  // same page written again (the history keeps it).
  int ScrollPlace() const;
  void SetScrollPlace(int place);
  // Every block's height is measured.
  bool IsMeasured() const { return column_.AllMeasured(); }
  // How tall the page is, with the heights known so far, and how far down
  // it the top of the viewport is, in the page's own pixels.
  qreal ColumnHeight() const { return column_.TotalHeight(); }
  qreal ViewTop() const;
  int BlockCount() const { return column_.Count(); }
  // The face and zoom the page is shown in.
  const PageFace& Face() const { return face_; }
  // The page in the code face at `percent` % (clamped to the zoom's range),
  // the same part of it in view.
  void SetZoom(int percent);
  int Zoom() const { return face_.zoomPercent; }
  // What the page shown answers for a resource it names: only its picture.
  QVariant loadResource(int type, const QUrl& name) const;

 signals:
  // A page was written and its first screen laid out.
  void PageShown();
  // A link of the page was clicked; the view itself goes nowhere.
  void anchorClicked(const QUrl& link);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;

 private:
  // Applies `change` (may be empty) and lays out what comes into view.
  void Settle(const std::function<void()>& change = {});
  // Fixes the scroll bar's scale again after a change of face or width,
  // keeping `place` in view.
  void Rescale(int place);
  // How far the page is scrolled in its own pixels at a scroll bar value,
  // the margin above the column included, and the value nearest an offset.
  qreal OffsetAt(int value) const;
  int ValueAt(qreal offset) const;
  void ScrollBy(qreal pixels);
  void DragScroll();
  void OnScrolled();
  void OnMeasured(const PageMeasurer::Measures& measures);
  void Remeasure();
  void Prefetch();
  void UpdateScrollBars();
  qreal LayoutWidth() const;
  QPointF ColumnPoint(const QPoint& viewportPoint) const;
  // The page point under a viewport point, laying its block out if need be.
  PagePoint PointAt(const QPoint& viewportPoint);
  QString AnchorAt(const QPoint& viewportPoint);
  std::pair<PagePoint, PagePoint> Selected() const;
  bool HasSelection() const { return anchor_ != cursor_; }
  // Around the column, as around a text document; the blocks themselves have none.
  static constexpr int kMargin = 4;
  void SelectAll();
  void CopySelection();

  QImage picture_;
  PageFace face_;
  PageColumn column_;
  PageMeasurer measurer_;
  PagePoint anchor_, cursor_;  // the selection runs between them
  bool selecting_ = false;
  QString pressedAnchor_;  // a click is a press and a release on the same link
  bool settling_ = false;
  QTimer prefetch_;
  QTimer dragScroll_;  // runs while a selection is dragged past the viewport's edge
  QPoint dragAt_;      // where the mouse is then, in the viewport
  uint64_t copies_ = 0;  // Ctrl+C's so far: only the latest one's text goes on the clipboard
};

}  // namespace ec
