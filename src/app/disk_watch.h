#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>
#include <functional>
#include <map>
#include <optional>

#include "level/file_identity.h"

class LevelDocument;
class OpenLevels;

// Notices when another program changes, replaces or deletes the file of an open level (git,
// a script, a second editor). A level without unsaved changes is reloaded, as one undo step;
// one with changes gets a bar in its windows that offers the other version. It watches the
// files and their folders (a file renamed over another shows only in its folder) and looks
// again whenever asked, as when a level window is activated, since watchers miss changes.
class DiskWatch : public QObject {
  Q_OBJECT
 public:
  // `tell` puts a message on the status bar.
  DiskWatch(OpenLevels& levels, std::function<void(const QString&)> tell, QObject* parent = nullptr);

  // Looks at every open level's file now.
  void checkAll();
  void check(LevelDocument& document);
  // Watches the files of the levels open now.
  void follow();
  // The level was written: what was told of its file is over.
  void saved(const LevelDocument* document);

 private:
  void reload(LevelDocument& document);
  void keepMine(LevelDocument& document);
  void showBar(LevelDocument& document, const QString& text, bool offerReload);
  void hideBar(LevelDocument& document);

  OpenLevels& m_levels;
  std::function<void(const QString&)> m_tell;
  QFileSystemWatcher m_watcher;
  QTimer m_settle;  // writers write in pieces: the look comes once they have been quiet a moment
  // The version on disk each level's bar told about, so that it is told once.
  std::map<const LevelDocument*, std::optional<FileIdentity>> m_told;
};
