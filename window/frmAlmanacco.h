#pragma once

#include <QWidget>
#include <cstdint>
#include <map>
#include <memory>
#include <string_view>
#include <utility>

#include "Calendario.h"
#include "etichette.h"

namespace almanacco {

class ControlloTwips;
class Etichetta;
class Forma;
class Piattaforma;

// The window: a perpetual calendar of labels. It owns every control and, in the labels'
// captions, all the state; its handlers keep the highlighted cells, the weekday header
// and the result line in step with every click.
class frmAlmanacco final : public QWidget {
 public:
  // Creates every control and runs Form_Load; the caller shows the window.
  explicit frmAlmanacco(const Piattaforma& piattaforma, QWidget* parent = nullptr);
  ~frmAlmanacco() override;

  void Form_Load();
  void Form_KeyDown(std::int16_t KeyCode, std::int16_t Shift);
  void lblGiorni_Click(std::int16_t Index);
  void lblMese_Click(std::int16_t Index);
  void lblSecolo_Click(std::int16_t Index);
  void lblDecine_Click(std::int16_t Index);
  void lblUnità_Click(std::int16_t Index);
  void Label2_Click();
  void AdattaSchermo();

  // The window's outer size in twips, frameless, so also its client area.
  float Width() const { return width_; }
  float Height() const { return height_; }

  // A control by name and index; nothing for a name or index the window does not have.
  ControlloTwips* controllo(LabelId id) const;
  Etichetta* etichetta(LabelId id) const;
  Forma* forma(std::int16_t indice) const;

 protected:
  void keyPressEvent(QKeyEvent* evento) override;

 private:
  class Legame;

  std::string caption(LabelId id) const;
  void setCaption(LabelId id, std::string_view testo);
  // Moves a group's highlight from the cell its holder names to the cell `indice`.
  void seleziona(Nome gruppo, Nome holder, std::int16_t indice);
  void scegliGiorno(std::int16_t indice);
  void ricalcolaAnno();
  void ridimensiona();

  const Piattaforma& piattaforma_;
  double twipsPerPixel_;
  float width_, height_;
  std::map<std::pair<std::string_view, std::int16_t>, ControlloTwips*> controlli_;
  std::unique_ptr<Legame> legame_;
  Calendario calendario_;
};

}  // namespace almanacco
