#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

// The styles of the year's beginning: on which day a document's year turned. A style only
// turns the year as written into the common year (from 1 January) before the calendar
// is asked; the count of the days is the place's calendar's, whatever the style.
namespace almanacco {

enum class Stile : std::uint8_t { Comune, Natività, Fiorentino, Pisano, Veneto, Bizantino };

struct DatiStile {
  Stile stile;
  std::string_view nome, senzaAccento;
  // The day the written year turns; "in anticipo" when it turns before 1 January does
  // (the days from it to 31 December carry the next common year), "in ritardo" after it
  // (the days from 1 January up to it still carry the last one).
  int meseInizio, giornoInizio;
  bool inAnticipo;
  // Where and when documents were dated so, for --help and the list of styles.
  std::string_view uso;
};

// In the order --help lists them; the start days are those of the manuals of chronology.
inline constexpr std::array<DatiStile, 6> kStili{{
    {Stile::Comune, "comune", "comune", 1, 1, false, "1° gennaio: l'uso di oggi"},
    {Stile::Natività, "natività", "nativita", 12, 25, true,
     "25 dicembre, in anticipo: il più diffuso nell'Italia dei comuni"},
    {Stile::Fiorentino, "fiorentino", "fiorentino", 3, 25, false,
     "25 marzo, in ritardo: Firenze fino al 1749, l'Inghilterra al 1751"},
    {Stile::Pisano, "pisano", "pisano", 3, 25, true, "25 marzo, in anticipo: Pisa fino al 1749"},
    {Stile::Veneto, "veneto", "veneto", 3, 1, false, "1° marzo, in ritardo: Venezia fino al 1797"},
    {Stile::Bizantino, "bizantino", "bizantino", 9, 1, true,
     "1° settembre, in anticipo: l'Italia meridionale e la Sardegna"},
}};

constexpr const DatiStile& datiStile(Stile stile) {
  return kStili[static_cast<std::size_t>(stile)];
}

// The common year of a day written in the style's year `annoScritto`.
constexpr int annoComune(int annoScritto, int mese, int giorno, Stile stile) {
  const DatiStile& s = datiStile(stile);
  const bool dalPrimo = mese * 32 + giorno >= s.meseInizio * 32 + s.giornoInizio;
  if (s.inAnticipo) return dalPrimo ? annoScritto - 1 : annoScritto;
  return dalPrimo ? annoScritto : annoScritto + 1;
}

// The style that `nome` names, with or without its accent.
std::optional<Stile> stileDi(std::string_view nome);

static_assert(kStili[static_cast<std::size_t>(Stile::Bizantino)].stile == Stile::Bizantino);
// Benevento, 26 February 1266 of the common year, is 26 February 1265 in Florence; an
// act of 1 October 1127 of Pisa's year is of 1126; Goldoni's birth, 25 February 1706
// "more veneto", is of 1707.
static_assert(annoComune(1265, 2, 26, Stile::Fiorentino) == 1266);
static_assert(annoComune(1127, 10, 1, Stile::Pisano) == 1126);
static_assert(annoComune(1706, 2, 25, Stile::Veneto) == 1707);
static_assert(annoComune(1958, 12, 25, Stile::Natività) == 1957);

}  // namespace almanacco
