#pragma once

#include <string>

#include "lettura.h"

namespace almanacco {

// The year's elements as Cappelli and Grotefend tabulate them, for the year from
// 1 January in the place's calendar: the dominical letter (two in a leap year, the second
// from 25 February, the Roman leap day being the doubled 24th), the golden number, the
// epact of the computus in use, the solar cycle, the indiction from 1 January, the
// paschal limit and Easter with the number of the calendar of the 35; then every
// moveable feast by its Italian and Latin names, each with its day as the answers write
// it, in the place's styles or the one asked: "Settuagesima, dominica in Septuagesima:
// 25 Gennaio 1282: Domenica". The names, with the year as written, read back as that day;
// so does the answer.
std::string annata(int anno, const Datazione& datazione);

}  // namespace almanacco
