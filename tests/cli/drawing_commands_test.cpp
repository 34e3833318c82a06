// The commands that draw: render a level, and the contact sheet of an artwork set.
#include <gtest/gtest.h>

#include <QImage>

#include "cli/cli_run.h"
#include "support/temp_folder.h"

namespace fs = std::filesystem;

namespace {

QImage Picture(const fs::path& path) { return QImage(QString::fromStdString(path.string())); }

TEST(RenderCommand, DrawsTheLevelCellByCell) {
  const TempFolder folder;
  const fs::path out = folder.dir / "render.png";
  const CliRun run = Cli({"render", Example("demo.lev"), "-o", out.string(), "--cell", "10"});
  ASSERT_EQ(run.status, EXIT_OK) << run.err;
  const QImage image = Picture(out);
  EXPECT_EQ(image.size(), QSize(40, 30));
  EXPECT_EQ(image.pixel(9, 0), qRgb(128, 128, 128)) << "grid line on the last pixel column of a cell";
  ASSERT_EQ(Cli({"render", Example("demo.lev"), "-o", out.string(), "--cell", "10", "--no-grid"}).status, EXIT_OK);
  EXPECT_EQ(Picture(out).pixel(9, 25), qRgb(0, 0, 0));
}

TEST(RenderCommand, RefusesWhatItCannotDo) {
  const std::string demo = Example("demo.lev");
  CliRun run = Cli({"render", demo});
  EXPECT_EQ(run.status, EXIT_USAGE);
  EXPECT_NE(run.err.find("-o OUT.png"), std::string::npos);
  EXPECT_EQ(Cli({"render", "/nonexistent.lev", "-o", "x.png"}).status, EXIT_FAILED);
  run = Cli({"render", demo, "-o", "x.png", "--artwork", "NoSuchSet"});
  EXPECT_EQ(run.status, EXIT_FAILED);
  EXPECT_NE(run.err.find("NoSuchSet"), std::string::npos);
  run = Cli({"render", demo, "-o", "/nonexistent/folder/x.png"});
  EXPECT_EQ(run.status, EXIT_FAILED);
  EXPECT_NE(run.err.find("cannot write"), std::string::npos);
}

// The 60-pixel picture of the earth, the first element on the sheet.
QImage EarthCell(const QImage& sheet) { return sheet.copy(10 + 15 + 8 + 30 + 8, 40, 60, 60); }

TEST(ArtworkCommand, DrawsASheetOfTheChosenSetAndReportsUnknownSets) {
  const TempFolder temp;
  const fs::path& folder = temp.dir;
  ASSERT_EQ(Cli({"artwork", "-o", (folder / "default.png").string()}).status, EXIT_OK);
  // The build ships the Night set beside the executables; it has its own earth.
  ASSERT_EQ(Cli({"artwork", "--set", "NIGHT", "-o", (folder / "night.png").string()}).status, EXIT_OK);
  const QImage day = Picture(folder / "default.png"), night = Picture(folder / "night.png");
  ASSERT_EQ(day.size(), night.size());
  EXPECT_NE(EarthCell(day), EarthCell(night));
  EXPECT_NE(EarthCell(day).pixel(30, 30), qRgb(0, 0, 0));

  const CliRun run = Cli({"artwork", "--set", "Nowhere", "-o", (folder / "nowhere.png").string()});
  EXPECT_EQ(run.status, EXIT_FAILED);
  EXPECT_NE(run.err.find("'Nowhere'"), std::string::npos);
  EXPECT_NE(run.err.find("Default"), std::string::npos);
  EXPECT_FALSE(fs::exists(folder / "nowhere.png"));
}

}  // namespace

TEST(PackCommand, DrawsOneThumbnailPerLevelOfThePack) {
  const TempFolder folder;
  const std::string out = (folder.dir / "sheet.png").string();
  ASSERT_EQ(Cli({"pack", CAVERNIA_EXAMPLES_DIR, "--sheet", out}).status, EXIT_OK);
  EXPECT_EQ(Picture(out).size(), QSize(4 * 184, 234)) << "the four examples in one row";

  // Two levels of one name, the second a stray, and a file that cannot be read: each has its
  // place, framed in the colour of its problem.
  const TempFolder pack;
  for (const char* file : {"a.lev", "b.lev"}) pack.Write(file, "n Bravo\r\nm 1 1\r\n1\r\n");
  pack.Write("c.lev", std::string("n C\0", 4));
  ASSERT_EQ(Cli({"pack", pack.dir.string(), "--sheet", out}).status, EXIT_FAILED);
  const QImage sheet = Picture(out);
  EXPECT_EQ(sheet.size(), QSize(3 * 184, 234));
  EXPECT_EQ(sheet.pixelColor(10, 92), QColor(255, 170, 40)) << "a duplicate name";
  EXPECT_EQ(sheet.pixelColor(184 + 10, 92), QColor(255, 170, 40)) << "a stray with a duplicate name";
  EXPECT_EQ(sheet.pixelColor(2 * 184 + 10, 92), QColor(Qt::red)) << "cannot be read";
}
