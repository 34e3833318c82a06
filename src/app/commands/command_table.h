#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>

// What the user sees of one command: its menu text, keys, status-bar prompt and tooltip.
struct CommandInfo {
  int id = 0;
  QString text;                  // menu or button text; '\t' separates the shown key
  QList<QKeySequence> shortcuts;
  QString prompt;                // status-bar text; empty: none
  QString tooltip;               // empty: none
  bool checkable = false;
};

// Every command of the editor, the element palette included.
const QList<CommandInfo>& CommandTable();
const CommandInfo* FindCommand(int id);
