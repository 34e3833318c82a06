#pragma once

#include <QCursor>

#include "view/level_view_state.h"

// The mouse cursor of a drawing mode: the program's own pictures with a cross-hair at the hot
// spot for free draw, fill, rectangle, filled rectangle and line; the arrow for selection.
QCursor toolCursor(LevelViewState::DrawMode mode);
