#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "etichette.h"
#include "regola.h"

namespace almanacco {

// The calendar engine: turns the selection state, held as the captions of the window's
// labels, into the year, the month index, the weekday header and the result line. The
// four operations run in this order as a chain; each reads and writes captions only and
// skips a step whose input it does not recognise, leaving that step's labels as they were.
class Calendario {
 public:
  // The weekdays are counted in the calendar given, Italy's unless another is.
  explicit Calendario(LabelStore& etichette, const ContoDeiGiorni& conto = kItalia)
      : etichette_(etichette), conto_(conto) {}

  const ContoDeiGiorni& conto() const { return conto_; }

  // lblAnno = century prefix + decade text + unit text.
  void ComponiAnno();
  // lblRestoAnno = year mod 28; lblIndice = abbreviation of the weekday of the 1st, by
  // the real calendar: in Italy's, Julian up to September 1582, Gregorian from October.
  void CalcolaIndice();
  // Rotates lblNome(1..7) to start with lblIndice and paints the Sunday column dark red.
  void DisponiSettimana();
  // The chain from the month on, as a month click runs it and a new year after
  // ComponiAnno: CalcolaIndice, DisponiSettimana, ScriviRisultato.
  void ricalcolaMese() {
    CalcolaIndice();
    DisponiSettimana();
    ScriviRisultato();
  }
  // lblFinale(3) = the weekday above the selected day (for the Julian days of a month of
  // change, such as 1 to 4 October 1582, above the day that fell on the same weekday in
  // the header's count); lblNomeCompleto = the result line.
  void ScriviRisultato();

 private:
  LabelStore& etichette_;
  ContoDeiGiorni conto_;
};

// The day cells that the month the holder names shows in the year that lblAnno holds,
// by the calendar given: the days the month had. Nothing for a month holder that names
// no month, or a year that is no number or is negative.
std::optional<GiorniDelMese> celleDeiGiorni(std::string_view anno, std::string_view meseSel,
                                            const ContoDeiGiorni& conto = kItalia);

// Appends the result line, "15 Giugno 1957: Sabato", from its four pieces.
inline void componiRisultato(std::string& riga, std::string_view giorno, std::string_view mese,
                             std::string_view anno, std::string_view settimana) {
  riga.append(giorno).append(" ").append(mese).append(" ").append(anno).append(": ").append(
      settimana);
}

// The Italian name of the month that the month holder names ("10" is "Ottobre").
std::optional<std::string_view> nomeDelMese(std::string_view meseSel);

}  // namespace almanacco
