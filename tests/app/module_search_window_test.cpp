// The module search window: a run over a folder with its titles and button
// captions, the "全部" rule, a second run served from the cache, stopping,
// double clicks that open a module in the main window, and the controls
// and folder kept between runs of the viewer.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTreeView>

#include "app/search/module_search_window.h"
#include "dirtree/dir_tree_panel.h"
#include "search/names_index.h"
#include "support/file_bytes.h"
#include "support/utf8_path.h"
#include "tests/app/window_fixture.h"
#include "tools/module_writer/large_module.h"

namespace ec::test {
namespace {

class SearchWindowTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    std::filesystem::create_directories(files_.path() / "mods");
    folder_ = Utf8FromPath(files_.path() / "mods");
    CopyOf(SampleModule(), "mods/sample.ec");
    CopyOf(SampleModule(), "mods/second.ec");
    ASSERT_TRUE(WriteFileBytes(files_.path() / "mods" / "broken.ec", "no module at all"));
    ASSERT_TRUE(WriteFileBytes(files_.path() / "mods" / "notes.txt", "取文本"));
    Window().ShowSearchWindow();
    ASSERT_NE(Search(), nullptr);
    ASSERT_TRUE(Search()->Panel().LocatePath(folder_));
  }
  ModuleSearchWindow* Search() { return Window().SearchWindow(); }
  template <typename W>
  W* SearchControl(const char* name) {
    return Search()->findChild<W*>(QString::fromUtf8(name));
  }
  // Types the text, presses "开始搜索" and waits for the run to end.
  void Run(const char* text) {
    SearchControl<QLineEdit>("编辑框查找字符")->setText(QString::fromUtf8(text));
    SearchControl<QPushButton>("按钮开始搜索")->click();
    for (int i = 0; i < 500 && Search()->IsSearching(); ++i) QTest::qWait(10);
    ASSERT_FALSE(Search()->IsSearching());
  }
  // Every node of the results, depth first, as the view lists them opened.
  std::vector<QModelIndex> Nodes() {
    std::vector<QModelIndex> nodes;
    const QAbstractItemModel& model = Search()->Results();
    const auto walk = [&](const auto& self, const QModelIndex parent) -> void {
      for (int row = 0; row < model.rowCount(parent); ++row) {
        const QModelIndex node = model.index(row, 0, parent);
        nodes.push_back(node);
        self(self, node);
      }
    };
    walk(walk, QModelIndex());
    return nodes;
  }
  std::vector<std::string> Texts() {
    std::vector<std::string> texts;
    for (const QModelIndex& node : Nodes()) texts.push_back(node.data().toString().toStdString());
    return texts;
  }
  std::vector<std::string> ModuleNames() {
    std::vector<std::string> modules;
    for (const QModelIndex& node : Nodes())
      if (!node.parent().isValid()) modules.push_back(node.data().toString().toStdString());
    return modules;
  }
  // Makes the node the view's current one, as a click does, and double-clicks it.
  void DoubleClick(const QModelIndex& node) {
    Search()->ResultsView().setCurrentIndex(node);
    Search()->OnResultDoubleClicked();
  }
  std::string folder_;
};

TEST_F(SearchWindowTest, RunListsHitsByModuleAndEndsWithTheFinalTitle) {
  EXPECT_TRUE(Control<QPushButton>("按钮1")->isEnabled());
  EXPECT_EQ(Search()->windowTitle(), QString::fromUtf8(kSearchWindowTitle));
  EXPECT_EQ(Search()->geometry(), QRect(50, 50, 903, 563));
  // "全部" ticked: the six kinds cannot be chosen.
  EXPECT_FALSE(SearchControl<QCheckBox>("选择框类")->isEnabled());
  SearchControl<QCheckBox>("选择框查找全部")->click();
  EXPECT_TRUE(SearchControl<QCheckBox>("选择框类")->isEnabled());
  SearchControl<QCheckBox>("选择框查找全部")->click();

  Run("qwb");
  // Three modules searched (the broken one too), two with 2 hits each; the
  // module that is none is counted in the final title, and named over the results.
  EXPECT_EQ(Search()->windowTitle(), QString::fromUtf8("搜索停止！搜索了 3 个模块，2 个模块中找到 4 个名称。"
                                                       "右击列表中的名称可复制，双击可在主界面打开该模块"
                                                       "（1 个模块未能完整读取，列表见结果区的提示）"));
  const QString firstTitle = Search()->windowTitle();
  const std::string broken = Utf8FromPath(files_.path() / "mods" / "broken.ec") + "：不是易模块文件（头标志1错误）";
  EXPECT_EQ(Search()->DamagedModules(), std::vector<std::string>{broken});
  EXPECT_EQ(SearchControl<QTreeView>("树型框")->toolTip().toStdString(), broken);
  EXPECT_EQ(SearchControl<QPushButton>("按钮开始搜索")->text(), QStringLiteral("开始搜索"));
  const std::vector<std::string> texts = Texts();
  ASSERT_GE(texts.size(), 4u);
  // The two modules in listing order, each with its category and hits; the
  // broken module and the text file give nothing.
  EXPECT_EQ(std::count(texts.begin(), texts.end(), "子程序(2)"), 2);
  EXPECT_EQ(std::count(texts.begin(), texts.end(), "取文本中间"), 2);
  EXPECT_EQ(std::count_if(texts.begin(), texts.end(), [](const std::string& t) { return t == "broken"; }), 0);
  const QModelIndex first = Search()->Results().index(0, 0);
  EXPECT_EQ(first.data(kResultImageRole).toInt(), kKindModule);
  EXPECT_TRUE(first.data(Qt::FontRole).value<QFont>().bold());
  EXPECT_FALSE(Nodes()[1].data(Qt::FontRole).value<QFont>().bold());
  // Modules and categories come opened.
  EXPECT_TRUE(Search()->ResultsView().isExpanded(first));
  EXPECT_TRUE(Search()->ResultsView().isExpanded(Nodes()[1]));

  // The same folder again: nothing is read, the same nodes come back.
  Run("qwb");
  EXPECT_EQ(Search()->ModulesReadByLastRun(), 0u);
  EXPECT_EQ(Texts(), texts);
  EXPECT_EQ(Search()->windowTitle(), firstTitle);

  // A bare class counts one hit; an empty folder still ends with the title.
  Run("类_文本缓冲区");
  const std::vector<std::string> classHits = Texts();
  EXPECT_NE(std::find(classHits.begin(), classHits.end(), "类_文本缓冲区"), classHits.end());
  std::filesystem::create_directories(files_.path() / "empty");
  ASSERT_TRUE(Search()->Panel().LocatePath(Utf8FromPath(files_.path() / "empty")));
  Run("qwb");
  EXPECT_EQ(Search()->Results().rowCount(), 0);
  EXPECT_EQ(Search()->windowTitle(), QString::fromUtf8("没有找到匹配的名称（搜索了 0 个模块）"));
}

TEST_F(SearchWindowTest, DoubleClicksOpenTheModuleAndFindTheName) {
  Run("qwb");
  const std::vector<QModelIndex> nodes = Nodes();
  // A hit: the module is shown and the hit found in its tree.
  ASSERT_GE(nodes.size(), 8u);
  ASSERT_EQ(nodes[2].data().toString(), QStringLiteral("取文本中间"));
  DoubleClick(nodes[2]);
  EXPECT_EQ(std::filesystem::path(Window().Loader().CurrentPath()).filename(),
            std::filesystem::path(nodes[0].data().toString().toStdString() + ".ec"));
  EXPECT_EQ(Window().Tree().Text(Window().Tree().CurrentIndex()), "取文本中间");
  // A category node finds its label without the count.
  DoubleClick(nodes[1]);
  EXPECT_EQ(Control<QLineEdit>("编辑框查找文本")->text(), QStringLiteral("子程序"));
  // The module node opens the second module without a find.
  const QModelIndex second = nodes[nodes.size() - 4];
  ASSERT_FALSE(second.parent().isValid());
  Control<QLineEdit>("编辑框查找文本")->setText(QStringLiteral("unchanged"));
  DoubleClick(second);
  EXPECT_NE(Window().Loader().CurrentPath().find(second.data().toString().toStdString()), std::string::npos);
  EXPECT_EQ(Control<QLineEdit>("编辑框查找文本")->text(), QStringLiteral("unchanged"));
}

// Through the mouse: a right click copies a node's text, a double click
// on a hit opens its module at the declaration.
TEST_F(SearchWindowTest, RightClickCopiesAndDoubleClickOpens) {
  Run("qwb");
  QTreeView& view = Search()->ResultsView();
  const QModelIndex hit =
      Search()->Results().index(1, 0, Search()->Results().index(0, 0, Search()->Results().index(0, 0)));
  ASSERT_EQ(hit.data().toString(), QStringLiteral("快速取文本"));
  for (int i = 0; i < 100 && view.visualRect(hit).isEmpty(); ++i) QTest::qWait(10);
  const QPoint at = view.visualRect(hit).center();
  QApplication::clipboard()->clear();
  // The press makes the node current; the context-menu request the platform
  // sends after it is what copies.
  QTest::mouseClick(view.viewport(), Qt::RightButton, {}, at);
  QContextMenuEvent request(QContextMenuEvent::Mouse, at, view.viewport()->mapToGlobal(at));
  QApplication::sendEvent(view.viewport(), &request);
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("快速取文本"));
  QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, at);
  QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, at);
  EXPECT_EQ(Window().Tree().Text(Window().Tree().CurrentIndex()), "快速取文本");
  EXPECT_EQ(std::filesystem::path(Window().Loader().CurrentPath()).filename(), "sample.ec");
}

// Modules in natural order of their names, the view left at the top however
// many hits arrive, and a run that finds nothing says so.
TEST_F(SearchWindowTest, NaturalOrderTopOfTheViewAndNothingFound) {
  const std::string numbered = Utf8FromPath(files_.path() / "numbered");
  std::filesystem::create_directories(PathFromUtf8(numbered));
  for (const char* name : {"10_x.ec", "2_x.ec", "1_x.ec"}) CopyOf(SampleModule(), std::string("numbered/") + name);
  ASSERT_TRUE(Search()->Panel().LocatePath(numbered));
  Search()->resize(903, 300);
  Run("*");
  EXPECT_EQ(ModuleNames(), (std::vector<std::string>{"1_x", "2_x", "10_x"}));
  QTreeView* tree = SearchControl<QTreeView>("树型框");
  // The view lays its items out when it gets to it.
  for (int i = 0; i < 100 && tree->verticalScrollBar()->maximum() == 0; ++i) QTest::qWait(10);
  ASSERT_GT(tree->verticalScrollBar()->maximum(), 0);  // more hits than the view holds
  EXPECT_EQ(tree->verticalScrollBar()->value(), 0);

  Run("nothing_like_this");
  EXPECT_EQ(Search()->Results().rowCount(), 0);
  EXPECT_EQ(Search()->windowTitle(), QString::fromUtf8("没有找到匹配的名称（搜索了 3 个模块）"));
}

// Beyond the cap on the hits shown the window says how many more it found
// under the results, and the final title still counts them all.
TEST_F(SearchWindowTest, HitsBeyondTheCapAreCountedUnderTheResults) {
  Search()->Results().SetShownLinesCap(3);
  Run("qwb");
  EXPECT_EQ(ModuleNames(), (std::vector<std::string>{"sample", "second"}));
  EXPECT_EQ(Texts().size(), 7u);  // the second module with one of its two hits
  auto* line = SearchControl<QLabel>("标签未显示");
  ASSERT_NE(line, nullptr);
  EXPECT_TRUE(line->isVisibleTo(Search()));
  EXPECT_EQ(line->text(), QStringLiteral("另有 1 处匹配未显示，请缩小搜索范围"));
  EXPECT_LE(Search()->ResultsView().geometry().bottom(), line->geometry().top());
  EXPECT_NE(Search()->windowTitle().indexOf(QStringLiteral("2 个模块中找到 4 个名称")), -1);

  Search()->Results().SetShownLinesCap(kDefaultShownLines);
  Run("qwb");
  EXPECT_EQ(Texts().size(), 8u);
  EXPECT_FALSE(line->isVisibleTo(Search()));
}

// "范围" widens the search to remarks, the remark's line shown under its hit,
// and a double click on it finds the declaration; "含程序(.e)" adds programs.
TEST_F(SearchWindowTest, ScopeShowsWhatMatchedAndProgramsOnlyWhenAsked) {
  CopyOf(SampleModule(), "mods/program.e");
  Run("编码读入");
  EXPECT_EQ(Search()->Results().rowCount(), 0);
  SearchControl<QComboBox>("组合框范围")->setCurrentIndex(1);
  Run("编码读入");
  std::vector<std::string> texts = Texts();
  ASSERT_EQ(texts.size(), 8u);  // two modules: module, category, hit, what matched
  EXPECT_EQ(texts[2], "读入文本文件");
  EXPECT_EQ(texts[3], "备注：以 GBK 编码读入整个文本文件");
  DoubleClick(Nodes()[3]);
  EXPECT_EQ(Window().Tree().Text(Window().Tree().CurrentIndex()), "读入文本文件");

  SearchControl<QCheckBox>("选择框含程序")->click();
  Run("编码读入");
  EXPECT_EQ(Texts().size(), 12u);
  const std::vector<std::string> withPrograms = Texts();
  EXPECT_NE(std::find(withPrograms.begin(), withPrograms.end(), "program"), withPrograms.end());
}

// The names read by one run of the viewer serve the next one; a damaged
// index is ignored, and the title says so.
TEST_F(SearchWindowTest, NamesIndexOutlivesTheViewer) {
  Search()->OnFirstActivation();
  Run("qwb");
  const std::vector<std::string> texts = Texts();
  Search()->close();
  Stop();
  Start();
  Window().ShowSearchWindow();
  Search()->OnFirstActivation();
  ASSERT_TRUE(Search()->Panel().LocatePath(folder_));
  Run("qwb");
  // Only the broken module is read again: the index keeps no damaged module,
  // so the search can say again that it is damaged.
  EXPECT_EQ(Search()->ModulesReadByLastRun(), 1u);
  EXPECT_EQ(Texts(), texts);
  EXPECT_EQ(Search()->DamagedModules().size(), 1u);

  const std::filesystem::path index = DefaultNamesIndexPath();
  Search()->close();
  Stop();
  ASSERT_TRUE(WriteFileBytes(index, "ECNAMES"));
  Start();
  Window().ShowSearchWindow();
  Search()->OnFirstActivation();
  EXPECT_EQ(Search()->windowTitle(), QString::fromUtf8(kIndexIgnoredTitle));
  ASSERT_TRUE(Search()->Panel().LocatePath(folder_));
  Run("qwb");
  EXPECT_EQ(Texts(), texts);
  EXPECT_EQ(Search()->ModulesReadByLastRun(), 3u);  // sample, second and the broken one
}

TEST_F(SearchWindowTest, StopKeepsWhatIsShown) {
  const std::string many = Utf8FromPath(files_.path() / "many");
  std::filesystem::create_directories(PathFromUtf8(many));
  const std::string bytes = writer::LargeModuleBytes({.programSets = 60, .subroutinesPerSet = 50});
  for (int i = 0; i < 40; ++i) ASSERT_TRUE(WriteFileBytes(PathFromUtf8(many + "/m" + std::to_string(i) + ".ec"), bytes));
  ASSERT_TRUE(Search()->Panel().LocatePath(many));
  SearchControl<QLineEdit>("编辑框查找字符")->setText(QStringLiteral("*"));
  QPushButton* start = SearchControl<QPushButton>("按钮开始搜索");
  start->click();
  EXPECT_EQ(start->text(), QStringLiteral("停止搜索"));
  for (int i = 0; i < 500 && Search()->Results().rowCount() == 0; ++i) QTest::qWait(5);
  start->click();
  EXPECT_EQ(start->text(), QStringLiteral("停止中"));
  for (int i = 0; i < 100 && Search()->IsSearching(); ++i) QTest::qWait(10);
  EXPECT_FALSE(Search()->IsSearching());
  EXPECT_EQ(start->text(), QStringLiteral("开始搜索"));
  const int modules = Search()->Results().rowCount();
  EXPECT_GE(modules, 1);
  EXPECT_LT(modules, 40);
}

TEST_F(SearchWindowTest, ControlsAndFolderComeBack) {
  SearchControl<QCheckBox>("选择框查找全部")->click();
  SearchControl<QCheckBox>("选择框常量")->click();
  SearchControl<QLineEdit>("编辑框查找字符")->setText(QStringLiteral("常量_"));
  Search()->close();
  Stop();
  Start();
  Window().ShowSearchWindow();
  Search()->OnFirstActivation();
  EXPECT_FALSE(SearchControl<QCheckBox>("选择框查找全部")->isChecked());
  EXPECT_TRUE(SearchControl<QCheckBox>("选择框常量")->isChecked());
  EXPECT_TRUE(SearchControl<QCheckBox>("选择框常量")->isEnabled());
  EXPECT_EQ(SearchControl<QLineEdit>("编辑框查找字符")->text(), QStringLiteral("常量_"));
  EXPECT_EQ(Search()->Panel().NodePath(), folder_);
  // Only the chosen kinds are searched.
  Run("常量_");
  for (const std::string& text : Texts()) EXPECT_EQ(text.find("子程序"), std::string::npos) << text;
}

}  // namespace
}  // namespace ec::test
