// What a level check warns about, each case on a small level made here.
#include <gtest/gtest.h>

#include "level/level_checks.h"
#include "support/level_text.h"
#include "support/temp_folder.h"

namespace {

// A playable 6 x 4 level: Player 1, an exit, one emerald, a blue key and door.
Level playable() {
  Level level = sizedLevel(6, 4);
  const int cells[][3] = {{0, 0, EL_PLAYER1}, {5, 3, EL_EXIT}, {2, 1, EL_EMERALD}, {3, 1, EL_BLUE_KEY}, {4, 1, EL_BLUE_DOOR}};
  for (const auto& [x, y, element] : cells) level.setElement(x, y, element);
  level.setText(Property::Emeralds, "1");
  return level;
}

TEST(LevelChecks, EachMistakeIsNamedWithItsCellOrPropertyAndTheNextLevelLookedForBeside) {
  EXPECT_TRUE(checkLevel(playable()).empty());
  struct Case {
    void (*spoil)(Level&);
    LevelWarning expected;
  } cases[] = {
      {[](Level& l) { l.setElement(0, 0, kNoElement); }, {"no Player 1", {}, {}}},
      {[](Level& l) { l.setNumber(Property::Width, 5); }, {"no Exit", {}, {}}},  // the exit lies outside now
      {[](Level& l) { l.setText(Property::Emeralds, " 2 "); },
       {"Emeralds to collect is 2, but the level holds only 1", {}, Property::Emeralds}},
      {[](Level& l) { l.setElement(4, 1, kNoElement); }, {"a blue key but no blue door", CellPos{3, 1}, {}}},
      {[](Level& l) {  // the first key, row by row, is the one named
         l.setElement(4, 1, kNoElement);
         l.setElement(0, 2, EL_BLUE_KEY);
       },
       {"a blue key but no blue door", CellPos{3, 1}, {}}},
      {[](Level& l) { l.setElement(3, 1, EL_RED_KEY); },
       {"a blue door but no blue key", CellPos{4, 1}, {}}},
      {[](Level& l) { l.setText(Property::Name, "Cave\x81"); },
       {"\"Level name\" holds characters a level file cannot show as typed", {}, Property::Name}},
  };
  for (const Case& c : cases) {
    Level level = playable();
    c.spoil(level);
    const std::vector<LevelWarning> warnings = checkLevel(level);
    ASSERT_FALSE(warnings.empty()) << c.expected.text;
    EXPECT_EQ(warnings.front(), c.expected);
  }
  // Not judged: a count that is not a plain number, line breaks in the information.
  Level level = playable();
  level.setText(Property::Emeralds, "*");
  level.setText(Property::Info, "one\r\ntwo\tthree");
  EXPECT_TRUE(checkLevel(level).empty());
  level.setElement(3, 1, EL_RED_KEY);
  const std::vector<LevelWarning> both = checkLevel(level);
  ASSERT_EQ(both.size(), 2u);
  EXPECT_EQ(both[1].text, "a red key but no red door");

  // The next level is looked for in the same folder.
  const TempFolder folder;
  folder.write("second.lev", "n  The Second One \r\nm 1 1\r\n*\r\n");
  level = playable();
  const std::string self = (folder.dir / "first.lev").string();
  for (const char* next : {"second", "SECOND", " the second one "}) {
    level.setText(Property::NextLevel, next);
    EXPECT_TRUE(checkLevel(level, self).empty()) << next;
  }
  level.setText(Property::NextLevel, "third");
  EXPECT_EQ(checkLevel(level, self), (std::vector<LevelWarning>{{"Next level \"third\" is not a level of this folder", {}, Property::NextLevel}}));
  EXPECT_TRUE(checkLevel(level).empty()) << "a level without a file is not judged";
}

}  // namespace
