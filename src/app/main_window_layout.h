#pragma once
// Where the main window's controls go for a window of a given size. At the
// designed size (1016 wide) every control keeps its designed place; a wider
// window widens the path box and the three copy buttons and moves the
// banner's right-hand controls along, a taller one lengthens the tree and
// the page view. The tree's width is the user's (dragged at the bar between
// tree and page); the toolbar's find row spans the tree and its path box
// and copy buttons start over the page, so both follow the bar.

#include <QRect>
#include <QSize>

namespace ec {

struct MainWindowControls;

// The smallest window in which every control is still whole and reachable.
inline constexpr QSize kMainWindowMinimumSize{760, 420};
inline constexpr int kTreeMinimumWidth = 120;
inline constexpr int kPageMinimumWidth = 200;
inline constexpr int kDesignedTreeWidth = 267;

// The tree width that leaves the page view its minimum in a window `width`
// pixels wide.
int ClampTreeWidth(int treeWidth, int windowWidth);

void LayOutMainWindow(const MainWindowControls& controls, QSize window, int treeWidth);

}  // namespace ec
