#pragma once

#include <QApplication>
#include <QStringList>
#include <memory>

#include "app/commands/command_target.h"

class CommandRouter;
class QPrinter;
class QTextStream;
class CMainFrame;
class CDocTemplate;
class CTextFieldTarget;

// The application: start-up in a fixed order, the application's own commands (New, Open),
// and the route every command takes.
class CBrannocApp : public QApplication, public CCmdTarget {
  Q_OBJECT
 public:
  CBrannocApp(int& argc, char** argv);
  ~CBrannocApp() override;

  // Runs the start-up steps with the given arguments (without the program name); false when
  // the program should end (a file that could not be opened, or --help/--version).
  bool InitInstance(const QStringList& arguments);
  // Releases what start-up loaded; returns the exit code.
  int ExitInstance(int code);
  // Prints a level file without showing any window and returns the exit code; what went wrong
  // goes to `errors`. The printer is the print system's printer of that name (empty: the
  // default printer), or `printer` when one comes set up already.
  int PrintInstance(const QString& file, const QString& printerName, QTextStream& errors, QPrinter* printer = nullptr);

  CMainFrame* MainFrame() const { return m_frame.get(); }
  CDocTemplate* DocTemplate() const { return m_template; }
  CommandRouter* Router() const { return m_router.get(); }

  bool OnCommand(int id) override;
  bool OnUpdateCommand(int id, CommandState& state) override;

  static QString UsageText();

 private:
  void OpenFileDialog();

  std::unique_ptr<CommandRouter> m_router;
  std::unique_ptr<CTextFieldTarget> m_textField;
  std::unique_ptr<CMainFrame> m_frame;
  CDocTemplate* m_template = nullptr;  // owned by the frame
};
