// The window's module: its one exported symbol is what the program calls to open it.
#include <cstdlib>

#include "PrimoFrame.h"
#include "Programma.h"

extern "C" __attribute__((visibility("default"))) int almanacco_finestra(int* argc, char* argv[]) {
  // bench/startup times the real program, module and all, up to its first painted frame.
  if (std::getenv("ALMANACCO_FINO_AL_PRIMO_FRAME") != nullptr)
    return almanacco::eseguiProgramma(*argc, argv, almanacco::esciDopoIlPrimoFrame);
  return almanacco::eseguiProgramma(*argc, argv);
}
