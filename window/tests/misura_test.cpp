// One size for each group of like texts, decided when the window is first drawn: the
// search of the quarter-point ladder from a foreseen step, and the sizes it finds against
// the old cell-by-cell fitting, on landscape and portrait screens.
#include <QTest>
#include <cmath>
#include <limits>
#include <vector>

#include "MisuraComune.h"
#include "prova.h"

using namespace almanacco;
using namespace almanacco::nomi;
using almanacco::prova::Finestra;

namespace {
constexpr Data kGiugno1957{15, 6, 1957};

struct Tratto {
  Nome nome;
  std::int16_t primo, ultimo;
};
// The groups a printed calendar sets in one size, and whether their captions move from
// cell to cell (the weekday header's do).
struct GruppoDiTesti {
  std::vector<Tratto> tratti;
  bool girano;
};
const GruppoDiTesti kGruppiDiTesti[] = {
    {{{lblGiorni, 1, 31}}, false}, {{{lblMese, 1, 12}}, false},
    {{{lblSecolo, 1, 8}}, false},  {{{lblDecine, 0, 9}, {lblUnità, 0, 9}}, false},
    {{{lblNome, 1, 7}}, true},     {{{lblSCritteVarie, 0, 4}}, false}};

std::vector<const Etichetta*> celle(const Finestra& f, const GruppoDiTesti& g) {
  std::vector<const Etichetta*> tutte;
  for (const Tratto& t : g.tratti)
    for (auto i = t.primo; i <= t.ultimo; ++i) tutte.push_back(&f.cella(t.nome(i)));
  return tutte;
}

// Whether a text fits a cell at a font, measured afresh: its wrapped lines no taller than
// the cell, no word's ink wider than the cell and a pixel at each side.
bool entra(const QFont& carattere, const QRect& area, const QString& testo) {
  const QFontMetricsF m(carattere);
  const int come = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;
  if (m.boundingRect(QRectF(area), come, testo).height() > area.height()) return false;
  for (const QString& parola : testo.split(' ', Qt::SkipEmptyParts))
    if (m.tightBoundingRect(parola).width() > area.width() + 2) return false;
  return true;
}

// A label's own size as the walk down from it finds it: a quarter point at a time until
// the text fits.
double dallaCima(const Etichetta& e) {
  QFont carattere = e.font();
  while (carattere.pointSizeF() > 1 && !entra(carattere, e.rect(), e.Caption()))
    carattere.setPointSizeF(carattere.pointSizeF() - 0.25);
  return carattere.pointSizeF();
}

// The group's size as cell-by-cell fitting finds it: every text in every cell that shows
// it, from the size found so far down a quarter point at a time until it fits.
double cellaPerCella(const std::vector<const Etichetta*>& gruppo, bool girano) {
  double punti = std::numeric_limits<double>::max();
  for (const Etichetta* cella : gruppo) {
    std::vector<QString> testi{cella->Caption()};
    if (girano) {
      testi.clear();
      for (const Etichetta* altra : gruppo) testi.push_back(altra->Caption());
    }
    for (const QString& testo : testi) {
      QFont carattere = cella->font();
      punti = std::min(punti, carattere.pointSizeF());
      for (carattere.setPointSizeF(punti); punti > 1 && !entra(carattere, cella->rect(), testo);
           carattere.setPointSizeF(punti))
        punti -= 0.25;
    }
  }
  return punti;
}
}  // namespace

class TestMisura : public QObject {
  Q_OBJECT

 private slots:
  // From any step, the search ends where the walk down from the top ends, for a text that
  // fits from any step down; from the right step it looks at two steps.
  void theLadderFromAnyStep() {
    const double cima = 15.75;
    for (double soglia = 0.5; soglia <= cima + 0.5; soglia += 0.125) {
      const auto regge = [&](double punti) { return punti <= soglia; };
      double dallaCima = cima;
      while (dallaCima > 1 && !regge(dallaCima)) dallaCima -= 0.25;
      // Every step of the ladder, down to its last, at 1 point or below.
      for (double da = cima; da + 0.25 > 1; da -= 0.25) {
        int misure = 0;
        const double trovato = piùGrandeCheRegge(cima, da, [&](double punti) {
          ++misure;
          return regge(punti);
        });
        QCOMPARE(trovato, dallaCima);
        if (da == dallaCima && dallaCima > 1 && dallaCima < cima) QCOMPARE(misure, 2);
      }
    }
  }

  // A text that fits at no size gets the ladder's last step, as the walk down gives it.
  void theLastStepWhenNothingFits() {
    int misure = 0;
    const auto mai = [&](double) { return ++misure, false; };
    QCOMPARE(piùGrandeCheRegge(14.25, 14.25, mai), 1.0);
    QCOMPARE(misure, 53);
    QCOMPARE(piùGrandeCheRegge(14.1, 3.1, mai), 0.85);
  }

  // Creating the window measures no text: a group's size waits for its first drawing.
  void nothingMeasuredBeforeTheWindowIsDrawn() {
    Finestra f(kGiugno1957, SchermoTwips{1080 * 15.0, 1920 * 15.0});
    const MisuraComune* giorni = f.cella(lblGiorni(1)).misuraComune();
    QVERIFY(giorni != nullptr);
    QVERIFY(!giorni->decisa());
    f.form.grab();
    QVERIFY(giorni->decisa());
    QCOMPARE(f.cella(lblGiorni(31)).misuraComune(), giorni);
    QCOMPARE(f.cella(lblNomeCompleto).misuraComune(), nullptr);
  }

  // Each group's one size is the size the old cell-by-cell fitting found, on screens that
  // need none smaller (landscape) and on screens that shrink every group (portrait).
  void theSizesOfCellByCellFitting_data() {
    QTest::addColumn<QSize>("pixel");
    for (const QSize s : {QSize(1024, 768), QSize(1920, 1080), QSize(800, 600), QSize(1366, 768),
                          QSize(1080, 1920), QSize(768, 1024), QSize(600, 800), QSize(2160, 3840)})
      QTest::newRow(qPrintable(QStringLiteral("%1x%2").arg(s.width()).arg(s.height()))) << s;
  }
  void theSizesOfCellByCellFitting() {
    QFETCH(QSize, pixel);
    Finestra f(kGiugno1957, SchermoTwips{pixel.width() * 15.0, pixel.height() * 15.0});
    for (const GruppoDiTesti& g : kGruppiDiTesti) {
      const auto gruppo = celle(f, g);
      const double atteso = cellaPerCella(gruppo, g.girano);
      for (const Etichetta* cella : gruppo)
        QVERIFY2(cella->fontDelTesto().pointSizeF() == atteso,
                 qPrintable(QStringLiteral("%1 at %2 pt, not %3")
                                .arg(cella->Caption())
                                .arg(cella->fontDelTesto().pointSizeF())
                                .arg(atteso)));
    }
  }

  // A label of its own, the title, the long texts and the answer (of two lengths), is
  // drawn at the size the walk down from its own finds, on the same screens.
  void theSizesOfTheWalkFromTheTop_data() { theSizesOfCellByCellFitting_data(); }
  void theSizesOfTheWalkFromTheTop() {
    QFETCH(QSize, pixel);
    for (const Data oggi : {kGiugno1957, Data{30, 9, 2026}}) {
      Finestra f(oggi, SchermoTwips{pixel.width() * 15.0, pixel.height() * 15.0});
      for (const LabelId id : {lblSCritteVarie(5), lblSCritteVarie(8), lblSCritteVarie(9),
                               static_cast<LabelId>(lblNomeCompleto)}) {
        const Etichetta& e = f.cella(id);
        QVERIFY(e.misuraComune() == nullptr);
        QVERIFY2(e.fontDelTesto().pointSizeF() == dallaCima(e),
                 qPrintable(QStringLiteral("%1 at %2 pt, not %3")
                                .arg(e.Caption().left(20))
                                .arg(e.fontDelTesto().pointSizeF())
                                .arg(dallaCima(e))));
      }
    }
  }
};

QTEST_MAIN(TestMisura)
#include "misura_test.moc"
