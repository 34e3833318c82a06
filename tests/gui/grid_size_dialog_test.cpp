#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>

#include "app/commands/command_ids.h"
#include "gui_support.h"
#include "level/brannoc_doc.h"
#include "support/modal_dialog.h"
#include "view/grid_size_dialog.h"

namespace {

QPushButton* Button(QDialog* dialog, const QString& text) {
  for (QPushButton* button : dialog->findChildren<QPushButton*>())
    if (button->text() == text) return button;
  ADD_FAILURE() << "no button " << text.toStdString();
  return nullptr;
}

// Opens the dialog with the command and works it with `act`, which ends it.
void RunDialog(std::function<void(CGridSizeDlg*)> act) {
  bool opened = false;
  WhenDialogOpens<CGridSizeDlg>([act, &opened](CGridSizeDlg* dialog) {
    opened = true;
    dialog->activateWindow();
    QApplication::setActiveWindow(dialog);
    act(dialog);
  });
  ASSERT_TRUE(App().Router()->Execute(cmd::VIEW_GRID_SIZE));
  ASSERT_TRUE(opened) << "the command opens the dialog";
}

}  // namespace

TEST(GridSizeDialog, ChangesOnlyTheLevelThatOpenedIt) {
  EditorSession session;
  CBrannocDoc& first = session.Child()->Document();
  ASSERT_TRUE(App().Router()->Execute(cmd::FILE_NEW));
  Settle();
  CBrannocDoc& second = session.Child()->Document();
  ASSERT_NE(&first, &second);
  RunDialog([](CGridSizeDlg* dialog) {
    Button(dialog, "60")->click();
    Button(dialog, "OK")->click();
  });
  EXPECT_EQ(second.m_nCellWidth, 60);
  EXPECT_EQ(first.m_nCellWidth, 30);
}
