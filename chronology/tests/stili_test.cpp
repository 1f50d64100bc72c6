// The styles of the year at the days they turn, in leap and common years, alone and with
// the calendars of places; weekdays as the real calendar has them (reale.h's rules).
#include <gtest/gtest.h>

#include <string>

#include "luoghi.h"
#include "risposta.h"

namespace almanacco::prova {
namespace {

TEST(Stili, EachYearTurnsOnItsOwnDayInTheCalendarOfItsPlace) {
  const struct {
    std::string_view stile, calendario, data, risposta;  // no answer: a date that never was
  } casi[] = {
      {"natività", "IT", "24/12/1957", "24 Dicembre 1957: Martedì"},
      {"nativita", "IT", "25/12/1958", "25 Dicembre 1958 (1957): Mercoledì"},
      {"natività", "RU", "25/12/1918", "25 Dicembre 1918 (1917): Lunedì"},
      {"fiorentino", "IT", "24/3/1700", "24 Marzo 1700 (1701): Giovedì"},
      {"fiorentino", "IT", "25/3/1700", "25 Marzo 1700: Giovedì"},
      {"fiorentino", "IT", "28/2/1699", "28 Febbraio 1699 (1700): Domenica"},
      {"fiorentino", "IT", "29/2/1699", ""},
      {"fiorentino", "GB", "29/2/1699", "29 Febbraio 1699 (1700): Giovedì"},
      {"fiorentino", "IT", "29/2/1703", "29 Febbraio 1703 (1704): Venerdì"},
      {"fiorentino", "GB", "30/1/1648", "30 Gennaio 1648 (1649): Martedì"},
      {"fiorentino", "GB", "24/3/1750", "24 Marzo 1750 (1751): Domenica"},
      {"pisano", "IT", "24/3/1458", "24 Marzo 1458: Venerdì"},
      {"pisano", "IT", "25/3/1458", "25 Marzo 1458 (1457): Venerdì"},
      {"veneto", "IT", "28/2/1706", "28 Febbraio 1706 (1707): Lunedì"},
      {"veneto", "IT", "1/3/1706", "1 Marzo 1706: Lunedì"},
      {"veneto", "IT", "29/2/1707", "29 Febbraio 1707 (1708): Mercoledì"},
      {"veneto", "IT", "29/2/1706", ""},
      {"bizantino", "IT", "31/8/1958", "31 Agosto 1958: Domenica"},
      {"bizantino", "IT", "1/9/1958", "1 Settembre 1958 (1957): Domenica"},
      {"comune", "IT", "31/12/1957", "31 Dicembre 1957: Martedì"},
  };
  for (const auto& c : casi) {
    const Datazione datazione{luogoDi(c.calendario).luogo, stileDi(c.stile)->stile};
    std::string risposta;
    const Esito esito = rispondi(c.data, risposta, datazione).esito;
    EXPECT_EQ(esito, c.risposta.empty() ? Esito::Inesistente : Esito::Data)
        << c.stile << ' ' << c.data;
    EXPECT_EQ(risposta, c.risposta.empty() ? "" : std::string(c.risposta) + '\n')
        << c.stile << ' ' << c.calendario << ' ' << c.data;
  }
}

// A style that turns the year past the era's ends: the written year is in it, the common
// one is not.
TEST(Stili, ACommonYearOutsideTheEraIsOutsideTheCalendar) {
  for (const auto& [stile, data] : {std::pair{"fiorentino", "1/1/9999"},
                                    {"pisano", "25/3/001"},
                                    {"natività", "31/12/001"},
                                    {"bizantino", "1/9/0001"}})
    EXPECT_EQ(leggiData(data, {&kItaliaLuogo, stileDi(stile)->stile}).esito, Esito::FuoriAnni)
        << stile;
}

}  // namespace
}  // namespace almanacco::prova
