#include "app/save_flow.h"
#include "app_support.h"
#include "editing/set_cells.h"

namespace {

QString g_answer;  // what the file dialog "returns" in these tests
QString g_proposed;
QString g_captionAsked;  // the level window's caption while the dialog was up
const EditorSession* g_session = nullptr;
QString answerFileDialog(QWidget*, const QString& proposed) {
  g_proposed = proposed;
  g_captionAsked = g_session->title();
  return g_answer;
}

struct SaveSession : EditorSession {
  SaveSession() {
    SaveFlow::setFileNameAsker(answerFileDialog);
    g_answer.clear();
    g_session = this;
  }
  ~SaveSession() { SaveFlow::setFileNameAsker(nullptr); }
  void change() const { setCell(document(), {0, 0}, EL_BOMB); }
};

}  // namespace

TEST(SaveFlow, SaveWritesTheFileAndTakesItsName) {
  SaveSession s;
  QTemporaryDir dir;
  s.change();
  g_answer = dir.filePath("cave.lev");
  trigger(act().file.save);
  EXPECT_EQ(QFileInfo(g_proposed).fileName(), "NewLevel1.lev") << "the dialog proposes the title without its mark";
  EXPECT_EQ(g_captionAsked, "NewLevel1*") << "the mark stays while the user is asked";
  EXPECT_TRUE(QFileInfo(g_proposed).isAbsolute()) << "in a folder of the user's, not where the editor started";
  EXPECT_EQ(s.title(), "cave.lev");
  EXPECT_EQ(savedLevel(g_answer).element(0, 0), EL_BOMB);
  EXPECT_EQ(runningApp().levels()->recentFiles().files().value(0), g_answer);

  // Save As, to a name without extension, of what is still typed in the form; the first
  // file stays as it was.
  PropertyForm& form = *s.active()->form();
  form.focusField(PropertyForm::Field::Name);
  QTest::keyClicks(form.field(PropertyForm::Field::Name), "Last Edit");
  g_answer = dir.filePath("second");
  trigger(act().file.saveAs);  // that it takes the new name, the keys' test shows
  EXPECT_EQ(savedLevel(dir.filePath("second.lev")).text(Property::Name), "Last Edit");
  EXPECT_EQ(savedLevel(dir.filePath("cave.lev")).text(Property::Name), "") << "the first file stays";
}

TEST(SaveFlow, OnlyTheLastWindowOfAChangedLevelAsks) {
  SaveSession s;
  s.change();
  LevelWindow* first = s.active();
  LevelWindow* second = s.newWindow();
  {
    MessageCatcher cancel(QMessageBox::Cancel);
    // Both in one round of events: the first window is closed but not yet deleted.
    first->close();
    second->close();
    settle();
    ASSERT_EQ(cancel.texts, QStringList{"Save changes to NewLevel1?"});
    ASSERT_EQ(s.window().levelWindows().size(), 1) << "cancel keeps the level open";
  }
  QTemporaryDir dir;
  g_answer = dir.filePath("closing.lev");
  MessageCatcher yes(QMessageBox::Yes);
  trigger(act().file.close);
  EXPECT_EQ(savedLevel(g_answer).element(0, 0), EL_BOMB);
  EXPECT_EQ(s.window().levelWindows().size(), 0);
}

TEST(SaveFlow, QuittingAsksAboutEveryChangedLevelBeforeClosingAnything) {
  SaveSession s;
  LevelDocument& changed = s.document();
  s.change();
  s.newWindow();
  trigger(act().file.newLevel);  // unchanged: no question
  {
    MessageCatcher cancel(QMessageBox::Cancel);
    trigger(act().file.exit);
    EXPECT_EQ(cancel.texts.join('|'), "Save changes to NewLevel1?");
    ASSERT_EQ(s.window().levelWindows().size(), 3) << "cancel keeps every window";
  }
  {
    g_answer = "/nonexistent/folder/lost.lev";  // Yes, and the save fails: nothing is lost
    MessageCatcher yes(QMessageBox::Yes);
    s.window().close();
    settle();
    ASSERT_EQ(yes.texts.size(), 2) << "the question and the failure";
    EXPECT_TRUE(yes.texts[1].startsWith("The level could not be saved.") && yes.texts[1].contains(g_answer))
        << yes.texts[1].toStdString();
    ASSERT_EQ(s.window().levelWindows().size(), 3);
    EXPECT_EQ(changed.title(), "NewLevel1") << "the level keeps its name";
    EXPECT_TRUE(changed.isModified()) << "and its changes";
  }
  MessageCatcher no(QMessageBox::No);
  s.window().close();
  settle();
  EXPECT_EQ(s.window().levelWindows().size(), 0);
}

TEST(SaveFlow, TheDesktopsKeysCloseSaveUnderANameAndQuit) {
  SaveSession s;
  // The level's window takes no key of File > Close for itself.
  for (const QKeySequence& key : act().file.close->shortcuts()) {
    trigger(act().file.newLevel);
    const qsizetype before = s.window().levelWindows().size();
    QTest::keySequence(s.active()->view(), key);
    settle();
    EXPECT_EQ(s.window().levelWindows().size(), before - 1) << key.toString().toStdString();
  }
  QTemporaryDir dir;
  g_answer = dir.filePath("keyed.lev");
  QTest::keySequence(s.active()->view(), act().file.saveAs->shortcut());
  EXPECT_EQ(s.title(), "keyed.lev");
  QTest::keySequence(s.active()->view(), act().file.exit->shortcut());
  settle();
  EXPECT_FALSE(s.window().isVisible());
}
