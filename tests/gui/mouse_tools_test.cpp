#include <gtest/gtest.h>

#include "app/commands/command_ids.h"
#include "edit/draw_modes.h"
#include "editing_support.h"
#include "view/tool_cursors.h"

namespace {

struct EditingSession : EditorSession {
  EditingSession() {
    Child()->resize(1000, 700);
    Settle();
  }
  CBrannocView& View() const { return *Child()->LevelView(); }
  CBrannocDoc& Doc() const { return View().Document(); }
  void Mode(int mode) { Doc().m_nDrawMode = mode; }
};

}  // namespace

TEST(MouseTools, FreeDrawRecordsOneActionPerChangedCell) {
  EditingSession s;
  ViewDriver mouse(s.View());
  mouse.Press(3, 4);
  mouse.Move(4, 4);
  mouse.Move(3, 4);  // already a wall: nothing changes, nothing is recorded
  mouse.Release(3, 4);
  EXPECT_EQ(ElementAt(s.Doc(), 3, 4), EL_WALL);
  EXPECT_EQ(ElementAt(s.Doc(), 4, 4), EL_WALL);
  EXPECT_EQ(s.Doc().UndoCount(), 2);
  EXPECT_EQ(s.Child()->windowTitle(), "NewLevel1*");
  EXPECT_TRUE(App().Router()->Query(cmd::EDIT_UNDO).enabled);

  // A right-button stroke over three walls and two empty cells erases with three actions.
  s.Doc().PlaceTile(5, 4, EL_WALL);
  mouse.Press(2, 4, Qt::RightButton);
  for (int col = 3; col <= 6; ++col) mouse.Move(col, 4);
  mouse.Release(6, 4, Qt::RightButton);
  EXPECT_EQ(s.Doc().UndoCount(), 5);
  for (int col = 2; col <= 6; ++col) EXPECT_EQ(ElementAt(s.Doc(), col, 4), NO_ELEMENT);
}

TEST(MouseTools, FillTakesTheWholeRegionAsOneAction) {
  EditingSession s;
  s.Mode(DRAW_FILL);
  s.Doc().m_nWidth = 10;
  s.Doc().m_nHeight = 10;
  // Two earth regions of 12 and 3 cells, walled apart.
  for (int x = 0; x < 4; ++x)
    for (int y = 0; y < 3; ++y) s.Doc().PlaceTile(x, y, EL_EARTH);
  for (int y = 0; y < 4; ++y) s.Doc().PlaceTile(4, y, EL_WALL);
  for (int x = 0; x < 4; ++x) s.Doc().PlaceTile(x, 3, EL_WALL);
  for (int x = 5; x < 8; ++x) s.Doc().PlaceTile(x, 0, EL_EARTH);
  s.Doc().m_nCurrentElement = EL_EMERALD;
  ViewDriver mouse(s.View());
  mouse.Press(1, 1);
  EXPECT_EQ(s.Doc().m_nEmeraldTotal, 12);
  EXPECT_EQ(s.Doc().UndoCount(), 1);
  mouse.Move(4, 0);  // over the wall: a wall region of its own becomes emeralds too
  mouse.Move(6, 0);
  mouse.Release(6, 0);
  EXPECT_EQ(ElementAt(s.Doc(), 6, 0), EL_EMERALD);
  App().Router()->Execute(cmd::EDIT_UNDO);
  EXPECT_EQ(ElementAt(s.Doc(), 6, 0), EL_EARTH);
}

TEST(MouseTools, RectangleWritesItsBorderAndCannotBeUndone) {
  EditingSession s;
  s.Mode(DRAW_RECTANGLE);
  s.Doc().m_nCurrentElement = EL_EMERALD;
  s.Doc().PlaceTile(3, 3, EL_RUBY);
  ViewDriver mouse(s.View());
  mouse.Drag(2, 2, 5, 4);
  int border = 0;
  for (int x = 2; x <= 5; ++x)
    for (int y = 2; y <= 4; ++y) border += ElementAt(s.Doc(), x, y) == EL_EMERALD;
  EXPECT_EQ(border, 10);
  EXPECT_EQ(ElementAt(s.Doc(), 3, 3), EL_RUBY);
  EXPECT_EQ(ElementAt(s.Doc(), 4, 3), NO_ELEMENT);
  EXPECT_EQ(s.Doc().UndoCount(), 0);
  EXPECT_TRUE(s.Doc().IsModified()) << "an unrecorded change still marks the level";
  EXPECT_TRUE(s.View().Marking().IsNone());

  // Dragged up and left, the same rectangle.
  s.Doc().ClearBlock(0, 0, 10, 10);
  mouse.Drag(5, 4, 2, 2);
  border = 0;
  for (int x = 2; x <= 5; ++x)
    for (int y = 2; y <= 4; ++y) border += ElementAt(s.Doc(), x, y) == EL_EMERALD;
  EXPECT_EQ(border, 10);
}

TEST(MouseTools, FilledRectangleAndLine) {
  EditingSession s;
  ViewDriver mouse(s.View());
  for (int x = 0; x < 4; ++x)
    for (int y = 0; y < 3; ++y) s.Doc().PlaceTile(x, y, EL_SAND);
  s.Mode(DRAW_FILLED_RECTANGLE);
  mouse.Drag(0, 0, 2, 1, Qt::RightButton);
  int emptied = 0;
  for (int x = 0; x < 4; ++x)
    for (int y = 0; y < 3; ++y) emptied += ElementAt(s.Doc(), x, y) == NO_ELEMENT;
  EXPECT_EQ(emptied, 6);

  s.Doc().ClearBlock(0, 0, 20, 20);
  s.Mode(DRAW_LINE);
  mouse.Drag(0, 0, 4, 2);
  EXPECT_EQ(s.Doc().CountTiles(), 5);
  for (auto [x, y] : {std::pair{0, 0}, {1, 1}, {2, 1}, {3, 2}, {4, 2}}) EXPECT_EQ(ElementAt(s.Doc(), x, y), EL_WALL);

  // A line dragged out of the level to the right ends in its last column.
  s.Doc().m_nWidth = 8;
  s.Doc().UpdateAllViews(nullptr, 13);
  s.Doc().ClearBlock(0, 0, 20, 20);
  mouse.Press(5, 5);
  mouse.MoveTo(s.View().CellViewportRect(12, 5).center());
  mouse.Release(12, 5);
  EXPECT_EQ(ElementAt(s.Doc(), 7, 5), EL_WALL);
  EXPECT_EQ(s.Doc().CountTiles(), 3);
}

TEST(MouseTools, DragsThatBeginOutsideTheLevelChangeNothing) {
  EditingSession s;
  s.Doc().m_nWidth = 5;
  s.Doc().m_nHeight = 5;
  s.Doc().UpdateAllViews(nullptr, 13);
  s.Mode(DRAW_RECTANGLE);
  ViewDriver mouse(s.View());
  mouse.Drag(8, 2, 1, 1);
  EXPECT_EQ(s.Doc().CountTiles(), 0);
  EXPECT_FALSE(s.Doc().IsModified());
  s.Mode(DRAW_FREE);
  mouse.Drag(8, 2, 9, 2);  // free draw outside: ignored
  EXPECT_EQ(s.Doc().CountTiles(), 0);
}

TEST(MouseTools, BothButtonsAtOnce) {
  EditingSession s;
  s.Mode(DRAW_FILLED_RECTANGLE);
  for (int x = 0; x < 3; ++x) s.Doc().PlaceTile(x, 0, EL_SAND);
  ViewDriver mouse(s.View());
  mouse.Press(0, 0);
  mouse.Move(2, 0);
  mouse.Press(2, 0, Qt::RightButton);    // ignored while the left drag goes on
  mouse.Release(2, 0, Qt::RightButton);  // applies the marking with a space: the cells empty
  EXPECT_EQ(s.Doc().CountTiles(), 0);
  mouse.Release(2, 0);  // the marking is gone: nothing more happens
  EXPECT_EQ(s.Doc().CountTiles(), 0);
  EXPECT_FALSE(s.View().IsDragging());
}

TEST(MouseTools, SelectionStaysUntilTheNextPress) {
  EditingSession s;
  s.Mode(DRAW_SELECTION);
  ViewDriver mouse(s.View());
  mouse.Drag(4, 3, 1, 1);
  EXPECT_EQ(s.View().Marking(), (CellMarking{4, 3, 1, 1}));
  s.Doc().UpdateAllViews(nullptr, 0);
  Settle();
  EXPECT_EQ(s.View().Marking(), (CellMarking{4, 3, 1, 1})) << "a repaint keeps it";
  EXPECT_EQ(s.Doc().CountTiles(), 0);
  mouse.Press(10, 10);
  EXPECT_EQ(s.View().Marking(), (CellMarking{10, 10, 10, 10}));
  mouse.Release(10, 10);
  s.Mode(DRAW_FREE);
  mouse.Press(20, 20);
  EXPECT_TRUE(s.View().Marking().IsNone()) << "any press removes the selection";
  mouse.Release(20, 20);
}

TEST(MouseTools, CursorFollowsTheMode) {
  EditingSession s;
  ViewDriver mouse(s.View());
  s.Mode(DRAW_SELECTION);
  mouse.Move(1, 1);
  EXPECT_EQ(s.View().viewport()->cursor().shape(), Qt::ArrowCursor);
  s.Mode(DRAW_LINE);
  mouse.Move(2, 1);
  EXPECT_EQ(s.View().viewport()->cursor().shape(), Qt::BitmapCursor);
  EXPECT_EQ(s.View().viewport()->cursor().hotSpot(), QPoint(5, 5));
  EXPECT_EQ(ToolCursor(DRAW_FREE).hotSpot(), QPoint(6, 16));
  EXPECT_EQ(ToolCursor(DRAW_FILL).hotSpot(), QPoint(4, 15));
  EXPECT_EQ(ToolCursor(DRAW_FILLED_RECTANGLE).hotSpot(), QPoint(6, 5));
}
