#include <QScrollBar>
#include <QSignalSpy>
#include <QWheelEvent>

#include "editing/set_cells.h"
#include "view/zoom_steps.h"
#include "view_fixture.h"

using Mode = LevelViewState::DrawMode;

TEST(ZoomSteps, GoToTheNextZoomSizeAndStayPastTheEnds) {
  const struct { int from, steps, to; } cases[] = {{30, 1, 40}, {30, -1, 24}, {30, 2, 50}, {17, 1, 20}, {17, -1, 15},
                                                   {120, 1, 120}, {4, -1, 4}, {2, 1, 4}, {500, -1, 120}};
  for (const auto& c : cases) EXPECT_EQ(zoomedCellSize(c.from, c.steps), c.to) << c.from << " by " << c.steps;
}

TEST_F(ViewTest, CtrlWheelZoomsAroundTheCellUnderTheMouseAndFitShowsAll) {
  const auto wheel = [this](QPoint at, int delta, Qt::KeyboardModifiers modifiers) {
    QWheelEvent event(at, view.viewport()->mapToGlobal(at), {}, {0, delta}, Qt::NoButton, modifiers,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(view.viewport(), &event);
  };
  view.horizontalScrollBar()->setValue(300);
  view.verticalScrollBar()->setValue(200);
  const QPoint mouse = centre(20, 12) + QPoint(9, -6);
  const struct { int delta, size; } turns[] = {{120, 40}, {60, 40}, {60, 50}, {-240, 30}, {-120, 24}};
  for (const auto& turn : turns) {
    wheel(mouse, turn.delta, Qt::ControlModifier);
    EXPECT_EQ(viewState.cellSize(), turn.size) << turn.delta;
    EXPECT_TRUE(view.cellViewportRect({20, 12}).contains(mouse)) << "the cell stays under the mouse at " << turn.size;
  }
  const int top = view.verticalScrollBar()->value();
  wheel(mouse, -120, Qt::NoModifier);
  EXPECT_EQ(viewState.cellSize(), 24) << "the wheel alone scrolls";
  EXPECT_GT(view.verticalScrollBar()->value(), top);

  document.setNumber(Property::Width, 100);
  EXPECT_EQ(view.horizontalScrollBar()->maximum() + view.viewport()->width(), 100 * 24) << "follows the width";
  document.setNumber(Property::Width, 40);
  document.setNumber(Property::Height, 20);
  view.fitLevel();
  settle();
  EXPECT_EQ(viewState.cellSize(), 1000 / 40);
  EXPECT_EQ(view.horizontalScrollBar()->maximum() + view.verticalScrollBar()->maximum(), 0);

  // A level smaller than the view on one axis, then on both: the cell stays all the same.
  const QPoint onCell = centre(14, 9) + QPoint(5, 3);
  for (const int delta : {120, -120, -120, -240, 360, 240}) {
    wheel(onCell, delta, Qt::ControlModifier);
    EXPECT_TRUE(view.cellViewportRect({14, 9}).contains(onCell)) << "at " << viewState.cellSize();
  }
  drag(14, 9, 14, 9);
  EXPECT_EQ(at(14, 9), EL_WALL) << "the mouse finds the cell of a level scrolled aside";
}

TEST_F(ViewTest, NamesTheCellUnderTheMouseAndAltClickAndTheMiddleButtonPickItsElement) {
  document.setNumber(Property::Width, 20);
  setCell(document, {12, 7}, EL_EMERALD);
  QSignalSpy said(&view, &LevelView::cellUnderMouseChanged);
  const auto last = [&said] { return said.isEmpty() ? QString("(nothing)") : said.last().first().toString(); };
  move(12, 7);
  EXPECT_EQ(last(), "12, 7  Emerald");
  move(11, 7);
  EXPECT_EQ(last(), "11, 7");
  setCell(document, {11, 7}, EL_RUBY);
  EXPECT_EQ(last(), "11, 7  Ruby") << "a change under the resting mouse";
  move(25, 7);
  EXPECT_EQ(last(), "") << "outside the level";
  move(1, 1);
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(view.viewport(), &leave);
  EXPECT_EQ(last(), "") << "the mouse left the view";

  setCell(document, {2, 2}, EL_RUBY);
  setCell(document, {3, 2}, EL_BUG_UP);
  const Level before = document.level();
  QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::AltModifier, centre(3, 2));
  EXPECT_EQ(viewState.currentElement(), EL_BUG_UP);  // the middle button's pick, the window's tests show
  QTest::mouseClick(view.viewport(), Qt::MiddleButton, {}, centre(4, 2));
  EXPECT_EQ(viewState.currentElement(), EL_BUG_UP) << "an empty cell picks nothing";
  EXPECT_TRUE(document.level() == before) << "picking draws nothing";
  press(5, 5);  // a stroke going on keeps its element
  QTest::mouseClick(view.viewport(), Qt::MiddleButton, {}, centre(2, 2));
  release(5, 5);
  EXPECT_EQ(viewState.currentElement(), EL_BUG_UP);
}

TEST_F(ViewTest, ADragBeyondTheEdgeScrollsUntilReleaseOrEscape) {
  for (const bool escape : {false, true}) {
    SCOPED_TRACE(escape ? "escape" : "release");
    view.horizontalScrollBar()->setValue(0);
    viewState.setDrawMode(escape ? Mode::Rectangle : Mode::Selection);
    press(2, 2);
    const QPoint beyond(view.viewport()->width() + 40, centre(2, 5).y());
    QTest::mouseMove(view.viewport(), beyond);
    QTest::qWait(200);
    const int scrolled = view.horizontalScrollBar()->value();
    ASSERT_GT(scrolled, 0);
    if (escape) {
      QTest::keyClick(&view, Qt::Key_Escape);
    } else {
      EXPECT_EQ(view.selection(), (CellRange{2, 2, (beyond.x() + scrolled) / 30, 5})) << "the marking follows";
      QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, beyond);
    }
    QTest::qWait(100);
    EXPECT_EQ(view.horizontalScrollBar()->value(), scrolled) << "the scrolling stops";
    if (escape) QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, beyond);
  }
  EXPECT_FALSE(document.canUndo());
}
