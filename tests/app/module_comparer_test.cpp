// Comparing the module shown with an older version, offscreen: the tree's
// menu, the report on the page, its links into the tree, an unreadable file.
#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QMenu>
#include <QScrollBar>
#include <QTest>
#include <QThread>
#include <QTreeWidget>
#include <QUrl>

#include <filesystem>

#include "app/module_comparer.h"
#include "app/page_view.h"
#include "app/tree_context_menu.h"
#include "support/file_bytes.h"
#include "tests/app/window_fixture.h"
#include "tools/module_writer/module_writer.h"

namespace ec::test {
namespace {

class ComparerTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    Window().loadModule(CopyOf(SampleModule(), "sample.ec"));
    ASSERT_EQ(Window().Tree().Count(), 40);
  }

  // An older version of the sample: 取文本中间 returned a number, 旧子程序
  // is gone since. Its program segment's check value is wrong, which a
  // writing reader would repair.
  std::string OldVersion() {
    ProgramSegment program;
    ClassRecord set;
    set.entry.key = 0x09000001;
    for (auto [key, name] : {std::pair{0x04000001, "取文本中间"}, std::pair{0x04000002, "旧子程序"}}) {
      SubroutineRecord s;
      s.entry.key = key;
      s.attributes = SubroutineRecord::kPublic;
      s.name = writer::G(name);
      s.returnTypeCode = static_cast<int32_t>(0x80000301);
      set.memberKeys.push_back(key);
      program.subroutines.push_back(std::move(s));
    }
    program.classes.push_back(std::move(set));
    auto segment = writer::Segment("程序段", writer::ProgramSegmentBlock(program));
    segment.wrongDataCheck = true;
    const std::string path = files_.File("old.ec");
    EXPECT_TRUE(WriteFileBytes(path, writer::ModuleWriter().Add(segment).Build()));
    return path;
  }

  const std::string& ReportAfter(const std::function<void()>& start) {
    start();
    for (int i = 0; i < 1000 && Window().Comparer().IsComparing(); ++i) {
      QCoreApplication::processEvents();
      QThread::msleep(5);
    }
    EXPECT_FALSE(Window().Comparer().IsComparing());
    return Window().Page()->Page();
  }
  void Click(const char* href) { emit Window().Page()->anchorClicked(QUrl(QString::fromUtf8(href))); }
};

TEST_F(ComparerTest, TheTreeMenuShowsTheReportWhoseNamesSelectTheirNodes) {
  const std::string old = OldVersion();
  const std::optional<std::string> bytes = ReadFileBytes(old);
  std::string asked;
  Window().Comparer().SetFileChooser([&](const std::string& folder) {
    asked = folder;
    return old;
  });
  // A right click still copies the selected node's text, and offers the menu.
  Window().Tree().Select(3);
  emit Control<QTreeWidget>("树型框")->customContextMenuRequested(QPoint(5, 5));
  QMenu* menu = Window().ContextMenu().BuildMenu();
  EXPECT_EQ(Clipboard(), "取文本中间");
  ASSERT_EQ(menu->actions().size(), 1);
  EXPECT_EQ(menu->actions()[0]->text().toStdString(), "与其他模块比较…");
  const std::string& page = ReportAfter([&] { menu->actions()[0]->trigger(); });
  EXPECT_EQ(asked, files_.path().string());
  EXPECT_NE(page.find("<h2>模块比较</h2>"), std::string::npos) << page.substr(0, 300);
  EXPECT_NE(page.find("删除</span></b> <span style=\"color:#0000AD;\">旧子程序"), std::string::npos);
  EXPECT_NE(page.find("<a href=\"ecview-declaration:subroutine/0/0\">"), std::string::npos);
  EXPECT_EQ(ReadFileBytes(old), bytes);  // never repaired

  // The changed subroutine, a method and a constant of the module shown.
  Click("ecview-declaration:subroutine/0/0");
  EXPECT_EQ(Window().Tree().CurrentIndex(), 3);
  EXPECT_EQ(Window().Presenter().Selection().subroutine.name, "取文本中间");
  Click("ecview-declaration:method/0/1");
  EXPECT_EQ(Window().Tree().CurrentIndex(), 38);
  EXPECT_EQ(Window().Presenter().Selection().method.name, Window().Loader().Model().classes[0].methods[1].name);
  Click("ecview-declaration:constant/0/2");
  EXPECT_EQ(Window().Tree().CurrentIndex(), 22);
  Click("ecview-declaration:constant/0/999");  // no such constant: nothing happens
  Click("https://example.com/");
  EXPECT_EQ(Window().Tree().CurrentIndex(), 22);

  // Cancelling the dialog leaves the page alone.
  Window().Comparer().SetFileChooser([](const std::string&) { return std::string(); });
  const std::string before = Window().Page()->Page();
  menu->actions()[0]->trigger();
  EXPECT_FALSE(Window().Comparer().IsComparing());
  EXPECT_EQ(Window().Page()->Page(), before);
}

TEST_F(ComparerTest, AnUnreadableFileSaysWhyAndAnotherModuleReplacesTheReport) {
  const std::string bad = files_.File("bad.ec");
  ASSERT_TRUE(WriteFileBytes(bad, "CNWTXXXX"));
  const std::string& page = ReportAfter([&] { Window().Comparer().CompareWith(bad); });
  EXPECT_NE(page.find("无法比较"), std::string::npos) << page;
  EXPECT_NE(page.find("头标志2错误"), std::string::npos) << page;

  ReportAfter([&] { Window().Comparer().CompareWith(OldVersion()); });
  Window().loadModule(CopyOf(SampleModule(), "sample2.ec"));
  EXPECT_EQ(Window().Page()->Page(), Window().Loader().SummaryPage());
}

// The report is a page of the history: Back from a declaration reached from
// it shows it again where it was scrolled to, without reading the other
// file again (it is gone by then), and Back once more reaches the node before.
TEST_F(ComparerTest, BackFromADeclarationReturnsToTheReportWhereItWasScrolled) {
  Window().show();
  Window().resize(Window().minimumSize());
  QApplication::setActiveWindow(&Window());
  Window().Tree().Select(3);
  const std::string old = OldVersion();
  const std::string report = ReportAfter([&] { Window().Comparer().CompareWith(old); });
  ASSERT_NE(report.find("<h2>模块比较</h2>"), std::string::npos);
  QScrollBar* scroll = Window().Page()->verticalScrollBar();
  ASSERT_GT(scroll->maximum(), 0) << "the report must be taller than the page view";
  scroll->setValue(scroll->maximum() / 2);
  const int scrolled = scroll->value();
  std::filesystem::remove(old);

  Click("ecview-declaration:constant/0/2");
  ASSERT_EQ(Window().Tree().CurrentIndex(), 22);
  auto* tree = Control<QTreeWidget>("树型框");
  QTest::keyClick(tree, Qt::Key_Left, Qt::AltModifier);
  EXPECT_EQ(Window().Page()->Page(), report);
  EXPECT_EQ(scroll->value(), scrolled);
  EXPECT_EQ(Window().Tree().CurrentIndex(), 3);  // the node the report was made beside
  EXPECT_FALSE(Window().Comparer().IsComparing());
  QTest::keyClick(tree, Qt::Key_Left, Qt::AltModifier);
  EXPECT_NE(Window().Page()->Page(), report);
  EXPECT_EQ(Window().Tree().CurrentIndex(), 3);
  EXPECT_NE(Window().Page()->Page().find("取文本中间"), std::string::npos);
  QTest::keyClick(tree, Qt::Key_Right, Qt::AltModifier);
  EXPECT_EQ(Window().Page()->Page(), report);
  QTest::keyClick(tree, Qt::Key_Right, Qt::AltModifier);
  EXPECT_EQ(Window().Tree().CurrentIndex(), 22);
  EXPECT_EQ(scroll->value(), 0);
}

}  // namespace
}  // namespace ec::test
