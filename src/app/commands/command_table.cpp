#include "app/commands/command_table.h"

#include <QHash>

#include "app/commands/command_ids.h"
#include "level/elements.h"

namespace {

// A string-table entry: the prompt, a newline, the tooltip.
CommandInfo Make(int id, const QString& text, const QString& promptAndTip, QList<QKeySequence> keys = {},
                 bool checkable = false) {
  CommandInfo info;
  info.id = id;
  info.text = text;
  info.shortcuts = std::move(keys);
  const qsizetype newline = promptAndTip.indexOf('\n');
  info.prompt = newline < 0 ? promptAndTip : promptAndTip.left(newline);
  info.tooltip = newline < 0 ? QString() : promptAndTip.mid(newline + 1);
  info.checkable = checkable;
  return info;
}

QList<CommandInfo> BuildTable() {
  using QK = QKeySequence;
  QList<CommandInfo> t = {
      Make(cmd::FILE_NEW, "&New\tStrg+N", "Creates a new level\nNew (Ctrl+N)", {QK(Qt::CTRL | Qt::Key_N)}),
      Make(cmd::FILE_OPEN, "&Open...\tStrg+O", "Opens an existing level\nOpen (Ctrl+O)", {QK(Qt::CTRL | Qt::Key_O)}),
      Make(cmd::FILE_CLOSE, "&Close", "Closes the active level\nClose"),
      Make(cmd::FILE_SAVE, "&Save\tStrg+S", "Saves the active level\nSave (Ctrl+S)", {QK(Qt::CTRL | Qt::Key_S)}),
      Make(cmd::FILE_SAVE_AS, "Save &As...", "Saves the active level under a new name\nSave As"),
      Make(cmd::FILE_SEND_MAIL, "E-mail...", "Sends the active level as an e-mail attachment\nSend Mail"),
      Make(cmd::FILE_PRINT, "&Print...\tStrg+P", "Prints the level.\nPrint (Ctrl+P)", {QK(Qt::CTRL | Qt::Key_P)}),
      Make(cmd::FILE_PRINT_PREVIEW, "Print Pre&view", "Previews the level.\nPrint Preview"),
      Make(cmd::FILE_PRINT_SETUP, "P&rinter Setup...", "Changes the printer and printing options\nPrinter Setup"),
      Make(cmd::FILE_MRU_FILE1, "Recent File", "Opens this level"),
      Make(cmd::APP_EXIT, "E&xit", "Quits the application and asks to save levels\nExit"),
      Make(cmd::APP_ABOUT, "&About VOREL...", "Displays program information and version\nAbout"),

      Make(cmd::EDIT_UNDO, "&Undo\tCtrl+Z", "Undoes the last action\nUndo (Ctrl+Z)",
           {QK(Qt::CTRL | Qt::Key_Z), QK(Qt::ALT | Qt::Key_Backspace)}),
      Make(cmd::EDIT_REDO, "&Redo\tCtrl+Y", "Redoes the last action\nRedo (Ctrl+Y)", {QK(Qt::CTRL | Qt::Key_Y)}),
      Make(cmd::EDIT_CUT, "Cu&t\tCtrl+X", "Cuts the selection and moves it to the Clipboard.\nCut (Ctrl+X)",
           {QK(Qt::CTRL | Qt::Key_X), QK(Qt::SHIFT | Qt::Key_Delete)}),
      Make(cmd::EDIT_COPY, "&Copy\tCtrl+C", "Copies the selection to the Clipboard.\nCopy (Ctrl+C)",
           {QK(Qt::CTRL | Qt::Key_C), QK(Qt::CTRL | Qt::Key_Insert)}),
      Make(cmd::EDIT_PASTE, "&Paste\tCtrl+V", "Inserts the Clipboard contents at the insertion point.\nPaste (Ctrl+V)",
           {QK(Qt::CTRL | Qt::Key_V), QK(Qt::SHIFT | Qt::Key_Insert)}),

      Make(cmd::VIEW_TOOLBAR, "&File", "Shows or hides the file toolbar\nToggle File Bar", {}, true),
      Make(cmd::VIEW_BASIC_ELEMENTS_BAR, "&Basic Elements", "Shows or hides the basic elements\nToggle Basic Elements",
           {}, true),
      Make(cmd::VIEW_MOVING_ELEMENTS_BAR, "&Moving Elements",
           "Shows or hides the moving elements\nToggle Moving Elements", {}, true),
      Make(cmd::VIEW_DOORS_KEYS_BAR, "&Doors && Keys", "Shows or hides the doors and keys\nToggle Doors & Keys", {},
           true),
      Make(cmd::VIEW_DRAW_MODES_BAR, "D&raw Modes", "Shows or hides the drawing modes\nToggle Draw Modes", {}, true),
      Make(cmd::VIEW_GRID_BAR, "&Grid", "Shows or hides the grid toolbar\nToggle Grid Bar", {}, true),
      Make(cmd::VIEW_STATUS_BAR, "&Statusbar", "Shows or hides the status bar\nToggle Status Bar", {}, true),
      Make(cmd::VIEW_REDRAW, "Redraw", "Redraws the level\nRedraw (F5)", {QK(Qt::Key_F5)}),
      Make(cmd::VIEW_GRID, "Grid\tStrg+G", "Show/Hide Grid\nShow/Hide Grid (Ctrl + G)", {QK(Qt::CTRL | Qt::Key_G)},
           true),
      Make(cmd::VIEW_GRID_SIZE, "Gridsize...", "Changes the gridsize\nCustom Gridsize"),
      Make(cmd::GRID_15, "15", "Set the gridsize to 15x15 Pixel\nGridsize 15 Pixel", {}, true),
      Make(cmd::GRID_30, "30", "Set the gridsize to 30x30 Pixel\nGridsize 30 Pixel", {}, true),
      Make(cmd::GRID_60, "60", "Set the gridsize to 60x60 Pixel\nGridsize 60 Pixel", {}, true),

      Make(cmd::DRAW_MODE_FREE, "Free Draw", "Free Draw Mode\nFree Draw", {}, true),
      Make(cmd::DRAW_MODE_LINE, "Line", "Line Mode\nLine", {}, true),
      Make(cmd::DRAW_MODE_FILL, "Fill", "Fill Mode\nFill", {}, true),
      Make(cmd::DRAW_MODE_RECTANGLE, "Rectangle", "Rectangle Mode\nRectangle", {}, true),
      Make(cmd::DRAW_MODE_FILLED_RECTANGLE, "Filled Rectangle", "Filled Rectangle Mode\nFilled Rectangle", {}, true),
      Make(cmd::DRAW_MODE_SELECTION, "Selection", "Selection Mode\nSelection", {}, true),

      Make(cmd::WINDOW_NEW, "&New Window", "Opens another window for the active level\nNew Window"),
      Make(cmd::WINDOW_CASCADE, "&Cascade", "Arranges windows so they overlap\nCascade Windows"),
      Make(cmd::WINDOW_TILE_HORZ, "Tile &Horizontally", "Arranges windows as non-overlapping tiles\nTile Horizontally"),
      Make(cmd::WINDOW_TILE_VERT, "Tile &Vertically", "Arranges windows as non-overlapping tiles\nTile Vertically"),
      Make(cmd::WINDOW_NEXT, "Next Window", "Activates the next window\nNext Window",
           {QK(Qt::CTRL | Qt::Key_F6), QK(Qt::CTRL | Qt::Key_Tab)}),
      Make(cmd::WINDOW_PREV, "Previous Window", "Activates the previous window\nPrevious Window",
           {QK(Qt::CTRL | Qt::SHIFT | Qt::Key_F6), QK(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab)}),
      Make(cmd::NEXT_PANE, "Next Pane", "Switches to the next window pane\nNext Pane", {QK(Qt::Key_F6)}),
      Make(cmd::PREV_PANE, "Previous Pane", "Switches back to the previous window pane\nPrevious Pane",
           {QK(Qt::SHIFT | Qt::Key_F6)}),
  };
  // The palette: the element's name is its prompt and its tooltip, where it has a string at all.
  // The others get no text either, since a button without a tooltip of its own shows its text.
  for (const ElementInfo& e : ElementTable()) {
    const QString name = e.hasCommandString ? QString::fromLatin1(e.name) : QString();
    t.append(Make(e.commandId, name, e.hasCommandString ? name + "\n" + name : QString(), {}, true));
  }
  return t;
}

}  // namespace

const QList<CommandInfo>& CommandTable() {
  static const QList<CommandInfo> table = BuildTable();
  return table;
}

const CommandInfo* FindCommand(int id) {
  static const QHash<int, qsizetype> index = [] {
    QHash<int, qsizetype> map;
    for (qsizetype i = 0; i < CommandTable().size(); ++i) map.insert(CommandTable()[i].id, i);
    return map;
  }();
  const auto it = index.find(id);
  return it == index.end() ? nullptr : &CommandTable()[*it];
}
