#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>

#include "support/modal_dialog.h"
#include "view/grid_size_dialog.h"
#include "view_fixture.h"

namespace {

QPushButton* button(QDialog* dialog, const QString& text) {
  for (QPushButton* b : dialog->findChildren<QPushButton*>())
    if (b->text() == text) return b;
  ADD_FAILURE() << "no button " << text.toStdString();
  return nullptr;
}

class GridSizeDialogTest : public ViewTest {
 protected:
  // Runs the dialog as the command does and works it with `act`, which ends it.
  void run(std::function<void(GridSizeDialog*)> act) {
    bool opened = false;
    whenDialogOpens<GridSizeDialog>([&](GridSizeDialog* dialog) {
      opened = true;
      QApplication::setActiveWindow(dialog);
      act(dialog);
    });
    runGridSizeDialog(viewState, &view);
    ASSERT_TRUE(opened);
  }
};

}  // namespace

// Changes apply at once and Cancel restores; typed sizes apply when the box is left, stay in
// range and must be there.
TEST_F(GridSizeDialogTest, ChangesApplyAtOnceCancelRestoresAndTypedSizesApplyWhenTheBoxIsLeft) {
  run([&](GridSizeDialog* dialog) {
    EXPECT_EQ(dialog->sizeBox()->text(), "30");
    button(dialog, "60")->click();
    EXPECT_EQ(viewState.cellSize(), 60) << "the view follows while the dialog is open";
    EXPECT_EQ(dialog->slider()->value(), 60);
    dialog->slider()->setValue(45);
    EXPECT_EQ(viewState.cellSize(), 45);
    EXPECT_EQ(dialog->sizeBox()->text(), "45");
    button(dialog, "Cancel")->click();
  });
  EXPECT_EQ(viewState.cellSize(), 30);

  QString said;
  run([&](GridSizeDialog* dialog) {
    const struct {
      const char* typed;
      int size, slider;
      const char* shown;
    } cases[] = {{"120", 120, 120, "120"}, {"500", 500, 300, "500"}, {"0", 1, 2, "1"}, {"1001", 1000, 300, "1000"},
                 {"99999999999999", 1000, 300, "1000"}, {"-7x", 7, 7, "7"}};
    for (const auto& c : cases) {
      dialog->sizeBox()->setFocus();  // typed, then the focus moves on as the Tab key takes it
      dialog->sizeBox()->selectAll();
      QTest::keyClicks(dialog->sizeBox(), c.typed);
      dialog->slider()->setFocus();
      EXPECT_EQ(viewState.cellSize(), c.size) << c.typed;
      EXPECT_EQ(dialog->slider()->value(), c.slider) << c.typed;
      EXPECT_EQ(dialog->sizeBox()->text(), c.shown) << c.typed;
    }
    // An empty box is refused: the dialog stays and shows the size again.
    dialog->sizeBox()->clear();
    whenDialogOpens<QMessageBox>([&](QMessageBox* box) {
      said = box->text();
      box->accept();
    });
    button(dialog, "OK")->click();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->sizeBox()->text(), "7");
    // Enter takes what was typed even though the box kept the focus.
    dialog->sizeBox()->selectAll();
    QTest::keyClicks(dialog->sizeBox(), "0045");
    QTest::keyClick(dialog->sizeBox(), Qt::Key_Return);
  });
  EXPECT_EQ(said, "Please enter an integer.");
  EXPECT_EQ(viewState.cellSize(), 45);
}
