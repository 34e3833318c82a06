// Writing a .lev file.
#include <algorithm>
#include <ostream>
#include <sstream>

#include "level/level_io.h"
#include "level/text_util.h"

namespace {

constexpr const char* CRLF = "\r\n";

// Splits text into its lines at CR LF, at a lone CR and at a lone LF.
std::vector<std::string> splitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string current;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(std::move(current));
      current.clear();
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      current += c;
    }
  }
  lines.push_back(std::move(current));
  return lines;
}

// A line break inside a value would start a line of its own, so it is written as a space.
std::string lineSafe(std::string_view value) {
  std::string safe(value);
  for (char& c : safe)
    if (c == '\r' || c == '\n') c = ' ';
  return safe;
}

}  // namespace

std::string keyLine(char key, std::string_view value) {
  std::string line;
  line.reserve(value.size() + 4);
  line += key;
  line += ' ';
  line += lineSafe(trimmedRight(value));
  line += CRLF;
  return line;
}

void writeLevel(const Level& level, std::ostream& out) {
  using enum Property;
  out << keyLine('A', level.text(Artwork)) << keyLine('S', level.text(Sounds));
  if (const std::string& music = level.text(Music); !music.empty()) {
    // Reading skips the spaces before the name and a name of white space alone reads as none,
    // so neither is written: the file then reads back to what was written.
    std::string name = lineSafe(music);
    trimRight(name);
    name.erase(0, name.find_first_not_of(' '));
    if (!name.empty()) {
      const std::string prefix = level.text(MusicPrefix).empty() ? "0" : level.text(MusicPrefix);
      out << keyLine('M', prefix + " " + name);
    }
  }
  const std::pair<char, Property> keyLines[] = {
      {'d', Dispenser}, {'T', TotalTurns}, {'D', Difficulty}, {'n', Name},           {'e', Emeralds},
      {'p', Pushing},   {'E', MaxDestroy}, {'w', WheelTime},  {'o', RobotSpeed},     {'s', Swamp},
      {'a', Designer},  {'f', FirstToFinish}, {'N', NextLevel}};
  for (const auto& [key, property] : keyLines) out << keyLine(key, level.text(property));
  if (level.number(YamYamSoundOff)) out << "Y" << CRLF;
  if (level.number(LaserSoundOff)) out << "L" << CRLF;

  // One i line for each line of the information, empty first lines included; an empty
  // information is one empty i line.
  for (const std::string& line : splitLines(level.text(Info))) out << keyLine('i', line);

  out << "m " << level.width() << ' ' << level.height() << CRLF;
  std::string row;
  for (int y = 0; y < level.height(); ++y) {
    // '~' in column 0 keeps a row from being blank, even if its trailing spaces get lost.
    row.assign(level.width(), ' ');
    row[0] = kNoElementChar;
    for (int x = 0; x < level.width(); ++x)
      if (const int element = level.element(x, y); element != kNoElement) row[x] = charFromElement(element);
    row += CRLF;
    out << row;
  }
  out << CRLF;

  for (const std::string& pattern : level.remainders())
    if (!pattern.empty()) out << keyLine('y', pattern);
  for (const std::string& extra : level.extraLines()) out << extra << CRLF;
  out.flush();
}

std::string levelText(const Level& level) {
  std::ostringstream out(std::ios::binary);
  writeLevel(level, out);
  return out.str();
}
