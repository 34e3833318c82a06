#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "artwork/dib_reader.h"
#include "artwork/dib_writer.h"

namespace {

// A picture whose every pixel byte (padding too) and colour differs from its neighbours.
std::unique_ptr<Dib> Pattern(int32_t width, int32_t height, int bits) {
  const uint32_t colours = bits == 24 ? 0 : 1u << bits;
  auto dib = Dib::Create(width, height, bits, colours);
  for (uint32_t i = 0; i < colours; ++i) SetDibColor(*dib, i, i * 0x010305u);
  const uint64_t used = (static_cast<uint64_t>(width) * bits + 7) / 8;
  for (int32_t y = 0; y < height; ++y) {
    uint8_t* row = DibRow(*dib, y);
    for (uint64_t i = 0; i < used; ++i) row[i] = static_cast<uint8_t>(y * 31 + i * 7 + 1);
  }
  return dib;
}

std::vector<uint8_t> Bytes(const std::string& file) { return {file.begin(), file.end()}; }

TEST(DibWriter, WritesAndReadsBackEveryDepthAndRowPadding) {
  for (int bits : {1, 4, 8, 24}) {
    // Four widths in a row give all four amounts of row padding at every depth.
    const int32_t first = bits == 1 ? 25 : bits == 4 ? 5 : 9;
    const int32_t step = bits == 1 ? 8 : bits == 4 ? 2 : 1;
    std::set<size_t> paddings;
    for (int k = 0; k < 4; ++k) {
      const int32_t width = first + k * step;
      const auto dib = Pattern(width, 3, bits);
      paddings.insert(DibRowSize(*dib) - (static_cast<size_t>(width) * bits + 7) / 8);
      const auto back = ReadDib(Bytes(DibFileBytes(*dib)));
      ASSERT_TRUE(back) << bits << ' ' << width;
      EXPECT_TRUE(std::ranges::equal(back->Block(), dib->Block())) << bits << ' ' << width;
    }
    EXPECT_EQ(paddings, (std::set<size_t>{0, 1, 2, 3})) << bits;
  }
}

TEST(DibWriter, FileHeaderGivesSizeAndPixelOffset) {
  const auto dib = Pattern(80, 64, 8);
  const std::string file = DibFileBytes(*dib);
  ASSERT_EQ(file.size(), 14u + 40 + 1024 + 5120);
  const auto* p = reinterpret_cast<const uint8_t*>(file.data());
  EXPECT_EQ(file.substr(0, 2), "BM");
  EXPECT_EQ(ReadU32(p + 2), file.size());
  EXPECT_EQ(ReadU32(p + 10), 1078u);
  EXPECT_EQ(ReadU32(p + 14 + 20), 5120u);  // image size
}

TEST(DibWriter, SaveReportsWhatHappened) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "cavernia_dib_writer_test";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  const std::string path = (folder / "page.bmp").string();
  const auto dib = Pattern(7, 5, 4);

  EXPECT_EQ(SaveDibFile(nullptr, path), DIB_SAVE_NO_PICTURE);
  EXPECT_FALSE(std::filesystem::exists(path));
  EXPECT_EQ(SaveDibFile(dib.get(), (folder / "missing" / "page.bmp").string()), DIB_SAVE_WRITE_FAILED);

  {
    std::ofstream(path) << "an older page";
  }
  ASSERT_EQ(SaveDibFile(dib.get(), path), DIB_SAVE_OK);
  const auto back = LoadDibFile(path);
  ASSERT_TRUE(back);
  EXPECT_TRUE(std::ranges::equal(back->Block(), dib->Block()));
  std::filesystem::remove_all(folder);
}

}  // namespace
