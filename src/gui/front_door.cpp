#include "gui/front_door.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>

namespace {

// How long a second start waits for the running program to take its knock.
constexpr int KnockWait = 1000;  // milliseconds

// One name per data folder (and per user, whose folders these are), short enough for a
// socket's path.
QString doorName(const std::filesystem::path& dataFolder) {
  const QString folder = QDir(QString::fromStdString(dataFolder.string())).absolutePath();
  const QByteArray hash =
      QCryptographicHash::hash(folder.toUtf8(), QCryptographicHash::Sha256).toHex().left(24);
  return "00-varnet-" + QString::fromLatin1(hash);
}

}  // namespace

void FrontDoor::open(const std::filesystem::path& dataFolder, std::function<void()> comeForward) {
  const QString name = doorName(dataFolder);
  server_.setSocketOptions(QLocalServer::UserAccessOption);
  // This program holds the folder's lock, so a door already there is a dead program's.
  if (!server_.listen(name) && server_.serverError() == QAbstractSocket::AddressInUseError) {
    QLocalServer::removeServer(name);
    server_.listen(name);
  }
  QObject::connect(&server_, &QLocalServer::newConnection, &server_,
                   [this, comeForward = std::move(comeForward)] {
                     while (QLocalSocket* knock = server_.nextPendingConnection()) {
                       knock->disconnectFromServer();
                       knock->deleteLater();
                       comeForward();
                     }
                   });
}

bool FrontDoor::knock(const std::filesystem::path& dataFolder) {
  QLocalSocket socket;
  socket.connectToServer(doorName(dataFolder));
  if (!socket.waitForConnected(KnockWait)) return false;
  socket.disconnectFromServer();
  return true;
}
