#pragma once
// A right click on a node of the declaration tree copies the node's text,
// as it always has, says so beside the node for a moment, and offers the commands that belong to the node (a
// resource constant can be saved as a file, a data type or class shows its
// uses, "使用处") and those of the whole module
// ("与其他模块比较…", on every node).

#include <QObject>
#include <QPointer>

#include <QString>

#include <functional>
#include <string>

#include "compare/comparison_html.h"

class QLabel;
class QMenu;
class QTimer;
class QPoint;
class QTreeWidget;

namespace ec {

class SelectionPresenter;

class TreeContextMenu : public QObject {
  Q_OBJECT

 public:
  TreeContextMenu(SelectionPresenter& presenter, QTreeWidget* tree, QObject* parent = nullptr);
  ~TreeContextMenu() override;

  // Runs on a right click at `viewportPos` of the tree (the clicked node is
  // already the current one).
  void OnRequested(const QPoint& viewportPos);
  // The menu of the current node; valid until the next BuildMenu.
  QMenu* BuildMenu();
  // The sign that the clipboard now holds the node's text ("已复制：" + text).
  QLabel* CopySign() const { return copySign_; }
  QMenu* Menu() const;
  void SetCopySignMilliseconds(int milliseconds) { copySignMilliseconds_ = milliseconds; }

  // "保存为文件…": asks where, then writes the resource's bytes exactly.
  void SaveResourceWithDialog();
  // Answers where to save (given the suggested file name), "" to cancel;
  // replaces the save dialog (tests).
  using SavePathChooser = std::function<QString(const QString& suggested)>;
  void SetSavePathChooser(SavePathChooser chooser) { chooseSavePath_ = std::move(chooser); }
  bool SaveResourceTo(const std::string& path) const;

 signals:
  void CompareRequested();
  void UsesRequested(const DeclarationLink& target);

 private:
  void ShowCopySign(const QPoint& viewportPos);

  SelectionPresenter& presenter_;
  QTreeWidget* tree_;
  QPointer<QMenu> menu_;
  SavePathChooser chooseSavePath_;
  QLabel* copySign_;
  QTimer* copySignTimer_;
  int copySignMilliseconds_ = 1500;
};

}  // namespace ec
