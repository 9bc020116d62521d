#include "placement/passtin.h"

#include <string>
#include <vector>

#include "model/schnittstellen/dialoge.h"
#include "placement/konfliktliste.h"
#include "placement/platzierungsfixture.h"

namespace orbato {
namespace {

using V = std::vector<std::string>;

const V kVerbotKopf = {"Dienstag  3", "Konflikt", "Sperrungen und Fixierungen k\xF6nnen",
                       "nicht verdr\xE4ngt werden."};
const V kVerdraengen = {"Trotzdem setzen", "Abbrechen"};
const V kKopplungKnoepfe = {"Dieser Kurs", "Kopplung", "Abbrechen"};

V Mit(V kopf, const V& zeilen) {
  kopf.insert(kopf.end(), zeilen.begin(), zeilen.end());
  return kopf;
}

class PasstInTest : public PlatzierungsTest {
 protected:
  std::vector<TDialogEintrag> Fragen() const { return fDialoge.Protokoll(TDialogVorgang::Frage); }
  static bool Liegt(const TKurs* k, int32_t woche) { return k->SetzungFinden(woche, 2, 3); }

  TKopplung* fWpk = fSchule.HoleKopplung("WPK");
};

TEST_F(PasstInTest, FixedHourForbidsAndUnfixedOneIsDisplacedOnRequest) {
  TKurs* k = Kurs(fMue, f5a, 2, nullptr, fM);
  Setze(k, 1, 1, 1);
  TKurs* x = Kurs(fMue, f5b, 2, nullptr, fD);
  TSetzung* s = Setze(x, 1, 2, 3);
  s->fFixiert = true;

  TListe<TKonflikt> verbot(true);
  EXPECT_FALSE(PasstIn(*k, 2, 3, true, verbot, 1, 1));
  ASSERT_EQ(Fragen().size(), 1u);
  EXPECT_EQ(Fragen()[0].fTitel, "Setzungsverbot");
  EXPECT_EQ(Fragen()[0].fZeilen, Mit(kVerbotKopf, {"{1} Lehrer MUE fixiert durch MUE D 5b."}));
  EXPECT_EQ(Fragen()[0].fKnoepfe, V{"Ok"});
  EXPECT_EQ(verbot.ListeZahlElemente(), 1);
  EXPECT_TRUE(Liegt(x, 1));

  s->fFixiert = false;
  fDialoge.ProtokollLeeren();
  fDialoge.Antworte("Abbrechen");
  TListe<TKonflikt> abgebrochen(true);
  EXPECT_FALSE(PasstIn(*k, 2, 3, true, abgebrochen, 1, 1));
  ASSERT_EQ(Fragen().size(), 1u);
  EXPECT_EQ(Fragen()[0].fTitel, "Verdr\xE4ngen");
  EXPECT_EQ(Fragen()[0].fZeilen,
            (V{"Dienstag  3", "Konflikt mit", "{1} Lehrer MUE besetzt durch MUE D 5b."}));
  EXPECT_EQ(Fragen()[0].fKnoepfe, kVerdraengen);
  EXPECT_EQ(abgebrochen.ListeZahlElemente(), 1);
  EXPECT_TRUE(Liegt(x, 1));

  fDialoge.Antworte("Trotzdem setzen");
  TListe<TKonflikt> verdraengt(true);
  EXPECT_TRUE(PasstIn(*k, 2, 3, true, verdraengt, 1, 1));
  EXPECT_EQ(verdraengt.ListeZahlElemente(), 0);
  EXPECT_FALSE(Liegt(x, 1));
  EXPECT_FALSE(fMue->fBesetzung.GetWocheTagStd(1, 2, 3));
  EXPECT_FALSE(f5b->fBesetzung.GetWocheTagStd(1, 2, 3));

  // A free cell asks nothing.
  fDialoge.ProtokollLeeren();
  TListe<TKonflikt> frei(true);
  EXPECT_TRUE(PasstIn(*k, 2, 3, true, frei, 1, 1));
  EXPECT_TRUE(Fragen().empty());
}

TEST_F(PasstInTest, BlockedRoomForbidsAndNamesThePeriodOfTheCurrentVersion) {
  fStandard.fAktuelleWoche = 2;
  fStandard.fStdBez[1][2] = "09.40-10.25";
  TKurs* k = Kurs(fMue, f5a, 2, fR1, fM);
  fR1->fSperrung.SetWocheTagStd(2, 2, true, 3);
  TListe<TKonflikt> liste(true);
  EXPECT_FALSE(PasstInMitRaum(*k, 2, 3, fR1, false, liste, 0, 0));
  ASSERT_EQ(Fragen().size(), 1u);
  EXPECT_EQ(Fragen()[0].fTitel, "Setzungsverbot");
  EXPECT_EQ(Fragen()[0].fZeilen,
            (V{"Dienstag 09.40-10.25", "Konflikt", "Sperrungen und Fixierungen k\xF6nnen",
               "nicht verdr\xE4ngt werden.", "{2} Raum R1 gesperrt. "}));
  // Without the room the cell is free.
  TListe<TKonflikt> ohneRaum(true);
  EXPECT_TRUE(PasstInMitRaum(*k, 2, 3, nullptr, false, ohneRaum, 0, 0));
  EXPECT_EQ(Fragen().size(), 1u);
}

TEST_F(PasstInTest, AllVersionsListEachVersionAndDisplaceInEach) {
  fStandard.fEineWoche = false;
  TKurs* k = Kurs(fMue, f5a, 2, nullptr, fM);
  TKurs* x = Kurs(fSch, f5a, 3, nullptr, fD);
  Setze(x, 1, 2, 3);
  Setze(x, 3, 2, 3);
  Setze(x, 2, 4, 4);
  fDialoge.Antworte("Trotzdem setzen");
  TListe<TKonflikt> liste(true);
  EXPECT_TRUE(PasstIn(*k, 2, 3, false, liste, 0, 0));
  ASSERT_EQ(Fragen().size(), 1u);
  EXPECT_EQ(Fragen()[0].fZeilen,
            (V{"Dienstag  3", "Konflikt mit", "{1} Klasse 5a besetzt durch SCH D 5a.",
               "{3} Klasse 5a besetzt durch SCH D 5a."}));
  EXPECT_FALSE(Liegt(x, 1));
  EXPECT_FALSE(Liegt(x, 3));
  EXPECT_EQ(x->fSetzungen.ListeZahlElemente(), 1);
  EXPECT_FALSE(f5a->fBesetzung.GetWocheTagStd(0, 2, 3));
}

TEST_F(PasstInTest, WholeCouplingIsCheckedUnlessItStaysBehind) {
  TKopplung* rel = fSchule.HoleKopplung("REL");
  TKurs* a = Kurs(fMue, f5a, 2, fR1, fM, rel);
  TKurs* b = Kurs(fSch, f5b, 2, nullptr, fD, rel);
  Setze(a, 1, 1, 1, fR1);
  Setze(b, 1, 1, 1);
  fSch->fSperrung.SetWocheTagStd(1, 2, true, 3);
  fR1->fSperrung.SetWocheTagStd(1, 2, true, 3);

  TListe<TKonflikt> alle(true);
  EXPECT_FALSE(PasstIn(*a, 2, 3, true, alle, 1, 1));
  ASSERT_EQ(Fragen().size(), 1u);
  EXPECT_EQ(Fragen()[0].fZeilen,
            Mit(kVerbotKopf, {"{1} Lehrer SCH gesperrt. ", "{1} Raum R1 gesperrt. "}));
  // Leaving the coupling, the course takes only its own room along.
  TListe<TKonflikt> allein(true);
  EXPECT_FALSE(PasstIn(*a, 2, 3, false, allein, 1, 1));
  EXPECT_EQ(Fragen()[1].fZeilen, Mit(kVerbotKopf, {"{1} Raum R1 gesperrt. "}));

  // The manual window checks the others without a room.
  TListe<TKonflikt> manuell(true);
  EXPECT_FALSE(ManOhneKonflPasstIn(*b, 2, 3, nullptr, true, manuell));
  EXPECT_EQ(Fragen()[2].fZeilen, Mit(kVerbotKopf, {"{1} Lehrer SCH gesperrt. "}));
  TListe<TKonflikt> frei(true);
  EXPECT_TRUE(ManOhneKonflPasstIn(*a, 2, 3, nullptr, false, frei));
  EXPECT_EQ(Fragen().size(), 3u);
}

// A coupling WPK of SCH (6a, R1) and MEI (5b) in Tuesday 3; the course SCH M 5a meets its teacher
// there, and an uncoupled lesson of 5a.
class PasstInKopplungTest : public PasstInTest {
 protected:
  void SetUp() override {
    PasstInTest::SetUp();
    fP = Kurs(fSch, f6a, 2, fR1, fD, fWpk);
    fQ = Kurs(fMei, f5b, 2, nullptr, fM, fWpk);
    fU = Kurs(fMue, f5a, 2, nullptr, fD);
    fK = Kurs(fSch, f5a, 2, nullptr, fM);
    Setze(fP, 1, 2, 3, fR1);
    Setze(fQ, 1, 2, 3);
    Setze(fU, 1, 2, 3);
  }
  TKurs* fP = nullptr;
  TKurs* fQ = nullptr;
  TKurs* fU = nullptr;
  TKurs* fK = nullptr;
};

TEST_F(PasstInKopplungTest, CancellingTheCouplingQuestionKeepsTheRest) {
  fDialoge.Antworte({"Trotzdem setzen", "Abbrechen"});
  TListe<TKonflikt> liste(true);
  EXPECT_FALSE(PasstIn(*fK, 2, 3, false, liste, 0, 0));
  ASSERT_EQ(Fragen().size(), 2u);
  EXPECT_EQ(Fragen()[0].fZeilen,
            (V{"Dienstag  3", "Konflikt mit", "{1} Lehrer SCH besetzt durch SCH D 6a WPK.",
               "{1} Klasse 5a besetzt durch MUE D 5a."}));
  EXPECT_EQ(Fragen()[1].fTitel, "gekoppelten Kurs l\xF6schen");
  // One row per lesson of the coupling there, in the coupling's course order.
  EXPECT_EQ(Fragen()[1].fZeilen,
            (V{"L\xF6schen", "Dienstag  3", "die gekoppelten Kurse", "SCH D 6a WPK R1",
               "gekoppelt mit", "MEI M 5b WPK", "SCH D 6a WPK R1"}));
  EXPECT_EQ(Fragen()[1].fKnoepfe, kKopplungKnoepfe);
  ASSERT_EQ(liste.ListeZahlElemente(), 2);
  EXPECT_EQ(liste.ListeNrInhalt(1)->fKurs, fP);
  EXPECT_EQ(liste.ListeNrInhalt(2)->fKurs, fU);
  EXPECT_TRUE(Liegt(fP, 1) && Liegt(fQ, 1) && Liegt(fU, 1));
}

TEST_F(PasstInKopplungTest, ThisCourseOrTheWholeCoupling) {
  TListe<TKonflikt> vorbereitet(true);
  EXPECT_EQ(ManKonfliktListe(*fK, 2, 3, nullptr, vorbereitet), 1);
  std::vector<TKurs*> vorgemerkt;
  fDialoge.Antworte({"Trotzdem setzen", "Dieser Kurs"});
  EXPECT_TRUE(ManPasstIn(*fK, 2, 3, vorbereitet, [&](TKurs* k) { vorgemerkt.push_back(k); }));
  EXPECT_EQ(vorgemerkt, std::vector<TKurs*>{fP});
  EXPECT_FALSE(Liegt(fP, 1));
  EXPECT_TRUE(Liegt(fQ, 1));
  EXPECT_FALSE(Liegt(fU, 1));
  EXPECT_EQ(vorbereitet.ListeZahlElemente(), 2);  // the window's list stays

  Setze(fP, 1, 2, 3, fR1);
  Setze(fU, 1, 2, 3);
  fDialoge.Antworte({"Trotzdem setzen", "Kopplung"});
  TListe<TKonflikt> liste(true);
  EXPECT_TRUE(PasstIn(*fK, 2, 3, false, liste, 0, 0));
  EXPECT_FALSE(Liegt(fP, 1));
  EXPECT_FALSE(Liegt(fQ, 1));
  EXPECT_FALSE(Liegt(fU, 1));
  EXPECT_FALSE(f5b->fBesetzung.GetWocheTagStd(1, 2, 3));
}

TEST_F(PasstInTest, CouplingAbsentFromTheCurrentVersionIsLeftInPlace) {
  fStandard.fEineWoche = false;
  TKurs* p = Kurs(fSch, f6a, 2, nullptr, fD, fWpk);
  TKurs* k = Kurs(fSch, f5a, 2, nullptr, fM);
  Setze(p, 2, 2, 3);
  fDialoge.Antworte("Trotzdem setzen");
  TListe<TKonflikt> liste(true);
  EXPECT_TRUE(PasstIn(*k, 2, 3, false, liste, 0, 0));
  ASSERT_EQ(Fragen().size(), 1u);
  EXPECT_EQ(Fragen()[0].fZeilen,
            (V{"Dienstag  3", "Konflikt mit", "{2} Lehrer SCH besetzt durch SCH D 6a WPK."}));
  EXPECT_TRUE(Liegt(p, 2));
}

}  // namespace
}  // namespace orbato
