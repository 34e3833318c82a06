#include "level/level_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "support/level_text.h"
#include "support/temp_folder.h"

namespace fs = std::filesystem;

namespace {

struct LevelFileTest : ::testing::Test, TempFolder {
  size_t EntriesInDir() const { return std::distance(fs::directory_iterator(dir), fs::directory_iterator()); }
};

}  // namespace

// A failed read names the file, says why and leaves the level as it was.
TEST_F(LevelFileTest, RefusesFilesThatCannotBeLevels) {
  const std::string fifo = (dir / "pipe.lev").string();
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const struct {
    std::string path;
    const char* why;
  } cases[] = {
      {(dir / "missing.lev").string(), "cannot open"},
      {dir.string(), "folder"},
      {Write("broken.lev", CrLf({"n Half", "m 3 3", "***", "***"})), "broken.lev: line 4"},
      {Write("picture.lev", std::string("BM\x36\0\0\0\r\nn Name\r\n", 14)), "zero byte"},
      {Write("huge.lev", std::string(kMaxLevelFileBytes + 1, '\n')), "larger than 16 MiB"},
      {"/dev/zero", "this is a device"},  // would never end
      {fifo, "this is a pipe"},          // would block until a writer comes
  };
  for (const auto& c : cases) {
    Level level = ReadText(CrLf({"n Kept", "m 2 1", "*$"}));
    const Level before = level;
    const FileResult result = ReadLevelFile(c.path, level);
    EXPECT_FALSE(result.ok) << c.path;
    EXPECT_EQ(result.message().rfind(c.path + ": ", 0), 0u) << result.message();
    EXPECT_NE(result.message().find(c.why), std::string::npos) << result.message();
    EXPECT_EQ(level, before) << c.path;
  }
}

TEST_F(LevelFileTest, SaveReplacesTheFileWholeKeepingItsPermissions) {
  const std::string path = Write("cave.lev", "old contents");
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  Level level;
  level.setText(Property::Name, "Saved");
  level.setElement(1, 1, EL_RUBY);
  const FileResult result = SaveLevelFile(level, path);
  ASSERT_TRUE(result.ok) << result.message();
  EXPECT_EQ(FileBytes(path), levelText(level));
  EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(EntriesInDir(), 1u) << "no temporary file is left behind";
}

TEST_F(LevelFileTest, FailedSaveLeavesNothingBehind) {
  const Level level;
  // The target is a folder: the rename fails after everything was written.
  fs::create_directories(dir / "taken.lev" / "inside");
  FileResult result = SaveLevelFile(level, (dir / "taken.lev").string());
  EXPECT_FALSE(result.ok);
  EXPECT_NE(result.message().find("taken.lev"), std::string::npos);
  EXPECT_TRUE(fs::is_directory(dir / "taken.lev" / "inside"));
  EXPECT_EQ(EntriesInDir(), 1u);
  // A folder that does not exist.
  result = SaveLevelFile(level, (dir / "nowhere" / "x.lev").string());
  EXPECT_FALSE(result.ok);
  EXPECT_NE(result.message().find("nowhere/x.lev"), std::string::npos);
}
