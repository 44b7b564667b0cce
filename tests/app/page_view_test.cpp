// The page view shows module pages, fetches nothing they point at, and shows
// a big page's top at once while the rest is laid out off the window thread.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextDocument>
#include <QTimer>
#include <QUrl>

#include <string>
#include <vector>

#include "app/page_view.h"
#include "platform/code_font.h"
#include "render/declaration_code.h"
#include "render/item_page.h"

namespace ec {
namespace {

std::string ConstantsPage(const std::string& prefix, int count) {
  std::vector<Constant> constants;
  for (int i = 0; i < count; ++i)
    constants.push_back({prefix + std::to_string(i), "说明", ConstantValue::OfNumber(i)});
  return ItemPage(std::span<const Constant>(constants), nullptr);
}

QString PlainTextOf(const std::string& html) {
  QTextDocument document;
  document.setHtml(QString::fromStdString(html));
  return document.toPlainText();
}

TEST(PageView, LoadsNoResourceAndKeepsTheWrittenPage) {
  PageView view;
  view.WritePage("<p>一</p><img src=\"" EC_SOURCE_DIR "/docs/screenshot.png\">");
  view.WritePage("<p>二</p><a href=\"https://example.invalid/\">link</a>");
  EXPECT_FALSE(view.PlainText().contains(QStringLiteral("一")));
  EXPECT_TRUE(view.PlainText().contains(QStringLiteral("二")));
  // A plain document reads this local file for an <img>; a page never does.
  const QUrl local = QUrl::fromLocalFile(QStringLiteral(EC_SOURCE_DIR "/docs/screenshot.png"));
  QTextDocument plain;
  ASSERT_TRUE(plain.resource(QTextDocument::ImageResource, local).isValid());
  PageDocument page;
  EXPECT_FALSE(page.resource(QTextDocument::ImageResource, local).isValid());
  EXPECT_FALSE(page.resource(QTextDocument::HtmlResource, QUrl(QStringLiteral("https://example.invalid/"))).isValid());

  // A click on a link is reported and goes nowhere.
  view.resize(400, 300);
  view.WritePage("<a href=\"ecview-decl:x\" style=\"font-size:40px\">链接链接链接</a>");
  QStringList clicked;
  QObject::connect(&view, &PageView::anchorClicked, [&](const QUrl& link) { clicked.append(link.toString()); });
  const QPointF at(40, 28);
  QMouseEvent press(QEvent::MouseButtonPress, at, view.viewport()->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QMouseEvent release(QEvent::MouseButtonRelease, at, view.viewport()->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QCoreApplication::sendEvent(view.viewport(), &press);
  QCoreApplication::sendEvent(view.viewport(), &release);
  EXPECT_EQ(clicked, QStringList{QStringLiteral("ecview-decl:x")});
  EXPECT_EQ(view.PlainText(), QStringLiteral("链接链接链接"));
}

// The code lines up in columns and Chinese names show in the same face; the
// page's own line spacing (1.5) gives way to the face's.
TEST(PageView, ShowsCodeInAMonospacedFaceThatCoversChinese) {
  PageView view;
  ASSERT_FALSE(view.Face().family.empty()) << "none of the code faces is installed";
  EXPECT_EQ(view.Face().family, CodeFontFamilies().front());
  const QFontMetrics metrics(PageFont(view.Face()));
  EXPECT_EQ(metrics.horizontalAdvance(QStringLiteral("iiii")), metrics.horizontalAdvance(QStringLiteral("MMMM")));
  EXPECT_TRUE(metrics.inFont(QChar(0x53D6)));  // 取
  std::string code(kCodeOpening);
  for (int i = 0; i < 40; ++i) code += ".常量 常" + std::to_string(i) + "<br>";
  code += "</div>";
  view.resize(400, 300);
  view.WritePage(code);
  const int tall = view.verticalScrollBar()->maximum() + view.viewport()->height();
  EXPECT_LT(tall, 41 * metrics.lineSpacing() * 6 / 5);
  EXPECT_GT(tall, 40 * metrics.lineSpacing());
  view.SetZoom(200);
  EXPECT_EQ(view.Page(), code);
  EXPECT_GT(view.verticalScrollBar()->maximum() + view.viewport()->height(), tall * 3 / 2);
}

TEST(PageView, ABigPageShowsItsTopFirstAndOnlyTheNewestPageWhole) {
  PageView view;
  view.resize(712, 520);
  int wholePages = 0;
  QObject::connect(&view, &PageView::PageShown, [&](bool complete) { wholePages += complete ? 1 : 0; });
  const std::string first = ConstantsPage("前", 2000), second = ConstantsPage("后", 2000);
  ASSERT_GT(second.size(), 256u * 1024);
  view.WritePage(first);
  view.WritePage(second);
  EXPECT_EQ(view.Page(), second);
  EXPECT_TRUE(view.IsBuilding());
  // Only the top: the first lines of code, none of the table.
  EXPECT_TRUE(view.PlainText().contains(QStringLiteral(".常量 后0, 0, 公开, 说明")));
  EXPECT_FALSE(view.PlainText().contains(QStringLiteral("常量名称")));

  QEventLoop loop;
  QObject::connect(&view, &PageView::PageShown, &loop, &QEventLoop::quit);
  QTimer::singleShot(60000, &loop, &QEventLoop::quit);
  loop.exec();
  EXPECT_EQ(view.PlainText(), PlainTextOf(second));
  EXPECT_EQ(wholePages, 1);

  QKeyEvent selectAll(QEvent::KeyPress, Qt::Key_A, Qt::ControlModifier);
  QCoreApplication::sendEvent(&view, &selectAll);
  QKeyEvent copy(QEvent::KeyPress, Qt::Key_C, Qt::ControlModifier);
  QCoreApplication::sendEvent(&view, &copy);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), view.SelectedText());
  EXPECT_TRUE(view.SelectedText().startsWith(QStringLiteral(".版本 2")));
}

}  // namespace
}  // namespace ec
