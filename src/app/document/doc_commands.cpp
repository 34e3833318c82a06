#include "app/document/doc_commands.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>

#include "app/commands/command_ids.h"
#include "app/document/doc_template.h"
#include "level/cp1252.h"
#include "level/level_file.h"
#include "edit/draw_modes.h"
#include "level/brannoc_doc.h"
#include "view/grid_size_dialog.h"
#include "view/level_printer.h"

namespace {

// Drawing-mode command to mode value.
int DrawModeOf(int id) {
  switch (id) {
    case cmd::DRAW_MODE_FREE: return DRAW_FREE;
    case cmd::DRAW_MODE_FILL: return DRAW_FILL;
    case cmd::DRAW_MODE_SELECTION: return DRAW_SELECTION;
    case cmd::DRAW_MODE_RECTANGLE: return DRAW_RECTANGLE;
    case cmd::DRAW_MODE_FILLED_RECTANGLE: return DRAW_FILLED_RECTANGLE;
    case cmd::DRAW_MODE_LINE: return DRAW_LINE;
    default: return 0;
  }
}

int CellSizeOf(int id) {
  switch (id) {
    case cmd::GRID_15: return 15;
    case cmd::GRID_30: return 30;
    case cmd::GRID_60: return 60;
    default: return 0;
  }
}

bool MailProgramExists() { return !QStandardPaths::findExecutable("xdg-email").isEmpty(); }

}  // namespace

CDocCommands::CDocCommands(CBrannocDoc& doc, CDocTemplate& docTemplate, QWidget* dialogParent)
    : m_doc(doc), m_template(docTemplate), m_parent(dialogParent), m_saveFlow(doc, docTemplate, dialogParent) {}

bool CDocCommands::OnCommand(int id) {
  switch (id) {
    case cmd::EDIT_UNDO: m_doc.OnEditUndo(); return true;
    case cmd::EDIT_REDO: m_doc.OnEditRedo(); return true;
    case cmd::FILE_SAVE: m_saveFlow.OnFileSave(); return true;
    case cmd::FILE_SAVE_AS: m_saveFlow.OnFileSaveAs(); return true;
    case cmd::FILE_CLOSE: m_template.CloseDocument(m_doc); return true;
    case cmd::FILE_SEND_MAIL: SendMail(); return true;
    // The active level prints wherever the focus is, the form included.
    case cmd::FILE_PRINT: OnFilePrint(m_doc, m_parent); return true;
    case cmd::FILE_PRINT_PREVIEW: OnFilePrintPreview(m_doc, m_parent); return true;
    default: break;
  }
  if (const int element = ElementFromCommand(id); element != NO_ELEMENT) {
    m_doc.m_nCurrentElement = element;
    return true;
  }
  if (const int mode = DrawModeOf(id)) {
    m_doc.m_nDrawMode = mode;
    return true;
  }
  if (const int size = CellSizeOf(id)) {
    m_doc.SetCellSize(size);
    return true;
  }
  if (id == cmd::VIEW_GRID) {
    m_doc.ToggleGridLines();
    return true;
  }
  if (id == cmd::VIEW_GRID_SIZE) {
    RunGridSizeDialog(m_doc, QApplication::activeWindow());
    return true;
  }
  return false;
}

bool CDocCommands::OnUpdateCommand(int id, CommandState& state) {
  state.enabled = true;
  switch (id) {
    case cmd::EDIT_UNDO: state.enabled = m_doc.CanUndo(); return true;
    case cmd::EDIT_REDO: state.enabled = m_doc.CanRedo(); return true;
    case cmd::FILE_SAVE:
    case cmd::FILE_SAVE_AS:
    case cmd::FILE_CLOSE:
    case cmd::FILE_PRINT:
    case cmd::FILE_PRINT_PREVIEW: return true;
    case cmd::FILE_SEND_MAIL: state.enabled = MailProgramExists(); return true;
    default: break;
  }
  if (const int element = ElementFromCommand(id); element != NO_ELEMENT) {
    state.checked = m_doc.m_nCurrentElement == element;
    return true;
  }
  if (const int mode = DrawModeOf(id)) {
    state.checked = m_doc.m_nDrawMode == mode;
    return true;
  }
  if (const int size = CellSizeOf(id)) {
    state.checked = m_doc.m_nCellWidth == size;
    return true;
  }
  if (id == cmd::VIEW_GRID) {
    state.checked = m_doc.m_bGridVisible;
    return true;
  }
  if (id == cmd::VIEW_GRID_SIZE) return true;
  return false;
}

void CDocCommands::SendMail() {
  // The mail program gets a copy of the level as it is now, saved or not.
  std::string title = m_doc.GetTitle();
  if (!title.empty() && title.back() == '*') title.pop_back();
  QString name = QString::fromStdString(Cp1252ToUtf8(title));
  if (!name.endsWith(".lev", Qt::CaseInsensitive)) name += ".lev";
  const QString folder = QDir(QDir::tempPath()).filePath("cavernia-mail");
  QDir().mkpath(folder);
  const QString path = QDir(folder).filePath(name);
  const FileResult written = SaveLevelFile(m_doc, path.toStdString());
  if (!written.ok) {
    QMessageBox::warning(m_parent, "Cavernia Level Editor",
                         QString("The level could not be attached.\n\n%1").arg(QString::fromStdString(written.message)));
    return;
  }
  if (!QProcess::startDetached("xdg-email", {"--subject", name, "--attach", path}))
    QMessageBox::warning(m_parent, "Cavernia Level Editor", "The mail program could not be started.");
}
