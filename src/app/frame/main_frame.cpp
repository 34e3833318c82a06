#include "app/frame/main_frame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLayout>
#include <QMdiArea>
#include <QScreen>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QPointer>
#include <QSettings>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <utility>

#include "app/commands/command_ids.h"
#include "app/commands/command_router.h"
#include "app/commands/command_table.h"
#include "app/frame/child_frame.h"
#include "app/frame/command_icons.h"
#include "app/frame/toolbar_layout.h"

namespace {
constexpr int kRecentFileCount = 4;
constexpr int kRecentFileChars = 60;  // a recent file's menu text, in average characters at most
const char* const kBarsGroup = "BrannocBars";

// A long path loses its middle, so that the folder it starts in and its file name both show.
QString RecentFileText(int number, const QString& path, const QFontMetrics& metrics) {
  const QString shown = metrics.elidedText(QDir::toNativeSeparators(path), Qt::ElideMiddle,
                                           metrics.averageCharWidth() * kRecentFileChars);
  return QString("&%1 %2").arg(number).arg(QString(shown).replace('&', "&&"));
}
const char* const kAppTitle = "Cavernia Level Editor";
constexpr qsizetype kListedWindows = 9;  // the Window menu numbers them 1 to 9

// Usable where the workspace allows, and never beyond it: a window is always wholly inside.
QSize FittedSize(QSize wanted, QSize usable, QSize room) { return wanted.expandedTo(usable).boundedTo(room); }
}  // namespace

CMainFrame::CMainFrame(CommandRouter& router) : m_router(router) {
  m_caption = kAppTitle;
  setWindowTitle(m_caption);
  setAcceptDrops(true);
  m_mdiArea = new QMdiArea(this);
  m_mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  m_mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  m_mdiArea->setBackground(QColor(128, 128, 128));
  setCentralWidget(m_mdiArea);
  connect(m_mdiArea, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* window) {
    if (window) connect(window, &QWidget::windowTitleChanged, this, &CMainFrame::UpdateCaption, Qt::UniqueConnection);
    UpdateCaption();
    UpdateMenuSet();
    m_router.RequestRefresh();
  });
}

CMainFrame::~CMainFrame() {
  // The level windows go first, while the frame is still whole; their going must not switch
  // menus on a frame that is half destroyed.
  disconnect(m_mdiArea, nullptr, this, nullptr);
  qApp->removeEventFilter(this);
  // Windows that go renumber the others, whose captions reach this frame: it has no area by then.
  delete std::exchange(m_mdiArea, nullptr);
}

void CMainFrame::Create() {
  CreateActions();
  CreateMenus();
  CreateToolbars();
  CreateStatusBar();
  QSettings settings;
  settings.beginGroup(kBarsGroup);
  const QByteArray state = settings.value("State").toByteArray();
  const QByteArray geometry = settings.value("Geometry").toByteArray();
  settings.endGroup();
  const bool restored = !geometry.isEmpty() && restoreGeometry(geometry);
  if (!restored && QGuiApplication::primaryScreen()) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    // First start: most of the screen, for a level wants room.
    const QRect free = screen->availableGeometry();
    resize(free.width() * 9 / 10, free.height() * 9 / 10);
    move(free.center() - rect().center());
  }
  if (!state.isEmpty()) restoreState(state);
  UpdateMenuSet();
  m_router.RefreshNow();
}

void CMainFrame::CreateActions() {
  for (const CommandInfo& info : CommandTable()) {
    auto* action = new QAction(this);
    QString text = info.text;
    // Menus show the key text after the tab themselves; Qt shows the shortcut instead.
    const qsizetype tab = text.indexOf('\t');
    if (tab >= 0) text = text.left(tab);
    action->setText(text);
    action->setShortcuts(info.shortcuts);
    action->setShortcutContext(Qt::ApplicationShortcut);
    action->setStatusTip(info.prompt);
    action->setToolTip(info.tooltip);
    action->setCheckable(info.checkable);
    action->setIcon(CommandIcon(info.id));
    action->setData(info.id);
    action->setEnabled(false);
    addAction(action);  // keys work even when the action is on no visible menu
    m_router.AddAction(info.id, action);
  }
}

QMenu* CMainFrame::FileMenu(bool levelActive) {
  auto* menu = new QMenu("&File", this);
  auto add = [&](int id) { menu->addAction(m_router.Action(id)); };
  add(cmd::FILE_NEW);
  add(cmd::FILE_OPEN);
  if (levelActive) {
    add(cmd::FILE_CLOSE);
    add(cmd::FILE_SAVE);
    add(cmd::FILE_SAVE_AS);
    add(cmd::FILE_SEND_MAIL);
    menu->addSeparator();
    add(cmd::FILE_PRINT);
    add(cmd::FILE_PRINT_PREVIEW);
  } else {
    menu->addSeparator();
  }
  add(cmd::FILE_PRINT_SETUP);
  const int set = levelActive ? 1 : 0;
  m_recentSeparators[set] = menu->addSeparator();
  for (int i = 0; i < kRecentFileCount; ++i) {
    QAction* recent = menu->addAction(QString());
    recent->setVisible(false);
    connect(recent, &QAction::triggered, this, [this, i] {
      if (i < m_recentFiles.size()) emit recentFileChosen(m_recentFiles[i]);
    });
    m_recentActions[set].append(recent);
  }
  menu->addSeparator();
  add(cmd::APP_EXIT);
  return menu;
}

void CMainFrame::CreateMenus() {
  auto toolbarsMenu = [this]() {
    auto* menu = new QMenu("&Toolbars", this);
    for (int id : {cmd::VIEW_TOOLBAR, cmd::VIEW_BASIC_ELEMENTS_BAR, cmd::VIEW_MOVING_ELEMENTS_BAR,
                   cmd::VIEW_DOORS_KEYS_BAR, cmd::VIEW_DRAW_MODES_BAR, cmd::VIEW_GRID_BAR})
      menu->addAction(m_router.Action(id));
    return menu;
  };
  auto helpMenu = [this]() {
    auto* menu = new QMenu("&?", this);
    menu->addAction(m_router.Action(cmd::APP_ABOUT));
    return menu;
  };

  // While no level is open.
  m_noLevelFileMenu = FileMenu(false);
  auto* view = new QMenu("&View", this);
  view->addMenu(toolbarsMenu());
  view->addAction(m_router.Action(cmd::VIEW_STATUS_BAR));
  m_noLevelMenus = {m_noLevelFileMenu, view, helpMenu()};

  // While a level window is active.
  m_levelFileMenu = FileMenu(true);
  auto* edit = new QMenu("&Edit", this);
  for (int id : {cmd::EDIT_UNDO, cmd::EDIT_REDO, 0, cmd::EDIT_CUT, cmd::EDIT_COPY, cmd::EDIT_PASTE}) {
    if (id == 0)
      edit->addSeparator();
    else
      edit->addAction(m_router.Action(id));
  }
  auto* levelView = new QMenu("&View", this);
  levelView->addMenu(toolbarsMenu());
  levelView->addAction(m_router.Action(cmd::VIEW_STATUS_BAR));
  levelView->addSeparator();
  levelView->addAction(m_router.Action(cmd::VIEW_GRID));
  levelView->addAction(m_router.Action(cmd::VIEW_GRID_SIZE));
  m_windowMenu = new QMenu("&Window", this);
  for (int id : {cmd::WINDOW_NEW, cmd::WINDOW_CASCADE, cmd::WINDOW_TILE_HORZ, cmd::WINDOW_TILE_VERT})
    m_windowMenu->addAction(m_router.Action(id));
  connect(m_windowMenu, &QMenu::aboutToShow, this, &CMainFrame::ListWindows);
  m_levelMenus = {m_levelFileMenu, edit, levelView, m_windowMenu, helpMenu()};
  m_levelMenusShown = true;  // forces the first UpdateMenuSet to fill the bar
}

void CMainFrame::UpdateMenuSet() {
  const bool levelActive = ActiveChild() != nullptr;
  if (levelActive == m_levelMenusShown && !menuBar()->actions().isEmpty()) return;
  m_levelMenusShown = levelActive;
  menuBar()->clear();
  for (QMenu* menu : levelActive ? m_levelMenus : m_noLevelMenus) menuBar()->addMenu(menu);
}

QRect CMainFrame::Workspace() {
  if (isVisible()) return m_mdiArea->viewport()->rect();
  // Before the main window first shows, its layout has not given the area its size yet.
  if (layout()) layout()->setGeometry(rect());
  return QRect(QPoint(0, 0), m_mdiArea->contentsRect().size());
}

int CMainFrame::CascadeStep() const {
  return m_mdiArea->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, m_mdiArea) + 4;
}

void CMainFrame::PlaceNewWindow(CChildFrame* child) {
  const QRect room = Workspace();
  const QSize size = FittedSize(room.size() * 9 / 10, child->UsableSize(), room.size());
  // One title bar below and right of the window opened last, back to the corner when that
  // would reach past the workspace.
  QPoint at(0, 0);
  const QList<QMdiSubWindow*> windows = m_mdiArea->subWindowList();
  for (qsizetype i = windows.size() - 1; i >= 0; --i) {
    if (windows[i] == child || windows[i]->isHidden()) continue;
    at = windows[i]->pos() + QPoint(CascadeStep(), CascadeStep());
    break;
  }
  if (!room.contains(QRect(at, size))) at = room.topLeft();
  child->setGeometry(QRect(at, size));
}

void CMainFrame::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  // Windows placed before the frame showed went by an estimate of the workspace.
  const QRect room = Workspace();
  for (CChildFrame* child : Children())
    if (!child->isMaximized() && !room.contains(child->geometry()))
      child->setGeometry(QRect(room.topLeft(), FittedSize(child->size(), child->UsableSize(), room.size())));
}

void CMainFrame::Cascade() {
  QList<QMdiSubWindow*> windows;
  for (QMdiSubWindow* window : m_mdiArea->subWindowList())
    if (!window->isMinimized() && !window->isHidden()) windows.append(window);
  if (windows.isEmpty()) return;
  // The active window ends on top, in front of the others.
  if (QMdiSubWindow* active = m_mdiArea->activeSubWindow(); windows.removeOne(active)) windows.append(active);
  const QRect room = Workspace();
  const int step = CascadeStep();
  const QSize wanted = room.size() - QSize(step, step) * static_cast<int>(windows.size() - 1);
  QPoint at = room.topLeft();
  for (QMdiSubWindow* window : windows) {
    window->showNormal();
    const auto* child = qobject_cast<CChildFrame*>(window);
    const QSize size = FittedSize(wanted, child ? child->UsableSize() : window->minimumSizeHint(), room.size());
    if (!room.contains(QRect(at, size))) at = room.topLeft();
    window->setGeometry(QRect(at, size));
    window->raise();
    at += QPoint(step, step);
  }
}

void CMainFrame::ListWindows() {
  for (QAction* action : std::exchange(m_windowActions, {})) delete action;
  const QList<CChildFrame*> children = Children();
  if (children.isEmpty()) return;
  m_windowActions.append(m_windowMenu->addSeparator());
  for (qsizetype i = 0; i < std::min<qsizetype>(children.size(), kListedWindows); ++i) {
    CChildFrame* child = children[i];
    QString caption = child->windowTitle();
    QAction* action = m_windowMenu->addAction(QString("&%1 %2").arg(i + 1).arg(caption.replace('&', "&&")));
    action->setCheckable(true);
    action->setChecked(child == ActiveChild());
    action->setStatusTip("Activates this window");
    connect(action, &QAction::triggered, this, [this, window = QPointer<CChildFrame>(child)] {
      if (window && m_mdiArea) m_mdiArea->setActiveSubWindow(window);
    });
    m_windowActions.append(action);
  }
}

void CMainFrame::UpdateCaption() {
  const CChildFrame* child = ActiveChild();
  m_caption = child ? QString("%1 - %2").arg(kAppTitle, child->windowTitle()) : QString(kAppTitle);
  setWindowTitle(m_caption);
}

void CMainFrame::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  // A maximized level window appends its caption in brackets; the caption already has it.
  if (event->type() == QEvent::WindowTitleChange && windowTitle() != m_caption) setWindowTitle(m_caption);
}

void CMainFrame::SetRecentFiles(const QStringList& files) {
  m_recentFiles = files.mid(0, kRecentFileCount);
  for (int set = 0; set < 2; ++set) {
    const QMenu* menu = set ? m_levelFileMenu : m_noLevelFileMenu;
    const QFontMetrics metrics(menu ? menu->font() : font());
    for (int i = 0; i < m_recentActions[set].size(); ++i) {
      QAction* action = m_recentActions[set][i];
      const bool used = i < m_recentFiles.size();
      action->setVisible(used);
      if (used) {
        action->setText(RecentFileText(i + 1, m_recentFiles[i], metrics));
        action->setStatusTip(QDir::toNativeSeparators(m_recentFiles[i]));
      }
    }
    if (m_recentSeparators[set]) m_recentSeparators[set]->setVisible(!m_recentFiles.isEmpty());
  }
}

CChildFrame* CMainFrame::ActiveChild() const {
  return m_mdiArea ? qobject_cast<CChildFrame*>(m_mdiArea->activeSubWindow()) : nullptr;
}

QList<CChildFrame*> CMainFrame::Children() const {
  QList<CChildFrame*> children;
  if (!m_mdiArea) return children;
  for (QMdiSubWindow* window : m_mdiArea->subWindowList())
    if (auto* child = qobject_cast<CChildFrame*>(window)) children.append(child);
  return children;
}

QToolBar* CMainFrame::Bar(int resourceId) const {
  for (const auto& [id, toolbar] : m_bars)
    if (id == resourceId) return toolbar;
  return nullptr;
}

bool CMainFrame::OnCommand(int id) {
  for (const ToolbarLayout& layout : ToolbarLayouts()) {
    if (layout.toggleCommand != id) continue;
    QToolBar* toolbar = Bar(layout.resourceId);
    toolbar->setVisible(toolbar->isHidden());
    return true;
  }
  switch (id) {
    case cmd::VIEW_STATUS_BAR: statusBar()->setVisible(statusBar()->isHidden()); return true;
    case cmd::WINDOW_CASCADE: Cascade(); return true;
    case cmd::WINDOW_NEXT: m_mdiArea->activateNextSubWindow(); return true;
    case cmd::WINDOW_PREV: m_mdiArea->activatePreviousSubWindow(); return true;
    case cmd::WINDOW_TILE_HORZ:
    case cmd::WINDOW_TILE_VERT: {
      // Stack the windows across (horizontally) or side by side (vertically).
      const QList<QMdiSubWindow*> windows = m_mdiArea->subWindowList();
      if (windows.isEmpty()) return true;
      const QSize area = m_mdiArea->viewport()->size();
      const int n = static_cast<int>(windows.size());
      for (int i = 0; i < n; ++i) {
        QMdiSubWindow* w = windows[i];
        w->showNormal();
        if (id == cmd::WINDOW_TILE_HORZ)
          w->setGeometry(0, area.height() * i / n, area.width(), area.height() * (i + 1) / n - area.height() * i / n);
        else
          w->setGeometry(area.width() * i / n, 0, area.width() * (i + 1) / n - area.width() * i / n, area.height());
      }
      return true;
    }
    case cmd::APP_EXIT: close(); return true;
    default: return false;
  }
}

bool CMainFrame::OnUpdateCommand(int id, CommandState& state) {
  for (const ToolbarLayout& layout : ToolbarLayouts()) {
    if (layout.toggleCommand != id) continue;
    state.enabled = true;
    state.checked = !Bar(layout.resourceId)->isHidden();
    return true;
  }
  switch (id) {
    case cmd::VIEW_STATUS_BAR:
      state.enabled = true;
      state.checked = !statusBar()->isHidden();
      return true;
    case cmd::WINDOW_CASCADE:
    case cmd::WINDOW_TILE_HORZ:
    case cmd::WINDOW_TILE_VERT:
      state.enabled = !m_mdiArea->subWindowList().isEmpty();
      return true;
    case cmd::WINDOW_NEXT:
    case cmd::WINDOW_PREV: state.enabled = m_mdiArea->subWindowList().size() > 1; return true;
    case cmd::APP_EXIT: state.enabled = true; return true;
    default: return false;
  }
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  QSettings settings;
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

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
  QStringList paths;
  for (const QUrl& url : event->mimeData()->urls())
    if (url.isLocalFile()) paths.append(url.toLocalFile());
  if (paths.isEmpty()) return;
  event->acceptProposedAction();
  emit filesDropped(paths);
}
