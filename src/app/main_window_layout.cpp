#include "app/main_window_layout.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
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

void PlaceWidthFollowers(const MainWindowControls& c, int width) {
  c.toolbar->setGeometry(0, c.toolbar->y(), width, c.toolbar->height());
  c.separator->setGeometry(0, c.separator->y(), std::max(2000, width), c.separator->height());
  const int pathRight = width - kPathBoxRightGap;
  const QRect path = c.pathBox->geometry();
  c.pathBox->setGeometry(path.x(), path.y(), pathRight - path.x(), path.height());
  c.chooseButton->move(pathRight - (998 - 944), c.chooseButton->y());
  c.listButton->move(pathRight - (998 - 975), c.listButton->y());
  // The three copy buttons share the row; the last one takes what is left.
  const int left = c.copyTextButton->x();
  const int share = (width - kCopyButtonsRightGap - left) / 3;
  const int last = width - kCopyButtonsRightGap - left - 2 * share;
  const int top = c.copyTextButton->y(), height = c.copyTextButton->height();
  c.copyTextButton->setGeometry(left, top, share, height);
  c.copyHtmlButton->setGeometry(left + share, top, share, height);
  c.copyIdeButton->setGeometry(left + 2 * share, top, last, height);
  c.searchButton->move(width - (kDesignedWidth - 912), c.searchButton->y());
  c.associationBox->move(width - (kDesignedWidth - 919), c.associationBox->y());
}

}  // namespace

int ClampTreeWidth(int treeWidth, int windowWidth) {
  const int widest = windowWidth - kTreeLeft - kTreePageGap - kPageMinimumWidth - kMargin;
  return std::max(kTreeMinimumWidth, std::min(treeWidth, widest));
}

void LayOutMainWindow(const MainWindowControls& c, QSize window, int treeWidth) {
  PlaceWidthFollowers(c, window.width());
  // Tree and page start right below the toolbar once the window is laid out.
  const int top = c.toolbar->y() + c.toolbar->height();
  const int height = std::max(0, window.height() - top - kMargin);
  const int tree = ClampTreeWidth(treeWidth, window.width());
  c.treeWidget->setGeometry(kTreeLeft, top, tree, height);
  c.splitterBar->setGeometry(kTreeLeft + tree, top, kTreePageGap, height);
  const int pageLeft = kTreeLeft + tree + kTreePageGap;
  c.pageView->setGeometry(pageLeft, top, std::max(0, window.width() - pageLeft - kMargin), height);
}

}  // namespace ec
