#include "frmAlmanacco.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <algorithm>
#include <cmath>
#include <vector>

#include "Annunci.h"
#include "Controlli.h"
#include "Etichetta.h"
#include "Forma.h"
#include "GruppoDiCelle.h"
#include "MisuraComune.h"
#include "Piattaforma.h"
#include "citazione.h"
#include "motivi.h"
#include "risposta.h"
#include "testo.h"

namespace almanacco {

using namespace nomi;

namespace {
// The keys the window answers, with the codes its key handler knows them by (Enter's is
// 13, as on every keyboard) and, for those that move the selection, where they move it.
// Every other key has code 0 and does nothing.
struct Tasto {
  int qt;
  std::int16_t codice;
  std::optional<Direzione> direzione;
};
constexpr std::int16_t kTastoTab = 9, kTastoInvio = 13, kTastoSpazio = 32;
constexpr Tasto kTasti[] = {
    {Qt::Key_Return, kTastoInvio, {}},     {Qt::Key_Enter, kTastoInvio, {}},
    {Qt::Key_Tab, kTastoTab, {}},          {Qt::Key_Backtab, kTastoTab, {}},
    {Qt::Key_Space, kTastoSpazio, {}},     {Qt::Key_End, 35, Direzione::Fine},
    {Qt::Key_Home, 36, Direzione::Inizio}, {Qt::Key_Left, 37, Direzione::Sinistra},
    {Qt::Key_Up, 38, Direzione::Su},       {Qt::Key_Right, 39, Direzione::Destra},
    {Qt::Key_Down, 40, Direzione::Giù}};

// Bits of the modifier state.
constexpr std::int16_t kMaiuscolo = 1, kControllo = 2, kAlt = 4;

std::int16_t codiceTasto(const QKeyEvent& evento) {
  for (const Tasto& t : kTasti)
    if (t.qt == evento.key()) return t.codice;
  return 0;
}

std::optional<Direzione> direzioneDi(std::int16_t codice) {
  for (const Tasto& t : kTasti)
    if (t.codice == codice) return t.direzione;
  return std::nullopt;
}

std::int16_t statoModificatori(Qt::KeyboardModifiers modificatori) {
  std::int16_t stato = 0;
  if (modificatori & Qt::ShiftModifier) stato |= kMaiuscolo;
  if (modificatori & Qt::ControlModifier) stato |= kControllo;
  if (modificatori & Qt::AltModifier) stato |= kAlt;
  return stato;
}

// The click handler of each group, in the order of the groups.
using Gestore = void (frmAlmanacco::*)(std::int16_t);
constexpr std::array<Gestore, kGruppi> kGestori{
    &frmAlmanacco::lblGiorni_Click, &frmAlmanacco::lblMese_Click, &frmAlmanacco::lblSecolo_Click,
    &frmAlmanacco::lblDecine_Click, &frmAlmanacco::lblUnità_Click};

// The labels that a printed calendar sets in one size: the day numbers, the month names,
// the centuries, the two blocks of digits together, the weekday header and the group
// headings. The header's captions move from cell to cell as the month changes, so each of
// its cells must take any of them; the others keep their captions.
struct Tratto {
  Nome nome;
  std::int16_t primo, ultimo;
};
struct GruppoDiTesti {
  std::array<Tratto, 2> tratti;
  bool testiCheGirano = false;
};
constexpr Tratto kNessuno{lblGiorni, 1, 0};
constexpr GruppoDiTesti kGruppiDiTesti[] = {
    {{Tratto{lblGiorni, 1, 31}, kNessuno}},    {{Tratto{lblMese, 1, 12}, kNessuno}},
    {{Tratto{lblSecolo, 1, 8}, kNessuno}},     {{Tratto{lblDecine, 0, 9}, {lblUnità, 0, 9}}},
    {{Tratto{lblNome, 1, 7}, kNessuno}, true}, {{Tratto{lblSCritteVarie, 0, 4}, kNessuno}}};

QString facciaDi(Faccia faccia) {
  return faccia == Faccia::Arial ? QStringLiteral("Arial") : QStringLiteral("Times New Roman");
}
QString sostitutoDi(Faccia faccia) {
  return faccia == Faccia::Arial ? QStringLiteral("Liberation Sans")
                                 : QStringLiteral("Liberation Serif");
}
}  // namespace

frmAlmanacco::frmAlmanacco(const Piattaforma& piattaforma, const Luogo& luogo, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      piattaforma_(piattaforma),
      luogo_(luogo),
      twipsPerPixel_(piattaforma.twipsPerPixel()),
      width_(kLarghezzaProgetto),
      height_(kAltezzaProgetto),
      calendario_(*this, luogo.conto) {
  setWindowTitle(QStringLiteral("Mesi"));
  // The keyboard focus lives on the cells; a click on the window must not take it from
  // them, which would repaint the whole window twice at every click.
  setFocusPolicy(Qt::NoFocus);
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
        const std::string caption = riga.id() == kDescrizione && &luogo != &kItaliaLuogo
                                        ? descrizioneDi(luogo)
                                        : riga.caption;
        e->setCaption(QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())));
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
    controllo->setId(riga.id());
    controllo->setRettangolo(riga.left, riga.top, riga.width, riga.height);
    controllo->setVisible(riga.visibile);
    controlli_[{riga.nome.testo, riga.indice}] = controllo;
  }

  // Each cell reports its clicks with its group and index.
  for (const Gruppo gruppo : kTuttiIGruppi) {
    gruppi_[static_cast<std::size_t>(gruppo)] = new GruppoDiCelle(this, gruppo);
    for (std::int16_t i = 0; i <= 31; ++i)
      if (auto* cella = etichetta(celleDi(gruppo)(i)))
        cella->setAlClick([this, gruppo, i] { premi(gruppo, i); });
  }
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

// The engine's three label operations, on the window's own labels.
std::string frmAlmanacco::caption(LabelId id) const {
  const auto* e = etichetta(id);
  return e ? e->Caption().toStdString() : std::string{};
}

void frmAlmanacco::setCaption(LabelId id, std::string_view testo) {
  if (auto* e = etichetta(id))
    e->setCaption(QString::fromUtf8(testo.data(), static_cast<qsizetype>(testo.size())));
}

void frmAlmanacco::setForeColor(LabelId id, Color colore) {
  if (auto* e = etichetta(id)) e->setForeColor(colore);
}

void frmAlmanacco::Form_Load() {
  if (const auto schermo = piattaforma_.schermo();
      schermo && static_cast<float>(schermo->altezza) != kAltezzaProgetto)
    AdattaSchermo();
  unaMisuraPerGruppo();

  const Data oggi = piattaforma_.oggi();
  if (oggi.giorno >= 1 && oggi.giorno <= 31) {
    giornoScelto_ = static_cast<std::int16_t>(oggi.giorno);
    scegliGiorno(giornoScelto_);
  }
  if (oggi.mese >= 1 && oggi.mese <= 12) {
    seleziona(lblMese, lblMeseSel, static_cast<std::int16_t>(oggi.mese));
    if (const auto nome = nomeDelMese(caption(lblMeseSel))) setCaption(lblFinale(1), *nome);
  }

  // The cells of the year come from the digits of its text: the first two name the
  // century, the third the decade, the last the unit.
  const std::string cifre = comeTesto(oggi.anno);
  setCaption(lblAnno, cifre);
  if (const auto anno = comeIntero(cifre); anno && *anno >= 0) {
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

  // The keyboard starts on the day; nothing shows it until a key is pressed.
  spostaFuoco(Gruppo::Giorno, cellaEvidenziata(Gruppo::Giorno), false);
}

void frmAlmanacco::seleziona(Nome gruppo, Nome holder, std::int16_t indice) {
  Etichetta* prima = nullptr;
  if (const auto precedente = comeIntero(caption(holder)))
    if ((prima = etichetta(gruppo(*precedente)))) prima->setBackColor(kBianco);
  setCaption(holder, comeTesto(indice));
  Etichetta* dopo = etichetta(gruppo(indice));
  if (dopo) dopo->setBackColor(kRosa);
  if (prima != dopo) {
    if (prima && prima->isVisible()) annunci::spuntaCambiata(prima);
    if (dopo && dopo->isVisible()) annunci::spuntaCambiata(dopo);
  }
}

void frmAlmanacco::scegliGiorno(std::int16_t indice) {
  seleziona(lblGiorni, lblGiornoSel, indice);
  setCaption(lblFinale(0), caption(lblGiornoSel));
}

// A new year: the month's days may change with it (29 February, October 1582).
void frmAlmanacco::ricalcolaAnno() {
  calendario_.ComponiAnno();
  mostraGiorniDelMese();
  calendario_.ricalcolaMese();
}

// The day cells show the days the selected month had in the selected year, and the day
// selected is the chosen one or, while the month lacks it, the nearest earlier day it
// has: 28 or 29 February, the 30th, 4 October 1582 for the ten days that never were;
// where the month lacks every earlier day (February 1918 in Russia began on the 14th),
// its first day.
void frmAlmanacco::mostraGiorniDelMese() {
  const auto giorni = celleDeiGiorni(caption(lblAnno), caption(lblMeseSel), calendario_.conto());
  if (!giorni) return;
  for (std::int16_t d = 1; d <= 31; ++d) {
    Etichetta* giorno = etichetta(lblGiorni(d));
    const bool mostrato = (*giorni)[static_cast<std::size_t>(d)];
    if (giorno->isHidden() != mostrato) continue;
    giorno->setVisible(mostrato);
    annunci::cellaMostrata(giorno, mostrato);
  }
  if (giornoScelto_ < 1 || giornoScelto_ > 31) return;
  auto giorno = giornoScelto_;
  while (giorno > 1 && !(*giorni)[static_cast<std::size_t>(giorno)]) --giorno;
  while (giorno < 31 && !(*giorni)[static_cast<std::size_t>(giorno)]) ++giorno;
  if (caption(lblGiornoSel) != comeTesto(giorno)) scegliGiorno(giorno);
}

void frmAlmanacco::lblGiorni_Click(std::int16_t Index) {
  giornoScelto_ = Index;
  scegliGiorno(Index);
  calendario_.ScriviRisultato();
}

void frmAlmanacco::lblMese_Click(std::int16_t Index) {
  seleziona(lblMese, lblMeseSel, Index);
  if (const auto nome = nomeDelMese(caption(lblMeseSel))) setCaption(lblFinale(1), *nome);
  mostraGiorniDelMese();
  calendario_.ricalcolaMese();
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

void frmAlmanacco::Form_KeyDown(std::int16_t KeyCode, std::int16_t Shift) {
  if (KeyCode == kTastoInvio) {
    close();
    return;
  }
  if (Shift & (kControllo | kAlt)) return;
  const auto direzione = direzioneDi(KeyCode);
  if (KeyCode != kTastoTab && KeyCode != kTastoSpazio && !direzione) return;

  mostraSegno(true);
  if (KeyCode == kTastoTab) {
    const Gruppo gruppo = gruppoSeguente(gruppoAttivo_, (Shift & kMaiuscolo) == 0);
    spostaFuoco(gruppo, cellaEvidenziata(gruppo), false);
  } else if (KeyCode == kTastoSpazio) {
    if (mostrata(gruppoAttivo_, cellaAttiva_)) scegli(gruppoAttivo_, cellaAttiva_);
  } else if (const auto meta = vicino(gruppoAttivo_, cellaAttiva_, *direzione, giorniMostrati())) {
    scegli(gruppoAttivo_, *meta);
  }
}

void frmAlmanacco::Label2_Click() {
  close();
}

void frmAlmanacco::keyPressEvent(QKeyEvent* evento) {
  // The desktop's copy keys put the answer on the clipboard; the window shows nothing new.
  if (evento->matches(QKeySequence::Copy)) {
    QGuiApplication::clipboard()->setText(etichetta(lblNomeCompleto)->Caption());
    return;
  }
  rifiuto_.clear();
  if (evento->matches(QKeySequence::Paste)) {
    incolla(QGuiApplication::clipboard()->text());
    return;
  }
  Form_KeyDown(codiceTasto(*evento), statoModificatori(evento->modifiers()));
}

bool frmAlmanacco::focusNextPrevChild(bool avanti) {
  Form_KeyDown(kTastoTab, avanti ? 0 : kMaiuscolo);
  return true;
}

void frmAlmanacco::incolla(const QString& testo) {
  const std::string scritto = testo.trimmed().toStdString();
  // The window counts the years from 1 January, in the place's calendar.
  const Lettura lettura = leggiData(scritto, {&luogo_, Stile::Comune});
  const DataScritta& d = lettura.data;
  if (lettura.esito == Esito::Data && d.anno >= kPrimoAnno && d.anno <= kUltimoAnno) {
    // The year first and the day last, so that the day is among the month's shown ones.
    const QString riga = etichetta(lblNomeCompleto)->Caption();
    lblSecolo_Click(static_cast<std::int16_t>(d.anno / 100 - 14));
    lblDecine_Click(static_cast<std::int16_t>(d.anno / 10 % 10));
    lblUnità_Click(static_cast<std::int16_t>(d.anno % 10));
    lblMese_Click(static_cast<std::int16_t>(d.mese));
    lblGiorni_Click(static_cast<std::int16_t>(d.giorno));
    spostaFuoco(gruppoAttivo_, cellaEvidenziata(gruppoAttivo_),
                etichetta(lblNomeCompleto)->Caption() != riga);
    return;
  }
  const std::string perché = lettura.esito == Esito::Data
                                 ? citazione(scritto) + ": nella finestra gli anni vanno dal " +
                                       comeTesto(kPrimoAnno) + " al " + comeTesto(kUltimoAnno)
                                 : messaggio(scritto, lettura, {&luogo_, Stile::Comune});
  rifiuto_ = QStringLiteral("Non incollato: ") + QString::fromStdString(perché);
  QApplication::beep();
  if (auto* cella = cellaConIlFuoco()) annunci::descrizioneCambiata(cella);
}

void frmAlmanacco::premi(Gruppo gruppo, std::int16_t indice) {
  rifiuto_.clear();
  mostraSegno(false);
  scegli(gruppo, indice);
}

void frmAlmanacco::scegli(Gruppo gruppo, std::int16_t indice) {
  const QString riga = etichetta(lblNomeCompleto)->Caption();
  (this->*kGestori.at(static_cast<std::size_t>(gruppo)))(indice);
  spostaFuoco(gruppo, indice, etichetta(lblNomeCompleto)->Caption() != riga);
}

GiorniDelMese frmAlmanacco::giorniMostrati() const {
  GiorniDelMese giorni;
  for (std::int16_t d = 1; d <= 31; ++d)
    giorni[static_cast<std::size_t>(d)] = !etichetta(lblGiorni(d))->isHidden();
  return giorni;
}

bool frmAlmanacco::mostrata(Gruppo gruppo, std::int16_t indice) const {
  const auto celle = celleInOrdine(gruppo, giorniMostrati());
  return std::find(celle.begin(), celle.end(), indice) != celle.end();
}

std::int16_t frmAlmanacco::cellaEvidenziata(Gruppo gruppo) const {
  const auto scelta = comeIntero(caption(holderDi(gruppo)));
  if (scelta && mostrata(gruppo, *scelta)) return *scelta;
  return celleInOrdine(gruppo, giorniMostrati()).front();
}

Etichetta* frmAlmanacco::cellaConIlFuoco() const {
  return etichetta(celleDi(gruppoAttivo_)(cellaAttiva_));
}

// Moves the keyboard focus to a cell. A screen reader hears the focus arrive with the
// cell's description, so every description that changes is announced first, and the
// focused cell's again when only the result line changed under it.
void frmAlmanacco::spostaFuoco(Gruppo gruppo, std::int16_t indice, bool rigaCambiata) {
  Etichetta* prima = cellaConIlFuoco();
  Etichetta* dopo = etichetta(celleDi(gruppo)(indice));
  gruppoAttivo_ = gruppo;
  cellaAttiva_ = indice;
  if (prima == dopo) {
    if (rigaCambiata && dopo) annunci::descrizioneCambiata(dopo);
    return;
  }
  if (prima) prima->setSegnoFuoco(false);
  if (dopo) {
    dopo->setSegnoFuoco(segnoVisibile_);
    annunci::descrizioneCambiata(dopo);
    dopo->setFocus(Qt::OtherFocusReason);
  }
  if (prima && prima->isVisible()) annunci::descrizioneCambiata(prima);
}

void frmAlmanacco::mostraSegno(bool visibile) {
  segnoVisibile_ = visibile;
  if (auto* cella = cellaConIlFuoco()) cella->setSegnoFuoco(visibile);
}

QString frmAlmanacco::descrizione(Gruppo gruppo, std::int16_t indice) const {
  const std::string_view nome = nomeGruppo(gruppo);
  QString testo = QString::fromUtf8(nome.data(), static_cast<qsizetype>(nome.size()));
  if (gruppo == gruppoAttivo_ && indice == cellaAttiva_)
    testo += QStringLiteral(". ") +
             (rifiuto_.isEmpty() ? etichetta(lblNomeCompleto)->Caption() : rifiuto_);
  return testo;
}

QObject* frmAlmanacco::oggettoGruppo(Gruppo gruppo) const {
  return gruppi_.at(static_cast<std::size_t>(gruppo));
}

void frmAlmanacco::ridimensiona() {
  setFixedSize(static_cast<int>(std::lround(width_ / twipsPerPixel_)),
               static_cast<int>(std::lround(height_ / twipsPerPixel_)));
}

void frmAlmanacco::unaMisuraPerGruppo() {
  for (const GruppoDiTesti& gruppo : kGruppiDiTesti) {
    std::vector<Etichetta*> celle;
    for (const Tratto& t : gruppo.tratti)
      for (auto i = t.primo; i <= t.ultimo; ++i) celle.push_back(etichetta(t.nome(i)));
    const auto& misura = misureComuni_.emplace_back(std::make_unique<MisuraComune>(
        std::vector<const CellaDiGruppo*>(celle.begin(), celle.end()), gruppo.testiCheGirano));
    for (Etichetta* cella : celle) cella->setMisuraComune(misura.get());
  }
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
  // The focus mark's line grows as the cells do, by the smaller of the two factors.
  const int spessoreSegno = static_cast<int>(std::lround(std::min(verticale, orizzontale)));

  height_ = static_cast<float>(height_ * verticale);
  width_ = static_cast<float>(width_ * orizzontale);
  ridimensiona();

  const auto adatta = [&](ControlloTwips* c) {
    c->setHeight(static_cast<float>(c->Height() * verticale));
    c->setWidth(static_cast<float>(c->Width() * orizzontale));
    c->setTop(static_cast<float>(c->Top() * verticale));
    c->setLeft(static_cast<float>(c->Left() * orizzontale));
    if (auto* e = dynamic_cast<Etichetta*>(c)) {
      e->setFontSize(static_cast<float>(e->FontSize() * caratteri));
      e->setSpessoreSegno(spessoreSegno);
    }
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
