// The window design: every control with its name, kind, caption and place.
// Positions are absolute, as designed; Layout() moves the tree and the page
// view when the window is resized.
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
#include "app/main_window.h"
#include "app/node_icons.h"
#include "app/page_view.h"
#include "app/same_folder_menu.h"

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

}  // namespace

void MainWindow::CreateControls() {
  setWindowTitle(QString::fromUtf8(kMainWindowTitle));
  resize(1016, 700);
  CreateBanner();
  CreateToolbar();

  pollingTimer_ = new QTimer(this);
  pollingTimer_->setObjectName(QStringLiteral("时钟1"));

  treeWidget_ = Place(new QTreeWidget(this), "树型框", 10, 170, 267, 520);
  treeWidget_->setHeaderHidden(true);
  treeWidget_->setContextMenuPolicy(Qt::CustomContextMenu);
  tree_.Bind(treeWidget_);
  tree_.SetImageList(NodeIcons());

  pageView_ = Place(new PageView(this), "浏览器", 294, 170, 712, 520);
  sameFolderMenu_ = new SameFolderMenu(this);
}

void MainWindow::CreateBanner() {
  banner_ = Place(MakePanel(this, QColor(0xf4, 0xf8, 0xfc)), "图片框2", 0, 0, 10880, 90);
  searchButton_ = Place(MakeButton(banner_, "批量搜索"), "按钮1", 912, 42, 88, 32);
  // The module search is a window of its own that this version does not have yet.
  searchButton_->setEnabled(false);
  searchButton_->setToolTip(QStringLiteral("批量搜索将在以后的版本中提供"));
  associationBox_ = Place(new QCheckBox(QStringLiteral("关联.EC"), banner_), "选择框关联", 919, 11, 81, 24);
  associationBox_->setChecked(true);
  logo_ = Place(MakePictureButton(banner_, LogoPicture()), "图片澜禾软件", 368, 12, 195, 64);
  notesLink_ = Place(MakeLink(banner_, "疑点说明"), "链接疑点说明", 16, 64, 64, 24);
  notesPicture_ = Place(MakePictureButton(banner_, NotesPicture()), "图片疑点说明", 16, 0, 64, 64);
  homepageLink_ = Place(MakeLink(banner_, "软件主页"), "链接软件主页", 96, 64, 64, 24);
  homepagePicture_ = Place(MakePictureButton(banner_, HomepagePicture()), "图片软件主页", 96, 0, 64, 64);
  bannerTimer_ = new QTimer(banner_);
  bannerTimer_->setObjectName(QStringLiteral("时钟官网"));
  bannerTimer_->setInterval(40);
  separator_ = Place(new QLabel(banner_), "标签13", 0, 88, 2000, 2);
  separator_->setAutoFillBackground(true);
  QPalette line = separator_->palette();
  line.setColor(QPalette::Window, QColor(0x1a, 0x5f, 0xb4));
  separator_->setPalette(line);
}

void MainWindow::CreateToolbar() {
  toolbar_ = Place(MakePanel(this, palette().color(QPalette::Window)), "图片框1", 0, 90, 1016, 74);
  findBox_ = Place(new QLineEdit(QStringLiteral("要在树中查找的文本"), toolbar_), "编辑框查找文本", 8, 10, 208, 24);
  modeBox_ = Place(new QComboBox(toolbar_), "组合框匹配", 219, 10, 58, 23);
  modeBox_->addItems({QStringLiteral("一般"), QStringLiteral("通配"), QStringLiteral("正则")});
  pathBox_ = Place(new QLineEdit(QStringLiteral("这是模块文件路径；可拖放模块到窗口；右侧按钮可选择模块、查看同目录下其他模块"),
                                 toolbar_),
                   "编辑框模块文件", 296, 10, 702, 24);
  // The two small buttons sit over the right end of the path box.
  chooseButton_ = Place(MakeButton(toolbar_, ""), "按钮选择模块", 944, 12, 30, 20);
  chooseButton_->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
  chooseButton_->setToolTip(QStringLiteral("选择模块"));
  listButton_ = Place(MakeButton(toolbar_, ""), "按钮弹出模块列表", 975, 12, 20, 20);
  listButton_->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
  listButton_->setToolTip(QStringLiteral("同目录下的其他模块"));
  nextButton_ = Place(MakeButton(toolbar_, "下一个"), "按钮下一个", 10, 38, 134, 24);
  previousButton_ = Place(MakeButton(toolbar_, "上一个"), "按钮上一个", 144, 38, 134, 24);
  copyTextButton_ = Place(MakeButton(toolbar_, "复制代码(TXT)"), "按钮复制代码", 294, 38, 235, 24);
  copyHtmlButton_ =
      Place(MakeButton(toolbar_, "复制代码(HTML)"), "按钮复制代码HTML", 529, 38, 235, 24);
  copyIdeButton_ = Place(MakeButton(toolbar_, "复制代码(HTML·IDE)"), "按钮复制代码HTMLIDE",
                         764, 38, 235, 24);
}

}  // namespace ec
