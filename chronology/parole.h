#pragma once

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>

#include "tabelle.h"

// The words and figures of dates as the readers take them: a word read as one number to
// compare, tables of names looked up at once, and a cursor over a date's text. Every
// reader of dates, the fast one and the documentary forms, reads with these.
namespace almanacco::parole {

constexpr bool cifra(char c) {
  return static_cast<unsigned char>(c - '0') <= 9;
}
// A byte of a word: an ASCII letter, or any byte of a character beyond ASCII. The few
// signs among the letters' codes (@ [ \ ] ^ _ ` { | } ~) count as well: no form has one
// next to a word, so a word that takes one in is no name, as the text is no date either
// way, and bytes from 0x40 up are told at once, eight together.
constexpr bool lettera(char c) {
  return static_cast<unsigned char>(c) >= 0x40;
}
// What stands between the parts of a date, and what else may stand around it.
constexpr bool vuoto(char c) {
  return c == ' ' || c == '\t';
}

// A word as names are compared: its bytes, ASCII letters in lower case, packed into two
// numbers, which compare at once (the terminal reads a million names a second). A word
// of 16 bytes or more is no name.
struct Chiave {
  std::uint64_t prime = 0, altre = 0;  // bytes 1 to 8, then 9 to 16
  friend constexpr bool operator==(const Chiave&, const Chiave&) = default;
};

// Reads the word that begins at `i` into `k`, and leaves `i` past it: whether it can be
// a name. Sixteen bytes are looked at whatever the word's length, with no branch that
// depends on it: where a word ends differs from line to line, which the processor
// cannot foresee.
constexpr bool leggiParola(std::string_view t, std::size_t& i, Chiave& k) {
  std::array<unsigned char, 16> byte{};
  bool dentro = true;
  std::size_t n = 0;
  for (std::size_t j = 0; j < byte.size(); ++j) {
    const auto c = static_cast<unsigned char>(i + j < t.size() ? t[i + j] : ' ');
    dentro = dentro && lettera(static_cast<char>(c));
    const auto minuscolo = c < 0x80 ? static_cast<unsigned char>(c | 0x20) : c;
    byte[j] = dentro ? minuscolo : 0;
    n += dentro ? 1 : 0;
  }
  i += n;
  const bool nome = n < byte.size();
  while (i < t.size() && lettera(t[i])) ++i;  // the rest of a longer word
  const auto parti = std::bit_cast<std::array<std::uint64_t, 2>>(byte);
  k = {parti[0], parti[1]};
  return nome;
}

// Eight bytes of a text looked at together, as the readers of words read them.
namespace otto {
constexpr std::uint64_t kByte = 0x0101010101010101ULL, kAlto = 0x80 * kByte;
// 0x80 in each byte that is a letter: one of its two top bits set.
constexpr std::uint64_t lettere(std::uint64_t x) {
  return (x | x << 1) & kAlto;
}
// ASCII letters in lower case: the case bit set where a letter's mark is and the byte's
// own top bit is not.
constexpr std::uint64_t minuscole(std::uint64_t x, std::uint64_t segni) {
  return x | ((segni & ~x) >> 2);
}
// The bytes before the first that is no letter, every bit of them set: below the lowest
// mark of a byte that is not one (all eight where every byte is).
constexpr std::uint64_t lettereIniziali(std::uint64_t segni) {
  const std::uint64_t altri = ~segni & kAlto;
  return ((altri & (0 - altri)) >> 7) - 1;
}
// The bytes such a mask holds, 0 to 8: the place of its first byte not set (its top bit
// stands in for none, so that the count never meets a zero).
constexpr unsigned quanti(std::uint64_t iniziali) {
  return static_cast<unsigned>(std::countr_zero(~iniziali | 1ULL << 63) + 1) / 8;
}
inline std::uint64_t leggi(const char* testo) {
  std::uint64_t x;
  std::memcpy(&x, testo, 8);
  return x;
}
}  // namespace otto

// The same, at run time, for a word followed by 16 bytes that may be read: they are
// read at once, eight to a number, and each byte is looked at in all eight together.
[[gnu::always_inline]] inline bool leggiParolaSeguita(const char* testo, std::size_t& i,
                                                      Chiave& k) {
  using namespace otto;
  const std::uint64_t prime = leggi(testo + i), altre = leggi(testo + i + 8);
  const std::uint64_t segniPrime = lettere(prime), segniAltre = lettere(altre);
  const std::uint64_t iniziali = lettereIniziali(segniPrime);
  const std::uint64_t seguenti = lettereIniziali(segniAltre) & (0 - (iniziali >> 63));
  k = {minuscole(prime, segniPrime) & iniziali, minuscole(altre, segniAltre) & seguenti};
  // The word's bytes, counted from the masks: the lowest byte of each that is not set.
  const unsigned n = quanti(iniziali) + quanti(seguenti);
  i += n;
  if (n < 16) return true;
  while (lettera(testo[i])) ++i;  // the rest of a longer word, before the zeros that end it
  return false;
}

constexpr std::optional<Chiave> chiave(std::string_view parola) {
  Chiave k;
  std::size_t i = 0;
  if (!leggiParola(parola, i, k) || i != parola.size()) return std::nullopt;
  return k;
}

// A table of names as they are compared, worked out while compiling: the whole of each,
// or its first `lettere` letters, standing for `valori`.
struct Nome {
  Chiave chiave;
  int valore;
};
template <std::size_t N>
constexpr std::array<Nome, N> nomi(const std::array<std::string_view, N>& testi,
                                   std::size_t lettere = 15) {
  std::array<Nome, N> tabella{};
  for (std::size_t i = 0; i < N; ++i)
    tabella[i] = {*chiave(testi[i].substr(0, lettere)), static_cast<int>(i + 1)};
  return tabella;
}

// The weekdays as their names end: in ì, or as they are also written, í, Ì, Í or i.
constexpr auto kGiorni = [] {
  constexpr std::string_view kFinali[] = {"ì", "í", "Ì", "Í", "i"};
  std::array<Nome, 27> tabella{};
  std::size_t n = 0;
  for (std::size_t g = 0; g < kNomiGiorni.size(); ++g) {
    const std::string_view nome = kNomiGiorni[g];
    const int valore = static_cast<int>(g + 1);
    if (!nome.ends_with(kFinali[0])) {
      tabella[n++] = {*chiave(nome), valore};
      continue;
    }
    const std::string_view radice = nome.substr(0, nome.size() - kFinali[0].size());
    for (const std::string_view finale : kFinali) {
      std::array<char, 16> altro{};
      std::copy(radice.begin(), radice.end(), altro.begin());
      std::copy(finale.begin(), finale.end(), altro.begin() + radice.size());
      tabella[n++] = {*chiave({altro.data(), radice.size() + finale.size()}), valore};
    }
  }
  return tabella;
}();
// The months in Roman numerals, and the numbers past XII up to XX, which a month is
// mistaken for: read, they are refused with the month the text names.
constexpr auto kMesiRomani = nomi(std::array<std::string_view, 20>{
    "I",  "II",  "III",  "IV",  "V",  "VI",  "VII",  "VIII",  "IX",  "X",
    "XI", "XII", "XIII", "XIV", "XV", "XVI", "XVII", "XVIII", "XIX", "XX"});
// The months by Italian name, by the window's GEN to DIC (each name's first three
// letters) or by Roman numeral.
constexpr auto kMesi = [] {
  std::array<Nome, 24 + kMesiRomani.size()> tabella{};
  const auto interi = nomi(kNomiMesi), brevi = nomi(kNomiMesi, 3);
  for (std::size_t m = 0; m < 12; ++m) {
    tabella[m] = interi[m];
    tabella[12 + m] = brevi[m];
  }
  for (std::size_t m = 0; m < kMesiRomani.size(); ++m) tabella[24 + m] = kMesiRomani[m];
  return tabella;
}();
static_assert(kGiorni[2].chiave == *chiave("LUNEDÌ") && kGiorni[1].chiave == *chiave("Lunedí") &&
              kMesi[17].chiave == *chiave("Giu"));

// A table of names looked up at once, without a search: each name in the slot that its
// bytes, multiplied by a number found while compiling, point to, and no two in one
// slot. A search through the table would stop at a different name each time, which
// the processor cannot foresee.
template <unsigned Bit>
struct Dizionario {
  std::uint64_t moltiplicatore = 0;
  std::array<Nome, std::size_t{1} << Bit> posti{};  // a value of 0 is an empty slot

  constexpr std::size_t posto(const Chiave& k) const {
    return ((k.prime + k.altre * 0x100000001B3ULL) * moltiplicatore) >> (64 - Bit);
  }
  // The value of the name `k`; nothing where it is not there.
  std::optional<int> cerca(const std::optional<Chiave>& k) const {
    if (!k) return std::nullopt;
    const Nome& n = posti[posto(*k)];
    if (n.valore == 0 || !(n.chiave == *k)) return std::nullopt;
    return n.valore;
  }
};

template <unsigned Bit, std::size_t N>
constexpr Dizionario<Bit> dizionario(const std::array<Nome, N>& nomi) {
  for (std::uint64_t prova = 1;; ++prova) {
    Dizionario<Bit> d{0x9E3779B97F4A7C15ULL * prova | 1, {}};
    bool separati = true;
    for (const Nome& n : nomi) {
      Nome& posto = d.posti[d.posto(n.chiave)];
      separati = separati && posto.valore == 0;
      posto = n;
    }
    if (separati) return d;
  }
}

constexpr auto kSettimana = dizionario<6>(kGiorni);
constexpr auto kMesiInLettere = dizionario<8>(kMesi);
constexpr auto kMesiRomaniSoli = dizionario<6>(kMesiRomani);

inline std::optional<Giorno> settimanaDi(const std::optional<Chiave>& k) {
  const auto g = kSettimana.cerca(k);
  if (!g) return std::nullopt;
  return static_cast<Giorno>(*g - 1);
}

// A cursor over a date's text, which is followed by zeros, at least 16, that may be read:
// no step of the cursor goes past a zero, which no part of a date is made of.
struct Cursore {
  std::string_view t;
  std::size_t i = 0;

  char ora() const { return t.data()[i]; }
  bool salta(char c) {
    if (ora() != c) return false;
    ++i;
    return true;
  }
  bool salta(std::string_view s) {
    if (t.substr(i, s.size()) != s) return false;
    i += s.size();
    return true;
  }
  // Skips blanks: whether there was one at least.
  bool vuoti() {
    const std::size_t da = i;
    while (vuoto(ora())) ++i;
    return i > da;
  }
  // The word at the cursor as names are compared; nothing for one that is no name.
  std::optional<Chiave> parola() {
    Chiave k;
    if (!leggiParolaSeguita(t.data(), i, k)) return std::nullopt;
    return k;
  }
  // A day of one or two digits, counted without a branch: their number differs from
  // line to line. Nothing for any other number of digits.
  std::optional<int> giorno() {
    const auto prima = static_cast<unsigned>(ora() - '0');
    const auto seconda = static_cast<unsigned>(t.data()[i + 1] - '0');
    const unsigned due = seconda <= 9 ? 1 : 0;
    if (prima > 9 || cifra(t.data()[i + 1 + due])) return std::nullopt;
    i += 1 + due;
    return static_cast<int>(prima * (1 + 9 * due) + seconda * due);
  }
  // Digits, however many: how many, and their value, capped at eight nines (a year is
  // named as written up to there). Four, as most years have, are read at once.
  std::size_t cifre(int& valore) {
    const auto d = [this](std::size_t k) { return static_cast<unsigned>(t.data()[i + k] - '0'); };
    // Tested together, not one after another: how many digits there are differs from
    // line to line.
    if (static_cast<int>(d(0) <= 9) & static_cast<int>(d(1) <= 9) & static_cast<int>(d(2) <= 9) &
        static_cast<int>(d(3) <= 9) & static_cast<int>(d(4) > 9)) {
      valore = static_cast<int>(d(0) * 1000 + d(1) * 100 + d(2) * 10 + d(3));
      i += 4;
      return 4;
    }
    const std::size_t da = i;
    valore = 0;
    for (; cifra(ora()); ++i) valore = std::min(valore * 10 + (t[i] - '0'), 99'999'999);
    return i - da;
  }
};

}  // namespace almanacco::parole
