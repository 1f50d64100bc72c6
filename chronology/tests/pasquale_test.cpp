// The Easter style, every day: France's years from Easter until 1566, and the style asked
// until its last year, against Easter counted here (Meeus's Julian rule). A day written so
// twice in its year is refused with both readings and read with the common year stated;
// every answer reads back as its day.
#include <gtest/gtest.h>

#include <string>

#include "luoghi.h"
#include "motivi.h"
#include "reale.h"
#include "risposta.h"

namespace almanacco::prova {
namespace {

// Easter of a year as its Julian date's key, month and day.
int pasqua(int y) {
  const int a = y % 4, b = y % 7, c = y % 19;
  const int d = (19 * c + 15) % 30, e = (2 * a + 4 * b - d + 34) % 7;
  return ((d + e + 114) / 31) * 32 + (d + e + 114) % 31 + 1;
}

std::string scritta(const Data& d, int anno) {
  return std::to_string(d.giorno)
      .append("/")
      .append(std::to_string(d.mese))
      .append("/")
      .append(std::to_string(anno));
}

// Every day of the years, in the style that runs up to `ultimo`, Easter to Easter.
void ogniGiorno(const Datazione& datazione, int da, int ultimo) {
  for (long n = numeroGiuliano(da, 1, 1); n <= numeroGiuliano(ultimo, 12, 31); ++n) {
    const Data d = giuliana(n);
    const int chiave = d.mese * 32 + d.giorno;
    // Posticipato: before Easter the day carries the year before.
    const int anno = chiave >= pasqua(d.anno) ? d.anno : d.anno - 1;
    // The same day and month of the other year that the written year covers.
    const bool doppia =
        anno == d.anno ? chiave < pasqua(anno + 1) && anno + 1 <= ultimo : chiave >= pasqua(anno);
    const Lettura l = leggiData(scritta(d, anno), datazione);
    if (doppia) {
      ASSERT_EQ(l.esito, Esito::StileAmbiguo) << scritta(d, anno);
      const int altro = anno == d.anno ? anno + 1 : anno;
      EXPECT_EQ(std::min(l.data.annoComune, l.altroAnno), std::min(d.anno, altro));
      EXPECT_EQ(std::max(l.data.annoComune, l.altroAnno), std::max(d.anno, altro));
    } else {
      ASSERT_EQ(l.esito, Esito::Data) << scritta(d, anno);
      ASSERT_EQ(l.data.annoComune, d.anno) << scritta(d, anno);
    }
    // With the common year stated, always the one day; its answer reads back as it.
    std::string risposta;
    const Lettura detta =
        rispondi(scritta(d, anno).append(" (").append(std::to_string(d.anno)).append(")"), risposta,
                 datazione);
    ASSERT_EQ(detta.esito, Esito::Data) << scritta(d, anno);
    std::string attesa = riga({anno, d.mese, d.giorno}, settimanaDi(n));
    if (anno != d.anno || doppia)
      attesa.insert(attesa.find(':'), std::string(" (").append(std::to_string(d.anno)).append(")"));
    ASSERT_EQ(risposta, attesa + '\n');
    const Lettura riletta = leggiData(attesa, datazione);
    ASSERT_EQ(riletta.esito, Esito::Data) << risposta;
    ASSERT_EQ(riletta.data.annoComune, d.anno) << risposta;
  }
}

TEST(StilePasquale, FrancesYearsFromEasterUntil1566) {
  ogniGiorno({luogoDi("FR").luogo, {}}, 1000, 1566);
}

TEST(StilePasquale, TheStyleAskedUntilItsLastYear) {
  ogniGiorno({&kItaliaLuogo, Stile::Pasquale}, 1300, 1575);
}

// France from 1567 counted from 1 January; the year 1566 ran from Easter to 31 December.
TEST(StilePasquale, FranceAfterTheEdictOfRoussillon) {
  const Datazione francia{luogoDi("FR").luogo, {}};
  EXPECT_EQ(leggiData("10/2/1567", francia).data.annoComune, 1567);
  EXPECT_EQ(messaggio("10/2/1566", leggiData("10/2/1566", francia), francia),
            "\"10/2/1566\": in Francia il 10 febbraio 1566 non è una data di nessuno stile in "
            "uso: nello stile pasquale (fino al 1566) sarebbe del 1567; nello stile comune (dal "
            "1567) sarebbe del 1566");
  const Datazione pasquale{&kItaliaLuogo, Stile::Pasquale};
  EXPECT_EQ(messaggio("5/4/1567", leggiData("5/4/1567", pasquale), pasquale),
            "\"5/4/1567\": nello stile pasquale il 5 aprile 1567 può essere del 1567 (dalla "
            "Pasqua) o del 1568 (prima della Pasqua): scrivere 5/4/1567 (1567) o 5/4/1567 (1568)");
  EXPECT_EQ(messaggio("20/4/1565", leggiData("20/4/1565", pasquale), pasquale),
            "\"20/4/1565\": nello stile pasquale l'anno 1565 va dal 22 aprile 1565 al 13 aprile "
            "1566: non ha un 20 aprile");
  EXPECT_EQ(leggiData("1/1/1580", pasquale).esito, Esito::StileFinito);
}

}  // namespace
}  // namespace almanacco::prova
