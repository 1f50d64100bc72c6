"""A screen reader's client on the AT-SPI bus: finds the window "Mesi", composes
15 June 1957 and reads the answer back.

    cliente.py azioni   press five cells by name through their default action
    cliente.py tasti    type the keys that compose the date (focus starts on the day)
    cliente.py click    click the cells with the pointer
    cliente.py riforma  from there, type the keys to 4 October 1582, whose month lacks
                        the days 5 to 14
    cliente.py oggi     touch nothing: the window has opened on today's date
Exits 0 when the result line reads the date and its weekday, 1 otherwise.
"""
import datetime
import re
import sys
import time

import pyatspi

ATTESO = "15 Giugno 1957: Sabato"
# Century, decade, unit, month, day: any order composes the same date.
CELLE = [("Secolo", "1900"), ("Decina", "5"), ("Unità", "7"), ("Mese", "Giugno"), ("Giorno", "15")]
RIGA = re.compile(r"^\d+ \S+ \d+: \S+$")


def aspetta(condizione, secondi=10.0):
    fine = time.monotonic() + secondi
    while time.monotonic() < fine:
        valore = condizione()
        if valore:
            return valore
        time.sleep(0.05)
    return None


def finestra():
    for app in pyatspi.Registry.getDesktop(0):
        for figlio in app or []:
            if figlio is not None and figlio.name == "Mesi":
                return figlio
    return None


def figlio(genitore, nome, ruolo=None):
    for f in genitore:
        if f.name == nome and (ruolo is None or f.getRole() == ruolo):
            return f
    raise LookupError(f"{genitore.name}: nessun figlio {nome!r}")


def gruppo_(mesi, nome):
    # The texts "Mese", "Secolo", ... over the cells share the groups' names.
    return figlio(mesi, nome, pyatspi.ROLE_PANEL)


def cella(mesi, gruppo, nome):
    return figlio(gruppo_(mesi, gruppo), nome, pyatspi.ROLE_RADIO_BUTTON)


def riga(mesi):
    for f in mesi:
        if f.getRole() == pyatspi.ROLE_LABEL and RIGA.match(f.name or ""):
            return f.name
    return None


def premi(mesi):
    for gruppo, nome in CELLE:
        azione = cella(mesi, gruppo, nome).queryAction()
        azione.doAction([azione.getName(i) for i in range(azione.nActions)].index("Press"))
        aspetta(lambda: cella(mesi, gruppo, nome).getState().contains(pyatspi.STATE_CHECKED), 5)


def tasto(simbolo, volte=1):
    for _ in range(volte):
        pyatspi.Registry.generateKeyboardEvent(simbolo, None, pyatspi.KEY_SYM)
        time.sleep(0.2)


TAB, HOME, DOWN, RIGHT = 0xFF09, 0xFF50, 0xFF54, 0xFF53


def per_gruppi(passi):
    # From the day, group by group: Home, then so many steps Down or Right, then Tab.
    for freccia, volte in passi:
        tasto(HOME)
        tasto(freccia, volte)
        tasto(TAB)


def digita(mesi):
    # 1, 8, 15; Gennaio to Giugno; 1500 to 1900; 1 to 5; 1 to 7.
    per_gruppi([(DOWN, 2), (RIGHT, 5), (RIGHT, 4), (RIGHT, 4), (RIGHT, 6)])


def riforma(mesi):
    # The focus is on the day: Ottobre, 1500, 8, 2, and back round to the 4th.
    tasto(TAB)
    per_gruppi([(RIGHT, 9), (RIGHT, 0), (RIGHT, 7), (RIGHT, 1), (RIGHT, 3)])


def clicca(mesi):
    # Another year first, so that the clicks compose the date themselves.
    for gruppo, nome in [("Secolo", "1800")] + CELLE:
        x, y, w, h = cella(mesi, gruppo, nome).queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        pyatspi.Registry.generateMouseEvent(x + w // 2, y + h // 2, "b1c")
        time.sleep(0.3)


def attiva(mesi):
    # With no window manager to give it the keyboard, the window may open inactive: a
    # click on its title, which does nothing else, activates it as a user's would.
    if aspetta(lambda: mesi.getState().contains(pyatspi.STATE_ACTIVE), 2):
        return
    x, y, w, h = figlio(mesi, "Lunario?").queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    pyatspi.Registry.generateMouseEvent(x + w // 2, y + h // 2, "b1c")
    if not aspetta(lambda: mesi.getState().contains(pyatspi.STATE_ACTIVE), 5):
        raise RuntimeError("la finestra 'Mesi' non diventa attiva")


MESI = ["Gennaio", "Febbraio", "Marzo", "Aprile", "Maggio", "Giugno", "Luglio", "Agosto",
        "Settembre", "Ottobre", "Novembre", "Dicembre"]
GIORNI = ["Lunedì", "Martedì", "Mercoledì", "Giovedì", "Venerdì", "Sabato", "Domenica"]


def oggi(mesi):
    # Today is in the years where the window answers as the Gregorian calendar does.
    d = datetime.date.today()
    atteso = f"{d.day} {MESI[d.month - 1]} {d.year}: {GIORNI[d.weekday()]}"
    letta = riga(mesi)
    print(f"cliente (oggi): la riga dice {letta!r}, oggi è {atteso!r}")
    return 0 if letta == atteso else 1


def main():
    modo = sys.argv[1] if len(sys.argv) > 1 else "azioni"
    mesi = aspetta(finestra)
    if mesi is None:
        print("cliente: nessuna finestra 'Mesi' sul bus AT-SPI", file=sys.stderr)
        return 1
    if modo == "oggi":
        return oggi(mesi)
    attiva(mesi)
    {"azioni": premi, "tasti": digita, "click": clicca, "riforma": riforma}[modo](mesi)
    atteso, quanti = ("4 Ottobre 1582: Giovedì", 21) if modo == "riforma" else (ATTESO, 30)
    letta = aspetta(lambda: riga(mesi) == atteso and riga(mesi), 5) or riga(mesi)
    giorni = [g.name for g in gruppo_(mesi, "Giorno")]
    print(f"cliente ({modo}): la riga dice {letta!r}; il gruppo Giorno mostra {giorni}")
    ok = letta == atteso and len(giorni) == quanti
    if modo == "tasti":
        # The weekday header by its full names, June 1957 beginning on a Saturday.
        settimana = [f.name for f in mesi if f.name in GIORNI]
        print(f"cliente ({modo}): l'intestazione dice {settimana}")
        ok = ok and settimana == GIORNI[5:] + GIORNI[:5]
    if modo == "azioni":
        descrizione = cella(mesi, "Giorno", "15").description
        print(f"cliente ({modo}): il 15 ha la descrizione {descrizione!r}")
        ok = ok and descrizione == "Giorno. " + ATTESO
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
