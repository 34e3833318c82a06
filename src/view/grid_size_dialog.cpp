#include "view/grid_size_dialog.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

#include "view/level_view_state.h"

std::optional<int> cellSizeFromText(const QString& text) {
  QString digits = text.trimmed();
  if (digits.isEmpty()) return std::nullopt;
  for (QChar c : digits)
    if (!c.isDigit()) return std::nullopt;
  while (digits.size() > 1 && digits.front() == '0') digits.remove(0, 1);
  // More than four digits is past the largest size whatever they say (and may not fit an int).
  if (digits.size() > 4) return LevelViewState::kMaxCellSize;
  return std::clamp(digits.toInt(), LevelViewState::kMinCellSize, LevelViewState::kMaxCellSize);
}

GridSizeDialog::GridSizeDialog(LevelViewState& viewState, QWidget* parent)
    : QDialog(parent), m_viewState(viewState), m_size(viewState.cellSize()) {
  setWindowTitle(tr("Gridsettings"));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);

  m_edit = new QLineEdit(this);
  m_edit->setAlignment(Qt::AlignCenter);
  m_edit->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), m_edit));
  m_edit->setFixedWidth(m_edit->fontMetrics().horizontalAdvance("00000") + 12);
  m_edit->installEventFilter(this);

  m_slider = new QSlider(Qt::Horizontal, this);
  m_slider->setRange(kSliderMin, kSliderMax);
  m_slider->setTickPosition(QSlider::NoTicks);
  m_slider->setMinimumWidth(160);
  connect(m_slider, &QSlider::valueChanged, this, &GridSizeDialog::sliderMoved);

  auto* sizeRow = new QHBoxLayout;
  sizeRow->addWidget(new QLabel(tr("Gridsize"), this));
  sizeRow->addWidget(m_edit);
  sizeRow->addWidget(new QLabel(tr("pixel"), this));
  sizeRow->addStretch();

  auto* presetRow = new QHBoxLayout;
  for (int size : {15, 30, 60}) {
    auto* button = new QPushButton(QString::number(size), this);
    button->setAutoDefault(false);
    button->setFixedWidth(button->fontMetrics().horizontalAdvance("000") + 18);
    connect(button, &QPushButton::clicked, this, [this, size] { presetChosen(size); });
    presetRow->addWidget(button);
  }
  presetRow->addStretch();

  auto* left = new QVBoxLayout;
  left->addLayout(sizeRow);
  left->addWidget(m_slider);
  left->addLayout(presetRow);

  auto* ok = new QPushButton(tr("OK"), this);
  ok->setDefault(true);
  auto* cancel = new QPushButton(tr("Cancel"), this);
  connect(ok, &QPushButton::clicked, this, &GridSizeDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &GridSizeDialog::reject);
  auto* right = new QVBoxLayout;
  right->addWidget(ok);
  right->addWidget(cancel);
  right->addStretch();

  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left);
  layout->addSpacing(12);
  layout->addLayout(right);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void GridSizeDialog::showEvent(QShowEvent* event) {
  m_closing = false;
  showSize();
  moveSlider(m_size);
  m_edit->setFocus();
  m_edit->selectAll();
  QDialog::showEvent(event);
}

void GridSizeDialog::applySize(int size) { m_viewState.setCellSize(size); }

void GridSizeDialog::sliderMoved(int position) {
  m_size = position;
  showSize();
  applySize(m_size);
}

void GridSizeDialog::presetChosen(int size) {
  m_size = size;
  showSize();
  applySize(m_size);
  moveSlider(m_size);
}

void GridSizeDialog::sizeBoxLeft() {
  readSizeBox();
  moveSlider(m_size);
  applySize(m_size);
}

void GridSizeDialog::accept() {
  // A size typed just before Enter counts too, not only one whose box lost the focus.
  if (!readSizeBox()) return;
  moveSlider(m_size);
  applySize(m_size);
  m_closing = true;
  QDialog::accept();
}

void GridSizeDialog::done(int result) {
  // Closing takes the focus from the box; that is no edit to apply.
  m_closing = true;
  QDialog::done(result);
}

bool GridSizeDialog::readSizeBox() {
  const std::optional<int> size = cellSizeFromText(m_edit->text());
  if (!size) {
    m_asking = true;
    QMessageBox::warning(this, windowTitle(), tr("Please enter an integer."));
    m_asking = false;
    showSize();
    m_edit->setFocus();
    return false;
  }
  m_size = *size;
  showSize();  // a size out of range shows the bound that applies
  return true;
}

void GridSizeDialog::showSize() {
  if (m_edit->text() != QString::number(m_size)) m_edit->setText(QString::number(m_size));
}

void GridSizeDialog::moveSlider(int size) {
  // Moving the slider from here is no slider action of the user's: nothing to apply.
  const QSignalBlocker quiet(m_slider);
  m_slider->setValue(std::clamp(size, kSliderMin, kSliderMax));
}

bool GridSizeDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_edit && event->type() == QEvent::FocusOut && !m_asking && !m_closing && isVisible())
    sizeBoxLeft();
  return QDialog::eventFilter(watched, event);
}

void runGridSizeDialog(LevelViewState& viewState, QWidget* parent) {
  const int before = viewState.cellSize();
  GridSizeDialog dialog(viewState, parent);
  if (dialog.exec() != QDialog::Accepted) viewState.setCellSize(before);
}
