#pragma once

#include <QList>
#include <QListWidget>
#include <QString>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "level/level.h"

class QThread;

// The levels of one folder as thumbnails with their names, in the order their "Next level"
// values chain them; a level whose next level is not in the folder is framed in red, a stray or
// a level sharing its name in orange, and a file that cannot be read says why. The folder is read
// and the thumbnails drawn on a thread of their own, and only while the panel shows. Levels open
// in the editor show as they are, saved or not.
class LevelPackPanel : public QListWidget {
  Q_OBJECT
 public:
  static constexpr int kThumbnailSide = 96;

  explicit LevelPackPanel(QWidget* parent = nullptr);
  ~LevelPackPanel() override;

  // Shows the levels of that folder; an empty folder shows nothing.
  void showFolder(const QString& folder);
  QString folder() const { return m_folder; }
  // A level file was written: the panel reads its folder anew when it is the one it shows.
  void levelSaved(const QString& path);

  // The levels open in the editor that live in a folder, by file name.
  using OpenLevelsOf = std::function<std::map<std::string, Level>(const QString& folder)>;
  void setOpenLevels(OpenLevelsOf openLevels) { m_openLevels = std::move(openLevels); }
  // An open level changed, came or went: the panel reads its folder anew when the properties
  // of the open levels in it are no longer what it shows.
  void openLevelsEdited();

 signals:
  // A level was double-clicked; the path of its file.
  void levelActivated(const QString& path);
  // The panel shows what its folder held when it was last read.
  void loaded();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void load();

  std::map<std::string, Level> openLevels() const;

  QString m_folder;
  OpenLevelsOf m_openLevels;
  std::map<std::string, std::vector<std::string>> m_shownProperties;  // of the open levels read
  bool m_stale = false;  // the folder changed since it was last read
  unsigned m_generation = 0;
  QList<QThread*> m_readers;
};
