#include "app/window_placement.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include "app/level_window.h"
#include "app/main_window.h"

namespace {

// Usable where the workspace allows, and never beyond it: a window is always wholly inside.
QSize fittedSize(QSize wanted, QSize usable, QSize room) { return wanted.expandedTo(usable).boundedTo(room); }

}  // namespace

void placeNewWindow(MainWindow& main, LevelWindow* window) {
  window->setFormShown(main.formsShown());
  if (main.isTabbed()) return;  // a tab fills the workspace
  const QRect room = main.workspace();
  // Beside the form, a window in a small workspace would leave the level too little room.
  if (room.width() < window->formPaneWidth() + LevelWindow::kRoomBesideForm) {
    window->showMaximized();
    return;
  }
  const QSize size = fittedSize(room.size() * 9 / 10, window->usableSize(), room.size());
  // One title bar below and right of the window opened last, back to the corner when that
  // would reach past the workspace.
  QPoint at(0, 0);
  const QList<QMdiSubWindow*> windows = main.mdiArea()->subWindowList();
  for (qsizetype i = windows.size() - 1; i >= 0; --i) {
    if (windows[i] == window || windows[i]->isHidden()) continue;
    at = windows[i]->pos() + QPoint(main.cascadeStep(), main.cascadeStep());
    break;
  }
  if (!room.contains(QRect(at, size))) at = room.topLeft();
  window->setGeometry(QRect(at, size));
}

void cascadeWindows(MainWindow& main) {
  QMdiArea* area = main.mdiArea();
  QList<QMdiSubWindow*> windows;
  for (QMdiSubWindow* window : area->subWindowList())
    if (!window->isMinimized() && !window->isHidden()) windows.append(window);
  if (windows.isEmpty()) return;
  if (QMdiSubWindow* active = area->activeSubWindow(); windows.removeOne(active)) windows.append(active);
  const QRect room = main.workspace();
  const int step = main.cascadeStep();
  const QSize wanted = room.size() - QSize(step, step) * static_cast<int>(windows.size() - 1);
  QPoint at = room.topLeft();
  for (QMdiSubWindow* window : windows) {
    window->showNormal();
    const auto* levelWindow = qobject_cast<LevelWindow*>(window);
    const QSize usable = levelWindow ? levelWindow->usableSize() : window->minimumSizeHint();
    const QSize size = fittedSize(wanted, usable, room.size());
    if (!room.contains(QRect(at, size))) at = room.topLeft();
    window->setGeometry(QRect(at, size));
    window->raise();
    at += QPoint(step, step);
  }
}

void tileWindows(MainWindow& main, bool horizontally) {
  const QList<QMdiSubWindow*> windows = main.mdiArea()->subWindowList();
  const QSize area = main.mdiArea()->viewport()->size();
  const int n = static_cast<int>(windows.size());
  for (int i = 0; i < n; ++i) {
    QMdiSubWindow* window = windows[i];
    window->showNormal();
    if (horizontally)
      window->setGeometry(0, area.height() * i / n, area.width(), area.height() * (i + 1) / n - area.height() * i / n);
    else
      window->setGeometry(area.width() * i / n, 0, area.width() * (i + 1) / n - area.width() * i / n, area.height());
  }
}
