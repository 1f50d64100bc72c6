#include "frmAlmanacco.h"

#include <QKeyEvent>
#include <cmath>

#include "Controlli.h"
#include "Etichetta.h"
#include "Forma.h"
#include "Piattaforma.h"
#include "testo.h"

namespace almanacco {

using namespace nomi;

namespace {
constexpr std::int16_t kTastoInvio = 13;

// The key code of a key as the handlers know them: Enter is 13 on both keyboards.
std::int16_t codiceTasto(const QKeyEvent& evento) {
  const int tasto = evento.key();
  if (tasto == Qt::Key_Return || tasto == Qt::Key_Enter) return kTastoInvio;
  if (tasto == Qt::Key_Escape) return 27;
  if ((tasto >= Qt::Key_Space && tasto <= Qt::Key_AsciiTilde))
    return static_cast<std::int16_t>(tasto);
  return 0;
}

std::int16_t statoModificatori(Qt::KeyboardModifiers modificatori) {
  std::int16_t stato = 0;
  if (modificatori & Qt::ShiftModifier) stato |= 1;
  if (modificatori & Qt::ControlModifier) stato |= 2;
  if (modificatori & Qt::AltModifier) stato |= 4;
  return stato;
}

QString facciaDi(Faccia faccia) {
  return faccia == Faccia::Arial ? QStringLiteral("Arial") : QStringLiteral("Times New Roman");
}
QString sostitutoDi(Faccia faccia) {
  return faccia == Faccia::Arial ? QStringLiteral("Liberation Sans")
                                 : QStringLiteral("Liberation Serif");
}
}  // namespace

// The engine's three label operations on the window's own labels.
class frmAlmanacco::Legame final : public LabelStore {
 public:
  explicit Legame(const frmAlmanacco& finestra) : finestra_(finestra) {}
  std::string caption(LabelId id) const override { return finestra_.caption(id); }
  void setCaption(LabelId id, std::string_view testo) override {
    if (auto* e = finestra_.etichetta(id))
      e->setCaption(QString::fromUtf8(testo.data(), static_cast<qsizetype>(testo.size())));
  }
  void setForeColor(LabelId id, Color colore) override {
    if (auto* e = finestra_.etichetta(id)) e->setForeColor(colore);
  }

 private:
  const frmAlmanacco& finestra_;
};

frmAlmanacco::frmAlmanacco(const Piattaforma& piattaforma, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      piattaforma_(piattaforma),
      twipsPerPixel_(piattaforma.twipsPerPixel()),
      width_(kLarghezzaProgetto),
      height_(kAltezzaProgetto),
      legame_(std::make_unique<Legame>(*this)),
      calendario_(*legame_) {
  setWindowTitle(QStringLiteral("Mesi"));
  setFocusPolicy(Qt::StrongFocus);
  ridimensiona();
  move(0, 0);

  ControlloTwips* frame1 = nullptr;
  for (const Controllo& riga : tabellaControlli()) {
    QWidget* contenitore = riga.inFrame1 ? static_cast<QWidget*>(frame1) : this;
    ControlloTwips* controllo = nullptr;
    switch (riga.tipo) {
      case Tipo::Cornice:
        controllo = frame1 = new ControlloTwips(contenitore, twipsPerPixel_);
        break;
      case Tipo::Forma:
        controllo = new Forma(contenitore, twipsPerPixel_, riga.testo, riga.spessore,
                              riga.pieno ? std::optional{riga.sfondo} : std::nullopt);
        break;
      case Tipo::Etichetta: {
        auto* e = new Etichetta(contenitore, twipsPerPixel_);
        e->setCaption(
            QString::fromUtf8(riga.caption.data(), static_cast<qsizetype>(riga.caption.size())));
        e->setFaccia(facciaDi(riga.faccia), sostitutoDi(riga.faccia));
        e->setFontSize(riga.punti);
        e->setBackColor(riga.sfondo);
        e->setForeColor(riga.testo);
        e->setOpaca(riga.opaca);
        e->setBordo(riga.bordo);
        controllo = e;
        break;
      }
    }
    controllo->setRettangolo(riga.left, riga.top, riga.width, riga.height);
    controllo->setVisible(riga.visibile);
    controlli_[{riga.nome.testo, riga.indice}] = controllo;
  }

  // Each cell group reports its clicks with the cell's index.
  const std::pair<Nome, void (frmAlmanacco::*)(std::int16_t)> gruppi[] = {
      {lblGiorni, &frmAlmanacco::lblGiorni_Click},
      {lblMese, &frmAlmanacco::lblMese_Click},
      {lblSecolo, &frmAlmanacco::lblSecolo_Click},
      {lblDecine, &frmAlmanacco::lblDecine_Click},
      {lblUnità, &frmAlmanacco::lblUnità_Click}};
  for (const auto& [gruppo, gestore] : gruppi)
    for (std::int16_t i = 0; i <= 31; ++i)
      if (auto* cella = etichetta(gruppo(i)))
        cella->setAlClick([this, gestore = gestore, i] { (this->*gestore)(i); });
  etichetta(Label2)->setAlClick([this] { Label2_Click(); });

  Form_Load();
}

frmAlmanacco::~frmAlmanacco() = default;

ControlloTwips* frmAlmanacco::controllo(LabelId id) const {
  const auto trovato = controlli_.find({id.name, id.index});
  return trovato == controlli_.end() ? nullptr : trovato->second;
}

Etichetta* frmAlmanacco::etichetta(LabelId id) const {
  return dynamic_cast<Etichetta*>(controllo(id));
}

Forma* frmAlmanacco::forma(std::int16_t indice) const {
  return dynamic_cast<Forma*>(controllo(Shpvari(indice)));
}

std::string frmAlmanacco::caption(LabelId id) const {
  const auto* e = etichetta(id);
  return e ? e->Caption().toStdString() : std::string{};
}

void frmAlmanacco::setCaption(LabelId id, std::string_view testo) {
  legame_->setCaption(id, testo);
}

void frmAlmanacco::Form_Load() {
  if (const auto schermo = piattaforma_.schermo();
      schermo && static_cast<float>(schermo->altezza) != kAltezzaProgetto)
    AdattaSchermo();

  const Data oggi = piattaforma_.oggi();
  if (const auto giorno = comeIntero(comeTesto(oggi.giorno))) scegliGiorno(*giorno);

  if (const auto mese = comeIntero(comeTesto(oggi.mese))) {
    seleziona(lblMese, lblMeseSel, *mese);
    if (const auto nome = nomeDelMese(caption(lblMeseSel))) setCaption(lblFinale(1), *nome);
  }

  // The cells of the year come from the digits of its text: the first two name the
  // century, the third the decade, the last the unit.
  setCaption(lblAnno, comeTesto(oggi.anno));
  if (const auto anno = comeIntero(caption(lblAnno))) {
    const std::string cifre = comeTesto(*anno);
    const auto secolo = comeIntero(std::string_view{cifre}.substr(0, 2));
    if (cifre.size() >= 2 && secolo && *secolo >= 15 && *secolo <= 22)
      seleziona(lblSecolo, lblSecoloSel, static_cast<std::int16_t>(*secolo - 14));
    const auto cifra = [&](std::size_t posizione) -> std::optional<std::int16_t> {
      if (posizione >= cifre.size()) return std::nullopt;
      return numeroTra(std::string_view{cifre}.substr(posizione, 1), 0, 9);
    };
    if (const auto decina = cifra(2)) seleziona(lblDecine, lblDecineSel, *decina);
    if (const auto unità = cifra(cifre.size() - 1)) seleziona(lblUnità, lblUnitàSel, *unità);
  }

  ricalcolaAnno();
}

void frmAlmanacco::seleziona(Nome gruppo, Nome holder, std::int16_t indice) {
  if (const auto precedente = comeIntero(caption(holder)))
    if (auto* cella = etichetta(gruppo(*precedente))) cella->setBackColor(kBianco);
  setCaption(holder, comeTesto(indice));
  if (auto* cella = etichetta(gruppo(indice))) cella->setBackColor(kRosa);
}

void frmAlmanacco::scegliGiorno(std::int16_t indice) {
  seleziona(lblGiorni, lblGiornoSel, indice);
  setCaption(lblFinale(0), caption(lblGiornoSel));
}

void frmAlmanacco::ricalcolaAnno() {
  calendario_.ComponiAnno();
  calendario_.CalcolaIndice();
  calendario_.DisponiSettimana();
  calendario_.ScriviRisultato();
}

void frmAlmanacco::lblGiorni_Click(std::int16_t Index) {
  scegliGiorno(Index);
  calendario_.ScriviRisultato();
}

void frmAlmanacco::lblMese_Click(std::int16_t Index) {
  const auto resto = comeIntero(caption(lblRestoAnno));
  seleziona(lblMese, lblMeseSel, Index);
  const std::string mese = caption(lblMeseSel);
  if (const auto nome = nomeDelMese(mese)) setCaption(lblFinale(1), *nome);

  // The month's length shows or hides the days 29 to 31, and a selected day that the
  // month lacks moves to the 1st.
  if (const auto giorni = giorniDelMese(mese, resto)) {
    for (std::int16_t d = 29; d <= 31; ++d) etichetta(lblGiorni(d))->setVisible(d <= *giorni);
    if (numeroTra(caption(lblGiornoSel), *giorni + 1, 31)) scegliGiorno(1);
  }

  calendario_.CalcolaIndice();
  calendario_.DisponiSettimana();
  calendario_.ScriviRisultato();
}

void frmAlmanacco::lblSecolo_Click(std::int16_t Index) {
  seleziona(lblSecolo, lblSecoloSel, Index);
  ricalcolaAnno();
}

void frmAlmanacco::lblDecine_Click(std::int16_t Index) {
  seleziona(lblDecine, lblDecineSel, Index);
  ricalcolaAnno();
}

void frmAlmanacco::lblUnità_Click(std::int16_t Index) {
  seleziona(lblUnità, lblUnitàSel, Index);
  ricalcolaAnno();
}

void frmAlmanacco::Form_KeyDown(std::int16_t KeyCode, std::int16_t /*Shift*/) {
  if (KeyCode == kTastoInvio) close();
}

void frmAlmanacco::Label2_Click() {
  close();
}

void frmAlmanacco::keyPressEvent(QKeyEvent* evento) {
  Form_KeyDown(codiceTasto(*evento), statoModificatori(evento->modifiers()));
}

void frmAlmanacco::ridimensiona() {
  setFixedSize(static_cast<int>(std::lround(width_ / twipsPerPixel_)),
               static_cast<int>(std::lround(height_ / twipsPerPixel_)));
}

void frmAlmanacco::AdattaSchermo() {
  const auto schermo = piattaforma_.schermo();
  // Without a real screen size there is nothing to adapt to: keep the layout as drawn.
  if (!schermo || !(schermo->larghezza > 0) || !(schermo->altezza > 0) ||
      !std::isfinite(schermo->larghezza) || !std::isfinite(schermo->altezza))
    return;
  const double verticale = schermo->altezza / kAltezzaProgetto;
  const double orizzontale = schermo->larghezza / kLarghezzaProgetto;
  // Fonts grow and shrink less than the geometry does.
  constexpr double kDivisoreCaratteri = 13000;
  const double caratteri = schermo->altezza / kDivisoreCaratteri;

  height_ = static_cast<float>(height_ * verticale);
  width_ = static_cast<float>(width_ * orizzontale);
  ridimensiona();

  const auto adatta = [&](ControlloTwips* c) {
    c->setHeight(static_cast<float>(c->Height() * verticale));
    c->setWidth(static_cast<float>(c->Width() * orizzontale));
    c->setTop(static_cast<float>(c->Top() * verticale));
    c->setLeft(static_cast<float>(c->Left() * orizzontale));
    if (auto* e = dynamic_cast<Etichetta*>(c))
      e->setFontSize(static_cast<float>(e->FontSize() * caratteri));
  };
  const auto adattaDa = [&](Nome nome, std::int16_t primo, std::int16_t ultimo) {
    for (auto i = primo; i <= ultimo; ++i) adatta(controllo(nome(i)));
  };
  adattaDa(lblSCritteVarie, 0, 9);
  adattaDa(Shpvari, 0, 9);
  adattaDa(lblGiorni, 0, 31);
  adattaDa(lblNome, 1, 7);
  for (std::int16_t i = 0; i <= 9; ++i) {
    adatta(controllo(lblDecine(i)));
    adatta(controllo(lblUnità(i)));
  }
  adattaDa(lblMese, 1, 12);
  adattaDa(lblSecolo, 1, 8);
  adatta(controllo(lblNomeCompleto));
}

}  // namespace almanacco
