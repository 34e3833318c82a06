#include "app/save_flow.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

#include "app/file_dialogs.h"
#include "editing/level_document.h"
#include "level/cp1252.h"
#include "level/level_file.h"
#include "render/model_texts.h"

namespace {

const char* const kCaption = "Cavernia Level Editor";

QString askWithDialog(QWidget* parent, const QString& proposed) {
  return askFileToSave(parent, SaveFlow::tr("Save As"), proposed, SaveFlow::tr("Cavernia Level (*.lev)"));
}

SaveFlow::FileNameAsker g_askFileName = askWithDialog;

QString shown(const std::string& levelText) { return QString::fromStdString(cp1252ToUtf8(levelText)); }

}  // namespace

SaveFlow::SaveFlow(LevelDocument& document, Hooks hooks, QWidget* dialogParent)
    : m_document(document), m_hooks(std::move(hooks)), m_parent(dialogParent) {}

void SaveFlow::setFileNameAsker(FileNameAsker asker) { g_askFileName = asker ? asker : askWithDialog; }

QString SaveFlow::askForFileName() const {
  // The proposal is the title, beside the level's file if it has one.
  QString proposed = shown(m_document.title());
  if (QFileInfo(proposed).suffix().isEmpty()) proposed += ".lev";
  proposed = QDir(startFolder(QString::fromStdString(m_document.path()))).filePath(QFileInfo(proposed).fileName());
  QString path = g_askFileName(m_parent, proposed);
  // A name typed without an extension gets the level extension.
  if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty()) path += ".lev";
  return path;
}

bool SaveFlow::save() { return saveMarked(m_document.path().empty()); }

bool SaveFlow::saveAs() { return saveMarked(true); }

bool SaveFlow::saveMarked(bool askForName) {
  // What is under way and whatever is typed into the form belong in the file.
  if (m_hooks.finishEditing && !m_hooks.finishEditing()) return false;
  const QString path = askForName ? askForFileName() : confirmedOwnFile();
  return !path.isEmpty() && write(path);
}

QString SaveFlow::confirmedOwnFile() {
  const std::string own = m_document.path();
  const QString name = QFileInfo(QString::fromStdString(own)).fileName();
  if (isReadOnlyFile(own)) {
    const auto answer = QMessageBox::warning(
        m_parent, kCaption, tr("%1 is read-only: you may not write it. Save the level under another name?").arg(name),
        QMessageBox::Save | QMessageBox::Cancel, QMessageBox::Save);
    return answer == QMessageBox::Save ? askForFileName() : QString();
  }
  FileIdentity now;
  const std::optional<FileIdentity>& known = m_document.fileIdentity();
  if (known && checkFile(own, *known, &now) == FileState::Changed && now != m_overwriteAllowed) {
    QMessageBox question(QMessageBox::Warning, kCaption,
                         tr("%1 was changed by another program since you opened it. Overwrite it?").arg(name),
                         QMessageBox::NoButton, m_parent);
    QPushButton* overwrite = question.addButton(tr("&Overwrite"), QMessageBox::DestructiveRole);
    QPushButton* saveAs = question.addButton(tr("Save &As..."), QMessageBox::AcceptRole);
    question.addButton(QMessageBox::Cancel);
    question.setDefaultButton(saveAs);
    question.exec();
    if (question.clickedButton() == saveAs) return askForFileName();
    if (question.clickedButton() != overwrite) return {};
  }
  return QString::fromStdString(own);
}

bool SaveFlow::write(const QString& givenPath) {
  const QString path = QFileInfo(givenPath).absoluteFilePath();
  FileIdentity written;
  const FileResult result = saveLevelFile(m_document.level(), path.toStdString(), &written);
  if (!result.ok) {
    QMessageBox::warning(m_parent, kCaption,
                         tr("The level could not be saved.\n\n%1").arg(translated::messageText(result.error)));
    return false;
  }
  m_document.setPath(path.toStdString());
  m_document.setFileIdentity(written);
  m_overwriteAllowed.reset();
  m_document.setTitle(utf8ToCp1252(QFileInfo(path).fileName().toStdString()));
  // Undoing back to exactly this state later clears the modified state again.
  m_document.markSaved();
  if (m_hooks.saved) m_hooks.saved(path);
  return true;
}

bool SaveFlow::closeQuestion() {
  if (m_hooks.finishEditing && !m_hooks.finishEditing()) return false;
  if (!m_document.isModified()) return true;
  const auto answer =
      QMessageBox::question(m_parent, kCaption, tr("Save changes to %1?").arg(shown(m_document.title())),
                            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
  if (answer == QMessageBox::No) return true;
  if (answer != QMessageBox::Yes) return false;
  const QString path = m_document.path().empty() ? askForFileName() : confirmedOwnFile();
  return !path.isEmpty() && write(path);
}
