#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTemporaryDir>

#include "app/commands/command_ids.h"
#include "gui_support.h"
#include "level/brannoc_doc.h"
#include "level/level_file.h"
#include "level/update_hints.h"
#include "props/prop_view.h"
#include "support/level_text.h"
#include "view/brannoc_view.h"

namespace {

// Real key presses; characters beyond ASCII come as text, as an input method sends them.
void TypeText(QWidget* field, const QString& text) {
  for (QChar c : text) {
    if (c.unicode() < 0x80)
      QTest::keyClick(field, c.toLatin1());
    else
      QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
  }
}

// Types into a field as the user would and then moves the focus away, which commits it.
void TypeAndLeave(CPropView& form, int id, const QString& text) {
  QWidget* field = form.Field(id);
  form.FocusField(id);
  Settle();
  if (auto* edit = qobject_cast<QLineEdit*>(field)) {
    edit->selectAll();
    TypeText(edit, text);
  } else if (auto* info = qobject_cast<QPlainTextEdit*>(field)) {
    info->selectAll();
    const QStringList lines = text.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
      if (i > 0) QTest::keyClick(info, Qt::Key_Return);
      QTest::keyClicks(info, lines[i]);
    }
  }
  form.FocusField(id == CPropView::IDC_NAME ? CPropView::IDC_DESIGNER : CPropView::IDC_NAME);
  Settle();
}

QString FieldText(CPropView& form, int id) {
  if (auto* edit = qobject_cast<QLineEdit*>(form.Field(id))) return edit->text();
  if (auto* info = qobject_cast<QPlainTextEdit*>(form.Field(id))) return info->toPlainText();
  return {};
}

}  // namespace

TEST(PropView, EditsReachTheDocumentWhenTheFieldIsLeft) {
  EditorSession session;
  session.Frame().activateWindow();
  CPropView& form = *session.Child()->Form();
  CBrannocDoc& doc = form.Document();
  TypeAndLeave(form, CPropView::IDC_NAME, "  Crystal Caves ");
  EXPECT_EQ(doc.m_strName, "Crystal Caves");
  EXPECT_EQ(FieldText(form, CPropView::IDC_NAME), "Crystal Caves") << "the field shows the trimmed text";
  EXPECT_TRUE(doc.IsModified());
  EXPECT_TRUE(doc.CanUndo());

  TypeAndLeave(form, CPropView::IDC_INFO, "  first\nsecond  \n");
  EXPECT_EQ(doc.m_strInfo, "  first\r\nsecond") << "leading spaces stay, the end is trimmed";

  TypeAndLeave(form, CPropView::IDC_EMERALDS, " 7 ");
  EXPECT_EQ(doc.m_strEmeralds, "7");
  TypeAndLeave(form, CPropView::IDC_EMERALDS, "12*");
  EXPECT_EQ(doc.m_strEmeralds, "12*");

  auto* laser = static_cast<QCheckBox*>(form.Field(CPropView::IDC_LASER_SOUND));
  QTest::mouseClick(laser, Qt::LeftButton, {}, QPoint(5, laser->height() / 2));
  EXPECT_TRUE(doc.m_bLaserSoundOff) << "a check box commits at once";

  auto* difficulty = static_cast<QComboBox*>(form.Field(CPropView::IDC_DIFFICULTY));
  difficulty->setCurrentIndex(3);
  emit difficulty->activated(3);
  EXPECT_EQ(doc.m_strDifficulty, "3");
}

TEST(PropView, BadValuesAreRefusedWithAMessage) {
  EditorSession session;
  CPropView& form = *session.Child()->Form();
  CBrannocDoc& doc = form.Document();
  MessageCatcher catcher;
  // After each message the field has the focus again, with the user's text, until it is put right.
  auto putRight = [&](int id, const char* text) {
    EXPECT_TRUE(form.Field(id)->hasFocus()) << (QApplication::focusWidget() ? QApplication::focusWidget()->objectName().toStdString() : std::string("none"));
    static_cast<QLineEdit*>(form.Field(id))->setText(text);
  };
  TypeAndLeave(form, CPropView::IDC_EMERALDS, "1 2");
  EXPECT_EQ(doc.m_strEmeralds, "*");
  ASSERT_EQ(catcher.texts.size(), 1);
  EXPECT_EQ(catcher.texts[0], "Please enter a number or a *");
  putRight(CPropView::IDC_EMERALDS, "*");
  TypeAndLeave(form, CPropView::IDC_WIDTH, "0");
  EXPECT_EQ(doc.m_nWidth, 126);
  ASSERT_EQ(catcher.texts.size(), 2);
  EXPECT_EQ(catcher.texts[1], "Please enter a value between 1 and 126");
  putRight(CPropView::IDC_WIDTH, "126");
  TypeAndLeave(form, CPropView::IDC_HEIGHT, "127");
  EXPECT_EQ(doc.m_nHeight, 126);
  EXPECT_EQ(catcher.texts.size(), 3);
  putRight(CPropView::IDC_HEIGHT, "126");
  TypeAndLeave(form, CPropView::IDC_WIDTH, "126");
  EXPECT_EQ(catcher.texts.size(), 3) << "126 is accepted";
  // Text a level file cannot hold is not stored, not even by the silent pass before a save.
  const std::string name = doc.m_strName;
  TypeAndLeave(form, CPropView::IDC_NAME, "Łódź 日本");
  ASSERT_EQ(catcher.texts.size(), 4);
  EXPECT_EQ(catcher.texts[3], "Level files cannot hold these characters: Ł, ź, 日, 本. Please replace them.");
  doc.UpdateAllViews(nullptr, HINT_COMMIT_FORM);
  EXPECT_EQ(doc.m_strName, name);
  putRight(CPropView::IDC_NAME, QString::fromStdString(name).toLatin1().constData());
  TypeAndLeave(form, CPropView::IDC_WIDTH, "126");
  EXPECT_EQ(catcher.texts.size(), 4);
  EXPECT_FALSE(doc.CanUndo());
  EXPECT_FALSE(doc.IsModified());
}

TEST(PropView, WidthChangeReachesEveryViewOfTheLevel) {
  EditorSession session;
  CChildFrame* first = session.Child();
  CChildFrame* second = session.NewWindow();
  CBrannocDoc& doc = first->Document();
  first->LevelView()->SetMarking({12, 2, 5, 4});   // reaches past the new edge: cut at column 9
  second->LevelView()->SetMarking({11, 0, 12, 1}); // right of the new edge: gone
  TypeAndLeave(*first->Form(), CPropView::IDC_WIDTH, "10");
  EXPECT_EQ(doc.m_nWidth, 10);
  EXPECT_EQ(first->LevelView()->Marking(), (CellMarking{5, 2, 9, 4}));
  EXPECT_TRUE(second->LevelView()->Marking().IsNone());
  EXPECT_EQ(second->LevelView()->horizontalScrollBar()->maximum() + second->LevelView()->viewport()->width(),
            std::max(300, second->LevelView()->viewport()->width()));
  EXPECT_EQ(FieldText(*second->Form(), CPropView::IDC_WIDTH), "10") << "the other form follows";
  // The same width again records nothing.
  const bool couldUndo = doc.CanUndo();
  TypeAndLeave(*first->Form(), CPropView::IDC_WIDTH, "10");
  EXPECT_EQ(doc.CanUndo(), couldUndo);
}

TEST(PropView, UndoShowsTheOldValueInEveryForm) {
  EditorSession session;
  CChildFrame* first = session.Child();
  CChildFrame* second = session.NewWindow();
  TypeAndLeave(*first->Form(), CPropView::IDC_DESIGNER, "Ann");
  EXPECT_EQ(FieldText(*second->Form(), CPropView::IDC_DESIGNER), "Ann");
  first->Document().OnEditUndo();
  EXPECT_EQ(FieldText(*first->Form(), CPropView::IDC_DESIGNER), "");
  EXPECT_EQ(FieldText(*second->Form(), CPropView::IDC_DESIGNER), "");
}

TEST(PropView, PendingEditIsCommittedBeforeSaving) {
  EditorSession session;
  CPropView& form = *session.Child()->Form();
  form.FocusField(CPropView::IDC_NEXT_LEVEL);
  QTest::keyClicks(form.Field(CPropView::IDC_NEXT_LEVEL), "Level Two");
  static_cast<QLineEdit*>(form.Field(CPropView::IDC_WIDTH))->setText("");
  MessageCatcher catcher;
  form.Document().UpdateAllViews(nullptr, HINT_COMMIT_FORM);
  EXPECT_EQ(form.Document().m_strNextLevel, "Level Two");
  EXPECT_TRUE(catcher.texts.isEmpty()) << "the pass before a save is silent";
}

// Values the form would show otherwise than the file holds them. Tabbing through every field
// and the pass before a save commit nothing the user did not type, so the level stays
// unchanged and is written as the command line's format writes it.
TEST(PropView, UntouchedFieldsKeepTheStoredValues) {
  const std::string kLevels[] = {
      CrLf({"A Nig", "S ech", "M 7 gem rush", "d 07", "T 0x10", "D 12", "n  Spaced Name", "e abc", "p x4",
            "E  -2", "w 1e3", "o +3", "s 030", "a  Ann ", "f\tFirst", "N  Next", "Y", "L", "i text", "i ",
            "m 3 1", "#*#"}),
      CrLf({"A  Night", "S Classic ", "D 3x", "e 1 2", "i   indented", "i \r", "m 126 2", "#", "#"}),
  };
  for (const std::string& level : kLevels) {
    SCOPED_TRACE(level.substr(0, level.find("\r\n")));
    QTemporaryDir dir;
    const QString path = dir.filePath("odd.lev");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(level.data(), static_cast<qint64>(level.size()));
    file.close();
    CBrannocDoc formatted;
    ASSERT_TRUE(OpenLevelFile(formatted, path.toStdString()).ok);

    EditorSession session({path});
    ASSERT_TRUE(session.started);
    session.Frame().activateWindow();
    CPropView& form = *session.Child()->Form();
    CBrannocDoc& doc = form.Document();
    MessageCatcher catcher;
    form.FocusField(CPropView::IDC_NAME);
    Settle();
    for (int i = 0; i < 30 && QApplication::focusWidget(); ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      Settle();
    }
    doc.UpdateAllViews(nullptr, HINT_COMMIT_FORM);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_FALSE(doc.CanUndo());
    EXPECT_TRUE(catcher.texts.isEmpty()) << catcher.texts.join('|').toStdString();
    EXPECT_EQ(WriteText(doc), WriteText(formatted));
  }
}

TEST(PropView, EmeraldCountOfAFullLevelShowsWhole) {
  EditorSession session;
  CPropView& form = *session.Child()->Form();
  form.Document().m_nEmeraldTotal = 126 * 126;
  form.Document().UpdateAllViews(nullptr, HINT_CELL_CHANGED);
  auto* count = form.findChild<QLabel*>("field1026");
  ASSERT_EQ(count->text(), "(15876)");
  EXPECT_GE(count->width(), count->sizeHint().width());
  for (QLabel* label : form.findChildren<QLabel*>()) {
    if (label->text() == "Robot speed") EXPECT_LT(count->geometry().right(), label->x());
  }
}

TEST(PropView, UndoLightsUpAsSoonAsACheckBoxCommits) {
  EditorSession session;
  CPropView& form = *session.Child()->Form();
  auto* laser = static_cast<QCheckBox*>(form.Field(CPropView::IDC_LASER_SOUND));
  form.FocusField(CPropView::IDC_LASER_SOUND);  // the click moves no focus
  Settle();
  QAction* undo = App().Router()->Action(cmd::EDIT_UNDO);
  ASSERT_FALSE(undo->isEnabled());
  QTest::mouseClick(laser, Qt::LeftButton, {}, QPoint(5, laser->height() / 2));
  Settle();
  EXPECT_TRUE(undo->isEnabled());
}

TEST(PropView, CtrlZUndoesTheFieldsTypingAndThenTheLevel) {
  EditorSession session;
  CPropView& form = *session.Child()->Form();
  CBrannocDoc& doc = form.Document();
  TypeAndLeave(form, CPropView::IDC_DESIGNER, "Ann");  // the focus is on the name now
  auto* name = static_cast<QLineEdit*>(form.Field(CPropView::IDC_NAME));
  QTest::keyClicks(name, "Mine");
  QTest::keyClick(name, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(name->text(), "") << "the typing goes first";
  EXPECT_EQ(doc.m_strDesigner, "Ann");
  QTest::keyClick(name, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(doc.m_strDesigner, "") << "then the level's last action";
  QTest::keyClick(name, Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(doc.m_strDesigner, "Ann");
  EXPECT_TRUE(name->hasFocus());
  // Back in a field whose typing was committed, Ctrl+Z takes back the commit.
  TypeAndLeave(form, CPropView::IDC_NEXT_LEVEL, "Two");
  auto* next = static_cast<QLineEdit*>(form.Field(CPropView::IDC_NEXT_LEVEL));
  form.FocusField(CPropView::IDC_NEXT_LEVEL);
  QTest::keyClick(next, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(doc.m_strNextLevel, "");
  EXPECT_EQ(next->text(), "");
}
