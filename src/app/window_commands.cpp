// The Window menu: another window on the level, arranging the windows, going round them and
// between the two panes of one.
#include <QMdiArea>

#include "app/actions.h"
#include "app/command_context.h"
#include "app/commands/command_set.h"
#include "app/level_window.h"
#include "app/main_window.h"
#include "app/open_levels.h"
#include "app/window_placement.h"

void addWindowCommands(CommandContext& context, Actions& actions) {
  CommandSet& commands = context.commands;
  MainWindow* main = &context.window;
  OpenLevels* levels = &context.levels;
  QMdiArea* area = main->mdiArea();
  const auto active = [&context] { return activeWindow(context); };
  const auto levelActive = [active] { return active() != nullptr; };
  const auto anyWindow = [area] { return !area->subWindowList().isEmpty(); };
  const auto severalWindows = [area] { return area->subWindowList().size() > 1; };
  using Key = QKeySequence;
  Actions::Window& window = actions.window;

  window.newWindow = commands.add({.text = "&New Window", .prompt = "Opens another window for the active level",
                                   .tooltip = "New Window", .enabled = levelActive,
                                   .run = [levels, active] { levels->newWindow(active()->document()); }});
  window.cascade = commands.add({.text = "&Cascade", .prompt = "Arranges windows so they overlap",
                                 .tooltip = "Cascade Windows", .enabled = anyWindow,
                                 .run = [main] { cascadeWindows(*main); }});
  window.tileHorizontally = commands.add({.text = "Tile &Horizontally",
                                          .prompt = "Arranges windows as non-overlapping tiles",
                                          .tooltip = "Tile Horizontally", .enabled = anyWindow,
                                          .run = [main] { tileWindows(*main, true); }});
  window.tileVertically = commands.add({.text = "Tile &Vertically",
                                        .prompt = "Arranges windows as non-overlapping tiles",
                                        .tooltip = "Tile Vertically", .enabled = anyWindow,
                                        .run = [main] { tileWindows(*main, false); }});
  window.next = commands.add({.text = "Next Window",
                              .keys = {Key(Qt::CTRL | Qt::Key_F6), Key(Qt::CTRL | Qt::Key_Tab)},
                              .prompt = "Activates the next window", .tooltip = "Next Window",
                              .enabled = severalWindows, .run = [area] { area->activateNextSubWindow(); }});
  window.previous = commands.add({.text = "Previous Window",
                                  .keys = {Key(Qt::CTRL | Qt::SHIFT | Qt::Key_F6), Key(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab)},
                                  .prompt = "Activates the previous window", .tooltip = "Previous Window",
                                  .enabled = severalWindows, .run = [area] { area->activatePreviousSubWindow(); }});
  window.nextPane = commands.add({.text = "Next Pane", .keys = {Key(Qt::Key_F6)},
                                  .prompt = "Switches to the next window pane", .tooltip = "Next Pane",
                                  .enabled = levelActive, .run = [active] { active()->focusOtherPane(); }});
  window.previousPane = commands.add({.text = "Previous Pane", .keys = {Key(Qt::SHIFT | Qt::Key_F6)},
                                      .prompt = "Switches back to the previous window pane",
                                      .tooltip = "Previous Pane", .enabled = levelActive,
                                      .run = [active] { active()->focusOtherPane(); }});
}
