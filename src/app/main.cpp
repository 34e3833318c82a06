#include <QTextStream>

#include "app/brannoc_app.h"

int main(int argc, char** argv) {
  CBrannocApp app(argc, argv);
  QStringList arguments = app.arguments().mid(1);
  if (arguments.contains("-h") || arguments.contains("--help")) {
    QTextStream(stdout) << CBrannocApp::UsageText();
    return 0;
  }
  if (arguments.contains("--version")) {
    QTextStream(stdout) << "Cavernia Level Editor 0.9\n";
    return 0;
  }
  if (arguments.size() > 1) {
    QTextStream(stderr) << "cavernia-editor: only one level can be named\n" << CBrannocApp::UsageText();
    return 2;
  }
  if (!app.InitInstance(arguments)) return app.ExitInstance(1);
  return app.ExitInstance(app.exec());
}
