#!/usr/bin/env python3
"""Reads every calendar `orbato export ical` writes with an independent reader (icalendar) and
checks events, times and what a substitution changes.

The demo school gets a holiday on Wednesday 9 December 2026; a first export of two weeks is the
plan as it stands. Then one teacher is absent all Monday the 7th and a free teacher substitutes
his first lesson that day, and the calendars are written again, twice, on different days."""

import argparse
import datetime
import os
import re
import shutil
import subprocess
import sys

import icalendar

VON, BIS = datetime.date(2026, 12, 7), datetime.date(2026, 12, 18)
FERIENTAG = datetime.date(2026, 12, 9)
MONTAG = datetime.date(2026, 12, 7)

fehler = []
geprueft = 0


def pruefe(bedingung, text):
    global geprueft
    geprueft += 1
    if not bedingung:
        fehler.append(text)


def vorgabe_zeiten():
    """The default bell times: 45 minutes from 08:00, 5 between, 20 after 2nd, 15 after 4th."""
    zeiten, beginn = {}, 8 * 60
    for std in range(1, 17):
        zeiten[std] = (beginn, beginn + 45)
        beginn += 45 + (20 if std == 2 else 15 if std == 4 else 5)
    return zeiten


def ferien_setzen():
    """The settings value that marks FERIENTAG a holiday: its week's byte in its row of Tevi10."""
    woche = ((FERIENTAG - datetime.date(1993, 12, 27)).days // 7) % 888
    zeile = ["00"] * 8
    zeile[woche % 8] = "%02X" % (1 << FERIENTAG.weekday())
    return "Tevi10/F%d=%s" % (woche // 8 + 1, "".join(zeile))


def lauf(orbato, *worte):
    ergebnis = subprocess.run([orbato, *worte], capture_output=True, text=True)
    if ergebnis.returncode != 0:
        sys.exit("orbato %s: %d\n%s" % (" ".join(worte), ergebnis.returncode, ergebnis.stderr))
    return ergebnis.stdout


def lies_ordner(ordner):
    """{file name: [event, ...]} with each event as a dict of what the checks need."""
    kalender = {}
    for name in sorted(os.listdir(ordner)):
        with open(os.path.join(ordner, name), "rb") as datei:
            cal = icalendar.Calendar.from_ical(datei.read())
        pruefe(str(cal.get("VERSION")) == "2.0", name + ": VERSION")
        ereignisse = []
        for e in cal.walk("VEVENT"):
            ereignisse.append({
                "uid": str(e.get("UID")),
                "beginn": e.decoded("DTSTART"),
                "ende": e.decoded("DTEND"),
                "stempel": e.decoded("DTSTAMP"),
                "titel": str(e.get("SUMMARY")),
                "ort": str(e.get("LOCATION", "")),
                "text": str(e.get("DESCRIPTION", "")),
                "status": str(e.get("STATUS")),
            })
        kalender[name] = ereignisse
    return kalender


def pruefe_ereignisse(kalender):
    """What holds for every event of every file."""
    zeiten = vorgabe_zeiten()
    for name, ereignisse in kalender.items():
        uids = [e["uid"] for e in ereignisse]
        pruefe(len(uids) == len(set(uids)), name + ": UIDs doppelt")
        for e in ereignisse:
            b, en = e["beginn"], e["ende"]
            pruefe(isinstance(b, datetime.datetime) and b.tzinfo is None,
                   name + ": DTSTART keine lokale Zeit " + repr(b))
            pruefe(e["stempel"].tzinfo is not None, name + ": DTSTAMP nicht in UTC")
            tag = b.date()
            pruefe(VON <= tag <= BIS, name + ": Datum außerhalb " + str(tag))
            pruefe(tag != FERIENTAG, name + ": Stunde am Feiertag " + e["uid"])
            pruefe(tag.weekday() < 5, name + ": Stunde am Wochenende " + e["uid"])
            m = re.match(r"^(\d{8})-(\d+)-[LKR]-", e["uid"])
            pruefe(m is not None, name + ": UID " + e["uid"])
            if not m:
                continue
            pruefe(m.group(1) == tag.strftime("%Y%m%d"), name + ": UID-Datum " + e["uid"])
            std = int(m.group(2))
            pruefe((b.hour * 60 + b.minute, en.hour * 60 + en.minute) == zeiten[std]
                   and en.date() == tag, name + ": Zeiten der %d. Stunde %s" % (std, e["uid"]))
            pruefe(e["status"] in ("CONFIRMED", "CANCELLED"), name + ": STATUS " + e["status"])


def nach_uid(ereignisse):
    return {e["uid"]: e for e in ereignisse}


def ohne_datum(uid):
    return uid.split("-", 1)[1]


def pruefe_plan(kalender):
    """Before any substitution: nothing cancelled, and the second week repeats the first but for
    the holiday (the demo school has one plan version)."""
    for name, ereignisse in kalender.items():
        pruefe(all(e["status"] == "CONFIRMED" for e in ereignisse), name + ": abgesagt ohne Grund")
        for tag in range(5):
            erste = sorted(ohne_datum(e["uid"]) for e in ereignisse
                           if e["beginn"].date() == VON + datetime.timedelta(tag))
            zweite = sorted(ohne_datum(e["uid"]) for e in ereignisse
                            if e["beginn"].date() == VON + datetime.timedelta(7 + tag))
            if VON + datetime.timedelta(tag) == FERIENTAG:
                pruefe(erste == [], name + ": Stunden am Feiertag")
            else:
                pruefe(erste == zweite, name + ": Woche 2 weicht ab am Tag %d" % tag)


def main():
    argumente = argparse.ArgumentParser()
    argumente.add_argument("--orbato", required=True)
    argumente.add_argument("--arbeit", required=True)
    a = argumente.parse_args()
    shutil.rmtree(a.arbeit, ignore_errors=True)
    os.makedirs(a.arbeit)
    pfad = lambda *teile: os.path.join(a.arbeit, *teile)
    heute = ["--heute", "2026-12-01"]
    ferien = ["--set", ferien_setzen()]
    bereich = ["--von", VON.isoformat(), "--bis", BIS.isoformat()]

    lauf(a.orbato, "demo", pfad("demo.orb"), "--groesse", "klein", *heute)
    lauf(a.orbato, "export", "ical", pfad("demo.orb"), pfad("vorher"), *bereich, *ferien, *heute)
    vorher = lies_ordner(pfad("vorher"))
    pruefe(len(vorher) > 3, "zu wenige Kalender: %d" % len(vorher))
    pruefe_ereignisse(vorher)
    pruefe_plan(vorher)

    # The absent teacher: the first with lessons on Monday; his first lesson gets a free teacher.
    lehrer = [n for n in vorher if n.startswith("Lehrer_")]
    fehlend = next(n for n in lehrer
                   if any(e["beginn"].date() == MONTAG for e in vorher[n]))
    kuerzel = fehlend[len("Lehrer_"):-len(".ics")]
    lauf(a.orbato, "fehlt", pfad("demo.orb"), pfad("fehlt.orb"), MONTAG.isoformat(), "lehrer",
         kuerzel, "1-16", *heute)
    zeilen = lauf(a.orbato, "vertretungen", pfad("fehlt.orb"), MONTAG.isoformat(),
                  *heute).splitlines()[1:]
    montags = sorted((e for e in vorher[fehlend] if e["beginn"].date() == MONTAG),
                     key=lambda e: e["beginn"])
    pruefe(len(zeilen) == len(montags), "Vertretungszeilen %d, Stunden %d" % (len(zeilen), len(montags)))
    stunde = int(zeilen[0].split("\t")[1].split()[-1])
    beginn = datetime.datetime.combine(MONTAG, datetime.time(*divmod(vorgabe_zeiten()[stunde][0], 60)))
    vertreter = next(n for n in lehrer if n != fehlend and
                     not any(e["beginn"] == beginn for e in vorher[n]))
    vkuerzel = vertreter[len("Lehrer_"):-len(".ics")]
    lauf(a.orbato, "vertreten", pfad("fehlt.orb"), pfad("vertreten.orb"), MONTAG.isoformat(), "1",
         "--lehrer", vkuerzel, *heute)
    lauf(a.orbato, "export", "ical", pfad("vertreten.orb"), pfad("nachher"), *bereich, *ferien,
         "--heute", "2026-12-02T08:15")
    nachher = lies_ordner(pfad("nachher"))
    pruefe(sorted(nachher) == sorted(vorher), "andere Dateien nachher")
    pruefe_ereignisse(nachher)

    # The absent teacher keeps every event, Monday's cancelled.
    alt, neu = nach_uid(vorher[fehlend]), nach_uid(nachher[fehlend])
    pruefe(sorted(alt) == sorted(neu), fehlend + ": andere UIDs")
    for uid, e in neu.items():
        montag = e["beginn"].date() == MONTAG
        pruefe(e["status"] == ("CANCELLED" if montag else "CONFIRMED"),
               fehlend + ": " + uid + " " + e["status"])
    # The substitute has one event more: the lesson he gives, with the absent teacher named.
    alt, neu = nach_uid(vorher[vertreter]), nach_uid(nachher[vertreter])
    dazu = [neu[u] for u in neu if u not in alt]
    pruefe(set(alt) <= set(neu) and len(dazu) == 1, vertreter + ": nicht genau eine Stunde dazu")
    if len(dazu) == 1:
        e = dazu[0]
        pruefe(e["beginn"] == beginn, vertreter + ": Beginn " + str(e["beginn"]))
        pruefe(e["status"] == "CONFIRMED", vertreter + ": " + e["status"])
        pruefe(e["text"].startswith("Vertretung für " + kuerzel), vertreter + ": " + e["text"])
        pruefe(("-L-%s-%s." % (vkuerzel, kuerzel)) in e["uid"], vertreter + ": UID " + e["uid"])
        # The class of that lesson sees the substitute instead of its teacher, under the same UID.
        kurs = e["uid"].split("-L-%s-" % vkuerzel, 1)[1]
        kopf = e["uid"].split("-L-", 1)[0] + "-K-"
        treffer = [(n, k) for n in nachher if n.startswith("Klasse_") for k in nachher[n]
                   if k["uid"].startswith(kopf) and k["uid"].endswith("-" + kurs)]
        pruefe(len(treffer) >= 1, "keine Klasse mit der vertretenen Stunde")
        for n, k in treffer:
            pruefe(k["titel"].split()[-1] == vkuerzel and k["status"] == "CONFIRMED",
                   n + ": " + k["titel"] + " " + k["status"])
            pruefe(k["uid"] in nach_uid(vorher[n]), n + ": neue UID " + k["uid"])
    # Nobody else's calendar changed.
    for name in vorher:
        if name.startswith("Lehrer_") and name not in (fehlend, vertreter):
            pruefe([(e["uid"], e["status"]) for e in vorher[name]] ==
                   [(e["uid"], e["status"]) for e in nachher[name]], name + ": verändert")

    # Written again on another day: the same events under the same UIDs, a newer time stamp.
    lauf(a.orbato, "export", "ical", pfad("vertreten.orb"), pfad("nochmal"), *bereich, *ferien,
         "--heute", "2026-12-03T07:00")
    nochmal = lies_ordner(pfad("nochmal"))
    for name in nachher:
        gleich = lambda e: {k: v for k, v in e.items() if k != "stempel"}
        pruefe([gleich(e) for e in nachher[name]] == [gleich(e) for e in nochmal[name]],
               name + ": zweiter Export weicht ab")
        pruefe(all(e["stempel"] > f["stempel"] for e, f in zip(nochmal[name], nachher[name])),
               name + ": DTSTAMP nicht neuer")

    for f in fehler[:30]:
        print("FEHLER: " + f)
    print("%d Kalender, %d Ereignisse gelesen" % (len(nachher), sum(map(len, nachher.values()))))
    print("%d passed, %d failed" % (geprueft - len(fehler), len(fehler)))
    return 1 if fehler else 0


if __name__ == "__main__":
    sys.exit(main())
