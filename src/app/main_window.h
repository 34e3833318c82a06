#pragma once

#include <QList>
#include <QMainWindow>
#include <QStringList>
#include <optional>

class LevelPackPanel;
class LevelWindow;
class QDockWidget;
class ProblemsPanel;
class QLabel;
class QMdiArea;
class QMenu;
class QToolBar;
struct Actions;
struct ArtworkSet;

// The main window: menus, the six toolbars, the status bar and the area the level windows
// live in. Saves the bar layout when it closes.
class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  enum class Toolbar { File, BasicElements, DoorsAndKeys, MovingElements, DrawModes, Grid };

  MainWindow();
  ~MainWindow() override;

  QMdiArea* mdiArea() const { return m_mdiArea; }
  LevelWindow* activeLevelWindow() const;
  QList<LevelWindow*> levelWindows() const;
  QToolBar* toolbar(Toolbar which) const;
  QDockWidget* levelPackDock() const { return m_levelPackDock; }
  LevelPackPanel* levelPackPanel() const;
  ProblemsPanel* problemsPanel() const { return m_problems; }

  // Lays out the menus and toolbars, then restores the saved bar layout.
  void build(const Actions& actions);
  // Gives the element buttons their pictures from the set, unless they show it already.
  void showElementPictures(const ArtworkSet& set);

  // The part of the area windows live in that shows; laid out first if the window has not shown.
  QRect workspace();
  // The distance from one cascaded window to the next: a title bar and a little.
  int cascadeStep() const;

  // True when the workspace is narrower than a property form with room for the level beside it.
  bool isNarrow();

  // Whether level windows show their property forms; remembered, and followed by every window.
  bool formsShown() const { return m_formsShown; }
  void setFormsShown(bool shown);
  // The level windows as tabs instead of windows; remembered.
  bool isTabbed() const;
  void setTabbed(bool tabbed);

  // The cell under the mouse in the status bar; empty shows nothing.
  void showCellUnderMouse(const QString& description);

  // Shows the recent files (most recent first) in the File menu of both menu sets.
  void setRecentFiles(const QStringList& files);

 signals:
  void filesDropped(const QStringList& paths);
  void recentFileChosen(const QString& path);
  // Asked before the window closes; set *accept to false to keep it open.
  void closeRequested(bool* accept);
  void activeLevelWindowChanged();

 protected:
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QMenu* fileMenu(const Actions& actions, bool levelActive);
  void createMenus(const Actions& actions);
  void fillToolbars(const Actions& actions);
  void createStatusBar();
  void restoreLayout();
  // main_window_workspace.cpp: the remembered choices, and room for the level on a small screen.
  void restoreWorkspace(bool firstStart);
  void showTabs(bool tabbed);
  void showMenuSet();
  // "Cavernia Level Editor - " and the active window's caption.
  void showCaption();
  // The open windows at the end of the Window menu, numbered, the active one checked.
  void listWindows();
  void showLockIndicators(quint32 nativeModifiers);

  QMdiArea* m_mdiArea = nullptr;
  QList<QToolBar*> m_toolbars;  // in the order of Toolbar
  QDockWidget* m_levelPackDock = nullptr;
  ProblemsPanel* m_problems = nullptr;
  QList<QMenu*> m_noLevelMenus;
  QList<QMenu*> m_levelMenus;
  QMenu* m_windowMenu = nullptr;
  QList<QAction*> m_windowActions;
  struct RecentEntries {
    QMenu* menu = nullptr;
    QAction* separator = nullptr;
    QList<QAction*> entries;
  } m_recent[2];  // without and with a level
  QStringList m_recentFiles;
  bool m_levelMenusShown = false;
  QString m_caption;
  bool m_captionModified = false;
  QList<QAction*> m_elementActions;
  QLabel* m_cellIndicator = nullptr;
  const ArtworkSet* m_elementArtwork = nullptr;  // the set the element buttons show
  QLabel* m_capsIndicator = nullptr;
  QLabel* m_numIndicator = nullptr;
  QLabel* m_scrollIndicator = nullptr;
  bool m_formsShown = true;
  std::optional<bool> m_tabsAtStart;  // until the main window first shows
};
