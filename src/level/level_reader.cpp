// Reading a .lev file into the document.
#include <istream>
#include <limits>
#include <optional>

#include "level/brannoc_doc.h"
#include "level/level_format_error.h"
#include "level/text_util.h"

namespace {

// Hands out the file's lines without their line break (LF or CR LF) and counts them.
class LineReader {
 public:
  explicit LineReader(std::istream& in) : m_in(in) {}

  bool Next(std::string& line) {
    if (!std::getline(m_in, line)) return false;
    ++m_number;
    // A last line without a line break keeps a trailing CR as part of the line.
    if (!m_in.eof() && !line.empty() && line.back() == '\r') line.pop_back();
    return true;
  }

  bool NextNonEmpty(std::string& line) {
    while (Next(line))
      if (!line.empty()) return true;
    return false;
  }

  int Number() const { return m_number; }

 private:
  std::istream& m_in;
  int m_number = 0;
};

// The characters from the third one on, taken as they are.
std::string RestOfLine(const std::string& line) { return line.size() > 2 ? line.substr(2) : std::string(); }

// After the key, skip white space and take the run of non-blank characters that follows.
std::optional<std::string> Word(const std::string& line) {
  size_t start = 1;
  while (start < line.size() && IsBlank(line[start])) ++start;
  size_t end = start;
  while (end < line.size() && !IsBlank(line[end])) ++end;
  if (end == start) return std::nullopt;
  return line.substr(start, end - start);
}

// The music name: from the third character, skip up to the next space, then all spaces.
std::string MusicName(const std::string& line) {
  size_t pos = 2;
  while (pos < line.size() && line[pos] != ' ') ++pos;
  while (pos < line.size() && line[pos] == ' ') ++pos;
  return pos < line.size() ? line.substr(pos) : std::string();
}

// A decimal integer as C's %d takes it: leading white space, an optional sign, digits.
// Values beyond the int range are pinned to its ends (they are refused later anyway).
std::optional<long long> ParseInt(const std::string& s, size_t& pos) {
  while (pos < s.size() && IsBlank(s[pos])) ++pos;
  bool negative = false;
  if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) negative = s[pos++] == '-';
  const size_t digitsStart = pos;
  long long value = 0;
  while (pos < s.size() && s[pos] >= '0' && s[pos] <= '9') {
    if (value < std::numeric_limits<int>::max()) value = value * 10 + (s[pos] - '0');
    ++pos;
  }
  if (pos == digitsStart) return std::nullopt;
  return negative ? -value : value;
}

std::string BaseName(std::string_view path) {
  const size_t slash = path.find_last_of('/');
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

}  // namespace

void CBrannocDoc::ReadLevel(std::istream& in, std::string_view fileName) {
  ResetToDefaults();

  const std::string name = BaseName(fileName);
  const char last = name.empty() ? '\0' : name.back();
  m_strDifficulty = (last >= '0' && last <= '9') ? std::string(1, last) : std::string("0");

  std::vector<std::string> remainders;
  LineReader reader(in);
  std::string line;
  auto setWord = [&line](std::string& field) {
    if (std::optional<std::string> word = Word(line)) field = std::move(*word);
  };

  while (reader.NextNonEmpty(line)) {
    switch (line[0]) {
      case 'A': m_strArtwork = RestOfLine(line); break;
      case 'S': m_strSounds = RestOfLine(line); break;
      case 'M':
        if (std::optional<std::string> prefix = Word(line)) {
          m_strMusicPrefix = std::move(*prefix);
          m_strMusic = MusicName(line);
        }
        break;
      case 'd': setWord(m_strDispenser); break;
      case 'T': setWord(m_strTotalTurns); break;
      case 'D': setWord(m_strDifficulty); break;
      case 'n': m_strName = RestOfLine(line); break;
      case 'e': m_strEmeralds = RestOfLine(line); break;
      case 'p': setWord(m_strPushing); break;
      case 'E': setWord(m_strMaxDestroy); break;
      case 'w': setWord(m_strWheelTime); break;
      case 'o': setWord(m_strRobotSpeed); break;
      case 's': setWord(m_strSwamp); break;
      case 'a': m_strDesigner = RestOfLine(line); break;
      case 'f': m_strFirstToFinish = RestOfLine(line); break;
      case 'N': m_strNextLevel = RestOfLine(line); break;
      case 'Y': m_bYamYamSoundOff = true; break;
      case 'L': m_bLaserSoundOff = true; break;
      case 'i': {
        const std::string text = RestOfLine(line);
        if (!m_strInfo.empty()) m_strInfo += "\r\n";
        m_strInfo += text;
        break;
      }
      case 'y':
        if (std::optional<std::string> word = Word(line)) remainders.push_back(std::move(*word));
        break;
      case 'm': {
        size_t pos = 1;
        const std::optional<long long> width = ParseInt(line, pos);
        const std::optional<long long> height = width ? ParseInt(line, pos) : std::nullopt;
        if (!width || !height)
          throw LevelFormatError(std::string(fileName), reader.Number(), "the map header needs a width and a height");
        if (*width < 1 || *width > MAX_LEVEL_SIZE || *height < 1 || *height > MAX_LEVEL_SIZE)
          throw LevelFormatError(std::string(fileName), reader.Number(),
                                 "the map size " + std::to_string(*width) + " x " + std::to_string(*height) +
                                     " is outside 1 to " + std::to_string(MAX_LEVEL_SIZE));
        m_nWidth = static_cast<int32_t>(*width);
        m_nHeight = static_cast<int32_t>(*height);
        std::string row;
        for (int y = 0; y < m_nHeight; ++y) {
          if (!reader.NextNonEmpty(row))
            throw LevelFormatError(std::string(fileName), reader.Number(),
                                   "the file ends after " + std::to_string(y) + " of " + std::to_string(m_nHeight) +
                                       " map rows");
          const int columns = std::min<int>(m_nWidth, static_cast<int>(row.size()));
          for (int x = 0; x < columns; ++x) {
            const char c = row[x];
            if (c == ' ' || c == NO_ELEMENT_CHAR) continue;
            // A second map block is read over the first: PlaceTile replaces and recounts.
            if (const int element = ElementFromChar(c); element != NO_ELEMENT) PlaceTile(x, y, element);
          }
        }
        break;
      }
      default: m_extraLines.push_back(line); break;
    }
  }

  remainders.resize(REMAINDER_SLOTS);
  m_remainders = std::move(remainders);
}
