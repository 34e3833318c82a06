#include "app/frame/toolbar_layout.h"

#include "app/commands/command_ids.h"

const QList<ToolbarLayout>& ToolbarLayouts() {
  static const QList<ToolbarLayout> layouts = {
      {bar::FILE, "File", cmd::VIEW_TOOLBAR,
       {cmd::FILE_NEW, cmd::FILE_OPEN, cmd::FILE_SAVE, 0, cmd::FILE_SEND_MAIL, 0, cmd::EDIT_CUT, cmd::EDIT_COPY,
        cmd::EDIT_PASTE, 0, cmd::FILE_PRINT, cmd::APP_ABOUT}},
      {bar::BASIC_ELEMENTS, "Basic Elements", cmd::VIEW_BASIC_ELEMENTS_BAR,
       {32789, 32790, 0, 32791, 32793, 32829, 32852, 32794, 32795, 32800, 0, 32799, 32796, 32797, 32798, 32857,
        32865, 32866, 32864, 0, 32812, 32831, 32843, 0, 32813, 32842, 32814, 32815, 32835}},
      {bar::MOVING_ELEMENTS, "Moving Elements", cmd::VIEW_MOVING_ELEMENTS_BAR,
       {32811, 32841, 0, 32826, 32827, 32828, 32825, 0, 32858, 32859, 32860, 32861, 0, 32821, 32819, 32823, 32824,
        32863, 32862}},
      {bar::DRAW_MODES, "Drawing Modes", cmd::VIEW_DRAW_MODES_BAR,
       {cmd::DRAW_MODE_FREE, cmd::DRAW_MODE_LINE, cmd::DRAW_MODE_FILL, cmd::DRAW_MODE_RECTANGLE,
        cmd::DRAW_MODE_FILLED_RECTANGLE, 0, cmd::DRAW_MODE_SELECTION}},
      {bar::DOORS_KEYS, "Doors & Keys", cmd::VIEW_DOORS_KEYS_BAR,
       {32801, 0, 32802, 32803, 32804, 32805, 0, 32806, 32807, 32808, 32810}},
      {bar::GRID, "Grid", cmd::VIEW_GRID_BAR,
       {cmd::GRID_15, cmd::GRID_30, cmd::GRID_60, 0, cmd::VIEW_GRID_SIZE, 0, cmd::VIEW_GRID}},
  };
  return layouts;
}
