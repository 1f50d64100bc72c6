#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "etichette.h"
#include "luoghi.h"

namespace almanacco {

enum class Tipo : std::uint8_t { Etichetta, Forma, Cornice };
enum class Faccia : std::uint8_t { Arial, TimesNewRoman };

// One control of the window as it is created: one row of the layout.
struct Controllo {
  Tipo tipo = Tipo::Etichetta;
  Nome nome;
  std::int16_t indice = kNoIndex;
  std::string caption;
  float left = 0, top = 0, width = 0, height = 0;  // twips, from the container's corner
  Faccia faccia = Faccia::Arial;
  float punti = 14.25F;
  Color sfondo = kBianco;        // a label's background, a filled shape's fill
  Color testo = kTestoPulsante;  // a label's text, a shape's outline
  bool opaca = true;
  bool visibile = true;
  bool inFrame1 = false;  // placed in Frame1 rather than on the window
  bool bordo = false;     // a thin single line round a label
  int spessore = 1;       // a shape's outline, in pixels
  bool pieno = false;     // a shape filled with `sfondo`

  LabelId id() const { return {nome.testo, indice}; }
};

// Every control of the window in creation order: a control created later lies on top,
// so the shapes come first and the result line lies on its pink box.
const std::vector<Controllo>& tabellaControlli();

// What the window is for, as its description says: the change to the Gregorian calendar
// of the place the window counts in ("in Inghilterra a partire dal 14 Settembre 1752..."),
// Italy's as the window was designed.
std::string descrizioneDi(const Luogo& luogo);
inline constexpr LabelId kDescrizione{"lblSCritteVarie", 8};

// The window's client area as laid out, in twips: 1024 x 768 pixels at 15 twips a pixel.
inline constexpr float kLarghezzaProgetto = 15360;
inline constexpr float kAltezzaProgetto = 11520;

}  // namespace almanacco
