#pragma once

#include <string>
#include <string_view>

// White space as the level format knows it (the C locale's, byte by byte).
inline bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

inline void trimRight(std::string& s) {
  while (!s.empty() && isBlank(s.back())) s.pop_back();
}

inline std::string_view trimmedRight(std::string_view s) {
  while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
  return s;
}

// Case-insensitive comparison of ASCII letters; other bytes compare as they are.
bool equalsNoCase(std::string_view a, std::string_view b);
