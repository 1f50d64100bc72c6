#pragma once

#include <optional>
#include <string_view>

#include "etichette.h"

namespace almanacco {

// The calendar engine: turns the selection state, held as the captions of the window's
// labels, into the year, the month index, the weekday header and the result line. The
// four operations run in this order as a chain; each reads and writes captions only and
// skips a step whose input it does not recognise, leaving that step's labels as they were.
class Calendario {
 public:
  explicit Calendario(LabelStore& etichette) : etichette_(etichette) {}

  // lblAnno = century prefix + decade text + unit text.
  void ComponiAnno();
  // lblRestoAnno = year mod 28; lblIndice = abbreviation of the weekday of the 1st.
  void CalcolaIndice();
  // Rotates lblNome(1..7) to start with lblIndice and paints the Sunday column dark red.
  void DisponiSettimana();
  // lblFinale(3) = the weekday above the selected day; lblNomeCompleto = the result line.
  void ScriviRisultato();

 private:
  LabelStore& etichette_;
};

// The number of days of the month that the month holder names, in a year with the given
// remainder mod 28; nothing for a text that names no month, or for February when the
// remainder is unknown. Every fourth remainder has a 29 February, century years included.
std::optional<int> giorniDelMese(std::string_view meseSel, std::optional<int> restoAnno);

// The Italian name of the month that the month holder names ("10" is "Ottobre").
std::optional<std::string_view> nomeDelMese(std::string_view meseSel);

}  // namespace almanacco
