#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

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
  // Where and when documents counted so, for the list of kinds.
  std::string_view uso;
};

// In the order of their change within the year; the sources are in docs/calendari.md.
inline constexpr std::array<DatiIndizione, 6> kIndizioni{{
    {Indizione::Greca, "greca", 9, 1, 0,
     "1° settembre: Bisanzio, l'Italia meridionale, Milano; la cancelleria papale fino al "
     "1197 o fino all'XI secolo (le fonti non concordano)"},
    {Indizione::Senese, "senese", 9, 8, 0, "8 settembre: Siena e il suo territorio"},
    {Indizione::Bedana, "bedana", 9, 24, 0,
     "24 settembre: la Germania, gli stati sabaudi, Piacenza, Firenze, spesso la "
     "cancelleria imperiale"},
    {Indizione::Genovese, "genovese", 9, 24, 1,
     "24 settembre, un'unità meno della bedana: Genova e il suo dominio"},
    {Indizione::RomanaNatale, "romana dal 25 dicembre", 12, 25, 0,
     "25 dicembre: la romana contata dal Natale"},
    {Indizione::Romana, "romana", 1, 1, 0,
     "1° gennaio, o 25 dicembre: l'Occidente dal IX secolo, dal XIV quasi solo la "
     "cancelleria papale"},
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

// Whether the kind `tipo` is one that `scelta` asks for: every kind where none is asked,
// and either Roman one (from Christmas or from 1 January) where the Roman is.
constexpr bool ammessa(Indizione tipo, std::optional<Indizione> scelta) {
  if (!scelta) return true;
  if (*scelta == Indizione::Romana)
    return tipo == Indizione::Romana || tipo == Indizione::RomanaNatale;
  return tipo == *scelta;
}

// Whether a day has the indiction `numero` in a kind that `scelta` asks for.
constexpr bool concorda(int numero, int anno, int mese, int giorno,
                        std::optional<Indizione> scelta) {
  for (const DatiIndizione& d : kIndizioni)
    if (ammessa(d.tipo, scelta) && indizione(anno, mese, giorno, d.tipo) == numero) return true;
  return false;
}

// The names the chronologists give the kinds besides the program's own.
struct AltroNomeDiIndizione {
  std::string_view nome;
  Indizione tipo;
};
inline constexpr std::array<AltroNomeDiIndizione, 6> kAltriNomiDiIndizione{{
    {"costantinopolitana", Indizione::Greca},
    {"bizantina", Indizione::Greca},
    {"cesarea", Indizione::Bedana},
    {"costantiniana", Indizione::Bedana},
    {"imperiale", Indizione::Bedana},
    {"pontificia", Indizione::Romana},
}};

// The kind `nome` names, in any letter case, with or without accents and "indizione"
// before it; for `--indizione` and the kind a text names after its indiction.
std::optional<Indizione> indizioneDi(std::string_view nome);
// For a name that names no kind, the names of kinds nearest to it.
std::vector<std::string_view> viciniDelleIndizioni(std::string_view nome);

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
static_assert(concorda(6, 1217, 12, 29, std::nullopt) &&
              !concorda(6, 1217, 12, 29, Indizione::Genovese) &&
              concorda(6, 1217, 12, 29, Indizione::Romana));

}  // namespace almanacco
