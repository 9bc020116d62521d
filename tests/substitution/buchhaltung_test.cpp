// Thousands of random steps of a planning office's substitution work on the demo school: teachers,
// classes and rooms become absent and present, substitutes and rooms are entered with random
// answers to every question, lessons are swapped, cancelled and freed, placements go and come.
// After every step the records must hang together; at the end, with every absence lifted, no
// record may be left and every balance must be back where it started.
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>
#include <tuple>

#include "model/demo/demoschule.h"
#include "model/dokument/schule.h"
#include "model/schnittstellen/dialoge.h"
#include "model/schnittstellen/uhr.h"
#include "model/vertretung/kalender.h"
#include "placement/setzen.h"
#include "substitution/fehlzeiten.h"

namespace orbato {
namespace {

class TZufallsAntworten : public TSkriptDialoge {
 public:
  explicit TZufallsAntworten(std::mt19937& zufall) : fZufall(zufall) {}
  int Frage(std::string_view, const std::vector<std::string>&,
            const std::vector<std::string>& knoepfe, TMeldungsArt) override {
    ++fFragen;
    return std::uniform_int_distribution<int>(0, static_cast<int>(knoepfe.size()) - 1)(fZufall);
  }
  void Nachricht(std::string_view, const std::vector<std::string>&, TMeldungsArt) override {}
  int fFragen = 0;

 private:
  std::mt19937& fZufall;
};

class Buchhaltung : public ::testing::TestWithParam<unsigned> {
 protected:
  Buchhaltung() {
    ErzeugeDemoSchule(fSchule, fStandard, TDemoGroesse::mittel);
    fStandard.fMaxTageNeu = 5;
    fSchule.SetDialoge(&fDialoge);
    fSchule.SetUhr(&fUhr);
    // Two school weeks from Monday 7 December 2026, with the Wednesday of the second a holiday.
    const TDatumZeit montag = *KodiereDatum(2026, 12, 7) + 0.5;
    fStandard.fFerien[KalenderWoche(montag + 7)] |= 1 << 2;
    for (int tag = 0; tag < 14; ++tag) {
      if (Schultag(montag + tag)) fTage.push_back(montag + tag);
    }
    for (const TLehrer* l : fSchule.fLehrerMenge) fStart[l] = {l->fVStunden1, l->fVStunden2};
  }

  int Zahl(int von, int bis) { return std::uniform_int_distribution<int>(von, bis)(fZufall); }
  template <class T>
  T* Eins(const TListe<T>& liste) {
    const int n = liste.ListeZahlElemente();
    return n == 0 ? nullptr : liste.ListeNrInhalt(Zahl(1, n));
  }
  TDatumZeit EinTag() { return fTage[static_cast<size_t>(Zahl(0, int(fTage.size()) - 1))]; }

  // A lesson given on the date, so that absences mostly hit something.
  const TSetzung* EineStunde(TDatumZeit datum, TKurs*& kurs) {
    for (int versuch = 0; versuch < 50; ++versuch) {
      kurs = Eins(fSchule.fKursMenge);
      for (const TSetzung* s : kurs->fSetzungen) {
        if (s->fWoche == PlanVersionAm(datum) && s->fTag == Wochentag(datum)) return s;
      }
    }
    return nullptr;
  }

  std::string ZufallsStunden(const TSetzung* um) {
    std::string text(16, '-');
    switch (Zahl(0, 3)) {
      case 0:
        break;  // present again
      case 1:
        for (int p = Zahl(1, 4); p <= 8; ++p) text[static_cast<size_t>(p - 1)] = '+';
        break;
      default:
        for (int i = 0; i < Zahl(1, 3); ++i) text[static_cast<size_t>(Zahl(1, 8) - 1)] = '+';
        if (um) text[static_cast<size_t>(um->fStunde - 1)] = '+';
        break;
    }
    return text;
  }

  void Fehlzeit() {
    const TDatumZeit datum = EinTag();
    TKurs* kurs = nullptr;
    const TSetzung* s = EineStunde(datum, kurs);
    const int art = Zahl(0, 2);
    TPlanElement* element = nullptr;
    if (art == 0) element = s ? kurs->fLehrer : Eins(fSchule.fLehrerMenge);
    if (art == 1)
      element = s && kurs->ErsteKlasse() ? kurs->ErsteKlasse() : Eins(fSchule.fKlassenMenge);
    if (art == 2) element = s && s->fRaum ? s->fRaum : Eins(fSchule.fRaumMenge);
    if (element == nullptr) return;
    TFehlForm form(fSchule, fStandard, element->Art(), datum);
    if (form.ElementHinzufuegen(element) == TFehlForm::TZugang::FehltSchon && Zahl(0, 4) == 0) {
      form.SetGrund(form.ZeileVon(element), "K");  // only the reason changes
    } else {
      form.SetStunden(form.ZeileVon(element), ZufallsStunden(s));
    }
    if (art == 0 && Zahl(0, 9) == 0) {
      TLangeFehlzeit lang(form, form.Zeilen()[static_cast<size_t>(form.ZeileVon(element))]);
      lang.fTag += Zahl(1, 6);
      lang.Ok();
    }
    form.Ok();
  }

  TVertretung* EineVertretung() { return Eins(fSchule.fVertretungsMenge); }

  void Vertreten() {
    TVertretung* v = EineVertretung();
    if (v == nullptr) return;
    fAktion = Zahl(0, 9);
    switch (fAktion) {
      case 0:
      case 1:
      case 2:
        v->TrageLehrerEin(Eins(fSchule.fLehrerMenge));
        break;
      case 3: {
        TKlasse* klasse = v->fKurs->ErsteKlasse();
        TKurs* eigener = klasse ? Eins(klasse->fKurse) : nullptr;
        if (eigener == nullptr || eigener->fLehrer == nullptr) break;
        const TMenu menu = v->ErzeugeKlassenMenu(Zahl(0, 3) ? eigener->fLehrer : v->fKurs->fLehrer);
        if (menu.empty()) break;
        const TMenuEintrag& e = menu[static_cast<size_t>(Zahl(0, int(menu.size()) - 1))];
        if (e.fEnabled) v->StattWahl(e.fTag);
        break;
      }
      case 4:
        v->TrageRaumEin(Zahl(0, 4) ? Eins(fSchule.fRaumMenge) : nullptr);
        break;
      case 5:
        v->Frei();
        break;
      case 6:
        v->Loeschen(Zahl(0, 1) == 0);
        break;
      case 7:
        v->Anrechnen(Zahl(0, 1) == 0);
        break;
      case 8: {
        TMenu wie = v->ErzeugeWieMenu();
        if (!wie.empty()) Waehle(wie[static_cast<size_t>(Zahl(0, int(wie.size()) - 1))]);
        break;
      }
      default:
        VertretungZerstoeren(v);
        break;
    }
  }

  // A lesson on one of the dates goes and comes back where it was.
  void Umsetzen() {
    TKurs* kurs = nullptr;
    const TSetzung* s = EineStunde(EinTag(), kurs);
    if (s == nullptr) return;
    const auto [woche, tag, std, raum] = std::tuple(s->fWoche, s->fTag, s->fStunde, s->fRaum);
    SetzungEntfernen(*kurs, const_cast<TSetzung*>(s));
    if (Zahl(0, 1)) VerlegteSetzung(*kurs, woche, tag, raum, std);
  }

  // What the balance of every teacher must have moved by: his credited substitutions, less his
  // lessons whose classes are all absent while he is there.
  std::map<const TLehrer*, int32_t> Soll() const {
    std::map<const TLehrer*, int32_t> soll;
    for (const TVertretung* v : fSchule.fVertretungsMenge) {
      if (v->EchteVertretung() && v->fAngerechnet && v->fGueltig) soll[v->fLehrer] += v->Faktor();
    }
    std::set<std::tuple<const TSetzung*, int>> gezaehlt;
    for (const TFehl* f : fSchule.fFehlKlassenMenge) {
      const auto* klasse = static_cast<const TKlasse*>(f->fElement);
      for (const TKurs* k : klasse->fKurse) {
        for (const TSetzung* s : k->fSetzungen) {
          if (!f->FehltAn(s->fWoche, s->fTag, s->fStunde) || k->fLehrer == nullptr) continue;
          if (!gezaehlt.emplace(s, GanzerTag(f->fDatum)).second) continue;
          if (!k->fLehrer->Abwesend(s->fStunde, f->fDatum) &&
              k->AlleKlassenAbwesend(s->fStunde, nullptr, f->fDatum)) {
            soll[k->fLehrer] -= k->fFaktor;
          }
        }
      }
    }
    return soll;
  }

  std::string Fehler() const {
    const TListe<TVertretung>& alle = fSchule.fVertretungsMenge;
    std::set<const TVertretung*> bekannt(alle.begin(), alle.end());
    size_t eigene = 0;
    for (const TKurs* k : fSchule.fKursMenge) {
      for (const TSetzung* s : k->fSetzungen) {
        for (const TVertretung* v : s->fVertretungen) {
          ++eigene;
          if (!bekannt.contains(v)) return "Vertretung fehlt in der Liste";
          if (v->fSetzung != s || v->fKurs != k) return "Vertretung an falscher Setzung";
        }
      }
    }
    if (eigene != bekannt.size() || bekannt.size() != size_t(alle.ListeZahlElemente())) {
      return "Vertretung ohne Setzung oder doppelt";
    }
    for (int32_t i = 2; i <= alle.ListeZahlElemente(); ++i) {
      if (VertretungVergleich(alle.ListeNrInhalt(i - 1), alle.ListeNrInhalt(i)) > 0) {
        return "Liste nicht sortiert";
      }
    }
    for (const TVertretung* v : alle) {
      if (v->fVon && !bekannt.contains(v->fVon)) return "fVon zeigt ins Leere";
      if (v->fZu && !bekannt.contains(v->fZu)) return "fZu zeigt ins Leere";
      if (v->fZu && v->fZu->fVon != v) return "fZu ohne Rueckverweis";
      if (v->fVon && v->fVon->fZu != v) return "fVon ohne Rueckverweis";
      if (v->fDatum != Mittag(v->fDatum)) return "Datum nicht mittags";
      if (v->fGueltig == v->KlassenAbwesend()) return "fGueltig passt nicht zu den Klassen";
      const bool lehrerFehlt =
          v->fKurs->fLehrer && v->fKurs->fLehrer->Abwesend(v->Stunde(), v->fDatum);
      const bool raumFehlt =
          v->fSetzung->fRaum && v->fSetzung->fRaum->Abwesend(v->Stunde(), v->fDatum);
      if (!lehrerFehlt && !raumFehlt && v->fVon == nullptr) {
        return "Vertretung ohne Grund: " + v->ZeitZeile() + " " + v->KursZeile() + " Vertreter " +
               KuerzelVon(v->fLehrer);
      }
    }
    for (const TListe<TFehl>* menge :
         {&fSchule.fFehlLehrerMenge, &fSchule.fFehlKlassenMenge, &fSchule.fFehlRaumMenge}) {
      std::set<std::pair<const TPlanElement*, int>> paare;
      for (const TFehl* f : *menge) {
        if (f->fZeit == 0) return "leere Fehlzeit";
        if (!paare.emplace(f->fElement, GanzerTag(f->fDatum)).second) return "doppelte Fehlzeit";
      }
    }
    const std::map<const TLehrer*, int32_t> soll = Soll();
    for (const TLehrer* l : fSchule.fLehrerMenge) {
      const auto it = soll.find(l);
      const int32_t erwartet = it == soll.end() ? 0 : it->second;
      const auto [start1, start2] = fStart.at(l);
      if (l->fVStunden1 - start1 != erwartet || l->fVStunden2 - start2 != erwartet) {
        return "Bilanz von " + l->fKuerzel.str() + ": " + std::to_string(l->fVStunden1 - start1) +
               " statt " + std::to_string(erwartet);
      }
    }
    return {};
  }

  void AlleFehlzeitenAufheben() {
    for (TDatumZeit datum : fTage) {
      for (TKuerzelArt art : {leh, kla, rau}) {
        TFehlForm form(fSchule, fStandard, art, datum);
        for (size_t i = 0; i < form.Zeilen().size(); ++i) {
          form.SetStunden(static_cast<int32_t>(i), std::string(16, '-'));
        }
        form.Ok();
      }
    }
    // The long absences reach beyond the two weeks.
    for (TKuerzelArt art : {leh, kla, rau}) {
      while (const TFehl* f = fSchule.FehlMenge(art)->ListeNrInhalt(1)) {
        TFehlForm form(fSchule, fStandard, art, f->fDatum);
        for (size_t i = 0; i < form.Zeilen().size(); ++i) {
          form.SetStunden(static_cast<int32_t>(i), std::string(16, '-'));
        }
        form.Ok();
      }
    }
  }

  TStandard fStandard;
  TStandardEinsetzen fStandardEingesetzt{fStandard};
  TSchule fSchule;
  TSchuleEinsetzen fSchuleEingesetzt{fSchule};
  std::mt19937 fZufall{GetParam()};
  TZufallsAntworten fDialoge{fZufall};
  TFesteUhr fUhr{*KodiereDatum(2026, 12, 9) + 0.4};
  std::vector<TDatumZeit> fTage;
  int fAktion = -1;
  std::map<const TLehrer*, std::pair<int32_t, int32_t>> fStart;
};

TEST_P(Buchhaltung, RandomStepsKeepTheRecordsWholeAndTheBalancesReturn) {
  constexpr int kSchritte = 4000;
  int hoechstens = 0;
  for (int schritt = 1; schritt <= kSchritte; ++schritt) {
    const int wahl = Zahl(0, 19);
    const char* was = wahl < 8 ? "Fehlzeit" : wahl < 19 ? "Vertretung" : "Umsetzen";
    if (wahl < 8) {
      Fehlzeit();
    } else if (wahl < 19) {
      Vertreten();
    } else if (Zahl(0, 3)) {
      Umsetzen();
    } else {
      fStandard.fVertrSortArt = Zahl(0, 3);
      VertretungenSortieren();
    }
    hoechstens = std::max(hoechstens, fSchule.fVertretungsMenge.ListeZahlElemente());
    const std::string fehler = Fehler();
    ASSERT_EQ(fehler, "") << "nach Schritt " << schritt << " (" << was << " " << fAktion << ")";
  }
  EXPECT_GT(hoechstens, 40);         // the steps did reach many records at once
  EXPECT_GT(fDialoge.fFragen, 100);  // and the questions were asked and answered both ways

  AlleFehlzeitenAufheben();
  EXPECT_EQ(fSchule.fVertretungsMenge.ListeZahlElemente(), 0);
  EXPECT_EQ(Fehler(), "");
  for (const TLehrer* l : fSchule.fLehrerMenge) {
    EXPECT_EQ(l->fVStunden1, fStart.at(l).first) << l->fKuerzel.str();
    EXPECT_EQ(l->fVStunden2, fStart.at(l).second) << l->fKuerzel.str();
  }
}

INSTANTIATE_TEST_SUITE_P(Zufall, Buchhaltung, ::testing::Values(20261209u, 3u, 17u));

}  // namespace
}  // namespace orbato
