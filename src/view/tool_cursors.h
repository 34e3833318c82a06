#pragma once

#include <QCursor>

// The mouse cursor of a drawing mode: the program's own pictures with a cross-hair at the hot
// spot for free draw, fill, rectangle, filled rectangle and line; the arrow for selection.
QCursor ToolCursor(int drawMode);
