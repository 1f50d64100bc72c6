// Seeded random clicks on the shown cells, mixed with random keys, each checked against a
// model of the window written here from the real calendar as the tests know it (Julian
// day numbers and std::chrono), not from the engine's tables, and from the cells' places
// on the window, not from the engine's moves.
//   ALMANACCO_SOAK_CLICKS  how many clicks (default 20000)
//   ALMANACCO_SOAK_SEED    the seed (default 1957)
#include <QApplication>
#include <QTest>
#include <algorithm>
#include <array>
#include <cstdlib>
#include <optional>
#include <random>

#include "prova.h"
#include "reale.h"

using namespace almanacco;
using namespace almanacco::nomi;
using namespace almanacco::prova;

namespace {

long daAmbiente(const char* nome, long predefinito) {
  const QByteArray valore = qgetenv(nome);
  bool ok = false;
  const long n = valore.toLong(&ok);
  return ok && n > 0 ? n : predefinito;
}

// What the window should show, kept from the clicks alone.
struct Modello {
  int giorno, mese, secolo, decina, unità;  // secolo 0: none selected
  std::vector<int> mostrati;                // the day cells shown
  int giornoScelto = giorno;                // the day last chosen

  int anno() const { return (secolo ? (secolo + 14) * 100 : 0) + decina * 10 + unità; }

  // Monday = 0. The header of October 1582 and after is Gregorian, before it Julian.
  int primoDelMese() const {
    const int a = anno();
    const bool gregoriano = a > 1582 || (a == 1582 && mese >= 10);
    return settimanaDi(gregoriano ? numeroGregoriano({a, mese, 1}) : numeroGiuliano(a, mese, 1));
  }
  int settimana() const { return settimanaDi(numeroDi({anno(), mese, giorno})); }

  // The days the month had; the day shown is the last one of them up to the chosen day.
  void giorniDelMese() {
    mostrati.clear();
    for (int d = 1; d <= 31; ++d)
      if (numeroDi({anno(), mese, d}) >= 0) mostrati.push_back(d);
    giorno = 1;
    for (const int d : mostrati)
      if (d <= giornoScelto) giorno = d;
  }
  GiorniDelMese celleMostrate() const {
    GiorniDelMese celle;
    for (const int d : mostrati) celle.set(static_cast<std::size_t>(d));
    return celle;
  }

  // The cell chosen in a group, by a click or a key, and the keyboard focus that follows.
  Gruppo fuoco = Gruppo::Giorno;
  LabelId scegli(Gruppo g, int valore) {
    fuoco = g;
    const auto i = static_cast<std::int16_t>(valore);
    switch (g) {
      case Gruppo::Giorno:
        giorno = giornoScelto = valore;
        return lblGiorni(i);
      case Gruppo::Mese:
        mese = valore;
        giorniDelMese();
        return lblMese(i);
      case Gruppo::Secolo:
        secolo = valore;
        giorniDelMese();
        return lblSecolo(i);
      case Gruppo::Decina:
        decina = valore;
        giorniDelMese();
        return lblDecine(i);
      case Gruppo::Unità:
        unità = valore;
        giorniDelMese();
        return lblUnità(i);
    }
    return {};
  }
  int scelto(Gruppo g) const {
    const int valori[] = {giorno, mese, secolo, decina, unità};
    return valori[static_cast<int>(g)];
  }
};

constexpr Qt::Key kFrecce[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up,
                               Qt::Key_Down, Qt::Key_Home,  Qt::Key_End};

// Where an arrow, Home or End (in the order of kFrecce) moves a group's selection, as the
// window lays the cells out: days in rows of 7, months of 3, centuries of 2, digits 1 to 9
// in rows of 3 with the 0 alone under the 8. Left and Right go by reading order, Up and
// Down to the nearest row with a shown cell in the same column; nothing wraps.
std::optional<int> doveVa(Gruppo g, int da, int tasto, const std::vector<int>& giorni) {
  struct Cella {
    int valore, riga, colonna;
  };
  std::vector<Cella> celle;
  const auto inRighe = [&celle](int primo, int ultimo, int colonne) {
    for (int v = primo; v <= ultimo; ++v)
      celle.push_back({v, (v - primo) / colonne, (v - primo) % colonne});
  };
  switch (g) {
    case Gruppo::Giorno:
      for (const int d : giorni) celle.push_back({d, (d - 1) / 7, (d - 1) % 7});
      break;
    case Gruppo::Mese:
      inRighe(1, 12, 3);
      break;
    case Gruppo::Secolo:
      inRighe(1, 8, 2);
      break;
    default:
      inRighe(1, 9, 3);
      celle.push_back({0, 3, 1});
  }
  const auto qui =
      std::find_if(celle.begin(), celle.end(), [da](const Cella& c) { return c.valore == da; });
  switch (tasto) {
    case 0:
      return qui == celle.begin() ? std::nullopt : std::optional{(qui - 1)->valore};
    case 1:
      return qui + 1 == celle.end() ? std::nullopt : std::optional{(qui + 1)->valore};
    case 4:
      return celle.front().valore;
    case 5:
      return celle.back().valore;
  }
  const int passo = tasto == 2 ? -1 : 1;
  std::optional<Cella> meta;
  for (const Cella& c : celle)
    if (c.colonna == qui->colonna && (c.riga - qui->riga) * passo > 0 &&
        (!meta || std::abs(c.riga - qui->riga) < std::abs(meta->riga - qui->riga)))
      meta = c;
  return meta ? std::optional{meta->valore} : std::nullopt;
}

}  // namespace

class TestSoak : public QObject {
  Q_OBJECT

 private slots:
  void randomClicksKeepTheWindowTrue() {
    const long clicks = daAmbiente("ALMANACCO_SOAK_CLICKS", 20000);
    const auto seme = static_cast<std::uint32_t>(daAmbiente("ALMANACCO_SOAK_SEED", 1957));
    std::mt19937 caso(seme);
    // Start-up on 29 February 2024, so the first month click may move the day.
    Finestra f({29, 2, 2024});
    f.form.show();
    Modello m{29, 2, 6, 2, 4, {}};
    m.giorniDelMese();

    QVERIFY(QTest::qWaitForWindowActive(&f.form));
    for (long n = 0; n < clicks; ++n) {
      std::uniform_int_distribution<int> caso100(0, 99);
      if (caso100(caso) < 25) {
        // A key, typed to whichever cell has the focus: an arrow, Home or End, Space, Tab
        // or Shift+Tab.
        QVERIFY(QApplication::focusWidget() != nullptr);
        const int quale = std::uniform_int_distribution<int>(0, 8)(caso);
        Qt::Key tasto = Qt::Key_Space;
        Qt::KeyboardModifiers modificatori = Qt::NoModifier;
        if (quale < 6) {
          if (const auto meta = doveVa(m.fuoco, m.scelto(m.fuoco), quale, m.mostrati))
            m.scegli(m.fuoco, *meta);
          tasto = kFrecce[quale];
        } else if (quale > 6) {
          // Tab goes round the five groups, Shift+Tab back.
          m.fuoco = static_cast<Gruppo>((static_cast<int>(m.fuoco) + (quale == 7 ? 1 : 4)) % 5);
          tasto = Qt::Key_Tab;
          if (quale == 8) modificatori = Qt::ShiftModifier;
        }
        digita(f.form, tasto, modificatori);
        QCOMPARE(f.form.gruppoAttivo(), m.fuoco);
        QCOMPARE(int(f.form.cellaAttiva()), m.scelto(m.fuoco));
      } else {
        const auto g = static_cast<Gruppo>(std::uniform_int_distribution<int>(0, 4)(caso));
        const int primo = g == Gruppo::Decina || g == Gruppo::Unità ? 0 : 1;
        const int ultimo =
            std::array{static_cast<int>(m.mostrati.size()), 12, 8, 9, 9}[static_cast<int>(g)];
        int valore = std::uniform_int_distribution<int>(primo, ultimo)(caso);
        if (g == Gruppo::Giorno) valore = m.mostrati[static_cast<std::size_t>(valore - 1)];
        const LabelId cella = m.scegli(g, valore);
        QTest::mouseClick(&f.cella(cella), Qt::LeftButton);
      }
      confronta(f, m, n, seme);
      if (QTest::currentTestFailed()) return;
    }
    qInfo("%ld clicks and keys with seed %u: every one as the model says", clicks, seme);
  }

 private:
  static void confronta(const Finestra& f, const Modello& m, long n, std::uint32_t seme) {
    const QByteArray dove = "click " + QByteArray::number(static_cast<qlonglong>(n)) + ", seed " +
                            QByteArray::number(seme) + ", date " + QByteArray::number(m.giorno) +
                            '/' + QByteArray::number(m.mese) + '/' + QByteArray::number(m.anno());
    using Indici = std::vector<int>;
    QVERIFY2(f.evidenziate(lblGiorni) == Indici{m.giorno}, dove);
    QVERIFY2(f.evidenziate(lblMese) == Indici{m.mese}, dove);
    QVERIFY2(f.evidenziate(lblSecolo) == Indici{m.secolo}, dove);
    QVERIFY2(f.evidenziate(lblDecine) == Indici{m.decina}, dove);
    QVERIFY2(f.evidenziate(lblUnità) == Indici{m.unità}, dove);

    const int primo = m.primoDelMese();
    const int colonnaDomenica = (6 - primo) % 7 + 1;
    for (std::int16_t c = 1; c <= 7; ++c) {
      QVERIFY2(f[lblNome(c)] == kAbbreviate[(primo + c - 1) % 7], dove);
      QVERIFY2((f.cella(lblNome(c)).ForeColor() == kRossoScuro) == (c == colonnaDomenica), dove);
    }
    for (std::int16_t d = 1; d <= 31; ++d) {
      const bool domenica = (d - 1) % 7 + 1 == colonnaDomenica;
      QVERIFY2(f.cella(lblGiorni(d)).ForeColor() == (domenica ? kRossoScuro : kNero), dove);
    }
    QVERIFY2(f.form.giorniMostrati() == m.celleMostrate(), dove);
    const std::string atteso = riga({m.anno(), m.mese, m.giorno}, m.settimana());
    QVERIFY2(f[lblNomeCompleto] == atteso,
             dove + ": " + QByteArray::fromStdString(f[lblNomeCompleto]));
  }
};

QTEST_MAIN(TestSoak)
#include "soak_test.moc"
