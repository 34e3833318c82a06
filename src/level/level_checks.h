#pragma once

#include <optional>
#include <string>
#include <vector>

#include "level/cell_range.h"
#include "level/message.h"
#include "level/property.h"

class Level;

// Something a designer would want to know before publishing a level. Warnings never stop
// the level from being opened or saved.
struct LevelWarning {
  std::string text;                   // "no Player 1", "a blue key but no blue door", ...
  std::optional<CellPos> cell;        // the cell it is about, where it has one
  std::optional<Property> property;   // the property it is about, where it has one
  Message translatable{};             // the text as the editor shows it; values in level text
  // The English text stands for the message.
  bool operator==(const LevelWarning& other) const {
    return text == other.text && cell == other.cell && property == other.property;
  }
};

// The warnings of a level. `path` is the level's file, empty for a level that has none; only
// with a file is "Next level" looked for among the levels of the same folder.
std::vector<LevelWarning> checkLevel(const Level& level, const std::string& path = {});
