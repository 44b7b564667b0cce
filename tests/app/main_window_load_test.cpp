// Loading modules into the main window: the declaration tree, the summary
// page, and the requests that must change nothing.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTreeWidget>

#include <filesystem>
#include <tuple>
#include <vector>

#include "app/page_view.h"
#include "app/same_folder_menu.h"
#include "render/summary_page.h"
#include "support/file_bytes.h"
#include "support/utf8_path.h"
#include "tests/app/window_fixture.h"
#include "tests/support/corpus.h"
#include "tools/module_writer/large_module.h"
#include "tools/module_writer/module_writer.h"

namespace ec::test {

using namespace ec::writer;
namespace {

struct Node {
  std::string text;
  int kind;
  int itemData;
  int depth;
  bool operator==(const Node&) const = default;
};

void PrintTo(const Node& n, std::ostream* os) { *os << n.text << " kind " << n.kind << " data " << n.itemData << " depth " << n.depth; }

std::vector<Node> TreeNodes(TreeViewHelper& tree) {
  std::vector<Node> nodes;
  for (int i = 0; i < tree.Count(); ++i) nodes.push_back({tree.Text(i), tree.Image(i), tree.ItemData(i), tree.Depth(i)});
  return nodes;
}

using LoadTest = WindowTest;
using RefusedPathTest = ShownWindowTest;

TEST_F(LoadTest, SampleModuleBuildsTheDeclarationTree) {
  Window().loadModule(CopyOf(SampleModule(), "sample.ec"));
  TreeViewHelper& tree = Window().Tree();
  const std::vector<Node> expected = {
      {"澜禾·易模块", kKindModule, 0, 1},
      {"子程序集合(9)", kKindSubroutineCategory, 0, 2},
      {"第一集(4)", kKindGroup, 1, 3},
      {"取文本中间", kKindSubroutine, 1, 3},
      {"快速取文本", kKindSubroutine, 2, 3},
      {"分割文本到数组", kKindSubroutine, 3, 3},
      {"内部_清理空白", kKindSubroutine, 4, 3},
      {"第二集(3)", kKindGroup, 2, 3},
      {"读入文本文件", kKindSubroutine, 5, 3},
      {"写出文本文件", kKindSubroutine, 6, 3},
      {"内部_确认目录", kKindSubroutine, 7, 3},
      {"第三集(1)", kKindGroup, 3, 3},
      {"取类型名称", kKindSubroutine, 8, 3},
      {"第四集(1)", kKindGroup, 4, 3},
      {"未归属子程序", kKindSubroutine, 9, 3},
      {"API(3)", kKindDllCommands, 0, 2},
      {"信息框_API", kKindDllCommands, 1, 3},
      {"取启动时间", kKindDllCommands, 2, 3},
      {"复制内存", kKindDllCommands, 3, 3},
      {"常量(9)", kKindConstants, 0, 2},
      {"常量_圆周率", kKindConstants, 1, 3},
      {"常量_最大行数", kKindConstants, 2, 3},
      {"常量_调试模式", kKindConstants, 3, 3},
      {"常量_发布日期", kKindConstants, 4, 3},
      {"常量_换行符", kKindConstants, 5, 3},
      {"常量_作者", kKindConstants, 6, 3},
      {"常量_空值", kKindConstants, 7, 3},
      {"图标数据", kKindConstants, 8, 3},
      {"提示音", kKindConstants, 9, 3},
      {"全局变量(3)", kKindGlobals, 0, 2},
      {"集_默认编码", kKindGlobals, 1, 3},
      {"集_缓冲表", kKindGlobals, 2, 3},
      {"集_上次错误", kKindGlobals, 3, 3},
      {"自定义数据类型(2)", kKindDataTypes, 0, 2},
      {"坐标", kKindDataTypes, 1, 3},
      {"文件记录", kKindDataTypes, 2, 3},
      {"类_文本缓冲区(3)", kKindClass, 1, 2},
      {"追加", kKindMethod, 1, 3},
      {"取内容", kKindMethod, 2, 3},
      {"清空", kKindMethod, 3, 3},
  };
  EXPECT_EQ(TreeNodes(tree), expected);
  // Selected and normal pictures are the node's kind.
  for (int i = 0; i < tree.Count(); ++i) EXPECT_EQ(tree.SelectedImage(i), tree.Image(i)) << i;

  // The root, every category and the last class are open; the root is selected
  // and shows the summary, without the remark section after "@备注".
  for (int open : {0, 1, 15, 19, 29, 33, 36}) EXPECT_TRUE(tree.Item(open)->isExpanded()) << open;
  EXPECT_EQ(tree.CurrentIndex(), 0);
  EXPECT_EQ(Window().Loader().Model().info.remarks, "处理文本、读写文件的常用子程序与一个文本缓冲区类。\r\n适合初学者阅读。");
  EXPECT_EQ(Window().Loader().SummaryPage(), BuildSummaryPage(Window().Loader().Model()));
  EXPECT_EQ(Window().Page()->Page(), Window().Loader().SummaryPage());
  EXPECT_NE(Window().Loader().SummaryPage().find("系统核心支持库(krnln)<br>"), std::string::npos);
  EXPECT_EQ(Window().Loader().SummaryPage().find("@备注"), std::string::npos);
}

TEST_F(LoadTest, GroupNumbersAndRunningNumbersContinueAcrossGroups) {
  const std::string path = files_.File("sets.ec");
  ASSERT_TRUE(WriteFileBytes(path, LargeModuleBytes({.programSets = 12, .subroutinesPerSet = 3, .parametersPerSubroutine = 1})));
  Window().loadModule(path);
  const ModuleModel& model = Window().Loader().Model();
  ASSERT_GE(model.subroutineGroups.size(), 11u);
  TreeViewHelper& tree = Window().Tree();
  // Walk the category: each group header is followed by its subroutines.
  int index = 2;
  int ordinal = 0;
  const char* numerals[] = {"一", "二", "三", "四", "五", "六", "七", "八", "九", "十", "十一", "十二"};
  for (size_t g = 0; g < model.subroutineGroups.size(); ++g) {
    const auto& subs = model.subroutineGroups[g].subroutines;
    EXPECT_EQ(tree.Text(index), std::string("第") + numerals[g] + "集(" + std::to_string(subs.size()) + ")");
    EXPECT_EQ(tree.ItemData(index), static_cast<int>(g + 1));
    EXPECT_EQ(tree.Parent(index), 1);
    ++index;
    for (const Subroutine& sub : subs) {
      EXPECT_EQ(tree.Text(index), sub.name);
      EXPECT_EQ(tree.ItemData(index), ++ordinal);
      EXPECT_EQ(tree.Parent(index), 1);
      ++index;
    }
  }
}

TEST_F(LoadTest, RequestsThatChangeNothing) {
  QLineEdit* pathBox = Control<QLineEdit>("编辑框模块文件");
  // Enter with the designed sentence: no such file, and no module to go back to.
  Window().Opener().OnPathBoxEnter();
  EXPECT_EQ(Window().Loader().CurrentPath(), "");
  EXPECT_EQ(Window().Loader().OpenProblem(), "");  // the sentence is no path to complain of
  EXPECT_EQ(Window().Tree().Count(), 0);
  EXPECT_EQ(pathBox->text().toStdString().substr(0, 6), "这是");

  const std::string sample = CopyOf(SampleModule(), "sample.ec");
  Window().loadModule(sample);
  ASSERT_EQ(Window().Loader().CurrentPath(), sample);
  const int nodes = Window().Tree().Count();
  Window().Tree().Select(5);
  const std::string page = Window().Page()->Page();

  // The same path again, a missing file, a folder, an empty file and a file
  // that is no module leave tree, page and model alone; the path box keeps
  // what was asked for, so a typo can be corrected.
  const std::string missing = files_.File("missing.ec"), folder = files_.path().string();
  const std::string empty = files_.File("empty.ec"), junk = files_.File("junk.ec");
  ASSERT_TRUE(WriteFileBytes(empty, ""));
  ASSERT_TRUE(WriteFileBytes(junk, "this is no module at all"));
  for (const std::string& request : {sample, missing, folder, empty, junk}) {
    Window().loadModule(request);
    EXPECT_EQ(Window().Loader().CurrentPath(), sample);
    EXPECT_EQ(Window().Tree().Count(), nodes);
    EXPECT_EQ(Window().Tree().CurrentIndex(), 5);
    EXPECT_EQ(Window().Tree().Text(0), "澜禾·易模块");
    EXPECT_EQ(Window().Page()->Page(), page);
    EXPECT_EQ(pathBox->text().toStdString(), request);
  }
  EXPECT_EQ(Window().Loader().OpenProblem(), "未能打开 " + junk + "：不是易模块文件（头标志1错误）");
  Window().SaveState();
  viewer_->Store().SetSection("主界面");
  EXPECT_EQ(viewer_->Store().ReadText("编辑框模块文件", ""), sample);
}

std::string RootToolTip(TreeViewHelper& tree) { return tree.Item(0)->toolTip(0).toStdString(); }

// What the user sees of a refused path: the message line above the page
// with the path and the reason, until a module opens; Esc in the path box
// puts back the module shown; refused paths never become recent modules.
TEST_F(RefusedPathTest, TheMessageLineSaysWhyAndTheTypedPathStaysToBeCorrected) {
  auto* pathBox = Control<QLineEdit>("编辑框模块文件");
  auto* line = Control<QLabel>("标签打开问题");
  const std::string sample = CopyOf(SampleModule(), "sample.ec");
  Window().loadModule(sample);
  EXPECT_TRUE(line->isHidden());
  const int pageTop = Window().Page()->y();

  const std::string locked = files_.File("locked.ec"), empty = files_.File("empty.ec");
  ASSERT_TRUE(WriteFileBytes(locked, "WTLE" + std::string(36, '\0') + "encoded!"));
  ASSERT_TRUE(WriteFileBytes(empty, ""));
  const std::pair<std::string, std::string> refused[] = {{files_.File("sampel.ec"), "没有这个文件"},
                                                         {files_.path().string(), "这是文件夹，不是模块"},
                                                         {empty, "文件是空的（0 字节），不是易模块（头标志1错误）"},
                                                         {locked, "此模块已加密，无法查看"}};
  for (const auto& [path, why] : refused) {
    pathBox->selectAll();
    QTest::keyClicks(pathBox, QString::fromStdString(path));
    QTest::keyClick(pathBox, Qt::Key_Return);
    EXPECT_FALSE(line->isHidden()) << path;
    EXPECT_EQ(line->text().toStdString(), "未能打开 " + path + "：" + why);
    EXPECT_EQ(pathBox->text().toStdString(), path);
    EXPECT_EQ(Window().Loader().CurrentPath(), sample);
  }
  EXPECT_GT(Window().Page()->y(), line->geometry().bottom());
  EXPECT_LE(line->y(), pageTop);

  QTest::keyClick(pathBox, Qt::Key_Escape);
  EXPECT_EQ(pathBox->text().toStdString(), sample);
  // Correcting the path opens the module and the line goes.
  const std::string other = CopyOf(SampleModule(), "other.ec");
  pathBox->selectAll();
  QTest::keyClicks(pathBox, QString::fromStdString(other));
  QTest::keyClick(pathBox, Qt::Key_Return);
  EXPECT_EQ(Window().Loader().CurrentPath(), other);
  EXPECT_TRUE(line->isHidden());
  EXPECT_EQ(Window().Page()->y(), pageTop);

  SameFolderMenu& menu = Window().Opener().Menu();
  menu.Build(other);
  QStringList recent;
  for (int row = 0; row < menu.List()->count(); ++row) recent.append(menu.List()->item(row)->toolTip());
  EXPECT_TRUE(recent.contains(QString::fromStdString(sample)));
  EXPECT_FALSE(recent.contains(QString::fromStdString(empty)));
  EXPECT_FALSE(recent.contains(QString::fromStdString(locked)));
}

// `ecview MISSING.ec`: the window opens and the message line names the path.
TEST_F(LoadTest, AMissingModuleOnTheCommandLineOpensTheWindowWithTheMessageLine) {
  const std::string missing = files_.File("missing.ec");
  Start(missing);
  Window().show();
  Window().OnFirstActivation();
  auto* line = Control<QLabel>("标签打开问题");
  EXPECT_TRUE(Window().isVisible());
  EXPECT_FALSE(line->isHidden());
  EXPECT_EQ(line->text().toStdString(), "未能打开 " + missing + "：没有这个文件");
  EXPECT_EQ(Control<QLineEdit>("编辑框模块文件")->text().toStdString(), missing);
}

TEST_F(LoadTest, ACutModuleShowsWhatWasReadAndSaysItIsCut) {
  const std::string whole = ReadFileBytes(SampleModule()).value_or("");
  const std::string cut = files_.File("cut.ec");
  ASSERT_TRUE(WriteFileBytes(cut, whole.substr(0, whole.size() - 150)));
  Window().loadModule(cut);
  EXPECT_GT(Window().Tree().Count(), 1);  // the declarations before the cut
  const std::vector<std::string>& problems = Window().Loader().Model().outcome.problems;
  ASSERT_EQ(problems.size(), 1u);
  const std::string& problem = problems[0];
  std::string size = std::to_string(whole.size() - 150);  // as the text groups it: 4,592
  if (size.size() > 3) size.insert(size.size() - 3, ",");
  EXPECT_EQ(problem.rfind("模块在第 " + size + " 字节处被截断", 0), 0u) << problem;
  EXPECT_NE(Window().Page()->Page().find(problem), std::string::npos);
  EXPECT_NE(RootToolTip(Window().Tree()).find(problem), std::string::npos);
  // The next, intact module clears the warning.
  Window().loadModule(CopyOf(SampleModule(), "sample.ec"));
  EXPECT_EQ(RootToolTip(Window().Tree()), "");
  EXPECT_EQ(Window().Page()->Page().find("被截断"), std::string::npos);
}

// The viewer repairs check values only in a file it may write, and the mode
// bits decide, not whether an open for writing succeeds: the tests run as
// root, who may open any file. The same module, writable, is repaired, so
// the read-only one would have been written had the viewer asked the open.
TEST_F(LoadTest, AModuleMarkedReadOnlyIsNeverRepairedEvenByRoot) {
  ProgramSegment program;
  SubroutineRecord sub;
  sub.entry.key = 0x04000001;
  sub.name = G("子程序");
  program.subroutines.push_back(sub);
  SegmentToWrite segment = Segment("程序段", ProgramSegmentBlock(program));
  segment.wrongDataCheck = true;
  const std::string bytes = ModuleWriter().Add(segment).Build();
  namespace fs = std::filesystem;
  for (const bool readOnly : {false, true}) {
    SCOPED_TRACE(readOnly ? "0444" : "0644");
    const std::string path = files_.File(readOnly ? "read-only.ec" : "writable.ec");
    ASSERT_TRUE(WriteFileBytes(path, bytes));
    fs::permissions(PathFromUtf8(path), readOnly
                                            ? fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read
                                            : fs::perms::owner_read | fs::perms::owner_write);
    Window().loadModule(path);
    ASSERT_EQ(Window().Loader().CurrentPath(), path);
    const ReadOutcome& outcome = Window().Loader().Model().outcome;
    EXPECT_FALSE(outcome.checksMatch);
    EXPECT_EQ(outcome.repairedSegments, readOnly ? 0 : 1);
    if (readOnly) EXPECT_EQ(ReadFileBytes(PathFromUtf8(path)), bytes);
    else EXPECT_NE(ReadFileBytes(PathFromUtf8(path)), bytes);
  }
}

TEST_F(LoadTest, EveryCorpusModuleShowsItsDeclarations) {
  EC_SKIP_WITHOUT_CORPUS();
  for (const auto& entry : std::filesystem::directory_iterator(test::CorpusDir())) {
    if (entry.path().extension() != ".ec" && entry.path().extension() != ".e") continue;
    const std::string path = CopyOf(entry.path().string(), entry.path().filename().string());
    Window().loadModule(path);
    EXPECT_EQ(Window().Loader().CurrentPath(), path);
    const ModuleModel& model = Window().Loader().Model();
    TreeViewHelper& tree = Window().Tree();
    size_t expected = 1 + model.classes.size();
    size_t subroutines = 0;
    for (const auto& group : model.subroutineGroups) subroutines += group.subroutines.size();
    if (subroutines > 0) expected += 1 + model.subroutineGroups.size() + subroutines;
    for (size_t n : {model.dllCommands.size(), model.constants.size(), model.globals.size(), model.dataTypes.size()})
      if (n > 0) expected += 1 + n;
    for (const auto& cls : model.classes) expected += cls.methods.size();
    EXPECT_EQ(static_cast<size_t>(tree.Count()), expected) << path;
    if (entry.path().extension() == ".ec") {
      EXPECT_GT(tree.Count(), 1) << path;
    }
    EXPECT_EQ(tree.Text(0), "澜禾·易模块");
    // Every node shows a page without trouble.
    for (int i = 0; i < tree.Count(); ++i) tree.Select(i);
  }
}

TEST_F(LoadTest, LoadRequestedDuringALoadIsIgnored) {
  const std::string first = CopyOf(SampleModule(), "first.ec");
  const std::string second = CopyOf(SampleModule(), "second.ec");
  // The root node appears before the analysis; a request arriving from an
  // event handled then must not start a second load.
  bool requested = false;
  QObject::connect(Window().Tree().Tree()->model(), &QAbstractItemModel::rowsInserted, &Window(), [&] {
    if (requested) return;
    requested = true;
    EXPECT_TRUE(Window().Loader().IsLoading());
    Window().loadModule(second);
  });
  Window().loadModule(first);
  EXPECT_TRUE(requested);
  EXPECT_EQ(Window().Loader().CurrentPath(), first);
  EXPECT_EQ(Window().Tree().Text(0), "澜禾·易模块");
  EXPECT_FALSE(Window().Loader().IsLoading());
}

}  // namespace
}  // namespace ec::test
