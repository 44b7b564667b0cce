// The Linux desktop shell: xdg-open for folders, the file manager's
// org.freedesktop.FileManager1.ShowItems over D-Bus for showing an item,
// falling back to opening its folder. This backend talks D-Bus through Qt,
// so it is built with the window code rather than with the core.
#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QObject>
#include <QProcess>
#include <QStringList>
#include <QUrl>

#include "platform/path_text.h"
#include "platform/shell_commands.h"

namespace ec {
namespace {

bool OpenWithDesktop(const std::string& path) {
  return QProcess::startDetached(QStringLiteral("xdg-open"), {QString::fromStdString(path)});
}

class FreedesktopShellCommands : public ShellCommands {
 public:
  bool OpenFolder(const std::string& path) override { return OpenWithDesktop(path); }

  // The call is answered later; the window thread does not wait for it.
  bool ShowItem(const std::string& path) override {
    QDBusConnection bus = QDBusConnection::sessionBus();
    const std::string parent = FolderPart(path).empty() ? path : FolderPart(path);
    if (!bus.isConnected()) return OpenWithDesktop(parent);
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("/org/freedesktop/FileManager1"),
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
    const QString uri = QUrl::fromLocalFile(QString::fromStdString(path)).toString();
    call << QStringList{uri} << QString();
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, 5000));
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, [parent](QDBusPendingCallWatcher* done) {
      if (done->isError()) OpenWithDesktop(parent);
      done->deleteLater();
    });
    return true;
  }

  // ".exe" files are no programs here.
  bool StartsPrograms() const override { return false; }
  bool StartProgram(const std::string&) override { return false; }
  void Beep() override { QApplication::beep(); }
};

}  // namespace

std::unique_ptr<ShellCommands> CreatePlatformShellCommands() { return std::make_unique<FreedesktopShellCommands>(); }

}  // namespace ec
