// The main frame's toolbars and status bar.
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QStatusBar>
#include <QToolBar>

#include "app/commands/command_ids.h"
#include "app/commands/command_router.h"
#include "app/frame/element_icons.h"
#include "app/frame/main_frame.h"
#include "app/frame/toolbar_layout.h"
#include "level/elements.h"

namespace {
const char* const kIdleMessage = "Bereit";
}

void CMainFrame::CreateToolbars() {
  QHash<int, QToolBar*> created;
  for (const ToolbarLayout& layout : ToolbarLayouts()) {
    auto* toolbar = new QToolBar(layout.caption, this);
    toolbar->setObjectName(QString("Bar%1").arg(layout.resourceId));  // saved layouts find bars by name
    toolbar->setIconSize(QSize(16, 16));
    toolbar->setAllowedAreas(Qt::AllToolBarAreas);
    for (int id : layout.buttons) {
      if (id == 0)
        toolbar->addSeparator();
      else
        toolbar->addAction(m_router.Action(id));
    }
    m_bars.append({layout.resourceId, toolbar});
    created.insert(layout.resourceId, toolbar);
    // A floating bar closed with its own close box must uncheck its menu item.
    connect(toolbar, &QToolBar::visibilityChanged, this, [this] { m_router.RequestRefresh(); });
  }
  // Docked along the top: drawing modes, file and basic elements in the first row, the rest below.
  addToolBar(Qt::TopToolBarArea, created.value(bar::DRAW_MODES));
  addToolBar(Qt::TopToolBarArea, created.value(bar::FILE));
  addToolBar(Qt::TopToolBarArea, created.value(bar::BASIC_ELEMENTS));
  addToolBarBreak(Qt::TopToolBarArea);
  addToolBar(Qt::TopToolBarArea, created.value(bar::MOVING_ELEMENTS));
  addToolBar(Qt::TopToolBarArea, created.value(bar::DOORS_KEYS));
  addToolBar(Qt::TopToolBarArea, created.value(bar::GRID));
  RefreshElementIcons();
}

void CMainFrame::RefreshElementIcons() {
  for (const ElementInfo& element : ElementTable())
    if (QAction* action = m_router.Action(element.commandId)) action->setIcon(ElementIcon(element.index));
}

void CMainFrame::CreateStatusBar() {
  QStatusBar* bar = statusBar();
  auto indicator = [bar](const QString& text) {
    auto* label = new QLabel(text, bar);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance("NUM") + 12);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    bar->addPermanentWidget(label);
    label->setEnabled(false);  // greyed while the lock is off
    return label;
  };
  m_capsIndicator = indicator("UF");
  m_numIndicator = indicator("NUM");
  m_scrollIndicator = indicator("RF");
  bar->showMessage(kIdleMessage);
  // When a prompt goes away, the idle message comes back.
  connect(bar, &QStatusBar::messageChanged, bar, [bar](const QString& message) {
    if (message.isEmpty()) bar->showMessage(kIdleMessage);
  });
  qApp->installEventFilter(this);
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
    const auto* key = static_cast<QKeyEvent*>(event);
    UpdateLockIndicators(key->nativeModifiers());
  }
  return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::UpdateLockIndicators(quint32 nativeModifiers) {
  // On X11 the key state carries the lock bits: Lock is caps lock, Mod2 is num lock.
  if (QGuiApplication::platformName() != "xcb") return;
  m_capsIndicator->setEnabled(nativeModifiers & 0x02);
  m_numIndicator->setEnabled(nativeModifiers & 0x10);
}
