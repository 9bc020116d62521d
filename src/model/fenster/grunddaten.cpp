#include "model/fenster/grunddaten.h"

#include <cstddef>
#include <vector>

#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "model/elemente/klasse.h"
#include "model/elemente/lehrer.h"
#include "model/elemente/raum.h"
#include "model/kurse/kurs.h"
#include "model/schnittstellen/dialoge.h"

namespace orbato {
namespace {

constexpr std::size_t kTitelLaenge = 22;
// 7 days of 16 periods: the most lessons one version holds, and the lowest a course that is
// never placed may go.
constexpr int32_t kWochenZellen = 112;

// A copy of a course as "Übernehmen" makes it for the target class, from the state the source
// course had before the target's own courses went.
void KursKopieren(const TStandard& standard, TKlasse& ziel, TKlasse& quelle, const TKurs& vorlage,
                  const std::vector<TKlasse*>& klassen, bool klassenraum) {
  auto* kurs = new TKurs;
  kurs->IKurs(nullptr, &ziel, vorlage.fStunden.GetWochenStunde(standard.fAktuelleWoche), nullptr,
              vorlage.fFach, nullptr);
  for (TKlasse* k : klassen) {
    if (k == &quelle) continue;
    kurs->KlasseErgaenzen(k == &ziel ? &quelle : k);
  }
  for (TRaum* r : vorlage.fRaeume) {
    if (klassenraum && ziel.fRaum && r == quelle.fRaum) r = ziel.fRaum;
    kurs->RaumErgaenzen(r, false);
  }
  kurs->KopiereSperrung(vorlage.fSperrung);
  kurs->SetnichtVerplanen(vorlage.fNichtVerplanen);
  kurs->SetnichtZaehlenLe(vorlage.fNichtZaehlenLe);
  kurs->SetnichtZaehlenKl(vorlage.fNichtZaehlenKl);
  kurs->SetStdProTag(vorlage.fStdProTag);
  kurs->SetEinzelStd(vorlage.fEinzelStd);
  kurs->SetTabellenNr(vorlage.fTabellenNr);
}

}  // namespace

std::string GrunddatenTitel(const TElement& element) {
  return ("Grunddaten " + element.fKuerzel.str()).substr(0, kTitelLaenge);
}

bool EigenenRaumWaehlen(TSollElement& element, TRaum* raum, Dialoge& dialoge) {
  auto* lehrer = dynamic_cast<TLehrer*>(&element);
  auto* klasse = dynamic_cast<TKlasse*>(&element);
  if (lehrer == nullptr && klasse == nullptr) return false;
  TRaum* alt = lehrer ? lehrer->fRaum : klasse->fRaum;
  if (raum == alt) return false;
  const auto setze = [&](TRaum* r) {
    if (lehrer) {
      lehrer->SetRaum(r);
    } else {
      klasse->SetRaum(r);
    }
  };
  if (raum == nullptr) {
    setze(nullptr);
    return true;
  }
  const std::string wessen = lehrer ? "des Lehrers" : "der Klasse";
  std::string titel;
  std::vector<std::string> zeilen{"Soll in allen Kursen", wessen, "der Raum"};
  if (alt) {
    titel = lehrer ? "Lehrerraumwechsel" : "Klasssenraumwechsel";
    zeilen.insert(zeilen.end(),
                  {alt->fKuerzel.str(), "durch Raum", raum->fKuerzel.str(), "ersetzt werden?"});
  } else {
    titel = lehrer ? "Neuer Lehrerraum" : "Neuer Klassenraum";
    zeilen.insert(zeilen.end(), {raum->fKuerzel.str(), "erg\xE4nzt werden?"});
  }
  switch (dialoge.Frage(titel, zeilen, {"Ja", "Nein", "Abbrechen"})) {
    case 0:
      if (lehrer) {
        lehrer->NeuerRaum(raum);
      } else {
        klasse->NeuerRaum(raum);
      }
      return true;
    case 1:
      setze(raum);
      return true;
    default:
      return false;
  }
}

bool KursStundenSchritt(TSchule& schule, const TStandard& s, TKurs& kurs, int richtung) {
  if (richtung == 0) return false;
  const int32_t schritt = s.fEineWoche ? 1 : s.WochenZahl();
  const int32_t neu = kurs.fStunden.GetWochenStunde(-1) + (richtung > 0 ? schritt : -schritt);
  if (richtung > 0 && neu > kWochenZellen * schritt) return false;
  if (richtung < 0) {
    const int32_t unten =
        kurs.fNichtVerplanen ? -kWochenZellen * schritt : kurs.VerplanteStunden(-1);
    if (neu < unten) return false;
  }
  // Stored without SetzeStunden: the placed lessons are tested as a whole, so a version holding
  // more than its new share asks no "Kurs ist verplant" here.
  kurs.fStunden.SetWochenStunde(-1, neu / schritt);
  schule.SetDirty();
  return true;
}

bool UebernahmeErlaubt(const TKlasse& ziel, Dialoge& dialoge) {
  if (!ziel.IstVerplant()) return true;
  dialoge.Nachricht("Stop",
                    {"Die Stundentafel der  Klasse", ziel.fKuerzel.str(),
                     "enth\xE4lt schon verplante Kurse. Diese m\xFCssen",
                     "erst aus den Pl\xE4nen gel\xF6scht werden."},
                    TMeldungsArt::Warnung);
  return false;
}

void KurseUebernehmen(TSchule& schule, const TStandard& standard, TKlasse& ziel, TKlasse& quelle,
                      TUebernahme art, bool klassenraum) {
  if (&ziel == &quelle) return;
  // Taking the target out of a course it shares with the source changes that course's classes,
  // and new courses may join the source's list: both are read as they were before.
  struct Vorlage {
    TKurs* fKurs;
    std::vector<TKlasse*> fKlassen;
  };
  std::vector<Vorlage> vorlagen;
  for (TKurs* k : quelle.fKurse) vorlagen.push_back({k, {k->fKlassen.begin(), k->fKlassen.end()}});

  const std::vector<TKurs*> alte(ziel.fKurse.begin(), ziel.fKurse.end());
  for (TKurs* k : alte) {
    if (k->fKlassen.ListeZahlElemente() == 1) {
      schule.KursEntfernen(k);
    } else {
      k->KlasseEntfernen(&ziel);
      k->BesetzungAbstimmen(ziel);
    }
  }

  for (const Vorlage& v : vorlagen) {
    TKurs& kurs = *v.fKurs;
    if (kurs.fKopplung == nullptr || art == TUebernahme::EigeneKurse) {
      KursKopieren(standard, ziel, quelle, kurs, v.fKlassen, klassenraum);
    } else if (art == TUebernahme::KlasseErgaenzen && !kurs.HatKlasse(&ziel)) {
      // The course may be placed already; the target then holds its lessons too.
      kurs.KlasseErgaenzen(&ziel);
      kurs.BesetzungAbstimmen(ziel);
    }
  }
}

}  // namespace orbato
