#pragma once
// Finding nodes of a tree by their text: the find bar of the main window.

#include <functional>
#include <string>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace ec {

class TreeViewHelper;

// Match modes, as the positions of the find bar's mode box.
inline constexpr int kFindPlain = 0;
inline constexpr int kFindWildcard = 1;
inline constexpr int kFindRegex = 2;  // so is any value not named here
inline constexpr int kFindPinyin = 3;

// What FindInTree answers when the find text is no valid expression.
inline constexpr int kFindBadPattern = -2;

// The index of the next (or previous) node after `selectedIndex` (-1 when
// nothing is selected) whose text matches `findText`, wrapping round once and
// ending on the selected node itself; -1 when nothing matches.
//   plain: `findText` occurs in the text, ASCII letters without regard to
//          case; an empty find text matches any non-empty text;
//   wildcard: "*" and "?" as in file names, found anywhere in the text;
//   pinyin: as the module search matches names: the text anywhere, ignoring
//          case, or the pinyin initials of Chinese characters ("qwb" finds
//          取文本), or a wildcard pattern;
//   otherwise: a regular expression, ignoring case, found anywhere; an
//          invalid expression (or wildcard) answers kFindBadPattern.
// `processEvents` (may be empty) runs before every node, so the window stays
// responsive; the tree may change meanwhile, which the walk tolerates.
int FindInTree(TreeViewHelper& tree, int selectedIndex, const std::string& findText, int matchMode, bool forward,
               const std::function<void()>& processEvents);

// The find bar's controls.
struct TreeFindBar {
  QLineEdit* findBox = nullptr;
  QComboBox* modeBox = nullptr;
  QPushButton* nextButton = nullptr;
  QPushButton* previousButton = nullptr;
  // How long "找不到" stays on the button.
  int notFoundMilliseconds = 1000;
};

// The whole button flow: "寻找中.." on the button of the direction, the find
// from the tree's current node, then either the match selected (with its
// branch expanded, scrolled to, and the keyboard focus in the tree) or
// "找不到" for a while ("表达式有误" when the find text is no valid
// expression: it must not read as "no match"); finally the button's own
// caption again. Answers the matched index or -1.
int RunTreeFind(const TreeFindBar& bar, TreeViewHelper& tree, bool forward);

}  // namespace ec
