#pragma once
// One viewer per user and settings file: a second start hands its module
// path to the viewer already running, which opens it and comes to the front,
// and exits. Two viewers on one settings file would each keep their own
// copy of the settings and lose the other's.

#include <QObject>
#include <QString>

class QLocalServer;

namespace ec {

// The local socket name for the settings folder `settingsFolder` and the
// user running the program.
QString SingleInstanceName(const QString& settingsFolder);

// Hands `modulePath` (absolute, or "" to only bring the viewer forward) to
// the viewer listening at `name`. True when that viewer took it; false when
// none answered within `timeoutMilliseconds`.
bool HandOverToRunningViewer(const QString& name, const QString& modulePath, int timeoutMilliseconds = 2000);

class SingleInstanceServer : public QObject {
  Q_OBJECT

 public:
  explicit SingleInstanceServer(QObject* parent = nullptr);

  // Starts listening; a name left behind by a viewer that crashed is taken
  // over. False when the name cannot be had.
  bool Listen(const QString& name);

 signals:
  // Another start handed over `modulePath` ("" when it named no module).
  void OpenRequested(const QString& modulePath);

 private:
  void OnNewConnection();

  QLocalServer* server_;
};

}  // namespace ec
