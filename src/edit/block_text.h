#pragma once

#include <string>
#include <string_view>

#include "level/brannoc_doc.h"
#include "level/geometry.h"

// A tile block text spells a rectangle of cells row by row, top row first: one element
// character per cell (a space for an empty one), a line feed after every row but the last and
// a zero byte after the last, h x (w + 1) bytes in all. It is the clipboard's data and what
// the rectangle tools paste.

// Normalises the rectangle in place and returns the text of those cells, zero byte included.
// Cells outside the cell store read as empty.
std::string BlockText(const CBrannocDoc& doc, CRect& cells);

// Keeps cells.left and cells.top and sets right and bottom to the extent of the text placed
// there; reads up to the zero byte or the end of the text. An empty text changes nothing.
void BlockExtent(std::string_view text, CRect& cells);
