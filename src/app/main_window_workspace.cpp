// How the main window's workspace shows the level windows: with or without their forms, as
// windows or as tabs, and with the panels out of the way where the screen is small.
#include <QDockWidget>
#include <QMdiArea>

#include "app/editor_settings.h"
#include "app/level_window.h"
#include "app/main_window.h"
#include "app/problems_panel.h"
#include "app/window_placement.h"

namespace {
const char* const kWorkspaceGroup = "Workspace";
const char* const kPropertiesKey = "Properties";
const char* const kTabbedKey = "Tabbed";

void remember(const char* key, bool value) {
  EditorSettings settings;
  settings.beginGroup(kWorkspaceGroup);
  settings.setValue(key, value);
}
}  // namespace

void MainWindow::restoreWorkspace(bool firstStart) {
  EditorSettings settings;
  settings.beginGroup(kWorkspaceGroup);
  m_formsShown = settings.value(kPropertiesKey, true).toBool();
  // Tabs set before the main window shows leave the first window neither active nor filling
  // its tab: they come when it shows.
  m_tabsAtStart = settings.value(kTabbedKey, false).toBool();
  if (!isNarrow()) return;
  // The panels share one column; on a first start they leave the room to the level.
  tabifyDockWidget(m_problems, m_levelPackDock);
  if (firstStart) {
    m_problems->hide();
    m_levelPackDock->hide();
  }
}

bool MainWindow::isNarrow() { return workspace().width() < LevelWindow::kFormWidth + LevelWindow::kRoomBesideForm; }

void MainWindow::setFormsShown(bool shown) {
  m_formsShown = shown;
  for (LevelWindow* window : levelWindows()) window->setFormShown(shown);
  remember(kPropertiesKey, shown);
}

bool MainWindow::isTabbed() const {
  return m_tabsAtStart.value_or(m_mdiArea->viewMode() == QMdiArea::TabbedView);
}

void MainWindow::setTabbed(bool tabbed) {
  m_tabsAtStart.reset();
  showTabs(tabbed);
  if (!tabbed) {
    // Windows that were tabs have no place of their own.
    cascadeWindows(*this);
    if (LevelWindow* active = activeLevelWindow(); active && isNarrow()) active->showMaximized();
  }
  remember(kTabbedKey, tabbed);
}

void MainWindow::showTabs(bool tabbed) {
  if (tabbed == (m_mdiArea->viewMode() == QMdiArea::TabbedView)) return;
  m_mdiArea->setViewMode(tabbed ? QMdiArea::TabbedView : QMdiArea::SubWindowView);
  m_mdiArea->setDocumentMode(true);
  m_mdiArea->setTabsClosable(true);
  m_mdiArea->setTabsMovable(true);
}
