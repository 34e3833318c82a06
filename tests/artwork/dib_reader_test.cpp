#include <gtest/gtest.h>

#include <functional>

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

// Colour tables of every size, the full one for a colour count of 0 and the optimisation
// palette of a direct-colour picture are read from the sample files.
TEST(DibReader, AZeroPixelOffsetMeansTheDataFollowsTheTable) {
  BmpSpec s = FourColours();
  s.zeroOffset = true;
  const auto dib = Read(MakeBmp(s));
  ASSERT_TRUE(dib);
  EXPECT_EQ(DibColorCount(*dib), 4u);
  EXPECT_EQ(Pixels(*dib), kFourColourPixels);
}

// The other headers, top-down rows and direct colour are read from the sample files.
TEST(DibReader, ReadsTheVersionTwoAndThreeHeadersAndMasksInsideALongHeader) {
  for (uint32_t headerSize : {52u, 56u}) {
    BmpSpec s = FourColours();
    s.headerSize = headerSize;
    const auto dib = Read(MakeBmp(s));
    ASSERT_TRUE(dib) << headerSize;
    EXPECT_EQ(Pixels(*dib), kFourColourPixels) << headerSize;
  }
  BmpSpec v5;  // 5-6-5
  v5.headerSize = 124, v5.bitCount = 16, v5.compression = 3, v5.width = 2, v5.height = 1;
  v5.masks = {0xF800, 0x07E0, 0x001F};
  v5.bits = {0x00, 0xF8, 0xE0, 0x07};
  const auto dib = Read(MakeBmp(v5));
  ASSERT_TRUE(dib);
  EXPECT_EQ(Pixels(*dib), (std::vector<uint32_t>{0xF80000, 0x00FC00}));
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
      [](BmpSpec& s) { s.width = 3000000; },
      [](BmpSpec& s) { s.height = 2000000; },
      [](BmpSpec& s) { s.width = -4; },
      [](BmpSpec& s) { s.height = 0; },
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

TEST(DibReader, RefusesWhatIsNoFile) {
  EXPECT_FALSE(LoadDibFile("/nonexistent/picture.bmp"));
  EXPECT_FALSE(LoadDibFile(CAVERNIA_BMPSUITE_DIR));  // a folder is no picture
}

}  // namespace
