#include "app/document/save_flow.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "app/document/doc_template.h"
#include "level/brannoc_doc.h"
#include "level/cp1252.h"
#include "level/level_file.h"
#include "level/update_hints.h"

namespace {

const char* const kCaption = "Cavernia Level Editor";

QString AskWithDialog(QWidget* parent, const QString& proposed) {
  return QFileDialog::getSaveFileName(parent, "Save As", proposed, "Cavernia Level (*.lev)");
}

QString (*g_askFileName)(QWidget*, const QString&) = AskWithDialog;

QString Shown(const std::string& levelText) { return QString::fromStdString(Cp1252ToUtf8(levelText)); }

}  // namespace

void CSaveFlow::SetFileNameAsker(QString (*asker)(QWidget*, const QString&)) {
  g_askFileName = asker ? asker : AskWithDialog;
}

QString CSaveFlow::AskForFileName() const {
  // The proposal is the title without its mark, beside the level's file if it has one.
  std::string title = m_doc.GetTitle();
  if (!title.empty() && title.back() == '*') title.pop_back();
  QString proposed = Shown(title);
  if (QFileInfo(proposed).suffix().isEmpty()) proposed += ".lev";
  const QString current = QString::fromStdString(m_doc.GetPathName());
  if (!current.isEmpty()) proposed = QFileInfo(current).dir().filePath(QFileInfo(proposed).fileName());
  QString path = g_askFileName(m_parent, proposed);
  // A name typed without an extension gets the level extension.
  if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty()) path += ".lev";
  return path;
}

bool CSaveFlow::OnFileSave() { return SaveWithMark(m_doc.GetPathName().empty()); }

bool CSaveFlow::OnFileSaveAs() { return SaveWithMark(true); }

bool CSaveFlow::SaveWithMark(bool askForName) {
  m_doc.UpdateTitleMark(false);
  m_doc.m_bSaving = true;
  bool saved = false;
  if (askForName) {
    const QString path = AskForFileName();
    if (!path.isEmpty()) saved = DoSave(path, true);
  } else {
    saved = DoSave(QString::fromStdString(m_doc.GetPathName()), true);
  }
  m_doc.m_bSaving = false;
  if (m_doc.IsModified()) m_doc.UpdateTitleMark(true);
  return saved;
}

bool CSaveFlow::DoSave(const QString& givenPath, bool takePath) {
  // Whatever is typed into the form and not yet committed belongs in the file.
  m_doc.UpdateAllViews(nullptr, HINT_COMMIT_FORM);
  QString path = givenPath;
  if (path.isEmpty()) {
    path = AskForFileName();
    if (path.isEmpty()) return false;
  }
  path = QFileInfo(path).absoluteFilePath();
  const FileResult result = SaveLevelFile(m_doc, path.toStdString());
  if (!result.ok) {
    QMessageBox::warning(m_parent, kCaption,
                         QString("The level could not be saved.\n\n%1").arg(QString::fromStdString(result.message)));
    return false;
  }
  if (takePath) {
    m_doc.SetPathName(path.toStdString());
    m_doc.SetTitle(Utf8ToCp1252(QFileInfo(path).fileName().toStdString()));
    m_template.AddToRecentFiles(path);
  }
  m_doc.SetModifiedFlag(false);
  // Undoing back to exactly this state later clears the modified flag again.
  if (!m_doc.IsModified()) m_doc.MarkSaved();
  return true;
}

bool CSaveFlow::SaveModified() {
  m_doc.UpdateAllViews(nullptr, HINT_COMMIT_FORM);
  if (!m_doc.IsModified()) return true;
  m_doc.UpdateTitleMark(false);
  m_doc.m_bSaving = true;
  const auto answer = QMessageBox::question(
      m_parent, kCaption, QString("Save changes to %1?").arg(Shown(m_doc.GetTitle())),
      QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
  bool close = false;
  if (answer == QMessageBox::Yes)
    close = DoSave(QString::fromStdString(m_doc.GetPathName()), true);
  else if (answer == QMessageBox::No)
    close = true;
  m_doc.m_bSaving = false;
  if (m_doc.IsModified()) m_doc.UpdateTitleMark(true);
  return close;
}
