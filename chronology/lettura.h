#pragma once

#include <string>
#include <string_view>

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

// A date as a terminal or a document gives it. `anno` is the year as written;
// `annoComune` the same year reckoned from 1 January, which a style of the year may turn.
struct DataScritta {
  int giorno = 0, mese = 0, anno = 0, annoComune = 0;
};

// AnnoIncompleto: a year of one or two digits, which could belong to any century.
// SettimanaSbagliata, AnnoComuneSbagliato: the text states a weekday, or a common year in
// parentheses, that the date does not have.
enum class Esito : unsigned char {
  Data,
  NonUnaData,
  AnnoIncompleto,
  FuoriAnni,
  Inesistente,
  SettimanaSbagliata,
  AnnoComuneSbagliato,
};

struct Lettura {
  Esito esito;
  DataScritta data;
  // The date's weekday, for a date that existed; and, where the text states a wrong one,
  // the stated one.
  Giorno settimana = 0, settimanaScritta = 0;
  int annoComuneScritto = 0;
};

// A date is no longer than this, blanks around it apart; a longer text is no date.
inline constexpr std::size_t kDataMassima = 256;

// Reads one date, dated as `datazione` says, blanks and a CR around it allowed, at any
// length. The forms, with blanks or tabs (one or more) where a blank stands:
//   15/6/1957, 15-06-1957, 15.6.1957   the day, the month and the year in figures
//   1957-06-15                          ISO 8601, a year of four digits
//   15/VI/1957, 15.vi.1957, 15 VI 1957  the month in Roman numerals, I to XII
//   15 giugno 1957, 15 GIU 1957         the month's Italian name or its three letters
//   1° gennaio 1600                     "1°" for the first
//   15 Giugno 1957: Sabato              the weekday after a colon, as the answers write it
//   sabato 15 giugno 1957, Sabato, 15…  or before, with or without a comma
//   26 Febbraio 1265 (1266)             the common year in parentheses, as the answers
//                                       write it where a style turns it
// Letter case does not matter, and a weekday is known with its accent, with the other
// one or with none (lunedì, lunedí, lunedi). A year has three or four digits. A date that
// never was there (31/2/2023, 10/10/1582 in Italy), a year cut short, a year outside 1 to
// 9999 (as written or as reckoned), or a weekday or common year the date does not have,
// says so.
Lettura leggiData(std::string_view testo, const Datazione& datazione = {});
// The same for a text that has no blanks around it, as the reader of lines has it.
Lettura leggiSenzaSpazi(std::string_view testo, const Datazione& datazione = {});

// A text without the blanks and CRs around it, as a date is read; and without those
// before it. (Inline: the terminal trims every line it reads.)
constexpr bool spazio(char c) {
  return c == ' ' || c == '\t' || c == '\r';
}
constexpr std::string_view senzaSpaziPrima(std::string_view testo) {
  while (!testo.empty() && spazio(testo.front())) testo.remove_prefix(1);
  return testo;
}
constexpr std::string_view senzaSpazi(std::string_view testo) {
  testo = senzaSpaziPrima(testo);
  while (!testo.empty() && spazio(testo.back())) testo.remove_suffix(1);
  return testo;
}

// The message, in the window's language, for an input that got no answer: the input in
// quotes, after its line number when it has one, and why.
std::string messaggio(std::string_view ingresso, const Lettura& lettura, long riga = 0);

// A text as a message names it: in double quotes, as written, but for what could harm a
// terminal or hide what it shows: control characters as \xHH (\u0080 to \u009F in
// UTF-8), the bidirectional controls and the characters of no width as \u202E and the
// like, a byte of no valid UTF-8 character as \xHH, and the quote and the backslash as
// \x22 and \x5C; a text longer than 60 characters cut short with "...".
std::string citazione(std::string_view testo);

}  // namespace almanacco
