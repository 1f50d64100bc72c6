#pragma once

#include <string>

#include "regola.h"

// Days and numbers as the program's sentences write them: the messages of its refusals,
// the year's elements, the readings that fit.
namespace almanacco {

// A day without its year: "1° marzo", "4 ottobre"; day/month in figures for a month that
// does not exist.
std::string giornoEMese(int giorno, int mese);
inline std::string giornoEMese(const Giornata& g) {
  return giornoEMese(g.giorno, g.mese);
}
// A day with its year: "4 ottobre 1582", "1° marzo 1700".
std::string inParole(const Giornata& g);
// A number in Roman numerals, 1 to 3999; any other in figures.
std::string inRomani(int n);

}  // namespace almanacco
