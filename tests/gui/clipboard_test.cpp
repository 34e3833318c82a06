#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QPrintDialog>

#include "app/commands/command_ids.h"
#include "edit/draw_modes.h"
#include "editing_support.h"
#include "modal_dialog.h"
#include "props/prop_view.h"

namespace {

QByteArray ClipboardTiles() {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  return data ? data->data("Vorel Tiles") : QByteArray();
}

struct ClipboardSession : EditorSession {
  ClipboardSession() {
    QGuiApplication::clipboard()->clear();
    Child()->resize(1000, 700);
    Settle();
  }
  CBrannocView& View() const { return *Child()->LevelView(); }
  CBrannocDoc& Doc() const { return View().Document(); }
};

}  // namespace

TEST(Clipboard, CopyPutsTheTileBlockTextThere) {
  ClipboardSession s;
  EXPECT_FALSE(App().Router()->Query(cmd::EDIT_COPY).enabled) << "nothing selected";
  EXPECT_FALSE(App().Router()->Query(cmd::EDIT_CUT).enabled);
  s.Doc().PlaceTile(2, 2, EL_RUBY);
  s.View().SetMarking({2, 2, 2, 2});
  App().Router()->Execute(cmd::EDIT_COPY);
  EXPECT_EQ(ClipboardTiles(), QByteArray("(\0", 2));

  s.Doc().PlaceTile(1, 1, EL_WALL);
  s.Doc().PlaceTile(4, 3, EL_EMERALD);
  s.View().SetMarking({4, 3, 1, 1});
  App().Router()->Execute(cmd::EDIT_COPY);
  EXPECT_EQ(ClipboardTiles(), QByteArray("#   \n (  \n   *\0", 15));
  EXPECT_EQ(s.View().Marking(), (CellMarking{4, 3, 1, 1})) << "the marking keeps its corners";
  EXPECT_FALSE(s.Doc().IsModified());
}

TEST(Clipboard, CutAndDeleteEmptyTheSelection) {
  ClipboardSession s;
  s.Doc().PlaceTile(1, 1, EL_RUBY);
  s.Doc().PlaceTile(4, 3, EL_EMERALD);
  s.Doc().PlaceTile(5, 3, EL_EMERALD);
  s.View().SetMarking({4, 3, 1, 1});
  App().Router()->Execute(cmd::EDIT_CUT);
  EXPECT_EQ(ClipboardTiles().size(), 15);
  EXPECT_EQ(s.Doc().CountTiles(), 1);
  EXPECT_EQ(s.Doc().m_nEmeraldTotal, 1);
  EXPECT_TRUE(s.Doc().IsModified());
  EXPECT_EQ(s.View().Marking(), (CellMarking{4, 3, 1, 1}));

  // Delete: nothing without a selection; with one, the cells go and the clipboard stays.
  s.View().setFocus();
  s.View().SetMarking(CellMarking::None());
  QTest::keyClick(&s.View(), Qt::Key_Delete);
  EXPECT_EQ(s.Doc().CountTiles(), 1);
  s.View().SetMarking({5, 3, 6, 3});
  QTest::keyClick(&s.View(), Qt::Key_Delete);
  EXPECT_EQ(s.Doc().CountTiles(), 0);
  EXPECT_EQ(ClipboardTiles().size(), 15);
}

TEST(Clipboard, PasteGoesToTheAnchorCellAndIsClamped) {
  ClipboardSession s;
  EXPECT_FALSE(App().Router()->Query(cmd::EDIT_PASTE).enabled);
  s.View().SetMarking({0, 0, 0, 0});
  EXPECT_FALSE(App().Router()->Query(cmd::EDIT_PASTE).enabled) << "no tiles on the clipboard";
  auto* data = new QMimeData;
  data->setData("Vorel Tiles", QByteArray("*****\n*****\n*****\n*****\n*****\0", 30));
  QGuiApplication::clipboard()->setMimeData(data);
  Settle();
  EXPECT_TRUE(App().Router()->Query(cmd::EDIT_PASTE).enabled);

  s.View().SetMarking({122, 0, 122, 0});
  App().Router()->Execute(cmd::EDIT_PASTE);
  EXPECT_EQ(s.View().Marking(), (CellMarking{122, 0, 125, 4}));
  EXPECT_EQ(s.Doc().m_nEmeraldTotal, 20) << "the fifth column lies outside the level";
  EXPECT_FALSE(s.Doc().CanUndo());

  // With the selection dragged up and left, the block's top-left goes to where the drag began.
  s.View().SetMarking({10, 9, 7, 7});
  App().Router()->Execute(cmd::EDIT_PASTE);
  EXPECT_EQ(ElementAt(s.Doc(), 10, 9), EL_EMERALD);
  EXPECT_EQ(ElementAt(s.Doc(), 9, 9), NO_ELEMENT);
  EXPECT_EQ(s.View().Marking(), (CellMarking{10, 9, 14, 13}));
}

TEST(Clipboard, BlocksMoveBetweenLevels) {
  ClipboardSession s;
  CChildFrame* first = s.Child();
  first->Document().PlaceTile(0, 0, EL_PLAYER1);
  first->Document().PlaceTile(1, 0, EL_EXIT);
  first->LevelView()->SetMarking({0, 0, 1, 0});
  App().Router()->Execute(cmd::EDIT_COPY);
  App().Router()->Execute(cmd::FILE_NEW);
  Settle();
  CChildFrame* second = s.Child();
  ASSERT_NE(first, second);
  second->LevelView()->SetMarking({5, 5, 5, 5});
  App().Router()->Execute(cmd::EDIT_PASTE);
  EXPECT_EQ(ElementAt(second->Document(), 5, 5), EL_PLAYER1);
  EXPECT_EQ(ElementAt(second->Document(), 6, 5), EL_EXIT);
  EXPECT_TRUE(second->Document().IsModified());
  EXPECT_FALSE(App().Router()->Query(cmd::EDIT_UNDO).enabled) << "a paste cannot be undone";
}

TEST(Clipboard, InAFormFieldTheEditCommandsWorkOnItsText) {
  ClipboardSession s;
  s.View().SetMarking({1, 1, 2, 2});  // the level has cells to copy; the field still comes first
  CPropView& form = *s.Child()->Form();
  auto* name = static_cast<QLineEdit*>(form.Field(CPropView::IDC_NAME));
  form.FocusField(CPropView::IDC_NAME);
  QTest::keyClicks(name, "Ruby Mine");
  Settle();
  auto enabled = [](int id) { return App().Router()->Action(id)->isEnabled(); };
  EXPECT_FALSE(enabled(cmd::EDIT_COPY)) << "no text selected";
  EXPECT_FALSE(enabled(cmd::EDIT_PASTE)) << "nothing to paste";
  EXPECT_FALSE(enabled(cmd::VIEW_REDRAW)) << "only the level view redraws";
  QTest::keyClick(name, Qt::Key_Home, Qt::ShiftModifier);
  Settle();
  ASSERT_TRUE(enabled(cmd::EDIT_CUT));
  App().Router()->Action(cmd::EDIT_CUT)->trigger();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "Ruby Mine");
  EXPECT_EQ(name->text(), "");
  Settle();
  ASSERT_TRUE(enabled(cmd::EDIT_PASTE));
  App().Router()->Action(cmd::EDIT_PASTE)->trigger();
  EXPECT_EQ(name->text(), "Ruby Mine");
  // Printing is the level's, wherever the focus is.
  ASSERT_TRUE(enabled(cmd::FILE_PRINT));
  WhenDialogOpens<QPrintDialog>([](QPrintDialog* dialog) { dialog->reject(); });
  EXPECT_TRUE(App().Router()->Execute(cmd::FILE_PRINT));
}
