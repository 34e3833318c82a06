#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "level/cell_range.h"
#include "level/elements.h"
#include "level/property.h"

// The data of one level: a flat store of 126 x 126 cells (one byte each) of which the first
// width x height are in use, the properties, the yam-yam remainder patterns and the file lines
// no key stands for. It keeps its own invariants: the emerald total is always the sum over the
// store, the size stays within 1 to 126, cells hold an element or nothing.
class Level {
 public:
  static constexpr int kMaxSize = 126;
  static constexpr int kRemainderSlots = 20;
  using Remainders = std::array<std::string, kRemainderSlots>;  // 9 element characters, "" = empty

  // A new level: 126 x 126 empty cells and the default properties.
  Level();

  int width() const { return m_width; }
  int height() const { return m_height; }
  // Inside the level's width and height (and so inside the store).
  bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }
  CellRange bounds() const { return {0, 0, m_width - 1, m_height - 1}; }

  // The element of a store cell; kNoElement when it is empty or outside the store. Cells
  // beyond the width and height keep their elements, so shrinking a level loses nothing.
  int element(int x, int y) const {
    if (x < 0 || y < 0 || x >= kMaxSize || y >= kMaxSize) return kNoElement;
    return m_cells[index(x, y)] - 1;
  }
  // Gives a store cell an element (kNoElement empties it); returns what it held before.
  // Cells outside the store and values that name no element change nothing.
  int setElement(int x, int y, int element);

  int emeraldTotal() const { return m_emeraldTotal; }
  int tileCount() const;
  // The smallest range from cell (0, 0) that holds every non-empty cell; 1 x 1 at least.
  CellRange usedExtent() const;

  // Text properties; a number property reads as its decimal text.
  std::string text(Property property) const;
  void setText(Property property, std::string value);
  // Number properties (width and height are kept within 1 to 126, the switches at 0 or 1);
  // a text property reads as 0 and is not changed by setNumber.
  int number(Property property) const;
  void setNumber(Property property, int value);

  const Remainders& remainders() const { return m_remainders; }
  void setRemainders(const Remainders& remainders) { m_remainders = remainders; }

  const std::vector<std::string>& extraLines() const { return m_extraLines; }
  void setExtraLines(std::vector<std::string> lines) { m_extraLines = std::move(lines); }

  bool operator==(const Level&) const = default;

 private:
  static int index(int x, int y) { return y * kMaxSize + x; }

  std::array<uint8_t, kMaxSize * kMaxSize> m_cells{};  // element + 1; 0 is an empty cell
  int m_width = kMaxSize;
  int m_height = kMaxSize;
  int m_emeraldTotal = 0;
  std::array<std::string, kPropertyCount> m_texts;  // the slots of number properties stay empty
  bool m_yamYamSoundOff = false;
  bool m_laserSoundOff = false;
  Remainders m_remainders;
  std::vector<std::string> m_extraLines;
};
