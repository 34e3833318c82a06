#pragma once

#include <QList>
#include <QListWidget>
#include <QString>

class QThread;

// The levels of one folder as thumbnails with their names, in the order their "Next level"
// values chain them; a level whose next level is not in the folder is framed in red. The folder
// is read and the thumbnails drawn on a thread of their own, and only while the panel shows.
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

 signals:
  // A level was double-clicked; the path of its file.
  void levelActivated(const QString& path);
  // The panel shows what its folder held when it was last read.
  void loaded();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void load();

  QString m_folder;
  bool m_stale = false;  // the folder changed since it was last read
  unsigned m_generation = 0;
  QList<QThread*> m_readers;
};
