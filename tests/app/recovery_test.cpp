#include <QDirIterator>
#include <QProcess>

#include "app/recovery_files.h"
#include "app/recovery_finder.h"
#include "app/recovery_writer.h"
#include "app_support.h"

namespace {

// Set for the child of the kill test: the folder with its levels, and the data folder to use.
const char* const kChildLevels = "CAVERNIA_RECOVERY_CHILD_LEVELS";
const char* const kChildData = "CAVERNIA_RECOVERY_CHILD_DATA";

int recoveryCopies() {
  int count = 0;
  for (QDirIterator it(recoveryFolder(), {"*.lev"}, QDir::Files, QDirIterator::Subdirectories); it.hasNext(); it.next())
    ++count;
  return count;
}

}  // namespace

// Only runs as the kill test's child: edits three levels and waits for the timer to copy them.
TEST(RecoveryChild, EditsLevelsAndWaitsToBeKilled) {
  const QString levels = qEnvironmentVariable(kChildLevels);
  if (levels.isEmpty()) GTEST_SKIP() << "runs as a child of Recovery.ALevelOfAKilledEditor...";
  qputenv("XDG_DATA_HOME", qgetenv(kChildData));
  EditorSettings().setValue("Recovery/IntervalSeconds", 1);
  EditorSession session({levels + "/keep.lev"});
  runningApp().levels()->open("");
  runningApp().levels()->open(levels + "/drop.lev");
  for (LevelDocument* document : runningApp().levels()->documents()) ASSERT_EQ(setCell(*document, {2, 2}, EL_BOMB), 1);
  ASSERT_TRUE(QTest::qWaitFor([] { return recoveryCopies() == 3; }, 10000));
  printf("written\n");
  fflush(stdout);
  QTest::qWait(60000);
}

TEST(Recovery, ALevelOfAKilledEditorIsOfferedAndRestoredUnderItsOwnNameOrDiscarded) {
  QTemporaryDir levels;
  for (const char* name : {"/keep.lev", "/drop.lev"})
    ASSERT_TRUE(QFile::copy(QString(CAVERNIA_EXAMPLES_DIR) + "/key-vault.lev", levels.path() + name));
  const Level original = savedLevel(levels.path() + "/keep.lev");
  QProcess child;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(kChildLevels, levels.path());
  environment.insert(kChildData, qEnvironmentVariable("XDG_DATA_HOME"));
  child.setProcessEnvironment(environment);
  child.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=RecoveryChild.*"});
  QByteArray output;
  while (!output.contains("written\n") && child.waitForReadyRead(30000)) output += child.readAllStandardOutput();
  ASSERT_TRUE(output.contains("written\n")) << output.toStdString();

  EXPECT_TRUE(RecoveryFinder(recoveryFolder()).levels().empty()) << "the copies of a running editor are left alone";
  child.kill();  // SIGKILL
  ASSERT_TRUE(child.waitForFinished(10000));
  QStringList offered;
  {
    const RecoveryFinder finder(recoveryFolder());  // holds the killed editor's lock while it lives
    for (const RecoveredLevel& level : finder.levels()) offered.append(level.title + " " + level.path);
  }
  offered.sort();
  EXPECT_EQ(offered, (QStringList{"NewLevel1 ", "drop.lev " + levels.path() + "/drop.lev",
                                  "keep.lev " + levels.path() + "/keep.lev"}));

  // Restore all but drop.lev.
  const MessageCatcher asked(
      [](const QString& box) { return box.contains("drop.lev") ? QMessageBox::Discard : QMessageBox::Yes; });
  {
    EditorSession session;
    EXPECT_EQ(asked.texts.size(), 3);
    EXPECT_TRUE(asked.texts.filter(levels.path() + "/keep.lev").value(0).contains("\"keep.lev\""));
    // (That the copy holds the whole level, the writer's and reader's tests show.)
    QStringList restored;
    for (LevelDocument* document : runningApp().levels()->documents()) {
      restored.append(QString::fromStdString(document->title() + " " + document->path()));
      EXPECT_TRUE(document->isModified());
      EXPECT_EQ(document->level().element(2, 2), EL_BOMB);
    }
    restored.sort();
    EXPECT_EQ(restored, (QStringList{"NewLevel1 ", "keep.lev " + levels.path() + "/keep.lev"}))
        << "no new level beside the restored ones";
    EXPECT_TRUE(savedLevel(levels.path() + "/keep.lev") == original) << "the user's file waits for a save";
  }
  EXPECT_TRUE(QDir(recoveryFolder()).isEmpty()) << "restored, discarded and a clean end leave nothing behind";
}

TEST(Recovery, OnlyChangedLevelsAreCopiedAndSavingOrClosingRemovesTheCopy) {
  SaveSession session;
  QTemporaryDir saved;
  session.answer = saved.filePath("saved.lev");
  LevelDocument& document = session.document();
  RecoveryWriter& writer = *runningApp().recovery();
  const auto copiesAfter = [&](const std::function<void()>& edit) {
    edit();
    writer.writeChanged();
    return recoveryCopies();
  };
  EXPECT_EQ(copiesAfter([] {}), 0) << "an unchanged level";
  EXPECT_EQ(copiesAfter([&] { setCell(document, {2, 2}, EL_BOMB); }), 1);
  QDirIterator copy(recoveryFolder(), {"*.lev"}, QDir::Files, QDirIterator::Subdirectories);
  EXPECT_EQ(copiesAfter([&] { QFile::remove(copy.next()); }), 0) << "not written again until it changes";
  EXPECT_EQ(copiesAfter([&] { setCell(document, {3, 3}, EL_BOMB); }), 1);
  EXPECT_EQ(copiesAfter([&] { document.undo(); document.undo(); }), 0) << "back at its saved state";
  EXPECT_EQ(copiesAfter([&] { setCell(document, {3, 3}, EL_BOMB); }), 1);
  trigger(act().file.save);
  EXPECT_EQ(recoveryCopies(), 0) << "saved";
  EXPECT_EQ(copiesAfter([&] { setCell(document, {4, 4}, EL_BOMB); }), 1);
  MessageCatcher discard(QMessageBox::No);
  session.active()->close();
  settle();
  EXPECT_EQ(recoveryCopies(), 0) << "closed without saving";
}
