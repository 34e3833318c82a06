#pragma once

#include <QApplication>
#include <QTimer>
#include <functional>
#include <memory>

// Runs `act` once on the modal dialog of type D as soon as it is up, so that a test can work
// a dialog that a command opens and waits for. Gives up after ten seconds, so that a dialog
// that never came cannot be mistaken for a later one.
template <class D>
void whenDialogOpens(std::function<void(D*)> act) {
  auto* timer = new QTimer(qApp);
  timer->setInterval(10);
  auto ticks = std::make_shared<int>(0);
  QObject::connect(timer, &QTimer::timeout, timer, [timer, act, ticks] {
    auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget());
    if (!dialog && ++*ticks < 1000) return;
    timer->stop();
    timer->deleteLater();
    if (dialog) act(dialog);
  });
  timer->start();
}
