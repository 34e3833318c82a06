#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>
#include <QTemporaryDir>
#include <tuple>

#include "app/cavernia_app.h"
#include "app/editor_settings.h"
#include "app/menu/menu_actions.h"
#include "app/level_window.h"
#include "app/main_window.h"
#include "app/open_levels.h"
#include "app/problems_panel.h"
#include "app/save_flow.h"
#include "editing/level_document.h"
#include "editing/set_cells.h"
#include "form/property_form.h"
#include "level/level_file.h"
#include "support/level_text.h"
#include "support/message_catcher.h"
#include "support/modal_dialog.h"
#include "support/temp_folder.h"
#include "support/widget_support.h"
#include "view/level_view.h"
#include "view/level_view_state.h"

inline CaverniaApp& runningApp() { return *static_cast<CaverniaApp*>(QCoreApplication::instance()); }
inline const Actions& act() { return runningApp().actions(); }
// Runs the command as its menu item does, and lets the work it queued run.
inline bool trigger(QAction* action) {
  const bool ran = runningApp().menuActions()->run(action);
  settle();
  return ran;
}

// The level a saved file holds; an empty level when it cannot be read.
inline Level savedLevel(const QString& path) {
  Level level;
  return readLevelFile(path.toStdString(), level).ok ? level : Level();
}

// Starts the editor for one test and stops it again at the end.
class EditorSession {
 public:
  explicit EditorSession(const QStringList& arguments = {}) { started = runningApp().start(arguments); }
  ~EditorSession() { runningApp().finish(0); }
  MainWindow& window() const { return *runningApp().mainWindow(); }
  LevelWindow* active() const { return window().activeLevelWindow(); }
  LevelDocument& document() const { return active()->document(); }
  QString title() const { return active()->caption(); }
  LevelWindow* newWindow() const {
    trigger(act().window.newWindow);
    return active();
  }
  bool started = false;
};

// A session whose save flow asks no one for a file name: it gets `answer` (empty: the user
// cancels), and keeps what it proposed and the level window's caption while it asked.
struct SaveSession : EditorSession {
  SaveSession() {
    answer.clear();
    SaveFlow::setFileNameAsker([](QWidget*, const QString& offered) {
      proposed = offered;
      captionAsked = runningApp().mainWindow()->activeLevelWindow()->caption();
      return answer;
    });
  }
  ~SaveSession() { SaveFlow::setFileNameAsker(nullptr); }
  inline static QString answer, proposed, captionAsked;
};
