#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "luoghi.h"
#include "pasqua.h"

// The Easter each place kept: by the computus of the count its days were in on Easter day
// (Julian while Julian, Gregorian after its change), but where the sources say it kept
// another, or say no more than that it did, the rows below. The program never answers a
// computus date that a place did not keep: it refuses.
namespace almanacco {

// The sources of the feasts and of Easter, numbered from 1 as docs/calendari.md gives
// them in full.
inline constexpr std::array<std::string_view, 24> kFontiFeste{
    "J. Bach, Die Osterfest-Berechnung in alter und neuer Zeit, Freiburg 1907",
    "H. Grotefend, Handbuch der historischen Chronologie, Hannover 1872, p. 51",
    "H. Grotefend, Zeitrechnung II, Hannover 1892: calendario di Costanza",
    "Universität Zürich, Ad fontes: Datierungen auflösen",
    "R. H. van Gent, A History of Easter, Università di Utrecht",
    "M. Axelsson, Vilket datum var påskdagen i Sverige 1742?",
    "Beda, De temporum ratione, capp. 50 e 65 (nabkal.de)",
    "Catholic Encyclopedia, 1907-1913: Corpus Christi, Advent, Eve of a Feast",
    "K. A. H. Kellner, Heortology, London 1908",
    "G. DiPippo, Why is the Feast of St Matthias Moved in Leap Years?, 2020",
    "[J. J. Littrow], Calendariographie, Wien 1828, p. 65",
    "calendari liturgici (traditio.com, Liturgy Office); General Roman Calendar of 1954",
    "Liber ordinarius di Klosterneuburg e di Seckau, 1345",
    "Visitation (Christianity), en.wikipedia",
    "patroni delle città: pianetadonna.it, BolognaToday, Via Francigena e altri",
    "Sonntage im Kirchenjahr; G. D. Penkala, Sunday Nomenclature",
    "Mittelalterliche Wochentagszählung, de.wikipedia; Codex Rubricarum, n. 21",
    "Trinity Sunday, Encyclopaedia Britannica, 1911",
    "Festa mobile, it.wikipedia",
    "Enciclopedia Italiana, Ognissanti, 1935",
    "Frate Indovino, Lo sapevate, novembre 2026 (canonizzazione di san Francesco)",
    "Basilica del Santo, Padova: la canonizzazione di sant'Antonio",
    "Julian Calendar, OrthodoxWiki; Revised Julian calendar, en.wikipedia",
    "manuale italiano del calendario perpetuo (TIB Hannover, PPN 1019832681), p. 48",
};

// What a row says of a place's Easter in its years.
enum class AltraPasqua : std::uint8_t {
  Data,       // the day, as the place's calendar writes it
  Ignota,     // another Easter than the computus's, on a day no source at hand gives
  Ortodossa,  // the Church of the place kept the Orthodox calendar, not Rome's feasts
};

struct RigaPasqua {
  // The places' codes, separated by blanks.
  std::string_view luoghi;
  int dal, al;
  AltraPasqua tipo;
  Giornata data;
  // Why the place's Easter is not known, as a refusal says it.
  std::string_view perché;
  int fonte;
};

inline constexpr std::string_view kMigliorato =
    "DK NO IS FO NL-GE NL-UT NL-OV NL-FR CH-ZH CH-BE CH-BS CH-SH CH-GE prussia strasburgo";
inline constexpr std::string_view kPerchéMigliorato =
    "quell'anno gli stati protestanti tedeschi ebbero un'altra Pasqua, e le fonti non dicono "
    "quale vi si celebrò";
inline constexpr std::string_view kPerchéSvezia =
    "dal 1740 al 1844 la si calcolava con le tavole astronomiche, e le fonti ne danno la data "
    "del solo 1742";

// The Protestant states of the Empire computed Easter from Kepler's tables from 1700 and
// kept the Gregorian one from 1776; it differed only in 1724 and 1744 (Grotefend 1872,
// Bach p. 20). Denmark, the Dutch provinces and the Protestant cantons took the same
// calendar (van Gent); which Easter they kept those two years no source at hand says.
// Sweden kept the Julian computus to 1739, its days in its own count to 1711, then the
// astronomical Easter to 1844 (van Gent; Swedish calendar, en.wikipedia): only 1742,
// 14 March, is in the sources at hand (Axelsson). Finland was Swedish until 1809.
inline constexpr std::array<RigaPasqua, 8> kPasqueDeiLuoghi{{
    {"DE", 1724, 1724, AltraPasqua::Data, {1724, 4, 9}, "", 2},
    {"DE", 1744, 1744, AltraPasqua::Data, {1744, 3, 29}, "", 2},
    {kMigliorato, 1724, 1724, AltraPasqua::Ignota, {}, kPerchéMigliorato, 5},
    {kMigliorato, 1744, 1744, AltraPasqua::Ignota, {}, kPerchéMigliorato, 5},
    {"SE FI", 1740, 1741, AltraPasqua::Ignota, {}, kPerchéSvezia, 5},
    {"SE FI", 1742, 1742, AltraPasqua::Data, {1742, 3, 14}, "", 6},
    {"SE FI", 1743, 1844, AltraPasqua::Ignota, {}, kPerchéSvezia, 5},
    {"RU BG RS ME RO GR",
     kPrimoAnnoStorico,
     kUltimoAnnoStorico,
     AltraPasqua::Ortodossa,
     {},
     "si seguiva il calendario della Chiesa ortodossa, non le feste di Roma",
     23},
}};

// A place's Easter in a common year: the day, or why there is none to answer.
struct PasquaDelLuogo {
  enum class Esito : std::uint8_t {
    Nota,
    DaRiga,           // a row says why it is not known (riga)
    PrimaDiDionigi,   // before the first year of Dionysius's table
    PrimaDiGregorio,  // a Gregorian count before the first Gregorian Easter
    NelCambio,        // the place's change of calendar gives neither computus's Easter, or both
    SenzaCalendario,  // the place's count of that year is not known
  };
  Esito esito = Esito::Nota;
  long numero = 0;  // the day number of Easter Sunday
  Giornata data{};  // and its date as the place wrote it, in this count
  Computo computo = Computo::Giuliano;
  const RigaPasqua* riga = nullptr;
};

PasquaDelLuogo pasquaDelLuogo(int anno, const Luogo& luogo);
// The row of the place's year, if one is: none for Italy, asked for most datings.
const RigaPasqua* rigaDelLuogo(int anno, const Luogo& luogo);
inline const RigaPasqua* rigaPer(int anno, const Luogo& luogo) {
  return &luogo == &kItaliaLuogo ? nullptr : rigaDelLuogo(anno, luogo);
}

// The common years a day written in the year `scritto` of a style is of, in the place:
// one for a style whose year turns on a fixed day; for the Easter style, `scritto` from
// its Easter on and the next year before the next Easter: none, one, or two for the days
// between two Easters that fell on different days. Not known where an Easter it needs is
// not (the year of that Easter in `anno`).
struct AnniNelloStile {
  std::array<int, 2> anni{};
  int quanti = 0;
  bool noti = true;
  int anno = 0;
};
AnniNelloStile anniNelloStile(int scritto, int mese, int giorno, Stile stile, const Luogo& luogo);

// The year a day of the common year `anno` is written in, in the style: nothing where the
// place's Easter of the year is not known.
std::optional<int> annoScrittoNelloStile(int anno, int mese, int giorno, Stile stile,
                                         const Luogo& luogo);

}  // namespace almanacco
