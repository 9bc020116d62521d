#include "model/dokument/schule.h"

#include <algorithm>
#include <random>
#include <set>

#include "model/schnittstellen/dialoge.h"
#include "model/schnittstellen/fenster.h"
#include "model/schnittstellen/testfenster.h"
#include "model/schulfixture.h"

namespace orbato {
namespace {

using SchuleTest = SchulTest;

template <class T>
std::set<const void*> Alle(const TListe<T>& liste) {
  return {liste.begin(), liste.end()};
}

template <class T>
bool Enthaelt(const TListe<T>& liste, const TElement* e) {
  return std::any_of(liste.begin(), liste.end(),
                     [e](const T* x) { return static_cast<const TElement*>(x) == e; });
}

// Every relation of the document is mirrored and points at a record that is still there, and
// every occupied cell of an element is a placement of one of its courses.
void PruefeInvarianten(const TSchule& s) {
  const auto kurse = Alle(s.fKursMenge);
  const auto lehrer = Alle(s.fLehrerMenge), klassen = Alle(s.fKlassenMenge);
  const auto raeume = Alle(s.fRaumMenge), faecher = Alle(s.fFachMenge);
  const auto kopplungen = Alle(s.fKopplMenge);
  const auto nennt = [](const TElement* e, const TKurs* k) { return e->fKurse.ListeElemNr(k) > 0; };
  const auto drin = [](const std::set<const void*>& menge, const void* p) {
    return p == nullptr || menge.contains(p);
  };
  for (const TKurs* k : s.fKursMenge) {
    ASSERT_TRUE(drin(lehrer, k->fLehrer));
    ASSERT_TRUE(drin(faecher, k->fFach));
    ASSERT_TRUE(drin(kopplungen, k->fKopplung));
    if (k->fLehrer) {
      ASSERT_TRUE(nennt(k->fLehrer, k));
    }
    if (k->fFach) {
      ASSERT_TRUE(nennt(k->fFach, k));
    }
    if (k->fKopplung) {
      ASSERT_TRUE(nennt(k->fKopplung, k));
    }
    for (const TKlasse* c : k->fKlassen) {
      ASSERT_TRUE(drin(klassen, c));
      ASSERT_TRUE(nennt(c, k));
      if (k->fFach) {
        ASSERT_GT(k->fFach->fKlassen.ListeElemNr(c), 0);
      }
    }
    for (const TRaum* r : k->fRaeume) {
      ASSERT_TRUE(drin(raeume, r));
      ASSERT_TRUE(nennt(r, k));
    }
    for (const TSetzung* st : k->fSetzungen) ASSERT_TRUE(drin(raeume, st->fRaum));
  }
  const auto pruefeElement = [&](const TElement* e) {
    for (const TKurs* k : e->fKurse) {
      ASSERT_TRUE(kurse.contains(k)) << e->fKuerzel.str();
      const bool genannt = k->fLehrer == static_cast<const void*>(e) ||
                           k->fFach == static_cast<const void*>(e) ||
                           k->fKopplung == static_cast<const void*>(e) ||
                           Enthaelt(k->fKlassen, e) || Enthaelt(k->fRaeume, e);
      ASSERT_TRUE(genannt) << e->fKuerzel.str();
    }
  };
  const auto pruefeBesetzung = [&](const TPlanElement* e, bool raum) {
    for (int w = 1; w <= Standard().fMaxWocheNeu; ++w) {
      for (int t = 1; t <= 7; ++t) {
        for (int p = 1; p <= 16; ++p) {
          bool belegt = false;
          for (const TKurs* k : e->fKurse) {
            const TSetzung* st = k->SetzungFinden(w, t, p);
            belegt = belegt || (st && (!raum || st->fRaum == static_cast<const void*>(e)));
          }
          ASSERT_EQ(e->fBesetzung.GetWocheTagStd(w, t, p), belegt) << e->fKuerzel.str();
        }
      }
    }
  };
  for (const TLehrer* l : s.fLehrerMenge) {
    pruefeElement(l);
    pruefeBesetzung(l, false);
    ASSERT_TRUE(drin(raeume, l->fRaum));
    ASSERT_TRUE(drin(faecher, l->fPopFach));
    for (const TFach* f : l->fFaecher) {
      ASSERT_TRUE(drin(faecher, f));
      ASSERT_GT(f->fLehrer.ListeElemNr(l), 0);
    }
  }
  for (const TKlasse* c : s.fKlassenMenge) {
    pruefeElement(c);
    pruefeBesetzung(c, false);
    ASSERT_TRUE(drin(lehrer, c->fLehrer1));
    ASSERT_TRUE(drin(lehrer, c->fLehrer2));
    ASSERT_TRUE(drin(raeume, c->fRaum));
  }
  for (const TRaum* r : s.fRaumMenge) {
    pruefeElement(r);
    pruefeBesetzung(r, true);
  }
  for (const TFach* f : s.fFachMenge) {
    pruefeElement(f);
    for (const TLehrer* l : f->fLehrer) ASSERT_GT(l->fFaecher.ListeElemNr(f), 0);
    for (const TKlasse* c : f->fKlassen) ASSERT_TRUE(drin(klassen, c));
  }
  for (const TKopplung* o : s.fKopplMenge) pruefeElement(o);
  for (const TKopplung* o : s.fParListe.fListe) ASSERT_TRUE(drin(kopplungen, o));
  for (const TUVTab* u : s.fUVTabMenge) {
    for (const TLehrer* l : u->fLehrer) ASSERT_TRUE(drin(lehrer, l));
    for (const TKlasse* c : u->fKlassen) ASSERT_TRUE(drin(klassen, c));
    for (const TFach* f : u->fFaecher) ASSERT_TRUE(drin(faecher, f));
  }
}

TEST_F(SchuleTest, DeletingATeacherLeavesNoReferenceToIt) {
  TLehrer* l = fSchule.HoleLehrer("MUE");
  TKlasse* k = fSchule.HoleKlasse("5a");
  TFach* d = fSchule.HoleFach("D");
  k->SetLehrer1(l);
  l->NeuesFach(d);
  d->fPopLehrer = l;
  auto* tabelle = new TUVTab;
  tabelle->fLehrer.ListeAnhaengen(l);
  fSchule.fUVTabMenge.ListeAnhaengen(tabelle);
  TKurs* kurs = Kurs(l, k, 2, nullptr, d);
  Setze(kurs, 1, 1, 1);
  TTestFenster fenster(61, "Lehrer MUE");
  l->SetGrDatFenster(&fenster);

  fSchule.LehrerLoeschen(l);
  EXPECT_EQ(fSchule.fLehrerMenge.ListeZahlElemente(), 0);
  EXPECT_EQ(kurs->fLehrer, nullptr);
  EXPECT_EQ(kurs->fSetzungen.ListeZahlElemente(), 0);
  EXPECT_FALSE(k->fBesetzung.GetWocheTagStd(1, 1, 1));
  EXPECT_EQ(k->fLehrer1, nullptr);
  EXPECT_EQ(d->fLehrer.ListeZahlElemente(), 0);
  EXPECT_EQ(d->fPopLehrer, nullptr);
  EXPECT_EQ(tabelle->fLehrer.ListeZahlElemente(), 0);
  EXPECT_EQ(fenster.fSchliessungen, 1);
  EXPECT_EQ(fSchule.fKursMenge.ListeZahlElemente(), 1);  // the course stays, without teacher
  PruefeInvarianten(fSchule);
}

TEST_F(SchuleTest, DeletingARoomTakesThePlacementsHeldInIt) {
  TRaum* r = fSchule.HoleRaum("R1");
  TLehrer* l = fSchule.HoleLehrer("A");
  l->SetRaum(r);
  TKurs* imRaum = Kurs(l, nullptr, 2, r);
  TKurs* ohne = Kurs(fSchule.HoleLehrer("B"), nullptr, 2, r);
  Setze(imRaum, 1, 1, 1, r);
  Setze(ohne, 1, 2, 2);
  fSchule.RaumLoeschen(r);
  EXPECT_EQ(imRaum->fSetzungen.ListeZahlElemente(), 0);
  EXPECT_EQ(ohne->fSetzungen.ListeZahlElemente(), 1);
  EXPECT_EQ(ohne->fRaeume.ListeZahlElemente(), 0);
  EXPECT_EQ(l->fRaum, nullptr);
  PruefeInvarianten(fSchule);
}

TEST_F(SchuleTest, DeletingACouplingEmptiesItsParallelSlots) {
  TKopplung* o = fSchule.HoleKopplung("K1");
  fSchule.fParListe.fListe = {o, nullptr, o};
  TKurs* k = Kurs(fSchule.HoleLehrer("A"), nullptr, 2, nullptr, nullptr, o);
  Setze(k, 1, 1, 1);
  fSchule.KopplungLoeschen(o);
  EXPECT_EQ(fSchule.fParListe.fListe, (std::vector<TKopplung*>{nullptr, nullptr, nullptr}));
  EXPECT_EQ(k->fKopplung, nullptr);
  EXPECT_EQ(k->fSetzungen.ListeZahlElemente(), 0);
  PruefeInvarianten(fSchule);
}

TEST_F(SchuleTest, ClosingAsksToSaveOnlyUnsavedChanges) {
  TSkriptDialoge dialoge;
  fSchule.SetDialoge(&dialoge);
  std::vector<bool> meldungen;
  fSchule.fBeiDirty = [&](bool dirty) { meldungen.push_back(dirty); };
  EXPECT_EQ(fSchule.FrageSichern(), TSichernAntwort::Nein);
  EXPECT_EQ(dialoge.Protokoll().size(), 0u);
  fSchule.HoleLehrer("A");
  fSchule.HoleLehrer("B");
  dialoge.Antworte("Mit einem anderem Namen");
  EXPECT_EQ(fSchule.FrageSichern(), TSichernAntwort::AndererName);
  EXPECT_EQ(fSchule.FrageSichern(), TSichernAntwort::Ja);
  ASSERT_EQ(dialoge.Protokoll().size(), 2u);
  EXPECT_EQ(dialoge.Protokoll()[0].fTitel, "Daten sichern?");
  EXPECT_EQ(dialoge.Protokoll()[0].fZeilen,
            (std::vector<std::string>{"Sollen Ihre Daten gesichert werden?"}));
  fSchule.SetDirty(false);
  EXPECT_EQ(meldungen, (std::vector<bool>{true, false}));
}

TEST_F(SchuleTest, NewCourseOfTheAllCoursesWindowHasOnlyItsLessons) {
  fStandard.fKursStd = 4;
  TKurs* k = fSchule.ErzeugeNeuenKurs();
  EXPECT_EQ(k->fStunden.GetWochenStunde(1), 4);
  EXPECT_EQ(k->fLehrer, nullptr);
  EXPECT_EQ(fSchule.fKursMenge.ListeNrInhalt(1), k);
  fSchule.KursEntfernen(k);
  EXPECT_EQ(fSchule.fKursMenge.ListeZahlElemente(), 0);
}

TEST_F(SchuleTest, WindowListRefusesDuplicatesAndUpdatesInOrder) {
  std::vector<std::string> log;
  TTestFenster a(9, "Plan A", &log), b(10, "Plan 5a", &log);
  EXPECT_TRUE(fSchule.FensterAnmelden("Plan A", &a));
  EXPECT_TRUE(fSchule.FensterAnmelden("Plan 5a", &b));
  EXPECT_FALSE(fSchule.FensterAnmelden("Plan A", &b));
  fSchule.AlleFensterUpdate();
  EXPECT_EQ(log, (std::vector<std::string>{"Plan A: Update", "Plan A: NachVorn", "Plan 5a: Update",
                                           "Plan 5a: NachVorn"}));
  fSchule.FensterAbmelden(&a);
  EXPECT_EQ(fSchule.fFensterListe.size(), 1u);
}

// The core reaches the substitution windows and "alle Kurse" by their kind: the first one opened
// of the kind redraws, the others are left alone.
TEST_F(SchuleTest, TheOpenWindowOfAKindIsTheFirstOpenedOfIt) {
  std::vector<std::string> log;
  TTestFenster plan(9, "Plan A", &log), erste(69, "Vertretungen", &log), zweite(69, "V2", &log);
  EXPECT_EQ(fSchule.OffenesFenster(TFensterTyp::Vertretungen), nullptr);
  fSchule.FensterUpdate(TFensterTyp::Vertretungen);
  fSchule.FensterAnmelden("Plan A", &plan);
  fSchule.FensterAnmelden("Vertretungen", &erste);
  fSchule.FensterAnmelden("V2", &zweite);
  EXPECT_EQ(fSchule.OffenesFenster(TFensterTyp::Vertretungen), &erste);
  EXPECT_EQ(fSchule.OffenesFenster(TFensterTyp::LehrerPlan), &plan);
  EXPECT_EQ(fSchule.OffenesFenster(TFensterTyp::AlleKurse), nullptr);
  fSchule.FensterUpdate(TFensterTyp::Vertretungen);
  EXPECT_EQ(log, std::vector<std::string>{"Vertretungen: Update"});
  fSchule.FensterAbmelden(&erste);
  EXPECT_EQ(fSchule.OffenesFenster(TFensterTyp::Vertretungen), &zweite);
  fSchule.FensterAbmelden(&zweite);
  fSchule.FensterAbmelden(&plan);
}

// Builds a school of a few hundred records, then deletes elements and courses in random order;
// after every step each relation must still be mirrored and no pointer may reach a deleted record.
TEST_F(SchuleTest, RandomDeletionsKeepEveryInvariant) {
  fStandard.fMaxWocheNeu = 2;
  std::mt19937 zufall(20261208);
  const auto wahl = [&](int n) { return static_cast<int>(zufall() % static_cast<unsigned>(n)); };
  for (int i = 0; i < 30; ++i) fSchule.HoleLehrer("L" + std::to_string(i));
  for (int i = 0; i < 15; ++i) fSchule.HoleKlasse("K" + std::to_string(i));
  for (int i = 0; i < 10; ++i) fSchule.HoleRaum("R" + std::to_string(i));
  for (int i = 0; i < 12; ++i) fSchule.HoleFach("F" + std::to_string(i));
  for (int i = 0; i < 6; ++i) fSchule.HoleKopplung("O" + std::to_string(i));
  fSchule.fParListe.fListe = {fSchule.fKopplMenge.ListeNrInhalt(1),
                              fSchule.fKopplMenge.ListeNrInhalt(2)};
  const auto element = [&](auto& liste, int prozentLeer) {
    const int n = liste.ListeZahlElemente();
    return n == 0 || wahl(100) < prozentLeer ? nullptr : liste.ListeNrInhalt(1 + wahl(n));
  };
  for (TLehrer* l : fSchule.fLehrerMenge) {
    l->NeuesFach(element(fSchule.fFachMenge, 0));
    l->SetRaum(element(fSchule.fRaumMenge, 70));
  }
  for (TKlasse* k : fSchule.fKlassenMenge) k->SetLehrer1(element(fSchule.fLehrerMenge, 20));
  for (int i = 0; i < 250; ++i) {
    TKurs* k = Kurs(element(fSchule.fLehrerMenge, 5), element(fSchule.fKlassenMenge, 10),
                    1 + wahl(5), element(fSchule.fRaumMenge, 40), element(fSchule.fFachMenge, 5),
                    element(fSchule.fKopplMenge, 80));
    if (wahl(3) == 0) k->KlasseErgaenzen(element(fSchule.fKlassenMenge, 0));
    if (wahl(4) == 0) k->RaumErgaenzen(element(fSchule.fRaumMenge, 0), true);
    for (int n = wahl(4); n > 0; --n) {
      const int w = 1 + wahl(2), t = 1 + wahl(5), p = 1 + wahl(8);
      if (!k->SetzungFinden(w, t, p)) Setze(k, w, t, p, element(k->fRaeume, 30));
    }
  }
  PruefeInvarianten(fSchule);
  for (int schritt = 0; schritt < 120 && !HasFatalFailure(); ++schritt) {
    switch (wahl(7)) {
      case 0:
        if (auto* e = element(fSchule.fLehrerMenge, 0)) fSchule.LehrerLoeschen(e);
        break;
      case 1:
        if (auto* e = element(fSchule.fKlassenMenge, 0)) fSchule.KlasseLoeschen(e);
        break;
      case 2:
        if (auto* e = element(fSchule.fRaumMenge, 0)) fSchule.RaumLoeschen(e);
        break;
      case 3:
        if (auto* e = element(fSchule.fFachMenge, 0)) fSchule.FachLoeschen(e);
        break;
      case 4:
        if (auto* e = element(fSchule.fKopplMenge, 0)) fSchule.KopplungLoeschen(e);
        break;
      default:
        if (auto* e = element(fSchule.fKursMenge, 0)) fSchule.KursEntfernen(e);
        break;
    }
    PruefeInvarianten(fSchule);
  }
}

}  // namespace
}  // namespace orbato
