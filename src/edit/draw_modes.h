#pragma once

// How the mouse edits a level; each document keeps its own mode.
constexpr int DRAW_CURRENT = 0;  // mode argument: the document's own drawing mode
constexpr int DRAW_FREE = 1;
constexpr int DRAW_FILL = 2;
constexpr int DRAW_SELECTION = 3;
constexpr int DRAW_RECTANGLE = 4;
constexpr int DRAW_FILLED_RECTANGLE = 5;
constexpr int DRAW_LINE = 6;
