#pragma once

#include <array>
#include <cstdint>

// The days of a month as Italian documents counted them: back from the Kalends, Nones and
// Ides (the Roman dating of chanceries and notaries), or forward through the entering
// month and back through the leaving one (the consuetudo bononiensis). Both name a day by
// a count and a month; the sources of every rule are in docs/calendari.md.
namespace almanacco {

// What a count counts towards or through.
enum class Verso : std::uint8_t { Nessuno, Calende, None, Idi, Entrante, Uscente };

// A day as a count names it: the count (1 for the Kalends, Nones or Ides themselves, 2 for
// the day before, "pridie"), the month the text names (for the Kalends, the month after
// the day's, but for the Kalends themselves), and "bis" for the doubled sixth day before
// the Kalends of March in a leap year.
struct Conto {
  Verso verso = Verso::Nessuno;
  std::uint8_t numero = 0, mese = 0;
  bool bis = false;
  friend constexpr bool operator==(const Conto&, const Conto&) = default;
};

namespace romano {

// The Nones of each month: the 7th in March, May, July and October, the 5th in the others;
// the Ides are always eight days on (Allen and Greenough, New Latin Grammar, § 631).
inline constexpr std::array<int, 12> kNone{5, 5, 7, 5, 7, 5, 7, 5, 5, 7, 5, 5};
constexpr int none(int mese) {
  return kNone[static_cast<std::size_t>(mese - 1)];
}
constexpr int idi(int mese) {
  return none(mese) + 8;
}

// The days of the leaving month: the last 15, and February's last 14 in every year; the
// entering month has the rest (Glossario delle date; Consuetudo bononiensis).
inline constexpr std::array<int, 12> kUscenti{15, 14, 15, 15, 15, 15, 15, 15, 15, 15, 15, 15};
constexpr int uscenti(int mese) {
  return kUscenti[static_cast<std::size_t>(mese - 1)];
}

// A leap February counts its doubled day after the 24th, the sixth day before the Kalends
// named twice: the days to the 24th are named as in a common year, the days after it from
// the month's end (Celsus, Digest 50.16.98; Universität Zürich, Ad fontes).
inline constexpr int kBisesto = 24;

constexpr int mesePrima(int mese) {
  return mese == 1 ? 12 : mese - 1;
}

// The month of the day a count names.
constexpr int meseDelGiorno(const Conto& c) {
  return c.verso == Verso::Calende && c.numero > 1 ? mesePrima(c.mese) : c.mese;
}

// The day a count names in its month, which has `giorni` days; 0 for a count outside its
// stretch.
constexpr int giornoDel(const Conto& c, int giorni) {
  const int m = meseDelGiorno(c);
  const int n = c.numero;
  if (n < 1 || c.mese < 1 || c.mese > 12) return 0;
  if (c.bis) {
    const bool doppio = c.verso == Verso::Calende && c.mese == 3 && n == 6 && giorni > 28;
    return doppio ? giorni - 4 : 0;
  }
  switch (c.verso) {
    case Verso::Calende: {
      if (n == 1) return 1;
      // In a leap February the counts from the sixth up are a common year's.
      const int fine = m == 2 && giorni > 28 && n >= 6 ? 28 : giorni;
      const int giorno = fine + 2 - n;
      return giorno > idi(m) ? giorno : 0;
    }
    case Verso::None:
    case Verso::Idi: {
      const int fisso = c.verso == Verso::None ? none(m) : idi(m);
      const int prima = c.verso == Verso::None ? 1 : none(m);
      const int giorno = fisso + 1 - n;
      return giorno > prima ? giorno : 0;
    }
    case Verso::Entrante:
      return n <= giorni - uscenti(m) ? n : 0;
    case Verso::Uscente:
      return n <= uscenti(m) ? giorni + 1 - n : 0;
    case Verso::Nessuno:
      break;
  }
  return 0;
}

// The Roman count of a day of a month of `giorni` days; nothing (verso Nessuno) for a day
// no count names (the 25th of Sweden's February of 30 days).
constexpr Conto contoRomano(int mese, int giorno, int giorni) {
  const auto m = static_cast<std::uint8_t>(mese);
  if (giorno == 1) return {Verso::Calende, 1, m};
  if (giorno <= none(mese))
    return {Verso::None, static_cast<std::uint8_t>(none(mese) + 1 - giorno), m};
  if (giorno <= idi(mese))
    return {Verso::Idi, static_cast<std::uint8_t>(idi(mese) + 1 - giorno), m};
  const auto dopo = static_cast<std::uint8_t>(mese == 12 ? 1 : mese + 1);
  if (mese == 2 && giorni > 28 && giorno > kBisesto) {
    if (giorno == giorni - 4) return {Verso::Calende, 6, dopo, true};
    if (giorno < giorni - 4) return {};
  }
  const int fine = mese == 2 && giorni > 28 && giorno <= kBisesto ? 28 : giorni;
  return {Verso::Calende, static_cast<std::uint8_t>(fine + 2 - giorno), dopo};
}

// The day as the entering or the leaving month names it.
constexpr Conto contoNotarile(int mese, int giorno, int giorni) {
  const auto m = static_cast<std::uint8_t>(mese);
  if (giorno <= giorni - uscenti(mese))
    return {Verso::Entrante, static_cast<std::uint8_t>(giorno), m};
  return {Verso::Uscente, static_cast<std::uint8_t>(giorni + 1 - giorno), m};
}

// The largest count of the stretch a count belongs to (the smallest is 1 or 2).
constexpr int contoMassimo(Verso verso, int mese, int giorni) {
  switch (verso) {
    case Verso::Calende:
      return (mese == 2 && giorni > 28 ? 28 : giorni) + 1 - idi(mese);
    case Verso::None:
      return none(mese) - 1;
    case Verso::Idi:
      return 8;
    case Verso::Entrante:
      return giorni - uscenti(mese);
    case Verso::Uscente:
      return uscenti(mese);
    case Verso::Nessuno:
      break;
  }
  return 0;
}

// "III kal. oct." is 29 September, "pridie idus martii" 14 March, "VIII kal. feb." 25
// January, "IIII idus Maii" 12 May, "Duodecimo kalendas Octobris" 20 September; in a leap
// year V kal. mart. is the 26th and "bis VI" the 25th; "die tertio exeunte decembris" is
// 29 December and the 16th of a month of 31 days the last entering one.
static_assert(giornoDel({Verso::Calende, 3, 10}, 30) == 29);
static_assert(giornoDel({Verso::Idi, 2, 3}, 31) == 14);
static_assert(giornoDel({Verso::Calende, 8, 2}, 31) == 25);
static_assert(giornoDel({Verso::Idi, 4, 5}, 31) == 12);
static_assert(giornoDel({Verso::Calende, 12, 10}, 30) == 20);
static_assert(giornoDel({Verso::Calende, 5, 3}, 29) == 26 &&
              giornoDel({Verso::Calende, 6, 3, true}, 29) == 25 &&
              giornoDel({Verso::Calende, 6, 3}, 29) == 24 &&
              giornoDel({Verso::Calende, 5, 3}, 28) == 25);
static_assert(giornoDel({Verso::Uscente, 3, 12}, 31) == 29 &&
              giornoDel({Verso::Entrante, 16, 12}, 31) == 16 &&
              giornoDel({Verso::Entrante, 16, 11}, 30) == 0);
// Out of their stretch: XX kal. mart., VIII non. iun. (the Nones on the 5th), the doubled
// day in a common year.
static_assert(giornoDel({Verso::Calende, 20, 3}, 28) == 0 &&
              giornoDel({Verso::None, 8, 6}, 30) == 0 &&
              giornoDel({Verso::Calende, 6, 3, true}, 28) == 0);

// Each day of a month of each length named by a count that names it back.
constexpr bool ogniGiornoTorna() {
  for (int mese = 1; mese <= 12; ++mese)
    // February of a common and a leap year, and of Sweden's 1712.
    for (int giorni = kGiorniDeiMesi[static_cast<std::size_t>(mese - 1)];
         giorni <= (mese == 2 ? 30 : kGiorniDeiMesi[static_cast<std::size_t>(mese - 1)]); ++giorni)
      for (int g = 1; g <= giorni; ++g) {
        const Conto r = contoRomano(mese, g, giorni);
        const bool senzaNome = r.verso == Verso::Nessuno;
        if (senzaNome ? !(mese == 2 && giorni == 30 && g == 25) : giornoDel(r, giorni) != g)
          return false;
        if (giornoDel(contoNotarile(mese, g, giorni), giorni) != g) return false;
      }
  return true;
}
static_assert(ogniGiornoTorna());

}  // namespace romano
}  // namespace almanacco
