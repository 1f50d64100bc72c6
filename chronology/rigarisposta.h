#pragma once

#include <cstddef>
#include <string>

#include "lettura.h"

// The answer's line, which the reader of lines, the window and every form written by
// --forme share.
namespace almanacco {

// Appends the window's result line for a date read as one that existed, and a newline: the
// year as written, the year of the common style in parentheses where the style turned it
// (or after a slash, for a double year read without a style), and, for a date given in
// both counts or asked with `doppia`, the same day in the other count ("30 Gennaio 1648
// (1649): Martedì (9 Febbraio 1649 nel calendario gregoriano)"). Every line reads back as
// itself with the same options.
void aggiungiRisposta(std::string& risposte, const Lettura& lettura);
// The same line written at `qui`, which has room for kRispostaMassima bytes; returns
// where it ends.
inline constexpr std::size_t kRispostaMassima = 128;
char* scriviRisposta(char* qui, const Lettura& lettura);

}  // namespace almanacco
