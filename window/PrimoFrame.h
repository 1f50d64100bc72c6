#pragma once

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>

namespace almanacco::banco {

// Ends the program as soon as `finestra` has painted its first frame: the moment a user
// first sees the window.
inline void esciDopoIlPrimoFrame(QApplication& applicazione, QWidget& finestra) {
  struct Osservatore : QObject {
    using QObject::QObject;
    bool eventFilter(QObject* oggetto, QEvent* evento) override {
      // The quit is queued, so it runs once this paint has been drawn and flushed.
      if (evento->type() == QEvent::Paint)
        QMetaObject::invokeMethod(qApp, &QApplication::quit, Qt::QueuedConnection);
      return QObject::eventFilter(oggetto, evento);
    }
  };
  finestra.installEventFilter(new Osservatore(&applicazione));
}

}  // namespace almanacco::banco
