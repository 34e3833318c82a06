#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

#include "level/level.h"

// The .lev text format.

// Reads a level; a broken map block throws LevelFormatError naming the file and the line.
// The file name's last digit is the difficulty of a file without a D line.
Level readLevel(std::istream& in, std::string_view fileName);

// Writes a level as the editor saves it: values without trailing white space, line breaks
// inside values as spaces, CR LF line ends.
void writeLevel(const Level& level, std::ostream& out);
std::string levelText(const Level& level);

// One "K value" line, as writeLevel writes it.
std::string keyLine(char key, std::string_view value);
