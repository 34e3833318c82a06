#pragma once

#include <QIcon>
#include <QKeySequence>
#include <QList>
#include <QString>
#include <functional>

// Everything about one menu action in one place: what the user sees of it, when it can run and
// what it does. `enabled` and `run` must ask the same thing, so nothing is enabled and dead.
struct MenuAction {
  QString text{};              // menu or button text
  QList<QKeySequence> keys{};
  QString prompt{};            // status-bar text; empty: none
  QString tooltip{};           // empty: none
  QIcon icon{};
  bool checkable = false;
  std::function<bool()> enabled{};  // null: always
  std::function<bool()> checked{};  // null: never
  std::function<void()> run{};
  // Texts that change with the state (Undo naming its step); null: the fixed ones above.
  std::function<QString()> currentText{};
  std::function<QString()> currentTooltip{};
  // A block floating in the level view is put down before any menu action runs, except those that
  // work on it or leave the level alone.
  bool keepsLiftedBlock = false;
  // Single keys that would get in the way of typing: they act only while a level view has the focus.
  bool keysInLevelView = false;
};
