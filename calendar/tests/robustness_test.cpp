// Captions the window never writes, in every label the engine reads: no step may crash
// or read out of bounds, and a step that cannot use its input leaves its labels alone.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "motore.h"

namespace almanacco::prova {
namespace {

using namespace nomi;

const std::vector<std::string>& testiCattivi() {
  static const std::vector<std::string> testi{"",
                                              "01",
                                              " 1",
                                              "1 ",
                                              "abc",
                                              "99999",
                                              "-3",
                                              "-32768",
                                              "l",
                                              "0",
                                              "32",
                                              std::string(10000, '7'),
                                              "\xff\xfe\xc3",
                                              "\xc3",
                                              std::string("1\0", 2)};
  return testi;
}

// 15 June 1957 fully computed: the state every bad caption is dropped into.
Motore giugno1957() {
  Motore m;
  m.scrivi({{lblSecoloSel, "5"},
            {lblDecineSel, "5"},
            {lblUnitàSel, "7"},
            {lblMeseSel, "6"},
            {lblGiornoSel, "15"},
            {lblFinale(0), "15"},
            {lblFinale(1), "Giugno"}});
  m.catena();
  return m;
}

TEST(BadCaptions, NoLabelTheEngineReadsCanBreakTheChain) {
  const std::vector<LabelId> letti{lblSecoloSel, lblDecineSel, lblUnitàSel,  lblAnno,
                                   lblMeseSel,   lblIndice,    lblGiornoSel, lblFinale(0),
                                   lblFinale(1), lblFinale(3)};
  std::vector<LabelId> tutti = letti;
  for (std::int16_t c = 1; c <= 7; ++c) tutti.push_back(lblNome(c));
  for (const auto id : tutti)
    for (const auto& testo : testiCattivi()) {
      Motore m = giugno1957();
      m.scrivi(id, testo);
      // Each step alone, then the chain twice: every entry point meets the bad text.
      m.calendario.ScriviRisultato();
      m.calendario.DisponiSettimana();
      m.calendario.CalcolaIndice();
      m.catena();
      m.catena();
      const auto riga = m[lblNomeCompleto];
      EXPECT_NE(riga.find(": "), std::string::npos) << id.name << '(' << id.index << ')';
    }
}

TEST(BadCaptions, AYearThatIsNoNumberSkipsTheWholeIndexStep) {
  // June 1957 leaves remainder "25" and index "S" behind.
  const struct {
    std::string anno, resto, indice;
  } casi[] = {
      {"", "25", "S"},      {"abc", "25", "S"},    {" 1", "25", "S"},
      {"99999", "25", "S"}, {"1957x", "25", "S"},  {std::string(10000, '1'), "25", "S"},
      {"\xff", "25", "S"},  {"01", "1", "Me"},     {"0", "0", "Ma"},
      {"-3", "-3", "S"},    {"-32768", "-8", "S"},
  };
  for (const auto& c : casi) {
    Motore m = giugno1957();
    m.scrivi(lblAnno, c.anno);
    m.calendario.CalcolaIndice();
    EXPECT_EQ(m[lblRestoAnno], c.resto) << '"' << c.anno << '"';
    EXPECT_EQ(m[lblIndice], c.indice) << '"' << c.anno << '"';
  }
}

TEST(BadCaptions, AnUnknownDayOrHeaderKeepsTheWeekdayPiece) {
  for (const auto& testo : testiCattivi()) {
    Motore m = giugno1957();
    m.scrivi({{lblFinale(3), "Giovedì"}, {lblGiornoSel, testo}});
    m.calendario.ScriviRisultato();
    EXPECT_EQ(m[lblFinale(3)], "Giovedì") << '"' << testo << '"';

    Motore n = giugno1957();
    n.scrivi({{lblFinale(3), "Giovedì"}, {lblNome(1), testo}});
    n.calendario.ScriviRisultato();
    EXPECT_EQ(n[lblFinale(3)], "Giovedì") << "day 15 sits under lblNome(1)";
    EXPECT_EQ(n[lblNomeCompleto], "15 Giugno 1957: Giovedì");
  }
}

}  // namespace
}  // namespace almanacco::prova
