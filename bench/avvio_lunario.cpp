// The program exactly as it starts, ending at its first painted frame.
#include "Programma.h"
#include "primo_frame.h"

int main(int argc, char* argv[]) {
  return almanacco::eseguiProgramma(argc, argv, almanacco::banco::esciDopoIlPrimoFrame);
}
