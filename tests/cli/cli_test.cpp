#include <gtest/gtest.h>

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "cli/cli_run.h"
#include "support/temp_folder.h"

namespace fs = std::filesystem;

namespace {

struct CliFiles : ::testing::Test, TempFolder {};

// Empty when the text is not JSON, which every check of a field then shows.
QJsonObject json(const std::string& text) { return QJsonDocument::fromJson(QByteArray::fromStdString(text)).object(); }

}  // namespace

TEST(Cli, HelpVersionAndUsageErrors) {
  CliRun r = cli({"--help"});
  EXPECT_EQ(r.status, 0);
  for (const char* command : {"check", "format", "info"}) EXPECT_NE(r.out.find(command), std::string::npos);
  EXPECT_EQ(cli({"--version"}).out, "cavernia-level 0.9\n");
  using Args = std::vector<std::string>;
  for (const Args& args : {Args{}, {"frobnicate"}, {"check"}, {"check", "--strict"}, {"format"}, {"format", "a.lev", "-o"},
                           {"info", "a.lev", "--bogus"}, {"pack"}, {"pack", "x", "y"}, {"pack", "x", "--bogus"},
                           {"pack", "x", "--sheet"}, {"artwork"}, {"artwork", "-o"}, {"render", "a.lev"},
                           {"render", "a", "-o", "x.png", "--cell", "0"}, {"render", "a", "-o", "x", "--cell", "12px"},
                           {"diff", "a.lev"}, {"diff", "--git", "a.lev", "b.lev"}, {"merge", "a.lev", "b.lev"},
                           {"merge", "a", "b", "c", "-o"}})
    EXPECT_EQ(cli(args).status, kExitUsage) << testing::PrintToString(args);
  r = cli({"info", "--help"});
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("usage: cavernia-level info FILE [--json]"), std::string::npos);
}

TEST_F(CliFiles, InfoAsTextAndJson) {
  CliRun r = cli({"info", example("demo.lev")});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("Size:          4 x 3"), std::string::npos);
  EXPECT_NE(r.out.find("Emerald total: 4"), std::string::npos);
  EXPECT_NE(r.out.find("Level name              Demo"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find(" 1: ~~~~*~~~~"), std::string::npos);

  // Level text is Windows-1252, file names are the system's UTF-8; both come out as UTF-8.
  const std::string odd = write("caf\xC3\xA9.lev", "n Caf\xE9 \x80 \"quoted\"\r\ni a\r\ni b\x01\r\nx\tkept\r\nm 2 1\r\n1*\r\n");
  r = cli({"info", odd, "--json"});
  ASSERT_EQ(r.status, 0) << r.err;
  const QJsonObject info = json(r.out);
  EXPECT_EQ(info["file"].toString().toStdString(), odd);
  EXPECT_EQ(info["properties"]["name"], QString::fromUtf8("Caf\u00E9 \u20AC \"quoted\""));
  EXPECT_EQ(info["properties"]["info"], "a\r\nb\x01");
  EXPECT_EQ(info["elements"], (QJsonObject{{"Emerald", 1}, {"Player 1", 1}}));
  EXPECT_EQ(info["extraLines"], QJsonArray{"x\tkept"});
  EXPECT_EQ(cli({"info", (dir / "none.lev").string()}).status, 1);
}

TEST_F(CliFiles, PackListsTheChainAndFailsOnBrokenLinksStraysAndUnreadableFiles) {
  CliRun r = cli({"pack", CAVERNIA_EXAMPLES_DIR});
  EXPECT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find("chain 1:\n  first-steps.lev: \"First Steps\", 20 x 12, 8 emeralds, 6 to collect, 0 warnings\n"
                       "  key-vault.lev:"),
            std::string::npos) << r.out;
  // Which file is a stray, the pack's own tests tell; here: how the tool says each problem.
  write("a.lev", "n A\r\nN B\r\nm 1 1\r\n1\r\n");
  write("b.lev", "n B\r\nN Gone\r\nm 1 1\r\n1\r\n");
  write("s.lev", "n Side\r\nm 1 1\r\n1\r\n");
  write("c.lev", std::string("n C\0", 4));
  r = cli({"pack", dir.string()});
  EXPECT_EQ(r.status, 1);
  for (const char* line : {"\nstray: s.lev: no level leads to it; its chain: s.lev\n",
                           "\nbroken link: b.lev: next level \"Gone\" is not in the folder\n", "\ncannot read: c.lev: "})
    EXPECT_NE(r.out.find(line), std::string::npos) << r.out;
  const QJsonObject pack = json(cli({"pack", dir.string(), "--json"}).out);
  EXPECT_EQ(pack["chains"], (QJsonArray{QJsonArray{"a.lev", "b.lev"}, QJsonArray{"s.lev"}}));
  EXPECT_EQ(pack["unreachable"], QJsonArray{"s.lev"});
  EXPECT_EQ(pack["brokenLinks"], (QJsonArray{QJsonObject{{"file", "b.lev"}, {"next", "Gone"}}}));
}

TEST_F(CliFiles, DiffSaysWhatDiffersAndExitsAsDiffDoes) {
  const std::string base = write("base.lev", "n Row\r\nm 4 2\r\n1   \r\n    \r\n");
  const std::string ours = write("ours.lev", "n Row\r\nm 4 2\r\n1*  \r\n    \r\n");
  const std::string missing = (dir / "missing.lev").string();
  EXPECT_EQ(cli({"diff", base, base}).status, 0);
  CliRun r = cli({"diff", base, ours});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "cell 1, 0: Empty -> Emerald\n");
  EXPECT_EQ(json(cli({"diff", base, ours, "--json"}).out)["differences"][0]["new"], "Emerald");
  EXPECT_EQ(cli({"diff", base, missing}).status, 2);
  // The picture outlines the changed cell only, inside the cell.
  const std::string picture = (dir / "diff.png").string();
  EXPECT_EQ(cli({"diff", base, ours, "--image", picture}).status, 1);
  const QImage image(QString::fromStdString(picture));
  EXPECT_EQ(image.pixelColor(31, 15), QColor(255, 0, 255));
  EXPECT_NE(image.pixelColor(29, 15), QColor(255, 0, 255));
  EXPECT_NE(image.pixelColor(2 * 30 + 1, 15), QColor(255, 0, 255));
  // As git's external diff (headed by the path, git's own test shows): a missing side is an
  // added or a deleted level.
  EXPECT_EQ(cli({"diff", "--git", "row.lev", base, "1111", "100644", "/dev/null", "0000", "0"}).out,
            "level row.lev: deleted, \"Row\", 4 x 2\n");
  // A renamed file brings its new name and a note; one not merged yet only its path.
  r = cli({"diff", "--git", "row.lev", base, "1", "100644", ours, "2", "100644", "new.lev", "similarity index 90%"});
  EXPECT_EQ(r.out, "level row.lev -> new.lev\n  cell 1, 0: Empty -> Emerald\n");
  EXPECT_EQ(cli({"diff", "--git", "row.lev"}).out, "level row.lev: not merged yet\n");
}
