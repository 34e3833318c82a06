#include <gtest/gtest.h>

#include <functional>

#include "support/level_text.h"
#include "support/temp_folder.h"

namespace {

using enum Property;

// The one round trip: every shipped level is in the writer's own form, and so is a new level.
TEST(LevelWriter, WhatItWritesReadsBackToTheSameBytesAndValuesInAFormTheReaderTakesBack) {
  for (const char* name : {"demo.lev", "first-steps.lev", "key-vault.lev", "showcase.lev"}) {
    const std::string original = fileBytes(std::string(CAVERNIA_EXAMPLES_DIR) + "/" + name);
    EXPECT_EQ(levelText(readText(original, name)), original) << name << " is not in the writer's own form";
  }
  const std::string fresh = levelText(Level());
  const std::string head = crLf({"A Default", "S Default", "d 5", "T ", "D 0", "n ", "e *", "p 4", "E ", "w 30",
                                 "o 3", "s 30", "a ", "f ", "N ", "i ", "m 126 126"});
  ASSERT_EQ(fresh.substr(0, head.size()), head);
  std::string rows;
  for (int i = 0; i < 126; ++i) rows += "~" + std::string(125, ' ') + "\r\n";
  EXPECT_EQ(fresh.substr(head.size()), rows + "\r\n");

  // Each case: what is set on a new level, and lines the text must hold. Nothing a value holds
  // may start a line of its own, and what the reader would take otherwise is written in a form
  // it takes back.
  const struct {
    std::function<void(Level&)> set;
    std::string holds;
    bool readsBackTheSame = true;
  } cases[] = {
      {[](Level& l) { l.setText(Music, "song"); }, "S Default\r\nM 0 song\r\nd 5\r\n"},
      {[](Level& l) { l.setText(MusicPrefix, "4"), l.setText(Music, "\r  two words\t"); }, "\r\nM 4 two words\r\n"},
      {[](Level& l) { l.setText(MusicPrefix, "4"), l.setText(Music, " \r\n\t"); }, "S Default\r\nd 5\r\n"},
      {[](Level& l) { l.setNumber(YamYamSoundOff, 1), l.setNumber(LaserSoundOff, 1); }, "N \r\nY\r\nL\r\ni \r\nm "},
      {[](Level& l) {  // empty slots between patterns close up
         Level::Remainders remainders;
         remainders[0] = "A", remainders[2] = "B";
         l.setRemainders(remainders);
         l.setExtraLines({"x1", "x2"});
       },
       "\r\n\r\ny A\r\ny B\r\nx1\r\nx2\r\n"},
      {[](Level& l) { l.setText(Info, "one\r\ntwo\rthree\nfour  \r\n\r\nsix"); },
       crLf({"N ", "i one", "i two", "i three", "i four", "i ", "i six", "m 126 126"})},
      {[](Level& l) { l.setText(Info, "\r\n  \r\nlater"); }, crLf({"N ", "i ", "i ", "i later", "m 126 126"})},
      {[](Level& l) {
         l.setText(Name, "Trap\r\nm 1 1\r\n#");
         Level::Remainders remainders;
         remainders[0] = "~~\n~~";  // read back up to the space
         l.setRemainders(remainders);
       },
       "\r\nn Trap  m 1 1  #\r\n", false},
      {[](Level& l) {  // only the cells inside the level
         l = readText(crLf({"m 5 2", "*  #1", "~~~~$"}));
         l.setNumber(Width, 3), l.setNumber(Height, 1);
       },
       "\r\nm 3 1\r\n*  \r\n\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.holds));
    Level level;
    c.set(level);
    const std::string text = levelText(level);
    EXPECT_NE(text.find(c.holds), std::string::npos) << text;
    const Level back = readText(text);
    EXPECT_EQ(back.extraLines(), level.extraLines()) << "no value made a line of its own";
    if (c.readsBackTheSame) {
      EXPECT_EQ(levelText(back), text);
    }
  }
}

}  // namespace
