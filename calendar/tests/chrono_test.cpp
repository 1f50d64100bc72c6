// Every day against the real calendar as the tests know it, in the order of time: the line
// the terminal writes for it, its weekday running on from the day before, every day a
// month lacks refused, and, for the days the window offers, 1 January 1500 to
// 31 December 2299, the window's result line and the day cells of every month. Italy's
// calendar is walked from the year 1 to 9999, its answers read back as well; each count
// throughout where it is not Italy's; every place of the table from the year before its
// change to the year after.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "luoghi.h"
#include "motore.h"
#include "reale.h"
#include "risposta.h"
#include "tratti.h"

namespace almanacco::prova {
namespace {

using namespace nomi;

// A date as typed, with years before 100 given the leading zeros that make them whole
// (15/6/0057); written into `testo`, whose room is kept from day to day.
const std::string& scritta(std::string& testo, Data d) {
  testo.clear();
  aggiungiNumero(testo, d.giorno);
  testo += '/';
  aggiungiNumero(testo, d.mese);
  testo += '/';
  aggiungiNumero(testo, d.anno, 3);
  return testo;
}

// One place's calendar walked a day at a time, as the test counts its stretches.
class Percorso {
 public:
  // With `ritorno`, every answer is read back too.
  explicit Percorso(const Luogo& luogo, bool ritorno = false)
      : datazione_{&luogo, Stile::Comune},
        tratti_(trattiDi(luogo)),
        ritorno_(ritorno),
        motore_(luogo.conto) {}

  // Every day of the years `primo` to `ultimo` that one of the place's stretches has.
  void anni(int primo, int ultimo) {
    const long fine = numeroGiuliano(ultimo + 1, 1, 1) + 20;
    for (long n = numeroGiuliano(primo, 1, 1) - 20; n <= fine; ++n) {
      const auto d = dataNelLuogo(tratti_, n);
      if (!d || d->anno < primo || d->anno > ultimo) continue;
      giorno(n, *d);
      if (::testing::Test::HasFatalFailure()) return;
    }
    fineDelMese();
  }

  long giorniDellaFinestra() const { return giorniDellaFinestra_; }
  long giorni() const { return giorniPercorsi_; }

 private:
  void giorno(long n, const Data& d) {
    ++giorniPercorsi_;
    if (d.mese != mese_.mese || d.anno != mese_.anno) nuovoMese(d);
    if (::testing::Test::HasFatalFailure()) return;
    giorni_.set(static_cast<std::size_t>(d.giorno));

    // The engine's weekday runs on from the day before, across a change too.
    const Giorno settimana =
        giornoDellaSettimana(d.anno, d.mese, d.giorno, datazione_.luogo->conto);
    if (n == ieri_ + 1) {
      ASSERT_EQ(settimana, (settimanaDiIeri_ + 1) % 7) << scritta_;
    }
    ieri_ = n;
    settimanaDiIeri_ = settimana;

    // The strings keep their room from day to day: a walk of millions of days allocates
    // nothing, which under the sanitizers is most of its time.
    atteso_.clear();
    aggiungiRiga(atteso_, d, settimanaDi(n));
    atteso_ += '\n';
    const std::string_view riga(atteso_.data(), atteso_.size() - 1);
    risposta_.clear();
    ASSERT_EQ(rispondi(scritta(scritta_, d), risposta_, datazione_).esito, Esito::Data) << scritta_;
    ASSERT_EQ(risposta_, atteso_);
    if (ritorno_) {
      // The answer read back gives itself again; a year of one or two digits, as the
      // answers write the first 99 years, is refused as cut short.
      risposta_.clear();
      ASSERT_EQ(rispondi(riga, risposta_, datazione_).esito,
                d.anno >= 100 ? Esito::Data : Esito::AnnoIncompleto)
          << riga;
      ASSERT_EQ(risposta_, d.anno >= 100 ? atteso_ : "");
    }
    if (!finestra_) return;
    ++giorniDellaFinestra_;
    motore_.scrivi(
        {{lblGiornoSel, std::to_string(d.giorno)}, {lblFinale(0), std::to_string(d.giorno)}});
    motore_.calendario.ScriviRisultato();
    ASSERT_EQ(motore_[lblNomeCompleto], riga);
  }

  // The window's road: a month is laid out once, then every day of it is a day click.
  void nuovoMese(const Data& d) {
    fineDelMese();
    mese_ = d;
    giorni_.reset();
    finestra_ = d.anno >= kPrimoAnno && d.anno <= kUltimoAnno;
    if (!finestra_) return;
    motore_.scrivi({{lblSecoloSel, std::to_string(d.anno / 100 - 14)},
                    {lblDecineSel, std::to_string(d.anno / 10 % 10)},
                    {lblUnitàSel, std::to_string(d.anno % 10)},
                    {lblMeseSel, std::to_string(d.mese)},
                    {lblFinale(1), kMesi[d.mese - 1]}});
    motore_.catena();
  }

  void fineDelMese() {
    if (mese_.anno == 0) return;
    const auto celle = celleDeiGiorni(std::to_string(mese_.anno), std::to_string(mese_.mese),
                                      datazione_.luogo->conto);
    ASSERT_TRUE(celle.has_value());
    ASSERT_EQ(*celle, giorni_) << mese_.mese << '/' << mese_.anno;
    for (int g = 1; g <= 31; ++g) {
      if (giorni_[static_cast<std::size_t>(g)]) continue;
      ASSERT_EQ(leggiData(scritta(scritta_, {mese_.anno, mese_.mese, g}), datazione_).esito,
                Esito::Inesistente)
          << scritta_;
    }
  }

  Datazione datazione_;
  std::vector<Tratto> tratti_;
  bool ritorno_;
  Motore motore_;
  Data mese_{0, 0, 0};
  GiorniDelMese giorni_;
  bool finestra_ = false;
  long ieri_ = LONG_MIN;
  Giorno settimanaDiIeri_ = 0;
  long giorniDellaFinestra_ = 0, giorniPercorsi_ = 0;
  std::string scritta_, atteso_, risposta_;
};

TEST(Exhaustive, EveryDayFromYear1To9999InItalyReadBackAndInEachCountThroughout) {
  Percorso italia(kItaliaLuogo, true);
  italia.anni(1, 9999);
  // 800 years, with a 29 February every fourth year but 1700, 1800, 1900, 2100 and
  // 2200, and without 1582's ten days.
  EXPECT_EQ(italia.giorniDellaFinestra(), 800 * 365 + 200 - 5 - 10);
  // 9999 years: Julian leap years every fourth up to 1580, Gregorian ones from 1584.
  EXPECT_EQ(italia.giorni(), 9999L * 365 + (1580 / 4) + (9996 - 1584) / 4 + 1 - (9900 / 100 - 15) +
                                 (9600 / 400 - 3) - 10);
  // Each count throughout where it is not Italy's: so every day of each count from the
  // year 1 to 9999 is walked once.
  Percorso(*luogoDi("giuliano").luogo).anni(1582, 9999);
  Percorso(*luogoDi("gregoriano").luogo).anni(1, 1582);
}

TEST(Exhaustive, EveryPlaceAcrossEachOfItsChangesReadBack) {
  for (const Luogo& luogo : kLuoghi) {
    SCOPED_TRACE(std::string(luogo.codice));
    // From the year before its first change to the year after its last.
    const ContoDeiGiorni& conto = luogo.conto;
    if (conto.quanti() < 2) continue;
    Percorso(luogo, true).anni(conto[0].ultimo.anno - 1, conto[conto.quanti() - 1].primo.anno + 1);
    if (HasFatalFailure()) return;
  }
}

}  // namespace
}  // namespace almanacco::prova
