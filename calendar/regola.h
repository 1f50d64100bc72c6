#pragma once

#include <bitset>
#include <cstdint>

#include "tabelle.h"

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
Stile stileDelMese(int anno, int mese);

bool bisestile(int anno, Stile stile);

// The weekday of 1 January of the year, counted in the given calendar.
Giorno primoGennaio(int anno, Stile stile);

// The weekday of the 1st of the month in the calendar its header shows, read off the
// row of the table that is the year's own kind in that calendar.
Giorno primoDelMese(int anno, int mese);

// The days a month had: bit d stands for day d (bit 0 is never set).
using GiorniDelMese = std::bitset<32>;
// The days 1 to `ultimo`.
inline GiorniDelMese finoAl(int ultimo) {
  GiorniDelMese giorni;
  for (int d = 1; d <= ultimo && d < 32; ++d) giorni.set(static_cast<std::size_t>(d));
  return giorni;
}
inline const GiorniDelMese kTuttiIGiorni = finoAl(31);
GiorniDelMese giorniDelMese(int anno, int mese);

// The day under whose column the month's header shows the weekday of `giorno`: the day
// itself, but for 1 to 4 October 1582, Julian days under a Gregorian header, whose
// weekday is that of the day ten days on in the header's count.
int giornoInIntestazione(int anno, int mese, int giorno);

// The weekday of a date that existed: the one the month's header shows above it, or
// above its Gregorian twin for 1 to 4 October 1582.
Giorno giornoDellaSettimana(int anno, int mese, int giorno);

}  // namespace almanacco
