#pragma once

#include <array>

#include "regola.h"

// Easter by the two computi of the Church, constexpr and in constant time per year: the
// Julian (Dionysian) one, kept everywhere until the Gregorian reform and by every place
// while it counted Julian days, and the Gregorian one, from the first Easter after the
// reform. Easter is the first Sunday strictly after the paschal limit (luna XIV), the
// limit that falls on or after 21 March, so it falls from 22 March to 25 April (J. Bach,
// Die Osterfest-Berechnung, 1907, p. 20). docs/calendari.md gives every source in full.
namespace almanacco {

// The first year of Dionysius Exiguus's Easter table, which Bede continued and the West
// dated its Easters by (Bede, De temporum ratione, ch. 65): Easter is dated from it on.
inline constexpr int kPrimaPasquaDionigi = 532;
// The first Easter of the Gregorian computus, after the reform of October 1582.
inline constexpr int kPrimaPasquaGregoriana = 1583;

// The golden number, the year's place in the moon's cycle of 19 years: the year plus 1,
// less the nineteens (Bach, p. 41).
constexpr int numeroDOro(int anno) {
  return (anno % 19 + 19) % 19 + 1;
}

// The solar cycle, the year's place in the 28 years after which the weekdays of the
// Julian calendar repeat: the year plus 9, less the twenty-eights, 28 for none (Bach,
// p. 44).
constexpr int cicloSolare(int anno) {
  const int resto = ((anno + 9) % 28 + 28) % 28;
  return resto == 0 ? 28 : resto;
}

// The weekday of a day number, Monday 0: day 0 of the count, 1 March of the Gregorian
// year 0, was a Wednesday.
constexpr Giorno settimanaDelNumero(long numero) {
  // The days of the era in one remainder without a sign, as a date by feast works out
  // several a line; those before day 0 with the sign's two.
  if (numero >= 0) return static_cast<Giorno>((static_cast<unsigned long>(numero) + 2) % 7);
  return static_cast<Giorno>(((numero + 2) % 7 + 7) % 7);
}

namespace dettaglio {
// The paschal limits of the Julian computus by golden number, 1 to 19: Grotefend's
// table VI, old style (as transcribed by the University of Zürich, Ad fontes).
inline constexpr std::array<Giornata, 19> kLimitiGiuliani{{
    {0, 4, 5},  {0, 3, 25}, {0, 4, 13}, {0, 4, 2},  {0, 3, 22}, {0, 4, 10}, {0, 3, 30},
    {0, 4, 18}, {0, 4, 7},  {0, 3, 27}, {0, 4, 15}, {0, 4, 4},  {0, 3, 24}, {0, 4, 12},
    {0, 4, 1},  {0, 3, 21}, {0, 4, 9},  {0, 3, 29}, {0, 4, 17},
}};

// The Sunday strictly after a day: on the day itself, a week after it.
constexpr long domenicaDopo(long numero) {
  return numero + 7 - (settimanaDelNumero(numero) + 1) % 7;
}

// A day of March as the days from 1 March less one (1 April is 32).
constexpr Giornata daMarzo(int anno, int giorno) {
  return giorno > 31 ? Giornata{anno, 4, giorno - 31} : Giornata{anno, 3, giorno};
}
}  // namespace dettaglio

// The Julian epact as medieval datings give it: the moon's age on 22 March, 11 for each
// golden number after the first, less the thirties; 0 is "epacta nulla" (Bede, De
// temporum ratione, ch. 50; L'arte di verificare le date).
constexpr int epattaGiuliana(int anno) {
  return 11 * (numeroDOro(anno) - 1) % 30;
}

// The Gregorian epact, the moon's age on 1 January, by Clavius's canons: the Julian
// epact of 1 January (11 for each golden number) less the ten days of the reform, less
// the solar equation (the leap days the Gregorian centuries dropped after it, three in
// four), plus the lunar one (eight days in 2500 years: the moon's cycle of 19 years runs
// behind the sky). 0 is written *, or XXX.
constexpr int epattaGregoriana(int anno) {
  const int secolo = anno / 100 + 1;
  const int solare = 3 * secolo / 4 - 12;
  const int lunare = (8 * secolo + 5) / 25 - 5;
  return ((11 * numeroDOro(anno) + 20 + lunare - solare) % 30 + 30) % 30;
}

// The paschal limit of the Julian computus, a date of the Julian calendar.
constexpr Giornata limitePasqualeGiuliano(int anno) {
  Giornata limite = dettaglio::kLimitiGiuliani[static_cast<std::size_t>(numeroDOro(anno) - 1)];
  limite.anno = anno;
  return limite;
}

// The paschal limit of the Gregorian computus: luna XIV, 44 days from 1 March less the
// epact, a month on where that falls before 21 March. Two epacts move it back a day, so
// that a limit falls on 18 April only once in a cycle of 19 years and never on the 19th:
// 24 always, 25 in the years of golden number 12 on (Bach, pp. 42 and 45).
constexpr Giornata limitePasqualeGregoriano(int anno) {
  const int epatta = epattaGregoriana(anno);
  const bool indietro = epatta == 24 || (epatta == 25 && numeroDOro(anno) > 11);
  int giorno = 44 - epatta - (indietro ? 1 : 0);
  if (giorno < 21) giorno += 30;
  return dettaglio::daMarzo(anno, giorno);
}

// Easter Sunday in one computus: its date in that computus's calendar and its day number,
// counted from the paschal limit as days of March (1 April is the 32nd).
struct DomenicaDiPasqua {
  Giornata data;
  long numero;
};
// Easter Sunday's day number in one computus, from the day number `marzo` of the year's
// 1 March in that computus's count: the Sunday after the paschal limit.
constexpr long pasquaDaMarzo(int anno, Computo computo, long marzo) {
  const Giornata l = base(computo) == Computo::Gregoriano ? limitePasqualeGregoriano(anno)
                                                          : limitePasqualeGiuliano(anno);
  return dettaglio::domenicaDopo(marzo + (l.mese == 3 ? l.giorno : l.giorno + 31) - 1);
}
constexpr DomenicaDiPasqua pasquaNelComputo(int anno, Computo computo) {
  const long marzo = numeroDelGiorno(anno, 3, 1, base(computo));
  const long domenica = pasquaDaMarzo(anno, computo, marzo);
  return {dettaglio::daMarzo(anno, static_cast<int>(domenica - marzo) + 1), domenica};
}
// Whether a year is before the first its computus gives Easter for: Dionysius's tables
// for the Julian, 1583 for the Gregorian.
constexpr bool primaDelComputo(int anno, Computo computo) {
  return base(computo) == Computo::Gregoriano ? anno < kPrimaPasquaGregoriana
                                              : anno < kPrimaPasquaDionigi;
}

// Easter by the Julian computus, a date of the Julian calendar.
constexpr Giornata pasquaGiuliana(int anno) {
  return pasquaNelComputo(anno, Computo::Giuliano).data;
}

// Easter by the Gregorian computus, a date of the Gregorian calendar.
constexpr Giornata pasquaGregoriana(int anno) {
  return pasquaNelComputo(anno, Computo::Gregoriano).data;
}

// Easter of a year in one count, Julian (Sweden's dates are the Julian Easter's day) or
// Gregorian.
constexpr Giornata pasquaNel(int anno, Computo computo) {
  return pasquaNelComputo(anno, computo).data;
}

// The calendar of the 35 that a year follows in Cappelli's and Grotefend's tables, one
// for each day Easter may fall on: 1 for 22 March to 35 for 25 April.
constexpr int calendarioDelleFeste(const Giornata& pasqua) {
  return pasqua.mese == 3 ? pasqua.giorno - 21 : pasqua.giorno + 10;
}

// Weekdays: day 0 was a Wednesday by the rule's own count.
static_assert(settimanaDelNumero(numeroDelGiorno(1582, 10, 15, Computo::Gregoriano)) ==
                  giornoDellaSettimana(1582, 10, 15, kItalia) &&
              settimanaDelNumero(numeroDelGiorno(800, 12, 25, Computo::Giuliano)) ==
                  giornoDellaSettimana(800, 12, 25, kItalia));
// Worked cases: 1282, golden number 10, limit 27 March, Easter 29 March (Bach, p. 61);
// 1957, epact XXIX, limit 14 April, a Sunday, so Easter the 21st (Bach, p. 42); 1666,
// limit 18 April, a Sunday, Easter 25 April (van Gent, after Meeus).
static_assert(numeroDOro(1282) == 10 && cicloSolare(1282) == 3 && epattaGiuliana(1282) == 9);
static_assert(limitePasqualeGiuliano(1282) == Giornata{1282, 3, 27} &&
              pasquaGiuliana(1282) == Giornata{1282, 3, 29});
static_assert(epattaGregoriana(1957) == 29 &&
              limitePasqualeGregoriano(1957) == Giornata{1957, 4, 14} &&
              pasquaGregoriana(1957) == Giornata{1957, 4, 21});
static_assert(pasquaGregoriana(1666) == Giornata{1666, 4, 25} &&
              calendarioDelleFeste({0, 3, 22}) == 1 && calendarioDelleFeste({0, 4, 25}) == 35);

}  // namespace almanacco
