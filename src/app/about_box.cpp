#include "app/about_box.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>
#include <QtGlobal>

#include "app/settings_location.h"
#include "support/program_version.h"
#include "support/utf8_path.h"

namespace ec {
namespace {

// The Chinese manual as installed beside the program (share/doc/ecview below
// the folder above bin/), as a link; from a build folder, where it is in docs/.
QString ManualLine() {
  const QFileInfo manual(
      QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../share/doc/ecview/manual.zh-CN.md")));
  if (!manual.exists()) return QStringLiteral("<p>使用手册：源代码中的 docs/manual.zh-CN.md</p>");
  const QString path = manual.canonicalFilePath();
  return QStringLiteral("<p>使用手册：<a href=\"%1\">%2</a></p>")
      .arg(QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded), path.toHtmlEscaped());
}

}  // namespace

QString AboutText(const std::filesystem::path& settingsFile) {
  const QString settings = settingsFile.empty() ? QStringLiteral("（未保存设置）")
                                                : QString::fromStdString(Utf8FromPath(settingsFile)).toHtmlEscaped();
  return QStringLiteral(
             "<p><b>%1</b></p><p>版本 %2</p><p>易语言模块（.ec 文件）查看器。</p>"
             "<p>Qt %3</p><p>设置文件：%4</p>%5")
      .arg(QString::fromUtf8(kViewerName), QString::fromLatin1(kProgramVersion), QString::fromLatin1(qVersion()),
           settings, ManualLine());
}

void ShowAboutBox(QWidget* parent, const std::filesystem::path& settingsFile) {
  QMessageBox::about(parent, QStringLiteral("关于 澜禾·观澄"), AboutText(settingsFile));
}

}  // namespace ec
