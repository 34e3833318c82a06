#include "edit/block_text.h"

#include <algorithm>

std::string BlockText(const CBrannocDoc& doc, CRect& cells) {
  cells.Normalize();
  const int width = cells.right - cells.left + 1;
  const int height = cells.bottom - cells.top + 1;
  std::string text;
  text.reserve(static_cast<size_t>(height) * (width + 1));
  for (int y = cells.top; y <= cells.bottom; ++y) {
    for (int x = cells.left; x <= cells.right; ++x) {
      const CTile* tile = doc.GetTile(x, y);
      text += tile ? tile->m_cCharacter : ' ';
    }
    text += y < cells.bottom ? '\n' : '\0';
  }
  return text;
}

void BlockExtent(std::string_view text, CRect& cells) {
  text = text.substr(0, std::min(text.find('\0'), text.size()));
  if (text.empty()) return;
  const size_t firstLineFeed = text.find('\n');
  // A text that starts with a line feed counts as one row as long as the whole text.
  if (firstLineFeed != std::string_view::npos && firstLineFeed > 0) {
    cells.right = cells.left + static_cast<int>(firstLineFeed) - 1;
    cells.bottom = cells.top + static_cast<int>(std::count(text.begin(), text.end(), '\n'));
  } else {
    cells.right = cells.left + static_cast<int>(text.size()) - 1;
    cells.bottom = cells.top;
  }
}
