#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <functional>

class QWidget;

// The editable text field that has the keyboard focus (a line edit, a text edit, the edit of a
// list box one can type into). It comes first for the five text actions: Cut, Copy and Paste
// work on its text, Undo and Redo on its own typing; without typing to undo or redo it leaves
// them to the level.
class FocusedTextField {
 public:
  enum class Action { Cut, Copy, Paste, Undo, Redo };

  // `changed` is called when what the field can do changes (its selection, text, undo steps).
  explicit FocusedTextField(std::function<void()> changed);
  ~FocusedTextField();
  FocusedTextField(const FocusedTextField&) = delete;
  FocusedTextField& operator=(const FocusedTextField&) = delete;

  // Follows the widget when it is an editable text field, else none.
  void follow(QWidget* focus);

  // Whether the field takes the action now; `canRun` whether it can carry it out.
  bool takes(Action action) const;
  bool canRun(Action action) const;
  void run(Action action);

 private:
  std::function<void()> m_changed;
  QPointer<QWidget> m_field;
  QList<QMetaObject::Connection> m_connections;
};
