#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <future>
#include <optional>

#include "app/instance_link.h"

namespace {

sockaddr_un addressOf(const QString& name) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  qstrncpy(address.sun_path, QFile::encodeName(name).constData(), sizeof address.sun_path);
  return address;
}

// What the running editor answers a peer that sends `bytes` (and then, with `thenClose`, no
// more): "1", empty when it drops the peer, nothing when it keeps the connection open.
std::optional<QByteArray> answerTo(const QString& name, QByteArray bytes, bool thenClose = false) {
  const int peer = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  const sockaddr_un address = addressOf(name);
  EXPECT_EQ(::connect(peer, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
  QByteArray answer;
  // The editor reads in this thread's event loop: the bytes go out as it takes them.
  const bool ended = QTest::qWaitFor(
      [&] {
        const ssize_t sent = bytes.isEmpty() ? 0 : ::send(peer, bytes.constData(), size_t(bytes.size()), MSG_NOSIGNAL);
        if (sent > 0 && bytes.remove(0, sent).isEmpty() && thenClose) ::shutdown(peer, SHUT_WR);
        char byte = 0;
        const ssize_t n = ::recv(peer, &byte, 1, 0);
        if (n == 1) answer += byte;
        return n == 0 || (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK);
      },
      5000);
  ::close(peer);
  return ended ? std::optional(answer) : std::nullopt;
}

}  // namespace

// What a crashed editor leaves: the socket file, with nobody listening. The next start cleans
// it up and listens on a socket of the user's own, which goes when it ends. Any process of the
// user's may connect: what no later start sends is dropped unanswered, and the editor goes on
// serving a later start, which hands its files over.
TEST(InstanceLink, AStaleSocketIsReplacedAPeerSendingGarbageIsDroppedAndALaterStartHandsItsFilesOver) {
  QTemporaryDir folder;
  const QString name = folder.filePath("editor");
  const int stale = ::socket(AF_UNIX, SOCK_STREAM, 0);
  const sockaddr_un address = addressOf(name);
  ASSERT_EQ(::bind(stale, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
  ::close(stale);
  {
    InstanceLink running(name);
    ASSERT_EQ(running.handOverOrListen({}), InstanceLink::Outcome::Listening);
    struct stat socketFile {};
    ASSERT_EQ(::stat(address.sun_path, &socketFile), 0);
    EXPECT_EQ(socketFile.st_mode & 0777, 0600u);
    QSignalSpy received(&running, &InstanceLink::filesHandedOver);
    QByteArray whole;
    QDataStream out(&whole, QIODevice::WriteOnly);
    out << QStringList{"/levels/a.lev"};
    // A count of paths the reader would reserve room for at once.
    EXPECT_EQ(answerTo(name, QByteArray("\xff\xff\xff\xf0", 4)), QByteArray());
    // A path of an odd number of UTF-16 bytes.
    EXPECT_EQ(answerTo(name, QByteArray("\0\0\0\1\0\0\0\3abc", 11)), QByteArray());
    // A path that claims 2 GB and keeps coming.
    EXPECT_EQ(answerTo(name, QByteArray("\0\0\0\1\x7f\xff\xff\xfe", 8) + QByteArray(1100 * 1024, 'x')), QByteArray());
    EXPECT_EQ(answerTo(name, whole.chopped(2), true), QByteArray());

    InstanceLink later(name);
    // The later start waits for the answer, which comes from this thread's event loop.
    const QStringList files{"/levels/a.lev", QString::fromUtf8("/levels/caf\u00E9 b.lev")};
    auto handedOver = std::async(std::launch::async, [&later, &files] { return later.handOverOrListen(files); });
    ASSERT_TRUE(QTest::qWaitFor([&] { return received.size() == 1; }));
    EXPECT_EQ(received[0][0].toStringList(), files);
    EXPECT_EQ(handedOver.get(), InstanceLink::Outcome::HandedOver);
  }
  EXPECT_FALSE(QFileInfo::exists(name));
}

// One socket per display: its name keeps letters, digits and dots of the display's name. A
// socket's path holds 107 bytes; a longer one must neither overflow nor be cut to another path:
// each editor runs on its own.
TEST(InstanceLink, TheSocketIsNamedAfterTheDisplayAndANameTooLongForItLeavesEachEditorOnItsOwn) {
  const QByteArray wayland = qgetenv("WAYLAND_DISPLAY"), display = qgetenv("DISPLAY");
  qunsetenv("WAYLAND_DISPLAY");
  qputenv("DISPLAY", "host:1.0/\u00e9");
  const QString name = InstanceLink::defaultName();
  EXPECT_TRUE(name.endsWith("/cavernia-editor-host_1.0__")) << name.toStdString();
  display.isNull() ? qunsetenv("DISPLAY") : qputenv("DISPLAY", display);
  if (!wayland.isNull()) qputenv("WAYLAND_DISPLAY", wayland);

  QTemporaryDir folder;
  const QString longest = folder.filePath(QString(106 - folder.path().size(), 'n'));
  const QString tooLong = longest + "x";
  const auto sockets = [&folder] { return QDir(folder.path()).entryList(QDir::System | QDir::NoDotAndDotDot); };
  InstanceLink first(tooLong), second(tooLong);
  EXPECT_EQ(first.handOverOrListen({}), InstanceLink::Outcome::Listening);
  EXPECT_EQ(second.handOverOrListen({"/levels/a.lev"}), InstanceLink::Outcome::Listening);
  EXPECT_EQ(sockets(), QStringList{});
  InstanceLink fits(longest);
  EXPECT_EQ(fits.handOverOrListen({}), InstanceLink::Outcome::Listening);
  EXPECT_EQ(sockets(), QStringList{QFileInfo(longest).fileName()});
}
