#include <gtest/gtest.h>

#include "artwork/bmp_bytes.h"
#include "artwork/dib_reader.h"

namespace {

// An 8 x 3 RLE picture with colours 0..5; bits holds the encoded data.
BmpSpec rle(uint16_t bitCount, std::vector<uint8_t> bits) {
  return {.width = 8, .height = 3, .bitCount = bitCount, .compression = bitCount == 8 ? 1u : 2u, .colorsUsed = 6,
          .palette = {0x000000, 0x111111, 0x222222, 0x333333, 0x444444, 0x555555}, .masks = {},
          .bits = std::move(bits)};
}

// Colour indices of the decoded picture, bottom row first like the encoded data.
std::vector<int> indices(const Dib& dib) {
  std::vector<int> out;
  for (int32_t y = dibHeight(dib) - 1; y >= 0; --y)
    for (int32_t x = 0; x < dibWidth(dib); ++x) out.push_back(static_cast<int>(dibPixel(dib, x, y) / 0x111111));
  return out;
}

TEST(DibRle, DecodesRunsLiteralsDeltasAndLineEndsClippedToTheirRowAndRefusesCorruptRuns) {
  const struct {
    uint16_t bitCount;
    std::vector<uint8_t> bits;
    std::vector<int> indices;  // bottom row first
  } cases[] = {
      // Row 0: run of 3 x 1, literal 2 3 4 (padded), run of 2 x 5. Row 1: delta 2 right 1 up,
      // which lands on row 2 at column 2, run of 2 x 3, end of line. End of picture.
      {8, {3, 1, 0, 3, 2, 3, 4, 0, 2, 5, 0, 0, 0, 2, 2, 1, 2, 3, 0, 1},
       {1, 1, 1, 2, 3, 4, 5, 5, /**/ 0, 0, 0, 0, 0, 0, 0, 0, /**/ 0, 0, 3, 3, 0, 0, 0, 0}},
      // RLE4 runs alternate the two colours of their byte; literals are packed two to a byte.
      {4, {5, 0x12, 0, 3, 0x34, 0x50, 0, 0, 8, 0x00, 0, 0, 2, 0x55, 0, 1},
       {1, 2, 1, 2, 1, 3, 4, 5, /**/ 0, 0, 0, 0, 0, 0, 0, 0, /**/ 5, 5, 0, 0, 0, 0, 0, 0}},
      // A run and a literal past the row's end lose their surplus; colour 6 is beyond the table.
      {8, {9, 1, 0, 0, 0, 10, 2, 3, 4, 5, 2, 3, 4, 5, 2, 3, 0, 0, 2, 6, 0, 1},
       {1, 1, 1, 1, 1, 1, 1, 1, /**/ 2, 3, 4, 5, 2, 3, 4, 5, /**/ 0, 0, 0, 0, 0, 0, 0, 0}},
  };
  for (const auto& c : cases) {
    const auto dib = readDib(makeBmp(rle(c.bitCount, c.bits)));
    ASSERT_TRUE(dib) << testing::PrintToString(c.bits);
    EXPECT_EQ(indices(*dib), c.indices) << testing::PrintToString(c.bits);
  }
  const std::vector<std::vector<uint8_t>> corrupt = {
      {0, 4, 1, 2},                      // a literal cut short by the end of the data
      {0, 2, 9, 0, 0, 1},                // a delta beyond the right edge
      {0, 2, 0, 3, 0, 1},                // a delta beyond the top row
      {0, 0, 0, 0, 0, 0, 3, 1, 0, 1},    // a run above the last row
      {3, 1, 0, 0},                      // data that stops before the picture is complete
      {0, 2, 1},                         // a delta without its offsets
  };
  for (const std::vector<uint8_t>& bits : corrupt)
    EXPECT_FALSE(readDib(makeBmp(rle(8, bits)))) << testing::PrintToString(bits);
  // Nor can a picture be larger than any picture kept, however few runs it has.
  BmpSpec huge = rle(8, {0, 1});
  huge.width = 30000;
  huge.height = 30000;
  EXPECT_FALSE(readDib(makeBmp(huge)));
}

}  // namespace
