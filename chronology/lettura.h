#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "datazione.h"

namespace almanacco {

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
// and, when none of those is there, the documentary forms (doppie.cpp and beside it).
// Letter case does not matter, and a weekday is known with its accent, with the other
// one or with none (lunedì, lunedí, lunedi). A year has three or four digits. A date that
// never was there (31/2/2023, 10/10/1582 in Italy), a year cut short, a year outside 1 to
// 9999 (as written or as reckoned), a style out of use, or a weekday or common year the
// date does not have, says so.
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

}  // namespace almanacco
