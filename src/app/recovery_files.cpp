#include "app/recovery_files.h"

#include "app/editor_settings.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>

QString recoveryFolder() { return editorDataFolder() + "/recovery"; }

std::unique_ptr<QLockFile> takeRecoveryLock(const QString& folder, const QString& id) {
  auto lock = std::make_unique<QLockFile>(folder + "/" + id + ".lock");
  // Only a dead owner makes a lock stale: an editor may run for days.
  lock->setStaleLockTime(0);
  return lock->tryLock(0) ? std::move(lock) : nullptr;
}

QByteArray recoveryInfoBytes(const RecoveryInfo& info) {
  const QJsonObject object{{"path", info.path},
                           {"title", info.title},
                           {"written", info.written.toUTC().toString(Qt::ISODateWithMs)}};
  return QJsonDocument(object).toJson();
}

std::optional<RecoveryInfo> readRecoveryInfo(const QString& file) {
  QFile in(file);
  if (!in.open(QIODevice::ReadOnly)) return std::nullopt;
  const QJsonObject object = QJsonDocument::fromJson(in.read(64 * 1024)).object();
  if (!object.value("title").isString()) return std::nullopt;
  return RecoveryInfo{object.value("path").toString(), object.value("title").toString(),
                      QDateTime::fromString(object.value("written").toString(), Qt::ISODateWithMs)};
}
