#include "app/cavernia_app.h"

#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QMdiArea>
#include <QPrinter>
#include <QStatusBar>
#include <QTextStream>
#include <QTimer>

#include "app/menu_context.h"
#include "app/menu/menu_actions.h"
#include "app/menu/focused_text_field.h"
#include "app/deferred_icon_style.h"
#include "app/disk_watch.h"
#include "app/editor_settings.h"
#include "app/level_window.h"
#include "app/main_window.h"
#include "app/open_levels.h"
#include "app/program_icon.h"
#include "app/recovery_writer.h"
#include "app/restore_dialog.h"
#include "app/user_language.h"
#include "app/window_placement.h"
#include "artwork/artwork_sets.h"
#include "editing/level_document.h"
#include "level/level_file.h"
#include "render/model_texts.h"
#include "view/level_pack_panel.h"
#include "view/level_printer.h"
#include "view/level_view.h"
#include "view/program_printer.h"
#include "view/level_view_state.h"

namespace {

constexpr int kHandOverRetryMs = 200;

}  // namespace

CaverniaApp::CaverniaApp(int& argc, char** argv) : QApplication(argc, argv) {
  setOrganizationName("Cavernia");
  setApplicationName("Cavernia Level Editor");
  moveEarlierSettings();
  setApplicationVersion("0.9");
  installUserLanguage(*this, QLocale());
  setStyle(new DeferredIconStyle(style()));
}

CaverniaApp::~CaverniaApp() { finish(0); }

QString CaverniaApp::usageText() {
  return "Usage: cavernia-editor [--new-instance] [FILE.lev]...\n"
         "  or:  cavernia-editor --print FILE.lev\n"
         "  or:  cavernia-editor --print-to PRINTER FILE.lev\n"
         "Opens each level FILE, or a new level when no file is given.\n"
         "\n"
         "When the editor is already running for this user on this display, the files open\n"
         "in that editor, which comes to the front, and this command ends.\n"
         "\n"
         "Options:\n"
         "  --new-instance      start a separate editor, even when one is running\n"
         "  --print             print the level on the default printer and end\n"
         "  --print-to PRINTER  print the level on the printer named PRINTER and end\n"
         "  -h, --help          show this help\n"
         "  --version           show the version\n"
         "  --                  the arguments after it are level files, even those that\n"
         "                      begin with a dash\n"
         "\n"
         "Exit status:\n"
         "  0  the editor ended normally, the files went to the running editor, or the\n"
         "     level was printed\n"
         "  1  no named level could be opened, the running editor did not answer, or\n"
         "     printing failed\n"
         "  2  the command line is wrong\n";
}

bool CaverniaApp::start(const QStringList& files) {
  // Artwork comes first, so that the first window can draw at once (the program's start may
  // have read it already).
  if (!defaultArtworkSet()) loadArtworkSets(applicationDirPath().toStdString());

  // Every window without an icon of its own, the level windows too, shows this one.
  setWindowIcon(programIcon());
  m_window = std::make_unique<MainWindow>();
  m_menuActions = new MenuActions(*m_window);
  m_textField = std::make_unique<FocusedTextField>([this] { m_menuActions->requestRefresh(); });
  MainWindow* window = m_window.get();
  m_levels = new OpenLevels(*window->mdiArea(), [window](LevelWindow* levelWindow) { placeNewWindow(*window, levelWindow); },
                            window);
  m_diskWatch = new DiskWatch(
      *m_levels, [window](const QString& text) { window->statusBar()->showMessage(text); }, m_levels);
  m_context = std::make_unique<MenuContext>(MenuContext{*m_menuActions, *window, *m_levels, *m_textField});
  m_actions = {};
  addFileMenu(*m_context, m_actions);
  addEditMenu(*m_context, m_actions);
  addViewMenu(*m_context, m_actions);
  addWindowMenu(*m_context, m_actions);
  addElementMenu(*m_context, m_actions);
  addHelpMenu(*m_context, m_actions);
  addCompareMenu(*m_context, m_actions);
  window->build(m_actions);
  showActiveArtwork();
  window->setRecentFiles(m_levels->recentFiles().files());
  connectParts();

  OpenLevels* levels = m_levels;
  m_recovery = std::make_unique<RecoveryWriter>([levels] { return levels->documents(); }, RecoveryWriter::intervalSetting());
  RecoveryWriter* recovery = m_recovery.get();
  connect(m_levels, &OpenLevels::levelSaved, recovery, &RecoveryWriter::remove);
  connect(m_levels, &OpenLevels::levelClosed, recovery, &RecoveryWriter::remove);

  // Named files that all fail end start-up before any recovered level is touched, unless
  // another start handed files over while the failure was reported.
  int opened = 0;
  for (const QString& file : files) opened += m_levels->open(file) != nullptr;
  if (!files.isEmpty() && opened == 0 && m_handedOver.isEmpty()) return false;
  // Restored levels take the place of the new level.
  if (offerRecoveredLevels(*m_levels, *recovery, window) == 0 && files.isEmpty()) m_levels->open(QString());
  window->show();
  m_menuActions->refreshNow();
  return true;
}

void CaverniaApp::openHandedOver(const QStringList& files) {
  m_handedOver.append(files);
  m_frontWanted = true;
  QTimer::singleShot(0, this, &CaverniaApp::openHandedOverFiles);
}

void CaverniaApp::openHandedOverFiles() {
  if (!m_frontWanted) return;  // done already, or the editor has ended
  // A dialog waiting for an answer comes first: the files wait for it to close.
  if (!m_window || !m_window->isVisible() || activeModalWidget()) {
    QTimer::singleShot(kHandOverRetryMs, this, &CaverniaApp::openHandedOverFiles);
    return;
  }
  m_frontWanted = false;
  while (!m_handedOver.isEmpty()) m_levels->open(m_handedOver.takeFirst());
  m_window->setWindowState(m_window->windowState() & ~Qt::WindowMinimized);
  m_window->raise();
  m_window->activateWindow();
}

void CaverniaApp::connectParts() {
  MainWindow* window = m_window.get();
  MenuActions* menuActions = m_menuActions;
  const auto refresh = [menuActions] { menuActions->requestRefresh(); };
  connect(&m_levels->recentFiles(), &RecentFiles::changed, window, &MainWindow::setRecentFiles);
  connect(window, &MainWindow::recentFileChosen, this, [this](const QString& path) {
    // The user has been told why it failed; the entry would only fail again.
    if (!m_levels->open(path)) m_levels->recentFiles().remove(path);
  });
  connect(window, &MainWindow::filesDropped, this, [this](const QStringList& paths) {
    for (const QString& path : paths) m_levels->open(path);
  });
  connect(window, &MainWindow::closeRequested, this, [this](bool* accept) { *accept = m_levels->closeAll(); });
  connect(window, &MainWindow::activeLevelWindowChanged, menuActions, [this, refresh] {
    showActiveArtwork();
    refresh();
  });
  connect(m_levels, &OpenLevels::levelsChanged, menuActions, refresh);
  // Other programs' changes to the files: watched, and looked for whenever a level comes forward.
  connect(m_levels, &OpenLevels::levelsChanged, m_diskWatch, &DiskWatch::follow);
  connect(m_levels, &OpenLevels::levelSaved, m_diskWatch, &DiskWatch::saved);
  connect(window, &MainWindow::activeLevelWindowChanged, m_diskWatch, &DiskWatch::checkAll);
  connect(this, &QGuiApplication::applicationStateChanged, m_diskWatch, [this](Qt::ApplicationState state) {
    if (state == Qt::ApplicationActive) m_diskWatch->checkAll();
  });
  // The Level Pack panel shows the active level's folder.
  LevelPackPanel* pack = window->levelPackPanel();
  const auto showActiveFolder = [this, pack] {
    const LevelDocument* document = activeDocument(*m_context);
    const QString path = document ? QString::fromStdString(document->path()) : QString();
    pack->showFolder(path.isEmpty() ? QString() : QFileInfo(path).absolutePath());
  };
  connect(window, &MainWindow::activeLevelWindowChanged, pack, showActiveFolder);
  connect(m_levels, &OpenLevels::levelSaved, pack, [pack, showActiveFolder](const LevelDocument* document) {
    pack->levelSaved(QString::fromStdString(document->path()));
    showActiveFolder();  // "Save As" may have moved it to another folder
  });
  connect(pack, &LevelPackPanel::levelActivated, m_levels, [this](const QString& path) { m_levels->open(path); });
  // Open levels show in the panel as they are, saved or not.
  pack->setOpenLevels([this](const QString& folder) {
    std::map<std::string, Level> open;
    for (const LevelDocument* document : m_levels->documents()) {
      const QFileInfo file(QString::fromStdString(document->path()));
      if (!document->path().empty() && file.absolutePath() == QFileInfo(folder).absoluteFilePath())
        open.emplace(QFile::encodeName(file.fileName()).toStdString(), document->level());
    }
    return open;
  });
  connect(m_levels, &OpenLevels::levelPropertiesChanged, pack, &LevelPackPanel::openLevelsEdited);
  connect(m_levels, &OpenLevels::levelsChanged, pack, &LevelPackPanel::openLevelsEdited);
  connect(m_levels, &OpenLevels::levelStateChanged, menuActions, refresh);
  connect(m_levels, &OpenLevels::artworkChosen, this, &CaverniaApp::showActiveArtwork);
  // Every command but those on a lifted block first puts the active view's block down.
  menuActions->setBeforeAction([this] {
    if (LevelWindow* active = ::activeWindow(*m_context)) active->view()->putDownBlock();
  });
  connect(m_levels, &OpenLevels::windowCreated, menuActions, [this, refresh](LevelWindow* levelWindow) {
    levelWindow->view()->addActions(m_menuActions->levelViewActions());
    connect(levelWindow->view(), &LevelView::stateChanged, m_menuActions, refresh);
    connect(levelWindow->view(), &LevelView::cellUnderMouseChanged, m_window.get(), &MainWindow::showCellUnderMouse);
    LevelViewState& viewState = levelWindow->view()->viewState();
    connect(&viewState, &LevelViewState::currentElementChanged, m_menuActions, refresh);
    connect(&viewState, &LevelViewState::drawModeChanged, m_menuActions, refresh);
    connect(&viewState, &LevelViewState::cellSizeChanged, m_menuActions, refresh);
    connect(&viewState, &LevelViewState::gridVisibleChanged, m_menuActions, refresh);
  });
  connect(this, &QApplication::focusChanged, menuActions, [this, refresh] {
    followFocus();
    refresh();
  });
  connect(clipboard(), &QClipboard::dataChanged, menuActions, refresh);
}

void CaverniaApp::followFocus() {
  if (!m_window) return;  // shutting down
  QWidget* focus = QApplication::focusWidget();
  m_textField->follow(focus && focus->window() == m_window.get() ? focus : nullptr);
}

void CaverniaApp::showActiveArtwork() {
  if (!m_window) return;
  // Without an active level the buttons show the default set (no name names none).
  const LevelWindow* active = m_window->activeLevelWindow();
  m_window->showElementPictures(active ? levelArtwork(active->document().level()) : artworkSetOrDefault({}));
}

int CaverniaApp::finish(int code) {
  m_handedOver.clear();
  m_frontWanted = false;
  if (!m_window) return code;
  m_recovery.reset();  // a clean end: nothing to recover
  m_window.reset();  // the commands and the levels with it
  m_context.reset();
  m_menuActions = nullptr;
  m_levels = nullptr;
  m_diskWatch = nullptr;
  m_textField.reset();
  freeArtworkSets();
  return code;
}

int CaverniaApp::printLevelFile(const QString& file, const QString& printerName, QTextStream& errors,
                                QPrinter* printer) {
  if (!defaultArtworkSet()) loadArtworkSets(applicationDirPath().toStdString());  // read at the start already
  const auto fail = [&errors](const QString& message) {
    errors << "cavernia-editor: " << message << "\n";
    errors.flush();
    freeArtworkSets();
    return 1;
  };
  Level level;
  const FileResult opened = readLevelFile(QFileInfo(file).absoluteFilePath().toStdString(), level);
  if (!opened.ok) return fail(translated::messageText(opened.error));
  std::unique_ptr<QPrinter> printerByName;
  if (!printer) {
    QString problem;
    printerByName = systemPrinter(printerName, &problem);
    if (!printerByName) return fail(tr("%1 could not be printed: %2").arg(file, problem));
    printer = printerByName.get();
  }
  printer->setDocName(QFileInfo(file).fileName());
  if (!printLevel(*printer, level)) {
    const QString where = printer->outputFileName().isEmpty() ? printer->printerName() : printer->outputFileName();
    return fail(tr("%1 could not be printed: the printer \"%2\" could not be started").arg(file, where));
  }
  freeArtworkSets();
  return 0;
}
