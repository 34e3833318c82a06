#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>

#include "app/commands/command_ids.h"
#include "gui_support.h"
#include "level/brannoc_doc.h"
#include "modal_dialog.h"
#include "view/grid_size_dialog.h"

namespace {

QPushButton* Button(QDialog* dialog, const QString& text) {
  for (QPushButton* button : dialog->findChildren<QPushButton*>())
    if (button->text() == text) return button;
  ADD_FAILURE() << "no button " << text.toStdString();
  return nullptr;
}

// Types into the size box and moves the focus on, as the Tab key does.
void TypeSize(CGridSizeDlg* dialog, const QString& text) {
  QLineEdit* box = dialog->SizeBox();
  box->setFocus();
  box->selectAll();
  QTest::keyClicks(box, text);
  dialog->Slider()->setFocus();
}

int LevelPixelWidth(const CBrannocView& view) {
  return view.horizontalScrollBar()->maximum() + view.viewport()->width();
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

TEST(GridSizeDialog, PresetsApplyAtOnceAndCancelRestores) {
  EditorSession session;
  CBrannocView& view = *session.Child()->LevelView();
  CBrannocDoc& doc = view.Document();
  session.Child()->resize(900, 600);
  Settle();
  EXPECT_TRUE(App().Router()->Query(cmd::VIEW_GRID_SIZE).enabled);
  EXPECT_TRUE(App().Router()->Query(cmd::GRID_30).checked) << "a new level starts at 30";

  RunDialog([&](CGridSizeDlg* dialog) {
    EXPECT_EQ(dialog->windowTitle().toStdString(), "Gridsettings");
    EXPECT_EQ(dialog->SizeBox()->text().toStdString(), "30");
    EXPECT_EQ(dialog->Slider()->value(), 30);
    Button(dialog, "60")->click();
    EXPECT_EQ(doc.m_nCellWidth, 60);
    EXPECT_EQ(doc.m_nCellHeight, 60);
    EXPECT_EQ(LevelPixelWidth(view), 126 * 60) << "the view follows while the dialog is open";
    EXPECT_EQ(dialog->SizeBox()->text().toStdString(), "60");
    EXPECT_EQ(dialog->Slider()->value(), 60);
    Button(dialog, "15")->click();
    EXPECT_EQ(doc.m_nCellWidth, 15);
    Button(dialog, "Cancel")->click();
  });
  EXPECT_EQ(doc.m_nCellWidth, 30);
  EXPECT_EQ(LevelPixelWidth(view), 126 * 30);

  // Closed from the title bar (Escape): restored as well.
  RunDialog([](CGridSizeDlg* dialog) {
    Button(dialog, "60")->click();
    QTest::keyClick(dialog, Qt::Key_Escape);
  });
  EXPECT_EQ(doc.m_nCellWidth, 30);
  EXPECT_FALSE(doc.IsModified()) << "the cell size is a display setting";
  EXPECT_FALSE(doc.CanUndo());
}

TEST(GridSizeDialog, SliderAndOkKeepTheSize) {
  EditorSession session;
  CBrannocDoc& doc = session.Child()->Document();
  RunDialog([&](CGridSizeDlg* dialog) {
    dialog->Slider()->setValue(45);
    EXPECT_EQ(doc.m_nCellWidth, 45);
    EXPECT_EQ(dialog->SizeBox()->text().toStdString(), "45");
    QTest::keyClick(dialog->Slider(), Qt::Key_Right);
    EXPECT_EQ(doc.m_nCellWidth, 46) << "a key step applies too";
    Button(dialog, "OK")->click();
  });
  EXPECT_EQ(doc.m_nCellWidth, 46);
  for (int id : {cmd::GRID_15, cmd::GRID_30, cmd::GRID_60}) EXPECT_FALSE(App().Router()->Query(id).checked) << id;
}

TEST(GridSizeDialog, TypedSizesApplyWhenTheBoxLosesTheFocusAndStayInRange) {
  EditorSession session;
  CBrannocDoc& doc = session.Child()->Document();
  RunDialog([&](CGridSizeDlg* dialog) {
    TypeSize(dialog, "120");
    EXPECT_EQ(doc.m_nCellWidth, 120);
    EXPECT_EQ(dialog->Slider()->value(), 120);

    TypeSize(dialog, "500");
    EXPECT_EQ(doc.m_nCellWidth, 500) << "more than the slider reaches";
    EXPECT_EQ(dialog->Slider()->value(), CGridSizeDlg::kSliderMax);

    TypeSize(dialog, "1");
    EXPECT_EQ(doc.m_nCellWidth, 1) << "1-pixel cells work";
    EXPECT_EQ(dialog->Slider()->value(), CGridSizeDlg::kSliderMin);

    TypeSize(dialog, "0");
    EXPECT_EQ(doc.m_nCellWidth, MIN_CELL_SIZE) << "0 never reaches the level";
    EXPECT_EQ(dialog->SizeBox()->text().toStdString(), "1") << "the box shows the size that applies";

    TypeSize(dialog, "1001");
    EXPECT_EQ(doc.m_nCellWidth, MAX_CELL_SIZE);
    EXPECT_EQ(dialog->SizeBox()->text().toStdString(), "1000");

    TypeSize(dialog, "99999999999999");
    EXPECT_EQ(doc.m_nCellWidth, MAX_CELL_SIZE) << "too many digits for a number";

    TypeSize(dialog, "-7x");
    EXPECT_EQ(dialog->SizeBox()->text().toStdString(), "7") << "the box takes digits only";
    EXPECT_EQ(doc.m_nCellWidth, 7);

    // Enter takes what was typed even though the box kept the focus.
    QLineEdit* box = dialog->SizeBox();
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, "0045");
    QTest::keyClick(box, Qt::Key_Return);
  });
  EXPECT_EQ(doc.m_nCellWidth, 45);
}

TEST(GridSizeDialog, EmptyBoxAsksForANumberAndKeepsTheSize) {
  EditorSession session;
  CBrannocDoc& doc = session.Child()->Document();
  MessageCatcher catcher;
  RunDialog([&](CGridSizeDlg* dialog) {
    TypeSize(dialog, "75");
    QLineEdit* box = dialog->SizeBox();
    box->setFocus();
    box->clear();
    dialog->Slider()->setFocus();
    EXPECT_EQ(doc.m_nCellWidth, 75);
    EXPECT_EQ(box->text().toStdString(), "75");
    box->setFocus();
    box->clear();
    Button(dialog, "OK")->click();  // refused: the dialog stays
    EXPECT_TRUE(dialog->isVisible());
    Button(dialog, "OK")->click();
  });
  EXPECT_EQ(catcher.texts, QStringList({"Please enter an integer.", "Please enter an integer."}));
  EXPECT_EQ(doc.m_nCellWidth, 75);
}

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

TEST(GridSizeDialog, CellSizeFromTextKeepsTheRange) {
  EXPECT_EQ(CellSizeFromText("30"), 30);
  EXPECT_EQ(CellSizeFromText(" 0007 "), 7);
  EXPECT_EQ(CellSizeFromText("0"), MIN_CELL_SIZE);
  EXPECT_EQ(CellSizeFromText("1000"), 1000);
  EXPECT_EQ(CellSizeFromText("1001"), MAX_CELL_SIZE);
  EXPECT_EQ(CellSizeFromText("4294967297"), MAX_CELL_SIZE) << "does not wrap round to a small size";
  EXPECT_EQ(CellSizeFromText(""), std::nullopt);
  EXPECT_EQ(CellSizeFromText("12a"), std::nullopt);
}
