// Reading a .lev file.
#include <istream>
#include <limits>
#include <optional>
#include <utility>

#include "level/level_io.h"
#include "level/level_format_error.h"
#include "level/text_util.h"

namespace {

// Hands out the file's lines without their line break (LF or CR LF) and counts them.
class LineReader {
 public:
  explicit LineReader(std::istream& in) : m_in(in) {}

  bool next(std::string& line) {
    if (!std::getline(m_in, line)) return false;
    ++m_number;
    // A last line without a line break keeps a trailing CR as part of the line.
    if (!m_in.eof() && !line.empty() && line.back() == '\r') line.pop_back();
    return true;
  }

  bool nextNonEmpty(std::string& line) {
    while (next(line))
      if (!line.empty()) return true;
    return false;
  }

  int number() const { return m_number; }

 private:
  std::istream& m_in;
  int m_number = 0;
};

// The characters from the third one on, taken as they are.
std::string restOfLine(const std::string& line) { return line.size() > 2 ? line.substr(2) : std::string(); }

// After the key, skip white space and take the run of non-blank characters that follows.
std::optional<std::string> firstWord(const std::string& line) {
  size_t start = 1;
  while (start < line.size() && isBlank(line[start])) ++start;
  size_t end = start;
  while (end < line.size() && !isBlank(line[end])) ++end;
  if (end == start) return std::nullopt;
  return line.substr(start, end - start);
}

// The music name: from the third character, skip up to the next space, then all spaces.
std::string musicName(const std::string& line) {
  size_t pos = 2;
  while (pos < line.size() && line[pos] != ' ') ++pos;
  while (pos < line.size() && line[pos] == ' ') ++pos;
  return pos < line.size() ? line.substr(pos) : std::string();
}

// A decimal integer as C's %d takes it: leading white space, an optional sign, digits.
// Values beyond the int range are pinned to its ends (they are refused later anyway).
std::optional<long long> parseInt(const std::string& s, size_t& pos) {
  while (pos < s.size() && isBlank(s[pos])) ++pos;
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

std::string baseName(std::string_view path) {
  const size_t slash = path.find_last_of('/');
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

}  // namespace

Level readLevel(std::istream& in, std::string_view fileName) {
  Level level;
  using enum Property;
  auto set = [&level](Property property, std::string value) { level.setText(property, std::move(value)); };

  const std::string name = baseName(fileName);
  const char last = name.empty() ? '\0' : name.back();
  set(Difficulty, (last >= '0' && last <= '9') ? std::string(1, last) : std::string("0"));

  Level::Remainders remainders;
  size_t remainderCount = 0;
  std::vector<std::string> extraLines;
  std::string info;
  bool infoSeen = false;
  LineReader reader(in);
  std::string line;
  auto setWord = [&](Property property) {
    if (std::optional<std::string> word = firstWord(line)) set(property, std::move(*word));
  };

  while (reader.nextNonEmpty(line)) {
    switch (line[0]) {
      case 'A': set(Artwork, restOfLine(line)); break;
      case 'S': set(Sounds, restOfLine(line)); break;
      case 'M':
        if (std::optional<std::string> prefix = firstWord(line)) {
          set(MusicPrefix, std::move(*prefix));
          set(Music, musicName(line));
        }
        break;
      case 'd': setWord(Dispenser); break;
      case 'T': setWord(TotalTurns); break;
      case 'D': setWord(Difficulty); break;
      case 'n': set(Name, restOfLine(line)); break;
      case 'e': set(Emeralds, restOfLine(line)); break;
      case 'p': setWord(Pushing); break;
      case 'E': setWord(MaxDestroy); break;
      case 'w': setWord(WheelTime); break;
      case 'o': setWord(RobotSpeed); break;
      case 's': setWord(Swamp); break;
      case 'a': set(Designer, restOfLine(line)); break;
      case 'f': set(FirstToFinish, restOfLine(line)); break;
      case 'N': set(NextLevel, restOfLine(line)); break;
      case 'Y': level.setNumber(YamYamSoundOff, 1); break;
      case 'L': level.setNumber(LaserSoundOff, 1); break;
      case 'i':
        // Every i line is a line of the information, empty first lines too, so that the
        // information reads back exactly as it was written.
        if (std::exchange(infoSeen, true)) info += "\r\n";
        info += restOfLine(line);
        break;
      case 'y':
        if (std::optional<std::string> word = firstWord(line); word && remainderCount < remainders.size())
          remainders[remainderCount++] = std::move(*word);
        break;
      case 'm': {
        size_t pos = 1;
        const std::optional<long long> width = parseInt(line, pos);
        const std::optional<long long> height = width ? parseInt(line, pos) : std::nullopt;
        if (!width || !height)
          throw LevelFormatError(std::string(fileName), reader.number(),
                                 TRANSLATABLE("Message", "the map header needs a width and a height"));
        if (*width < 1 || *width > Level::kMaxSize || *height < 1 || *height > Level::kMaxSize)
          throw LevelFormatError(std::string(fileName), reader.number(),
                                 {TRANSLATABLE("Message", "the map size %1 x %2 is outside 1 to %3"),
                                  {Message::value(std::to_string(*width)), Message::value(std::to_string(*height)),
                                   Message::value(std::to_string(Level::kMaxSize))}});
        level.setNumber(Width, static_cast<int>(*width));
        level.setNumber(Height, static_cast<int>(*height));
        std::string row;
        for (int y = 0; y < level.height(); ++y) {
          if (!reader.nextNonEmpty(row))
            throw LevelFormatError(std::string(fileName), reader.number(),
                                   {TRANSLATABLE("Message", "the file ends after %1 of %2 map rows"),
                                    {Message::value(std::to_string(y)), Message::value(std::to_string(level.height()))}});
          const int columns = std::min<int>(level.width(), static_cast<int>(row.size()));
          // A second map block is read over the first.
          for (int x = 0; x < columns; ++x)
            if (const int element = elementFromChar(row[x]); element != kNoElement) level.setElement(x, y, element);
        }
        break;
      }
      default: extraLines.push_back(line); break;
    }
  }
  set(Info, std::move(info));
  level.setRemainders(remainders);
  level.setExtraLines(std::move(extraLines));
  return level;
}
