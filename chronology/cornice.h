#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "enunciato.h"
#include "latino.h"
#include "romano.h"

// What the counted forms (Roman dating, the entering and leaving month) share: their words
// and numbers at the cursor, and the frame around the day they name, as notarial deeds
// write it: a year, an indiction and a weekday before or after it, in either order.
namespace almanacco::lettura {

// A word at the cursor and what it stands for; the cursor stays where it was.
struct Voce {
  latino::Specie specie = latino::Specie::Nessuna;
  int valore = 0;
  std::size_t fine = 0;  // where the cursor goes past it
  bool è(latino::Parola p) const {
    return specie == latino::Specie::Parola && valore == static_cast<int>(p);
  }
};
Voce voce(const parole::Cursore& c);
// Takes the word if it is `p`.
bool salta(parole::Cursore& c, latino::Parola p);

// A count: figures (one or two), a Roman numeral, a Latin or Italian ordinal of one word or
// two ("tertio decimo"); nothing for none.
std::optional<int> numero(parole::Cursore& c);

// What a reader of the day finds at the cursor.
enum class Trovato { No, Giorno, MeseIgnoto };
// The month after a count's words, with the dot of its abbreviation: where a word stands
// that names no month, where it begins.
Trovato mese(parole::Cursore& c, std::uint8_t& m, std::size_t& ignota);

// A reader of the day: the count, or where the word that should be a month begins.
using LettoreDelGiorno = Trovato (*)(parole::Cursore& c, Conto& conto, std::size_t& ignota);

// The text in a counted form whose day `giorno` reads, in its frame; nothing where the
// text is not in it.
std::optional<Lettura> dataContata(std::string_view testo, const Datazione& datazione,
                                   const Enunciato& base, LettoreDelGiorno giorno);

// The last day of a month in a place's calendar (the 30th of Sweden's February of 1712, the
// 31st of Italy's October of 1582, which lacked ten days before it); 0 for a month it
// had none of.
int ultimoGiorno(int anno, int mese, const ContoDeiGiorni& conto);

// The day a count names, judged as every date is: the month's length is the day's own
// year's, in the place's calendar and the style the year is read in.
Lettura valutaConto(Enunciato e, const Conto& conto, const Datazione& datazione);

// The indiction at the cursor ("indizione VI", "indictione sexta", "ind. 6", with the
// kind after it, "indizione V genovese"): whether there is one.
bool clausolaIndizione(parole::Cursore& c, Enunciato& e);

}  // namespace almanacco::lettura
