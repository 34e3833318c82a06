#include <gtest/gtest.h>

#include "level/level_format_error.h"
#include "support/level_text.h"

namespace {

using enum Property;

// The line of the failure the reader reports; 0 when it accepts the text.
int failingLine(const std::string& text) {
  try {
    readText(text);
  } catch (const LevelFormatError& e) {
    return e.line();
  }
  return 0;
}

TEST(LevelReader, EveryKeyReachesItsPropertyAsItIsReadAbsentOnesKeepTheNewLevelsAndUnknownOnesAreKept) {
  const Level level = readText(crLf({"A Night", "S Quiet", "M 3 Deep Song", "d 7", "T 500", "D 6", "n My Level",
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
  // Absent lines keep the new level's values.
  for (const std::string& text : {std::string(), std::string("\r\n\n\r\n")}) EXPECT_EQ(readText(text), Level());
  // Remainders beyond twenty are dropped; lines of no known key are kept in order.
  std::string text;
  for (int i = 0; i < 25; ++i) text += "y ~~~~" + std::to_string(i % 10) + "~~~~\r\n";
  EXPECT_EQ(readText(text + "y\r\n").remainders()[19], "~~~~9~~~~");
  EXPECT_EQ(readText(crLf({"y abc", "y"})).remainders()[0], "abc");
  const Level extra = readText(crLf({"x one", "n Name", "Z", "# not a comment key", "\t"}));
  EXPECT_EQ(extra.extraLines(), (std::vector<std::string>{"x one", "Z", "# not a comment key", "\t"}));

  // One value read from a text: words, rest of line, music, difficulty, information, line ends.
  const std::string longWord(5000, 'x');
  const struct {
    std::string text;
    Property property;
    std::string expected;
    const char* fileName = "test.lev";
  } cases[] = {
      {"p7\r\n", Pushing, "7"},  // separator missing, doubled, surplus words dropped, no word ignored
      {"w   45  extra\r\n", WheelTime, "45"},
      {"s \t\r\n", Swamp, "30"},
      {"e two words\r\n", Emeralds, "two words"},
      {"f  spaced  \r\n", FirstToFinish, " spaced  "},  // rest of line is taken as it is
      {"nXName\r\n", Name, "Name"},                      // the second character is skipped
      {"p " + longWord, Pushing, longWord},
      {"M 0 Two Words", Music, "Two Words"},
      {"M  5 x", Music, "5 x"},
      {"M   ", MusicPrefix, ""},
      {"", Difficulty, "0", "levels/cave.lev"},  // from the file name's last character
      {"", Difficulty, "3", "levels/cave.3"},
      {"", Difficulty, "0", ""},
      {"D 8", Difficulty, "8", "cave.3"},
      {"i \r\ni \r\ni one\r\ni \r\ni three\r\ni", Info, "\r\n\r\none\r\n\r\nthree\r\n"},
      {"n one\nS three\rx\r\na last", Name, "one"},  // LF alone, CR LF, no break at the end
      {"n one\nS three\rx\r\na last", Sounds, "three\rx"},  // a CR inside a line stays
      {"a last\r", Designer, "last\r"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(readText(c.text, c.fileName).text(c.property), c.expected) << testing::PrintToString(c.text);
}

// Map blocks, and broken ones named by file and line.
TEST(LevelReader, MapBlocksAndBrokenOnesNameTheFileAndLine) {
  Level level = readText(crLf({"m 4 3", "1", "", "~ $", "~"}));
  EXPECT_EQ(level.bounds(), (CellRange{0, 0, 3, 2}));
  EXPECT_EQ(level.element(0, 0), EL_PLAYER1);
  EXPECT_EQ(level.element(2, 1), EL_CERULINE);
  EXPECT_EQ(level.tileCount(), 2);

  level = readText(crLf({"m 3 1", "sss", "sss"}));
  EXPECT_EQ(level.tileCount(), 3);
  EXPECT_EQ(level.text(Swamp), "ss") << "rows are counted, not keyed: after the last row the text is a swamp line";

  level = readText(crLf({"m 3 2", "#z*#####", "~~"}));
  EXPECT_EQ(level.element(1, 0), kNoElement) << "a character that names no element leaves the cell empty";
  EXPECT_EQ(level.element(3, 0), kNoElement) << "the surplus of a long row is ignored";
  EXPECT_EQ(level.tileCount(), 2);

  level = readText(crLf({"m 3 1", "*$(", "m 2 1", "#&"}));
  EXPECT_EQ(level.bounds(), (CellRange{0, 0, 1, 0}));
  EXPECT_EQ(level.element(1, 0), EL_EMBEDDED_EMERALD);
  EXPECT_EQ(level.element(2, 0), EL_RUBY) << "outside the second map, the first one's cell stays";

  // The file's name in the message, the file tests show.
  EXPECT_EQ(failingLine(crLf({"n x", "m 4"})), 2);
  EXPECT_EQ(failingLine(crLf({"m x 4"})), 1);
  EXPECT_EQ(failingLine(crLf({"m 4 3", "####", "", "####"})), 4) << "the file ends before the last row";
  // Sizes the store cannot hold are refused too.
  for (const char* header : {"m 0 5", "m 5 0", "m 127 5", "m 5 127", "m -1 5", "m 99999999999999 5",
                             "m -2147483648 1"})
    EXPECT_EQ(failingLine(crLf({header, "#"})), 1) << header;
  EXPECT_NO_THROW(readText(crLf({"m 126 1", "#"})));
  EXPECT_NO_THROW(readText(crLf({"m\t+2  1x", "##"}))) << "the header is read the way %d reads numbers";
}

}  // namespace
