#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "artwork/bmp_bytes.h"
#include "artwork/dib_reader.h"

namespace {

std::unique_ptr<Dib> Read(const std::vector<uint8_t>& file) { return ReadDib(file); }

// A 4 x 2, 8-bit file with a four-colour table: top row 0 1 2 3, bottom row 3 2 1 0.
BmpSpec FourColours() {
  BmpSpec s;
  s.colorsUsed = 4;
  s.palette = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF};
  s.bits = {3, 2, 1, 0, 0, 1, 2, 3};  // bottom row first
  return s;
}

const std::vector<uint32_t> kFourColourPixels = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF,
                                                 0x0000FF, 0x00FF00, 0xFF0000, 0x000000};

TEST(DibReader, ColourTableFollowsTheHeaderWithTheColourCountItNeeds) {
  struct Case {
    const char* name;
    BmpSpec bmp;
    uint32_t colours;
    size_t blockSize;
    std::vector<uint32_t> pixels;
  };
  BmpSpec full;  // no colour count: the full table of the depth
  full.width = full.height = 32;
  full.palette.assign(256, 0x123456);
  full.bits.assign(32 * 32, 7);
  BmpSpec sixteen = FourColours();
  sixteen.colorsUsed = 16;
  sixteen.palette.resize(16, 0xABCDEF);
  BmpSpec direct;  // an optimisation palette of a 24-bit picture is skipped
  direct.bitCount = 24;
  direct.width = direct.height = 1;
  direct.colorsUsed = 2;
  direct.palette = {0x111111, 0x222222};
  direct.bits = {0x30, 0x20, 0x10, 0};
  BmpSpec zeroOffset = FourColours();  // pixel data right after the table
  zeroOffset.zeroOffset = true;
  const Case cases[] = {
      {"full table", full, 256, 40 + 1024 + 1024, std::vector<uint32_t>(32 * 32, 0x123456)},
      {"sixteen colours", sixteen, 16, 40 + 64 + 8, kFourColourPixels},
      {"24 bits", direct, 0, 40 + 4, {0x102030}},
      {"offset 0", zeroOffset, 4, 40 + 16 + 8, kFourColourPixels},
  };
  for (const Case& c : cases) {
    const auto dib = Read(MakeBmp(c.bmp));
    ASSERT_TRUE(dib) << c.name;
    EXPECT_EQ(DibColorCount(*dib), c.colours) << c.name;
    EXPECT_EQ(DibColorTableSize(*dib), 4 * c.colours) << c.name;
    EXPECT_EQ(DibBits(*dib), dib->Block().data() + 40 + 4 * c.colours) << c.name;
    EXPECT_EQ(dib->Block().size(), c.blockSize) << c.name;
    EXPECT_EQ(Pixels(*dib), c.pixels) << c.name;
  }
}

TEST(DibReader, TopDownRowsAndLongHeadersAreStoredInTheOneForm) {
  BmpSpec topDown = FourColours();
  topDown.height = -2;
  topDown.bits = {0, 1, 2, 3, 3, 2, 1, 0};
  for (BmpSpec s : {topDown, FourColours()}) {
    for (uint32_t headerSize : {40u, 52u, 56u, 108u, 124u}) {
      s.headerSize = headerSize;
      const auto dib = Read(MakeBmp(s));
      ASSERT_TRUE(dib) << headerSize;
      EXPECT_EQ(ReadU32(dib->Block().data()), 40u);
      EXPECT_EQ(DibHeight(*dib), 2);
      EXPECT_EQ(Pixels(*dib), kFourColourPixels) << headerSize;
    }
  }
}

TEST(DibReader, DirectColourBecomesTwentyFourBits) {
  BmpSpec plain16;  // 5-5-5: full red, full green, full blue, one step of each
  plain16.bitCount = 16;
  plain16.width = 4;
  plain16.height = 1;
  plain16.bits = {0x00, 0x7C, 0xE0, 0x03, 0x1F, 0x00, 0x21, 0x04};
  BmpSpec masked16 = plain16;  // 5-6-5
  masked16.compression = 3;
  masked16.masks = {0xF800, 0x07E0, 0x001F};
  masked16.bits = {0x00, 0xF8, 0xE0, 0x07, 0x1F, 0x00, 0x21, 0x08};
  BmpSpec plain32 = plain16;
  plain32.bitCount = 32;
  plain32.bits = {0, 0, 248, 0, 0, 248, 0, 0, 248, 0, 0, 0, 8, 8, 8, 0};
  // Narrow channels are shifted up: 5 bits reach 248, the 6-bit green of 5-6-5 reaches 252.
  const std::vector<uint32_t> fiveBits = {0xF80000, 0x00F800, 0x0000F8, 0x080808};
  const std::vector<uint32_t> sixBitGreen = {0xF80000, 0x00FC00, 0x0000F8, 0x080408};
  for (const auto& [s, expected] : {std::pair{plain16, fiveBits}, {masked16, sixBitGreen}, {plain32, fiveBits}}) {
    const auto dib = Read(MakeBmp(s));
    ASSERT_TRUE(dib);
    EXPECT_EQ(DibBitCount(*dib), 24);
    EXPECT_EQ(Pixels(*dib), expected);
  }
  BmpSpec v5 = masked16;
  v5.headerSize = 124;  // masks inside the header
  ASSERT_TRUE(Read(MakeBmp(v5)));
  EXPECT_EQ(Pixels(*Read(MakeBmp(v5))), Pixels(*Read(MakeBmp(masked16))));
}

TEST(DibReader, RefusesFieldsThatDoNotFitTheFile) {
  using Change = std::function<void(BmpSpec&)>;
  const auto masks = [](std::vector<uint32_t> m) -> Change {  // a 2 x 1, 16-bit picture with these masks
    return [m](BmpSpec& s) {
      s = BmpSpec();
      s.width = 2, s.height = 1, s.bitCount = 16, s.compression = 3;
      s.masks = m;
      s.bits = {1, 2, 3, 4};
    };
  };
  const Change changes[] = {
      [](BmpSpec& s) { s.headerSize = 12; },  // the core header
      [](BmpSpec& s) { s.width = 3000000; },
      [](BmpSpec& s) { s.height = 2000000; },
      [](BmpSpec& s) { s.width = -4; },
      [](BmpSpec& s) { s.height = 0; },
      [](BmpSpec& s) { s.bitCount = 2; },
      [](BmpSpec& s) { s.colorsUsed = 257; },
      [](BmpSpec& s) { s.colorsUsed = 0x12345678; },
      [](BmpSpec& s) { s.imageSize = 0x7F000000; },
      [](BmpSpec& s) { s.compression = 2; },  // RLE4 on an 8-bit picture
      [](BmpSpec& s) { s.compression = 4; },
      masks({0xF800, 0x07E0, 0}),         // a channel without bits
      masks({0xF800, 0x0FE0, 0x001F}),    // overlapping
      masks({0xF800, 0x05E0, 0x001F}),    // broken run of bits
      masks({0x1F800, 0x07E0, 0x001F}),   // wider than the pixel
  };
  for (size_t i = 0; i < std::size(changes); ++i) {
    BmpSpec s = FourColours();
    changes[i](s);
    EXPECT_FALSE(Read(MakeBmp(s))) << "change " << i;
  }
  ASSERT_TRUE(Read(MakeBmp(FourColours())));
  BmpSpec sound;
  masks({0xF800, 0x07E0, 0x001F})(sound);
  ASSERT_TRUE(Read(MakeBmp(sound)));
  std::vector<uint8_t> file = MakeBmp(FourColours());
  file[0] = 'M';
  file[1] = 'B';
  EXPECT_FALSE(Read(file));
}

TEST(DibReader, ReadsHarmlessOddFields) {
  std::vector<uint32_t> blackSecond = kFourColourPixels;
  blackSecond[1] = 0;
  const std::pair<std::function<void(BmpSpec&)>, std::vector<uint32_t>> cases[] = {
      {[](BmpSpec& s) { s.bits[5] = 4; }, blackSecond},  // no colour 4 in the table: black
      {[](BmpSpec& s) { s.planes = 2; }, kFourColourPixels},
      {[](BmpSpec& s) { s.fileSize = 1u << 30; }, kFourColourPixels},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    BmpSpec s = FourColours();
    cases[i].first(s);
    const auto dib = Read(MakeBmp(s));
    ASSERT_TRUE(dib) << "case " << i;
    EXPECT_EQ(Pixels(*dib), cases[i].second) << "case " << i;
  }
}

TEST(DibReader, EveryCutShortCopyOfAFileIsRefused) {
  BmpSpec s = FourColours();
  s.height = -2;
  for (const std::vector<uint8_t>& full : {MakeBmp(FourColours()), MakeBmp(s)}) {
    for (size_t length = 0; length < full.size(); ++length) {
      const std::vector<uint8_t> cut(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(length));
      EXPECT_FALSE(ReadDib(cut)) << length;
    }
  }
}

TEST(DibReader, ReadsFromStreamsAndFiles) {
  const std::vector<uint8_t> bytes = MakeBmp(FourColours());
  std::istringstream in(std::string(bytes.begin(), bytes.end()), std::ios::binary);
  const auto dib = ReadDibFile(in);
  ASSERT_TRUE(dib);
  EXPECT_EQ(Pixels(*dib), kFourColourPixels);
  EXPECT_FALSE(LoadDibFile("/nonexistent/picture.bmp"));
  EXPECT_FALSE(LoadDibFile(CAVERNIA_BMPSUITE_DIR));  // a folder is no picture
}

}  // namespace
