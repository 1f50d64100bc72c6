#include "RigaDiComando.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include <unistd.h>

#include "Record.h"
#include "risposta.h"

namespace almanacco {

namespace {

constexpr const char* kAiuto =
    "Uso: lunario [DATA...]\n"
    "\n"
    "Senza argomenti apre la finestra. Con argomenti scrive il giorno della settimana\n"
    "di ogni data, una riga per data, come la finestra:\n"
    "  lunario 15/6/1957        15 Giugno 1957: Sabato\n"
    "\n"
    "Una data si scrive 15/6/1957, 15-06-1957, 15.6.1957 o 1957-06-15, con l'anno\n"
    "dal 1500 al 2299: giuliana fino al 4 ottobre 1582, gregoriana dal 15 ottobre\n"
    "1582. Il trattino - al posto di una data legge le date dallo standard input,\n"
    "una per riga; le righe vuote si saltano.\n"
    "\n"
    "Opzioni:\n"
    "  -h, --help     mostra questo aiuto\n"
    "  -v, --version  mostra la versione\n"
    "\n"
    "Stato d'uscita: 0 ogni data ha la sua risposta; 1 qualche data non esiste, è fuori\n"
    "dagli anni o non è una data (le altre hanno comunque la risposta); 2 un'opzione\n"
    "sconosciuta.\n";

// Answers go to standard output in large blocks; before an error message, and before the
// program waits for more input, what is ready is written, so that answers and errors come
// out in the order of the input and a user at the keyboard sees each answer at once.
class Terminale {
 public:
  void argomento(std::string_view testo) {
    if (const Esito esito = rispondi(testo, risposte_); esito != Esito::Data)
      errore(messaggio(testo, esito));
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
        break;
      }
      if (letti == 0) break;
      risponditore.leggi({blocco.data(), static_cast<std::size_t>(letti)}, risposte_);
      // A short read means no more input is waiting: show what is answered.
      if (static_cast<std::size_t>(letti) < blocco.size()) svuota();
    }
    risponditore.fine(risposte_);
  }

  int stato() {
    svuota();
    return errori_ || !scritto_ ? 1 : 0;
  }

 private:
  static constexpr std::size_t kBlocco = std::size_t{1} << 16;

  void errore(const std::string& messaggio) {
    errori_ = true;
    svuota();
    std::fprintf(stderr, "lunario: %s\n", messaggio.c_str());
  }

  // Writes the answers ready so far; once writing fails, nothing more is read.
  void svuota() {
    const char* dati = risposte_.data();
    std::size_t resto = risposte_.size();
    while (scritto_ && resto > 0) {
      const ssize_t n = ::write(STDOUT_FILENO, dati, resto);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) {
        scritto_ = false;
        std::fprintf(stderr, "lunario: impossibile scrivere le risposte: %s\n",
                     std::strerror(errno));
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

}  // namespace

int rigaDiComando(int argc, char* argv[]) {
  QCoreApplication applicazione(argc, argv);
  QCommandLineParser parser;
  const QCommandLineOption aiuto({"h", "help"}, QStringLiteral("mostra questo aiuto"));
  const QCommandLineOption versione({"v", "version"}, QStringLiteral("mostra la versione"));
  parser.addOption(aiuto);
  parser.addOption(versione);
  if (!parser.parse(QCoreApplication::arguments())) {
    const QStringList sconosciute = parser.unknownOptionNames();
    const QString nome = sconosciute.isEmpty() ? QString() : sconosciute.front();
    std::fprintf(stderr, "lunario: opzione sconosciuta \"%s%s\"; vedi lunario --help\n",
                 nome.size() == 1 ? "-" : "--", qPrintable(nome));
    return 2;
  }
  if (parser.isSet(aiuto)) {
    std::fputs(kAiuto, stdout);
    return 0;
  }
  if (parser.isSet(versione)) {
    std::printf("lunario %s\n", record::kVersione);
    return 0;
  }
  Terminale terminale;
  for (const QString& argomento : parser.positionalArguments()) {
    if (argomento == QStringLiteral("-"))
      terminale.ingresso();
    else
      terminale.argomento(argomento.toStdString());
  }
  return terminale.stato();
}

}  // namespace almanacco
