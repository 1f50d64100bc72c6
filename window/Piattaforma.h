#pragma once

#include <optional>

namespace almanacco {

struct Data {
  int giorno, mese, anno;
};

struct SchermoTwips {
  double larghezza, altezza;
};

// What the window asks of the machine: today's date and the size of the screen. Tests
// put the window on any date and any screen through it.
class Piattaforma {
 public:
  virtual ~Piattaforma() = default;
  virtual Data oggi() const = 0;
  // The whole screen in twips; nothing when there is no screen.
  virtual std::optional<SchermoTwips> schermo() const = 0;
  // Twips per pixel of the display: 1440 over its logical dots per inch.
  virtual double twipsPerPixel() const = 0;
};

// The local date of the system clock and the primary screen.
class PiattaformaDiSistema final : public Piattaforma {
 public:
  Data oggi() const override;
  std::optional<SchermoTwips> schermo() const override;
  double twipsPerPixel() const override;
};

}  // namespace almanacco

namespace almanacco {

// A chosen date on a chosen screen, for tests, benchmarks and the README's picture.
class PiattaformaFissa final : public Piattaforma {
 public:
  PiattaformaFissa(Data oggi, std::optional<SchermoTwips> schermo, double twipsPerPixel = 15)
      : oggi_(oggi), schermo_(schermo), twipsPerPixel_(twipsPerPixel) {}
  Data oggi() const override { return oggi_; }
  std::optional<SchermoTwips> schermo() const override { return schermo_; }
  double twipsPerPixel() const override { return twipsPerPixel_; }

 private:
  Data oggi_;
  std::optional<SchermoTwips> schermo_;
  double twipsPerPixel_;
};

}  // namespace almanacco
