#pragma once

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

// The keys that move the focus among the cells of a group.
enum class Direzione : std::uint8_t { Sinistra, Destra, Su, Giù, Inizio, Fine };

// The group as a screen reader names it.
std::string_view nomeGruppo(Gruppo gruppo);

// The label array of a group's cells, and the holder of its selected cell.
Nome celleDi(Gruppo gruppo);
Nome holderDi(Gruppo gruppo);
// The group whose cells form the label array `nome`; nothing for any other label.
std::optional<Gruppo> gruppoDelleCelle(std::string_view nome);

// The group after (or before) `gruppo` in the Tab chain, which wraps around.
Gruppo gruppoSeguente(Gruppo gruppo, bool avanti);

// The shown cells of a group in reading order: the days among `giorni`, the months, the
// centuries, the digits 1 to 9 and then 0, which sits below them.
std::vector<std::int16_t> celleInOrdine(Gruppo gruppo, const GiorniDelMese& giorni);

// The cell a key moves to from `cella`, among the shown ones: the previous or next in
// reading order, the nearest shown one straight above or below, the first or the last.
// Nothing wraps, so a key at the edge, or from a cell the group does not show, has no
// target.
std::optional<std::int16_t> vicino(Gruppo gruppo, std::int16_t cella, Direzione tasto,
                                   const GiorniDelMese& giorni);

}  // namespace almanacco
