#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "regola.h"

// The places whose calendar a date may be asked in, each with the day it left the Julian
// calendar and the day it took up the Gregorian one, and where those dates come from.
// docs/calendari.md gives every source in full, and the places left out and why.
namespace almanacco {

// The sources of the dates, cited as the list of places prints them; the first is
// number 1.
inline constexpr std::array<std::string_view, 15> kFonti{
    "bolla Inter gravissimas di Gregorio XIII, 24 febbraio 1582",
    "H. Grotefend, Taschenbuch der Zeitrechnung, 1941, pp. 26-28",
    "E. Poulsen, The transition from Julian to Gregorian Calendar, Rundetårn",
    "KNAW, Christiaan Huygens: Kalender en tijdrekening",
    "Calendar (New Style) Act 1750, 24 Geo. II c. 23",
    "ordinanza del duca Carlo III di Lorena, 22 novembre 1582",
    "Komunikaty Mazursko-Warmińskie 315 (2021), pp. 41-46",
    "M. Scheutz, Der Gregorianische Kalender als politischer Streitfall",
    "K. Eder, Glaubensspaltung und Landstände in Österreich ob der Enns, 1936",
    "legge bulgara del 14 marzo 1916, Dăržaven vestnik 65",
    "decreto del Consiglio dei commissari del popolo, 24 gennaio 1918",
    "legge del Regno dei Serbi, Croati e Sloveni, Službene novine, 28/1/1919",
    "decreto-legge romeno del 5 marzo 1919, Arhivele Naționale ale României",
    "legge greca del 18 gennaio 1923 (Kathimerini)",
    "M. Brader in IANA tz, calendars, da N. Beckman (1924) e L.-O. Lodén (1968)",
};

struct Luogo {
  // ISO 3166 (a country, or a region of one) where a code fits the place; otherwise the
  // historic state's Italian name.
  std::string_view codice;
  std::string_view nome;
  Riforma riforma;
  // Numbers in kFonti, from 1; 0 for none.
  std::array<int, 2> fonti;
};

// Grouped by the change, in the order of time.
inline constexpr std::array kLuoghi = std::to_array<Luogo>({
    {"IT", "Italia", kItalia, {1, 2}},
    {"ES", "Spagna", kItalia, {2, 3}},
    {"PT", "Portogallo", kItalia, {2, 3}},
    {"PL", "Polonia", kItalia, {2, 3}},
    {"FR", "Francia", {{1582, 12, 9}, {1582, 12, 20}}, {2, 3}},
    {"lorena", "Lorena (ducato)", {{1582, 12, 9}, {1582, 12, 20}}, {6, 2}},
    {"NL-ZE", "Zelanda", {{1582, 12, 14}, {1582, 12, 25}}, {4, 0}},
    {"BE", "Belgio: Fiandre e Hainaut", {{1582, 12, 21}, {1583, 1, 1}}, {2, 3}},
    {"NL", "Paesi Bassi: Olanda", {{1583, 1, 1}, {1583, 1, 12}}, {4, 0}},
    {"BE-WLG", "Liegi (principato vescovile)", {{1583, 2, 10}, {1583, 2, 21}}, {2, 0}},
    {"AT", "Austria (arciducato)", {{1583, 10, 4}, {1583, 10, 15}}, {8, 9}},
    {"DE-BY", "Baviera", {{1583, 10, 5}, {1583, 10, 16}}, {2, 3}},
    {"bressanone", "Bressanone (principato vescovile)", {{1583, 10, 5}, {1583, 10, 16}}, {2, 0}},
    {"AT-2", "Carinzia", {{1583, 12, 14}, {1583, 12, 25}}, {3, 0}},
    {"AT-6", "Stiria", {{1583, 12, 14}, {1583, 12, 25}}, {2, 3}},
    {"CZ", "Boemia e Moravia", {{1584, 1, 6}, {1584, 1, 17}}, {2, 3}},
    {"CH-LU", "Lucerna", {{1584, 1, 11}, {1584, 1, 22}}, {2, 3}},
    {"CH-UR", "Uri", {{1584, 1, 11}, {1584, 1, 22}}, {2, 3}},
    {"CH-SZ", "Svitto", {{1584, 1, 11}, {1584, 1, 22}}, {2, 3}},
    {"CH-ZG", "Zugo", {{1584, 1, 11}, {1584, 1, 22}}, {2, 3}},
    {"CH-FR", "Friburgo", {{1584, 1, 11}, {1584, 1, 22}}, {2, 3}},
    {"CH-SO", "Soletta", {{1584, 1, 11}, {1584, 1, 22}}, {2, 3}},
    {"HU", "Ungheria", {{1587, 10, 21}, {1587, 11, 1}}, {2, 3}},
    {"transilvania", "Transilvania", {{1590, 12, 14}, {1590, 12, 25}}, {2, 3}},
    {"prussia", "Prussia ducale", {{1612, 8, 22}, {1612, 9, 2}}, {2, 7}},
    {"DE", "Germania: stati protestanti", {{1700, 2, 18}, {1700, 3, 1}}, {2, 3}},
    {"DK", "Danimarca", {{1700, 2, 18}, {1700, 3, 1}}, {2, 3}},
    {"NO", "Norvegia", {{1700, 2, 18}, {1700, 3, 1}}, {2, 3}},
    {"NL-GE", "Gheldria", {{1700, 6, 30}, {1700, 7, 12}}, {2, 3}},
    {"NL-UT", "Utrecht", {{1700, 11, 30}, {1700, 12, 12}}, {3, 2}},
    {"NL-OV", "Overijssel", {{1700, 11, 30}, {1700, 12, 12}}, {3, 2}},
    {"NL-FR", "Frisia", {{1700, 12, 31}, {1701, 1, 12}}, {2, 3}},
    {"CH-ZH", "Zurigo", {{1700, 12, 31}, {1701, 1, 12}}, {2, 3}},
    {"CH-BE", "Berna", {{1700, 12, 31}, {1701, 1, 12}}, {2, 3}},
    {"CH-BS", "Basilea", {{1700, 12, 31}, {1701, 1, 12}}, {2, 3}},
    {"CH-SH", "Sciaffusa", {{1700, 12, 31}, {1701, 1, 12}}, {2, 3}},
    {"CH-GE", "Ginevra", {{1700, 12, 31}, {1701, 1, 12}}, {2, 3}},
    {"GB", "Gran Bretagna", {{1752, 9, 2}, {1752, 9, 14}}, {5, 2}},
    {"IE", "Irlanda", {{1752, 9, 2}, {1752, 9, 14}}, {5, 0}},
    {"US", "Stati Uniti: colonie britanniche", {{1752, 9, 2}, {1752, 9, 14}}, {5, 0}},
    {"CA", "Canada: colonie britanniche", {{1752, 9, 2}, {1752, 9, 14}}, {5, 0}},
    {"SE", "Svezia", {{1753, 2, 17}, {1753, 3, 1}}, {2, 15}},
    {"FI", "Finlandia", {{1753, 2, 17}, {1753, 3, 1}}, {2, 15}},
    {"BG", "Bulgaria", {{1916, 3, 31}, {1916, 4, 14}}, {10, 0}},
    {"RU", "Russia", {{1918, 1, 31}, {1918, 2, 14}}, {11, 0}},
    {"RS", "Serbia", {{1919, 1, 14}, {1919, 1, 28}}, {12, 0}},
    {"ME", "Montenegro", {{1919, 1, 14}, {1919, 1, 28}}, {12, 0}},
    {"RO", "Romania", {{1919, 3, 31}, {1919, 4, 14}}, {13, 0}},
    {"GR", "Grecia", {{1923, 2, 15}, {1923, 3, 1}}, {14, 0}},
});

// The calendar a name stands for: a place's code (in any letter case), or "giuliano" or
// "gregoriano" for one count throughout.
std::optional<Riforma> calendarioDi(std::string_view nome);

namespace verifica {
// Each place's first Gregorian day is the day after its last Julian one, and both are
// days their counts have.
constexpr bool ogniPassaggioDaUnGiornoAlSeguente() {
  for (const Luogo& l : kLuoghi) {
    const Giornata& g = l.riforma.ultimoGiuliano();
    const Giornata& n = l.riforma.primoGregoriano();
    if (g.giorno > giorniNelMese(g.anno, g.mese, Computo::Giuliano) ||
        n.giorno > giorniNelMese(n.anno, n.mese, Computo::Gregoriano) ||
        numeroDelGiorno(g.anno, g.mese, g.giorno, Computo::Giuliano) + 1 !=
            numeroDelGiorno(n.anno, n.mese, n.giorno, Computo::Gregoriano))
      return false;
  }
  return true;
}
constexpr bool codiciDiversi() {
  for (std::size_t i = 0; i < kLuoghi.size(); ++i)
    for (std::size_t j = i + 1; j < kLuoghi.size(); ++j)
      if (kLuoghi[i].codice == kLuoghi[j].codice) return false;
  return true;
}
static_assert(ogniPassaggioDaUnGiornoAlSeguente());
static_assert(codiciDiversi());
}  // namespace verifica

}  // namespace almanacco
