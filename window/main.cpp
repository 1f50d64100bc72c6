#include <QApplication>

#include "Piattaforma.h"
#include "Programma.h"
#include "frmAlmanacco.h"

int main(int argc, char* argv[]) {
  if (!almanacco::displayDisponibile()) return almanacco::senzaDisplay();
  almanacco::sorvegliaAvvio();
  QApplication applicazione(argc, argv);
  almanacco::fineAvvio();
  almanacco::registraProgramma();

  const almanacco::PiattaformaDiSistema piattaforma;
  almanacco::frmAlmanacco finestra(piattaforma);
  finestra.show();
  finestra.activateWindow();
  return QApplication::exec();
}
