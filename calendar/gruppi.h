#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "etichette.h"
#include "regola.h"

namespace almanacco {

// The five groups of cells, in the order the Tab key visits them.
enum class Gruppo : std::uint8_t { Giorno, Mese, Secolo, Decina, Unità };
inline constexpr int kGruppi = 5;
inline constexpr std::array<Gruppo, kGruppi> kTuttiIGruppi{
    Gruppo::Giorno, Gruppo::Mese, Gruppo::Secolo, Gruppo::Decina, Gruppo::Unità};

// The group as a screen reader names it.
std::string_view nomeGruppo(Gruppo gruppo);

// The label array of a group's cells, and the holder of its selected cell.
Nome celleDi(Gruppo gruppo);
Nome holderDi(Gruppo gruppo);
// The group whose cells form the label array `nome`; nothing for any other label.
std::optional<Gruppo> gruppoDelleCelle(std::string_view nome);

// Where a cell sits in its group's block, counted from the block's top left cell: days
// in rows of seven, months of three, centuries of two, the digits 1 to 9 in a 3 x 3
// square with 0 under the 8. Nothing for a cell the group does not have. The window
// places its cells by it, and the keys move by it.
struct Posto {
  int riga, colonna;
};
std::optional<Posto> posto(Gruppo gruppo, std::int16_t cella);

// The shown cells of a group in reading order, row by row: the days among `giorni`, the
// months, the centuries, the digits 1 to 9 and then 0.
std::vector<std::int16_t> celleInOrdine(Gruppo gruppo, const GiorniDelMese& giorni);

}  // namespace almanacco
