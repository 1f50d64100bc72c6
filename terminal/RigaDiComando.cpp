#include "RigaDiComando.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include <getopt.h>
#include <unistd.h>

#include "Record.h"
#include "risposta.h"

namespace almanacco {

namespace {

constexpr std::string_view kAiuto =
    "Uso: lunario [OPZIONE]... [DATA]...\n"
    "\n"
    "Senza date apre la finestra. Con date scrive il giorno della settimana di\n"
    "ognuna, una riga per data, come la finestra:\n"
    "  lunario 15/6/1957        15 Giugno 1957: Sabato\n"
    "\n"
    "Una data si scrive 15/6/1957, 15-06-1957, 15.6.1957 o 1957-06-15. L'anno va\n"
    "dall'1 al 9999 e si scrive intero: con tre o quattro cifre (25/12/800), con\n"
    "quattro nella forma 0800-12-25; 15/6/57 non è una data. Il calendario è\n"
    "giuliano fino al 4 ottobre 1582 e gregoriano dal 15 ottobre 1582. L'anno\n"
    "comincia il 1° gennaio: nelle carte datate con l'anno che cominciava il\n"
    "25 marzo o il 1° marzo, l'anno delle date da gennaio a marzo va corretto.\n"
    "La finestra offre gli anni dal 1500 al 2299; vi si incolla una data con\n"
    "Ctrl+V o Maiusc+Ins.\n"
    "\n"
    "Il trattino - al posto di una data legge le date dallo standard input, una per\n"
    "riga; le righe vuote si saltano. Dopo -- ogni argomento è una data, anche se\n"
    "comincia con il trattino.\n"
    "\n"
    "Opzioni:\n"
    "  -h, --help     mostra questo aiuto ed esce\n"
    "  -v, --version  mostra la versione ed esce\n"
    "\n"
    "Stato d'uscita:\n"
    "  0  ogni data ha avuto la sua risposta\n"
    "  1  qualche data non esiste, è fuori dagli anni o non è una data (le altre\n"
    "     hanno comunque la risposta), o leggere o scrivere non è riuscito\n"
    "  2  un'opzione sconosciuta o scritta male\n";

// Answers go to standard output in large blocks; before an error message, and before the
// program waits for more input, what is ready is written, so that answers and errors come
// out in the order of the input and a user at the keyboard sees each answer at once. The
// first write that fails is reported and ends the work: nothing more is read or said.
class Terminale {
 public:
  void argomento(std::string_view testo) {
    if (const Esito esito = rispondi(testo, risposte_); esito != Esito::Data)
      errore(messaggio(senzaSpazi(testo), esito));
  }

  void ingresso() {
    Risponditore risponditore([this](long numero, std::string_view riga, Esito esito) {
      errore(messaggio(riga, esito, numero));
    });
    std::string blocco(kBlocco, '\0');
    while (scritto_) {
      if (risposte_.size() >= kBlocco) svuota();
      const ssize_t letti = ::read(STDIN_FILENO, blocco.data(), blocco.size());
      if (letti < 0 && errno == EINTR) continue;
      if (letti < 0) {
        errore(std::string("impossibile leggere lo standard input: ") + std::strerror(errno));
        return;
      }
      if (letti == 0) break;
      risponditore.leggi({blocco.data(), static_cast<std::size_t>(letti)}, risposte_);
      // A short read means no more input is waiting: show what is answered.
      if (static_cast<std::size_t>(letti) < blocco.size()) svuota();
    }
    // A line cut short by a failed write is no line of the input.
    if (scritto_) risponditore.fine(risposte_);
  }

  void testo(std::string_view testo) {
    risposte_ += testo;
    svuota();
  }

  bool scritto() const { return scritto_; }

  int stato() {
    svuota();
    return errori_ || !scritto_ ? 1 : 0;
  }

 private:
  static constexpr std::size_t kBlocco = std::size_t{1} << 16;

  void errore(const std::string& messaggio) {
    errori_ = true;
    svuota();
    if (scritto_) std::fprintf(stderr, "lunario: %s\n", messaggio.c_str());
  }

  // Writes the answers ready so far; once writing fails, nothing more is written.
  void svuota() {
    const char* dati = risposte_.data();
    std::size_t resto = risposte_.size();
    while (scritto_ && resto > 0) {
      const ssize_t n = ::write(STDOUT_FILENO, dati, resto);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) {
        scritto_ = false;
        std::fprintf(stderr, "lunario: errore di scrittura: %s\n", std::strerror(errno));
        break;
      }
      dati += n;
      resto -= static_cast<std::size_t>(n);
    }
    risposte_.clear();
  }

  std::string risposte_;
  bool errori_ = false;
  bool scritto_ = true;
};

// A bad option, named as it was given, non-printable bytes escaped as in a date; status 2.
int opzioneSbagliata(std::string_view parola, bool conArgomento) {
  const std::string nome = citazione(parola);
  if (conArgomento)
    std::fprintf(stderr, "lunario: l'opzione %s non vuole argomenti; vedi lunario --help\n",
                 nome.c_str());
  else
    std::fprintf(stderr, "lunario: opzione sconosciuta %s; vedi lunario --help\n", nome.c_str());
  return 2;
}

}  // namespace

std::optional<int> rigaDiComando(int argc, char* argv[]) {
  static constexpr option kOpzioni[] = {{"help", no_argument, nullptr, 'h'},
                                        {"version", no_argument, nullptr, 'v'},
                                        {nullptr, 0, nullptr, 0}};
  Terminale terminale;
  opterr = 0;  // the messages are the program's own
  optind = 1;
  for (int opzione; (opzione = getopt_long(argc, argv, "hv", kOpzioni, nullptr)) != -1;) {
    switch (opzione) {
      case 'h':
        terminale.testo(kAiuto);
        return terminale.stato();
      case 'v':
        terminale.testo(std::string("lunario ") + record::kVersione + '\n');
        return terminale.stato();
      default:
        // A long option the program lacks, or one of its own given an argument
        // (--help=x): getopt has moved past the word, which is named whole. Otherwise a
        // letter the program lacks, inside a word of letters.
        if (optopt == 0 || optopt == 'h' || optopt == 'v')
          return opzioneSbagliata(argv[optind - 1], optopt != 0);
        const char lettera[] = {'-', static_cast<char>(optopt)};
        return opzioneSbagliata({lettera, sizeof lettera}, false);
    }
  }
  if (optind >= argc) return std::nullopt;
  for (int i = optind; i < argc && terminale.scritto(); ++i) {
    if (std::string_view{argv[i]} == "-")
      terminale.ingresso();
    else
      terminale.argomento(argv[i]);
  }
  return terminale.stato();
}

}  // namespace almanacco
