#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "regola.h"

// The styles of the year's beginning: on which day a document's year turned. A style only
// turns the year as written into the year of the common style (from 1 January) before the
// calendar is asked; the count of the days is the place's calendar's, whatever the style.
namespace almanacco {

enum class Stile : std::uint8_t {
  Comune,
  Natività,
  Fiorentino,
  Pisano,
  Veneto,
  Bizantino,
  // From Easter, posticipato: the year's first day moves with Easter (pasque.h).
  Pasquale,
};

struct DatiStile {
  Stile stile;
  std::string_view nome, senzaAccento;
  // The day the written year turns: "anticipato" when it turns before 1 January does (the
  // days from it to 31 December carry the next year's number), "posticipato" after it
  // (the days from 1 January up to it still carry the last one's), as Cappelli calls them.
  // Month 0 for a year that turns on Easter, a day of its own each year.
  int meseInizio, giornoInizio;
  bool anticipato;
  // The last day it was written anywhere, a day of the common style; kPerSempre where the
  // sources record no end. Where a place used it longer, the place's own table says so.
  Giornata fine;
  // Where and when documents were dated so, for --help and the list of styles.
  std::string_view uso;
};

// In the order --help lists them; the start days are those of the manuals of chronology,
// the ends those of the laws that ended the styles (docs/calendari.md gives the sources).
inline constexpr std::array<DatiStile, 7> kStili{{
    {Stile::Comune, "comune", "comune", 1, 1, false, kPerSempre, "1° gennaio: l'uso di oggi"},
    {Stile::Natività, "natività", "nativita", 12, 25, true, kPerSempre,
     "25 dicembre, anticipato: il più diffuso nell'Italia dei comuni"},
    {Stile::Fiorentino,
     "fiorentino",
     "fiorentino",
     3,
     25,
     false,
     {1749, 12, 31},
     "25 marzo, posticipato: Firenze e Siena fino al 1749, l'Inghilterra fino al 1751"},
    {Stile::Pisano,
     "pisano",
     "pisano",
     3,
     25,
     true,
     {1749, 12, 31},
     "25 marzo, anticipato: Pisa fino al 1749"},
    {Stile::Veneto,
     "veneto",
     "veneto",
     3,
     1,
     false,
     {1797, 5, 12},
     "1° marzo, posticipato: Venezia fino alla fine della Repubblica, il 12 maggio 1797"},
    {Stile::Bizantino, "bizantino", "bizantino", 9, 1, true, kPerSempre,
     "1° settembre, anticipato: l'Italia bizantina, la Russia dal 1492 al 1699"},
    {Stile::Pasquale,
     "pasquale",
     "pasquale",
     0,
     0,
     false,
     {1575, 12, 31},
     "Pasqua, posticipato: la Francia fino al 1566, le Fiandre fino al 1575"},
}};

constexpr const DatiStile& datiStile(Stile stile) {
  return kStili[static_cast<std::size_t>(stile)];
}

// Whether the style's year turns on a day of its own each year (Easter): its common year
// needs the place's Easter (pasque.h), not annoComune below.
constexpr bool mobile(Stile stile) {
  return datiStile(stile).meseInizio == 0;
}

// The common year of a day written in the style's year `annoScritto`, for a style whose
// year turns on a fixed day.
constexpr int annoComune(int annoScritto, int mese, int giorno, Stile stile) {
  const DatiStile& s = datiStile(stile);
  const bool dalPrimo = mese * 32 + giorno >= s.meseInizio * 32 + s.giornoInizio;
  if (s.anticipato) return dalPrimo ? annoScritto - 1 : annoScritto;
  return dalPrimo ? annoScritto : annoScritto + 1;
}

// The year a day of the common year `anno` is written in, in the style: the inverse.
constexpr int annoNelloStile(int anno, int mese, int giorno, Stile stile) {
  const DatiStile& s = datiStile(stile);
  const bool dalPrimo = mese * 32 + giorno >= s.meseInizio * 32 + s.giornoInizio;
  if (s.anticipato) return dalPrimo ? anno + 1 : anno;
  return dalPrimo ? anno : anno - 1;
}

// What a style's name names: one style, or, for a name that editors give to two (ab
// incarnatione is Florence's and Pisa's), both.
struct NomeDiStile {
  Stile stile, oppure;
  constexpr bool ambiguo() const { return stile != oppure; }
};

// The names editors and documents give the styles besides the program's own, each with the
// style (or the two) it names.
struct AltroNome {
  std::string_view nome;
  NomeDiStile stili;
};
inline constexpr std::array<AltroNome, 15> kAltriNomi{{
    {"circoncisione", {Stile::Comune, Stile::Comune}},
    {"moderno", {Stile::Comune, Stile::Comune}},
    {"a nativitate", {Stile::Natività, Stile::Natività}},
    {"senese", {Stile::Fiorentino, Stile::Fiorentino}},
    {"lucchese", {Stile::Fiorentino, Stile::Fiorentino}},
    {"mos anglicus", {Stile::Fiorentino, Stile::Fiorentino}},
    {"secundum cursum pisanorum", {Stile::Pisano, Stile::Pisano}},
    {"m.v.", {Stile::Veneto, Stile::Veneto}},
    {"more veneto", {Stile::Veneto, Stile::Veneto}},
    {"more venetorum", {Stile::Veneto, Stile::Veneto}},
    {"ab incarnatione", {Stile::Fiorentino, Stile::Pisano}},
    {"incarnazione", {Stile::Fiorentino, Stile::Pisano}},
    {"annunciazione", {Stile::Fiorentino, Stile::Pisano}},
    {"pasqua", {Stile::Pasquale, Stile::Pasquale}},
    {"francese", {Stile::Pasquale, Stile::Pasquale}},
}};

// The style that `nome` names, in any letter case, with or without accents, with or
// without "stile" and its article before it ("stile dell'Incarnazione").
std::optional<NomeDiStile> stileDi(std::string_view nome);
// For a name that names no style, the names of styles nearest to it.
std::vector<std::string_view> viciniDegliStili(std::string_view nome);

static_assert(kStili[static_cast<std::size_t>(Stile::Pasquale)].stile == Stile::Pasquale &&
              mobile(Stile::Pasquale) && !mobile(Stile::Comune));
// Benevento, 26 February 1266 of the common year, is 26 February 1265 in Florence; an
// act of 1 October 1127 of Pisa's year is of 1126; Goldoni's birth, 25 February 1706
// "more veneto", is of 1707.
static_assert(annoComune(1265, 2, 26, Stile::Fiorentino) == 1266);
static_assert(annoComune(1127, 10, 1, Stile::Pisano) == 1126);
static_assert(annoComune(1706, 2, 25, Stile::Veneto) == 1707);
static_assert(annoComune(1958, 12, 25, Stile::Natività) == 1957);
static_assert(annoNelloStile(1266, 2, 26, Stile::Fiorentino) == 1265 &&
              annoNelloStile(1957, 12, 25, Stile::Natività) == 1958);

}  // namespace almanacco
