#pragma once

#include <string>
#include <string_view>
#include <vector>

// Level files hold 8-bit text, shown and typed as Windows-1252.

// Every byte becomes one character; the five bytes the code page leaves undefined become the
// control characters of the same number, so nothing is lost.
std::string cp1252ToUtf8(std::string_view bytes);

// Characters the code page cannot hold become '?'. Broken UTF-8 sequences become '?' as well.
std::string utf8ToCp1252(std::string_view utf8);

// The characters of a UTF-8 text that the code page cannot hold, each once, in the order they
// first appear (as UTF-8); empty when the whole text can be written.
std::vector<std::string> cp1252Missing(std::string_view utf8);

// The Unicode code point of one byte.
char32_t cp1252ToCodePoint(unsigned char byte);
