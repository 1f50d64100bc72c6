#include "citazione.h"

namespace almanacco {

namespace {
// The character that begins at `i` in UTF-8, and how many bytes it takes; a byte that
// begins no valid character (a stray one, an overlong form, a surrogate, a sequence cut
// short or past U+10FFFF) takes one byte and no character.
struct Carattere {
  char32_t codice;
  std::size_t byte;  // 0: no character
};
Carattere carattere(std::string_view t, std::size_t i) {
  const auto b = [&](std::size_t k) { return static_cast<unsigned char>(t[i + k]); };
  const unsigned char primo = b(0);
  if (primo < 0x80) return {primo, 1};
  const std::size_t n = primo >= 0xF0 ? 4 : primo >= 0xE0 ? 3 : primo >= 0xC2 ? 2 : 0;
  if (n == 0 || primo > 0xF4 || i + n > t.size()) return {0, 0};
  char32_t codice = primo & (0x7F >> n);
  for (std::size_t k = 1; k < n; ++k) {
    if ((b(k) & 0xC0) != 0x80) return {0, 0};
    codice = codice << 6 | (b(k) & 0x3F);
  }
  constexpr char32_t kMinimo[] = {0, 0, 0x80, 0x800, 0x10000};
  if (codice < kMinimo[n] || codice > 0x10FFFF || (codice >= 0xD800 && codice <= 0xDFFF))
    return {0, 0};
  return {codice, n};
}

// Whether a character would harm a terminal or hide what it shows: the controls (C0,
// DEL, C1); the bidirectional embeddings, overrides and isolates, which can reorder the
// text around them, and the marks of direction; and the characters of no width (the
// zero-width spaces and joiners, the byte-order mark, the separators of lines and
// paragraphs), which leave no trace of what made a text no date.
// The blanks other than the space (the no-break ones among them), the soft hyphen, the
// combining marks and the variation selectors are shown in code too: echoed as they are,
// a refused text would look like a good date.
bool daMostrareInCodice(char32_t c) {
  return c < 0x20 || (c >= 0x7F && c <= 0xA0) || c == 0xAD || (c >= 0x300 && c <= 0x36F) ||
         c == 0x061C || c == 0x115F || c == 0x1160 || c == 0x180E || (c >= 0x2000 && c <= 0x200F) ||
         (c >= 0x2028 && c <= 0x202F) || (c >= 0x205F && c <= 0x206F) || c == 0x3000 ||
         c == 0x3164 || (c >= 0xFE00 && c <= 0xFE0F) || c == 0xFEFF || (c >= 0xFFF9 && c <= 0xFFFB);
}
}  // namespace

std::string citazione(std::string_view ingresso) {
  constexpr std::size_t kMostrati = 60;  // characters
  constexpr char kEsadecimali[] = "0123456789ABCDEF";
  const auto esadecimale = [&](std::string& testo, unsigned valore, int cifre) {
    for (int k = cifre - 1; k >= 0; --k) testo += kEsadecimali[(valore >> (4 * k)) & 0xF];
  };
  std::string testo = "\"";
  std::size_t i = 0;
  for (std::size_t mostrati = 0; i < ingresso.size() && mostrati < kMostrati; ++mostrati) {
    // A run of printable ASCII, as most of a text is, copied at once.
    std::size_t fine = i;
    while (fine < ingresso.size() && mostrati + (fine - i) < kMostrati && ingresso[fine] >= ' ' &&
           ingresso[fine] <= '~' && ingresso[fine] != '"' && ingresso[fine] != '\\')
      ++fine;
    if (fine > i) {
      testo.append(ingresso.substr(i, fine - i));
      mostrati += fine - i - 1;
      i = fine;
      continue;
    }
    const Carattere c = carattere(ingresso, i);
    if (c.byte == 0 ||
        (c.byte == 1 && (daMostrareInCodice(c.codice) || c.codice == '"' || c.codice == '\\'))) {
      testo += "\\x";
      esadecimale(testo, static_cast<unsigned char>(ingresso[i]), 2);
      ++i;
    } else if (daMostrareInCodice(c.codice)) {
      testo += "\\u";
      esadecimale(testo, c.codice, 4);
      i += c.byte;
    } else {
      testo.append(ingresso.substr(i, c.byte));
      i += c.byte;
    }
  }
  testo += i < ingresso.size() ? "\"..." : "\"";
  return testo;
}

bool utf8(std::string_view testo) {
  for (std::size_t i = 0; i < testo.size();) {
    const Carattere c = carattere(testo, i);
    if (c.byte == 0) return false;
    i += c.byte;
  }
  return true;
}

}  // namespace almanacco
