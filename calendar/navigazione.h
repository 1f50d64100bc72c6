#pragma once

#include <cstdint>
#include <optional>

#include "gruppi.h"

namespace almanacco {

// The keys that move the focus among the cells of a group.
enum class Direzione : std::uint8_t { Sinistra, Destra, Su, Giù, Inizio, Fine };

// The group after (or before) `gruppo` in the Tab chain, which wraps around.
Gruppo gruppoSeguente(Gruppo gruppo, bool avanti);

// The cell a key moves to from `cella`, among the shown ones: the previous or next in
// reading order, the nearest shown one straight above or below, the first or the last.
// Nothing wraps, so a key at the edge, or from a cell the group does not show, has no
// target.
std::optional<std::int16_t> vicino(Gruppo gruppo, std::int16_t cella, Direzione tasto,
                                   const GiorniDelMese& giorni);

}  // namespace almanacco
