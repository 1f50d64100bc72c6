#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

namespace almanacco {

// How a label lays out its caption: centred at the top of its rectangle, wrapped at word
// boundaries. What is measured is what is drawn.
inline constexpr int kAllineamentoDelTesto = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;

// A text that does not fit at its label's size is drawn a little smaller: on the ladder
// that goes down from `cima` in quarter points, to its first step at 1 point or below. The
// largest step no higher than `cima` at which `regge` holds, looked for from the step `da`:
// down until a step holds, or up while the next one does. From the top this is the first
// step down that holds; from a good guess it takes a step or two, a text that fits at one
// size fitting at every smaller one.
double piùGrandeCheRegge(double cima, double da, const std::function<bool(double)>& regge);

// A text and the rectangle it is drawn in.
struct TestoInArea {
  QRect area;
  QString testo;
};

// The size, on the ladder down from `carattere`'s own, at which every text fits its
// rectangle, wrapped at word boundaries: all its lines above the bottom edge, and no word
// whose ink is wider than the rectangle by more than a pixel at either side, which is what
// the weekday header's "Ma" loses as the layout is drawn: a word cut any further would
// lose letters at both ends.
double puntiCheCiStanno(QFont carattere, const std::vector<TestoInArea>& testi);

// A cell of a group as its size is decided: its rectangle, its face and its text, read when
// the size is decided (the weekday header's texts move from cell to cell).
class CellaDiGruppo {
 public:
  virtual QRect area() const = 0;
  virtual QFont carattere() const = 0;
  virtual QString testo() const = 0;

 protected:
  ~CellaDiGruppo() = default;
};

// One size for a group of like texts, as a printed calendar sets them: the largest step of
// its cells' ladder at which every text of the group fits every cell that shows it. It is
// decided the first time one of the cells is drawn, when the fonts are loaded for drawing
// anyway, and kept: the window is created and shown without loading a font.
class MisuraComune {
 public:
  // `testiCheGirano`: the captions move from cell to cell as the month changes (the
  // weekday header), so every cell must take any of them; otherwise each cell keeps its
  // own. A group is set in one face: its first cell's.
  MisuraComune(std::vector<const CellaDiGruppo*> celle, bool testiCheGirano);

  double punti() const;
  // Whether the size has been decided: not before the group is first drawn or asked.
  bool decisa() const { return punti_.has_value(); }

 private:
  double decidi() const;

  std::vector<const CellaDiGruppo*> celle_;
  bool testiCheGirano_;
  mutable std::optional<double> punti_;
};

}  // namespace almanacco
