#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <optional>

#include "tabelle.h"

// The one calendar rule, asked by the window's engine and by the terminal alike, for a
// calendar given as a value. Every piece is constexpr: it runs on every click and every
// line, and the dates of history at the end of this file are checked while it compiles.
namespace almanacco {

// The two counts of days: a leap year every fourth year (Julian), or every fourth but
// the centuries that 400 does not divide (Gregorian).
enum class Computo : std::uint8_t { Giuliano, Gregoriano };

// A day as its calendar writes it.
struct Giornata {
  int anno, mese, giorno;
  friend constexpr bool operator==(const Giornata&, const Giornata&) = default;
};

namespace dettaglio {
// A date as one number that grows with it, so that two dates compare at once.
constexpr int chiave(int anno, int mese, int giorno) {
  return anno * 512 + mese * 32 + giorno;
}
constexpr int chiave(const Giornata& g) {
  return chiave(g.anno, g.mese, g.giorno);
}
}  // namespace dettaglio

// The calendar of a place: Julian up to its last Julian day, Gregorian from its first
// Gregorian day, which came next; the dates between were never written there. With the
// last Julian day after the year 9999 it is Julian throughout, with the first Gregorian
// day before the year 1 Gregorian throughout.
class Riforma {
 public:
  constexpr Riforma(Giornata ultimoGiuliano, Giornata primoGregoriano)
      : ultimoGiuliano_(ultimoGiuliano),
        primoGregoriano_(primoGregoriano),
        fineGiuliano_(dettaglio::chiave(ultimoGiuliano)),
        inizioGregoriano_(dettaglio::chiave(primoGregoriano)) {}

  constexpr const Giornata& ultimoGiuliano() const { return ultimoGiuliano_; }
  constexpr const Giornata& primoGregoriano() const { return primoGregoriano_; }

  // The count a written date is in; nothing for a date between the two days.
  constexpr std::optional<Computo> computo(int anno, int mese, int giorno) const {
    const int data = dettaglio::chiave(anno, mese, giorno);
    if (data <= fineGiuliano_) return Computo::Giuliano;
    if (data >= inizioGregoriano_) return Computo::Gregoriano;
    return std::nullopt;
  }

  // The count whose weekdays a month's header shows: Gregorian from the month of the
  // first Gregorian day, whose Julian days, if it has any, are the only exceptions.
  constexpr Computo computoDelMese(int anno, int mese) const {
    return dettaglio::chiave(anno, mese, 31) >= inizioGregoriano_ ? Computo::Gregoriano
                                                                  : Computo::Giuliano;
  }

  // How many days a Julian day of the month of the change stands before its Gregorian
  // twin in that month (10 in Italy's October 1582); 0 where no month holds both.
  constexpr int scarto() const {
    const bool stessoMese = ultimoGiuliano_.anno == primoGregoriano_.anno &&
                            ultimoGiuliano_.mese == primoGregoriano_.mese;
    return stessoMese ? primoGregoriano_.giorno - ultimoGiuliano_.giorno - 1 : 0;
  }

  friend constexpr bool operator==(const Riforma& a, const Riforma& b) {
    return a.ultimoGiuliano_ == b.ultimoGiuliano_ && a.primoGregoriano_ == b.primoGregoriano_;
  }

 private:
  Giornata ultimoGiuliano_, primoGregoriano_;
  int fineGiuliano_, inizioGregoriano_;
};

// Italy's change, the default everywhere: Thursday 4 October 1582, then Friday 15 October.
inline constexpr Riforma kItalia{{1582, 10, 4}, {1582, 10, 15}};
inline constexpr Riforma kSempreGiuliano{{9999, 12, 31}, {10000, 1, 1}};
inline constexpr Riforma kSempreGregoriano{{0, 12, 31}, {1, 1, 1}};

constexpr bool bisestile(int anno, Computo computo) {
  if (anno % 4 != 0) return false;
  return computo == Computo::Giuliano || anno % 100 != 0 || anno % 400 == 0;
}

constexpr int giorniNelMese(int anno, int mese, Computo computo) {
  constexpr int kLunghezze[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return kLunghezze[mese - 1] + (mese == 2 && bisestile(anno, computo) ? 1 : 0);
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

// The weekday of 1 January of the year, in the given count: days from 1 January of
// year 1, which was a Saturday by the Julian count and a Monday by the Gregorian one.
constexpr Giorno primoGennaio(int anno, Computo computo) {
  using dettaglio::giù;
  const int passati = anno - 1;
  int giorni = 365 * passati + giù(passati, 4);
  if (computo == Computo::Gregoriano) giorni += giù(passati, 400) - giù(passati, 100);
  return dettaglio::aPartireDa(computo == Computo::Giuliano ? settimana::S : settimana::L, giorni);
}

// The number of a day, the same in both counts: days from 1 March of the year 0 of the
// Gregorian count, years reckoned from March so that a leap day ends its year. The
// Julian count's own 1 March of the year 0 fell two days earlier.
constexpr long numeroDelGiorno(int anno, int mese, int giorno, Computo computo) {
  using dettaglio::giù;
  const int daMarzo = anno - (mese <= 2 ? 1 : 0);
  const long nellAnno = (153L * (mese > 2 ? mese - 3 : mese + 9) + 2) / 5 + giorno - 1;
  if (computo == Computo::Giuliano) {
    const int quadriennio = giù(daMarzo, 4);
    return 1461L * quadriennio + 365L * (daMarzo - 4 * quadriennio) + nellAnno - 2;
  }
  const int era = giù(daMarzo, 400);
  const int anni = daMarzo - 400 * era;
  return 146097L * era + 365L * anni + anni / 4 - anni / 100 + nellAnno;
}

// The date a day number has in the given count: the inverse of numeroDelGiorno.
constexpr Giornata giornataDi(long numero, Computo computo) {
  long nelCiclo, anni;
  if (computo == Computo::Giuliano) {
    numero += 2;
    const long quadriennio = (numero >= 0 ? numero : numero - 1460) / 1461;
    nelCiclo = numero - 1461 * quadriennio;
    const long nelQuadriennio = (nelCiclo - nelCiclo / 1460) / 365;
    anni = 4 * quadriennio + nelQuadriennio;
    nelCiclo -= 365 * nelQuadriennio;
  } else {
    const long era = (numero >= 0 ? numero : numero - 146096) / 146097;
    nelCiclo = numero - 146097 * era;
    const long nellEra = (nelCiclo - nelCiclo / 1460 + nelCiclo / 36524 - nelCiclo / 146096) / 365;
    anni = 400 * era + nellEra;
    nelCiclo -= 365 * nellEra + nellEra / 4 - nellEra / 100;
  }
  const long mesi = (5 * nelCiclo + 2) / 153;
  const int mese = static_cast<int>(mesi < 10 ? mesi + 3 : mesi - 9);
  return {static_cast<int>(anni + (mese <= 2 ? 1 : 0)), mese,
          static_cast<int>(nelCiclo - (153 * mesi + 2) / 5 + 1)};
}

// The years the window offers, from the first century cell to the last.
inline constexpr int kPrimoAnno = 1500, kUltimoAnno = 2299;
// The years a date from the terminal may have: every year of the era with four digits.
inline constexpr int kPrimoAnnoStorico = 1, kUltimoAnnoStorico = 9999;

namespace dettaglio {
// The row of the table that is the year's own kind in the given count.
constexpr std::uint8_t rigaDelTipo(int anno, Computo computo) {
  return kRigaDelTipo[bisestile(anno, computo)][primoGennaio(anno, computo)];
}
// The same rows for every year of the era in both counts, worked out while compiling: a
// date from the terminal looks its year up.
inline constexpr auto kRigheDegliAnni = [] {
  std::array<std::array<std::uint8_t, kUltimoAnnoStorico + 1>, 2> righe{};
  for (int anno = kPrimoAnnoStorico; anno <= kUltimoAnnoStorico; ++anno)
    for (const Computo computo : {Computo::Giuliano, Computo::Gregoriano})
      righe[static_cast<std::size_t>(computo)][static_cast<std::size_t>(anno)] =
          rigaDelTipo(anno, computo);
  return righe;
}();
constexpr const TipoAnno& tipoDellAnno(int anno, Computo computo) {
  const bool nellEra = anno >= kPrimoAnnoStorico && anno <= kUltimoAnnoStorico;
  return kTipiAnno[nellEra ? kRigheDegliAnni[static_cast<std::size_t>(computo)]
                                            [static_cast<std::size_t>(anno)]
                           : rigaDelTipo(anno, computo)];
}
}  // namespace dettaglio

// The weekday of the 1st of the month in the count its header shows, read off the row
// of the table that is the year's own kind in that count.
constexpr Giorno primoDelMese(int anno, int mese, const Riforma& riforma) {
  return dettaglio::tipoDellAnno(anno, riforma.computoDelMese(anno, mese))
      .primoDelMese[static_cast<std::size_t>(mese - 1)];
}

// Whether a date was ever written in the calendar. Every month has its first 28 days in
// either count, so most dates need no count of their month's days.
constexpr bool esisteva(int anno, int mese, int giorno, const Riforma& riforma) {
  if (mese < 1 || mese > 12 || giorno < 1 || giorno > 31) return false;
  const auto computo = riforma.computo(anno, mese, giorno);
  return computo && (giorno <= 28 || giorno <= giorniNelMese(anno, mese, *computo));
}

// The weekday of a date that existed, in the count it was written in.
constexpr Giorno giornoDellaSettimana(int anno, int mese, int giorno, const Riforma& riforma) {
  const Computo computo = riforma.computo(anno, mese, giorno).value_or(Computo::Gregoriano);
  // Both terms are whole and small: one unsigned remainder is the weekday, which the
  // terminal works out a million times a second.
  const unsigned primo =
      dettaglio::tipoDellAnno(anno, computo).primoDelMese[static_cast<std::size_t>(mese - 1)];
  return static_cast<Giorno>((primo + static_cast<unsigned>(giorno - 1)) % 7U);
}

// The days a month had: bit d stands for day d (bit 0 is never set).
using GiorniDelMese = std::bitset<32>;

// The days 1 to `ultimo`.
constexpr GiorniDelMese finoAl(int ultimo) {
  return ultimo <= 0 ? 0 : ((1ULL << (ultimo < 31 ? ultimo : 31)) - 1) << 1;
}
inline constexpr GiorniDelMese kTuttiIGiorni = finoAl(31);

constexpr GiorniDelMese giorniDelMese(int anno, int mese, const Riforma& riforma) {
  unsigned long long giorni = 0;
  for (int giorno = 1; giorno <= 31; ++giorno)
    if (esisteva(anno, mese, giorno, riforma)) giorni |= 1ULL << giorno;
  return giorni;
}

// The day under whose column the month's header shows the weekday of `giorno`: the day
// itself, but for the Julian days of a month whose header is Gregorian (1 to 4 October
// 1582 in Italy), whose weekday is that of the day as many days on as the change skipped.
constexpr int giornoInIntestazione(int anno, int mese, int giorno, const Riforma& riforma) {
  const bool giulianoSottoGregoriano = riforma.computoDelMese(anno, mese) == Computo::Gregoriano &&
                                       riforma.computo(anno, mese, giorno) == Computo::Giuliano;
  return giulianoSottoGregoriano ? giorno + riforma.scarto() : giorno;
}

// Days of history, checked as this compiles.
static_assert(giornoDellaSettimana(1582, 10, 4, kItalia) == settimana::G);
static_assert(giornoDellaSettimana(1582, 10, 15, kItalia) == settimana::V);
static_assert(giornoDellaSettimana(1900, 1, 1, kItalia) == settimana::L);
static_assert(esisteva(1582, 10, 4, kItalia) && !esisteva(1582, 10, 5, kItalia) &&
              !esisteva(1582, 10, 14, kItalia) && esisteva(1582, 10, 15, kItalia));
static_assert(esisteva(1500, 2, 29, kItalia) && !esisteva(1700, 2, 29, kItalia));
static_assert(kItalia.scarto() == 10 && giornoInIntestazione(1582, 10, 4, kItalia) == 14);
static_assert(esisteva(1700, 2, 29, kSempreGiuliano) && !esisteva(1500, 2, 29, kSempreGregoriano));
static_assert(numeroDelGiorno(1582, 10, 4, Computo::Giuliano) + 1 ==
              numeroDelGiorno(1582, 10, 15, Computo::Gregoriano));
static_assert(giornataDi(numeroDelGiorno(1, 1, 1, Computo::Giuliano), Computo::Gregoriano) ==
              Giornata{0, 12, 30});
static_assert(giornataDi(numeroDelGiorno(1649, 1, 30, Computo::Giuliano), Computo::Gregoriano) ==
              Giornata{1649, 2, 9});

}  // namespace almanacco
