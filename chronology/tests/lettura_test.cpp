// Every form a date is read in, and what is refused, in one table: the date each gives,
// or why it gives none.
#include <gtest/gtest.h>

#include "lettura.h"
#include "motivi.h"

namespace almanacco::prova {
namespace {

TEST(Lettura, EachFormAndItsRefusals) {
  constexpr Esito D = Esito::Data, N = Esito::NonUnaData;
  const struct {
    std::string_view testo;
    Esito esito;
    int giorno = 15, mese = 6, anno = 1957;
  } casi[] = {
      // figures, ISO, and the year as the answers write it
      {"15/6/1957", D},
      {"15-06-1957", D},
      {"15.6.1957", D},
      {"1957-06-15", D},
      {"25/12/800", D, 25, 12, 800},
      {"15/6-1957", N},
      {"15 6 1957", N},
      {"800-12-25", N},
      {"15/6/57", Esito::AnnoIncompleto},
      {"15/6/01957", N},
      {"1/1/10000", Esito::FuoriAnni},
      // the month in words, in any case, blanks and tabs between the parts
      {"15 giugno 1957", D},
      {"15 GIUGNO 1957", D},
      {"15 Giu 1957", D},
      {"15 giu 1957", D},
      {"15 \t giugno\t\t1957", D},
      {"  15 giugno 1957\r", D},
      {"15giugno 1957", N},
      {"15/giugno/1957", N},
      {"15 giugn 1957", N},
      {"15 giugno, 1957", N},
      {"1° gennaio 1600", D, 1, 1, 1600},
      {"1º gennaio 1600", D, 1, 1, 1600},
      {"2° gennaio 1600", N},
      {"01° gennaio 1600", N},
      {"31 febbraio 1957", Esito::Inesistente},
      {"15 giugno 57", Esito::AnnoIncompleto},
      {"25 dicembre 800", D, 25, 12, 800},
      // the month in Roman numerals
      {"15/VI/1957", D},
      {"15.VI.1957", D},
      {"15-vi-1957", D},
      {"15 VI 1957", D},
      {"15/IIII/1957", N},
      {"15/XIII/1957", Esito::Inesistente},
      {"15.VI/1957", N},
      {"1.XII.1957", D, 1, 12},
      // a weekday, after a colon as the answers write it, or before the date
      {"15 Giugno 1957: Sabato", D},
      {"15 Giugno 1957 :sabato", D},
      {"15/6/1957: SABATO", D},
      {"Sabato 15 Giugno 1957", D},
      {"sabato, 15 giugno 1957", D},
      {"sabato,15/VI/1957", D},
      {"Sabato, 1957-06-15", D},
      {"1957-06-15: sabato", D},
      {"sabato15 giugno 1957", N},
      {"sabato 15 giugno 1957: sabato", N},
      {"15 giugno 1957:", N},
      {"sabato", N},
      {"lunedì 15 giugno 1957", Esito::SettimanaSbagliata},
      {"15 giugno 1957: domenica", Esito::SettimanaSbagliata},
      {"lunedi 17 giugno 1957", D, 17},
      {"lunedí 17 giugno 1957", D, 17},
      {"LUNEDÌ 17 giugno 1957", D, 17},
      {"lunedìì 17 giugno 1957", N},
      {"lunedè 17 giugno 1957", N},
      // a common year in parentheses, as a style's answers write it
      {"15 Giugno 1957 (1957): Sabato", D},
      {"15 Giugno 1957 (1958)", Esito::AnnoComuneSbagliato},
      {"15 Giugno 1957 (1957", N},
  };
  for (const auto& c : casi) {
    const Lettura l = leggiData(c.testo);
    EXPECT_EQ(l.esito, c.esito) << c.testo;
    if (l.esito != Esito::Data || c.esito != Esito::Data) continue;
    EXPECT_EQ(l.data.giorno, c.giorno) << c.testo;
    EXPECT_EQ(l.data.mese, c.mese) << c.testo;
    EXPECT_EQ(l.data.anno, c.anno) << c.testo;
  }
}

// A stated weekday or common year that the date does not have is named with the true one.
TEST(Lettura, AWrongWeekdayOrCommonYearIsNamed) {
  EXPECT_EQ(messaggio("lunedi 15 giugno 1957", leggiData("lunedi 15 giugno 1957")),
            "\"lunedi 15 giugno 1957\": cade di sabato, non di lunedì");
  const Datazione fiorentino{&kItaliaLuogo, Stile::Fiorentino};
  EXPECT_EQ(messaggio("x", leggiData("26/2/1265 (1265)", fiorentino), fiorentino, 3),
            "riga 3: \"x\": nello stile fiorentino il 26 febbraio 1265 è del 1266, non del 1265");
  // The weekday is that of the calendar and style of the place: London's 30 January 1648.
  EXPECT_EQ(leggiData("martedì 30 gennaio 1648", {luogoDi("GB").luogo, {}}).esito, Esito::Data);
}

}  // namespace
}  // namespace almanacco::prova
