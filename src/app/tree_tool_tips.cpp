#include "app/tree_tool_tips.h"

#include <QHelpEvent>
#include <QStyle>
#include <QToolTip>
#include <QTreeWidget>

#include <algorithm>

namespace ec {

TreeToolTips::TreeToolTips(QTreeWidget* tree, QObject* parent) : QObject(parent), tree_(tree) {
  tree_->viewport()->installEventFilter(this);
}

bool TreeToolTips::IsCutOff(const QPoint& viewportPos) const {
  const QTreeWidgetItem* item = tree_->itemAt(viewportPos);
  if (item == nullptr) return false;
  const QRect cell = tree_->visualItemRect(item);
  // The text starts after the icon and the item's padding.
  const int icon = tree_->iconSize().isValid() ? tree_->iconSize().width()
                                               : tree_->style()->pixelMetric(QStyle::PM_SmallIconSize);
  const int textLeft = cell.left() + icon + 2 * tree_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 4;
  const int textRight = textLeft + tree_->fontMetrics().horizontalAdvance(item->text(0));
  return textRight > std::min(cell.right(), tree_->viewport()->width());
}

bool TreeToolTips::eventFilter(QObject* watched, QEvent* event) {
  // The type first: while the tree is being destroyed its viewport still
  // sends events, and the tree must not be called then.
  if (event->type() != QEvent::ToolTip || watched != tree_->viewport()) return QObject::eventFilter(watched, event);
  const auto* help = static_cast<QHelpEvent*>(event);
  const QTreeWidgetItem* item = tree_->itemAt(help->pos());
  if (item == nullptr || !item->toolTip(0).isEmpty()) return QObject::eventFilter(watched, event);
  if (IsCutOff(help->pos())) {
    QToolTip::showText(help->globalPos(), item->text(0), tree_->viewport());
  } else {
    QToolTip::hideText();
  }
  return true;
}

}  // namespace ec
