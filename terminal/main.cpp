// The program answers a date from the terminal itself, with the engine and the C and C++
// libraries alone; only when there is no date to answer does it load the window's module
// (the GUI libraries too). A date asked from a terminal never loads Qt, and the module is
// loaded into a program that holds nothing else of it, which keeps its loading as quick
// as if the program were linked with it.
#include <dlfcn.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <string>

#include "RigaDiComando.h"

namespace {

// The program's own directory: the module is beside it in the build tree, and where
// the installation puts it relative to it.
std::string cartellaDelProgramma() {
  char percorso[PATH_MAX];
  const ssize_t n = ::readlink("/proc/self/exe", percorso, sizeof percorso - 1);
  if (n <= 0) return ".";
  const std::string programma(percorso, static_cast<std::size_t>(n));
  return programma.substr(0, programma.rfind('/'));
}

// The module's entry: the arguments for Qt, and the calendar the window counts in.
using Ingresso = int (*)(int*, char**, const char*);

Ingresso finestra() {
  const std::string cartella = cartellaDelProgramma();
  for (const char* dove : {ALMANACCO_CARTELLA_INSTALLATA, "."})
    if (void* m = ::dlopen((cartella + '/' + dove + '/' + ALMANACCO_MODULO_FINESTRA).c_str(),
                           RTLD_NOW | RTLD_LOCAL))
      return reinterpret_cast<Ingresso>(::dlsym(m, "almanacco_finestra"));
  return nullptr;
}

}  // namespace

int main(int argc, char* argv[]) {
  const almanacco::Comando comando = almanacco::rigaDiComando(argc, argv);
  if (comando.stato) return *comando.stato;
  const auto avvia = finestra();
  if (avvia == nullptr) {
    std::fprintf(stderr, "lunario: impossibile caricare la finestra: %s\n", ::dlerror());
    return 1;
  }
  // The window takes no arguments: what "--" ended is nothing for it.
  int uno = 1;
  char* soloIlNome[] = {argv[0], nullptr};
  return avvia(&uno, soloIlNome, comando.calendario.c_str());
}
