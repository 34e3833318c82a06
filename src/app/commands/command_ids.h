#pragma once

// Command ids of the editor. Element palette commands are in the element table.
namespace cmd {

// File
constexpr int FILE_NEW = 57600;
constexpr int FILE_OPEN = 57601;
constexpr int FILE_CLOSE = 57602;
constexpr int FILE_SAVE = 57603;
constexpr int FILE_SAVE_AS = 57604;
constexpr int FILE_PRINT_SETUP = 57606;
constexpr int FILE_PRINT = 57607;
constexpr int FILE_PRINT_PREVIEW = 57609;
constexpr int FILE_SEND_MAIL = 57612;
constexpr int FILE_MRU_FILE1 = 57616;  // first of the four recent-file entries
constexpr int APP_EXIT = 57665;
constexpr int APP_ABOUT = 57664;

// Edit
constexpr int EDIT_COPY = 57634;
constexpr int EDIT_CUT = 57635;
constexpr int EDIT_PASTE = 57637;
constexpr int EDIT_UNDO = 57643;
constexpr int EDIT_REDO = 57644;

// View: toolbars and status bar
constexpr int VIEW_TOOLBAR = 59392;  // the file bar
constexpr int VIEW_STATUS_BAR = 59393;
constexpr int VIEW_BASIC_ELEMENTS_BAR = 32832;
constexpr int VIEW_MOVING_ELEMENTS_BAR = 32833;
constexpr int VIEW_DOORS_KEYS_BAR = 32834;
constexpr int VIEW_DRAW_MODES_BAR = 32840;
constexpr int VIEW_GRID_BAR = 32849;

// View: the level
constexpr int VIEW_REDRAW = 32771;
constexpr int VIEW_GRID = 32772;
constexpr int VIEW_GRID_SIZE = 32773;
constexpr int GRID_15 = 32844;
constexpr int GRID_30 = 32845;
constexpr int GRID_60 = 32846;

// Drawing modes
constexpr int DRAW_MODE_FREE = 32837;
constexpr int DRAW_MODE_LINE = 32856;
constexpr int DRAW_MODE_FILL = 32839;
constexpr int DRAW_MODE_RECTANGLE = 32853;
constexpr int DRAW_MODE_FILLED_RECTANGLE = 32854;
constexpr int DRAW_MODE_SELECTION = 32850;

// Window
constexpr int WINDOW_NEW = 57648;
constexpr int WINDOW_CASCADE = 57650;
constexpr int WINDOW_TILE_HORZ = 57651;
constexpr int WINDOW_TILE_VERT = 57652;
constexpr int WINDOW_NEXT = 61504;
constexpr int WINDOW_PREV = 61520;
constexpr int NEXT_PANE = 57680;
constexpr int PREV_PANE = 57681;

}  // namespace cmd

// Toolbar resource numbers; each bar's show/hide command is listed beside it in the bar table.
namespace bar {
constexpr int FILE = 128;
constexpr int BASIC_ELEMENTS = 130;
constexpr int DOORS_KEYS = 133;
constexpr int MOVING_ELEMENTS = 135;
constexpr int DRAW_MODES = 182;
constexpr int GRID = 192;
}  // namespace bar
