#include "app/menu/focused_text_field.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {

QWidget* editableField(QWidget* focus) {
  if (auto* box = qobject_cast<QComboBox*>(focus)) focus = box->lineEdit();
  if (auto* edit = qobject_cast<QLineEdit*>(focus); edit && !edit->isReadOnly()) return edit;
  if (auto* edit = qobject_cast<QPlainTextEdit*>(focus); edit && !edit->isReadOnly()) return edit;
  if (auto* edit = qobject_cast<QTextEdit*>(focus); edit && !edit->isReadOnly()) return edit;
  return nullptr;
}

bool clipboardHasText() {
  const QMimeData* data = QApplication::clipboard()->mimeData();
  return data && data->hasText() && !data->text().isEmpty();
}

// What a field offers, alike for the three kinds of field.
struct FieldState {
  bool selection = false;
  bool undo = false;
  bool redo = false;
};

template <class TextEdit>
FieldState textEditState(const TextEdit* edit) {
  return {edit->textCursor().hasSelection(), edit->document()->isUndoAvailable(), edit->document()->isRedoAvailable()};
}

FieldState stateOf(const QWidget* field) {
  if (auto* edit = qobject_cast<const QLineEdit*>(field))
    return {edit->hasSelectedText(), edit->isUndoAvailable(), edit->isRedoAvailable()};
  if (auto* edit = qobject_cast<const QPlainTextEdit*>(field)) return textEditState(edit);
  if (auto* edit = qobject_cast<const QTextEdit*>(field)) return textEditState(edit);
  return {};
}

template <class Edit>
void runOn(Edit* edit, FocusedTextField::Action action) {
  switch (action) {
    case FocusedTextField::Action::Cut: edit->cut(); break;
    case FocusedTextField::Action::Copy: edit->copy(); break;
    case FocusedTextField::Action::Paste: edit->paste(); break;
    case FocusedTextField::Action::Undo: edit->undo(); break;
    case FocusedTextField::Action::Redo: edit->redo(); break;
  }
}

}  // namespace

FocusedTextField::FocusedTextField(std::function<void()> changed) : m_changed(std::move(changed)) {}

FocusedTextField::~FocusedTextField() {
  for (const QMetaObject::Connection& connection : m_connections) QObject::disconnect(connection);
}

void FocusedTextField::follow(QWidget* focus) {
  QWidget* field = editableField(focus);
  if (field == m_field) return;
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
}

bool FocusedTextField::takes(Action action) const {
  if (!m_field) return false;
  // No typing of its own to take back: the level's Undo and Redo are meant.
  if (action == Action::Undo) return stateOf(m_field).undo;
  if (action == Action::Redo) return stateOf(m_field).redo;
  return true;
}

bool FocusedTextField::canRun(Action action) const {
  if (!takes(action)) return false;
  switch (action) {
    case Action::Cut:
    case Action::Copy: return stateOf(m_field).selection;
    case Action::Paste: return clipboardHasText();
    case Action::Undo:
    case Action::Redo: return true;
  }
  return false;
}

void FocusedTextField::run(Action action) {
  if (!canRun(action)) return;
  if (auto* edit = qobject_cast<QLineEdit*>(m_field.data())) runOn(edit, action);
  else if (auto* edit = qobject_cast<QPlainTextEdit*>(m_field.data())) runOn(edit, action);
  else if (auto* edit = qobject_cast<QTextEdit*>(m_field.data())) runOn(edit, action);
}
