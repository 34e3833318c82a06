// The form's list of yam-yam explosion remainders and the pattern button beside it.
#include <QKeyEvent>
#include <QListWidget>

#include "editing/level_document.h"
#include "editing/remainder_patterns.h"
#include "editing/step_names.h"
#include "form/property_form.h"
#include "form/remainder_button.h"
#include "level/cp1252.h"

void PropertyForm::showRemainders() {
  const QSignalBlocker quiet(m_remainderList);
  const int row = m_remainderList->currentRow();
  if (m_remainderList->count() != Level::kRemainderSlots) {
    m_remainderList->clear();
    for (int slot = 0; slot < Level::kRemainderSlots; ++slot) m_remainderList->addItem(QString());
  }
  for (int slot = 0; slot < Level::kRemainderSlots; ++slot)
    m_remainderList->item(slot)->setText(remainderEntryText(slot));
  m_remainderList->setCurrentRow(row);
  showSelectedRemainder();
}

QString PropertyForm::remainderEntryText(int slot) const {
  const std::string& pattern = m_document.level().remainders()[slot];
  if (pattern.empty()) return tr("Remainder %1").arg(slot + 1);
  return tr("Remainder %1    (%2)").arg(QString::number(slot + 1), QString::fromStdString(cp1252ToUtf8(pattern)));
}

void PropertyForm::showSelectedRemainder() {
  const int slot = m_remainderList->currentRow();
  m_remainderButton->setPattern(slot >= 0 && slot < Level::kRemainderSlots ? m_document.level().remainders()[slot]
                                                                           : std::string());
}

bool PropertyForm::remainderKey(int key, Qt::KeyboardModifiers modifiers) {
  using namespace remainder_patterns;
  const int slot = m_remainderList->currentRow();
  if (slot < 0 || slot >= Level::kRemainderSlots) return false;
  const Level::Remainders& patterns = m_document.level().remainders();
  if (key == Qt::Key_Insert)
    m_document.setRemainders(inserted(patterns, slot), step_names::kInsertRemainder);
  else if (key == Qt::Key_Delete && (modifiers & Qt::ControlModifier))
    m_document.setRemainders(removed(patterns, slot), step_names::kDeleteRemainder);
  else if (key == Qt::Key_Delete)
    m_document.setRemainders(replaced(patterns, slot, std::string()), step_names::kClearRemainder);
  else
    return false;
  return true;
}

void PropertyForm::paintRemainderCell(int cell, int element) {
  const int slot = m_remainderList->currentRow();
  if (slot < 0 || slot >= Level::kRemainderSlots) return;
  const Level::Remainders patterns = remainder_patterns::painted(m_document.level().remainders(), slot, cell, element);
  if (patterns == m_document.level().remainders()) return;
  // The cells one press and drag paints are one step.
  if (!m_painting) m_document.beginGesture(step_names::kPaintRemainder);
  m_painting = true;
  m_document.setRemainders(patterns, step_names::kPaintRemainder);
}

void PropertyForm::finishRemainderPainting() {
  if (m_painting) m_document.endGesture();
  m_painting = false;
}
