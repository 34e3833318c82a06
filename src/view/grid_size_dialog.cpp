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

#include "level/brannoc_doc.h"

std::optional<int> CellSizeFromText(const QString& text) {
  QString digits = text.trimmed();
  if (digits.isEmpty()) return std::nullopt;
  for (QChar c : digits)
    if (!c.isDigit()) return std::nullopt;
  while (digits.size() > 1 && digits.front() == '0') digits.remove(0, 1);
  // More than four digits is past the largest size whatever they say (and may not fit an int).
  if (digits.size() > 4) return MAX_CELL_SIZE;
  return std::clamp(digits.toInt(), MIN_CELL_SIZE, MAX_CELL_SIZE);
}

CGridSizeDlg::CGridSizeDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle("Gridsettings");
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
  connect(m_slider, &QSlider::valueChanged, this, &CGridSizeDlg::OnHScroll);

  auto* sizeRow = new QHBoxLayout;
  sizeRow->addWidget(new QLabel("Gridsize", this));
  sizeRow->addWidget(m_edit);
  sizeRow->addWidget(new QLabel("pixel", this));
  sizeRow->addStretch();

  auto* presetRow = new QHBoxLayout;
  for (int size : {15, 30, 60}) {
    auto* button = new QPushButton(QString::number(size), this);
    button->setAutoDefault(false);
    button->setFixedWidth(button->fontMetrics().horizontalAdvance("000") + 18);
    connect(button, &QPushButton::clicked, this, [this, size] { OnPreset(size); });
    presetRow->addWidget(button);
  }
  presetRow->addStretch();

  auto* left = new QVBoxLayout;
  left->addLayout(sizeRow);
  left->addWidget(m_slider);
  left->addLayout(presetRow);

  auto* ok = new QPushButton("OK", this);
  ok->setDefault(true);
  auto* cancel = new QPushButton("Cancel", this);
  connect(ok, &QPushButton::clicked, this, &CGridSizeDlg::accept);
  connect(cancel, &QPushButton::clicked, this, &CGridSizeDlg::reject);
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

void CGridSizeDlg::showEvent(QShowEvent* event) {
  OnInitDialog();
  QDialog::showEvent(event);
}

void CGridSizeDlg::OnInitDialog() {
  m_bClosing = false;
  ShowSize();
  MoveSlider(m_nSize);
  m_edit->setFocus();
  m_edit->selectAll();
}

void CGridSizeDlg::ApplySize(int size) {
  if (m_pDoc) m_pDoc->SetCellSize(std::clamp(size, MIN_CELL_SIZE, MAX_CELL_SIZE));
}

void CGridSizeDlg::OnHScroll(int position) {
  m_nSize = position;
  ShowSize();
  ApplySize(m_nSize);
}

void CGridSizeDlg::OnPreset(int size) {
  m_nSize = size;
  ShowSize();
  ApplySize(m_nSize);
  MoveSlider(m_nSize);
}

void CGridSizeDlg::OnKillfocusSize() {
  ReadSizeBox();
  MoveSlider(m_nSize);
  ApplySize(m_nSize);
}

void CGridSizeDlg::accept() {
  // A size typed just before Enter counts too, not only one whose box lost the focus.
  if (!ReadSizeBox()) return;
  MoveSlider(m_nSize);
  ApplySize(m_nSize);
  m_bClosing = true;
  QDialog::accept();
}

void CGridSizeDlg::done(int result) {
  // Closing takes the focus from the box; that is no edit to apply.
  m_bClosing = true;
  QDialog::done(result);
}

bool CGridSizeDlg::ReadSizeBox() {
  const std::optional<int> size = CellSizeFromText(m_edit->text());
  if (!size) {
    m_bAsking = true;
    QMessageBox::warning(this, windowTitle(), "Please enter an integer.");
    m_bAsking = false;
    ShowSize();
    m_edit->setFocus();
    return false;
  }
  m_nSize = *size;
  ShowSize();  // a size out of range shows the bound that applies
  return true;
}

void CGridSizeDlg::ShowSize() {
  if (m_edit->text() != QString::number(m_nSize)) m_edit->setText(QString::number(m_nSize));
}

void CGridSizeDlg::MoveSlider(int size) {
  // Moving the slider from here is no slider action of the user's: nothing to apply.
  const QSignalBlocker quiet(m_slider);
  m_slider->setValue(std::clamp(size, kSliderMin, kSliderMax));
}

bool CGridSizeDlg::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_edit && event->type() == QEvent::FocusOut && !m_bAsking && !m_bClosing && isVisible())
    OnKillfocusSize();
  return QDialog::eventFilter(watched, event);
}

void RunGridSizeDialog(CBrannocDoc& doc, QWidget* parent) {
  const int before = doc.m_nCellWidth;
  CGridSizeDlg dialog(parent);
  dialog.m_pDoc = &doc;
  dialog.m_nSize = before;
  if (dialog.exec() != QDialog::Accepted && doc.m_nCellWidth != before) doc.SetCellSize(before);
}
