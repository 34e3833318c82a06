#include "app/instance_link.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDataStream>
#include <QDeadlineTimer>
#include <QFile>
#include <QLockFile>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <cerrno>
#include <cstring>
#include <optional>
#include <utility>

#include "level/file_descriptor.h"

namespace {

constexpr int kConnectMs = 3000;
// Long enough for an editor that is busy loading or printing.
constexpr int kAnswerMs = 10000;
// Far more than any list of paths: a peer that sends more is no later start.
constexpr qsizetype kMaxMessage = 1024 * 1024;

// Nothing when the path does not fit sun_path with its terminator.
std::optional<sockaddr_un> socketAddress(const QString& name) {
  const QByteArray path = QFile::encodeName(name);
  sockaddr_un address{};
  if (path.isEmpty() || path.size() >= qsizetype(sizeof address.sun_path) || path.contains('\0')) return std::nullopt;
  address.sun_family = AF_UNIX;
  std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
  return address;
}

// -1 when no editor takes the connection.
int connectTo(const sockaddr_un& address) {
  FileDescriptor socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
  if (socket.get() < 0) return -1;
  // How long an editor whose queue is full has to take the connection.
  const timeval timeout{kConnectMs / 1000, 0};
  ::setsockopt(socket.get(), SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof timeout);
  while (::connect(socket.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
    if (errno == EISCONN) break;
    if (errno != EINTR) return -1;
  }
  // From here every wait is a poll() against the answer's deadline.
  if (::fcntl(socket.get(), F_SETFL, ::fcntl(socket.get(), F_GETFL) | O_NONBLOCK) != 0) return -1;
  return socket.release();
}

bool waitFor(int fd, short events, const QDeadlineTimer& deadline) {
  for (;;) {
    pollfd ready{fd, events, 0};
    const int result = ::poll(&ready, 1, int(deadline.remainingTime()));
    if (result > 0) return true;
    if (result == 0 || errno != EINTR) return false;
  }
}

// Sends the whole message; true once the running editor answers that it has it.
bool handOver(int fd, const QByteArray& message) {
  const QDeadlineTimer deadline(kAnswerMs);
  for (qsizetype sent = 0; sent < message.size();) {
    // A peer that has gone must not end this process with SIGPIPE.
    const ssize_t n = ::send(fd, message.constData() + sent, size_t(message.size() - sent), MSG_NOSIGNAL);
    if (n >= 0) {
      sent += n;
    } else if (errno == EAGAIN || errno == EWOULDBLOCK) {
      if (!waitFor(fd, POLLOUT, deadline)) return false;
    } else if (errno != EINTR) {
      return false;
    }
  }
  for (;;) {
    char answer = 0;
    const ssize_t n = ::recv(fd, &answer, 1, 0);
    if (n >= 0) return n == 1 && answer == '1';
    if (errno == EAGAIN || errno == EWOULDBLOCK) {
      if (!waitFor(fd, POLLIN, deadline)) return false;
    } else if (errno != EINTR) {
      return false;
    }
  }
}

// Ok with `files` once the message is whole, ReadPastEnd while more is to come, anything else
// for what no later start sends.
QDataStream::Status readList(const QByteArray& message, QStringList& files) {
  QDataStream head(message);
  quint32 count = 0;
  head >> count;
  if (head.status() != QDataStream::Ok) return QDataStream::ReadPastEnd;
  // Every path takes at least its length field. The reader reserves room for the whole count
  // at once, so it gets to read only what arrived has room for.
  if (count > (kMaxMessage - 4) / 4) return QDataStream::ReadCorruptData;
  if (count > (message.size() - 4) / 4) return QDataStream::ReadPastEnd;
  QDataStream in(message);
  in >> files;
  return in.status();
}

}  // namespace

struct InstanceLink::Connection {
  explicit Connection(int fd) : socket(fd) {}
  ~Connection() {
    // Later: it may be the notifier that is calling.
    notifier->setEnabled(false);
    notifier->deleteLater();
  }
  FileDescriptor socket;
  QSocketNotifier* notifier = nullptr;  // a child of the link
  QByteArray received;
};

InstanceLink::InstanceLink(QString name, QObject* parent) : QObject(parent), m_name(std::move(name)) {}

InstanceLink::~InstanceLink() {
  m_connections.clear();
  if (m_listener < 0) return;
  m_listenerNotifier->setEnabled(false);
  // A later start that found this editor not answering may have taken the name since.
  const QByteArray path = QFile::encodeName(m_name);
  struct stat found {};
  if (::lstat(path.constData(), &found) == 0 && found.st_dev == m_socketDevice && found.st_ino == m_socketInode)
    ::unlink(path.constData());
  ::close(m_listener);
}

QString InstanceLink::defaultName() {
  // The runtime folder is the user's own and closed to others.
  // Letters, digits and dots are kept and every other character becomes one '_' (a loop, not a
  // pattern: the pattern engine would load at every start only for this).
  QString display;
  for (const char32_t c : qEnvironmentVariable("WAYLAND_DISPLAY", qEnvironmentVariable("DISPLAY")).toUcs4()) {
    const bool kept = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.';
    display += kept ? QChar(static_cast<char16_t>(c)) : QChar('_');
  }
  return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) + "/cavernia-editor-" + display;
}

InstanceLink::Outcome InstanceLink::handOverOrListen(const QStringList& files) {
  const std::optional<sockaddr_un> address = socketAddress(m_name);
  if (!address) return Outcome::Listening;
  // Of two editors starting at once, the second waits until the first listens.
  QLockFile lock(m_name + ".lock");
  lock.tryLock(kConnectMs);
  const FileDescriptor socket(connectTo(*address));
  if (socket.get() < 0) {
    listen(*address);
    return Outcome::Listening;
  }
  lock.unlock();
  QByteArray message;
  QDataStream out(&message, QIODevice::WriteOnly);
  out << files;
  return handOver(socket.get(), message) ? Outcome::HandedOver : Outcome::NoAnswer;
}

void InstanceLink::listen(const sockaddr_un& address) {
  const char* path = address.sun_path;
  // A socket that nobody answers is what a crashed editor leaves behind; any other file there
  // is not this editor's to remove.
  struct stat found {};
  if (::lstat(path, &found) == 0 && S_ISSOCK(found.st_mode)) ::unlink(path);
  FileDescriptor listener(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
  if (listener.get() < 0) return;
  // Only this user may hand files over: the socket file never exists with access for others.
  const mode_t mask = ::umask(0177);
  const int bound = ::bind(listener.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address);
  ::umask(mask);
  if (bound != 0) return;
  struct stat made {};
  if (::listen(listener.get(), SOMAXCONN) != 0 || ::lstat(path, &made) != 0) {
    ::unlink(path);
    return;
  }
  m_socketDevice = made.st_dev;
  m_socketInode = made.st_ino;
  m_listener = listener.release();
  m_listenerNotifier = new QSocketNotifier(m_listener, QSocketNotifier::Read, this);
  connect(m_listenerNotifier, &QSocketNotifier::activated, this, &InstanceLink::accept);
}

void InstanceLink::accept() {
  for (;;) {
    const int fd = ::accept4(m_listener, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (fd < 0) {
      if (errno == EINTR || errno == ECONNABORTED) continue;
      return;  // all taken
    }
    auto connection = std::make_unique<Connection>(fd);
    connection->notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(connection->notifier, &QSocketNotifier::activated, this,
            [this, taken = connection.get()] { receive(taken); });
    m_connections.push_back(std::move(connection));
  }
}

void InstanceLink::receive(Connection* connection) {
  bool closed = false;
  for (;;) {
    char chunk[64 * 1024];
    const ssize_t n = ::recv(connection->socket.get(), chunk, sizeof chunk, 0);
    if (n > 0) {
      connection->received.append(chunk, n);
      if (connection->received.size() > kMaxMessage) return drop(connection);
    } else if (n < 0 && errno == EINTR) {
      continue;
    } else {
      closed = n == 0 || (errno != EAGAIN && errno != EWOULDBLOCK);
      break;
    }
  }
  QStringList files;
  const QDataStream::Status status = readList(connection->received, files);
  if (status == QDataStream::Ok) {
    // The later start ends on this answer; one that has gone already misses nothing.
    ::send(connection->socket.get(), "1", 1, MSG_NOSIGNAL);
    drop(connection);
    emit filesHandedOver(files);
  } else if (status != QDataStream::ReadPastEnd || closed) {
    drop(connection);
  }
}

void InstanceLink::drop(Connection* connection) {
  std::erase_if(m_connections, [connection](const auto& each) { return each.get() == connection; });
}
