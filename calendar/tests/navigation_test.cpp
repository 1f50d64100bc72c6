#include <gtest/gtest.h>

#include <optional>

#include "navigazione.h"

namespace almanacco {
namespace {

using D = Direzione;
using G = Gruppo;
constexpr std::optional<std::int16_t> kNessuno;

const GiorniDelMese k28 = finoAl(28), k29 = finoAl(29), k30 = finoAl(30), k31 = finoAl(31);
const GiorniDelMese kOttobre1582 = giorniDelMese(1582, 10, kItalia);  // 1 to 4, then 15 to 31

TEST(Vicino, MovesAmongTheShownCellsOfEachBlock) {
  const struct {
    Gruppo gruppo;
    std::int16_t cella;
    Direzione tasto;
    GiorniDelMese giorni;
    std::optional<std::int16_t> atteso;
  } casi[] = {
      // Days: rows of seven, reading order, nothing wraps, hidden days are no target.
      {G::Giorno, 15, D::Destra, k31, 16},
      {G::Giorno, 14, D::Destra, k31, 15},  // the end of a row goes on to the next
      {G::Giorno, 1, D::Sinistra, k31, kNessuno},
      {G::Giorno, 31, D::Destra, k31, kNessuno},
      {G::Giorno, 28, D::Destra, k28, kNessuno},
      {G::Giorno, 29, D::Destra, k30, 30},
      {G::Giorno, 15, D::Su, k31, 8},
      {G::Giorno, 3, D::Su, k31, kNessuno},
      {G::Giorno, 22, D::Giù, k31, 29},
      {G::Giorno, 22, D::Giù, k28, kNessuno},
      {G::Giorno, 24, D::Giù, k30, kNessuno},
      {G::Giorno, 25, D::Giù, k31, kNessuno},  // row five has only three days
      {G::Giorno, 10, D::Inizio, k31, 1},
      {G::Giorno, 10, D::Fine, k29, 29},
      {G::Giorno, 31, D::Sinistra, k30, kNessuno},  // a hidden day moves nowhere
      // October 1582 lacks 5 to 14: keys pass over them, straight down and across.
      {G::Giorno, 4, D::Destra, kOttobre1582, 15},
      {G::Giorno, 15, D::Sinistra, kOttobre1582, 4},
      {G::Giorno, 4, D::Giù, kOttobre1582, 18},
      {G::Giorno, 1, D::Giù, kOttobre1582, 15},
      {G::Giorno, 17, D::Su, kOttobre1582, 3},
      {G::Giorno, 21, D::Su, kOttobre1582, kNessuno},
      // Months: rows of three.
      {G::Mese, 3, D::Destra, k28, 4},
      {G::Mese, 12, D::Destra, k28, kNessuno},
      {G::Mese, 5, D::Su, k31, 2},
      {G::Mese, 11, D::Giù, k31, kNessuno},
      {G::Mese, 6, D::Fine, k31, 12},
      // Centuries: rows of two, and a group with none selected still has a first cell.
      {G::Secolo, 2, D::Giù, k31, 4},
      {G::Secolo, 8, D::Destra, k31, kNessuno},
      {G::Secolo, 0, D::Destra, k31, kNessuno},
      {G::Secolo, 0, D::Inizio, k31, 1},
      {G::Secolo, 0, D::Fine, k31, 8},
      // Digits: 1 to 9 then 0, and 0 sits under 8 alone.
      {G::Decina, 9, D::Destra, k31, 0},
      {G::Decina, 0, D::Sinistra, k31, 9},
      {G::Unità, 0, D::Destra, k31, kNessuno},
      {G::Unità, 8, D::Giù, k31, 0},
      {G::Unità, 7, D::Giù, k31, kNessuno},
      {G::Unità, 9, D::Giù, k31, kNessuno},
      {G::Unità, 0, D::Su, k31, 8},
      {G::Unità, 0, D::Giù, k31, kNessuno},
      {G::Decina, 2, D::Su, k31, kNessuno},
      {G::Decina, 5, D::Inizio, k31, 1},
      {G::Decina, 5, D::Fine, k31, 0},
      {G::Decina, 10, D::Su, k31, kNessuno},  // the hidden spare is not a cell
  };
  for (const auto& c : casi)
    EXPECT_EQ(vicino(c.gruppo, c.cella, c.tasto, c.giorni), c.atteso)
        << nomeGruppo(c.gruppo) << " cell " << c.cella << " key " << static_cast<int>(c.tasto)
        << " days " << c.giorni;
}

TEST(GruppoSeguente, TabVisitsTheFiveGroupsInOrderAndWraps) {
  Gruppo avanti = Gruppo::Giorno, indietro = Gruppo::Giorno;
  const char* ordine[] = {"Mese", "Secolo", "Decina", "Unità", "Giorno"};
  const char* inverso[] = {"Unità", "Decina", "Secolo", "Mese", "Giorno"};
  for (int i = 0; i < kGruppi; ++i) {
    avanti = gruppoSeguente(avanti, true);
    indietro = gruppoSeguente(indietro, false);
    EXPECT_EQ(nomeGruppo(avanti), ordine[i]);
    EXPECT_EQ(nomeGruppo(indietro), inverso[i]);
  }
}

}  // namespace
}  // namespace almanacco
