#pragma once
// Typing while the declaration tree has the focus goes into the find box
// instead of jumping to the next node by its first letter, the way the
// best file and code browsers do it.

#include <QObject>

class QLineEdit;
class QTreeWidget;

namespace ec {

class TypeToFind : public QObject {
  Q_OBJECT

 public:
  // Watches `tree`'s key presses; both outlive this object.
  TypeToFind(QTreeWidget* tree, QLineEdit* findBox, QObject* parent = nullptr);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QTreeWidget* tree_;
  QLineEdit* findBox_;
};

}  // namespace ec
