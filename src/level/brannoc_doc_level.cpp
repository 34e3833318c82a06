// The document's cells and properties to and from the level data that reading and writing use.
#include "level/brannoc_doc.h"
#include "level/level_io.h"
#include "level/properties.h"
#include "level/text_util.h"

Level CBrannocDoc::ToLevel() const {
  Level level;
  for (const PropertyInfo& info : propertyTable()) {
    const int id = static_cast<int>(info.property);
    if (isNumberProperty(info.property))
      level.setNumber(info.property, IntValue(*this, id));
    else
      level.setText(info.property, *StringField(*this, id));
  }
  // A size outside the store (set by a caller that did not check it) becomes the nearest one
  // the store has; setNumber keeps it within.
  for (int x = 0; x < MAX_LEVEL_SIZE; ++x)
    for (int y = 0; y < MAX_LEVEL_SIZE; ++y)
      if (const CTile* tile = m_grid[x][y].get()) level.setElement(x, y, tile->m_nElement);
  Level::Remainders remainders;
  for (size_t i = 0; i < remainders.size() && i < m_remainders.size(); ++i) remainders[i] = m_remainders[i];
  level.setRemainders(remainders);
  level.setExtraLines(m_extraLines);
  return level;
}

void CBrannocDoc::LoadLevel(const Level& level) {
  ResetToDefaults();
  for (const PropertyInfo& info : propertyTable()) {
    const int id = static_cast<int>(info.property);
    if (!isNumberProperty(info.property)) *StringField(*this, id) = level.text(info.property);
  }
  m_nWidth = level.width();
  m_nHeight = level.height();
  m_bYamYamSoundOff = level.number(Property::YamYamSoundOff) != 0;
  m_bLaserSoundOff = level.number(Property::LaserSoundOff) != 0;
  for (int x = 0; x < MAX_LEVEL_SIZE; ++x)
    for (int y = 0; y < MAX_LEVEL_SIZE; ++y)
      if (const int element = level.element(x, y); element != NO_ELEMENT) PlaceTile(x, y, element);
  m_remainders.assign(level.remainders().begin(), level.remainders().end());
  m_extraLines = level.extraLines();
}

void CBrannocDoc::ReadLevel(std::istream& in, std::string_view fileName) { LoadLevel(readLevel(in, fileName)); }

void CBrannocDoc::WriteLevel(std::ostream& out) { writeLevel(ToLevel(), out); }

void CBrannocDoc::WriteKeyLine(char key, std::string& value, std::ostream& out) {
  TrimRight(value);
  out << keyLine(key, value);
}
