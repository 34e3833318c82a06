// Moving, copying, flipping, turning and replacing a block of cells.
#include <gtest/gtest.h>

#include <functional>

#include "editing/block_edits.h"
#include "editing/level_document.h"
#include "level/elements.h"

namespace {
using T = BlockTransform;
constexpr T kTransforms[] = {T::FlipHorizontally, T::FlipVertically, T::RotateClockwise, T::RotateCounterClockwise};
}  // namespace

TEST(CellBlock, EveryMovingElementTurnsWithItsBlock) {
  enum { U, D, L, R };  // a kind's elements in this order
  const int kinds[][4] = {{EL_LORRY_UP, EL_LORRY_DOWN, EL_LORRY_LEFT, EL_LORRY_RIGHT},
                          {EL_BUG_UP, EL_BUG_DOWN, EL_BUG_LEFT, EL_BUG_RIGHT},
                          {EL_YAMYAM_UP, EL_YAMYAM_DOWN, EL_YAMYAM_LEFT, EL_YAMYAM_RIGHT}};
  const int heads[4][4] = {{U, D, R, L}, {D, U, L, R}, {R, L, U, D}, {L, R, D, U}};  // per transform, from U D L R
  for (int element = NO_ELEMENT; element < ELEMENT_COUNT; ++element)
    for (int t = 0; t < 4; ++t) {
      int expected = element;
      for (const auto& kind : kinds)
        for (int h = 0; h < 4; ++h)
          if (kind[h] == element) expected = kind[heads[t][h]];
      EXPECT_EQ(turnedElement(element, kTransforms[t]), expected) << element << " transform " << t;
    }
}

TEST(CellBlock, FourTurnsOrTwoFlipsGiveTheBlockBack) {
  const CellBlock block{3, 2, {EL_ROCK, EL_BUG_LEFT, NO_ELEMENT, EL_LORRY_UP, EL_EMERALD, EL_YAMYAM_RIGHT}};
  EXPECT_EQ(transformed(block, T::RotateClockwise),
            (CellBlock{2, 3, {EL_LORRY_RIGHT, EL_ROCK, EL_EMERALD, EL_BUG_UP, EL_YAMYAM_DOWN, NO_ELEMENT}}));
  EXPECT_EQ(transformed(block, T::FlipVertically),
            (CellBlock{3, 2, {EL_LORRY_DOWN, EL_EMERALD, EL_YAMYAM_RIGHT, EL_ROCK, EL_BUG_LEFT, NO_ELEMENT}}));
  for (const T t : kTransforms) {
    const int times = t == T::RotateClockwise || t == T::RotateCounterClockwise ? 4 : 2;
    CellBlock turned = block;
    for (int i = 0; i < times; ++i) {
      turned = transformed(turned, t);
      EXPECT_EQ(turned == block, i == times - 1) << static_cast<int>(t) << " after " << i + 1;
    }
  }
}

TEST(BlockEdits, EachIsOneNamedStepWithinTheLevel) {
  Level level;
  level.setNumber(Property::Width, 10);
  level.setNumber(Property::Height, 6);
  level.setElement(1, 1, EL_EMERALD);
  level.setElement(2, 1, EL_BUG_UP);
  level.setElement(1, 2, EL_EMERALD);
  const struct {
    const char* step;
    std::function<CellRange(LevelDocument&)> edit;
    CellRange marked;
    std::vector<std::pair<CellPos, int>> cells;
    int emeralds;
  } cases[] = {
      {"Move", [](LevelDocument& d) { return moveBlock(d, {1, 1, 2, 2}, {2, 2}, false); }, {2, 2, 3, 3},
       {{{1, 1}, NO_ELEMENT}, {{2, 1}, NO_ELEMENT}, {{2, 2}, EL_EMERALD}, {{3, 2}, EL_BUG_UP}, {{2, 3}, EL_EMERALD}}, 2},
      {"Copy", [](LevelDocument& d) { return moveBlock(d, {1, 1, 2, 2}, {8, 5}, true); }, {8, 5, 9, 5},
       {{{1, 1}, EL_EMERALD}, {{8, 5}, EL_EMERALD}, {{9, 5}, EL_BUG_UP}}, 3},
      {"Rotate Clockwise", [](LevelDocument& d) { return transformBlock(d, {1, 1, 2, 1}, T::RotateClockwise); },
       {1, 1, 1, 2}, {{{1, 1}, EL_EMERALD}, {{2, 1}, NO_ELEMENT}, {{1, 2}, EL_BUG_RIGHT}}, 1},
      {"Flip Horizontally", [](LevelDocument& d) { return transformBlock(d, {0, 1, 3, 2}, T::FlipHorizontally); },
       {0, 1, 3, 2}, {{{1, 1}, EL_BUG_UP}, {{2, 1}, EL_EMERALD}, {{1, 2}, NO_ELEMENT}, {{2, 2}, EL_EMERALD}}, 2},
      // Replace gives the number of cells it changed as the right edge.
      {"Replace", [](LevelDocument& d) { return CellRange{0, 0, replaceElement(d, {0, 0, 1, 1}, EL_EMERALD, EL_ROCK), 0}; },
       {0, 0, 1, 0}, {{{1, 1}, EL_ROCK}, {{1, 2}, EL_EMERALD}}, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.step);
    LevelDocument document{level};
    EXPECT_EQ(c.edit(document), c.marked);
    for (const auto& [cell, element] : c.cells) EXPECT_EQ(document.level().element(cell.x, cell.y), element) << cell.x << "," << cell.y;
    EXPECT_EQ(document.level().emeraldTotal(), c.emeralds);
    EXPECT_EQ(document.undoName(), c.step);
    ASSERT_TRUE(document.undo());
    EXPECT_EQ(document.level(), level);
    EXPECT_FALSE(document.canUndo());
  }
}
