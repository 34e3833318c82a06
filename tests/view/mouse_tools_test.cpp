#include "editing/set_cells.h"
#include "view_fixture.h"

using Mode = LevelViewState::DrawMode;

namespace {

struct Gesture {
  const char* what;
  Mode mode;
  Qt::MouseButton button;
  CellPos from, to;
  const char* step;  // "" for none
  int emeralds;      // cells holding the current element afterwards
  std::vector<CellWrite> cells;
};

}  // namespace

// The cursor follows the mode.
TEST_F(ViewTest, EachGestureIsOneStepThatUndoTakesWhole) {
  const std::vector<Gesture> gestures = {
      {"rectangle", Mode::Rectangle, Qt::LeftButton, {2, 2}, {5, 4}, "Rectangle", 10, {{{3, 3}, EL_RUBY}}},
      {"filled rectangle, right button", Mode::FilledRectangle, Qt::RightButton, {4, 4}, {2, 2}, "Filled Rectangle", 0,
       {{{3, 3}, kNoElement}}},
      {"line", Mode::Line, Qt::LeftButton, {0, 0}, {4, 2}, "Line", 5, {{{4, 2}, EL_EMERALD}}},
      {"fill drag over two regions", Mode::Fill, Qt::LeftButton, {0, 0}, {3, 3}, "Fill", 126 * 126, {}},
      {"fill, right button", Mode::Fill, Qt::RightButton, {3, 3}, {3, 3}, "Fill", 0, {{{3, 3}, kNoElement}}},
      {"selection", Mode::Selection, Qt::LeftButton, {4, 3}, {1, 1}, "", 0, {{{3, 3}, EL_RUBY}}},
      {"fast free draw fills the cells between", Mode::Free, Qt::LeftButton, {3, 2}, {7, 4}, "Draw", 5, {}},
      {"fast erase", Mode::Free, Qt::RightButton, {3, 1}, {3, 5}, "Erase", 0, {{{3, 3}, kNoElement}}},
  };
  viewState.setCurrentElement(EL_EMERALD);
  setCell(document, {3, 3}, EL_RUBY);
  for (const Gesture& g : gestures) {
    SCOPED_TRACE(g.what);
    viewState.setDrawMode(g.mode);
    EXPECT_EQ(view.viewport()->cursor().shape(), g.mode == Mode::Selection ? Qt::ArrowCursor : Qt::BitmapCursor);
    const Level before = document.level();
    drag(g.from.x, g.from.y, g.to.x, g.to.y, g.button);
    EXPECT_EQ(count(EL_EMERALD), g.emeralds);
    for (const auto& [cell, element] : g.cells) EXPECT_EQ(at(cell.x, cell.y), element) << cell.x << "," << cell.y;
    if (!*g.step) {
      EXPECT_EQ(view.selection(), CellRange::spanning(g.from, g.to)) << "a selection stays until the next press";
      continue;
    }
    EXPECT_EQ(document.undoName(), g.step);
    EXPECT_EQ(view.selection(), std::nullopt) << "the marking goes";
    ASSERT_TRUE(document.undo());
    EXPECT_TRUE(document.level() == before) << "one step";
  }
}

TEST_F(ViewTest, ShapesStayInsideTheLevel) {
  document.setNumber(Property::Width, 8);
  viewState.setDrawMode(Mode::Rectangle);
  drag(9, 2, 1, 1);
  EXPECT_EQ(count(EL_WALL), 0) << "a drag that begins outside the level draws nothing";
  viewState.setDrawMode(Mode::Line);
  drag(5, 5, 12, 8);
  EXPECT_EQ(count(EL_WALL), 4) << "a line dragged out ends in the last column";
  EXPECT_EQ(at(7, 8), EL_WALL);
}

// Esc cancels a stroke; the other button neither ends a drag nor starts one of its own.
TEST_F(ViewTest, EscapeAndTheOtherButtonDuringADrag) {
  viewState.setDrawMode(Mode::Free);
  press(1, 1);
  move(3, 1);
  QTest::keyClick(&view, Qt::Key_Escape);
  EXPECT_EQ(count(EL_WALL), 0) << "the stroke's cells are taken back";
  move(4, 1);
  release(4, 1);
  EXPECT_EQ(count(EL_WALL), 0) << "the cancelled stroke draws no more";

  viewState.setDrawMode(Mode::FilledRectangle);
  setCells(document, std::vector<CellPos>{{0, 0}, {1, 0}, {2, 0}}, EL_SAND, "Draw");
  press(0, 0);
  move(2, 0);
  press(2, 0, Qt::RightButton);    // ignored while the left drag goes on
  release(2, 0, Qt::RightButton);  // draws the marking with nothing: the cells empty
  EXPECT_EQ(count(EL_SAND), 0);
  release(2, 0);
  EXPECT_EQ(count(EL_WALL), 0) << "the marking is gone: nothing more happens";

  viewState.setDrawMode(Mode::Free);
  const int steps = document.history().undoCount();
  press(5, 5);
  press(5, 5, Qt::RightButton);
  release(5, 5, Qt::RightButton);
  move(7, 5);
  release(7, 5);
  EXPECT_EQ(document.history().undoCount(), steps + 1) << "the other button does not end a stroke";
  EXPECT_EQ(count(EL_WALL), 3);
}

// A click marks the cell clicked, inside the marking or not, also when the mouse slipped
// into the next cell; only a drag farther than a click lifts the block, which floats until
// Return (or a click outside it) puts it down as one step, or Esc puts everything back.
TEST_F(ViewTest, AClickMarksACellAndADragLiftsTheBlockUntilItIsPutDown) {
  viewState.setDrawMode(Mode::Selection);
  setCells(document, std::vector<CellPos>{{1, 1}, {2, 2}}, EL_EMERALD, "Draw");
  const Level before = document.level();
  const int slip = QApplication::startDragDistance() - 1;
  const auto click = [&](QPoint at) {
    QTest::mousePress(view.viewport(), Qt::LeftButton, {}, at);
    QTest::mouseMove(view.viewport(), at + QPoint(slip, 0));
    QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, at + QPoint(slip, 0));
  };
  drag(1, 1, 2, 2);
  click(centre(2, 2));
  EXPECT_EQ(view.selection(), (CellRange{2, 2, 2, 2})) << "a click inside the marking";
  click(view.cellViewportRect({6, 4}).topRight());
  EXPECT_EQ(view.selection(), (CellRange{6, 4, 6, 4})) << "a click that slipped into the next cell";
  EXPECT_EQ(document.level(), before);

  for (const auto& [keys, step, leftBehind] :
       {std::tuple{Qt::NoModifier, "Move", kNoElement}, {Qt::ControlModifier, "Copy", EL_EMERALD}}) {
    SCOPED_TRACE(step);
    drag(1, 1, 2, 2);
    QTest::mousePress(view.viewport(), Qt::LeftButton, keys, centre(2, 2));
    move(4, 3);
    QTest::mouseRelease(view.viewport(), Qt::LeftButton, keys, centre(4, 3));
    EXPECT_TRUE(view.hasFloatingBlock());
    EXPECT_EQ(view.selection(), (CellRange{3, 2, 4, 3})) << "the marking goes with the block";
    EXPECT_EQ(document.level(), before) << "the level keeps its cells while the block floats";
    QTest::keyClick(&view, Qt::Key_Return);
    EXPECT_EQ(at(1, 1), leftBehind);  // which cell lands where, the editing tests tell
    EXPECT_EQ(at(3, 2), EL_EMERALD);
    ASSERT_TRUE(document.undo());  // one step, the editing tests tell
  }
  drag(1, 1, 2, 2);
  press(1, 1);
  move(6, 6);
  QTest::keyClick(&view, Qt::Key_Escape);
  release(6, 6);
  EXPECT_FALSE(view.hasFloatingBlock()) << "Esc during the drag";
  drag(1, 1, 3, 3);
  view.transformSelection(BlockTransform::FlipHorizontally);
  QTest::keyClick(&view, Qt::Key_Escape);
  EXPECT_EQ(view.selection(), (CellRange{1, 1, 2, 2})) << "Esc puts the lifted block back";
  EXPECT_EQ(document.level(), before);
  QTest::keyClick(&view, Qt::Key_Escape);
  EXPECT_EQ(view.selection(), std::nullopt) << "and then takes the marking away";
}
