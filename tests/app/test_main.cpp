// One QApplication for all window tests, offscreen unless told otherwise.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
  // The names index of the search window goes to a cache folder of the tests' own.
  QTemporaryDir cache(QDir::tempPath() + QStringLiteral("/ecview-app-test-cache-XXXXXX"));
  for (const char* name : {"XDG_CACHE_HOME", "LOCALAPPDATA"}) qputenv(name, cache.path().toLocal8Bit());
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
