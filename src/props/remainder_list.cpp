// The form's list of yam-yam explosion remainders and the pattern button beside it.
#include <QKeyEvent>
#include <QListWidget>

#include "level/brannoc_doc.h"
#include "level/cp1252.h"
#include "level/update_hints.h"
#include "props/prop_view.h"
#include "props/remainder_button.h"

void CPropView::LayoutRemainderEditor() {
  m_remainderButton->SetOwner(this);
  // The button becomes three cells square, keeping its right edge; the list ends 5 pixels
  // left of it, with the same top and height.
  const QRect button = m_remainderButton->geometry();
  const QRect list = m_remainderList->geometry();
  const int buttonRight = button.x() + button.width();
  m_remainderList->setGeometry(list.x(), list.y(), buttonRight - 95 - list.x(), CRemainderButton::kSide);
  m_remainderButton->setGeometry(buttonRight - CRemainderButton::kSide, list.y(), CRemainderButton::kSide,
                                 CRemainderButton::kSide);
  FillRemainderList();
  m_remainderList->setCurrentRow(0);
  ShowSelectedRemainder();
}

void CPropView::FillRemainderList() {
  const QSignalBlocker quiet(m_remainderList);
  m_remainderList->setUpdatesEnabled(false);
  m_remainderList->clear();
  for (int i = 0; i < REMAINDER_SLOTS; ++i) m_remainderList->addItem(FormatRemainderEntry(i));
  m_remainderList->setUpdatesEnabled(true);
}

QString CPropView::FormatRemainderEntry(int index) const {
  const std::string pattern = GetRemainder(index);
  if (pattern.empty()) return QString("%1 %2").arg("Remainder").arg(index + 1);
  return QString("%1 %2    (%3)").arg("Remainder").arg(index + 1).arg(QString::fromStdString(Cp1252ToUtf8(pattern)));
}

std::string CPropView::GetRemainder(int index) const {
  if (index < 0 || index >= static_cast<int>(m_doc.m_remainders.size())) return {};
  return m_doc.m_remainders[index];
}

void CPropView::ShowSelectedRemainder() { m_remainderButton->SetPattern(GetRemainder(m_remainderList->currentRow())); }

void CPropView::SetRemainder(const std::string& pattern) {
  const int index = m_remainderList->currentRow();
  if (index < 0 || index >= REMAINDER_SLOTS || index >= static_cast<int>(m_doc.m_remainders.size())) return;
  if (m_doc.m_remainders[index] != pattern) {
    m_doc.m_remainders[index] = pattern;
    RemaindersChanged();
  }
  const QSignalBlocker quiet(m_remainderList);
  m_remainderList->item(index)->setText(FormatRemainderEntry(index));
  m_remainderList->setCurrentRow(index);
}

void CPropView::RemaindersChanged() {
  // Not undoable, but part of the level: it has to be saved, and undo cannot bring back the
  // saved state any more. The level's other forms show the change, so that painting there
  // starts from the patterns as they are now.
  m_doc.FinishUnrecordedChange();
  m_doc.UpdateAllViews(this, HINT_REMAINDERS);
}

void CPropView::RefreshRemainders() {
  const int row = m_remainderList->currentRow();
  FillRemainderList();
  const QSignalBlocker quiet(m_remainderList);
  m_remainderList->setCurrentRow(row);
  ShowSelectedRemainder();
}

bool CPropView::OnVKeyToItem(int key, Qt::KeyboardModifiers modifiers, int caretIndex) {
  if (caretIndex < 0 || caretIndex >= REMAINDER_SLOTS) return false;
  std::vector<std::string>& remainders = m_doc.m_remainders;
  if (key == Qt::Key_Insert || (key == Qt::Key_Delete && (modifiers & Qt::ControlModifier))) {
    const std::vector<std::string> before = remainders;
    if (key == Qt::Key_Insert) {
      remainders.insert(remainders.begin() + std::min<size_t>(caretIndex, remainders.size()), std::string());
      remainders.resize(REMAINDER_SLOTS);
    } else {
      if (caretIndex < static_cast<int>(remainders.size())) remainders.erase(remainders.begin() + caretIndex);
      remainders.resize(REMAINDER_SLOTS);
    }
    if (remainders != before) RemaindersChanged();
    FillRemainderList();
    m_remainderList->setCurrentRow(caretIndex);
    ShowSelectedRemainder();
    return true;
  }
  if (key == Qt::Key_Delete) {
    SetRemainder(std::string());
    ShowSelectedRemainder();
    return true;
  }
  return false;
}
