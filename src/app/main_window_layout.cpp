#include "app/main_window_layout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>

#include <algorithm>

#include "app/main_window_controls.h"
#include "app/page_view.h"
#include "app/splitter_bar.h"

namespace ec {
namespace {

// Distances of the designed layout (a 1016-pixel window) from the right edge.
constexpr int kDesignedWidth = 1016;
constexpr int kPathBoxRightGap = kDesignedWidth - 998;      // path box ends at 998
constexpr int kCopyButtonsRightGap = kDesignedWidth - 999;  // the copy buttons end at 999
constexpr int kMargin = 10;                                 // around the tree and the page view
constexpr int kTreeLeft = 10;
constexpr int kTreePageGap = 294 - (10 + 267);

// The find box may narrow this much below its designed width with the tree.
constexpr int kFindBoxShrink = 208 - 120;

// The toolbar follows the divider: the find row (find box, match mode, back
// and forward, next and previous) spans the tree, and the path box and copy
// buttons start over the page, as in the design.
void PlaceToolbar(const MainWindowControls& c, int width, int treeWidth) {
  const int extra = std::max(treeWidth - kDesignedTreeWidth, -kFindBoxShrink);
  const auto place = [](QWidget* w, int left, int top, int wide, int high) { w->setGeometry(left, top, wide, high); };
  place(c.findBox, 8, 10, 208 + extra, 24);
  place(c.modeBox, 219 + extra, 10, 58, 23);
  c.backButton->move(174 + extra, c.backButton->y());
  c.forwardButton->move(195 + extra, c.forwardButton->y());
  const int half = extra / 2;
  place(c.nextButton, 10, 38, 134 + half, 24);
  place(c.previousButton, 144 + half, 38, 134 + extra - half, 24);

  const int pathRight = width - kPathBoxRightGap;
  place(c.pathBox, 296 + extra, 10, pathRight - (296 + extra), 24);
  c.chooseButton->move(pathRight - (998 - 944), c.chooseButton->y());
  c.listButton->move(pathRight - (998 - 975), c.listButton->y());
  // The three copy buttons share the row; the last one takes what is left.
  const int left = 294 + extra;
  const int share = (width - kCopyButtonsRightGap - left) / 3;
  const int last = width - kCopyButtonsRightGap - left - 2 * share;
  place(c.copyTextButton, left, 38, share, 24);
  place(c.copyHtmlButton, left + share, 38, share, 24);
  place(c.copyIdeButton, left + 2 * share, 38, last, 24);
}

void PlaceWidthFollowers(const MainWindowControls& c, int width, int treeWidth) {
  c.toolbar->setGeometry(0, c.toolbar->y(), width, c.toolbar->height());
  c.separator->setGeometry(0, c.separator->y(), std::max(2000, width), c.separator->height());
  PlaceToolbar(c, width, treeWidth);
  c.searchButton->move(width - (kDesignedWidth - 912), c.searchButton->y());
  c.associationBox->move(width - (kDesignedWidth - 919), c.associationBox->y());
}

}  // namespace

int ClampTreeWidth(int treeWidth, int windowWidth) {
  const int widest = windowWidth - kTreeLeft - kTreePageGap - kPageMinimumWidth - kMargin;
  return std::max(kTreeMinimumWidth, std::min(treeWidth, widest));
}

void LayOutMainWindow(const MainWindowControls& c, QSize window, int treeWidth) {
  const int tree = ClampTreeWidth(treeWidth, window.width());
  PlaceWidthFollowers(c, window.width(), tree);
  // Tree and page start right below the toolbar once the window is laid out.
  const int top = c.toolbar->y() + c.toolbar->height();
  const int height = std::max(0, window.height() - top - kMargin);
  c.treeWidget->setGeometry(kTreeLeft, top, tree, height);
  c.splitterBar->setGeometry(kTreeLeft + tree, top, kTreePageGap, height);
  const int pageLeft = kTreeLeft + tree + kTreePageGap;
  const int pageWidth = std::max(0, window.width() - pageLeft - kMargin);
  // The message line is laid out whether it shows or not (isVisible is false
  // for every control of a window not shown yet): only the page's top depends on it.
  c.messageLine->setGeometry(pageLeft, top, pageWidth, kMessageLineHeight);
  const int below = c.messageLine->isHidden() ? 0 : kMessageLineHeight + 4;
  c.pageView->setGeometry(pageLeft, top + below, pageWidth, std::max(0, height - below));
}

}  // namespace ec
