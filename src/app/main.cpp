// ecview: the desktop viewer for E language modules.
#include <QApplication>
#include <QDir>
#include <QIcon>

#include <cstdio>

#include "app/main_window.h"
#include "app/node_icons.h"
#include "app/qt_translations.h"
#include "app/screenshot_command.h"
#include "app/settings_location.h"
#include "app/single_instance.h"
#include "app/viewer_command_line.h"
#include "app/viewer_application.h"
#include "platform/file_association.h"
#include "render/node_kind.h"
#include "support/utf8_path.h"

int main(int argc, char** argv) {
  // Help and version need no window (the application object needs a display)
  // and leave the settings alone.
  QStringList raw;
  for (int i = 1; i < argc; ++i) raw.append(QString::fromLocal8Bit(argv[i]));
  if (const ec::ViewerArguments early = ec::ParseViewerCommandLine(raw, {});
      early.action == ec::ViewerArguments::Action::Help || early.action == ec::ViewerArguments::Action::Version) {
    std::fputs(early.message.c_str(), stdout);
    return 0;
  }
  QApplication app(argc, argv);
  ec::InstallQtTranslations(app);
  // The installed theme icon when there is one, else the module box of the tree.
  QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("ecview"), QIcon(ec::NodeIconPixmap(ec::kKindModule, 64))));
  // Parsed again without the options the application object took (-platform ...).
  const ec::ViewerArguments start = ec::ParseViewerCommandLine(QApplication::arguments().mid(1), QDir::currentPath());
  if (start.action == ec::ViewerArguments::Action::Screenshot) return ec::RunScreenshot(start.screenshot);
  if (start.action != ec::ViewerArguments::Action::Open) {
    std::fputs(start.message.c_str(), stderr);
    return 2;
  }
  const std::filesystem::path settingsFolder = ec::DefaultSettingsFolder();
  const QString instanceName = ec::SingleInstanceName(QString::fromStdString(ec::Utf8FromPath(settingsFolder)));
  const QString modulePath = QString::fromStdString(start.modulePath);
  if (!start.newWindow && ec::HandOverToRunningViewer(instanceName, modulePath)) return 0;

  ec::ViewerApplication viewer(settingsFolder, ec::CreatePlatformFileAssociation(), start.modulePath);
  ec::SingleInstanceServer server;
  if (!start.newWindow) server.Listen(instanceName);
  QObject::connect(&server, &ec::SingleInstanceServer::OpenRequested, &viewer.Window(),
                   [&viewer](const QString& path) { viewer.Window().OpenHandedOver(path.toStdString()); });
  viewer.Window().show();
  return app.exec();
}
