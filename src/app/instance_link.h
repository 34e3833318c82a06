#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>
#include <QStringList>

// One editor serves every start by the same user on the same display: a later start hands its
// files to the running editor through a local socket and ends.
class InstanceLink : public QObject {
  Q_OBJECT
 public:
  // `name` is the socket's path.
  explicit InstanceLink(QString name, QObject* parent = nullptr);

  // The socket of this user's editor on this display.
  static QString defaultName();

  enum class Outcome {
    HandedOver,  // the running editor took the files
    Listening,   // there was none: this one is the running editor now
    NoAnswer,    // the running editor did not take the files in time
  };
  // Hands `files` (absolute paths) to the running editor, or becomes it.
  Outcome handOverOrListen(const QStringList& files);

 signals:
  // A later start handed these files over; empty when it named none.
  void filesHandedOver(const QStringList& files);

 private:
  void listen();
  void receive();

  QString m_name;
  QLocalServer m_server;
};
