// The property form's controls and their arrangement.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRegularExpressionValidator>

#include "props/prop_view.h"
#include "props/remainder_button.h"

namespace {

// Place of a field in dialog units: x, y, width, height.
struct Place {
  int x, y, w, h;
};

struct FieldLayout {
  int id;
  Place field;
  const char* label;  // nullptr: none
  QPoint labelAt;
  const char* hint;   // fixed text in parentheses beside the field
  QPoint hintAt;
};

const FieldLayout kFields[] = {
    {CPropView::IDC_NAME, {51, 3, 144, 12}, "Level name", {6, 6}, nullptr, {}},
    {CPropView::IDC_NEXT_LEVEL, {51, 18, 144, 12}, "Next level", {6, 21}, nullptr, {}},
    {CPropView::IDC_DIFFICULTY, {36, 33, 45, 12}, "Difficulty", {6, 36}, nullptr, {}},
    {CPropView::IDC_ARTWORK, {111, 33, 75, 12}, "Artwork", {84, 36}, nullptr, {}},
    {CPropView::IDC_SOUNDS, {111, 48, 75, 12}, "Sounds", {84, 51}, nullptr, {}},
    {CPropView::IDC_MUSIC, {111, 63, 75, 12}, "Music", {84, 66}, nullptr, {}},
    {CPropView::IDC_WIDTH, {30, 48, 21, 12}, "Width", {6, 50}, "(1- 126)", {54, 50}},
    {CPropView::IDC_HEIGHT, {30, 63, 21, 12}, "Height", {6, 66}, "(1- 126)", {54, 66}},
    {CPropView::IDC_EMERALDS, {69, 78, 21, 12}, "Emeralds to collect ", {6, 81}, nullptr, {}},
    {CPropView::IDC_MAX_DESTROY, {69, 93, 21, 12}, "Maximum to destroy", {6, 96}, nullptr, {}},
    {CPropView::IDC_SWAMP, {69, 108, 21, 12}, "Swamp spreading", {6, 111}, "(30)", {93, 111}},
    {CPropView::IDC_PUSHING, {69, 123, 21, 12}, "Pushing probability", {6, 126}, "(4)", {93, 126}},
    {CPropView::IDC_ROBOT_SPEED, {162, 78, 21, 12}, "Robot speed", {117, 81}, "(3)", {186, 81}},
    {CPropView::IDC_WHEEL_TIME, {162, 93, 21, 12}, "Wheel time", {117, 96}, "(30)", {186, 96}},
    {CPropView::IDC_DISPENSER, {162, 108, 21, 12}, "Dispenser", {117, 111}, "(5)", {186, 111}},
    {CPropView::IDC_TOTAL_TURNS, {162, 123, 21, 12}, "Total turns", {117, 126}, nullptr, {}},
    {CPropView::IDC_YAMYAM_SOUND, {6, 138, 90, 10}, nullptr, {}, nullptr, {}},
    {CPropView::IDC_LASER_SOUND, {96, 138, 79, 10}, nullptr, {}, nullptr, {}},
    {CPropView::IDC_REMAINDERS, {6, 164, 116, 56}, "Yam-yam-beast explosion remainders:", {6, 153}, nullptr, {}},
    {CPropView::IDC_REMAINDER_BUTTON, {147, 167, 48, 48}, nullptr, {}, nullptr, {}},
    {CPropView::IDC_DESIGNER, {48, 225, 147, 12}, "Designer", {6, 228}, nullptr, {}},
    {CPropView::IDC_FIRST_TO_FINISH, {48, 240, 147, 12}, "First to finish", {6, 240}, nullptr, {}},
    {CPropView::IDC_INFO, {6, 264, 189, 57}, "Level information:", {6, 255}, nullptr, {}},
};

constexpr const char* kEmeraldCountRoomText = "(99999)";
constexpr int kEmeraldCountRoomDlu = 117 - 93;  // from the count to the robot speed label

constexpr int kFormWidthDlu = 202;
constexpr int kFormHeightDlu = 326;

const int kTabOrder[] = {CPropView::IDC_NAME,        CPropView::IDC_WIDTH,         CPropView::IDC_HEIGHT,
                         CPropView::IDC_TOTAL_TURNS, CPropView::IDC_ARTWORK,       CPropView::IDC_SOUNDS,
                         CPropView::IDC_MUSIC,       CPropView::IDC_EMERALDS,      CPropView::IDC_SWAMP,
                         CPropView::IDC_PUSHING,     CPropView::IDC_DIFFICULTY,    CPropView::IDC_DISPENSER,
                         CPropView::IDC_YAMYAM_SOUND, CPropView::IDC_REMAINDERS,   CPropView::IDC_DESIGNER,
                         CPropView::IDC_FIRST_TO_FINISH, CPropView::IDC_NEXT_LEVEL, CPropView::IDC_INFO,
                         CPropView::IDC_LASER_SOUND, CPropView::IDC_MAX_DESTROY,  CPropView::IDC_ROBOT_SPEED,
                         CPropView::IDC_WHEEL_TIME};

bool DigitsOnly(int id) {
  return id == CPropView::IDC_WIDTH || id == CPropView::IDC_HEIGHT || id == CPropView::IDC_SWAMP ||
         id == CPropView::IDC_PUSHING || id == CPropView::IDC_DISPENSER || id == CPropView::IDC_TOTAL_TURNS;
}

}  // namespace

void CPropView::CreateControls() {
  for (const FieldLayout& layout : kFields) {
    QWidget* field = nullptr;
    switch (layout.id) {
      case IDC_DIFFICULTY: {
        auto* box = new QComboBox(this);
        box->addItems({"tutorial", "simple", "easy", "moderate", "normal", "tricky", "tough", "difficult", "hard",
                       "m.a.d."});
        connect(box, &QComboBox::activated, this, [this] { Commit(IDC_DIFFICULTY); });
        field = box;
        break;
      }
      case IDC_ARTWORK:
      case IDC_SOUNDS:
      case IDC_MUSIC: {
        auto* box = new QComboBox(this);
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        const int id = layout.id;
        connect(box, &QComboBox::activated, this, [this, id] { Commit(id); });
        connect(box->lineEdit(), &QLineEdit::textEdited, this, [this, id] { m_edited.insert(id); });
        // A typed name is stored as typed: no completion; the drop-down list offers the names.
        box->setCompleter(nullptr);
        // The box, not its edit field, receives the focus events.
        box->installEventFilter(this);
        box->lineEdit()->installEventFilter(this);
        m_idOf.insert(box->lineEdit(), id);
        field = box;
        break;
      }
      case IDC_YAMYAM_SOUND:
      case IDC_LASER_SOUND: {
        auto* check = new QCheckBox(layout.id == IDC_YAMYAM_SOUND ? "Turn off yam-yam sound" : "Turn off laser sound", this);
        const int id = layout.id;
        connect(check, &QCheckBox::clicked, this, [this, id] { Commit(id); });
        field = check;
        break;
      }
      case IDC_REMAINDERS:
        m_remainderList = new QListWidget(this);
        m_remainderList->installEventFilter(this);  // Insert, Delete and Ctrl+Delete
        connect(m_remainderList, &QListWidget::currentRowChanged, this, [this] { ShowSelectedRemainder(); });
        field = m_remainderList;
        break;
      case IDC_REMAINDER_BUTTON:
        m_remainderButton = new CRemainderButton(this);
        field = m_remainderButton;
        break;
      case IDC_INFO: {
        auto* info = new QPlainTextEdit(this);
        info->setLineWrapMode(QPlainTextEdit::NoWrap);
        info->setTabChangesFocus(true);
        info->installEventFilter(this);
        connect(info, &QPlainTextEdit::textChanged, this, [this] {
          if (!m_bFilling) m_edited.insert(IDC_INFO);
        });
        field = info;
        break;
      }
      default: {
        auto* edit = new QLineEdit(this);
        if (DigitsOnly(layout.id)) edit->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), edit));
        edit->installEventFilter(this);
        const int id = layout.id;
        connect(edit, &QLineEdit::textEdited, this, [this, id] { m_edited.insert(id); });
        field = edit;
        break;
      }
    }
    field->setObjectName(QString("field%1").arg(layout.id));
    m_fields.insert(layout.id, field);
    m_idOf.insert(field, layout.id);
    if (layout.label) m_labels.append({new QLabel(layout.label, this), layout.labelAt});
    if (layout.hint) m_labels.append({new QLabel(layout.hint, this), layout.hintAt});
  }
  m_emeraldCount = new QLabel("(9999)", this);
  m_emeraldCount->setObjectName("field1026");
  m_labels.append({m_emeraldCount, QPoint(93, 81)});

  QWidget* previous = nullptr;
  for (int id : kTabOrder) {
    QWidget* field = m_fields.value(id);
    if (previous) setTabOrder(previous, field);
    previous = field;
  }
}

void CPropView::LayOut() {
  // Dialog units follow the font: an eighth of the character height down, and across a
  // quarter of the average width of the alphabet, widened where a label would not fit in
  // front of its field.
  const QFontMetrics metrics(font());
  const QString alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
  double unitX = metrics.horizontalAdvance(alphabet) / 52.0 / 4.0;
  for (const FieldLayout& layout : kFields) {
    if (!layout.label || layout.field.x <= layout.labelAt.x()) continue;
    const int room = layout.field.x - layout.labelAt.x();
    unitX = std::max(unitX, (metrics.horizontalAdvance(layout.label) + 3) / static_cast<double>(room));
  }
  // The emerald count of a full level, "(15876)", fits before the robot speed label.
  unitX = std::max(unitX, (metrics.horizontalAdvance(kEmeraldCountRoomText) + 3) / static_cast<double>(kEmeraldCountRoomDlu));
  const double unitY = metrics.height() / 8.0;
  auto px = [&](int x, int y) { return QPoint(qRound(x * unitX), qRound(y * unitY)); };
  const int fieldHeight = std::max(qRound(12 * unitY), metrics.height() + 8);
  for (const FieldLayout& layout : kFields) {
    QWidget* field = m_fields.value(layout.id);
    const QPoint topLeft = px(layout.field.x, layout.field.y);
    const QPoint size = px(layout.field.w, layout.field.h);
    int height = size.y();
    if (layout.field.h == 12) height = fieldHeight;
    field->setGeometry(QRect(topLeft, QSize(size.x(), height)).translated(0, -(height - size.y()) / 2));
  }
  for (const auto& [label, at] : m_labels) {
    label->adjustSize();
    label->move(px(at.x(), at.y()) - QPoint(0, 1));
  }
  const QPoint extent = px(kFormWidthDlu, kFormHeightDlu);
  setMinimumSize(extent.x(), extent.y());
}
