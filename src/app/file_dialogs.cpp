#include "app/file_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QScreen>
#include <QTreeView>

#include "app/editor_settings.h"

namespace {

const char* const kFolderKey = "FileDialogs/LastFolder";
// Room for a long file name beside its size, type and date.
constexpr int kDialogChars = 130;
constexpr int kDialogLines = 30;
constexpr int kShortNameChars = 20;

// Qt's own dialog gives the size, type and date columns a fixed width that cuts their texts
// short; each folder it shows widens them to their texts, and the name gets the rest.
void fitColumnsToTexts(QFileDialog& dialog) {
  auto* files = dialog.findChild<QTreeView*>();
  auto* model = dialog.findChild<QFileSystemModel*>();
  if (!files || !model) return;  // the desktop's own dialog
  const auto fit = [files] {
    QHeaderView* header = files->header();
    int others = 0;
    for (int column = 1; column < header->count(); ++column) {
      files->resizeColumnToContents(column);
      others += header->sectionSize(column);
    }
    const int shortName = files->fontMetrics().averageCharWidth() * kShortNameChars;
    header->resizeSection(0, std::max(shortName, files->viewport()->width() - others));
  };
  QObject::connect(model, &QFileSystemModel::directoryLoaded, files, fit);
}

QString ask(QWidget* parent, const QString& caption, const QString& proposed, const QString& filter, bool saving) {
  QFileDialog dialog(parent, caption, QString(), filter);
  dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  const QFileInfo given(proposed);
  if (given.isDir()) {
    dialog.setDirectory(proposed);
  } else {
    dialog.setDirectory(given.absolutePath());
    dialog.selectFile(given.fileName());
  }
  const QFontMetrics metrics(dialog.font());
  QSize size = dialog.sizeHint().expandedTo(QSize(metrics.averageCharWidth() * kDialogChars, metrics.lineSpacing() * kDialogLines));
  if (const QScreen* screen = (parent ? parent->screen() : dialog.screen())) size = size.boundedTo(screen->availableGeometry().size());
  dialog.resize(size);
  fitColumnsToTexts(dialog);
  if (dialog.exec() != QDialog::Accepted) return {};
  const QString chosen = dialog.selectedFiles().value(0);
  if (!chosen.isEmpty()) EditorSettings().setValue(kFolderKey, QFileInfo(chosen).absolutePath());
  return chosen;
}

}  // namespace

QString startFolder(const QString& levelPath) {
  if (!levelPath.isEmpty()) return QFileInfo(levelPath).absolutePath();
  const QString last = EditorSettings().value(kFolderKey).toString();
  return !last.isEmpty() && QFileInfo(last).isDir() ? last : QDir::homePath();
}

QString askFileToOpen(QWidget* parent, const QString& caption, const QString& proposed, const QString& filter) {
  return ask(parent, caption, proposed, filter, false);
}

QString askFileToSave(QWidget* parent, const QString& caption, const QString& proposed, const QString& filter) {
  return ask(parent, caption, proposed, filter, true);
}
