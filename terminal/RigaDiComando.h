#pragma once

#include <optional>
#include <string>

namespace almanacco {

// What the command line asks for: an exit status when it is answered in the terminal,
// or nothing when the window is to open, in the calendar named (empty for Italy's).
struct Comando {
  std::optional<int> stato;
  std::string calendario;
};

// The program from a terminal: reads the options the GNU way and answers each date
// given as an argument or, for "-", read from standard input a line at a time. Uses the
// engine and the C and C++ libraries alone. The status is 0 when every date is answered;
// 1 when some input was no date, or reading or writing failed; 2 for a bad option. With
// no date and no option to act on, the window opens.
Comando rigaDiComando(int argc, char* argv[]);

}  // namespace almanacco
