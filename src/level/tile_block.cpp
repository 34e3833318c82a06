#include "level/tile_block.h"

#include <algorithm>

#include "level/level.h"

namespace {
// Text after a zero byte is not part of the block.
std::string_view blockPart(std::string_view text) { return text.substr(0, std::min(text.find('\0'), text.size())); }
}  // namespace

std::string tileBlockText(const Level& level, const CellRange& range) {
  std::string text;
  if (range.isEmpty()) return text;
  text.reserve(static_cast<size_t>(range.height()) * (range.width() + 1));
  for (int y = range.top; y <= range.bottom; ++y) {
    for (int x = range.left; x <= range.right; ++x) {
      const int element = level.element(x, y);
      text += element == kNoElement ? ' ' : charFromElement(element);
    }
    text += y < range.bottom ? '\n' : '\0';
  }
  return text;
}

CellRange tileBlockExtent(std::string_view text, CellPos topLeft) {
  text = blockPart(text);
  if (text.empty()) return {topLeft.x, topLeft.y, topLeft.x - 1, topLeft.y - 1};
  const size_t firstLineFeed = text.find('\n');
  // A text that starts with a line feed counts as one row as long as the whole text.
  if (firstLineFeed != std::string_view::npos && firstLineFeed > 0)
    return {topLeft.x, topLeft.y, topLeft.x + static_cast<int>(firstLineFeed) - 1,
            topLeft.y + static_cast<int>(std::count(text.begin(), text.end(), '\n'))};
  return {topLeft.x, topLeft.y, topLeft.x + static_cast<int>(text.size()) - 1, topLeft.y};
}

std::vector<CellWrite> tileBlockCells(std::string_view text, CellPos topLeft, const CellRange& within) {
  text = blockPart(text);
  std::vector<CellWrite> cells;
  size_t pos = 0;
  for (int y = topLeft.y; y <= within.bottom && pos < text.size(); ++y) {
    for (int x = topLeft.x; pos < text.size(); ++x) {
      if (x > within.right) {  // the rest of the row lies beyond
        const size_t lineFeed = text.find('\n', pos);
        pos = lineFeed == std::string_view::npos ? text.size() : lineFeed + 1;
        break;
      }
      const char c = text[pos++];
      if (c == '\n') break;
      if (within.contains(x, y)) cells.push_back({{x, y}, elementFromChar(c)});
    }
  }
  return cells;
}
