#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "support/level_text.h"

namespace {

std::string ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string Example(const std::string& name) { return std::string(CAVERNIA_EXAMPLES_DIR) + "/" + name; }

}  // namespace

TEST(LevelWriter, TheSmallExampleComesOutByteForByte) {
  const std::string original = ReadFileBytes(Example("demo.lev"));
  ASSERT_FALSE(original.empty());
  auto doc = ReadText(original, "demo.lev");
  EXPECT_EQ(doc->m_nEmeraldTotal, 4);
  EXPECT_EQ(doc->GetTile(2, 1)->m_nElement, EL_CERULINE);
  EXPECT_EQ(doc->m_remainders[0], "~~~~*~~~~");
  EXPECT_EQ(WriteText(*doc), original);
}

TEST(LevelWriter, SampleLevelsSurviveARoundTrip) {
  for (const char* name : {"demo.lev", "first-steps.lev", "key-vault.lev", "showcase.lev"}) {
    const std::string original = ReadFileBytes(Example(name));
    ASSERT_FALSE(original.empty()) << name;
    auto doc = ReadText(original, name);
    const std::string written = WriteText(*doc);
    EXPECT_EQ(written, original) << name << " is not in the writer's own form";
    auto again = ReadText(written, name);
    EXPECT_EQ(again->CountTiles(), doc->CountTiles());
    EXPECT_EQ(again->m_nEmeraldTotal, doc->m_nEmeraldTotal);
  }
}

TEST(LevelWriter, NewLevelLayout) {
  auto doc = NewLevel();
  const std::string text = WriteText(*doc);
  const std::string head = CrLf({"A Default", "S Default", "d 5", "T ", "D 0", "n ", "e *", "p 4", "E ", "w 30",
                                 "o 3", "s 30", "a ", "f ", "N ", "i ", "m 126 126"});
  ASSERT_EQ(text.substr(0, head.size()), head);
  const std::string emptyRow = "~" + std::string(125, ' ') + "\r\n";
  std::string rows;
  for (int i = 0; i < 126; ++i) rows += emptyRow;
  EXPECT_EQ(text.substr(head.size()), rows + "\r\n");
}

TEST(LevelWriter, KeyLineTrimsTheCallersString) {
  std::ostringstream out;
  std::string value = "Name \t ";
  CBrannocDoc::WriteKeyLine('n', value, out);
  EXPECT_EQ(value, "Name");
  EXPECT_EQ(out.str(), "n Name\r\n");
}

TEST(LevelWriter, MusicPrefix) {
  auto doc = NewLevel();
  doc->m_strMusic = "song";
  std::string text = WriteText(*doc);
  EXPECT_NE(text.find("S Default\r\nM 0 song\r\nd 5\r\n"), std::string::npos);
  // A prefix without music is not written, and is gone after reading back.
  doc->m_strMusic.clear();
  doc->m_strMusicPrefix = "4";
  text = WriteText(*doc);
  EXPECT_EQ(text.find("\r\nM "), std::string::npos);
  EXPECT_EQ(ReadText(text)->m_strMusicPrefix, "");
  // Spaces before the name, line breaks and white space alone would not read back.
  doc->m_strMusic = "\r  two words\t";
  text = WriteText(*doc);
  EXPECT_NE(text.find("\r\nM 4 two words\r\n"), std::string::npos);
  EXPECT_EQ(WriteText(*ReadText(text)), text);
  doc->m_strMusic = " \r\n\t";
  EXPECT_EQ(WriteText(*doc).find("\r\nM "), std::string::npos);
}

TEST(LevelWriter, SoundSwitchesAndRemainderSlots) {
  auto doc = NewLevel();
  doc->m_bYamYamSoundOff = true;
  doc->m_bLaserSoundOff = true;
  doc->m_remainders[0] = "A";
  doc->m_remainders[2] = "B";
  doc->m_extraLines = {"x1", "x2"};
  const std::string text = WriteText(*doc);
  EXPECT_NE(text.find("N \r\nY\r\nL\r\ni \r\nm "), std::string::npos);
  const std::string tail = "\r\n\r\ny A\r\ny B\r\nx1\r\nx2\r\n";
  EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
  auto back = ReadText(text);
  EXPECT_EQ(back->m_remainders[0], "A");
  EXPECT_EQ(back->m_remainders[1], "B") << "empty slots between patterns close up";
  EXPECT_EQ(back->m_remainders[2], "");
  EXPECT_TRUE(back->m_bYamYamSoundOff);
  EXPECT_TRUE(back->m_bLaserSoundOff);
}

TEST(LevelWriter, InformationIsSplitAtEveryKindOfLineBreak) {
  auto doc = NewLevel();
  doc->m_strInfo = "one\r\ntwo\rthree\nfour  \r\n\r\nsix";
  const std::string text = WriteText(*doc);
  EXPECT_NE(text.find(CrLf({"N ", "i one", "i two", "i three", "i four", "i ", "i six", "m 126 126"})),
            std::string::npos);
  EXPECT_EQ(ReadText(text)->m_strInfo, "one\r\ntwo\r\nthree\r\nfour\r\n\r\nsix");

  // Leading empty lines would be lost on reading, so they are not written: a saved file reads
  // back to the same bytes.
  doc->m_strInfo = "\r  \r\nlater";
  const std::string leading = WriteText(*doc);
  EXPECT_NE(leading.find(CrLf({"N ", "i later", "m 126 126"})), std::string::npos);
  EXPECT_EQ(WriteText(*ReadText(leading)), leading);
  doc->m_strInfo = "\r\n \r\n";
  EXPECT_NE(WriteText(*doc).find(CrLf({"N ", "i ", "m 126 126"})), std::string::npos);
}

TEST(LevelWriter, NoValueCanInjectALine) {
  auto doc = NewLevel();
  doc->m_strName = "Trap\r\nm 1 1\r\n#";
  doc->m_strDesigner = "a\rb\nc";
  doc->m_strMusic = "x\ny";
  doc->m_remainders[0] = "~~\n~~";
  doc->PlaceTile(5, 5, EL_RUBY);
  const std::string text = WriteText(*doc);
  EXPECT_NE(text.find("\r\nn Trap  m 1 1  #\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\na a b c\r\n"), std::string::npos);
  auto back = ReadText(text);
  EXPECT_EQ(back->GetLevelSize(), (CSize{126, 126}));
  EXPECT_EQ(back->m_nEmeraldTotal, 5);
  EXPECT_EQ(back->m_strMusic, "x y");
  EXPECT_EQ(back->m_remainders[0], "~~") << "the pattern's word ends at the space";
  // Every line the writer made ends with CR LF and holds no other line break.
  size_t lines = 0;
  for (size_t start = 0; start < text.size(); ++lines) {
    const size_t end = text.find("\r\n", start);
    ASSERT_NE(end, std::string::npos);
    const std::string line = text.substr(start, end - start);
    EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << line;
    start = end + 2;
  }
  EXPECT_GT(lines, 126u);
}

TEST(LevelWriter, OnlyTheCellsInsideTheLevelAreWritten) {
  auto doc = ReadText(CrLf({"m 5 2", "*  #1", "~~~~$"}));
  doc->m_nWidth = 3;
  doc->m_nHeight = 1;
  const std::string text = WriteText(*doc);
  EXPECT_NE(text.find("\r\nm 3 1\r\n*  \r\n\r\n"), std::string::npos);
  auto back = ReadText(text);
  EXPECT_EQ(back->CountTiles(), 1);
  EXPECT_EQ(back->m_nEmeraldTotal, 1);
}

TEST(LevelWriter, ASizeOutsideTheCellStoreIsWrittenClamped) {
  auto doc = ReadText(CrLf({"m 2 1", "*$"}));
  const struct {
    int width, height;
    const char* header;
  } cases[] = {{200, 1, "m 126 1"}, {0, 300, "m 1 126"}, {-5, -1, "m 1 1"}};
  for (const auto& c : cases) {
    doc->m_nWidth = c.width;
    doc->m_nHeight = c.height;
    const std::string text = WriteText(*doc);
    EXPECT_NE(text.find(std::string("\r\n") + c.header + "\r\n"), std::string::npos) << c.header;
    EXPECT_EQ(ReadText(text)->m_nEmeraldTotal, c.width > 1 ? 4 : 1) << c.header;
  }
}
