// The page view shows module pages, fetches nothing they point at, and shows
// a big page whole at once, laying out only the blocks in view.
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
#include <QThreadPool>
#include <QTimer>
#include <QTest>
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

// A page of 2,000 constants is whole at once: every block of its text, its
// real end after End, and a scroll bar whose range is final from the start:
// neither it nor what the view shows moves while the heights are measured.
TEST(PageView, ABigPageIsWholeAtOnceWithItsFinalRange) {
  PageView view;
  view.resize(712, 520);
  int shown = 0;
  QObject::connect(&view, &PageView::PageShown, [&] { ++shown; });
  const std::string first = ConstantsPage("前", 2000), second = ConstantsPage("后", 2000);
  view.WritePage(first);
  view.WritePage(second);
  EXPECT_EQ(shown, 2);
  EXPECT_EQ(view.Page(), second);
  EXPECT_GT(view.BlockCount(), 20);
  EXPECT_EQ(view.PlainText(), PlainTextOf(second));

  QScrollBar* bar = view.verticalScrollBar();
  const int range = bar->maximum() + view.viewport()->height();
  bar->setValue(bar->maximum() / 2);
  const QString middle = view.VisibleText().section(u'\n', 0, 3);
  ASSERT_FALSE(view.IsMeasured());
  QEventLoop loop;
  QTimer poll;
  bool steady = true;
  // A horizontal scroll bar may come with a wide block and take some of the
  // view's height, but the scale's length stays.
  const auto length = [&] { return bar->maximum() + view.viewport()->height(); };
  const auto top = [&] { return view.VisibleText().section(u'\n', 0, 3); };
  QObject::connect(&poll, &QTimer::timeout, [&] {
    steady = steady && length() == range && top() == middle;
    if (view.IsMeasured()) loop.quit();
  });
  poll.start(10);
  QTimer::singleShot(60000, &loop, &QEventLoop::quit);
  loop.exec();
  ASSERT_TRUE(view.IsMeasured());
  EXPECT_TRUE(steady);
  EXPECT_EQ(length(), range);
  EXPECT_EQ(top(), middle);
  // The measured column is as tall as the page laid out as one document:
  // the parts of a cut table stack as the table's rows do, without the
  // frame's border drawn twice at each seam.
  const auto whole = BuildPageDocument(second, view.viewport()->width() - 8, view.Face(), {}, 0);
  EXPECT_NEAR(view.ColumnHeight(), whole->size().height(), 1.0);

  view.WritePage(first);
  QKeyEvent end(QEvent::KeyPress, Qt::Key_End, Qt::ControlModifier);
  QCoreApplication::sendEvent(&view, &end);
  EXPECT_EQ(bar->value(), bar->maximum());
  EXPECT_TRUE(view.VisibleText().contains(QStringLiteral("前1999"))) << view.VisibleText().toStdString();
  QKeyEvent home(QEvent::KeyPress, Qt::Key_Home, Qt::NoModifier);
  QCoreApplication::sendEvent(&view, &home);
  EXPECT_EQ(bar->value(), 0);
  EXPECT_TRUE(view.VisibleText().startsWith(QStringLiteral(".版本 2")));
}

// The keys and the wheel scroll by the page's pixels, however far the
// scroll bar's scale is off (here the first screen's short lines set it, and
// the long remarks further down wrap): Page Down from the top to the end shows
// every line, a turn of the wheel moves it three lines of 20 pixels, and
// three times Up undoes it.
TEST(PageView, PagesThroughEveryLineAndScrollsByPixels) {
  std::vector<Constant> constants;
  for (int i = 0; i < 600; ++i)
    constants.push_back({"常" + std::to_string(i), i < 100 ? "" : std::string(40, 'x') + " " + std::string(40, 'y'),
                         ConstantValue::OfNumber(i)});
  PageView view;
  view.resize(600, 300);
  view.WritePage(ItemPage(std::span<const Constant>(constants), nullptr));
  for (int i = 0; i < 3000 && !view.IsMeasured(); ++i) QTest::qWait(10);
  ASSERT_TRUE(view.IsMeasured());
  QScrollBar* bar = view.verticalScrollBar();
  QString seen;
  for (int page = 0; page < 1000 && (seen.isEmpty() || bar->value() < bar->maximum()); ++page) {
    seen += view.VisibleText();
    QTest::keyClick(&view, Qt::Key_PageDown);
  }
  seen += view.VisibleText();
  EXPECT_EQ(bar->value(), bar->maximum());
  for (int i = 0; i < 600; ++i) ASSERT_TRUE(seen.contains(QStringLiteral("常%1, ").arg(i))) << i;

  bar->setValue(bar->maximum() / 2);
  const qreal before = view.ViewTop();
  QWheelEvent wheel(QPointF(50, 50), view.viewport()->mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, -120),
                    Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QCoreApplication::sendEvent(view.viewport(), &wheel);
  EXPECT_NEAR(view.ViewTop() - before, 3 * 20, 4);  // a step of the bar is up to 2 px here
  QTest::keyClick(&view, Qt::Key_Up);
  QTest::keyClick(&view, Qt::Key_Up);
  QTest::keyClick(&view, Qt::Key_Up);
  EXPECT_NEAR(view.ViewTop(), before, 4);
}

// Lines picked with the mouse across the seam of two blocks, then the whole
// page with Ctrl+A, copied with Ctrl+C.
TEST(PageView, SelectsAndCopiesAcrossBlocksAndTheWholePage) {
  std::string code(kCodeOpening);
  for (int i = 0; i < 300; ++i) code += ".常量 常" + std::to_string(i) + "<br>";
  code += "</div>";
  PageView view;
  view.resize(500, 400);
  view.show();
  view.WritePage(code);
  ASSERT_GT(view.BlockCount(), 2);
  ASSERT_EQ(view.PlainText(), PlainTextOf(code));
  QScrollBar* bar = view.verticalScrollBar();
  const double line = (bar->maximum() + view.viewport()->height() - 8) / 301.0;
  // Blocks of 40 lines: one ends at line 80. Show lines 70 to 90, pick 75 to 85.
  bar->setValue(static_cast<int>(70 * line));
  const auto at = [&](int row) { return QPoint(30, static_cast<int>((row + 0.5) * line) - bar->value() + 4); };
  QTest::mousePress(view.viewport(), Qt::LeftButton, Qt::NoModifier, at(75));
  QTest::mouseMove(view.viewport(), at(80));
  QTest::mouseMove(view.viewport(), at(85));
  QTest::mouseRelease(view.viewport(), Qt::LeftButton, Qt::NoModifier, at(85));
  QTest::keyClick(&view, Qt::Key_C, Qt::ControlModifier);
  const QString copied = QGuiApplication::clipboard()->text();
  EXPECT_EQ(copied, view.SelectedText());
  for (int i = 76; i < 84; ++i)
    EXPECT_TRUE(copied.contains(QStringLiteral("\n.常量 常%1\n").arg(i))) << i << copied.toStdString();
  EXPECT_FALSE(copied.contains(QStringLiteral("常70")));
  EXPECT_FALSE(copied.contains(QStringLiteral("常90")));

  QTest::keyClick(&view, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(&view, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), PlainTextOf(code));

  // Dragged past the bottom edge, the selection scrolls the view with it.
  bar->setValue(0);
  QTest::mousePress(view.viewport(), Qt::LeftButton, Qt::NoModifier, at(2));
  QTest::mouseMove(view.viewport(), QPoint(30, view.viewport()->height() + 30));
  for (int i = 0; i < 300 && bar->value() <= view.viewport()->height(); ++i) QTest::qWait(10);
  QTest::mouseRelease(view.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(30, view.viewport()->height() + 30));
  EXPECT_GT(bar->value(), view.viewport()->height());
  const QString dragged = view.SelectedText();
  EXPECT_TRUE(dragged.contains(QStringLiteral("\n.常量 常3\n"))) << dragged.left(40).toStdString();
  EXPECT_TRUE(dragged.contains(view.VisibleText().split(u'\n').at(5)));
}

// A big selection's text is gathered on a worker; a copy made meanwhile is
// the one the clipboard keeps, and so is the later of two big ones.
TEST(PageView, TheLastCopyIsTheOneOnTheClipboard) {
  PageView view;
  view.resize(500, 400);
  view.show();
  const std::string page = ConstantsPage("常", 1200);
  ASSERT_GT(page.size(), 300u * 1024u) << "the page must be big enough to be copied on a worker";
  view.WritePage(page);
  QClipboard* clipboard = QGuiApplication::clipboard();
  const auto gathered = [] {
    QThreadPool::globalInstance()->waitForDone();
    QTest::qWait(50);  // the workers' results are delivered
  };
  QTest::keyClick(&view, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(&view, Qt::Key_C, Qt::ControlModifier);
  // Then a few lines at the top, copied at once.
  QTest::mousePress(view.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(6, 6));
  QTest::mouseMove(view.viewport(), QPoint(200, 60));
  QTest::mouseRelease(view.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(200, 60));
  QTest::keyClick(&view, Qt::Key_C, Qt::ControlModifier);
  const QString small = view.SelectedText();
  ASSERT_FALSE(small.isEmpty());
  ASSERT_LT(small.size(), 1000);
  gathered();
  EXPECT_TRUE(clipboard->text() == small) << clipboard->text().size() << " characters on the clipboard";
  // Two whole-page copies of two pages: the second page's text is kept.
  QTest::keyClick(&view, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(&view, Qt::Key_C, Qt::ControlModifier);
  const std::string other = ConstantsPage("量", 1200);
  view.WritePage(other);
  QTest::keyClick(&view, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(&view, Qt::Key_C, Qt::ControlModifier);
  gathered();
  EXPECT_TRUE(clipboard->text() == PlainTextOf(other)) << clipboard->text().left(40).toStdString();
}

}  // namespace
}  // namespace ec
