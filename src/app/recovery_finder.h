#pragma once

#include <QDateTime>
#include <QString>
#include <memory>
#include <vector>

class QLockFile;

// A level that an editor which crashed or was killed left in the recovery folder.
struct RecoveredLevel {
  QString levelFile;  // its text as last written
  QString infoFile;
  QString path;       // its own file; empty for a level never saved
  QString title;
  QDateTime written;
};

// Finds the levels of editors that are no longer running; those of running editors are left
// alone. Holds the locks of the dead editors while it lives, so that another editor starting
// meanwhile does not offer the same levels; folders it leaves empty go with it.
class RecoveryFinder {
 public:
  explicit RecoveryFinder(const QString& folder);
  ~RecoveryFinder();

  const std::vector<RecoveredLevel>& levels() const { return m_levels; }
  // Deletes the level's files.
  static void discard(const RecoveredLevel& level);

 private:
  struct Owner {
    QString folder;
    std::unique_ptr<QLockFile> lock;
  };
  std::vector<Owner> m_owners;
  std::vector<RecoveredLevel> m_levels;
};
