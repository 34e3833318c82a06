// The cell store's invariants and the tile block text of the clipboard.
#include "level/level.h"

#include <gtest/gtest.h>

#include "level/tile_block.h"

namespace {

using namespace std::string_view_literals;

TEST(Level, TheStoreKeepsTheEmeraldTotalAndCellsOutsideTheLevelAndRefusesWhatItCannotHold) {
  Level level;
  level.setElement(0, 0, EL_RUBY);
  level.setElement(125, 125, EL_CERULINE);
  EXPECT_EQ(level.emeraldTotal(), 8);
  EXPECT_EQ(level.setElement(0, 0, EL_EMERALD), EL_RUBY);  // replacing recounts
  EXPECT_EQ(level.emeraldTotal(), 4);
  EXPECT_EQ(level.setElement(125, 125, kNoElement), EL_CERULINE);
  EXPECT_EQ(level.emeraldTotal(), 1);
  const Level before = level;
  for (auto [x, y, element] : {std::array{126, 0, int(EL_WALL)}, {-1, 0, EL_WALL}, {0, 126, EL_WALL}, {3, 3, 50}, {3, 3, -7}})
    level.setElement(x, y, element);
  EXPECT_EQ(level, before);
  EXPECT_EQ(level.element(0, 126), kNoElement);
  EXPECT_EQ(level.element(-1, 0), kNoElement);

  // Cells outside a smaller level are kept and counted.
  level.setElement(40, 3, EL_EMERALD);
  level.setNumber(Property::Width, 20);
  EXPECT_EQ(level.emeraldTotal(), 2);
  EXPECT_FALSE(level.contains(40, 3));
  EXPECT_EQ(level.usedExtent(), (CellRange{0, 0, 40, 3}));
  level.setNumber(Property::Width, 60);
  EXPECT_EQ(level.element(40, 3), EL_EMERALD);
  EXPECT_EQ(Level().usedExtent(), (CellRange{0, 0, 0, 0}));

  // Sizes stay within the store and switches are on or off.
  for (auto [property, value, stored] : {std::tuple{Property::Width, 200, 126}, {Property::Height, 0, 1},
                                         {Property::Width, -5, 1}, {Property::LaserSoundOff, 7, 1},
                                         {Property::YamYamSoundOff, -1, 1}, {Property::Name, 3, 0}}) {
    Level fresh;
    fresh.setNumber(property, value);
    EXPECT_EQ(fresh.number(property), stored) << value;
  }
}

TEST(TileBlock, TextOfARangeReadsBackThroughItsExtent) {
  Level level;
  level.setElement(3, 3, EL_EMERALD);
  level.setElement(4, 3, EL_RUBY);
  EXPECT_EQ(tileBlockText(level, {2, 2, 4, 3}), "   \n *(\0"sv);
  EXPECT_EQ(tileBlockText(level, {124, 0, 127, 0}), "    \0"sv);  // past the store: empty
  const struct {
    std::string_view text;
    CellRange extent;
  } cases[] = {
      {"ab\ncd\nef\0\nzz"sv, {4, 5, 5, 7}},
      {"\nab\ncd"sv, {4, 5, 9, 5}},  // an empty first row: the whole text counts as one row
  };
  for (const auto& c : cases) EXPECT_EQ(tileBlockExtent(c.text, {4, 5}), c.extent) << testing::PrintToString(c.text);
  EXPECT_TRUE(tileBlockExtent("\0abc"sv, {1, 1}).isEmpty());
}

}  // namespace
