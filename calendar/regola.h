#pragma once

#include <array>
#include <bitset>
#include <cstdint>

#include "tabelle.h"

// The one calendar rule, asked by the window's engine and by the terminal alike. Every
// piece is constexpr: it runs on every click and every line, and the dates of history
// at the end of this file are checked while it compiles.
namespace almanacco {

// The calendar a date is written in. Italy dated by the Julian calendar up to Thursday
// 4 October 1582 and by the Gregorian one from the next day, Friday 15 October 1582:
// the ten days between never existed. Years before the first century the window offers
// (a date read without its century) are Julian too, as every year before 1582.
enum class Stile : std::uint8_t { Giuliano, Gregoriano };

namespace riforma {
inline constexpr int kAnno = 1582, kMese = 10;
inline constexpr int kUltimoGiuliano = 4, kPrimoGregoriano = 15;
inline constexpr int kSaltati = kPrimoGregoriano - kUltimoGiuliano - 1;  // 10 days
}  // namespace riforma

// The calendar whose weekdays a month's header shows: Gregorian from October 1582,
// whose days 15 to 31 are the reformed ones, Julian before.
constexpr Stile stileDelMese(int anno, int mese) {
  const bool prima = anno < riforma::kAnno || (anno == riforma::kAnno && mese < riforma::kMese);
  return prima ? Stile::Giuliano : Stile::Gregoriano;
}

constexpr bool bisestile(int anno, Stile stile) {
  if (anno % 4 != 0) return false;
  return stile == Stile::Giuliano || anno % 100 != 0 || anno % 400 == 0;
}

namespace dettaglio {
// Division that rounds down, so that the counts hold for years before year 1 too.
constexpr int giù(int a, int b) {
  return a / b - (a % b != 0 && (a < 0) != (b < 0) ? 1 : 0);
}
constexpr Giorno aPartireDa(int primo, int giorni) {
  return static_cast<Giorno>(((primo + giorni) % 7 + 7) % 7);
}
}  // namespace dettaglio

// The weekday of 1 January of the year, counted in the given calendar: days from
// 1 January of year 1, which was a Saturday by the Julian count and a Monday by the
// Gregorian one.
constexpr Giorno primoGennaio(int anno, Stile stile) {
  using dettaglio::giù;
  const int passati = anno - 1;
  int giorni = 365 * passati + giù(passati, 4);
  if (stile == Stile::Gregoriano) giorni += giù(passati, 400) - giù(passati, 100);
  return dettaglio::aPartireDa(stile == Stile::Giuliano ? settimana::S : settimana::L, giorni);
}

// The years the window offers, from the first century cell to the last.
inline constexpr int kPrimoAnno = 1500, kUltimoAnno = 2299;
// The years a date from the terminal may have: every year of the era with four digits,
// by the same rule (Julian before the reform, however far back).
inline constexpr int kPrimoAnnoStorico = 1, kUltimoAnnoStorico = 9999;

namespace dettaglio {
// The row of the table that is the year's own kind in the given calendar.
constexpr std::uint8_t rigaDelTipo(int anno, Stile stile) {
  return kRigaDelTipo[bisestile(anno, stile)][primoGennaio(anno, stile)];
}
// The same rows for every year the window offers, in the calendar of its January, worked
// out while compiling: a line from the terminal looks its year up.
inline constexpr auto kRigheDegliAnni = [] {
  std::array<std::uint8_t, kUltimoAnno - kPrimoAnno + 1> righe{};
  for (int anno = kPrimoAnno; anno <= kUltimoAnno; ++anno)
    righe[static_cast<std::size_t>(anno - kPrimoAnno)] = rigaDelTipo(anno, stileDelMese(anno, 1));
  return righe;
}();
}  // namespace dettaglio

// The weekday of the 1st of the month in the calendar its header shows, read off the
// row of the table that is the year's own kind in that calendar.
constexpr Giorno primoDelMese(int anno, int mese) {
  const Stile stile = stileDelMese(anno, mese);
  const bool contato = anno >= kPrimoAnno && anno <= kUltimoAnno && stile == stileDelMese(anno, 1);
  const auto riga = contato
                        ? dettaglio::kRigheDegliAnni[static_cast<std::size_t>(anno - kPrimoAnno)]
                        : dettaglio::rigaDelTipo(anno, stile);
  return kTipiAnno[riga].primoDelMese[static_cast<std::size_t>(mese - 1)];
}

// The days a month had: bit d stands for day d (bit 0 is never set).
using GiorniDelMese = std::bitset<32>;

namespace dettaglio {
constexpr unsigned long long primiGiorni(int ultimo) {
  return ultimo <= 0 ? 0 : ((1ULL << (ultimo < 31 ? ultimo : 31)) - 1) << 1;
}
}  // namespace dettaglio

// The days 1 to `ultimo`.
constexpr GiorniDelMese finoAl(int ultimo) {
  return dettaglio::primiGiorni(ultimo);
}
inline constexpr GiorniDelMese kTuttiIGiorni = finoAl(31);

constexpr GiorniDelMese giorniDelMese(int anno, int mese) {
  using dettaglio::primiGiorni;
  constexpr int kLunghezze[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (mese < 1 || mese > 12) return {};
  const bool febbraio29 = mese == 2 && bisestile(anno, stileDelMese(anno, mese));
  const auto giorni = primiGiorni(kLunghezze[mese - 1] + (febbraio29 ? 1 : 0));
  if (anno != riforma::kAnno || mese != riforma::kMese) return giorni;
  return giorni &
         ~(primiGiorni(riforma::kPrimoGregoriano - 1) ^ primiGiorni(riforma::kUltimoGiuliano));
}

// The day under whose column the month's header shows the weekday of `giorno`: the day
// itself, but for 1 to 4 October 1582, Julian days under a Gregorian header, whose
// weekday is that of the day ten days on in the header's count.
constexpr int giornoInIntestazione(int anno, int mese, int giorno) {
  const bool giulianoSottoGregoriano = anno == riforma::kAnno && mese == riforma::kMese &&
                                       giorno >= 1 && giorno <= riforma::kUltimoGiuliano;
  return giulianoSottoGregoriano ? giorno + riforma::kSaltati : giorno;
}

// The weekday of a date that existed: the one the month's header shows above it, or
// above its Gregorian twin for 1 to 4 October 1582.
constexpr Giorno giornoDellaSettimana(int anno, int mese, int giorno) {
  // Both terms are whole and small: one unsigned remainder is the weekday, which the
  // terminal works out a million times a second.
  const auto giorni = static_cast<unsigned>(giornoInIntestazione(anno, mese, giorno) - 1);
  return static_cast<Giorno>((primoDelMese(anno, mese) + giorni) % 7U);
}

// Whether a date existed. Every month had its first 28 days but October 1582, so most
// dates need no count of their month's days.
constexpr bool esisteva(int anno, int mese, int giorno) {
  if (mese < 1 || mese > 12 || giorno < 1 || giorno > 31) return false;
  if (giorno <= 28 && (anno != riforma::kAnno || mese != riforma::kMese)) return true;
  const GiorniDelMese giorni = giorniDelMese(anno, mese);
  return giorni[static_cast<std::size_t>(giorno)];
}

// Days of history, checked as this compiles.
static_assert(giornoDellaSettimana(1582, 10, 4) == settimana::G);
static_assert(giornoDellaSettimana(1582, 10, 15) == settimana::V);
static_assert(giornoDellaSettimana(1900, 1, 1) == settimana::L);
static_assert(esisteva(1582, 10, 4) && !esisteva(1582, 10, 5) && !esisteva(1582, 10, 14) &&
              esisteva(1582, 10, 15));
static_assert(esisteva(1500, 2, 29) && !esisteva(1700, 2, 29));

}  // namespace almanacco
