#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace almanacco {

// Weekdays as positions in the week, Monday first; the header reads them as a cycle.
using Giorno = std::uint8_t;
namespace settimana {
inline constexpr Giorno L = 0, Ma = 1, Me = 2, G = 3, V = 4, S = 5, D = 6;
}  // namespace settimana

// The header's abbreviations and the result line's full names, Monday to Sunday.
inline constexpr std::array<std::string_view, 7> kAbbreviazioni{"L", "Ma", "Me", "G",
                                                                "V", "S",  "D"};
inline constexpr std::array<std::string_view, 7> kNomiGiorni{
    "Lunedì", "Martedì", "Mercoledì", "Giovedì", "Venerdì", "Sabato", "Domenica"};

// Month names, January to December, for the month piece of the result line.
inline constexpr std::array<std::string_view, 12> kNomiMesi{
    "Gennaio", "Febbraio", "Marzo",     "Aprile",  "Maggio",   "Giugno",
    "Luglio",  "Agosto",   "Settembre", "Ottobre", "Novembre", "Dicembre"};

// What an answer says of the day in the other count when that day falls outside the
// years 1 to 9999, after the count's name.
inline constexpr std::string_view kPrimaDellEra = ": prima dell'anno 1",
                                  kDopoLEra = ": dopo l'anno 9999";

namespace dettaglio {
inline constexpr std::array<std::array<char, 2>, 32> kNumeri = [] {
  std::array<std::array<char, 2>, 32> testi{};
  for (std::size_t n = 0; n < testi.size(); ++n)
    testi[n] = n < 10
                   ? std::array{static_cast<char>('0' + n), '\0'}
                   : std::array{static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10)};
  return testi;
}();
}  // namespace dettaglio

// The decimal text of 0 to 31: the captions of the day and digit cells.
constexpr std::string_view numeroInLettere(int n) {
  if (n < 0 || n >= static_cast<int>(dettaglio::kNumeri.size())) return {};
  return {dettaglio::kNumeri[static_cast<std::size_t>(n)].data(), n < 10 ? 1U : 2U};
}
static_assert(numeroInLettere(7) == "7" && numeroInLettere(31) == "31");

// One row of the perpetual calendar: the remainders of the year divided by 28 that
// select it, and the weekday of the 1st of each month.
struct TipoAnno {
  std::array<std::int8_t, 3> resti;  // -1 pads the leap-year rows, which have one
  bool bisestile;
  std::array<Giorno, 12> primoDelMese;
};

// The fourteen kinds of year: leap or common, beginning on each weekday. The table was
// laid out as a 28-year cycle: the row of remainder r holds the weekdays of the 1st of
// each month of the Gregorian year 2016 + r, every fourth remainder a leap year, the 21
// others sharing seven rows. The checks below re-derive the rows from that rule.
inline constexpr std::array<TipoAnno, 14> kTipiAnno = [] {
  using namespace settimana;
  return std::array<TipoAnno, 14>{{
      {{0, -1, -1}, true, {V, L, Ma, V, D, Me, V, L, G, S, Ma, G}},
      {{1, 7, 18}, false, {D, Me, Me, S, L, G, S, Ma, V, D, Me, V}},
      {{2, 13, 19}, false, {L, G, G, D, Ma, V, D, Me, S, L, G, S}},
      {{3, 14, 25}, false, {Ma, V, V, L, Me, S, L, G, D, Ma, V, D}},
      {{4, -1, -1}, true, {Me, S, D, Me, V, L, Me, S, Ma, G, D, Ma}},
      {{5, 11, 22}, false, {V, L, L, G, S, Ma, G, D, Me, V, L, Me}},
      {{6, 17, 23}, false, {S, Ma, Ma, V, D, Me, V, L, G, S, Ma, G}},
      {{8, -1, -1}, true, {L, G, V, L, Me, S, L, G, D, Ma, V, D}},
      {{9, 15, 26}, false, {Me, S, S, Ma, G, D, Ma, V, L, Me, S, L}},
      {{10, 21, 27}, false, {G, D, D, Me, V, L, Me, S, Ma, G, D, Ma}},
      {{12, -1, -1}, true, {S, Ma, Me, S, L, G, S, Ma, V, D, Me, V}},
      {{16, -1, -1}, true, {G, D, L, G, S, Ma, G, D, Me, V, L, Me}},
      {{20, -1, -1}, true, {Ma, V, S, Ma, G, D, Ma, V, L, Me, S, L}},
      {{24, -1, -1}, true, {D, Me, G, D, Ma, V, D, Me, S, L, G, S}},
  }};
}();

// The row of each kind of year: leap or common, and the weekday of its 1 January. A
// year of either calendar is read off the row of its own kind.
inline constexpr std::array<std::array<std::uint8_t, 7>, 2> kRigaDelTipo = [] {
  std::array<std::array<std::uint8_t, 7>, 2> righe{};
  for (std::uint8_t riga = 0; riga < kTipiAnno.size(); ++riga)
    righe[kTipiAnno[riga].bisestile][kTipiAnno[riga].primoDelMese[0]] = riga;
  return righe;
}();

namespace verifica {
// For each remainder 0 to 27, its row of kTipiAnno: how the table was laid out.
inline constexpr std::array<std::uint8_t, 28> kRigaDelResto = [] {
  std::array<std::uint8_t, 28> righe{};
  for (std::uint8_t riga = 0; riga < kTipiAnno.size(); ++riga)
    for (const auto r : kTipiAnno[riga].resti)
      if (r >= 0) righe[static_cast<std::size_t>(r)] = riga;
  return righe;
}();

// Days from the 1st of January to the 1st of each month, in a common and a leap year.
inline constexpr std::array<int, 12> kGiorniPrima{0,   31,  59,  90,  120, 151,
                                                  181, 212, 243, 273, 304, 334};

constexpr bool ogniRestoUnaVolta() {
  std::array<int, 28> volte{};
  for (const auto& tipo : kTipiAnno)
    for (const auto r : tipo.resti)
      if (r >= 0) ++volte[static_cast<std::size_t>(r)];
  for (const int v : volte)
    if (v != 1) return false;
  return true;
}

constexpr bool bisestiliOgniQuattro() {
  for (int r = 0; r < 28; ++r)
    if (kTipiAnno[kRigaDelResto[static_cast<std::size_t>(r)]].bisestile != (r % 4 == 0))
      return false;
  return true;
}

// Each month begins as many weekdays after January as the days before it say.
constexpr bool mesiDaGennaio() {
  for (const auto& tipo : kTipiAnno)
    for (std::size_t m = 0; m < 12; ++m) {
      const int salto = kGiorniPrima[m] + (tipo.bisestile && m >= 2 ? 1 : 0);
      if (tipo.primoDelMese[m] != (tipo.primoDelMese[0] + salto) % 7) return false;
    }
  return true;
}

// January moves one weekday a year, two after a leap year, and 27 wraps round to 0.
constexpr bool gennaioDaAnnoInAnno() {
  for (int r = 0; r < 28; ++r) {
    const auto& tipo = kTipiAnno[kRigaDelResto[static_cast<std::size_t>(r)]];
    const auto& dopo = kTipiAnno[kRigaDelResto[static_cast<std::size_t>((r + 1) % 28)]];
    if (dopo.primoDelMese[0] != (tipo.primoDelMese[0] + (tipo.bisestile ? 2 : 1)) % 7) return false;
  }
  return true;
}

// Fourteen rows, one for each kind of year: every pair of leap rule and weekday of
// 1 January has a row of its own.
constexpr bool ogniTipoUnaRiga() {
  for (int bis = 0; bis < 2; ++bis)
    for (Giorno g = 0; g < 7; ++g) {
      const auto& tipo = kTipiAnno[kRigaDelTipo[static_cast<std::size_t>(bis)][g]];
      if (tipo.bisestile != (bis == 1) || tipo.primoDelMese[0] != g) return false;
    }
  return true;
}

// 1 January 2016, remainder 0, was a Friday.
static_assert(kTipiAnno[kRigaDelResto[0]].primoDelMese[0] == settimana::V);
static_assert(ogniRestoUnaVolta());
static_assert(ogniTipoUnaRiga());
static_assert(bisestiliOgniQuattro());
static_assert(mesiDaGennaio());
static_assert(gennaioDaAnnoInAnno());
}  // namespace verifica

}  // namespace almanacco
