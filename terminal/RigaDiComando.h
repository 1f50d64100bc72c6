#pragma once

#include <optional>

namespace almanacco {

// The program from a terminal: reads the options the GNU way and answers each date
// given as an argument or, for "-", read from standard input a line at a time. Uses the
// engine and the C and C++ libraries alone. Returns the exit status (0 every date
// answered; 1 some input was no date, or reading or writing failed; 2 a bad option),
// or nothing when there is no date and no option to act on: then the window opens.
std::optional<int> rigaDiComando(int argc, char* argv[]);

}  // namespace almanacco
