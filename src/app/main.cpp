#include <QFileInfo>
#include <QTextStream>

#include "app/bus_autolaunch_guard.h"
#include "app/cavernia_app.h"
#include "app/command_line.h"
#include "app/instance_link.h"
#include "app/startup_loader.h"

namespace {

// Help and the version are answered before the application needs a display.
bool answeredWithoutDisplay(int argc, char** argv) {
  QStringList arguments;
  for (int i = 1; i < argc; ++i) arguments.append(QString::fromLocal8Bit(argv[i]));
  const CommandLine line = parseCommandLine(arguments);
  if (line.action == CommandLine::Action::Help) QTextStream(stdout) << CaverniaApp::usageText();
  if (line.action == CommandLine::Action::Version) QTextStream(stdout) << "Cavernia Level Editor 0.9\n";
  return line.action == CommandLine::Action::Help || line.action == CommandLine::Action::Version;
}

}  // namespace

int main(int argc, char** argv) {
  if (answeredWithoutDisplay(argc, argv)) return 0;
  BusAutolaunchGuard busGuard;
  StartupLoader loader;
  CaverniaApp app(argc, argv);
  loader.wait();
  // Qt takes its own options (-platform, -style) out of the arguments first.
  const CommandLine line = parseCommandLine(app.arguments().mid(1));
  QTextStream errors(stderr);
  if (line.action == CommandLine::Action::UsageError) {
    errors << "cavernia-editor: " << line.error << "\n" << CaverniaApp::usageText();
    return 2;
  }
  if (line.action == CommandLine::Action::Print) return app.printLevelFile(line.files.first(), line.printer, errors);

  InstanceLink link(InstanceLink::defaultName());
  if (!line.newInstance) {
    // The running editor has a working folder of its own.
    QStringList files;
    for (const QString& file : line.files) files.append(QFileInfo(file).absoluteFilePath());
    switch (link.handOverOrListen(files)) {
      case InstanceLink::Outcome::HandedOver:
        return 0;
      case InstanceLink::Outcome::NoAnswer:
        errors << "cavernia-editor: the running editor does not answer\n";
        return 1;
      case InstanceLink::Outcome::Listening:
        QObject::connect(&link, &InstanceLink::filesHandedOver, &app, &CaverniaApp::openHandedOver);
        break;
    }
  }
  if (!app.start(line.files)) return app.finish(1);
  busGuard.restore();  // the first window has looked for the bus
  return app.finish(app.exec());
}
