#include "Programma.h"

#include <QApplication>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "Piattaforma.h"
#include "Record.h"
#include "frmAlmanacco.h"

namespace almanacco {

namespace {
QtMessageHandler gestorePrecedente = nullptr;

bool valorizzata(const char* variabile) {
  const char* valore = std::getenv(variabile);
  return valore != nullptr && *valore != '\0';
}

void durante(QtMsgType tipo, const QMessageLogContext& contesto, const QString& testo) {
  if (tipo == QtFatalMsg) std::_Exit(senzaDisplay());
  // The platform's own complaints would only repeat what the one line says.
  if (contesto.category != nullptr && std::strncmp(contesto.category, "qt.qpa", 6) == 0) return;
  if (gestorePrecedente != nullptr) gestorePrecedente(tipo, contesto, testo);
}
}  // namespace

bool displayDisponibile() {
  return valorizzata("QT_QPA_PLATFORM") || valorizzata("DISPLAY") || valorizzata("WAYLAND_DISPLAY");
}

int senzaDisplay() {
  std::fputs("lunario: serve un display grafico (X11 o Wayland) per aprire la finestra\n", stderr);
  return 1;
}

void sorvegliaAvvio() {
  gestorePrecedente = qInstallMessageHandler(durante);
}

void fineAvvio() {
  qInstallMessageHandler(gestorePrecedente);
}

void registraProgramma() {
  QApplication::setApplicationName(QString::fromUtf8(record::kNome));
  QApplication::setApplicationVersion(QString::fromUtf8(record::kVersione));
  QApplication::setDesktopFileName(QString::fromUtf8(record::kId));
}

int eseguiProgramma(int& argc, char* argv[],
                    const std::function<void(QApplication&, QWidget&)>& primaDiAttendere) {
  if (!displayDisponibile()) return senzaDisplay();
  sorvegliaAvvio();
  QApplication applicazione(argc, argv);
  fineAvvio();
  registraProgramma();

  const PiattaformaDiSistema piattaforma;
  frmAlmanacco finestra(piattaforma);
  finestra.show();
  finestra.activateWindow();
  if (primaDiAttendere) primaDiAttendere(applicazione, finestra);
  return QApplication::exec();
}

}  // namespace almanacco
