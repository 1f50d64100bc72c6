// The window created on a screen of the size given, in pixels at 96 dots per inch, and
// drawn once: for callgrind, the instructions of the first frame on any screen.
//   valgrind --tool=callgrind primo_disegno 1080 1920   (QT_QPA_PLATFORM=offscreen)
#include <QApplication>
#include <QPixmap>
#include <cstdio>
#include <cstdlib>

#include "Piattaforma.h"
#include "frmAlmanacco.h"

int main(int argc, char* argv[]) {
  if (argc != 3) {
    std::fputs("uso: primo_disegno LARGHEZZA ALTEZZA\n", stderr);
    return 2;
  }
  const double larghezza = std::atof(argv[1]), altezza = std::atof(argv[2]);
  QApplication applicazione(argc, argv);
  const almanacco::PiattaformaFissa piattaforma({15, 6, 1957}, {{larghezza * 15, altezza * 15}});
  almanacco::frmAlmanacco finestra(piattaforma);
  return finestra.grab().isNull() ? 1 : 0;
}
