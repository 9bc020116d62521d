#include "model/fenster/grunddaten.h"

#include "model/schnittstellen/dialoge.h"
#include "model/schulfixture.h"

namespace orbato {
namespace {

using Texte = std::vector<std::string>;

template <class T>
Texte Namen(const TListe<T>& liste) {
  Texte namen;
  for (const T* e : liste) namen.push_back(e->fKuerzel.str());
  return namen;
}

class GrunddatenTest : public SchulTest {
 protected:
  TSkriptDialoge fDialoge;
};

TEST_F(GrunddatenTest, TitleCarriesTheShortName) {
  EXPECT_EQ(GrunddatenTitel(*fSchule.HoleKlasse("5a")), "Grunddaten 5a");
  EXPECT_EQ(GrunddatenTitel(*fSchule.HoleLehrer("Mustermann1")), "Grunddaten Mustermann1");
}

TEST_F(GrunddatenTest, TeacherRoomChangeAsksHowFarItGoes) {
  TLehrer* l = fSchule.HoleLehrer("A");
  TRaum* alt = fSchule.HoleRaum("R1");
  TRaum* neu = fSchule.HoleRaum("R2");
  TRaum* andere = fSchule.HoleRaum("R3");
  l->SetRaum(alt);
  TKurs* frei = Kurs(l, fSchule.HoleKlasse("5a"), 2, alt);
  TKurs* verplant = Kurs(l, fSchule.HoleKlasse("5b"), 3, alt);
  Setze(verplant, 1, 1, 1, alt);
  TKurs* fremd = Kurs(l, fSchule.HoleKlasse("5c"), 1, andere);

  fDialoge.Antworte({"Abbrechen", "Nein", "Ja"});
  EXPECT_FALSE(EigenenRaumWaehlen(*l, neu, fDialoge));
  EXPECT_EQ(l->fRaum, alt);
  ASSERT_EQ(fDialoge.Protokoll().size(), 1u);
  const TDialogEintrag& frage = fDialoge.Protokoll()[0];
  EXPECT_EQ(frage.fTitel, "Lehrerraumwechsel");
  EXPECT_EQ(frage.fZeilen, (Texte{"Soll in allen Kursen", "des Lehrers", "der Raum", "R1",
                                  "durch Raum", "R2", "ersetzt werden?"}));
  EXPECT_EQ(frage.fKnoepfe, (Texte{"Ja", "Nein", "Abbrechen"}));

  // "Nein": only the teacher's own room.
  EXPECT_TRUE(EigenenRaumWaehlen(*l, neu, fDialoge));
  EXPECT_EQ(l->fRaum, neu);
  EXPECT_EQ(Namen(frei->fRaeume), Texte{"R1"});
  EXPECT_EQ(Namen(verplant->fRaeume), Texte{"R1"});
  EXPECT_EQ(Namen(fremd->fRaeume), Texte{"R3"});

  // "Ja": the courses follow, but a lesson held in the old room keeps it.
  l->SetRaum(alt);
  EXPECT_TRUE(EigenenRaumWaehlen(*l, neu, fDialoge));
  EXPECT_EQ(l->fRaum, neu);
  EXPECT_EQ(Namen(frei->fRaeume), Texte{"R2"});
  EXPECT_EQ(Namen(verplant->fRaeume), (Texte{"R1", "R2"}));
  EXPECT_EQ(Namen(fremd->fRaeume), Texte{"R3"});
  EXPECT_EQ(fDialoge.Anzahl(TDialogVorgang::Frage), 3u);
}

TEST_F(GrunddatenTest, ClassRoomIsNewSameOrNone) {
  TKlasse* k = fSchule.HoleKlasse("5a");
  TRaum* r = fSchule.HoleRaum("R1");
  TKurs* kurs = Kurs(nullptr, k, 2);
  fDialoge.Antworte("Ja");
  EXPECT_TRUE(EigenenRaumWaehlen(*k, r, fDialoge));
  ASSERT_EQ(fDialoge.Protokoll().size(), 1u);
  EXPECT_EQ(fDialoge.Protokoll()[0].fTitel, "Neuer Klassenraum");
  EXPECT_EQ(fDialoge.Protokoll()[0].fZeilen,
            (Texte{"Soll in allen Kursen", "der Klasse", "der Raum", "R1", "erg\xE4nzt werden?"}));
  EXPECT_EQ(k->fRaum, r);
  EXPECT_EQ(Namen(kurs->fRaeume), Texte{"R1"});

  EXPECT_FALSE(EigenenRaumWaehlen(*k, r, fDialoge));  // the room it has
  EXPECT_TRUE(EigenenRaumWaehlen(*k, nullptr, fDialoge));
  EXPECT_EQ(k->fRaum, nullptr);
  EXPECT_EQ(Namen(kurs->fRaeume), Texte{"R1"});
  EXPECT_EQ(fDialoge.Protokoll().size(), 1u);
}

TEST_F(GrunddatenTest, HoursStepStopsAtPlacedLessonsAndLimits) {
  TKurs* k = Kurs(nullptr, fSchule.HoleKlasse("5a"), 5);
  for (int32_t tag = 1; tag <= 4; ++tag) Setze(k, 1, tag, 1);
  EXPECT_TRUE(KursStundenSchritt(fSchule, fStandard, *k, -1));
  EXPECT_FALSE(KursStundenSchritt(fSchule, fStandard, *k, -1));
  EXPECT_EQ(k->fStunden.GetWochenStunde(1), 4);
  k->fStunden.SetWochenStunde(1, 112);
  EXPECT_FALSE(KursStundenSchritt(fSchule, fStandard, *k, +1));

  TKurs* nv = Kurs(nullptr, nullptr, -111);
  nv->SetnichtVerplanen(true);
  EXPECT_TRUE(KursStundenSchritt(fSchule, fStandard, *nv, -1));
  EXPECT_FALSE(KursStundenSchritt(fSchule, fStandard, *nv, -1));
  EXPECT_EQ(nv->fStunden.GetWochenStunde(1), -112);
  EXPECT_TRUE(fDialoge.Protokoll().empty());
}

TEST_F(GrunddatenTest, HoursStepOverAllVersionsMovesEveryVersion) {
  fStandard.fMaxWocheNeu = 2;
  fStandard.fEineWoche = false;
  fSchule.SetDialoge(&fDialoge);
  TKurs* k = Kurs(nullptr, fSchule.HoleKlasse("5a"), 3);
  for (int32_t tag = 1; tag <= 3; ++tag) Setze(k, 1, tag, 1);
  EXPECT_TRUE(KursStundenSchritt(fSchule, fStandard, *k, +1));
  EXPECT_EQ(k->fStunden.GetWochenStunde(1), 4);
  EXPECT_EQ(k->fStunden.GetWochenStunde(2), 4);
  // 4 in all stays above the 3 placed, although version 1 then holds more than its share.
  EXPECT_TRUE(KursStundenSchritt(fSchule, fStandard, *k, -1));
  EXPECT_TRUE(KursStundenSchritt(fSchule, fStandard, *k, -1));
  EXPECT_FALSE(KursStundenSchritt(fSchule, fStandard, *k, -1));
  EXPECT_EQ(k->fStunden.GetWochenStunde(1), 2);
  EXPECT_EQ(k->fStunden.GetWochenStunde(2), 2);
  EXPECT_EQ(k->fSetzungen.ListeZahlElemente(), 3);
  EXPECT_TRUE(fDialoge.Protokoll().empty());
  k->fStunden.SetWochenStunde(0, 112);
  EXPECT_FALSE(KursStundenSchritt(fSchule, fStandard, *k, +1));
}

TEST_F(GrunddatenTest, TakeOverStopsAtPlacedLessons) {
  TKlasse* k = fSchule.HoleKlasse("6b");
  TKurs* kurs = Kurs(nullptr, k, 2);
  EXPECT_TRUE(UebernahmeErlaubt(*k, fDialoge));
  EXPECT_TRUE(fDialoge.Protokoll().empty());
  Setze(kurs, 1, 1, 1);
  EXPECT_FALSE(UebernahmeErlaubt(*k, fDialoge));
  ASSERT_EQ(fDialoge.Protokoll().size(), 1u);
  const TDialogEintrag& e = fDialoge.Protokoll()[0];
  EXPECT_EQ(e.fVorgang, TDialogVorgang::Nachricht);
  EXPECT_EQ(e.fTitel, "Stop");
  EXPECT_EQ(e.fZeilen, (Texte{"Die Stundentafel der  Klasse", "6b",
                              "enth\xE4lt schon verplante Kurse. Diese m\xFCssen",
                              "erst aus den Pl\xE4nen gel\xF6scht werden."}));
}

TEST_F(GrunddatenTest, BlockingBandSparesOccupiedCells) {
  TLehrer* l = fSchule.HoleLehrer("A");
  Setze(Kurs(l, nullptr, 1), 1, 2, 3);
  l->SperrungZiehen(3, 4, 1, 1);  // drawn backwards from an unblocked cell
  for (int32_t tag = 1; tag <= 3; ++tag) {
    for (int32_t std = 1; std <= 4; ++std) {
      EXPECT_EQ(l->fSperrung.GetWocheTagStd(1, tag, std), !(tag == 2 && std == 3));
    }
  }
  EXPECT_FALSE(l->fSperrung.GetWocheTagStd(1, 4, 1));
  EXPECT_FALSE(l->fSperrung.GetWocheTagStd(1, 1, 5));
  l->SperrungZiehen(1, 1, 1, 2);  // from a blocked cell it unblocks
  EXPECT_FALSE(l->fSperrung.GetWocheTagStd(1, 1, 2));
  EXPECT_TRUE(l->fSperrung.GetWocheTagStd(1, 1, 3));
}

// Source 6a with its room RQ, target 6b with RZ, and 6c beside them.
class GrunddatenUebernahmeTest : public SchulTest {
 protected:
  void SetUp() override {
    fSchule.SetDialoge(&fDialoge);
    quelle->SetRaum(rq);
    ziel->SetRaum(rz);
    eigen = Kurs(a, ziel, 2, nullptr, fSchule.HoleFach("Ku"));
    geteilt = Kurs(a, ziel, 1, nullptr, fSchule.HoleFach("Mu"));
    geteilt->KlasseErgaenzen(x);
    Setze(geteilt, 1, 3, 1);

    mathe = Kurs(a, quelle, 4, rq, fSchule.HoleFach("M"));
    mathe->RaumErgaenzen(r2, false);
    mathe->RaumErgaenzen(rz, false);
    mathe->SetFaktor(2);
    mathe->SetInfo("Info");
    mathe->SetStdProTag(2);
    mathe->SetEinzelStd(0);
    mathe->SetTabellenNr(3);
    mathe->SetnichtZaehlenKl(true);
    mathe->fSperrung.SetWocheTagStd(1, 5, true, 8);
    Setze(mathe, 1, 1, 2, rq);

    mitZiel = Kurs(b, quelle, 3, nullptr, fSchule.HoleFach("D"));
    mitZiel->KlasseErgaenzen(ziel);
    mitZiel->KlasseErgaenzen(x);

    kopp = Kurs(b, quelle, 2, r2, fSchule.HoleFach("E"), fSchule.HoleKopplung("K1"));
    Setze(kopp, 1, 1, 1, r2);
    Setze(kopp, 1, 2, 3, r2);
  }

  TSkriptDialoge fDialoge;
  TKlasse* quelle = fSchule.HoleKlasse("6a");
  TKlasse* ziel = fSchule.HoleKlasse("6b");
  TKlasse* x = fSchule.HoleKlasse("6c");
  TRaum* rq = fSchule.HoleRaum("RQ");
  TRaum* rz = fSchule.HoleRaum("RZ");
  TRaum* r2 = fSchule.HoleRaum("R2");
  TLehrer* a = fSchule.HoleLehrer("A");
  TLehrer* b = fSchule.HoleLehrer("B");
  TKurs* eigen = nullptr;
  TKurs* geteilt = nullptr;
  TKurs* mathe = nullptr;
  TKurs* mitZiel = nullptr;
  TKurs* kopp = nullptr;

  TKurs* ZielKurs(int nr) const { return ziel->fKurse.ListeNrInhalt(nr); }
  Texte ZielFaecher() const {
    Texte faecher;
    for (const TKurs* k : ziel->fKurse) faecher.push_back(k->fFach->fKuerzel.str());
    return faecher;
  }
};

TEST_F(GrunddatenUebernahmeTest, OwnCoursesReplaceTheTargetsCourses) {
  KurseUebernehmen(fSchule, fStandard, *ziel, *quelle, TUebernahme::EigeneKurse, true);
  // The target's own course is gone, the shared one only lost the target, and its cell too.
  for (const TKurs* k : fSchule.fKursMenge) EXPECT_NE(k->fFach->fKuerzel.str(), "Ku");
  EXPECT_EQ(Namen(geteilt->fKlassen), Texte{"6c"});
  EXPECT_FALSE(ziel->fBesetzung.GetWocheTagStd(1, 3, 1));
  EXPECT_TRUE(x->fBesetzung.GetWocheTagStd(1, 3, 1));
  EXPECT_EQ(fSchule.fKursMenge.ListeZahlElemente(), 7);

  ASSERT_EQ(ZielFaecher(), (Texte{"M", "D", "E"}));
  const TKurs& m = *ZielKurs(1);
  EXPECT_EQ(m.fLehrer, nullptr);
  EXPECT_EQ(Namen(m.fKlassen), Texte{"6b"});
  EXPECT_EQ(Namen(m.fRaeume), (Texte{"RZ", "R2"}));  // RQ became RZ, RZ once
  EXPECT_EQ(m.fStunden.GetWochenStunde(1), 4);
  EXPECT_EQ(m.fStdProTag, 2);
  EXPECT_EQ(m.fEinzelStd, 0);
  EXPECT_EQ(m.fTabellenNr, 3);
  EXPECT_TRUE(m.fNichtZaehlenKl);
  EXPECT_FALSE(m.fNichtZaehlenLe);
  EXPECT_FALSE(m.fNichtVerplanen);
  EXPECT_EQ(m.fFaktor, 1);
  EXPECT_EQ(m.fInfo.str(), "");
  EXPECT_TRUE(m.fSperrung.GetWocheTagStd(1, 5, 8));
  EXPECT_EQ(m.fSetzungen.ListeZahlElemente(), 0);

  // The source class stands where the target was.
  EXPECT_EQ(Namen(ZielKurs(2)->fKlassen), (Texte{"6a", "6b", "6c"}));
  EXPECT_EQ(Namen(mitZiel->fKlassen), (Texte{"6a", "6c"}));
  EXPECT_EQ(ZielKurs(2)->fStunden.GetWochenStunde(1), 3);
  EXPECT_EQ(quelle->fKurse.ListeZahlElemente(), 4);

  const TKurs& e = *ZielKurs(3);
  EXPECT_EQ(e.fKopplung, nullptr);
  EXPECT_EQ(Namen(e.fRaeume), Texte{"R2"});
  EXPECT_EQ(Namen(kopp->fKlassen), Texte{"6a"});
  EXPECT_FALSE(ziel->IstVerplant());
}

TEST_F(GrunddatenUebernahmeTest, ClassJoinsCouplingWithItsLessons) {
  KurseUebernehmen(fSchule, fStandard, *ziel, *quelle, TUebernahme::KlasseErgaenzen, false);
  EXPECT_EQ(ZielFaecher(), (Texte{"M", "D", "E"}));
  EXPECT_EQ(ZielKurs(3), kopp);
  EXPECT_EQ(Namen(kopp->fKlassen), (Texte{"6a", "6b"}));
  EXPECT_TRUE(ziel->fBesetzung.GetWocheTagStd(1, 1, 1));
  EXPECT_TRUE(ziel->fBesetzung.GetWocheTagStd(1, 2, 3));
  EXPECT_FALSE(ziel->fBesetzung.GetWocheTagStd(1, 1, 2));  // the copy of mathe is not placed
  EXPECT_FALSE(ziel->fBesetzung.GetWocheTagStd(1, 3, 1));
  EXPECT_EQ(Namen(ZielKurs(1)->fRaeume), (Texte{"RQ", "R2", "RZ"}));  // rooms as they were
}

TEST_F(GrunddatenUebernahmeTest, CouplingsSkippedAndSameClassUntouched) {
  KurseUebernehmen(fSchule, fStandard, *ziel, *ziel, TUebernahme::OhneKopplungen, true);
  EXPECT_EQ(ziel->fKurse.ListeZahlElemente(), 3);
  EXPECT_TRUE(fSchule.fKursMenge.ListeElemEnthalten(eigen));

  ziel->SetRaum(nullptr);
  KurseUebernehmen(fSchule, fStandard, *ziel, *quelle, TUebernahme::OhneKopplungen, true);
  EXPECT_EQ(ZielFaecher(), (Texte{"M", "D"}));
  EXPECT_EQ(Namen(ZielKurs(1)->fRaeume), (Texte{"RQ", "R2", "RZ"}));  // no room to put in
  EXPECT_EQ(Namen(kopp->fKlassen), Texte{"6a"});
  EXPECT_EQ(fSchule.fKursMenge.ListeZahlElemente(), 6);
}

}  // namespace
}  // namespace orbato
