// Lifting, moving, copying, flipping and turning a block of cells; pasting, clearing and
// replacing.
#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "editing/block_edits.h"
#include "editing/clear_cells.h"
#include "editing/floating_block.h"
#include "editing/level_document.h"
#include "editing/paste_block.h"
#include "level/elements.h"
#include "support/level_text.h"

namespace {
using T = BlockTransform;
constexpr T kTransforms[] = {T::FlipHorizontally, T::FlipVertically, T::RotateClockwise, T::RotateCounterClockwise};
}  // namespace

// Flipping horizontally and turning clockwise are shown by the floating block's steps below;
// turning back the other way by the random round trips.
TEST(CellBlock, TurningAndFlippingMoveCellsAndEveryMovingElementsHeading) {
  const CellBlock block{3, 2, {EL_ROCK, EL_BUG_LEFT, kNoElement, EL_LORRY_UP, EL_EMERALD, EL_YAMYAM_RIGHT}};
  EXPECT_EQ(transformed(block, T::FlipVertically),
            (CellBlock{3, 2, {EL_LORRY_DOWN, EL_EMERALD, EL_YAMYAM_RIGHT, EL_ROCK, EL_BUG_LEFT, kNoElement}}));

  enum { U, D, L, R };  // a kind's elements in this order
  const int kinds[][4] = {{EL_LORRY_UP, EL_LORRY_DOWN, EL_LORRY_LEFT, EL_LORRY_RIGHT},
                          {EL_BUG_UP, EL_BUG_DOWN, EL_BUG_LEFT, EL_BUG_RIGHT},
                          {EL_YAMYAM_UP, EL_YAMYAM_DOWN, EL_YAMYAM_LEFT, EL_YAMYAM_RIGHT}};
  const int heads[4][4] = {{U, D, R, L}, {D, U, L, R}, {R, L, U, D}, {L, R, D, U}};  // per transform, from U D L R
  for (int element = kNoElement; element < kElementCount; ++element)
    for (int t = 0; t < 4; ++t) {
      int expected = element;
      for (const auto& kind : kinds)
        for (int h = 0; h < 4; ++h)
          if (kind[h] == element) expected = kind[heads[t][h]];
      EXPECT_EQ(turnedElement(element, kTransforms[t]), expected) << element << " transform " << t;
    }
}

// Random blocks in a random level: whatever is done to a lifted block, the inverse steps in
// reverse order give it back unchanged at its place, and putting it down is one step that
// writes what was drawn and that undo takes back exactly.
TEST(FloatingBlock, TransformsLoseNothingAndPuttingDownIsOneStep) {
  std::mt19937 random(19);
  const auto pick = [&random](int low, int high) { return std::uniform_int_distribution(low, high)(random); };
  Level level = sizedLevel(12, 9);
  for (int y = 0; y < 9; ++y)
    for (int x = 0; x < 12; ++x) level.setElement(x, y, pick(kNoElement, kElementCount - 1));
  const auto inverse = [](T t) {
    return t == T::RotateClockwise ? T::RotateCounterClockwise : t == T::RotateCounterClockwise ? T::RotateClockwise : t;
  };
  for (int round = 0; round < 200; ++round) {
    const CellRange range = CellRange::spanning({pick(0, 11), pick(0, 8)}, {pick(0, 11), pick(0, 8)});
    FloatingBlock block(level, range, pick(0, 1) == 1);
    const FloatingBlock start = block;
    std::vector<T> done;
    for (int i = pick(1, 6); i > 0; --i) done.push_back(kTransforms[pick(0, 3)]);
    for (const T t : done) block.transform(t);
    for (auto t = done.rbegin(); t != done.rend(); ++t) block.transform(inverse(*t));
    ASSERT_EQ(block.block(), start.block()) << round;
    ASSERT_EQ(block.cells(), start.cells()) << round;

    block.moveTo({pick(-3, 12), pick(-3, 9)});
    block.transform(kTransforms[pick(0, 3)]);
    Level expected = level;
    block.drawInto(expected);
    LevelDocument document{level};
    const CellRange covered = block.putDown(document);
    ASSERT_EQ(document.level(), expected) << round;
    EXPECT_EQ(covered, block.cells().intersected(level.bounds()));
    EXPECT_EQ(document.canUndo(), block.changesLevel(level));
    if (document.undo()) {
      EXPECT_EQ(document.level(), level) << round;
    }
  }
}

TEST(FloatingBlock, ItsStepIsNamedAfterWhatWasDoneAndItsNeighboursStay) {
  Level level = sizedLevel(10, 6);
  for (int x = 0; x < 10; ++x) level.setElement(x, 0, EL_WALL);
  level.setElement(1, 2, EL_EMERALD);
  level.setElement(2, 2, EL_BUG_UP);
  const struct {
    const char* step;
    std::function<void(FloatingBlock&)> treat;
    bool copy;
    std::vector<CellWrite> cells;
  } cases[] = {
      {"Move", [](FloatingBlock& b) { b.moveTo({2, 3}); }, false,
       {{{1, 2}, kNoElement}, {{2, 3}, EL_EMERALD}, {{3, 3}, EL_BUG_UP}}},
      {"Copy", [](FloatingBlock& b) { b.moveTo({8, 5}); }, true,
       {{{1, 2}, EL_EMERALD}, {{8, 5}, EL_EMERALD}, {{9, 5}, EL_BUG_UP}}},
      // Turned about its middle: only the wall cell it now covers changes.
      {"Rotate", [](FloatingBlock& b) { b.transform(T::RotateClockwise); }, false,
       {{{2, 0}, EL_WALL}, {{3, 0}, EL_EMERALD}, {{4, 0}, EL_WALL}, {{3, 1}, EL_BUG_RIGHT}, {{1, 2}, kNoElement}}},
      {"Flip", [](FloatingBlock& b) { b.transform(T::FlipHorizontally); b.transform(T::FlipVertically); }, false,
       {{{5, 2}, EL_EMERALD}, {{4, 2}, EL_BUG_DOWN}, {{1, 2}, kNoElement}}},
      {"Transform", [](FloatingBlock& b) { b.transform(T::FlipHorizontally); b.moveTo({5, 4}); }, false,
       {{{9, 4}, EL_EMERALD}, {{8, 4}, EL_BUG_UP}, {{1, 2}, kNoElement}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.step);
    LevelDocument document{level};
    FloatingBlock block(document.level(), {1, 2, 5, 2}, c.copy);
    c.treat(block);
    block.putDown(document);
    for (const auto& [cell, element] : c.cells) EXPECT_EQ(document.level().element(cell.x, cell.y), element) << cell.x << "," << cell.y;
    EXPECT_EQ(document.undoName(), c.step);
  }
}

// Paste and clear write only inside the level; a paste ends at a zero byte or at the end of
// the text, and a character that names no element empties its cell.
TEST(BlockEdits, PasteAndClearStayInsideTheLevel) {
  using namespace std::string_view_literals;
  const struct {
    CellPos topLeft;
    std::string_view text;  // empty: clear from topLeft to (14, 1) instead
    std::vector<std::string> rows;  // afterwards; the rest stays swamp ('%')
  } cases[] = {
      {{2, 1}, "# *\n..1\n::\0"sv, {"", "%%#~*", "%%..1"}},  // spaces empty; cut at the bottom
      {{8, 1}, "*****\n&$&&&"sv, {"", "%%%%%%%%**", "%%%%%%%%&$"}},  // cut at the right
      {{0, 3}, "###"sv, {}},                                         // below the level
      {{-1, -1}, "*#0\n$&(\n.:+"sv, {"&(", ":+"}},                   // cut at the left and top
      {{0, 0}, "##\0##\n##"sv, {"##"}},
      {{1, 1}, ""sv, {"", "%~~~~~~~~~"}},  // column 10 lies outside the level
      {{-5, -5}, ""sv, {"~~~~~~~~~~", "~~~~~~~~~~"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.text));
    Level level = sizedLevel(10, 3);
    for (int x = 0; x <= 14; ++x)
      for (int y = 0; y <= 4; ++y) level.setElement(x, y, EL_SWAMP);
    LevelDocument doc{level};
    if (c.text.empty())
      clearCells(doc, CellRange::spanning(c.topLeft, {14, 1}), "Delete");
    else
      pasteBlock(doc, c.topLeft, c.text);
    for (int y = 0; y <= 4; ++y) {
      std::string expected = y < static_cast<int>(c.rows.size()) ? c.rows[y] : "";
      expected.resize(15, '%');
      std::string row;
      for (int x = 0; x <= 14; ++x) row += charFromElement(doc.level().element(x, y));
      EXPECT_EQ(row, expected) << "row " << y;
    }
  }
}

// Its step is in the editing tests' table.
TEST(BlockEdits, ReplaceStaysWithinTheArea) {
  Level level = sizedLevel(10, 6);
  level.setElement(1, 1, EL_EMERALD);
  level.setElement(1, 2, EL_EMERALD);
  LevelDocument document{level};
  EXPECT_EQ(replaceElement(document, {-1, 0, 1, 1}, EL_EMERALD, EL_ROCK), 1);
  EXPECT_EQ(document.level().element(1, 1), EL_ROCK);
  EXPECT_EQ(document.level().element(1, 2), EL_EMERALD);
}
