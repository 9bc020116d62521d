#include "persist/kurseinlesen.h"

#include <algorithm>
#include <vector>

#include "model/dokument/schule.h"

namespace orbato {
namespace {

constexpr int32_t kWeiss = 0xFFFFFF;
constexpr int32_t kMaxFaktor = 10000;
constexpr int32_t kMaxKursStunden = 112;  // 7 days of 16 periods
constexpr int32_t kTabellen = 4;

template <class T>
T* Hole(TSchule& schule, T* (TSchule::*hole)(std::string_view), std::string_view text) {
  const std::string_view kuerzel = OhneRandBlanks(text);
  return kuerzel.empty() ? nullptr : (schule.*hole)(kuerzel);
}

// Occupies the placement's cell for a course or an element, which may no longer be blocked there.
template <class T>
void Belege(T& e, const TSetzung& s) {
  e.fBesetzung.SetWocheTagStd(s.fWoche, s.fTag, true, s.fStunde);
  e.fSperrung.SetWocheTagStd(s.fWoche, s.fTag, false, s.fStunde);
}

}  // namespace

void TKursEinleser::Feld(const TKursFeld& f) {
  if (f.fFeld == 1) {
    Nummer(f.fText);
  } else if (fNeuerKurs) {
    NeuesFeld(f);
  } else if (f.fFeld == 9) {
    fKlasse = Hole(fSchule, &TSchule::HoleKlasse, f.fText);
    Folgeklasse();
  } else if (f.fFeld == 10) {
    Info(fKlasse, f.fText);
  }
}

void TKursEinleser::Nummer(std::string_view text) {
  const int32_t nummer = KursZahl(text);
  fNeuerKurs = fErsteZeile || nummer != fNummer;
  fErsteZeile = false;
  fNummer = nummer;
  fKlasse = nullptr;
  if (!fNeuerKurs) return;
  fWerte = {};
  fLehrer = nullptr;
  fFach = nullptr;
  fKopplung = nullptr;
  fLetzterRaum = nullptr;
  fKurs = nullptr;
}

void TKursEinleser::NeuesFeld(const TKursFeld& f) {
  const TStandard& st = Standard();
  switch (f.fFeld) {
    case 2:
      fWerte.faktor = std::clamp(KursZahl(f.fText), 1, kMaxFaktor);
      break;
    case 3: {
      // With all versions selected the file holds their sum.
      int32_t stunden = KursZahl(f.fText);
      if (!st.fEineWoche) stunden /= st.WochenZahl();
      fWerte.stunden = std::clamp(stunden, -kMaxKursStunden, kMaxKursStunden);
      break;
    }
    case 4:
      fWerte.info = f.fText;
      break;
    case 5:
      fLehrer = Hole(fSchule, &TSchule::HoleLehrer, f.fText);
      break;
    case 6:
      Info(fLehrer, f.fText);
      break;
    case 7:
      fFach = Hole(fSchule, &TSchule::HoleFach, f.fText);
      break;
    case 8:
      Info(fFach, f.fText);
      break;
    case 9:
      fKlasse = Hole(fSchule, &TSchule::HoleKlasse, f.fText);
      break;
    case 10:
      Info(fKlasse, f.fText);
      break;
    case 11:
      fKopplung = Hole(fSchule, &TSchule::HoleKopplung, f.fText);
      break;
    case 12:
      Info(fKopplung, f.fText);
      NeuerKurs();
      break;
    default:
      if (fKurs == nullptr) break;
      if (f.fFeld <= kKursLetzteListe) {
        ListenFeld(f);
      } else {
        WerteFeld(f.fFeld, f.fText);
      }
      if (f.fEnde == kKursCR) Abschliessen();
  }
}

void TKursEinleser::ListenFeld(const TKursFeld& f) {
  if (f.fText.empty()) return;
  if (f.fFeld == kKursErsteListe) {
    Setzung(f.fText);
    return;
  }
  if (f.fFeld == kKursLetzteListe) {
    // Every long name goes to the room named last, the last one given staying.
    Info(fLetzterRaum, f.fText);
    return;
  }
  // Items without a placement of their own number describe nothing.
  TSetzung* s = fKurs->fSetzungen.ListeNrInhalt(f.fEintrag);
  if (s == nullptr) return;
  if (f.fFeld == 14) {
    Tag(*s, f.fText);
  } else if (f.fFeld == 15) {
    s->SetStunde(std::clamp(KursZahl(f.fText), 1, kMaxStunden));
  } else {
    Raum(*s, f.fText);
  }
}

void TKursEinleser::WerteFeld(int feld, std::string_view text) {
  switch (feld) {
    case 18:
      fWerte.stdProTag = std::clamp(KursZahl(text), 1, kMaxStunden);
      break;
    case 19:
      fWerte.einzelStd = std::clamp(KursZahl(text), 0, Standard().fMaxTageNeu);
      break;
    case 20:
      fWerte.tabellenNr = std::clamp(KursZahl(text), 1, kTabellen);
      break;
    case 21:
      fWerte.nichtVerplanen = text == "1";
      break;
    case 22:
      fWerte.nichtZaehlenLe = text == "1";
      break;
    case 23:
      fWerte.nichtZaehlenKl = text == "1";
      break;
    default:
      break;
  }
}

void TKursEinleser::NeuerKurs() {
  fKurs = new TKurs;
  fKurs->IKurs(fLehrer, fKlasse, fWerte.stunden, nullptr, fFach, fKopplung);
}

// A further class of the course above: it shares the placements read with the first line.
void TKursEinleser::Folgeklasse() {
  if (fKurs == nullptr || fKlasse == nullptr || fKurs->HatKlasse(fKlasse)) return;
  fKurs->fKlassen.ListeAnhaengen(fKlasse);
  fKlasse->fKurse.ListeEinfuegen(fKurs, KlassenKursVergleich);
  if (fKurs->fFach) fKurs->fFach->NeueKlasse(fKlasse);
  for (const TSetzung* s : fKurs->fSetzungen) Belege(*fKlasse, *s);
  fSchule.SetDirty();
}

void TKursEinleser::Setzung(std::string_view text) {
  const int32_t woche = std::clamp(KursZahl(text), 1, Standard().WochenZahl());
  fKurs->fSetzungen.ListeAnhaengen(new TSetzung(woche, 1, 1));
  fSchule.SetDirty();
}

void TKursEinleser::Tag(TSetzung& s, std::string_view text) {
  int32_t tag = KursZahl(text);
  if (tag < 1 || tag > kMaxTage) tag = 1;
  TStandard& st = Standard();
  if (tag > st.fMaxTageNeu) {
    st.SetMaxTageNeu(tag);
    fSchule.AlleFensterUpdate();
  }
  s.SetTag(tag);
}

void TKursEinleser::Raum(TSetzung& s, std::string_view text) {
  TRaum* raum = Hole(fSchule, &TSchule::HoleRaum, text);
  if (raum == nullptr) return;
  s.SetRaum(raum);
  fKurs->RaumErgaenzen(raum, false);
  fLetzterRaum = raum;
}

void TKursEinleser::Abschliessen() {
  TKurs& k = *fKurs;
  k.SetColor(kWeiss);
  k.SetInfo(fWerte.info);
  k.SetFaktor(fWerte.faktor);
  k.SetStdProTag(fWerte.stdProTag);
  k.SetEinzelStd(fWerte.einzelStd);
  k.SetTabellenNr(fWerte.tabellenNr);
  k.SetnichtVerplanen(fWerte.nichtVerplanen);
  k.SetnichtZaehlenLe(fWerte.nichtZaehlenLe);
  k.SetnichtZaehlenKl(fWerte.nichtZaehlenKl);
  if (k.fLehrer && k.fFach) k.fLehrer->NeuesFach(k.fFach);
  const std::vector<TSetzung*> setzungen(k.fSetzungen.begin(), k.fSetzungen.end());
  for (TSetzung* s : setzungen) Belegen(*s);
}

// A course holds one lesson per cell at most: a second placement of the line in a cell already
// taken is dropped.
void TKursEinleser::Belegen(TSetzung& s) {
  TKurs& k = *fKurs;
  if (k.fBesetzung.GetWocheTagStd(s.fWoche, s.fTag, s.fStunde)) {
    if (k.fSetzungen.ListeElemEnthalten(&s)) k.fSetzungen.ListeLoeschen(true);
    return;
  }
  Belege(k, s);
  if (k.fLehrer) Belege(*k.fLehrer, s);
  if (TKlasse* klasse = k.ErsteKlasse()) Belege(*klasse, s);
  if (s.fRaum) Belege(*s.fRaum, s);
}

void TKursEinleser::Info(TElement* element, std::string_view text) {
  if (element) element->SetInfo(OhneRandBlanks(text));
}

}  // namespace orbato
