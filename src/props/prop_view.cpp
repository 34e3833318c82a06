#include "props/prop_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTimer>

#include "level/brannoc_doc.h"
#include "level/cp1252.h"
#include "level/properties.h"
#include "level/update_hints.h"
#include "props/remainder_button.h"

namespace {

QString FromLevelText(const std::string& text) { return QString::fromStdString(Cp1252ToUtf8(text)); }
std::string ToLevelText(const QString& text) { return Utf8ToCp1252(text.toStdString()); }

// Spaces, tabs and line breaks.
bool IsTrimmed(QChar c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
QString TrimBoth(const QString& s) {
  qsizetype begin = 0, end = s.size();
  while (begin < end && IsTrimmed(s[begin])) ++begin;
  while (end > begin && IsTrimmed(s[end - 1])) --end;
  return s.mid(begin, end - begin);
}
QString TrimEnd(const QString& s) {
  qsizetype end = s.size();
  while (end > 0 && IsTrimmed(s[end - 1])) --end;
  return s.left(end);
}

// The decimal value at the start of a text, as C's atoi reads it; 0 without digits.
int LeadingNumber(const std::string& text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n' || text[i] == '\r')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  long long value = 0;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9' && value < 100000000) value = value * 10 + (text[i++] - '0');
  return static_cast<int>(negative ? -value : value);
}

// Which property each plain text field commits, and how it is trimmed.
struct TextField {
  int id;
  int property;
  bool trimStart;
  bool trimEnd;
};
constexpr TextField kTextFields[] = {
    {CPropView::IDC_NAME, PROP_NAME, true, true},
    {CPropView::IDC_NEXT_LEVEL, PROP_NEXT_LEVEL, true, true},
    {CPropView::IDC_DESIGNER, PROP_DESIGNER, true, true},
    {CPropView::IDC_FIRST_TO_FINISH, PROP_FIRST_TO_FINISH, true, true},
    {CPropView::IDC_INFO, PROP_INFO, false, true},
    {CPropView::IDC_PUSHING, PROP_PUSHING, true, true},
    {CPropView::IDC_SWAMP, PROP_SWAMP, true, true},
    {CPropView::IDC_MAX_DESTROY, PROP_MAX_DESTROY, true, true},
    {CPropView::IDC_WHEEL_TIME, PROP_WHEEL_TIME, true, true},
    {CPropView::IDC_ROBOT_SPEED, PROP_ROBOT_SPEED, true, true},
    {CPropView::IDC_DISPENSER, PROP_DISPENSER, false, false},
    {CPropView::IDC_TOTAL_TURNS, PROP_TOTAL_TURNS, false, false},
};

const TextField* FindTextField(int id) {
  for (const TextField& field : kTextFields)
    if (field.id == id) return &field;
  return nullptr;
}

}  // namespace

CPropView::CPropView(CBrannocDoc& doc, QWidget* parent) : QWidget(parent), m_doc(doc) {
  // The form is laid out for a small 8-point sans-serif font.
  QFont small = font();
  small.setPointSize(8);
  setFont(small);
  CreateControls();
  LayOut();
  m_doc.AddView(this);
}

CPropView::~CPropView() {
  // Fields that lose the focus while the window goes are committed without messages.
  m_bQuiet = true;
  m_doc.RemoveView(this);
}

void CPropView::OnInitialUpdate() {
  m_bQuiet = false;
  OnUpdate(nullptr, HINT_REFRESH, {});
  LayoutRemainderEditor();
  FillFolderLists(QCoreApplication::applicationDirPath());
}

void CPropView::OnUpdate(CDocObserver*, int hint, const HintObject& object) {
  switch (hint) {
    case HINT_REFRESH:
      if (std::holds_alternative<std::monostate>(object)) Refill();
      break;
    case HINT_CELL_CHANGED:
    case HINT_CELL_ERASED: RefreshEmeraldCount(); break;
    case HINT_COMMIT_FORM: CommitAll(); break;
    case HINT_PROPERTIES: Refill(); break;
    case HINT_ARTWORK: m_remainderButton->update(); break;
    case HINT_REMAINDERS: RefreshRemainders(); break;
    default: break;
  }
}

void CPropView::Refill() {
  m_bFilling = true;
  SetText(IDC_DESIGNER, m_doc.m_strDesigner);
  SetText(IDC_EMERALDS, m_doc.m_strEmeralds);
  RefreshEmeraldCount();
  SetText(IDC_FIRST_TO_FINISH, m_doc.m_strFirstToFinish);
  SetText(IDC_HEIGHT, std::to_string(m_doc.GetLevelSize().cy));
  SetText(IDC_WIDTH, std::to_string(m_doc.GetLevelSize().cx));
  SetText(IDC_INFO, m_doc.m_strInfo);
  SetText(IDC_NAME, m_doc.m_strName);
  SetText(IDC_NEXT_LEVEL, m_doc.m_strNextLevel);
  SetText(IDC_PUSHING, m_doc.m_strPushing);
  SetText(IDC_SWAMP, m_doc.m_strSwamp);
  SetText(IDC_MAX_DESTROY, m_doc.m_strMaxDestroy);
  SetText(IDC_WHEEL_TIME, m_doc.m_strWheelTime);
  SetText(IDC_ROBOT_SPEED, m_doc.m_strRobotSpeed);
  static_cast<QCheckBox*>(Field(IDC_YAMYAM_SOUND))->setChecked(m_doc.m_bYamYamSoundOff);
  static_cast<QCheckBox*>(Field(IDC_LASER_SOUND))->setChecked(m_doc.m_bLaserSoundOff);
  SetText(IDC_TOTAL_TURNS, m_doc.m_strTotalTurns);
  const int difficulty = LeadingNumber(m_doc.m_strDifficulty);
  static_cast<QComboBox*>(Field(IDC_DIFFICULTY))->setCurrentIndex(difficulty >= 0 && difficulty <= 9 ? difficulty : -1);
  SetText(IDC_DISPENSER, m_doc.m_strDispenser);
  SetText(IDC_ARTWORK, m_doc.m_strArtwork);
  SetText(IDC_SOUNDS, m_doc.m_strSounds);
  SetText(IDC_MUSIC, m_doc.m_strMusic);
  SelectFolderEntries();
  m_bFilling = false;
}

void CPropView::RefreshEmeraldCount() {
  m_emeraldCount->setText(QString("(%1)").arg(m_doc.m_nEmeraldTotal));
  m_emeraldCount->adjustSize();
}

QString CPropView::Text(int id) const {
  QWidget* field = Field(id);
  if (auto* edit = qobject_cast<QLineEdit*>(field)) return edit->text();
  if (auto* info = qobject_cast<QPlainTextEdit*>(field)) return info->toPlainText();
  if (auto* box = qobject_cast<QComboBox*>(field)) return box->currentText();
  return {};
}

void CPropView::SetText(int id, const std::string& text) {
  QWidget* field = Field(id);
  m_edited.remove(id);
  QString shown = FromLevelText(text);
  if (auto* edit = qobject_cast<QLineEdit*>(field)) {
    edit->setText(shown);
    edit->setCursorPosition(0);
  } else if (auto* info = qobject_cast<QPlainTextEdit*>(field)) {
    shown.replace("\r\n", "\n");
    info->setPlainText(shown);
  } else if (auto* box = qobject_cast<QComboBox*>(field)) {
    // The box shows the name as stored; the entry is selected by SelectFolderEntries.
    box->setCurrentIndex(-1);
    box->setEditText(shown);
  }
}

bool CPropView::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_remainderList && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (OnVKeyToItem(key->key(), key->modifiers(), m_remainderList->currentRow())) return true;
  }
  // A list box opening its drop-down list keeps its edit: that is no leaving.
  if (event->type() == QEvent::FocusOut && !m_bFilling && !m_bWarning &&
      static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
    const auto it = m_idOf.find(static_cast<QWidget*>(watched));
    if (it != m_idOf.end() && m_edited.contains(*it)) Commit(*it);
  }
  return QWidget::eventFilter(watched, event);
}

void CPropView::Commit(int id) {
  m_edited.remove(id);
  switch (id) {
    case IDC_EMERALDS: CommitEmeralds(); break;
    case IDC_WIDTH:
    case IDC_HEIGHT: CommitSize(id); break;
    case IDC_YAMYAM_SOUND:
    case IDC_LASER_SOUND: CommitCheck(id); break;
    case IDC_DIFFICULTY: CommitDifficulty(); break;
    case IDC_ARTWORK:
    case IDC_SOUNDS:
    case IDC_MUSIC: CommitList(id); break;
    default: CommitText(id); break;
  }
  if (!m_edited.contains(id)) ForgetTyping(id);
}

void CPropView::ForgetTyping(int id) {
  // Committed typing is the level's step now: Ctrl+Z in the field undoes that step, not the
  // keystrokes again.
  QWidget* field = Field(id);
  QLineEdit* edit = qobject_cast<QLineEdit*>(field);
  if (auto* box = qobject_cast<QComboBox*>(field)) edit = box->lineEdit();
  if (edit && (edit->isUndoAvailable() || edit->isRedoAvailable())) {
    const int cursor = edit->cursorPosition();
    edit->setText(edit->text());
    edit->setCursorPosition(cursor);
  } else if (auto* info = qobject_cast<QPlainTextEdit*>(field)) {
    info->document()->clearUndoRedoStacks();
  }
}

void CPropView::CommitText(int id) {
  const TextField* field = FindTextField(id);
  if (!field) return;
  QString text = Text(id);
  const QString trimmed = field->trimStart ? TrimBoth(text) : field->trimEnd ? TrimEnd(text) : text;
  if (!Writable(trimmed, id)) return;
  if (trimmed != text) {
    m_bFilling = true;
    SetText(id, ToLevelText(trimmed));
    m_bFilling = false;
  }
  std::string value = ToLevelText(trimmed);
  if (id == IDC_INFO) {
    // The information keeps its lines joined by CR LF, as the file reader builds it.
    std::string joined;
    for (char c : value) {
      if (c == '\n') joined += '\r';
      joined += c;
    }
    value = joined;
  }
  Committed(m_doc.SetStringProperty(value, field->property, true));
}

void CPropView::CommitEmeralds() {
  const QString text = TrimBoth(Text(IDC_EMERALDS));
  const bool valid = std::all_of(text.begin(), text.end(), [](QChar c) { return (c >= '0' && c <= '9') || c == '*'; });
  if (valid) {
    if (text != Text(IDC_EMERALDS)) {
      m_bFilling = true;
      SetText(IDC_EMERALDS, ToLevelText(text));
      m_bFilling = false;
    }
    Committed(m_doc.SetStringProperty(ToLevelText(text), PROP_EMERALDS, true));
  } else if (!m_bQuiet) {
    Refuse("Please enter a number or a *", IDC_EMERALDS);
  } else {
    m_bFilling = true;
    SetText(IDC_EMERALDS, "");
    m_bFilling = false;
    Committed(m_doc.SetStringProperty("", PROP_EMERALDS, true));
  }
}

void CPropView::CommitSize(int id) {
  bool isNumber = false;
  const int value = Text(id).trimmed().toInt(&isNumber);
  if (!isNumber) {
    Refuse("Please enter an integer.", id);
    return;
  }
  if (value >= 1 && value <= MAX_LEVEL_SIZE) {
    if (m_doc.SetIntProperty(value, id == IDC_WIDTH ? PROP_WIDTH : PROP_HEIGHT, true)) {
      m_doc.UpdateAllViews(this, HINT_GRID_SIZE);
      m_doc.UpdateAllViews(this, HINT_REFRESH);
    }
  } else {
    Refuse(QString("Please enter a value between 1 and %1").arg(MAX_LEVEL_SIZE), id);
  }
}

void CPropView::CommitCheck(int id) {
  const bool checked = static_cast<QCheckBox*>(Field(id))->isChecked();
  Committed(m_doc.SetIntProperty(checked ? 1 : 0, id == IDC_YAMYAM_SOUND ? PROP_YAMYAM_SOUND_OFF : PROP_LASER_SOUND_OFF, true));
}

void CPropView::CommitDifficulty() {
  const int index = static_cast<QComboBox*>(Field(IDC_DIFFICULTY))->currentIndex();
  // An empty difficulty reads as "tutorial"; making that explicit is no edit of the user's.
  if (m_doc.m_strDifficulty.empty()) m_doc.m_strDifficulty = "0";
  Committed(m_doc.SetStringProperty(std::to_string(index), PROP_DIFFICULTY, true));
}

void CPropView::CommitList(int id) {
  if (!Writable(Text(id), id)) return;
  const int property = id == IDC_ARTWORK ? PROP_ARTWORK : id == IDC_SOUNDS ? PROP_SOUNDS : PROP_MUSIC;
  // The document answers false for every artwork choice, so the change is seen in the name:
  // the level's other forms must show it, or their next commit would put the old name back.
  const std::string before = *StringField(m_doc, property);
  m_doc.SetStringProperty(ToLevelText(Text(id)), property, true);
  Committed(*StringField(m_doc, property) != before);
}

void CPropView::Committed(bool changed) {
  // The level's other windows show the new value too.
  if (changed) m_doc.UpdateAllViews(this, HINT_PROPERTIES);
}

void CPropView::CommitAll() {
  // Silent while the pass runs; afterwards the form speaks up again for the user's own edits.
  const bool wasQuiet = m_bQuiet;
  m_bQuiet = true;
  for (int id : {IDC_DESIGNER, IDC_EMERALDS, IDC_FIRST_TO_FINISH, IDC_HEIGHT, IDC_WIDTH, IDC_INFO, IDC_NAME,
                 IDC_NEXT_LEVEL, IDC_PUSHING, IDC_SWAMP, IDC_MAX_DESTROY, IDC_WHEEL_TIME, IDC_ROBOT_SPEED,
                 IDC_YAMYAM_SOUND, IDC_LASER_SOUND, IDC_DISPENSER, IDC_TOTAL_TURNS, IDC_DIFFICULTY, IDC_ARTWORK,
                 IDC_SOUNDS, IDC_MUSIC})
    if (m_edited.contains(id)) Commit(id);
  m_bQuiet = wasQuiet;
}

void CPropView::Refuse(const QString& message, int id) {
  m_edited.insert(id);
  if (!m_bQuiet) Warn(message, id);
}

bool CPropView::Writable(const QString& text, int id) {
  const std::vector<std::string> missing = Cp1252Missing(text.toStdString());
  if (missing.empty()) return true;
  QStringList names;
  for (const std::string& name : missing) names << QString::fromStdString(name);
  Refuse(QString("Level files cannot hold these characters: %1. Please replace them.").arg(names.join(", ")), id);
  return false;
}

void CPropView::Warn(const QString& message, int id) {
  // The focus is still on its way to the next field; the message waits until it got there,
  // then the focus comes back to the field to be put right.
  m_bWarning = true;
  QTimer::singleShot(0, this, [this, message, id] {
    QMessageBox::warning(this, "Cavernia Level Editor", message);
    m_bWarning = false;
    FocusField(id);
  });
}

void CPropView::FocusField(int id) {
  QWidget* field = Field(id);
  if (!field) return;
  if (auto* box = qobject_cast<QComboBox*>(field); box && box->lineEdit())
    box->lineEdit()->selectAll();
  else if (auto* edit = qobject_cast<QLineEdit*>(field))
    edit->selectAll();
  else if (auto* info = qobject_cast<QPlainTextEdit*>(field))
    info->selectAll();
  window()->activateWindow();  // back from a message box
  field->setFocus();
}
