#pragma once

#include "level/cell_range.h"
#include "level/property.h"

// What one change of a level touched, as its document tells the observers right after it.
struct LevelChange {
  enum class Kind {
    Cells,       // cells inside `cells` changed
    Property,    // `property` changed (Width or Height: the size)
    Remainders,  // the yam-yam remainder patterns changed
    Everything   // the whole level was replaced
  };
  Kind kind = Kind::Everything;
  CellRange cells;
  Property property = Property::Name;

  static LevelChange ofCells(const CellRange& cells) { return {Kind::Cells, cells, Property::Name}; }
  static LevelChange ofProperty(Property property) { return {Kind::Property, {}, property}; }
  static LevelChange ofRemainders() { return {Kind::Remainders, {}, Property::Name}; }
  bool isSize() const { return kind == Kind::Property && (property == Property::Width || property == Property::Height); }
  bool operator==(const LevelChange&) const = default;
};
