#include <QTextStream>

#include "app/cavernia_app.h"
#include "app/command_line.h"

int main(int argc, char** argv) {
  CaverniaApp app(argc, argv);
  const CommandLine line = parseCommandLine(app.arguments().mid(1));
  QTextStream errors(stderr);
  switch (line.action) {
    case CommandLine::Action::Help: QTextStream(stdout) << CaverniaApp::usageText(); return 0;
    case CommandLine::Action::Version: QTextStream(stdout) << "Cavernia Level Editor 0.9\n"; return 0;
    case CommandLine::Action::UsageError:
      errors << "cavernia-editor: " << line.error << "\n" << CaverniaApp::usageText();
      return 2;
    case CommandLine::Action::Print: return app.printLevelFile(line.file, line.printer, errors);
    case CommandLine::Action::Open: break;
  }
  if (!app.start(line.file.isEmpty() ? QStringList() : QStringList{line.file})) return app.finish(1);
  return app.finish(app.exec());
}
