#pragma once

#include <QObject>
#include <QList>
#include <QPointer>
#include <functional>
#include <vector>

#include "app/menu/menu_action.h"

class QAction;
class QKeyEvent;
class QWidget;

// Makes a QAction of each menu action and keeps the actions' enabled and checked states and their
// texts up to date. A menu action's keys reach it also where a text field would keep them, whenever
// the menu action is enabled.
class MenuActions : public QObject {
  Q_OBJECT
 public:
  // The actions belong to `window`; their keys work wherever the focus is in it.
  explicit MenuActions(QWidget& window);
  ~MenuActions() override;

  QAction* add(MenuAction command);
  // The actions whose keys act only in a level view: each view takes them on.
  QList<QAction*> levelViewActions() const;
  // Called before every menu action that does not keep a lifted block.
  void setBeforeAction(std::function<void()> beforeAction) { m_beforeAction = std::move(beforeAction); }

  // Runs the menu action of the QAction if it is enabled now; true when it ran.
  bool run(QAction* action);
  bool isEnabled(const QAction* action) const;

  // Refreshes every action soon (once, however often it is asked before that).
  void requestRefresh();
  void refreshNow();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Entry {
    MenuAction command;
    QPointer<QAction> action;
  };
  const Entry* find(const QAction* action) const;
  const Entry* entryOfKey(const QKeyEvent& key, const QWidget* window) const;
  static bool enabledNow(const Entry& entry);

  QWidget& m_window;
  std::vector<Entry> m_entries;
  std::function<void()> m_beforeAction;
  bool m_refreshPending = false;
};
