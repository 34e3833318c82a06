#pragma once

#include <QApplication>
#include <QTimer>
#include <functional>

// Runs `act` once on the modal dialog of type D as soon as it is up, so that a test can work
// a dialog that a command opens and waits for.
template <class D>
void WhenDialogOpens(std::function<void(D*)> act) {
  auto* timer = new QTimer(qApp);
  timer->setInterval(10);
  QObject::connect(timer, &QTimer::timeout, timer, [timer, act] {
    auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget());
    if (!dialog) return;
    timer->stop();
    timer->deleteLater();
    act(dialog);
  });
  timer->start();
}
