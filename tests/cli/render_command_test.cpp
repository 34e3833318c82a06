#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>
#include <sstream>

#include "app/cli/cli.h"

namespace fs = std::filesystem;

namespace {

int Render(const std::vector<std::string>& args, std::string* err = nullptr) {
  std::ostringstream out, errors;
  CliIo io{out, errors};
  std::vector<std::string> all = {"render"};
  all.insert(all.end(), args.begin(), args.end());
  const int status = RunCli(all, io);
  if (err) *err = errors.str();
  return status;
}

std::string Example(const std::string& name) { return std::string(CAVERNIA_EXAMPLES_DIR) + "/" + name; }

}  // namespace

TEST(RenderCommand, DrawsTheLevelCellByCell) {
  const fs::path out = fs::temp_directory_path() / ("cavernia-render-" + std::to_string(::getpid()) + ".png");
  std::string err;
  ASSERT_EQ(Render({Example("demo.lev"), "-o", out.string(), "--cell", "10"}, &err), 0) << err;
  const QImage image(QString::fromStdString(out.string()));
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.size(), QSize(40, 30));
  EXPECT_EQ(image.pixel(9, 0), qRgb(128, 128, 128)) << "grid line on the last pixel column of a cell";
  EXPECT_NE(image.pixel(24, 4), qRgb(0, 0, 0)) << "the emerald at (2, 0)";
  EXPECT_EQ(image.pixel(14, 24), qRgb(0, 0, 0)) << "row 2 is empty";

  ASSERT_EQ(Render({Example("demo.lev"), "-o", out.string(), "--cell", "10", "--no-grid"}), 0);
  EXPECT_EQ(QImage(QString::fromStdString(out.string())).pixel(9, 25), qRgb(0, 0, 0));
  fs::remove(out);
}

TEST(RenderCommand, RefusesWhatItCannotDo) {
  std::string err;
  EXPECT_EQ(Render({Example("demo.lev")}, &err), 2);
  EXPECT_NE(err.find("-o OUT.png"), std::string::npos);
  EXPECT_EQ(Render({Example("demo.lev"), "-o", "x.png", "--cell", "0"}), 2);
  EXPECT_EQ(Render({Example("demo.lev"), "-o", "x.png", "--cell", "12px"}), 2);
  EXPECT_EQ(Render({"/nonexistent.lev", "-o", "x.png"}), 1);
  EXPECT_EQ(Render({Example("demo.lev"), "-o", "x.png", "--artwork", "NoSuchSet"}, &err), 1);
  EXPECT_NE(err.find("NoSuchSet"), std::string::npos);
  EXPECT_EQ(Render({Example("demo.lev"), "-o", "/nonexistent/folder/x.png"}, &err), 1);
  EXPECT_NE(err.find("cannot write"), std::string::npos);
}
