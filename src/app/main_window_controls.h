#pragma once
// The controls of the main window, named as in the window design, and the
// function that creates them at their designed places.

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class QToolButton;
class QTreeWidget;
class QWidget;

namespace ec {

class PageView;
class SplitterBar;

// The caption: the product name and "v" with the version.
inline constexpr char kMainWindowCaption[] = "澜禾·观澄 v";
// The designed texts of the find box and the path box: hints, never searched for.
inline constexpr char kFindBoxHint[] = "要在树中查找的文本";
inline constexpr char kPathBoxHint[] = "这是模块文件路径；可拖放模块到窗口；右侧按钮可选择模块、查看同目录下其他模块";

// The message line's height; the page moves down by it and a gap while it shows.
inline constexpr int kMessageLineHeight = 24;

struct MainWindowControls {
  QFrame* banner = nullptr;               // 图片框2
  QPushButton* searchButton = nullptr;    // 按钮1
  QCheckBox* associationBox = nullptr;    // 选择框关联
  QToolButton* logo = nullptr;            // 图片澜禾软件
  QLabel* notesLink = nullptr;            // 链接疑点说明
  QToolButton* notesPicture = nullptr;    // 图片疑点说明
  QLabel* homepageLink = nullptr;         // 链接软件主页
  QToolButton* homepagePicture = nullptr; // 图片软件主页
  QTimer* bannerTimer = nullptr;          // 时钟官网
  QLabel* separator = nullptr;            // 标签13
  QFrame* toolbar = nullptr;              // 图片框1
  QLineEdit* findBox = nullptr;           // 编辑框查找文本
  QComboBox* modeBox = nullptr;           // 组合框匹配
  QLineEdit* pathBox = nullptr;           // 编辑框模块文件
  QPushButton* chooseButton = nullptr;    // 按钮选择模块
  QPushButton* listButton = nullptr;      // 按钮弹出模块列表
  QToolButton* backButton = nullptr;      // back over the selected nodes (Alt+Left)
  QToolButton* forwardButton = nullptr;   // forward (Alt+Right)
  QPushButton* nextButton = nullptr;      // 按钮下一个
  QPushButton* previousButton = nullptr;  // 按钮上一个
  QPushButton* copyTextButton = nullptr;  // 按钮复制代码
  QPushButton* copyHtmlButton = nullptr;  // 按钮复制代码HTML
  QPushButton* copyIdeButton = nullptr;   // 按钮复制代码HTMLIDE
  QTimer* pollingTimer = nullptr;         // 时钟1
  QTreeWidget* treeWidget = nullptr;      // 树型框
  PageView* pageView = nullptr;           // 浏览器
  QLabel* messageLine = nullptr;          // above the page: why a path could not be opened
  SplitterBar* splitterBar = nullptr;     // the border between tree and page
};

// Creates every control as a child of `window`, sets the window's caption
// and designed size.
MainWindowControls CreateMainWindowControls(QWidget* window);

}  // namespace ec
