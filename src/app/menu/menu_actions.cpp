#include "app/menu/menu_actions.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>

MenuActions::MenuActions(QWidget& window) : QObject(&window), m_window(window) { qApp->installEventFilter(this); }

MenuActions::~MenuActions() { qApp->removeEventFilter(this); }

QAction* MenuActions::add(MenuAction command) {
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

QList<QAction*> MenuActions::levelViewActions() const {
  QList<QAction*> actions;
  for (const Entry& entry : m_entries)
    if (entry.command.keysInLevelView && entry.action) actions.append(entry.action);
  return actions;
}

const MenuActions::Entry* MenuActions::find(const QAction* action) const {
  for (const Entry& entry : m_entries)
    if (entry.action == action) return &entry;
  return nullptr;
}

bool MenuActions::enabledNow(const Entry& entry) { return !entry.command.enabled || entry.command.enabled(); }

bool MenuActions::isEnabled(const QAction* action) const {
  const Entry* entry = find(action);
  return entry && enabledNow(*entry);
}

bool MenuActions::run(QAction* action) {
  const Entry* entry = find(action);
  // A disabled command does not run, also when it comes from a key.
  const bool ran = entry && enabledNow(*entry) && entry->command.run;
  if (ran && m_beforeAction && !entry->command.keepsLiftedBlock) m_beforeAction();
  if (ran) entry->command.run();
  requestRefresh();
  return ran;
}

void MenuActions::requestRefresh() {
  if (m_refreshPending) return;
  m_refreshPending = true;
  QTimer::singleShot(0, this, [this] { refreshNow(); });
}

void MenuActions::refreshNow() {
  m_refreshPending = false;
  for (const Entry& entry : m_entries) {
    QAction* action = entry.action;
    if (!action) continue;
    const MenuAction& command = entry.command;
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

const MenuActions::Entry* MenuActions::entryOfKey(const QKeyEvent& key, const QWidget* window) const {
  if (window != &m_window) return nullptr;
  QKeyCombination pressed = key.keyCombination();
  if (pressed.key() == Qt::Key_Backtab)  // what Shift+Tab arrives as
    pressed = QKeyCombination(pressed.keyboardModifiers() | Qt::ShiftModifier, Qt::Key_Tab);
  for (const Entry& entry : m_entries)
    for (const QKeySequence& keys : entry.command.keys)
      if (!entry.command.keysInLevelView && keys.count() == 1 && keys[0] == pressed) return &entry;
  return nullptr;
}

bool MenuActions::eventFilter(QObject* watched, QEvent* event) {
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
