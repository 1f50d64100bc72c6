#pragma once

#include <string>
#include <string_view>

#include "lettura.h"

namespace almanacco {

// For a text refused because a weekday or an indiction it states is not the day's: the
// readings of the same text that fit, as an editor looks for them, each found by reading
// the text again, never guessed: in another style of the year, in the other count of the
// days (Julian or Gregorian), with another kind of indiction. What the refusal adds, as
// "; nello stile natività è venerdì 29 dicembre 1217 (--stile=natività)", or nothing
// where none fits.
std::string letturaCheTorna(std::string_view testo, const Lettura& rifiutata,
                            const Datazione& datazione);

}  // namespace almanacco
