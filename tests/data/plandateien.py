#!/usr/bin/env python3
"""Writes the plan files the plan-file tests compare against, field by field from the format's
rules and independently of the program's own writer:

  leer.orb            the empty document (one plan version)
  alle_saetze.orb     a small document with every kind of record (two plan versions)
  alt_211.orb         the same school in the old layout (version -211)
  alt_umgewandelt.orb what the program saves after loading alt_211.orb on 2026-12-08

It writes them next to itself, wherever it is started from; the files are checked in and the
tests only read them."""

import os
import struct

SPEICHER_ZU_DATEI = {0xC4: 0x80, 0xD6: 0x85, 0xDC: 0x86, 0xE4: 0x8A, 0xF6: 0x9A, 0xFC: 0x9F,
                     0xA7: 0xA4, 0xDF: 0xA7, 0xA5: 0xB4}
HEUTE = 46364  # 2026-12-08


class Datei:
    def __init__(self, alt=False):
        self.b = bytearray()
        self.alt = alt

    def byte(self, v): self.b += bytes([v & 0xFF])
    def int(self, v): self.b += struct.pack('>H', v & 0xFFFF)
    def long(self, v): self.b += struct.pack('>I', v & 0xFFFFFFFF)
    def bool(self, v): self.byte(1 if v else 0)

    def datum(self, d):
        tage = int(d)
        sek = int((d - tage) * 86400)
        self.long((tage - 1462) * 86400 + sek)

    def color(self, c):
        for k in range(3):
            self.int(((c >> (8 * k)) & 0xFF) << 8)

    def feld(self, text, n):
        t = text.encode('cp1252')[:n]
        self.byte(len(t))
        self.b += bytes(SPEICHER_ZU_DATEI.get(x, x) for x in t)
        self.b += bytes(n - len(t))

    def kue(self, t): self.feld(t, 7 if self.alt else 11)
    def info(self, t): self.feld(t, 21 if self.alt else 31)
    def bem(self, t): self.feld(t, 61 if self.alt else 81)

    def maske(self, v, worte=None):
        worte = worte or {}
        for w in range(1, v + 1):
            for tag in range(1, 8):
                self.int(worte.get((w, tag), 0))


KEIN_ELEMENT = 32767
KEIN = -1


def leer():
    f = Datei()
    f.int(-300)
    f.b += bytes([1] * 888)
    f.int(1)
    f.maske(1)
    f.maske(1)
    for _ in range(6):
        f.int(0)  # short names
    for _ in range(6):
        f.int(0)  # element data
    f.int(0)  # courses
    for _ in range(3):
        f.int(0)  # absences
    f.int(1); f.int(1); f.int(KEIN)  # parallel grid
    f.int(0)  # windows
    return bytes(f.b)


def alle_saetze(alt, umgewandelt=False):
    """alt: write the old layout; umgewandelt: the current layout of the old file after loading."""
    f = Datei(alt)
    v = 2
    f.int(-211 if alt else -300)
    f.b += bytes([2 if k % 2 else 1 for k in range(1, 889)])
    f.int(v)
    f.maske(v, {(1, 1): 0x0003})
    f.maske(v, {(2, 5): 0x8000})
    kuerzel = [["M\xdcL", "BRA"], ["5a", "5b"], ["REL5"], ["D", "E", "KR"], ["R11", "R12"],
               ["UV1", "UV2"]]
    for liste in kuerzel:
        f.int(len(liste))
        for k in liste:
            f.kue(k)
    # teachers
    f.int(2)
    f.info("M\xfcller")
    f.int(24); f.int(22)
    f.int(2)                       # room R12
    f.int(2); f.int(1); f.int(2)   # subjects D, E
    f.maske(v, {(1, 3): 0x00F0})
    f.maske(v, {(1, 1): 0x0002, (2, 3): 0x0001})
    f.long(3); f.long(-2)
    f.datum(46000.5)
    if not alt:
        f.bool(not umgewandelt)    # fFreierTag, false after conversion
    f.info("Brandt")
    f.int(12); f.int(12)
    f.int(KEIN_ELEMENT)
    f.int(1); f.int(3)             # subject KR
    f.maske(v)
    f.maske(v, {(1, 2): 0x0010})
    f.long(0); f.long(0)
    f.datum(46001.0)
    if not alt:
        f.bool(False)
    # classes
    f.int(2)
    f.info("Klasse 5a")
    f.int(30); f.int(30)
    f.int(2); f.int(1); f.int(KEIN_ELEMENT)   # room R12, lehrer1 MÜL
    f.maske(v)
    f.maske(v, {(1, 1): 0x0002, (2, 3): 0x0001, (1, 2): 0x0010})
    f.bool(False)
    f.datum(46002.5)
    f.info("Klasse 5b")
    f.int(31); f.int(29)
    f.int(KEIN_ELEMENT); f.int(2); f.int(KEIN_ELEMENT)
    f.maske(v)
    f.maske(v, {(1, 2): 0x0010})
    f.bool(True)
    f.datum(46003.0)
    # couplings, subjects
    f.int(1); f.info("Religion 5")
    f.int(3); f.info("Deutsch"); f.info("Englisch"); f.info("Kath. Religion")
    # rooms
    f.int(2)
    f.info("Raum 11")
    f.maske(v, {(2, 1): 0x0100})
    f.maske(v, {(1, 2): 0x0010})
    f.datum(46004.5)
    f.info("")
    f.maske(v)
    f.maske(v, {(1, 1): 0x0002})
    f.datum(46005.0)
    # distribution tables
    f.int(2)
    f.bool(True); f.info("Deutsch"); f.int(1); f.int(1); f.int(2); f.int(1); f.int(2)
    f.bool(False); f.info(""); f.int(1); f.int(1); f.int(0)
    # courses, in the order of the course list
    f.int(3)
    # 1: no teacher, subject E, no class
    f.int(1); f.int(KEIN); f.int(KEIN); f.int(2)
    f.int(0)                      # classes
    f.int(0); f.int(0)            # rooms, supplementary rooms
    f.int(0)                      # hours of version 2
    f.int(0)                      # placements
    f.info(""); f.int(1); f.int(0)
    f.bool(False); f.bool(False); f.bool(False)
    f.maske(v)
    f.int(1); f.int(1); f.color(0xFFFFFF)
    # 2: MÜL, D, 5a, room R12
    f.int(4); f.int(1); f.int(KEIN); f.int(1)
    f.int(1); f.int(1)
    f.int(1); f.int(2)
    f.int(0)
    f.int(4)
    f.int(2)
    f.int(2); f.int(2); f.int(1); f.int(1); f.bool(False)   # R12, period 2, day 1, version 1
    f.int(1)
    f.datum(HEUTE - 2 + 0.5)
    if not alt:
        f.datum(HEUTE - 1000 + 0.5 if umgewandelt else HEUTE - 3 + 0.5)
    f.int(2); f.int(1)                                      # BRA in R11
    if not alt:
        f.int(1)                                            # subject D
    f.bem("f\xfcr M\xdcL"); f.bem("")
    if alt:
        f.byte(0)                                           # kind
    f.bool(False); f.bool(True); f.bool(True)
    f.int(1); f.int(0); f.int(2)
    f.int(KEIN); f.int(1); f.int(3); f.int(2); f.bool(True)  # no room, period 1, day 3, version 2
    f.int(0)
    f.info("Deutsch 5a"); f.int(1); f.int(2)
    f.bool(False); f.bool(True); f.bool(False)              # nichtVerplanen, -ZaehlenKl, -ZaehlenLe
    f.maske(v, {(1, 5): 0xFF00})
    f.int(2); f.int(3); f.color(0x123456)
    # 3: BRA, KR, coupling REL5, classes 5a 5b, room R11 added later
    f.int(2); f.int(2); f.int(1); f.int(3)
    f.int(2); f.int(1); f.int(2)
    f.int(1); f.int(1)
    f.int(1); f.int(1)
    f.int(2)
    f.int(1)
    f.int(1); f.int(5); f.int(2); f.int(1); f.bool(False)   # R11, period 5, day 2, version 1
    f.int(1)
    f.datum(HEUTE - 2 + 0.5)
    if not alt:
        f.datum(HEUTE - 1000 + 0.5 if umgewandelt else HEUTE - 2 + 0.5)
    f.int(KEIN); f.int(KEIN)
    if not alt:
        f.int(3)                                            # subject KR
    f.bem(""); f.bem("verlegt")
    if alt:
        f.byte(0)
    f.bool(True); f.bool(False); f.bool(False)
    f.int(2); f.int(1); f.int(0)
    f.info(""); f.int(1); f.int(0)
    f.bool(False); f.bool(False); f.bool(True)
    f.maske(v)
    f.int(1); f.int(1); f.color(0xFFFFFF)
    # absences of teachers, classes, rooms
    f.int(1)
    f.datum(HEUTE - 1 + 0.5); f.int(1); f.int(0xE000)
    if not alt:
        f.feld("-" if umgewandelt else "K", 1)
    f.int(1)
    f.datum(HEUTE + 0.5); f.int(2); f.int(0x0001)
    if not alt:
        f.feld("-", 1)
    f.int(0)
    # parallel grid: 2 rows, 1 column
    f.int(2); f.int(1); f.int(1); f.int(KEIN)
    # windows
    f.int(1)
    f.int(9); f.feld("Plan M\xdcL", 255); f.int(10); f.int(20); f.int(400); f.int(300)
    return bytes(f.b)


if __name__ == '__main__':
    for name, inhalt in [('leer.orb', leer()), ('alle_saetze.orb', alle_saetze(False)),
                         ('alt_211.orb', alle_saetze(True)),
                         ('alt_umgewandelt.orb', alle_saetze(False, True))]:
        with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), name), 'wb') as datei:
            datei.write(inhalt)
