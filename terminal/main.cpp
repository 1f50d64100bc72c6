// The program answers a date from the terminal itself, with the engine and the C and C++
// libraries alone; only when there is no date to answer does it load the window's module
// (the GUI libraries too). A date asked from a terminal never loads Qt, and the module is
// loaded into a program that holds nothing else of it, which keeps its loading as quick
// as if the program were linked with it.
#include <dlfcn.h>
#include <libintl.h>
#include <unistd.h>

#include <clocale>
#include <cstdio>
#include <filesystem>
#include <string>

#include "RigaDiComando.h"

namespace {

// The program's own directory: the module is beside it in the build tree, and where
// the installation puts it relative to it.
std::filesystem::path cartellaDelProgramma() {
  std::error_code nessuno;
  const std::filesystem::path programma = std::filesystem::read_symlink("/proc/self/exe", nessuno);
  return nessuno ? std::filesystem::path(".") : programma.parent_path();
}

// The module's entry: the arguments for Qt, and the calendar the window counts in.
using Ingresso = int (*)(int*, char**, const char*);

// The window's module, or why it cannot be loaded.
struct Modulo {
  Ingresso ingresso = nullptr;
  std::string perché;
};

// The module where the installation puts it, or beside the program in the build tree.
// The first of them that is there is the program's: its own reason is the one given (a
// file cut short, a library of Qt missing); where neither is, both are named.
Modulo finestra() {
  const std::filesystem::path cartella = cartellaDelProgramma();
  std::string mancanti;
  for (const char* dove : {ALMANACCO_CARTELLA_INSTALLATA, "."}) {
    const std::string percorso = (cartella / dove / ALMANACCO_MODULO_FINESTRA).lexically_normal();
    void* modulo = ::dlopen(percorso.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (modulo != nullptr)
      if (void* ingresso = ::dlsym(modulo, "almanacco_finestra"))
        return {reinterpret_cast<Ingresso>(ingresso), {}};
    // dlerror names the module itself, or only the library it lacks.
    std::string perché = ::dlerror();
    if (perché.rfind(percorso, 0) != 0) perché = percorso + ": " + perché;
    std::error_code nessuno;
    if (std::filesystem::exists(percorso, nessuno)) return {nullptr, perché};
    mancanti += (mancanti.empty() ? "" : "; ") + perché;
  }
  return {nullptr, mancanti};
}

}  // namespace

int main(int argc, char* argv[]) {
  // The program's own texts are Italian; what the system says of a failure (a full disk,
  // a closed output) is in the user's language, as their locale names it, and in UTF-8,
  // as everything the program writes. Only the messages' category is set: dates, numbers
  // and letter case stay the same in every locale.
  std::setlocale(LC_MESSAGES, "");
  ::bind_textdomain_codeset("libc", "UTF-8");
  const almanacco::Comando comando = almanacco::rigaDiComando(argc, argv);
  if (comando.stato) return *comando.stato;
  const Modulo modulo = finestra();
  if (modulo.ingresso == nullptr) {
    std::fprintf(stderr, "lunario: impossibile caricare la finestra: %s\n", modulo.perché.c_str());
    return 1;
  }
  // The window takes no arguments: what "--" ended is nothing for it.
  int uno = 1;
  char* soloIlNome[] = {argv[0], nullptr};
  return modulo.ingresso(&uno, soloIlNome, comando.calendario.c_str());
}
