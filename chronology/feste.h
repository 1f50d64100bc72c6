#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// The feasts that documents are dated by: the moveable ones, by their days from Easter or
// from the first Sunday of Advent, and the fixed ones of the Roman calendar with the
// patrons of the main Italian cities. Names are Italian and Latin, each read in any
// letter case and accent; pasque.h has the sources, by number.
namespace almanacco {

// What a feast's day is counted from.
enum class Base : std::uint8_t { Pasqua, Avvento, Fissa };

// The Sundays a text may count from a feast: those of its season, the feast itself the
// first ("terza domenica di Quaresima"); or those after it ("seconda domenica dopo
// Pentecoste"), up to a number, or up to Advent, or up to Septuagesima.
enum class Conta : std::uint8_t { No, Stagione, Dopo, DopoFinoAdAvvento, DopoFinoASettuagesima };

struct Festa {
  // As --anno and the refusals write it: Italian, and Latin as a dating clause has it;
  // each reads back as the feast.
  std::string_view nome, latino;
  Base base;
  // Days from Easter or from the first Sunday of Advent; for a fixed feast, its day.
  int scarto;
  int mese = 0, giorno = 0;
  // The years it was kept on its day, 0 for no bound that a source gives.
  int dal = 0, fino = 0;
  int fonte = 0, altraFonte = 0;
  // Every name it is read by, separated by '|'; a word in brackets may be left out.
  std::string_view nomi;
  // The names of its season, for its Sundays counted ("di Quaresima", "Adventus").
  std::string_view stagione = {};
  Conta conta = Conta::No;
  int domeniche = 0;  // the most a text may count, for Stagione and Dopo
  // Days it lasts: the Rogations are three, a weekday names one of them.
  int giorni = 1;
  // Moved a day on in a leap year, as St Matthias's in the Roman reckoning: the doubled
  // day is 24 February (DiPippo).
  bool bisesto = false;
};

namespace dettaglio {
constexpr Festa mobile(std::string_view nome, std::string_view latino, int scarto, int fonte,
                       std::string_view nomi) {
  return {nome, latino, Base::Pasqua, scarto, 0, 0, 0, 0, fonte, 0, nomi};
}
constexpr Festa fissa(std::string_view nome, std::string_view latino, int mese, int giorno,
                      int fonte, std::string_view nomi) {
  return {nome, latino, Base::Fissa, 0, mese, giorno, 0, 0, fonte, 0, nomi};
}
constexpr Festa conFonte(Festa f, int altra) {
  f.altraFonte = altra;
  return f;
}
constexpr Festa dalAl(Festa f, int dal, int fino) {
  f.dal = dal;
  f.fino = fino;
  return f;
}
constexpr Festa contate(Festa f, Conta conta, int domeniche, std::string_view stagione = {}) {
  f.conta = conta;
  f.domeniche = domeniche;
  f.stagione = stagione;
  return f;
}
}  // namespace dettaglio

// The moveable feasts in the order of the year, then the fixed ones. Sources: the Sundays'
// names and days from Easter, 16 and 1; the Latin forms, 3 and 12; the days of each fixed
// feast, 3 (Grotefend's calendar of Konstanz), 12 and 15; each row names its own.
inline constexpr auto kFeste = [] {
  using namespace dettaglio;
  return std::to_array<Festa>({
      mobile("Settuagesima", "dominica in Septuagesima", -63, 16,
             "Settuagesima|Septuagesima|Septuagesimae|Septuagesimam"),
      mobile("Sessagesima", "dominica in Sexagesima", -56, 16,
             "Sessagesima|Sexagesima|Sexagesimae|Sexagesimam"),
      mobile("Giovedì grasso", "", -52, 19, "giovedì grasso"),
      mobile("Quinquagesima", "dominica Esto mihi", -49, 16,
             "Quinquagesima|Quinquagesimae|Quinquagesimam|Esto mihi"),
      mobile("Martedì grasso", "feria III ante Cineres", -47, 1, "martedì grasso"),
      mobile("Mercoledì delle Ceneri", "feria IV Cinerum", -46, 16,
             "Ceneri|Cinerum|Cineres|caput ieiunii|capitis ieiunii"),
      contate(mobile("Prima domenica di Quaresima", "dominica Invocavit", -42, 16,
                     "Invocavit|Invocabit|Quadragesima|Quadragesimae"),
              Conta::Stagione, 5, "Quaresima|Quadragesima|Quadragesimae"),
      mobile("Seconda domenica di Quaresima", "dominica Reminiscere", -35, 16, "Reminiscere"),
      mobile("Terza domenica di Quaresima", "dominica Oculi", -28, 16, "Oculi"),
      mobile("Quarta domenica di Quaresima", "dominica Laetare", -21, 16, "Laetare"),
      mobile("Domenica di Passione", "dominica Iudica", -14, 16, "Iudica|Passione|Passionis"),
      mobile("Domenica delle Palme", "dominica in Palmis", -7, 16, "Palme|Palmarum|Palmis|Palmas"),
      mobile("Lunedì santo", "feria II post Palmas", -6, 12, "lunedì santo"),
      mobile("Martedì santo", "feria III post Palmas", -5, 12, "martedì santo"),
      mobile("Mercoledì santo", "feria IV post Palmas", -4, 12, "mercoledì santo"),
      mobile("Giovedì santo", "feria V in Cena Domini", -3, 12,
             "giovedì santo|Cena Domini|Coena Domini"),
      mobile("Venerdì santo", "feria VI in Parasceve", -2, 12,
             "venerdì santo|Parasceve|Parasceves"),
      mobile("Sabato santo", "sabbatum sanctum", -1, 12,
             "sabato santo|sabbato santo|sabbatum sanctum|sabbato sancto"),
      contate(mobile("Pasqua", "dominica Resurrectionis", 0, 1,
                     "Pasqua|Pasqua di Resurrezione|Resurrezione|Pascha|Paschae|Paschatis|Pasca|"
                     "Resurrectio [Domini]|Resurrectionis [Domini]"),
              Conta::Dopo, 5),
      mobile("Lunedì dell'Angelo", "feria II post Pascha", 1, 19,
             "lunedì dell'Angelo|lunedì di Pasqua|Pasquetta"),
      mobile("Domenica in Albis", "dominica Quasimodo", 7, 16,
             "Albis|Quasimodo|Quasimodogeniti|Quasi modo [geniti]"),
      mobile("Seconda domenica dopo Pasqua", "dominica Misericordia Domini", 14, 16,
             "Misericordia [Domini]|Misericordias [Domini]"),
      mobile("Terza domenica dopo Pasqua", "dominica Iubilate", 21, 16, "Iubilate"),
      mobile("Quarta domenica dopo Pasqua", "dominica Cantate", 28, 16, "Cantate"),
      mobile("Quinta domenica dopo Pasqua", "dominica Vocem iucunditatis", 35, 16,
             "Vocem [iucunditatis]|Rogate"),
      [] {
        Festa f = mobile("Rogazioni", "Rogationum", 36, 12,
                         "Rogazioni|Rogationum|Rogationes|Rogationibus|Litaniae minores");
        f.giorni = 3;
        return f;
      }(),
      mobile("Ascensione", "Ascensio Domini", 39, 12,
             "Ascensione [del Signore]|Ascensio [Domini]|Ascensionis [Domini]|"
             "Ascensionem [Domini]"),
      mobile("Domenica dopo l'Ascensione", "dominica Exaudi", 42, 16, "Exaudi"),
      contate(mobile("Pentecoste", "dominica Pentecostes", 49, 12,
                     "Pentecoste|Pentecostes|Pentecosten"),
              Conta::DopoFinoAdAvvento, 28),
      mobile("Lunedì di Pentecoste", "feria II post Pentecosten", 50, 12, "lunedì di Pentecoste"),
      contate(conFonte(mobile("Santissima Trinità", "dominica Trinitatis", 56, 18,
                              "Trinità|Trinitas|Trinitatis|Trinitatem"),
                       9),
              Conta::DopoFinoAdAvvento, 27),
      // Instituted for the whole Church by Urban IV's bull Transiturus, 1264; kept
      // generally only after the Clementines of 1317 (docs/calendari.md).
      dalAl(conFonte(mobile("Corpus Domini", "festum Corporis Christi", 60, 8,
                            "Corpus Domini|Corpus Christi|Corporis Christi|Corporis Domini"),
                     9),
            1264, 0),
      // The Sunday from 27 November to 3 December, the fourth before Christmas.
      contate(conFonte({"Prima domenica d'Avvento", "dominica prima Adventus", Base::Avvento, 0, 0,
                        0, 0, 0, 8, 0, ""},
                       13),
              Conta::Stagione, 4, "Avvento|Adventus|Adventu"),

      contate(fissa("Epifania", "Epiphania Domini", 1, 6, 3,
                    "Epifania [del Signore]|Epiphania [Domini]|Epiphaniae [Domini]|"
                    "Epiphaniam [Domini]"),
              Conta::DopoFinoASettuagesima, 6),
      fissa("Circoncisione", "Circumcisio Domini", 1, 1, 3,
            "Circoncisione [del Signore]|Circumcisio [Domini]|Circumcisionis [Domini]|"
            "Circumcisionem [Domini]"),
      conFonte(fissa("Sant'Ilario", "Hilarii episcopi", 1, 13, 3, "Ilario|Hilarii [episcopi]"), 15),
      fissa("Santi Fabiano e Sebastiano", "Fabiani et Sebastiani", 1, 20, 3,
            "Fabiano e Sebastiano|Sebastiano|Fabiani et Sebastiani [martyrum]|Sebastiani"),
      fissa("Conversione di San Paolo", "Conversio Pauli", 1, 25, 3,
            "Conversione di San Paolo|Conversio Pauli [apostoli]|Conversionis Pauli [apostoli]|"
            "Conversionem Pauli"),
      fissa("San Geminiano", "Geminiani episcopi", 1, 31, 15, "Geminiano|Geminiani [episcopi]"),
      fissa("Purificazione di Maria", "Purificatio Mariae", 2, 2, 3,
            "Purificazione [di Maria]|Purificazione della Vergine|Candelora|"
            "Purificatio [Mariae] [virginis]|Purificationis [Mariae] [virginis]|"
            "Purificationem [Mariae]"),
      conFonte(fissa("Sant'Agata", "Agathae virginis", 2, 5, 3, "Agata|Agathae [virginis]"), 15),
      fissa("Cattedra di San Pietro", "Cathedra Petri", 2, 22, 3,
            "Cattedra di San Pietro|Cathedra Petri|Cathedrae Petri|Cathedram Petri"),
      // On 25 February in leap years; moved to 14 May in the calendar of 1969.
      [] {
        Festa f = dalAl(conFonte(fissa("San Mattia", "Matthiae apostoli", 2, 24, 3,
                                       "Mattia|Matthiae [apostoli]|Mathiae [apostoli]"),
                                 10),
                        0, 1968);
        f.bisesto = true;
        return f;
      }(),
      fissa("Annunciazione", "Annunciatio dominica", 3, 25, 3,
            "Annunciazione [di Maria]|Annunciazione del Signore|Annunziata|Annunciata|"
            "Annunciatio [Mariae]|Annunciatio dominica|Annuntiatio [Mariae]|"
            "Annunciationis [Mariae]|Annuntiationis [Mariae]|Annunciationem [Mariae]"),
      conFonte(fissa("San Giorgio", "Georgii martyris", 4, 23, 3, "Giorgio|Georgii [martyris]"),
               12),
      conFonte(fissa("San Marco", "Marci evangelistae", 4, 25, 3,
                     "Marco [evangelista]|Marci [evangelistae]"),
               15),
      // Moved to 11 May in 1955.
      dalAl(fissa("Santi Filippo e Giacomo", "Philippi et Iacobi", 5, 1, 3,
                  "Filippo e Giacomo|Philippi et Iacobi [apostolorum]"),
            0, 1954),
      fissa("Invenzione della Croce", "Inventio Crucis", 5, 3, 12,
            "Invenzione della Croce|Inventio Crucis|Inventionis Crucis|Inventionem Crucis"),
      fissa("Sant'Urbano", "Urbani papae", 5, 25, 4, "Urbano|Urbani [papae]"),
      // Canonised on 30 May 1232.
      dalAl(conFonte(fissa("Sant'Antonio di Padova", "Antonii de Padua", 6, 13, 12,
                           "Antonio di Padova|Antonio da Padova|Antonii de Padua"),
                     22),
            1232, 0),
      // Pisa's patron from 1284.
      dalAl(fissa("San Ranieri", "", 6, 17, 15, "Ranieri"), 1284, 0),
      // "San Giovanni" alone is the Baptist's day, the Florentine feast.
      fissa("San Giovanni Battista", "Nativitas Ioannis Baptistae", 6, 24, 12,
            "Giovanni|Giovanni Battista|Natività di San Giovanni [Battista]|"
            "Nativitas Ioannis Baptistae|Nativitatis Ioannis Baptistae|Ioannis Baptistae|"
            "Iohannis Baptistae|Nativitas Iohannis Baptistae|Nativitatis Iohannis Baptistae"),
      fissa("Santi Pietro e Paolo", "Petri et Pauli apostolorum", 6, 29, 12,
            "Pietro e Paolo|Petri et Pauli [apostolorum]"),
      // Instituted by Urban VI in 1389; moved to 31 May in the calendar of 1969.
      dalAl(conFonte(fissa("Visitazione di Maria", "Visitatio Mariae", 7, 2, 12,
                           "Visitazione [di Maria]|Visitatio [Mariae] [virginis]|"
                           "Visitationis [Mariae] [virginis]|Visitationem [Mariae]"),
                     14),
            1389, 1968),
      fissa("Santa Maria Maddalena", "Mariae Magdalenae", 7, 22, 12,
            "Maria Maddalena|Maddalena|Mariae Magdalenae|Magdalenae"),
      fissa("San Giacomo", "Iacobi apostoli", 7, 25, 12,
            "Giacomo|Giacomo apostolo|Giacomo maggiore|Iacobi [apostoli]|Iacobi maioris"),
      conFonte(
          fissa("San Lorenzo", "Laurentii martyris", 8, 10, 12, "Lorenzo|Laurentii [martyris]"), 4),
      fissa("Assunzione di Maria", "Assumptio Mariae", 8, 15, 12,
            "Assunzione [di Maria]|Assunzione della Vergine|Assunta|Assumptio [Mariae] [virginis]|"
            "Assumptionis [Mariae] [virginis]|Assumptionem [Mariae]"),
      fissa("San Bartolomeo", "Bartholomaei apostoli", 8, 24, 12,
            "Bartolomeo|Bartholomaei [apostoli]|Bartholomei"),
      fissa("Decollazione di San Giovanni Battista", "Decollatio Ioannis Baptistae", 8, 29, 12,
            "Decollazione di San Giovanni [Battista]|Decollatio Ioannis [Baptistae]|"
            "Decollationis Ioannis [Baptistae]|Decollatio Iohannis [Baptistae]|"
            "Decollationis Iohannis [Baptistae]"),
      fissa("Natività di Maria", "Nativitas Mariae", 9, 8, 12,
            "Natività di Maria|Natività della Vergine|Natività della Madonna|"
            "Nativitas Mariae [virginis]|Nativitatis Mariae [virginis]|Nativitatem Mariae"),
      fissa("Esaltazione della Croce", "Exaltatio Crucis", 9, 14, 12,
            "Esaltazione della Croce|Exaltatio Crucis|Exaltationis Crucis|Exaltationem Crucis"),
      conFonte(fissa("San Gennaro", "Ianuarii episcopi", 9, 19, 12, "Gennaro|Ianuarii [episcopi]"),
               15),
      fissa("San Matteo", "Matthaei apostoli", 9, 21, 12,
            "Matteo|Matthaei [apostoli]|Matthaei apostoli et evangelistae"),
      fissa("San Michele", "Michaelis archangeli", 9, 29, 12,
            "Michele [arcangelo]|Michaelis [archangeli]|Dedicatio Michaelis [archangeli]|"
            "Dedicationis Michaelis [archangeli]"),
      // Canonised on 16 July 1228.
      dalAl(conFonte(fissa("San Francesco", "Francisci confessoris", 10, 4, 12,
                           "Francesco|Francesco d'Assisi|Francisci [confessoris]"),
                     21),
            1228, 0),
      fissa("San Petronio", "Petronii episcopi", 10, 4, 15, "Petronio|Petronii [episcopi]"),
      fissa("San Luca", "Lucae evangelistae", 10, 18, 12,
            "Luca [evangelista]|Lucae [evangelistae]"),
      fissa("Santi Simone e Giuda", "Simonis et Iudae apostolorum", 10, 28, 12,
            "Simone e Giuda|Simonis et Iudae [apostolorum]"),
      // Moved to 1 November by Gregory IV and made a feast of precept in 835.
      dalAl(conFonte(fissa("Ognissanti", "festum Omnium Sanctorum", 11, 1, 12,
                           "Ognissanti|Tutti i Santi|Omnium Sanctorum"),
                     20),
            835, 0),
      fissa("San Martino", "Martini episcopi", 11, 11, 12, "Martino|Martini [episcopi]"),
      fissa("Santa Caterina d'Alessandria", "Catharinae virginis", 11, 25, 12,
            "Caterina d'Alessandria|Catharinae [virginis]"),
      fissa("Sant'Andrea", "Andreae apostoli", 11, 30, 12, "Andrea|Andreae [apostoli]"),
      conFonte(fissa("San Nicola", "Nicolai episcopi", 12, 6, 15, "Nicola|Nicolai [episcopi]"), 12),
      conFonte(
          fissa("Sant'Ambrogio", "Ambrosii episcopi", 12, 7, 12, "Ambrogio|Ambrosii [episcopi]"),
          15),
      fissa("Concezione di Maria", "Conceptio Mariae", 12, 8, 12,
            "Concezione [di Maria]|Immacolata [Concezione]|Conceptio [Mariae] [virginis]|"
            "Conceptionis [Mariae] [virginis]|Conceptionem [Mariae]"),
      fissa("Santa Lucia", "Luciae virginis", 12, 13, 11, "Lucia|Luciae [virginis]"),
      fissa("Natale", "Nativitas Domini", 12, 25, 3,
            "Natale [del Signore]|Natività del Signore|Nativitas Domini|Nativitatis Domini|"
            "Nativitatem Domini|Natalis Domini|Natale Domini"),
      fissa("Santo Stefano", "Stephani protomartyris", 12, 26, 3,
            "Stefano|Stephani [protomartyris]"),
      fissa("San Giovanni evangelista", "Ioannis evangelistae", 12, 27, 3,
            "Giovanni evangelista|Giovanni apostolo|Ioannis evangelistae|"
            "Ioannis apostoli et evangelistae|Iohannis evangelistae|"
            "Iohannis apostoli et evangelistae"),
      fissa("Santi Innocenti", "Innocentium", 12, 28, 3, "Innocenti|Innocentium"),
  });
}();

// The row of a feast by its Italian name, for the few the reader counts from.
constexpr int festaDi(std::string_view nome) {
  for (std::size_t i = 0; i < kFeste.size(); ++i)
    if (kFeste[i].nome == nome) return static_cast<int>(i);
  return -1;
}
inline constexpr int kPasqua = festaDi("Pasqua"), kSettuagesima = festaDi("Settuagesima"),
                     kAvvento = festaDi("Prima domenica d'Avvento");
static_assert(kPasqua >= 0 && kSettuagesima >= 0 && kAvvento >= 0 && kFeste.size() < 255);

}  // namespace almanacco
