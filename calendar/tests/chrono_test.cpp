// Whole ranges of dates checked against std::chrono's Gregorian calendar, which knows
// nothing of the 28-year cycle.
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "motore.h"

namespace almanacco::prova {
namespace {

using namespace std::chrono;
using namespace nomi;

constexpr const char* kAbbr[] = {"L", "Ma", "Me", "G", "V", "S", "D"};
constexpr const char* kNomi[] = {"Lunedì",  "Martedì", "Mercoledì", "Giovedì",
                                 "Venerdì", "Sabato",  "Domenica"};
constexpr const char* kMesi[] = {"Gennaio",   "Febbraio", "Marzo",    "Aprile",
                                 "Maggio",    "Giugno",   "Luglio",   "Agosto",
                                 "Settembre", "Ottobre",  "Novembre", "Dicembre"};

unsigned lunediPrimo(const year_month_day& data) {
  return (weekday{sys_days{data}}.c_encoding() + 6) % 7;
}

// Every year the window offers keeps the weekdays of its 28-year twin 2016 + year mod 28.
TEST(Exhaustive, MonthIndexFollowsTheTwentyEightYearCycle) {
  Motore m;
  for (int anno = 1500; anno <= 2299; ++anno) {
    const int gemello = 2016 + anno % 28;
    m.scrivi(lblAnno, std::to_string(anno));
    for (unsigned mese = 1; mese <= 12; ++mese) {
      m.scrivi(lblMeseSel, std::to_string(mese));
      m.calendario.CalcolaIndice();
      const auto primo = year{gemello} / month{mese} / day{1};
      ASSERT_EQ(m[lblIndice], kAbbr[lunediPrimo(primo)]) << anno << '/' << mese;
      ASSERT_EQ(m[lblRestoAnno], std::to_string(anno % 28));
    }
  }
}

// From 1 March 1900 to 28 February 2100 the cycle is the Gregorian calendar, so the
// result line names the true weekday of every day.
TEST(Exhaustive, ResultLineIsGregorianFromMarch1900ToFebruary2100) {
  Motore m;
  const sys_days primo = year{1900} / March / 1;
  const sys_days ultimo = year{2100} / February / 28;
  int giorni = 0;
  for (sys_days d = primo; d <= ultimo; d += days{1}) {
    const year_month_day data{d};
    const int anno = static_cast<int>(data.year());
    const auto mese = static_cast<unsigned>(data.month());
    const auto giorno = std::to_string(static_cast<unsigned>(data.day()));
    m.scrivi({{lblSecoloSel, std::to_string(anno / 100 - 14)},
              {lblDecineSel, std::to_string(anno / 10 % 10)},
              {lblUnitàSel, std::to_string(anno % 10)},
              {lblMeseSel, std::to_string(mese)},
              {lblGiornoSel, giorno},
              {lblFinale(0), giorno},
              {lblFinale(1), kMesi[mese - 1]}});
    m.catena();
    const std::string atteso = giorno + " " + kMesi[mese - 1] + " " + std::to_string(anno) + ": " +
                               kNomi[lunediPrimo(data)];
    ASSERT_EQ(m[lblNomeCompleto], atteso);
    ++giorni;
  }
  EXPECT_EQ(giorni, 200 * 365 + 49);  // 49 leap days, 1904 to 2096
}

}  // namespace
}  // namespace almanacco::prova
