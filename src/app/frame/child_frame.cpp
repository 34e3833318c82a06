#include "app/frame/child_frame.h"

#include <QApplication>
#include <QCloseEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>

#include "level/brannoc_doc.h"
#include "level/cp1252.h"
#include "props/prop_view.h"
#include "view/brannoc_view.h"

namespace {

// The level's windows in the order they were opened.
QList<CChildFrame*> FramesOf(const CBrannocDoc& doc) {
  QList<CChildFrame*> frames;
  for (CDocObserver* observer : doc.GetViews())
    if (auto* frame = dynamic_cast<CChildFrame*>(observer)) frames.append(frame);
  return frames;
}

// Every window of the level numbers itself anew when one comes or goes.
void RetitleFrames(const CBrannocDoc& doc) {
  for (CChildFrame* frame : FramesOf(doc)) frame->OnTitleChanged();
}

}  // namespace

CChildFrame::CChildFrame(CBrannocDoc& doc, QWidget* parent) : QMdiSubWindow(parent), m_doc(doc) {
  setAttribute(Qt::WA_DeleteOnClose);
  m_splitter = new QSplitter(Qt::Horizontal, this);
  m_form = new CPropView(doc);
  auto* formScroller = new QScrollArea;
  formScroller->setWidget(m_form);
  formScroller->setWidgetResizable(true);
  formScroller->setFrameShape(QFrame::NoFrame);
  m_view = new CBrannocView(doc);
  m_splitter->addWidget(formScroller);
  m_splitter->addWidget(m_view);
  m_splitter->setStretchFactor(0, 0);
  m_splitter->setStretchFactor(1, 1);
  m_splitter->setChildrenCollapsible(false);
  m_splitter->setSizes({FormPaneWidth(), 600});
  setWidget(m_splitter);
  m_doc.AddView(this);
  RetitleFrames(m_doc);
  m_form->OnInitialUpdate();
  m_view->OnInitialUpdate();
}

CChildFrame::~CChildFrame() {
  m_doc.RemoveView(this);
  RetitleFrames(m_doc);
}

void CChildFrame::OnTitleChanged() {
  // Two windows of one level show their number after the name; the '*' stays last.
  const std::string name = m_doc.UnmarkedTitle();
  const bool marked = name != m_doc.GetTitle();
  QString caption = QString::fromStdString(Cp1252ToUtf8(name));
  const QList<CChildFrame*> frames = FramesOf(m_doc);
  if (frames.size() > 1) caption += QString(":%1").arg(frames.indexOf(this) + 1);
  if (marked) caption += '*';
  setWindowTitle(caption);
}

int CChildFrame::FormPaneWidth() const {
  // The form gets its 330 pixels, or what its font needs when that is more.
  const auto* scroller = static_cast<const QScrollArea*>(m_splitter->widget(0));
  return std::max(kFormWidth, m_form->minimumWidth() + scroller->verticalScrollBar()->sizeHint().width());
}

QSize CChildFrame::UsableSize() const {
  // The frame's border and title bar come on top of what the splitter needs.
  const QSize frame = (sizeHint() - m_splitter->sizeHint()).expandedTo(QSize(0, 0));
  return QSize(FormPaneWidth() + m_splitter->handleWidth() + kUsefulLevelWidth, m_form->minimumHeight()) + frame;
}

QWidget* CChildFrame::ActivePane() const {
  QWidget* focus = QApplication::focusWidget();
  if (focus && (focus == m_form || m_form->isAncestorOf(focus))) return m_form;
  return m_view;
}

void CChildFrame::FocusOtherPane() {
  if (ActivePane() == m_view)
    m_form->FocusField(CPropView::IDC_NAME);
  else
    m_view->setFocus();
}

void CChildFrame::closeEvent(QCloseEvent* event) {
  bool accept = true;
  emit closeRequested(this, &accept);
  if (accept)
    QMdiSubWindow::closeEvent(event);
  else
    event->ignore();
}
