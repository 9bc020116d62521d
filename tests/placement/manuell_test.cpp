#include "placement/manuell.h"

#include <algorithm>
#include <string>
#include <vector>

#include "model/dokument/undo.h"
#include "model/kurse/kurswahl.h"
#include "model/schnittstellen/dialoge.h"
#include "model/schnittstellen/fenster.h"
#include "model/schnittstellen/testfenster.h"
#include "placement/platzierungsfixture.h"
#include "placement/setzen.h"

namespace orbato {
namespace {

using V = std::vector<std::string>;

// What the window does when the document destroys a course or an element.
class TManuellFensterStellvertreter : public TTestFenster {
 public:
  explicit TManuellFensterStellvertreter(TManuellForm& form)
      : TTestFenster(68, "Manuell"), fForm(form) {}
  void KursEntfernt(const TKurs* kurs) override { fForm.KursEntfernt(kurs); }
  void ElementEntfernt(const TElement* element) override { fForm.ElementEntfernt(element); }

 private:
  TManuellForm& fForm;
};

class ManuellTest : public PlatzierungsTest {
 protected:
  ManuellTest() {
    fForm.fZeigen = [this] { ++fGezeigt; };
    fSchule.FensterAnmelden("Manuell", &fFenster);
  }
  ~ManuellTest() override { fSchule.FensterAbmelden(&fFenster); }

  std::vector<TDialogEintrag> Fragen() const { return fDialoge.Protokoll(TDialogVorgang::Frage); }
  std::vector<std::string> Titel() const {
    std::vector<std::string> titel;
    for (const TDialogEintrag& e : Fragen()) titel.push_back(e.fTitel);
    return titel;
  }
  std::vector<TKurs*> Arbeitsliste() const { return {fForm.fKurse.begin(), fForm.fKurse.end()}; }
  // Every lesson of the school as "course version/day/period room fixed".
  std::vector<std::string> Plan() const {
    std::vector<std::string> plan;
    for (const TKurs* k : fSchule.fKursMenge) {
      for (const TSetzung* s : k->fSetzungen) {
        plan.push_back(k->OhneRaumZeile(nullptr) + " " + std::to_string(s->fWoche) + "/" +
                       std::to_string(s->fTag) + "/" + std::to_string(s->fStunde) + " " +
                       (s->fRaum ? s->fRaum->fKuerzel.str() : "-") + (s->fFixiert ? " F" : ""));
      }
    }
    std::sort(plan.begin(), plan.end());
    return plan;
  }

  TManuellForm fForm{fSchule, fStandard};
  TManuellFensterStellvertreter fFenster{fForm};
  int fGezeigt = 0;
  TRaum* fR2 = fSchule.HoleRaum("R2");
  TKopplung* fRe = fSchule.HoleKopplung("RE");
};

TEST(ManuellKurse, TakesEachCourseOnceWithoutThoseNotToBePlaced) {
  TKurs a, b, nie;
  nie.fNichtVerplanen = true;
  EXPECT_EQ(ManuellKurse({&b, &a, &b, &nie, nullptr, &a}), (std::vector<TKurs*>{&b, &a}));
  EXPECT_TRUE(ManuellKurse({&nie}).empty());
}

// Opened with Ctrl the cells show nothing in the way; placing builds the list there and then and
// offers to displace what it finds, which joins the work list.
TEST_F(ManuellTest, WithoutConflictsPlacingBuildsItsListOnTheSpot) {
  TKurs* kurs = Kurs(fMue, f5a, 2, fR1, fM);
  TKurs* andere = Kurs(fMue, f5b, 1, nullptr, fD);
  Setze(andere, 1, 2, 3);
  fForm.IManuellForm({kurs}, true);
  EXPECT_EQ(fSchule.fToolArt, SchiebTool);
  EXPECT_EQ(fSchule.fProtokoll, &fForm.fUndoListe);
  EXPECT_EQ(fForm.Konflikte(2, 3).ListeZahlElemente(), 0);
  EXPECT_EQ(fForm.Zelle(0, 2, 3).fSchwere, -1);
  EXPECT_EQ(fForm.Zelle(0, 2, 3).fKurs, nullptr);  // the plan of 5a

  fSchule.SetToolArt(SetzTool);
  fForm.Klick(0, 2, 3);
  ASSERT_EQ(Titel(), V{"Verdr\xE4ngen"});
  EXPECT_EQ(Fragen()[0].fZeilen,
            (V{"Dienstag  3", "Konflikt mit", "{1} Lehrer MUE besetzt durch MUE D 5b."}));
  EXPECT_EQ(Plan(), V{"MUE M 5a 1/2/3 R1"});
  EXPECT_EQ(Arbeitsliste(), (std::vector<TKurs*>{kurs, andere}));
  EXPECT_EQ(fSchule.fVerlauf.ZahlSchritte(), 1u);
}

TEST_F(ManuellTest, CellsShowTheWorstObstacleAndTheirShortTexts) {
  TKurs* kurs = Kurs(fMue, f5a, 2, fR1, fM);
  TKurs* andere = Kurs(fSch, f5a, 1, nullptr, fD);
  Setze(andere, 1, 2, 3);
  fMue->fSperrung.SetWocheTagStd(1, 1, true, 1);
  fR1->fSperrung.SetWocheTagStd(1, 3, true, 4);
  fStandard.fManArt = 1;
  fForm.IManuellForm({kurs}, false);
  EXPECT_EQ(fForm.Zelle(0, 1, 2).fSchwere, 0);
  EXPECT_EQ(fForm.Zelle(0, 2, 3).fSchwere, 1);
  EXPECT_EQ(fForm.Zelle(0, 3, 4).fSchwere, 2);
  EXPECT_EQ(fForm.Zelle(1, 1, 1).fSchwere, 3);  // the teacher's plan shows the same obstacles
  EXPECT_EQ(fForm.Zelle(0, 2, 3).fTexte, (V{"SCH", "D", ""}));
  EXPECT_EQ(fForm.Zelle(1, 1, 1).fTexte, V{"*sperrung*"});
  EXPECT_EQ(fForm.KonfliktTexte(2, 3), V{"{1} besetzt [SCH D 5a]"});
  EXPECT_EQ(fForm.KonfliktTexte(1, 1), V{"{1} MUE gesperrt"});
  EXPECT_EQ(fForm.KonfliktTexte(3, 4), V{"{1} R1 gesperrt"});

  // Choosing the entry that names a course makes it current and puts it on the work list.
  TMenu menu = fForm.KonfliktMenu(2, 3);
  ASSERT_TRUE(WaehleEintrag(menu, "{1} besetzt [SCH D 5a]"));
  EXPECT_EQ(fForm.fKurs, andere);
  EXPECT_EQ(Arbeitsliste(), (std::vector<TKurs*>{kurs, andere}));
  EXPECT_EQ(fForm.Plan(1), fSch);
}

// A lesson placed elsewhere while the window is open is journaled and reaches the cells at the
// latest with the next click.
TEST_F(ManuellTest, AChangeElsewhereReachesTheCellsBeforeTheNextClick) {
  TKurs* kurs = Kurs(fMue, f5a, 2, nullptr, fM);
  TKurs* andere = Kurs(fMue, f5b, 1, nullptr, fD);
  int veraltet = 0;
  fForm.fVeraltet = [&] { ++veraltet; };
  fForm.IManuellForm({kurs}, false);
  EXPECT_FALSE(fForm.Veraltet());
  NeueSetzung(*andere, 1, 2, nullptr, 3);
  EXPECT_TRUE(fForm.Veraltet());
  EXPECT_EQ(veraltet, 1);
  EXPECT_EQ(fForm.Konflikte(2, 3).ListeZahlElemente(), 0);
  fDialoge.Antworte("Abbrechen");
  fForm.Klick(0, 2, 3);
  EXPECT_EQ(Titel(), V{"Verdr\xE4ngen"});
  EXPECT_FALSE(fForm.Veraltet());
  EXPECT_EQ(fForm.Konflikte(2, 3).ListeZahlElemente(), 1);
  EXPECT_EQ(fForm.fUndoListe.fUndoListe.ListeZahlElemente(), 1);
}

TEST_F(ManuellTest, DeletingAnHourOfACourseOutsideTheWorkListAddsIt) {
  TKurs* kurs = Kurs(fMue, f5a, 2, fR1, fM);
  TKurs* andere = Kurs(fSch, f5a, 1, fR1, fD);
  Setze(andere, 1, 1, 1, fR1);
  TKurs* dritter = Kurs(fMei, f5a, 1, fR1, fD);
  Setze(dritter, 1, 1, 2, fR1);
  fStandard.fManArt = 3;
  fForm.IManuellForm({kurs}, false);
  fSchule.SetToolArt(LoeschTool);
  // With Ctrl only the room goes, and the course stays where it is.
  fForm.Klick(0, 1, 1, true);
  EXPECT_EQ(andere->SetzungFinden(1, 1, 1)->fRaum, nullptr);
  EXPECT_EQ(Arbeitsliste(), std::vector<TKurs*>{kurs});
  fForm.Klick(0, 1, 1);
  EXPECT_EQ(andere->fSetzungen.ListeZahlElemente(), 0);
  EXPECT_EQ(Arbeitsliste(), (std::vector<TKurs*>{kurs, andere}));
  EXPECT_EQ(fForm.fKurs, kurs);
  // The delete tool works in every plan; the room's plan shows the lesson held in it.
  fForm.Klick(2, 1, 2);
  EXPECT_EQ(dritter->fSetzungen.ListeZahlElemente(), 0);
  EXPECT_EQ(Arbeitsliste(), (std::vector<TKurs*>{kurs, andere, dritter}));
}

// The move tool goes on to the next course of the work list with lessons left, wrapping round
// and passing over complete courses; with none left the course stays.
TEST_F(ManuellTest, TheMoveToolGoesOnToTheNextCourseWithLessonsLeft) {
  TKurs* a = Kurs(fMue, f5a, 2, fR1, fM);
  TKurs* fertig = Kurs(fSch, f5b, 1, nullptr, fD);
  Setze(fertig, 1, 5, 5);
  TKurs* b = Kurs(fMei, f6a, 1, nullptr, fD);
  TKurs* c = Kurs(fMei, f6a, 1, nullptr, fM);
  fForm.IManuellForm({b, fertig, a, c}, false);
  fForm.SetKurs(a);
  fForm.Klick(0, 1, 1);
  EXPECT_EQ(fForm.fKurs, a);  // one lesson left
  fForm.Klick(0, 1, 2);
  EXPECT_EQ(fForm.fKurs, c);
  fForm.Klick(0, 1, 1);
  EXPECT_EQ(fForm.fKurs, b);  // wrapped round, past the complete course
  fForm.Klick(0, 1, 3);
  EXPECT_EQ(fForm.fKurs, b);
  EXPECT_EQ(b->RestStunden(-1), 0);
  // Placing again where the course sits, or with nothing left, only beeps.
  fForm.SetKurs(a);
  fForm.Klick(0, 1, 4);
  EXPECT_EQ(a->fSetzungen.ListeZahlElemente(), 2);
  EXPECT_EQ(fDialoge.Anzahl(TDialogVorgang::Piep), 1u);
  EXPECT_TRUE(Fragen().empty());
}

TEST_F(ManuellTest, DisplacingACoupledLessonAloneGivesThatCourseToTheWorkList) {
  TKurs* kurs = Kurs(fSch, f5a, 1, nullptr, fM);
  TKurs* k1 = Kurs(fSch, f6a, 1, nullptr, fD, fRe);
  TKurs* k2 = Kurs(fMei, f6a, 1, nullptr, fD, fRe);
  Setze(k1, 1, 2, 2);
  Setze(k2, 1, 2, 2);
  fForm.IManuellForm({kurs}, false);
  fDialoge.Antworte({"Trotzdem setzen", "Dieser Kurs"});
  fSchule.SetToolArt(SetzTool);
  fForm.Klick(0, 2, 2);
  EXPECT_EQ(Titel(), (V{"Verdr\xE4ngen", "gekoppelten Kurs l\xF6schen"}));
  EXPECT_EQ(Plan(), (V{"MEI D 6a RE 1/2/2 -", "SCH M 5a 1/2/2 -"}));
  EXPECT_EQ(Arbeitsliste(), (std::vector<TKurs*>{kurs, k1}));
}

// A coupled course is placed with every course of its coupling, each in its first free room.
// The place tool shows the obstacles of the coupled courses with lessons left, the move tool
// those of all of them, with the coupling's name in red.
TEST_F(ManuellTest, ACoupledCourseGoesInWithItsCouplingAndTheToolChoosesItsObstacles) {
  TKurs* kurs = Kurs(fMue, f5a, 1, fR1, fM, fRe);
  TKurs* offen = Kurs(fSch, f5a, 1, fR1, fD, fRe);
  offen->RaumErgaenzen(fR2, false);
  TKurs* fertig = Kurs(fMei, f5b, 1, nullptr, fD, fRe);
  Setze(fertig, 1, 5, 6);
  fMei->fSperrung.SetWocheTagStd(1, 1, true, 1);
  fForm.IManuellForm({kurs}, false);
  EXPECT_TRUE(fForm.fAlleKonflikte);
  EXPECT_TRUE(fForm.KopplungRot());
  EXPECT_EQ(fForm.KonfliktTexte(1, 1), V{"{1} MEI gesperrt"});
  fSchule.SetToolArt(SetzTool);
  EXPECT_FALSE(fForm.fAlleKonflikte);
  EXPECT_FALSE(fForm.KopplungRot());
  EXPECT_EQ(fForm.Konflikte(1, 1).ListeZahlElemente(), 0);

  fForm.Klick(0, 1, 2);
  EXPECT_EQ(Plan(), (V{"MEI D 5b RE 1/5/6 -", "MUE M 5a RE 1/1/2 R1", "SCH D 5a RE 1/1/2 R2"}));

  // The fixing tool turns every coupled lesson of the cell over, each on its own.
  fSchule.SetToolArt(FixTool);
  offen->SetzeFixiert(offen->SetzungFinden(1, 1, 2), true);
  fForm.Klick(0, 1, 2);
  EXPECT_TRUE(kurs->IstFixiert(1, 1, 2));
  EXPECT_FALSE(offen->IstFixiert(1, 1, 2));
}

// A coupled course is never placed where its teacher or class is busy: not when the course of
// the window has left the coupling since the window took it, and not when the obstacle list
// passed over it for want of hours left in the selection while one version still has one.
TEST_F(ManuellTest, NoCoupledLessonGoesWhereItsTeacherIsBusy) {
  TKurs* kurs = Kurs(fMue, f5a, 1, fR1, fM, fRe);
  TKurs* partner = Kurs(fSch, f5b, 1, nullptr, fD, fRe);
  Setze(Kurs(fSch, f6a, 1, nullptr, fM), 1, 1, 2);
  fForm.IManuellForm({kurs}, true);
  ASSERT_TRUE(KursElementEntfernen(*kurs, kop, fRe));
  fSchule.SetToolArt(SetzTool);
  fForm.Klick(0, 1, 2);
  EXPECT_EQ(Plan(), (V{"MUE M 5a 1/1/2 R1", "SCH M 6a 1/1/2 -"}));
  EXPECT_EQ(partner->fSetzungen.ListeZahlElemente(), 0);
}

TEST_F(ManuellTest, AllVersionsModeLeavesACoupledCourseOutWhereItsTeacherIsBusy) {
  fStandard.fEineWoche = false;
  TKurs* kurs = Kurs(fMue, f5a, 1, fR1, fM, fRe);
  // Two lessons in version 1 and one in version 3 of a course with one a version: none left in
  // the three versions together, one left in version 2, where SCH is busy.
  TKurs* partner = Kurs(fSch, f5b, 2, nullptr, fD, fRe);
  Setze(partner, 1, 3, 1);
  Setze(partner, 1, 3, 2);
  Setze(partner, 3, 3, 1);
  partner->fStunden.SetWochenStunde(0, 1);
  Setze(Kurs(fSch, f6a, 1, nullptr, fM), 2, 1, 2);
  ASSERT_EQ(partner->RestStunden(-1), 0);
  ASSERT_EQ(partner->RestStunden(2), 1);
  fForm.IManuellForm({kurs}, false);
  fSchule.SetToolArt(SetzTool);
  fForm.Klick(0, 1, 2);
  EXPECT_EQ(Plan(), (V{"MUE M 5a RE 1/1/2 R1", "MUE M 5a RE 2/1/2 R1", "MUE M 5a RE 3/1/2 R1",
                       "SCH D 5b RE 1/3/1 -", "SCH D 5b RE 1/3/2 -", "SCH D 5b RE 3/3/1 -",
                       "SCH M 6a 2/1/2 -"}));
}

// Three lessons placed and one removed come back as they were: the journal is replayed from the
// newest entry, recording nothing, and the first course of the work list is shown again. The
// replay is one step of the document's history.
TEST_F(ManuellTest, WiderrufenProtokollLeavesThePlanAsItWasWhenTheWindowOpened) {
  TKurs* kurs = Kurs(fMue, f5a, 3, fR1, fM);
  TKurs* andere = Kurs(fSch, f5b, 2, nullptr, fD);
  Setze(andere, 1, 4, 4)->fFixiert = true;
  const std::vector<std::string> vorher = Plan();
  std::vector<bool> befehle;
  fForm.fBefehle = [&](bool an) { befehle.push_back(an); };
  fForm.IManuellForm({kurs, andere}, false);
  EXPECT_EQ(befehle, std::vector<bool>{false});
  EXPECT_FALSE(fForm.ProtokollBefehleAn());
  fSchule.SetToolArt(SetzTool);
  fForm.Klick(0, 1, 1);
  fForm.Klick(0, 1, 2);
  fForm.Klick(0, 1, 3);
  EXPECT_EQ(befehle, (std::vector<bool>{false, true}));
  fSchule.SetToolArt(LoeschTool);
  fForm.Klick(0, 1, 2);
  ASSERT_EQ(fForm.fUndoListe.fUndoListe.ListeZahlElemente(), 4);
  fForm.SetKurs(andere);
  const size_t schritte = fSchule.fVerlauf.ZahlSchritte();

  fForm.WiderrufenProtokoll();
  EXPECT_EQ(Plan(), vorher);
  EXPECT_EQ(fForm.fUndoListe.fUndoListe.ListeZahlElemente(), 0);
  EXPECT_FALSE(fForm.ProtokollBefehleAn());
  EXPECT_EQ(befehle.back(), false);
  EXPECT_EQ(fForm.fKurs, kurs);
  EXPECT_EQ(fSchule.fVerlauf.ZahlSchritte(), schritte + 1);
  fSchule.fVerlauf.Widerrufen(fSchule);
  EXPECT_EQ(Plan(), (V{"MUE M 5a 1/1/1 R1", "MUE M 5a 1/1/3 R1", "SCH D 5b 1/4/4 - F"}));

  // After "Löschen Protokoll" the commands are off, and the next change starts a new journal.
  fSchule.fVerlauf.Wiederherstellen(fSchule);
  fSchule.SetToolArt(SetzTool);
  fForm.Klick(0, 2, 2);
  EXPECT_TRUE(fForm.ProtokollBefehleAn());
  fForm.LoeschenProtokoll();
  EXPECT_FALSE(fForm.ProtokollBefehleAn());
  EXPECT_EQ(fForm.fUndoListe.fUndoListe.ListeZahlElemente(), 0);
  fForm.Klick(0, 2, 3);
  EXPECT_TRUE(fForm.ProtokollBefehleAn());
  ASSERT_EQ(fForm.fUndoListe.fUndoListe.ListeZahlElemente(), 1);
  fForm.WiderrufenProtokoll();
  EXPECT_EQ(Plan(), (V{"MUE M 5a 1/2/2 R1", "SCH D 5b 1/4/4 - F"}));
}

TEST_F(ManuellTest, ADeletedCourseLeavesTheJournalAndTheOtherEntriesAreStillReplayed) {
  TKurs* a = Kurs(fMue, f5a, 2, nullptr, fM);
  TKurs* b = Kurs(fSch, f5b, 2, nullptr, fD);
  TKurs* c = Kurs(fMei, f6a, 2, nullptr, fD);
  int geschlossen = 0;
  fForm.fSchliessenNoetig = [&] { ++geschlossen; };
  fForm.IManuellForm({a, b, c}, false);
  fSchule.SetToolArt(SetzTool);
  fForm.Klick(0, 1, 1);
  fForm.SetKurs(b);
  fForm.Klick(0, 1, 2);
  fForm.SetKurs(a);
  fForm.Klick(0, 1, 3);
  ASSERT_EQ(fForm.fUndoListe.fUndoListe.ListeZahlElemente(), 3);

  // The window lets go of the course before it is destroyed; the current one gives way to the
  // course after it.
  const auto entfernen = [&](TKurs* k) { fSchule.KursEntfernen(k); };
  entfernen(a);
  EXPECT_EQ(fForm.fUndoListe.fUndoListe.ListeZahlElemente(), 1);
  EXPECT_EQ(fForm.fKurs, b);
  EXPECT_EQ(Arbeitsliste(), (std::vector<TKurs*>{b, c}));
  fForm.WiderrufenProtokoll();
  EXPECT_EQ(b->fSetzungen.ListeZahlElemente(), 0);

  entfernen(c);
  EXPECT_EQ(fForm.fKurs, b);
  EXPECT_EQ(geschlossen, 0);
  entfernen(b);
  EXPECT_EQ(geschlossen, 1);
  EXPECT_TRUE(fForm.fKurse.ListeZahlElemente() == 0);
}

// A deleted room leaves the journal's entries, whose lessons come back without it; a panel
// showing it goes empty.
TEST_F(ManuellTest, ADeletedRoomLeavesTheJournalAndThePanels) {
  TKurs* kurs = Kurs(fMue, f5a, 1, fR2, fM);
  TKurs* andere = Kurs(fSch, f5b, 1, fR2, fD);
  Setze(andere, 1, 3, 3, fR2);
  fStandard.fManArt = 3;
  fForm.IManuellForm({kurs}, false);
  EXPECT_EQ(fForm.Plan(2), fR2);
  fSchule.SetToolArt(LoeschTool);
  fForm.Klick(2, 3, 3);
  fSchule.RaumLoeschen(fR2);
  EXPECT_EQ(fForm.Plan(2), nullptr);
  EXPECT_EQ(fForm.fRaum, nullptr);
  fForm.WiderrufenProtokoll();
  EXPECT_EQ(Plan(), V{"SCH D 5b 1/3/3 -"});
}

TEST_F(ManuellTest, ClosingWithLessonsLeftAsksFirst) {
  TKurs* kurs = Kurs(fMue, f5a, 1, nullptr, fM);
  fForm.IManuellForm({kurs}, false);
  fDialoge.Antworte("Nein");
  EXPECT_FALSE(fForm.DarfSchliessen());
  ASSERT_EQ(Fragen().size(), 1u);
  EXPECT_EQ(Fragen()[0].fTitel,
            "Manuellfenster schlie\xDF"
            "en");
  EXPECT_EQ(Fragen()[0].fZeilen,
            (V{"Es sind noch Kurse vorhanden, bei denen", "nicht alle Stunden verplant sind.",
               "Soll das Manuellfenster trotzdem geschlossen werden?"}));
  EXPECT_EQ(Fragen()[0].fKnoepfe, (V{"Ja", "Nein"}));
  fDialoge.Antworte("Ja");
  EXPECT_TRUE(fForm.DarfSchliessen());

  fForm.Klick(0, 1, 1);
  EXPECT_TRUE(fForm.DarfSchliessen());
  EXPECT_EQ(Fragen().size(), 2u);
  fForm.Schliessen();
  EXPECT_EQ(fSchule.fProtokoll, nullptr);
  EXPECT_EQ(fForm.fUndoListe.fUndoListe.ListeZahlElemente(), 0);
  // Closed, it neither records nor follows the tool.
  LoescheSetzung(*kurs, 1, 1, false, 1);
  EXPECT_EQ(fForm.fUndoListe.fUndoListe.ListeZahlElemente(), 0);
  const int gezeigt = fGezeigt;
  fSchule.SetToolArt(SetzTool);
  EXPECT_EQ(fGezeigt, gezeigt);
}

// "Kurs": workload, lessons and the line with room; a complete course in angle brackets, the
// current one ticked; long lists in columns of round(sqrt(3 n)), at least 16.
TEST_F(ManuellTest, TheCourseMenuListsTheWorkListInColumns) {
  fStandard.fDivisor = 2;
  TKurs* kurs = Kurs(fMue, f5a, 3, fR1, fM);
  kurs->SetFaktor(3);
  TKurs* fertig = Kurs(fSch, f5b, 1, nullptr, fD);
  Setze(fertig, 1, 1, 1);
  std::vector<TKurs*> kurse{kurs, fertig};
  for (int i = 0; i < 98; ++i) kurse.push_back(Kurs(fMei, f6a, 1, nullptr, fD));
  fForm.IManuellForm(kurse, false);
  TMenu menu = fForm.KursMenu();
  ASSERT_EQ(menu.size(), 100u);
  EXPECT_EQ(menu[0].fText, " 4.5 (3) MUE M 5a R1");
  EXPECT_TRUE(menu[0].fChecked);
  EXPECT_EQ(menu[1].fText, "< 0.5 (1) SCH D 5b>");
  EXPECT_FALSE(menu[1].fChecked);
  std::vector<size_t> umbrueche;
  for (size_t i = 0; i < menu.size(); ++i) {
    if (menu[i].fBreak) umbrueche.push_back(i);
  }
  EXPECT_EQ(umbrueche, (std::vector<size_t>{17, 34, 51, 68, 85}));
  ASSERT_TRUE(Waehle(menu[1]));
  EXPECT_EQ(fForm.fKurs, fertig);

  fForm.fKurse.ListeEntfernen(false);
  fForm.SetKurs(kurs);
  EXPECT_FALSE(fForm.KursMenu()[0].fBreak);
  EXPECT_EQ(fForm.KursMenu().size(), 1u);
}

// The element buttons offer the current course's teacher, classes and rooms with those of its
// coupling, the current ones ticked, or with Ctrl every one of the school; the choice goes into
// the active panel.
TEST_F(ManuellTest, TheElementButtonsShowTheirChoiceInTheActivePanel) {
  TKurs* kurs = Kurs(fMue, f5a, 1, fR1, fM, fRe);
  kurs->KlasseErgaenzen(f5b);
  TKurs* anderer = Kurs(fSch, f6a, 1, fR2, fD, fRe);
  fStandard.fManArt = 5;
  fForm.IManuellForm({kurs}, false);
  EXPECT_EQ(fForm.PlanZahl(), 4);
  EXPECT_EQ(fForm.Plan(0), f5a);
  EXPECT_EQ(fForm.Plan(1), fMue);
  EXPECT_EQ(fForm.Plan(2), fR1);
  EXPECT_EQ(fForm.Plan(3), f5b);

  TMenu lehrer = fForm.ElementMenu(leh, false);
  EXPECT_EQ(Texte(lehrer), (V{"MUE", "SCH"}));
  EXPECT_TRUE(lehrer[0].fChecked);
  EXPECT_FALSE(lehrer[1].fChecked);
  EXPECT_EQ(Texte(fForm.ElementMenu(kla, false)), (V{"5a", "5b", "6a"}));
  EXPECT_EQ(Texte(fForm.ElementMenu(rau, false)), (V{"R1", "R2"}));
  EXPECT_EQ(Texte(fForm.ElementMenu(leh, true)), (V{"MUE", "SCH", "MEI"}));

  fForm.PlanAktivieren(2);
  ASSERT_TRUE(WaehleEintrag(lehrer, "SCH"));
  EXPECT_EQ(fForm.Plan(2), fSch);
  EXPECT_EQ(fForm.Plan(0), f5a);

  EXPECT_EQ(Texte(fForm.KopplungsMenu()),
            (V{"RE", "-", " 1.0 (1) MUE M 5a RE R1", " 1.0 (1) SCH D 6a RE R2"}));
  TMenu kopplung = fForm.KopplungsMenu();
  ASSERT_TRUE(Waehle(kopplung[3]));
  EXPECT_EQ(fForm.fKurs, anderer);
  EXPECT_EQ(Texte(fForm.FachMenu()), V{" 1.0 (1) SCH D 6a RE R2"});

  // "Zeige": coupled lessons by their coupling, or by teacher and class.
  fForm.SetKurs(kurs);
  NeueSetzung(*kurs, 1, 1, fR1, 1);
  fForm.Neuaufbau();
  EXPECT_EQ(fForm.Zelle(1, 1, 1).fTexte, (V{"RE", "M", "R1"}));
  TMenu zeige = fForm.ZeigeMenu();
  EXPECT_EQ(Texte(zeige), (V{"Kopplung", "Le/Kl"}));
  EXPECT_TRUE(zeige[0].fChecked);
  ASSERT_TRUE(WaehleEintrag(zeige, "Le/Kl"));
  EXPECT_FALSE(fStandard.fManZeigKopp);
  EXPECT_EQ(fForm.ZeigeText(), "Le/Kl");
  EXPECT_EQ(fForm.Zelle(1, 1, 1).fTexte, (V{"5a", "M", "R1"}));
  EXPECT_EQ(fForm.Zelle(0, 1, 1).fTexte, (V{"MUE", "M", "R1"}));
  EXPECT_EQ(fForm.Zelle(2, 1, 1).fTexte, (V{"MUE", "5a", "M"}));
}

// A form keeps to the settings it was handed, whatever the installed ones say: how many plans,
// what a cell shows, and where the "Zeige" choice goes.
TEST_F(ManuellTest, TheFormKeepsToTheSettingsItWasHanded) {
  TKurs* kurs = Kurs(fMue, f5a, 1, fR1, fM, fRe);
  Kurs(fSch, f6a, 1, fR2, fD, fRe);
  NeueSetzung(*kurs, 1, 1, fR1, 1);
  TStandard eigene;
  eigene.fMaxWocheNeu = 3;
  eigene.fManArt = 1;
  eigene.fMitRaum = false;
  eigene.fManZeigKopp = true;
  fStandard.fManArt = 5;
  fStandard.fMitRaum = true;
  fStandard.fManZeigKopp = true;

  TManuellForm form(fSchule, eigene);
  form.IManuellForm({kurs}, false);
  EXPECT_EQ(form.PlanZahl(), 2);
  EXPECT_EQ(form.Plan(2), nullptr);
  EXPECT_EQ(form.Zelle(1, 1, 1).fTexte, (V{"RE", "M"}));
  TMenu zeige = form.ZeigeMenu();
  ASSERT_TRUE(WaehleEintrag(zeige, "Le/Kl"));
  EXPECT_FALSE(eigene.fManZeigKopp);
  EXPECT_TRUE(fStandard.fManZeigKopp);
  EXPECT_EQ(form.ZeigeText(), "Le/Kl");
  EXPECT_EQ(form.Zelle(1, 1, 1).fTexte, (V{"5a", "M"}));
}

// Only the current course's lessons are picked up, and all its cells are marked; the drop
// moves the lesson into the window's room unless something forbids it, with Alt it swaps the
// two periods for the whole school. Ctrl shows which lessons of the plan could go into the
// pressed cell.
TEST_F(ManuellTest, DraggingMovesTheCurrentCoursesLessonAndCtrlPreviews) {
  TKurs* kurs = Kurs(fMue, f5a, 2, fR1, fM);
  NeueSetzung(*kurs, 1, 1, nullptr, 1);
  NeueSetzung(*kurs, 1, 2, nullptr, 1);
  TKurs* andere = Kurs(fSch, f5a, 1, nullptr, fD);
  Setze(andere, 1, 3, 1);
  fSch->fSperrung.SetWocheTagStd(1, 1, true, 2);
  fStandard.fManArt = 1;
  fForm.IManuellForm({kurs}, false);
  EXPECT_FALSE(fForm.Aufnehmen(3, 1));
  ASSERT_TRUE(fForm.Aufnehmen(1, 1));
  EXPECT_EQ(fForm.Zelle(0, 1, 1).fMarke, 'R');
  EXPECT_EQ(fForm.Zelle(1, 2, 1).fMarke, 'R');
  EXPECT_EQ(fForm.Zelle(0, 3, 1).fMarke, ' ');
  fForm.Ablegen(1, 1, false);  // its own cell: nothing
  EXPECT_EQ(fForm.Zelle(0, 1, 1).fMarke, ' ');
  ASSERT_TRUE(fForm.Aufnehmen(1, 1));
  fForm.Ablegen(4, 2, false);
  EXPECT_EQ(Plan(), (V{"MUE M 5a 1/2/1 -", "MUE M 5a 1/4/2 R1", "SCH D 5a 1/3/1 -"}));
  EXPECT_TRUE(Fragen().empty());
  ASSERT_TRUE(fForm.Aufnehmen(4, 2));
  fForm.Ablegen(2, 1, false);  // a cell the course holds
  EXPECT_EQ(kurs->fSetzungen.ListeZahlElemente(), 2);

  // Into (1, 2): the class's hour at (3, 1) fails, its teacher being blocked there; the
  // course's lesson at (2, 1) fits.
  fForm.Vorschau(0, 1, 2, true);
  EXPECT_EQ(fForm.Zelle(0, 2, 1).fMarke, 'R');
  EXPECT_EQ(fForm.Zelle(0, 3, 1).fMarke, ' ');
  EXPECT_EQ(fForm.Zelle(1, 2, 1).fMarke, ' ');  // another plan
  fForm.VorschauEnde();
  EXPECT_EQ(fForm.Zelle(0, 2, 1).fMarke, ' ');
  EXPECT_TRUE(f5a->fBesetzung.GetWocheTagStd(1, 2, 1));

  // With Alt the two periods are exchanged for the whole school, after the swap's question.
  ASSERT_TRUE(fForm.Aufnehmen(2, 1));
  fForm.Ablegen(3, 1, true);
  EXPECT_EQ(Titel(), V{"Stundentausch"});
  EXPECT_EQ(Plan(), (V{"MUE M 5a 1/3/1 -", "MUE M 5a 1/4/2 R1", "SCH D 5a 1/2/1 -"}));
}

}  // namespace
}  // namespace orbato
