#pragma once

// Hint numbers that documents send to their views (1 to 9 are not used).
constexpr int HINT_REFRESH = 0;        // anything may have changed
constexpr int HINT_CELL_CHANGED = 10;  // object: the cell's tile
constexpr int HINT_CELL_ERASED = 11;   // object: the former tile, destroyed right after
constexpr int HINT_CELL_SIZE = 12;     // object: the new cell size in pixels
constexpr int HINT_GRID_SIZE = 13;     // level width or height changed
constexpr int HINT_GRID_LINES = 14;    // grid lines toggled
constexpr int HINT_COMMIT_FORM = 15;   // about to save or close: forms apply pending edits
constexpr int HINT_ARTWORK = 16;       // the artwork set changed
constexpr int HINT_PROPERTIES = 17;    // properties changed by undo or redo
constexpr int HINT_REMAINDERS = 18;    // a form changed the remainder patterns
