#include <gtest/gtest.h>

#include "cli/cli_run.h"
#include "support/temp_folder.h"

// The commands the tool has also when built without Qt.

namespace fs = std::filesystem;

namespace {

struct ModelCommands : ::testing::Test, TempFolder {};

}  // namespace

TEST_F(ModelCommands, CheckReportsEveryFileAndWithStrictEveryWarning) {
  const std::string broken = write("broken.lev", "m 4 3\r\n####\r\n");
  const std::string missing = (dir / "missing.lev").string();
  // Its next level, named in Windows-1252, is not in the folder: a warning only.
  const std::string odd = write("odd.lev", "n Odd\r\nN Caf\xE9\r\nm 2 1\r\n1E\r\n");
  CliRun r = cli({"check", odd, broken, missing});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.out.find(odd + ": ok\n" + broken + ": error: line 2: the file ends after 1 of 3 map rows"), std::string::npos);
  EXPECT_NE(r.out.find(missing + ": error: cannot open"), std::string::npos) << r.out;
  EXPECT_EQ(cli({"check", odd}).status, 0);
  const std::string clean = write("clean.lev", "n Clean\r\nm 2 1\r\n1E\r\n");
  r = cli({"check", "--strict", odd, clean});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, odd + ": ok\n" + odd + ": warning: property Next level: Next level \"Caf\xC3\xA9\" is not a level of this folder\n" +
                       clean + ": ok\n");
  EXPECT_EQ(cli({"check", clean, "--strict"}).status, 0);
}

// What the writer's form is, its own tests tell; here: the tool prints it, or writes it with -o.
TEST_F(ModelCommands, FormatNormalisesToTheWritersForm) {
  const std::string messy = write("messy.lev", "n  Spaced  \nm 2 1\n*\nx extra\np 7 8\n");
  CliRun r = cli({"format", messy});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("\r\nn  Spaced\r\n"), std::string::npos);
  const fs::path out = dir / "clean.lev";
  ASSERT_EQ(cli({"format", messy, "-o", out.string()}).status, 0);
  EXPECT_EQ(fileBytes(out), r.out);
  EXPECT_EQ(cli({"format", write("bad.lev", "m 0 0\r\n")}).status, 1);
}

// The merge rules have tests of their own, and so has the tool as git's driver; here: which
// file the tool writes, its status and the conflicts it lists.
TEST_F(ModelCommands, MergeWritesOursOrTheOutputAndItsStatusTellsAConflict) {
  const std::string base = write("base.lev", "n Row\r\nm 4 2\r\n1   \r\n    \r\n");
  const std::string ours = write("ours.lev", "n Row\r\nm 4 2\r\n1*  \r\n    \r\n");
  const std::string theirs = write("theirs.lev", "n Row\r\nm 4 2\r\n1  (\r\n    \r\n");
  const std::string oursBefore = fileBytes(ours);
  EXPECT_EQ(cli({"merge", (dir / "missing.lev").string(), ours, theirs}).status, 2);
  const std::string out = (dir / "out.lev").string();
  EXPECT_EQ(cli({"merge", base, ours, theirs, "-o", out}).status, 0);
  EXPECT_EQ(fileBytes(ours), oursBefore) << "a side it cannot read or -o leave OURS as it was";
  EXPECT_NE(fileBytes(out).find("\r\n1* (\r\n"), std::string::npos) << fileBytes(out);
  write("theirs.lev", "n Row\r\nm 4 2\r\n1$  \r\n    \r\n");
  const CliRun r = cli({"merge", base, ours, theirs});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "conflict: cell 1, 0: ours Emerald, theirs Ceruline, base Empty\n");
}
