#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string_view>
#include <type_traits>

#include "tabelle.h"

// The one calendar rule, asked by the window's engine and by the terminal alike, for a
// calendar given as a value. Every piece is constexpr: it runs on every click and every
// line, and the dates of history at the end of this file are checked while it compiles.
namespace almanacco {

// The counts of days: a leap year every fourth year (Julian), or every fourth but the
// centuries that 400 does not divide (Gregorian); and Sweden's own, the Julian count one day
// ahead, kept from 1 March 1700 to 30 February 1712, whose days are the table's, not a rule's.
enum class Computo : std::uint8_t { Giuliano, Gregoriano, Svedese };

// A count as the answers name it: "nel calendario gregoriano".
constexpr std::string_view nomeDelComputo(Computo computo) {
  constexpr std::string_view kNomi[] = {"giuliano", "gregoriano", "svedese"};
  return kNomi[static_cast<std::size_t>(computo)];
}

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

// Bounds of the periods that run from always, or for ever: beyond any year a date has.
inline constexpr Giornata kSempre{-100000, 1, 1}, kPerSempre{100000, 12, 31};

// A stretch of a place's days written in one count: from its first day to its last, both
// as that count writes them.
struct Periodo {
  Computo computo;
  Giornata primo, ultimo;
};

// The days of a place: the periods it counted in, in the order of time. Between two periods
// whose days follow each other the dates were never written there (the days a change
// skipped); before the first, after the last and across any other gap the place's
// count is not known.
class ContoDeiGiorni {
 public:
  static constexpr std::size_t kMassimo = 4;

  constexpr ContoDeiGiorni(std::initializer_list<Periodo> periodi) {
    for (const Periodo& p : periodi) {
      periodi_[n_] = p;
      primi_[n_] = dettaglio::chiave(p.primo);
      ultimi_[n_] = dettaglio::chiave(p.ultimo);
      ++n_;
    }
  }

  constexpr std::size_t quanti() const { return n_; }
  constexpr const Periodo& operator[](std::size_t i) const { return periodi_[i]; }
  constexpr const Periodo* begin() const { return periodi_.data(); }
  constexpr const Periodo* end() const { return periodi_.data() + n_; }

  // The period whose written dates run past the date, by its place in the list; -1 where
  // none does: a date after the last period's first day can only be in it, and so on back.
  // (Places, not pointers, in what constant expressions ask: a pointer's test against
  // null is no constant expression under the sanitizers.)
  constexpr int indice(int chiave) const {
    // Most dates asked are in the last period: it is looked at first, without a loop.
    const std::size_t ultimo = n_ - 1;
    if (chiave >= primi_[ultimo]) return chiave <= ultimi_[ultimo] ? static_cast<int>(ultimo) : -1;
    for (std::size_t i = ultimo; i-- > 0;)
      if (chiave >= primi_[i]) return chiave <= ultimi_[i] ? static_cast<int>(i) : -1;
    return -1;
  }
  constexpr int indice(int anno, int mese, int giorno) const {
    return indice(dettaglio::chiave(anno, mese, giorno));
  }
  // The same period itself; nothing where none is.
  constexpr const Periodo* periodo(int chiave) const {
    const int i = indice(chiave);
    return i < 0 ? nullptr : &periodi_[static_cast<std::size_t>(i)];
  }
  constexpr const Periodo* periodo(int anno, int mese, int giorno) const {
    return periodo(dettaglio::chiave(anno, mese, giorno));
  }
  // The one period that holds the whole year, January to December; none for a year two
  // periods share, or none has.
  constexpr const Periodo* annoIntero(int anno) const {
    const Periodo* p = periodo(anno, 1, 1);
    return p && p == periodo(anno, 12, 31) ? p : nullptr;
  }

  // The count a written date is in; nothing for a date outside every period.
  constexpr std::optional<Computo> computo(int anno, int mese, int giorno) const {
    const int i = indice(anno, mese, giorno);
    return i < 0 ? std::nullopt : std::optional{periodi_[static_cast<std::size_t>(i)].computo};
  }

  // The period whose weekdays a month's header shows: that of the month's last day that a
  // period has (Gregorian in Italy's October 1582, whose Julian days 1 to 4 are the only
  // exceptions), by its place in the list; -1 for a month no period reaches.
  constexpr int indiceDelMese(int anno, int mese) const {
    const int primo = dettaglio::chiave(anno, mese, 1), ultimo = dettaglio::chiave(anno, mese, 31);
    for (std::size_t i = n_; i-- > 0;)
      if (primi_[i] <= ultimo && ultimi_[i] >= primo) return static_cast<int>(i);
    return -1;
  }

  // Whether the date is the last day of its period, which the table says existed (Sweden's
  // 30 February 1712).
  constexpr bool ultimoDelPeriodo(int chiave) const {
    for (std::size_t i = 0; i < n_; ++i)
      if (ultimi_[i] == chiave) return true;
    return false;
  }

  friend constexpr bool operator==(const ContoDeiGiorni& a, const ContoDeiGiorni& b) {
    if (a.n_ != b.n_) return false;
    for (std::size_t i = 0; i < a.n_; ++i)
      if (a.periodi_[i].computo != b.periodi_[i].computo || a.primi_[i] != b.primi_[i] ||
          a.ultimi_[i] != b.ultimi_[i])
        return false;
    return true;
  }

 private:
  std::array<Periodo, kMassimo> periodi_{};
  std::array<int, kMassimo> primi_{}, ultimi_{};
  std::size_t n_ = 0;
};

// Italy's change, the default everywhere: Thursday 4 October 1582, then Friday 15 October.
inline constexpr ContoDeiGiorni kItalia{{Computo::Giuliano, kSempre, {1582, 10, 4}},
                                        {Computo::Gregoriano, {1582, 10, 15}, kPerSempre}};
inline constexpr ContoDeiGiorni kSempreGiuliano{{Computo::Giuliano, kSempre, kPerSempre}};
inline constexpr ContoDeiGiorni kSempreGregoriano{{Computo::Gregoriano, kSempre, kPerSempre}};

// The count whose leap years and year kinds a count's dates follow: Sweden's are Julian.
constexpr Computo base(Computo computo) {
  return computo == Computo::Gregoriano ? Computo::Gregoriano : Computo::Giuliano;
}

constexpr bool bisestile(int anno, Computo computo) {
  if (anno % 4 != 0) return false;
  return computo != Computo::Gregoriano || anno % 100 != 0 || anno % 400 == 0;
}

// The months of a common year. (A table of its own, not one in the function: that one
// was written out anew at every call.)
inline constexpr std::array<int, 12> kGiorniDeiMesi{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

constexpr int giorniNelMese(int anno, int mese, Computo computo) {
  return kGiorniDeiMesi[static_cast<std::size_t>(mese - 1)] +
         (mese == 2 && bisestile(anno, computo) ? 1 : 0);
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
  // Sweden's days stand one before the Julian dates they share.
  if (computo == Computo::Svedese) giorni += 6;
  return dettaglio::aPartireDa(computo == Computo::Gregoriano ? settimana::L : settimana::S,
                               giorni);
}

// The number of a day, the same in every count: days from 1 March of the year 0 of the
// Gregorian count, years reckoned from March so that a leap day ends its year. The
// Julian count's own 1 March of the year 0 fell two days earlier, and Sweden's dates
// stand one day before the Julian ones (its 30 February 1712 is the Julian 29th).
constexpr long numeroDelGiorno(int anno, int mese, int giorno, Computo computo) {
  using dettaglio::giù;
  const int daMarzo = anno - (mese <= 2 ? 1 : 0);
  const long nellAnno = (153L * (mese > 2 ? mese - 3 : mese + 9) + 2) / 5 + giorno - 1;
  if (computo != Computo::Gregoriano) {
    const int quadriennio = giù(daMarzo, 4);
    return 1461L * quadriennio + 365L * (daMarzo - 4 * quadriennio) + nellAnno -
           (computo == Computo::Svedese ? 3 : 2);
  }
  const int era = giù(daMarzo, 400);
  const int anni = daMarzo - 400 * era;
  return 146097L * era + 365L * anni + anni / 4 - anni / 100 + nellAnno;
}

namespace dettaglio {
// The month (1 to 12) and day of the day `giorni` after a 1 March, 0 to 365: the months
// counted from March, 153 days every five, January and February last.
struct MeseEGiorno {
  int mese, giorno;
};
constexpr MeseEGiorno daPrimoMarzo(long giorni) {
  const long mesi = (5 * giorni + 2) / 153;
  return {static_cast<int>(mesi < 10 ? mesi + 3 : mesi - 9),
          static_cast<int>(giorni - (153 * mesi + 2) / 5 + 1)};
}
}  // namespace dettaglio

// The date a day number has in the given count: the inverse of numeroDelGiorno, but for
// Sweden's 30 February 1712, which no rule gives (its period's table does).
constexpr Giornata giornataDi(long numero, Computo computo) {
  long nelCiclo, anni;
  if (computo != Computo::Gregoriano) {
    numero += computo == Computo::Svedese ? 3 : 2;
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
  const auto [mese, giorno] = dettaglio::daPrimoMarzo(nelCiclo);
  return {static_cast<int>(anni + (mese <= 2 ? 1 : 0)), mese, giorno};
}

// The years the window offers, from the first century cell to the last.
inline constexpr int kPrimoAnno = 1500, kUltimoAnno = 2299;
// The years a date from the terminal may have: every year of the era with four digits.
inline constexpr int kPrimoAnnoStorico = 1, kUltimoAnnoStorico = 9999;

namespace dettaglio {
// The row of the table that is the year's own kind in the given count: Sweden's years are
// Julian ones begun a weekday earlier.
constexpr std::uint8_t rigaDelTipo(int anno, Computo computo) {
  return kRigaDelTipo[bisestile(anno, computo)][primoGennaio(anno, computo)];
}
// The rows for every year of the era in each count, worked out while compiling, once
// (regola.cpp): a date from the terminal looks its year up. Each year begins the weekday
// after the one its predecessor began on, or two after a leap year: one step a year.
using RigheDegliAnni = std::array<std::array<std::uint8_t, kUltimoAnnoStorico + 1>, 3>;
constexpr RigheDegliAnni righeDegliAnni() {
  RigheDegliAnni righe{};
  for (const Computo computo : {Computo::Giuliano, Computo::Gregoriano, Computo::Svedese}) {
    auto& riga = righe[static_cast<std::size_t>(computo)];
    unsigned primo = primoGennaio(kPrimoAnnoStorico, computo);
    for (int anno = kPrimoAnnoStorico; anno <= kUltimoAnnoStorico; ++anno) {
      const bool lungo = bisestile(anno, computo);
      riga[static_cast<std::size_t>(anno)] = kRigaDelTipo[lungo][primo];
      primo = (primo + (lungo ? 2U : 1U)) % 7U;
    }
  }
  return righe;
}
extern const RigheDegliAnni kRigheDegliAnni;
// A constant expression works the row out; the program looks it up.
constexpr const TipoAnno& tipoDellAnno(int anno, Computo computo) {
  const bool nellEra = anno >= kPrimoAnnoStorico && anno <= kUltimoAnnoStorico;
  if (std::is_constant_evaluated() || !nellEra) return kTipiAnno[rigaDelTipo(anno, computo)];
  return kTipiAnno[kRigheDegliAnni[static_cast<std::size_t>(computo)]
                                  [static_cast<std::size_t>(anno)]];
}
}  // namespace dettaglio

// The weekday of the 1st of the month in the count its header shows, read off the row
// of the table that is the year's own kind in that count.
constexpr Giorno primoDelMese(int anno, int mese, const ContoDeiGiorni& conto) {
  const int i = conto.indiceDelMese(anno, mese);
  return dettaglio::tipoDellAnno(
             anno, i < 0 ? Computo::Gregoriano : conto[static_cast<std::size_t>(i)].computo)
      .primoDelMese[static_cast<std::size_t>(mese - 1)];
}

// Whether a date was written in its period. Every month has its first 28 days in every
// count, so most dates need no count of their month's days; the last day of a period is
// one the table says existed.
constexpr bool esistevaNel(const Periodo& periodo, int anno, int mese, int giorno,
                           const ContoDeiGiorni& conto) {
  return giorno <= 28 || giorno <= giorniNelMese(anno, mese, periodo.computo) ||
         conto.ultimoDelPeriodo(dettaglio::chiave(anno, mese, giorno));
}

// Whether a date was ever written in the calendar.
constexpr bool esisteva(int anno, int mese, int giorno, const ContoDeiGiorni& conto) {
  if (mese < 1 || mese > 12 || giorno < 1 || giorno > 31) return false;
  const int i = conto.indice(anno, mese, giorno);
  return i >= 0 && esistevaNel(conto[static_cast<std::size_t>(i)], anno, mese, giorno, conto);
}

// The weekday of a date of the period, in its count.
[[gnu::always_inline]] constexpr Giorno settimanaNel(const Periodo& periodo, int anno, int mese,
                                                     int giorno) {
  // Both terms are whole and small: one unsigned remainder is the weekday, which the
  // terminal works out a million times a second.
  const unsigned primo = dettaglio::tipoDellAnno(anno, periodo.computo)
                             .primoDelMese[static_cast<std::size_t>(mese - 1)];
  return static_cast<Giorno>((primo + static_cast<unsigned>(giorno - 1)) % 7U);
}

// The weekday of a date that existed, in the count it was written in.
constexpr Giorno giornoDellaSettimana(int anno, int mese, int giorno, const ContoDeiGiorni& conto) {
  const int i = conto.indice(anno, mese, giorno);
  constexpr Periodo kGregoriano{Computo::Gregoriano, kSempre, kPerSempre};
  return settimanaNel(i < 0 ? kGregoriano : conto[static_cast<std::size_t>(i)], anno, mese, giorno);
}

// The date a day number has in the place's calendar; nothing for a day no period has.
constexpr std::optional<Giornata> giornataNel(long numero, const ContoDeiGiorni& conto) {
  for (const Periodo& p : conto) {
    const long primo = numeroDelGiorno(p.primo.anno, p.primo.mese, p.primo.giorno, p.computo);
    const long ultimo = numeroDelGiorno(p.ultimo.anno, p.ultimo.mese, p.ultimo.giorno, p.computo);
    if (numero < primo || numero > ultimo) continue;
    return numero == ultimo ? p.ultimo : giornataDi(numero, p.computo);
  }
  return std::nullopt;
}

// The days a month had: bit d stands for day d (bit 0 is never set).
using GiorniDelMese = std::bitset<32>;

// The days 1 to `ultimo`.
constexpr GiorniDelMese finoAl(int ultimo) {
  return ultimo <= 0 ? 0 : ((1ULL << (ultimo < 31 ? ultimo : 31)) - 1) << 1;
}
inline constexpr GiorniDelMese kTuttiIGiorni = finoAl(31);

constexpr GiorniDelMese giorniDelMese(int anno, int mese, const ContoDeiGiorni& conto) {
  unsigned long long giorni = 0;
  for (int giorno = 1; giorno <= 31; ++giorno)
    if (esisteva(anno, mese, giorno, conto)) giorni |= 1ULL << giorno;
  return giorni;
}

// The day under whose column the month's header shows the weekday of `giorno`: the day
// itself, but for a day of another period than the header's (1 to 4 October 1582 in
// Italy, Julian days under a Gregorian header), whose weekday is that of the day as many
// days on as its count stands ahead of the header's (a week less, for a count behind).
constexpr int giornoInIntestazione(int anno, int mese, int giorno, const ContoDeiGiorni& conto) {
  const int i = conto.indiceDelMese(anno, mese), j = conto.indice(anno, mese, giorno);
  if (i < 0 || j < 0) return giorno;
  const Computo intestazione = conto[static_cast<std::size_t>(i)].computo;
  const Computo proprio = conto[static_cast<std::size_t>(j)].computo;
  if (proprio == intestazione) return giorno;
  const long scarto = numeroDelGiorno(anno, mese, giorno, proprio) -
                      numeroDelGiorno(anno, mese, giorno, intestazione);
  return giorno + static_cast<int>(scarto >= 0 ? scarto : scarto % 7 + 7);
}

// Days of history, checked as this compiles.
static_assert(giornoDellaSettimana(1582, 10, 4, kItalia) == settimana::G);
static_assert(giornoDellaSettimana(1582, 10, 15, kItalia) == settimana::V);
static_assert(giornoDellaSettimana(1900, 1, 1, kItalia) == settimana::L);
static_assert(esisteva(1582, 10, 4, kItalia) && !esisteva(1582, 10, 5, kItalia) &&
              !esisteva(1582, 10, 14, kItalia) && esisteva(1582, 10, 15, kItalia));
static_assert(esisteva(1500, 2, 29, kItalia) && !esisteva(1700, 2, 29, kItalia));
static_assert(giornoInIntestazione(1582, 10, 4, kItalia) == 14);
static_assert(esisteva(1700, 2, 29, kSempreGiuliano) && !esisteva(1500, 2, 29, kSempreGregoriano));
static_assert(numeroDelGiorno(1582, 10, 4, Computo::Giuliano) + 1 ==
              numeroDelGiorno(1582, 10, 15, Computo::Gregoriano));
static_assert(giornataDi(numeroDelGiorno(1, 1, 1, Computo::Giuliano), Computo::Gregoriano) ==
              Giornata{0, 12, 30});
static_assert(giornataDi(numeroDelGiorno(1649, 1, 30, Computo::Giuliano), Computo::Gregoriano) ==
              Giornata{1649, 2, 9});

}  // namespace almanacco
