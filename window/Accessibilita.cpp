#include "Accessibilita.h"

#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <algorithm>
#include <utility>
#include <vector>

#include "Annunci.h"
#include "Controlli.h"
#include "Etichetta.h"
#include "GruppoDiCelle.h"
#include "frmAlmanacco.h"
#include "gruppi.h"
#include "tabelle.h"

namespace almanacco {

namespace {

using namespace nomi;

// The window's title text, which a screen reader may offer as a heading.
constexpr LabelId kTitolo = lblSCritteVarie(5);

QString daUtf8(std::string_view testo) {
  return QString::fromUtf8(testo.data(), static_cast<qsizetype>(testo.size()));
}

QAccessibleInterface* faccia(QObject* oggetto) {
  return oggetto ? QAccessible::queryAccessibleInterface(oggetto) : nullptr;
}

int posizioneDi(const std::vector<QAccessibleInterface*>& figli,
                const QAccessibleInterface* figlio) {
  const auto trovato = std::find(figli.begin(), figli.end(), figlio);
  return trovato == figli.end() ? -1 : static_cast<int>(trovato - figli.begin());
}

QAccessibleInterface* figlioNumero(const std::vector<QAccessibleInterface*>& figli, int indice) {
  return indice >= 0 && indice < static_cast<int>(figli.size())
             ? figli[static_cast<std::size_t>(indice)]
             : nullptr;
}

QAccessibleInterface* figlioIn(const std::vector<QAccessibleInterface*>& figli, int x, int y) {
  for (auto* figlio : figli)
    if (figlio->rect().contains(x, y)) return figlio;
  return nullptr;
}

// A cell: a radio button, checked while it is highlighted, whose press is a click.
class CellaAccessibile final : public QAccessibleWidget, public annunci::Letture {
 public:
  CellaAccessibile(Etichetta* cella, frmAlmanacco* finestra, Gruppo gruppo)
      : QAccessibleWidget(cella, QAccessible::RadioButton), finestra_(finestra), gruppo_(gruppo) {}

  QAccessibleInterface* parent() const override {
    return faccia(finestra_->oggettoGruppo(gruppo_));
  }
  QString text(QAccessible::Text tipo) const override {
    letto(tipo);
    if (tipo == QAccessible::Name) {
      // A month is read by its full name, not by the three letters on the cell.
      if (gruppo_ == Gruppo::Mese && indice() >= 1 && indice() <= 12)
        return daUtf8(kNomiMesi[static_cast<std::size_t>(indice() - 1)]);
      return cella()->Caption();
    }
    if (tipo == QAccessible::Description) return finestra_->descrizione(gruppo_, indice());
    return {};
  }
  QAccessible::State state() const override {
    QAccessible::State stato = QAccessibleWidget::state();
    stato.focusable = true;
    stato.checkable = true;
    stato.checked = cella()->BackColor() == kRosa;
    return stato;
  }
  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& azione) override {
    // A hidden cell cannot be clicked, so a stale reference to one presses nothing.
    if (azione == pressAction() && !cella()->isHidden()) finestra_->premi(gruppo_, indice());
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

 private:
  Etichetta* cella() const { return static_cast<Etichetta*>(widget()); }
  std::int16_t indice() const { return cella()->id().index; }

  frmAlmanacco* finestra_;
  Gruppo gruppo_;
};

// A text that only informs: the title, the weekday header, the result line and the rest.
class TestoAccessibile final : public QAccessibleWidget, public annunci::Letture {
 public:
  TestoAccessibile(Etichetta* etichetta, QAccessible::Role ruolo)
      : QAccessibleWidget(etichetta, ruolo) {}
  QString text(QAccessible::Text tipo) const override {
    letto(tipo);
    if (tipo != QAccessible::Name) return {};
    const auto* etichetta = static_cast<Etichetta*>(widget());
    // A weekday of the header is read by its full name, not by the letters above its
    // column ("Ma" is Martedì).
    if (etichetta->id().name == lblNome.testo)
      for (std::size_t g = 0; g < kAbbreviazioni.size(); ++g)
        if (etichetta->Caption() == daUtf8(kAbbreviazioni[g])) return daUtf8(kNomiGiorni[g]);
    return etichetta->Caption();
  }
  QAccessible::State state() const override {
    QAccessible::State stato = QAccessibleWidget::state();
    stato.readOnly = true;
    return stato;
  }
};

// A group of cells, parent of its shown cells in reading order.
class GruppoAccessibile final : public QAccessibleObject {
 public:
  GruppoAccessibile(GruppoDiCelle* gruppo, frmAlmanacco* finestra)
      : QAccessibleObject(gruppo), finestra_(finestra), gruppo_(gruppo->gruppo()) {}

  QAccessibleInterface* parent() const override { return faccia(finestra_); }
  int childCount() const override { return static_cast<int>(celle().size()); }
  QAccessibleInterface* child(int indice) const override { return figlioNumero(celle(), indice); }
  int indexOfChild(const QAccessibleInterface* figlio) const override {
    return posizioneDi(celle(), figlio);
  }
  QAccessibleInterface* childAt(int x, int y) const override { return figlioIn(celle(), x, y); }
  QAccessible::Role role() const override { return QAccessible::Grouping; }
  QString text(QAccessible::Text tipo) const override {
    return tipo == QAccessible::Name ? daUtf8(nomeGruppo(gruppo_)) : QString();
  }
  QAccessible::State state() const override {
    QAccessible::State stato;
    stato.invisible = !finestra_->isVisible();
    return stato;
  }
  QRect rect() const override {
    QRect area;
    for (auto* cella : celle()) area = area.united(cella->rect());
    return area;
  }
  QWindow* window() const override { return finestra_->windowHandle(); }

 private:
  std::vector<QAccessibleInterface*> celle() const {
    std::vector<QAccessibleInterface*> figli;
    for (const std::int16_t i : celleInOrdine(gruppo_, finestra_->giorniMostrati()))
      if (auto* figlio = faccia(finestra_->etichetta(celleDi(gruppo_)(i)))) figli.push_back(figlio);
    return figli;
  }

  frmAlmanacco* finestra_;
  Gruppo gruppo_;
};

// The window, "Mesi": its shown texts and its five groups, in the order the eye reads
// them, top to bottom and left to right. Shapes, hidden labels and empty texts are left
// out: they say nothing.
class FinestraAccessibile final : public QAccessibleWidget {
 public:
  explicit FinestraAccessibile(frmAlmanacco* finestra)
      : QAccessibleWidget(finestra, QAccessible::Window) {}

  int childCount() const override { return static_cast<int>(figli().size()); }
  QAccessibleInterface* child(int indice) const override { return figlioNumero(figli(), indice); }
  int indexOfChild(const QAccessibleInterface* figlio) const override {
    return posizioneDi(figli(), figlio);
  }
  QAccessibleInterface* childAt(int x, int y) const override { return figlioIn(figli(), x, y); }

 private:
  std::vector<QAccessibleInterface*> figli() const {
    const auto* finestra = static_cast<const frmAlmanacco*>(widget());
    struct Posto {
      QPoint angolo;
      QAccessibleInterface* faccia;
    };
    std::vector<Posto> posti;
    for (const Controllo& riga : tabellaControlli()) {
      if (riga.tipo != Tipo::Etichetta || riga.inFrame1) continue;
      const Etichetta* e = finestra->etichetta(riga.id());
      if (e == nullptr) continue;
      if (const auto gruppo = gruppoDelleCelle(riga.nome.testo)) {
        // A group stands where its first cell does.
        if (riga.indice == celleInOrdine(*gruppo, kTuttiIGiorni).front())
          posti.push_back({e->pos(), faccia(finestra->oggettoGruppo(*gruppo))});
      } else if (!e->isHidden() && !e->Caption().isEmpty()) {
        posti.push_back({e->pos(), faccia(const_cast<Etichetta*>(e))});
      }
    }
    std::stable_sort(posti.begin(), posti.end(), [](const Posto& a, const Posto& b) {
      return a.angolo.y() != b.angolo.y() ? a.angolo.y() < b.angolo.y()
                                          : a.angolo.x() < b.angolo.x();
    });
    std::vector<QAccessibleInterface*> tutti;
    for (const Posto& p : posti)
      if (p.faccia) tutti.push_back(p.faccia);
    return tutti;
  }
};

QAccessibleInterface* fabbrica(const QString&, QObject* oggetto) {
  if (auto* gruppo = dynamic_cast<GruppoDiCelle*>(oggetto))
    if (auto* finestra = dynamic_cast<frmAlmanacco*>(gruppo->parent()))
      return new GruppoAccessibile(gruppo, finestra);
  if (auto* finestra = dynamic_cast<frmAlmanacco*>(oggetto))
    return new FinestraAccessibile(finestra);
  auto* etichetta = dynamic_cast<Etichetta*>(oggetto);
  if (etichetta == nullptr) return nullptr;
  auto* finestra = dynamic_cast<frmAlmanacco*>(etichetta->window());
  if (finestra == nullptr) return nullptr;
  if (const auto gruppo = gruppoDelleCelle(etichetta->id().name))
    return new CellaAccessibile(etichetta, finestra, *gruppo);
  return new TestoAccessibile(
      etichetta, etichetta->id() == kTitolo ? QAccessible::Heading : QAccessible::StaticText);
}

}  // namespace

namespace accessibile {

void installa() {
  QAccessible::installFactory(fabbrica);
}

}  // namespace accessibile
}  // namespace almanacco
