// How a folder of levels is read as a pack, on a folder made here.
#include "level/level_pack.h"
#include "support/temp_folder.h"

namespace {

namespace fs = std::filesystem;

using Indexes = std::vector<std::vector<int>>;

TEST(LevelPack, ChainsFollowNextLevelTheLongestStartsThePackAndProblemsAreFound) {
  const TempFolder temp;
  const fs::path& folder = temp.dir;
  const char* files[][3] = {
      {"a.lev", "A", " b "},          // 0: by name, ignoring case and blanks
      {"b.lev", "B", "C"},            // 1: by file name
      {"c.lev", "Gamma", "g"},        // 2
      {"d.lev", "D", "Nowhere"},      // 3: a broken link, and a stray: nothing leads to it
      {"e.lev", "Loop One", "Loop Two"},  // 4 and 5: a cycle no chain reaches
      {"f.lev", "Loop Two", "e"},
      {"g.lev", " a", ""},            // 6: the name of a.lev again; the chain ends
  };
  for (const auto& [file, name, next] : files)
    temp.write(file, std::string("n ") + name + "\r\nN " + next + "\r\nm 2 1\r\n1E\r\n");
  temp.write("h.lev", std::string("n H\0", 4));  // 7: cannot be read
  temp.write("notes.txt", "not a level");

  LevelPack pack = readLevelPack(folder.string());
  ASSERT_EQ(pack.levels.size(), 8u);
  EXPECT_EQ(pack.chains, (Indexes{{0, 1, 2, 6}, {3}}));
  EXPECT_EQ(pack.cycles, (Indexes{{4, 5}}));
  EXPECT_EQ(pack.unreachable, (std::vector<int>{3, 4, 5}));
  EXPECT_TRUE(pack.levels[3].stray);
  EXPECT_EQ(pack.duplicateNames, (Indexes{{0, 6}}));
  EXPECT_EQ(pack.order(), (std::vector<int>{0, 1, 2, 6, 3, 4, 5, 7}));
  EXPECT_TRUE(pack.levels[3].brokenLink);
  EXPECT_EQ(pack.levels[3].warnings, 1) << "the broken link is its only warning";
  EXPECT_EQ(pack.levels[0].warnings, 0);
  EXPECT_FALSE(pack.levels[7].readable());

  fs::remove(folder / "h.lev");
  temp.write("d.lev", "n D\r\nm 1 1\r\n1\r\n");
  EXPECT_FALSE(readLevelPack(folder.string()).clean()) << "the stray alone";
  fs::remove(folder / "d.lev");
  EXPECT_TRUE(readLevelPack(folder.string()).clean()) << "duplicate names and cycles are reported, not failures";
  EXPECT_FALSE(readLevelPack((folder / "missing").string()).error.empty());

  // A pack has one first level: the start of the longest chain, the file that sorts first on a
  // tie. Open levels stand for their files.
  fs::create_directories(folder / "two");
  for (const auto& [file, next] : {std::pair{"b.lev", ""}, {"c.lev", "d"}, {"d.lev", ""}, {"x.lev", "y"}, {"y.lev", ""}})
    temp.write(std::string("two/") + file, std::string("n ") + file + "\r\nN " + next + "\r\nm 1 1\r\n1\r\n");
  pack = readLevelPack((folder / "two").string());
  EXPECT_EQ(pack.chains, (Indexes{{1, 2}, {0}, {3, 4}}));
  EXPECT_EQ(pack.unreachable, (std::vector<int>{0, 3, 4}));
  EXPECT_TRUE(pack.levels[0].stray && pack.levels[3].stray && !pack.levels[1].stray && !pack.levels[4].stray);

  // The unsaved y.lev leads on to b.lev: the chain from x.lev is now the longest.
  Level y;
  y.setText(Property::Name, "Y");
  y.setText(Property::NextLevel, "b");
  pack = readLevelPack((folder / "two").string(), {{"y.lev", y}});
  EXPECT_EQ(pack.chains, (Indexes{{3, 4, 0}, {1, 2}}));
  EXPECT_EQ(pack.levels[4].level.text(Property::Name), "Y");
}

}  // namespace
