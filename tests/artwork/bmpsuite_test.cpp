#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "artwork/dib_reader.h"

namespace {

std::vector<std::string> Files(const std::string& kind) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(std::string(CAVERNIA_BMPSUITE_DIR) + "/" + kind))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

std::string PathOf(const std::string& kind, const std::string& name) {
  return std::string(CAVERNIA_BMPSUITE_DIR) + "/" + kind + "/" + name;
}

TEST(BmpSuite, RefusesTheBrokenFilesButReadsHarmlessOddities) {
  // Odd resolution, file-size or planes fields, or a pixel index beyond the colour table.
  const std::set<std::string> harmless = {"baddens1.bmp", "baddens2.bmp", "badfilesize.bmp", "badplanes.bmp",
                                          "pal8badindex.bmp"};
  const std::vector<std::string> names = Files("bad");
  ASSERT_GE(names.size(), 20u);
  for (const std::string& name : names) {
    const auto dib = LoadDibFile(PathOf("bad", name));
    EXPECT_EQ(dib != nullptr, harmless.contains(name)) << name;
    if (dib) {
      EXPECT_EQ(DibWidth(*dib), 127) << name;
    }
  }
}

TEST(BmpSuite, ReadsEveryGoodFileExceptTheCoreHeader) {
  const std::vector<std::string> names = Files("good");
  ASSERT_GE(names.size(), 27u);
  for (const std::string& name : names) {
    const auto dib = LoadDibFile(PathOf("good", name));
    EXPECT_EQ(dib != nullptr, name != "pal8os2.bmp") << name;
    if (!dib) continue;
    EXPECT_EQ(ReadU32(dib->Block().data()), 40u) << name;
    EXPECT_GT(DibHeight(*dib), 0) << name;
  }
}

}  // namespace
