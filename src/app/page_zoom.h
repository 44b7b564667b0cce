#pragma once
// The zoom of the page and the tree: Ctrl+wheel and Ctrl+= / Ctrl+- / Ctrl+0
// over either, one zoom for both, kept in the settings. While it changes a
// tool tip beside the page says how far.

#include <QFont>
#include <QObject>

class QKeyEvent;
class QTreeWidget;

namespace ec {

class ControlStateStore;
class PageView;

inline constexpr char kZoomKey[] = "页面缩放";

class PageZoom : public QObject {
  Q_OBJECT

 public:
  PageZoom(ControlStateStore& store, PageView* page, QTreeWidget* tree, QObject* parent = nullptr);

  // The zoom the settings keep, applied without a tool tip.
  void Restore();
  void ZoomIn();
  void ZoomOut();
  void ResetZoom();
  void SetPercent(int percent);
  int Percent() const;
  // What the tool tip says at `percent`.
  static QString Caption(int percent);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Apply(int percent);
  bool HandleKey(const QKeyEvent& key);

  ControlStateStore& store_;
  PageView* page_;
  QTreeWidget* tree_;
  QFont treeFont_;  // the tree's font at 100 %
};

}  // namespace ec
