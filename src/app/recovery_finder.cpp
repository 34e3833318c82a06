#include "app/recovery_finder.h"

#include <QDir>
#include <QFile>
#include <QLockFile>

#include "app/recovery_files.h"

RecoveryFinder::RecoveryFinder(const QString& folder) {
  const QDir root(folder);
  for (const QString& id : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
    std::unique_ptr<QLockFile> lock = takeRecoveryLock(folder, id);
    if (!lock) continue;  // its editor still runs
    const QDir levels(root.filePath(id));
    for (const QString& name : levels.entryList({"*.json"}, QDir::Files, QDir::Name)) {
      const QString base = levels.filePath(QFileInfo(name).completeBaseName());
      const std::optional<RecoveryInfo> info = readRecoveryInfo(base + ".json");
      if (info && QFile::exists(base + ".lev"))
        m_levels.push_back({base + ".lev", base + ".json", info->path, info->title, info->written});
    }
    m_owners.push_back({levels.path(), std::move(lock)});
  }
}

RecoveryFinder::~RecoveryFinder() {
  for (Owner& owner : m_owners) {
    // What was neither restored nor discarded stays for the next start.
    if (QDir(owner.folder).entryList({"*.lev"}, QDir::Files).isEmpty()) QDir(owner.folder).removeRecursively();
    owner.lock->unlock();
  }
}

void RecoveryFinder::discard(const RecoveredLevel& level) {
  QFile::remove(level.infoFile);
  QFile::remove(level.levelFile);
}
