// The program exactly as it starts, ending at its first painted frame.
#include "PrimoFrame.h"
#include "Programma.h"

int main(int argc, char* argv[]) {
  return almanacco::eseguiProgramma(argc, argv, almanacco::kItaliaLuogo,
                                    almanacco::esciDopoIlPrimoFrame);
}
