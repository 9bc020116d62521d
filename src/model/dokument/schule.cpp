#include "model/dokument/schule.h"

#include <unordered_set>
#include <utility>

#include "model/dokument/undo.h"
#include "model/schnittstellen/dialoge.h"
#include "model/schnittstellen/fenster.h"
#include "model/schnittstellen/uhr.h"

namespace orbato {
namespace {

TSchule* gSchule = nullptr;

// Takes an element out of a list that only refers to it.
template <class T, class E>
void Vergiss(TListe<T>& liste, const E* element) {
  while (liste.ListeElemEnthalten(static_cast<const T*>(element))) liste.ListeLoeschen(false);
}

// Every course of a list, taken as it stands, since the steps change the list.
std::vector<TKurs*> Kopie(const TListe<TKurs>& kurse) {
  return {kurse.begin(), kurse.end()};
}

}  // namespace

TSchule::TSchule() {
  fKalender.fill(1);
}

TSchule::~TSchule() {
  // The placements free their own substitution records; the list lets go of all of them first,
  // so that it frees only what belongs to no placement.
  std::unordered_set<const TVertretung*> eigene;
  for (const TKurs* k : fKursMenge) {
    for (const TSetzung* s : k->fSetzungen)
      eigene.insert(s->fVertretungen.begin(), s->fVertretungen.end());
  }
  std::vector<TVertretung*> uebrige;
  for (TVertretung* v : fVertretungsMenge) {
    if (!eigene.contains(v)) uebrige.push_back(v);
  }
  fVertretungsMenge.ListeEntfernen(false);
  fKursMenge.ListeEntfernen(true);
  for (TVertretung* v : uebrige) delete v;
}

const TListe<TFehl>* TSchule::FehlMenge(TKuerzelArt art) const {
  return art == leh   ? &fFehlLehrerMenge
         : art == kla ? &fFehlKlassenMenge
         : art == rau ? &fFehlRaumMenge
                      : nullptr;
}

TListe<TFehl>* TSchule::FehlMenge(TKuerzelArt art) {
  return const_cast<TListe<TFehl>*>(std::as_const(*this).FehlMenge(art));
}

std::string TSchule::FehlGrund(const TPlanElement* element, TDatumZeit datum) const {
  std::string grund = "-";
  if (const TListe<TFehl>* menge = element ? FehlMenge(element->Art()) : nullptr) {
    for (const TFehl* f : *menge) {
      if (f->fElement == element && GanzerTag(f->fDatum) == GanzerTag(datum))
        grund = f->fGrund.str();
    }
  }
  return "(" + grund + ")";
}

void TSchule::FehlLoeschen(TListe<TFehl>& menge, const TPlanElement* element) {
  const auto vom = [](const TPlanElement* e, const TFehl* f) { return f->fElement == e; };
  menge.ListeAnfang();
  while (menge.ListeEnthalten(element, vom)) menge.ListeLoeschen(true);
}

void TSchule::SetDirty(bool geaendert) {
  const bool vorher = fDirty;
  fDirty = geaendert;
  if (!geaendert) fVerlauf.Gesichert();
  if (fBeiDirty && vorher != geaendert) fBeiDirty(geaendert);
}

Dialoge& TSchule::Dialog() {
  static TSkriptDialoge ersatz;
  return fDialoge ? *fDialoge : ersatz;
}

TSichernAntwort TSchule::FrageSichern() {
  if (!fDirty) return TSichernAntwort::Nein;
  const int antwort = Dialog().Frage("Daten sichern?", {"Sollen Ihre Daten gesichert werden?"},
                                     {"Ja", "Mit einem anderem Namen", "Nein"});
  return antwort == 0   ? TSichernAntwort::Ja
         : antwort == 1 ? TSichernAntwort::AndererName
                        : TSichernAntwort::Nein;
}

template <class T>
T* TSchule::Hole(TListe<T>& menge, std::string_view kuerzel) {
  if (T* gefunden = HoleElement(menge, kuerzel)) return gefunden;
  T* neu = new T;
  neu->fKuerzel = kuerzel;
  menge.ListeAnhaengen(neu);
  neu->fNr = neu->fReihe = menge.ListeZahlElemente();
  SetDirty();
  return neu;
}

TLehrer* TSchule::HoleLehrer(std::string_view k) {
  return Hole(fLehrerMenge, k);
}
TKlasse* TSchule::HoleKlasse(std::string_view k) {
  return Hole(fKlassenMenge, k);
}
TFach* TSchule::HoleFach(std::string_view k) {
  return Hole(fFachMenge, k);
}
TKopplung* TSchule::HoleKopplung(std::string_view k) {
  return Hole(fKopplMenge, k);
}
TRaum* TSchule::HoleRaum(std::string_view k) {
  return Hole(fRaumMenge, k);
}

template <class T>
void TSchule::Entferne(TListe<T>& menge, T* element) {
  if (element->fGrDatFenster) element->fGrDatFenster->FensterSchliessen();
  if (element->fDepFenster) element->fDepFenster->FensterSchliessen();
  // The history would name the element's courses and grids after they are gone.
  fVerlauf.Leeren();
  const auto schnappschuss = fFensterListe;
  for (const auto& [name, fenster] : schnappschuss) fenster->ElementEntfernt(element);
  Vergiss(menge, element);
  delete element;
  SetDirty();
}

TKurs* TSchule::ErzeugeNeuenKurs() {
  auto* kurs = new TKurs;
  kurs->IKurs(nullptr, nullptr, Standard().fKursStd, nullptr, nullptr, nullptr);
  return kurs;
}

TDatumZeit TSchule::Jetzt() const {
  static const TSystemUhr kSystemUhr;
  return (fUhr ? fUhr : &kSystemUhr)->Jetzt();
}

void TSchule::KursEntfernen(TKurs* kurs) {
  if (fProtokoll) fProtokoll->KursLoeschen(kurs);
  fVerlauf.Leeren();
  const auto schnappschuss = fFensterListe;
  for (const auto& [name, fenster] : schnappschuss) fenster->KursEntfernt(kurs);
  Vergiss(fKursMenge, kurs);
  kurs->AllesEntfernen();
  delete kurs;
  SetDirty();
}

void TSchule::LehrerLoeschen(TLehrer* lehrer) {
  for (TKurs* k : Kopie(lehrer->fKurse)) {
    k->AlleSetzungenAufgeben();
    k->LehrerEntfernen();
  }
  for (TKlasse* k : fKlassenMenge) {
    if (k->fLehrer1 == lehrer) k->fLehrer1 = nullptr;
    if (k->fLehrer2 == lehrer) k->fLehrer2 = nullptr;
  }
  for (TFach* f : fFachMenge) {
    Vergiss(f->fLehrer, lehrer);
    if (f->fPopLehrer == lehrer) f->fPopLehrer = nullptr;
  }
  for (TUVTab* t : fUVTabMenge) Vergiss(t->fLehrer, lehrer);
  for (TVertretung* v : fVertretungsMenge) {
    if (v->fLehrer == lehrer) v->fLehrer = nullptr;
  }
  FehlLoeschen(fFehlLehrerMenge, lehrer);
  if (lehrer->fPlnFenster) lehrer->fPlnFenster->FensterSchliessen();
  Entferne(fLehrerMenge, lehrer);
}

void TSchule::KlasseLoeschen(TKlasse* klasse) {
  for (TKurs* k : Kopie(klasse->fKurse)) {
    k->AlleSetzungenAufgeben();
    k->KlasseEntfernen(klasse);
  }
  for (TFach* f : fFachMenge) {
    Vergiss(f->fKlassen, klasse);
    if (f->fPopKlasse == klasse) f->fPopKlasse = nullptr;
  }
  for (TUVTab* t : fUVTabMenge) Vergiss(t->fKlassen, klasse);
  FehlLoeschen(fFehlKlassenMenge, klasse);
  if (klasse->fPlnFenster) klasse->fPlnFenster->FensterSchliessen();
  Entferne(fKlassenMenge, klasse);
}

void TSchule::RaumLoeschen(TRaum* raum) {
  for (TKurs* k : Kopie(raum->fKurse)) {
    if (k->HatSetzungIn(raum)) k->AlleSetzungenAufgeben();
    k->RaumEntfernen(raum);
  }
  // Placements of courses that lost the room from their list hold it no longer either.
  for (TKurs* k : fKursMenge) {
    for (TSetzung* s : k->fSetzungen) {
      if (s->fRaum == raum) s->fRaum = nullptr;
    }
  }
  for (TLehrer* l : fLehrerMenge) {
    if (l->fRaum == raum) l->fRaum = nullptr;
  }
  for (TKlasse* k : fKlassenMenge) {
    if (k->fRaum == raum) k->fRaum = nullptr;
  }
  for (TVertretung* v : fVertretungsMenge) {
    if (v->fRaum == raum) v->fRaum = nullptr;
  }
  FehlLoeschen(fFehlRaumMenge, raum);
  // The journal would give the room back to lessons it takes back.
  if (fProtokoll) fProtokoll->RaumLoeschen(raum);
  if (raum->fPlnFenster) raum->fPlnFenster->FensterSchliessen();
  Entferne(fRaumMenge, raum);
}

void TSchule::FachLoeschen(TFach* fach) {
  for (TKurs* k : Kopie(fach->fKurse)) k->FachEntfernen();
  for (TLehrer* l : fLehrerMenge) {
    Vergiss(l->fFaecher, fach);
    if (l->fPopFach == fach) l->fPopFach = nullptr;
  }
  for (TUVTab* t : fUVTabMenge) Vergiss(t->fFaecher, fach);
  for (TVertretung* v : fVertretungsMenge) {
    if (v->fFach == fach) v->fFach = nullptr;
  }
  Entferne(fFachMenge, fach);
}

void TSchule::KopplungLoeschen(TKopplung* kopplung) {
  for (TKurs* k : Kopie(kopplung->fKurse)) {
    k->AlleSetzungenAufgeben();
    k->KopplungEntfernen();
  }
  fParListe.Loesche(kopplung);
  Entferne(fKopplMenge, kopplung);
}

void TSchule::UVTabLoeschen(TUVTab* tabelle) {
  Entferne(fUVTabMenge, tabelle);
}

void TSchule::ElementLoeschen(TElement* e) {
  switch (e->Art()) {
    case leh:
      LehrerLoeschen(static_cast<TLehrer*>(e));
      break;
    case kla:
      KlasseLoeschen(static_cast<TKlasse*>(e));
      break;
    case rau:
      RaumLoeschen(static_cast<TRaum*>(e));
      break;
    case fac:
      FachLoeschen(static_cast<TFach*>(e));
      break;
    case kop:
      KopplungLoeschen(static_cast<TKopplung*>(e));
      break;
    case uvt:
      UVTabLoeschen(static_cast<TUVTab*>(e));
      break;
    case kur:
      break;
  }
}

bool TSchule::ElementLoeschenNachFrage(TElement* e) {
  if (e->fKurse.ListeZahlElemente() > 0 &&
      !Dialog().FrageJaNein(
          "K\xFCrzel l\xF6schen",
          {"Zum K\xFCrzel", e->fKuerzel.str(), "gibt es noch Daten. Diese Daten werden",
           "mitgel\xF6scht. Betroffene Kurse werden aus",
           "den Pl\xE4nen entfernt. Soll das K\xFCrzel ", "trotzdem gel\xF6scht werden? "})) {
    return false;
  }
  ElementLoeschen(e);
  return true;
}

bool TSchule::KuerzelAendern(TElement* e, std::string_view kuerzel) {
  const TKuerzelString neu(kuerzel);
  if (neu.empty()) return false;
  const auto vergeben = [&](const auto& menge) {
    for (const TElement* anderes : menge) {
      if (anderes != e && anderes->fKuerzel == neu) return true;
    }
    return false;
  };
  bool doppelt = false;
  switch (e->Art()) {
    case leh:
      doppelt = vergeben(fLehrerMenge);
      break;
    case kla:
      doppelt = vergeben(fKlassenMenge);
      break;
    case rau:
      doppelt = vergeben(fRaumMenge);
      break;
    case fac:
      doppelt = vergeben(fFachMenge);
      break;
    case kop:
      doppelt = vergeben(fKopplMenge);
      break;
    case uvt:
      doppelt = vergeben(fUVTabMenge);
      break;
    case kur:
      break;
  }
  if (doppelt) {
    Dialog().Nachricht(
        "Stop",
        {"Das K\xFCrzel", neu.str(), "gibt es schon. W\xE4hlen Sie", "ein anderes K\xFCrzel!"},
        TMeldungsArt::Warnung);
    return false;
  }
  e->SetKuerzel(neu);
  return true;
}

bool TSchule::FensterAnmelden(const std::string& name, Fenster* fenster) {
  for (const auto& [n, f] : fFensterListe) {
    if (n == name) return false;
  }
  fFensterListe.emplace_back(name, fenster);
  return true;
}

void TSchule::FensterAbmelden(Fenster* fenster) {
  std::erase_if(fFensterListe,
                [fenster](const auto& eintrag) { return eintrag.second == fenster; });
  if (fAktivesFenster == fenster) fAktivesFenster = nullptr;
}

void TSchule::AlleFensterUpdate() {
  const auto schnappschuss = fFensterListe;
  for (const auto& [name, fenster] : schnappschuss) {
    fenster->FensterUpdate();
    fenster->FensterNachVorn();
  }
}

void TSchule::FensterAktualisieren() {
  const auto schnappschuss = fFensterListe;
  for (const auto& [name, fenster] : schnappschuss) fenster->FensterRefresh();
}

void TSchule::BelegungGeaendert() {
  for (const auto& [name, fenster] : fFensterListe) fenster->BelegungGeaendert();
}

Fenster* TSchule::OffenesFenster(TFensterTyp typ) const {
  for (const auto& [name, fenster] : fFensterListe) {
    if (fenster->FensterArt() == Nr(typ)) return fenster;
  }
  return nullptr;
}

void TSchule::FensterUpdate(TFensterTyp typ) {
  if (Fenster* fenster = OffenesFenster(typ)) fenster->FensterUpdate();
}

TSchule& Schule() {
  static TSchule vorgabe;
  return gSchule ? *gSchule : vorgabe;
}

TSchuleEinsetzen::TSchuleEinsetzen(TSchule& schule) : fVorher(gSchule) {
  gSchule = &schule;
}
TSchuleEinsetzen::~TSchuleEinsetzen() {
  gSchule = fVorher;
}

}  // namespace orbato
