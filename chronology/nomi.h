#pragma once

#include <string>
#include <string_view>
#include <vector>

// Names as people write them: a place, a style, in any letter case, with or without
// accents, with blanks, hyphens, dots or apostrophes between the words.
namespace almanacco {

// The name as names are compared: lower case, accents off the letters of Italian, French,
// German and the other Latin alphabets, and every run of blanks, hyphens, underscores,
// dots and apostrophes one hyphen ("Stile dell'Incarnazione" is
// "stile-dell-incarnazione", "m.v." is "m-v", "NL-ZE" is "nl-ze"). A letter with a
// combining accent after it is the letter.
std::string normalizzato(std::string_view nome);

// The names among `candidati` nearest to `nome` as a reader would mistype it (letters
// left out, added, changed or swapped), at most `quanti`, nearest first; none that are
// far from it.
std::vector<std::string_view> vicini(std::string_view nome,
                                     const std::vector<std::string_view>& candidati,
                                     std::size_t quanti = 3);

// The names of the rows of tables (each row's `nome`), in order: a table's own names, then
// the others it is known by, to look the nearest among.
template <class... Tabelle>
std::vector<std::string_view> nomiDelle(const Tabelle&... tabelle) {
  std::vector<std::string_view> nomi;
  (..., [&nomi](const auto& tabella) {
    for (const auto& riga : tabella) nomi.push_back(riga.nome);
  }(tabelle));
  return nomi;
}

}  // namespace almanacco
