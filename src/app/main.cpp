// ecview: the desktop viewer for E language modules.
#include <QApplication>
#include <QIcon>

#include <cstdio>

#include "app/main_window.h"
#include "app/node_icons.h"
#include "app/screenshot_command.h"
#include "app/settings_location.h"
#include "app/viewer_application.h"
#include "render/node_kind.h"
#include "platform/file_association.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
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

  // The first argument names a module to open; any others are ignored.
  const std::string modulePath = arguments.isEmpty() ? std::string() : arguments.first().toStdString();
  ec::ViewerApplication viewer(ec::DefaultSettingsFolder(), ec::CreatePlatformFileAssociation(), modulePath);
  viewer.Window().show();
  return app.exec();
}
