#include "level/cp1252.h"

#include <algorithm>
#include <array>

namespace {

// Code points of 0x80..0x9F; the other high bytes are the same as in Latin-1.
constexpr std::array<char32_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void appendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// The byte of a code point; -1 when the code page has none.
int fromCodePoint(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
  for (size_t i = 0; i < kHigh.size(); ++i)
    if (kHigh[i] == cp) return static_cast<int>(0x80 + i);
  return -1;
}

// The character at utf8[at]; a broken sequence counts as one invalid byte.
struct Decoded {
  char32_t cp;
  bool valid;
  size_t length;
};
Decoded decodeAt(std::string_view utf8, size_t at) {
  const unsigned char lead = static_cast<unsigned char>(utf8[at]);
  const size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
  if (length == 0 || at + length > utf8.size()) return {0, false, 1};
  char32_t cp = length == 1 ? lead : lead & (0x7F >> length);
  for (size_t k = 1; k < length; ++k) {
    const unsigned char next = static_cast<unsigned char>(utf8[at + k]);
    if ((next & 0xC0) != 0x80) return {0, false, 1};
    cp = (cp << 6) | (next & 0x3F);
  }
  return {cp, true, length};
}

}  // namespace

char32_t cp1252ToCodePoint(unsigned char byte) { return (byte >= 0x80 && byte < 0xA0) ? kHigh[byte - 0x80] : byte; }

std::string cp1252ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (char c : bytes) appendUtf8(out, cp1252ToCodePoint(static_cast<unsigned char>(c)));
  return out;
}

std::string utf8ToCp1252(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size();) {
    const Decoded c = decodeAt(utf8, i);
    const int byte = c.valid ? fromCodePoint(c.cp) : -1;
    out += byte < 0 ? '?' : static_cast<char>(byte);
    i += c.length;
  }
  return out;
}

std::vector<std::string> cp1252Missing(std::string_view utf8) {
  std::vector<std::string> missing;
  for (size_t i = 0; i < utf8.size();) {
    const Decoded c = decodeAt(utf8, i);
    if (!c.valid || fromCodePoint(c.cp) < 0) {
      // A broken sequence is named by the replacement character.
      const std::string name = c.valid ? std::string(utf8.substr(i, c.length)) : "\xEF\xBF\xBD";
      if (std::find(missing.begin(), missing.end(), name) == missing.end()) missing.push_back(name);
    }
    i += c.length;
  }
  return missing;
}
