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

// Says on stderr, in one line, that a graphical display is needed; returns the exit status.
int senzaDisplay() {
  std::fputs("lunario: serve un display grafico (X11 o Wayland) per aprire la finestra\n", stderr);
  return 1;
}

void durante(QtMsgType tipo, const QMessageLogContext& contesto, const QString& testo) {
  if (tipo == QtFatalMsg) std::_Exit(senzaDisplay());
  // The platform's own complaints would only repeat what the one line says.
  if (contesto.category != nullptr && std::strncmp(contesto.category, "qt.qpa", 6) == 0) return;
  if (gestorePrecedente != nullptr) gestorePrecedente(tipo, contesto, testo);
}

// Whether Qt can open a window at all: a platform was chosen, or an X11 or Wayland
// display is named. Checked before Qt starts, which would otherwise abort.
bool displayDisponibile() {
  return valorizzata("QT_QPA_PLATFORM") || valorizzata("DISPLAY") || valorizzata("WAYLAND_DISPLAY");
}

// Between these two calls, while Qt starts its platform, a platform that cannot start
// ends the program with senzaDisplay() instead of Qt's abort and its advice.
void sorvegliaAvvio() {
  gestorePrecedente = qInstallMessageHandler(durante);
}

void fineAvvio() {
  qInstallMessageHandler(gestorePrecedente);
}

// The program record: name, version, description and desktop identity.
void registraProgramma() {
  QApplication::setApplicationName(QString::fromUtf8(record::kNome));
  QApplication::setApplicationVersion(QString::fromUtf8(record::kVersione));
  QApplication::setDesktopFileName(QString::fromUtf8(record::kId));
}
}  // namespace

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
