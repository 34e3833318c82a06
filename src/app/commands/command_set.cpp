#include "app/commands/command_set.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>

CommandSet::CommandSet(QWidget& window) : QObject(&window), m_window(window) { qApp->installEventFilter(this); }

CommandSet::~CommandSet() { qApp->removeEventFilter(this); }

QAction* CommandSet::add(Command command) {
  auto* action = new QAction(&m_window);
  action->setText(command.text);
  action->setShortcuts(command.keys);
  action->setShortcutContext(command.keysInLevelView ? Qt::WidgetWithChildrenShortcut : Qt::ApplicationShortcut);
  action->setStatusTip(command.prompt);
  action->setToolTip(command.tooltip);
  action->setIcon(command.icon);
  action->setCheckable(command.checkable);
  action->setEnabled(false);
  if (!command.keysInLevelView) m_window.addAction(action);  // keys work even when the action is on no visible menu
  connect(action, &QAction::triggered, this, [this, action] {
    // A checkable action flips itself when triggered; its check mark is the command's to say.
    run(action);
  });
  m_entries.push_back({std::move(command), action});
  return action;
}

QList<QAction*> CommandSet::levelViewActions() const {
  QList<QAction*> actions;
  for (const Entry& entry : m_entries)
    if (entry.command.keysInLevelView && entry.action) actions.append(entry.action);
  return actions;
}

const CommandSet::Entry* CommandSet::find(const QAction* action) const {
  for (const Entry& entry : m_entries)
    if (entry.action == action) return &entry;
  return nullptr;
}

bool CommandSet::enabledNow(const Entry& entry) { return !entry.command.enabled || entry.command.enabled(); }

bool CommandSet::isEnabled(const QAction* action) const {
  const Entry* entry = find(action);
  return entry && enabledNow(*entry);
}

bool CommandSet::run(QAction* action) {
  const Entry* entry = find(action);
  // A disabled command does not run, also when it comes from a key.
  const bool ran = entry && enabledNow(*entry) && entry->command.run;
  if (ran && m_beforeCommand && !entry->command.keepsLiftedBlock) m_beforeCommand();
  if (ran) entry->command.run();
  requestRefresh();
  return ran;
}

void CommandSet::requestRefresh() {
  if (m_refreshPending) return;
  m_refreshPending = true;
  QTimer::singleShot(0, this, [this] { refreshNow(); });
}

void CommandSet::refreshNow() {
  m_refreshPending = false;
  for (const Entry& entry : m_entries) {
    QAction* action = entry.action;
    if (!action) continue;
    const Command& command = entry.command;
    const bool enabled = enabledNow(entry);
    if (action->isEnabled() != enabled) action->setEnabled(enabled);
    const bool checked = command.checked && command.checked();
    if (action->isCheckable() && action->isChecked() != checked) action->setChecked(checked);
    if (command.currentText) {
      const QString text = command.currentText();
      if (action->text() != text) action->setText(text);
    }
    if (command.currentTooltip) {
      const QString tooltip = command.currentTooltip();
      if (action->toolTip() != tooltip) action->setToolTip(tooltip);
    }
  }
}

const CommandSet::Entry* CommandSet::entryOfKey(const QKeyEvent& key, const QWidget* window) const {
  if (window != &m_window) return nullptr;
  QKeyCombination pressed = key.keyCombination();
  if (pressed.key() == Qt::Key_Backtab)  // what Shift+Tab arrives as
    pressed = QKeyCombination(pressed.keyboardModifiers() | Qt::ShiftModifier, Qt::Key_Tab);
  for (const Entry& entry : m_entries)
    for (const QKeySequence& keys : entry.command.keys)
      if (!entry.command.keysInLevelView && keys.count() == 1 && keys[0] == pressed) return &entry;
  return nullptr;
}

bool CommandSet::eventFilter(QObject* watched, QEvent* event) {
  // A text field claims Ctrl+Z, Ctrl+C and the like before any shortcut sees them. The command
  // gets the key wherever it is enabled: the field's own typing decides first, so a field with
  // typing to undo still undoes it, and one without lets the level's Undo run.
  QWidget* focus = QApplication::focusWidget();
  if (event->type() != QEvent::ShortcutOverride || !focus || watched != focus) return false;
  const Entry* entry = entryOfKey(*static_cast<QKeyEvent*>(event), focus->window());
  if (!entry || !entry->action || !enabledNow(*entry)) return false;
  entry->action->setEnabled(true);  // the refresh may not have run yet
  event->ignore();
  return true;
}
