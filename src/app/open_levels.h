#pragma once

#include <QList>
#include <QObject>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/recent_files.h"

class Level;
class LevelDocument;
class LevelWindow;
class QMdiArea;
class SaveFlow;
class LevelViewState;

// The levels that are open: each with its document, the view state its windows share, its
// save flow and its windows. Numbers new levels ("NewLevel1", ...) and keeps the recent files.
class OpenLevels : public QObject {
  Q_OBJECT
 public:
  struct OpenLevel;

  // Windows are made in `area` and given their place by `placeWindow`.
  OpenLevels(QMdiArea& area, std::function<void(LevelWindow*)> placeWindow, QWidget* dialogParent);
  ~OpenLevels() override;

  // An empty path makes a new level. A file that is already open gets its window activated.
  // On failure the user is told why and nullptr comes back.
  LevelDocument* open(const QString& path);
  // A level recovered after a crash: modified, under the file name and title it had (an
  // empty path for a level never saved).
  LevelDocument* openRecovered(Level level, const QString& path, std::string title);
  // Another window on an open level.
  LevelWindow* newWindow(LevelDocument& document);

  std::vector<LevelDocument*> documents() const;
  LevelViewState* viewStateOf(const LevelDocument& document) const;
  SaveFlow* saveFlowOf(const LevelDocument& document) const;
  // The level's windows, in the order they were opened.
  QList<LevelWindow*> windowsOf(const LevelDocument& document) const;

  RecentFiles& recentFiles() { return m_recentFiles; }

  // Closes every window of the level after asking whether to save it; false when the user
  // keeps it open.
  bool close(LevelDocument& document);
  // Asks about every changed level, then closes every window; false, with nothing closed,
  // when the user kept a level open.
  bool closeAll();

 signals:
  void windowCreated(LevelWindow* window);
  // A level came or went.
  void levelsChanged();
  // A level's title, modified state or undo steps changed.
  void levelStateChanged();
  // The level now lives in its file.
  void levelSaved(const LevelDocument* document);
  // The level's last window closed; the level goes next.
  void levelClosed(const LevelDocument* document);
  // A level chose another artwork set.
  void artworkChosen(LevelDocument* document);
  // A property, the remainders or the whole of a level changed.
  void levelPropertiesChanged(LevelDocument* document);

 private:
  OpenLevel* find(const LevelDocument& document) const;
  LevelDocument* add(std::unique_ptr<LevelDocument> document);
  LevelWindow* createWindow(OpenLevel& level);
  void windowCloseRequested(LevelWindow* window, bool* accept);
  void windowDestroyed(LevelWindow* window);
  void renumber(const OpenLevel& level) const;
  int openWindowCount(const LevelDocument& document) const;

  QMdiArea& m_area;
  std::function<void(LevelWindow*)> m_placeWindow;
  QWidget* m_dialogParent;
  RecentFiles m_recentFiles;
  std::vector<std::unique_ptr<OpenLevel>> m_levels;
  int m_untitledCount = 0;
};
