// The editor's first window built plainly with Qt, to measure start-up against: about the same
// kinds and numbers of widgets (menus, tool bars, the form, a dock, the status bar), no logic,
// no level, no artwork, no settings. tools/startup_ab.sh builds it; compare with
//   bash tools/startup_ab.sh build/perf/plain_window build/run/bin/cavernia-editor
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDockWidget>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  const char* menus[] = {"&File", "&Edit", "&View", "&Window", "&Elements", "&Compare", "&?"};
  int actions = 0;
  for (const char* title : menus) {
    QMenu* menu = window.menuBar()->addMenu(title);
    for (int i = 0; i < 16; ++i) menu->addAction(QString("Action %1").arg(++actions));
  }
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::darkGreen);
  const QIcon icon(pixmap);
  const int buttonsPerBar[] = {12, 27, 19, 7, 11, 7};
  for (int buttons : buttonsPerBar) {
    QToolBar* bar = window.addToolBar("Bar");
    bar->setIconSize(QSize(16, 16));
    for (int i = 0; i < buttons; ++i) bar->addAction(icon, QString("Button %1").arg(i));
  }
  auto* area = new QMdiArea;
  window.setCentralWidget(area);
  auto* splitter = new QSplitter;
  auto* form = new QWidget;
  form->setFont(QFont(form->font().family(), 8));
  auto* grid = new QGridLayout(form);
  for (int i = 0; i < 17; ++i) {
    grid->addWidget(new QLabel(QString("Property number %1").arg(i)), i, 0);
    grid->addWidget(new QLineEdit(QString::number(i * 7)), i, 1);
    grid->addWidget(new QLabel("(1- 126)"), i, 2);
  }
  for (int i = 0; i < 4; ++i) {
    auto* combo = new QComboBox;
    combo->addItems({"Default", "Other", "Third"});
    grid->addWidget(combo, 17 + i, 1);
  }
  grid->addWidget(new QCheckBox("Turn off yam-yam sound"), 21, 0);
  grid->addWidget(new QCheckBox("Turn off laser sound"), 21, 1);
  auto* list = new QListWidget;
  for (int i = 1; i <= 20; ++i) list->addItem(QString("Remainder %1").arg(i));
  grid->addWidget(list, 22, 0, 1, 3);
  grid->addWidget(new QPlainTextEdit("All fifty elements, each in its own bay."), 23, 0, 1, 3);
  auto* scroller = new QScrollArea;
  scroller->setWidget(form);
  scroller->setWidgetResizable(true);
  splitter->addWidget(scroller);
  splitter->addWidget(new QWidget);
  QMdiSubWindow* sub = area->addSubWindow(splitter);
  sub->resize(900, 600);
  sub->show();
  auto* dock = new QDockWidget("Problems");
  auto* problems = new QListWidget;
  problems->addItem("property Next level: Next level \"Demo\" is not a level of this folder");
  dock->setWidget(problems);
  window.addDockWidget(Qt::RightDockWidgetArea, dock);
  for (const char* text : {"125, 125  Wall with rounded top", "CAP", "NUM", "SCRL"})
    window.statusBar()->addPermanentWidget(new QLabel(text));
  window.statusBar()->showMessage("Ready");
  window.resize(1440, 900);
  window.show();
  return app.exec();
}
