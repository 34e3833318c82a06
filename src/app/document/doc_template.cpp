#include "app/document/doc_template.h"

#include <QFileInfo>
#include <QMdiArea>
#include <QMessageBox>
#include <QSettings>
#include <QTimer>

#include "app/document/doc_commands.h"
#include "app/frame/child_frame.h"
#include "app/frame/main_frame.h"
#include "level/brannoc_doc.h"
#include "level/cp1252.h"
#include "level/level_file.h"
#include "level/update_hints.h"
#include "view/brannoc_view.h"

struct CDocTemplate::OpenLevel {
  std::unique_ptr<CBrannocDoc> doc;
  std::unique_ptr<CDocCommands> commands;
  int frames = 0;
  bool closing = false;  // the user already agreed: its windows close without asking
};

namespace {
const char* const kRecentGroup = "Recent File List";

// Level files are named in the file system's encoding; titles are level text (8-bit).
std::string TitleText(const QString& text) { return Utf8ToCp1252(text.toStdString()); }
}  // namespace

CDocTemplate::CDocTemplate(CMainFrame& frame) : QObject(&frame), m_frame(frame) { LoadRecentFiles(); }

CDocTemplate::~CDocTemplate() = default;

CBrannocDoc* CDocTemplate::OpenDocumentFile(const QString& path) {
  QString canonical;
  if (!path.isEmpty()) {
    canonical = QFileInfo(path).absoluteFilePath();
    for (const auto& level : m_levels) {
      if (QString::fromStdString(level->doc->GetPathName()) != canonical) continue;
      for (CChildFrame* child : m_frame.Children())
        if (&child->Document() == level->doc.get()) m_frame.MdiArea()->setActiveSubWindow(child);
      AddToRecentFiles(canonical);
      return level->doc.get();
    }
  }

  auto level = std::make_unique<OpenLevel>();
  level->doc = std::make_unique<CBrannocDoc>();
  CBrannocDoc& doc = *level->doc;
  if (canonical.isEmpty()) {
    doc.OnNewDocument();
    doc.SetTitle("NewLevel" + std::to_string(++m_untitledCount));
  } else {
    const FileResult result = OpenLevelFile(doc, canonical.toStdString());
    if (!result.ok) {
      QMessageBox::warning(&m_frame, "Cavernia Level Editor",
                           QString("Cannot open the level.\n\n%1").arg(QString::fromStdString(result.message)));
      return nullptr;
    }
    doc.SetPathName(canonical.toStdString());
    doc.SetTitle(TitleText(QFileInfo(canonical).fileName()));
    AddToRecentFiles(canonical);
  }
  level->commands = std::make_unique<CDocCommands>(doc, *this, &m_frame);
  OpenLevel& added = *m_levels.emplace_back(std::move(level));
  CreateFrame(added);
  emit documentsChanged();
  return &doc;
}

CChildFrame* CDocTemplate::NewWindow(CBrannocDoc& doc) {
  OpenLevel* level = Find(doc);
  return level ? CreateFrame(*level) : nullptr;
}

CChildFrame* CDocTemplate::CreateFrame(OpenLevel& level) {
  auto* frame = new CChildFrame(*level.doc);
  ++level.frames;
  CBrannocDoc* doc = level.doc.get();
  connect(frame, &CChildFrame::closeRequested, this, &CDocTemplate::OnFrameCloseRequested);
  connect(frame, &QObject::destroyed, this, [this, doc] { OnFrameDestroyed(doc); });
  m_frame.MdiArea()->addSubWindow(frame);
  m_frame.PlaceNewWindow(frame);
  frame->show();
  frame->LevelView()->setFocus();
  emit frameCreated(frame);
  return frame;
}

void CDocTemplate::OnFrameCloseRequested(CChildFrame* frame, bool* accept) {
  OpenLevel* level = Find(frame->Document());
  *accept = true;
  if (!level || level->closing) return;
  frame->Document().UpdateAllViews(nullptr, HINT_COMMIT_FORM);
  // Only the level's last window asks whether to save. A window closed earlier may not be
  // deleted yet, so count the windows still open, not the ones still alive.
  if (OpenWindowCount(frame->Document()) == 1) *accept = level->commands->SaveFlow().SaveModified();
}

bool CDocTemplate::CloseDocument(CBrannocDoc& doc) {
  OpenLevel* level = Find(doc);
  if (!level) return true;
  if (!level->commands->SaveFlow().SaveModified()) return false;
  level->closing = true;
  for (CChildFrame* child : m_frame.Children())
    if (&child->Document() == &doc) child->close();
  return true;
}

void CDocTemplate::OnFrameDestroyed(CBrannocDoc* doc) {
  OpenLevel* level = Find(*doc);
  if (!level || --level->frames > 0) return;
  // The last window is gone. Let the rest of this round of events finish before the
  // document goes, since they may still name it.
  QTimer::singleShot(0, this, [this, doc] {
    std::erase_if(m_levels, [doc](const auto& entry) { return entry->doc.get() == doc && entry->frames == 0; });
    emit documentsChanged();
  });
}

CDocTemplate::OpenLevel* CDocTemplate::Find(const CBrannocDoc& doc) const {
  for (const auto& level : m_levels)
    if (level->doc.get() == &doc) return level.get();
  return nullptr;
}

CDocCommands* CDocTemplate::CommandsOf(const CBrannocDoc& doc) const {
  OpenLevel* level = Find(doc);
  return level ? level->commands.get() : nullptr;
}

std::vector<CBrannocDoc*> CDocTemplate::Documents() const {
  std::vector<CBrannocDoc*> docs;
  for (const auto& level : m_levels) docs.push_back(level->doc.get());
  return docs;
}

int CDocTemplate::FrameCount(const CBrannocDoc& doc) const {
  OpenLevel* level = Find(doc);
  return level ? level->frames : 0;
}

int CDocTemplate::OpenWindowCount(const CBrannocDoc& doc) const {
  int count = 0;
  for (CChildFrame* child : m_frame.Children()) count += &child->Document() == &doc ? 1 : 0;
  return count;
}

bool CDocTemplate::CloseAllDocuments() {
  // Every changed level is asked about before any window closes: Cancel, or a save that
  // fails, leaves every level as it was.
  for (CBrannocDoc* doc : Documents()) {
    OpenLevel* level = Find(*doc);  // the questions run events: look it up afresh
    if (!level || level->closing || level->frames == 0) continue;
    for (CChildFrame* child : m_frame.Children())
      if (&child->Document() == doc) {
        m_frame.MdiArea()->setActiveSubWindow(child);  // show which level is asked about
        break;
      }
    if (!level->commands->SaveFlow().SaveModified()) return false;
  }
  for (const auto& level : m_levels) level->closing = true;
  for (CChildFrame* child : m_frame.Children()) child->close();
  return true;
}

void CDocTemplate::AddToRecentFiles(const QString& path) {
  m_recentFiles.removeAll(path);
  m_recentFiles.prepend(path);
  while (m_recentFiles.size() > kRecentFileCount) m_recentFiles.removeLast();
  SaveRecentFiles();
  emit recentFilesChanged(m_recentFiles);
}

void CDocTemplate::RemoveFromRecentFiles(const QString& path) {
  if (m_recentFiles.removeAll(path) == 0) return;
  SaveRecentFiles();
  emit recentFilesChanged(m_recentFiles);
}

void CDocTemplate::LoadRecentFiles() {
  QSettings settings;
  settings.beginGroup(kRecentGroup);
  for (int i = 1; i <= kRecentFileCount; ++i) {
    const QString file = settings.value(QString("File%1").arg(i)).toString();
    if (!file.isEmpty() && !m_recentFiles.contains(file)) m_recentFiles.append(file);
  }
  settings.endGroup();
}

void CDocTemplate::SaveRecentFiles() const {
  QSettings settings;
  settings.remove(kRecentGroup);
  settings.beginGroup(kRecentGroup);
  for (int i = 0; i < m_recentFiles.size(); ++i) settings.setValue(QString("File%1").arg(i + 1), m_recentFiles[i]);
  settings.endGroup();
}
