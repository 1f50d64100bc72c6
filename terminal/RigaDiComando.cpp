#include "RigaDiComando.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include <getopt.h>
#include <unistd.h>

#include "Elenchi.h"
#include "Record.h"
#include "luoghi.h"
#include "risposta.h"

namespace almanacco {

namespace {

// Answers go to standard output in large blocks; before an error message, and before the
// program waits for more input, what is ready is written, so that answers and errors come
// out in the order of the input and a user at the keyboard sees each answer at once. The
// first write that fails is reported and ends the work: nothing more is read or said.
class Terminale {
 public:
  explicit Terminale(const Datazione& datazione) : datazione_(datazione) {}

  void argomento(std::string_view testo) {
    if (const Lettura lettura = rispondi(testo, risposte_, datazione_);
        lettura.esito != Esito::Data)
      errore(messaggio(senzaSpazi(testo), lettura));
  }

  void ingresso() {
    Risponditore risponditore(
        [this](long numero, std::string_view riga, const Lettura& lettura) {
          errore(messaggio(riga, lettura, numero));
        },
        datazione_);
    std::string blocco(kBlocco, '\0');
    while (scritto_) {
      // The next read may wait for input: what is answered is shown first, however full
      // the last read was. (One write per block read: a million dates are some 170.)
      svuota();
      const ssize_t letti = ::read(STDIN_FILENO, blocco.data(), blocco.size());
      if (letti < 0 && errno == EINTR) continue;
      if (letti < 0) {
        errore(std::string("errore di lettura: ") + std::strerror(errno));
        return;
      }
      if (letti == 0) break;
      risponditore.leggi({blocco.data(), static_cast<std::size_t>(letti)}, risposte_);
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

  Datazione datazione_;
  std::string risposte_;
  bool errori_ = false;
  bool scritto_ = true;
};

// A usage error: one line that names what was given, escaped as a date is, and says where
// to look; status 2.
int usoSbagliato(const std::string& perché, std::string_view dove = "per l'aiuto: lunario --help") {
  std::fprintf(stderr, "lunario: %s; %.*s\n", perché.c_str(), static_cast<int>(dove.size()),
               dove.data());
  return 2;
}

constexpr std::string_view kElenco = "elenco";
constexpr char kCalendario = 'c', kStileBreve = 's', kDoppia = 'd', kAiuto = 'h', kVersione = 'v';

}  // namespace

Comando rigaDiComando(int argc, char* argv[]) {
  static constexpr option kOpzioni[] = {{"calendario", required_argument, nullptr, kCalendario},
                                        {"stile", required_argument, nullptr, kStileBreve},
                                        {"doppia-data", no_argument, nullptr, kDoppia},
                                        {"help", no_argument, nullptr, kAiuto},
                                        {"version", no_argument, nullptr, kVersione},
                                        {nullptr, 0, nullptr, 0}};
  Datazione datazione;
  Comando comando;
  bool conStile = false;
  // A list or the help is written by a terminal of its own, with its write errors.
  const auto scrivi = [&comando](std::string_view testo) {
    Terminale terminale({});
    terminale.testo(testo);
    comando.stato = terminale.stato();
    return comando;
  };
  opterr = 0;  // the messages are the program's own
  optind = 1;
  for (int opzione; (opzione = getopt_long(argc, argv, ":c:s:dhv", kOpzioni, nullptr)) != -1;) {
    switch (opzione) {
      case kCalendario:
        if (optarg == kElenco) return scrivi(elencoDeiLuoghi());
        if (const auto riforma = calendarioDi(optarg)) {
          datazione.riforma = *riforma;
          comando.calendario = optarg;
          break;
        }
        comando.stato = usoSbagliato("calendario sconosciuto " + citazione(optarg),
                                     "per l'elenco: lunario --calendario=elenco");
        return comando;
      case kStileBreve:
        if (optarg == kElenco) return scrivi(elencoDegliStili());
        if (const auto stile = stileDi(optarg)) {
          datazione.stile = *stile;
          conStile = true;
          break;
        }
        comando.stato = usoSbagliato("stile sconosciuto " + citazione(optarg),
                                     "per l'elenco: lunario --stile=elenco");
        return comando;
      case kDoppia:
        datazione.doppia = true;
        break;
      case kAiuto:
        return scrivi(aiuto());
      case kVersione:
        return scrivi(std::string("lunario ") + record::kVersione + '\n');
      case ':':
        // An option that wants its argument and came without one: named as given.
        comando.stato =
            usoSbagliato("l'opzione " + citazione(argv[optind - 1]) + " richiede un argomento");
        return comando;
      default:
        // A long option the program lacks, or one of its own given an argument
        // (--help=x): getopt has moved past the word, which is named whole. Otherwise a
        // letter the program lacks, inside a word of letters.
        if (optopt == 0 || optopt == kAiuto || optopt == kVersione || optopt == kDoppia) {
          const std::string nome = citazione(argv[optind - 1]);
          comando.stato =
              usoSbagliato(optopt == 0 ? "opzione sconosciuta " + nome
                                       : "l'opzione " + nome + " non accetta argomenti");
          return comando;
        }
        const char lettera[] = {'-', static_cast<char>(optopt)};
        comando.stato = usoSbagliato("opzione sconosciuta " + citazione({lettera, sizeof lettera}));
        return comando;
    }
  }
  if (optind >= argc) {
    // The window reads no style and writes one date: only the calendar goes to it.
    if (conStile)
      comando.stato = usoSbagliato(
          "--stile vale solo per le date del terminale: la finestra conta gli anni dal 1° gennaio");
    else if (datazione.doppia)
      comando.stato = usoSbagliato(
          "--doppia-data vale solo per le date del terminale: la finestra scrive un giorno solo");
    return comando;
  }
  Terminale terminale(datazione);
  for (int i = optind; i < argc && terminale.scritto(); ++i) {
    if (std::string_view{argv[i]} == "-")
      terminale.ingresso();
    else
      terminale.argomento(argv[i]);
  }
  comando.stato = terminale.stato();
  return comando;
}

}  // namespace almanacco
