#include "app/notes_box.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

namespace ec {
namespace {
constexpr int kMargin = 5;
}

QString ProductNotes() {
  return QStringLiteral(
      "澜禾·观澄是澜禾软件制作的易语言模块（.ec 文件）外部查看器。\r\n\r\n"
      "关联之后双击 .ec 文件即可打开；也可以把模块拖放到主窗口上。\r\n\r\n"
      "它能丰富地展示模块中的程序集、子程序、DLL命令、类、类方法、常量、自定义数据类型和全局变量："
      "以彩色 HTML 显示源代码，也以类似易语言集成开发环境的表格显示，并可快速复制代码。\r\n\r\n"
      "附带一个工具，可在一个文件夹的全部模块中搜索指定的文本。\r\n\r\n"
      "程序分两层：模块解析，以及模块的显示与搜索。\r\n\r\n"
      "已知的解析局限：标记为数组的自定义数据类型成员，其数组下标未解析；"
      "图片和声音资源只显示种类和大小（如 <图片 12,345 字节>），不显示内容；"
      "文本常量中的回车、换行和双引号写作 \\r、\\n 和 \\\"，以便一行写完；"
      "解析速度不及易语言自带的模块查看器。这些不影响显示和搜索。");
}

NotesBox::NotesBox(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("澜禾："));
  setModal(true);
  prompt_ = new QLabel(this);
  notes_ = new QPlainTextEdit(ProductNotes(), this);
  notes_->setReadOnly(true);
  closeButton_ = new QPushButton(QStringLiteral("关闭(&G)"), this);
  connect(closeButton_, &QPushButton::clicked, this, &QDialog::accept);
  resize(480, 360);
}

void NotesBox::CentreOnScreen() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QRect area = screen->geometry();
  move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - 30 - height()) / 2);
}

void NotesBox::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  const int inner = width() - 2 * kMargin;
  const int promptHeight = prompt_->text().isEmpty() ? 0 : prompt_->sizeHint().height();
  prompt_->setGeometry(kMargin, kMargin, inner, promptHeight);
  const QSize button = closeButton_->sizeHint();
  const int bottomRow = height() - kMargin - button.height();
  closeButton_->setGeometry(width() - kMargin - button.width(), bottomRow, button.width(), button.height());
  const int notesTop = kMargin + promptHeight + (promptHeight > 0 ? kMargin : 0);
  notes_->setGeometry(kMargin, notesTop, inner, qMax(0, bottomRow - kMargin - notesTop));
}

}  // namespace ec
