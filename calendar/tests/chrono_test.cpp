// Every day the window offers, 1 January 1500 to 31 December 2299, against the real
// calendar as the tests know it: the result line of every day, the same line from the
// terminal, and the day cells of every month, whose missing days the terminal refuses.
#include <gtest/gtest.h>

#include <string>

#include "motore.h"
#include "reale.h"
#include "risposta.h"

namespace almanacco::prova {
namespace {

using namespace nomi;

std::string scritta(Data d) {
  return std::to_string(d.giorno) + '/' + std::to_string(d.mese) + '/' + std::to_string(d.anno);
}

// The window's road: a month is laid out once, then every day of it is a day click.
TEST(Exhaustive, EveryDayFrom1500To2299IsTheRealCalendars) {
  Motore m;
  const long primo = numeroGiuliano(1500, 1, 1);
  const long ultimo = numeroDi({2299, 12, 31});
  Data mese{0, 0, 0};
  GiorniDelMese giorni;
  const auto fineDelMese = [&] {
    if (mese.anno == 0) return;
    const auto celle = celleDeiGiorni(std::to_string(mese.anno), std::to_string(mese.mese));
    ASSERT_TRUE(celle.has_value());
    EXPECT_EQ(*celle, giorni) << mese.mese << '/' << mese.anno;
    for (int g = 1; g <= 31; ++g) {
      if (giorni[static_cast<std::size_t>(g)]) continue;
      ASSERT_EQ(leggiData(scritta({mese.anno, mese.mese, g})).esito, Esito::Inesistente);
    }
  };
  for (long n = primo; n <= ultimo; ++n) {
    const Data d = dataDi(n);
    if (d.mese != mese.mese) {
      fineDelMese();
      mese = d;
      giorni.reset();
      m.scrivi({{lblSecoloSel, std::to_string(d.anno / 100 - 14)},
                {lblDecineSel, std::to_string(d.anno / 10 % 10)},
                {lblUnitàSel, std::to_string(d.anno % 10)},
                {lblMeseSel, std::to_string(d.mese)},
                {lblFinale(1), kMesi[d.mese - 1]}});
      m.catena();
    }
    giorni.set(static_cast<std::size_t>(d.giorno));
    m.scrivi({{lblGiornoSel, std::to_string(d.giorno)}, {lblFinale(0), std::to_string(d.giorno)}});
    m.calendario.ScriviRisultato();
    ASSERT_EQ(m[lblNomeCompleto], riga(d, settimanaDi(n)));
    const Lettura lettura = leggiData(scritta(d));
    ASSERT_EQ(lettura.esito, Esito::Data);
    std::string terminale;
    aggiungiRisposta(terminale, lettura.data);
    ASSERT_EQ(terminale, m[lblNomeCompleto] + '\n');
  }
  fineDelMese();
  // 800 years, with a 29 February every fourth year but 1700, 1800, 1900, 2100 and
  // 2200, and without 1582's ten days.
  EXPECT_EQ(ultimo - primo + 1, 800 * 365 + 200 - 5 - 10);
}

}  // namespace
}  // namespace almanacco::prova
