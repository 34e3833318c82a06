#include "level/level_checks.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>

#include "level/level.h"
#include "level/text_util.h"

namespace {

namespace fs = std::filesystem;

// The first cell of each element, row by row; one pass serves every check that looks for one.
using FirstCells = std::array<std::optional<CellPos>, kElementCount>;
FirstCells firstCells(const Level& level) {
  FirstCells first;
  for (int y = 0; y < level.height(); ++y)
    for (int x = 0; x < level.width(); ++x) {
      const int element = level.element(x, y);
      if (element != kNoElement && !first[element]) first[element] = CellPos{x, y};
    }
  return first;
}

std::string trimmed(std::string_view text) {
  std::string_view t = trimmedRight(text);
  while (!t.empty() && isBlank(t.front())) t.remove_prefix(1);
  return std::string(t);
}

// A byte the code page leaves undefined, or a control character nobody can type into a field.
bool isForeign(unsigned char c, bool lineBreaksAllowed) {
  if (c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D) return true;
  if (c == '\t' || (lineBreaksAllowed && (c == '\r' || c == '\n'))) return false;
  return c < 0x20 || c == 0x7F;
}

// The level name stored in a level file, read from its "n" line only.
std::string storedName(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::string line;
  for (int lines = 0; lines < 200 && std::getline(in, line); ++lines) {
    if (line.rfind("m ", 0) == 0) break;  // the map comes after the properties
    if (line.size() >= 2 && line[0] == 'n' && line[1] == ' ') return trimmed(line.substr(2));
  }
  return {};
}

// Whether a level of the folder is the one `name` names: by its file name without ".lev" or by
// its level name, ignoring letter case and surrounding blanks.
bool folderHasLevel(const fs::path& folder, const fs::path& self, const std::string& name) {
  std::error_code error;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
    const fs::path& file = entry.path();
    if (!equalsNoCase(file.extension().string(), ".lev") || !entry.is_regular_file(error)) continue;
    if (fs::equivalent(file, self, error)) continue;
    if (equalsNoCase(file.stem().string(), name) || equalsNoCase(storedName(file), name)) return true;
  }
  return false;
}

LevelWarning warning(Message message, std::optional<CellPos> cell, std::optional<Property> property) {
  std::string text = message.english();
  return {std::move(text), cell, property, std::move(message)};
}

}  // namespace

std::vector<LevelWarning> checkLevel(const Level& level, const std::string& path) {
  std::vector<LevelWarning> warnings;
  const FirstCells first = firstCells(level);
  if (!first[EL_PLAYER1]) warnings.push_back(warning({TRANSLATABLE("Message", "no Player 1")}, {}, {}));
  if (!first[EL_EXIT]) warnings.push_back(warning({TRANSLATABLE("Message", "no Exit")}, {}, {}));

  const std::string toCollect = trimmed(level.text(Property::Emeralds));
  if (!toCollect.empty() && toCollect.size() < 10 &&
      toCollect.find_first_not_of("0123456789") == std::string::npos && std::stoi(toCollect) > level.emeraldTotal())
    warnings.push_back(warning({TRANSLATABLE("Message", "Emeralds to collect is %1, but the level holds only %2"),
                                {Message::value(toCollect), Message::value(std::to_string(level.emeraldTotal()))}},
                               {}, Property::Emeralds));

  // Whole sentences per colour: other languages inflect the colour with the noun.
  struct Colour {
    int key;
    int door;
    const char* keyAlone;
    const char* doorAlone;
  };
  constexpr std::array<Colour, 4> colours = {{
      {EL_BLUE_KEY, EL_BLUE_DOOR, TRANSLATABLE("Message", "a blue key but no blue door"),
       TRANSLATABLE("Message", "a blue door but no blue key")},
      {EL_RED_KEY, EL_RED_DOOR, TRANSLATABLE("Message", "a red key but no red door"),
       TRANSLATABLE("Message", "a red door but no red key")},
      {EL_GREEN_KEY, EL_GREEN_DOOR, TRANSLATABLE("Message", "a green key but no green door"),
       TRANSLATABLE("Message", "a green door but no green key")},
      {EL_YELLOW_KEY, EL_YELLOW_DOOR, TRANSLATABLE("Message", "a yellow key but no yellow door"),
       TRANSLATABLE("Message", "a yellow door but no yellow key")},
  }};
  for (const Colour& colour : colours) {
    const std::optional<CellPos> key = first[colour.key], door = first[colour.door];
    if (key && !door) warnings.push_back(warning({colour.keyAlone}, key, {}));
    if (door && !key) warnings.push_back(warning({colour.doorAlone}, door, {}));
  }

  for (const PropertyInfo& info : propertyTable()) {
    if (isNumberProperty(info.property) || !info.label) continue;
    const std::string value = level.text(info.property);
    const bool lineBreaks = info.property == Property::Info;
    if (std::any_of(value.begin(), value.end(), [&](char c) { return isForeign(static_cast<unsigned char>(c), lineBreaks); }))
      warnings.push_back(warning({TRANSLATABLE("Message", "\"%1\" holds characters a level file cannot show as typed"),
                                  {{info.label, {}, "Property"}}},
                                 {}, info.property));
  }

  const std::string next = trimmed(level.text(Property::NextLevel));
  if (!path.empty() && !next.empty()) {
    const fs::path self(path);
    if (!folderHasLevel(self.parent_path().empty() ? fs::path(".") : self.parent_path(), self, next))
      warnings.push_back(warning({TRANSLATABLE("Message", "Next level \"%1\" is not a level of this folder"),
                                  {Message::value(next)}},
                                 {}, Property::NextLevel));
  }
  return warnings;
}
