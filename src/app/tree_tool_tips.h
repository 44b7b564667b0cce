#pragma once
// A tree node whose text is cut off at the tree's right edge shows its whole
// text as a tooltip. Nodes with a tooltip of their own keep it.

#include <QObject>

class QTreeWidget;

namespace ec {

class TreeToolTips : public QObject {
  Q_OBJECT

 public:
  // Watches `tree`'s viewport; the tree outlives this object.
  explicit TreeToolTips(QTreeWidget* tree, QObject* parent = nullptr);

  // True when the text of the node at `viewportPos` does not fit.
  bool IsCutOff(const QPoint& viewportPos) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QTreeWidget* tree_;
};

}  // namespace ec
