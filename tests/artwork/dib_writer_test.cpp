#include <gtest/gtest.h>

#include "artwork/dib_reader.h"
#include "artwork/dib_writer.h"

namespace {

// A picture whose every pixel byte (padding too) and colour differs from its neighbours.
std::unique_ptr<Dib> pattern(int32_t width, int32_t height, int bits) {
  const uint32_t colours = bits == 24 ? 0 : 1u << bits;
  auto dib = Dib::create(width, height, bits, colours);
  for (uint32_t i = 0; i < colours; ++i) setDibColor(*dib, i, i * 0x010305u);
  for (int32_t y = 0; y < height; ++y)
    for (size_t i = 0; i < dibRowSize(*dib); ++i) dibRow(*dib, y)[i] = static_cast<uint8_t>(y * 31 + i * 7 + 1);
  return dib;
}

// Four widths in a row give all four amounts of row padding at every depth. (A saved file is
// read back by the artwork set tests.)
TEST(DibWriter, WritesAndReadsBackEveryDepthAndRowPaddingAndSaveReportsWhatWentWrong) {
  for (int bits : {1, 4, 8, 24}) {
    for (int k = 0; k < 4; ++k) {
      const int32_t width = (bits == 1 ? 25 : bits == 4 ? 5 : 9) + k * (bits == 1 ? 8 : bits == 4 ? 2 : 1);
      const auto dib = pattern(width, 3, bits);
      const std::string file = dibFileBytes(*dib);
      EXPECT_EQ(readU32(reinterpret_cast<const uint8_t*>(file.data()) + 2), file.size());
      const auto back = readDib(std::vector<uint8_t>(file.begin(), file.end()));
      ASSERT_TRUE(back) << bits << ' ' << width;
      EXPECT_TRUE(std::ranges::equal(back->block(), dib->block())) << bits << ' ' << width;
    }
  }
  EXPECT_EQ(saveDibFile(nullptr, "/tmp/page.bmp"), kDibSaveNoPicture);
  EXPECT_EQ(saveDibFile(pattern(7, 5, 4).get(), "/nonexistent/folder/page.bmp"), kDibSaveWriteFailed);
}

}  // namespace
