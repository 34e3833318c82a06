#include "app/save_flow.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

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

QString shown(const std::string& levelText) { return QString::fromStdString(Cp1252ToUtf8(levelText)); }

// Keeps the title without its '*' while a save or the question runs.
class SavingMark {
 public:
  explicit SavingMark(LevelDocument& document) : m_document(document) { m_document.setSaving(true); }
  ~SavingMark() { m_document.setSaving(false); }

 private:
  LevelDocument& m_document;
};

}  // namespace

SaveFlow::SaveFlow(LevelDocument& document, Hooks hooks, QWidget* dialogParent)
    : m_document(document), m_hooks(std::move(hooks)), m_parent(dialogParent) {}

void SaveFlow::setFileNameAsker(FileNameAsker asker) { g_askFileName = asker ? asker : askWithDialog; }

QString SaveFlow::askForFileName() const {
  // The proposal is the title without its mark, beside the level's file if it has one.
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
  SavingMark mark(m_document);
  const QString path = askForName ? askForFileName() : QString::fromStdString(m_document.path());
  return !path.isEmpty() && write(path);
}

bool SaveFlow::write(const QString& givenPath) {
  // Whatever is typed into the form and not yet committed belongs in the file.
  if (m_hooks.commitPendingEdits) m_hooks.commitPendingEdits();
  const QString path = QFileInfo(givenPath).absoluteFilePath();
  const FileResult result = SaveLevelFile(m_document.level(), path.toStdString());
  if (!result.ok) {
    QMessageBox::warning(m_parent, kCaption,
                         tr("The level could not be saved.\n\n%1").arg(translated::messageText(result.error)));
    return false;
  }
  m_document.setPath(path.toStdString());
  m_document.setTitle(Utf8ToCp1252(QFileInfo(path).fileName().toStdString()));
  // Undoing back to exactly this state later clears the modified state again.
  m_document.markSaved();
  if (m_hooks.saved) m_hooks.saved(path);
  return true;
}

bool SaveFlow::closeQuestion() {
  if (m_hooks.commitPendingEdits) m_hooks.commitPendingEdits();
  if (!m_document.isModified()) return true;
  SavingMark mark(m_document);
  const auto answer =
      QMessageBox::question(m_parent, kCaption, tr("Save changes to %1?").arg(shown(m_document.title())),
                            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
  if (answer == QMessageBox::No) return true;
  if (answer != QMessageBox::Yes) return false;
  const QString path = m_document.path().empty() ? askForFileName() : QString::fromStdString(m_document.path());
  return !path.isEmpty() && write(path);
}
