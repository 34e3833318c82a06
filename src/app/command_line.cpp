#include "app/command_line.h"

CommandLine parseCommandLine(const QStringList& arguments) {
  CommandLine line;
  // Asking for help or the version is answered whatever else the line holds.
  if (arguments.contains("-h") || arguments.contains("--help")) {
    line.action = CommandLine::Action::Help;
    return line;
  }
  if (arguments.contains("--version")) {
    line.action = CommandLine::Action::Version;
    return line;
  }
  const auto fail = [&line](const QString& error) {
    line.action = CommandLine::Action::UsageError;
    line.error = error;
    return line;
  };
  bool filesOnly = false;  // after "--", a file may begin with a dash
  for (qsizetype i = 0; i < arguments.size(); ++i) {
    const QString& argument = arguments[i];
    if (filesOnly) {
      if (!argument.isEmpty()) line.files.append(argument);
    } else if (argument == "--") {
      filesOnly = true;
    } else if (argument == "--new-instance") {
      line.newInstance = true;
    } else if (argument == "--print") {
      line.action = CommandLine::Action::Print;
    } else if (argument == "--print-to") {
      if (i + 1 >= arguments.size() || arguments[i + 1].isEmpty()) return fail("--print-to needs a printer name");
      line.action = CommandLine::Action::Print;
      line.printer = arguments[++i];
    } else if (argument.size() > 1 && argument.startsWith('-')) {
      // A mistyped option would otherwise be taken for a file and reported as missing.
      return fail("unknown option " + argument);
    } else if (!argument.isEmpty()) {
      line.files.append(argument);
    }
  }
  if (line.action == CommandLine::Action::Print && line.files.isEmpty()) return fail("printing needs a level file");
  if (line.action == CommandLine::Action::Print && line.files.size() > 1) return fail("only one level can be printed");
  return line;
}
