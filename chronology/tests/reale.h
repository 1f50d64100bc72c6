#pragma once

// The real calendar as the tests know it, written here from its own rules and from
// std::chrono, apart from the engine's tables: Julian day numbers for the Julian
// calendar, std::chrono for the Gregorian one and for every weekday.
#include <algorithm>
#include <charconv>
#include <chrono>
#include <string>

namespace almanacco::prova {

inline constexpr const char* kAbbreviate[] = {"L", "Ma", "Me", "G", "V", "S", "D"};
inline constexpr const char* kSettimana[] = {"Lunedì",  "Martedì", "Mercoledì", "Giovedì",
                                             "Venerdì", "Sabato",  "Domenica"};
inline constexpr const char* kMesi[] = {"Gennaio",   "Febbraio", "Marzo",    "Aprile",
                                        "Maggio",    "Giugno",   "Luglio",   "Agosto",
                                        "Settembre", "Ottobre",  "Novembre", "Dicembre"};

struct Data {
  int anno, mese, giorno;
  friend constexpr bool operator==(const Data&, const Data&) = default;
};

// Julian day numbers: 4 October 1582 (Julian) was day 2299160, and the next day was
// 15 October 1582 (Gregorian). Day 2440588 was 1 January 1970, std::chrono's epoch.
inline constexpr long kUltimoGiuliano = 2299160;
inline constexpr long kEpoca = 2440588;

// The day number of a Julian date (the Fliegel and Van Flandern formula).
constexpr long numeroGiuliano(int a, int m, int g) {
  return 367L * a - 7L * (a + 5001 + (m - 9) / 7) / 4 + 275L * m / 9 + g + 1729777;
}

// The Julian date of a day number (Richards' algorithm).
constexpr Data giuliana(long n) {
  const long e = 4 * (n + 1401) + 3;
  const long h = 5 * (e % 1461 / 4) + 2;
  const int mese = static_cast<int>((h / 153 + 2) % 12 + 1);
  return {static_cast<int>(e / 1461 - 4716 + (14 - mese) / 12), mese,
          static_cast<int>(h % 153 / 5 + 1)};
}

inline std::chrono::sys_days giornoDi(long n) {
  return std::chrono::sys_days{std::chrono::days{n - kEpoca}};
}

inline Data gregoriana(long n) {
  const std::chrono::year_month_day g{giornoDi(n)};
  return {static_cast<int>(g.year()), static_cast<int>(static_cast<unsigned>(g.month())),
          static_cast<int>(static_cast<unsigned>(g.day()))};
}

// The date of a day number as it was written where the Julian calendar ended with day
// `ultimoGiuliano` (Italy's, 2299160, unless another is given), Gregorian after it.
inline Data dataDi(long n, long ultimoGiuliano = kUltimoGiuliano) {
  return n <= ultimoGiuliano ? giuliana(n) : gregoriana(n);
}

// The day number of a Gregorian date, or -1 for one the Gregorian calendar lacks.
inline long numeroGregoriano(Data d) {
  using namespace std::chrono;
  const year_month_day g{year{d.anno}, month{static_cast<unsigned>(d.mese)},
                         day{static_cast<unsigned>(d.giorno)}};
  return g.ok() ? (sys_days{g} - giornoDi(0)).count() : -1;
}

// The day number of a date as it was written, or -1 for a date that never was.
inline long numeroDi(Data d, long ultimoGiuliano = kUltimoGiuliano) {
  if (const long g = numeroGregoriano(d); g > ultimoGiuliano) return g;
  const long n = numeroGiuliano(d.anno, d.mese, d.giorno);
  return n <= ultimoGiuliano && giuliana(n) == d ? n : -1;
}

// A stretch of a place's days in one count, by day numbers: 'J' Julian, 'G' Gregorian,
// 'S' Sweden's, whose dates stand one day ahead of the Julian ones and whose last day, the
// 30 February 1712 of its table, is the Julian 29th.
struct Tratto {
  char conto;
  long primo, ultimo;
};

// The date the day had in the stretch.
inline Data dataNel(const Tratto& t, long n) {
  if (t.conto == 'G') return gregoriana(n);
  if (t.conto == 'J') return giuliana(n);
  if (n == t.ultimo) {
    Data d = giuliana(n);
    ++d.giorno;
    return d;
  }
  return giuliana(n + 1);
}

// Monday = 0, as the header reads the week.
inline int settimanaDi(long n) {
  return static_cast<int>((std::chrono::weekday{giornoDi(n)}.c_encoding() + 6) % 7);
}

// Appends a number's decimal text, with leading zeros up to `cifre` digits.
inline void aggiungiNumero(std::string& testo, int n, int cifre = 1) {
  char numero[12];
  const auto fine = std::to_chars(numero, numero + sizeof numero, n).ptr;
  testo.append(static_cast<std::size_t>(std::max(0L, cifre - (fine - numero))), '0');
  testo.append(numero, fine);
}

// Appends the result line the window must show for a date.
inline void aggiungiRiga(std::string& testo, Data d, int settimana) {
  aggiungiNumero(testo, d.giorno);
  testo.append(" ").append(kMesi[d.mese - 1]).append(" ");
  aggiungiNumero(testo, d.anno);
  testo.append(": ").append(kSettimana[settimana]);
}

inline std::string riga(Data d, int settimana) {
  std::string testo;
  aggiungiRiga(testo, d, settimana);
  return testo;
}

}  // namespace almanacco::prova
