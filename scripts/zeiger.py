#!/usr/bin/env python3
"""Draws the thirteen mouse cursors of the tools as 32x32 XPM files.

Usage:
  scripts/zeiger.py                  writes src/ui/bausteine/zeiger/*.xpm
  scripts/zeiger.py --png FILE       also writes a contact sheet (4x, on grey, white
                                     and black) with the hot spots marked in cyan

Every drawing is built from simple shapes (polygons, capsules, discs). A shape is
filled and gets a one-pixel black outline on its inside edge, so each cursor reads
on light and dark backgrounds. The hot spots printed at the end must match the
table in src/ui/bausteine/zeiger.cpp.

Coordinates: pixel (x, y) sits at the point (x, y); y grows downwards.
Standard library only.
"""

import math
import os
import struct
import sys
import zlib

GROESSE = 32

# One character per colour in the XPM files.
LEER, SCHWARZ, WEISS, ROT, GRAU = " ", "#", ".", "r", "g"
FARBEN = {LEER: "None", SCHWARZ: "#000000", WEISS: "#FFFFFF", ROT: "#FF0000", GRAU: "#A0A0A0"}

ALLE = [(x, y) for y in range(GROESSE) for x in range(GROESSE)]
NACHBARN4 = ((1, 0), (-1, 0), (0, 1), (0, -1))


# --- shapes: sets of pixels ---------------------------------------------------------


def wo(bedingung):
  return {(x, y) for (x, y) in ALLE if bedingung(x, y)}


def abstand_zur_strecke(px, py, a, b):
  ax, ay = a
  bx, by = b
  dx, dy = bx - ax, by - ay
  laenge2 = dx * dx + dy * dy
  t = 0.0 if laenge2 == 0 else max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / laenge2))
  return math.hypot(px - (ax + t * dx), py - (ay + t * dy))


def kapsel(a, b, r):
  """A stroke from a to b with round ends, r from its middle line."""
  return wo(lambda x, y: abstand_zur_strecke(x, y, a, b) <= r)


def scheibe(mitte, r):
  return wo(lambda x, y: math.hypot(x - mitte[0], y - mitte[1]) <= r)


def ring(mitte, r_innen, r_aussen):
  return wo(lambda x, y: r_innen <= math.hypot(x - mitte[0], y - mitte[1]) <= r_aussen)


def vieleck(punkte):
  """Pixels inside the polygon (even-odd rule)."""

  def innen(x, y):
    drin = False
    n = len(punkte)
    for i in range(n):
      (x1, y1), (x2, y2) = punkte[i], punkte[(i + 1) % n]
      if (y1 > y) != (y2 > y) and x < x1 + (y - y1) * (x2 - x1) / (y2 - y1):
        drin = not drin
    return drin

  return wo(innen)


def gedreht(ursprung, richtung, uv_punkte):
  """Turns points given along an axis (u along `richtung`, v across it) into pixels."""
  ux, uy = richtung
  laenge = math.hypot(ux, uy)
  ux, uy = ux / laenge, uy / laenge
  vx, vy = -uy, ux
  return [(ursprung[0] + u * ux + v * vx, ursprung[1] + u * uy + v * vy) for (u, v) in uv_punkte]


def abgerundet(x0, y0, x1, y1, r):
  """A rectangle from (x0, y0) to (x1, y1) inclusive with corners rounded by r."""

  def innen(x, y):
    if not (x0 <= x <= x1 and y0 <= y <= y1):
      return False
    cx = min(max(x, x0 + r), x1 - r)
    cy = min(max(y, y0 + r), y1 - r)
    return math.hypot(x - cx, y - cy) <= r + 0.3

  return wo(innen)


def strecke(a, b):
  """A one-pixel line from pixel a to pixel b (Bresenham)."""
  (x0, y0), (x1, y1) = a, b
  punkte = set()
  dx, dy = abs(x1 - x0), -abs(y1 - y0)
  sx, sy = (1 if x0 < x1 else -1), (1 if y0 < y1 else -1)
  fehler = dx + dy
  while True:
    punkte.add((x0, y0))
    if (x0, y0) == (x1, y1):
      return punkte
    e2 = 2 * fehler
    if e2 >= dy:
      fehler += dy
      x0 += sx
    if e2 <= dx:
      fehler += dx
      y0 += sy


# --- the picture --------------------------------------------------------------------


class Bild:
  def __init__(self):
    self.p = [[LEER] * GROESSE for _ in range(GROESSE)]

  def teil(self, form, fuellung=WEISS, gegen=None):
    """Fills `form` and outlines it in black where it borders pixels outside `gegen`.

    `gegen` defaults to the form itself; passing a larger union leaves out the outline
    where this part merges with parts drawn before it. `fuellung` is a colour or a
    function (x, y) -> colour, which draws the half-filled variants.
    """
    gegen = form if gegen is None else gegen
    for (x, y) in form:
      rand = any((x + dx, y + dy) not in gegen for dx, dy in NACHBARN4)
      if rand:
        self.p[y][x] = SCHWARZ
      else:
        self.p[y][x] = fuellung(x, y) if callable(fuellung) else fuellung

  def malen(self, punkte, farbe=SCHWARZ, nur_auf=None):
    for (x, y) in punkte:
      if 0 <= x < GROESSE and 0 <= y < GROESSE:
        if nur_auf is None or self.p[y][x] != LEER:
          self.p[y][x] = farbe


def halb(farbe, links_weg):
  """A fill that greys one half; `links_weg(x, y)` says which half."""
  return lambda x, y: GRAU if links_weg(x, y) else farbe


# Diagonal axis of the pen, the eraser and the hammer head: from bottom left to top right.
DIAGONALE = (1, -1)


def stift(farbe):
  """A pencil lying diagonally, its lead pointing to the bottom-left corner."""
  b = Bild()
  spitze = (0.5, 30.5)
  koerper = vieleck(gedreht(spitze, DIAGONALE, [(0, 0), (10, -4.6), (37, -4.6), (37, 4.6),
                                                 (10, 4.6)]))
  b.teil(koerper, farbe)
  # The lead, the edge of the sharpened wood and the metal band before the rubber end.
  b.malen(vieleck(gedreht(spitze, DIAGONALE, [(-1, 0), (4.2, -2.2), (4.2, 2.2)])) & koerper)
  b.malen(vieleck(gedreht(spitze, DIAGONALE, [(9.6, -5), (10.6, -5), (10.6, 5), (9.6, 5)]))
          & koerper)
  b.malen(vieleck(gedreht(spitze, DIAGONALE, [(29.6, -5), (30.6, -5), (30.6, 5), (29.6, 5)]))
          & koerper)
  b.malen(vieleck(gedreht(spitze, DIAGONALE, [(32.1, -5), (33.1, -5), (33.1, 5), (32.1, 5)]))
          & koerper)
  # One facet line along the body.
  b.malen(vieleck(gedreht(spitze, DIAGONALE, [(11, -0.5), (29, -0.5), (29, 0.5), (11, 0.5)])))
  return b


def gummi(halbiert):
  """A rubber block lying diagonally; its rubbing end is at the bottom left."""
  b = Bild()
  vorn = (5.0, 26.0)
  klotz = vieleck(gedreht(vorn, DIAGONALE, [(0, -6.4), (26, -6.4), (26, 6.4), (0, 6.4)]))
  # The half variant greys the long side facing the bottom right.
  mitte = gedreht(vorn, DIAGONALE, [(0, 0)])[0]
  fuellung = halb(WEISS, lambda x, y: (x - mitte[0]) + (y - mitte[1]) > 0.8) if halbiert else WEISS
  b.teil(klotz, fuellung)
  # The paper sleeve around the rear part.
  for u in (9.2, 11.4):
    b.malen(vieleck(gedreht(vorn, DIAGONALE, [(u, -7), (u + 1, -7), (u + 1, 7), (u, 7)])) & klotz)
  return b


# Finger strokes of the open hand: middle line x and top y; they run down into the palm.
FINGER = ((10, 5), (14, 2), (18, 4), (22, 8))
FINGER_R = 2.2


def hand(farbe, halbiert=False):
  """An open hand seen from the palm: four fingers up, the thumb spread to the left."""
  b = Bild()
  teile = [kapsel((x, oben), (x, 20), FINGER_R) for (x, oben) in FINGER]
  daumen = kapsel((10, 23), (4, 14), FINGER_R)
  teller = abgerundet(8, 13, 24, 29, 4)
  alles = set().union(*teile, daumen, teller)
  fuellung = halb(farbe, lambda x, y: x >= 17) if halbiert else farbe
  for finger in teile:
    b.teil(finger, fuellung)
  b.teil(daumen, fuellung)
  b.teil(teller, fuellung, gegen=alles)
  return b


def faust():
  """A closed, grabbing hand: the bent fingers as a row of knuckles on the palm."""
  b = Bild()
  knoechel = [kapsel((x, oben), (x, 16), FINGER_R) for (x, oben) in ((10, 10), (14, 9), (18, 9),
                                                                      (22, 10))]
  teller = abgerundet(8, 13, 24, 28, 4)
  daumen = kapsel((8, 24), (5, 17), FINGER_R)
  alles = set().union(*knoechel, teller, daumen)
  for k in knoechel:
    b.teil(k)
  b.teil(daumen)
  b.teil(teller, gegen=alles)
  # The finger ends folded in, under the knuckles.
  for x in (12, 16, 20):
    b.malen({(x, 14), (x, 15)})
  b.malen(strecke((10, 17), (22, 17)))
  return b


def hammer():
  """A hammer standing on its handle; the striking face of the head points left."""
  b = Bild()
  stiel = kapsel((14, 11), (14, 29), 2.3)
  kopf = vieleck([(1.5, 2.5), (8.5, 2.5), (8.5, 4.5), (20.5, 4.5), (24.5, 5.5), (24.5, 9.5),
                  (20.5, 10.5), (8.5, 10.5), (8.5, 12.5), (1.5, 12.5)])
  b.teil(stiel)
  b.teil(kopf)
  # The edge between the face block and the body of the head.
  b.malen({(8, y) for y in range(5, 11)})
  return b


def pfeile(nach_oben):
  """Arrows from the centre pixel (15, 15): left, right, down and, if asked, up."""
  b = Bild()
  m = 15
  reichweite, spitze_lang, spitze_breit, schaft = 14, 6, 5, 2

  def arm(dx, dy):
    # dx, dy relative to the centre, turned so that the arm points along +a.
    def innen(a, q):
      if 0 <= a <= reichweite - spitze_lang and abs(q) <= schaft:
        return True
      return (reichweite - spitze_lang <= a <= reichweite
              and abs(q) <= spitze_breit * (reichweite - a) / spitze_lang + 0.5)

    return wo(lambda x, y: innen((x - m) * dx + (y - m) * dy, (x - m) * dy - (y - m) * dx))

  richtungen = [(1, 0), (-1, 0), (0, 1)] + ([(0, -1)] if nach_oben else [])
  form = set().union(*(arm(dx, dy) for dx, dy in richtungen))
  b.teil(form)
  return b


def lupe(plus):
  """A magnifier: the lens at the top left, the handle to the bottom right; − or + in the lens."""
  b = Bild()
  m = (12, 12)
  b.teil(kapsel((18, 18), (28, 28), 2.8), GRAU)
  b.teil(scheibe(m, 10.4))
  b.malen(ring(m, 6.6, 7.5))
  b.malen({(x, y) for x in range(m[0] - 4, m[0] + 5) for y in range(m[1] - 1, m[1] + 2)})
  if plus:
    b.malen({(x, y) for x in range(m[0] - 1, m[0] + 2) for y in range(m[1] - 4, m[1] + 5)})
  return b


# Name, drawing, hot spot, in the order of the cursor numbers 1..13.
ZEIGER = [
    ("SETZER", lambda: stift(WEISS), (1, 30)),
    ("GUMMI", lambda: gummi(False), (6, 26)),
    ("HALBGUMMI", lambda: gummi(True), (6, 26)),
    ("HAND", lambda: hand(WEISS), (16, 20)),
    ("HALBHAND", lambda: hand(WEISS, halbiert=True), (16, 20)),
    ("HAMMER", hammer, (2, 7)),
    ("PFEIL4", lambda: pfeile(True), (15, 15)),
    ("PFEIL3", lambda: pfeile(False), (15, 15)),
    ("GRIFF", faust, (16, 20)),
    ("LUPEMINUS", lambda: lupe(False), (12, 12)),
    ("LUPEPLUS", lambda: lupe(True), (12, 12)),
    ("ROTHAND", lambda: hand(ROT), (16, 20)),
    ("ROTSETZER", lambda: stift(ROT), (1, 30)),
]


def als_xpm(name, bild):
  benutzt = [z for z in FARBEN if any(z in zeile for zeile in bild.p)]
  zeilen = ["/* XPM */", "static const char* const %s_xpm[] = {" % name.lower(),
            '"%d %d %d 1",' % (GROESSE, GROESSE, len(benutzt))]
  zeilen += ['"%s c %s",' % (z, FARBEN[z]) for z in benutzt]
  zeilen += ['"%s"%s' % ("".join(zeile), "," if i < GROESSE - 1 else "")
             for i, zeile in enumerate(bild.p)]
  zeilen.append("};")
  return "\n".join(zeilen) + "\n"


def png_schreiben(datei, breite, hoehe, rgb):
  roh = b"".join(b"\x00" + bytes(rgb[y * breite * 3:(y + 1) * breite * 3]) for y in range(hoehe))

  def block(art, daten):
    return (struct.pack(">I", len(daten)) + art + daten
            + struct.pack(">I", zlib.crc32(art + daten) & 0xFFFFFFFF))

  with open(datei, "wb") as f:
    f.write(b"\x89PNG\r\n\x1a\n")
    f.write(block(b"IHDR", struct.pack(">IIBBBBB", breite, hoehe, 8, 2, 0, 0, 0)))
    f.write(block(b"IDAT", zlib.compress(roh, 9)))
    f.write(block(b"IEND", b""))


def kontaktbogen(datei, bilder):
  faktor, rand = 4, 8
  feld = GROESSE * faktor + rand
  gruende = [(128, 128, 128), (255, 255, 255), (0, 0, 0)]
  breite, hoehe = feld * len(bilder) + rand, feld * len(gruende) + rand
  rgb = bytearray(breite * hoehe * 3)
  farbwert = {SCHWARZ: (0, 0, 0), WEISS: (255, 255, 255), ROT: (255, 0, 0), GRAU: (160, 160, 160)}

  def setzen(x, y, c):
    rgb[(y * breite + x) * 3:(y * breite + x) * 3 + 3] = bytes(c)

  for zeile, grund in enumerate(gruende):
    for y in range(hoehe):
      if zeile * feld <= y < (zeile + 1) * feld + rand:
        for x in range(breite):
          setzen(x, y, grund)
    for spalte, (bild, (hx, hy)) in enumerate(bilder):
      x0, y0 = rand + spalte * feld, rand + zeile * feld
      for y in range(GROESSE):
        for x in range(GROESSE):
          z = bild.p[y][x]
          if z == LEER:
            continue
          for i in range(faktor):
            for j in range(faktor):
              setzen(x0 + x * faktor + i, y0 + y * faktor + j, farbwert[z])
      for i in (1, 2):
        for j in (1, 2):
          setzen(x0 + hx * faktor + i, y0 + hy * faktor + j, (0, 255, 255))
  png_schreiben(datei, breite, hoehe, rgb)


def main():
  wurzel = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
  ziel = os.path.join(wurzel, "src", "ui", "bausteine", "zeiger")
  os.makedirs(ziel, exist_ok=True)
  bilder = []
  for name, zeichnen, (hx, hy) in ZEIGER:
    bild = zeichnen()
    if bild.p[hy][hx] == LEER:
      sys.exit("%s: hot spot (%d, %d) is transparent" % (name, hx, hy))
    with open(os.path.join(ziel, name.lower() + ".xpm"), "w", encoding="ascii") as f:
      f.write(als_xpm(name, bild))
    bilder.append((bild, (hx, hy)))
    print("  {%d, %d},  // %s" % (hx, hy, name))
  if "--png" in sys.argv:
    kontaktbogen(sys.argv[sys.argv.index("--png") + 1], bilder)


if __name__ == "__main__":
  main()
