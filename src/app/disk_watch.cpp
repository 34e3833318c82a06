#include "app/disk_watch.h"

#include <QFileInfo>
#include <QSet>
#include <algorithm>

#include "app/disk_change_bar.h"
#include "app/level_window.h"
#include "app/open_levels.h"
#include "app/save_flow.h"
#include "editing/level_document.h"
#include "editing/step_names.h"
#include "level/level_file.h"
#include "render/model_texts.h"

namespace {

QString fileName(const LevelDocument& document) { return QFileInfo(QString::fromStdString(document.path())).fileName(); }

}  // namespace

DiskWatch::DiskWatch(OpenLevels& levels, std::function<void(const QString&)> tell, QObject* parent)
    : QObject(parent), m_levels(levels), m_tell(std::move(tell)) {
  m_settle.setSingleShot(true);
  m_settle.setInterval(250);
  connect(&m_settle, &QTimer::timeout, this, [this] {
    checkAll();
    follow();  // a file replaced by a rename is a new file to watch
  });
  connect(&m_watcher, &QFileSystemWatcher::fileChanged, &m_settle, qOverload<>(&QTimer::start));
  connect(&m_watcher, &QFileSystemWatcher::directoryChanged, &m_settle, qOverload<>(&QTimer::start));
}

void DiskWatch::follow() {
  QSet<QString> wanted;
  const std::vector<LevelDocument*> open = m_levels.documents();
  for (const LevelDocument* document : open) {
    if (document->path().empty()) continue;
    const QString path = QString::fromStdString(document->path());
    wanted << QFileInfo(path).absolutePath();
    if (QFileInfo::exists(path)) wanted << path;
  }
  // Watched afresh each time: a watch stays with the file it began on, even once renamed away.
  const QStringList watched = m_watcher.files() + m_watcher.directories();
  if (!watched.isEmpty()) m_watcher.removePaths(watched);
  if (!wanted.isEmpty()) m_watcher.addPaths(wanted.values());
  std::erase_if(m_told, [&open](const auto& told) { return std::ranges::find(open, told.first) == open.end(); });
}

void DiskWatch::saved(const LevelDocument* document) {
  for (LevelDocument* open : m_levels.documents())
    if (open == document) check(*open);
  follow();
}

void DiskWatch::checkAll() {
  for (LevelDocument* document : m_levels.documents()) check(*document);
}

void DiskWatch::check(LevelDocument& document) {
  for (LevelWindow* window : m_levels.windowsOf(document)) window->refreshCaption();
  const std::optional<FileIdentity>& known = document.fileIdentity();
  if (document.path().empty() || !known) return;
  const auto told = m_told.find(&document);
  FileIdentity now;
  switch (checkFile(document.path(), *known, &now)) {
    case FileState::Unchanged:
      if (now != *known) document.setFileIdentity(now);  // touched, or the same bytes again
      if (told != m_told.end()) {
        m_told.erase(told);
        hideBar(document);
        document.setDiffersFromFile(false);  // the file is back as it was
      }
      return;
    case FileState::Missing:
      if (told != m_told.end() && !told->second) return;
      m_told[&document] = std::nullopt;
      // Only this editor holds the level now: closing it must ask.
      document.setDiffersFromFile(true);
      showBar(document, tr("%1 was deleted or renamed by another program. Save writes it again.").arg(fileName(document)),
              false);
      return;
    case FileState::Changed: break;
  }
  if (told != m_told.end() && told->second == now) return;  // this version was told about
  if (!document.isModified()) return reload(document);
  ::Level other;
  const FileResult read = readLevelFile(document.path(), other);
  m_told[&document] = now;
  if (!read.ok)
    showBar(document, tr("%1 was changed by another program and does not read as a level: %2")
                          .arg(fileName(document), translated::messageText(read.error)),
            false);
  else
    showBar(document, tr("%1 was changed by another program.").arg(fileName(document)), true);
}

void DiskWatch::reload(LevelDocument& document) {
  // A drag under way ends first; the look comes again once it has.
  if (document.inGesture()) return m_settle.start();
  ::Level level;
  FileIdentity identity;
  const FileResult read = readLevelFile(document.path(), level, &identity);
  if (!read.ok) {
    FileIdentity now;
    checkFile(document.path(), *document.fileIdentity(), &now);
    m_told[&document] = now;
    document.setDiffersFromFile(true);  // the file is no level any more: this is the one to keep
    return showBar(document, tr("%1 was changed by another program and does not read as a level: %2")
                                 .arg(fileName(document), translated::messageText(read.error)),
                   false);
  }
  document.replaceLevel(std::move(level), step_names::kReload);
  document.setFileIdentity(identity);
  document.markSaved();
  m_told.erase(&document);
  hideBar(document);
  m_tell(tr("%1 was reloaded: another program changed it.").arg(fileName(document)));
}

void DiskWatch::keepMine(LevelDocument& document) {
  // Undoing back to the version read no longer makes it the file's.
  document.setDiffersFromFile(true);
  // Saving over the version told about needs no more asking.
  if (const auto told = m_told.find(&document); told != m_told.end() && told->second)
    if (SaveFlow* flow = m_levels.saveFlowOf(document)) flow->allowOverwriting(*told->second);
  hideBar(document);
}

void DiskWatch::showBar(LevelDocument& document, const QString& text, bool offerReload) {
  for (LevelWindow* window : m_levels.windowsOf(document)) {
    DiskChangeBar* bar = window->diskBar();
    bar->tell(text, offerReload);
    // Connected once per bar; the document is looked up again, as it may have closed.
    if (bar->property("watched").toBool()) continue;
    bar->setProperty("watched", true);
    connect(bar, &DiskChangeBar::reloadChosen, this, [this, window] { reload(window->document()); });
    connect(bar, &DiskChangeBar::keepChosen, this, [this, window] { keepMine(window->document()); });
  }
}

void DiskWatch::hideBar(LevelDocument& document) {
  for (LevelWindow* window : m_levels.windowsOf(document)) window->diskBar()->hide();
}
