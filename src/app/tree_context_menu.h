#pragma once
// The context menu of the declaration tree, on every node and on the empty
// space below them: "与其他模块比较…".

#include <QObject>

class QMenu;
class QPoint;

namespace ec {

class TreeContextMenu : public QObject {
  Q_OBJECT

 public:
  explicit TreeContextMenu(QObject* parent = nullptr);
  ~TreeContextMenu() override;

  QMenu* Menu() const { return menu_; }
  // Shows the menu at `globalPos` without blocking.
  void Popup(const QPoint& globalPos);

 signals:
  void CompareRequested();

 private:
  QMenu* menu_;
};

}  // namespace ec
