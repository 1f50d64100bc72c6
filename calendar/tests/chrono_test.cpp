// Every day of years 1 to 9999 against the real calendar as the tests know it: the line
// the terminal writes for every day, and every day a month lacks refused; for the days
// the window offers, 1 January 1500 to 31 December 2299, the window's result line and
// the day cells of every month too.
#include <gtest/gtest.h>

#include <string>

#include "motore.h"
#include "reale.h"
#include "risposta.h"

namespace almanacco::prova {
namespace {

using namespace nomi;

// Years before 100 with the leading zeros that make them whole (15/6/0057).
std::string scritta(Data d) {
  const std::string anno = std::to_string(d.anno);
  return std::to_string(d.giorno) + '/' + std::to_string(d.mese) + '/' +
         std::string(anno.size() < 3 ? 3 - anno.size() : 0, '0') + anno;
}

// The window's road: a month is laid out once, then every day of it is a day click.
TEST(Exhaustive, EveryDayFromYear1To9999IsTheRealCalendars) {
  Motore m;
  const long primo = numeroGiuliano(1, 1, 1);
  const long ultimo = numeroDi({9999, 12, 31});
  const long primoDellaFinestra = numeroGiuliano(1500, 1, 1);
  const long ultimoDellaFinestra = numeroDi({2299, 12, 31});
  Data mese{0, 0, 0};
  GiorniDelMese giorni;
  long giorniDellaFinestra = 0;
  const auto fineDelMese = [&] {
    if (mese.anno == 0) return;
    const auto celle = celleDeiGiorni(std::to_string(mese.anno), std::to_string(mese.mese));
    ASSERT_TRUE(celle.has_value());
    ASSERT_EQ(*celle, giorni) << mese.mese << '/' << mese.anno;
    for (int g = 1; g <= 31; ++g) {
      if (giorni[static_cast<std::size_t>(g)]) continue;
      ASSERT_EQ(leggiData(scritta({mese.anno, mese.mese, g})).esito, Esito::Inesistente);
    }
  };
  for (long n = primo; n <= ultimo; ++n) {
    const Data d = dataDi(n);
    const bool finestra = n >= primoDellaFinestra && n <= ultimoDellaFinestra;
    if (d.mese != mese.mese) {
      fineDelMese();
      mese = d;
      giorni.reset();
      if (finestra) {
        m.scrivi({{lblSecoloSel, std::to_string(d.anno / 100 - 14)},
                  {lblDecineSel, std::to_string(d.anno / 10 % 10)},
                  {lblUnitàSel, std::to_string(d.anno % 10)},
                  {lblMeseSel, std::to_string(d.mese)},
                  {lblFinale(1), kMesi[d.mese - 1]}});
        m.catena();
      }
    }
    giorni.set(static_cast<std::size_t>(d.giorno));
    const std::string atteso = riga(d, settimanaDi(n));
    if (finestra) {
      ++giorniDellaFinestra;
      m.scrivi(
          {{lblGiornoSel, std::to_string(d.giorno)}, {lblFinale(0), std::to_string(d.giorno)}});
      m.calendario.ScriviRisultato();
      ASSERT_EQ(m[lblNomeCompleto], atteso);
    }
    std::string terminale;
    ASSERT_EQ(rispondi(scritta(d), terminale), Esito::Data) << scritta(d);
    ASSERT_EQ(terminale, atteso + '\n');
  }
  fineDelMese();
  // 800 years, with a 29 February every fourth year but 1700, 1800, 1900, 2100 and
  // 2200, and without 1582's ten days.
  EXPECT_EQ(giorniDellaFinestra, 800 * 365 + 200 - 5 - 10);
  // 9999 years: Julian leap years every fourth up to 1580, Gregorian ones from 1584.
  EXPECT_EQ(ultimo - primo + 1, 9999L * 365 + (1580 / 4) + (9996 - 1584) / 4 + 1 -
                                    (9900 / 100 - 15) + (9600 / 400 - 3) - 10);
}

}  // namespace
}  // namespace almanacco::prova
