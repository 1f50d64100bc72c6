#pragma once

namespace almanacco {

// The program with arguments: answers dates in the terminal, given as arguments or, for
// "-", read from standard input a line at a time, and never starts the GUI platform.
// Returns the exit status: 0 every date answered, 1 some input was no date (or the
// answers could not be written), 2 an unknown option.
int rigaDiComando(int argc, char* argv[]);

}  // namespace almanacco
