#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class QSocketNotifier;
struct sockaddr_un;

// One editor serves every start by the same user on the same display: a later start hands its
// files to the running editor through a local socket and ends.
class InstanceLink : public QObject {
  Q_OBJECT
 public:
  // `name` is the socket's path.
  explicit InstanceLink(QString name, QObject* parent = nullptr);
  ~InstanceLink() override;

  // The socket of this user's editor on this display.
  static QString defaultName();

  enum class Outcome {
    HandedOver,  // the running editor took the files
    Listening,   // there was none: this one is the running editor now
    NoAnswer,    // the running editor did not take the files in time
  };
  // Hands `files` (absolute paths) to the running editor, or becomes it. A path too long for
  // a socket leaves this editor running on its own.
  Outcome handOverOrListen(const QStringList& files);

 signals:
  // A later start handed these files over; empty when it named none.
  void filesHandedOver(const QStringList& files);

 private:
  struct Connection;

  void listen(const sockaddr_un& address);
  void accept();
  void receive(Connection* connection);
  void drop(Connection* connection);

  QString m_name;
  int m_listener = -1;
  QSocketNotifier* m_listenerNotifier = nullptr;
  // The socket file this editor made, so that it removes no other's.
  unsigned long long m_socketDevice = 0;
  unsigned long long m_socketInode = 0;
  std::vector<std::unique_ptr<Connection>> m_connections;
};
