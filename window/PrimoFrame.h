#pragma once

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>
#include <functional>
#include <utility>

namespace almanacco {

// Runs `poi` once, as soon as `finestra` has painted its first frame: the moment a user
// first sees the window. It is queued, so it runs once that paint has been drawn and
// flushed. Called before the window is shown, so that no first frame goes by unseen.
inline void dopoIlPrimoFrame(QWidget& finestra, std::function<void()> poi) {
  struct Osservatore : QObject {
    Osservatore(QObject* padre, std::function<void()> poi) : QObject(padre), poi_(std::move(poi)) {}
    bool eventFilter(QObject* oggetto, QEvent* evento) override {
      if (evento->type() == QEvent::Paint && poi_) {
        QMetaObject::invokeMethod(qApp, std::exchange(poi_, nullptr), Qt::QueuedConnection);
        oggetto->removeEventFilter(this);
      }
      return QObject::eventFilter(oggetto, evento);
    }
    std::function<void()> poi_;
  };
  finestra.installEventFilter(new Osservatore(&finestra, std::move(poi)));
}

// Ends the program as soon as `finestra` has painted its first frame.
inline void esciDopoIlPrimoFrame(QApplication&, QWidget& finestra) {
  dopoIlPrimoFrame(finestra, &QApplication::quit);
}

}  // namespace almanacco
