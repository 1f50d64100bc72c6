// The terminal's module: its one exported symbol is what the program calls with arguments.
#include "RigaDiComando.h"

extern "C" __attribute__((visibility("default"))) int almanacco_riga(int* argc, char* argv[]) {
  return almanacco::rigaDiComando(*argc, argv);
}
