#include "RigaDiComando.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include <getopt.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include "Elenchi.h"
#include "Record.h"
#include "annata.h"
#include "citazione.h"
#include "luoghi.h"
#include "motivi.h"
#include "nomi.h"
#include "risposta.h"

namespace almanacco {

namespace {

// Waits until a descriptor left non-blocking is ready; a signal ends the wait early, and
// the caller tries again.
void attendi(int descrittore, short evento) {
  pollfd atteso{descrittore, evento, 0};
  ::poll(&atteso, 1, -1);
}

// Whether the answers and the errors go to one file: a terminal, a pipe, or a file both
// are sent to (so it is taken where either cannot be looked at).
bool unoStessoFile() {
  struct stat uscita {
  }, errori{};
  if (::fstat(STDOUT_FILENO, &uscita) != 0 || ::fstat(STDERR_FILENO, &errori) != 0) return true;
  return uscita.st_dev == errori.st_dev && uscita.st_ino == errori.st_ino;
}

// Answers go to standard output in large blocks; before an error message, and before the
// program waits for more input, what is ready is written, so that answers and errors come
// out in the order of the input and a user at the keyboard sees each answer at once. Where
// the two go to different files, which keep no order between them, the errors wait for the
// answers' next write instead, and go out together: a million lines with some refused take
// two writes a block, not two a refusal. The first write that fails is reported and ends
// the work: nothing more is read or said.
class Terminale {
 public:
  explicit Terminale(const Datazione& datazione)
      : datazione_(datazione), inOrdine_(unoStessoFile()) {}

  void argomento(std::string_view testo) {
    if (const Lettura lettura = rispondi(testo, risposte_, datazione_);
        lettura.esito != Esito::Data)
      errore(messaggio(senzaSpazi(testo), lettura, datazione_));
  }

  void ingresso() {
    Risponditore risponditore(
        [this](long numero, std::string_view riga, const Lettura& lettura) {
          errore(messaggio(riga, lettura, datazione_, numero));
        },
        datazione_);
    std::string blocco(kBlocco, '\0');
    while (scritto_) {
      // The next read may wait for input: what is answered is shown first, however full
      // the last read was. (One write per block read: a million dates are some 170.)
      svuota();
      const ssize_t letti = ::read(STDIN_FILENO, blocco.data(), blocco.size());
      if (letti < 0 && errno == EINTR) continue;
      // A standard input left non-blocking by whoever opened it has no input yet, not
      // an error: wait until there is some.
      if (letti < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
        attendi(STDIN_FILENO, POLLIN);
        continue;
      }
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
    if (!inOrdine_) {
      if (scritto_) messaggi_.append("lunario: ").append(messaggio).append("\n");
      return;
    }
    svuota();
    if (scritto_) std::fprintf(stderr, "lunario: %s\n", messaggio.c_str());
  }

  // Writes the answers ready so far, then the errors waiting; once writing fails, nothing
  // more is written.
  void svuota() {
    const char* dati = risposte_.data();
    std::size_t resto = risposte_.size();
    while (scritto_ && resto > 0) {
      const ssize_t n = ::write(STDOUT_FILENO, dati, resto);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
        attendi(STDOUT_FILENO, POLLOUT);
        continue;
      }
      if (n < 0) {
        scritto_ = false;
        std::fprintf(stderr, "lunario: errore di scrittura: %s\n", std::strerror(errno));
        break;
      }
      dati += n;
      resto -= static_cast<std::size_t>(n);
    }
    risposte_.clear();
    if (scritto_ && !messaggi_.empty()) std::fwrite(messaggi_.data(), 1, messaggi_.size(), stderr);
    messaggi_.clear();
  }

  Datazione datazione_;
  std::string risposte_, messaggi_;
  bool errori_ = false;
  bool scritto_ = true;
  const bool inOrdine_;
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
constexpr char kAnno = 'a';

// The year --anno names: 1 to 9999, in figures; nothing for any other text.
std::optional<int> annoDi(std::string_view testo) {
  if (testo.empty() || testo.size() > 4) return std::nullopt;
  int anno = 0;
  for (const char c : testo) {
    if (c < '0' || c > '9') return std::nullopt;
    anno = anno * 10 + (c - '0');
  }
  if (anno < kPrimoAnnoStorico) return std::nullopt;
  return anno;
}
constexpr char kIndizione = 'i', kForme = 'f';

bool èElenco(std::string_view nome) {
  return normalizzato(nome) == kElenco;
}

// "; forse firenze o fiorentino?": the names nearest to one the program does not know.
std::string forse(const std::vector<std::string_view>& vicini) {
  if (vicini.empty()) return {};
  std::string testo = " (forse ";
  for (std::size_t i = 0; i < vicini.size(); ++i)
    testo += (i == 0 ? "" : i + 1 == vicini.size() ? " o " : ", ") + std::string(vicini[i]);
  return testo + "?)";
}

// The option a short letter came in, as given: "-c" out of "-dc", "-è" whole, not its
// first byte. getopt names a letter by its byte; the word it came in is the one it is
// reading, or the one it has just left.
std::string letteraData(char* argv[], int argc, int optind, int lettera) {
  const auto byte = static_cast<char>(lettera);
  for (const int i : {optind, optind - 1}) {
    if (i < 1 || i >= argc) continue;
    const std::string_view parola = argv[i];
    if (parola.size() < 2 || parola[0] != '-' || parola[1] == '-') continue;
    const std::size_t dove = parola.find(byte, 1);
    if (dove == std::string_view::npos) continue;
    std::size_t fine = dove + 1;
    if (static_cast<unsigned char>(byte) >= 0xC0)
      while (fine < parola.size() && (static_cast<unsigned char>(parola[fine]) & 0xC0) == 0x80)
        ++fine;
    return std::string("-").append(parola.substr(dove, fine - dove));
  }
  return std::string{'-', byte};
}

// The option as given: a long one whole, as the user wrote it, a short one by its letter.
std::string opzioneData(char* argv[], int argc, int optind, int lettera) {
  const char* parola = optind >= 1 && optind <= argc ? argv[optind - 1] : "";
  if (std::string_view{parola}.starts_with("--")) return citazione(parola);
  return citazione(letteraData(argv, argc, optind, lettera));
}

}  // namespace

Comando rigaDiComando(int argc, char* argv[]) {
  static constexpr option kOpzioni[] = {{"calendario", required_argument, nullptr, kCalendario},
                                        {"stile", required_argument, nullptr, kStileBreve},
                                        {"doppia-data", no_argument, nullptr, kDoppia},
                                        {"anno", required_argument, nullptr, kAnno},
                                        {"indizione", required_argument, nullptr, kIndizione},
                                        {"forme", no_argument, nullptr, kForme},
                                        {"help", no_argument, nullptr, kAiuto},
                                        {"version", no_argument, nullptr, kVersione},
                                        {nullptr, 0, nullptr, 0}};
  Datazione datazione;
  Comando comando;
  // A place or a style as the user wrote it, to name it if another is given after it.
  std::string luogoScritto, stileScritto, indizioneScritta;
  // The year whose elements --anno writes, before any date is answered.
  std::optional<int> anno;
  // A list or the help is written by a terminal of its own, with its write errors.
  const auto scrivi = [&comando](std::string_view testo) {
    Terminale terminale({});
    terminale.testo(testo);
    comando.stato = terminale.stato();
    return comando;
  };
  opterr = 0;  // the messages are the program's own
  optind = 1;
  for (int opzione;
       (opzione = getopt_long(argc, argv, ":c:s:da:i:fhv", kOpzioni, nullptr)) != -1;) {
    switch (opzione) {
      case kCalendario: {
        if (èElenco(optarg)) return scrivi(elencoDeiLuoghi());
        const LuogoCercato cercato = luogoDi(optarg);
        if (!cercato.luogo) {
          comando.stato =
              usoSbagliato("calendario sconosciuto " + citazione(optarg) + forse(cercato.vicini),
                           "per l'elenco: lunario --calendario=elenco");
          return comando;
        }
        if (!luogoScritto.empty() && cercato.luogo != datazione.luogo) {
          comando.stato = usoSbagliato("due calendari diversi: " + citazione(luogoScritto) + " e " +
                                       citazione(optarg));
          return comando;
        }
        datazione.luogo = cercato.luogo;
        comando.calendario = cercato.luogo->codice;
        luogoScritto = optarg;
        break;
      }
      case kStileBreve: {
        if (èElenco(optarg)) return scrivi(elencoDegliStili());
        const auto nome = stileDi(optarg);
        if (!nome) {
          comando.stato = usoSbagliato(
              "stile sconosciuto " + citazione(optarg) + forse(viciniDegliStili(optarg)),
              "per l'elenco: lunario --stile=elenco");
          return comando;
        }
        if (nome->ambiguo()) {
          comando.stato =
              usoSbagliato(citazione(optarg) + " può essere lo stile " +
                               std::string(datiStile(nome->stile).nome) + " o il " +
                               std::string(datiStile(nome->oppure).nome) +
                               ": scegliere --stile=" + std::string(datiStile(nome->stile).nome) +
                               " o --stile=" + std::string(datiStile(nome->oppure).nome),
                           "per l'elenco: lunario --stile=elenco");
          return comando;
        }
        if (datazione.stile && *datazione.stile != nome->stile) {
          comando.stato = usoSbagliato("due stili diversi: " + citazione(stileScritto) + " e " +
                                       citazione(optarg));
          return comando;
        }
        datazione.stile = nome->stile;
        stileScritto = optarg;
        break;
      }
      case kDoppia:
        datazione.doppia = true;
        break;
      case kAnno: {
        const std::optional<int> scritto = annoDi(optarg);
        if (!scritto || (anno && *anno != *scritto)) {
          comando.stato = usoSbagliato(
              scritto ? std::string("due anni diversi per --anno")
                      : std::string("anno non valido ")
                            .append(citazione(optarg))
                            .append(": --anno vuole un anno dall'1 al 9999, in cifre"));
          return comando;
        }
        anno = scritto;
        break;
      }
      case kIndizione: {
        if (èElenco(optarg)) return scrivi(elencoDelleIndizioni());
        const auto tipo = indizioneDi(optarg);
        if (!tipo) {
          comando.stato = usoSbagliato(
              "indizione sconosciuta " + citazione(optarg) + forse(viciniDelleIndizioni(optarg)),
              "per l'elenco: lunario --indizione=elenco");
          return comando;
        }
        if (datazione.indizione && *datazione.indizione != *tipo) {
          comando.stato = usoSbagliato("due indizioni diverse: " + citazione(indizioneScritta) +
                                       " e " + citazione(optarg));
          return comando;
        }
        datazione.indizione = tipo;
        indizioneScritta = optarg;
        break;
      }
      case kForme:
        datazione.forme = true;
        break;
      case kAiuto:
        return scrivi(aiuto());
      case kVersione:
        return scrivi(std::string("lunario ") + record::kVersione + '\n');
      case ':':
        // An option that wants its argument and came without one: named as given.
        comando.stato = usoSbagliato("l'opzione " + opzioneData(argv, argc, optind, optopt) +
                                     " richiede un argomento");
        return comando;
      default:
        // A long option the program lacks, or one of its own given an argument
        // (--help=x): getopt has moved past the word, which is named whole. Otherwise a
        // letter the program lacks, inside a word of letters.
        if (optopt == 0 || optopt == kAiuto || optopt == kVersione || optopt == kDoppia ||
            optopt == kForme) {
          const std::string nome = citazione(argv[optind - 1]);
          comando.stato =
              usoSbagliato(optopt == 0 ? "opzione sconosciuta " + nome
                                       : "l'opzione " + nome + " non accetta argomenti");
          return comando;
        }
        comando.stato = usoSbagliato("opzione sconosciuta " +
                                     citazione(letteraData(argv, argc, optind, optopt)));
        return comando;
    }
  }
  if (optind >= argc && !anno) {
    // The window reads no style and writes one date: only the calendar goes to it.
    if (datazione.stile)
      comando.stato = usoSbagliato(
          "--stile vale solo per le date del terminale: la finestra conta gli anni dal 1° gennaio");
    else if (datazione.doppia)
      comando.stato = usoSbagliato(
          "--doppia-data vale solo per le date del terminale: la finestra scrive un giorno solo");
    else if (datazione.indizione)
      comando.stato = usoSbagliato(
          "--indizione vale solo per le date del terminale: la finestra non legge indizioni");
    else if (datazione.forme)
      comando.stato = usoSbagliato(
          "--forme vale solo per le date del terminale: la finestra scrive una forma sola");
    return comando;
  }
  Terminale terminale(datazione);
  if (anno) terminale.testo(annata(*anno, datazione));
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
