#include "app/commands/text_field_target.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextEdit>

#include "app/commands/command_ids.h"

namespace {

// The widget that takes the typing when `focus` has the focus, when it is an editable text field.
QWidget* EditableField(QWidget* focus) {
  if (auto* box = qobject_cast<QComboBox*>(focus)) focus = box->lineEdit();
  if (auto* edit = qobject_cast<QLineEdit*>(focus); edit && !edit->isReadOnly()) return edit;
  if (auto* edit = qobject_cast<QPlainTextEdit*>(focus); edit && !edit->isReadOnly()) return edit;
  if (auto* edit = qobject_cast<QTextEdit*>(focus); edit && !edit->isReadOnly()) return edit;
  return nullptr;
}

bool ClipboardHasText() {
  const QMimeData* data = QApplication::clipboard()->mimeData();
  return data && data->hasText() && !data->text().isEmpty();
}

// What a field offers, and the work, alike for the three kinds of field.
struct FieldOps {
  bool selection = false;
  bool undo = false;
  bool redo = false;
  std::function<void(int)> run;
};

template <class Edit>
std::function<void(int)> Runner(Edit* edit) {
  return [edit](int id) {
    switch (id) {
      case cmd::EDIT_CUT: edit->cut(); break;
      case cmd::EDIT_COPY: edit->copy(); break;
      case cmd::EDIT_PASTE: edit->paste(); break;
      case cmd::EDIT_UNDO: edit->undo(); break;
      case cmd::EDIT_REDO: edit->redo(); break;
      default: break;
    }
  };
}

template <class TextEdit>
FieldOps TextEditOps(TextEdit* edit) {
  return {edit->textCursor().hasSelection(), edit->document()->isUndoAvailable(),
          edit->document()->isRedoAvailable(), Runner(edit)};
}

FieldOps OpsOf(QWidget* field) {
  if (auto* edit = qobject_cast<QLineEdit*>(field))
    return {edit->hasSelectedText(), edit->isUndoAvailable(), edit->isRedoAvailable(), Runner(edit)};
  if (auto* edit = qobject_cast<QPlainTextEdit*>(field)) return TextEditOps(edit);
  if (auto* edit = qobject_cast<QTextEdit*>(field)) return TextEditOps(edit);
  return {};
}

// Whether the field answers the command, and if so whether it can carry it out now.
bool FieldAnswers(const FieldOps& ops, int id, bool& enabled) {
  switch (id) {
    case cmd::EDIT_CUT:
    case cmd::EDIT_COPY: enabled = ops.selection; return true;
    case cmd::EDIT_PASTE: enabled = ClipboardHasText(); return true;
    // No typing of its own to take back: the level's Undo and Redo are meant.
    case cmd::EDIT_UNDO: enabled = true; return ops.undo;
    case cmd::EDIT_REDO: enabled = true; return ops.redo;
    default: return false;
  }
}

}  // namespace

CTextFieldTarget::CTextFieldTarget(std::function<void()> changed) : m_changed(std::move(changed)) {}

CTextFieldTarget::~CTextFieldTarget() {
  for (const QMetaObject::Connection& connection : m_connections) QObject::disconnect(connection);
}

bool CTextFieldTarget::Follow(QWidget* focus) {
  QWidget* field = EditableField(focus);
  if (field == m_field) return field != nullptr;
  for (const QMetaObject::Connection& connection : m_connections) QObject::disconnect(connection);
  m_connections.clear();
  m_field = field;
  auto changed = [this] { m_changed(); };
  if (auto* edit = qobject_cast<QLineEdit*>(field)) {
    m_connections = {QObject::connect(edit, &QLineEdit::selectionChanged, changed),
                     QObject::connect(edit, &QLineEdit::textChanged, changed)};
  } else if (auto* edit = qobject_cast<QPlainTextEdit*>(field)) {
    m_connections = {QObject::connect(edit, &QPlainTextEdit::selectionChanged, changed),
                     QObject::connect(edit, &QPlainTextEdit::undoAvailable, changed),
                     QObject::connect(edit, &QPlainTextEdit::redoAvailable, changed)};
  } else if (auto* edit = qobject_cast<QTextEdit*>(field)) {
    m_connections = {QObject::connect(edit, &QTextEdit::selectionChanged, changed),
                     QObject::connect(edit, &QTextEdit::undoAvailable, changed),
                     QObject::connect(edit, &QTextEdit::redoAvailable, changed)};
  }
  return field != nullptr;
}

bool CTextFieldTarget::OnCommand(int id) {
  if (!m_field) return false;
  const FieldOps ops = OpsOf(m_field);
  bool enabled = false;
  if (!FieldAnswers(ops, id, enabled)) return false;
  if (enabled) ops.run(id);
  return true;
}

bool CTextFieldTarget::OnUpdateCommand(int id, CommandState& state) {
  if (!m_field) return false;
  bool enabled = false;
  if (!FieldAnswers(OpsOf(m_field), id, enabled)) return false;
  state.enabled = enabled;
  return true;
}
