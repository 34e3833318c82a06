#include "app/restore_dialog.h"

#include <QCoreApplication>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>

#include "app/open_levels.h"
#include "app/recovery_files.h"
#include "app/recovery_finder.h"
#include "app/recovery_writer.h"
#include "level/cp1252.h"
#include "level/level.h"
#include "level/level_file.h"
#include "render/model_texts.h"

namespace {

const char* const kCaption = "Cavernia Level Editor";

struct RestoreDialog {
  Q_DECLARE_TR_FUNCTIONS(RestoreDialog)
};

QString question(const RecoveredLevel& level) {
  const QString file = level.path.isEmpty() ? RestoreDialog::tr("none (a new level, never saved)") : level.path;
  return RestoreDialog::tr(
             "The editor ended without closing the level \"%1\". A copy of its changes was kept.\n\n"
             "Original file: %2\nCopy written: %3\n\n"
             "Restore the level (its file stays as it is until you save it), or discard the copy?")
      .arg(level.title, file, QLocale().toString(level.written.toLocalTime(), QLocale::LongFormat));
}

}  // namespace

int offerRecoveredLevels(OpenLevels& levels, RecoveryWriter& writer, QWidget* parent) {
  RecoveryFinder finder(recoveryFolder());
  int restored = 0;
  for (const RecoveredLevel& level : finder.levels()) {
    // Two answers only: closing the box would leave the copy in doubt.
    QMessageBox box(QMessageBox::Question, kCaption, question(level), QMessageBox::Yes | QMessageBox::Discard, parent);
    QAbstractButton* restore = box.button(QMessageBox::Yes);
    restore->setText(RestoreDialog::tr("&Restore"));
    box.setDefaultButton(QMessageBox::Yes);
    box.exec();
    if (box.clickedButton() == box.button(QMessageBox::Discard)) RecoveryFinder::discard(level);
    if (box.clickedButton() != restore) continue;
    ::Level read;
    const FileResult result = readLevelFile(level.levelFile.toStdString(), read);
    if (!result.ok) {
      QMessageBox::warning(
          parent, kCaption,
          RestoreDialog::tr("The level could not be restored.\n\n%1").arg(translated::messageText(result.error)));
      continue;
    }
    levels.openRecovered(std::move(read), level.path, utf8ToCp1252(level.title.toStdString()));
    ++restored;
    // The new copy is in place before the old one goes.
    writer.writeChanged();
    RecoveryFinder::discard(level);
  }
  return restored;
}
