#include "app_support.h"

// Save As comes by its key; the level's window takes no key of File > Close for itself.
TEST(SaveFlow, SaveWritesTheFileAndTakesItsNameAndTheDesktopsKeysSaveUnderANameCloseAndQuit) {
  SaveSession s;
  QTemporaryDir dir;
  setCell(s.document(), {0, 0}, EL_BOMB);
  s.answer = dir.filePath("cave.lev");
  trigger(act().file.save);
  EXPECT_EQ(QFileInfo(s.proposed).fileName(), "NewLevel1.lev") << "the dialog proposes the title without its mark";
  EXPECT_EQ(s.captionAsked, "NewLevel1*") << "the mark stays while the user is asked";
  EXPECT_TRUE(QFileInfo(s.proposed).isAbsolute()) << "in a folder of the user's, not where the editor started";
  EXPECT_EQ(s.title(), "cave.lev");
  EXPECT_EQ(savedLevel(s.answer).element(0, 0), EL_BOMB);
  EXPECT_EQ(runningApp().levels()->recentFiles().files().value(0), s.answer);

  // Save As, to a name without extension, of what is still typed in the form; the first
  // file stays as it was.
  PropertyForm& form = *s.active()->form();
  form.focusField(PropertyForm::Field::Name);
  QTest::keyClicks(form.field(PropertyForm::Field::Name), "Last Edit");
  s.answer = dir.filePath("second");
  QTest::keySequence(s.active()->view(), act().file.saveAs->shortcut());
  EXPECT_EQ(s.title(), "second.lev");
  EXPECT_EQ(savedLevel(dir.filePath("second.lev")).text(Property::Name), "Last Edit");
  EXPECT_EQ(savedLevel(dir.filePath("cave.lev")).text(Property::Name), "") << "the first file stays";

  for (const QKeySequence& key : act().file.close->shortcuts()) {
    trigger(act().file.newLevel);
    const qsizetype before = s.window().levelWindows().size();
    QTest::keySequence(s.active()->view(), key);
    settle();
    EXPECT_EQ(s.window().levelWindows().size(), before - 1) << key.toString().toStdString();
  }
  QTest::keySequence(s.active()->view(), act().file.exit->shortcut());
  settle();
  EXPECT_FALSE(s.window().isVisible());
}

// Only the last window of a changed level asks, and quitting asks about every changed level
// before it closes anything: Cancel, or a Yes whose save fails, keeps it all.
TEST(SaveFlow, ClosingAsksOncePerChangedLevelAndCancelOrAFailedSaveKeepsEverything) {
  SaveSession s;
  LevelDocument& changed = s.document();
  setCell(changed, {0, 0}, EL_BOMB);
  LevelWindow* first = s.active();
  LevelWindow* second = s.newWindow();
  trigger(act().file.newLevel);  // unchanged: no question
  {
    MessageCatcher cancel(QMessageBox::Cancel);
    trigger(act().file.exit);
    EXPECT_EQ(cancel.texts, QStringList{"Save changes to NewLevel1?"});
    ASSERT_EQ(s.window().levelWindows().size(), 3) << "cancel keeps every window";
    // Both in one round of events: the first window is closed but not yet deleted.
    first->close();
    second->close();
    settle();
    EXPECT_EQ(cancel.texts.size(), 2) << "one question for the two windows";
    ASSERT_EQ(s.window().levelWindows().size(), 2) << "cancel keeps the level open";
  }
  {
    s.answer = "/nonexistent/folder/lost.lev";
    MessageCatcher yes(QMessageBox::Yes);
    s.window().close();
    settle();
    ASSERT_EQ(yes.texts.size(), 2) << "the question and the failure";
    EXPECT_TRUE(yes.texts[1].startsWith("The level could not be saved.") && yes.texts[1].contains(s.answer))
        << yes.texts[1].toStdString();
    ASSERT_EQ(s.window().levelWindows().size(), 2);
    EXPECT_EQ(changed.title(), "NewLevel1") << "the level keeps its name";
    EXPECT_TRUE(changed.isModified()) << "and its changes";
  }
  QTemporaryDir dir;
  s.answer = dir.filePath("closing.lev");
  MessageCatcher yes(QMessageBox::Yes);
  s.window().close();
  settle();
  EXPECT_EQ(savedLevel(s.answer).element(0, 0), EL_BOMB);
  EXPECT_EQ(s.window().levelWindows().size(), 0);
}
