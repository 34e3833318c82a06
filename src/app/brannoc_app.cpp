#include "app/brannoc_app.h"

#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QMdiArea>
#include <QPrinter>
#include <QTextStream>

#include "app/about/about_box.h"
#include "app/commands/command_ids.h"
#include "app/commands/command_router.h"
#include "app/commands/text_field_target.h"
#include "app/document/doc_commands.h"
#include "app/document/doc_template.h"
#include "app/frame/child_frame.h"
#include "app/frame/main_frame.h"
#include "level/brannoc_doc.h"
#include "level/level_file.h"
#include "view/level_printer.h"
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
         "       cavernia-editor --print FILE.lev\n"
         "       cavernia-editor --print-to PRINTER FILE.lev\n"
         "\n"
         "Opens the level FILE, or a new level when no file is given.\n"
         "\n"
         "  --print             print the level on the default printer and end\n"
         "  --print-to PRINTER  print the level on the printer named PRINTER and end\n"
         "  -h, --help          show this help\n"
         "  --version           show the version\n";
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
    // The user has been told why it failed; the entry would only fail again.
    if (!m_template->OpenDocumentFile(path)) m_template->RemoveFromRecentFiles(path);
  });
  connect(m_frame.get(), &CMainFrame::filesDropped, this, [this](const QStringList& paths) {
    for (const QString& path : paths) m_template->OpenDocumentFile(path);
  });
  connect(m_frame.get(), &CMainFrame::closeRequested, this, [this](bool* accept) {
    *accept = m_template->CloseAllDocuments();
  });
  connect(this, &QApplication::focusChanged, m_router.get(), &CommandRouter::RequestRefresh);
  connect(clipboard(), &QClipboard::dataChanged, m_router.get(), &CommandRouter::RequestRefresh);
  // The artwork set is the program's: every level's windows and the element buttons show it.
  const auto showArtwork = [this] {
    for (CChildFrame* child : m_frame->Children()) child->LevelView()->viewport()->update();
    m_frame->RefreshElementIcons();
  };
  connect(m_template, &CDocTemplate::frameCreated, m_router.get(), [this, showArtwork](CChildFrame* frame) {
    connect(frame->LevelView(), &CBrannocView::stateChanged, m_router.get(), &CommandRouter::RequestRefresh);
    connect(frame, &CChildFrame::historyChanged, m_router.get(), &CommandRouter::RequestRefresh);
    connect(frame->LevelView(), &CBrannocView::artworkChanged, m_frame.get(), showArtwork);
    // Creating or opening a level made the default set current again.
    showArtwork();
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

int CBrannocApp::PrintInstance(const QString& file, const QString& printerName, QTextStream& errors,
                               QPrinter* printer) {
  StartArtwork(applicationDirPath().toStdString());
  const auto fail = [&errors](const QString& message) {
    errors << "cavernia-editor: " << message << "\n";
    errors.flush();
    StopArtwork();
    return 1;
  };
  CBrannocDoc doc;
  const FileResult opened = OpenLevelFile(doc, QFileInfo(file).absoluteFilePath().toStdString());
  if (!opened.ok) return fail(QString::fromStdString(opened.message));
  std::unique_ptr<QPrinter> systemPrinter;
  if (!printer) {
    QString problem;
    systemPrinter = SystemPrinter(printerName, &problem);
    if (!systemPrinter) return fail(QString("%1 could not be printed: %2").arg(file, problem));
    printer = systemPrinter.get();
  }
  printer->setDocName(QFileInfo(file).fileName());
  if (!PrintLevel(*printer, doc)) {
    const QString where = printer->outputFileName().isEmpty() ? printer->printerName() : printer->outputFileName();
    return fail(QString("%1 could not be printed: the printer \"%2\" could not be started").arg(file, where));
  }
  StopArtwork();
  return 0;
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
