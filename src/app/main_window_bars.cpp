// The main window's toolbars and status bar.
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QStatusBar>
#include <QToolBar>

#include "app/actions.h"
#include "app/element_icons.h"
#include "app/main_window.h"

namespace {

const char* const kIdleMessage = QT_TRANSLATE_NOOP("MainWindow", "Ready");

void addButtons(QToolBar* bar, std::initializer_list<QAction*> actions) {
  for (QAction* action : actions) {
    if (action)
      bar->addAction(action);
    else
      bar->addSeparator();
  }
}

// The element buttons of a bar, in their order; kNoElement stands for a separator.
void addElementButtons(QToolBar* bar, const Actions::Elements& elements, std::initializer_list<int> order) {
  for (int element : order) {
    if (element == kNoElement)
      bar->addSeparator();
    else
      bar->addAction(elements.element[element]);
  }
}

}  // namespace

void MainWindow::fillToolbars(const Actions& actions) {
  const Actions::File& file = actions.file;
  const Actions::Edit& edit = actions.edit;
  const Actions::Elements& elements = actions.elements;
  const Actions::View& view = actions.view;
  constexpr int gap = kNoElement;
  addButtons(toolbar(Toolbar::File), {file.newLevel, file.open, file.save, nullptr, file.sendMail, nullptr, edit.cut,
                                      edit.copy, edit.paste, nullptr, file.print, actions.about});
  addElementButtons(toolbar(Toolbar::BasicElements), elements,
                    {EL_PLAYER1, EL_PLAYER2, gap, EL_EMERALD, EL_EMBEDDED_EMERALD, EL_CERULINE, EL_RUBY, EL_BAG,
                     EL_ROCK, EL_SAFE, gap, EL_EARTH, EL_WALL, EL_STONEWALL, EL_ROUNDED_WALL, EL_GLASSWALL, EL_SAND,
                     EL_FULL_SAND, EL_INVERTED_WALL, gap, EL_CONVERTER, EL_DISPENSER, EL_CUSHION, gap, EL_TIMEBOMB,
                     EL_TICKING_TIMEBOMB, EL_TIMEBOMB_BOX, EL_BOMB, EL_ACID});
  addElementButtons(toolbar(Toolbar::MovingElements), elements,
                    {EL_SWAMP, EL_DROP, gap, EL_LORRY_UP, EL_LORRY_DOWN, EL_LORRY_LEFT, EL_LORRY_RIGHT, gap, EL_BUG_UP,
                     EL_BUG_DOWN, EL_BUG_LEFT, EL_BUG_RIGHT, gap, EL_YAMYAM_UP, EL_YAMYAM_DOWN, EL_YAMYAM_LEFT,
                     EL_YAMYAM_RIGHT, EL_ROBOT, EL_WHEEL});
  addButtons(toolbar(Toolbar::DrawModes), {elements.freeDraw, elements.line, elements.fill, elements.rectangle,
                                           elements.filledRectangle, nullptr, elements.selection});
  addElementButtons(toolbar(Toolbar::DoorsAndKeys), elements,
                    {EL_EXIT, gap, EL_BLUE_DOOR, EL_RED_DOOR, EL_GREEN_DOOR, EL_YELLOW_DOOR, gap, EL_BLUE_KEY,
                     EL_RED_KEY, EL_GREEN_KEY, EL_YELLOW_KEY});
  addButtons(toolbar(Toolbar::Grid),
             {view.cellSize15, view.cellSize30, view.cellSize60, nullptr, view.gridSize, nullptr, view.grid});
  // Docked along the top: drawing modes, file and basic elements in the first row, the rest below.
  for (Toolbar bar : {Toolbar::DrawModes, Toolbar::File, Toolbar::BasicElements})
    addToolBar(Qt::TopToolBarArea, toolbar(bar));
  addToolBarBreak(Qt::TopToolBarArea);
  for (Toolbar bar : {Toolbar::MovingElements, Toolbar::DoorsAndKeys, Toolbar::Grid})
    addToolBar(Qt::TopToolBarArea, toolbar(bar));
  m_elementActions = QList<QAction*>(elements.element.begin(), elements.element.end());
}

void MainWindow::showElementPictures(const ArtworkSet& set) {
  if (m_elementArtwork == &set) return;
  m_elementArtwork = &set;
  for (int element = 0; element < m_elementActions.size(); ++element)
    m_elementActions[element]->setIcon(elementIcon(set, element));
}

void MainWindow::createStatusBar() {
  QStatusBar* bar = statusBar();
  auto indicator = [bar](const QString& text) {
    auto* label = new QLabel(text, bar);
    label->setAlignment(Qt::AlignCenter);
    const QFontMetrics metrics = label->fontMetrics();
    label->setMinimumWidth(std::max(metrics.horizontalAdvance("NUM"), metrics.horizontalAdvance(text)) + 12);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    bar->addPermanentWidget(label);
    label->setEnabled(false);  // greyed while the lock is off
    return label;
  };
  // The cell under the mouse has a place of its own: prompts and messages keep theirs.
  m_cellIndicator = new QLabel(bar);
  const QFontMetrics metrics = m_cellIndicator->fontMetrics();
  //: Not shown: as wide as the longest cell description, which sets the indicator's width
  m_cellIndicator->setMinimumWidth(metrics.horizontalAdvance(tr("125, 125  Wall with rounded top")) + 12);
  bar->addPermanentWidget(m_cellIndicator);
  //: Caps lock is on
  m_capsIndicator = indicator(tr("CAP"));
  //: Num lock is on
  m_numIndicator = indicator(tr("NUM"));
  //: Scroll lock is on
  m_scrollIndicator = indicator(tr("SCRL"));
  const QString idle = tr(kIdleMessage);
  bar->showMessage(idle);
  // When a prompt goes away, the idle message comes back.
  connect(bar, &QStatusBar::messageChanged, bar, [bar, idle](const QString& message) {
    if (message.isEmpty()) bar->showMessage(idle);
  });
  qApp->installEventFilter(this);
}

void MainWindow::showCellUnderMouse(const QString& description) { m_cellIndicator->setText(description); }

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)
    showLockIndicators(static_cast<QKeyEvent*>(event)->nativeModifiers());
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::showLockIndicators(quint32 nativeModifiers) {
  // On X11 the key state carries the lock bits: Lock is caps lock, Mod2 is num lock.
  if (QGuiApplication::platformName() != "xcb") return;
  m_capsIndicator->setEnabled(nativeModifiers & 0x02);
  m_numIndicator->setEnabled(nativeModifiers & 0x10);
}
