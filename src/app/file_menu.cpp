// The File menu: new, open, close, save, export, mail and print levels, and quit.
#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>

#include "app/actions.h"
#include "app/menu_context.h"
#include "app/action_icons.h"
#include "app/menu/menu_actions.h"
#include "app/file_dialogs.h"
#include "app/image_export.h"
#include "app/main_window.h"
#include "app/open_levels.h"
#include "app/save_flow.h"
#include "editing/level_document.h"
#include "level/cp1252.h"
#include "level/level_file.h"
#include "render/model_texts.h"
#include "view/level_printer.h"
#include "view/program_printer.h"

namespace {

struct FileMenu {
  Q_DECLARE_TR_FUNCTIONS(FileMenu)
};

// The desktop's keys for a command; where the desktop has none, the key most programs use.
QList<QKeySequence> desktopKeys(QKeySequence::StandardKey command, const QKeySequence& usual) {
  const QList<QKeySequence> keys = QKeySequence::keyBindings(command);
  return keys.isEmpty() ? QList<QKeySequence>{usual} : keys;
}

bool mailProgramExists() { return !QStandardPaths::findExecutable("xdg-email").isEmpty(); }

// The mail program gets a copy of the level as it is now, saved or not.
void mailLevel(const LevelDocument& document, QWidget* parent) {
  QString name = QString::fromStdString(cp1252ToUtf8(document.title()));
  if (!name.endsWith(".lev", Qt::CaseInsensitive)) name += ".lev";
  const QString folder = QDir(QDir::tempPath()).filePath("cavernia-mail");
  QDir().mkpath(folder);
  const QString path = QDir(folder).filePath(name);
  const FileResult written = saveLevelFile(document.level(), path.toStdString());
  if (!written.ok) {
    QMessageBox::warning(
        parent, "Cavernia Level Editor",
        FileMenu::tr("The level could not be attached.\n\n%1").arg(translated::messageText(written.error)));
    return;
  }
  if (!QProcess::startDetached("xdg-email", {"--subject", name, "--attach", path}))
    QMessageBox::warning(parent, "Cavernia Level Editor", FileMenu::tr("The mail program could not be started."));
}

}  // namespace

void addFileMenu(MenuContext& context, Actions& actions) {
  MenuActions& menuActions = context.menuActions;
  MainWindow* window = &context.window;
  OpenLevels* levels = &context.levels;
  const auto active = [&context] { return activeDocument(context); };
  const auto levelActive = [active] { return active() != nullptr; };
  const auto saveFlow = [levels, active] { return levels->saveFlowOf(*active()); };
  Actions::File& file = actions.file;
  using Key = QKeySequence;

  file.newLevel = menuActions.add({.text = FileMenu::tr("&New"),
                                .keys = {Key(Qt::CTRL | Qt::Key_N)},
                                .prompt = FileMenu::tr("Creates a new level"),
                                .tooltip = FileMenu::tr("New (Ctrl+N)"),
                                .icon = actionIcon(ActionIcon::NewLevel),
                                .run = [levels] { levels->open(QString()); }});
  file.open = menuActions.add({.text = FileMenu::tr("&Open..."),
                            .keys = {Key(Qt::CTRL | Qt::Key_O)},
                            .prompt = FileMenu::tr("Opens an existing level"),
                            .tooltip = FileMenu::tr("Open (Ctrl+O)"),
                            .icon = actionIcon(ActionIcon::Open),
                            .run = [levels, window, active] {
                              const LevelDocument* level = active();
                              const QString folder = startFolder(level ? QString::fromStdString(level->path()) : QString());
                              const QString path =
                                  askFileToOpen(window, FileMenu::tr("Open"), folder, FileMenu::tr("Cavernia Level (*.lev)"));
                              if (!path.isEmpty()) levels->open(path);
                            }});
  file.close = menuActions.add({.text = FileMenu::tr("&Close"),
                             .keys = desktopKeys(Key::Close, Key(Qt::CTRL | Qt::Key_W)),
                             .prompt = FileMenu::tr("Closes the active level"),
                             .tooltip = FileMenu::tr("Close"),
                             .enabled = levelActive,
                             .run = [levels, active] { levels->close(*active()); }});
  file.save = menuActions.add({.text = FileMenu::tr("&Save"),
                            .keys = {Key(Qt::CTRL | Qt::Key_S)},
                            .prompt = FileMenu::tr("Saves the active level"),
                            .tooltip = FileMenu::tr("Save (Ctrl+S)"),
                            .icon = actionIcon(ActionIcon::Save),
                            .enabled = levelActive,
                            .run = [saveFlow] { saveFlow()->save(); }});
  file.saveAs = menuActions.add({.text = FileMenu::tr("Save &As..."),
                              .keys = desktopKeys(Key::SaveAs, Key(Qt::CTRL | Qt::SHIFT | Qt::Key_S)),
                              .prompt = FileMenu::tr("Saves the active level under a new name"),
                              .tooltip = FileMenu::tr("Save As"),
                              .enabled = levelActive,
                              .run = [saveFlow] { saveFlow()->saveAs(); }});
  file.exportImage = menuActions.add(
      {.text = FileMenu::tr("Expor&t as Image..."),
       .prompt = FileMenu::tr("Writes the active level as a PNG picture, as it is shown"),
       .tooltip = FileMenu::tr("Export as Image"),
       .enabled = levelActive,
       .run = [&context, window] { exportLevelImage(*activeDocument(context), *activeViewState(context), window); }});
  file.sendMail = menuActions.add({.text = FileMenu::tr("E-mail..."),
                                .prompt = FileMenu::tr("Sends the active level as an e-mail attachment"),
                                .tooltip = FileMenu::tr("Send Mail"),
                                .icon = actionIcon(ActionIcon::SendMail),
                                .enabled = [levelActive] { return levelActive() && mailProgramExists(); },
                                .run = [active, window] { mailLevel(*active(), window); }});
  // The active level prints wherever the focus is, the form included.
  file.print = menuActions.add({.text = FileMenu::tr("&Print..."),
                             .keys = {Key(Qt::CTRL | Qt::Key_P)},
                             .prompt = FileMenu::tr("Prints the level."),
                             .tooltip = FileMenu::tr("Print (Ctrl+P)"),
                             .icon = actionIcon(ActionIcon::Print),
                             .enabled = levelActive,
                             .run = [active, window] { printWithDialog(*active(), window); }});
  file.printPreview = menuActions.add({.text = FileMenu::tr("Print Pre&view"),
                                    .prompt = FileMenu::tr("Previews the level."),
                                    .tooltip = FileMenu::tr("Print Preview"),
                                    .enabled = levelActive,
                                    .run = [active, window] { showPrintPreview(*active(), window); }});
  file.printSetup = menuActions.add({.text = FileMenu::tr("P&rinter Setup..."),
                                  .prompt = FileMenu::tr("Changes the printer and printing options"),
                                  .tooltip = FileMenu::tr("Printer Setup"),
                                  .run = [window] { runPrinterSetup(window); }});
  file.exit = menuActions.add({.text = FileMenu::tr("E&xit"),
                            .keys = desktopKeys(Key::Quit, Key(Qt::CTRL | Qt::Key_Q)),
                            .prompt = FileMenu::tr("Quits the application and asks to save levels"),
                            .tooltip = FileMenu::tr("Exit"),
                            .run = [window] { window->close(); }});
}
