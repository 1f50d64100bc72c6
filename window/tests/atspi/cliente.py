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
import os
import re
import sys
import time

import pyatspi

ATTESO = "15 Giugno 1957: Sabato"
# Century, decade, unit, month, day: any order composes the same date.
CELLE = [("Secolo", "1900"), ("Decina", "5"), ("Unità", "7"), ("Mese", "Giugno"), ("Giorno", "15")]
RIGA = re.compile(r"^\d+ \S+ \d+: \S+$")


# How long a step may take before the client gives up: a loaded machine running a sanitized
# window makes every answer slow, and a wait that ends as soon as the answer is there
# costs a quick machine nothing.
ATTESA = 60.0


def aspetta(condizione, secondi=ATTESA):
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
        scelta(mesi, gruppo, nome)


def scelta(mesi, gruppo, nome):
    # Each step waits for the window to show the cell chosen, never for a fixed time: the
    # next step then starts from a known state, however slow the machine.
    stato = lambda: cella(mesi, gruppo, nome).getState().contains(pyatspi.STATE_CHECKED)
    if not aspetta(stato):
        raise RuntimeError(f"{gruppo} {nome}: la cella non risulta scelta")


# Orca's log, when the test has Orca listening: a user waits to hear each cell before the
# next key, and so does the client. Orca, handed a burst of keys at once, finds the focus
# already gone from each cell it looks at and says nothing.
ORCA = os.environ.get("ORCA_LOG")


def righe_orca():
    with open(ORCA, encoding="utf-8", errors="replace") as log:
        return log.readlines()


def a_fuoco(mesi, gruppo):
    for c in gruppo_(mesi, gruppo):
        if c.getState().contains(pyatspi.STATE_FOCUSED):
            return c.name
    return None


def sentito(mesi, gruppo, nome, da):
    # Waits for the window to move the focus to the cell named (any cell of the group,
    # without a name) and, with Orca listening, for Orca to say that cell after line DA.
    arrivo = aspetta(lambda: (n := a_fuoco(mesi, gruppo)) is not None and (nome in (None, n)) and n)
    if not arrivo:
        raise RuntimeError(f"{gruppo}: il fuoco non arriva su {nome or 'una cella'}")
    parola = re.compile(rf"SPEECH OUTPUT: .*\b{re.escape(arrivo)}\b")
    if ORCA and not aspetta(lambda: any(parola.search(r) for r in righe_orca()[da:])):
        raise RuntimeError(f"{gruppo}: Orca non dice {arrivo!r}")


def tasto(mesi, simbolo, gruppo, nome=None):
    da = len(righe_orca()) if ORCA else 0
    pyatspi.Registry.generateKeyboardEvent(simbolo, None, pyatspi.KEY_SYM)
    sentito(mesi, gruppo, nome, da)


TAB, HOME, DOWN, RIGHT = 0xFF09, 0xFF50, 0xFF54, 0xFF53
GRUPPI = ["Giorno", "Mese", "Secolo", "Decina", "Unità"]


def per_gruppi(mesi, passi):
    # Group by group, from the one with the focus: Home to the first cell named, one arrow
    # for each of the others, then Tab to the next group once the last one is chosen.
    for gruppo, freccia, percorso in passi:
        tasto(mesi, HOME, gruppo, percorso[0])
        for nome in percorso[1:]:
            tasto(mesi, freccia, gruppo, nome)
        scelta(mesi, gruppo, percorso[-1])
        tasto(mesi, TAB, GRUPPI[(GRUPPI.index(gruppo) + 1) % len(GRUPPI)])


def cifre(fino_a):
    return [str(c) for c in range(1, fino_a + 1)]


def digita(mesi):
    # 1, 8, 15; Gennaio to Giugno; 1500 to 1900; 1 to 5; 1 to 7.
    per_gruppi(mesi, [("Giorno", DOWN, ["1", "8", "15"]), ("Mese", RIGHT, MESI[:6]),
                      ("Secolo", RIGHT, ["1500", "1600", "1700", "1800", "1900"]),
                      ("Decina", RIGHT, cifre(5)), ("Unità", RIGHT, cifre(7))])


def riforma(mesi):
    # The focus is on the day: Ottobre, 1500, 8, 2, and back round to the 4th.
    tasto(mesi, TAB, "Mese")
    per_gruppi(mesi, [("Mese", RIGHT, MESI[:10]), ("Secolo", RIGHT, ["1500"]),
                      ("Decina", RIGHT, cifre(8)), ("Unità", RIGHT, cifre(2)),
                      ("Giorno", RIGHT, cifre(4))])


def clicca(mesi):
    # Another year first, so that the clicks compose the date themselves.
    for gruppo, nome in [("Secolo", "1800")] + CELLE:
        x, y, w, h = cella(mesi, gruppo, nome).queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        da = len(righe_orca()) if ORCA else 0
        pyatspi.Registry.generateMouseEvent(x + w // 2, y + h // 2, "b1c")
        scelta(mesi, gruppo, nome)
        sentito(mesi, gruppo, nome, da)


def attiva(mesi):
    # With no window manager to give it the keyboard, the window may open inactive: a
    # click on its title, which does nothing else, activates it as a user's would.
    if aspetta(lambda: mesi.getState().contains(pyatspi.STATE_ACTIVE), 2.0):
        return
    x, y, w, h = figlio(mesi, "Lunario?").queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    pyatspi.Registry.generateMouseEvent(x + w // 2, y + h // 2, "b1c")
    if not aspetta(lambda: mesi.getState().contains(pyatspi.STATE_ACTIVE)):
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
    letta = aspetta(lambda: riga(mesi) == atteso and riga(mesi)) or riga(mesi)
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
