#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <optional>
#include <string_view>

#include "feste.h"
#include "parole.h"

// The words of datings by feast as the reader compares them, and the feasts' names looked
// up by their words, both worked out while compiling from kFeste and the grammar below.
namespace almanacco::festivi {

// A word as names are compared: lower case, without accents, j as i and the diphthongs
// ae and oe as e, as medieval scribes wrote them ("Iohannis", "Marie", "Cena").
inline constexpr std::size_t kLettere = 24;
struct Parola {
  std::array<char, kLettere> testo{};
  std::uint8_t lunghezza = 0;
  // Compared, and hashed, eight bytes at a time: a million lines are read a second.
  constexpr std::array<std::uint64_t, 3> otto() const {
    return std::bit_cast<std::array<std::uint64_t, 3>>(testo);
  }
  friend constexpr bool operator==(const Parola& a, const Parola& b) {
    return a.otto() == b.otto();
  }
};

// The vowel an accented letter of two bytes (0xC3 and this) stands for; 0 for none.
constexpr char vocale(unsigned char secondo) {
  constexpr std::string_view kMinuscole = "aaaa?aa?eeeeiiii?nooooo??uuuu";  // from 0xA0
  if (secondo >= 0x80 && secondo < 0xA0) secondo = static_cast<unsigned char>(secondo + 0x20);
  if (secondo < 0xA0 || secondo - 0xA0u >= kMinuscole.size()) return 0;
  const char c = kMinuscole[secondo - 0xA0u];
  return c == '?' ? 0 : c;
}

// Appends a letter, folding the diphthongs: whether there is room.
constexpr bool aggiungi(Parola& p, char c) {
  if (c == 'j') c = 'i';
  if (c == 'e' && p.lunghezza > 0 &&
      (p.testo[p.lunghezza - 1] == 'a' || p.testo[p.lunghezza - 1] == 'o')) {
    p.testo[p.lunghezza - 1] = 'e';
    return true;
  }
  if (p.lunghezza == kLettere) return false;
  p.testo[p.lunghezza++] = c;
  return true;
}

// One character of a word, at `i`: appended to `p` (a vowel without its accent; a
// combining grave or acute accent is nothing), and the bytes it took; 0 for a byte that
// is no letter of a name, or for a word too long to be one.
constexpr std::size_t carattere(std::string_view t, std::size_t i, Parola& p) {
  const auto c = static_cast<unsigned char>(t[i]);
  if (c < 0x80) {
    const bool lettera = (c | 0x20) >= 'a' && (c | 0x20) <= 'z';
    return lettera && aggiungi(p, static_cast<char>(c | 0x20)) ? 1 : 0;
  }
  if (i + 1 >= t.size()) return 0;
  const auto d = static_cast<unsigned char>(t[i + 1]);
  if (c == 0xCC && (d == 0x80 || d == 0x81)) return 2;
  const char v = c == 0xC3 ? vocale(d) : 0;
  return v != 0 && aggiungi(p, v) ? 2 : 0;
}

// A word's bytes as a Parola: whether it is made of letters the names have.
constexpr bool normalizza(std::string_view grezza, Parola& p) {
  p = {};
  for (std::size_t i = 0; i < grezza.size();) {
    const std::size_t n = carattere(grezza, i, p);
    if (n == 0) return false;
    i += n;
  }
  return p.lunghezza > 0;
}

constexpr std::uint64_t impronta(const Parola& p) {
  const std::array<std::uint64_t, 3> v = p.otto();
  const std::uint64_t h =
      v[0] * 0x9E3779B97F4A7C15ULL ^ v[1] * 0xC2B2AE3D27D4EB4FULL ^ v[2] * 0x165667B19E3779F9ULL;
  return h ^ h >> 29;
}

// What a word does in a dating, besides naming.
enum Ruolo : std::uint32_t {
  kArticolo = 1 << 0,      // il, la, l'
  kPreposizione = 1 << 1,  // di, della, in
  kDopo = 1 << 2,          // dopo, post
  kPrima = 1 << 3,         // prima (di)
  kAnte = 1 << 4,          // ante, avanti
  kFesta = 1 << 5,         // festa, in festo, festum
  kGiorno = 1 << 6,        // il giorno di, in die
  kVigilia = 1 << 7,
  kCrastino = 1 << 8,
  kOttava = 1 << 9,
  kSettimana = 1 << 10,  // a weekday by name
  kFeria = 1 << 11,
  kOrdinale = 1 << 12,   // prima, seconda, tertia
  kRomano = 1 << 13,     // II, XXIV
  kOnorifico = 1 << 14,  // san, sancti, beatae
  kAnno = 1 << 15,
  kDomini = 1 << 16,
  kProssimo = 1 << 17,  // feria II proxima post
};

struct Grammatica {
  std::string_view parole;  // separated by blanks
  std::uint32_t ruolo;
  int valore;               // the weekday (Monday 0), or the number
  bool inSequenza = false;  // each word's number is one more than the one before
};
inline constexpr Grammatica kGrammatica[] = {
    {"il lo la l i gli le", kArticolo, 0},
    {"di del dello della dell dei degli delle d de in nel nello nella nell al all alla allo",
     kPreposizione, 0},
    {"dopo post", kDopo, 0},
    {"prima", kPrima, 0},
    {"ante avanti", kAnte, 0},
    {"festa festo festum festi", kFesta, 0},
    {"giorno die dies", kGiorno, 0},
    {"vigilia vigiliam vigiliae", kVigilia, 0},
    {"crastino crastinum indomani", kCrastino, 0},
    {"ottava octava octavam octavas octavis", kOttava, 0},
    {"lunedì martedì mercoledì giovedì venerdì sabato domenica", kSettimana, 0, true},
    {"sabbato sabbatum", kSettimana, 5},
    {"dominica", kSettimana, 6},
    {"feria", kFeria, 0},
    {"prima seconda terza quarta quinta sesta settima ottava nona decima undicesima "
     "dodicesima tredicesima quattordicesima quindicesima sedicesima diciassettesima "
     "diciottesima diciannovesima ventesima ventunesima ventiduesima ventitreesima "
     "ventiquattresima venticinquesima ventiseiesima ventisettesima ventottesima",
     kOrdinale, 1, true},
    {"primo secondo terzo quarto quinto", kOrdinale, 1, true},
    {"prima secunda tertia quarta quinta sexta septima octava nona decima undecima duodecima",
     kOrdinale, 1, true},
    {"i ii iii iv v vi vii viii ix x xi xii xiii xiv xv xvi xvii xviii xix xx xxi xxii xxiii "
     "xxiv xxv xxvi xxvii xxviii",
     kRomano, 1, true},
    {"san santo santa sant santi ss s beato beata beati b sancti sanctae sanctorum beatae "
     "beatorum divi santissima santissimo sanctissimae gloriosae",
     kOnorifico, 0},
    {"anno", kAnno, 0},
    {"domini", kDomini, 0},
    {"proxima proximo proxime proximam prossima prossimo", kProssimo, 0},
};

struct Voce {
  Parola parola;
  // The word as the tables first write it, accents and capitals kept, for the fast
  // reader's look-up below.
  Parola scritta;
  std::uint32_t ruoli = 0;
  std::int8_t settimana = -1;
  std::uint8_t numero = 0;  // an ordinal's or a Roman numeral's
  friend constexpr bool operator==(const Voce&, const Voce&) = default;
};

// The vocabulary: every word of the grammar and of the feasts' names, in slots looked up
// by the word's hash (the next free slot where one is taken). Its number in `voci` is its
// id, from 1.
inline constexpr std::size_t kPosti = 1024, kMassimoVoci = 800;
struct Vocabolario {
  std::array<Voce, kMassimoVoci> voci{};
  std::size_t quante = 1;  // id 0 is no word
  std::array<std::uint16_t, kPosti> posti{};

  constexpr std::uint16_t cerca(const Parola& p) const {
    for (std::size_t i = impronta(p) % kPosti;; i = (i + 1) % kPosti) {
      const std::uint16_t id = posti[i];
      if (id == 0 || voci[id].parola == p) return id;
    }
  }
  constexpr std::uint16_t aggiungi(const Parola& p, std::string_view scritta) {
    std::size_t i = impronta(p) % kPosti;
    for (; posti[i] != 0; i = (i + 1) % kPosti)
      if (voci[posti[i]].parola == p) return posti[i];
    Voce& voce = voci.at(quante);
    voce.parola = p;
    for (const char c : scritta.substr(0, kLettere))
      voce.scritta.testo[voce.scritta.lunghezza++] = c;
    posti[i] = static_cast<std::uint16_t>(quante);
    return static_cast<std::uint16_t>(quante++);
  }
};

// Calls `f` with each word of a name or of a list of words: the pieces between blanks and
// apostrophes (a name's brackets are left to the caller).
template <typename F>
constexpr void perParola(std::string_view testo, F f) {
  std::size_t i = 0;
  while (i < testo.size()) {
    while (i < testo.size() && (testo[i] == ' ' || testo[i] == '\'')) ++i;
    std::size_t fine = i;
    while (fine < testo.size() && testo[fine] != ' ' && testo[fine] != '\'') ++fine;
    if (fine > i) f(testo.substr(i, fine - i));
    i = fine;
  }
}

// Calls `f` with each name among `nomi` ('|' between them), once with each choice of the
// words in brackets kept or left out.
template <typename F>
constexpr void perNome(std::string_view nomi, F f) {
  while (!nomi.empty()) {
    const std::size_t fine = nomi.find('|');
    const std::string_view nome = nomi.substr(0, fine);
    nomi.remove_prefix(fine == std::string_view::npos ? nomi.size() : fine + 1);
    int parentesi = 0;
    for (const char c : nome) parentesi += c == '[' ? 1 : 0;
    for (int scelta = 0; scelta < 1 << parentesi; ++scelta) {
      std::array<char, 128> testo{};
      std::size_t n = 0;
      int gruppo = -1;
      bool tieni = true;
      for (const char c : nome) {
        if (c == '[') {
          ++gruppo;
          tieni = (scelta >> gruppo & 1) != 0;
        } else if (c == ']') {
          tieni = true;
        } else if (tieni) {
          testo.at(n++) = c;
        }
      }
      f(std::string_view(testo.data(), n));
    }
  }
}

inline constexpr Vocabolario kVocabolario = [] {
  Vocabolario v;
  for (const Grammatica& g : kGrammatica) {
    int valore = g.valore;
    perParola(g.parole, [&](std::string_view w) {
      Parola p;
      if (!normalizza(w, p)) throw "una parola della grammatica non si legge";
      Voce& voce = v.voci[v.aggiungi(p, w)];
      voce.ruoli |= g.ruolo;
      if (g.ruolo == kSettimana) voce.settimana = static_cast<std::int8_t>(valore);
      if (g.ruolo == kOrdinale || g.ruolo == kRomano)
        voce.numero = static_cast<std::uint8_t>(valore);
      if (g.inSequenza) ++valore;
    });
  }
  for (const Festa& f : kFeste)
    for (const std::string_view nomi : {f.nomi, f.stagione, f.nome, f.latino})
      perNome(nomi, [&](std::string_view nome) {
        perParola(nome, [&](std::string_view w) {
          Parola p;
          if (!normalizza(w, p)) throw "una parola dei nomi non si legge";
          v.aggiungi(p, w);
        });
      });
  return v;
}();
static_assert(kVocabolario.quante < kMassimoVoci && kVocabolario.quante * 2 < kPosti);

constexpr const Voce& voce(std::uint16_t id) {
  return kVocabolario.voci[id];
}

// The words as they are most often written, looked up as the fast reader reads a word
// (a parole::Chiave: up to 15 bytes, ASCII letters in lower case): each spelling of the
// names and of the grammar, and the same without accents. A text with a word not among
// them is read again a letter at a time (a capital accented letter, Jesu for Iesu...).
struct Scorciatoia {
  parole::Chiave chiave;
  std::uint16_t id = 0;
  std::uint32_t ruoli = 0;  // the word's, kept beside it: read with the id, in one look
};
inline constexpr std::size_t kPostiVeloci = 2048;
constexpr std::size_t postoVeloce(const parole::Chiave& k) {
  return (k.prime * 0x9E3779B97F4A7C15ULL ^ k.altre * 0xC2B2AE3D27D4EB4FULL) >> (64 - 11);
}
inline constexpr auto kVeloci = [] {
  std::array<Scorciatoia, kPostiVeloci> posti{};
  for (std::uint16_t id = 1; id < kVocabolario.quante; ++id) {
    const Voce& v = kVocabolario.voci[id];
    for (const Parola& p : {v.scritta, v.parola}) {
      const std::optional<parole::Chiave> k = parole::chiave({p.testo.data(), p.lunghezza});
      if (!k) continue;
      std::size_t i = postoVeloce(*k);
      for (; posti[i].id != 0 && !(posti[i].chiave == *k); i = (i + 1) % kPostiVeloci) {
      }
      posti[i] = {*k, id, v.ruoli};
    }
  }
  return posti;
}();
static_assert(kVocabolario.quante * 4 < kPostiVeloci);

// The word of a key, as the fast reader reads it; an id of 0 for one not among the
// spellings.
inline const Scorciatoia& voceVeloce(const parole::Chiave& k) {
  for (std::size_t i = postoVeloce(k);; i = (i + 1) % kPostiVeloci) {
    if (kVeloci[i].id == 0 || kVeloci[i].chiave == k) return kVeloci[i];
  }
}
constexpr std::uint16_t idDi(std::string_view parola) {
  Parola p;
  return normalizza(parola, p) ? kVocabolario.cerca(p) : 0;
}

// A name as the words it is made of, up to six: a san, sancti, beatae before another word
// is left out, as it is in no name's key.
inline constexpr std::size_t kParoleNome = 6;
struct Nome {
  std::uint64_t chiave = 0;  // the ids, 10 bits each, and their number in the top bits
  bool valido = true;
};
template <typename Ids>
constexpr Nome nomeDi(const Ids& ids, std::size_t da, std::size_t a) {
  Nome nome;
  std::size_t n = 0;
  for (std::size_t i = da; i < a; ++i) {
    if (ids[i] == 0 || n == kParoleNome) return {0, false};
    if ((voce(ids[i]).ruoli & kOnorifico) != 0 && i + 1 < a) continue;
    nome.chiave |= static_cast<std::uint64_t>(ids[i]) << (10 * n++);
  }
  nome.chiave |= static_cast<std::uint64_t>(n) << 60;
  nome.valido = n > 0;
  return nome;
}

// The feasts by their names: a name is of one feast, as the name of its day, of its
// season (for its Sundays counted), or both.
enum Uso : std::uint8_t { kDelGiorno = 1, kDellaStagione = 2 };
struct Posto {
  std::uint64_t chiave = 0;
  std::uint8_t festa = 0;  // from 1
  std::uint8_t uso = 0;
};
inline constexpr std::size_t kPostiNomi = 4096;
inline constexpr auto kNomi = [] {
  std::array<Posto, kPostiNomi> posti{};
  std::size_t quanti = 0;
  const auto metti = [&](std::string_view nome, std::size_t festa, std::uint8_t uso) {
    std::array<std::uint16_t, 16> ids{};
    std::size_t n = 0;
    perParola(nome, [&](std::string_view w) {
      Parola p;
      normalizza(w, p);
      ids.at(n++) = kVocabolario.cerca(p);
    });
    const Nome chiave = nomeDi(ids, 0, n);
    if (!chiave.valido) throw "un nome ha troppe parole";
    std::size_t i = (chiave.chiave * 0x9E3779B97F4A7C15ULL >> 52) % kPostiNomi;
    for (; posti[i].festa != 0 && posti[i].chiave != chiave.chiave; i = (i + 1) % kPostiNomi) {
    }
    if (posti[i].festa != 0 && posti[i].festa != festa + 1) throw "un nome di due feste";
    if (posti[i].festa == 0) ++quanti;
    posti[i] = {chiave.chiave, static_cast<std::uint8_t>(festa + 1),
                static_cast<std::uint8_t>(posti[i].uso | uso)};
  };
  for (std::size_t f = 0; f < kFeste.size(); ++f) {
    perNome(kFeste[f].nomi, [&](std::string_view nome) { metti(nome, f, kDelGiorno); });
    perNome(kFeste[f].stagione, [&](std::string_view nome) { metti(nome, f, kDellaStagione); });
  }
  if (quanti * 2 > kPostiNomi) throw "troppi nomi";
  return posti;
}();

// The names of a feast's day by their first two words, for a quick no before a name is
// looked up: for each word, whether such a name is that word alone, and the words that
// may follow it in one (bit id % 64, which others share).
struct InizioDiNome {
  bool solo = false;
  std::uint64_t seguenti = 0;
};
inline constexpr auto kIniziDiNomi = [] {
  std::array<InizioDiNome, kMassimoVoci> inizi{};
  for (const Posto& p : kNomi) {
    if (p.festa == 0 || !(p.uso & kDelGiorno)) continue;
    InizioDiNome& inizio = inizi[p.chiave & 0x3FF];
    if (p.chiave >> 60 == 1)
      inizio.solo = true;
    else
      inizio.seguenti |= 1ULL << (((p.chiave >> 10) & 0x3FF) % 64);
  }
  return inizi;
}();

// The feast a name is of, and how: nothing for a name of none.
constexpr const Posto* festaDelNome(const Nome& nome) {
  if (!nome.valido) return nullptr;
  for (std::size_t i = (nome.chiave * 0x9E3779B97F4A7C15ULL >> 52) % kPostiNomi;;
       i = (i + 1) % kPostiNomi) {
    if (kNomi[i].festa == 0) return nullptr;
    if (kNomi[i].chiave == nome.chiave) return &kNomi[i];
  }
}

}  // namespace almanacco::festivi
