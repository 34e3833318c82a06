#pragma once

#include <span>
#include <string_view>

#include "level/cell_range.h"

class LevelDocument;

// Each returns how many cells changed; cells outside the level are left out.

// Gives one cell an element, as a "Draw" step ("Erase" for kNoElement, which empties it).
int setCell(LevelDocument& document, CellPos cell, int element);
// Gives each listed cell the element, as one step named `name`.
int setCells(LevelDocument& document, std::span<const CellPos> cells, int element, std::string_view name);
