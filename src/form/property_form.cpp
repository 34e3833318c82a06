#include "form/property_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTimer>

#include "editing/level_document.h"
#include "editing/property_input.h"
#include "form/folder_lists.h"
#include "form/remainder_button.h"
#include "render/model_texts.h"
#include "level/cp1252.h"

namespace {

using Field = PropertyForm::Field;

// The property each field edits, in the order a pass over every field commits them.
struct FieldProperty {
  Field field;
  Property property;
};
constexpr FieldProperty kFieldProperties[] = {
    {Field::Designer, Property::Designer},       {Field::Emeralds, Property::Emeralds},
    {Field::FirstToFinish, Property::FirstToFinish}, {Field::Height, Property::Height},
    {Field::Width, Property::Width},             {Field::Info, Property::Info},
    {Field::Name, Property::Name},               {Field::NextLevel, Property::NextLevel},
    {Field::Pushing, Property::Pushing},         {Field::Swamp, Property::Swamp},
    {Field::MaxDestroy, Property::MaxDestroy},   {Field::WheelTime, Property::WheelTime},
    {Field::RobotSpeed, Property::RobotSpeed},   {Field::YamYamSound, Property::YamYamSoundOff},
    {Field::LaserSound, Property::LaserSoundOff}, {Field::Dispenser, Property::Dispenser},
    {Field::TotalTurns, Property::TotalTurns},   {Field::Difficulty, Property::Difficulty},
    {Field::Artwork, Property::Artwork},         {Field::Sounds, Property::Sounds},
    {Field::Music, Property::Music},
};

const FieldProperty* findField(Field field) {
  for (const FieldProperty& entry : kFieldProperties)
    if (entry.field == field) return &entry;
  return nullptr;
}

const FieldProperty* findProperty(Property property) {
  for (const FieldProperty& entry : kFieldProperties)
    if (entry.property == property) return &entry;
  return nullptr;
}

// The decimal value at the start of a text, as C's atoi reads it; 0 without digits.
int leadingNumber(const std::string& text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n' || text[i] == '\r')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  long long value = 0;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9' && value < 100000000) value = value * 10 + (text[i++] - '0');
  return static_cast<int>(negative ? -value : value);
}

}  // namespace

PropertyForm::PropertyForm(LevelDocument& document, std::function<int()> currentElement, QWidget* parent)
    : QWidget(parent), m_document(document) {
  // The form is laid out for a small 8-point sans-serif font.
  QFont small = font();
  small.setPointSize(8);
  setFont(small);
  createFields(currentElement);
  layOut();
  showAll();
  layOutRemainderEditor();
  m_document.addObserver(this);
}

PropertyForm::~PropertyForm() {
  finishRemainderPainting();
  m_document.removeObserver(this);
}

QWidget* PropertyForm::field(Field field) const { return m_fields.value(field); }

void PropertyForm::levelChanged(const LevelChange& change) {
  switch (change.kind) {
    case LevelChange::Kind::Cells: showEmeraldCount(); break;
    case LevelChange::Kind::Property:
      showProperty(change.property);
      // The pattern's pictures come from the level's artwork.
      if (change.property == Property::Artwork) m_remainderButton->update();
      break;
    case LevelChange::Kind::Remainders: showRemainders(); break;
    case LevelChange::Kind::Everything:
      showAll();
      showRemainders();
      break;
  }
}

// --- showing the level ---

void PropertyForm::showAll() {
  for (const FieldProperty& entry : kFieldProperties) showProperty(entry.property);
  showEmeraldCount();
}

void PropertyForm::showProperty(Property property) {
  const FieldProperty* entry = findProperty(property);
  if (!entry) return;
  const Level& level = m_document.level();
  const bool wasFilling = m_filling;
  m_filling = true;
  m_edited.remove(entry->field);
  QWidget* widget = field(entry->field);
  if (auto* check = qobject_cast<QCheckBox*>(widget)) {
    check->setChecked(level.number(property) != 0);
  } else if (property == Property::Difficulty) {
    const int difficulty = leadingNumber(level.text(property));
    static_cast<QComboBox*>(widget)->setCurrentIndex(difficulty >= 0 && difficulty <= 9 ? difficulty : -1);
  } else {
    showText(entry->field, level.text(property));
    if (qobject_cast<QComboBox*>(widget)) selectFolderEntry(entry->field);
  }
  m_filling = wasFilling;
}

void PropertyForm::showEmeraldCount() {
  m_emeraldCount->setText(QString("(%1)").arg(m_document.level().emeraldTotal()));
  m_emeraldCount->adjustSize();
}

void PropertyForm::showText(Field id, const std::string& levelText) {
  QWidget* widget = field(id);
  QString shown = QString::fromStdString(cp1252ToUtf8(levelText));
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
    edit->setText(shown);
    edit->setCursorPosition(0);
  } else if (auto* info = qobject_cast<QPlainTextEdit*>(widget)) {
    shown.replace("\r\n", "\n");
    info->setPlainText(shown);
  } else if (auto* box = qobject_cast<QComboBox*>(widget)) {
    box->setCurrentIndex(-1);
    box->setEditText(shown);
  }
}

void PropertyForm::selectFolderEntry(Field id) {
  const bool wasFilling = m_filling;
  m_filling = true;
  selectComboEntry(*static_cast<QComboBox*>(field(id)),
                   QString::fromStdString(cp1252ToUtf8(m_document.level().text(findField(id)->property))));
  m_filling = wasFilling;
}

QString PropertyForm::typedText(Field id) const {
  QWidget* widget = field(id);
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) return edit->text();
  if (auto* info = qobject_cast<QPlainTextEdit*>(widget)) return info->toPlainText();
  if (auto* box = qobject_cast<QComboBox*>(widget)) return box->currentText();
  return {};
}

// --- committing ---

bool PropertyForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_remainderList && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (remainderKey(key->key(), key->modifiers())) return true;
  }
  // Esc takes back what was typed, a refused value too: the field shows the stored value again
  // and has nothing left to commit or to refuse.
  if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
    const auto it = m_fieldOf.constFind(static_cast<QWidget*>(watched));
    if (it != m_fieldOf.constEnd() && m_edited.contains(*it)) {
      if (const FieldProperty* entry = findField(*it)) showProperty(entry->property);
      return true;
    }
  }
  // A list box opening its drop-down list keeps its edit: that is no leaving.
  if (event->type() == QEvent::FocusOut && !m_filling && !m_warning &&
      static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
    const auto it = m_fieldOf.constFind(static_cast<QWidget*>(watched));
    if (it != m_fieldOf.constEnd() && m_edited.contains(*it)) commit(*it);
  }
  return QWidget::eventFilter(watched, event);
}

void PropertyForm::commit(Field id) {
  const FieldProperty* entry = findField(id);
  if (!entry) return;
  m_edited.remove(id);
  if (auto* check = qobject_cast<QCheckBox*>(field(id)))
    m_document.setNumber(entry->property, check->isChecked() ? 1 : 0);
  else if (id == Field::Difficulty)
    commitDifficulty();
  else
    commitTyped(id, entry->property);
}

void PropertyForm::commitTyped(Field id, Property property) {
  const PropertyInput input = interpretInput(property, typedText(id).toStdString());
  if (!input.accepted) {
    refuse(translated::messageText(input.refusal), id);
    return;
  }
  const bool changed = isNumberProperty(property) ? m_document.setNumber(property, std::stoi(input.value))
                                                  : m_document.setText(property, input.value);
  // The field shows what was stored (trimmed, or the level's spelling where only case
  // differed), which also drops its typing: Ctrl+Z there now undoes the committed step.
  if (!changed) showProperty(property);
}

void PropertyForm::commitDifficulty() {
  const int index = static_cast<QComboBox*>(field(Field::Difficulty))->currentIndex();
  // Choosing the entry the stored text reads as ("" and "3x" among them) is no change.
  if (index < 0 || index == leadingNumber(m_document.level().text(Property::Difficulty))) return;
  m_document.setText(Property::Difficulty, std::to_string(index));
}

bool PropertyForm::commitPendingEdits() {
  if (m_painting) finishRemainderPainting();
  // Silent while the pass runs; afterwards the form speaks up again for the user's own edits.
  const bool wasQuiet = m_quiet;
  m_quiet = true;
  for (const FieldProperty& entry : kFieldProperties)
    if (m_edited.contains(entry.field)) commit(entry.field);
  m_quiet = wasQuiet;
  // What is still pending was refused.
  for (const FieldProperty& entry : kFieldProperties) {
    if (!m_edited.contains(entry.field)) continue;
    const PropertyInput input = interpretInput(entry.property, typedText(entry.field).toStdString());
    m_warning = true;
    QMessageBox::warning(this, "Cavernia Level Editor", translated::messageText(input.refusal));
    m_warning = false;
    focusField(entry.field);
    return false;
  }
  return true;
}

void PropertyForm::refuse(const QString& message, Field id) {
  m_edited.insert(id);
  if (m_quiet) return;
  // The focus is still on its way to the next field; the message waits until it got there,
  // then the focus comes back to the field to be put right.
  m_warning = true;
  QTimer::singleShot(0, this, [this, message, id] {
    QMessageBox::warning(this, "Cavernia Level Editor", message);
    m_warning = false;
    focusField(id);
  });
}

std::optional<PropertyForm::Field> PropertyForm::fieldFor(Property property) {
  const FieldProperty* entry = findProperty(property);
  return entry ? std::optional(entry->field) : std::nullopt;
}

void PropertyForm::focusField(Field id) {
  QWidget* widget = field(id);
  if (!widget) return;
  if (auto* box = qobject_cast<QComboBox*>(widget); box && box->lineEdit())
    box->lineEdit()->selectAll();
  else if (auto* edit = qobject_cast<QLineEdit*>(widget))
    edit->selectAll();
  else if (auto* info = qobject_cast<QPlainTextEdit*>(widget))
    info->selectAll();
  window()->activateWindow();  // back from a message box
  widget->setFocus();
}

void PropertyForm::fillFolderLists(const QString& programFolder) {
  const bool wasFilling = m_filling;
  m_filling = true;
  // The boxes keep showing the names they hold; a list alone selects nothing.
  auto refill = [](QWidget* widget, const QStringList& names) {
    auto* box = static_cast<QComboBox*>(widget);
    const QString shown = box->currentText();
    box->clear();
    for (const QString& name : names) insertSorted(*box, name);
    box->setCurrentIndex(-1);
    box->setEditText(shown);
  };
  const FolderLists lists = programFolder.isEmpty() ? FolderLists{} : scanFolderLists(programFolder);
  refill(field(Field::Music), lists.songs);
  refill(field(Field::Artwork), lists.artwork);
  refill(field(Field::Sounds), lists.sounds);
  m_filling = wasFilling;
  if (programFolder.isEmpty()) {
    QMessageBox::warning(this, "Cavernia Level Editor", tr("Hoit, jetzt hot's wos grewas"));
    return;
  }
  for (Field id : {Field::Artwork, Field::Sounds, Field::Music}) selectFolderEntry(id);
}
