#include "level/level_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "support/level_text.h"
#include "support/temp_folder.h"

namespace fs = std::filesystem;

namespace {

struct LevelFileTest : ::testing::Test, TempFolder {
  size_t entriesInDir() const { return std::distance(fs::directory_iterator(dir), fs::directory_iterator()); }
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
      {write("broken.lev", crLf({"n Half", "m 3 3", "***", "***"})), "broken.lev: line 4"},
      {write("picture.lev", std::string("BM\x36\0\0\0\r\nn Name\r\n", 14)), "zero byte"},
      {write("huge.lev", std::string(kMaxLevelFileBytes + 1, '\n')), "larger than 16 MiB"},
      {"/dev/zero", "this is a device"},  // would never end
      {fifo, "this is a pipe"},          // would block until a writer comes
  };
  for (const auto& c : cases) {
    Level level = readText(crLf({"n Kept", "m 2 1", "*$"}));
    const Level before = level;
    const FileResult result = readLevelFile(c.path, level);
    EXPECT_FALSE(result.ok) << c.path;
    EXPECT_EQ(result.message().rfind(c.path + ": ", 0), 0u) << result.message();
    EXPECT_NE(result.message().find(c.why), std::string::npos) << result.message();
    EXPECT_EQ(level, before) << c.path;
  }
}

// What the editor remembers of a file tells it whether another program changed it since: a
// touch or the same bytes written back is no change; new bytes, also under the same size and
// time, or a file renamed over it, are; a file gone is missing.
TEST_F(LevelFileTest, TheIdentityTellsAChangedFileFromAnUnchangedOneAndSaveReplacesTheFileItNames) {
  const std::string path = write("cave.lev", crLf({"n Cave", "m 2 1", "*$"}));
  Level level;
  FileIdentity known;
  ASSERT_TRUE(readLevelFile(path, level, &known).ok);
  EXPECT_EQ(checkFile(path, known), FileState::Unchanged);
  const fs::file_time_type time = fs::last_write_time(path);

  fs::last_write_time(path, time + std::chrono::seconds(5));
  FileIdentity now;
  EXPECT_EQ(checkFile(path, known, &now), FileState::Unchanged) << "touched";
  EXPECT_NE(now.modifiedNs, known.modifiedNs);

  write("cave.lev", crLf({"n Cove", "m 2 1", "*$"}));  // same size
  fs::last_write_time(path, time);
  EXPECT_EQ(checkFile(path, known), FileState::Changed) << "rewritten in place";

  write("other.lev", crLf({"n Cave", "m 2 1", "*$"}));
  fs::rename(dir / "other.lev", path);
  EXPECT_EQ(checkFile(path, known), FileState::Unchanged) << "the same bytes renamed over it";
  write("other.lev", crLf({"n Cave", "m 2 1", "$*"}));
  fs::rename(dir / "other.lev", path);
  EXPECT_EQ(checkFile(path, known), FileState::Changed) << "other bytes renamed over it";

  fs::remove(path);
  EXPECT_EQ(checkFile(path, known), FileState::Missing);

  // A save replaces the file whole, keeping its permissions; through a symbolic link it writes
  // the file the link names and the link stays; a file with two names shows the new level under
  // both. The identity written is that of the file saved; a failed save leaves nothing behind.
  level = Level();
  level.setText(Property::Name, "Linked");
  level.setElement(1, 1, EL_RUBY);
  const std::string target = write("real.lev", "old");
  const fs::perms perms = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
  fs::permissions(target, perms);
  fs::create_directories(dir / "links");
  fs::create_symlink("../real.lev", dir / "links" / "shown.lev");
  FileIdentity written;
  ASSERT_TRUE(saveLevelFile(level, (dir / "links" / "shown.lev").string(), &written).ok);
  EXPECT_TRUE(fs::is_symlink(dir / "links" / "shown.lev"));
  EXPECT_EQ(fileBytes(target), levelText(level));
  EXPECT_EQ(fs::status(target).permissions() & fs::perms::all, perms);
  EXPECT_EQ(checkFile(target, written), FileState::Unchanged);
  EXPECT_EQ(entriesInDir(), 2u) << "no temporary file is left behind";

  fs::create_hard_link(target, dir / "twin.lev");
  level.setText(Property::Name, "Twins");
  ASSERT_TRUE(saveLevelFile(level, target).ok);
  EXPECT_EQ(fileBytes((dir / "twin.lev").string()), levelText(level));

  // The target is a folder: the rename fails after everything was written.
  fs::create_directories(dir / "taken.lev" / "inside");
  FileResult result = saveLevelFile(level, (dir / "taken.lev").string());
  EXPECT_FALSE(result.ok);
  EXPECT_NE(result.message().find("taken.lev"), std::string::npos);
  EXPECT_TRUE(fs::is_directory(dir / "taken.lev" / "inside"));
  EXPECT_EQ(entriesInDir(), 4u);
  // A folder that does not exist.
  result = saveLevelFile(level, (dir / "nowhere" / "x.lev").string());
  EXPECT_FALSE(result.ok);
  EXPECT_NE(result.message().find("nowhere/x.lev"), std::string::npos);

  EXPECT_FALSE(isReadOnlyFile(target));
  fs::permissions(target, fs::perms::owner_read);
  EXPECT_TRUE(isReadOnlyFile(target));
  EXPECT_FALSE(isReadOnlyFile((dir / "new.lev").string())) << "a file not there yet";
}
