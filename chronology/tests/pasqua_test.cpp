// Easter against the published tables and worked cases, against two counts of its own
// written here (Meeus's Julian rule, the anonymous Gregorian algorithm), against the
// Julian cycle of 532 years, and each place's Easter where it kept another.
#include <gtest/gtest.h>

#include "pasque.h"
#include "reale.h"

namespace almanacco::prova {
namespace {

struct Attesa {
  int anno, mese, giorno;
};

// Easter by Meeus's rule for the Julian calendar (Astronomical Algorithms, ch. 8).
Data pasquaGiulianaDiMeeus(int y) {
  const int a = y % 4, b = y % 7, c = y % 19;
  const int d = (19 * c + 15) % 30, e = (2 * a + 4 * b - d + 34) % 7;
  return {y, (d + e + 114) / 31, (d + e + 114) % 31 + 1};
}

// Easter by the anonymous Gregorian algorithm (Meeus, after Jones and Butcher).
Data pasquaGregorianaAnonima(int y) {
  const int a = y % 19, b = y / 100, c = y % 100, d = b / 4, e = b % 4;
  const int f = (b + 8) / 25, g = (b - f + 1) / 3, h = (19 * a + b - d - g + 15) % 30;
  const int i = c / 4, k = c % 4, l = (32 + 2 * e + 2 * i - h - k) % 7;
  const int m = (a + 11 * h + 22 * l) / 451;
  return {y, (h + l - 7 * m + 114) / 31, (h + l - 7 * m + 114) % 31 + 1};
}

Data comeData(const Giornata& g) {
  return {g.anno, g.mese, g.giorno};
}

// Gregorian Easter as published: van Gent after Meeus, ASSA as quoted, Bach, Wikipedia's
// list and table, the newspapers and worked examples the research notes give; and the
// years Grotefend's table of paschal limits gives by a look-up.
TEST(Pasqua, GregorianAgreesWithThePublishedDates) {
  constexpr Attesa kPubblicate[] = {
      {1583, 4, 10}, {1590, 4, 22}, {1598, 3, 22}, {1600, 4, 2},  {1609, 4, 19}, {1622, 3, 27},
      {1629, 4, 15}, {1650, 4, 17}, {1666, 4, 25}, {1683, 4, 18}, {1700, 4, 11}, {1724, 4, 16},
      {1744, 4, 5},  {1750, 3, 29}, {1776, 4, 7},  {1805, 4, 14}, {1818, 3, 22}, {1825, 4, 3},
      {1829, 4, 19}, {1845, 3, 23}, {1850, 3, 31}, {1856, 3, 23}, {1876, 4, 16}, {1886, 4, 25},
      {1891, 3, 29}, {1900, 4, 15}, {1903, 4, 12}, {1905, 4, 23}, {1907, 3, 31}, {1908, 4, 19},
      {1913, 3, 23}, {1923, 4, 1},  {1927, 4, 17}, {1932, 3, 27}, {1943, 4, 25}, {1954, 4, 18},
      {1957, 4, 21}, {1962, 4, 22}, {1976, 4, 18}, {1981, 4, 19}, {2004, 4, 11}, {2005, 3, 27},
      {2006, 4, 16}, {2007, 4, 8},  {2008, 3, 23}, {2014, 4, 20}, {2016, 3, 27}, {2017, 4, 16},
      {2018, 4, 1},  {2019, 4, 21}, {2020, 4, 12}, {2021, 4, 4},  {2022, 4, 17}, {2023, 4, 9},
      {2024, 3, 31}, {2025, 4, 20}, {2026, 4, 5},  {2027, 3, 28}, {2028, 4, 16}, {2029, 4, 1},
      {2030, 4, 21}, {2031, 4, 13}, {2032, 3, 28}, {2033, 4, 17}, {2034, 4, 9},  {2035, 3, 25},
      {2036, 4, 13}, {2037, 4, 5},  {2038, 4, 25}, {2135, 4, 3},  {2160, 3, 23}, {2285, 3, 22},
  };
  for (const Attesa& a : kPubblicate)
    EXPECT_EQ(pasquaGregoriana(a.anno), (Giornata{a.anno, a.mese, a.giorno})) << a.anno;
}

// Grotefend's table VI, new style: the paschal limit by golden number, for 1582-1699 and
// 1700-1899 (the Zürich transcription; its "24. April" for number 11 in 1700-1899 is the
// 24 March the series of the limits steps to).
TEST(Pasqua, GregorianLimitsAreGrotefendsTable) {
  constexpr Attesa kFino1699[] = {{1, 4, 12},  {2, 4, 1},   {3, 3, 21},  {4, 4, 9},   {5, 3, 29},
                                  {6, 4, 17},  {7, 4, 6},   {8, 3, 26},  {9, 4, 14},  {10, 4, 3},
                                  {11, 3, 23}, {12, 4, 11}, {13, 3, 31}, {14, 4, 18}, {15, 4, 8},
                                  {16, 3, 28}, {17, 4, 16}, {18, 4, 5},  {19, 3, 25}};
  constexpr Attesa kFino1899[] = {{1, 4, 13},  {2, 4, 2},   {3, 3, 22}, {4, 4, 10},  {5, 3, 30},
                                  {6, 4, 18},  {7, 4, 7},   {8, 3, 27}, {9, 4, 15},  {10, 4, 4},
                                  {11, 3, 24}, {12, 4, 12}, {13, 4, 1}, {14, 3, 21}, {15, 4, 9},
                                  {16, 3, 29}, {17, 4, 17}, {18, 4, 6}, {19, 3, 26}};
  for (int anno = 1583; anno <= 1899; ++anno) {
    const Attesa& a = (anno < 1700 ? kFino1699 : kFino1899)[numeroDOro(anno) - 1];
    EXPECT_EQ(limitePasqualeGregoriano(anno), (Giornata{anno, a.mese, a.giorno})) << anno;
  }
}

// Every year against the count written here, in each computus's years.
TEST(Pasqua, EveryYearAgreesWithAnIndependentCount) {
  for (int anno = kPrimaPasquaDionigi; anno <= kUltimoAnnoStorico; ++anno) {
    ASSERT_EQ(comeData(pasquaGiuliana(anno)), pasquaGiulianaDiMeeus(anno)) << anno;
    if (anno >= kPrimaPasquaGregoriana) {
      ASSERT_EQ(comeData(pasquaGregoriana(anno)), pasquaGregorianaAnonima(anno)) << anno;
    }
  }
}

// The Julian dates of the research's check table: stated (Bach, the Vespers of 1282, the
// Jubilee of 1300, Petrarch's 1327, the dated charters of 1370, 1392 and 1440), carried by
// the 532-year cycle from a stated one, or looked up in Grotefend's table; and Orthodox
// Easter 2017-2037 (de.wikipedia, Osterdatum), published in Gregorian dates.
TEST(Pasqua, JulianAgreesWithThePublishedDatesAndItsCycle) {
  constexpr Attesa kPubblicate[] = {
      {520, 4, 19},  {532, 4, 11},  {550, 4, 24},  {600, 4, 10},  {604, 3, 22},  {664, 4, 21},
      {700, 4, 11},  {725, 4, 8},   {750, 3, 29},  {768, 4, 10},  {795, 4, 12},  {800, 4, 19},
      {820, 4, 8},   {838, 4, 14},  {860, 4, 14},  {900, 4, 20},  {908, 3, 27},  {950, 4, 7},
      {1000, 3, 31}, {1052, 4, 19}, {1066, 4, 16}, {1100, 4, 1},  {1136, 3, 22}, {1150, 4, 16},
      {1200, 4, 9},  {1215, 4, 19}, {1250, 3, 27}, {1282, 3, 29}, {1285, 3, 25}, {1300, 4, 10},
      {1327, 4, 12}, {1335, 4, 16}, {1348, 4, 20}, {1352, 4, 8},  {1370, 4, 14}, {1392, 4, 14},
      {1400, 4, 18}, {1415, 3, 31}, {1440, 3, 27}, {1453, 4, 1},  {1478, 3, 22}, {1492, 4, 22},
      {1500, 4, 19}, {1517, 4, 12}, {1550, 4, 6},  {1565, 4, 22}, {1566, 4, 14}, {1575, 4, 3},
      {1582, 4, 15}, {1908, 4, 13},
  };
  for (const Attesa& a : kPubblicate)
    EXPECT_EQ(pasquaGiuliana(a.anno), (Giornata{a.anno, a.mese, a.giorno})) << a.anno;
  constexpr Attesa kOrtodosse[] = {
      {2017, 4, 16}, {2018, 4, 8},  {2019, 4, 28}, {2020, 4, 19}, {2021, 5, 2},  {2022, 4, 24},
      {2023, 4, 16}, {2024, 5, 5},  {2025, 4, 20}, {2026, 4, 12}, {2027, 5, 2},  {2028, 4, 16},
      {2029, 4, 8},  {2030, 4, 28}, {2031, 4, 13}, {2032, 5, 2},  {2033, 4, 24}, {2034, 4, 9},
      {2035, 4, 29}, {2036, 4, 20}, {2037, 4, 5},
  };
  for (const Attesa& a : kOrtodosse)
    EXPECT_EQ(comeData(pasquaGiuliana(a.anno)),
              giuliana(numeroGregoriano({a.anno, a.mese, a.giorno})))
        << a.anno;
  // The great cycle: 19 years of the moon times 28 of the weekdays.
  for (int anno = kPrimaPasquaDionigi; anno + 532 <= kUltimoAnnoStorico; ++anno) {
    const Giornata a = pasquaGiuliana(anno), b = pasquaGiuliana(anno + 532);
    ASSERT_TRUE(a.mese == b.mese && a.giorno == b.giorno) << anno;
  }
}

// The elements of the research's check table: 1282 (Bach), 1957, and 2023 as the
// Dominican ordo of that year prints them.
TEST(Pasqua, TheYearsElements) {
  EXPECT_EQ(numeroDOro(1282), 10);
  EXPECT_EQ(cicloSolare(1282), 3);
  EXPECT_EQ(epattaGiuliana(1282), 9);
  EXPECT_EQ(calendarioDelleFeste(pasquaGiuliana(1282)), 8);
  EXPECT_EQ(numeroDOro(1957), 1);
  EXPECT_EQ(cicloSolare(1957), 6);
  EXPECT_EQ(epattaGregoriana(1957), 29);
  EXPECT_EQ(calendarioDelleFeste(pasquaGregoriana(1957)), 31);
  EXPECT_EQ(numeroDOro(2023), 10);
  EXPECT_EQ(cicloSolare(2023), 16);
  EXPECT_EQ(epattaGregoriana(2023), 8);
  EXPECT_EQ(calendarioDelleFeste(pasquaGregoriana(2023)), 19);
  // Bede's epacts: epacta nulla for the first golden number, then 11 a year.
  for (int anno = 1; anno <= 19; ++anno) EXPECT_EQ(epattaGiuliana(anno - 1), 11 * (anno - 1) % 30);
}

// Each place's Easter: its count's on Easter day (J or G, by the counts written here), or
// its row's.
TEST(Pasqua, EachPlaceKeepsItsOwn) {
  using E = PasquaDelLuogo::Esito;
  const struct {
    std::string_view luogo;
    int anno;
    E esito;
    char computo = 0;
    Giornata data{};
  } casi[] = {
      {"IT", 1582, E::Nota, 'J'},  // the last Julian Easter
      {"IT", 1583, E::Nota, 'G'},
      {"FR", 1582, E::Nota, 'J'},  // France changed in December
      {"GB", 1752, E::Nota, 'J'},  // the change was in September
      {"GB", 1753, E::Nota, 'G'},
      // The Protestant states: 9 April 1724 and 29 March 1744 (Grotefend, Bach), the
      // Gregorian Easter in the other years.
      {"DE", 1724, E::Nota, 0, {1724, 4, 9}},
      {"DE", 1744, E::Nota, 0, {1744, 3, 29}},
      {"DE", 1723, E::Nota, 'G'},
      {"DE", 1776, E::Nota, 'G'},
      {"DK", 1724, E::DaRiga},
      {"CH-ZH", 1744, E::DaRiga},
      {"DK", 1725, E::Nota, 'G'},
      // Sweden: the Julian Easter to 1739 (on its own count's days to 1711), the
      // astronomical one from 1740 to 1844, of which 1742 alone is known (Axelsson).
      {"SE", 1739, E::Nota, 'J'},
      {"SE", 1742, E::Nota, 0, {1742, 3, 14}},
      {"SE", 1741, E::DaRiga},
      {"FI", 1800, E::DaRiga},
      {"SE", 1845, E::Nota, 'G'},
      {"RU", 1600, E::DaRiga},
      {"gregoriano", 1582, E::PrimaDiGregorio},
      {"giuliano", 531, E::PrimaDiDionigi},
      {"EE", 1705, E::SenzaCalendario},
  };
  for (const auto& c : casi) {
    const PasquaDelLuogo p = pasquaDelLuogo(c.anno, *luogoDi(c.luogo).luogo);
    EXPECT_EQ(p.esito, c.esito) << c.luogo << ' ' << c.anno;
    if (c.esito != E::Nota) continue;
    const Data attesa = c.computo == 'J'   ? pasquaGiulianaDiMeeus(c.anno)
                        : c.computo == 'G' ? pasquaGregorianaAnonima(c.anno)
                                           : comeData(c.data);
    EXPECT_EQ(comeData(p.data), attesa) << c.luogo << ' ' << c.anno;
  }
  // In Sweden's own count of 1700-1712 the Julian computus's Sunday is dated a day on.
  const Data giuliana = pasquaGiulianaDiMeeus(1705);
  const PasquaDelLuogo svedese = pasquaDelLuogo(1705, *luogoDi("SE").luogo);
  EXPECT_EQ(svedese.numero,
            numeroDelGiorno(1705, giuliana.mese, giuliana.giorno, Computo::Giuliano));
  EXPECT_EQ(svedese.data.giorno, giuliana.giorno + 1);
}

}  // namespace
}  // namespace almanacco::prova
