#include "nomi.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace almanacco {

namespace {

// The letters of the Latin alphabets that carry an accent or are written as two (U+00C0 to
// U+017F), as the letters or pairs of letters they are read as; an empty entry is a sign.
constexpr std::array<std::string_view, 0x180 - 0xC0> kSenzaAccento{
    // U+00C0: À Á Â Ã Ä Å Æ Ç È É Ê Ë Ì Í Î Ï
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i", "i",
    // U+00D0: Ð Ñ Ò Ó Ô Õ Ö × Ø Ù Ú Û Ü Ý Þ ß
    "d", "n", "o", "o", "o", "o", "o", "", "o", "u", "u", "u", "u", "y", "th", "ss",
    // U+00E0: à á â ã ä å æ ç è é ê ë ì í î ï
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i", "i",
    // U+00F0: ð ñ ò ó ô õ ö ÷ ø ù ú û ü ý þ ÿ
    "d", "n", "o", "o", "o", "o", "o", "", "o", "u", "u", "u", "u", "y", "th", "y",
    // U+0100 to U+017F, Latin Extended-A, in pairs of capital and small letter
    "a", "a", "a", "a", "a", "a", "c", "c", "c", "c", "c", "c", "c", "c", "d", "d",  //
    "d", "d", "e", "e", "e", "e", "e", "e", "e", "e", "e", "e", "g", "g", "g", "g",  //
    "g", "g", "g", "g", "h", "h", "h", "h", "i", "i", "i", "i", "i", "i", "i", "i",  //
    "i", "i", "ij", "ij", "j", "j", "k", "k", "k", "l", "l", "l", "l", "l", "l", "l", "l", "l", "l",
    "n", "n", "n", "n", "n", "n", "n", "n", "n", "o", "o", "o", "o",  //
    "o", "o", "oe", "oe", "r", "r", "r", "r", "r", "r", "s", "s", "s", "s", "s", "s", "s", "s", "t",
    "t", "t", "t", "t", "t", "u", "u", "u", "u", "u", "u", "u", "u",                 //
    "u", "u", "u", "u", "w", "w", "y", "y", "y", "z", "z", "z", "z", "z", "z", "s",  //
};

constexpr bool separatore(char32_t c) {
  return c == ' ' || c == '\t' || c == '-' || c == '_' || c == '.' || c == '\'' || c == 0x2019 ||
         c == 0xA0;  // the typographer's apostrophe, the no-break space
}

// The character at `i` of UTF-8 text, and its length; a byte of no character is itself.
char32_t carattere(std::string_view t, std::size_t& i) {
  const auto b = [&](std::size_t k) { return static_cast<unsigned char>(t[i + k]); };
  const unsigned char primo = b(0);
  const std::size_t n = primo >= 0xF0 ? 4 : primo >= 0xE0 ? 3 : primo >= 0xC0 ? 2 : 1;
  if (n == 1 || i + n > t.size()) {
    ++i;
    return primo;
  }
  char32_t c = primo & (0x7F >> n);
  for (std::size_t k = 1; k < n; ++k) {
    if ((b(k) & 0xC0) != 0x80) {
      ++i;
      return primo;
    }
    c = c << 6 | (b(k) & 0x3F);
  }
  i += n;
  return c;
}

// Letters left out, added, changed, or two side by side swapped: how many.
std::size_t distanza(std::string_view a, std::string_view b) {
  std::vector<std::size_t> prima(b.size() + 1), ora(b.size() + 1), due(b.size() + 1);
  for (std::size_t j = 0; j <= b.size(); ++j) ora[j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    due.swap(prima);
    prima.swap(ora);
    ora[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t cambio = a[i - 1] == b[j - 1] ? 0 : 1;
      ora[j] = std::min({prima[j] + 1, ora[j - 1] + 1, prima[j - 1] + cambio});
      if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
        ora[j] = std::min(ora[j], due[j - 2] + 1);
    }
  }
  return ora[b.size()];
}

}  // namespace

std::string normalizzato(std::string_view nome) {
  std::string testo;
  bool staccato = false;
  for (std::size_t i = 0; i < nome.size();) {
    const char32_t c = carattere(nome, i);
    if (separatore(c)) {
      staccato = !testo.empty();
      continue;
    }
    if (c >= 0x300 && c <= 0x36F) continue;  // a combining accent: the letter is enough
    if (staccato) testo += '-';
    staccato = false;
    if (c < 0x80) {
      testo += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    } else if (c >= 0xC0 && c < 0x180) {
      testo += kSenzaAccento[c - 0xC0];
    } else {
      // Any other character as it was written, to be compared as it is.
      char byte[4];
      std::size_t n = 0;
      if (c < 0x800) {
        byte[n++] = static_cast<char>(0xC0 | c >> 6);
      } else if (c < 0x10000) {
        byte[n++] = static_cast<char>(0xE0 | c >> 12);
        byte[n++] = static_cast<char>(0x80 | (c >> 6 & 0x3F));
      } else {
        byte[n++] = static_cast<char>(0xF0 | c >> 18);
        byte[n++] = static_cast<char>(0x80 | (c >> 12 & 0x3F));
        byte[n++] = static_cast<char>(0x80 | (c >> 6 & 0x3F));
      }
      byte[n++] = static_cast<char>(c < 0x80 ? c : 0x80 | (c & 0x3F));
      testo.append(byte, n);
    }
  }
  return testo;
}

std::vector<std::string_view> vicini(std::string_view nome,
                                     const std::vector<std::string_view>& candidati,
                                     std::size_t quanti) {
  const std::string cercato = normalizzato(nome);
  // A name a third of whose letters are wrong is another name; a name begun is the name.
  const std::size_t tetto = std::max<std::size_t>(1, cercato.size() / 3);
  std::vector<std::pair<std::size_t, std::string_view>> trovati;
  for (const std::string_view candidato : candidati) {
    const std::string forma = normalizzato(candidato);
    const std::size_t d =
        cercato.size() >= 3 && forma.starts_with(cercato) ? 0 : distanza(cercato, forma);
    const bool giàVisto = std::any_of(trovati.begin(), trovati.end(), [&](const auto& t) {
      return normalizzato(t.second) == forma;
    });
    if (d <= tetto && !giàVisto) trovati.emplace_back(d, candidato);
  }
  std::stable_sort(trovati.begin(), trovati.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<std::string_view> nomi;
  for (std::size_t i = 0; i < trovati.size() && i < quanti; ++i) nomi.push_back(trovati[i].second);
  return nomi;
}

}  // namespace almanacco
