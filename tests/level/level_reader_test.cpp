#include <gtest/gtest.h>

#include <tuple>

#include "level/level_format_error.h"
#include "support/level_text.h"

namespace {

using enum Property;

// Runs the reader and returns the failure it reports (the test fails if there is none).
LevelFormatError ReadFailure(const std::string& text, const std::string& fileName = "broken.lev") {
  try {
    ReadText(text, fileName);
  } catch (const LevelFormatError& e) {
    return e;
  }
  ADD_FAILURE() << "the reader accepted: " << text;
  return LevelFormatError("", 0, "");
}

TEST(LevelReader, EveryKeyReachesItsProperty) {
  const Level level = ReadText(CrLf({"A Night", "S Quiet", "M 3 Deep Song", "d 7", "T 500", "D 6", "n My Level",
                                     "e 12", "p 2", "E 9", "w 40", "o 5", "s 11", "a Ann", "f Bob", "N Next One",
                                     "Y", "L", "i first", "i second", "y 123456789"}));
  const std::pair<Property, const char*> expected[] = {
      {Artwork, "Night"},  {Sounds, "Quiet"},      {MusicPrefix, "3"},   {Music, "Deep Song"},
      {Dispenser, "7"},    {TotalTurns, "500"},    {Difficulty, "6"},    {Name, "My Level"},
      {Emeralds, "12"},    {Pushing, "2"},         {MaxDestroy, "9"},    {WheelTime, "40"},
      {RobotSpeed, "5"},   {Swamp, "11"},          {Designer, "Ann"},    {FirstToFinish, "Bob"},
      {NextLevel, "Next One"}, {YamYamSoundOff, "1"}, {LaserSoundOff, "1"}, {Info, "first\r\nsecond"},
  };
  for (const auto& [property, value] : expected) EXPECT_EQ(level.text(property), value) << static_cast<int>(property);
  EXPECT_EQ(level.remainders()[0], "123456789");
  EXPECT_TRUE(level.extraLines().empty());
}

TEST(LevelReader, AbsentLinesKeepTheNewLevelValues) {
  for (const std::string& text : {std::string(), std::string("\r\n\n\r\n")}) EXPECT_EQ(ReadText(text), Level());
}

TEST(LevelReader, WordsAndRestOfLine) {
  // Word values: separator missing or doubled, surplus words dropped, no word at all ignored.
  const Level level = ReadText(CrLf({"p7", "w   45  extra", "o", "s \t", "e two words", "n", "aX", "f  spaced  "}));
  EXPECT_EQ(level.text(Pushing), "7");
  EXPECT_EQ(level.text(WheelTime), "45");
  EXPECT_EQ(level.text(RobotSpeed), "3");
  EXPECT_EQ(level.text(Swamp), "30");
  EXPECT_EQ(level.text(Emeralds), "two words");
  EXPECT_EQ(level.text(Name), "");
  EXPECT_EQ(level.text(Designer), "");
  EXPECT_EQ(level.text(FirstToFinish), " spaced  ") << "rest of line is taken as it is";
  // The second character is skipped whatever it is.
  EXPECT_EQ(ReadText(CrLf({"nXName"})).text(Name), "Name");
  EXPECT_EQ(ReadText(CrLf({"p two words"})).text(Pushing), "two");
  const std::string longWord(5000, 'x');
  EXPECT_EQ(ReadText(CrLf({"p " + longWord})).text(Pushing), longWord);
}

TEST(LevelReader, MusicLine) {
  for (auto [line, prefix, music] : {std::tuple{"M 0 Two Words", "0", "Two Words"}, {"M  5 x", "5", "5 x"},
                                     {"M   ", "", ""}, {"M 0", "0", ""}}) {
    const Level level = ReadText(CrLf({line}));
    EXPECT_EQ(level.text(MusicPrefix), prefix) << line;
    EXPECT_EQ(level.text(Music), music) << line;
  }
}

TEST(LevelReader, DifficultyDefaultsToTheLastCharacterOfTheFileName) {
  EXPECT_EQ(ReadText("", "levels/cave.lev").text(Difficulty), "0");
  EXPECT_EQ(ReadText("", "levels/cave.3").text(Difficulty), "3");
  EXPECT_EQ(ReadText("", "levels7/cave").text(Difficulty), "0") << "folders do not count";
  EXPECT_EQ(ReadText("", "").text(Difficulty), "0");
  EXPECT_EQ(ReadText(CrLf({"D 8"}), "cave.3").text(Difficulty), "8");
}

TEST(LevelReader, InformationLines) {
  const Level level = ReadText(CrLf({"i ", "i ", "i one", "i ", "i three", "i"}));
  EXPECT_EQ(level.text(Info), "one\r\n\r\nthree\r\n") << "leading empty lines are lost, later ones survive";
}

TEST(LevelReader, RemaindersBeyondTwentyAreDropped) {
  std::string text;
  for (int i = 0; i < 25; ++i) text += "y ~~~~" + std::to_string(i % 10) + "~~~~\r\n";
  EXPECT_EQ(ReadText(text + "y\r\n").remainders()[19], "~~~~9~~~~");
  const Level level = ReadText(CrLf({"y abc", "y"}));
  EXPECT_EQ(level.remainders()[0], "abc");
  EXPECT_EQ(level.remainders()[1], "");
}

TEST(LevelReader, ExtraLinesAreKeptInOrder) {
  const Level level = ReadText(CrLf({"x one", "n Name", "Z", "# not a comment key", "\t"}));
  EXPECT_EQ(level.extraLines(), (std::vector<std::string>{"x one", "Z", "# not a comment key", "\t"}));
}

TEST(LevelReader, LineEnds) {
  // LF alone, CR LF, and a last line without a break are all lines; a CR inside a line stays.
  const Level level = ReadText("n one\nA two\r\nS three\rx\r\na last");
  EXPECT_EQ(level.text(Name), "one");
  EXPECT_EQ(level.text(Artwork), "two");
  EXPECT_EQ(level.text(Sounds), "three\rx");
  EXPECT_EQ(level.text(Designer), "last");
  EXPECT_EQ(ReadText("a last\r").text(Designer), "last\r") << "a CR without LF at the end is text";
}

TEST(LevelReader, MapBlocks) {
  Level level = ReadText(CrLf({"m 4 3", "1", "", "~ $", "~"}));
  EXPECT_EQ(level.bounds(), (CellRange{0, 0, 3, 2}));
  EXPECT_EQ(level.element(0, 0), EL_PLAYER1);
  EXPECT_EQ(level.element(2, 1), EL_CERULINE);
  EXPECT_EQ(level.tileCount(), 2);
  EXPECT_EQ(level.emeraldTotal(), 3);

  level = ReadText(CrLf({"m 3 1", "sss", "sss"}));
  EXPECT_EQ(level.tileCount(), 3);
  EXPECT_EQ(level.text(Swamp), "ss") << "rows are counted, not keyed: after the last row the text is a swamp line";

  level = ReadText(CrLf({"m 3 2", "#z*#####", "~~"}));
  EXPECT_EQ(level.element(1, 0), NO_ELEMENT) << "a character that names no element leaves the cell empty";
  EXPECT_EQ(level.element(3, 0), NO_ELEMENT) << "the surplus of a long row is ignored";
  EXPECT_EQ(level.tileCount(), 2);
  EXPECT_EQ(ReadText("m 126 1\r\n" + std::string(300, '#')).tileCount(), 126);

  level = ReadText(CrLf({"m 3 1", "*$(", "m 2 1", "#&"}));
  EXPECT_EQ(level.bounds(), (CellRange{0, 0, 1, 0}));
  EXPECT_EQ(level.element(1, 0), EL_EMBEDDED_EMERALD);
  EXPECT_EQ(level.element(2, 0), EL_RUBY) << "outside the second map, the first one's cell stays";
  EXPECT_EQ(level.emeraldTotal(), 6);
}

TEST(LevelReader, BrokenMapBlocksNameTheFileAndLine) {
  LevelFormatError e = ReadFailure(CrLf({"n x", "m 4"}), "cave.lev");
  EXPECT_EQ(e.FileName(), "cave.lev");
  EXPECT_EQ(e.Line(), 2);
  EXPECT_NE(std::string(e.what()).find("cave.lev"), std::string::npos);
  EXPECT_EQ(ReadFailure(CrLf({"m"})).Line(), 1);
  EXPECT_EQ(ReadFailure(CrLf({"m x 4"})).Line(), 1);
  EXPECT_EQ(ReadFailure(CrLf({"m 4 3", "####", "", "####"})).Line(), 4) << "the file ends before the last row";
  // Sizes the store cannot hold are refused too.
  for (const char* header : {"m 0 5", "m 5 0", "m 127 5", "m 5 127", "m -1 5", "m 99999999999999 5",
                             "m -2147483648 1"})
    EXPECT_EQ(ReadFailure(CrLf({header, "#"})).Line(), 1) << header;
  EXPECT_NO_THROW(ReadText(CrLf({"m 126 1", "#"})));
  EXPECT_NO_THROW(ReadText(CrLf({"m\t+2  1x", "##"}))) << "the header is read the way %d reads numbers";
}

}  // namespace
