#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "creazione.h"
#include "motore.h"

namespace almanacco::prova {
namespace {

using namespace nomi;

TEST(ComponiAnno, JoinsCenturyPrefixDecadeAndUnit) {
  const struct {
    std::string_view secolo, decine, unità, anno;
  } casi[] = {
      {"1", "0", "0", "1500"}, {"8", "9", "9", "2299"}, {"6", "0", "0", "2000"},
      {"5", "5", "7", "1957"}, {"0", "5", "7", "57"},   {"9", "5", "7", "57"},
      {"05", "5", "7", "57"},  {"4", "", "", "18"},
  };
  for (const auto& c : casi) {
    Motore m;
    m.scrivi({{lblSecoloSel, c.secolo}, {lblDecineSel, c.decine}, {lblUnitàSel, c.unità}});
    m.calendario.ComponiAnno();
    EXPECT_EQ(m[lblAnno], c.anno) << c.secolo << '/' << c.decine << '/' << c.unità;
    m.calendario.ComponiAnno();
    EXPECT_EQ(m[lblAnno], c.anno) << "a second run writes the same year";
  }
}

TEST(ComponiAnno, ADecadeClickChangesOnlyTheThirdDigit) {
  Motore m;
  m.scrivi({{lblSecoloSel, "5"}, {lblDecineSel, "5"}, {lblUnitàSel, "7"}});
  m.calendario.ComponiAnno();
  m.scrivi(lblDecineSel, "8");
  m.calendario.ComponiAnno();
  EXPECT_EQ(m[lblAnno], "1987");
  EXPECT_EQ(m[lblSecoloSel], "5");
  EXPECT_EQ(m[lblUnitàSel], "7");
}

// September 1582 is Julian and October's header the Gregorian one; a year without its
// century is the Julian year it names.
TEST(CalcolaIndice, FindsTheRemainderAndTheWeekdayOfTheFirst) {
  const struct {
    std::string_view anno, mese, resto, indice;
  } casi[] = {
      {"1957", "6", "25", "S"},  {"2016", "1", "0", "V"},  {"2000", "1", "12", "S"},
      {"2000", "3", "12", "Me"}, {"1900", "1", "24", "L"}, {"1900", "3", "24", "G"},
      {"2100", "3", "0", "L"},   {"2299", "12", "3", "V"}, {"2024", "3", "8", "V"},
      {"1500", "1", "16", "Me"}, {"1582", "9", "14", "S"}, {"1582", "10", "14", "V"},
      {"57", "6", "1", "Me"},
  };
  for (const auto& c : casi) {
    Motore m;
    m.scrivi({{lblAnno, c.anno}, {lblMeseSel, c.mese}});
    m.calendario.CalcolaIndice();
    EXPECT_EQ(m[lblRestoAnno], c.resto) << c.anno << '/' << c.mese;
    EXPECT_EQ(m[lblIndice], c.indice) << c.anno << '/' << c.mese;
  }
}

TEST(CalcolaIndice, AMonthItDoesNotKnowLeavesTheIndexButRewritesTheRemainder) {
  Motore m;
  m.scrivi({{lblAnno, "1957"}, {lblMeseSel, "0"}});
  m.calendario.CalcolaIndice();
  EXPECT_EQ(m[lblRestoAnno], "25");
  EXPECT_EQ(m[lblIndice], "") << "no valid month seen yet";

  m.scrivi(lblMeseSel, "6");
  m.calendario.CalcolaIndice();
  for (const std::string_view mese : {"0", "13", "06", "6 ", ""}) {
    m.scrivi({{lblAnno, "2016"}, {lblMeseSel, mese}});
    m.calendario.CalcolaIndice();
    EXPECT_EQ(m[lblRestoAnno], "0");
    EXPECT_EQ(m[lblIndice], "S") << "month \"" << mese << "\" keeps June 1957's index";
  }
}

// The header and the dark red column for each weekday of the 1st.
TEST(DisponiSettimana, RotatesTheHeaderAndPaintsTheSundayColumn) {
  const struct {
    std::string_view indice;
    std::array<std::string_view, 7> intestazione;
    int domenica;
  } casi[] = {
      {"L", {"L", "Ma", "Me", "G", "V", "S", "D"}, 7},
      {"Ma", {"Ma", "Me", "G", "V", "S", "D", "L"}, 6},
      {"Me", {"Me", "G", "V", "S", "D", "L", "Ma"}, 5},
      {"G", {"G", "V", "S", "D", "L", "Ma", "Me"}, 4},
      {"V", {"V", "S", "D", "L", "Ma", "Me", "G"}, 3},
      {"S", {"S", "D", "L", "Ma", "Me", "G", "V"}, 2},
      {"D", {"D", "L", "Ma", "Me", "G", "V", "S"}, 1},
  };
  for (const auto& c : casi) {
    Motore m;
    // Start from another month's colours, so that a cell left red would show.
    for (const auto& altro : casi) {
      m.scrivi(lblIndice, altro.indice);
      m.calendario.DisponiSettimana();
    }
    m.scrivi(lblIndice, c.indice);
    m.calendario.DisponiSettimana();
    for (std::int16_t col = 1; col <= 7; ++col) {
      EXPECT_EQ(m[lblNome(col)], c.intestazione[static_cast<std::size_t>(col - 1)]);
      EXPECT_EQ(m.colore(lblNome(col)), col == c.domenica ? kRossoScuro : kNero);
    }
    for (std::int16_t d = 1; d <= 31; ++d)
      EXPECT_EQ(m.colore(lblGiorni(d)), (d - 1) % 7 + 1 == c.domenica ? kRossoScuro : kNero)
          << "index " << c.indice << ", day " << d;
    EXPECT_EQ(m[lblNome(0)], "") << "element 0 is never written";
  }
}

TEST(DisponiSettimana, AnUnknownIndexLeavesTheHeaderAndTurnsEverythingBlack) {
  for (const std::string_view indice : {"l", " L", "", "Lu", "d"}) {
    Motore m;
    m.scrivi(lblIndice, "D");
    m.calendario.DisponiSettimana();
    m.scrivi(lblIndice, indice);
    m.calendario.DisponiSettimana();
    for (std::int16_t col = 1; col <= 7; ++col) {
      EXPECT_EQ(m[lblNome(col)], (std::array{"D", "L", "Ma", "Me", "G", "V", "S"}[col - 1]));
      EXPECT_EQ(m.colore(lblNome(col)), kNero);
    }
    for (std::int16_t d = 1; d <= 31; ++d) EXPECT_EQ(m.colore(lblGiorni(d)), kNero);
  }
}

TEST(ScriviRisultato, NamesTheWeekdayAboveTheSelectedDay) {
  const struct {
    std::string_view giornoSel, finaleGiorno, riga;
  } casi[] = {
      {"15", "15", "15 Giugno 1957: Sabato"},    {"30", "30", "30 Giugno 1957: Domenica"},
      {"7", "7", "7 Giugno 1957: Venerdì"},      {"1", "1", "1 Giugno 1957: Sabato"},
      {"31", "31", "31 Giugno 1957: Lunedì"},  // the column's weekday, even past the month
      {"15", "14", "14 Giugno 1957: Sabato"},  // the day comes from its own piece
      {"0", "0", "0 Giugno 1957: Mercoledì"},  // no day: the weekday piece stays
      {"08", "08", "08 Giugno 1957: Mercoledì"},
  };
  for (const auto& c : casi) {
    Motore m;
    m.scrivi({{lblAnno, "1957"},
              {lblMeseSel, "6"},
              {lblFinale(1), "Giugno"},
              {lblFinale(3), "Mercoledì"}});
    m.calendario.CalcolaIndice();
    m.calendario.DisponiSettimana();
    m.scrivi({{lblGiornoSel, c.giornoSel}, {lblFinale(0), c.finaleGiorno}});
    m.calendario.ScriviRisultato();
    EXPECT_EQ(m[lblNomeCompleto], c.riga);
    m.calendario.ScriviRisultato();
    EXPECT_EQ(m[lblNomeCompleto], c.riga) << "a second run gives the same line";
  }
}

// The day cells of a month, from the year and month holders as the window reads them.
TEST(MonthRules, DayCellsAndNames) {
  const struct {
    std::string_view anno, mese;
    std::optional<GiorniDelMese> giorni;
    std::optional<std::string_view> nome;
  } casi[] = {
      {"2024", "2", finoAl(29), "Febbraio"},
      {"1900", "2", finoAl(28), "Febbraio"},
      {"1500", "2", finoAl(29), "Febbraio"},  // Julian: every fourth year
      {"1582", "10", finoAl(31) & ~(finoAl(14) ^ finoAl(4)), "Ottobre"},
      {"0", "2", finoAl(29), "Febbraio"},  // year 00 without a century, Julian
      {"2024", "0", std::nullopt, std::nullopt},
      {"2024", "13", std::nullopt, std::nullopt},
      {"2024", "02", std::nullopt, std::nullopt},
      {"-4", "2", std::nullopt, "Febbraio"},
      {"abc", "2", std::nullopt, "Febbraio"},
  };
  for (const auto& c : casi) {
    EXPECT_EQ(celleDeiGiorni(c.anno, c.mese), c.giorni) << c.mese << '/' << c.anno;
    EXPECT_EQ(nomeDelMese(c.mese), c.nome) << c.mese;
  }
}

TEST(MemoryStore, StartsAsTheWindowIsCreated) {
  Motore m;
  EXPECT_EQ(m[lblGiornoSel], "0");
  EXPECT_EQ(m[lblUnitàSel], "10");
  EXPECT_EQ(m[lblDecineSel], "5");
  EXPECT_EQ(m[lblAnno], "1957");
  EXPECT_EQ(m[lblIndice], "");
  EXPECT_EQ(m[lblNome(1)], "S");
  EXPECT_EQ(m[lblNome(7)], "V");
  EXPECT_EQ(m[lblGiorni(31)], "31");
  EXPECT_EQ(m[lblNomeCompleto], "15 Giugno 1957: Sabato");
  EXPECT_EQ(m.colore(lblGiorni(1)), kNero);
  EXPECT_EQ(m[lblFinale(2)], "") << "there is no second piece";
}

}  // namespace
}  // namespace almanacco::prova
