// What a desktop viewer is expected to have beyond its design: Qt's own texts
// in Chinese, HTML on the clipboard in both forms, pictures of resource
// constants and saving their bytes, program files told apart, and one viewer
// per settings file.
#include <QApplication>
#include <QBuffer>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTextCursor>
#include <QTreeWidget>

#include "app/page_document.h"
#include "app/page_links.h"
#include "app/page_view.h"
#include "app/qt_translations.h"
#include "app/single_instance.h"
#include "app/tree_context_menu.h"
#include "support/file_bytes.h"
#include "support/utf8_path.h"
#include "tests/app/window_fixture.h"
#include "tools/module_writer/module_writer.h"

namespace ec::test {
namespace {

using ExtrasTest = WindowTest;

ConstantRecord Resource(int32_t key, const char* name, std::string bytes) {
  ConstantRecord c;
  c.key = key;
  c.name = writer::G(name);
  c.value = ConstantValue::OfBytes(std::move(bytes));
  return c;
}

std::string PictureBytes(int width, int height, const char* format = "PNG") {
  QImage image(width, height, QImage::Format_ARGB32);
  image.fill(Qt::red);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  EXPECT_TRUE(image.save(&buffer, format)) << format;
  return bytes.toStdString();
}
std::string PngBytes(int width, int height) { return PictureBytes(width, height); }

TEST_F(ExtrasTest, QtTextsAreChinese) {
  QTranslator* translator = InstallQtTranslations(*qApp);
  ASSERT_NE(translator, nullptr) << "Qt's translations (qt6-translations-l10n) are missing";
  QDialogButtonBox box(QDialogButtonBox::Cancel);
  EXPECT_EQ(box.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("取消"));
  QCoreApplication::removeTranslator(translator);
}

TEST_F(ExtrasTest, HtmlGoesOnTheClipboardAsTextAndAsHtml) {
  Window().loadModule(CopyOf(SampleModule(), "sample.ec"));
  ASSERT_TRUE(Window().Tree().Select(3));
  Control<QPushButton>("按钮复制代码HTML")->click();
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  ASSERT_TRUE(data->hasHtml());
  EXPECT_EQ(data->html(), data->text());
  EXPECT_TRUE(data->text().startsWith(QStringLiteral("<")));
  Control<QPushButton>("按钮复制代码")->click();
  EXPECT_FALSE(QGuiApplication::clipboard()->mimeData()->hasHtml());
  EXPECT_TRUE(Clipboard().starts_with(".版本 2"));
}

TEST_F(ExtrasTest, ResourcePicturesAreShownAndSavedExactly) {
  ModuleSegments segments;
  segments.resources = ResourceSegment{};
  const std::string png = PngBytes(30, 20);
  const std::string wave = std::string("RIFF\x24\x00\x00\x00WAVEfmt ", 16);
  segments.resources->constants = {Resource(0x20000001, "图片", png), Resource(0x30000001, "声音", wave)};
  const std::string path = files_.File("resources.ec");
  ASSERT_TRUE(WriteFileBytes(path, writer::BuildModule(segments)));
  Window().loadModule(path);
  ASSERT_EQ(Window().Tree().Text(2), "图片");

  ASSERT_TRUE(Window().Tree().Select(2));
  EXPECT_NE(Window().Page()->Page().find("30 × 20 像素，" + std::to_string(png.size()) + " 字节"), std::string::npos);
  const QVariant shown = Window().Page()->loadResource(QTextDocument::ImageResource, QUrl(kPagePictureUrl));
  EXPECT_EQ(shown.value<QImage>().size(), QSize(30, 20));
  QMenu* menu = Window().ContextMenu().BuildMenu();
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(menu->actions().front()->text(), QStringLiteral("保存为文件…"));
  const std::string saved = files_.File("saved.png");
  ASSERT_TRUE(Window().ContextMenu().SaveResourceTo(saved));
  EXPECT_EQ(ReadFileBytes(saved), png);

  // A sound has no picture but is saved all the same; the category is no resource.
  ASSERT_TRUE(Window().Tree().Select(3));
  EXPECT_EQ(Window().Page()->Page().find("像素"), std::string::npos);
  EXPECT_TRUE(Window().Page()->loadResource(QTextDocument::ImageResource, QUrl(kPagePictureUrl)).isNull());
  ASSERT_TRUE(Window().ContextMenu().SaveResourceTo(saved));
  EXPECT_EQ(ReadFileBytes(saved), wave);
  ASSERT_TRUE(Window().Tree().Select(1));
  const QList<QAction*> categoryEntries = Window().ContextMenu().BuildMenu()->actions();
  ASSERT_EQ(categoryEntries.size(), 1);
  EXPECT_EQ(categoryEntries.front()->text(), QStringLiteral("与其他模块比较…"));
}

// Any format Qt reads is told by its bytes: an icon, a cursor; what only
// looks like one at its start is not a picture, nor is a sound, whose page
// offers to save it instead.
TEST_F(ExtrasTest, IconsAndCursorsAreShownAndSoundsOfferToBeSaved) {
  const std::string icon = PictureBytes(128, 128, "ICO");
  std::string cursor = PictureBytes(32, 32, "ICO");
  cursor[2] = 2;  // the same directory, marked as a cursor
  const std::string wave = std::string("RIFF\x24\x00\x00\x00WAVEfmt ", 16);
  ModuleSegments segments;
  segments.resources = ResourceSegment{};
  segments.resources->constants = {Resource(0x20000001, "图标", icon), Resource(0x20000002, "光标", cursor),
                                   Resource(0x20000003, "假图标", std::string("\0\0\1\0\xff\xff", 6)),
                                   Resource(0x30000001, "声音", wave)};
  const std::string path = files_.File("pictures.ec");
  ASSERT_TRUE(WriteFileBytes(path, writer::BuildModule(segments)));
  Window().loadModule(path);
  const auto shown = [this] {
    return Window().Page()->loadResource(QTextDocument::ImageResource, QUrl(kPagePictureUrl)).value<QImage>().size();
  };
  ASSERT_TRUE(Window().Tree().Select(2));
  EXPECT_EQ(shown(), QSize(128, 128));
  EXPECT_NE(Window().Page()->Page().find("128 × 128 像素"), std::string::npos);
  ASSERT_TRUE(Window().Tree().Select(3));
  EXPECT_EQ(shown(), QSize(32, 32));
  ASSERT_TRUE(Window().Tree().Select(4));
  EXPECT_EQ(Window().Page()->Page().find("像素"), std::string::npos);

  ASSERT_TRUE(Window().Tree().Select(5));
  const std::string& page = Window().Page()->Page();
  EXPECT_NE(page.find("声音（WAV），16 字节"), std::string::npos) << page;
  EXPECT_NE(page.find("<a href=\"ecview-save:resource\">保存为文件…</a>"), std::string::npos) << page;
  QString suggested;
  const std::string saved = files_.File("saved.wav");
  Window().ContextMenu().SetSavePathChooser([&](const QString& name) {
    suggested = name;
    return QString::fromStdString(saved);
  });
  emit Window().Page()->anchorClicked(QUrl(QStringLiteral("ecview-save:resource")));
  EXPECT_EQ(suggested, QStringLiteral("声音.wav"));
  EXPECT_EQ(ReadFileBytes(saved), wave);
}

// A right click replaces the clipboard: a sign beside the node says with
// what, and goes again. Links are tinted, not underlined, so the
// underscores of names stay visible.
TEST_F(ExtrasTest, ARightClickSaysWhatItCopiedAndLinksKeepTheirUnderscores) {
  Window().show();
  Window().loadModule(CopyOf(SampleModule(), "sample.ec"));
  auto* tree = Control<QTreeWidget>("树型框");
  Window().ContextMenu().SetCopySignMilliseconds(50);
  ASSERT_TRUE(Window().Tree().Select(3));
  const QRect row = tree->visualItemRect(tree->currentItem());
  emit tree->customContextMenuRequested(row.center());  // what a right click delivers
  if (QMenu* menu = Window().ContextMenu().Menu()) menu->close();
  QLabel* sign = Window().ContextMenu().CopySign();
  EXPECT_TRUE(sign->isVisible());
  EXPECT_EQ(sign->text(), QStringLiteral("已复制：取文本中间"));
  EXPECT_EQ(Clipboard(), "取文本中间");
  EXPECT_LE(sign->geometry().bottom(), row.center().y());
  QTest::qWait(120);
  EXPECT_FALSE(sign->isVisible());

  const auto document = BuildPageDocument("<p><a href=\"x\">取_文本</a> 取_文本</p>", 400, PageFace{});
  QTextCursor cursor(document.get());
  cursor.setPosition(2);
  const QTextCharFormat link = cursor.charFormat();
  EXPECT_TRUE(link.isAnchor());
  EXPECT_FALSE(link.fontUnderline());
  EXPECT_TRUE(link.background().style() != Qt::NoBrush);
  cursor.setPosition(8);
  EXPECT_FALSE(cursor.charFormat().isAnchor());
  EXPECT_TRUE(cursor.charFormat().background().style() == Qt::NoBrush);
}

TEST_F(ExtrasTest, ProgramFilesSaySo) {
  Window().loadModule(CopyOf(SampleModule(), "program.E"));
  EXPECT_NE(Window().Loader().SummaryPage().find("不是模块"), std::string::npos);
  Window().loadModule(CopyOf(SampleModule(), "module.ec"));
  EXPECT_EQ(Window().Loader().SummaryPage().find("不是模块"), std::string::npos);
}

// A second viewer started on the same settings hands its module over and
// exits; the path it was given relative to its own folder arrives absolute.
TEST_F(ExtrasTest, ASecondStartHandsItsModuleToTheFirst) {
  SingleInstanceServer server;
  const QString name = SingleInstanceName(QString::fromStdString(Utf8FromPath(settings_.path())));
  ASSERT_TRUE(server.Listen(name));
  QObject::connect(&server, &SingleInstanceServer::OpenRequested, &Window(),
                   [this](const QString& path) { Window().OpenHandedOver(path.toStdString()); });
  const std::string module = CopyOf(SampleModule(), "handed.ec");

  QProcess second;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("ECVIEW_SETTINGS_DIR"), QString::fromStdString(Utf8FromPath(settings_.path())));
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  second.setProcessEnvironment(environment);
  second.setWorkingDirectory(QString::fromStdString(Utf8FromPath(files_.path())));
  second.start(QStringLiteral(EC_BINARY_DIR "/ecview"), {QStringLiteral("handed.ec")});
  ASSERT_TRUE(second.waitForStarted());
  // The first viewer answers from its event loop, so the wait handles events.
  for (int i = 0; i < 1000 && second.state() != QProcess::NotRunning; ++i) QTest::qWait(10);
  ASSERT_EQ(second.state(), QProcess::NotRunning);
  EXPECT_EQ(second.exitCode(), 0);
  Window().Opener().OnPollingTick();
  EXPECT_EQ(Window().Loader().CurrentPath(), module);
}

}  // namespace
}  // namespace ec::test
