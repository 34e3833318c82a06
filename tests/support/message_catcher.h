#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QTimer>
#include <functional>

// Answers every message box that comes up while it lives, and remembers what they said.
class MessageCatcher {
 public:
  explicit MessageCatcher(QMessageBox::StandardButton answer = QMessageBox::Ok)
      : MessageCatcher([answer](const QString&) { return answer; }) {}
  // Answers each box with the button `answer` picks for its text.
  explicit MessageCatcher(std::function<QMessageBox::StandardButton(const QString&)> answer) {
    QObject::connect(&m_timer, &QTimer::timeout, [this, answer] {
      for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible()) {
          texts.append(box->text());
          QAbstractButton* button = box->button(answer(box->text()));
          if (!button) button = box->defaultButton();
          button ? button->click() : box->reject();
        }
    });
    m_timer.start(10);
  }
  QStringList texts;

 private:
  QTimer m_timer;
};
