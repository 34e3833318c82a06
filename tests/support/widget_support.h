#pragma once

#include <QApplication>
#include <QStringList>

// Lets queued work run: deferred refreshes and deletions, a message waiting for the focus.
inline void settle() {
  for (int i = 0; i < 3; ++i) {
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
}

// The entries of a list or a combo box, in their order.
template <class List>
QStringList itemTexts(const List& list) {
  QStringList texts;
  for (int i = 0; i < list.count(); ++i) {
    if constexpr (requires { list.itemText(i); })
      texts << list.itemText(i);
    else
      texts << list.item(i)->text();
  }
  return texts;
}
