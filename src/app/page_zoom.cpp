#include "app/page_zoom.h"

#include <QKeyEvent>
#include <QToolTip>
#include <QTreeWidget>
#include <QWheelEvent>

#include "app/main_window.h"
#include "app/page_view.h"
#include "render/page_face.h"
#include "settings/control_state_store.h"

namespace ec {

PageZoom::PageZoom(ControlStateStore& store, PageView* page, QTreeWidget* tree, QObject* parent)
    : QObject(parent), store_(store), page_(page), tree_(tree), treeFont_(tree->font()) {
  for (QObject* watched : {static_cast<QObject*>(page_), static_cast<QObject*>(page_->viewport()),
                           static_cast<QObject*>(tree_), static_cast<QObject*>(tree_->viewport())})
    watched->installEventFilter(this);
}

void PageZoom::Restore() {
  store_.SetSection(kMainSection);
  Apply(ClampZoomPercent(static_cast<int>(store_.ReadNumber(kZoomKey, kDefaultZoomPercent))));
}

void PageZoom::ZoomIn() { SetPercent(NextZoomPercent(Percent(), 1)); }
void PageZoom::ZoomOut() { SetPercent(NextZoomPercent(Percent(), -1)); }
void PageZoom::ResetZoom() { SetPercent(kDefaultZoomPercent); }

int PageZoom::Percent() const { return page_->Zoom(); }

QString PageZoom::Caption(int percent) { return QStringLiteral("缩放 %1%").arg(percent); }

void PageZoom::SetPercent(int percent) {
  percent = ClampZoomPercent(percent);
  Apply(percent);
  store_.SetSection(kMainSection);
  store_.WriteNumber(kZoomKey, percent);
  const QPoint corner = page_->mapToGlobal(QPoint(page_->width() / 2, 0));
  QToolTip::showText(corner, Caption(percent), page_);
}

void PageZoom::Apply(int percent) {
  page_->SetZoom(percent);
  QFont font = treeFont_;
  if (treeFont_.pixelSize() > 0) font.setPixelSize(ZoomedPixels(treeFont_.pixelSize(), percent));
  else font.setPointSizeF(treeFont_.pointSizeF() * percent / 100.0);
  tree_->setFont(font);
  // Taller rows push the current node out of view otherwise.
  if (tree_->currentItem() != nullptr) tree_->scrollToItem(tree_->currentItem());
}

bool PageZoom::HandleKey(const QKeyEvent& key) {
  if (!(key.modifiers() & Qt::ControlModifier)) return false;
  switch (key.key()) {
    case Qt::Key_Equal:
    case Qt::Key_Plus:
      ZoomIn();
      return true;
    case Qt::Key_Minus:
      ZoomOut();
      return true;
    case Qt::Key_0:
      ResetZoom();
      return true;
    default:
      return false;
  }
}

bool PageZoom::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && HandleKey(*static_cast<QKeyEvent*>(event))) return true;
  if (event->type() == QEvent::Wheel) {
    const auto* wheel = static_cast<QWheelEvent*>(event);
    if (wheel->modifiers() & Qt::ControlModifier) {
      const int delta = wheel->angleDelta().y();
      if (delta > 0) ZoomIn();
      if (delta < 0) ZoomOut();
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace ec
