#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

// A folder of the running test's own, made empty at the start and removed at the end.
struct TempFolder {
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() /
      ("cavernia-" + std::to_string(::getpid()) + "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
  TempFolder() {
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
  }
  ~TempFolder() { std::filesystem::remove_all(dir); }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // Writes the file `name` in the folder and returns its path.
  std::string write(const std::string& name, const std::string& bytes) const {
    std::ofstream(dir / name, std::ios::binary) << bytes;
    return (dir / name).string();
  }
};

// The whole of a file, byte for byte; empty when it cannot be read.
inline std::string fileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}
