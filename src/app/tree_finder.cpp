#include "app/tree_finder.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTreeWidget>

#include <algorithm>
#include <optional>

#include "app/wait_processing_messages.h"
#include "dirtree/treeview/tree_view_helper.h"
#include "search/name_matcher.h"
#include "support/plain_text.h"
#include "support/regex_matcher.h"

namespace ec {

namespace {

// Tests node texts against one find text. UTF-8 never has a character
// start inside another one, so a byte search matches whole characters only.
class NodeTextMatcher {
 public:
  NodeTextMatcher(const std::string& findText, int matchMode) : plain_(matchMode == kFindPlain) {
    if (matchMode == kFindPinyin) {
      pinyin_.emplace(findText);
      return;
    }
    if (plain_) {
      folded_ = LowerAscii(findText);
      return;
    }
    const std::string pattern = matchMode == kFindWildcard ? WildcardToPattern(findText) : findText;
    usable_ = regex_.CreateMatcher(pattern, /*ignore_case=*/true, /*multi_line=*/true, /*global=*/false);
  }

  bool Usable() const { return plain_ || pinyin_ || usable_; }

  bool Matches(const std::string& text) {
    if (pinyin_) return pinyin_->MatchName(text);
    if (plain_) {
      if (folded_.empty()) return !text.empty();
      return LowerAscii(text).find(folded_) != std::string::npos;
    }
    return regex_.MatchCount(text) > 0;
  }

 private:
  bool plain_;
  bool usable_ = false;
  std::string folded_;
  RegexMatcher regex_;
  std::optional<NameMatcher> pinyin_;
};

struct Range {
  int from;
  int to;  // inclusive; the walk is empty when it lies behind `from`
};

std::optional<int> WalkRange(TreeViewHelper& tree, NodeTextMatcher& matcher, Range range, bool forward,
                             const std::function<void()>& processEvents) {
  const auto pump = [&processEvents] {
    if (processEvents) processEvents();
  };
  pump();
  const int step = forward ? 1 : -1;
  for (int p = range.from; forward ? p <= range.to : p >= range.to; p += step) {
    pump();
    if (matcher.Matches(tree.Text(p))) return p;
  }
  return std::nullopt;
}

}  // namespace

int FindInTree(TreeViewHelper& tree, int selectedIndex, const std::string& findText, int matchMode, bool forward,
               const std::function<void()>& processEvents) {
  NodeTextMatcher matcher(findText, matchMode);
  if (!matcher.Usable()) return kFindBadPattern;
  const int count = tree.Count();
  const int s = selectedIndex;
  const Range first = forward ? Range{s + 1, count - 1} : Range{s - 1, 0};
  if (auto hit = WalkRange(tree, matcher, first, forward, processEvents)) return *hit;
  // The second pass wraps to the other end and ends on the selected node.
  Range second = first;
  if (forward && s >= 0) second = Range{0, s};
  if (!forward && s < count) second = Range{count - 1, std::max(s, 0)};
  if (auto hit = WalkRange(tree, matcher, second, forward, processEvents)) return *hit;
  return -1;
}

int RunTreeFind(const TreeFindBar& bar, TreeViewHelper& tree, bool forward) {
  // The window may close while events are handled during the find.
  QPointer<QPushButton> button = forward ? bar.nextButton : bar.previousButton;
  const QString caption = forward ? QStringLiteral("下一个") : QStringLiteral("上一个");
  if (button) button->setText(QStringLiteral("寻找中.."));
  const std::string findText = bar.findBox != nullptr ? bar.findBox->text().toStdString() : std::string();
  const int mode = bar.modeBox != nullptr ? bar.modeBox->currentIndex() : kFindRegex;
  const int found = FindInTree(tree, tree.CurrentIndex(), findText, mode, forward, ProcessPendingEvents);
  const bool selected = found >= 0 && tree.Select(found);
  if (selected) {
    tree.Tree()->setFocus();
  } else if (button) {
    button->setText(found == kFindBadPattern ? QStringLiteral("表达式有误") : QStringLiteral("找不到"));
    WaitProcessingMessages(bar.notFoundMilliseconds);
  }
  if (button) button->setText(caption);
  return selected ? found : -1;
}

}  // namespace ec
