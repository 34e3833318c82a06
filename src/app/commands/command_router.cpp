#include "app/commands/command_router.h"

#include <QAction>
#include <QTimer>

CommandRouter::CommandRouter(QObject* parent) : QObject(parent) {}

void CommandRouter::AddAction(int id, QAction* action) {
  m_actions.insert(id, action);
  connect(action, &QAction::triggered, this, [this, id] { Execute(id); });
}

bool CommandRouter::Execute(int id) {
  if (!m_route) return false;
  // A disabled command does not run, also when it comes from a key. The state may come from
  // one target (a view's check mark) and the work from another further down (its document).
  bool handled = false;
  if (Query(id).enabled) {
    for (CCmdTarget* target : m_route())
      if ((handled = target->OnCommand(id))) break;
  }
  RequestRefresh();
  return handled;
}

CommandState CommandRouter::Query(int id) const {
  if (m_route) {
    for (CCmdTarget* target : m_route()) {
      CommandState state;
      if (target->OnUpdateCommand(id, state)) return state;
    }
  }
  return CommandState{false, false};
}

void CommandRouter::RequestRefresh() {
  if (m_refreshPending) return;
  m_refreshPending = true;
  QTimer::singleShot(0, this, [this] { RefreshNow(); });
}

void CommandRouter::RefreshNow() {
  m_refreshPending = false;
  const std::vector<CCmdTarget*> route = m_route ? m_route() : std::vector<CCmdTarget*>();
  for (auto it = m_actions.cbegin(); it != m_actions.cend(); ++it) {
    CommandState state{false, false};
    for (CCmdTarget* target : route)
      if (target->OnUpdateCommand(it.key(), state)) break;
    QAction* action = it.value();
    if (!action) continue;
    if (action->isEnabled() != state.enabled) action->setEnabled(state.enabled);
    if (action->isCheckable() && action->isChecked() != state.checked) action->setChecked(state.checked);
  }
}
