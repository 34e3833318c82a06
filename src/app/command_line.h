#pragma once

#include <QString>
#include <QStringList>

// What the editor's command line asks for.
struct CommandLine {
  enum class Action { Open, Print, Help, Version, UsageError };
  Action action = Action::Open;
  QString file;     // the level to open or print; empty for a new level
  QString printer;  // the printer named by --print-to; empty for the default printer
  QString error;    // what is wrong with a command line that cannot be carried out
};

// Reads the arguments (without the program name): [FILE], --print FILE, --print-to PRINTER FILE,
// -h/--help, --version.
CommandLine parseCommandLine(const QStringList& arguments);
