#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>
#include <sstream>

#include "app/cli/cli.h"

namespace {

namespace fs = std::filesystem;

int RunTool(const std::vector<std::string>& args, std::string* err = nullptr) {
  std::ostringstream out, errors;
  CliIo io{out, errors};
  const int status = RunCli(args, io);
  if (err) *err = errors.str();
  return status;
}

// The 60-pixel picture of the earth, the first element on the sheet.
QImage EarthCell(const QImage& sheet) { return sheet.copy(10 + 15 + 8 + 30 + 8, 40, 60, 60); }

TEST(ArtworkCommand, DrawsASheetOfTheChosenSet) {
  const fs::path folder = fs::temp_directory_path() / "cavernia_artwork_command_test";
  fs::create_directories(folder);
  const std::string day = (folder / "default.png").string(), night = (folder / "night.png").string();
  ASSERT_EQ(RunTool({"artwork", "-o", day}), EXIT_OK);
  // The build ships the Night set beside the executables; it has its own earth.
  ASSERT_EQ(RunTool({"artwork", "--set", "NIGHT", "-o", night}), EXIT_OK);
  const QImage daySheet(QString::fromStdString(day)), nightSheet(QString::fromStdString(night));
  ASSERT_FALSE(daySheet.isNull());
  ASSERT_EQ(daySheet.size(), nightSheet.size());
  EXPECT_NE(EarthCell(daySheet), EarthCell(nightSheet));
  EXPECT_NE(EarthCell(daySheet).pixel(30, 30), qRgb(0, 0, 0));
  fs::remove_all(folder);
}

TEST(ArtworkCommand, ReportsUnknownSetsAndMissingOutput) {
  std::string err;
  const fs::path sheet = fs::temp_directory_path() / "cavernia_no_such_set.png";
  EXPECT_EQ(RunTool({"artwork", "--set", "Nowhere", "-o", sheet.string()}, &err), EXIT_FAILED);
  EXPECT_NE(err.find("'Nowhere'"), std::string::npos);
  EXPECT_NE(err.find("Default"), std::string::npos);
  EXPECT_FALSE(fs::exists(sheet));
  EXPECT_EQ(RunTool({"artwork"}), EXIT_USAGE);
  EXPECT_EQ(RunTool({"artwork", "-o"}), EXIT_USAGE);
}

}  // namespace
