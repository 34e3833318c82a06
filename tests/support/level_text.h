#pragma once

#include <initializer_list>
#include <sstream>
#include <string>

#include "level/level_io.h"

// Levels and their text in memory, for tests that read and write them.

// Joins lines with CR LF, the way the writer ends every line.
inline std::string crLf(std::initializer_list<std::string> lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

// A new level of the given size.
inline Level sizedLevel(int width, int height) {
  Level level;
  level.setNumber(Property::Width, width);
  level.setNumber(Property::Height, height);
  return level;
}

inline Level readText(const std::string& text, const std::string& fileName = "test.lev") {
  std::istringstream in(text, std::ios::binary);
  return readLevel(in, fileName);
}
