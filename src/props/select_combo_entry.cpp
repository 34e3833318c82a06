// Selecting a level's artwork, sound or music name in its list.
#include <QComboBox>

#include "level/cp1252.h"
#include "props/folder_lists.h"
#include "props/prop_view.h"

namespace {

// Letters A to Z and a to z are the same; every other character only equals itself.
bool EqualsAsciiNoCase(const QString& a, const QString& b) {
  if (a.size() != b.size()) return false;
  for (qsizetype i = 0; i < a.size(); ++i) {
    const char16_t x = a[i].unicode(), y = b[i].unicode();
    auto fold = [](char16_t c) { return c >= 'A' && c <= 'Z' ? static_cast<char16_t>(c - 'A' + 'a') : c; };
    if (fold(x) != fold(y)) return false;
  }
  return true;
}

}  // namespace

void CPropView::SelectComboEntry(QComboBox& box, QString& name) {
  if (name.isEmpty()) return;
  for (int i = 0; i < box.count(); ++i) {
    if (EqualsAsciiNoCase(box.itemText(i), name)) {
      name = box.itemText(i);
      box.setCurrentIndex(i);
      return;
    }
  }
  // A name from the level file or typed by the user stays available in the list.
  box.setCurrentIndex(InsertSorted(box, name));
}

void CPropView::SelectComboEntry(int controlId, const std::string& levelName) {
  auto* box = qobject_cast<QComboBox*>(Field(controlId));
  if (!box) return;
  QString name = QString::fromStdString(Cp1252ToUtf8(levelName));
  SelectComboEntry(*box, name);
}
