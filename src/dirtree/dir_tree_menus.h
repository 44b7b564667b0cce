#pragma once
// The panel's three popup menus: "本地" for folders, drives and entries,
// "特殊夹" for the roots "我的电脑", "系统夹" and "虚拟夹", and "目录树" for the
// empty space, with its submenu "不显示的节点". Each action carries its
// DirTreeCommand as data; the keys are only shown, the panel handles them.

#include <QObject>

#include <array>

#include "dirtree/core/dir_tree_node_kind.h"
#include "dirtree/core/dir_tree_rules.h"
#include "dirtree/core/tree_settings.h"

class QAction;
class QMenu;
class QWidget;

namespace ec {

class DirTreeMenus : public QObject {
  Q_OBJECT

 public:
  explicit DirTreeMenus(QWidget* owner);
  ~DirTreeMenus() override;

  // The menu of the empty space.
  QMenu* Tree() const { return tree_; }

  // The menu for a node ("本地" or "特殊夹") with its entries set for it.
  QMenu* PrepareFor(const SelectedNode& node);
  void ApplyLocalRules(const LocalMenuRules& rules);
  // "关于 我的电脑" and so on; "清空" only for "虚拟夹".
  void PrepareSpecial(DirTreeNodeKind root);
  void ShowChecks(const HiddenNodeSettings& hidden);

 signals:
  void commandChosen(DirTreeCommand command);
  void hiddenNodeChosen(HiddenNode node);

 private:
  QAction* Add(QMenu* menu, const char* text, DirTreeCommand command, int key = 0);
  void BuildLocal();
  void BuildSpecial();
  void BuildTree();
  // The action of a command in the menu that holds it (nullptr when none).
  static QAction* Find(const QMenu* menu, DirTreeCommand command);
  QAction* LocalAction(DirTreeCommand command) const { return Find(local_, command); }
  QAction* SpecialAction(DirTreeCommand command) const { return Find(special_, command); }

  QMenu* local_;
  QMenu* special_;
  QMenu* tree_;
  QMenu* hiddenNodes_;
  std::array<QAction*, kHiddenNodeCount> hiddenActions_{};
};

}  // namespace ec
