#pragma once

#include <initializer_list>
#include <sstream>
#include <string>

#include "level/level_io.h"

// Level text in memory, for tests that read and write it.

// Joins lines with CR LF, the way the writer ends every line.
inline std::string crLf(std::initializer_list<std::string> lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

inline Level readText(const std::string& text, const std::string& fileName = "test.lev") {
  std::istringstream in(text, std::ios::binary);
  return readLevel(in, fileName);
}
