#include "risposta.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "forme.h"

namespace almanacco {

Lettura rispondi(std::string_view testo, std::string& risposte, const Datazione& datazione) {
  const Lettura lettura = leggiData(testo, datazione);
  if (lettura.esito == Esito::Data && datazione.forme)
    aggiungiForme(risposte, lettura, datazione);
  else if (lettura.esito == Esito::Data)
    aggiungiRisposta(risposte, lettura);
  return lettura;
}

void Risponditore::rispondiRiga(std::string_view riga, std::string& risposte) {
  ++numero_;
  // Past kRigaMassima a line is no date, whether it came in one piece or in several. A
  // long line is named by its beginning, from its first byte that is not a blank, which
  // is all that is kept of one that came in pieces; any other line without its blanks.
  riga = senzaSpaziPrima(riga);
  const std::string_view data = senzaSpazi(riga);
  const bool lunga = std::exchange(lunga_, false) || data.size() > kRigaMassima;
  riga = lunga ? riga.substr(0, kRigaMassima) : data;
  if (!lunga && riga.empty()) return;
  const Lettura lettura =
      lunga ? Lettura{Esito::TroppoLunga, {}} : leggiSenzaSpazi(riga, datazione_);
  if (lettura.esito == Esito::Data) {
    if (datazione_.forme) {
      consegna(risposte);
      aggiungiForme(risposte, lettura, datazione_);
      return;
    }
    if (pronte_.size() - quante_ < kRispostaMassima) consegna(risposte);
    quante_ = static_cast<std::size_t>(scriviRisposta(pronte_.data() + quante_, lettura) -
                                       pronte_.data());
    return;
  }
  consegna(risposte);  // the answers before the error come before it
  errori_ = true;
  // Of a long line only its first kRigaMassima bytes are kept when it comes in pieces, and
  // only those are looked at when it comes whole.
  if (lunga) riga = riga.substr(0, std::min(riga.size(), kRigaMassima));
  errore_(numero_, riga, lettura);
}

void Risponditore::consegna(std::string& risposte) {
  risposte.append(pronte_.data(), quante_);
  quante_ = 0;
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
  consegna(risposte);
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
      if (riga_.empty()) parte = senzaSpaziPrima(parte);
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
  consegna(risposte);
}

}  // namespace almanacco
