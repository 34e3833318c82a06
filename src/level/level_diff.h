#pragma once

#include <optional>
#include <string>
#include <vector>

#include "level/cell_range.h"
#include "level/level.h"
#include "level/message.h"
#include "level/property.h"

// One way in which a level differs from another, as a designer would say it.
struct LevelDifference {
  enum class Kind { Property, Cells, Remainder, ExtraLineAdded, ExtraLineRemoved };
  Kind kind = Kind::Cells;
  std::optional<Property> property;  // Property
  CellRange cells;                    // Cells: every cell of the range changed alike
  int oldElement = kNoElement;        // Cells
  int newElement = kNoElement;
  int remainder = -1;                 // Remainder: the slot, from 0
  std::string oldValue;               // Property, Remainder, extra lines: the file's bytes
  std::string newValue;

  // "cell 3, 4: Empty -> Emerald", "property Level name: "A" -> "B""; level text as UTF-8.
  Message message() const;
  std::string text() const;  // message().english(), quickly: thousands of cells may differ
  bool operator==(const LevelDifference&) const = default;
};

// What changed from `before` to `after`: properties in the form's order, then the cells (row
// by row; neighbouring cells changed alike are one rectangle), the remainders, the extra lines.
// Cells are compared wherever either level shows them; the rest of the store is not saved.
std::vector<LevelDifference> diffLevels(const Level& before, const Level& after);

// A property's value as a difference shows it: quoted text, a number, "yes" or "no".
Message propertyValueText(Property property, const std::string& value);
// An element's name as a difference shows it; "Empty" for no element.
Message elementText(int element);
