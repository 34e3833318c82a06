#include "level/tile_block.h"

#include <algorithm>

#include "level/level.h"

std::string tileBlockText(const Level& level, const CellRange& range) {
  std::string text;
  if (range.isEmpty()) return text;
  text.reserve(static_cast<size_t>(range.height()) * (range.width() + 1));
  for (int y = range.top; y <= range.bottom; ++y) {
    for (int x = range.left; x <= range.right; ++x) {
      const int element = level.element(x, y);
      text += element == NO_ELEMENT ? ' ' : CharFromElement(element);
    }
    text += y < range.bottom ? '\n' : '\0';
  }
  return text;
}

CellRange tileBlockExtent(std::string_view text, CellPos topLeft) {
  text = text.substr(0, std::min(text.find('\0'), text.size()));
  if (text.empty()) return {topLeft.x, topLeft.y, topLeft.x - 1, topLeft.y - 1};
  const size_t firstLineFeed = text.find('\n');
  // A text that starts with a line feed counts as one row as long as the whole text.
  if (firstLineFeed != std::string_view::npos && firstLineFeed > 0)
    return {topLeft.x, topLeft.y, topLeft.x + static_cast<int>(firstLineFeed) - 1,
            topLeft.y + static_cast<int>(std::count(text.begin(), text.end(), '\n'))};
  return {topLeft.x, topLeft.y, topLeft.x + static_cast<int>(text.size()) - 1, topLeft.y};
}
