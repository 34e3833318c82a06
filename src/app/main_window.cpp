#include "app/main_window.h"
#include "app/editor_settings.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDockWidget>
#include <QDragEnterEvent>
#include <QFontMetrics>
#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QPointer>
#include <QScreen>
#include <QSettings>
#include <QStyle>
#include <QToolBar>
#include <utility>

#include "app/actions.h"
#include "app/level_window.h"
#include "app/problems_panel.h"
#include "app/recent_files.h"
#include "view/level_pack_panel.h"

namespace {
constexpr int kRecentFileChars = 60;  // a recent file's menu text, in average characters at most
const char* const kBarsGroup = "BrannocBars";
const char* const kAppTitle = "Cavernia Level Editor";
constexpr qsizetype kListedWindows = 9;  // the Window menu numbers them 1 to 9

// A long path loses its middle, so that the folder it starts in and its file name both show.
QString recentFileText(int number, const QString& path, const QFontMetrics& metrics) {
  const QString shown = metrics.elidedText(QDir::toNativeSeparators(path), Qt::ElideMiddle,
                                           metrics.averageCharWidth() * kRecentFileChars);
  return QString("&%1 %2").arg(number).arg(QString(shown).replace('&', "&&"));
}
}  // namespace

MainWindow::MainWindow() {
  m_caption = kAppTitle;
  setWindowTitle(m_caption);
  setAcceptDrops(true);
  m_mdiArea = new QMdiArea(this);
  m_mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  m_mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  m_mdiArea->setBackground(QColor(128, 128, 128));
  setCentralWidget(m_mdiArea);
  connect(m_mdiArea, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* window) {
    if (auto* level = qobject_cast<LevelWindow*>(window))
      connect(level, &LevelWindow::captionChanged, this, &MainWindow::showCaption, Qt::UniqueConnection);
    showCaption();
    showMenuSet();
    emit activeLevelWindowChanged();
  });
  // Saved layouts find the bars by these names.
  const std::pair<const char*, const char*> bars[] = {
      {"Bar128", QT_TR_NOOP("File")},          {"Bar130", QT_TR_NOOP("Basic Elements")},
      {"Bar133", QT_TR_NOOP("Doors & Keys")},  {"Bar135", QT_TR_NOOP("Moving Elements")},
      {"Bar182", QT_TR_NOOP("Drawing Modes")}, {"Bar192", QT_TR_NOOP("Grid")}};
  for (const auto& [name, caption] : bars) {
    auto* bar = new QToolBar(tr(caption), this);
    bar->setObjectName(name);
    bar->setIconSize(QSize(16, 16));
    bar->setAllowedAreas(Qt::AllToolBarAreas);
    // The bars' own menu shows the caption as a menu text, where a lone & would mark a key.
    bar->toggleViewAction()->setText(bar->windowTitle().replace('&', "&&"));
    m_toolbars.append(bar);
  }
  m_problems = new ProblemsPanel(this);
  // The current window, not the active one: a floating panel that takes the focus keeps its level.
  connect(this, &MainWindow::activeLevelWindowChanged, m_problems,
          [this] { m_problems->follow(qobject_cast<LevelWindow*>(m_mdiArea->currentSubWindow())); });
  m_levelPackDock = new QDockWidget(tr("Level Pack"), this);
  m_levelPackDock->setObjectName("LevelPackDock");
  m_levelPackDock->setWidget(new LevelPackPanel(m_levelPackDock));
  addDockWidget(Qt::RightDockWidgetArea, m_levelPackDock);
  m_levelPackDock->hide();  // until the user asks for it
}

MainWindow::~MainWindow() {
  // The level windows go first, while the main window is still whole; their going must not
  // switch menus on a window that is half destroyed.
  disconnect(m_mdiArea, nullptr, this, nullptr);
  qApp->removeEventFilter(this);
  // Windows that go renumber the others, whose captions reach this window: it has no area by then.
  delete std::exchange(m_mdiArea, nullptr);
}

QToolBar* MainWindow::toolbar(Toolbar which) const { return m_toolbars.value(static_cast<int>(which)); }

LevelPackPanel* MainWindow::levelPackPanel() const { return static_cast<LevelPackPanel*>(m_levelPackDock->widget()); }

void MainWindow::build(const Actions& actions) {
  createMenus(actions);
  fillToolbars(actions);
  addDockWidget(Qt::RightDockWidgetArea, m_problems);
  createStatusBar();
  restoreLayout();
  showMenuSet();
}

void MainWindow::restoreLayout() {
  EditorSettings settings;
  settings.beginGroup(kBarsGroup);
  const QByteArray state = settings.value("State").toByteArray();
  const QByteArray geometry = settings.value("Geometry").toByteArray();
  settings.endGroup();
  const bool restored = !geometry.isEmpty() && restoreGeometry(geometry);
  if (!restored && QGuiApplication::primaryScreen()) {
    // First start: most of the screen, for a level wants room.
    const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
    resize(free.width() * 9 / 10, free.height() * 9 / 10);
    move(free.center() - rect().center());
  }
  if (!state.isEmpty()) restoreState(state);
  restoreWorkspace(state.isEmpty());
}

QMenu* MainWindow::fileMenu(const Actions& actions, bool levelActive) {
  const Actions::File& file = actions.file;
  auto* menu = new QMenu(tr("&File"), this);
  menu->addActions({file.newLevel, file.open});
  if (levelActive) {
    menu->addActions({file.close, file.save, file.saveAs, file.exportImage, file.sendMail});
    menu->addSeparator();
    menu->addActions({actions.compare.withSaved, actions.compare.withFile});
    menu->addSeparator();
    menu->addActions({file.print, file.printPreview});
  } else {
    menu->addSeparator();
  }
  menu->addAction(file.printSetup);
  RecentEntries& recent = m_recent[levelActive ? 1 : 0];
  recent.menu = menu;
  recent.separator = menu->addSeparator();
  for (int i = 0; i < RecentFiles::kCount; ++i) {
    QAction* entry = menu->addAction(QString());
    entry->setVisible(false);
    connect(entry, &QAction::triggered, this, [this, i] {
      if (i < m_recentFiles.size()) emit recentFileChosen(m_recentFiles[i]);
    });
    recent.entries.append(entry);
  }
  menu->addSeparator();
  menu->addAction(file.exit);
  return menu;
}

void MainWindow::createMenus(const Actions& actions) {
  const Actions::View& view = actions.view;
  auto toolbarsMenu = [&] {
    auto* menu = new QMenu(tr("&Toolbars"), this);
    menu->addActions({view.fileBar, view.basicElementsBar, view.movingElementsBar, view.doorsKeysBar,
                      view.drawModesBar, view.gridBar});
    return menu;
  };
  auto helpMenu = [&] {
    auto* menu = new QMenu(tr("&?"), this);
    menu->addAction(actions.about);
    return menu;
  };

  // While no level is open.
  auto* noLevelView = new QMenu(tr("&View"), this);
  noLevelView->addMenu(toolbarsMenu());
  noLevelView->addActions({view.statusBar, view.problemsPanel, view.levelPack});
  m_noLevelMenus = {fileMenu(actions, false), noLevelView, helpMenu()};

  // While a level window is active.
  auto* edit = new QMenu(tr("&Edit"), this);
  edit->addActions({actions.edit.undo, actions.edit.redo});
  edit->addSeparator();
  edit->addActions({actions.edit.cut, actions.edit.copy, actions.edit.paste, actions.edit.deleteCells});
  edit->addSeparator();
  edit->addActions({actions.edit.selectAll, actions.edit.selectNone});
  edit->addSeparator();
  edit->addActions({actions.edit.flipHorizontally, actions.edit.flipVertically, actions.edit.rotateClockwise,
                    actions.edit.rotateCounterClockwise});
  edit->addSeparator();
  edit->addAction(actions.edit.replace);
  QMenu* modes = edit->addMenu(tr("Drawing &Mode"));
  const Actions::Elements& tools = actions.elements;
  modes->addActions({tools.freeDraw, tools.line, tools.rectangle, tools.filledRectangle, tools.fill, tools.selection});
  auto* levelView = new QMenu(tr("&View"), this);
  levelView->addMenu(toolbarsMenu());
  levelView->addActions({view.statusBar, view.problemsPanel, view.levelPack, view.properties});
  levelView->addSeparator();
  levelView->addActions({view.grid, view.gridSize});
  levelView->addSeparator();
  levelView->addActions({view.zoomIn, view.zoomOut, view.fitLevel});
  levelView->addSeparator();
  levelView->addActions({actions.compare.next, actions.compare.previous, actions.compare.end});
  m_windowMenu = new QMenu(tr("&Window"), this);
  const Actions::Window& window = actions.window;
  m_windowMenu->addActions({window.newWindow, window.cascade, window.tileHorizontally, window.tileVertically, window.tabbed});
  connect(m_windowMenu, &QMenu::aboutToShow, this, &MainWindow::listWindows);
  m_levelMenus = {fileMenu(actions, true), edit, levelView, m_windowMenu, helpMenu()};
  m_levelMenusShown = true;  // makes the first showMenuSet fill the bar
}

void MainWindow::showMenuSet() {
  const bool levelActive = activeLevelWindow() != nullptr;
  if (levelActive == m_levelMenusShown && !menuBar()->actions().isEmpty()) return;
  m_levelMenusShown = levelActive;
  menuBar()->clear();
  for (QMenu* menu : levelActive ? m_levelMenus : m_noLevelMenus) menuBar()->addMenu(menu);
}

QRect MainWindow::workspace() {
  if (isVisible()) return m_mdiArea->viewport()->rect();
  // Before the main window first shows, its layout has not given the area its size yet.
  if (layout()) layout()->setGeometry(rect());
  return QRect(QPoint(0, 0), m_mdiArea->contentsRect().size());
}

int MainWindow::cascadeStep() const {
  return m_mdiArea->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, m_mdiArea) + 4;
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (m_tabsAtStart) showTabs(*std::exchange(m_tabsAtStart, std::nullopt));
  // Windows placed before the main window showed went by an estimate of the workspace.
  const QRect room = workspace();
  for (LevelWindow* window : levelWindows())
    if (!window->isMaximized() && !room.contains(window->geometry()))
      window->setGeometry(QRect(room.topLeft(), window->size().expandedTo(window->usableSize()).boundedTo(room.size())));
}

void MainWindow::listWindows() {
  for (QAction* action : std::exchange(m_windowActions, {})) delete action;
  const QList<LevelWindow*> windows = levelWindows();
  if (windows.isEmpty()) return;
  m_windowActions.append(m_windowMenu->addSeparator());
  for (qsizetype i = 0; i < std::min<qsizetype>(windows.size(), kListedWindows); ++i) {
    LevelWindow* window = windows[i];
    QString caption = window->caption();
    QAction* action = m_windowMenu->addAction(QString("&%1 %2").arg(i + 1).arg(caption.replace('&', "&&")));
    action->setCheckable(true);
    action->setChecked(window == activeLevelWindow());
    action->setStatusTip(tr("Activates this window"));
    connect(action, &QAction::triggered, this, [this, listed = QPointer<LevelWindow>(window)] {
      if (listed && m_mdiArea) m_mdiArea->setActiveSubWindow(listed);
    });
    m_windowActions.append(action);
  }
}

void MainWindow::showCaption() {
  const LevelWindow* window = activeLevelWindow();
  // The level window's "[*]" becomes the main window's: Qt shows its '*' from the same flag.
  m_caption = window ? QString("%1 - %2").arg(kAppTitle, window->windowTitle()) : QString(kAppTitle);
  m_captionModified = window && window->isWindowModified();
  setWindowTitle(m_caption);
  setWindowModified(m_captionModified);
}

void MainWindow::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  // A maximized level window appends its caption in brackets, and one that closes clears the
  // mark as it goes: the caption already has both as they should be.
  if (event->type() == QEvent::WindowTitleChange && windowTitle() != m_caption) setWindowTitle(m_caption);
  if (event->type() == QEvent::ModifiedChange && isWindowModified() != m_captionModified)
    setWindowModified(m_captionModified);
}

void MainWindow::setRecentFiles(const QStringList& files) {
  m_recentFiles = files.mid(0, RecentFiles::kCount);
  for (RecentEntries& recent : m_recent) {
    const QFontMetrics metrics(recent.menu ? recent.menu->font() : font());
    for (int i = 0; i < recent.entries.size(); ++i) {
      QAction* entry = recent.entries[i];
      const bool used = i < m_recentFiles.size();
      entry->setVisible(used);
      if (used) {
        entry->setText(recentFileText(i + 1, m_recentFiles[i], metrics));
        entry->setStatusTip(QDir::toNativeSeparators(m_recentFiles[i]));
      }
    }
    if (recent.separator) recent.separator->setVisible(!m_recentFiles.isEmpty());
  }
}

LevelWindow* MainWindow::activeLevelWindow() const {
  return m_mdiArea ? qobject_cast<LevelWindow*>(m_mdiArea->activeSubWindow()) : nullptr;
}

QList<LevelWindow*> MainWindow::levelWindows() const {
  QList<LevelWindow*> windows;
  if (!m_mdiArea) return windows;
  for (QMdiSubWindow* window : m_mdiArea->subWindowList())
    if (auto* levelWindow = qobject_cast<LevelWindow*>(window)) windows.append(levelWindow);
  return windows;
}

void MainWindow::closeEvent(QCloseEvent* event) {
  EditorSettings settings;
  settings.beginGroup(kBarsGroup);
  settings.setValue("State", saveState());
  settings.setValue("Geometry", saveGeometry());
  settings.endGroup();
  bool accept = true;
  emit closeRequested(&accept);
  if (accept)
    event->accept();
  else
    event->ignore();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
  QStringList paths;
  for (const QUrl& url : event->mimeData()->urls())
    if (url.isLocalFile()) paths.append(url.toLocalFile());
  if (paths.isEmpty()) return;
  event->acceptProposedAction();
  emit filesDropped(paths);
}
