#pragma once

#include <QDockWidget>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <vector>

#include "editing/document_observer.h"
#include "level/level.h"
#include "level/level_diff.h"

class LevelDocument;
class LevelWindow;
class QLabel;
class QListWidget;
class QListWidgetItem;

// A comparison of one level window's level with another level: the panel lists what differs
// in the words of cavernia-level diff, the window's view outlines the cells that differ, and
// both follow the edits. It only reads the level. It ends on end() or when the window closes.
class DifferencesPanel : public QDockWidget, public DocumentObserver {
  Q_OBJECT
 public:
  explicit DifferencesPanel(QWidget* parent = nullptr);
  ~DifferencesPanel() override;

  // Starts comparing, ending any comparison before. `reference` is what the level is compared
  // with, named `referenceName`; with `withSavedFile` it is the level's own file, read anew
  // whenever the level is saved.
  void compare(LevelWindow* window, Level reference, const QString& referenceName, bool withSavedFile);
  void end();
  bool isComparing() const { return m_window != nullptr; }
  LevelWindow* comparedWindow() const { return m_window; }
  const std::vector<LevelDifference>& differences() const { return m_differences; }

  // Goes to the difference after (+1) or before (-1) the current one, round the list.
  void step(int direction);

  void levelChanged(const LevelChange& change) override;
  void documentStateChanged() override;

 signals:
  // A comparison started or ended, or its differences changed.
  void comparisonChanged();

 private:
  void follow(LevelWindow* window);
  void recompare();
  void goTo(QListWidgetItem* item);

  QPointer<LevelWindow> m_window;
  LevelDocument* m_document = nullptr;
  Level m_reference;
  QString m_referenceName;
  bool m_withSavedFile = false;
  std::vector<LevelDifference> m_differences;
  QLabel* m_heading = nullptr;
  QListWidget* m_list = nullptr;
  QTimer m_recompare;
};
