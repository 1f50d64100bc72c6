#include "Programma.h"

int main(int argc, char* argv[]) {
  return almanacco::eseguiProgramma(argc, argv);
}
