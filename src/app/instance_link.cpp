#include "app/instance_link.h"

#include <QDataStream>
#include <QLocalSocket>
#include <QLockFile>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {

constexpr int kConnectMs = 3000;
// Long enough for an editor that is busy loading or printing.
constexpr int kAnswerMs = 10000;

}  // namespace

InstanceLink::InstanceLink(QString name, QObject* parent) : QObject(parent), m_name(std::move(name)) {
  connect(&m_server, &QLocalServer::newConnection, this, &InstanceLink::receive);
}

QString InstanceLink::defaultName() {
  // The runtime folder is the user's own and closed to others.
  QString display = qEnvironmentVariable("WAYLAND_DISPLAY", qEnvironmentVariable("DISPLAY"));
  display.replace(QRegularExpression("[^A-Za-z0-9.]"), "_");
  return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) + "/cavernia-editor-" + display;
}

InstanceLink::Outcome InstanceLink::handOverOrListen(const QStringList& files) {
  // Of two editors starting at once, the second waits until the first listens.
  QLockFile lock(m_name + ".lock");
  lock.tryLock(kConnectMs);
  QLocalSocket socket;
  socket.connectToServer(m_name);
  if (!socket.waitForConnected(kConnectMs)) {
    listen();
    return Outcome::Listening;
  }
  lock.unlock();
  // The running editor answers once it has the files. The answer may come while writing.
  bool answered = false;
  connect(&socket, &QLocalSocket::readyRead, [&answered] { answered = true; });
  QDataStream out(&socket);
  out << files;
  socket.waitForBytesWritten(kAnswerMs);
  if (!answered) socket.waitForReadyRead(kAnswerMs);
  return answered ? Outcome::HandedOver : Outcome::NoAnswer;
}

void InstanceLink::listen() {
  // A socket that nobody answers is what a crashed editor leaves behind.
  QLocalServer::removeServer(m_name);
  m_server.setSocketOptions(QLocalServer::UserAccessOption);
  m_server.listen(m_name);
}

void InstanceLink::receive() {
  while (QLocalSocket* socket = m_server.nextPendingConnection()) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    const auto read = [this, socket] {
      QDataStream in(socket);
      in.startTransaction();
      QStringList files;
      in >> files;
      if (!in.commitTransaction()) return;  // more is on its way
      socket->write("1");
      socket->flush();  // at once: the other end is waiting for it
      socket->disconnectFromServer();
      emit filesHandedOver(files);
    };
    connect(socket, &QLocalSocket::readyRead, this, read);
    read();  // what arrived before the connection was taken
  }
}
