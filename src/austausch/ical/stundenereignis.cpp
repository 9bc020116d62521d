#include "austausch/ical/stundenereignis.h"

#include <algorithm>
#include <cstdio>
#include <tuple>

#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "model/elemente/fach.h"
#include "model/elemente/klasse.h"
#include "model/elemente/lehrer.h"
#include "model/elemente/raum.h"
#include "model/kurse/kurs.h"
#include "model/kurse/setzung.h"
#include "model/vertretung/vertretung.h"

namespace orbato {
namespace {

std::string Kuerzel(const TElement* e) {
  return e ? e->fKuerzel.str() : std::string();
}

std::string Klassen(const TKurs& kurs) {
  std::string text;
  for (const TKlasse* k : kurs.fKlassen) text += (text.empty() ? "" : ",") + Kuerzel(k);
  return text;
}

std::string Verbunden(std::initializer_list<std::string> teile) {
  std::string text;
  for (const std::string& t : teile) {
    if (!t.empty()) text += (text.empty() ? "" : " ") + t;
  }
  return text;
}

char ArtBuchstabe(TKuerzelArt art) {
  return art == leh ? 'L' : art == kla ? 'K' : 'R';
}

// Who gives the lesson, in which room and subject, after the record of the date if there is one.
struct TStundenInhalt {
  const TLehrer* lehrer;
  const TRaum* raum;
  const TFach* fach;
};

// Collects the events of one element's calendar.
class TSammler {
 public:
  TSammler(const TStandard& standard, TKuerzelArt art, const TPlanElement& element)
      : fStandard(standard), fArt(art), fElement(element) {}

  void Stunde(const TKurs& kurs, const TSetzung& setzung, TDatumZeit datum) {
    const TVertretung* v = setzung.VertretungFinden(datum);
    if (Plant(kurs, setzung)) {
      Eigene(kurs, setzung, v, datum);
    } else if (v && Findet(v) && Uebernimmt(kurs, setzung, *v)) {
      Hinzu(Ereignis(kurs, setzung, {v->fLehrer, v->fRaum, v->fFach}, datum),
            "Vertretung f\xFCr " + Kuerzel(kurs.fLehrer), v);
    }
  }

  std::vector<TStundenEreignis> fEreignisse;

 private:
  // The element has the lesson in its own plan.
  bool Plant(const TKurs& kurs, const TSetzung& setzung) const {
    if (fArt == leh) return kurs.fLehrer == &fElement;
    if (fArt == kla) return kurs.HatKlasse(static_cast<const TKlasse*>(&fElement));
    return setzung.fRaum == &fElement;
  }

  // The lesson is held on its date: the record is in force and not cancelled.
  static bool Findet(const TVertretung* v) { return v->fGueltig && !v->fFrei; }

  // The record brings the element to a lesson that is not its own.
  bool Uebernimmt(const TKurs& kurs, const TSetzung& setzung, const TVertretung& v) const {
    if (fArt == leh) return v.fLehrer == &fElement && kurs.fLehrer != &fElement;
    if (fArt == rau) return v.fRaum == &fElement && setzung.fRaum != &fElement;
    return false;
  }

  void Eigene(const TKurs& kurs, const TSetzung& setzung, const TVertretung* v, TDatumZeit datum) {
    if (!v) {
      Hinzu(Ereignis(kurs, setzung, {kurs.fLehrer, setzung.fRaum, kurs.fFach}, datum), "", v);
      return;
    }
    TStundenEreignis e = Ereignis(kurs, setzung, {v->fLehrer, v->fRaum, v->fFach}, datum);
    // A class keeps its lesson whoever gives it; a teacher or room whose place another took
    // loses it.
    e.abgesagt = !Findet(v) || (fArt == leh && v->fLehrer != &fElement) ||
                 (fArt == rau && v->fRaum != &fElement);
    Hinzu(std::move(e), Findet(v) && !v->fLehrer ? "Vertretung offen" : "", v);
  }

  TStundenEreignis Ereignis(const TKurs& kurs, const TSetzung& setzung, TStundenInhalt inhalt,
                            TDatumZeit datum) const {
    TStundenEreignis e;
    e.uid = StundenUid(fStandard, fArt, fElement, kurs, datum, setzung.fStunde);
    e.datum = GanzerTag(datum);
    e.stunde = setzung.fStunde;
    const TStundenZeit& zeit = fStandard.fStdZeiten[static_cast<std::size_t>(setzung.fStunde - 1)];
    e.beginn = zeit.fBeginn;
    e.ende = zeit.fEnde;
    const std::string fach = Kuerzel(inhalt.fach);
    if (fArt == leh) e.titel = Verbunden({fach, Klassen(kurs)});
    if (fArt == kla) e.titel = Verbunden({fach, Kuerzel(inhalt.lehrer)});
    if (fArt == rau) e.titel = Verbunden({fach, Klassen(kurs), Kuerzel(inhalt.lehrer)});
    e.ort = Kuerzel(inhalt.raum);
    return e;
  }

  // The description: what the event says of its own, then the remark of the record for the
  // readers of this calendar (pupils for a class, teachers otherwise).
  void Hinzu(TStundenEreignis e, const std::string& vorweg, const TVertretung* v) {
    const std::string bemerkung = !v ? "" : fArt == kla ? v->fSInfo.str() : v->fLInfo.str();
    e.beschreibung =
        vorweg.empty() || bemerkung.empty() ? vorweg + bemerkung : vorweg + " | " + bemerkung;
    fEreignisse.push_back(std::move(e));
  }

  const TStandard& fStandard;
  TKuerzelArt fArt;
  const TPlanElement& fElement;
};

}  // namespace

std::string KuerzelTeil(const std::string& text) {
  std::string teil;
  for (const char c : text) {
    const auto b = static_cast<unsigned char>(c);
    if ((b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || (b >= '0' && b <= '9')) {
      teil += c;
    } else {
      char hex[4];
      std::snprintf(hex, sizeof hex, "%%%02X", b);
      teil += hex;
    }
  }
  return teil;
}

std::string StundenUid(const TStandard& standard, TKuerzelArt art, const TPlanElement& element,
                       const TKurs& kurs, TDatumZeit datum, int32_t stunde) {
  const TKalenderDatum d = DekodiereDatum(datum);
  char tag[16];
  std::snprintf(tag, sizeof tag, "%04d%02d%02d", d.Jahr, d.Monat, d.Tag);
  std::string klassen;
  for (const TKlasse* k : kurs.fKlassen)
    klassen += (klassen.empty() ? "" : "+") + KuerzelTeil(Kuerzel(k));
  const std::string schule =
      standard.fSchulname.empty() ? "orbato" : KuerzelTeil(standard.fSchulname);
  return std::string(tag) + "-" + std::to_string(stunde) + "-" + ArtBuchstabe(art) + "-" +
         KuerzelTeil(Kuerzel(&element)) + "-" + KuerzelTeil(Kuerzel(kurs.fLehrer)) + "." +
         KuerzelTeil(Kuerzel(kurs.fFach)) + "." + klassen + "@" + schule;
}

std::vector<TStundenEreignis> StundenEreignisse(const TSchule& schule, const TStandard& standard,
                                                TKuerzelArt art, const TPlanElement& element,
                                                TDatumZeit von, TDatumZeit bis) {
  TSammler sammler(standard, art, element);
  for (int tag = GanzerTag(von); tag <= GanzerTag(bis); ++tag) {
    const TDatumZeit datum = tag + 0.5;
    if (standard.FerienTag(datum) || standard.WochenEnde(datum)) continue;
    const int32_t woche = schule.fKalender[static_cast<std::size_t>(KalenderWoche(datum))];
    const int wochentag = Wochentag(datum);
    for (const TKurs* kurs : schule.fKursMenge) {
      for (const TSetzung* setzung : kurs->fSetzungen) {
        if (setzung->fWoche != woche || setzung->fTag != wochentag) continue;
        if (setzung->fStunde < 1 || setzung->fStunde > kMaxStunden) continue;
        sammler.Stunde(*kurs, *setzung, datum);
      }
    }
  }
  std::vector<TStundenEreignis>& e = sammler.fEreignisse;
  std::sort(e.begin(), e.end(), [](const TStundenEreignis& a, const TStundenEreignis& b) {
    return std::tie(a.datum, a.stunde, a.uid) < std::tie(b.datum, b.stunde, b.uid);
  });
  return std::move(e);
}

}  // namespace orbato
