#pragma once

#include <QTest>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Etichetta.h"
#include "Piattaforma.h"
#include "digita.h"
#include "frmAlmanacco.h"

namespace almanacco::prova {

// A window opened on a chosen day and screen. The screen defaults to the one the
// layout was drawn for, 1024 x 768 pixels at 15 twips a pixel.
struct Finestra {
  explicit Finestra(Data oggi, std::optional<SchermoTwips> schermo = SchermoTwips{15360, 11520},
                    const Luogo& luogo = kItaliaLuogo)
      : piattaforma(oggi, schermo), form(piattaforma, luogo) {}

  std::string operator[](LabelId id) const {
    const auto* e = form.etichetta(id);
    return e ? e->Caption().toStdString() : "<no such label>";
  }
  Etichetta& cella(LabelId id) const {
    auto* e = form.etichetta(id);
    if (e == nullptr) qFatal("no label %s(%d)", id.name.data(), id.index);
    return *e;
  }
  // The indices of a group's cells that carry the selected background.
  std::vector<int> evidenziate(Nome gruppo) const {
    std::vector<int> indici;
    for (std::int16_t i = 0; i <= 31; ++i)
      if (const auto* e = form.etichetta(gruppo(i)); e && e->BackColor() == kRosa)
        indici.push_back(i);
    return indici;
  }

  // The day cells hidden because the month did not have those days.
  std::vector<int> giorniNascosti() const {
    std::vector<int> giorni;
    for (std::int16_t d = 1; d <= 31; ++d)
      if (cella(nomi::lblGiorni(d)).isHidden()) giorni.push_back(d);
    return giorni;
  }

  PiattaformaFissa piattaforma;
  frmAlmanacco form;
};

// Every test of a class derived from this starts on a window opened on 8 December 2026
// and shown, and ends with it gone.
class ConFinestra : public QObject {
  Q_OBJECT

 protected slots:
  void init() {
    finestra_ = std::make_unique<Finestra>(Data{8, 12, 2026});
    finestra_->form.show();
  }
  void cleanup() { finestra_.reset(); }

 protected:
  Finestra& finestra() { return *finestra_; }

 private:
  std::unique_ptr<Finestra> finestra_;
};

}  // namespace almanacco::prova

// Lists of cell indices print as {1 2 3} when a comparison fails.
template <>
inline char* QTest::toString(const std::vector<int>& indici) {
  QByteArray testo = "{";
  for (const int i : indici) testo += QByteArray::number(i) + ' ';
  return qstrdup(testo + "}");
}
