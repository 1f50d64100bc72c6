#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "etichette.h"
#include "tabelle.h"

namespace almanacco {

// Century cell i (1 to 8) stands for the years (14 + i)00 to (14 + i)99: the prefix
// of the year is the cell's caption without its two zeros.
inline constexpr std::array<std::string_view, 8> kPrefissiSecolo{"15", "16", "17", "18",
                                                                 "19", "20", "21", "22"};

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
