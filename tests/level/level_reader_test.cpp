#include <gtest/gtest.h>

#include "level/level_format_error.h"
#include "support/level_text.h"

namespace {

int ElementAt(const CBrannocDoc& doc, int x, int y) {
  const CTile* tile = doc.GetTile(x, y);
  return tile ? tile->m_nElement : NO_ELEMENT;
}

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

}  // namespace

TEST(LevelReader, EveryKeyReachesItsField) {
  auto doc = ReadText(CrLf({"A Night", "S Quiet", "M 3 Deep Song", "d 7", "T 500", "D 6", "n My Level", "e 12",
                            "p 2", "E 9", "w 40", "o 5", "s 11", "a Ann", "f Bob", "N Next One", "Y", "L",
                            "i first", "i second", "y 123456789"}));
  EXPECT_EQ(doc->m_strArtwork, "Night");
  EXPECT_EQ(doc->m_strSounds, "Quiet");
  EXPECT_EQ(doc->m_strMusicPrefix, "3");
  EXPECT_EQ(doc->m_strMusic, "Deep Song");
  EXPECT_EQ(doc->m_strDispenser, "7");
  EXPECT_EQ(doc->m_strTotalTurns, "500");
  EXPECT_EQ(doc->m_strDifficulty, "6");
  EXPECT_EQ(doc->m_strName, "My Level");
  EXPECT_EQ(doc->m_strEmeralds, "12");
  EXPECT_EQ(doc->m_strPushing, "2");
  EXPECT_EQ(doc->m_strMaxDestroy, "9");
  EXPECT_EQ(doc->m_strWheelTime, "40");
  EXPECT_EQ(doc->m_strRobotSpeed, "5");
  EXPECT_EQ(doc->m_strSwamp, "11");
  EXPECT_EQ(doc->m_strDesigner, "Ann");
  EXPECT_EQ(doc->m_strFirstToFinish, "Bob");
  EXPECT_EQ(doc->m_strNextLevel, "Next One");
  EXPECT_TRUE(doc->m_bYamYamSoundOff);
  EXPECT_TRUE(doc->m_bLaserSoundOff);
  EXPECT_EQ(doc->m_strInfo, "first\r\nsecond");
  EXPECT_EQ(doc->m_remainders[0], "123456789");
  EXPECT_EQ(doc->m_remainders.size(), 20u);
  EXPECT_TRUE(doc->m_extraLines.empty());
}

TEST(LevelReader, AbsentLinesKeepTheNewLevelValues) {
  for (const std::string& text : {std::string(), std::string("\r\n\n\r\n")}) {
    auto doc = ReadText(text);
    EXPECT_EQ(doc->GetLevelSize(), (CSize{126, 126}));
    EXPECT_EQ(doc->CountTiles(), 0);
    EXPECT_EQ(doc->m_strArtwork, "Default");
    EXPECT_EQ(doc->m_strEmeralds, "*");
    EXPECT_EQ(doc->m_strWheelTime, "30");
    EXPECT_EQ(doc->m_strDifficulty, "0");
    EXPECT_EQ(doc->m_remainders, std::vector<std::string>(20));
  }
}

TEST(LevelReader, WordsAndRestOfLine) {
  // Word values: separator missing or doubled, surplus words dropped, no word at all ignored.
  auto doc = ReadText(CrLf({"p7", "w   45  extra", "o", "s \t", "e two words", "n", "aX", "f  spaced  "}));
  EXPECT_EQ(doc->m_strPushing, "7");
  EXPECT_EQ(doc->m_strWheelTime, "45");
  EXPECT_EQ(doc->m_strRobotSpeed, "3");
  EXPECT_EQ(doc->m_strSwamp, "30");
  EXPECT_EQ(doc->m_strEmeralds, "two words");
  EXPECT_EQ(doc->m_strName, "");
  EXPECT_EQ(doc->m_strDesigner, "");
  EXPECT_EQ(doc->m_strFirstToFinish, " spaced  ") << "rest of line is taken as it is";
  // The second character is skipped whatever it is.
  EXPECT_EQ(ReadText(CrLf({"nXName"}))->m_strName, "Name");
  EXPECT_EQ(ReadText(CrLf({"p two words"}))->m_strPushing, "two");
}

TEST(LevelReader, MusicLine) {
  auto doc = ReadText(CrLf({"M 0 Two Words"}));
  EXPECT_EQ(doc->m_strMusicPrefix, "0");
  EXPECT_EQ(doc->m_strMusic, "Two Words");
  doc = ReadText(CrLf({"M  5 x"}));
  EXPECT_EQ(doc->m_strMusicPrefix, "5");
  EXPECT_EQ(doc->m_strMusic, "5 x");
  doc = ReadText(CrLf({"M   "}));
  EXPECT_EQ(doc->m_strMusicPrefix, "");
  EXPECT_EQ(doc->m_strMusic, "");
  doc = ReadText(CrLf({"M 0"}));
  EXPECT_EQ(doc->m_strMusicPrefix, "0");
  EXPECT_EQ(doc->m_strMusic, "");
}

TEST(LevelReader, DifficultyDefaultsToTheLastCharacterOfTheFileName) {
  EXPECT_EQ(ReadText("", "levels/cave.lev")->m_strDifficulty, "0");
  EXPECT_EQ(ReadText("", "levels/cave.3")->m_strDifficulty, "3");
  EXPECT_EQ(ReadText("", "levels7/cave")->m_strDifficulty, "0") << "folders do not count";
  EXPECT_EQ(ReadText("", "")->m_strDifficulty, "0");
  EXPECT_EQ(ReadText(CrLf({"D 8"}), "cave.3")->m_strDifficulty, "8");
}

TEST(LevelReader, InformationLines) {
  auto doc = ReadText(CrLf({"i ", "i ", "i one", "i ", "i three", "i"}));
  EXPECT_EQ(doc->m_strInfo, "one\r\n\r\nthree\r\n") << "leading empty lines are lost, later ones survive";
}

TEST(LevelReader, RemaindersAreCutOrPaddedToTwenty) {
  std::vector<std::string> lines;
  for (int i = 0; i < 25; ++i) lines.push_back("y ~~~~" + std::to_string(i % 10) + "~~~~");
  std::string text;
  for (const auto& l : lines) text += l + "\r\n";
  auto doc = ReadText(text + "y\r\n");
  ASSERT_EQ(doc->m_remainders.size(), 20u);
  EXPECT_EQ(doc->m_remainders[19], "~~~~9~~~~");
  EXPECT_EQ(ReadText(CrLf({"y abc", "y"}))->m_remainders, (std::vector<std::string>{"abc", "", "", "", "", "", "",
                                                                                  "", "", "", "", "", "", "", "", "",
                                                                                  "", "", "", ""}));
}

TEST(LevelReader, ExtraLinesAreKeptInOrder) {
  auto doc = ReadText(CrLf({"x one", "n Name", "Z", "# not a comment key", "\t"}));
  EXPECT_EQ(doc->m_extraLines, (std::vector<std::string>{"x one", "Z", "# not a comment key", "\t"}));
}

TEST(LevelReader, LineEnds) {
  // LF alone, CR LF, and a last line without a break are all lines; a CR inside a line stays.
  auto doc = ReadText("n one\nA two\r\nS three\rx\r\na last");
  EXPECT_EQ(doc->m_strName, "one");
  EXPECT_EQ(doc->m_strArtwork, "two");
  EXPECT_EQ(doc->m_strSounds, "three\rx");
  EXPECT_EQ(doc->m_strDesigner, "last");
  EXPECT_EQ(ReadText("a last\r")->m_strDesigner, "last\r") << "a CR without LF at the end is text";
}

TEST(LevelReader, MapBlockExample) {
  auto doc = ReadText(CrLf({"m 4 3", "1", "", "~ $", "~"}));
  EXPECT_EQ(doc->GetLevelSize(), (CSize{4, 3}));
  EXPECT_EQ(ElementAt(*doc, 0, 0), EL_PLAYER1);
  EXPECT_EQ(ElementAt(*doc, 2, 1), EL_CERULINE);
  EXPECT_EQ(doc->CountTiles(), 2);
  EXPECT_EQ(doc->m_nEmeraldTotal, 3);
}

TEST(LevelReader, RowsAreCountedNotKeyed) {
  auto doc = ReadText(CrLf({"m 3 1", "sss", "sss"}));
  for (int x = 0; x < 3; ++x) EXPECT_EQ(ElementAt(*doc, x, 0), EL_SAND);
  EXPECT_EQ(doc->m_strSwamp, "ss") << "after the last row, the same text is a swamp line";
}

TEST(LevelReader, RowLengthsAndUnknownCharacters) {
  auto doc = ReadText(CrLf({"m 3 2", "#z*#####", "~~"}));
  EXPECT_EQ(ElementAt(*doc, 0, 0), EL_WALL);
  EXPECT_EQ(ElementAt(*doc, 1, 0), NO_ELEMENT) << "a character that names no element leaves the cell empty";
  EXPECT_EQ(ElementAt(*doc, 2, 0), EL_EMERALD);
  EXPECT_EQ(ElementAt(*doc, 3, 0), NO_ELEMENT) << "the surplus of a long row is ignored";
  EXPECT_EQ(doc->CountTiles(), 2);
  auto wide = ReadText("m 126 1\r\n" + std::string(300, '#'));
  EXPECT_EQ(wide->CountTiles(), 126);
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

TEST(LevelReader, SecondMapIsReadOverTheFirst) {
  auto doc = ReadText(CrLf({"m 3 1", "*$(", "m 2 1", "#&"}));
  EXPECT_EQ(doc->GetLevelSize(), (CSize{2, 1}));
  EXPECT_EQ(ElementAt(*doc, 0, 0), EL_WALL);
  EXPECT_EQ(ElementAt(*doc, 1, 0), EL_EMBEDDED_EMERALD);
  EXPECT_EQ(ElementAt(*doc, 2, 0), EL_RUBY) << "outside the second map, the first one's tile stays";
  EXPECT_EQ(doc->CountTiles(), 3);
  EXPECT_EQ(doc->m_nEmeraldTotal, 6);
  EXPECT_EQ(doc->m_nEmeraldTotal, doc->CountEmeralds());
}

TEST(LevelReader, VeryLongWordsAreTakenWhole) {
  const std::string longWord(5000, 'x');
  auto doc = ReadText(CrLf({"p " + longWord, "y " + longWord, "n " + longWord}));
  EXPECT_EQ(doc->m_strPushing, longWord);
  EXPECT_EQ(doc->m_remainders[0], longWord);
  EXPECT_EQ(doc->m_strName, longWord);
}
