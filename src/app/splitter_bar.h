#pragma once
// The border between the declaration tree and the page view: a bar in the
// gap between them that the mouse drags sideways. Unlike a QSplitter it
// leaves both controls where the window design puts them.

#include <QWidget>

namespace ec {

class SplitterBar : public QWidget {
  Q_OBJECT

 public:
  explicit SplitterBar(QWidget* parent = nullptr);

 signals:
  // The bar was dragged by `dx` pixels since the press (positive: right).
  void Dragged(int dx);
  void Released();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  int pressX_ = 0;
  bool dragging_ = false;
};

}  // namespace ec
