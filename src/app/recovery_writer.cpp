#include "app/recovery_writer.h"
#include "app/editor_settings.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSettings>
#include <QUuid>
#include <QtDebug>

#include "app/recovery_files.h"
#include "editing/level_document.h"
#include "level/cp1252.h"
#include "level/level_file.h"
#include "level/level_io.h"

RecoveryWriter::RecoveryWriter(std::function<std::vector<LevelDocument*>()> documents, int intervalSeconds,
                               QObject* parent)
    : QObject(parent), m_documents(std::move(documents)), m_id(QUuid::createUuid().toString(QUuid::WithoutBraces)) {
  connect(&m_timer, &QTimer::timeout, this, &RecoveryWriter::writeChanged);
  if (intervalSeconds > 0) m_timer.start(intervalSeconds * 1000);
}

RecoveryWriter::~RecoveryWriter() {
  if (!m_lock) return;
  QDir(m_folder).removeRecursively();
  m_lock->unlock();
}

int RecoveryWriter::intervalSetting() {
  EditorSettings settings;
  return settings.value("Recovery/IntervalSeconds", 60).toInt();
}

bool RecoveryWriter::makeFolder() {
  if (m_lock) return true;
  const QString root = recoveryFolder();
  // The lock comes before the folder: a starting editor never sees a folder without an owner.
  if (!QDir().mkpath(root) || !(m_lock = takeRecoveryLock(root, m_id))) return false;
  m_folder = root + "/" + m_id;
  if (QDir().mkpath(m_folder)) {
    // Levels are the user's own work: nobody else reads the copies.
    QFile::setPermissions(m_folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return true;
  }
  m_lock.reset();
  return false;
}

void RecoveryWriter::writeChanged() {
  std::map<const LevelDocument*, Copy> kept;
  for (const LevelDocument* document : m_documents()) {
    auto found = m_copies.find(document);
    if (!document->isModified()) continue;  // its copy goes below
    const std::string text = levelText(document->level());
    const std::string state = text + '\0' + document->path() + '\0' + document->title();
    if (found != m_copies.end() && found->second.state == state) {
      kept.insert(m_copies.extract(found));
      continue;
    }
    if (!makeFolder()) {
      if (found != m_copies.end()) kept.insert(m_copies.extract(found));
      continue;
    }
    Copy copy = found != m_copies.end() ? m_copies.extract(found).mapped()
                                        : Copy{m_folder + "/" + QString::number(m_nextNumber++), {}};
    const RecoveryInfo info{QString::fromStdString(document->path()), QString::fromStdString(cp1252ToUtf8(document->title())),
                            QDateTime::currentDateTime()};
    // The level first: a copy is only offered once both files are there.
    FileResult result = writeFileAtomically((copy.base + ".lev").toStdString(), text);
    if (result.ok) result = writeFileAtomically((copy.base + ".json").toStdString(), recoveryInfoBytes(info).toStdString());
    if (result.ok) copy.state = state;
    else qWarning("No recovery copy: %s", result.message().c_str());
    kept.emplace(document, std::move(copy));
  }
  // Left over: levels unmodified or gone.
  for (const auto& [document, copy] : m_copies) removeFiles(copy);
  m_copies = std::move(kept);
}

void RecoveryWriter::remove(const LevelDocument* document) {
  auto found = m_copies.find(document);
  if (found == m_copies.end()) return;
  removeFiles(found->second);
  m_copies.erase(found);
}

void RecoveryWriter::removeFiles(const Copy& copy) {
  // The info first: without it the level text is never offered.
  QFile::remove(copy.base + ".json");
  QFile::remove(copy.base + ".lev");
}
