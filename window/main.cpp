// The program itself loads nothing of Qt: with arguments it loads the module that answers
// in the terminal (Qt's core library and the engine), without it loads the window's
// (the GUI libraries too). A date asked from a terminal never loads the GUI, and each
// module is loaded into a program that holds nothing else, which keeps its loading as
// quick as if the program were linked with it.
#include <dlfcn.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <string>

namespace {

// The program's own directory: the modules are beside it in the build tree, and where
// the installation puts them relative to it.
std::string cartellaDelProgramma() {
  char percorso[PATH_MAX];
  const ssize_t n = ::readlink("/proc/self/exe", percorso, sizeof percorso - 1);
  if (n <= 0) return ".";
  const std::string programma(percorso, static_cast<std::size_t>(n));
  return programma.substr(0, programma.rfind('/'));
}

using Ingresso = int (*)(int*, char**);

Ingresso ingresso(const char* modulo, const char* simbolo) {
  const std::string cartella = cartellaDelProgramma();
  for (const char* dove : {ALMANACCO_CARTELLA_INSTALLATA, "."})
    if (void* m = ::dlopen((cartella + '/' + dove + '/' + modulo).c_str(), RTLD_NOW | RTLD_LOCAL))
      return reinterpret_cast<Ingresso>(::dlsym(m, simbolo));
  return nullptr;
}

}  // namespace

int main(int argc, char* argv[]) {
  const bool finestra = argc <= 1;
  const auto avvia = finestra ? ingresso(ALMANACCO_MODULO_FINESTRA, "almanacco_finestra")
                              : ingresso(ALMANACCO_MODULO_RIGA, "almanacco_riga");
  if (avvia == nullptr) {
    std::fprintf(stderr, "lunario: impossibile caricare %s: %s\n",
                 finestra ? "la finestra" : "la riga di comando", ::dlerror());
    return 1;
  }
  return avvia(&argc, argv);
}
