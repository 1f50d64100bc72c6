#include "Elenchi.h"

#include <string_view>

#include "luoghi.h"
#include "stili.h"

namespace almanacco {

namespace {

constexpr std::size_t kColonne = 80;

// Columns a UTF-8 text takes: one a character, as every letter of these texts does.
std::size_t colonne(std::string_view testo) {
  std::size_t n = 0;
  for (const char c : testo) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
  return n;
}

// `testo` followed by blanks up to `larghezza` columns, and one blank at least.
std::string colonna(std::string_view testo, std::size_t larghezza) {
  const std::size_t usate = colonne(testo);
  return std::string(testo) + std::string(usate < larghezza ? larghezza - usate : 1, ' ');
}

std::string data(const Giornata& g) {
  return std::to_string(g.giorno) + '/' + std::to_string(g.mese) + '/' + std::to_string(g.anno);
}

// The words, blank-separated, filled into lines that begin with `rientro`.
std::string riempi(std::string_view parole, std::string_view rientro) {
  std::string testo, riga(rientro);
  while (!parole.empty()) {
    const std::size_t fine = parole.find(' ');
    const std::string_view parola = parole.substr(0, fine);
    parole.remove_prefix(fine == std::string_view::npos ? parole.size() : fine + 1);
    if (riga.size() > rientro.size() && colonne(riga) + 1 + colonne(parola) > kColonne) {
      testo += riga + '\n';
      riga = rientro;
    }
    if (riga.size() > rientro.size()) riga += ' ';
    riga += parola;
  }
  return testo + riga + '\n';
}

std::string stili(std::string_view rientro) {
  std::string testo;
  for (const DatiStile& s : kStili)
    testo += std::string(rientro) + colonna(s.nome, 12) + std::string(s.uso) + '\n';
  return testo;
}

constexpr std::string_view kUso =
    "Uso: lunario [OPZIONE]... [DATA]...\n"
    "\n"
    "Senza date apre la finestra. Con date scrive il giorno della settimana di\n"
    "ognuna, una riga per data, come la finestra:\n"
    "  lunario 15/6/1957        15 Giugno 1957: Sabato\n"
    "\n"
    "Una data si scrive con il mese in cifre (15/6/1957, 15-06-1957, 15.6.1957,\n"
    "1957-06-15), in numeri romani (15/VI/1957, 15.vi.1957, 15 VI 1957) o in\n"
    "lettere (15 giugno 1957, 15 GIU 1957, 1° gennaio 1600), in maiuscole o\n"
    "minuscole. Il giorno della settimana può precederla (sabato, 15 giugno 1957)\n"
    "o seguirla come nelle risposte (15 Giugno 1957: Sabato): se non è il suo, la\n"
    "data non ha risposta. L'anno va dall'1 al 9999 e si scrive per intero, con\n"
    "tre o quattro cifre (25/12/800), quattro nella forma 0800-12-25: in 15/6/57 il\n"
    "57 può essere il 57 o il 1957, e così nelle risposte per gli anni dall'1 al 99.\n"
    "Nella finestra gli anni vanno dal 1500 al 2299; vi si incolla una data con\n"
    "Ctrl+V o Maiusc+Ins.\n"
    "\n"
    "Il trattino - al posto di una data legge le date dallo standard input, una per\n"
    "riga; le righe vuote si saltano. Dopo -- ogni argomento è una data, anche se\n"
    "comincia con il trattino.\n"
    "\n"
    "Opzioni:\n"
    "  -c, --calendario=LUOGO  conta i giorni nel calendario del luogo: giuliano\n"
    "                          fino al suo ultimo giorno giuliano, gregoriano dal\n"
    "                          giorno dopo; vale anche per la finestra. Con giuliano\n"
    "                          o gregoriano, uno dei due per ogni anno\n"
    "  -s, --stile=STILE       legge l'anno come lo conta il documento; dove l'anno\n"
    "                          comune è un altro, lo scrive dopo, tra parentesi\n"
    "  -d, --doppia-data       aggiunge lo stesso giorno nell'altro calendario\n"
    "  -h, --help              mostra questo aiuto ed esce\n"
    "  -v, --version           mostra la versione ed esce\n"
    "Con elenco al posto del luogo o dello stile, mostra l'elenco ed esce.\n"
    "\n"
    "Senza --calendario il calendario è quello d'Italia: giuliano fino al\n"
    "4 ottobre 1582, gregoriano dal 15 ottobre 1582. I luoghi:\n";

constexpr std::string_view kStiliIntro =
    "\n"
    "Gli stili, cioè il giorno da cui si contava l'anno, in anticipo o in ritardo\n"
    "sul 1° gennaio (senza --stile, comune):\n";

constexpr std::string_view kFine =
    "\n"
    "Stile e calendario vanno insieme: Londra contava i giorni col giuliano fino\n"
    "al 1752 e gli anni dal 25 marzo fino al 1751, come Firenze, che però contava i\n"
    "giorni col gregoriano dal 1582.\n"
    "  lunario --stile=fiorentino 26/2/1265    26 Febbraio 1265 (1266): Venerdì\n"
    "  lunario -c GB -s fiorentino 30/1/1648   30 Gennaio 1648 (1649): Martedì\n"
    "\n"
    "Stato d'uscita:\n"
    "  0  ogni data ha avuto la sua risposta\n"
    "  1  qualche data non esiste, è fuori dagli anni o non è una data (le altre\n"
    "     hanno comunque la risposta), o leggere o scrivere non è riuscito\n"
    "  2  un'opzione sconosciuta o usata male, un calendario o uno stile sconosciuto\n";

}  // namespace

std::string aiuto() {
  std::string codici;
  for (const Luogo& l : kLuoghi) codici += std::string(l.codice) + ' ';
  codici += "giuliano gregoriano";
  return std::string(kUso) + riempi(codici, "  ") + std::string(kStiliIntro) + stili("  ") +
         std::string(kFine);
}

std::string elencoDeiLuoghi() {
  std::string testo = "Per ogni luogo, l'ultimo giorno giuliano, il primo gregoriano e le fonti:\n";
  for (const Luogo& l : kLuoghi) {
    std::string fonti;
    for (const int f : l.fonti)
      if (f > 0) fonti += (fonti.empty() ? "" : ", ") + std::to_string(f);
    testo += colonna(l.codice, 13) + colonna(l.nome, 34) +
             colonna(data(l.riforma.ultimoGiuliano()), 11) +
             colonna(data(l.riforma.primoGregoriano()), 12) + fonti + '\n';
  }
  testo += colonna("giuliano", 13) + "il calendario giuliano, per ogni anno\n";
  testo += colonna("gregoriano", 13) + "il calendario gregoriano, per ogni anno\n";
  testo += "\nFonti:\n";
  for (std::size_t i = 0; i < kFonti.size(); ++i)
    testo += colonna(std::to_string(i + 1), 4) + std::string(kFonti[i]) + '\n';
  return testo;
}

std::string elencoDegliStili() {
  return stili("");
}

}  // namespace almanacco
