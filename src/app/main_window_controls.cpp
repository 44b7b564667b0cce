// The window design: every control with its name, kind, caption and place.
// Positions are absolute, as designed; LayOutMainWindow moves them along
// when the window is resized.
#include "app/main_window_controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

#include "app/banner_pictures.h"
#include "app/page_view.h"
#include "app/splitter_bar.h"
#include "support/program_version.h"

namespace ec {
namespace {

template <typename W>
W* Place(W* widget, const char* name, int left, int top, int width, int height) {
  widget->setObjectName(QString::fromUtf8(name));
  widget->setGeometry(left, top, width, height);
  return widget;
}

QPushButton* MakeButton(QWidget* parent, const char* caption) {
  return new QPushButton(QString::fromUtf8(caption), parent);
}

QToolButton* MakePictureButton(QWidget* parent, const QPixmap& picture) {
  auto* button = new QToolButton(parent);
  button->setIcon(QIcon(picture));
  button->setIconSize(picture.size());
  button->setAutoRaise(true);
  button->setCursor(Qt::PointingHandCursor);
  return button;
}

QToolButton* MakeSmallButton(QWidget* parent, const QIcon& icon, const char* toolTip) {
  auto* button = new QToolButton(parent);
  button->setIcon(icon);
  button->setAutoRaise(true);
  button->setToolTip(QString::fromUtf8(toolTip));
  button->setFocusPolicy(Qt::NoFocus);
  return button;
}

QLabel* MakeLink(QWidget* parent, const char* caption) {
  auto* link = new QLabel(QStringLiteral("<a href=\"#\">%1</a>").arg(QString::fromUtf8(caption)), parent);
  link->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
  link->setOpenExternalLinks(false);
  link->setAlignment(Qt::AlignCenter);
  return link;
}

QFrame* MakePanel(QWidget* parent, const QColor& background) {
  auto* panel = new QFrame(parent);
  panel->setAutoFillBackground(true);
  QPalette palette = panel->palette();
  palette.setColor(QPalette::Window, background);
  panel->setPalette(palette);
  return panel;
}

void CreateBanner(QWidget* window, MainWindowControls& c) {
  c.banner = Place(MakePanel(window, QColor(0xf4, 0xf8, 0xfc)), "图片框2", 0, 0, 10880, 90);
  c.searchButton = Place(MakeButton(c.banner, "批量搜索"), "按钮1", 912, 42, 88, 32);
  // Enabled once the viewer hands the window the folder panel's services.
  c.searchButton->setEnabled(false);
  c.searchButton->setToolTip(QStringLiteral("在一个目录的所有模块中按名称搜索（也可按拼音首字母）"));
  c.associationBox = Place(new QCheckBox(QStringLiteral("关联.EC"), c.banner), "选择框关联", 919, 11, 81, 24);
  c.associationBox->setChecked(true);
  c.associationBox->setToolTip(QStringLiteral("勾选：双击 .ec 文件时用本程序打开；取消勾选：撤销这一关联"));
  c.logo = Place(MakePictureButton(c.banner, LogoPicture()), "图片澜禾软件", 368, 12, 195, 64);
  c.notesLink = Place(MakeLink(c.banner, "疑点说明"), "链接疑点说明", 16, 64, 64, 24);
  c.notesPicture = Place(MakePictureButton(c.banner, NotesPicture()), "图片疑点说明", 16, 0, 64, 64);
  c.homepageLink = Place(MakeLink(c.banner, "软件主页"), "链接软件主页", 96, 64, 64, 24);
  c.homepagePicture = Place(MakePictureButton(c.banner, HomepagePicture()), "图片软件主页", 96, 0, 64, 64);
  c.bannerTimer = new QTimer(c.banner);
  c.bannerTimer->setObjectName(QStringLiteral("时钟官网"));
  c.bannerTimer->setInterval(40);
  c.separator = Place(new QLabel(c.banner), "标签13", 0, 88, 2000, 2);
  c.separator->setAutoFillBackground(true);
  QPalette line = c.separator->palette();
  line.setColor(QPalette::Window, QColor(0x1a, 0x5f, 0xb4));
  c.separator->setPalette(line);
}

void CreateToolbar(QWidget* window, MainWindowControls& c) {
  c.toolbar = Place(MakePanel(window, window->palette().color(QPalette::Window)), "图片框1", 0, 90, 1016, 74);
  // The designed text is a hint: shown while the box is empty, never typed into.
  c.findBox = Place(new QLineEdit(c.toolbar), "编辑框查找文本", 8, 10, 208, 24);
  c.findBox->setPlaceholderText(QString::fromUtf8(kFindBoxHint));
  c.modeBox = Place(new QComboBox(c.toolbar), "组合框匹配", 219, 10, 58, 23);
  // New modes go after the designed three, so saved positions keep their meaning.
  c.modeBox->addItems({QStringLiteral("一般"), QStringLiteral("通配"), QStringLiteral("正则"), QStringLiteral("拼音")});
  c.modeBox->setToolTip(
      QStringLiteral("一般：名称含有此文本\n通配：* 任意个字符，? 一个字符（取*本）\n"
                     "正则：正则表达式\n拼音：拼音首字母（qwb 找到 取文本）"));
  c.pathBox = Place(new QLineEdit(QString::fromUtf8(kPathBoxHint), c.toolbar),
                   "编辑框模块文件", 296, 10, 702, 24);
  // The two small buttons sit over the right end of the path box.
  c.chooseButton = Place(MakeButton(c.toolbar, ""), "按钮选择模块", 944, 12, 30, 20);
  c.chooseButton->setIcon(window->style()->standardIcon(QStyle::SP_DirOpenIcon));
  c.chooseButton->setToolTip(QStringLiteral("选择模块"));
  c.listButton = Place(MakeButton(c.toolbar, ""), "按钮弹出模块列表", 975, 12, 20, 20);
  c.listButton->setIcon(window->style()->standardIcon(QStyle::SP_ArrowDown));
  c.listButton->setToolTip(QStringLiteral("同目录下的其他模块"));
  // Back and forward sit over the right end of the find box, as the two
  // buttons of the path box do; its text stops short of them.
  c.backButton = Place(MakeSmallButton(c.toolbar, window->style()->standardIcon(QStyle::SP_ArrowBack), "后退 (Alt+←)"),
                       "按钮后退", 174, 12, 20, 20);
  c.forwardButton = Place(
      MakeSmallButton(c.toolbar, window->style()->standardIcon(QStyle::SP_ArrowForward), "前进 (Alt+→)"),
      "按钮前进", 195, 12, 20, 20);
  c.findBox->setTextMargins(0, 0, 216 - 174, 0);
  c.nextButton = Place(MakeButton(c.toolbar, "下一个"), "按钮下一个", 10, 38, 134, 24);
  c.previousButton = Place(MakeButton(c.toolbar, "上一个"), "按钮上一个", 144, 38, 134, 24);
  c.copyTextButton = Place(MakeButton(c.toolbar, "复制代码(TXT)"), "按钮复制代码", 294, 38, 235, 24);
  c.copyHtmlButton =
      Place(MakeButton(c.toolbar, "复制代码(HTML)"), "按钮复制代码HTML", 529, 38, 235, 24);
  c.copyIdeButton = Place(MakeButton(c.toolbar, "复制代码(HTML·IDE)"), "按钮复制代码HTMLIDE",
                         764, 38, 235, 24);
  c.copyTextButton->setToolTip(QStringLiteral("把选中节点的声明复制为易语言源代码文本"));
  c.copyHtmlButton->setToolTip(
      QStringLiteral("把选中节点的声明复制为带颜色的 HTML（文本编辑器得到源码，字处理软件得到格式）"));
  c.copyIdeButton->setToolTip(QStringLiteral("把选中节点的声明复制为易语言 IDE 样式的表格 HTML"));
}

}  // namespace

MainWindowControls CreateMainWindowControls(QWidget* window) {
  window->setWindowTitle(QString::fromUtf8(kMainWindowCaption) + QString::fromLatin1(kProgramVersion));
  window->resize(1016, 700);
  MainWindowControls c;
  CreateBanner(window, c);
  CreateToolbar(window, c);
  c.pollingTimer = new QTimer(window);
  c.pollingTimer->setObjectName(QStringLiteral("时钟1"));
  c.treeWidget = Place(new QTreeWidget(window), "树型框", 10, 170, 267, 520);
  c.treeWidget->setHeaderHidden(true);
  // Every row is one line: the tree then places a row of a 100,000-node
  // module without measuring all the rows above it.
  c.treeWidget->setUniformRowHeights(true);
  c.treeWidget->setContextMenuPolicy(Qt::CustomContextMenu);
  c.pageView = Place(new PageView(window), "浏览器", 294, 170, 712, 520);
  c.messageLine = Place(new QLabel(window), "标签打开问题", 294, 170, 712, kMessageLineHeight);
  c.messageLine->setStyleSheet(
      QStringLiteral("QLabel { background: #fff4e5; color: #8a3b00; border: 1px solid #f0b27a; padding: 0 6px; }"));
  c.messageLine->setTextFormat(Qt::PlainText);
  c.messageLine->setTextInteractionFlags(Qt::TextSelectableByMouse);
  c.messageLine->hide();
  c.splitterBar = new SplitterBar(window);
  c.splitterBar->setGeometry(277, 170, 294 - 277, 520);
  return c;
}

}  // namespace ec
