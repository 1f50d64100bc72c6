// Draws the window as it opens on 15 June 1957 on a 1024 x 768 screen and saves it as a
// PNG: the picture in the README, made again whenever the layout changes.
#include <QApplication>
#include <QPixmap>
#include <cstdio>

#include "Piattaforma.h"
#include "frmAlmanacco.h"

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::fputs("uso: fotografia FILE.png\n", stderr);
    return 2;
  }
  QApplication applicazione(argc, argv);
  const almanacco::PiattaformaFissa piattaforma({15, 6, 1957}, {{15360, 11520}});
  almanacco::frmAlmanacco finestra(piattaforma);
  if (!finestra.grab().save(QString::fromLocal8Bit(argv[1]))) {
    std::fprintf(stderr, "fotografia: non riesco a scrivere %s\n", argv[1]);
    return 1;
  }
  return 0;
}
