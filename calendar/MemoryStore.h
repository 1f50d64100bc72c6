#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>

#include "etichette.h"

namespace almanacco {

// The labels without a window: every label the engine touches, starting with its caption
// and text colour as the window creates it. A label it did not start with is added on
// its first write; reading one yields an empty caption.
class MemoryStore final : public LabelStore {
 public:
  MemoryStore();

  std::string caption(LabelId id) const override;
  void setCaption(LabelId id, std::string_view text) override;
  void setForeColor(LabelId id, Color color) override;

  // The text colour of a label; nothing for a label the store does not hold.
  std::optional<Color> foreColor(LabelId id) const;

 private:
  struct Voce {
    std::string caption;
    std::optional<Color> testo;
  };
  using Chiave = std::pair<std::string, std::int16_t>;

  std::map<Chiave, Voce, std::less<>> voci_;
};

}  // namespace almanacco
