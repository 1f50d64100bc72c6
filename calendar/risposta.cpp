#include "risposta.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <utility>

#include "Calendario.h"
#include "creazione.h"
#include "regola.h"
#include "tabelle.h"

namespace almanacco {

namespace {
bool cifra(char c) {
  return c >= '0' && c <= '9';
}

// Reads from `testo` at `da` a number of `minimo` to `massimo` digits.
bool numero(std::string_view testo, std::size_t& da, std::size_t minimo, std::size_t massimo,
            int& valore) {
  std::size_t letti = 0;
  valore = 0;
  while (da < testo.size() && letti < massimo && cifra(testo[da])) {
    valore = valore * 10 + (testo[da++] - '0');
    ++letti;
  }
  return letti >= minimo && (da == testo.size() || !cifra(testo[da]));
}

// Reads the year that ends the text: all its digits, however many, with the year's
// value capped past 9999 and `cifre` how many there were.
bool annoFinale(std::string_view testo, std::size_t da, int& anno, std::size_t& cifre) {
  anno = 0;
  cifre = 0;
  for (; da < testo.size(); ++da, ++cifre) {
    if (!cifra(testo[da])) return false;
    anno = std::min(anno * 10 + (testo[da] - '0'), kUltimoAnnoStorico + 1);
  }
  return cifre > 0;
}

bool spazio(char c) {
  return c == ' ' || c == '\t' || c == '\r';
}

std::string_view senzaSpazi(std::string_view testo) {
  while (!testo.empty() && spazio(testo.front())) testo.remove_prefix(1);
  while (!testo.empty() && spazio(testo.back())) testo.remove_suffix(1);
  return testo;
}

// The forms themselves, before any calendar is asked; `cifre` is how many digits the
// year was written with.
bool forma(std::string_view t, DataScritta& d, std::size_t& cifre) {
  std::size_t i = 0;
  // ISO: four digits of the year first.
  if (numero(t, i, 4, 4, d.anno)) {
    cifre = 4;
    return i < t.size() && t[i++] == '-' && numero(t, i, 2, 2, d.mese) && i < t.size() &&
           t[i++] == '-' && numero(t, i, 2, 2, d.giorno) && i == t.size();
  }
  i = 0;
  if (!numero(t, i, 1, 2, d.giorno) || i >= t.size()) return false;
  const char separatore = t[i++];
  if (separatore != '/' && separatore != '-' && separatore != '.') return false;
  return numero(t, i, 1, 2, d.mese) && i < t.size() && t[i++] == separatore &&
         annoFinale(t, i, d.anno, cifre);
}
// Why a text is no answerable date.
std::string_view motivo(Esito esito) {
  switch (esito) {
    case Esito::Data:
      return {};
    case Esito::AnnoIncompleto:
      return "l'anno va scritto per intero (57 può essere il 57 o il 1957)";
    case Esito::FuoriAnni:
      return "anno fuori dal calendario, che va dall'anno 1 al 9999";
    case Esito::Inesistente:
      return "data inesistente";
    case Esito::NonUnaData:
      break;
  }
  return "non è una data (si scrive 15/6/1957, 15-06-1957, 15.6.1957 o 1957-06-15)";
}

}  // namespace

std::string citazione(std::string_view ingresso) {
  constexpr std::size_t kMostrati = 60;
  constexpr char kEsadecimali[] = "0123456789ABCDEF";
  std::string testo = "\"";
  for (const char c : ingresso.substr(0, kMostrati)) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte >= 0x7F || c == '"' || c == '\\') {
      testo += "\\x";
      testo += kEsadecimali[byte >> 4];
      testo += kEsadecimali[byte & 0xF];
    } else {
      testo += c;
    }
  }
  testo += ingresso.size() > kMostrati ? "\"..." : "\"";
  return testo;
}

Lettura leggiData(std::string_view testo) {
  DataScritta d;
  std::size_t cifre = 0;
  if (!forma(senzaSpazi(testo), d, cifre)) return {Esito::NonUnaData, {}};
  if (cifre < 3) return {Esito::AnnoIncompleto, d};
  if (d.anno < kPrimoAnnoStorico || d.anno > kUltimoAnnoStorico) return {Esito::FuoriAnni, d};
  if (d.mese < 1 || d.mese > 12 || d.giorno < 1 || d.giorno > 31 ||
      !giorniDelMese(d.anno, d.mese)[static_cast<std::size_t>(d.giorno)])
    return {Esito::Inesistente, d};
  return {Esito::Data, d};
}

void aggiungiRisposta(std::string& risposte, const DataScritta& d) {
  // The year as the window writes it, a plain number: 800, not 0800.
  char anno[4];
  char* inizio = std::end(anno);
  for (int resto = d.anno; resto > 0 || inizio == std::end(anno); resto /= 10)
    *--inizio = static_cast<char>('0' + resto % 10);
  componiRisultato(risposte, numeroInLettere(d.giorno),
                   kNomiMesi[static_cast<std::size_t>(d.mese - 1)],
                   {inizio, static_cast<std::size_t>(std::end(anno) - inizio)},
                   kNomiGiorni[giornoDellaSettimana(d.anno, d.mese, d.giorno)]);
  risposte += '\n';
}

Esito rispondi(std::string_view testo, std::string& risposte) {
  const Lettura lettura = leggiData(testo);
  if (lettura.esito == Esito::Data) aggiungiRisposta(risposte, lettura.data);
  return lettura.esito;
}

std::string messaggio(std::string_view ingresso, Esito esito, long riga) {
  std::string testo = riga > 0 ? "riga " + std::to_string(riga) + ": " : "";
  return testo + citazione(senzaSpazi(ingresso)) + ": " + std::string(motivo(esito));
}

void Risponditore::rispondiRiga(std::string_view riga, std::string& risposte) {
  ++numero_;
  riga = senzaSpazi(riga);
  // Past kRigaMassima a line is no date, whether it came in one piece or in several.
  const bool lunga = std::exchange(lunga_, false) || riga.size() > kRigaMassima;
  if (!lunga && riga.empty()) return;
  const Esito esito = lunga ? Esito::NonUnaData : rispondi(riga, risposte);
  if (esito == Esito::Data) return;
  errori_ = true;
  errore_(numero_, riga, esito);
}

namespace {
constexpr std::string_view kBom = "\xEF\xBB\xBF";
}

void Risponditore::leggi(std::string_view pezzo, std::string& risposte) {
  // The byte-order mark may itself arrive in pieces.
  while (inizio_ && !pezzo.empty()) {
    if (pezzo.front() != kBom[bom_]) {
      nonUnBom(risposte);
      break;
    }
    pezzo.remove_prefix(1);
    inizio_ = ++bom_ < kBom.size();
  }
  if (!inizio_) leggiRighe(pezzo, risposte);
}

// The bytes that began like a byte-order mark were not one: they are the line's own.
void Risponditore::nonUnBom(std::string& risposte) {
  inizio_ = false;
  leggiRighe(kBom.substr(0, bom_), risposte);
}

void Risponditore::leggiRighe(std::string_view pezzo, std::string& risposte) {
  while (!pezzo.empty()) {
    const auto* a_capo = static_cast<const char*>(std::memchr(pezzo.data(), '\n', pezzo.size()));
    const std::size_t fino =
        a_capo ? static_cast<std::size_t>(a_capo - pezzo.data()) : pezzo.size();
    std::string_view parte = pezzo.substr(0, fino);
    if (a_capo && riga_.empty() && !lunga_) {
      rispondiRiga(parte, risposte);  // the whole line is in this piece: no copy
    } else {
      // Blanks before the line's first other byte are dropped; of the rest the first
      // kRigaMassima bytes are kept, and beyond them only blanks may follow a date.
      if (riga_.empty())
        while (!parte.empty() && spazio(parte.front())) parte.remove_prefix(1);
      const std::size_t posto = kRigaMassima - riga_.size();
      riga_.append(parte.substr(0, posto));
      if (parte.size() > posto && !senzaSpazi(parte.substr(posto)).empty()) lunga_ = true;
      if (a_capo) {
        rispondiRiga(riga_, risposte);
        riga_.clear();
      }
    }
    if (!a_capo) return;
    pezzo.remove_prefix(fino + 1);
  }
}

void Risponditore::fine(std::string& risposte) {
  if (inizio_) nonUnBom(risposte);
  if (!riga_.empty() || lunga_) rispondiRiga(riga_, risposte);
  riga_.clear();
}

}  // namespace almanacco
