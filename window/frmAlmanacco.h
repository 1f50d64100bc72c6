#pragma once

#include <QWidget>
#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

#include "Calendario.h"
#include "etichette.h"
#include "luoghi.h"
#include "navigazione.h"

namespace almanacco {

class ControlloTwips;
class Etichetta;
class Forma;
class MisuraComune;
class Piattaforma;

// The window: a perpetual calendar of labels. It owns every control and, in the labels'
// captions, all the state; its handlers keep the highlighted cells, the weekday header
// and the result line in step with every click.
class frmAlmanacco final : public QWidget, private LabelStore {
 public:
  // Creates every control and runs Form_Load; the caller shows the window. Its weekdays
  // and days are those of the place's calendar, and its description names the place's
  // change.
  explicit frmAlmanacco(const Piattaforma& piattaforma, const Luogo& luogo = kItaliaLuogo,
                        QWidget* parent = nullptr);
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

  // What a click on a cell does, whoever makes it: the mouse or a screen reader's press.
  void premi(Gruppo gruppo, std::int16_t indice);
  // A date pasted as text, read as the terminal reads it: one the window offers chooses
  // its five cells as clicks would; anything else changes nothing, beeps, and tells a
  // screen reader why.
  void incolla(const QString& testo);
  // The keyboard focus: a group and one of its shown cells.
  Gruppo gruppoAttivo() const { return gruppoAttivo_; }
  std::int16_t cellaAttiva() const { return cellaAttiva_; }
  // The day cells shown: the days the selected month had.
  GiorniDelMese giorniMostrati() const;
  // What a screen reader says after a cell's name and state: its group and, for the
  // cell with the focus, the result line.
  QString descrizione(Gruppo gruppo, std::int16_t indice) const;
  // The object that stands for a group of cells to assistive technology.
  QObject* oggettoGruppo(Gruppo gruppo) const;

 protected:
  void keyPressEvent(QKeyEvent* evento) override;
  bool focusNextPrevChild(bool avanti) override;

 private:
  std::string caption(LabelId id) const override;
  void setCaption(LabelId id, std::string_view testo) override;
  void setForeColor(LabelId id, Color colore) override;
  // Moves a group's highlight from the cell its holder names to the cell `indice`.
  void seleziona(Nome gruppo, Nome holder, std::int16_t indice);
  void scegliGiorno(std::int16_t indice);
  void ricalcolaAnno();
  void mostraGiorniDelMese();
  void ridimensiona();
  // Gives each group of like texts one size: the largest at which all of them fit, decided
  // when the group is first drawn.
  void unaMisuraPerGruppo();
  // One road for every way of choosing a cell: the click handler, then the focus.
  void scegli(Gruppo gruppo, std::int16_t indice);
  // Whether the cell is among those its group shows now.
  bool mostrata(Gruppo gruppo, std::int16_t indice) const;
  std::int16_t cellaEvidenziata(Gruppo gruppo) const;
  Etichetta* cellaConIlFuoco() const;
  void spostaFuoco(Gruppo gruppo, std::int16_t indice, bool rigaCambiata);
  void mostraSegno(bool visibile);

  const Piattaforma& piattaforma_;
  const Luogo& luogo_;
  double twipsPerPixel_;
  float width_, height_;
  std::map<std::pair<std::string_view, std::int16_t>, ControlloTwips*> controlli_;
  Calendario calendario_;
  Gruppo gruppoAttivo_ = Gruppo::Giorno;
  std::int16_t cellaAttiva_ = 0;
  bool segnoVisibile_ = false;  // the focus rectangle: shown after a key, gone at a click
  QString rifiuto_;             // why the last paste changed nothing, until the next key or click
  // The day the user chose, by click, key or paste (today's at start-up). While the month
  // lacks it the nearest earlier day that it has is selected; it comes back with a month
  // and year that have it, so that the five choices give one date in any order.
  std::int16_t giornoScelto_ = 0;
  std::array<QObject*, kGruppi> gruppi_{};
  std::vector<std::unique_ptr<MisuraComune>> misureComuni_;
};

}  // namespace almanacco
