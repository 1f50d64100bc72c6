#pragma once

#include <QApplication>
#include <QTest>

namespace almanacco::prova {

// A key as a user types it: to whichever widget has the focus, the window if none. The
// tests and the key benchmark type alike.
inline void digita(QWidget& finestra, Qt::Key tasto, Qt::KeyboardModifiers modificatori = {}) {
  QWidget* fuoco = QApplication::focusWidget();
  QTest::keyClick(fuoco ? fuoco : &finestra, tasto, modificatori);
}

}  // namespace almanacco::prova
