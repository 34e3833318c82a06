#pragma once

#include <QList>
#include <QMainWindow>
#include <QStringList>

#include "app/commands/command_target.h"

class CommandRouter;
class QMdiArea;
class QMenu;
class QToolBar;
class QLabel;
class CChildFrame;

// The main window: menus, the six toolbars, the status bar and the area the level windows
// live in. Handles the commands that show and hide bars and arrange windows.
class CMainFrame : public QMainWindow, public CCmdTarget {
  Q_OBJECT
 public:
  explicit CMainFrame(CommandRouter& router);
  ~CMainFrame() override;

  QMdiArea* MdiArea() const { return m_mdiArea; }
  CChildFrame* ActiveChild() const;
  QList<CChildFrame*> Children() const;
  QToolBar* Bar(int resourceId) const;

  // Builds actions, menus, bars and status bar, then restores the saved bar layout.
  void Create();
  // Gives the element buttons their pictures (again, after the artwork changed).
  void RefreshElementIcons();
  // Gives a new level window its place: wholly inside the workspace, large enough for the form
  // and part of the level where there is room, below and right of the window opened before.
  void PlaceNewWindow(CChildFrame* child);

  // Shows the recent files (most recent first) in the File menu of both menu sets.
  void SetRecentFiles(const QStringList& files);

  bool OnCommand(int id) override;
  bool OnUpdateCommand(int id, CommandState& state) override;

 signals:
  void filesDropped(const QStringList& paths);
  void recentFileChosen(const QString& path);
  // Asked before the window closes; set *accept to false to keep it open.
  void closeRequested(bool* accept);

 protected:
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateActions();
  void CreateMenus();
  void CreateToolbars();
  void CreateStatusBar();
  void UpdateMenuSet();
  // "Cavernia Level Editor - " and the active window's caption.
  void UpdateCaption();
  // The open windows at the end of the Window menu, numbered, the active one checked.
  void ListWindows();
  // Overlaps the windows, each a title bar further, each at a usable size.
  void Cascade();
  // The part of the area windows live in that shows; laid out first if the frame has not shown.
  QRect Workspace();
  int CascadeStep() const;
  void UpdateLockIndicators(quint32 nativeModifiers);
  QMenu* FileMenu(bool levelActive);

  CommandRouter& m_router;
  QMdiArea* m_mdiArea = nullptr;
  QList<QMenu*> m_noLevelMenus;
  QList<QMenu*> m_levelMenus;
  QMenu* m_noLevelFileMenu = nullptr;
  QMenu* m_levelFileMenu = nullptr;
  QMenu* m_windowMenu = nullptr;
  QList<QAction*> m_windowActions;
  QList<QAction*> m_recentActions[2];
  QAction* m_recentSeparators[2] = {nullptr, nullptr};
  QStringList m_recentFiles;
  bool m_levelMenusShown = false;
  QString m_caption;
  QList<QPair<int, QToolBar*>> m_bars;
  QLabel* m_capsIndicator = nullptr;
  QLabel* m_numIndicator = nullptr;
  QLabel* m_scrollIndicator = nullptr;
};
