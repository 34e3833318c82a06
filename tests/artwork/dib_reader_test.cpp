#include <gtest/gtest.h>

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

TEST(DibReader, EightBitsWithoutColourCountGetsTheFullTable) {
  BmpSpec s;
  s.width = s.height = 32;
  s.palette.assign(256, 0x123456);
  s.bits.assign(32 * 32, 7);
  const auto dib = Read(MakeBmp(s));
  ASSERT_TRUE(dib);
  EXPECT_EQ(dib->Block().size(), 40u + 1024 + 1024);
  EXPECT_EQ(DibColorCount(*dib), 256u);
  EXPECT_EQ(DibPixel(*dib, 5, 5), 0x123456u);
}

TEST(DibReader, ColourCountAndTableFollowTheHeader) {
  BmpSpec s = FourColours();
  s.colorsUsed = 16;
  s.palette.resize(16, 0xABCDEF);
  const auto dib = Read(MakeBmp(s));
  ASSERT_TRUE(dib);
  EXPECT_EQ(DibColorCount(*dib), 16u);
  EXPECT_EQ(DibColorTableSize(*dib), 64u);
  EXPECT_EQ(DibBits(*dib), dib->Block().data() + 40 + 64);
}

TEST(DibReader, TwentyFourBitsHaveNoColourTable) {
  BmpSpec s;
  s.bitCount = 24;
  s.width = 1;
  s.height = 1;
  s.colorsUsed = 2;  // an optimisation palette is skipped
  s.palette = {0x111111, 0x222222};
  s.bits = {0x30, 0x20, 0x10, 0};
  const auto dib = Read(MakeBmp(s));
  ASSERT_TRUE(dib);
  EXPECT_EQ(DibColorTableSize(*dib), 0u);
  EXPECT_EQ(DibPixel(*dib, 0, 0), 0x102030u);
}

TEST(DibReader, RefusesOtherSignaturesAndTheCoreHeader) {
  std::vector<uint8_t> file = MakeBmp(FourColours());
  file[0] = 'M';
  file[1] = 'B';
  EXPECT_FALSE(Read(file));
  BmpSpec core = FourColours();
  core.headerSize = 12;
  EXPECT_FALSE(Read(MakeBmp(core)));
}

TEST(DibReader, PixelDataFollowsTheTableWhenTheOffsetIsZero) {
  BmpSpec s = FourColours();
  s.zeroOffset = true;
  const auto dib = Read(MakeBmp(s));
  ASSERT_TRUE(dib);
  EXPECT_EQ(Pixels(*dib), kFourColourPixels);
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

TEST(DibReader, RefusesUnsoundMasks) {
  BmpSpec s;
  s.bitCount = 16;
  s.width = 2;
  s.height = 1;
  s.compression = 3;
  s.bits = {1, 2, 3, 4};
  for (const std::vector<uint32_t>& masks : std::vector<std::vector<uint32_t>>{
           {0xF800, 0x07E0, 0},          // a channel without bits
           {0xF800, 0x0FE0, 0x001F},     // overlapping
           {0xF800, 0x05E0, 0x001F},     // broken run of bits
           {0x1F800, 0x07E0, 0x001F}}) {  // wider than the pixel
    s.masks = masks;
    EXPECT_FALSE(Read(MakeBmp(s))) << std::hex << masks[0] << ' ' << masks[1] << ' ' << masks[2];
  }
}

TEST(DibReader, RefusesFieldsThatDoNotFitTheFile) {
  const auto refused = [](auto change) {
    BmpSpec s = FourColours();
    change(s);
    return Read(MakeBmp(s)) == nullptr;
  };
  EXPECT_TRUE(refused([](BmpSpec& s) { s.width = 3000000; }));
  EXPECT_TRUE(refused([](BmpSpec& s) { s.height = 2000000; }));
  EXPECT_TRUE(refused([](BmpSpec& s) { s.width = -4; }));
  EXPECT_TRUE(refused([](BmpSpec& s) { s.height = 0; }));
  EXPECT_TRUE(refused([](BmpSpec& s) { s.planes = 2; }));
  EXPECT_TRUE(refused([](BmpSpec& s) { s.bitCount = 2; }));
  EXPECT_TRUE(refused([](BmpSpec& s) { s.colorsUsed = 257; }));
  EXPECT_TRUE(refused([](BmpSpec& s) { s.colorsUsed = 0x12345678; }));
  EXPECT_TRUE(refused([](BmpSpec& s) { s.imageSize = 0x7F000000; }));
  EXPECT_TRUE(refused([](BmpSpec& s) { s.compression = 2; }));  // RLE4 on an 8-bit picture
  EXPECT_TRUE(refused([](BmpSpec& s) { s.compression = 4; }));
  EXPECT_TRUE(refused([](BmpSpec& s) { s.bits[5] = 4; }));       // no colour 4 in the table
  EXPECT_FALSE(refused([](BmpSpec&) {}));
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
