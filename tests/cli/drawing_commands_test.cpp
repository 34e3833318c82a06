// The commands that draw: render a level, and the contact sheet of an artwork set.
#include <gtest/gtest.h>

#include <QImage>

#include "cli/cli_run.h"
#include "support/temp_folder.h"

namespace fs = std::filesystem;

namespace {

QImage picture(const fs::path& path) { return QImage(QString::fromStdString(path.string())); }

// The 60-pixel picture of the earth, the first element on the sheet.
QImage earthCell(const QImage& sheet) { return sheet.copy(10 + 15 + 8 + 30 + 8, 40, 60, 60); }

// Render draws a level, artwork the contact sheet of a set; each refuses what it cannot do.
TEST(DrawingCommands, RenderDrawsTheLevelCellByCellAndArtworkASheetOfTheChosenSet) {
  const TempFolder temp;
  const fs::path& folder = temp.dir;
  const fs::path out = folder / "render.png";
  const std::string demo = example("demo.lev");
  ASSERT_EQ(cli({"render", demo, "-o", out.string(), "--cell", "10"}).status, kExitOk);
  EXPECT_EQ(picture(out).size(), QSize(40, 30));
  // Where the grid lines fall, the painter's tests tell; here: the option reaches it.
  ASSERT_EQ(cli({"render", demo, "-o", out.string(), "--cell", "10", "--no-grid"}).status, kExitOk);
  EXPECT_EQ(picture(out).pixel(9, 25), qRgb(0, 0, 0));
  EXPECT_EQ(cli({"render", "/nonexistent.lev", "-o", "x.png"}).status, kExitFailed);
  CliRun run = cli({"render", demo, "-o", "x.png", "--artwork", "NoSuchSet"});
  EXPECT_EQ(run.status, kExitFailed);
  EXPECT_NE(run.err.find("NoSuchSet"), std::string::npos);
  run = cli({"render", demo, "-o", "/nonexistent/folder/x.png"});
  EXPECT_EQ(run.status, kExitFailed);
  EXPECT_NE(run.err.find("cannot write"), std::string::npos);

  ASSERT_EQ(cli({"artwork", "-o", (folder / "default.png").string()}).status, kExitOk);
  // The build ships the Night set beside the executables; it has its own earth.
  ASSERT_EQ(cli({"artwork", "--set", "NIGHT", "-o", (folder / "night.png").string()}).status, kExitOk);
  const QImage day = picture(folder / "default.png"), night = picture(folder / "night.png");
  EXPECT_NE(earthCell(day), earthCell(night));

  run = cli({"artwork", "--set", "Nowhere", "-o", (folder / "nowhere.png").string()});
  EXPECT_EQ(run.status, kExitFailed);
  EXPECT_NE(run.err.find("'Nowhere'"), std::string::npos);
  EXPECT_NE(run.err.find("Default"), std::string::npos);
  EXPECT_FALSE(fs::exists(folder / "nowhere.png"));
}

}  // namespace

// Two levels of one name, the second a stray, and a file that cannot be read: each has its
// place in one row, framed in the colour of its problem.
TEST(PackCommand, DrawsOneThumbnailPerLevelOfThePack) {
  const TempFolder pack;
  const std::string out = (pack.dir / "sheet.png").string();
  for (const char* file : {"a.lev", "b.lev"}) pack.write(file, "n Bravo\r\nm 1 1\r\n1\r\n");
  pack.write("c.lev", std::string("n C\0", 4));
  ASSERT_EQ(cli({"pack", pack.dir.string(), "--sheet", out}).status, kExitFailed);
  const QImage sheet = picture(out);
  EXPECT_EQ(sheet.size(), QSize(3 * 184, 234));
  EXPECT_EQ(sheet.pixelColor(10, 92), QColor(255, 170, 40)) << "a duplicate name";
  EXPECT_EQ(sheet.pixelColor(184 + 10, 92), QColor(255, 170, 40)) << "a stray with a duplicate name";
  EXPECT_EQ(sheet.pixelColor(2 * 184 + 10, 92), QColor(Qt::red)) << "cannot be read";
}
