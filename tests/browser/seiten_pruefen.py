#!/usr/bin/env python3
"""Publishes the demo school's pages with the command line and looks at them in a real browser.

Makes the `mittel` demo school, records absences and a few substitutions for one school day,
exports the plan pages and the substitution pages of that day (scrolling and day folder on), which
write their stylesheet next to them in the default look, the shipped share/orbato.css, and then
checks:
  a) every link and the stylesheet of every page lead to a written file, and every plan page is
     reachable from the index;
  b) headless Chromium loads every page completely, with its stylesheet and without a script error;
  c) the substitution page scrolls by itself: two screenshots at different times differ;
  d) its timers run: setInterval is called with the scroll step and with the reload interval of
     the settings (minutes x 60000).
With --bilder it also saves a picture of a class timetable and of the substitution page.
Python standard library only; Chromium from the Debian package `chromium`.
"""

import argparse
import datetime
import html.parser
import json
import os
import pathlib
import re
import shutil
import subprocess
import sys
import urllib.parse

SCHULNAME = "Gymnasium am See"
TAG = datetime.date(2026, 9, 7)  # a Monday in term time
SCROLL_MS = 1000  # fVertrScrollSekunden: milliseconds per step
SCROLL_PIXEL = 100
LADEN_MINUTEN = 2
FENSTER = "800,400"

# Scrolling, the day folder and today's marks on; the rest as a fresh installation has it.
EINSTELLUNGEN = f"""[Tevi1]
mtn=5

[Tevi29]
vhs=1
vht=1
vhz=1
vss={SCROLL_MS}
vsp={SCROLL_PIXEL}
vla={LADEN_MINUTEN}
vah1=1
vcs=orbato.css
"""

fehler = []


def melde_fehler(text):
    fehler.append(text)
    print("FEHLER: " + text, flush=True)


def ok(text):
    print("ok: " + text, flush=True)


class Lauf:
    """The command line program, always with the test's own settings and day."""

    def __init__(self, orbato, arbeit):
        self.orbato = orbato
        self.arbeit = arbeit
        self.ini = arbeit / "einstellungen.ini"
        self.ini.write_text(EINSTELLUNGEN, encoding="ascii")

    def __call__(self, *argumente, pruefen=True):
        befehl = [str(self.orbato), *map(str, argumente), "--einstellungen", str(self.ini),
                  "--heute", TAG.isoformat()]
        lauf = subprocess.run(befehl, capture_output=True, cwd=self.arbeit)
        if pruefen and lauf.returncode != 0:
            raise SystemExit("FEHLER: %s endete mit %d: %s" % (
                " ".join(befehl), lauf.returncode, lauf.stderr.decode("utf-8", "replace")))
        return lauf


# -- the school day ---------------------------------------------------------------------------

def lehrer_des_tages(info, anzahl):
    """The teachers with the most lessons on the weekday of TAG, most first."""
    wochentag = TAG.isoweekday()
    stunden = {}
    for kurs in info["kurse"]:
        if not kurs["lehrer"]:
            continue
        zahl = sum(1 for s in kurs["setzungen"] if s["tag"] == wochentag)
        stunden[kurs["lehrer"]] = stunden.get(kurs["lehrer"], 0) + zahl
    reihe = sorted((k for k in stunden if stunden[k] > 0), key=lambda k: (-stunden[k], k))
    return reihe[:anzahl], [l["kuerzel"] for l in info["lehrer"] if l["kuerzel"] not in reihe[:anzahl]]


def schule_vorbereiten(lauf):
    """The demo school with absences and substitutions on TAG; the plan file to export."""
    lauf("demo", "demo.orb", "--groesse", "mittel")
    info = json.loads(lauf("info", "demo.orb").stdout.decode("utf-8"))
    fehlend, anwesend = lehrer_des_tages(info, 8)
    if len(fehlend) < 3:
        raise SystemExit("FEHLER: die Demoschule hat am %s zu wenig Unterricht" % TAG)
    datei = "demo.orb"
    for i, kuerzel in enumerate(fehlend):
        neu = "fehlt%d.orb" % i
        lauf("fehlt", datei, neu, TAG.isoformat(), "lehrer", kuerzel, "1-8", "--grund", "K")
        datei = neu
    zeilen = lauf("vertretungen", datei, TAG.isoformat()).stdout.decode("utf-8").splitlines()
    if len(zeilen) < 10:
        raise SystemExit("FEHLER: nur %d Vertretungszeilen am %s" % (len(zeilen) - 1, TAG))
    ok("%d Vertretungszeilen f\u00fcr %s" % (len(zeilen) - 1, ", ".join(fehlend)))
    # Row 1 is cancelled, rows 2 and 3 get the first teacher the program accepts.
    lauf("vertreten", datei, "vertreten1.orb", TAG.isoformat(), 1, "--frei", "--lbem", "frei")
    datei = "vertreten1.orb"
    for zeile in (2, 3):
        for kuerzel in anwesend:
            neu = "vertreten%d.orb" % zeile
            if lauf("vertreten", datei, neu, TAG.isoformat(), zeile, "--lehrer", kuerzel,
                    "--sbem", "Buch S. 12", pruefen=False).returncode == 0:
                datei = neu
                break
        else:
            melde_fehler("kein Vertreter f\u00fcr Zeile %d gefunden" % zeile)
    return datei


def tagesordner(tag):
    return "Vertretung " + tag.strftime("%d-%m-%Y")


def seiten_exportieren(lauf, datei, stilvorlage):
    """The plan folder, the day folder and the folders of the days its index links."""
    lauf("html", datei, "plan", "--schulname", SCHULNAME)
    vertretung = lauf.arbeit / "vertretung"
    vertretung.mkdir()
    haupt = vertretung / tagesordner(TAG)
    lauf("vertretung-html", datei, TAG.isoformat(), haupt, "--einstellung", 1,
         "--schulname", SCHULNAME)
    nachbarn = []
    index = (haupt / "index.html").read_bytes().decode("latin-1")
    for name in re.findall(r'HREF="\.\./(Vertretung (\d\d)-(\d\d)-(\d{4}))/index\.html"', index):
        tag = datetime.date(int(name[3]), int(name[2]), int(name[1]))
        ordner = vertretung / name[0]
        if not ordner.exists():
            lauf("vertretung-html", datei, tag.isoformat(), ordner, "--einstellung", 1,
                 "--schulname", SCHULNAME)
        nachbarn.append(ordner)
    if len(nachbarn) != 2:
        melde_fehler("index.html des Tages verweist auf %d statt 2 Nachbartage" % len(nachbarn))
    ordner = [lauf.arbeit / "plan", haupt, *nachbarn]
    for o in ordner:
        geschrieben = o / "orbato.css"
        if not geschrieben.is_file():
            melde_fehler("%s: orbato.css nicht geschrieben" % o.name)
        elif geschrieben.read_bytes() != stilvorlage.read_bytes():
            melde_fehler("%s/orbato.css ist nicht die mitgelieferte Stilvorlage" % o.name)
    return ordner


# -- a) links ---------------------------------------------------------------------------------

class Verweise(html.parser.HTMLParser):
    """The link targets and the title of one page."""

    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.ziele = []
        self.titel = ""
        self._im_titel = False

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        if tag in ("a", "link") and attrs.get("href"):
            self.ziele.append(attrs["href"])
        if tag in ("img", "script", "iframe", "frame") and attrs.get("src"):
            self.ziele.append(attrs["src"])
        self._im_titel = tag == "title"

    def handle_endtag(self, tag):
        if tag == "title":
            self._im_titel = False

    def handle_data(self, data):
        if self._im_titel:
            self.titel += data


def lies_seite(pfad):
    leser = Verweise()
    leser.feed(pfad.read_bytes().decode("cp1252", "replace"))
    leser.close()
    return leser


def ziel_pfad(seite, href):
    teile = urllib.parse.urlsplit(href)
    if teile.scheme or teile.netloc:
        return None
    return (seite.parent / urllib.parse.unquote(teile.path)).resolve()


def verweise_pruefen(ordner, tage):
    """Every target of every page exists; every plan page is reached from the plan index.

    A day folder's pages may link days that were not exported; only those links are left out."""
    geschrieben = {t.resolve() for t in tage}
    seiten = {}
    for o in ordner:
        for seite in sorted(o.glob("*.html")):
            seiten[seite.resolve()] = lies_seite(seite)
    gezaehlt = 0
    for seite, leser in seiten.items():
        for href in dict.fromkeys(leser.ziele):
            ziel = ziel_pfad(seite, href)
            if ziel is None:
                melde_fehler("%s verweist nach au\u00dfen: %s" % (seite.name, href))
                continue
            if ziel.parent not in geschrieben and ziel.parent.name.startswith("Vertretung "):
                continue
            gezaehlt += 1
            if not ziel.is_file():
                melde_fehler("%s/%s: Verweis %s f\u00fchrt ins Leere" % (
                    seite.parent.name, seite.name, href))
    plan = ordner[0].resolve()
    erreicht, offen = set(), [plan / "index.html"]
    while offen:
        seite = offen.pop()
        if seite in erreicht or seite not in seiten:
            continue
        erreicht.add(seite)
        offen += [ziel_pfad(seite, h) for h in seiten[seite].ziele if h.lower().endswith(".html")]
    nicht = sorted(s.name for s in seiten if s.parent == plan and s not in erreicht)
    if nicht:
        melde_fehler("vom Index nicht erreichbar: " + ", ".join(nicht))
    ok("%d Seiten, %d Verweise gepr\u00fcft" % (len(seiten), gezaehlt))
    return seiten


# -- b) to d) in the browser ------------------------------------------------------------------

def chromium_finden():
    for name in ("chromium", "chromium-browser"):
        pfad = shutil.which(name)
        if pfad:
            return pfad
    raise SystemExit("FEHLER: Chromium fehlt; scripts/install-deps.sh installiert das "
                     "Debian-Paket chromium. Ohne Browser gilt die Pr\u00fcfung als nicht bestanden.")


class Browser:
    def __init__(self, programm, arbeit):
        self.programm = programm
        self.profil = arbeit / "chromium-profil"

    def __call__(self, url, *schalter, zeit=2000):
        befehl = [self.programm, "--headless", "--no-sandbox", "--disable-gpu",
                  "--no-first-run", "--disable-extensions", "--hide-scrollbars",
                  "--user-data-dir=%s" % self.profil, "--enable-logging=stderr", "--log-level=0",
                  "--window-size=" + FENSTER, "--virtual-time-budget=%d" % zeit, *schalter, url]
        lauf = subprocess.run(befehl, capture_output=True, timeout=300)
        konsole = [z for z in lauf.stderr.decode("utf-8", "replace").splitlines()
                   if ":CONSOLE" in z or "Uncaught" in z]
        if lauf.returncode != 0:
            melde_fehler("Chromium endete mit %d f\u00fcr %s" % (lauf.returncode, url))
        return lauf.stdout.decode("utf-8", "replace"), konsole


# Collects, for every page in a frame, whether it loaded, its title, its stylesheets and scripts.
SAMMLER = """<!DOCTYPE html>
<html><head><meta charset="utf-8"><title>Pr\u00fcfung</title></head><body>
<pre id="ergebnis">nicht fertig</pre>
%s
<script>
window.addEventListener("load", function () {
  var aus = [];
  document.querySelectorAll("iframe").forEach(function (f) {
    var e = {url: f.src};
    try {
      var d = f.contentDocument;
      e.zustand = d.readyState;
      e.adresse = d.URL;
      e.titel = d.title;
      e.blaetter = [];
      d.querySelectorAll("link[rel=stylesheet]").forEach(function (l) {
        var regeln = -1;
        try {
          regeln = l.sheet.cssRules.length;
        } catch (x) {
          // a sheet that did not load has no readable rules
        }
        e.blaetter.push(regeln);
      });
    } catch (x) {
      e.fehler = String(x);
    }
    aus.push(e);
  });
  document.getElementById("ergebnis").textContent = JSON.stringify(aus);
});
</script></body></html>
"""


def ergebnis_aus(dom, muster):
    treffer = re.search(muster, dom, re.S)
    return None if treffer is None else html.unescape(treffer.group(1))


def seiten_laden(browser, arbeit, seiten):
    """Every page in a frame of one collecting page, loaded until its timers ran a while."""
    rahmen = "\n".join('<iframe src="%s"></iframe>' % s.as_uri() for s in seiten)
    sammler = arbeit / "pruefung" / "alle.html"
    sammler.write_text(SAMMLER % rahmen, encoding="utf-8")
    dom, konsole = browser(sammler.as_uri(), "--allow-file-access-from-files", "--dump-dom",
                           zeit=3000)
    for zeile in konsole:
        melde_fehler("Konsole: " + zeile.split("] ", 1)[-1])
    text = ergebnis_aus(dom, r'<pre id="ergebnis">(.*?)</pre>')
    try:
        ergebnis = json.loads(text)
    except (TypeError, ValueError):
        melde_fehler("die Sammelseite lieferte kein Ergebnis: %r" % (text or dom[:200]))
        return
    if len(ergebnis) != len(seiten):
        melde_fehler("%d von %d Seiten geladen" % (len(ergebnis), len(seiten)))
    for e, (pfad, leser) in zip(ergebnis, seiten.items()):
        name = "%s/%s" % (pfad.parent.name, pfad.name)
        if "fehler" in e or e.get("zustand") != "complete" or e.get("adresse") != pfad.as_uri():
            melde_fehler("%s nicht geladen: %s" % (name, e.get("fehler", e.get("adresse"))))
            continue
        if e["titel"] != " ".join(leser.titel.split()):
            melde_fehler("%s: Titel %r statt %r" % (name, e["titel"], leser.titel))
        if not e["blaetter"] or min(e["blaetter"]) <= 0:
            melde_fehler("%s: Stylesheet nicht geladen (%s Regeln)" % (name, e["blaetter"]))
    if not konsole:
        ok("%d Seiten in Chromium ohne Skriptfehler geladen" % len(seiten))


# Put into a copy of the substitution page before its own script: notes every setInterval, the
# scroll position each second and every error, in an attribute of the page.
HAKEN = """<base href="%s">
<script>
(function () {
  var notiz = {intervalle: [], positionen: [], fehler: [], hoehe: 0};
  var schreibe = function () {
    document.documentElement.setAttribute("data-pruefung", JSON.stringify(notiz));
  };
  var setInterval = window.setInterval;
  window.setInterval = function (code, zeit) {
    notiz.intervalle.push([String(code), zeit]);
    schreibe();
    return setInterval.apply(window, arguments);
  };
  window.addEventListener("error", function (e) {
    notiz.fehler.push(e.message || "Laden " + (e.target.src || e.target.href));
    schreibe();
  }, true);
  window.addEventListener("load", function () {
    notiz.hoehe = document.documentElement.scrollHeight;
    notiz.fenster = window.innerHeight;
    notiz.zeitLaden = window.zeitLaden;
    setInterval(function () {
      notiz.positionen.push(window.pageYOffset);
      schreibe();
    }, %d);
    schreibe();
  });
})();
</script>
"""


def vertretungsseite_pruefen(browser, arbeit, vp):
    """c) two screenshots differ, d) the timers are those of the settings."""
    kopie = arbeit / "pruefung" / "vp_beobachtet.html"
    text = vp.read_bytes().decode("latin-1")
    # After the character set, which a browser looks for at the very start of a page.
    stelle = re.search(r"<meta[^>]*charset[^>]*>", text, re.I) or re.search(r"<head>", text, re.I)
    if stelle is None:
        melde_fehler("vp.html hat kein <HEAD>")
        return
    haken = HAKEN % (vp.parent.as_uri() + "/", SCROLL_MS)
    kopie.write_bytes((text[:stelle.end()] + haken + text[stelle.end():]).encode("latin-1"))
    dom, konsole = browser(kopie.as_uri(), "--dump-dom", zeit=SCROLL_MS * 6 + 500)
    for zeile in konsole:
        melde_fehler("Konsole der Vertretungsseite: " + zeile.split("] ", 1)[-1])
    roh = ergebnis_aus(dom, r'data-pruefung="(.*?)"')
    if roh is None:
        melde_fehler("die Vertretungsseite lief nicht (kein Ergebnis im DOM)")
        return
    notiz = json.loads(roh)
    erwartet = [["scrollen()", SCROLL_MS], ["laden()", LADEN_MINUTEN * 60000]]
    if notiz["intervalle"] != erwartet:
        melde_fehler("setInterval-Aufrufe %s statt %s" % (notiz["intervalle"], erwartet))
    else:
        ok("Zeitgeber: scrollen alle %d ms, neu laden alle %d ms" % (
            SCROLL_MS, LADEN_MINUTEN * 60000))
    if notiz.get("zeitLaden") != LADEN_MINUTEN * 60000:
        melde_fehler("zeitLaden ist %s statt %d" % (notiz.get("zeitLaden"), LADEN_MINUTEN * 60000))
    if notiz["fehler"]:
        melde_fehler("Fehler auf der Vertretungsseite: %s" % notiz["fehler"])
    if notiz["hoehe"] < 2 * notiz.get("fenster", 0):
        melde_fehler("die Vertretungsseite ist mit %d Pixeln zu kurz zum Scrollen" % notiz["hoehe"])
    if len(set(notiz["positionen"])) < 3:
        melde_fehler("die Vertretungsseite scrollt nicht: Positionen %s" % notiz["positionen"])
    else:
        ok("Positionen beim Scrollen: %s" % notiz["positionen"])

    bilder = []
    for zeit in (SCROLL_MS * 1 + SCROLL_MS // 2, SCROLL_MS * 3 + SCROLL_MS // 2):
        bild = arbeit / "pruefung" / ("vp_%d.png" % zeit)
        browser(vp.as_uri(), "--screenshot=%s" % bild, zeit=zeit)
        if not bild.is_file():
            melde_fehler("kein Bildschirmfoto nach %d ms" % zeit)
            return
        bilder.append(bild.read_bytes())
    if bilder[0] == bilder[1]:
        melde_fehler("die Bildschirmfotos nach %d und %d ms sind gleich: die Seite scrollt nicht"
                     % (SCROLL_MS * 1.5, SCROLL_MS * 3.5))
    else:
        ok("die Bildschirmfotos nach 1,5 und 3,5 Schritten unterscheiden sich")


def bilder_speichern(browser, ziel, plan, vp):
    ziel.mkdir(parents=True, exist_ok=True)
    for name, seite, zeit in (("html_klassenplan", plan / "kpl1.html", 1000),
                              ("html_vertretungsplan", vp, SCROLL_MS + SCROLL_MS // 2)):
        bild = ziel / (name + ".png")
        browser(seite.as_uri(), "--screenshot=%s" % bild, "--window-size=1000,700", zeit=zeit)
        if bild.is_file():
            print("geschrieben %s" % bild)
        else:
            melde_fehler("kein Bild %s" % bild)


def main():
    teile = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    teile.add_argument("--orbato", type=pathlib.Path)
    teile.add_argument("--stilvorlage", type=pathlib.Path,
                       help="die mitgelieferte Stilvorlage, mit der die geschriebene gleich sein muss")
    teile.add_argument("--ordner", nargs="+", type=pathlib.Path,
                       help="nur pr\u00fcfen: Planordner, Tagesordner und Nachbartage, wie sie sind")
    teile.add_argument("--arbeit", required=True, type=pathlib.Path,
                       help="leerer Ordner f\u00fcr Schule, Seiten und Bilder (wird geleert)")
    teile.add_argument("--bilder", type=pathlib.Path, help="Ordner f\u00fcr zwei Bilder der Seiten")
    args = teile.parse_args()
    browser = Browser(chromium_finden(), args.arbeit.resolve())
    arbeit = args.arbeit.resolve()
    shutil.rmtree(arbeit, ignore_errors=True)
    (arbeit / "pruefung").mkdir(parents=True)
    if args.ordner and len(args.ordner) < 2:
        teile.error("--ordner braucht den Planordner und den Tagesordner")
    if args.ordner:
        ordner = [o.resolve() for o in args.ordner]
    elif args.orbato and args.stilvorlage:
        lauf = Lauf(args.orbato.resolve(), arbeit)
        datei = schule_vorbereiten(lauf)
        ordner = seiten_exportieren(lauf, datei, args.stilvorlage.resolve())
    else:
        teile.error("--orbato und --stilvorlage, oder --ordner")
    seiten = verweise_pruefen(ordner, ordner)
    seiten_laden(browser, arbeit, seiten)
    vp = ordner[1] / "vp.html"
    vertretungsseite_pruefen(browser, arbeit, vp)
    if args.bilder:
        bilder_speichern(browser, args.bilder.resolve(), ordner[0], vp)
    if fehler:
        print("%d Fehler" % len(fehler))
        return 1
    print("alle Pr\u00fcfungen bestanden")
    return 0


if __name__ == "__main__":
    sys.exit(main())
