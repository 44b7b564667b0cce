// ecview: the desktop viewer for E language modules.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>

#include <cstdio>

#include "app/main_window.h"
#include "app/node_icons.h"
#include "app/qt_translations.h"
#include "app/screenshot_command.h"
#include "app/settings_location.h"
#include "app/single_instance.h"
#include "app/viewer_application.h"
#include "platform/file_association.h"
#include "render/node_kind.h"
#include "support/utf8_path.h"

namespace {

struct StartRequest {
  QString modulePath;  // absolute, or empty
  bool newWindow = false;
};

// The first argument that is no option names a module; any others are
// ignored. "--new-window" starts a viewer of its own.
StartRequest ParseStart(const QStringList& arguments) {
  StartRequest request;
  for (const QString& argument : arguments) {
    if (argument == QStringLiteral("--new-window")) {
      request.newWindow = true;
    } else if (request.modulePath.isEmpty()) {
      request.modulePath = QDir::toNativeSeparators(QFileInfo(argument).absoluteFilePath());
    }
  }
  return request;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  ec::InstallQtTranslations(app);
  // The installed theme icon when there is one, else the module box of the tree.
  QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("ecview"), QIcon(ec::NodeIconPixmap(ec::kKindModule, 64))));
  const QStringList arguments = QApplication::arguments().mid(1);

  std::string error;
  if (const auto screenshot = ec::ParseScreenshotArguments(arguments, error)) {
    if (!error.empty()) {
      std::fprintf(stderr, "%s\n", error.c_str());
      return 2;
    }
    return ec::RunScreenshot(*screenshot);
  }

  const StartRequest start = ParseStart(arguments);
  const std::filesystem::path settingsFolder = ec::DefaultSettingsFolder();
  const QString instanceName = ec::SingleInstanceName(QString::fromStdString(ec::Utf8FromPath(settingsFolder)));
  if (!start.newWindow && ec::HandOverToRunningViewer(instanceName, start.modulePath)) return 0;

  ec::ViewerApplication viewer(settingsFolder, ec::CreatePlatformFileAssociation(), start.modulePath.toStdString());
  ec::SingleInstanceServer server;
  if (!start.newWindow) server.Listen(instanceName);
  QObject::connect(&server, &ec::SingleInstanceServer::OpenRequested, &viewer.Window(),
                   [&viewer](const QString& path) { viewer.Window().OpenHandedOver(path.toStdString()); });
  viewer.Window().show();
  return app.exec();
}
