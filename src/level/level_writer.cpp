// Writing the document as a .lev file.
#include <algorithm>
#include <ostream>

#include "level/brannoc_doc.h"
#include "level/text_util.h"

namespace {

constexpr const char* CRLF = "\r\n";

// Splits text into its lines at CR LF, at a lone CR and at a lone LF.
std::vector<std::string> SplitLines(const std::string& text) {
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
std::string LineSafe(std::string_view value) {
  std::string safe(value);
  for (char& c : safe)
    if (c == '\r' || c == '\n') c = ' ';
  return safe;
}

}  // namespace

void CBrannocDoc::WriteKeyLine(char key, std::string& value, std::ostream& out) {
  TrimRight(value);
  std::string line;
  line.reserve(value.size() + 4);
  line += key;
  line += ' ';
  line += LineSafe(value);
  line += CRLF;
  out << line;
}

void CBrannocDoc::WriteLevel(std::ostream& out) {
  WriteKeyLine('A', m_strArtwork, out);
  WriteKeyLine('S', m_strSounds, out);
  if (!m_strMusic.empty()) {
    if (m_strMusicPrefix.empty()) m_strMusicPrefix = "0";
    // Reading skips the spaces before the name and a name of white space alone reads as none,
    // so neither is written: the file then reads back to what was written.
    std::string name = LineSafe(m_strMusic);
    TrimRight(name);
    name.erase(0, name.find_first_not_of(' '));
    if (!name.empty()) {
      std::string music = m_strMusicPrefix + " " + name;
      WriteKeyLine('M', music, out);
    }
  }
  const std::pair<char, std::string*> keyLines[] = {
      {'d', &m_strDispenser}, {'T', &m_strTotalTurns}, {'D', &m_strDifficulty}, {'n', &m_strName},
      {'e', &m_strEmeralds},  {'p', &m_strPushing},    {'E', &m_strMaxDestroy}, {'w', &m_strWheelTime},
      {'o', &m_strRobotSpeed}, {'s', &m_strSwamp},     {'a', &m_strDesigner},   {'f', &m_strFirstToFinish},
      {'N', &m_strNextLevel}};
  for (const auto& [key, field] : keyLines) WriteKeyLine(key, *field, out);
  if (m_bYamYamSoundOff) out << "Y" << CRLF;
  if (m_bLaserSoundOff) out << "L" << CRLF;

  // One i line for each line of the information; an empty information is one empty i line.
  // Empty lines before the first text are left out: reading would drop them anyway, and
  // writing them would make a saved file change again on its next save.
  std::vector<std::string> infoLines = SplitLines(m_strInfo);
  size_t first = 0;
  while (first + 1 < infoLines.size() && TrimmedRight(infoLines[first]).empty()) ++first;
  for (size_t i = first; i < infoLines.size(); ++i) WriteKeyLine('i', infoLines[i], out);
  TrimRight(m_strInfo);

  // A size outside the cell store (set by a caller that did not check it) is written as the
  // nearest one the store has, never read past its end.
  const int width = std::clamp<int>(m_nWidth, 1, MAX_LEVEL_SIZE);
  const int height = std::clamp<int>(m_nHeight, 1, MAX_LEVEL_SIZE);
  out << "m " << width << ' ' << height << CRLF;
  std::string row;
  for (int y = 0; y < height; ++y) {
    // '~' in column 0 keeps a row from being blank, even if its trailing spaces get lost.
    row.assign(width, ' ');
    row[0] = NO_ELEMENT_CHAR;
    for (int x = 0; x < width; ++x)
      if (const CTile* tile = m_grid[x][y].get()) row[x] = tile->m_cCharacter;
    row += CRLF;
    out << row;
  }
  out << CRLF;

  for (const std::string& pattern : m_remainders) {
    if (pattern.empty()) continue;
    std::string copy = pattern;
    WriteKeyLine('y', copy, out);
  }
  for (const std::string& extra : m_extraLines) out << extra << CRLF;
  out.flush();
}
