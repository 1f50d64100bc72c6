#include "risposta.h"

#include <cstring>
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

bool spazio(char c) {
  return c == ' ' || c == '\t' || c == '\r';
}

std::string_view senzaSpazi(std::string_view testo) {
  while (!testo.empty() && spazio(testo.front())) testo.remove_prefix(1);
  while (!testo.empty() && spazio(testo.back())) testo.remove_suffix(1);
  return testo;
}

// The forms themselves, before any calendar is asked.
bool forma(std::string_view t, DataScritta& d) {
  std::size_t i = 0;
  // ISO: four digits of the year first.
  if (numero(t, i, 4, 4, d.anno))
    return i < t.size() && t[i++] == '-' && numero(t, i, 2, 2, d.mese) && i < t.size() &&
           t[i++] == '-' && numero(t, i, 2, 2, d.giorno) && i == t.size();
  i = 0;
  if (!numero(t, i, 1, 2, d.giorno) || i >= t.size()) return false;
  const char separatore = t[i++];
  if (separatore != '/' && separatore != '-' && separatore != '.') return false;
  return numero(t, i, 1, 2, d.mese) && i < t.size() && t[i++] == separatore &&
         numero(t, i, 4, 4, d.anno) && i == t.size();
}
// Why a text is no answerable date.
std::string_view motivo(Esito esito) {
  switch (esito) {
    case Esito::Data:
      return {};
    case Esito::FuoriAnni:
      return "anno fuori dal calendario, che va dal 1500 al 2299";
    case Esito::Inesistente:
      return "data inesistente";
    case Esito::NonUnaData:
      break;
  }
  return "non è una data (si scrive 15/6/1957, 15-06-1957, 15.6.1957 o 1957-06-15)";
}

// The input as a message names it.
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

}  // namespace

Lettura leggiData(std::string_view testo) {
  DataScritta d;
  if (!forma(senzaSpazi(testo), d)) return {Esito::NonUnaData, {}};
  if (d.anno < kPrimoAnno || d.anno > kUltimoAnno) return {Esito::FuoriAnni, d};
  if (d.mese < 1 || d.mese > 12 || d.giorno < 1 || d.giorno > 31 ||
      !giorniDelMese(d.anno, d.mese)[static_cast<std::size_t>(d.giorno)])
    return {Esito::Inesistente, d};
  return {Esito::Data, d};
}

void aggiungiRisposta(std::string& risposte, const DataScritta& d) {
  const char anno[] = {
      static_cast<char>('0' + d.anno / 1000), static_cast<char>('0' + d.anno / 100 % 10),
      static_cast<char>('0' + d.anno / 10 % 10), static_cast<char>('0' + d.anno % 10)};
  componiRisultato(risposte, numeroInLettere(d.giorno),
                   kNomiMesi[static_cast<std::size_t>(d.mese - 1)], {anno, sizeof anno},
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
  return testo + citazione(ingresso) + ": " + std::string(motivo(esito));
}

void Risponditore::rispondiRiga(std::string_view riga, std::string& risposte) {
  ++numero_;
  if (riga.ends_with('\r')) riga.remove_suffix(1);  // a line that ends as Windows ends it
  // Past kRigaMassima a line is no date, whether it came in one piece or in several.
  const bool lunga = std::exchange(lunga_, false) || riga.size() > kRigaMassima;
  if (!lunga && senzaSpazi(riga).empty()) return;
  const Esito esito = lunga ? Esito::NonUnaData : rispondi(riga, risposte);
  if (esito == Esito::Data) return;
  errori_ = true;
  errore_(numero_, riga, esito);
}

void Risponditore::leggi(std::string_view pezzo, std::string& risposte) {
  while (!pezzo.empty()) {
    const auto* a_capo = static_cast<const char*>(std::memchr(pezzo.data(), '\n', pezzo.size()));
    const std::size_t fino =
        a_capo ? static_cast<std::size_t>(a_capo - pezzo.data()) : pezzo.size();
    const std::string_view parte = pezzo.substr(0, fino);
    if (a_capo && riga_.empty() && !lunga_) {
      rispondiRiga(parte, risposte);  // the whole line is in this piece: no copy
    } else {
      // Keep the line's beginning; beyond kRigaMassima it is no date anyway.
      const std::size_t spazio = kRigaMassima - riga_.size();
      riga_.append(parte.substr(0, spazio));
      if (parte.size() > spazio) lunga_ = true;
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
  if (!riga_.empty() || lunga_) rispondiRiga(riga_, risposte);
  riga_.clear();
}

}  // namespace almanacco
