#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class LevelDocument;
class QLockFile;

// Keeps a copy of every changed level in the recovery folder, so that a crash or a kill loses
// at most one interval of work. The copies are this editor's while it runs (it holds their
// lock); they go when their level is saved or closed, and all of them on a clean end.
class RecoveryWriter : public QObject {
  Q_OBJECT
 public:
  // Writes every `intervalSeconds` (0: never) what changed among `documents()`.
  RecoveryWriter(std::function<std::vector<LevelDocument*>()> documents, int intervalSeconds,
                 QObject* parent = nullptr);
  ~RecoveryWriter() override;

  // The interval the user set (group "Recovery", key "IntervalSeconds"; 60 when unset).
  static int intervalSetting();

  // Writes each modified level that changed since its last copy; an unmodified one loses its
  // copy.
  void writeChanged();
  // The level was saved or is closing: its copy goes.
  void remove(const LevelDocument* document);

 private:
  struct Copy {
    QString base;       // the files without their extension
    std::string state;  // what was written: text, path and title
  };
  bool makeFolder();
  static void removeFiles(const Copy& copy);

  std::function<std::vector<LevelDocument*>()> m_documents;
  QTimer m_timer;
  QString m_id;
  QString m_folder;  // this editor's; made at the first copy
  std::unique_ptr<QLockFile> m_lock;
  std::map<const LevelDocument*, Copy> m_copies;
  int m_nextNumber = 1;
};
