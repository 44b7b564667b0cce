#include "app/single_instance.h"

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>

namespace ec {
namespace {

// One line of UTF-8 each way: the path, then "ok" once the viewer took it.
constexpr char kAcknowledgement[] = "ok\n";
// A path is one line of a few hundred bytes; anything longer is no request.
constexpr qint64 kLongestRequest = 64 * 1024;

QString UserName() {
  const QString user = qEnvironmentVariable("USER");
  return user.isEmpty() ? qEnvironmentVariable("USERNAME") : user;
}

}  // namespace

QString SingleInstanceName(const QString& settingsFolder) {
  const QByteArray key = (UserName() + QLatin1Char('\n') + settingsFolder).toUtf8();
  return QStringLiteral("ecview-") +
         QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex().left(16));
}

bool HandOverToRunningViewer(const QString& name, const QString& modulePath, int timeoutMilliseconds) {
  QLocalSocket socket;
  socket.connectToServer(name);
  if (!socket.waitForConnected(timeoutMilliseconds)) return false;
  socket.write(modulePath.toUtf8() + '\n');
  if (!socket.waitForBytesWritten(timeoutMilliseconds)) return false;
  while (!socket.canReadLine()) {
    if (!socket.waitForReadyRead(timeoutMilliseconds)) return false;
  }
  return socket.readLine() == kAcknowledgement;
}

SingleInstanceServer::SingleInstanceServer(QObject* parent) : QObject(parent), server_(new QLocalServer(this)) {
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  connect(server_, &QLocalServer::newConnection, this, &SingleInstanceServer::OnNewConnection);
}

bool SingleInstanceServer::Listen(const QString& name) {
  if (server_->listen(name)) return true;
  // Nobody answers there (a crashed viewer's socket file): take it over.
  QLocalServer::removeServer(name);
  return server_->listen(name);
}

void SingleInstanceServer::OnNewConnection() {
  while (QLocalSocket* socket = server_->nextPendingConnection()) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
      if (socket->bytesAvailable() > kLongestRequest) return socket->abort();
      if (!socket->canReadLine()) return;
      const QString path = QString::fromUtf8(socket->readLine()).chopped(1);
      socket->write(kAcknowledgement);
      socket->flush();
      emit OpenRequested(path);
    });
  }
}

}  // namespace ec
