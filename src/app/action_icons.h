#pragma once

#include <QIcon>

// The toolbar pictures of the menu actions that are not elements, drawn by the program itself.
enum class ActionIcon {
  NewLevel, Open, Save, SendMail, Cut, Copy, Paste, Print, About, FreeDraw, Line, Fill, Rectangle,
  FilledRectangle, Selection, CellSize15, CellSize30, CellSize60, GridSize, Grid
};

QIcon actionIcon(ActionIcon icon);
