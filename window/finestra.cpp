// The window's module: its one exported symbol is what the program calls to open it.
#include <cstdlib>

#include "PrimoFrame.h"
#include "Programma.h"
#include "luoghi.h"

// `calendario` names the calendar the window counts in, as the terminal has checked it;
// empty for Italy's.
extern "C" __attribute__((visibility("default"))) int almanacco_finestra(int* argc, char* argv[],
                                                                         const char* calendario) {
  const almanacco::Luogo* luogo = almanacco::luogoDi(calendario).luogo;
  const almanacco::Luogo& dove = luogo ? *luogo : almanacco::kItaliaLuogo;
  // bench/startup times the real program, module and all, up to its first painted frame.
  if (std::getenv("ALMANACCO_FINO_AL_PRIMO_FRAME") != nullptr)
    return almanacco::eseguiProgramma(*argc, argv, dove, almanacco::esciDopoIlPrimoFrame);
  return almanacco::eseguiProgramma(*argc, argv, dove);
}
