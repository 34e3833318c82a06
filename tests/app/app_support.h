#pragma once

#include <gtest/gtest.h>

#include <QPushButton>
#include <QApplication>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QStringList>
#include <QTest>
#include <QTemporaryDir>
#include <QTimer>
#include <tuple>

#include "app/cavernia_app.h"
#include "app/commands/command_set.h"
#include "app/level_window.h"
#include "app/main_window.h"
#include "app/open_levels.h"
#include "editing/level_document.h"
#include "form/property_form.h"
#include "level/level_file.h"
#include "view/level_view.h"
#include "view/view_settings.h"

inline CaverniaApp& App() { return *static_cast<CaverniaApp*>(QCoreApplication::instance()); }
inline const Actions& Act() { return App().actions(); }
inline bool Trigger(QAction* action) { return App().commands()->run(action); }

// Answers every message box that comes up while it lives, and remembers what they said.
class MessageCatcher : public QObject {
 public:
  explicit MessageCatcher(QMessageBox::StandardButton answer = QMessageBox::Ok) : m_answer(answer) {
    m_timer.setInterval(10);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { catchBoxes(); });
    m_timer.start();
  }
  QStringList texts;

 private:
  void catchBoxes() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      auto* box = qobject_cast<QMessageBox*>(widget);
      if (!box || !box->isVisible()) continue;
      texts.append(box->text());
      QAbstractButton* button = box->button(m_answer) ? box->button(m_answer) : box->defaultButton();
      button ? button->click() : box->reject();
    }
  }
  QMessageBox::StandardButton m_answer;
  QTimer m_timer;
};

// Lets queued work (deferred refreshes, deletions) run.
inline void Settle() {
  for (int i = 0; i < 3; ++i) {
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
}

// The element a saved level file holds at a cell; NO_ELEMENT also when it cannot be read.
inline int SavedElement(const QString& path, int x, int y) {
  Level level;
  return ReadLevelFile(path.toStdString(), level).ok ? level.element(x, y) : NO_ELEMENT;
}

// Starts the editor for one test and stops it again at the end.
class EditorSession {
 public:
  explicit EditorSession(const QStringList& arguments = {}) { started = App().start(arguments); }
  ~EditorSession() { App().finish(0); }
  MainWindow& window() const { return *App().mainWindow(); }
  LevelWindow* active() const { return window().activeLevelWindow(); }
  LevelDocument& document() const { return active()->document(); }
  QString title() const { return active()->windowTitle(); }
  LevelWindow* newWindow() const {
    Trigger(Act().window.newWindow);
    Settle();
    return active();
  }
  bool started = false;
};
