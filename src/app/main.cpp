// ecview: the desktop viewer for E language modules.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QLabel placeholder(QStringLiteral("ecview"));
  placeholder.show();
  return app.exec();
}
