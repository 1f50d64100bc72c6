// The window's module: its one exported symbol is what the program calls to open it.
#include "Programma.h"

extern "C" __attribute__((visibility("default"))) int almanacco_finestra(int* argc, char* argv[]) {
  return almanacco::eseguiProgramma(*argc, argv);
}
