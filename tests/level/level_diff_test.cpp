// What a difference between two levels says, and how changed cells are grouped.
#include <gtest/gtest.h>

#include "level/level_diff.h"
#include "support/level_text.h"

namespace {

using enum Property;

std::vector<std::string> lines(const Level& before, const Level& after) {
  std::vector<std::string> lines;
  for (const LevelDifference& d : diffLevels(before, after)) lines.push_back(d.text());
  return lines;
}

using Lines_ = std::vector<std::string>;

TEST(LevelDiff, EachKindIsSaidInADesignersWordsAndNeighbouringCellsChangedAlikeAreOneRange) {
  Level before = sizedLevel(20, 10);
  before.setElement(30, 30, EL_RUBY);  // hidden in both: never saved, never a difference
  Level after = before;
  EXPECT_TRUE(diffLevels(before, after).empty());

  after.setText(Name, "Caf\xE9");  // Windows-1252 comes out as UTF-8
  after.setText(Info, "one\r\ntwo");
  after.setNumber(Width, 21);
  after.setNumber(LaserSoundOff, 1);
  after.setElement(3, 4, EL_EMERALD);
  Level::Remainders remainders;
  remainders[2] = "*********";
  after.setRemainders(remainders);
  before.setExtraLines({"x keep", "x old"});
  after.setExtraLines({"x keep", "x new"});
  EXPECT_EQ(lines(before, after),
            (Lines_{"property Level name: \"\" -> \"Caf\xC3\xA9\"", "property Width: 20 -> 21",
                    "property Level information: \"\" -> \"one\\ntwo\"", "property Turn off laser sound: no -> yes",
                    "cell 3, 4: Empty -> Emerald", "remainder 3: none -> \"*********\"",
                    "extra line added: \"x new\"", "extra line removed: \"x old\""}));
  const LevelDifference cell = diffLevels(before, after)[4];
  EXPECT_EQ(cell.cells, (CellRange{3, 4, 3, 4}));
  EXPECT_EQ(cell.newElement, EL_EMERALD);

  // Cells changed alike that touch form one rectangle; a different change, or a rectangle that
  // would not be whole, starts another. Cells shown by only one of the levels count too.
  before = sizedLevel(10, 8);
  after = before;
  for (int y = 1; y <= 3; ++y)
    for (int x = 2; x <= 5; ++x) after.setElement(x, y, EL_WALL);  // a 4 x 3 block
  after.setElement(6, 1, EL_ROCK);                                   // beside it, another change
  after.setElement(2, 4, EL_WALL);                                   // below it, narrower
  after.setElement(0, 6, EL_SAND);
  after.setElement(1, 6, EL_SAND);
  after.setNumber(Width, 12);
  after.setElement(11, 0, EL_EXIT);  // in the new column
  before.setElement(9, 7, EL_BAG);
  after.setNumber(Height, 7);  // the bag's row is no longer shown, so it is lost
  EXPECT_EQ(lines(before, after),
            (Lines_{"property Width: 10 -> 12", "property Height: 8 -> 7", "cell 11, 0: Empty -> Exit",
                    "cells 2, 1 to 5, 3: Empty -> Wall", "cell 6, 1: Empty -> Rock", "cell 2, 4: Empty -> Wall",
                    "cells 0, 6 to 1, 6: Empty -> Sand", "cell 9, 7: Bag -> Empty"}));
}

}  // namespace
