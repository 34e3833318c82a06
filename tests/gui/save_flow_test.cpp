#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>

#include "app/commands/command_ids.h"
#include "app/document/save_flow.h"
#include "editing_support.h"
#include "props/prop_view.h"

namespace {

QString g_answer;  // what the file dialog "returns" in these tests
QString g_proposed;
QString AnswerFileDialog(QWidget*, const QString& proposed) {
  g_proposed = proposed;
  return g_answer;
}

struct SaveSession : EditorSession {
  SaveSession() {
    CSaveFlow::SetFileNameAsker(AnswerFileDialog);
    g_answer.clear();
  }
  ~SaveSession() { CSaveFlow::SetFileNameAsker(nullptr); }
  CBrannocDoc& Doc() const { return Child()->Document(); }
  QString Title() const { return Child()->windowTitle(); }
};

QByteArray FileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

TEST(SaveFlow, TitleMarkFollowsTheSavedState) {
  SaveSession s;
  QTemporaryDir dir;
  EXPECT_EQ(s.Title(), "NewLevel1");
  s.Doc().SetCell(1, 1, EL_RUBY, true, 1, true, false);
  EXPECT_EQ(s.Title(), "NewLevel1*");
  App().Router()->Execute(cmd::EDIT_UNDO);
  EXPECT_EQ(s.Title(), "NewLevel1") << "undo back to the saved state";
  App().Router()->Execute(cmd::EDIT_REDO);
  EXPECT_EQ(s.Title(), "NewLevel1*");

  g_answer = dir.filePath("cave.lev");
  App().Router()->Execute(cmd::FILE_SAVE);
  EXPECT_EQ(g_proposed, "NewLevel1.lev") << "the dialog proposes the title without its mark";
  EXPECT_EQ(s.Title(), "cave.lev");
  EXPECT_FALSE(s.Doc().IsModified());
  EXPECT_TRUE(FileBytes(g_answer).contains("\r\n~(  "));
  App().Router()->Execute(cmd::EDIT_UNDO);
  EXPECT_EQ(s.Title(), "cave.lev*") << "the saved state is the state at the save";
  App().Router()->Execute(cmd::EDIT_REDO);
  EXPECT_EQ(s.Title(), "cave.lev");

  // Save As to another name; the first file stays as it was.
  const QByteArray first = FileBytes(g_answer);
  s.Doc().SetCell(2, 2, EL_WALL, true, 1, true, false);
  g_answer = dir.filePath("second");
  App().Router()->Execute(cmd::FILE_SAVE_AS);
  EXPECT_EQ(s.Title(), "second.lev");
  EXPECT_TRUE(QFile::exists(dir.filePath("second.lev")));
  EXPECT_EQ(FileBytes(dir.filePath("cave.lev")), first);
}

TEST(SaveFlow, FailedSaveKeepsTheMarkAndTheOldFile) {
  SaveSession s;
  QTemporaryDir dir;
  g_answer = dir.filePath("kept.lev");
  App().Router()->Execute(cmd::FILE_SAVE);
  const QByteArray saved = FileBytes(g_answer);
  ASSERT_FALSE(saved.isEmpty());
  s.Doc().SetCell(0, 0, EL_BOMB, true, 1, true, false);
  // The file's place is taken by a folder now: writing can't replace it.
  QFile::remove(g_answer);
  QDir(dir.path()).mkpath("kept.lev/inside");
  MessageCatcher catcher;
  App().Router()->Execute(cmd::FILE_SAVE);
  Settle();
  ASSERT_EQ(catcher.texts.size(), 1);
  EXPECT_TRUE(catcher.texts[0].contains(dir.filePath("kept.lev"))) << catcher.texts[0].toStdString();
  EXPECT_EQ(s.Title(), "kept.lev*");
  EXPECT_TRUE(s.Doc().IsModified());
  EXPECT_TRUE(QDir(dir.filePath("kept.lev/inside")).exists());
  // A cancelled file dialog says nothing and keeps the mark as well.
  g_answer.clear();
  App().Router()->Execute(cmd::FILE_SAVE_AS);
  EXPECT_EQ(catcher.texts.size(), 1);
  EXPECT_EQ(s.Title(), "kept.lev*");
}

TEST(SaveFlow, PendingFormEditReachesTheFile) {
  SaveSession s;
  QTemporaryDir dir;
  CPropView& form = *s.Child()->Form();
  form.FocusField(CPropView::IDC_NAME);
  QTest::keyClicks(form.Field(CPropView::IDC_NAME), "Last Edit");
  g_answer = dir.filePath("pending.lev");
  App().Router()->Execute(cmd::FILE_SAVE);
  EXPECT_TRUE(FileBytes(g_answer).contains("\r\nn Last Edit\r\n"));
  EXPECT_EQ(s.Title(), "pending.lev");
}

TEST(SaveFlow, ClosingAModifiedLevelAsks) {
  SaveSession s;
  // An unchanged level closes without a question.
  {
    MessageCatcher catcher;
    s.Child()->close();
    Settle();
    EXPECT_TRUE(catcher.texts.isEmpty());
    EXPECT_EQ(s.Frame().Children().size(), 0);
  }
  App().Router()->Execute(cmd::FILE_NEW);
  Settle();
  // A paste is not recorded, but it still makes closing ask.
  s.Child()->LevelView()->SetMarking({0, 0, 0, 0});
  s.Doc().PasteBlock(0, 0, std::string_view("*\0", 2));
  {
    MessageCatcher cancel(QMessageBox::Cancel);
    s.Child()->close();
    Settle();
    ASSERT_EQ(cancel.texts.size(), 1);
    EXPECT_EQ(cancel.texts[0], "Save changes to NewLevel2?");
    ASSERT_EQ(s.Frame().Children().size(), 1) << "cancel keeps the level open";
    EXPECT_EQ(s.Title(), "NewLevel2*");
  }
  {
    QTemporaryDir dir;
    g_answer = dir.filePath("closing.lev");
    MessageCatcher yes(QMessageBox::Yes);
    s.Frame().close();  // closing the program asks too
    Settle();
    EXPECT_EQ(yes.texts.size(), 1);
    EXPECT_TRUE(FileBytes(g_answer).contains("\r\n*"));
    EXPECT_EQ(s.Frame().Children().size(), 0);
  }
}

TEST(SaveFlow, TheQuestionComesOnlyAtTheLastWindow) {
  SaveSession s;
  s.Doc().SetCell(0, 0, EL_BOMB, true, 1, true, false);
  s.NewWindow();
  MessageCatcher no(QMessageBox::No);
  // Both in one round of events: the first window is closed but not yet deleted.
  CChildFrame* second = s.Child();
  s.Frame().Children().first()->close();
  EXPECT_TRUE(no.texts.isEmpty());
  second->close();
  Settle();
  EXPECT_EQ(no.texts.size(), 1);
  EXPECT_EQ(s.Frame().Children().size(), 0);

  // File > Close asks once and closes every window of the level.
  App().Router()->Execute(cmd::FILE_NEW);
  Settle();
  s.Doc().SetCell(0, 0, EL_BOMB, true, 1, true, false);
  s.NewWindow();
  App().Router()->Execute(cmd::FILE_CLOSE);
  Settle();
  EXPECT_EQ(no.texts.size(), 2);
  EXPECT_EQ(s.Frame().Children().size(), 0);
}

TEST(SaveFlow, QuittingAsksAboutEveryChangedLevelBeforeClosingAnything) {
  SaveSession s;
  CBrannocDoc& changed = s.Doc();
  changed.SetCell(0, 0, EL_BOMB, true, 1, true, false);
  s.NewWindow();
  App().Router()->Execute(cmd::FILE_NEW);  // unchanged: no question
  Settle();
  {
    MessageCatcher cancel(QMessageBox::Cancel);
    App().Router()->Execute(cmd::APP_EXIT);
    Settle();
    EXPECT_EQ(cancel.texts.join('|'), "Save changes to NewLevel1?");
    ASSERT_EQ(s.Frame().Children().size(), 3) << "cancel keeps every window";
    EXPECT_TRUE(s.Frame().isVisible());
  }
  {
    // Yes, and the save fails: quitting stops and nothing is lost.
    g_answer = "/nonexistent/folder/lost.lev";
    MessageCatcher yes(QMessageBox::Yes);
    s.Frame().close();
    Settle();
    EXPECT_EQ(yes.texts.size(), 2) << "the question and the failure";
    ASSERT_EQ(s.Frame().Children().size(), 3);
    EXPECT_TRUE(changed.IsModified());
  }
  MessageCatcher no(QMessageBox::No);
  s.Frame().close();
  Settle();
  EXPECT_EQ(no.texts.size(), 1);
  EXPECT_EQ(s.Frame().Children().size(), 0);
}
