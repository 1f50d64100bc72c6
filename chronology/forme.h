#pragma once

#include <string>

#include "lettura.h"

namespace almanacco {

// A day in every form the program reads, one a line, for `--forme`: the answer, the Roman
// dating, the entering or leaving month, the indiction of each kind, and the year as each
// other style writes it where that turns it. Each line reads back as the same day with the
// same options (a year before 100 is written with four figures, as it is read).
void aggiungiForme(std::string& testo, const Lettura& lettura, const Datazione& datazione);

}  // namespace almanacco
