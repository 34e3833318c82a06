#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QAction>
#include <functional>
#include <vector>

#include "app/commands/command_target.h"

class QAction;
class QKeyEvent;

// Sends each command along a route of targets (active view, its document, the frame, the
// application) to the first that handles it, and asks the same route for the enabled and
// checked state of every action whenever something may have changed. A command's keys reach it
// also where a text field would keep them, whenever the route enables it.
class CommandRouter : public QObject {
  Q_OBJECT
 public:
  using Route = std::function<std::vector<CCmdTarget*>()>;

  explicit CommandRouter(QObject* parent = nullptr);

  void SetRoute(Route route) { m_route = std::move(route); }
  void AddAction(int id, QAction* action);
  QAction* Action(int id) const { return m_actions.value(id); }

  // Runs the command if some target on the route handles it and it is enabled there.
  bool Execute(int id);
  // The state of one command as the route answers it; disabled when nobody handles it.
  CommandState Query(int id) const;

  // Refreshes every action soon (once, however often it is asked before that).
  void RequestRefresh();
  // Refreshes every action now.
  void RefreshNow();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The command whose key this is among the actions of the window; 0 when none.
  int CommandOfKey(const QKeyEvent& key, const QWidget* window) const;

  Route m_route;
  QHash<int, QPointer<QAction>> m_actions;  // the frame owns them and may go first
  bool m_refreshPending = false;
};
