#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <memory>

#include "editing/level_document.h"
#include "form/property_form.h"
#include "support/level_text.h"
#include "support/message_catcher.h"
#include "support/widget_support.h"

using Field = PropertyForm::Field;

// A shown form on a level document, with the element the remainder button paints.
struct FormOnLevel {
  explicit FormOnLevel(Level level = Level()) : document(std::move(level)) { open(document); }
  PropertyForm& open(LevelDocument& doc) {
    forms.push_back(std::make_unique<PropertyForm>(doc, [this] { return element; }));
    forms.back()->show();
    forms.back()->activateWindow();
    settle();
    return *forms.back();
  }
  PropertyForm& form() const { return *forms.front(); }
  template <typename Widget>
  Widget& field(Field id, int index = 0) const { return *static_cast<Widget*>(forms.at(index)->field(id)); }
  const Level& level() const { return document.level(); }

  LevelDocument document;
  int element = EL_EMERALD;
  std::vector<std::unique_ptr<PropertyForm>> forms;
};

// Types into a field with key presses that carry their text, as an input method sends them, then
// moves the focus away, which commits it.
inline void typeAndLeave(PropertyForm& form, Field id, const QString& text) {
  form.focusField(id);
  settle();
  QWidget* field = form.field(id);
  for (QChar c : text) {
    if (c == '\n')
      QTest::keyClick(field, Qt::Key_Return);
    else
      QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
  }
  form.focusField(id == Field::Name ? Field::Designer : Field::Name);
  settle();
}
