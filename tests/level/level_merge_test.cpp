// The rules of the three-way merge of levels.
#include <gtest/gtest.h>

#include "level/level_merge.h"
#include "support/level_text.h"

namespace {

using enum Property;

std::vector<std::string> conflicts(const LevelMerge& merge) {
  std::vector<std::string> texts;
  for (const MergeConflict& conflict : merge.conflicts) texts.push_back(conflict.text);
  return texts;
}

using Texts = std::vector<std::string>;

Level baseLevel() {
  Level level = sizedLevel(12, 6);
  level.setText(Name, "Row Work");
  level.setElement(0, 0, EL_PLAYER1);
  return level;
}

TEST(LevelMerge, CellsOneSideBothAlikeAndConflicts) {
  const Level base = baseLevel();
  Level ours = base, theirs = base;
  ours.setElement(1, 3, EL_EMERALD);    // ours only, in the same row as theirs
  theirs.setElement(9, 3, EL_RUBY);     // theirs only
  ours.setElement(4, 4, EL_WALL);       // both alike
  theirs.setElement(4, 4, EL_WALL);
  ours.setElement(10, 3, EL_EMERALD);   // both, differently
  theirs.setElement(10, 3, EL_RUBY);
  ours.setElement(0, 0, kNoElement);    // ours empties, theirs keeps: taken
  ours.setElement(100, 100, EL_BAG);    // beyond the size, in the store: merged too
  theirs.setElement(101, 100, EL_BAG);

  const LevelMerge merge = mergeLevels(base, ours, theirs);
  EXPECT_EQ(conflicts(merge), (Texts{"conflict: cell 10, 3: ours Emerald, theirs Ruby, base Empty",
                                     "conflict: cell 100, 100: Bag lies outside the merged size 12 x 6",
                                     "conflict: cell 101, 100: Bag lies outside the merged size 12 x 6"}));
  Level expected = ours;  // ours is kept where the sides conflict
  expected.setElement(9, 3, EL_RUBY);
  expected.setElement(101, 100, EL_BAG);
  EXPECT_EQ(merge.level, expected);

  // Merging with no change on one side gives the other side.
  EXPECT_EQ(mergeLevels(base, base, theirs).level, theirs);
  EXPECT_EQ(mergeLevels(base, ours, base).level, ours);
  EXPECT_EQ(mergeLevels(base, ours, ours).conflicts.size(), 1u) << "only the hidden bag";
}

// Width and height merge as properties; a cell the merged size would hide is a conflict only
// when a side put something there, as saving would lose it.
TEST(LevelMerge, SizeChangesAndHiddenCells) {
  Level base = baseLevel();
  base.setElement(11, 5, EL_ROCK);
  Level ours = base, theirs = base;
  ours.setNumber(Width, 20);
  ours.setElement(15, 2, EL_SAND);  // in the new columns
  theirs.setNumber(Height, 4);      // theirs cuts off the rock's row, as a file read back has it
  theirs.setElement(11, 5, kNoElement);
  LevelMerge merge = mergeLevels(base, ours, theirs);
  EXPECT_TRUE(merge.conflicts.empty()) << conflicts(merge)[0];
  EXPECT_EQ(merge.level.width(), 20);
  EXPECT_EQ(merge.level.height(), 4);
  EXPECT_EQ(merge.level.element(15, 2), EL_SAND);

  // Theirs paints where ours cut the level off: the change would be lost on saving.
  ours = base;
  ours.setNumber(Width, 8);
  theirs = base;
  theirs.setElement(10, 1, EL_DROP);
  EXPECT_EQ(conflicts(mergeLevels(base, ours, theirs)),
            (Texts{"conflict: cell 10, 1: Drop lies outside the merged size 8 x 6"}));

  ours.setNumber(Width, 9);
  theirs.setNumber(Width, 10);
  merge = mergeLevels(base, ours, theirs);
  EXPECT_EQ(conflicts(merge)[0], "conflict: property Width: ours 9, theirs 10, base 12");
  EXPECT_EQ(merge.level.width(), 9);
}

TEST(LevelMerge, PropertiesRemaindersAndExtraLines) {
  Level base = baseLevel();
  base.setExtraLines({"x one", "x two"});
  Level::Remainders slots;
  slots[0] = "*********";
  base.setRemainders(slots);
  Level ours = base, theirs = base;
  ours.setText(Name, "Row Work (ours)");
  theirs.setText(Name, "Row Work (theirs)");
  ours.setText(Designer, "Ann");      // ours only
  theirs.setText(Info, "a\r\nb");     // theirs only
  theirs.setNumber(YamYamSoundOff, 1);
  Level::Remainders ourSlots = slots, theirSlots = slots;
  ourSlots[0] = "";                    // ours empties slot 1, theirs changes it
  theirSlots[0] = "$$$$$$$$$";
  theirSlots[4] = "(((((((((";        // theirs only
  ours.setRemainders(ourSlots);
  theirs.setRemainders(theirSlots);
  ours.setExtraLines({"x one", "x ours"});      // drops "x two", adds one
  theirs.setExtraLines({"x zero", "x one", "x two"});

  const LevelMerge merge = mergeLevels(base, ours, theirs);
  EXPECT_EQ(conflicts(merge),
            (Texts{"conflict: property Level name: ours \"Row Work (ours)\", theirs \"Row Work (theirs)\", base \"Row Work\"",
                   "conflict: remainder 1: ours none, theirs \"$$$$$$$$$\", base \"*********\""}));
  const Level& level = merge.level;
  EXPECT_EQ(level.text(Name), "Row Work (ours)");
  EXPECT_EQ(level.text(Designer), "Ann");
  EXPECT_EQ(level.text(Info), "a\r\nb");
  EXPECT_EQ(level.number(YamYamSoundOff), 1);
  EXPECT_EQ(level.remainders()[0], "");
  EXPECT_EQ(level.remainders()[4], "(((((((((");
  EXPECT_EQ(level.extraLines(), (std::vector<std::string>{"x one", "x ours", "x zero"}));
  EXPECT_EQ(mergeLevels(base, base, theirs).level.extraLines(), theirs.extraLines()) << "in theirs' order";
}

}  // namespace
