// Draws the window as it opens on 15 June 1957 on a 1024 x 768 screen and saves it as a
// PNG: the picture in the README, made again whenever the layout changes; with a place,
// the window as that place's calendar opens it.
#include <QApplication>
#include <QPixmap>
#include <cstdio>

#include "Piattaforma.h"
#include "frmAlmanacco.h"
#include "luoghi.h"

int main(int argc, char* argv[]) {
  const almanacco::Luogo* luogo = argc == 3 ? almanacco::luogoDi(argv[2]).luogo : nullptr;
  if ((argc != 2 && argc != 3) || (argc == 3 && luogo == nullptr)) {
    std::fputs("uso: fotografia FILE.png [LUOGO]\n", stderr);
    return 2;
  }
  QApplication applicazione(argc, argv);
  const almanacco::PiattaformaFissa piattaforma({15, 6, 1957}, {{15360, 11520}});
  almanacco::frmAlmanacco finestra(piattaforma, luogo ? *luogo : almanacco::kItaliaLuogo);
  if (!finestra.grab().save(QString::fromLocal8Bit(argv[1]))) {
    std::fprintf(stderr, "fotografia: non riesco a scrivere %s\n", argv[1]);
    return 1;
  }
  return 0;
}
