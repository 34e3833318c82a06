#include <gtest/gtest.h>

#include "support/level_text.h"
#include "support/temp_folder.h"

namespace {

using enum Property;

// The one round trip: every shipped level is in the writer's own form. Values the reader would
// take differently are written in a form it takes back (the tests below).
TEST(LevelWriter, WhatItWritesReadsBackToTheSameBytes) {
  for (const char* name : {"demo.lev", "first-steps.lev", "key-vault.lev", "showcase.lev"}) {
    const std::string original = fileBytes(std::string(CAVERNIA_EXAMPLES_DIR) + "/" + name);
    ASSERT_FALSE(original.empty()) << name;
    EXPECT_EQ(levelText(readText(original, name)), original) << name << " is not in the writer's own form";
  }
}

TEST(LevelWriter, NewLevelLayout) {
  const std::string text = levelText(Level());
  const std::string head = crLf({"A Default", "S Default", "d 5", "T ", "D 0", "n ", "e *", "p 4", "E ", "w 30",
                                 "o 3", "s 30", "a ", "f ", "N ", "i ", "m 126 126"});
  ASSERT_EQ(text.substr(0, head.size()), head);
  std::string rows;
  for (int i = 0; i < 126; ++i) rows += "~" + std::string(125, ' ') + "\r\n";
  EXPECT_EQ(text.substr(head.size()), rows + "\r\n");
}

TEST(LevelWriter, MusicPrefix) {
  Level level;
  level.setText(Music, "song");
  EXPECT_NE(levelText(level).find("S Default\r\nM 0 song\r\nd 5\r\n"), std::string::npos);
  // A prefix without music is not written, nor are spaces before the name or line breaks.
  level.setText(MusicPrefix, "4");
  level.setText(Music, "\r  two words\t");
  EXPECT_NE(levelText(level).find("\r\nM 4 two words\r\n"), std::string::npos);
  for (const char* music : {"", " \r\n\t"}) {
    level.setText(Music, music);
    EXPECT_EQ(levelText(level).find("\r\nM "), std::string::npos);
  }
}

TEST(LevelWriter, SoundSwitchesRemaindersAndExtraLines) {
  Level level;
  level.setNumber(YamYamSoundOff, 1);
  level.setNumber(LaserSoundOff, 1);
  Level::Remainders remainders;
  remainders[0] = "A";
  remainders[2] = "B";
  level.setRemainders(remainders);
  level.setExtraLines({"x1", "x2"});
  const std::string text = levelText(level);
  EXPECT_NE(text.find("N \r\nY\r\nL\r\ni \r\nm "), std::string::npos);
  const std::string tail = "\r\n\r\ny A\r\ny B\r\nx1\r\nx2\r\n";
  EXPECT_EQ(text.substr(text.size() - tail.size()), tail) << "empty slots between patterns close up";
}

TEST(LevelWriter, InformationIsSplitAtEveryKindOfLineBreak) {
  Level level;
  level.setText(Info, "one\r\ntwo\rthree\nfour  \r\n\r\nsix");
  EXPECT_NE(levelText(level).find(crLf({"N ", "i one", "i two", "i three", "i four", "i ", "i six", "m 126 126"})),
            std::string::npos);
  // Empty first lines are written and read back as they were.
  level.setText(Info, "\r\n  \r\nlater");
  EXPECT_NE(levelText(level).find(crLf({"N ", "i ", "i ", "i later", "m 126 126"})), std::string::npos);
  EXPECT_EQ(readText(levelText(level)).text(Info), "\r\n\r\nlater");
  level.setText(Info, "");
  EXPECT_NE(levelText(level).find(crLf({"N ", "i ", "m 126 126"})), std::string::npos);
  EXPECT_EQ(readText(levelText(level)).text(Info), "");
}

TEST(LevelWriter, NoValueCanInjectALine) {
  Level level;
  level.setText(Name, "Trap\r\nm 1 1\r\n#");
  level.setText(Designer, "a\rb\nc");
  Level::Remainders remainders;
  remainders[0] = "~~\n~~";
  level.setRemainders(remainders);
  const std::string text = levelText(level);
  EXPECT_NE(text.find("\r\nn Trap  m 1 1  #\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\na a b c\r\n"), std::string::npos);
  const Level back = readText(text);
  EXPECT_EQ(back.remainders()[0], "~~") << "the pattern's word ends at the space";
  EXPECT_TRUE(back.extraLines().empty()) << "no value made a line of its own";
}

TEST(LevelWriter, OnlyTheCellsInsideTheLevelAreWritten) {
  Level level = readText(crLf({"m 5 2", "*  #1", "~~~~$"}));
  level.setNumber(Width, 3);
  level.setNumber(Height, 1);
  const std::string text = levelText(level);
  EXPECT_NE(text.find("\r\nm 3 1\r\n*  \r\n\r\n"), std::string::npos);
}

}  // namespace
