// The View menu: toolbars, status bar, the Problems and Level Pack panels, grid lines, cell sizes, zoom and
// redrawing the level.
#include <QCoreApplication>
#include <QDockWidget>
#include <QStatusBar>
#include <QToolBar>

#include "app/actions.h"
#include "app/menu_context.h"
#include "app/action_icons.h"
#include "app/menu/menu_actions.h"
#include "app/level_window.h"
#include "app/main_window.h"
#include "app/problems_panel.h"
#include "view/grid_size_dialog.h"
#include "view/level_view.h"
#include "view/level_view_state.h"

namespace {

struct ViewMenu {
  Q_DECLARE_TR_FUNCTIONS(ViewMenu)
};

// Shows or hides a bar; the check mark says whether it shows, however it was hidden.
MenuAction barToggle(QWidget* bar, const QString& text, const QString& prompt, const QString& tooltip) {
  return {.text = text, .prompt = prompt, .tooltip = tooltip, .checkable = true,
          .checked = [bar] { return !bar->isHidden(); }, .run = [bar] { bar->setVisible(bar->isHidden()); }};
}

}  // namespace

void addViewMenu(MenuContext& context, Actions& actions) {
  MenuActions& menuActions = context.menuActions;
  MainWindow& window = context.window;
  Actions::View& view = actions.view;
  const auto bar = [&window](MainWindow::Toolbar which) { return window.toolbar(which); };
  using Bar = MainWindow::Toolbar;

  view.fileBar =
      menuActions.add(barToggle(bar(Bar::File), ViewMenu::tr("&File"), ViewMenu::tr("Shows or hides the file toolbar"),
                             ViewMenu::tr("Toggle File Bar")));
  view.basicElementsBar =
      menuActions.add(barToggle(bar(Bar::BasicElements), ViewMenu::tr("&Basic Elements"),
                             ViewMenu::tr("Shows or hides the basic elements"), ViewMenu::tr("Toggle Basic Elements")));
  view.movingElementsBar = menuActions.add(barToggle(bar(Bar::MovingElements), ViewMenu::tr("&Moving Elements"),
                                                  ViewMenu::tr("Shows or hides the moving elements"),
                                                  ViewMenu::tr("Toggle Moving Elements")));
  view.doorsKeysBar =
      menuActions.add(barToggle(bar(Bar::DoorsAndKeys), ViewMenu::tr("&Doors && Keys"),
                             ViewMenu::tr("Shows or hides the doors and keys"), ViewMenu::tr("Toggle Doors & Keys")));
  view.drawModesBar =
      menuActions.add(barToggle(bar(Bar::DrawModes), ViewMenu::tr("D&raw Modes"),
                             ViewMenu::tr("Shows or hides the drawing modes"), ViewMenu::tr("Toggle Draw Modes")));
  view.gridBar =
      menuActions.add(barToggle(bar(Bar::Grid), ViewMenu::tr("&Grid"), ViewMenu::tr("Shows or hides the grid toolbar"),
                             ViewMenu::tr("Toggle Grid Bar")));
  view.statusBar =
      menuActions.add(barToggle(window.statusBar(), ViewMenu::tr("&Statusbar"),
                             ViewMenu::tr("Shows or hides the status bar"), ViewMenu::tr("Toggle Status Bar")));
  view.problemsPanel = menuActions.add(barToggle(window.problemsPanel(), ViewMenu::tr("&Problems"),
                                              ViewMenu::tr("Shows or hides the problems of the level"),
                                              ViewMenu::tr("Toggle Problems")));
  view.levelPack = menuActions.add(barToggle(window.levelPackDock(), ViewMenu::tr("&Level Pack"),
                                          ViewMenu::tr("Shows or hides the levels of the active level's folder"),
                                          ViewMenu::tr("Toggle Level Pack")));
  view.properties = menuActions.add({.text = ViewMenu::tr("Prop&erties"),
                                  .keys = {QKeySequence(Qt::Key_F9)},
                                  .prompt = ViewMenu::tr("Shows or hides the property form in every level window"),
                                  .tooltip = ViewMenu::tr("Toggle Properties (F9)"),
                                  .checkable = true,
                                  .enabled = [&window] { return !window.levelWindows().isEmpty(); },
                                  .checked = [&window] { return window.formsShown(); },
                                  .run = [&window] { window.setFormsShown(!window.formsShown()); }});
  // A bar closed with its own close box unchecks its menu item.
  for (QToolBar* toolbar : window.findChildren<QToolBar*>())
    QObject::connect(toolbar, &QToolBar::visibilityChanged, &menuActions, [&menuActions] { menuActions.requestRefresh(); });
  QObject::connect(window.problemsPanel(), &QDockWidget::visibilityChanged, &menuActions,
                   [&menuActions] { menuActions.requestRefresh(); });
  QObject::connect(window.levelPackDock(), &QDockWidget::visibilityChanged, &menuActions,
                   [&menuActions] { menuActions.requestRefresh(); });

  // Redrawing is the level view's, while the form does not have the focus.
  const auto viewWindow = [&context]() -> LevelWindow* {
    LevelWindow* active = activeWindow(context);
    return active && active->viewIsActivePane() ? active : nullptr;
  };
  view.redraw = menuActions.add({.text = ViewMenu::tr("Redraw"),
                              .keys = {QKeySequence(Qt::Key_F5)},
                              .prompt = ViewMenu::tr("Redraws the level"),
                              .tooltip = ViewMenu::tr("Redraw (F5)"),
                              .enabled = [viewWindow] { return viewWindow() != nullptr; },
                              .run = [viewWindow] { viewWindow()->view()->redraw(); }});

  const auto viewState = [&context] { return activeViewState(context); };
  const auto levelActive = [viewState] { return viewState() != nullptr; };
  view.grid = menuActions.add({.text = ViewMenu::tr("Grid"),
                            .keys = {QKeySequence(Qt::CTRL | Qt::Key_G)},
                            .prompt = ViewMenu::tr("Show/Hide Grid"),
                            .tooltip = ViewMenu::tr("Show/Hide Grid (Ctrl + G)"),
                            .icon = actionIcon(ActionIcon::Grid),
                            .checkable = true,
                            .enabled = levelActive,
                            .checked = [viewState] { return viewState() && viewState()->gridVisible(); },
                            .run = [viewState] { viewState()->setGridVisible(!viewState()->gridVisible()); }});
  view.gridSize = menuActions.add({.text = ViewMenu::tr("Gridsize..."),
                                .prompt = ViewMenu::tr("Changes the gridsize"),
                                .tooltip = ViewMenu::tr("Custom Gridsize"),
                                .icon = actionIcon(ActionIcon::GridSize),
                                .enabled = levelActive,
                                .run = [viewState, &window] { runGridSizeDialog(*viewState(), &window); }});
  const auto cellSize = [&](int pixels, ActionIcon icon) {
    return menuActions.add({.text = QString::number(pixels),
                         .prompt = ViewMenu::tr("Set the gridsize to %1x%1 Pixel").arg(pixels),
                         .tooltip = ViewMenu::tr("Gridsize %1 Pixel").arg(pixels),
                         .icon = actionIcon(icon),
                         .checkable = true,
                         .enabled = levelActive,
                         .checked = [viewState, pixels] { return viewState() && viewState()->cellSize() == pixels; },
                         .run = [viewState, pixels] { viewState()->setCellSize(pixels); }});
  };
  view.cellSize15 = cellSize(15, ActionIcon::CellSize15);
  view.cellSize30 = cellSize(30, ActionIcon::CellSize30);
  view.cellSize60 = cellSize(60, ActionIcon::CellSize60);

  // Zooming fits the window's own view, so it goes by the active window.
  const auto levelView = [&context]() -> LevelView* {
    LevelWindow* active = activeWindow(context);
    return active ? active->view() : nullptr;
  };
  const auto zoom = [&](int steps, const QString& text, QList<QKeySequence> keys, const QString& prompt,
                        const QString& tooltip) {
    return menuActions.add({.text = text, .keys = std::move(keys), .prompt = prompt, .tooltip = tooltip,
                         .enabled = [levelView, steps] { return levelView() && levelView()->canZoom(steps); },
                         .run = [levelView, steps] { levelView()->zoom(steps); }});
  };
  view.zoomIn =
      zoom(1, ViewMenu::tr("Zoom &In"), {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)},
           ViewMenu::tr("Shows the level larger"), ViewMenu::tr("Zoom In (Ctrl + +)"));
  view.zoomOut = zoom(-1, ViewMenu::tr("Zoom &Out"), {QKeySequence(Qt::CTRL | Qt::Key_Minus)},
                      ViewMenu::tr("Shows the level smaller"), ViewMenu::tr("Zoom Out (Ctrl + -)"));
  view.fitLevel = menuActions.add({.text = ViewMenu::tr("&Fit Level"),
                                .keys = {QKeySequence(Qt::CTRL | Qt::Key_0)},
                                .prompt = ViewMenu::tr("Shows the whole level in the window"),
                                .tooltip = ViewMenu::tr("Fit Level (Ctrl + 0)"),
                                .enabled = [levelView] { return levelView() != nullptr; },
                                .run = [levelView] { levelView()->fitLevel(); }});
}
