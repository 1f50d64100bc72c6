#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "regola.h"
#include "stili.h"

// The places whose calendar a date may be asked in: the periods each counted its days in,
// the styles of the year it wrote in each period, and where those facts come from.
// docs/calendari.md gives every source in full, and the places left out and why.
namespace almanacco {

// The sources of the facts, cited as the list of places prints them; the first is
// number 1, and docs/calendari.md gives each in full under the same number.
inline constexpr std::array<std::string_view, 31> kFonti{
    "Gregorio XIII, bolla Inter gravissimas, 24 febbraio 1582",
    "H. Grotefend, Handbuch der historischen Chronologie, Hannover 1872, p. 51",
    "E. Poulsen, The transition from Julian to Gregorian Calendar, Rundetårn",
    "KNAW, Christiaan Huygens web, Kalender en tijdrekening",
    "Calendar (New Style) Act 1750, 24 Geo. II c. 23",
    "ordinanza di Carlo III di Lorena, 22 novembre 1582 (AD Meurthe-et-Moselle)",
    "G. Białuński, Komunikaty Mazursko-Warmińskie n. 3, pp. 429-432",
    "M. Scheutz, Der Gregorianische Kalender als politischer Streitfall",
    "K. Eder, Glaubensspaltung und Landstände in Österreich ob der Enns, 1936",
    "legge bulgara del 14 marzo 1916 (giuliano), Dăržaven vestnik 65",
    "decreto del Consiglio dei commissari del popolo, 24 gennaio 1918 (giuliano)",
    "legge del Regno SHS del 10 gennaio 1919 (giuliano), Službene novine",
    "decreto-legge romeno n. 1053 del 5 marzo 1919",
    "decreto legislativo greco del 18 gennaio 1923 (giuliano)",
    "Svenska kalendern, sv.wikipedia; February 30, en.wikipedia",
    "legge toscana del 20 novembre 1749 (L. Cantini, Legislazione toscana XXVI)",
    "atto del Consiglio privato di Scozia, 17 dicembre 1599",
    "decreto di Pietro I del 20 dicembre 7208 (1699, giuliano)",
    "C. Tonini, Capodanno more veneto, Venezia News; More veneto, it.wikipedia",
    "Koninklijke Bibliotheek, 1583: Kalenderhervorming",
    "J. H., Gregoriánský kalendář a sněm moravský, Časopis Matice moravské 1877",
    "Þ. Sæmundsson, 1700, Almanak Háskóla Íslands",
    "J. D. Schoepflin, Alsatia illustrata II, p. 343, citato nell'Encyclopédie méthodique",
    "E. Maripuu, 100 aastat suurest kalendrikeeramisest, Postimees, 14.2.2018",
    "List of adoption dates of the Gregorian calendar, en.wikipedia",
    "M. Giudice, The adoption of the Gregorian calendar, Università di Napoli",
    "F. Kaltenbrunner, Die Polemik über die Gregorianische Kalenderreform, 1877",
    "Archivi in Toscana, Giorni ed anni: questione di stile, 2015",
    "H. Thurston, Chronology, Catholic Encyclopedia III, 1908, p. 739",
    "horydoly.cz, Gregoriánský kalendář platí od roku 1584 v Čechách a na Moravě",
    "ordinanza di Enrico III, Parigi, 3 novembre 1582 (AD Côte-d'Or, B 12083)",
};

// A style of the year a place wrote in, up to and including `fino`: a day of the common
// style, in the place's own calendar; the first from always, each next from the day after
// the one before.
struct StileDelLuogo {
  Stile stile;
  Giornata fino;
  // Years in which no source says which style the place wrote: a date of them is refused.
  bool ignoto = false;
};

struct Luogo {
  // ISO 3166 (a country, or a region of one) where a code fits the place; otherwise its
  // Italian name in lower case.
  std::string_view codice;
  // The Italian name, as the list prints it; a name it is also known by, or empty.
  std::string_view nome, altroNome;
  // The place as a sentence names it: "in Italia", "a Firenze".
  std::string_view nel;
  ContoDeiGiorni conto;
  // Up to three styles in the order of time; the unused ones have no day.
  std::array<StileDelLuogo, 3> stili;
  // Numbers in kFonti, from 1; 0 for none.
  std::array<int, 3> fonti;
  // For a row the sources disagree on: the other day and its source; empty otherwise.
  std::string_view disputa;
  // Worked out from `stili` once the table is made, for the dates by the million: whether
  // the place wrote the common style in every year; and the years written so far from any
  // change of style that only one style can have written them (before the first change,
  // the first style, unless it is not known; after the last, the last).
  bool comune = false;
  int soloIlPrimoFino = 0, soloLUltimoDal = 0;

  constexpr bool soloComune() const { return comune; }
  // The one style a year written `anno` can be in, where only one can.
  constexpr std::optional<Stile> soloStile(int anno) const {
    if (anno >= soloLUltimoDal) return stili[ultimoStile()].stile;
    if (anno <= soloIlPrimoFino) return stili[0].stile;
    return std::nullopt;
  }
  constexpr std::size_t ultimoStile() const {
    std::size_t i = 0;
    while (stili[i].fino != kPerSempre) ++i;
    return i;
  }
};

namespace dettaglio {
// The calendar of a place that changed once: Julian up to its last Julian day, Gregorian
// from the next.
constexpr ContoDeiGiorni cambio(Giornata ultimoGiuliano, Giornata primoGregoriano) {
  return {{Computo::Giuliano, kSempre, ultimoGiuliano},
          {Computo::Gregoriano, primoGregoriano, kPerSempre}};
}
inline constexpr std::array<StileDelLuogo, 3> kComune{{{Stile::Comune, kPerSempre}}};
// A style written up to a day, the common one after it.
constexpr std::array<StileDelLuogo, 3> finoAl(Stile stile, Giornata fino) {
  return {{{stile, fino}, {Stile::Comune, kPerSempre}}};
}
}  // namespace dettaglio

// Grouped by the change, in the order of time; Italy first, the default. A disputed row
// names the other day its sources give, and the source, as the list prints it.
inline constexpr std::array kLuoghi = [] {
  using namespace dettaglio;
  using enum Stile;
  constexpr auto kIta = kItalia;
  constexpr Giornata k1749{1749, 12, 31}, k1751{1751, 12, 31};
  constexpr auto kColonie = finoAl(Fiorentino, k1751);
  constexpr auto k1752 = cambio({1752, 9, 2}, {1752, 9, 14});
  constexpr auto k1584 = cambio({1584, 1, 11}, {1584, 1, 22});
  constexpr auto k1701 = cambio({1700, 12, 31}, {1701, 1, 12});
  constexpr auto k1700 = cambio({1700, 2, 18}, {1700, 3, 1});
  constexpr ContoDeiGiorni kSvezia{{Computo::Giuliano, kSempre, {1700, 2, 28}},
                                   {Computo::Svedese, {1700, 3, 1}, {1712, 2, 30}},
                                   {Computo::Giuliano, {1712, 3, 1}, {1753, 2, 17}},
                                   {Computo::Gregoriano, {1753, 3, 1}, kPerSempre}};
  auto luoghi = std::to_array<Luogo>({
      {"IT", "Italia", "", "in Italia", kIta, kComune, {1, 2}, ""},
      {"firenze", "Firenze", "", "a Firenze", kIta, finoAl(Fiorentino, k1749), {1, 16, 28}, ""},
      {"siena", "Siena", "", "a Siena", kIta, finoAl(Fiorentino, k1749), {1, 16}, ""},
      {"pisa", "Pisa", "", "a Pisa", kIta, finoAl(Pisano, k1749), {1, 16, 28}, ""},
      {"venezia", "Venezia", "", "a Venezia", kIta, finoAl(Veneto, {1797, 5, 12}), {1, 19}, ""},
      {"ES", "Spagna", "", "in Spagna", kIta, kComune, {2, 3}, ""},
      {"PT", "Portogallo", "", "in Portogallo", kIta, kComune, {2, 3}, ""},
      {"PL", "Polonia", "", "in Polonia", kIta, kComune, {2, 3}, ""},
      // The edict of Roussillon (art. 39 of the ordinance of January 1563, Easter style,
      // confirmed at Roussillon on 9 August 1564) began the year on 1 January; the Parlement
      // of Paris kept the Easter style to the end of 1566 (A. Giry, Manuel de diplomatique,
      // 1894, p. 113; docs/calendari.md, "The Easter style").
      {"FR",
       "Francia",
       "",
       "in Francia",
       cambio({1582, 12, 9}, {1582, 12, 20}),
       finoAl(Pasquale, {1566, 12, 31}),
       {2, 3},
       ""},
      {"lorena",
       "Lorena (ducato)",
       "",
       "in Lorena",
       cambio({1582, 12, 9}, {1582, 12, 20}),
       kComune,
       {6, 2},
       ""},
      {"NL-ZE",
       "Zelanda",
       "",
       "in Zelanda",
       cambio({1582, 12, 14}, {1582, 12, 25}),
       kComune,
       {4},
       ""},
      {"BE",
       "Fiandre e Hainaut",
       "",
       "nelle Fiandre",
       cambio({1582, 12, 21}, {1583, 1, 1}),
       kComune,
       {3, 26},
       "14 dic 1582 / 25 dic 1582 nelle Fiandre di Angiò, 20 dic 1582 / 31 dic 1582 (25)"},
      {"NL",
       "Olanda",
       "",
       "in Olanda",
       cambio({1583, 1, 1}, {1583, 1, 12}),
       kComune,
       {20, 4},
       "21 dic 1582 / 1 gen 1583 (2 e 3)"},
      {"BE-WLG",
       "Liegi (principato vescovile)",
       "",
       "a Liegi",
       cambio({1583, 2, 10}, {1583, 2, 21}),
       kComune,
       {3, 26},
       ""},
      {"AT",
       "Austria (arciducato)",
       "",
       "in Austria",
       cambio({1583, 10, 4}, {1583, 10, 15}),
       kComune,
       {8, 9, 27},
       "nell'Austria superiore di fatto 19 ott 1583 / 29 ott 1583 (9 e 27)"},
      {"DE-BY",
       "Baviera",
       "",
       "in Baviera",
       cambio({1583, 10, 5}, {1583, 10, 16}),
       kComune,
       {2, 3},
       ""},
      {"AT-2",
       "Carinzia",
       "",
       "in Carinzia",
       cambio({1583, 12, 14}, {1583, 12, 25}),
       kComune,
       {3, 25},
       ""},
      {"AT-6",
       "Stiria",
       "",
       "in Stiria",
       cambio({1583, 12, 14}, {1583, 12, 25}),
       kComune,
       {3},
       "11 dic 1583 / 22 dic 1583 (25)"},
      {"CZ", "Boemia", "", "in Boemia", cambio({1584, 1, 6}, {1584, 1, 17}), kComune, {3, 30}, ""},
      {"moravia",
       "Moravia",
       "",
       "in Moravia",
       cambio({1584, 10, 3}, {1584, 10, 14}),
       kComune,
       {30, 21},
       "6 gen 1584 / 17 gen 1584, con la Boemia (3)"},
      {"CH-LU", "Lucerna", "", "a Lucerna", k1584, kComune, {3}, ""},
      {"CH-UR", "Uri", "", "a Uri", k1584, kComune, {3}, ""},
      {"CH-SZ", "Svitto", "", "a Svitto", k1584, kComune, {3}, ""},
      {"CH-ZG", "Zugo", "", "a Zugo", k1584, kComune, {3}, ""},
      {"CH-FR", "Friburgo", "", "a Friburgo", k1584, kComune, {3}, ""},
      {"CH-SO", "Soletta", "", "a Soletta", k1584, kComune, {3}, ""},
      {"HU",
       "Ungheria",
       "",
       "in Ungheria",
       cambio({1587, 10, 21}, {1587, 11, 1}),
       kComune,
       {3},
       ""},
      {"transilvania",
       "Transilvania",
       "",
       "in Transilvania",
       cambio({1590, 12, 14}, {1590, 12, 25}),
       kComune,
       {3},
       ""},
      {"prussia",
       "Prussia ducale",
       "",
       "nella Prussia ducale",
       cambio({1612, 8, 22}, {1612, 9, 2}),
       kComune,
       {7, 25},
       "22 ago 1610 / 2 set 1610 (3)"},
      {"strasburgo",
       "Strasburgo",
       "",
       "a Strasburgo",
       cambio({1682, 2, 5}, {1682, 2, 16}),
       kComune,
       {23, 2},
       ""},
      {"DE",
       "Germania: stati protestanti",
       "",
       "negli stati tedeschi protestanti",
       k1700,
       kComune,
       {3},
       ""},
      {"DK", "Danimarca", "", "in Danimarca", k1700, kComune, {3}, ""},
      {"NO", "Norvegia", "", "in Norvegia", k1700, kComune, {3}, ""},
      {"NL-GE",
       "Gheldria",
       "",
       "in Gheldria",
       cambio({1700, 6, 30}, {1700, 7, 12}),
       kComune,
       {3},
       ""},
      {"NL-UT",
       "Utrecht",
       "",
       "a Utrecht",
       cambio({1700, 11, 30}, {1700, 12, 12}),
       kComune,
       {3},
       ""},
      {"NL-OV",
       "Overijssel",
       "",
       "in Overijssel",
       cambio({1700, 11, 30}, {1700, 12, 12}),
       kComune,
       {3},
       ""},
      {"IS",
       "Islanda",
       "",
       "in Islanda",
       cambio({1700, 11, 16}, {1700, 11, 28}),
       kComune,
       {22},
       ""},
      {"FO",
       "Fær Øer",
       "",
       "nelle Fær Øer",
       cambio({1700, 11, 16}, {1700, 11, 28}),
       kComune,
       {22},
       ""},
      {"NL-FR", "Frisia", "", "in Frisia", k1701, kComune, {3}, ""},
      {"CH-ZH", "Zurigo", "", "a Zurigo", k1701, kComune, {3}, ""},
      {"CH-BE", "Berna", "", "a Berna", k1701, kComune, {3}, ""},
      {"CH-BS", "Basilea", "", "a Basilea", k1701, kComune, {3}, ""},
      {"CH-SH", "Sciaffusa", "", "a Sciaffusa", k1701, kComune, {3}, ""},
      {"CH-GE", "Ginevra", "", "a Ginevra", k1701, kComune, {3}, ""},
      {"GB",
       "Inghilterra",
       "Gran Bretagna",
       "in Inghilterra",
       k1752,
       finoAl(Fiorentino, k1751),
       {5, 29},
       ""},
      {"GB-SCT", "Scozia", "", "in Scozia", k1752, finoAl(Fiorentino, {1599, 12, 31}), {5, 17}, ""},
      {"IE", "Irlanda", "", "in Irlanda", k1752, kColonie, {5}, ""},
      {"US",
       "Stati Uniti: colonie britanniche",
       "",
       "nelle colonie britanniche",
       k1752,
       kColonie,
       {5},
       ""},
      {"CA",
       "Canada: colonie britanniche",
       "",
       "nelle colonie britanniche",
       k1752,
       kColonie,
       {5},
       ""},
      {"SE", "Svezia", "", "in Svezia", kSvezia, kComune, {15}, ""},
      {"FI", "Finlandia", "", "in Finlandia", kSvezia, kComune, {15}, ""},
      {"BG",
       "Bulgaria",
       "",
       "in Bulgaria",
       cambio({1916, 3, 31}, {1916, 4, 14}),
       kComune,
       {10},
       ""},
      {"RU",
       "Russia",
       "",
       "in Russia",
       cambio({1918, 1, 31}, {1918, 2, 14}),
       {{{Bizantino, {1492, 8, 31}, true}, {Bizantino, {1699, 12, 31}}, {Comune, kPerSempre}}},
       {11, 18},
       ""},
      {"EE",
       "Estonia",
       "",
       "in Estonia",
       {{Computo::Giuliano, kSempre, {1700, 2, 28}},
        {Computo::Giuliano, {1712, 3, 1}, {1918, 1, 31}},
        {Computo::Gregoriano, {1918, 2, 14}, kPerSempre}},
       kComune,
       {24},
       "15 feb 1918 / 1 mar 1918 (25)"},
      {"RS", "Serbia", "", "in Serbia", cambio({1919, 1, 14}, {1919, 1, 28}), kComune, {12}, ""},
      {"ME",
       "Montenegro",
       "",
       "in Montenegro",
       cambio({1919, 1, 14}, {1919, 1, 28}),
       kComune,
       {12},
       ""},
      {"RO", "Romania", "", "in Romania", cambio({1919, 3, 31}, {1919, 4, 14}), kComune, {13}, ""},
      {"GR", "Grecia", "", "in Grecia", cambio({1923, 2, 15}, {1923, 3, 1}), kComune, {14}, ""},
      {"giuliano",
       "il calendario giuliano, per ogni anno",
       "",
       "nel calendario giuliano",
       kSempreGiuliano,
       kComune,
       {},
       ""},
      {"gregoriano",
       "il calendario gregoriano, per ogni anno",
       "",
       "nel calendario gregoriano",
       kSempreGregoriano,
       kComune,
       {},
       ""},
  });
  // A style reads a written year as that year, the one before or the one after: two years
  // off the changes, no other style's reading falls in its own years.
  for (Luogo& l : luoghi) {
    l.comune = l.stili[0].stile == Comune && l.stili[0].fino == kPerSempre;
    const std::size_t ultimo = l.ultimoStile();
    l.soloLUltimoDal = ultimo == 0 ? -100000 : l.stili[ultimo - 1].fino.anno + 2;
    l.soloIlPrimoFino = ultimo == 0 || l.stili[0].ignoto ? -100000 : l.stili[0].fino.anno - 2;
  }
  return luoghi;
}();

// Italy, whose calendar and style every date is read in unless another place is asked.
inline constexpr const Luogo& kItaliaLuogo = kLuoghi[0];

// What a name names among the places: the place; or, for no place, the names nearest to it.
struct LuogoCercato {
  const Luogo* luogo = nullptr;
  std::vector<std::string_view> vicini;
};

// The place a code or an Italian name stands for, in any letter case, with or without
// accents ("GB", "gb", "Inghilterra", "firenze", "giuliano").
LuogoCercato luogoDi(std::string_view nome);

// The last day a style was written in the place, for a date read in it as asked
// (--stile): the place's own last day of it where it wrote it longer than the style's
// recorded end, that end otherwise.
Giornata fineDelloStile(Stile stile, const Luogo& luogo);

namespace verifica {
// Each place's periods follow each other in the order of time, the days of each after
// the days of the one before; each first and last day is one its count has, but for the
// table's own last day of Sweden's count, 30 February 1712, one Julian day on from its 29th.
constexpr bool periodiInOrdine() {
  for (const Luogo& l : kLuoghi) {
    for (std::size_t i = 0; i + 1 < l.conto.quanti(); ++i) {
      const Periodo& a = l.conto[i];
      const Periodo& b = l.conto[i + 1];
      if (dettaglio::chiave(a.ultimo) >= dettaglio::chiave(b.primo)) return false;
      const long fine = numeroDelGiorno(a.ultimo.anno, a.ultimo.mese, a.ultimo.giorno, a.computo);
      const long inizio = numeroDelGiorno(b.primo.anno, b.primo.mese, b.primo.giorno, b.computo);
      if (fine >= inizio) return false;
      if (b.primo.giorno > giorniNelMese(b.primo.anno, b.primo.mese, b.computo)) return false;
      const bool oltre = a.ultimo.giorno > giorniNelMese(a.ultimo.anno, a.ultimo.mese, a.computo);
      if (oltre && a.computo != Computo::Svedese) return false;
    }
  }
  return true;
}
constexpr bool stiliInOrdine() {
  for (const Luogo& l : kLuoghi) {
    bool finito = false;
    for (std::size_t i = 0; i < l.stili.size(); ++i) {
      if (finito) {
        if (l.stili[i].fino != Giornata{}) return false;
        continue;
      }
      if (i > 0 && dettaglio::chiave(l.stili[i].fino) <= dettaglio::chiave(l.stili[i - 1].fino))
        return false;
      finito = l.stili[i].fino == kPerSempre;
    }
    if (!finito) return false;
  }
  return true;
}
constexpr bool codiciDiversi() {
  for (std::size_t i = 0; i < kLuoghi.size(); ++i)
    for (std::size_t j = i + 1; j < kLuoghi.size(); ++j)
      if (kLuoghi[i].codice == kLuoghi[j].codice) return false;
  return true;
}
static_assert(periodiInOrdine());
static_assert(stiliInOrdine());
static_assert(codiciDiversi());
static_assert(kItaliaLuogo.conto == kItalia && kItaliaLuogo.soloComune());

constexpr const ContoDeiGiorni& contoDi(std::string_view codice) {
  for (const Luogo& l : kLuoghi)
    if (l.codice == codice) return l.conto;
  return kItalia;
}
// Sweden skipped 29 February 1700 and added a 30 February in 1712; the Battle of Poltava
// was Monday 28 June 1709 in its calendar, the Julian Monday 27 June.
static_assert(!esisteva(1700, 2, 29, contoDi("SE")) && esisteva(1712, 2, 30, contoDi("SE")) &&
              !esisteva(1712, 2, 31, contoDi("SE")) && esisteva(1704, 2, 29, contoDi("SE")));
static_assert(giornoDellaSettimana(1709, 6, 28, contoDi("SE")) == settimana::L &&
              giornoDellaSettimana(1709, 6, 27, kSempreGiuliano) == settimana::L);
static_assert(giornataNel(numeroDelGiorno(1712, 2, 29, Computo::Giuliano), contoDi("SE")) ==
              Giornata{1712, 2, 30});
}  // namespace verifica

}  // namespace almanacco
