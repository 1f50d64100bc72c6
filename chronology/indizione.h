#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// The indiction: a cycle of fifteen years that stands beside the year in notarial deeds
// and in the chronologists' tables. Its number for the year from 1 January is the year
// plus 3, less the fifteens, 15 for none (Enciclopedia Italiana, "Indizione", 1933);
// each kind moves on to the next number on a day of its own.
namespace almanacco {

enum class Indizione : std::uint8_t { Greca, Senese, Bedana, Genovese, RomanaNatale, Romana };

struct DatiIndizione {
  Indizione tipo;
  std::string_view nome;
  // The day the number moves on, in the year before the one it is counted from 1 January;
  // 1 January (1, 1) moves on with the year itself.
  int mese, giorno;
  // Less than the kind it follows by this: Genoa's counts one behind the Bedan.
  int scarto;
};

// In the order of their change within the year; the sources are in docs/calendari.md.
inline constexpr std::array<DatiIndizione, 6> kIndizioni{{
    {Indizione::Greca, "greca", 9, 1, 0},
    {Indizione::Senese, "senese", 9, 8, 0},
    {Indizione::Bedana, "bedana", 9, 24, 0},
    {Indizione::Genovese, "genovese", 9, 24, 1},
    {Indizione::RomanaNatale, "romana dal 25 dicembre", 12, 25, 0},
    {Indizione::Romana, "romana", 1, 1, 0},
}};

constexpr const DatiIndizione& datiIndizione(Indizione tipo) {
  return kIndizioni[static_cast<std::size_t>(tipo)];
}

// The indiction of the year from 1 January: 1 to 15.
constexpr int indizioneDellAnno(int anno) {
  const int resto = ((anno + 3) % 15 + 15) % 15;
  return resto == 0 ? 15 : resto;
}

// The indiction of a day of the year of the common style, by the kind.
constexpr int indizione(int anno, int mese, int giorno, Indizione tipo) {
  const DatiIndizione& d = datiIndizione(tipo);
  const bool avanti =
      (d.mese != 1 || d.giorno != 1) && mese * 32 + giorno >= d.mese * 32 + d.giorno;
  return indizioneDellAnno(anno + (avanti ? 1 : 0) - d.scarto);
}

// 1300 is XIII; 29 December 1217 is VI in the Greek, Sienese and Bedan kinds and in the
// Roman from Christmas, V in the Roman from 1 January and in Genoa's (the Vercelli deed of
// "indicione sexta"); Genoa, 5 April 1724, "correndo l'indizione prima".
static_assert(indizioneDellAnno(1300) == 13);
static_assert(indizione(1217, 12, 29, Indizione::Greca) == 6 &&
              indizione(1217, 12, 29, Indizione::Bedana) == 6 &&
              indizione(1217, 12, 29, Indizione::RomanaNatale) == 6 &&
              indizione(1217, 12, 29, Indizione::Romana) == 5 &&
              indizione(1217, 12, 29, Indizione::Genovese) == 5);
static_assert(indizione(1724, 4, 5, Indizione::Genovese) == 1);

}  // namespace almanacco
