#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <optional>
#include <string_view>

#include "parole.h"
#include "romano.h"

// The words of the documentary forms, Latin and Italian: the months in their cases and
// spellings, the Kalends, Nones and Ides, ordinals, weekdays and the words between, each
// with what it stands for; and the numbers a count is written in. docs/calendari.md
// gives the sources, and says which spellings no source read attests.
namespace almanacco::latino {

using parole::Chiave;

enum class Specie : std::uint8_t { Nessuna, Mese, Fisso, Ordinale, Settimana, Parola, Romano };

// The words that are neither a number, a month nor a weekday.
enum class Parola : std::uint8_t {
  Die,        // die, dies, dì, adì: the day
  Di,         // di, de, del, delle, d': Italian "of"
  Articolo,   // il, lo, le, gli
  Ante,       // ante (diem), a.d.'s "a"
  Diem,       // diem, a.d.'s "d"
  Pridie,     // pridie, prid., pd.: the day before
  Bis,        // bis (sexto): the doubled day
  Bissexto,   // bissexto: bis VI in one word
  Entrante,   // intrante, entrante, introeunte, intrando
  Uscente,    // exeunte, uscente, stante, astante, restante
  Mese,       // mense, mensis, mese
  Giorno,     // giorno ("il giorno avanti le none")
  Avanti,     // avanti
  Ultimo,     // ultimo: the last day
  Penultimo,  // penultimo: the day before the last
  Anno,       // anno
  Domini,     // domini ("anno domini")
  Feria,      // feria: the weekday counted from Sunday
  Indizione,  // indizione, indictione, indicione, ind.
  A,          // a ("a dì", "a.d.")
};

struct Voce {
  std::string_view testo;
  Specie specie;
  int valore;
};

constexpr Voce mese(std::string_view t, int m) {
  return {t, Specie::Mese, m};
}
constexpr Voce parola(std::string_view t, Parola p) {
  return {t, Specie::Parola, static_cast<int>(p)};
}
constexpr Voce fisso(std::string_view t, Verso v) {
  return {t, Specie::Fisso, static_cast<int>(v)};
}
constexpr Voce settimana(std::string_view t, Giorno g) {
  return {t, Specie::Settimana, g};
}
constexpr Voce ordinale(std::string_view t, int n) {
  return {t, Specie::Ordinale, n};
}

// The months: Latin genitive (medieval use), accusative and ablative plural (classical,
// after a count and on the day itself), ablative singular (after "mense" and "intrante"),
// abbreviations, spellings with j, c for t, d for the i of Maius; and Italian names, with
// the three letters the window writes and the elided "d’aprile".
inline constexpr auto kMesi = std::to_array<Voce>({
    mese("ianuarii", 1),     mese("januarii", 1),   mese("ienuarii", 1),    mese("genuarii", 1),
    mese("ianuarias", 1),    mese("januarias", 1),  mese("ianuariis", 1),   mese("januariis", 1),
    mese("ianuario", 1),     mese("januario", 1),   mese("ian", 1),         mese("jan", 1),
    mese("februarii", 2),    mese("februarias", 2), mese("februariis", 2),  mese("februario", 2),
    mese("feb", 2),          mese("febr", 2),       mese("martii", 3),      mese("marcii", 3),
    mese("martias", 3),      mese("martiis", 3),    mese("martio", 3),      mese("marcio", 3),
    mese("mart", 3),         mese("mar", 3),        mese("aprilis", 4),     mese("apriles", 4),
    mese("aprilibus", 4),    mese("aprili", 4),     mese("apr", 4),         mese("maii", 5),
    mese("madii", 5),        mese("maji", 5),       mese("maias", 5),       mese("majas", 5),
    mese("maiis", 5),        mese("maio", 5),       mese("madio", 5),       mese("majo", 5),
    mese("mai", 5),          mese("iunii", 6),      mese("junii", 6),       mese("iunias", 6),
    mese("junias", 6),       mese("iuniis", 6),     mese("iunio", 6),       mese("junio", 6),
    mese("iun", 6),          mese("jun", 6),        mese("iulii", 7),       mese("julii", 7),
    mese("iulias", 7),       mese("julias", 7),     mese("iuliis", 7),      mese("iulio", 7),
    mese("julio", 7),        mese("iul", 7),        mese("jul", 7),         mese("augusti", 8),
    mese("agusti", 8),       mese("augustas", 8),   mese("augustis", 8),    mese("augusto", 8),
    mese("aug", 8),          mese("septembris", 9), mese("setembris", 9),   mese("septembres", 9),
    mese("septembribus", 9), mese("septembri", 9),  mese("septembrio", 9),  mese("setembrio", 9),
    mese("sept", 9),         mese("sep", 9),        mese("octobris", 10),   mese("ottobris", 10),
    mese("octubris", 10),    mese("octobres", 10),  mese("octobribus", 10), mese("octobri", 10),
    mese("octobrio", 10),    mese("oct", 10),       mese("novembris", 11),  mese("novembres", 11),
    mese("novembribus", 11), mese("novembri", 11),  mese("novembrio", 11),  mese("nov", 11),
    mese("decembris", 12),   mese("decenbris", 12), mese("decembres", 12),  mese("decembribus", 12),
    mese("decembri", 12),    mese("decembrio", 12), mese("dec", 12),        mese("gennaio", 1),
    mese("febbraio", 2),     mese("marzo", 3),      mese("aprile", 4),      mese("maggio", 5),
    mese("giugno", 6),       mese("luglio", 7),     mese("agosto", 8),      mese("settembre", 9),
    mese("ottobre", 10),     mese("novembre", 11),  mese("dicembre", 12),   mese("gen", 1),
    mese("mag", 5),          mese("giu", 6),        mese("lug", 7),         mese("ago", 8),
    mese("set", 9),          mese("ott", 10),       mese("dic", 12),        mese("d’aprile", 4),
    mese("d’agosto", 8),     mese("d’ottobre", 10),
});

// The months as the forms are written: genitive, and its abbreviation after the Kalends,
// Nones and Ides.
inline constexpr std::array<std::string_view, 12> kGenitivi{
    "ianuarii", "februarii", "martii",     "aprilis",  "maii",      "iunii",
    "iulii",    "augusti",   "septembris", "octobris", "novembris", "decembris"};
inline constexpr std::array<std::string_view, 12> kAbbreviati{"ian.",  "febr.", "mart.", "apr.",
                                                              "mai.",  "iun.",  "iul.",  "aug.",
                                                              "sept.", "oct.",  "nov.",  "dec."};

// The Kalends, Nones and Ides, Latin in any case they are written in, and Italian.
inline constexpr auto kFissi = std::to_array<Voce>({
    fisso("kalendas", Verso::Calende),
    fisso("kalendis", Verso::Calende),
    fisso("kalendae", Verso::Calende),
    fisso("kalende", Verso::Calende),
    fisso("kalendarum", Verso::Calende),
    fisso("kal", Verso::Calende),
    fisso("kl", Verso::Calende),
    fisso("calendas", Verso::Calende),
    fisso("calendis", Verso::Calende),
    fisso("calendae", Verso::Calende),
    fisso("calende", Verso::Calende),
    fisso("cal", Verso::Calende),
    fisso("nonas", Verso::None),
    fisso("nonis", Verso::None),
    fisso("nonae", Verso::None),
    fisso("non", Verso::None),
    fisso("none", Verso::None),
    fisso("idus", Verso::Idi),
    fisso("idibus", Verso::Idi),
    fisso("idib", Verso::Idi),
    fisso("id", Verso::Idi),
    fisso("idi", Verso::Idi),
});

// The weekdays as Latin names them (dies Lune ... dies Veneris, Sabbatum, Dominica); the
// Italian ones are the fast reader's.
inline constexpr auto kSettimana = std::to_array<Voce>({
    settimana("lune", 0),
    settimana("lunae", 0),
    settimana("martis", 1),
    settimana("mercurii", 2),
    settimana("mercuris", 2),
    settimana("iovis", 3),
    settimana("jovis", 3),
    settimana("veneris", 4),
    settimana("sabbati", 5),
    settimana("sabati", 5),
    settimana("sabbato", 5),
    settimana("sabbatum", 5),
    settimana("saturni", 5),
    settimana("dominica", 6),
    settimana("dominico", 6),
    settimana("dominice", 6),
    settimana("dominicus", 6),
    settimana("solis", 6),
});

inline constexpr auto kParole = std::to_array<Voce>({
    parola("die", Parola::Die),
    parola("dies", Parola::Die),
    parola("dì", Parola::Die),
    parola("dí", Parola::Die),
    parola("dÌ", Parola::Die),
    parola("adì", Parola::Die),
    parola("adí", Parola::Die),
    parola("addì", Parola::Die),
    parola("di", Parola::Di),
    parola("de", Parola::Di),
    parola("del", Parola::Di),
    parola("delle", Parola::Di),
    parola("degli", Parola::Di),
    parola("d", Parola::Di),
    parola("il", Parola::Articolo),
    parola("lo", Parola::Articolo),
    parola("le", Parola::Articolo),
    parola("gli", Parola::Articolo),
    parola("ante", Parola::Ante),
    parola("diem", Parola::Diem),
    parola("pridie", Parola::Pridie),
    parola("prid", Parola::Pridie),
    parola("pd", Parola::Pridie),
    parola("bis", Parola::Bis),
    parola("bissexto", Parola::Bissexto),
    parola("intrante", Parola::Entrante),
    parola("intrantis", Parola::Entrante),
    parola("entrante", Parola::Entrante),
    parola("introeunte", Parola::Entrante),
    parola("intrando", Parola::Entrante),
    parola("exeunte", Parola::Uscente),
    parola("exeuntis", Parola::Uscente),
    parola("uscente", Parola::Uscente),
    parola("stante", Parola::Uscente),
    parola("astante", Parola::Uscente),
    parola("restante", Parola::Uscente),
    parola("mense", Parola::Mese),
    parola("mensis", Parola::Mese),
    parola("mese", Parola::Mese),
    parola("giorno", Parola::Giorno),
    parola("avanti", Parola::Avanti),
    parola("ultimo", Parola::Ultimo),
    parola("ultima", Parola::Ultimo),
    parola("ultimus", Parola::Ultimo),
    parola("penultimo", Parola::Penultimo),
    parola("penultima", Parola::Penultimo),
    parola("anno", Parola::Anno),
    parola("domini", Parola::Domini),
    parola("feria", Parola::Feria),
    parola("indizione", Parola::Indizione),
    parola("indictione", Parola::Indizione),
    parola("indicione", Parola::Indizione),
    parola("indictio", Parola::Indizione),
    parola("ind", Parola::Indizione),
    parola("a", Parola::A),
});

// Ordinals. Latin: the stems of 1 to 12 and 18 to 20, each in the ablative (die tertio),
// the feminine (tertia die) and the nominative (undecimus dies); 13 to 17 as one word of
// two ordinals (tertiodecimo, tertiadecima), and as two words (tertio decimo, decimo
// tertio) by the reader. Italian: the feminine and masculine of 1 to 16, as an indiction
// or a day is counted.
struct Radice {
  std::string_view testo;
  int valore;
};
inline constexpr auto kRadici = std::to_array<Radice>({
    {"prim", 1},         {"secund", 2},        {"terti", 3},         {"terci", 3},
    {"quart", 4},        {"quint", 5},         {"sext", 6},          {"septim", 7},
    {"octav", 8},        {"non", 9},           {"decim", 10},        {"undecim", 11},
    {"duodecim", 12},    {"duodevicesim", 18}, {"duodevigesim", 18}, {"undevicesim", 19},
    {"undevigesim", 19}, {"vigesim", 20},      {"vicesim", 20},
});
inline constexpr std::array<std::string_view, 3> kDesinenze{"o", "a", "us"};
inline constexpr auto kOrdinaliItaliani = std::to_array<Voce>({
    ordinale("prima", 1),
    ordinale("seconda", 2),
    ordinale("terza", 3),
    ordinale("sesta", 6),
    ordinale("settima", 7),
    ordinale("ottava", 8),
    ordinale("undicesima", 11),
    ordinale("dodicesima", 12),
    ordinale("tredicesima", 13),
    ordinale("quattordicesima", 14),
    ordinale("quindicesima", 15),
    ordinale("sedicesima", 16),
    ordinale("secondo", 2),
    ordinale("terzo", 3),
    ordinale("sesto", 6),
    ordinale("settimo", 7),
    ordinale("ottavo", 8),
    ordinale("undicesimo", 11),
    ordinale("dodicesimo", 12),
    ordinale("tredicesimo", 13),
    ordinale("quattordicesimo", 14),
    ordinale("quindicesimo", 15),
    ordinale("sedicesimo", 16),
});

// What a word stands for.
struct Significato {
  Specie specie = Specie::Nessuna;
  std::uint8_t valore = 0;
  constexpr bool è(Parola p) const {
    return specie == Specie::Parola && valore == static_cast<int>(p);
  }
  friend constexpr bool operator==(const Significato&, const Significato&) = default;
};

// A table of words looked up in one step: each in the slot its bytes point to, or in the
// next free one. Hundreds of words would need a table of thousands of slots for none to
// share one (as parole::Dizionario keeps them), so a word may sit past its slot: a slot
// or two more is read, at most a few. A slot is the word's 16 bytes, the last of which no
// name fills: it holds the number of what the word stands for, in a table of its own, so
// that the table is 16 KiB and stays in the processor's nearest cache.
template <unsigned Bit>
struct Lessico {
  static constexpr std::uint64_t kUltimo = 0xFFULL << 56;
  std::array<Chiave, std::size_t{1} << Bit> posti{};
  std::array<Significato, 128> significati{};
  std::size_t quanti = 1;  // significati[0] stands for nothing: an empty slot

  static constexpr std::size_t posto(const Chiave& k) {
    const std::uint64_t x = (k.prime ^ (k.altre * 0x165667B19E3779F9ULL)) * 0x9E3779B97F4A7C15ULL;
    return (x ^ x >> 29) >> (64 - Bit);
  }
  constexpr Significato cerca(const Chiave& k) const {
    for (std::size_t i = posto(k);; i = (i + 1) % posti.size()) {
      const Chiave& p = posti[i];
      const auto numero = static_cast<std::size_t>(p.altre >> 56);
      if (numero == 0) return {};
      if (p.prime == k.prime && (p.altre & ~kUltimo) == k.altre) return significati[numero];
    }
  }
  constexpr bool metti(const Chiave& k, Specie specie, int valore) {
    const Significato s{specie, static_cast<std::uint8_t>(valore)};
    std::size_t numero = 1;
    while (numero < quanti && !(significati[numero] == s)) ++numero;
    if (numero == quanti) {
      if (quanti == significati.size()) return false;
      significati[quanti++] = s;
    }
    for (std::size_t i = posto(k);; i = (i + 1) % posti.size()) {
      Chiave& p = posti[i];
      const auto già = static_cast<std::size_t>(p.altre >> 56);
      if (già != 0 && !(p.prime == k.prime && (p.altre & ~kUltimo) == k.altre)) continue;
      // A word given twice is one word, if it stands for the same.
      p = {k.prime, k.altre | std::uint64_t{numero} << 56};
      return già == 0 || già == numero;
    }
  }
  constexpr bool metti(std::string_view testo, Specie specie, int valore) {
    const auto k = parole::chiave(testo);
    return k && metti(*k, specie, valore);
  }
};

// Every word of the forms, built while compiling; a word that does not fit (16 bytes or
// more), or one given twice for two things, stops the build.
inline constexpr auto kLessico = [] {
  Lessico<10> l;
  bool buono = true;
  const auto tutte = [&](const auto& voci) {
    for (const Voce& v : voci) buono = l.metti(v.testo, v.specie, v.valore) && buono;
  };
  // The Roman numerals of 1 to 39, the counts and indictions are written in, looked up as
  // words: the units also added up (IIII, VIIII), a final i also written j (iij, xviij).
  // The usual ones go in first, with the words of the forms as they are written most: a
  // word put in early sits in its own slot, and is found at the first look.
  const auto numerali = [&](bool usuali) {
    for (int v = 1; v < 40; ++v) {
      constexpr std::string_view kUnità[] = {"",  "i",  "ii",  "iii",  "iv",
                                             "v", "vi", "vii", "viii", "ix"};
      constexpr std::string_view kAggiunte[] = {"iiii", "viiii"};
      const int u = v % 10;
      const bool due = u == 4 || u == 9;
      for (int modo = 0; modo < (due ? 2 : 1); ++modo) {
        std::array<char, 16> testo{};
        std::size_t n = 0;
        for (int d = 0; d < v / 10; ++d) testo[n++] = 'x';
        for (const char c : modo == 0 ? kUnità[u] : kAggiunte[u == 9]) testo[n++] = c;
        if (usuali == (modo == 0 && v < 20))
          buono = l.metti({testo.data(), n}, Specie::Romano, v) && buono;
        if (usuali || testo[n - 1] != 'i') continue;
        testo[n - 1] = 'j';
        buono = l.metti({testo.data(), n}, Specie::Romano, v) && buono;
      }
    }
  };
  numerali(true);
  tutte(kFissi);
  tutte(kParole);
  tutte(kMesi);
  numerali(false);
  tutte(kSettimana);
  tutte(kOrdinaliItaliani);
  // The Italian weekdays, with their accents as the fast reader knows them.
  for (const parole::Nome& n : parole::kGiorni)
    buono = l.metti(n.chiave, Specie::Settimana, n.valore - 1) && buono;
  for (const Radice& r : kRadici)
    for (const std::string_view d : kDesinenze) {
      std::array<char, 16> testo{};
      std::size_t n = 0;
      for (const char c : r.testo) testo[n++] = c;
      for (const char c : d) testo[n++] = c;
      buono = l.metti({testo.data(), n}, Specie::Ordinale, r.valore) && buono;
      // 13 to 19: the unit's ordinal and decimo, in the same ending.
      if (r.valore < 3 || r.valore > 9) continue;
      for (const char c : std::string_view("decim")) testo[n++] = c;
      for (const char c : d) testo[n++] = c;
      buono = l.metti({testo.data(), n}, Specie::Ordinale, r.valore + 10) && buono;
    }
  if (!buono) throw "a word of the forms does not fit, or stands for two things";
  return l;
}();

// A Roman numeral as documents write it, in any case, the units also added up (IIII,
// VIIII) and a final i also written j (iij, xviij); 0 for a word that is none. Up to
// MMMM: a year as well as a count.
constexpr int numeroRomano(const Chiave& k) {
  const auto b = std::bit_cast<std::array<char, 16>>(k);
  std::size_t n = 0;
  while (n < b.size() && b[n] != 0) ++n;
  std::array<char, 16> t = b;
  for (std::size_t i = n; i > 0 && t[i - 1] == 'j'; --i) t[i - 1] = 'i';
  std::size_t i = 0;
  const auto conta = [&](char c, int massimo) {
    int quante = 0;
    while (i < n && t[i] == c && quante < massimo) ++i, ++quante;
    return quante;
  };
  const auto coppia = [&](char a, char b) {
    if (i + 1 < n && t[i] == a && t[i + 1] == b) return i += 2, true;
    return false;
  };
  // Each decimal place: nine (ix), four (iv), or five and up to four ones, or ones alone.
  const auto posto = [&](char uno, char cinque, char dieci, int valore) {
    if (coppia(uno, dieci)) return 9 * valore;
    if (coppia(uno, cinque)) return 4 * valore;
    const int mezzo = conta(cinque, 1) * 5;
    return (mezzo + conta(uno, 4)) * valore;
  };
  int valore = conta('m', 4) * 1000;
  valore += posto('c', 'd', 'm', 100);
  valore += posto('x', 'l', 'c', 10);
  valore += posto('i', 'v', 'x', 1);
  return i == n ? valore : 0;
}
static_assert(numeroRomano(*parole::chiave("XIIII")) == 14 &&
              numeroRomano(*parole::chiave("iij")) == 3 &&
              numeroRomano(*parole::chiave("xviij")) == 18 &&
              numeroRomano(*parole::chiave("MCCCXVI")) == 1316 &&
              numeroRomano(*parole::chiave("mcccliij")) == 1353 &&
              numeroRomano(*parole::chiave("IV")) == 4 &&
              numeroRomano(*parole::chiave("vv")) == 0 &&
              numeroRomano(*parole::chiave("IIIII")) == 0 &&
              numeroRomano(*parole::chiave("ind")) == 0);

// A Roman numeral of 1 to 39, as a count or an indiction is written: "III", "xviij".
inline std::string_view inRomano(int n) {
  static constexpr std::array<std::string_view, 40> kRomani{
      "",    "I",    "II",    "III",    "IV",    "V",    "VI",    "VII",    "VIII",    "IX",
      "X",   "XI",   "XII",   "XIII",   "XIV",   "XV",   "XVI",   "XVII",   "XVIII",   "XIX",
      "XX",  "XXI",  "XXII",  "XXIII",  "XXIV",  "XXV",  "XXVI",  "XXVII",  "XXVIII",  "XXIX",
      "XXX", "XXXI", "XXXII", "XXXIII", "XXXIV", "XXXV", "XXXVI", "XXXVII", "XXXVIII", "XXXIX"};
  return n >= 1 && n < static_cast<int>(kRomani.size()) ? kRomani[static_cast<std::size_t>(n)]
                                                        : std::string_view{};
}

}  // namespace almanacco::latino
