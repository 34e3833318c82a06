#include "app/commands/command_router.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <QTimer>

namespace {

// The first target on the route that answers decides; one that declines leaves no trace.
CommandState StateOn(const std::vector<CCmdTarget*>& route, int id) {
  for (CCmdTarget* target : route) {
    CommandState state;
    if (target->OnUpdateCommand(id, state)) return state;
  }
  return CommandState{false, false};
}

}  // namespace

CommandRouter::CommandRouter(QObject* parent) : QObject(parent) {
  if (qApp) qApp->installEventFilter(this);
}

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
  return m_route ? StateOn(m_route(), id) : CommandState{false, false};
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
    const CommandState state = StateOn(route, it.key());
    QAction* action = it.value();
    if (!action) continue;
    if (action->isEnabled() != state.enabled) action->setEnabled(state.enabled);
    if (action->isCheckable() && action->isChecked() != state.checked) action->setChecked(state.checked);
  }
}

int CommandRouter::CommandOfKey(const QKeyEvent& key, const QWidget* window) const {
  QKeyCombination pressed = key.keyCombination();
  if (pressed.key() == Qt::Key_Backtab)  // what Shift+Tab arrives as
    pressed = QKeyCombination(pressed.keyboardModifiers() | Qt::ShiftModifier, Qt::Key_Tab);
  for (auto it = m_actions.cbegin(); it != m_actions.cend(); ++it) {
    const QAction* action = it.value();
    if (!action || action->parent() != static_cast<const QObject*>(window)) continue;
    for (const QKeySequence& shortcut : action->shortcuts())
      if (shortcut.count() == 1 && shortcut[0] == pressed) return it.key();
  }
  return 0;
}

bool CommandRouter::eventFilter(QObject* watched, QEvent* event) {
  // A text field claims Ctrl+Z, Ctrl+C and the like before any shortcut sees them. The command
  // gets the key wherever the route enables it: the field's own target heads the route, so a
  // field with typing to undo still undoes it, and one without lets the level's Undo run.
  QWidget* focus = QApplication::focusWidget();
  if (event->type() != QEvent::ShortcutOverride || !focus || watched != focus) return false;
  const int id = CommandOfKey(*static_cast<QKeyEvent*>(event), focus->window());
  if (id == 0 || !Query(id).enabled) return false;
  if (QAction* action = Action(id)) action->setEnabled(true);  // the refresh may not have run yet
  event->ignore();
  return true;
}
