// The engine's recompute chain on the in-memory store, and each click on the real window
// (offscreen), handler and repaint of what changed, and a key that moves the selection.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTest>

#include "Accessibilita.h"
#include "Calendario.h"
#include "Etichetta.h"
#include "MemoryStore.h"
#include "Piattaforma.h"
#include "digita.h"
#include "frmAlmanacco.h"

namespace {
using namespace almanacco;
using namespace almanacco::nomi;

void BM_Catena(benchmark::State& stato) {
  MemoryStore etichette;
  Calendario calendario(etichette);
  etichette.setCaption(lblSecoloSel, "5");
  etichette.setCaption(lblMeseSel, "6");
  etichette.setCaption(lblGiornoSel, "15");
  int cifra = 0;
  for (auto _ : stato) {
    etichette.setCaption(lblUnitàSel, cifra == 0 ? "7" : "8");
    cifra ^= 1;
    calendario.ComponiAnno();
    calendario.ricalcolaMese();
  }
}
BENCHMARK(BM_Catena);

// Counts the widgets painted, to show that each click is timed with its repaint.
struct ContaPitture : QObject {
  long pitture = 0;
  bool eventFilter(QObject* oggetto, QEvent* evento) override {
    if (evento->type() == QEvent::Paint) ++pitture;
    return QObject::eventFilter(oggetto, evento);
  }
};

// One click after another on two cells of a group, each followed by the repaint it caused.
void clickERidisegna(benchmark::State& stato, Nome gruppo, std::int16_t a, std::int16_t b) {
  const PiattaformaFissa piattaforma({15, 6, 1957}, SchermoTwips{15360, 11520});
  frmAlmanacco finestra(piattaforma);
  finestra.show();
  QApplication::processEvents();
  ContaPitture conta;
  qApp->installEventFilter(&conta);
  bool primo = true;
  for (auto _ : stato) {
    QTest::mouseClick(finestra.etichetta(gruppo(primo ? a : b)), Qt::LeftButton);
    QApplication::processEvents();
    primo = !primo;
  }
  qApp->removeEventFilter(&conta);
  stato.counters["widgets_painted_per_click"] =
      benchmark::Counter(static_cast<double>(conta.pitture), benchmark::Counter::kAvgIterations);
}
BENCHMARK_CAPTURE(clickERidisegna, giorno, lblGiorni, 3, 15);
BENCHMARK_CAPTURE(clickERidisegna, mese, lblMese, 1, 6);
BENCHMARK_CAPTURE(clickERidisegna, secolo, lblSecolo, 1, 5);
BENCHMARK_CAPTURE(clickERidisegna, decina, lblDecine, 0, 5);
BENCHMARK_CAPTURE(clickERidisegna, unita, lblUnità, 2, 7);

// Right and Left in turn on the days: the same handler as a click, reached by a key.
void tastoERidisegna(benchmark::State& stato) {
  const PiattaformaFissa piattaforma({15, 6, 1957}, SchermoTwips{15360, 11520});
  frmAlmanacco finestra(piattaforma);
  finestra.show();
  finestra.activateWindow();
  QApplication::processEvents();
  bool avanti = true;
  for (auto _ : stato) {
    prova::digita(finestra, avanti ? Qt::Key_Right : Qt::Key_Left);
    QApplication::processEvents();
    avanti = !avanti;
  }
}
BENCHMARK(tastoERidisegna);
}  // namespace

int main(int argc, char* argv[]) {
  // Offscreen, unless a platform is chosen: bench/click-accessibile runs it on an X server
  // with the accessibility bus, so that each click is timed with its screen reader updates.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication applicazione(argc, argv);
  // With accessibility active, clicks are timed with what they tell assistive technology.
  accessibile::installa();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
