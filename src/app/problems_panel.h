#pragma once

#include <QDockWidget>
#include <QTimer>
#include <string>
#include <vector>

#include "editing/document_observer.h"
#include "level/level_checks.h"

class LevelDocument;
class LevelWindow;
class QListWidget;
class QListWidgetItem;

// The active level's warnings, kept current while it is edited. Double-clicking a warning
// marks its cell in the level view or puts the focus in its field.
class ProblemsPanel : public QDockWidget, public DocumentObserver {
  Q_OBJECT
 public:
  explicit ProblemsPanel(QWidget* parent = nullptr);
  ~ProblemsPanel() override;

  // The window whose level the panel shows; none empties it.
  void follow(LevelWindow* window);
  QListWidget* list() const { return m_list; }

  void levelChanged(const LevelChange& change) override;
  void documentStateChanged() override;

 private:
  void recheck();
  void showWarnings(std::vector<LevelWarning> warnings);
  void goTo(QListWidgetItem* item);

  QListWidget* m_list = nullptr;
  LevelWindow* m_window = nullptr;
  LevelDocument* m_document = nullptr;
  std::vector<LevelWarning> m_warnings;  // as listed
  QTimer m_recheck;
  // Looking for the next level reads the folder, too slow to repeat on every edit: it is
  // repeated when the level's file or its "Next level" changes, or another window is followed.
  std::string m_folderCheckedFor;  // the path the folder warnings belong to
  bool m_folderStale = true;
  std::vector<LevelWarning> m_folderWarnings;
};
