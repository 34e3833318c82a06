// A second yardstick for start-up: the bare main window with a menu bar, a status bar message and
// one text field. It costs what any window with text costs and the bare window does not: the font
// configuration, a font, and shaping text. tools/startup_ab.sh starts it beside the others.
#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.menuBar()->addMenu("&File")->addAction("&Open");
  window.statusBar()->showMessage("Ready");
  window.setCentralWidget(new QLineEdit("Level name"));
  window.resize(1000, 700);  // as the bare window
  window.show();
  return app.exec();
}
