#include "app/splitter_bar.h"

#include <QMouseEvent>

namespace ec {

SplitterBar::SplitterBar(QWidget* parent) : QWidget(parent) { setCursor(Qt::SplitHCursor); }

void SplitterBar::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  pressX_ = qRound(event->globalPosition().x());
  dragging_ = true;
}

void SplitterBar::mouseMoveEvent(QMouseEvent* event) {
  if (dragging_) emit Dragged(qRound(event->globalPosition().x()) - pressX_);
}

void SplitterBar::mouseReleaseEvent(QMouseEvent* event) {
  if (!dragging_ || event->button() != Qt::LeftButton) return QWidget::mouseReleaseEvent(event);
  dragging_ = false;
  emit Released();
}

}  // namespace ec
