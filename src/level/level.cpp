#include "level/level.h"

#include <algorithm>

Level::Level() {
  using enum Property;
  m_texts[static_cast<int>(Artwork)] = "Default";
  m_texts[static_cast<int>(Sounds)] = "Default";
  m_texts[static_cast<int>(Difficulty)] = "0";
  m_texts[static_cast<int>(Pushing)] = "4";
  m_texts[static_cast<int>(Dispenser)] = "5";
  m_texts[static_cast<int>(Swamp)] = "30";
  m_texts[static_cast<int>(WheelTime)] = "30";
  m_texts[static_cast<int>(Emeralds)] = "*";
  m_texts[static_cast<int>(RobotSpeed)] = "3";
}

int Level::setElement(int x, int y, int element) {
  if (x < 0 || y < 0 || x >= kMaxSize || y >= kMaxSize) return kNoElement;
  if (element != kNoElement && !isElement(element)) return this->element(x, y);
  uint8_t& cell = m_cells[index(x, y)];
  const int old = cell - 1;
  m_emeraldTotal += emeraldValue(element) - emeraldValue(old);
  cell = static_cast<uint8_t>(element + 1);
  return old;
}

int Level::tileCount() const {
  return static_cast<int>(std::count_if(m_cells.begin(), m_cells.end(), [](uint8_t cell) { return cell != 0; }));
}

CellRange Level::usedExtent() const {
  CellRange extent{0, 0, 0, 0};
  for (int y = 0; y < kMaxSize; ++y)
    for (int x = 0; x < kMaxSize; ++x)
      if (m_cells[index(x, y)] != 0) {
        extent.right = std::max(extent.right, x);
        extent.bottom = std::max(extent.bottom, y);
      }
  return extent;
}

std::string Level::text(Property property) const {
  if (isNumberProperty(property)) return std::to_string(number(property));
  return m_texts[static_cast<int>(property)];
}

void Level::setText(Property property, std::string value) {
  if (!isNumberProperty(property)) m_texts[static_cast<int>(property)] = std::move(value);
}

int Level::number(Property property) const {
  switch (property) {
    case Property::Width: return m_width;
    case Property::Height: return m_height;
    case Property::YamYamSoundOff: return m_yamYamSoundOff ? 1 : 0;
    case Property::LaserSoundOff: return m_laserSoundOff ? 1 : 0;
    default: return 0;
  }
}

void Level::setNumber(Property property, int value) {
  switch (property) {
    case Property::Width: m_width = std::clamp(value, 1, kMaxSize); break;
    case Property::Height: m_height = std::clamp(value, 1, kMaxSize); break;
    case Property::YamYamSoundOff: m_yamYamSoundOff = value != 0; break;
    case Property::LaserSoundOff: m_laserSoundOff = value != 0; break;
    default: break;
  }
}
