// The property form's fields and their arrangement.
#include <QCheckBox>
#include <algorithm>
#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QValidator>

#include "artwork/artwork_sets.h"
#include "editing/level_document.h"
#include "form/property_form.h"
#include "form/remainder_button.h"
#include "render/model_texts.h"

namespace {

// Takes digits only, as a pattern of digits would, without waking the pattern engine at start-up.
class DigitsValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int&) const override {
    return std::all_of(input.cbegin(), input.cend(), [](QChar c) { return c >= '0' && c <= '9'; }) ? Acceptable
                                                                                                   : Invalid;
  }
};

using Field = PropertyForm::Field;

// Place of a field in dialog units: x, y, width, height.
struct Place {
  int x, y, w, h;
};

struct FieldLayout {
  Field field;
  Place place;
  const char* label;  // nullptr: none; a field that edits a property bears that property's label
  QPoint labelAt;
  const char* hint;   // fixed text in parentheses beside the field
  QPoint hintAt;
};

const FieldLayout kFields[] = {
    {Field::Name, {51, 3, 144, 12}, "Level name", {6, 6}, nullptr, {}},
    {Field::NextLevel, {51, 18, 144, 12}, "Next level", {6, 21}, nullptr, {}},
    {Field::Difficulty, {36, 33, 45, 12}, "Difficulty", {6, 36}, nullptr, {}},
    {Field::Artwork, {111, 33, 75, 12}, "Artwork", {84, 36}, nullptr, {}},
    {Field::Sounds, {111, 48, 75, 12}, "Sounds", {84, 51}, nullptr, {}},
    {Field::Music, {111, 63, 75, 12}, "Music", {84, 66}, nullptr, {}},
    {Field::Width, {30, 48, 21, 12}, "Width", {6, 50}, "(1- 126)", {54, 50}},
    {Field::Height, {30, 63, 21, 12}, "Height", {6, 66}, "(1- 126)", {54, 66}},
    {Field::Emeralds, {69, 78, 21, 12}, "Emeralds to collect ", {6, 81}, nullptr, {}},
    {Field::MaxDestroy, {69, 93, 21, 12}, "Maximum to destroy", {6, 96}, nullptr, {}},
    {Field::Swamp, {69, 108, 21, 12}, "Swamp spreading", {6, 111}, "(30)", {93, 111}},
    {Field::Pushing, {69, 123, 21, 12}, "Pushing probability", {6, 126}, "(4)", {93, 126}},
    {Field::RobotSpeed, {162, 78, 21, 12}, "Robot speed", {117, 81}, "(3)", {186, 81}},
    {Field::WheelTime, {162, 93, 21, 12}, "Wheel time", {117, 96}, "(30)", {186, 96}},
    {Field::Dispenser, {162, 108, 21, 12}, "Dispenser", {117, 111}, "(5)", {186, 111}},
    {Field::TotalTurns, {162, 123, 21, 12}, "Total turns", {117, 126}, nullptr, {}},
    {Field::YamYamSound, {6, 138, 90, 10}, nullptr, {}, nullptr, {}},
    {Field::LaserSound, {96, 138, 79, 10}, nullptr, {}, nullptr, {}},
    {Field::Remainders, {6, 164, 116, 56}, QT_TRANSLATE_NOOP("PropertyForm", "Yam-yam-beast explosion remainders:"),
     {6, 153}, nullptr, {}},
    {Field::RemainderButton, {147, 167, 48, 48}, nullptr, {}, nullptr, {}},
    {Field::Designer, {48, 225, 147, 12}, "Designer", {6, 228}, nullptr, {}},
    {Field::FirstToFinish, {48, 240, 147, 12}, "First to finish", {6, 240}, nullptr, {}},
    {Field::Info, {6, 264, 189, 57}, "Level information:", {6, 255}, nullptr, {}},
};

constexpr const char* kEmeraldCountRoomText = "(99999)";
constexpr int kEmeraldCountRoomDlu = 117 - 93;  // from the count to the robot speed label
constexpr QPoint kEmeraldCountAt{93, 81};

constexpr int kFormWidthDlu = 202;
constexpr int kFormHeightDlu = 326;

constexpr Field kTabOrder[] = {
    Field::Name,      Field::Width,      Field::Height,        Field::TotalTurns, Field::Artwork,
    Field::Sounds,    Field::Music,      Field::Emeralds,      Field::Swamp,      Field::Pushing,
    Field::Difficulty, Field::Dispenser, Field::YamYamSound,   Field::Remainders, Field::Designer,
    Field::FirstToFinish, Field::NextLevel, Field::Info,       Field::LaserSound, Field::MaxDestroy,
    Field::RobotSpeed, Field::WheelTime};

// A field that edits a property bears the property's label, in the user's language.
QString labelOf(Field field, const char* own) {
  for (const PropertyInfo& info : propertyTable())
    if (PropertyForm::fieldFor(info.property) == field) return translated::propertyLabel(info.property);
  return own ? PropertyForm::tr(own) : QString();
}

bool digitsOnly(Field field) {
  return field == Field::Width || field == Field::Height || field == Field::Swamp || field == Field::Pushing ||
         field == Field::Dispenser || field == Field::TotalTurns;
}

}  // namespace

void PropertyForm::createFields(const std::function<int()>& currentElement) {
  QCompleter noCompleter;
  for (const FieldLayout& layout : kFields) {
    const Field id = layout.field;
    QWidget* widget = nullptr;
    switch (id) {
      case Field::Difficulty: {
        auto* box = new QComboBox(this);
        box->addItems({tr("tutorial"), tr("simple"), tr("easy"), tr("moderate"), tr("normal"), tr("tricky"),
                       tr("tough"), tr("difficult"), tr("hard"), tr("m.a.d.")});
        connect(box, &QComboBox::activated, this, [this] { commit(Field::Difficulty); });
        widget = box;
        break;
      }
      case Field::Artwork:
      case Field::Sounds:
      case Field::Music: {
        auto* box = new QComboBox(this);
        // A typed name is stored as typed: no completion; the drop-down list offers the names.
        // The edit field comes with a stand-in completer, so that the box does not build one of
        // its own (nor, as making it editable would, its drop-down list before it is opened).
        auto* edit = new QLineEdit(box);
        edit->setPalette(box->palette());
        edit->setCompleter(&noCompleter);
        box->setLineEdit(edit);
        box->setCompleter(nullptr);
        box->setInsertPolicy(QComboBox::NoInsert);
        connect(box, &QComboBox::activated, this, [this, id] { commit(id); });
        connect(box->lineEdit(), &QLineEdit::textEdited, this, [this, id] { m_edited.insert(id); });
        // The box, not its edit field, receives the focus events.
        box->installEventFilter(this);
        box->lineEdit()->installEventFilter(this);
        m_fieldOf.insert(box->lineEdit(), id);
        widget = box;
        break;
      }
      case Field::YamYamSound:
      case Field::LaserSound: {
        auto* check = new QCheckBox(labelOf(id, nullptr), this);
        connect(check, &QCheckBox::clicked, this, [this, id] { commit(id); });
        widget = check;
        break;
      }
      case Field::Remainders:
        m_remainderList = new QListWidget(this);
        // One line each, in one font, far narrower than the list: measuring one measures all.
        m_remainderList->setUniformItemSizes(true);
        m_remainderList->installEventFilter(this);  // Insert, Delete and Ctrl+Delete
        connect(m_remainderList, &QListWidget::currentRowChanged, this, [this] { showSelectedRemainder(); });
        widget = m_remainderList;
        break;
      case Field::RemainderButton:
        m_remainderButton = new RemainderButton(
            currentElement, [this]() -> const ArtworkSet& { return levelArtwork(m_document.level()); }, this);
        connect(m_remainderButton, &RemainderButton::cellPainted, this, &PropertyForm::paintRemainderCell);
        connect(m_remainderButton, &RemainderButton::paintingFinished, this, &PropertyForm::finishRemainderPainting);
        widget = m_remainderButton;
        break;
      case Field::Info: {
        auto* info = new QPlainTextEdit(this);
        info->setLineWrapMode(QPlainTextEdit::NoWrap);
        info->setTabChangesFocus(true);
        info->installEventFilter(this);
        connect(info, &QPlainTextEdit::textChanged, this, [this] {
          if (!m_filling) m_edited.insert(Field::Info);
        });
        widget = info;
        break;
      }
      default: {
        auto* edit = new QLineEdit(this);
        if (digitsOnly(id)) edit->setValidator(new DigitsValidator(edit));
        edit->installEventFilter(this);
        connect(edit, &QLineEdit::textEdited, this, [this, id] { m_edited.insert(id); });
        widget = edit;
        break;
      }
    }
    m_fields.insert(id, widget);
    m_fieldOf.insert(widget, id);
    if (layout.label) {
      auto* label = new QLabel(labelOf(id, layout.label), this);
      m_labels.append({label, layout.labelAt});
      m_labelOf.insert(id, label);
    }
    if (layout.hint) m_labels.append({new QLabel(layout.hint, this), layout.hintAt});
  }
  m_emeraldCount = new QLabel("(9999)", this);
  m_fields.insert(Field::EmeraldCount, m_emeraldCount);
  m_labels.append({m_emeraldCount, kEmeraldCountAt});

  QWidget* previous = nullptr;
  for (Field id : kTabOrder) {
    QWidget* widget = field(id);
    if (previous) setTabOrder(previous, widget);
    previous = widget;
  }
}

void PropertyForm::layOut() {
  // Dialog units follow the font: an eighth of the character height down, and across a
  // quarter of the average width of the alphabet, widened where a label, as shown in the
  // user's language, would not fit in front of its field.
  const QFontMetrics metrics(font());
  const QString alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
  double unitX = metrics.horizontalAdvance(alphabet) / 52.0 / 4.0;
  for (const FieldLayout& layout : kFields) {
    if (!layout.label || layout.place.x <= layout.labelAt.x()) continue;
    const int room = layout.place.x - layout.labelAt.x();
    // The label's own measure, which it keeps for being laid out below: the text is shaped once.
    const int shown = m_labelOf.value(layout.field)->sizeHint().width();
    unitX = std::max(unitX, (shown + 3) / static_cast<double>(room));
  }
  // Check boxes and the difficulty list show their whole text, however long it is in the
  // user's language.
  for (const FieldLayout& layout : kFields) {
    QWidget* widget = field(layout.field);
    if (!qobject_cast<QCheckBox*>(widget) && layout.field != Field::Difficulty) continue;
    unitX = std::max(unitX, widget->sizeHint().width() / static_cast<double>(layout.place.w));
  }
  // The emerald count of a full level, "(15876)", fits before the robot speed label.
  unitX = std::max(unitX, (metrics.horizontalAdvance(kEmeraldCountRoomText) + 3) / static_cast<double>(kEmeraldCountRoomDlu));
  const double unitY = metrics.height() / 8.0;
  auto px = [&](int x, int y) { return QPoint(qRound(x * unitX), qRound(y * unitY)); };
  const int fieldHeight = std::max(qRound(12 * unitY), metrics.height() + 8);
  for (const FieldLayout& layout : kFields) {
    const QPoint topLeft = px(layout.place.x, layout.place.y);
    const QPoint size = px(layout.place.w, layout.place.h);
    const int height = layout.place.h == 12 ? fieldHeight : size.y();
    field(layout.field)->setGeometry(QRect(topLeft, QSize(size.x(), height)).translated(0, -(height - size.y()) / 2));
  }
  for (const auto& [label, at] : m_labels) {
    label->adjustSize();
    label->move(px(at.x(), at.y()) - QPoint(0, 1));
  }
  const QPoint extent = px(kFormWidthDlu, kFormHeightDlu);
  setMinimumSize(extent.x(), extent.y());
}

void PropertyForm::layOutRemainderEditor() {
  // The button becomes three cells square, keeping its right edge; the list ends 5 pixels
  // left of it, with the same top and height.
  const QRect button = m_remainderButton->geometry();
  const QRect list = m_remainderList->geometry();
  const int buttonRight = button.x() + button.width();
  m_remainderList->setGeometry(list.x(), list.y(), buttonRight - 95 - list.x(), RemainderButton::kSide);
  m_remainderButton->setGeometry(buttonRight - RemainderButton::kSide, list.y(), RemainderButton::kSide,
                                 RemainderButton::kSide);
  showRemainders();
  m_remainderList->setCurrentRow(0);
}
