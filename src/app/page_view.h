#pragma once
// The page view of the main window: shows the summary and item pages.
//
// A page is an HTML text laid out as a document (PageDocument) and painted
// here. Small pages are laid out at once. A big one (a category of a
// thousand declarations is several megabytes of tables) shows its top at
// once, its first lines of code, while a worker thread lays out the whole
// page; the window only paints what is visible, so it never waits for the
// layout. Home and End pressed meanwhile land at the whole page's top or
// end once it is up, and a thin line above the page says it is still being
// built. Text can be selected with the mouse and copied with Ctrl+C; a
// click on a link is reported (anchorClicked) and followed nowhere.
//
// The view runs no script, fetches nothing and follows no link. The one
// picture it shows is a resource of the module, handed over with the page.

#include <QAbstractScrollArea>
#include <QImage>
#include <QLabel>
#include <QTextCursor>
#include <QTimer>

#include <memory>
#include <string>

#include "app/page_builder.h"
#include "app/page_document.h"

namespace ec {

class PageView : public QAbstractScrollArea {
  Q_OBJECT

 public:
  explicit PageView(QWidget* parent = nullptr);
  ~PageView() override;

  // Replaces the whole content with `html` (UTF-8); it stays until the next
  // call. Page() answers the new page at once, also while it is being laid out.
  // `picture` is what the page's <img src="ecview-resource:picture"> shows.
  void WritePage(const std::string& html, const QImage& picture = {});
  const std::string& Page() const { return page_; }
  // The whole page is not shown yet: its top is, the rest is being laid out.
  bool IsBuilding() const { return builder_.IsBusy(); }
  // The text shown now, and the part of it selected with the mouse.
  QString PlainText() const;
  QString SelectedText() const;
  // The part of the text the viewport shows.
  QString VisibleText() const;
  // Home and End: the page's top or end, also of a page still being built.
  void ScrollToTop();
  void ScrollToEnd();
  // The face and zoom the page is shown in.
  const PageFace& Face() const { return face_; }
  // The page in the code face at `percent` % (clamped to the zoom's range),
  // the same part of it in view.
  void SetZoom(int percent);
  int Zoom() const { return face_.zoomPercent; }
  // What the page shown answers for a resource it names: only its picture.
  QVariant loadResource(int type, const QUrl& name) const;

 signals:
  // A document went up: the page's top (`complete` false) or all of it.
  void PageShown(bool complete);
  // A link of the page was clicked; the view itself goes nowhere.
  void anchorClicked(const QUrl& link);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // Where a page lands when it goes up.
  enum class Landing { Top, Kept, End };

  void Show(std::shared_ptr<PageDocument> document, bool complete, Landing landing);
  void ScrollTo(Landing landing);
  void ShowBuildingLine(bool building);
  std::shared_ptr<PageDocument> BuildHere(const std::string& html) const;
  void LayOutAgain();
  void UpdateScrollBars();
  qreal LayoutWidth() const;
  int PositionAt(const QPoint& viewportPoint) const;
  QString AnchorAt(const QPoint& viewportPoint) const;

  std::string page_;
  QImage picture_;
  PageFace face_;
  std::shared_ptr<PageDocument> document_;
  PageBuilder builder_;
  QTimer relayoutTimer_;  // a resize lays a big page out again once it has settled
  QTextCursor selection_;
  QString pressedAnchor_;  // a click is a press and a release on the same link
  Landing landingOnDelivery_ = Landing::Top;
  QLabel* buildingLine_;
  double scrollScale_ = 1.0;  // a zoom since the page shown was laid out
};

}  // namespace ec
