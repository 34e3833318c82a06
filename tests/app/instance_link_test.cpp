#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <future>

#include "app/instance_link.h"

// What a crashed editor leaves: the socket file, with nobody listening. The next start cleans
// it up and listens; a start after that hands its files over through it.
TEST(InstanceLink, AStaleSocketIsReplacedAndALaterStartHandsItsFilesOver) {
  QTemporaryDir folder;
  const QString name = folder.filePath("editor");
  const int stale = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  qstrncpy(address.sun_path, QFile::encodeName(name).constData(), sizeof address.sun_path);
  ASSERT_EQ(::bind(stale, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  ::close(stale);

  InstanceLink running(name);
  ASSERT_EQ(running.handOverOrListen({}), InstanceLink::Outcome::Listening);
  QSignalSpy received(&running, &InstanceLink::filesHandedOver);
  InstanceLink later(name);
  // The later start waits for the answer, which comes from this thread's event loop.
  const QStringList files{"/levels/a.lev", QString::fromUtf8("/levels/caf\u00E9 b.lev")};
  auto handedOver = std::async(std::launch::async, [&later, &files] { return later.handOverOrListen(files); });
  ASSERT_TRUE(QTest::qWaitFor([&] { return received.size() == 1; }));
  EXPECT_EQ(received[0][0].toStringList(), files);
  EXPECT_EQ(handedOver.get(), InstanceLink::Outcome::HandedOver);
}
