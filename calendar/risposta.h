#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

namespace almanacco {

// A date as a terminal gives it: day/month/year with '/', '-' or '.' between (15/6/1957,
// 15-06-1957, 15.6.1957), or ISO 1957-06-15; years of four digits.
struct DataScritta {
  int giorno = 0, mese = 0, anno = 0;
};

enum class Esito : unsigned char { Data, NonUnaData, FuoriAnni, Inesistente };

struct Lettura {
  Esito esito;
  DataScritta data;
};

// Reads one date, blanks around it allowed; a date that never was (31/2/2023,
// 10/10/1582) or a year outside 1500 to 2299 says so.
Lettura leggiData(std::string_view testo);

// Appends the window's result line for an existing date, and a newline.
void aggiungiRisposta(std::string& risposte, const DataScritta& data);

// Answers one date: appends its result line, or says why there is none.
Esito rispondi(std::string_view testo, std::string& risposte);

// The message, in the window's language, for an input that got no answer: the input in
// quotes (bytes that are not printable ASCII as \xHH, a long input cut short), after
// its line number when it has one, and why.
std::string messaggio(std::string_view ingresso, Esito esito, long riga = 0);

// Answers dates a line at a time, as they arrive in pieces of any size: a date gets its
// result line, a blank line nothing, anything else an error that names the line. Memory
// stays bounded whatever the input: of a long line only its beginning is kept.
class Risponditore {
 public:
  // Called for a line that is no answerable date: its number, the line (or its
  // beginning) and why.
  using Errore = std::function<void(long numero, std::string_view riga, Esito esito)>;

  explicit Risponditore(Errore errore) : errore_(std::move(errore)) {}

  // Answers every line that `pezzo` completes, appending to `risposte`.
  void leggi(std::string_view pezzo, std::string& risposte);
  // The input has ended: answers a last line that had no newline.
  void fine(std::string& risposte);
  bool tuttoBene() const { return !errori_; }

  // A line is no date long before this; what is kept of a longer one names it.
  static constexpr std::size_t kRigaMassima = 256;

 private:
  void rispondiRiga(std::string_view riga, std::string& risposte);

  Errore errore_;
  std::string riga_;  // a line begun in an earlier piece, at most kRigaMassima bytes
  bool lunga_ = false;
  long numero_ = 0;
  bool errori_ = false;
};

}  // namespace almanacco
