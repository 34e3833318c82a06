#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QPushButton>
#include <QMdiArea>
#include <QMessageBox>
#include <QStringList>
#include <QTest>
#include <QTimer>

#include "app/brannoc_app.h"
#include "app/commands/command_ids.h"
#include "app/commands/command_router.h"
#include "view/brannoc_view.h"
#include "app/frame/child_frame.h"
#include "app/frame/main_frame.h"

inline CBrannocApp& App() { return *static_cast<CBrannocApp*>(QCoreApplication::instance()); }

// Answers every message box that comes up while it lives, and remembers what they said.
class MessageCatcher : public QObject {
 public:
  explicit MessageCatcher(QMessageBox::StandardButton answer = QMessageBox::Ok) : m_answer(answer) {
    m_timer.setInterval(10);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { Catch(); });
    m_timer.start();
  }
  QStringList texts;

 private:
  void Catch() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      auto* box = qobject_cast<QMessageBox*>(widget);
      if (!box || !box->isVisible()) continue;
      texts.append(box->text());
      QAbstractButton* button = box->button(m_answer);
      if (!button) button = box->defaultButton();
      if (button)
        button->click();
      else
        box->reject();
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

// Starts the editor for one test and stops it again at the end.
class EditorSession {
 public:
  explicit EditorSession(const QStringList& arguments = {}) { started = App().InitInstance(arguments); }
  ~EditorSession() { App().ExitInstance(0); }
  CMainFrame& Frame() const { return *App().MainFrame(); }
  CChildFrame* Child() const { return Frame().ActiveChild(); }
  // Opens another window on the active level ("New Window") and returns it.
  CChildFrame* NewWindow() const {
    App().Router()->Execute(cmd::WINDOW_NEW);
    Settle();
    return Child();
  }
  bool started = false;
};
