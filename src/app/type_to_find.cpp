#include "app/type_to_find.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QTreeWidget>

namespace ec {
namespace {

// Printable text typed without a command modifier; blanks count, because
// names never start with one but a user may type them between words.
bool IsTyping(const QKeyEvent& key) {
  if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
  const QString text = key.text();
  return !text.isEmpty() && text.at(0).isPrint();
}

}  // namespace

TypeToFind::TypeToFind(QTreeWidget* tree, QLineEdit* findBox, QObject* parent)
    : QObject(parent), tree_(tree), findBox_(findBox) {
  tree_->installEventFilter(this);
}

// The first character replaces what the box held (the hint, or the last
// find); the box keeps the focus, so the next characters are typed there.
bool TypeToFind::eventFilter(QObject* watched, QEvent* event) {
  if (watched == tree_ && event->type() == QEvent::KeyPress) {
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (IsTyping(key)) {
      findBox_->setFocus(Qt::ShortcutFocusReason);
      findBox_->setText(key.text());
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace ec
