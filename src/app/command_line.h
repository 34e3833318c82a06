#pragma once

#include <QString>
#include <QStringList>

// What the editor's command line asks for.
struct CommandLine {
  enum class Action { Open, Print, Help, Version, UsageError };
  Action action = Action::Open;
  QStringList files;          // the levels to open, or the one to print; none: a new level
  QString printer;            // the printer named by --print-to; empty for the default printer
  bool newInstance = false;   // --new-instance: an editor of its own, not the running one
  QString error;              // what is wrong with a command line that cannot be carried out
};

// Reads the arguments (without the program name): [--new-instance] [FILE]..., --print FILE,
// --print-to PRINTER FILE, -h/--help, --version.
CommandLine parseCommandLine(const QStringList& arguments);
