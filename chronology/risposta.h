#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

#include "lettura.h"
#include "rigarisposta.h"

namespace almanacco {

// Answers one date: appends its result line, or says why there is none.
Lettura rispondi(std::string_view testo, std::string& risposte, const Datazione& datazione = {});

// Answers dates a line at a time, as they arrive in pieces of any size: a date gets its
// result line, a blank line nothing, anything else an error that names the line. A
// UTF-8 byte-order mark at the very start is skipped, as editors on Windows write one.
// Memory stays bounded whatever the input: blanks around a date are read and dropped,
// and of a long line only its beginning is kept.
class Risponditore {
 public:
  // Called for a line that is no answerable date: its number, the line (or its
  // beginning) and why.
  using Errore = std::function<void(long numero, std::string_view riga, const Lettura& lettura)>;

  explicit Risponditore(Errore errore, const Datazione& datazione = {})
      : errore_(std::move(errore)), datazione_(datazione) {}

  // Answers every line that `pezzo` completes, appending to `risposte`.
  void leggi(std::string_view pezzo, std::string& risposte);
  // The input has ended: answers a last line that had no newline.
  void fine(std::string& risposte);
  bool tuttoBene() const { return !errori_; }

  // What is kept of a line longer than a date names it.
  static constexpr std::size_t kRigaMassima = kDataMassima;

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
