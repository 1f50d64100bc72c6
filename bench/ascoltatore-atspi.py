"""A listener on the AT-SPI bus that registers for every object, focus and window event,
as a screen reader does, and asks nothing back: the program then sends each event in
full, and the time it takes is the program's alone. Prints how many events it heard when
it is stopped. With a file's name, writes it once it is registered, so that the benchmark
starts the moment it is listening.
"""
import signal
import sys

import pyatspi

contati = 0


def conta(_evento):
    global contati
    contati += 1


def fine(*_):
    print(f"ascoltatore: {contati} eventi ascoltati", file=sys.stderr)
    pyatspi.Registry.stop()


signal.signal(signal.SIGTERM, fine)
signal.signal(signal.SIGINT, fine)
pyatspi.Registry.registerEventListener(conta, "object:", "focus:", "window:")
if len(sys.argv) > 1:
    with open(sys.argv[1], "w", encoding="utf-8") as pronto:
        print("in ascolto", file=pronto)
pyatspi.Registry.start()
