#include <QClipboard>
#include <QMimeData>

#include "editing/set_cells.h"
#include "view/level_clipboard.h"
#include "view_fixture.h"

namespace {

QByteArray clipboardTiles() {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  return data ? data->data("Vorel Tiles") : QByteArray();
}

}  // namespace

// Paste goes to the anchor and selects what lies inside the level.
TEST_F(ViewTest, CopyPutsTheTileBlockTextThereCutAndDeleteAreOneStepEachAndPasteGoesToTheAnchor) {
  QGuiApplication::clipboard()->clear();
  setCell(document, {1, 1}, EL_WALL);
  setCell(document, {2, 2}, EL_RUBY);
  setCell(document, {4, 3}, EL_EMERALD);
  LevelClipboard clipboard{view};
  EXPECT_FALSE(clipboard.canCopy());
  view.setSelection(CellRange{1, 1, 4, 3});
  ASSERT_TRUE(clipboard.canCopy());
  clipboard.copy();
  EXPECT_EQ(clipboardTiles(), QByteArray("#   \n (  \n   *\0", 15));

  view.setSelection(CellRange{2, 2, 4, 3});
  clipboard.cut();
  EXPECT_EQ(clipboardTiles(), QByteArray("(  \n  *\0", 8)) << "copied before the cells went";
  EXPECT_EQ(document.level().tileCount(), 1);
  EXPECT_EQ(document.undoName(), "Cut");
  document.undo();

  view.setSelection(std::nullopt);
  QTest::keyClick(&view, Qt::Key_Delete);
  EXPECT_EQ(document.level().tileCount(), 3) << "Delete without a selection";
  view.setSelection(CellRange{0, 0, 3, 3});
  QTest::keyClick(&view, Qt::Key_Delete);
  EXPECT_EQ(document.level().tileCount(), 1);
  EXPECT_EQ(document.undoName(), "Delete");
  document.undo();
  QTest::keyClick(&view, Qt::Key_Delete, Qt::KeypadModifier);
  EXPECT_EQ(document.level().tileCount(), 1) << "the keypad's key too";
  EXPECT_EQ(clipboardTiles().size(), 8) << "Delete leaves the clipboard alone";

  QGuiApplication::clipboard()->clear();
  view.setSelection(CellRange{0, 0, 0, 0});
  EXPECT_FALSE(clipboard.canPaste()) << "no tiles on the clipboard";
  auto* tiles = new QMimeData;
  tiles->setData("Vorel Tiles", QByteArray("*****\n*****\n*****\n*****\n*****\0", 30));
  QGuiApplication::clipboard()->setMimeData(tiles);
  clipboard.paste();
  EXPECT_EQ(count(EL_EMERALD), 25) << "over the existing cells";

  view.setSelection(CellRange{122, 0, 122, 0});
  clipboard.paste();
  EXPECT_EQ(view.selection(), (CellRange{122, 0, 125, 4}));

  viewState.setDrawMode(LevelViewState::DrawMode::Selection);
  drag(10, 9, 7, 7);  // the anchor is where the drag began
  clipboard.paste();
  EXPECT_EQ(at(10, 9), EL_EMERALD);
  EXPECT_EQ(view.selection(), (CellRange{10, 9, 14, 13}));
}
