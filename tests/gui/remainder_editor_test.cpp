#include <gtest/gtest.h>

#include <QFile>
#include <QListWidget>
#include <QMouseEvent>
#include <QTemporaryDir>

#include "app/commands/command_ids.h"
#include "gui_support.h"
#include "level/brannoc_doc.h"
#include "level/elements.h"
#include "level/properties.h"
#include "props/prop_view.h"
#include "props/remainder_button.h"

namespace {

// Sends one mouse event to the button, with the buttons held after it.
void Mouse(CRemainderButton& button, QEvent::Type type, QPoint at, Qt::MouseButton which, Qt::MouseButtons held) {
  QMouseEvent event(type, at, button.mapToGlobal(at), which, held, Qt::NoModifier);
  QApplication::sendEvent(&button, &event);
}

void Click(CRemainderButton& button, QPoint at, Qt::MouseButton which) {
  Mouse(button, QEvent::MouseButtonPress, at, which, which);
  Mouse(button, QEvent::MouseButtonRelease, at, which, Qt::NoButton);
}

void Key(QListWidget& list, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QTest::keyClick(&list, key, modifiers);
}

QPoint CellCentre(int cell) {
  const int c = CRemainderButton::kCellSize;
  return QPoint((cell % 3) * c + c / 2, (cell / 3) * c + c / 2);
}

// A level whose remainders are the given words, in order.
QString LevelWithRemainders(const QTemporaryDir& dir, const QStringList& patterns) {
  const QString path = dir.filePath("remainders.lev");
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::WriteOnly));
  QString text = "n Remainders\n";
  for (const QString& pattern : patterns) text += "y " + pattern + "\n";
  text += "m 3 1\n#*#\n";
  file.write(text.toLatin1());
  return path;
}

QStringList Numbered(int count) {
  QStringList patterns;
  for (int i = 1; i <= count; ++i) patterns << QString("p%1").arg(i, 2, 10, QChar('0'));
  return patterns;
}

struct Editor {
  explicit Editor(const EditorSession& session)
      : form(*session.Child()->Form()), doc(form.Document()), list(*form.RemainderList()),
        button(*form.RemainderButton()) {}
  CPropView& form;
  CBrannocDoc& doc;
  QListWidget& list;
  CRemainderButton& button;
};

}  // namespace

TEST(RemainderEditor, NewLevelListsTwentyUnusedEntriesAndAnEmptyPattern) {
  EditorSession session;
  Editor e(session);
  ASSERT_EQ(e.list.count(), 20);
  EXPECT_EQ(e.list.item(0)->text(), "Remainder 1");
  EXPECT_EQ(e.list.item(19)->text(), "Remainder 20");
  EXPECT_EQ(e.list.currentRow(), 0);
  EXPECT_EQ(e.button.Pattern(), "~~~~~~~~~");
  EXPECT_EQ(e.button.size(), QSize(90, 90));
  EXPECT_EQ(e.button.y(), e.list.y());
  EXPECT_EQ(e.list.height(), 90);
  EXPECT_EQ(e.button.x() - (e.list.x() + e.list.width()), 5) << "the list ends 5 pixels left of the button";
  const QImage picture = e.button.grab().toImage();
  for (int cell = 0; cell < 9; ++cell) EXPECT_EQ(picture.pixelColor(CellCentre(cell)), QColor(Qt::white)) << cell;
  EXPECT_EQ(picture.pixelColor(0, 0), QColor(Qt::black)) << "a black frame";
  EXPECT_EQ(picture.pixelColor(30, 15), QColor(Qt::black)) << "grid line";
}

TEST(RemainderEditor, PaintingWithBothButtonsStoresThePattern) {
  EditorSession session;
  Editor e(session);
  e.doc.m_nCurrentElement = EL_EMERALD;
  Click(e.button, CellCentre(0), Qt::LeftButton);
  EXPECT_EQ(e.doc.m_remainders[0], "*~~~~~~~~");
  EXPECT_EQ(e.list.item(0)->text(), "Remainder 1    (*~~~~~~~~)");
  EXPECT_NE(e.button.grab().toImage().pixelColor(CellCentre(0)), QColor(Qt::white)) << "the emerald is drawn";
  // A remainder edit is part of the level, though not undoable.
  EXPECT_TRUE(e.doc.IsModified());
  EXPECT_FALSE(e.doc.CanUndo());

  // Emptying every cell still leaves a used entry; only Delete frees it.
  Click(e.button, CellCentre(0), Qt::RightButton);
  EXPECT_EQ(e.doc.m_remainders[0], "~~~~~~~~~");
  EXPECT_EQ(e.list.item(0)->text(), "Remainder 1    (~~~~~~~~~)");
  Key(e.list, Qt::Key_Delete);
  EXPECT_EQ(e.doc.m_remainders[0], "");
  EXPECT_EQ(e.list.item(0)->text(), "Remainder 1");
  EXPECT_EQ(e.button.Pattern(), "~~~~~~~~~");

  // A drag paints every cell it passes; beyond the grid's right and bottom edges nothing.
  e.list.setCurrentRow(2);
  e.doc.m_nCurrentElement = EL_ROCK;
  const char rock = CharFromElement(EL_ROCK);
  Mouse(e.button, QEvent::MouseButtonPress, CellCentre(3), Qt::LeftButton, Qt::LeftButton);
  for (QPoint at : {CellCentre(4), CellCentre(5), QPoint(100, 45), QPoint(150, 80), CellCentre(8), QPoint(80, 95)})
    Mouse(e.button, QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton);
  Mouse(e.button, QEvent::MouseButtonRelease, QPoint(80, 95), Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(e.doc.m_remainders[2], std::string("~~~") + rock + rock + rock + "~~" + rock);
  // After the release a move paints nothing.
  Mouse(e.button, QEvent::MouseMove, CellCentre(0), Qt::NoButton, Qt::NoButton);
  EXPECT_EQ(e.doc.m_remainders[2][0], '~');
  // A right drag empties.
  Mouse(e.button, QEvent::MouseButtonPress, CellCentre(3), Qt::RightButton, Qt::RightButton);
  Mouse(e.button, QEvent::MouseMove, CellCentre(4), Qt::NoButton, Qt::RightButton);
  Mouse(e.button, QEvent::MouseButtonRelease, CellCentre(4), Qt::RightButton, Qt::NoButton);
  EXPECT_EQ(e.doc.m_remainders[2], std::string("~~~~~") + rock + "~~" + rock);
  EXPECT_EQ(e.list.currentRow(), 2);
}

TEST(RemainderEditor, PlayersCannotBePainted) {
  EditorSession session;
  Editor e(session);
  e.doc.m_nCurrentElement = EL_WALL;
  Click(e.button, CellCentre(4), Qt::LeftButton);
  for (int player : {EL_PLAYER1, EL_PLAYER2}) {
    e.doc.m_nCurrentElement = player;
    Mouse(e.button, QEvent::MouseMove, CellCentre(1), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(e.button.cursor().shape(), Qt::ForbiddenCursor);
    Click(e.button, CellCentre(0), Qt::LeftButton);
    EXPECT_EQ(e.doc.m_remainders[0], "~~~~#~~~~");
  }
  Click(e.button, CellCentre(4), Qt::RightButton);
  EXPECT_EQ(e.doc.m_remainders[0], "~~~~~~~~~") << "the right button still empties";
  e.doc.m_nCurrentElement = EL_EMERALD;
  Mouse(e.button, QEvent::MouseMove, CellCentre(1), Qt::NoButton, Qt::NoButton);
  EXPECT_NE(e.button.cursor().shape(), Qt::ForbiddenCursor);
}

TEST(RemainderEditor, InsertDeleteAndCtrlDeleteMoveTheEntries) {
  QTemporaryDir dir;
  EditorSession session({LevelWithRemainders(dir, Numbered(20))});
  ASSERT_TRUE(session.started);
  Editor e(session);
  ASSERT_FALSE(e.doc.IsModified());
  e.list.setCurrentRow(4);
  EXPECT_EQ(e.button.Pattern(), "p05~~~~~~");

  Key(e.list, Qt::Key_Insert);
  EXPECT_EQ(e.doc.m_remainders.size(), 20u);
  EXPECT_EQ(e.doc.m_remainders[3], "p04");
  EXPECT_EQ(e.doc.m_remainders[4], "");
  EXPECT_EQ(e.doc.m_remainders[5], "p05");
  EXPECT_EQ(e.doc.m_remainders[19], "p19") << "the old entry 20 is dropped";
  EXPECT_EQ(e.list.item(4)->text(), "Remainder 5");
  EXPECT_EQ(e.list.item(5)->text(), "Remainder 6    (p05)");
  EXPECT_EQ(e.list.currentRow(), 4);
  EXPECT_EQ(e.button.Pattern(), "~~~~~~~~~");
  EXPECT_TRUE(e.doc.IsModified());

  e.list.setCurrentRow(3);
  Key(e.list, Qt::Key_Delete, Qt::ControlModifier);
  EXPECT_EQ(e.doc.m_remainders[3], "");
  EXPECT_EQ(e.doc.m_remainders[4], "p05");
  EXPECT_EQ(e.doc.m_remainders[18], "p19");
  EXPECT_EQ(e.doc.m_remainders[19], "") << "the last entry is left empty";
  EXPECT_EQ(e.list.item(18)->text(), "Remainder 19    (p19)");
  EXPECT_EQ(e.list.count(), 20);

  e.list.setCurrentRow(4);
  Key(e.list, Qt::Key_Delete);
  EXPECT_EQ(e.doc.m_remainders[4], "");
  EXPECT_EQ(e.doc.m_remainders[5], "p06") << "plain Delete only empties the entry";
  EXPECT_EQ(e.list.count(), 20);
}

TEST(RemainderEditor, PatternsFromAFileAreShownInNineCells) {
  QTemporaryDir dir;
  EditorSession session({LevelWithRemainders(dir, {"*", "abcdefghijkl"})});
  ASSERT_TRUE(session.started);
  Editor e(session);
  EXPECT_EQ(e.button.Pattern(), "*~~~~~~~~");
  EXPECT_EQ(e.list.item(0)->text(), "Remainder 1    (*)") << "the stored text until a cell is painted";
  EXPECT_EQ(e.list.item(1)->text(), "Remainder 2    (abcdefghijkl)");
  e.list.setCurrentRow(1);
  EXPECT_EQ(e.button.Pattern(), "abcdefghi");
  e.doc.m_nCurrentElement = EL_EMERALD;
  Click(e.button, CellCentre(8), Qt::LeftButton);
  EXPECT_EQ(e.doc.m_remainders[1], "abcdefgh*");
  // Painting what a cell already holds changes nothing, not even the short form.
  e.list.setCurrentRow(0);
  Click(e.button, CellCentre(0), Qt::LeftButton);
  EXPECT_EQ(e.doc.m_remainders[0], "*");
}

TEST(RemainderEditor, EveryWindowOfTheLevelPaintsOnTheCurrentPatterns) {
  EditorSession session;
  Editor first(session);
  session.NewWindow();
  Editor second(session);
  ASSERT_NE(&first.form, &second.form);
  first.doc.m_nCurrentElement = EL_EMERALD;
  Click(first.button, CellCentre(0), Qt::LeftButton);
  EXPECT_EQ(second.list.item(0)->text(), "Remainder 1    (*~~~~~~~~)");
  EXPECT_EQ(second.button.Pattern(), "*~~~~~~~~");
  // Painting in the second window keeps what the first one painted.
  Click(second.button, CellCentre(4), Qt::LeftButton);
  EXPECT_EQ(first.doc.m_remainders[0], "*~~~*~~~~");
  EXPECT_EQ(first.button.Pattern(), "*~~~*~~~~");
  // Moving entries in one window moves them in the other, which keeps its own selection.
  second.list.setCurrentRow(6);
  first.list.setCurrentRow(0);
  Key(first.list, Qt::Key_Insert);
  EXPECT_EQ(second.list.item(1)->text(), "Remainder 2    (*~~~*~~~~)");
  EXPECT_EQ(second.list.currentRow(), 6);
}

TEST(RemainderEditor, EditsSurviveUndoAndAreNeverTakenForTheSavedState) {
  EditorSession session;
  Editor e(session);
  // A saved level with one property change behind it.
  e.doc.SetStringProperty("Ann", PROP_DESIGNER, true);
  e.doc.MarkSaved();
  e.doc.SetModifiedFlag(false);
  e.doc.m_nCurrentElement = EL_EMERALD;
  Click(e.button, CellCentre(0), Qt::LeftButton);
  EXPECT_TRUE(e.doc.IsModified());
  e.doc.OnEditUndo();
  EXPECT_EQ(e.doc.m_remainders[0], "*~~~~~~~~") << "undo leaves the remainders as they are";
  e.doc.OnEditRedo();
  EXPECT_TRUE(e.doc.IsModified()) << "back at the saved actions, but the remainder is still unsaved";

  // Delete on an entry that is already unused is no change.
  e.doc.MarkSaved();
  e.doc.SetModifiedFlag(false);
  e.list.setCurrentRow(7);
  Key(e.list, Qt::Key_Delete);
  e.list.setCurrentRow(19);
  Key(e.list, Qt::Key_Delete, Qt::ControlModifier);
  EXPECT_FALSE(e.doc.IsModified());
}
