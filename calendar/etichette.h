#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace almanacco {

// The index of a label that is not an element of an array.
inline constexpr std::int16_t kNoIndex = -1;

// A label of the window: its name and, for an element of a label array, its index.
struct LabelId {
  std::string_view name;
  std::int16_t index = kNoIndex;

  friend constexpr bool operator==(const LabelId&, const LabelId&) = default;
};

// A label name that reads like the window's own: `lblAnno` for a single label,
// `lblNome(3)` for an element of an array.
struct Nome {
  std::string_view testo;

  constexpr operator LabelId() const { return {testo}; }
  constexpr LabelId operator()(std::int16_t index) const { return {testo, index}; }
};

// Every label and control name of the window, spelled as the window spells it.
namespace nomi {
// The selection state.
inline constexpr Nome lblGiornoSel{"lblGiornoSel"}, lblMeseSel{"lblMeseSel"},
    lblSecoloSel{"lblSecoloSel"}, lblDecineSel{"lblDecineSel"}, lblUnitàSel{"lblUnitàSel"},
    lblAnno{"lblAnno"}, lblRestoAnno{"lblRestoAnno"}, lblIndice{"lblIndice"};
// The cell groups.
inline constexpr Nome lblGiorni{"lblGiorni"}, lblMese{"lblMese"}, lblSecolo{"lblSecolo"},
    lblDecine{"lblDecine"}, lblUnità{"lblUnità"};
// The weekday header and the result.
inline constexpr Nome lblNome{"lblNome"}, lblFinale{"lblFinale"},
    lblNomeCompleto{"lblNomeCompleto"};
// Fixed texts, shapes and the rest of the window.
inline constexpr Nome lblSCritteVarie{"lblSCritteVarie"}, Shpvari{"Shpvari"}, Frame1{"Frame1"},
    Label1{"Label1"}, Label2{"Label2"};
}  // namespace nomi

// Colours as the palette writes them, 0x00BBGGRR. Values with the top bit set name a
// colour of the desktop instead, as the window toolkit resolves it.
using Color = std::uint32_t;

inline constexpr Color kNero = 0x000000;
inline constexpr Color kRossoScuro = 0x0000C0;
inline constexpr Color kBianco = 0xFFFFFF;
inline constexpr Color kRosa = 0xC0C0FF;
inline constexpr Color kSfondoFinestra = 0x80000005;  // an edit field's background
inline constexpr Color kTestoFinestra = 0x80000008;   // an edit field's text
inline constexpr Color kSfondoPulsante = 0x8000000F;  // a dialog's background
inline constexpr Color kTestoPulsante = 0x80000012;   // a dialog's text

constexpr bool coloreDiSistema(Color c) {
  return (c & 0x80000000U) != 0;
}

// All the engine needs of the window: three operations on labels. Reading a label that
// the store does not know yields an empty caption; writing one is the store's business.
class LabelStore {
 public:
  virtual ~LabelStore() = default;
  virtual std::string caption(LabelId id) const = 0;
  virtual void setCaption(LabelId id, std::string_view text) = 0;
  virtual void setForeColor(LabelId id, Color color) = 0;
};

}  // namespace almanacco
