#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

#include "regola.h"
#include "stili.h"

namespace almanacco {

// How a document dates its days: the calendar of its place and the style of its year;
// and, when `doppia`, whether the answer adds the same day in the other count, as a
// historian converting Old Style to New writes both.
struct Datazione {
  Riforma riforma = kItalia;
  Stile stile = Stile::Comune;
  bool doppia = false;
};

// A date as a terminal gives it: day/month/year with '/', '-' or '.' between (15/6/1957,
// 15-06-1957, 15.6.1957, 25/12/800), with a year of three or four digits, or ISO
// 1957-06-15, 0800-12-25, with four. `anno` is the year as written; `annoComune` the same
// year reckoned from 1 January, which a style of the year may turn.
struct DataScritta {
  int giorno = 0, mese = 0, anno = 0, annoComune = 0;
};

// AnnoIncompleto: a year of one or two digits, which could belong to any century.
enum class Esito : unsigned char { Data, NonUnaData, AnnoIncompleto, FuoriAnni, Inesistente };

struct Lettura {
  Esito esito;
  DataScritta data;
};

// Reads one date, dated as `datazione` says, blanks and a CR around it allowed, at any
// length; a date that never was there (31/2/2023, 10/10/1582 in Italy), a year cut
// short, or a year outside 1 to 9999 (as written or as reckoned) says so.
Lettura leggiData(std::string_view testo, const Datazione& datazione = {});

// Appends the window's result line for a date that existed, and a newline: the year as
// written, the common year in parentheses where the style turned it, and with `doppia`
// the same day in the other count ("30 Gennaio 1648 (1649): Martedì = 9 Febbraio 1649
// gregoriano").
void aggiungiRisposta(std::string& risposte, const DataScritta& data, const Datazione& datazione);
// The same line written at `qui`, which has room for kRispostaMassima bytes; returns
// where it ends.
inline constexpr std::size_t kRispostaMassima = 96;
char* scriviRisposta(char* qui, const DataScritta& data, const Datazione& datazione);

// Answers one date: appends its result line, or says why there is none.
Esito rispondi(std::string_view testo, std::string& risposte, const Datazione& datazione = {});

// A text without the blanks and CRs around it, as a date is read.
std::string_view senzaSpazi(std::string_view testo);

// The message, in the window's language, for an input that got no answer: the input in
// quotes, after its line number when it has one, and why.
std::string messaggio(std::string_view ingresso, Esito esito, long riga = 0);

// A text as a message names it: in double quotes, bytes that are not printable ASCII
// (and the quote and backslash) as \xHH, a long text cut short with "...".
std::string citazione(std::string_view testo);

// Answers dates a line at a time, as they arrive in pieces of any size: a date gets its
// result line, a blank line nothing, anything else an error that names the line. A
// UTF-8 byte-order mark at the very start is skipped, as editors on Windows write one.
// Memory stays bounded whatever the input: blanks around a date are read and dropped,
// and of a long line only its beginning is kept.
class Risponditore {
 public:
  // Called for a line that is no answerable date: its number, the line (or its
  // beginning) and why.
  using Errore = std::function<void(long numero, std::string_view riga, Esito esito)>;

  explicit Risponditore(Errore errore, const Datazione& datazione = {})
      : errore_(std::move(errore)), datazione_(datazione) {}

  // Answers every line that `pezzo` completes, appending to `risposte`.
  void leggi(std::string_view pezzo, std::string& risposte);
  // The input has ended: answers a last line that had no newline.
  void fine(std::string& risposte);
  bool tuttoBene() const { return !errori_; }

  // A line is no date long before this, blanks around it apart; what is kept of a
  // longer one names it.
  static constexpr std::size_t kRigaMassima = 256;

 private:
  void leggiRighe(std::string_view pezzo, std::string& risposte);
  void nonUnBom(std::string& risposte);
  // Hands the answers written so far over to `risposte`.
  void consegna(std::string& risposte);
  void rispondiRiga(std::string_view riga, std::string& risposte);

  Errore errore_;
  Datazione datazione_;
  // A line begun in an earlier piece, from its first byte that is not a blank: at most
  // kRigaMassima bytes.
  std::string riga_;
  bool lunga_ = false;   // a byte other than a blank fell beyond kRigaMassima
  std::size_t bom_ = 0;  // bytes of a byte-order mark matched at the start
  bool inizio_ = true;   // nothing read yet but the beginning of a byte-order mark
  long numero_ = 0;
  bool errori_ = false;
  // Answers are written here first, a line at a time, and handed over together: at the
  // end of a piece, and before an error, which follows them.
  std::array<char, 4096> pronte_;
  std::size_t quante_ = 0;
};

}  // namespace almanacco
