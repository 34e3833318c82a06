#include <gtest/gtest.h>

#include <functional>

#include "artwork/bmp_bytes.h"
#include "artwork/dib_reader.h"

namespace {

// A 4 x 2, 8-bit file with a four-colour table: top row 0 1 2 3, bottom row 3 2 1 0.
BmpSpec fourColours() {
  // The file's rows run bottom-up.
  return {.colorsUsed = 4, .palette = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF}, .masks = {},
          .bits = {3, 2, 1, 0, 0, 1, 2, 3}};
}

const std::vector<uint32_t> kFourColourPixels = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF,
                                                 0x0000FF, 0x00FF00, 0xFF0000, 0x000000};

// Colour tables of every size, the other headers, top-down rows and direct colour are read
// from the sample files; these are the headers and the pixel offset they lack.
TEST(DibReader, ReadsTheOtherHeadersAndRefusesFieldsThatDoNotFitTheFileAndCutShortFiles) {
  for (uint32_t headerSize : {40u, 52u, 56u}) {
    BmpSpec s = fourColours();
    s.headerSize = headerSize;
    s.zeroOffset = headerSize == 40;  // the data follows the table
    const auto dib = readDib(makeBmp(s));
    ASSERT_TRUE(dib) << headerSize;
    EXPECT_EQ(dibPixels(*dib), kFourColourPixels) << headerSize;
  }
  BmpSpec v5;  // 5-6-5
  v5.headerSize = 124, v5.bitCount = 16, v5.compression = 3, v5.width = 2, v5.height = 1;
  v5.masks = {0xF800, 0x07E0, 0x001F};
  v5.bits = {0x00, 0xF8, 0xE0, 0x07};
  const auto dib = readDib(makeBmp(v5));
  ASSERT_TRUE(dib);
  EXPECT_EQ(dibPixels(*dib), (std::vector<uint32_t>{0xF80000, 0x00FC00}));

  using Change = std::function<void(BmpSpec&)>;
  const auto masks = [](uint32_t r, uint32_t g, uint32_t b) -> Change {  // 2 x 2 pixels of 16 bits
    return [=](BmpSpec& s) { s.width = 2, s.bitCount = 16, s.compression = 3, s.masks = {r, g, b}; };
  };
  const Change changes[] = {
      [](BmpSpec& s) { s.width = 3000000; },
      [](BmpSpec& s) { s.width = -4; },
      [](BmpSpec& s) { s.height = 0; },
      [](BmpSpec& s) { s.colorsUsed = 257, s.palette.resize(257); },
      [](BmpSpec& s) { s.imageSize = 0x7F000000; },
      [](BmpSpec& s) { s.compression = 2; },  // RLE4 on an 8-bit picture
      [](BmpSpec& s) { s.compression = 4; },
      masks(0xF800, 0x07E0, 0),         // a channel without bits
      masks(0xF800, 0x0FE0, 0x001F),    // overlapping
      masks(0xF800, 0x05E0, 0x001F),    // broken run of bits
      masks(0x1F800, 0x07E0, 0x001F),   // wider than the pixel
  };
  for (size_t i = 0; i < std::size(changes); ++i) {
    BmpSpec s = fourColours();
    changes[i](s);
    EXPECT_FALSE(readDib(makeBmp(s))) << "change " << i;
  }
  BmpSpec sound = fourColours();
  masks(0xF800, 0x07E0, 0x001F)(sound);
  ASSERT_TRUE(readDib(makeBmp(fourColours())) && readDib(makeBmp(sound)));
  std::vector<uint8_t> file = makeBmp(fourColours());
  file[0] = 'M', file[1] = 'B';
  EXPECT_FALSE(readDib(file));
  // Nor is any cut-short copy of a file, bottom-up or top-down.
  BmpSpec topDown = fourColours();
  topDown.height = -2;
  for (const std::vector<uint8_t>& full : {makeBmp(fourColours()), makeBmp(topDown)})
    for (size_t length = 0; length < full.size(); ++length) {
      const std::vector<uint8_t> cut(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(length));
      EXPECT_FALSE(readDib(cut)) << length;
    }
}

}  // namespace
