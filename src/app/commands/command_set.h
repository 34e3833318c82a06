#pragma once

#include <QObject>
#include <QList>
#include <QPointer>
#include <functional>
#include <vector>

#include "app/commands/command.h"

class QAction;
class QKeyEvent;
class QWidget;

// Makes an action of each command and keeps the actions' enabled and checked states and their
// texts up to date. A command's keys reach it also where a text field would keep them, whenever
// the command is enabled.
class CommandSet : public QObject {
  Q_OBJECT
 public:
  // The actions belong to `window`; their keys work wherever the focus is in it.
  explicit CommandSet(QWidget& window);
  ~CommandSet() override;

  QAction* add(Command command);
  // The actions whose keys act only in a level view: each view takes them on.
  QList<QAction*> levelViewActions() const;
  // Called before every command that does not keep a lifted block.
  void setBeforeCommand(std::function<void()> beforeCommand) { m_beforeCommand = std::move(beforeCommand); }

  // Runs the command of the action if it is enabled now; true when it ran.
  bool run(QAction* action);
  bool isEnabled(const QAction* action) const;

  // Refreshes every action soon (once, however often it is asked before that).
  void requestRefresh();
  void refreshNow();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Entry {
    Command command;
    QPointer<QAction> action;
  };
  const Entry* find(const QAction* action) const;
  const Entry* entryOfKey(const QKeyEvent& key, const QWidget* window) const;
  static bool enabledNow(const Entry& entry);

  QWidget& m_window;
  std::vector<Entry> m_entries;
  std::function<void()> m_beforeCommand;
  bool m_refreshPending = false;
};
