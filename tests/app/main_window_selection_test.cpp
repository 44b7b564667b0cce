// Selecting tree nodes: the item page of each kind, and the three copy
// buttons.
#include <QCoreApplication>
#include <QPushButton>
#include <QTimer>

#include "app/page_view.h"
#include "render/colour_span.h"
#include "render/declaration_code.h"
#include "render/declaration_tables.h"
#include "render/item_page.h"
#include "render/module_text.h"
#include "render/type_link_schemes.h"
#include "tests/app/window_fixture.h"

namespace ec::test {
namespace {

// Tree positions in the sample module (see the load test for the whole tree).
constexpr int kRoot = 0, kSubroutineCategory = 1, kSecondGroup = 7, kFifthSubroutine = 8, kDllCategory = 15,
              kSecondDll = 17, kConstantCategory = 19, kThirdConstant = 22, kGlobalCategory = 29, kFirstGlobal = 30,
              kSecondDataType = 35, kClass = 36, kSecondMethod = 38;

class SelectionTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    Window().loadModule(CopyOf(SampleModule(), "sample.ec"));
    ASSERT_EQ(Window().Tree().Count(), 40);
  }
  const std::string& PageAfterSelecting(int index) {
    EXPECT_TRUE(Window().Tree().Select(index));
    return Window().Page()->Page();
  }
  const ModuleModel& M() { return Window().Loader().Model(); }
};

TEST_F(SelectionTest, EachKindShowsItsItemPage) {
  const ClassInfo noClass{};
  const PageTypeLinks links(M());  // the page links type names; the copies do not
  const auto& groups = M().subroutineGroups;
  EXPECT_EQ(PageAfterSelecting(kSecondGroup), ItemPage(groups[1].subroutines, nullptr, noClass, &links));
  // Running number 5 is the first subroutine of the second group.
  EXPECT_EQ(PageAfterSelecting(kFifthSubroutine), ItemPage({}, &groups[1].subroutines[0], noClass, &links));
  EXPECT_EQ(Window().Presenter().Selection().subroutine.name, "读入文本文件");
  EXPECT_EQ(PageAfterSelecting(kDllCategory), ItemPage(std::span<const DllCommand>(M().dllCommands), nullptr, &links));
  EXPECT_EQ(PageAfterSelecting(kSecondDll), ItemPage({}, &M().dllCommands[1], &links));
  EXPECT_EQ(PageAfterSelecting(kConstantCategory), ItemPage(std::span<const Constant>(M().constants), nullptr, &links));
  EXPECT_EQ(PageAfterSelecting(kThirdConstant), ItemPage({}, &M().constants[2], &links));
  EXPECT_EQ(PageAfterSelecting(kFirstGlobal), ItemPage({}, &M().globals[0], &links));
  EXPECT_EQ(PageAfterSelecting(kSecondDataType), ItemPage({}, &M().dataTypes[1], &links));
  const ClassInfo& cls = M().classes[0];
  EXPECT_EQ(PageAfterSelecting(kClass), ItemPage(cls.methods, nullptr, cls, &links));
  const std::string& method = PageAfterSelecting(kSecondMethod);
  EXPECT_EQ(method, ItemPage({}, &cls.methods[1], cls, &links));
  EXPECT_NE(method.find("方法名"), std::string::npos);

  // The subroutine category lists its groups and keeps the other fields;
  // the root shows the summary again.
  const std::string& list = PageAfterSelecting(kSubroutineCategory);
  EXPECT_EQ(list, SubroutineCategoryPage(M()));
  EXPECT_NE(list.find("第二集(3)：读入文本文件、写出文本文件、内部_确认目录<br>"), std::string::npos) << list;
  EXPECT_EQ(Window().Presenter().Selection().kind, kKindSubroutineCategory);
  EXPECT_EQ(Window().Presenter().Selection().method.name, "取内容");
  EXPECT_EQ(PageAfterSelecting(kRoot), Window().Loader().SummaryPage());
}

TEST_F(SelectionTest, CopyButtonsPutTheSelectionOnTheClipboard) {
  QPushButton* text = Control<QPushButton>("按钮复制代码");
  QPushButton* html = Control<QPushButton>("按钮复制代码HTML");
  QPushButton* ide = Control<QPushButton>("按钮复制代码HTMLIDE");
  const ClassInfo& cls = M().classes[0];

  PageAfterSelecting(kSecondMethod);
  text->click();
  EXPECT_EQ(Clipboard(), RenderSubroutineCode({}, &cls.methods[1], CodeMode::PlainText, cls));
  EXPECT_NE(Clipboard().find(".程序集 类_文本缓冲区"), std::string::npos) << Clipboard();
  html->click();
  EXPECT_EQ(Clipboard(), RenderSubroutineCode({}, &cls.methods[1], CodeMode::Html, cls));
  ide->click();
  EXPECT_EQ(Clipboard(), RenderSubroutineTables({}, &cls.methods[1], cls));

  PageAfterSelecting(kDllCategory);
  text->click();
  EXPECT_EQ(Clipboard(), RenderDllCommandCode(M().dllCommands, nullptr, CodeMode::PlainText));
  EXPECT_TRUE(Clipboard().starts_with(".版本 2")) << Clipboard();
  PageAfterSelecting(kSecondDll);
  text->click();
  EXPECT_EQ(Clipboard(), RenderDllCommandCode({}, &M().dllCommands[1], CodeMode::PlainText));
  PageAfterSelecting(kGlobalCategory);
  ide->click();
  EXPECT_EQ(Clipboard(), RenderGlobalVariableTable(M().globals, nullptr));
  PageAfterSelecting(kClass);
  ide->click();
  EXPECT_EQ(Clipboard(), RenderSubroutineTables(cls.methods, nullptr, cls));

  EXPECT_EQ(text->text(), "复制代码(TXT)");
  EXPECT_EQ(html->text(), "复制代码(HTML)");
  EXPECT_EQ(ide->text(), "复制代码(HTML·IDE)");
}

TEST_F(SelectionTest, CopyShowsItsFeedbackAndTheModuleNodeCopiesTheWholeModule) {
  Window().SetFeedbackMilliseconds(60);
  QPushButton* text = Control<QPushButton>("按钮复制代码");
  PageAfterSelecting(kSecondDll);
  // Look at the caption while the copy waits; the timer starts only now, so
  // a slow page cannot make it fire before the copy began.
  std::string during;
  QTimer::singleShot(20, &Window(), [&] { during = text->text().toStdString(); });
  text->click();
  EXPECT_EQ(during, "已复制");
  EXPECT_EQ(text->text(), "复制代码(TXT)");

  // The module node and the subroutine category are rendered off the window
  // thread; the caption says "复制中" until the text is on the clipboard.
  const auto copyAndWait = [this](QPushButton* button) {
    button->click();
    EXPECT_EQ(button->text(), "复制中");
    while (button->text() == "复制中") QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return Clipboard();
  };
  PageAfterSelecting(kRoot);
  EXPECT_EQ(copyAndWait(text), ModuleDeclarationText(M()));
  EXPECT_EQ(copyAndWait(Control<QPushButton>("按钮复制代码HTMLIDE")),
            ModuleDeclarations(M(), DeclarationForm::Tables));
  PageAfterSelecting(kSubroutineCategory);
  const std::string groups = copyAndWait(Control<QPushButton>("按钮复制代码HTML"));
  EXPECT_EQ(groups, GroupDeclarations(M(), DeclarationForm::HtmlCode));
  for (const SubroutineGroup& group : M().subroutineGroups)
    for (const Subroutine& s : group.subroutines) EXPECT_NE(groups.find(s.name), std::string::npos) << s.name;
  EXPECT_EQ(groups.find(".DLL命令"), std::string::npos);
}

TEST_F(SelectionTest, SelectionFromAnEarlierModuleCopiesNothing) {
  PageAfterSelecting(kClass);
  ASSERT_EQ(Window().Presenter().Selection().kind, kKindClass);
  // A copy that runs while another module is being loaded (events are
  // handled during a load) finds the class of the old module gone.
  const std::string other = CopyOf(SampleModule(), "other.ec");
  SetClipboard("untouched");
  bool copied = false;
  QObject::connect(Window().Tree().Tree()->model(), &QAbstractItemModel::rowsInserted, &Window(), [&] {
    if (copied || Window().Tree().Count() < 2) return;
    copied = true;
    Control<QPushButton>("按钮复制代码HTMLIDE")->click();
    Control<QPushButton>("按钮复制代码")->click();
  });
  Window().loadModule(other);
  EXPECT_TRUE(copied);
  EXPECT_EQ(Clipboard(), "untouched");
}

TEST_F(SelectionTest, RightClickInTheTreeCopiesTheNodeText) {
  PageAfterSelecting(kSecondGroup);
  Window().Presenter().CopySelectedNodeText();
  EXPECT_EQ(Clipboard(), "第二集(3)");
}

}  // namespace
}  // namespace ec::test
