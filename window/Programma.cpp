#include "Programma.h"

#include <QApplication>
#include <QIcon>
#include <QSocketNotifier>
#include <QtGlobal>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <sys/socket.h>
#include <unistd.h>

#include "Accessibilita.h"
#include "Avvio.h"
#include "Piattaforma.h"
#include "PrimoFrame.h"
#include "Record.h"
#include "frmAlmanacco.h"

namespace almanacco {

namespace {
QtMessageHandler gestorePrecedente = nullptr;
// What the platform said while it started, to tell why it could not.
std::vector<std::string> messaggiDiAvvio;

const char* variabile(const char* nome) {
  const char* valore = std::getenv(nome);
  return valore != nullptr ? valore : "";
}

// Says on stderr, in one line, why no window can be opened; returns the exit status.
int fallito(const std::string& causa) {
  std::fprintf(stderr, "lunario: %s\n", causa.c_str());
  return 1;
}

void durante(QtMsgType tipo, const QMessageLogContext& contesto, const QString& testo) {
  messaggiDiAvvio.push_back(testo.toStdString());
  if (tipo == QtFatalMsg)
    std::_Exit(fallito(causaDelFallimento(messaggiDiAvvio, variabile("WAYLAND_DISPLAY"))));
  const char* categoria = contesto.category != nullptr ? contesto.category : "";
  if (!dallaPiattaforma(categoria, messaggiDiAvvio.back()) && gestorePrecedente != nullptr)
    gestorePrecedente(tipo, contesto, testo);
}

// Whether Qt can open a window at all: a platform was chosen, or an X11 or Wayland
// display is named. Checked before Qt starts, which would otherwise abort.
bool displayDisponibile() {
  return *variabile("QT_QPA_PLATFORM") || *variabile("DISPLAY") || *variabile("WAYLAND_DISPLAY");
}

// Between these two calls, while Qt starts its platform, a platform that cannot start
// ends the program with one line that names the cause, instead of Qt's abort and its
// advice.
void sorvegliaAvvio() {
  gestorePrecedente = qInstallMessageHandler(durante);
}

void fineAvvio() {
  qInstallMessageHandler(gestorePrecedente);
  messaggiDiAvvio.clear();
}

// The session asks a program to end with SIGTERM (at logout), a terminal with SIGINT:
// the window then closes as it does at Enter, and the program ends with status 0. The
// handler only writes a byte; the window closes in the event loop.
int segnaleFine[2] = {-1, -1};

void allaFine(int) {
  const char byte = 1;
  [[maybe_unused]] const auto scritti = ::write(segnaleFine[1], &byte, 1);
}

void chiudiAlSegnale(QWidget& finestra) {
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, segnaleFine) != 0) return;
  auto* avviso = new QSocketNotifier(segnaleFine[0], QSocketNotifier::Read, &finestra);
  QObject::connect(avviso, &QSocketNotifier::activated, &finestra, [&finestra] {
    char byte;
    [[maybe_unused]] const auto letti = ::read(segnaleFine[0], &byte, 1);
    finestra.close();
  });
  struct sigaction azione {};
  azione.sa_handler = allaFine;
  sigemptyset(&azione.sa_mask);
  azione.sa_flags = SA_RESTART;
  sigaction(SIGTERM, &azione, nullptr);
  sigaction(SIGINT, &azione, nullptr);
}

// The program record: name, version, description and desktop identity.
void registraProgramma() {
  QApplication::setApplicationName(QString::fromUtf8(record::kNome));
  QApplication::setApplicationVersion(QString::fromUtf8(record::kVersione));
  QApplication::setDesktopFileName(QString::fromUtf8(record::kId));
}
}  // namespace

int eseguiProgramma(int& argc, char* argv[], const Luogo& luogo,
                    const std::function<void(QApplication&, QWidget&)>& primaDiAttendere) {
  if (!displayDisponibile()) return fallito(std::string(kServeUnDisplay));
  sorvegliaAvvio();
  QApplication applicazione(argc, argv);
  fineAvvio();
  registraProgramma();
  accessibile::installa();

  const PiattaformaDiSistema piattaforma;
  frmAlmanacco finestra(piattaforma, luogo);
  chiudiAlSegnale(finestra);
  // The icon is for the dock and the window list: loading the SVG plugin to draw it waits
  // until the window has shown its first frame. Both watchers are set before the window is
  // shown: a frame gone by is never seen again, and a fast first paint left the window
  // without its icon.
  dopoIlPrimoFrame(finestra,
                   [&finestra] { finestra.setWindowIcon(QIcon(QStringLiteral(":/lunario.svg"))); });
  if (primaDiAttendere) primaDiAttendere(applicazione, finestra);
  finestra.show();
  finestra.activateWindow();
  return QApplication::exec();
}

}  // namespace almanacco
