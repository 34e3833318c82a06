#include <QTextStream>

#include "app/brannoc_app.h"
#include "app/command_line.h"

int main(int argc, char** argv) {
  CBrannocApp app(argc, argv);
  const CommandLine line = ParseCommandLine(app.arguments().mid(1));
  QTextStream errors(stderr);
  switch (line.action) {
    case CommandLine::HELP: QTextStream(stdout) << CBrannocApp::UsageText(); return 0;
    case CommandLine::VERSION: QTextStream(stdout) << "Cavernia Level Editor 0.9\n"; return 0;
    case CommandLine::USAGE_ERROR:
      errors << "cavernia-editor: " << line.error << "\n" << CBrannocApp::UsageText();
      return 2;
    case CommandLine::PRINT: return app.PrintInstance(line.file, line.printer, errors);
    case CommandLine::OPEN: break;
  }
  if (!app.InitInstance(line.file.isEmpty() ? QStringList() : QStringList{line.file})) return app.ExitInstance(1);
  return app.ExitInstance(app.exec());
}
