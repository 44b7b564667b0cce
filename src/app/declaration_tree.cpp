#include "app/declaration_tree.h"

#include <QElapsedTimer>

#include <string>
#include <vector>

#include "app/wait_processing_messages.h"
#include "dirtree/treeview/tree_view_helper.h"
#include "render/chinese_numeral.h"
#include "render/node_kind.h"

namespace ec {
namespace {

// Handles pending events while a long list is built, but at most every few
// milliseconds: handling them for each of 100,000 items would cost more than
// building the tree.
class EventPumpThrottle {
 public:
  EventPumpThrottle() { clock_.start(); }
  void Tick() {
    if (clock_.elapsed() < kIntervalMilliseconds) return;
    ProcessPendingEvents();
    clock_.restart();
  }

 private:
  static constexpr qint64 kIntervalMilliseconds = 15;
  QElapsedTimer clock_;
};

std::string Counted(const std::string& caption, size_t count) { return caption + "(" + std::to_string(count) + ")"; }

int Position(size_t zeroBased) { return static_cast<int>(zeroBased + 1); }

// The groups' header nodes and their subroutines all sit directly under the
// category; they go in as one batch, so the tree is walked once, not once per
// group.
void AddSubroutineCategory(TreeViewHelper& tree, const ModuleModel& model) {
  size_t total = 0;
  for (const SubroutineGroup& group : model.subroutineGroups) total += group.subroutines.size();
  if (total == 0) return;
  const int category =
      tree.InsertOne(0, MatchItem{Counted("子程序集合", total), kKindSubroutineCategory, kKindSubroutineCategory, 0});
  std::vector<MatchItem> items;
  items.reserve(total + model.subroutineGroups.size());
  EventPumpThrottle pump;
  int ordinal = 0;
  for (size_t g = 0; g < model.subroutineGroups.size(); ++g) {
    const auto& subroutines = model.subroutineGroups[g].subroutines;
    const std::string header = "第" + ChineseNumeral(static_cast<uint32_t>(g + 1)) + "集";
    items.push_back(MatchItem{Counted(header, subroutines.size()), kKindGroup, kKindGroup, Position(g)});
    for (const Subroutine& sub : subroutines) {
      pump.Tick();
      items.push_back(MatchItem{sub.name, kKindSubroutine, kKindSubroutine, ++ordinal});
    }
  }
  tree.BatchInsert(category, &items);
  tree.Expand(category);
}

template <typename T>
void AddCategory(TreeViewHelper& tree, const std::string& caption, NodeKind kind, const std::vector<T>& list) {
  if (list.empty()) return;
  const int category = tree.InsertOne(0, MatchItem{Counted(caption, list.size()), kind, kind, 0});
  std::vector<MatchItem> items;
  items.reserve(list.size());
  EventPumpThrottle pump;
  for (size_t i = 0; i < list.size(); ++i) {
    pump.Tick();
    items.push_back(MatchItem{list[i].name, kind, kind, Position(i)});
  }
  tree.BatchInsert(category, &items);
  tree.Expand(category);
}

void AddClasses(TreeViewHelper& tree, const ModuleModel& model) {
  int lastClass = -1;
  EventPumpThrottle pump;
  for (size_t c = 0; c < model.classes.size(); ++c) {
    const ClassInfo& cls = model.classes[c];
    ProcessPendingEvents();
    lastClass = tree.InsertOne(0, MatchItem{Counted(cls.name, cls.methods.size()), kKindClass, kKindClass, Position(c)});
    std::vector<MatchItem> methods;
    methods.reserve(cls.methods.size());
    for (size_t m = 0; m < cls.methods.size(); ++m) {
      pump.Tick();
      methods.push_back(MatchItem{cls.methods[m].name, kKindMethod, kKindMethod, Position(m)});
    }
    tree.BatchInsert(lastClass, &methods);
  }
  if (lastClass >= 0) tree.Expand(lastClass);
}

}  // namespace

void FillDeclarationTree(TreeViewHelper& tree, const ModuleModel& model) {
  AddSubroutineCategory(tree, model);
  AddCategory(tree, "API", kKindDllCommands, model.dllCommands);
  AddCategory(tree, "常量", kKindConstants, model.constants);
  AddCategory(tree, "全局变量", kKindGlobals, model.globals);
  AddCategory(tree, "自定义数据类型", kKindDataTypes, model.dataTypes);
  AddClasses(tree, model);
}

}  // namespace ec
