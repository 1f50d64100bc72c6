#include "scritte.h"

#include <iterator>
#include <string_view>

#include "tabelle.h"

namespace almanacco {

std::string giornoEMese(int giorno, int mese) {
  if (mese < 1 || mese > 12) return std::to_string(giorno) + "/" + std::to_string(mese);
  std::string nome(kNomiMesi[static_cast<std::size_t>(mese - 1)]);
  nome.front() = static_cast<char>(nome.front() | 0x20);
  return (giorno == 1 ? "1°" : std::to_string(giorno)) + " " + nome;
}

std::string inParole(const Giornata& g) {
  return giornoEMese(g.giorno, g.mese) + " " + std::to_string(g.anno);
}

std::string inRomani(int n) {
  if (n < 1 || n > 3999) return std::to_string(n);
  constexpr std::string_view kCifre[] = {"M",  "CM", "D",  "CD", "C",  "XC", "L",
                                         "XL", "X",  "IX", "V",  "IV", "I"};
  constexpr int kValori[] = {1000, 900, 500, 400, 100, 90, 50, 40, 10, 9, 5, 4, 1};
  std::string testo;
  for (std::size_t i = 0; i < std::size(kValori); ++i)
    for (; n >= kValori[i]; n -= kValori[i]) testo += kCifre[i];
  return testo;
}

}  // namespace almanacco
