#include <gtest/gtest.h>

#include <random>

#include "level/update_hints.h"
#include "support/doc_recorders.h"
#include "support/edit_helpers.h"
#include "support/level_text.h"
#include "undo/fill_action_object.h"

namespace {

// The fill as its rules state it, recursively, on a plain grid of element numbers; it gives
// the order in which the cells must change. Only for small levels (it recurses per cell).
struct ReferenceFill {
  std::vector<std::vector<int>> cells;  // [x][y]
  int width, height, oldElement, newElement;
  std::vector<CPoint> order;

  bool Qualifies(int x, int y) const { return cells[x][y] == oldElement; }
  void Fill(int x, int y) {
    if (!Qualifies(x, y)) return;
    for (;;) {
      cells[x][y] = newElement;
      order.push_back({x, y});
      if (y + 1 < height && Qualifies(x, y + 1)) Fill(x, y + 1);
      if (x > 0 && Qualifies(x - 1, y)) Fill(x - 1, y);
      if (x + 1 < width && Qualifies(x + 1, y)) Fill(x + 1, y);
      if (y == 0 || !Qualifies(x, y - 1)) return;
      --y;
    }
  }
};

std::vector<CPoint> OrderOf(const CFillActionObject& fill) {
  std::vector<CPoint> order;
  for (const auto& tile : fill.m_tiles) order.push_back({tile->m_x, tile->m_y});
  return order;
}

// Puts a pattern into the level: '#' wall, '0' rock, '.' earth, '*' emerald, ' ' empty.
void Draw(CBrannocDoc& doc, const std::vector<std::string>& rows) {
  for (int y = 0; y < static_cast<int>(rows.size()); ++y)
    for (int x = 0; x < static_cast<int>(rows[y].size()); ++x)
      if (rows[y][x] != ' ') doc.SetCell(x, y, ElementFromChar(rows[y][x]), false, DRAW_FREE, false, false);
}

}  // namespace

TEST(FloodFill, ChangesCellsInTheOrderOfTheRecursiveFill) {
  std::mt19937 random(7);
  for (int round = 0; round < 40; ++round) {
    auto doc = NewLevel();
    doc->m_nWidth = 3 + static_cast<int>(random() % 20);
    doc->m_nHeight = 3 + static_cast<int>(random() % 20);
    ReferenceFill reference{std::vector<std::vector<int>>(doc->m_nWidth, std::vector<int>(doc->m_nHeight, NO_ELEMENT)),
                            doc->m_nWidth, doc->m_nHeight, NO_ELEMENT, EL_EMERALD, {}};
    for (int x = 0; x < doc->m_nWidth; ++x)
      for (int y = 0; y < doc->m_nHeight; ++y)
        if (random() % 3 == 0) {
          doc->SetCell(x, y, EL_WALL, false, DRAW_FREE, false, false);
          reference.cells[x][y] = EL_WALL;
        }
    const int x0 = static_cast<int>(random() % doc->m_nWidth);
    const int y0 = static_cast<int>(random() % doc->m_nHeight);
    reference.Fill(x0, y0);

    CFillActionObject fill;
    doc->FloodFill(x0, y0, NO_ELEMENT, EL_EMERALD, &fill);
    ASSERT_EQ(OrderOf(fill), reference.order) << "round " << round;
    EXPECT_EQ(doc->m_nEmeraldTotal, static_cast<int>(reference.order.size()));
    EXPECT_TRUE(StoreIsConsistent(*doc));
  }
}

TEST(FloodFill, StopsAtOtherElementsAndDiagonalGaps) {
  auto doc = NewLevel();
  doc->m_nWidth = 8;
  doc->m_nHeight = 5;
  Draw(*doc, {"0000#000",
              "00#0#000",
              "####0  0",
              "00 #0000",
              "0  #0000"});
  doc->m_nCurrentElement = EL_WALL;
  doc->m_nDrawMode = DRAW_FILL;
  LeftClick(*doc, 0, 0);

  const std::vector<std::string> expected = {"#####000", "#####000", "####0  0", "00 #0000", "0  #0000"};
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 8; ++x)
      EXPECT_EQ(CharFromElement(ElementAt(*doc, x, y)), expected[y][x] == ' ' ? '~' : expected[y][x])
          << "cell " << x << "," << y;
  // Every changed cell carries the wall's character, so a save writes walls there.
  EXPECT_EQ(doc->GetTile(1, 1)->m_cCharacter, '#');
  EXPECT_TRUE(StoreIsConsistent(*doc));
}

TEST(FloodFill, NeverChangesCellsOutsideTheLevel) {
  auto doc = NewLevel();
  doc->PlaceTile(3, 0, EL_ROCK);
  doc->PlaceTile(0, 4, EL_ROCK);
  doc->PlaceTile(0, 0, EL_ROCK);
  doc->m_nWidth = 3;
  doc->m_nHeight = 4;
  doc->SetCell(1, 1, EL_SAND, true, DRAW_FILL, true, false);
  doc->SetCell(0, 0, EL_SAND, true, DRAW_FILL, true, false);
  EXPECT_EQ(doc->CountTiles(), 12 + 2);
  EXPECT_EQ(ElementAt(*doc, 3, 0), EL_ROCK);
  EXPECT_EQ(ElementAt(*doc, 0, 4), EL_ROCK);
  EXPECT_EQ(ElementAt(*doc, 0, 0), EL_SAND);
  EXPECT_EQ(doc->GetTile(3, 1), nullptr);
}

TEST(FloodFill, RightButtonEmptiesTheConnectedRegion) {
  auto doc = NewLevel();
  Draw(*doc, {"sss.", "s.ss", "ss.s", "...s"});
  doc->m_nDrawMode = DRAW_FILL;
  EXPECT_FALSE(RightClick(*doc, 0, 0));
  EXPECT_EQ(doc->CountTiles(), 6);  // the earth stays
  for (auto [x, y] : {std::pair{0, 0}, {1, 0}, {2, 0}, {0, 1}, {2, 1}, {3, 1}, {0, 2}, {1, 2}, {3, 2}, {3, 3}})
    EXPECT_EQ(doc->GetTile(x, y), nullptr) << x << "," << y;
  doc->OnEditUndo();
  EXPECT_EQ(doc->CountTiles(), 16);
  EXPECT_EQ(ElementAt(*doc, 3, 3), EL_SAND);
}

TEST(FloodFill, WholeEmptyLevelIsOneActionAndOneRefreshEachWay) {
  auto doc = NewLevel();
  RecordingView view;
  doc->AddView(&view);
  doc->m_nCurrentElement = EL_EMERALD;
  doc->m_nDrawMode = DRAW_FILL;
  EXPECT_EQ(LeftClick(*doc, 60, 60), nullptr);
  EXPECT_EQ(doc->CountTiles(), 126 * 126);
  EXPECT_EQ(doc->m_nEmeraldTotal, 126 * 126);
  EXPECT_EQ(doc->UndoCount(), 1);
  EXPECT_TRUE(doc->IsModified());
  EXPECT_EQ(view.HintNumbers(), std::vector<int>{HINT_REFRESH});  // one repaint, not one per cell
  // The same element again: nothing to fill.
  EXPECT_EQ(LeftClick(*doc, 1, 1), nullptr);
  EXPECT_EQ(doc->UndoCount(), 1);

  view.hints.clear();
  doc->OnEditUndo();
  EXPECT_EQ(doc->CountTiles(), 0);
  EXPECT_EQ(doc->m_nEmeraldTotal, 0);
  EXPECT_FALSE(doc->IsModified());
  EXPECT_EQ(view.HintNumbers(), std::vector<int>{HINT_REFRESH});
  doc->OnEditRedo();
  EXPECT_EQ(doc->m_nEmeraldTotal, 126 * 126);
  EXPECT_TRUE(doc->IsModified());
}

TEST(FloodFill, WorstCaseSnakeDoesNotExhaustTheStack) {
  // A one-cell-wide corridor winding through the whole level nests the recursive fill deepest.
  auto doc = NewLevel();
  for (int x = 1; x < MAX_LEVEL_SIZE; x += 2)
    for (int y = 0; y < MAX_LEVEL_SIZE; ++y)
      if (y != ((x / 2) % 2 ? 0 : MAX_LEVEL_SIZE - 1)) doc->SetCell(x, y, EL_WALL, false, DRAW_FREE, false, false);
  const int walls = doc->CountTiles();
  CFillActionObject fill;
  doc->FloodFill(0, 0, NO_ELEMENT, EL_SAND, &fill);
  EXPECT_EQ(static_cast<int>(fill.m_tiles.size()), 126 * 126 - walls);
}
