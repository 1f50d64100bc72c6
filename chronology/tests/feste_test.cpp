// Every feast by every name it is read by, and every form of a dating by feast, in every
// year from 1000 to 2000 in Italy's calendar, against a count written here: Easter by
// Meeus's Julian rule and the anonymous Gregorian algorithm, the days of the feasts as
// the research notes give them, day numbers and weekdays as reale.h counts them.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "datafesta.h"
#include "feste.h"
#include "luoghi.h"
#include "motivi.h"
#include "reale.h"
#include "risposta.h"

namespace almanacco::prova {
namespace {

constexpr int kDa = 1000, kA = 2000;

// Pieces of text one after the other (GCC 12 warns falsely on "literal" + std::string).
template <typename... Parti>
std::string unisci(const Parti&... parti) {
  std::string testo;
  (testo.append(parti), ...);
  return testo;
}

// A feast as this test knows it: days from Easter, from the first Sunday of Advent, or a
// day of the year; and the years it was kept on its day.
struct Regola {
  char base;  // 'P' Easter, 'A' Advent, 'F' a fixed day
  int scarto, mese = 0, giorno = 0, dal = 0, fino = 0;
  bool bisesto = false;
  int giorni = 1;
};
// The research's tables (feste.md, sections 3 and 4).
const std::map<std::string_view, Regola> kRegole = {
    {"Settuagesima", {'P', -63}},
    {"Sessagesima", {'P', -56}},
    {"Giovedì grasso", {'P', -52}},
    {"Quinquagesima", {'P', -49}},
    {"Martedì grasso", {'P', -47}},
    {"Mercoledì delle Ceneri", {'P', -46}},
    {"Prima domenica di Quaresima", {'P', -42}},
    {"Seconda domenica di Quaresima", {'P', -35}},
    {"Terza domenica di Quaresima", {'P', -28}},
    {"Quarta domenica di Quaresima", {'P', -21}},
    {"Domenica di Passione", {'P', -14}},
    {"Domenica delle Palme", {'P', -7}},
    {"Lunedì santo", {'P', -6}},
    {"Martedì santo", {'P', -5}},
    {"Mercoledì santo", {'P', -4}},
    {"Giovedì santo", {'P', -3}},
    {"Venerdì santo", {'P', -2}},
    {"Sabato santo", {'P', -1}},
    {"Pasqua", {'P', 0}},
    {"Lunedì dell'Angelo", {'P', 1}},
    {"Domenica in Albis", {'P', 7}},
    {"Seconda domenica dopo Pasqua", {'P', 14}},
    {"Terza domenica dopo Pasqua", {'P', 21}},
    {"Quarta domenica dopo Pasqua", {'P', 28}},
    {"Quinta domenica dopo Pasqua", {'P', 35}},
    {"Rogazioni", {'P', 36, 0, 0, 0, 0, false, 3}},
    {"Ascensione", {'P', 39}},
    {"Domenica dopo l'Ascensione", {'P', 42}},
    {"Pentecoste", {'P', 49}},
    {"Lunedì di Pentecoste", {'P', 50}},
    {"Santissima Trinità", {'P', 56}},
    {"Corpus Domini", {'P', 60, 0, 0, 1264}},
    {"Prima domenica d'Avvento", {'A', 0}},
    {"Circoncisione", {'F', 0, 1, 1}},
    {"Epifania", {'F', 0, 1, 6}},
    {"Sant'Ilario", {'F', 0, 1, 13}},
    {"Santi Fabiano e Sebastiano", {'F', 0, 1, 20}},
    {"Conversione di San Paolo", {'F', 0, 1, 25}},
    {"San Geminiano", {'F', 0, 1, 31}},
    {"Purificazione di Maria", {'F', 0, 2, 2}},
    {"Sant'Agata", {'F', 0, 2, 5}},
    {"Cattedra di San Pietro", {'F', 0, 2, 22}},
    {"San Mattia", {'F', 0, 2, 24, 0, 1968, true}},
    {"Annunciazione", {'F', 0, 3, 25}},
    {"San Giorgio", {'F', 0, 4, 23}},
    {"San Marco", {'F', 0, 4, 25}},
    {"Santi Filippo e Giacomo", {'F', 0, 5, 1, 0, 1954}},
    {"Invenzione della Croce", {'F', 0, 5, 3}},
    {"Sant'Urbano", {'F', 0, 5, 25}},
    {"Sant'Antonio di Padova", {'F', 0, 6, 13, 1232}},
    {"San Ranieri", {'F', 0, 6, 17, 1284}},
    {"San Giovanni Battista", {'F', 0, 6, 24}},
    {"Santi Pietro e Paolo", {'F', 0, 6, 29}},
    {"Visitazione di Maria", {'F', 0, 7, 2, 1389, 1968}},
    {"Santa Maria Maddalena", {'F', 0, 7, 22}},
    {"San Giacomo", {'F', 0, 7, 25}},
    {"San Lorenzo", {'F', 0, 8, 10}},
    {"Assunzione di Maria", {'F', 0, 8, 15}},
    {"San Bartolomeo", {'F', 0, 8, 24}},
    {"Decollazione di San Giovanni Battista", {'F', 0, 8, 29}},
    {"Natività di Maria", {'F', 0, 9, 8}},
    {"Esaltazione della Croce", {'F', 0, 9, 14}},
    {"San Gennaro", {'F', 0, 9, 19}},
    {"San Matteo", {'F', 0, 9, 21}},
    {"San Michele", {'F', 0, 9, 29}},
    {"San Francesco", {'F', 0, 10, 4, 1228}},
    {"San Petronio", {'F', 0, 10, 4}},
    {"San Luca", {'F', 0, 10, 18}},
    {"Santi Simone e Giuda", {'F', 0, 10, 28}},
    {"Ognissanti", {'F', 0, 11, 1, 835}},
    {"San Martino", {'F', 0, 11, 11}},
    {"Santa Caterina d'Alessandria", {'F', 0, 11, 25}},
    {"Sant'Andrea", {'F', 0, 11, 30}},
    {"San Nicola", {'F', 0, 12, 6}},
    {"Sant'Ambrogio", {'F', 0, 12, 7}},
    {"Concezione di Maria", {'F', 0, 12, 8}},
    {"Santa Lucia", {'F', 0, 12, 13}},
    {"Natale", {'F', 0, 12, 25}},
    {"Santo Stefano", {'F', 0, 12, 26}},
    {"San Giovanni evangelista", {'F', 0, 12, 27}},
    {"Santi Innocenti", {'F', 0, 12, 28}},
};

// Italy's Easter of a year as a day number: Julian to 1582, Gregorian after.
long pasqua(int y) {
  if (y <= 1582) {
    const int a = y % 4, b = y % 7, c = y % 19;
    const int d = (19 * c + 15) % 30, e = (2 * a + 4 * b - d + 34) % 7;
    return numeroGiuliano(y, (d + e + 114) / 31, (d + e + 114) % 31 + 1);
  }
  const int a = y % 19, b = y / 100, c = y % 100, d = b / 4, e = b % 4;
  const int f = (b + 8) / 25, g = (b - f + 1) / 3, h = (19 * a + b - d - g + 15) % 30;
  const int i = c / 4, k = c % 4, l = (32 + 2 * e + 2 * i - h - k) % 7;
  const int m = (a + 11 * h + 22 * l) / 451;
  return numeroGregoriano({y, (h + l - 7 * m + 114) / 31, (h + l - 7 * m + 114) % 31 + 1});
}

constexpr int kDomenica = 6;

// The first Sunday of Advent: the Sunday from 27 November to 3 December.
long avvento(int y) {
  const long primo = numeroDi({y, 11, 27});
  return primo + (kDomenica - settimanaDi(primo) + 7) % 7;
}

bool bisestile(int y) {
  return y % 4 == 0 && (y <= 1582 || y % 100 != 0 || y % 400 == 0);
}

// The feast's day in year y, or -1 where it was not kept on its day.
long giorno(const Regola& r, int y) {
  if ((r.dal && y < r.dal) || (r.fino && y > r.fino)) return -1;
  if (r.base == 'P') return pasqua(y) + r.scarto;
  if (r.base == 'A') return avvento(y) + r.scarto;
  return numeroDi({y, r.mese, r.giorno + (r.bisesto && bisestile(y) ? 1 : 0)});
}

// The names a feast is read by, every choice of the words in brackets made.
std::vector<std::string> nomi(std::string_view tutti) {
  std::vector<std::string> elenco;
  while (!tutti.empty()) {
    const std::size_t fine = tutti.find('|');
    const std::string_view nome = tutti.substr(0, fine);
    tutti.remove_prefix(fine == std::string_view::npos ? tutti.size() : fine + 1);
    const int quante = static_cast<int>(std::count(nome.begin(), nome.end(), '['));
    for (int scelta = 0; scelta < 1 << quante; ++scelta) {
      std::string uno;
      int gruppo = -1;
      bool tieni = true;
      for (const char c : nome) {
        if (c == '[')
          tieni = (scelta >> ++gruppo & 1) != 0;
        else if (c == ']')
          tieni = true;
        else if (tieni)
          uno += c;
      }
      while (uno.find("  ") != std::string::npos) uno.erase(uno.find("  "), 1);
      while (!uno.empty() && uno.back() == ' ') uno.pop_back();
      elenco.push_back(uno);
    }
  }
  return elenco;
}

constexpr std::string_view kItaliano[] = {"lunedì",  "martedì", "mercoledì", "giovedì",
                                          "venerdì", "sabato",  "domenica"};
constexpr std::string_view kLatino[] = {"feria II", "feria III", "feria IV", "feria V",
                                        "feria VI", "sabbato",   "dominica"};

// What reading `testo` should give: the day the feast's rule names in the written year,
// the days of the years next to it whose dates are of that year counted as well.
std::string attesa(const Regola& r, int y, const std::function<long(long)>& dal, Esito& esito) {
  std::vector<long> giorni;
  bool fuoriUso = false;
  for (const int anno : {y - 1, y, y + 1}) {
    const long base = giorno(r, anno);
    if (base < 0) {
      fuoriUso = fuoriUso || anno == y;
      continue;
    }
    const long n = dal(base);
    if (dataDi(n).anno == y) giorni.push_back(n);
  }
  esito = giorni.size() == 1   ? Esito::Data
          : giorni.size() == 2 ? Esito::FestaAmbigua
          : fuoriUso           ? Esito::FestaFuoriUso
                               : Esito::FestaMai;
  return giorni.size() == 1 ? riga(dataDi(giorni[0]), settimanaDi(giorni[0])) + '\n' : "";
}

void controlla(const std::string& testo, const std::string& risposta, Esito esito) {
  std::string scritta;
  const Lettura l = rispondi(testo, scritta);
  ASSERT_EQ(l.esito, esito) << testo;
  ASSERT_EQ(scritta, risposta) << testo;
}

// Strictly after or before: a week on where the day is the weekday itself.
long dopo(long n, int settimana) {
  const int d = (settimana - settimanaDi(n) + 7) % 7;
  return n + (d == 0 ? 7 : d);
}
long prima(long n, int settimana) {
  const int d = (settimanaDi(n) - settimana + 7) % 7;
  return n - (d == 0 ? 7 : d);
}

TEST(Feste, EveryFeastByEveryNameAndEveryFormEveryYear) {
  for (const Festa& festa : kFeste) {
    const auto trovata = kRegole.find(festa.nome);
    ASSERT_NE(trovata, kRegole.end()) << festa.nome << " has no rule in the test";
    const Regola& r = trovata->second;
    // The first Sunday of Advent has no name of its own: it is read counted, and counted
    // Sundays are no feast to date from (below).
    const bool soloContata = festa.nomi.empty();
    const std::vector<std::string> tutti =
        soloContata ? std::vector<std::string>{std::string(festa.nome)} : nomi(festa.nomi);
    for (int y = kDa; y <= kA; ++y) {
      const std::string anno = unisci(" ", std::to_string(y));
      // A name in turn, the Italian forms in even years, the Latin ones in odd years.
      const std::string& nome = tutti[static_cast<std::size_t>(y) % tutti.size()];
      const bool latino = y % 2 != 0;
      const int settimana = y % 7;
      const std::string_view giornoScritto = (latino ? kLatino : kItaliano)[settimana];
      const auto verifica = [&](const std::string& testo, const std::function<long(long)>& dal) {
        Esito esito;
        const std::string risposta = attesa(r, y, dal, esito);
        controlla(testo + anno, risposta, esito);
      };
      if (r.giorni > 1) {
        // A feast of three days: each by its weekday.
        for (int k = 0; k < r.giorni; ++k)
          verifica(unisci(kItaliano[k], " delle ", nome), [k](long n) { return n + k; });
      } else {
        verifica(nome, [](long n) { return n; });
      }
      if (soloContata) continue;
      const long ultimo = r.giorni - 1;
      verifica(unisci(latino ? "in vigilia " : "vigilia di ", nome), [](long n) { return n - 1; });
      verifica(unisci(latino ? "in crastino " : "l'indomani di ", nome),
               [ultimo](long n) { return n + ultimo + 1; });
      verifica(unisci(latino ? "in octava " : "ottava di ", nome),
               [ultimo](long n) { return n + ultimo + 7; });
      verifica(std::string(giornoScritto) + unisci(latino ? " post " : " dopo ", nome),
               [=](long n) { return dopo(n + ultimo, settimana); });
      verifica(std::string(giornoScritto) + unisci(latino ? " ante " : " prima di ", nome),
               [=](long n) { return prima(n, settimana); });
      if (::testing::Test::HasFatalFailure()) return;
    }
  }
}

constexpr std::string_view kOrdinali[] = {"prima",  "seconda", "terza",  "quarta",
                                          "quinta", "sesta",   "settima"};
constexpr std::string_view kRomani[] = {
    "I",   "II",   "III",   "IV",   "V",   "VI",   "VII",   "VIII",  "IX",  "X",
    "XI",  "XII",  "XIII",  "XIV",  "XV",  "XVI",  "XVII",  "XVIII", "XIX", "XX",
    "XXI", "XXII", "XXIII", "XXIV", "XXV", "XXVI", "XXVII", "XXVIII"};

// The Sundays counted: of Lent and of Advent, after Easter, Pentecost, Trinity and
// Epiphany, as far as each year has them, and one past the last.
TEST(Feste, TheSundaysCountedEveryYear) {
  for (int y = kDa; y <= kA; ++y) {
    const std::string anno = unisci(" ", std::to_string(y));
    const auto domenica = [&](const std::string& testo, long n, Esito esito = Esito::Data) {
      controlla(testo + anno, esito == Esito::Data ? riga(dataDi(n), kDomenica) + '\n' : "", esito);
    };
    for (int k = 1; k <= 5; ++k) {
      const long quaresima = pasqua(y) - 42 + 7 * (k - 1);
      domenica(unisci(kOrdinali[k - 1], " domenica di Quaresima"), quaresima);
      domenica(unisci("dominica ", kRomani[k - 1], " Quadragesimae"), quaresima);
      domenica(unisci(kOrdinali[k - 1], " domenica dopo Pasqua"), pasqua(y) + 7 * k);
      domenica(unisci("dominica ", kRomani[k - 1], " post Pascha"), pasqua(y) + 7 * k);
    }
    domenica("sesta domenica di Quaresima", 0, Esito::NumeroFuori);
    for (int k = 1; k <= 4; ++k) {
      domenica(unisci(kOrdinali[k - 1], " domenica d'Avvento"), avvento(y) + 7 * (k - 1));
      domenica(unisci("dominica ", kRomani[k - 1], " Adventus"), avvento(y) + 7 * (k - 1));
    }
    // After Pentecost and after Trinity, up to Advent.
    for (const auto& [nome, base] : {std::pair{std::string("post Pentecosten"), pasqua(y) + 49},
                                     std::pair{std::string("post Trinitatis"), pasqua(y) + 56}}) {
      int k = 1;
      for (; base + 7 * k < avvento(y); ++k)
        domenica(unisci("dominica ", kRomani[k - 1], " ", nome), base + 7 * k);
      if (k <= 28) domenica(unisci("dominica ", kRomani[k - 1], " ", nome), 0, Esito::NumeroFuori);
    }
    // After Epiphany, up to Septuagesima.
    const long epifania = numeroDi({y, 1, 6});
    int k = 1;
    for (; dopo(epifania, kDomenica) + 7 * (k - 1) < pasqua(y) - 63; ++k)
      domenica(unisci(kOrdinali[k - 1], " domenica dopo l'Epifania"),
               dopo(epifania, kDomenica) + 7 * (k - 1));
    domenica(unisci(kOrdinali[k - 1], " domenica dopo l'Epifania"), 0, Esito::NumeroFuori);
    if (::testing::Test::HasFatalFailure()) return;
  }
}

// The worked cases of the research notes and of the issue.
TEST(Feste, WorkedCases) {
  const struct {
    std::string_view testo, risposta;
  } casi[] = {
      // The Sicilian Vespers, on Easter Monday 1282 (Bach, p. 61).
      {"lunedì dopo Pasqua 1282", "30 Marzo 1282: Lunedì"},
      // Dominical letter A in 1335: Michaelmas a Friday, the Tuesday before the 26th.
      {"martedì prima di San Michele 1335", "26 Settembre 1335: Martedì"},
      {"feria III post Reminiscere 1285", "20 Febbraio 1285: Martedì"},
      {"in vigilia Pentecostes 1300", "28 Maggio 1300: Sabato"},
      // The Zürich exercise: the Tuesday after St Urban 1285.
      {"martedì dopo Sant'Urbano 1285", "29 Maggio 1285: Martedì"},
      // "feria tertia ante festum pentecostes 1370" (Mittelalterliche Wochentagszählung).
      {"feria tertia ante festum Pentecostes 1370", "28 Maggio 1370: Martedì"},
      // "Freitag nach Fronleichnam 1392" (Bach, p. 57).
      {"venerdì dopo Corpus Domini 1392", "14 Giugno 1392: Venerdì"},
      // Petrarch meets Laura on the Monday before Easter 1327 (the Italian manual, p. 48).
      {"lunedì prima di Pasqua 1327", "6 Aprile 1327: Lunedì"},
      // Shrove Tuesday 1440 was St Apollonia's day (Bach, p. 61).
      {"martedì grasso 1440", "9 Febbraio 1440: Martedì"},
      // Dante's Good Friday and Palm Sunday of the Jubilee.
      {"venerdì santo 1300", "8 Aprile 1300: Venerdì"},
      {"domenica delle Palme 1300", "3 Aprile 1300: Domenica"},
      {"il giovedì dopo l'Ascensione 1400", "3 Giugno 1400: Giovedì"},
      {"sabbato ante Palmas 1300", "2 Aprile 1300: Sabato"},
      {"in festo sancti Michaelis anno Domini 1335", "29 Settembre 1335: Venerdì"},
      {"domenica Reminiscere 1285", "18 Febbraio 1285: Domenica"},
      {"dominica in Albis 1300", "17 Aprile 1300: Domenica"},
      {"feria II proxima post festum beati Martini 1300", "14 Novembre 1300: Lunedì"},
      {"S. Michele 1335", "29 Settembre 1335: Venerdì"},
      {"la festa di SS. Pietro e Paolo del 1300", "29 Giugno 1300: Mercoledì"},
      {"in octavis Pasche 1300", "17 Aprile 1300: Domenica"},
      {"3ª domenica di Quaresima 1300", "13 Marzo 1300: Domenica"},
      {"San Mattia 1300", "25 Febbraio 1300: Giovedì"},
      {"San Mattia 1301", "24 Febbraio 1301: Venerdì"},
  };
  for (const auto& c : casi)
    controlla(std::string(c.testo), std::string(c.risposta) + '\n', Esito::Data);
}

// What is refused, and why, in one line.
TEST(Feste, EachRefusalSaysWhy) {
  const struct {
    std::string_view testo, calendario, motivo;
  } casi[] = {
      {"festa di San Pippo 1300", "IT", "festa sconosciuta: \"San Pippo\""},
      {"in festo sancti Michalis 1300", "IT",
       "festa sconosciuta: \"sancti Michalis\" (forse Michaelis?)"},
      {"Corpus Domini 1263", "IT", "Corpus Domini si celebra dal 1264"},
      {"Visitazione 1970", "IT", "Visitazione di Maria si celebrò il 2 luglio fino al 1968"},
      {"feria VII post Pascha 1300", "IT",
       "non c'è una feria VII: feria II-VI sono i giorni dal lunedì al venerdì; il sabato e la "
       "domenica sono sabbatum e dominica"},
      {"prima di San Michele 1335", "IT",
       "manca il giorno della settimana (martedì prima di San Michele, feria III post "
       "Reminiscere)"},
      {"Rogazioni 1300", "IT",
       "Rogazioni: sono tre giorni, dal lunedì al mercoledì; va detto quale (martedì delle "
       "Rogazioni)"},
      {"sesta domenica d'Avvento 1300", "IT", "le domeniche si contano dalla prima alla quarta"},
      {"domenica di Quaresima 1300", "IT",
       "quale domenica? le domeniche si contano dalla prima alla quinta"},
      {"seconda domenica dopo San Michele 1300", "IT",
       "si contano le domeniche di Quaresima e d'Avvento e quelle dopo Pasqua, Pentecoste, la "
       "Trinità e l'Epifania"},
      {"dominica XXVIII post Pentecosten 1300", "IT",
       "nel 1300 se ne contano 25 prima dell'Avvento"},
      {"Pasqua 1750", "SE",
       "in Svezia la Pasqua del 1750 non è nota: dal 1740 al 1844 la si calcolava con le "
       "tavole astronomiche, e le fonti ne danno la data del solo 1742"},
      {"Pasqua 1724", "DK",
       "in Danimarca la Pasqua del 1724 non è nota: quell'anno gli stati protestanti tedeschi "
       "ebbero un'altra Pasqua, e le fonti non dicono quale vi si celebrò"},
      {"San Michele 1600", "RU",
       "in Russia si seguiva il calendario della Chiesa ortodossa, non le feste di Roma"},
      {"Pasqua 500", "IT",
       "la Pasqua si data dal 532, primo anno della tavola di Dionigi il Piccolo"},
      {"Pasqua 1500", "gregoriano",
       "la Pasqua gregoriana si calcola dal 1583, la prima dopo la riforma"},
      {"Santa Lucia 1582", "FR", "in Francia al 9 dicembre 1582 seguì il 20"},
      {"Settuagesima 1566", "FR",
       "l'anno 1566 come lo si scriveva in Francia non ne ha uno: il più vicino prima è il "
       "10 febbraio 1566, dopo è il 26 gennaio 1567"},
      // Christmas 1923 a Tuesday, 1922's a Monday: no Tuesday after Christmas in 1923.
      {"feria III post Natale 1923", "IT",
       "l'anno 1923 non ne ha uno: il più vicino prima è il 26 dicembre 1922, dopo è il "
       "1° gennaio 1924"},
      {"lunedì santo 10", "IT",
       "anno incompleto: 10 può essere il 10 o il 1910; scrivere 0010 o 1910"},
  };
  for (const auto& c : casi) {
    const Datazione datazione{luogoDi(c.calendario).luogo, {}};
    const Lettura l = leggiData(c.testo, datazione);
    EXPECT_NE(l.esito, Esito::Data) << c.testo;
    EXPECT_EQ(messaggio(c.testo, l, datazione), unisci("\"", c.testo, "\": ", c.motivo));
  }
  // Where Christmas of the year before was a Monday, the Monday after it is 1 January: the
  // written year has two such Mondays, and the text is refused with both.
  int anno = kDa;
  while (settimanaDi(numeroDi({anno - 1, 12, 25})) != 0) ++anno;
  const std::string testo = unisci("lunedì dopo Natale ", std::to_string(anno));
  const long secondo = dopo(numeroDi({anno, 12, 25}), 0);
  EXPECT_EQ(messaggio(testo, leggiData(testo)),
            unisci("\"", testo, "\": può essere il 1° gennaio ", std::to_string(anno), " o il ",
                   std::to_string(dataDi(secondo).giorno), " dicembre ", std::to_string(anno),
                   ": scrivere la data"));
}

// The day worked out at once in a year of one count is the one the place's periods give,
// for every feast and relation, in every place, in the years of the changes and others.
TEST(Feste, TheDayOfAYearInOneCountIsThePeriodsOne) {
  using festivi::Relazione;
  std::vector<int> anni = {1,    531,  532,  1582, 1583, 1699, 1700, 1701, 1711, 1712,
                           1724, 1740, 1742, 1744, 1752, 1753, 1845, 1918, 1923, 9999};
  for (int anno = 7; anno < 9999; anno += 211) anni.push_back(anno);
  std::size_t semplici = 0, tutti = 0;
  for (const Luogo& luogo : kLuoghi)
    for (const int anno : anni)
      for (int festa = 0; festa < static_cast<int>(kFeste.size()); ++festa)
        for (const Relazione relazione :
             {Relazione::Propria, Relazione::Dopo, Relazione::Prima, Relazione::Vigilia,
              Relazione::Crastino, Relazione::Ottava})
          for (const int numero : {0, 3}) {
            festivi::Formula f;
            f.festa = festa;
            f.relazione = relazione;
            f.settimana = static_cast<Giorno>((anno + festa) % 7);
            f.numero = numero;
            const auto semplice = festivi::giornoNellAnno(f, anno, luogo);
            ++tutti;
            if (!semplice) continue;
            ++semplici;
            const festivi::GiornoDellaFesta g = festivi::giornoDellaFesta(f, anno, luogo);
            ASSERT_EQ(g.esito, Esito::Data) << luogo.codice << " " << anno << " " << festa;
            ASSERT_EQ(g.numero, semplice->numero) << luogo.codice << " " << anno << " " << festa;
            ASSERT_EQ(giornataNel(g.numero, luogo.conto), semplice->data)
                << luogo.codice << " " << anno << " " << festa;
          }
  // Most are: the others are read the long way.
  EXPECT_GT(semplici * 3, tutti * 2) << semplici << " of " << tutti;
}

}  // namespace
}  // namespace almanacco::prova
