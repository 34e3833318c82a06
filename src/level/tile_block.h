#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "level/cell_range.h"

class Level;

// A tile block text spells a rectangle of cells row by row, top row first: one element
// character per cell (a space for an empty one), a line feed after every row but the last and
// a zero byte after the last, h x (w + 1) bytes in all. It is the clipboard's data.

// The text of the cells of `range`, zero byte included; cells outside the store read as empty.
std::string tileBlockText(const Level& level, const CellRange& range);

// The cells a text covers when its first cell is `topLeft`; read up to the zero byte or the
// end of the text. An empty text covers nothing.
CellRange tileBlockExtent(std::string_view text, CellPos topLeft);

// The cells a text writes when its first cell is `topLeft`, each with the element of its
// character (one that names no element empties its cell); a row ends at its line feed. Cells
// outside `within` are left out. Read up to the zero byte or the end of the text.
std::vector<CellWrite> tileBlockCells(std::string_view text, CellPos topLeft, const CellRange& within);
