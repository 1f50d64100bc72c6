#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "lettura.h"
#include "parole.h"

// What a text says of a day, before any calendar is asked; the readers of the forms fill
// it, and one judgement of it against the place's calendar and styles answers them all.
namespace almanacco::lettura {

struct Enunciato {
  // The date as written, its year as the place's style writes it.
  DataScritta data;
  std::size_t cifreAnno = 0;
  std::optional<Giorno> settimana;
  // The year of the common style, in parentheses (as the answers write it) or after a
  // slash (as editors write a double year).
  std::optional<int> annoComune;
  std::size_t cifreAnnoComune = 0;
  bool annoDoppio = false;
  // A date given in both counts: the other half, as the other count writes it with the
  // year from 1 January; and whether the year written once for both is that one.
  std::optional<Giornata> gemello;
  bool annoDelGemello = false;
  // The count an answer names for the other half; and, for a twin outside the years 1 to
  // 9999, whether it says before the first or after the last.
  std::optional<Computo> computoDelGemello;
  bool gemelloFuori = false, gemelloPrima = false;
  // An indiction the text states (clausole.cpp), and the kind it names, if it names one.
  std::optional<int> indizione;
  std::optional<Indizione> tipoIndizione;
  // Whether the clauses around the text were read off it already.
  bool clausole = false;
};

// The parts of the fast forms, for the readers that build on them: a weekday before the
// date ("sabato, "), day, month and year, and what may follow an answer's date (the
// common year in parentheses, the weekday after a colon).
bool settimanaPrima(parole::Cursore& c, Enunciato& e);
bool giornoMeseAnno(parole::Cursore& c, DataScritta& d, std::size_t& cifreAnno);
bool coda(parole::Cursore& c, Enunciato& e);

// The judgement: the year's digits and range, the style (asked, or the place's in the
// years it used each), the day in the place's calendar, then every claim the text makes.
Lettura valuta(const Enunciato& e, const Datazione& datazione);

// The documentary forms, each in a file of its own, tried in turn on a text the fast
// reader finds no date in (a copy followed by 16 zeros): the first that reads it answers;
// a text none reads is no date. `base` is what a form around the text already said of it
// (an indiction). The reading is returned, not an optional one: the answer of a million
// lines is made where it is written, never copied on the way.
Lettura formeDocumentarie(std::string_view testo, const Datazione& datazione,
                          const Enunciato& base);
// The reader of a text without blanks around it, fast forms first, from `base`: for a
// form that reads a date inside the text.
Lettura leggiDa(std::string_view testo, const Datazione& datazione, const Enunciato& base);

// Each form: whether the text is in it, and what it says.
bool doppiaData(std::string_view testo, Enunciato& e);
// Roman dating (romane.cpp) and the entering and leaving month (notarili.cpp), read in the
// frame they share (cornice.cpp), and any form with an indiction or a style of the year
// before or after it (clausole.cpp): what the text says, or nothing (`letta` false) where
// it is not in the form.
Lettura dataContata(std::string_view testo, const Datazione& datazione, const Enunciato& base,
                    bool& letta);
std::optional<Lettura> conClausole(std::string_view testo, const Datazione& datazione,
                                   const Enunciato& base);

}  // namespace almanacco::lettura
