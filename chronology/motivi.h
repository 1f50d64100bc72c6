#pragma once

#include <string>
#include <string_view>

#include "lettura.h"

namespace almanacco {

// The message, in the window's language, for an input that got no answer: the input in
// quotes, after its line number when it has one, and why, in one line: which change
// skipped a day or which rule a day breaks, the year as the user wrote it, the style that
// would give a stated year, and, where there is one, what to do instead.
std::string messaggio(std::string_view ingresso, const Lettura& lettura,
                      const Datazione& datazione = {}, long riga = 0);

}  // namespace almanacco
