#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "etichette.h"

namespace almanacco {

namespace dettaglio {
inline constexpr std::array<std::array<char, 2>, 32> kNumeri = [] {
  std::array<std::array<char, 2>, 32> testi{};
  for (std::size_t n = 0; n < testi.size(); ++n)
    testi[n] = n < 10
                   ? std::array{static_cast<char>('0' + n), '\0'}
                   : std::array{static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10)};
  return testi;
}();
}  // namespace dettaglio

// The decimal text of 0 to 31: the captions of the day and digit cells.
constexpr std::string_view numeroInLettere(int n) {
  if (n < 0 || n >= static_cast<int>(dettaglio::kNumeri.size())) return {};
  return {dettaglio::kNumeri[static_cast<std::size_t>(n)].data(), n < 10 ? 1U : 2U};
}
static_assert(numeroInLettere(7) == "7" && numeroInLettere(31) == "31");

// What the labels that the engine reads and writes hold when the window is created. The
// window's control table takes these same values, so the two never disagree.
namespace creazione {
inline constexpr std::string_view giornoSel = "0";  // names the hidden spare day cell
inline constexpr std::string_view meseSel = "0";
inline constexpr std::string_view secoloSel = "0";
inline constexpr std::string_view decineSel = "5";
inline constexpr std::string_view unitàSel = "10";  // names the hidden spare unit cell
inline constexpr std::string_view anno = "1957";
inline constexpr std::string_view restoAnno = "0";
inline constexpr std::string_view indice = "";
// The header of a month whose 1st is a Saturday, like June 1957.
inline constexpr std::array<std::string_view, 7> nome{"S", "D", "L", "Ma", "Me", "G", "V"};
inline constexpr std::string_view finaleGiorno = "15";
inline constexpr std::string_view finaleMese = "Giugno";
inline constexpr std::string_view finaleSettimana = "Sabato";
inline constexpr std::string_view nomeCompleto = "15 Giugno 1957: Sabato";
inline constexpr Color testoGiorni = kNero;
inline constexpr Color testoNome = kTestoPulsante;
}  // namespace creazione

struct EtichettaIniziale {
  LabelId id;
  std::string_view caption;
  Color testo;
};

// Every label the engine touches, with its caption and text colour at creation.
std::vector<EtichettaIniziale> etichetteDelMotore();

}  // namespace almanacco
