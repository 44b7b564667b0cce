#include "dirtree/message_box_prompter.h"

#include <QApplication>
#include <QMessageBox>

namespace ec {
namespace {

QString Caption() { return QStringLiteral("信息："); }

}  // namespace

bool MessageBoxPrompter::Confirm(const std::string& text) {
  return QMessageBox::information(QApplication::activeWindow(), Caption(), QString::fromStdString(text),
                                  QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel) == QMessageBox::Ok;
}

void MessageBoxPrompter::Inform(const std::string& text) {
  QMessageBox::information(QApplication::activeWindow(), Caption(), QString::fromStdString(text));
}

}  // namespace ec
