#include "app/level_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QVBoxLayout>

#include "app/disk_change_bar.h"
#include "editing/level_document.h"
#include "level/level_file.h"
#include "form/property_form.h"
#include "level/cp1252.h"
#include "view/level_view.h"

LevelWindow::LevelWindow(LevelDocument& document, LevelViewState& viewState, std::function<int()> currentElement,
                         QWidget* parent)
    : QMdiSubWindow(parent), m_document(document) {
  setAttribute(Qt::WA_DeleteOnClose);
  m_splitter = new QSplitter(Qt::Horizontal, this);
  m_form = new PropertyForm(document, std::move(currentElement));
  m_form->fillFolderLists(QCoreApplication::applicationDirPath());
  auto* formScroller = new QScrollArea;
  formScroller->setWidget(m_form);
  formScroller->setWidgetResizable(true);
  formScroller->setFrameShape(QFrame::NoFrame);
  m_view = new LevelView(document, viewState);
  m_splitter->addWidget(formScroller);
  m_splitter->addWidget(m_view);
  m_splitter->setStretchFactor(0, 0);
  m_splitter->setStretchFactor(1, 1);
  // The form scrolls, so it can be narrowed or dragged shut; the level always keeps some room.
  m_splitter->setCollapsible(0, true);
  m_splitter->setCollapsible(1, false);
  m_splitter->setSizes({formPaneWidth(), 600});
  m_splitter->installEventFilter(this);
  connect(m_splitter, &QSplitter::splitterMoved, this, [this] { m_panesSetByUser = true; });
  m_diskBar = new DiskChangeBar;
  auto* panes = new QWidget;
  auto* layout = new QVBoxLayout(panes);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(m_diskBar);
  layout->addWidget(m_splitter, 1);
  setWidget(panes);
  // File > Close has the desktop's keys for closing; the window's own menu taking them too
  // would leave both without them.
  if (QMenu* menu = systemMenu())
    for (QAction* action : menu->actions())
      if (QKeySequence::keyBindings(QKeySequence::Close).contains(action->shortcut())) action->setShortcuts({});
  m_document.addObserver(this);
  showCaption();
}

LevelWindow::~LevelWindow() { m_document.removeObserver(this); }

void LevelWindow::setNumber(int number, int windowCount) {
  m_number = number;
  m_windowCount = windowCount;
  showCaption();
}

void LevelWindow::documentStateChanged() { showCaption(); }

void LevelWindow::refreshCaption() { showCaption(); }

void LevelWindow::showCaption() {
  // "key-vault.lev:2* [read-only]". The title holds Qt's "[*]" where the '*' goes (Qt shows it
  // from the modified flag), and a "[*]" in the name itself doubled, so that it shows as it is.
  const QString name = QString::fromStdString(cp1252ToUtf8(m_document.title()));
  const QString number = m_windowCount > 1 ? QString(":%1").arg(m_number) : QString();
  const QString readOnly = isReadOnlyFile(m_document.path()) ? ' ' + tr("[read-only]") : QString();
  const bool modified = m_document.isModified();
  const QString title = QString(name).replace("[*]", "[*][*]") + number + "[*]" + readOnly;
  m_caption = name + number + (modified ? "*" : "") + readOnly;
  if (windowTitle() == title && isWindowModified() == modified) return;
  setWindowTitle(title);
  setWindowModified(modified);
  emit captionChanged();
}

int LevelWindow::formPaneWidth() const {
  // The form gets its 330 pixels, or what its font needs when that is more.
  const auto* scroller = static_cast<const QScrollArea*>(m_splitter->widget(0));
  if (scroller->isHidden()) return 0;
  return std::max(kFormWidth, m_form->minimumWidth() + scroller->verticalScrollBar()->sizeHint().width());
}

QSize LevelWindow::usableSize() const {
  // The window's border and title bar come on top of what the splitter needs.
  const QSize frame = (sizeHint() - m_splitter->sizeHint()).expandedTo(QSize(0, 0));
  const int form = formPaneWidth();
  return QSize((form ? form + m_splitter->handleWidth() : 0) + kUsefulLevelWidth, formShown() ? m_form->minimumHeight() : 0) +
         frame;
}

bool LevelWindow::formShown() const { return !m_splitter->widget(0)->isHidden(); }

void LevelWindow::setFormShown(bool shown) {
  QWidget* pane = m_splitter->widget(0);
  if (shown == formShown()) {
    // Shown already, but perhaps dragged shut.
    if (shown && m_splitter->sizes().value(0) == 0) {
      m_panesSetByUser = false;
      fitPanes();
    }
    return;
  }
  if (!shown && !viewIsActivePane()) m_view->setFocus();
  pane->setVisible(shown);
  if (shown) {
    m_panesSetByUser = false;
    fitPanes();
  }
}

void LevelWindow::goToField(PropertyForm::Field field) {
  setFormShown(true);
  m_form->focusField(field);
}

void LevelWindow::fitPanes() {
  if (m_panesSetByUser || !formShown()) return;
  // The level gets the larger half, the splitter's handle coming out of the form's.
  const int room = m_splitter->width() - m_splitter->handleWidth();
  const int form = std::min(formPaneWidth(), m_splitter->width() / 2 - m_splitter->handleWidth());
  if (form < 0) return;
  m_splitter->setSizes({form, room - form});
}

bool LevelWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_splitter && event->type() == QEvent::Resize) fitPanes();
  return QMdiSubWindow::eventFilter(watched, event);
}

bool LevelWindow::viewIsActivePane() const {
  const QWidget* focus = QApplication::focusWidget();
  return !(focus && (focus == m_form || m_form->isAncestorOf(focus)));
}

void LevelWindow::focusOtherPane() {
  if (viewIsActivePane() && formShown())
    goToField(PropertyForm::Field::Name);  // a form dragged shut opens again
  else
    m_view->setFocus();
}

void LevelWindow::closeEvent(QCloseEvent* event) {
  bool accept = true;
  emit closeRequested(this, &accept);
  if (accept)
    QMdiSubWindow::closeEvent(event);
  else
    event->ignore();
}
