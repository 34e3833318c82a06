#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QPrintDialog>

#include "app/commands/command_ids.h"
#include "edit/draw_modes.h"
#include "editing_support.h"
#include "support/modal_dialog.h"
#include "props/prop_view.h"

namespace {

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
