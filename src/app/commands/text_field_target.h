#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <functional>

#include "app/commands/command_target.h"

class QWidget;

// The editable text field that has the keyboard focus (a line edit, a text edit, the edit of a
// list box one can type into), as the first target on the route: Cut, Copy and Paste work on its
// text, Undo and Redo on its own typing. Without typing to undo or redo it declines them, so that
// the level's Undo and Redo run instead.
class CTextFieldTarget : public CCmdTarget {
 public:
  // Called when what the field can do changes (its selection, its text, its undo steps).
  explicit CTextFieldTarget(std::function<void()> changed);
  ~CTextFieldTarget() override;

  // Follows the widget when it is an editable text field, else nothing; true when following.
  bool Follow(QWidget* focus);

  bool OnCommand(int id) override;
  bool OnUpdateCommand(int id, CommandState& state) override;

 private:
  std::function<void()> m_changed;
  QPointer<QWidget> m_field;
  QList<QMetaObject::Connection> m_connections;
};
