#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

#include "enunciato.h"
#include "latino.h"
#include "romano.h"

// What the counted forms (Roman dating, the entering and leaving month) share: the text
// cut into its words, figures and signs, each word looked up once; the frame around the
// day they name, as notarial deeds write it (a year, an indiction and a weekday before or
// after it); and the judgement of the day a count names.
namespace almanacco::lettura {

// A word, a run of figures or a sign of the text. (No member has a default: a text's
// tokens are written one by one, and the room for them is not cleared first.)
struct Gettone {
  enum class Tipo : std::uint8_t { Fine, Parola, Cifre, Segno };
  Tipo tipo;
  char segno;
  latino::Specie specie;  // a word's, as the forms' words have it
  std::uint8_t valore;
  std::uint8_t cifre;    // figures: how many
  bool punto;            // a word's abbreviation dot, taken with it ("kal.")
  std::uint16_t romano;  // a word's value as a Roman numeral, 0 for none
  int numero;            // the figures' value, capped
  std::uint16_t inizio, fine;

  bool è(latino::Parola p) const {
    return specie == latino::Specie::Parola && valore == static_cast<int>(p);
  }
};

// A text of a date cut into tokens, blanks between them dropped, and ends after them; none
// where it has more than a date could.
class Gettoni {
 public:
  static constexpr std::size_t kMassimo = 48;
  // `testo` is followed by 16 zeros.
  explicit Gettoni(std::string_view testo);
  std::size_t quanti() const { return n_; }
  // Up to three tokens past the last may be looked at: they are ends.
  const Gettone& operator[](std::size_t i) const { return g_[i]; }
  std::string_view testo() const { return testo_; }

 private:
  std::array<Gettone, kMassimo + 3> g_;
  std::size_t n_ = 0;
  std::string_view testo_;
};

// A reader's place among the tokens.
struct Passo {
  const Gettoni& g;
  std::size_t i = 0;

  const Gettone& ora() const { return g[i]; }
  bool finito() const { return i >= g.quanti(); }
  // Takes the token if it is the word `p`, or the sign `c`.
  bool salta(latino::Parola p) {
    if (!ora().è(p)) return false;
    ++i;
    return true;
  }
  bool salta(char c) {
    if (ora().tipo != Gettone::Tipo::Segno || ora().segno != c) return false;
    ++i;
    return true;
  }
};

// A count: figures (one or two), a Roman numeral, a Latin or Italian ordinal of one word or
// two ("tertio decimo"); nothing for none. (Inline: every count of every line is one.)
inline std::optional<int> numero(Passo& p) {
  using Tipo = Gettone::Tipo;
  using latino::Specie;
  const Gettone& g = p.ora();
  if (g.tipo == Tipo::Cifre) {
    if (g.cifre > 2) return std::nullopt;
    ++p.i;
    return g.numero;
  }
  if (const int r = g.romano; r > 0 && r <= 99) {
    ++p.i;
    return r;
  }
  if (g.specie != Specie::Ordinale) return std::nullopt;
  ++p.i;
  // "tertio decimo", "decimo tertio": two ordinals, the tenth and a unit, are their sum.
  const int primo = g.valore;
  const Gettone& dopo = p.ora();
  if (dopo.specie == Specie::Ordinale) {
    const int secondo = dopo.valore;
    if ((primo == 10 && secondo <= 9) || (secondo == 10 && primo <= 9)) {
      ++p.i;
      return primo + secondo;
    }
  }
  return primo;
}

// What a reader of the day finds.
enum class Trovato { No, Giorno, MeseIgnoto };
// The month after a count's words, with the dot of its abbreviation; for a word that names
// no month, the token it is.
Trovato mese(Passo& p, std::uint8_t& m, std::size_t& ignota);

// The readers of the day, each in the file of its form: the count, or the token that
// should be a month.
Trovato giornoRomano(Passo& p, Conto& conto, std::size_t& ignota);
Trovato giornoNotarile(Passo& p, Conto& conto, std::size_t& ignota);

// The day a count names, judged as every date is: the month's length is the day's own
// year's, in the place's calendar and the style the year is read in.
// The day and month are written into `e`.
Lettura valutaConto(Enunciato& e, const Conto& conto, const Datazione& datazione);

// The last day of a month in a place's calendar (the 30th of Sweden's February of 1712, the
// 31st of Italy's October of 1582, which lacked ten days before it); 0 for a month it
// had none of.
int ultimoGiorno(int anno, int mese, const ContoDeiGiorni& conto);

// The indiction at the reader's place ("indizione VI", "indictione sexta", "ind. 6", with
// the kind after it, "indizione V genovese"): whether there is one.
bool clausolaIndizione(Passo& p, Enunciato& e);

// Whether the text may hold a counted form: whether a word of it begins as a word of the
// Kalends, Nones or Ides, of the entering or leaving month or of the last day does. A text
// with none is told at once, without being cut into tokens, as datings by feast come by
// the million too. `testo` is followed by 16 zeros.
bool puòContare(std::string_view testo);

}  // namespace almanacco::lettura
