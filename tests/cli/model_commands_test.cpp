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

TEST_F(ModelCommands, MergeTakesBothSidesAndKeepsOursOnAConflict) {
  const std::string base = write("base.lev", "n Row\r\nm 4 2\r\n1   \r\n    \r\n");
  const std::string ours = write("ours.lev", "n Row\r\nm 4 2\r\n1*  \r\n    \r\n");
  const std::string theirs = write("theirs.lev", "n Row\r\nm 4 2\r\n1  (\r\n    \r\n");
  const std::string missing = (dir / "missing.lev").string();
  // A merge that cannot read a side leaves OURS as it was.
  const std::string oursBefore = fileBytes(ours);
  EXPECT_EQ(cli({"merge", missing, ours, theirs}).status, 2);
  EXPECT_EQ(fileBytes(ours), oursBefore);
  const std::string out = (dir / "out.lev").string();
  CliRun r = cli({"merge", base, ours, theirs, "-o", out});
  EXPECT_EQ(r.status, 0) << r.out;
  EXPECT_EQ(fileBytes(ours), oursBefore);
  EXPECT_NE(fileBytes(out).find("\r\n1* (\r\n"), std::string::npos) << fileBytes(out);
  write("theirs.lev", "n Row\r\nm 4 2\r\n1$  \r\n    \r\n");
  r = cli({"merge", base, ours, theirs});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "conflict: cell 1, 0: ours Emerald, theirs Ceruline, base Empty\n");
  EXPECT_NE(fileBytes(ours).find("\r\n1*  \r\n"), std::string::npos) << "written as the editor saves, ours kept";
}
