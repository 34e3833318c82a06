#pragma once

#include <QDateTime>
#include <QString>
#include <memory>
#include <optional>

class QLockFile;

// Where recovered levels live: one folder per running editor, named after it, beside the lock
// that editor holds while it runs ("<id>.lock" next to "<id>/"). Each level is two files in
// that folder: "<n>.lev" with the level's text and "<n>.json" saying whose level it is.
QString recoveryFolder();

// Takes the lock of the editor `id`; nullptr while a live editor holds it. The lock of an
// editor that died is taken over whatever its age.
std::unique_ptr<QLockFile> takeRecoveryLock(const QString& folder, const QString& id);

struct RecoveryInfo {
  QString path;   // the level's own file; empty for a level never saved
  QString title;  // its title without the '*'
  QDateTime written;
};

QByteArray recoveryInfoBytes(const RecoveryInfo& info);
std::optional<RecoveryInfo> readRecoveryInfo(const QString& file);
