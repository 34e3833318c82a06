#include "app/brannoc_app.h"

#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QMdiArea>

#include "app/about/about_box.h"
#include "app/commands/command_ids.h"
#include "app/commands/command_router.h"
#include "app/commands/text_field_target.h"
#include "app/document/doc_commands.h"
#include "app/document/doc_template.h"
#include "app/frame/child_frame.h"
#include "app/frame/main_frame.h"
#include "view/program_printer.h"
#include "view/brannoc_view.h"
#include "artwork/artwork_startup.h"

namespace {
const char* const kFileFilter = "Cavernia Level (*.lev)";
}

CBrannocApp::CBrannocApp(int& argc, char** argv) : QApplication(argc, argv) {
  setOrganizationName("Local AppWizard-Generated Applications");
  setApplicationName("Cavernia Level Editor");
  setApplicationVersion("0.9");
}

CBrannocApp::~CBrannocApp() {
  m_frame.reset();
  m_textField.reset();
  m_router.reset();
}

QString CBrannocApp::UsageText() {
  return "usage: cavernia-editor [FILE.lev]\n"
         "\n"
         "Opens the level FILE, or a new level when no file is given.\n"
         "\n"
         "  -h, --help     show this help\n"
         "  --version      show the version\n";
}

bool CBrannocApp::InitInstance(const QStringList& arguments) {
  // Artwork comes first, so that the first window can draw at once.
  StartArtwork(applicationDirPath().toStdString());

  m_router = std::make_unique<CommandRouter>();
  m_textField = std::make_unique<CTextFieldTarget>([this] { m_router->RequestRefresh(); });
  m_frame = std::make_unique<CMainFrame>(*m_router);
  m_template = new CDocTemplate(*m_frame);
  m_router->SetRoute([this] {
    std::vector<CCmdTarget*> route;
    if (!m_frame) return route;  // shutting down
    QWidget* focus = QApplication::focusWidget();
    if (m_textField->Follow(focus && focus->window() == m_frame.get() ? focus : nullptr))
      route.push_back(m_textField.get());
    if (CChildFrame* child = m_frame->ActiveChild()) {
      if (auto* pane = dynamic_cast<CCmdTarget*>(child->ActivePane())) route.push_back(pane);
      if (CDocCommands* commands = m_template->CommandsOf(child->Document())) route.push_back(commands);
    }
    route.push_back(m_frame.get());
    route.push_back(this);
    return route;
  });
  m_frame->Create();
  m_frame->SetRecentFiles(m_template->RecentFiles());
  connect(m_template, &CDocTemplate::recentFilesChanged, m_frame.get(), &CMainFrame::SetRecentFiles);
  connect(m_template, &CDocTemplate::documentsChanged, m_router.get(), &CommandRouter::RequestRefresh);
  connect(m_frame.get(), &CMainFrame::recentFileChosen, this, [this](const QString& path) {
    m_template->OpenDocumentFile(path);
  });
  connect(m_frame.get(), &CMainFrame::filesDropped, this, [this](const QStringList& paths) {
    for (const QString& path : paths) m_template->OpenDocumentFile(path);
  });
  connect(m_frame.get(), &CMainFrame::closeRequested, this, [this](bool* accept) {
    *accept = m_template->CloseAllDocuments();
  });
  connect(this, &QApplication::focusChanged, m_router.get(), &CommandRouter::RequestRefresh);
  connect(clipboard(), &QClipboard::dataChanged, m_router.get(), &CommandRouter::RequestRefresh);
  connect(m_template, &CDocTemplate::frameCreated, m_router.get(), [this](CChildFrame* frame) {
    connect(frame->LevelView(), &CBrannocView::stateChanged, m_router.get(), &CommandRouter::RequestRefresh);
    connect(frame, &CChildFrame::historyChanged, m_router.get(), &CommandRouter::RequestRefresh);
    connect(frame->LevelView(), &CBrannocView::artworkChanged, m_frame.get(), [this] {
      for (CChildFrame* child : m_frame->Children()) child->LevelView()->viewport()->update();
      m_frame->RefreshElementIcons();
    });
  });

  const QString file = arguments.isEmpty() ? QString() : arguments.first();
  if (!m_template->OpenDocumentFile(file)) return false;
  m_frame->show();
  m_router->RefreshNow();
  return true;
}

int CBrannocApp::ExitInstance(int code) {
  m_frame.reset();
  m_textField.reset();
  m_router.reset();
  StopArtwork();
  return code;
}

void CBrannocApp::OpenFileDialog() {
  const QString path = QFileDialog::getOpenFileName(m_frame.get(), "Open", QString(), kFileFilter);
  if (!path.isEmpty()) m_template->OpenDocumentFile(path);
}

bool CBrannocApp::OnCommand(int id) {
  CChildFrame* child = m_frame->ActiveChild();
  switch (id) {
    case cmd::FILE_NEW: m_template->OpenDocumentFile(QString()); return true;
    case cmd::FILE_OPEN: OpenFileDialog(); return true;
    case cmd::FILE_PRINT_SETUP: OnFilePrintSetup(m_frame.get()); return true;
    case cmd::APP_ABOUT: {
      CAboutBox about(m_frame.get());
      about.exec();
      return true;
    }
    case cmd::WINDOW_NEW:
      if (child) m_template->NewWindow(child->Document());
      return true;
    case cmd::NEXT_PANE:
    case cmd::PREV_PANE:
      if (child) child->FocusOtherPane();
      return true;
    default: return false;
  }
}

bool CBrannocApp::OnUpdateCommand(int id, CommandState& state) {
  switch (id) {
    case cmd::FILE_NEW:
    case cmd::FILE_PRINT_SETUP:
    case cmd::FILE_OPEN:
    case cmd::APP_ABOUT: state.enabled = true; return true;
    case cmd::WINDOW_NEW:
    case cmd::NEXT_PANE:
    case cmd::PREV_PANE: state.enabled = m_frame->ActiveChild() != nullptr; return true;
    default: return false;
  }
}
