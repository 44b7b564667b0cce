#include "app/about_box.h"

#include <QMessageBox>
#include <QtGlobal>

#include "app/settings_location.h"
#include "support/program_version.h"
#include "support/utf8_path.h"

namespace ec {

QString AboutText(const std::filesystem::path& settingsFile) {
  const QString settings = settingsFile.empty() ? QStringLiteral("（未保存设置）")
                                                : QString::fromStdString(Utf8FromPath(settingsFile)).toHtmlEscaped();
  return QStringLiteral("<p><b>%1</b></p><p>版本 %2</p><p>易语言模块（.ec 文件）查看器。</p>"
                        "<p>Qt %3</p><p>设置文件：%4</p>")
      .arg(QString::fromUtf8(kViewerName), QString::fromLatin1(kProgramVersion), QString::fromLatin1(qVersion()),
           settings);
}

void ShowAboutBox(QWidget* parent, const std::filesystem::path& settingsFile) {
  QMessageBox::about(parent, QStringLiteral("关于 澜禾·观澄"), AboutText(settingsFile));
}

}  // namespace ec
