#pragma once

#include <QApplication>
#include <QStringList>
#include <memory>

#include "app/actions.h"

class MenuActions;
class DiskWatch;
class LevelDocument;
class MainWindow;
class OpenLevels;
class QPrinter;
class QTextStream;
class RecoveryWriter;
class FocusedTextField;
struct MenuContext;

// The application: start-up in a fixed order, the main window with its commands, and the
// open levels.
class CaverniaApp : public QApplication {
  Q_OBJECT
 public:
  CaverniaApp(int& argc, char** argv);
  ~CaverniaApp() override;

  // Runs the start-up steps and opens the named level files; false when the program should
  // end (none of them could be opened).
  bool start(const QStringList& files);
  // Files another start of the editor handed over: they open, and the main window comes to
  // the front, once no dialog waits for an answer.
  void openHandedOver(const QStringList& files);
  // Releases what start-up loaded; returns the exit code.
  int finish(int code);
  // Prints a level file without showing any window and returns the exit code; what went wrong
  // goes to `errors`. The printer is the print system's printer of that name (empty: the
  // default printer), or `printer` when one comes set up already.
  int printLevelFile(const QString& file, const QString& printerName, QTextStream& errors, QPrinter* printer = nullptr);

  MainWindow* mainWindow() const { return m_window.get(); }
  OpenLevels* levels() const { return m_levels; }
  MenuActions* menuActions() const { return m_menuActions; }
  const Actions& actions() const { return m_actions; }
  RecoveryWriter* recovery() const { return m_recovery.get(); }

  static QString usageText();

 private:
  void connectParts();
  // The element buttons show the artwork set of the active level.
  void showActiveArtwork();
  void followFocus();
  void openHandedOverFiles();

  std::unique_ptr<MainWindow> m_window;
  MenuActions* m_menuActions = nullptr;  // owned by the main window
  OpenLevels* m_levels = nullptr;    // owned by the main window
  DiskWatch* m_diskWatch = nullptr;  // owned by m_levels
  std::unique_ptr<FocusedTextField> m_textField;
  std::unique_ptr<MenuContext> m_context;
  std::unique_ptr<RecoveryWriter> m_recovery;
  Actions m_actions;
  QStringList m_handedOver;    // waiting to be opened
  bool m_frontWanted = false;  // a hand-over is waiting to be carried out
};
