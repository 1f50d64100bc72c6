#include "Controlli.h"

#include "creazione.h"
#include "gruppi.h"
#include "tabelle.h"

namespace almanacco {

namespace {

using namespace nomi;

constexpr float kCella = 435;  // side of a day or digit cell
constexpr float kPasso = 525;  // from one cell to the next, cell and gap
constexpr float kLarga = 855;  // width of a month or century cell
constexpr float kPassoLargo = 945;

constexpr std::string_view kPrima =
    "Per sapere all'istante in quale giorno della settimana "
    "è accaduto un qualsiasi evento (";
constexpr std::string_view kCambio =
    "a partire dal 15 Ottobre 1582 in poi, giorno di introduzione del cosiddetto "
    "'Calendario Gregoriano' tuttora in vigore";
constexpr std::string_view kDopo =
    "). Il Programma può essere utilizzato anche per giorni futuri... fino al 31 Dicembre 2299!";
constexpr const char* kIstruzioni =
    "Componi la data prescelta cliccando sulle caselle del giorno, del mese e dell'anno "
    "(composto dalle prime due cifre del Secolo e dalle ultime due delle decine e delle "
    "unità) nell'ordine che preferisci: ad ogni click infatti il Programma si aggiorna col "
    "nuovo dato modificato (premi  INVIO per uscire).";
constexpr const char* kMesi[] = {"GEN", "FEB", "MAR", "APR", "MAG", "GIU",
                                 "LUG", "AGO", "SET", "OTT", "NOV", "DIC"};

Controllo etichetta(Nome nome, std::int16_t indice, std::string_view caption, float left, float top,
                    float width, float height) {
  Controllo c;
  c.nome = nome;
  c.indice = indice;
  c.caption.assign(caption.begin(), caption.end());
  c.left = left;
  c.top = top;
  c.width = width;
  c.height = height;
  return c;
}

// A clickable cell: opaque white, Arial 14.25.
Controllo cella(Nome nome, std::int16_t indice, std::string_view caption, float left, float top,
                float width) {
  return etichetta(nome, indice, caption, left, top, width, kCella);
}

// Where each group's block begins, and how far apart its columns and cells stand; where
// a cell sits in its block is the group's own.
struct Blocco {
  float left, top, passo, larghezza;
};
Controllo nelBlocco(Gruppo gruppo, const Blocco& b, std::int16_t indice, std::string_view caption) {
  const Posto p = *posto(gruppo, indice);
  return cella(celleDi(gruppo), indice, caption, b.left + b.passo * static_cast<float>(p.colonna),
               b.top + kPasso * static_cast<float>(p.riga), b.larghezza);
}

Controllo nascosta(Controllo c) {
  c.visibile = false;
  return c;
}

Controllo scritta(std::int16_t indice, std::string_view caption, float left, float top, float width,
                  float height) {
  Controllo c = etichetta(lblSCritteVarie, indice, caption, left, top, width, height);
  c.faccia = Faccia::TimesNewRoman;
  c.punti = 15.75F;
  c.opaca = false;
  return c;
}

Controllo forma(std::int16_t indice, float left, float top, float width, float height,
                int spessore) {
  Controllo c = etichetta(Shpvari, indice, "", left, top, width, height);
  c.tipo = Tipo::Forma;
  c.spessore = spessore;
  c.testo = kTestoFinestra;
  return c;
}

// A piece of the result line inside Frame1, coordinates relative to the frame.
Controllo pezzo(Nome nome, std::int16_t indice, std::string_view caption, float left, float width) {
  Controllo c = etichetta(nome, indice, caption, left, 315, width, 750);
  c.punti = 27.75F;
  c.opaca = false;
  c.sfondo = kSfondoFinestra;
  c.testo = kTestoFinestra;
  c.inFrame1 = true;
  return c;
}

std::vector<Controllo> costruisci() {
  namespace c = creazione;
  std::vector<Controllo> t;

  t.push_back(forma(0, 210, 210, 14925, 11040, 2));         // round the whole layout
  t.push_back(forma(1, 1050, 3885, 13350, 3690, 2));        // the panel of cells
  t.push_back(forma(2, 1260, 4095, 3795, 3270, 1));         // header and day cells
  t.push_back(forma(3, 5250, 4095, 2955, 435, 1));          // "Mese"
  t.push_back(forma(4, 5250, 4620, 2955, 2745, 1));         // month cells
  t.push_back(forma(5, 8400, 4095, 5790, 435, 1));          // "Anno"
  t.push_back(forma(6, 8400, 4620, 2010, 2745, 1));         // "Secolo" and its cells
  t.push_back(forma(7, 10605, 4620, 1695, 2745, 1));        // "Decina" and its digits
  t.push_back(forma(8, 12495, 4620, 1695, 2745, 1));        // "Unità" and its digits
  Controllo riquadro = forma(9, 3420, 8085, 8520, 855, 1);  // the pink box of the result
  riquadro.pieno = true;
  riquadro.sfondo = kRosa;
  t.push_back(riquadro);

  t.push_back(scritta(0, "Mese", 5250, 4095, 2955, 435));
  t.push_back(scritta(1, "Secolo", 8400, 4725, 2010, 435));
  t.push_back(scritta(2, "Decina", 10605, 4725, 1695, 435));
  t.push_back(scritta(3, "Unità", 12495, 4725, 1695, 435));
  t.push_back(scritta(4, "Anno", 8400, 4095, 5790, 435));
  Controllo titolo = scritta(5, "Lunario?", 5678, 315, 4005, 960);
  titolo.punti = 36;
  titolo.testo = kRossoScuro;
  t.push_back(titolo);
  t.push_back(scritta(6, "", 3053, 1155, 9255, 435));
  t.push_back(scritta(7, "", 3053, 1575, 9255, 435));
  t.push_back(scritta(8, descrizioneDi(kItaliaLuogo), 1005, 2310, 13350, 1065));
  t.push_back(scritta(9, kIstruzioni, 1058, 9555, 13245, 1065));

  // Day 1 always heads the first column.
  t.push_back(nascosta(cella(lblGiorni, 0, "", 3420, 6825, kCella)));
  for (std::int16_t d = 1; d <= 31; ++d) {
    Controllo giorno =
        nelBlocco(Gruppo::Giorno, {1365, 4725, kPasso, kCella}, d, numeroInLettere(d));
    giorno.testo = c::testoGiorni;
    t.push_back(giorno);
  }

  // The header stands over the columns, but its seventh cell 45 twips short of the last.
  t.push_back(nascosta(cella(lblNome, 0, "", 5625, 4095, kCella)));
  constexpr float kSinistraNome[] = {1365, 1890, 2415, 2940, 3465, 3990, 4470};
  for (std::int16_t i = 1; i <= 7; ++i) {
    Controllo nome = etichetta(lblNome, i, c::nome[static_cast<std::size_t>(i - 1)],
                               kSinistraNome[i - 1], 4200, kCella, kCella);
    nome.faccia = Faccia::TimesNewRoman;
    nome.punti = 15.75F;
    nome.opaca = false;
    nome.testo = c::testoNome;
    t.push_back(nome);
  }

  t.push_back(nascosta(cella(lblMese, 0, "", 6255, 7035, kLarga)));
  for (std::int16_t m = 1; m <= 12; ++m)
    t.push_back(nelBlocco(Gruppo::Mese, {5355, 5040, kPassoLargo, kLarga}, m, kMesi[m - 1]));

  for (std::int16_t s = 1; s <= 8; ++s)
    t.push_back(nelBlocco(Gruppo::Secolo, {8505, 5250, kPassoLargo, kLarga}, s,
                          std::string{kPrefissiSecolo[s - 1]} + "00"));

  // The digits, and a hidden spare at the left of the 0, under the 7.
  for (const auto& [gruppo, sinistra] :
       {std::pair{Gruppo::Decina, 10710.0F}, {Gruppo::Unità, 12600.0F}}) {
    const Blocco blocco{sinistra, 5250, kPasso, kCella};
    for (std::int16_t d = 0; d <= 9; ++d)
      t.push_back(nelBlocco(gruppo, blocco, d, numeroInLettere(d)));
    t.push_back(nascosta(cella(celleDi(gruppo), 10, "", sinistra, 6825, kCella)));
  }

  Controllo risultato =
      etichetta(lblNomeCompleto, kNoIndex, c::nomeCompleto, 3420, 8190, 8520, 750);
  risultato.punti = 27.75F;
  risultato.opaca = false;
  t.push_back(risultato);

  t.push_back(nascosta(cella(lblGiornoSel, kNoIndex, c::giornoSel, 4515, 6825, kCella)));
  t.push_back(nascosta(cella(lblMeseSel, kNoIndex, c::meseSel, 6615, 7035, 1485)));
  t.push_back(nascosta(cella(lblSecoloSel, kNoIndex, c::secoloSel, 9975, 3885, kCella)));
  t.push_back(nascosta(cella(lblDecineSel, kNoIndex, c::decineSel, 11865, 4410, kCella)));
  t.push_back(nascosta(cella(lblUnitàSel, kNoIndex, c::unitàSel, 13965, 4410, kCella)));
  t.push_back(nascosta(cella(lblIndice, kNoIndex, c::indice, 5205, 4095, kCella)));
  Controllo resto = nascosta(cella(lblRestoAnno, kNoIndex, c::restoAnno, 13755, 3570, kCella));
  resto.punti = 12;
  t.push_back(resto);

  // The pieces of the result line wait, never seen, in a hidden frame below the window.
  Controllo cornice = nascosta(etichetta(Frame1, kNoIndex, "", 2730, 11025, 8415, 1590));
  cornice.tipo = Tipo::Cornice;
  t.push_back(cornice);
  Controllo secoloVuoto = nascosta(cella(lblSecolo, 0, "", 945, 945, kLarga));
  secoloVuoto.inFrame1 = true;
  t.push_back(secoloVuoto);
  t.push_back(pezzo(lblFinale, 0, c::finaleGiorno, 210, 750));
  t.push_back(pezzo(lblFinale, 1, c::finaleMese, 1050, 2955));
  t.push_back(pezzo(lblAnno, kNoIndex, c::anno, 4095, 1380));
  t.push_back(pezzo(Label1, kNoIndex, ":", 5460, 225));
  t.push_back(pezzo(lblFinale, 3, c::finaleSettimana, 5670, 2850));

  Controllo esci = nascosta(etichetta(Label2, kNoIndex, "Esci", 14070, 10710, 960, 435));
  esci.faccia = Faccia::TimesNewRoman;
  esci.sfondo = kSfondoFinestra;
  esci.testo = kTestoFinestra;
  esci.bordo = true;
  t.push_back(esci);
  return t;
}

}  // namespace

std::string descrizioneDi(const Luogo& luogo) {
  std::string cambio(kCambio);
  if (&luogo != &kItaliaLuogo) {
    // The place's first Gregorian day, in the words the window writes dates in; a count
    // kept for every year says so.
    const Periodo& ultimo = luogo.conto[luogo.conto.quanti() - 1];
    const Giornata& g = ultimo.primo;
    if (luogo.conto.quanti() == 1)
      cambio = std::string(luogo.nel) + ", per ogni anno";
    else
      cambio = std::string(luogo.nel) + " a partire dal " + std::to_string(g.giorno) + " " +
               std::string(kNomiMesi[static_cast<std::size_t>(g.mese - 1)]) + " " +
               std::to_string(g.anno) + cambio.substr(cambio.find(" in poi"));
  }
  return std::string(kPrima) + cambio + std::string(kDopo);
}

const std::vector<Controllo>& tabellaControlli() {
  static const std::vector<Controllo> tabella = costruisci();
  return tabella;
}

}  // namespace almanacco
