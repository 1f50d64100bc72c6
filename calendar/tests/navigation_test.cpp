#include <gtest/gtest.h>

#include <optional>

#include "navigazione.h"

namespace almanacco {
namespace {

using D = Direzione;
using G = Gruppo;
constexpr std::optional<std::int16_t> kNessuno;

TEST(Vicino, MovesAmongTheShownCellsOfEachBlock) {
  const struct {
    Gruppo gruppo;
    std::int16_t cella;
    Direzione tasto;
    std::int16_t ultimoGiorno;
    std::optional<std::int16_t> atteso;
  } casi[] = {
      // Days: rows of seven, reading order, nothing wraps, hidden days are no target.
      {G::Giorno, 15, D::Destra, 31, 16},
      {G::Giorno, 14, D::Destra, 31, 15},  // the end of a row goes on to the next
      {G::Giorno, 1, D::Sinistra, 31, kNessuno},
      {G::Giorno, 31, D::Destra, 31, kNessuno},
      {G::Giorno, 28, D::Destra, 28, kNessuno},
      {G::Giorno, 29, D::Destra, 30, 30},
      {G::Giorno, 15, D::Su, 31, 8},
      {G::Giorno, 3, D::Su, 31, kNessuno},
      {G::Giorno, 22, D::Giù, 31, 29},
      {G::Giorno, 22, D::Giù, 28, kNessuno},
      {G::Giorno, 24, D::Giù, 30, kNessuno},
      {G::Giorno, 25, D::Giù, 31, kNessuno},  // row five has only three days
      {G::Giorno, 10, D::Inizio, 31, 1},
      {G::Giorno, 10, D::Fine, 29, 29},
      {G::Giorno, 31, D::Sinistra, 30, kNessuno},  // a hidden day moves nowhere
      // Months: rows of three.
      {G::Mese, 3, D::Destra, 28, 4},
      {G::Mese, 12, D::Destra, 28, kNessuno},
      {G::Mese, 5, D::Su, 31, 2},
      {G::Mese, 11, D::Giù, 31, kNessuno},
      {G::Mese, 6, D::Fine, 31, 12},
      // Centuries: rows of two, and a group with none selected still has a first cell.
      {G::Secolo, 2, D::Giù, 31, 4},
      {G::Secolo, 8, D::Destra, 31, kNessuno},
      {G::Secolo, 0, D::Destra, 31, kNessuno},
      {G::Secolo, 0, D::Inizio, 31, 1},
      {G::Secolo, 0, D::Fine, 31, 8},
      // Digits: 1 to 9 then 0, and 0 sits under 8 alone.
      {G::Decina, 9, D::Destra, 31, 0},
      {G::Decina, 0, D::Sinistra, 31, 9},
      {G::Unità, 0, D::Destra, 31, kNessuno},
      {G::Unità, 8, D::Giù, 31, 0},
      {G::Unità, 7, D::Giù, 31, kNessuno},
      {G::Unità, 9, D::Giù, 31, kNessuno},
      {G::Unità, 0, D::Su, 31, 8},
      {G::Unità, 0, D::Giù, 31, kNessuno},
      {G::Decina, 2, D::Su, 31, kNessuno},
      {G::Decina, 5, D::Inizio, 31, 1},
      {G::Decina, 5, D::Fine, 31, 0},
      {G::Decina, 10, D::Su, 31, kNessuno},  // the hidden spare is not a cell
  };
  for (const auto& c : casi)
    EXPECT_EQ(vicino(c.gruppo, c.cella, c.tasto, c.ultimoGiorno), c.atteso)
        << nomeGruppo(c.gruppo) << " cell " << c.cella << " key " << static_cast<int>(c.tasto)
        << " days to " << c.ultimoGiorno;
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
