// The cells a fill and a line reach.
#include <gtest/gtest.h>

#include <random>

#include "editing/fill_region.h"
#include "editing/line_cells.h"
#include "level/level.h"

namespace {

// The fill as its rules state it, recursively; it gives the order the cells must come in.
// Only for small levels (it recurses per cell).
struct ReferenceFill {
  ReferenceFill(const Level& level, int x, int y) : level(level), target(level.element(x, y)) { fill(x, y); }

  const Level& level;
  int target;
  std::vector<std::vector<bool>> taken = std::vector<std::vector<bool>>(126, std::vector<bool>(126));
  std::vector<CellPos> order;

  bool qualifies(int x, int y) const { return level.contains(x, y) && !taken[x][y] && level.element(x, y) == target; }
  void fill(int x, int y) {
    for (;;) {
      taken[x][y] = true;
      order.push_back({x, y});
      if (qualifies(x, y + 1)) fill(x, y + 1);
      if (qualifies(x - 1, y)) fill(x - 1, y);
      if (qualifies(x + 1, y)) fill(x + 1, y);
      if (!qualifies(x, y - 1)) return;
      --y;
    }
  }
};

TEST(FillRegion, ComesInTheOrderOfTheRecursiveFillAndStaysInsideTheLevel) {
  std::mt19937 random(7);
  for (int round = 0; round < 60; ++round) {
    Level level;
    level.setNumber(Property::Width, 3 + static_cast<int>(random() % 20));
    level.setNumber(Property::Height, 3 + static_cast<int>(random() % 20));
    // Beyond the level the store stays empty, and the fill must not run into it.
    for (int x = 0; x < level.width(); ++x)
      for (int y = 0; y < level.height(); ++y)
        if (random() % 3 == 0) level.setElement(x, y, random() % 2 ? EL_WALL : EL_ROCK);
    const int x = static_cast<int>(random() % level.width());
    const int y = static_cast<int>(random() % level.height());
    ASSERT_EQ(fillRegion(level, x, y), ReferenceFill(level, x, y).order) << "round " << round;
  }
  EXPECT_TRUE(fillRegion(Level(), 126, 0).empty());
}

TEST(FillRegion, AWindingCorridorThroughTheWholeLevelDoesNotExhaustTheStack) {
  Level level;
  for (int x = 1; x < Level::kMaxSize; x += 2)
    for (int y = 0; y < Level::kMaxSize; ++y)
      if (y != ((x / 2) % 2 ? 0 : Level::kMaxSize - 1)) level.setElement(x, y, EL_WALL);
  EXPECT_EQ(static_cast<int>(fillRegion(level, 0, 0).size()), 126 * 126 - level.tileCount());
}

TEST(LineCells, FollowsTheLongerAxisWithTheUpperEndFirst) {
  using Cells = std::vector<CellPos>;
  const struct {
    CellPos from, to;
    Cells cells;
  } cases[] = {
      {{0, 0}, {4, 2}, {{0, 0}, {1, 1}, {2, 1}, {3, 2}, {4, 2}}},
      {{4, 2}, {0, 0}, {{0, 0}, {1, 1}, {2, 1}, {3, 2}, {4, 2}}},
      {{2, 0}, {0, 4}, {{2, 0}, {1, 1}, {1, 2}, {0, 3}, {0, 4}}},
      {{0, 0}, {5, 1}, {{0, 0}, {1, 0}, {2, 0}, {3, 1}, {4, 1}, {5, 1}}},
      {{3, 0}, {0, 0}, {{3, 0}, {2, 0}, {1, 0}, {0, 0}}},
      {{7, 7}, {7, 7}, {{7, 7}}},
      {{5, 6}, {5, 3}, {{5, 3}, {5, 4}, {5, 5}, {5, 6}}},
  };
  for (const auto& c : cases) EXPECT_EQ(lineCells(c.from, c.to), c.cells) << c.from.x << "," << c.from.y;
  for (auto [from, to] : {std::pair<CellPos, CellPos>{{0, 0}, {125, 125}}, {{125, 0}, {0, 124}}, {{60, 2}, {50, 100}}}) {
    const Cells cells = lineCells(from, to);
    ASSERT_EQ(static_cast<int>(cells.size()), std::max(std::abs(to.x - from.x), std::abs(to.y - from.y)) + 1);
    EXPECT_TRUE((cells.front() == from && cells.back() == to) || (cells.front() == to && cells.back() == from));
    for (size_t i = 1; i < cells.size(); ++i)
      EXPECT_TRUE(std::abs(cells[i].x - cells[i - 1].x) <= 1 && std::abs(cells[i].y - cells[i - 1].y) <= 1);
  }
}

}  // namespace
