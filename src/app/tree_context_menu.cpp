#include "app/tree_context_menu.h"

#include <QMenu>

namespace ec {

TreeContextMenu::TreeContextMenu(QObject* parent) : QObject(parent), menu_(new QMenu) {
  connect(menu_->addAction(QStringLiteral("与其他模块比较…")), &QAction::triggered, this,
          &TreeContextMenu::CompareRequested);
}

// A menu without a parent widget is not deleted with the window.
TreeContextMenu::~TreeContextMenu() { delete menu_; }

void TreeContextMenu::Popup(const QPoint& globalPos) { menu_->popup(globalPos); }

}  // namespace ec
