// The floor of a window's start-up: a frameless 1024 x 768 Qt Widgets window at the
// screen's corner, as the program's own is, that draws nothing of its own, ending at its
// first painted frame.
#include <QWidget>

#include "PrimoFrame.h"

int main(int argc, char* argv[]) {
  QApplication applicazione(argc, argv);
  QWidget finestra(nullptr, Qt::Window | Qt::FramelessWindowHint);
  finestra.setFixedSize(1024, 768);
  finestra.move(0, 0);
  almanacco::esciDopoIlPrimoFrame(applicazione, finestra);
  finestra.show();
  return QApplication::exec();
}
