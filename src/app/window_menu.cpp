// The Window menu: another window on the level, arranging the windows or showing them as tabs,
// going round them and between the two panes of one.
#include <QCoreApplication>
#include <QMdiArea>

#include "app/actions.h"
#include "app/menu_context.h"
#include "app/menu/menu_actions.h"
#include "app/level_window.h"
#include "app/main_window.h"
#include "app/open_levels.h"
#include "app/window_placement.h"

namespace {
struct WindowMenu {
  Q_DECLARE_TR_FUNCTIONS(WindowMenu)
};
}  // namespace

void addWindowMenu(MenuContext& context, Actions& actions) {
  MenuActions& menuActions = context.menuActions;
  MainWindow* main = &context.window;
  OpenLevels* levels = &context.levels;
  QMdiArea* area = main->mdiArea();
  const auto active = [&context] { return activeWindow(context); };
  const auto levelActive = [active] { return active() != nullptr; };
  const auto twoPanes = [active] { return active() && active()->formShown(); };
  // Tabs have no arrangement of their own.
  const auto arrangeable = [area] { return !area->subWindowList().isEmpty() && area->viewMode() == QMdiArea::SubWindowView; };
  const auto severalWindows = [area] { return area->subWindowList().size() > 1; };
  using Key = QKeySequence;
  Actions::Window& window = actions.window;

  window.newWindow = menuActions.add({.text = WindowMenu::tr("&New Window"),
                                   .prompt = WindowMenu::tr("Opens another window for the active level"),
                                   .tooltip = WindowMenu::tr("New Window"),
                                   .enabled = levelActive,
                                   .run = [levels, active] { levels->newWindow(active()->document()); }});
  window.cascade = menuActions.add({.text = WindowMenu::tr("&Cascade"),
                                 .prompt = WindowMenu::tr("Arranges windows so they overlap"),
                                 .tooltip = WindowMenu::tr("Cascade Windows"),
                                 .enabled = arrangeable,
                                 .run = [main] { cascadeWindows(*main); }});
  window.tileHorizontally = menuActions.add({.text = WindowMenu::tr("Tile &Horizontally"),
                                          .prompt = WindowMenu::tr("Arranges windows as non-overlapping tiles"),
                                          .tooltip = WindowMenu::tr("Tile Horizontally"),
                                          .enabled = arrangeable,
                                          .run = [main] { tileWindows(*main, true); }});
  window.tileVertically = menuActions.add({.text = WindowMenu::tr("Tile &Vertically"),
                                        .prompt = WindowMenu::tr("Arranges windows as non-overlapping tiles"),
                                        .tooltip = WindowMenu::tr("Tile Vertically"),
                                        .enabled = arrangeable,
                                        .run = [main] { tileWindows(*main, false); }});
  window.tabbed = menuActions.add({.text = WindowMenu::tr("&Tabbed"),
                                .prompt = WindowMenu::tr("Shows the level windows as tabs"),
                                .tooltip = WindowMenu::tr("Tabbed Windows"),
                                .checkable = true,
                                .checked = [main] { return main->isTabbed(); },
                                .run = [main] { main->setTabbed(!main->isTabbed()); }});
  window.next = menuActions.add({.text = WindowMenu::tr("Next Window"),
                              .keys = {Key(Qt::CTRL | Qt::Key_F6), Key(Qt::CTRL | Qt::Key_Tab)},
                              .prompt = WindowMenu::tr("Activates the next window"),
                              .tooltip = WindowMenu::tr("Next Window"),
                              .enabled = severalWindows,
                              .run = [area] { area->activateNextSubWindow(); }});
  window.previous =
      menuActions.add({.text = WindowMenu::tr("Previous Window"),
                    .keys = {Key(Qt::CTRL | Qt::SHIFT | Qt::Key_F6), Key(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab)},
                    .prompt = WindowMenu::tr("Activates the previous window"),
                    .tooltip = WindowMenu::tr("Previous Window"),
                    .enabled = severalWindows,
                    .run = [area] { area->activatePreviousSubWindow(); }});
  window.nextPane = menuActions.add({.text = WindowMenu::tr("Next Pane"),
                                  .keys = {Key(Qt::Key_F6)},
                                  .prompt = WindowMenu::tr("Switches to the next window pane"),
                                  .tooltip = WindowMenu::tr("Next Pane"),
                                  .enabled = twoPanes,
                                  .run = [active] { active()->focusOtherPane(); }});
  window.previousPane = menuActions.add({.text = WindowMenu::tr("Previous Pane"),
                                      .keys = {Key(Qt::SHIFT | Qt::Key_F6)},
                                      .prompt = WindowMenu::tr("Switches back to the previous window pane"),
                                      .tooltip = WindowMenu::tr("Previous Pane"),
                                      .enabled = twoPanes,
                                      .run = [active] { active()->focusOtherPane(); }});
}
