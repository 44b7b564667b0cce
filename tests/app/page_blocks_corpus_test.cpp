// Cutting a page into blocks loses nothing: for every node of every module
// of the corpus, the page view's text is the text of the same page set into
// one text document, and so is the text of the page cut at every place a
// cut may fall.
#include <QTextDocument>

#include <filesystem>

#include "app/page_column.h"
#include "app/page_view.h"
#include "dirtree/treeview/tree_view_helper.h"
#include "tests/app/window_fixture.h"
#include "tests/support/corpus.h"

namespace ec::test {
namespace {

QString OneDocumentText(const std::string& html) {
  QTextDocument document;
  document.setHtml(QString::fromStdString(html));
  return document.toPlainText();
}

QString FinelyCutText(const std::string& html) {
  const CutPage page{html, SplitPage(html, {.units = 1, .bytes = 1})};
  return TextBetween(page, {0, 0}, {static_cast<int>(page.blocks.size()) - 1, INT_MAX});
}

using PageBlocksCorpusTest = ShownWindowTest;

TEST_F(PageBlocksCorpusTest, EveryNodesPageKeepsItsTextInBlocks) {
  EC_SKIP_WITHOUT_CORPUS();
  int pages = 0, cutPages = 0;
  for (const auto& entry : std::filesystem::directory_iterator(test::CorpusDir())) {
    if (entry.path().extension() != ".ec" && entry.path().extension() != ".e") continue;
    Window().loadModule(CopyOf(entry.path().string(), entry.path().filename().string()));
    TreeViewHelper& tree = Window().Tree();
    for (int i = 0; i < tree.Count(); ++i) {
      ASSERT_TRUE(tree.Select(i));
      const std::string& page = Window().Page()->Page();
      const QString expected = OneDocumentText(page);
      EXPECT_EQ(Window().Page()->PlainText().toStdString(), expected.toStdString())
          << entry.path() << " " << tree.Text(i);
      EXPECT_EQ(FinelyCutText(page).toStdString(), expected.toStdString()) << entry.path() << " " << tree.Text(i);
      ++pages;
      cutPages += Window().Page()->BlockCount() > 1 ? 1 : 0;
    }
  }
  EXPECT_GT(pages, 100);
  EXPECT_GT(cutPages, 0);
}

}  // namespace
}  // namespace ec::test
