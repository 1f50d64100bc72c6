#include "Elenchi.h"

#include <string_view>

#include "indizione.h"
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

// The pieces of `parole` between one `tra` and the next, filled into lines of 80
// columns: the first begins with `primo`, the others with `rientro`. Pieces are words, or
// with ", " the periods of a list, which a line does not break.
std::string riempi(std::string_view parole, std::string_view rientro, std::string_view primo = {},
                   std::string_view tra = " ") {
  const std::string inizio(primo.empty() ? rientro : primo);
  const std::string_view dopo = tra.substr(0, tra.size() - 1);  // what stays at a line's end
  std::string testo, riga = inizio;
  bool vuota = true;
  while (!parole.empty()) {
    const std::size_t fine = parole.find(tra);
    const std::string_view parola = parole.substr(0, fine);
    parole.remove_prefix(fine == std::string_view::npos ? parole.size() : fine + tra.size());
    if (!vuota && colonne(riga) + tra.size() + colonne(parola) > kColonne) {
      testo += riga + std::string(dopo) + '\n';
      riga = rientro;
      vuota = true;
    }
    if (!vuota) riga += tra;
    riga += parola;
    vuota = false;
  }
  return testo + riga + '\n';
}

// A day as the list writes it: "4 ott 1582", "30 feb 1712".
std::string data(const Giornata& g) {
  static constexpr std::string_view kMesi[] = {"gen", "feb", "mar", "apr", "mag", "giu",
                                               "lug", "ago", "set", "ott", "nov", "dic"};
  return std::to_string(g.giorno) + ' ' + std::string(kMesi[g.mese - 1]) + ' ' +
         std::to_string(g.anno);
}

// "giuliano fino al 4 ott 1582", "gregoriano dal 15 ott 1582", "dal … al …" for a period
// with both ends, "per ogni anno" for one with neither.
std::string periodo(std::string_view nome, const Giornata& primo, const Giornata& ultimo) {
  const bool daSempre = primo == kSempre, perSempre = ultimo == kPerSempre;
  if (daSempre && perSempre) return std::string(nome) + " per ogni anno";
  if (daSempre) return std::string(nome) + " fino al " + data(ultimo);
  if (perSempre) return std::string(nome) + " dal " + data(primo);
  return std::string(nome) + " dal " + data(primo) + " al " + data(ultimo);
}

std::string periodiDelCalendario(const ContoDeiGiorni& conto) {
  std::string testo;
  for (const Periodo& p : conto)
    testo += (testo.empty() ? "" : ", ") + periodo(nomeDelComputo(p.computo), p.primo, p.ultimo);
  return testo;
}

std::string periodiDegliStili(const Luogo& luogo) {
  std::string testo;
  Giornata dal = kSempre;
  for (const StileDelLuogo& s : luogo.stili) {
    if (s.fino == Giornata{}) break;
    const std::string nome =
        s.ignoto ? "stile non noto" : "stile " + std::string(datiStile(s.stile).nome);
    testo += (testo.empty() ? "" : ", ") + periodo(nome, dal, s.fino);
    dal = giornataDi(
        numeroDelGiorno(s.fino.anno, s.fino.mese, s.fino.giorno, Computo::Gregoriano) + 1,
        Computo::Gregoriano);
  }
  return testo;
}

// The styles with when each was written and their other names.
std::string stili(std::string_view rientro) {
  const std::string seguito = std::string(rientro) + std::string(12, ' ');
  std::string testo;
  for (const DatiStile& s : kStili) {
    std::string uso(s.uso);
    std::string altri;
    for (const AltroNome& a : kAltriNomi)
      if (a.stili.stile == s.stile || a.stili.oppure == s.stile)
        altri += (altri.empty() ? "" : ", ") + std::string(a.nome);
    if (!altri.empty()) uso += "; anche " + altri;
    testo += riempi(uso, seguito, std::string(rientro) + colonna(s.nome, 12));
  }
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
    "Le date doppie dicono l'anno in due stili (30 gennaio 1648/9, 30/1/1648-49) o\n"
    "il giorno nei due calendari (25 ottobre/7 novembre 1917): le due metà devono\n"
    "essere lo stesso giorno. Nella finestra gli anni vanno dal 1500 al 2299; vi si\n"
    "incolla una data con Ctrl+V o Maiusc+Ins.\n"
    "\n"
    "Una data si dà anche con una festa, in italiano o in latino: la festa stessa\n"
    "(Pasqua 1282, festa di San Michele 1335, in festo sancti Michaelis 1335,\n"
    "domenica Reminiscere 1285); il primo giorno della settimana dopo o l'ultimo\n"
    "prima (lunedì dopo Pasqua 1282, martedì prima di San Michele 1335, feria III\n"
    "post Reminiscere 1285, sabbato ante Palmas 1300); la vigilia, il giorno dopo e\n"
    "l'ottava (vigilia di Natale 1300, in crastino sancti Martini 1300, ottava di\n"
    "Pasqua 1300); le domeniche contate (terza domenica di Quaresima 1300, prima\n"
    "domenica d'Avvento 1300, seconda domenica dopo Pentecoste 1300). Feria II-VI\n"
    "sono i giorni dal lunedì al venerdì. L'anno è quello scritto, nello stile del\n"
    "luogo o in quello dato; la Pasqua è quella del luogo: col computo giuliano\n"
    "finché vi si contavano i giorni col giuliano, col gregoriano dopo.\n"
    "\n"
    "Le date di notai e cancellerie: alla romana, contando all'indietro verso\n"
    "calende, none e idi (III kal. oct. 1300, pridie idus martii 1300, kalendis\n"
    "martii 1300, III calende di ottobre 1300; negli anni bisestili bis VI kal.\n"
    "mart. è il 25 febbraio), e col mese entrante e uscente (die III intrante\n"
    "martio 1300, die tertio exeunte decembris 1217, 3 uscente dicembre 1300).\n"
    "L'anno è quello in corso quel giorno nello stile del documento: III kal. ian.\n"
    "1300 è il 30 dicembre 1300. Un'indizione (indizione VI, indictione sexta,\n"
    "ind. 6), prima o dopo la data, è controllata come il giorno della settimana;\n"
    "dopo la data si può scrivere lo stile (25 febbraio 1706 more veneto,\n"
    "29 dicembre 1218, stile natività). Se il giorno della settimana o l'indizione\n"
    "non tornano, il messaggio dice quale lettura torna, se ce n'è una: in un altro\n"
    "stile, nell'altro calendario, con un altro tipo di indizione.\n"
    "\n"
    "Il trattino - al posto di una data legge le date dallo standard input, una per\n"
    "riga; le righe vuote si saltano. Dopo -- ogni argomento è una data, anche se\n"
    "comincia con il trattino.\n"
    "\n"
    "Opzioni:\n"
    "  -c, --calendario=LUOGO  conta i giorni e gli anni come il luogo: nel suo\n"
    "                          calendario, giuliano fino al cambio e gregoriano\n"
    "                          dopo, e nei suoi stili dell'anno; vale anche per\n"
    "                          la finestra. Con giuliano o gregoriano, uno dei\n"
    "                          due calendari per ogni anno\n"
    "  -s, --stile=STILE       legge l'anno nello stile dato, al posto di quello\n"
    "                          del luogo; dove l'anno dello stile comune è un\n"
    "                          altro, la risposta lo scrive dopo, tra parentesi\n"
    "  -d, --doppia-data       aggiunge lo stesso giorno nell'altro calendario\n"
    "  -a, --anno=ANNO         scrive gli elementi dell'anno (lettera domenicale,\n"
    "                          numero d'oro, epatta, ciclo solare, indizione,\n"
    "                          Pasqua e numero del calendario dei 35) e le sue\n"
    "                          feste mobili, ognuna con il suo giorno\n"
    "  -i, --indizione=TIPO    controlla l'indizione solo nel tipo dato; senza,\n"
    "                          basta che torni in uno dei tipi\n"
    "  -f, --forme             scrive ogni data in ogni forma che legge, una per\n"
    "                          riga: la risposta, alla romana, col mese entrante\n"
    "                          o uscente, con l'indizione di ogni tipo, con\n"
    "                          l'anno degli altri stili che lo cambiano; ogni\n"
    "                          riga si rilegge come lo stesso giorno\n"
    "  -h, --help              mostra questo aiuto ed esce\n"
    "  -v, --version           mostra la versione ed esce\n"
    "Con elenco al posto del luogo, dello stile o del tipo di indizione, mostra\n"
    "l'elenco ed esce.\n"
    "\n"
    "Senza --calendario il calendario è quello d'Italia, giuliano fino al\n"
    "4 ottobre 1582 e gregoriano dal 15 ottobre, e l'anno comincia il 1° gennaio.\n"
    "I luoghi, per codice o per nome, in maiuscole o minuscole, con o senza accenti:\n";

constexpr std::string_view kStiliIntro =
    "\n"
    "Gli stili, cioè il giorno da cui si contava l'anno, anticipato o posticipato\n"
    "rispetto al 1° gennaio (senza --stile, quelli del luogo):\n";

constexpr std::string_view kIndizioniIntro =
    "\n"
    "I tipi di indizione, cioè il giorno da cui il numero cresce di uno (con\n"
    "--indizione=romana, l'uno e l'altro dei romani):\n";

// The kinds of indiction with the day each moves on and where it was used.
std::string indizioni(std::string_view rientro) {
  constexpr std::size_t kNome = 24;
  const std::string seguito = std::string(rientro) + std::string(kNome, ' ');
  std::string testo;
  for (const DatiIndizione& d : kIndizioni) {
    std::string uso(d.uso);
    std::string altri;
    for (const AltroNomeDiIndizione& a : kAltriNomiDiIndizione)
      if (a.tipo == d.tipo) altri += (altri.empty() ? "" : ", ") + std::string(a.nome);
    if (!altri.empty()) uso += "; anche " + altri;
    testo += riempi(uso, seguito, std::string(rientro) + colonna(d.nome, kNome));
  }
  return testo;
}

constexpr std::string_view kFine =
    "\n"
    "Calendario e stile sono indipendenti: Londra contava i giorni col giuliano\n"
    "fino al 1752 e gli anni dal 25 marzo fino al 1751, come Firenze, che però\n"
    "contava i giorni col gregoriano dal 1582. Un luogo dà l'uno e l'altro, ogni\n"
    "stile solo negli anni in cui vi era in uso:\n"
    "  lunario -c firenze 26/2/1265       26 Febbraio 1265 (1266): Venerdì\n"
    "  lunario -c GB 30/1/1648            30 Gennaio 1648 (1649): Martedì\n"
    "  lunario -c SE 28/6/1709            28 Giugno 1709: Lunedì\n"
    "\n"
    "Stato d'uscita:\n"
    "  0  ogni data ha avuto la sua risposta\n"
    "  1  qualche data non ha risposta, e una riga dice perché (le altre l'hanno\n"
    "     comunque), o leggere o scrivere non è riuscito\n"
    "  2  un'opzione sconosciuta o usata male; un luogo, uno stile o un tipo di\n"
    "     indizione sconosciuto, ambiguo o dato due volte diverso\n";

}  // namespace

std::string aiuto() {
  std::string codici;
  for (const Luogo& l : kLuoghi) codici.append(codici.empty() ? "" : " ").append(l.codice);
  return std::string(kUso) + riempi(codici, "  ") + std::string(kStiliIntro) + stili("  ") +
         std::string(kIndizioniIntro) + indizioni("  ") + std::string(kFine);
}

std::string elencoDeiLuoghi() {
  constexpr std::string_view kRientro = "              ";
  std::string testo =
      "Per ogni luogo il codice, il nome (va bene anche questo) e le fonti, numerate in\n"
      "fondo; poi i periodi del suo calendario (giorni) e, dove non contava gli anni\n"
      "dal 1° gennaio, dei suoi stili (anni). Disputato: le fonti non concordano; il\n"
      "luogo segue la più solida, e qui si dà l'altra data, con la sua fonte.\n"
      "\n" +
      colonna("CODICE", kRientro.size()) + colonna("LUOGO", 50) + "FONTI\n";
  const std::string seguito = std::string(kRientro) + std::string(11, ' ');
  const auto riga = [&](std::string_view titolo, const std::string& periodi,
                        std::string_view tra = ", ") {
    return riempi(periodi, seguito, std::string(kRientro) + colonna(titolo, 11), tra);
  };
  for (const Luogo& l : kLuoghi) {
    std::string fonti;
    for (const int f : l.fonti)
      if (f > 0) fonti += (fonti.empty() ? "" : ", ") + std::to_string(f);
    std::string nome(l.nome);
    if (!l.altroNome.empty()) nome += " (" + std::string(l.altroNome) + ")";
    testo += colonna(l.codice, kRientro.size()) + colonna(nome, 50) + fonti + '\n';
    testo += riga("giorni:", periodiDelCalendario(l.conto));
    if (!l.soloComune()) testo += riga("anni:", periodiDegliStili(l));
    if (!l.disputa.empty()) testo += riga("disputato:", std::string(l.disputa), " ");
  }
  testo += "\nFonti (per esteso in /usr/share/doc/lunario/calendari.md):\n";
  for (std::size_t i = 0; i < kFonti.size(); ++i)
    testo += riempi(kFonti[i], "    ", colonna(std::to_string(i + 1), 4));
  return testo;
}

std::string elencoDegliStili() {
  return stili("");
}

std::string elencoDelleIndizioni() {
  return indizioni("");
}

}  // namespace almanacco
