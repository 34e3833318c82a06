// The cells a fill and a line reach.
#include <gtest/gtest.h>

#include <random>
#include <set>

#include "editing/fill_region.h"
#include "editing/line_cells.h"
#include "support/level_text.h"

namespace {

// The cells joined to (x, y) by edges through cells of its element, inside the level.
std::set<std::pair<int, int>> reachable(const Level& level, int x, int y) {
  std::set<std::pair<int, int>> seen{{x, y}};
  std::vector<std::pair<int, int>> todo{{x, y}};
  while (!todo.empty()) {
    const auto [cx, cy] = todo.back();
    todo.pop_back();
    for (auto [nx, ny] : {std::pair{cx + 1, cy}, {cx - 1, cy}, {cx, cy + 1}, {cx, cy - 1}})
      if (level.contains(nx, ny) && level.element(nx, ny) == level.element(x, y) && seen.insert({nx, ny}).second)
        todo.push_back({nx, ny});
  }
  return seen;
}

TEST(FillRegion, TakesTheJoinedCellsOnceAndStaysInsideTheLevelWithoutExhaustingTheStack) {
  std::mt19937 random(7);
  for (int round = 0; round < 60; ++round) {
    Level level = sizedLevel(3 + static_cast<int>(random() % 20), 3 + static_cast<int>(random() % 20));
    // Beyond the level the store stays empty, and the fill must not run into it.
    for (int x = 0; x < level.width(); ++x)
      for (int y = 0; y < level.height(); ++y)
        if (random() % 3 == 0) level.setElement(x, y, random() % 2 ? EL_WALL : EL_ROCK);
    const int x = static_cast<int>(random() % level.width());
    const int y = static_cast<int>(random() % level.height());
    const std::vector<CellPos> region = fillRegion(level, x, y);
    std::set<std::pair<int, int>> taken;
    for (const CellPos& cell : region) taken.insert({cell.x, cell.y});
    ASSERT_EQ(taken.size(), region.size()) << "round " << round;
    ASSERT_EQ(taken, reachable(level, x, y)) << "round " << round;
  }
  EXPECT_TRUE(fillRegion(Level(), 126, 0).empty());
  // A winding corridor through the whole level.
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
}

}  // namespace
