// The yardstick: the least a Qt Widgets program can show, one label in a window, ending
// at its first painted frame. Built twice: at the label's own size, and frameless at
// 1024 x 768 like the program's window, to tell the cost of the window's size apart.
#include <QLabel>

#include "PrimoFrame.h"

int main(int argc, char* argv[]) {
  QApplication applicazione(argc, argv);
  QLabel finestra(QStringLiteral("Lunario"));
#ifdef ALMANACCO_SCHERMO_INTERO
  finestra.setWindowFlags(Qt::FramelessWindowHint);
  finestra.setFixedSize(1024, 768);
  finestra.move(0, 0);
#endif
  almanacco::esciDopoIlPrimoFrame(applicazione, finestra);
  finestra.show();
  return QApplication::exec();
}
