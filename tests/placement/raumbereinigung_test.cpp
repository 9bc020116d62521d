#include "placement/raumbereinigung.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/dokument/verlauf.h"
#include "model/schnittstellen/dialoge.h"
#include "model/schnittstellen/fenster.h"
#include "model/schnittstellen/testfenster.h"
#include "placement/platzierungsfixture.h"
#include "placement/raeume.h"
#include "placement/setzen.h"

namespace orbato {
namespace {

using Strings = std::vector<std::string>;

Strings Raeume(const TListe<TRaum>& liste) {
  Strings namen;
  for (const TRaum* r : liste) namen.push_back(r->fKuerzel.str());
  return namen;
}

class RaumBereinigung : public PlatzierungsTest {
 protected:
  RaumBereinigung() {
    fKurs->RaumErgaenzen(fR2, false);
    fKurs->RaumErgaenzen(fR3, false);
    fAlleKurse.fBeimSchliessen = [this] {
      fRaeumeBeimSchliessen = Raeume(fKurs->fRaeume);
      fSchule.FensterAbmelden(&fAlleKurse);
    };
  }
  ~RaumBereinigung() override { fSchule.FensterAbmelden(&fAlleKurse); }

  // A step in the history that the clean-up must forget.
  void EinSchrittVorher() {
    TVerlaufSchritt schritt(fSchule);
    NeueSetzung(*fAnderer, 1, 5, nullptr, 5);
  }

  TRaum* fR2 = fSchule.HoleRaum("R2");
  TRaum* fR3 = fSchule.HoleRaum("R3");
  TKurs* fKurs = Kurs(fMue, f5a, 4, fR1, fM);
  TKurs* fAnderer = Kurs(fSch, f5b, 2, fR3, fD);
  std::vector<std::string> fLog;
  TTestFenster fAlleKurse{21, "alle Kurse", &fLog};
  Strings fRaeumeBeimSchliessen;
};

// Only rooms a placement of the course itself uses stay, in any version; "alle Kurse" is closed
// before the first room goes.
TEST_F(RaumBereinigung, UnusedRoomsLeaveEveryCourseAfterOk) {
  Setze(fKurs, 2, 1, 1, fR2);
  Setze(fAnderer, 1, 1, 1, fR1);
  Setze(fKurs, 1, 1, 2);
  fSchule.FensterAnmelden("alle Kurse", &fAlleKurse);
  EinSchrittVorher();
  fSchule.SetDirty(false);

  EXPECT_TRUE(UnbelegteRaeumeLoeschen(fSchule));
  const auto fragen = fDialoge.Protokoll(TDialogVorgang::Frage);
  ASSERT_EQ(fragen.size(), 1u);
  EXPECT_EQ(fragen[0].fTitel, "Warnung");
  EXPECT_EQ(fragen[0].fArt, TMeldungsArt::Warnung);
  EXPECT_EQ(fragen[0].fZeilen,
            (Strings{"L\xF6sche in allen Deputaten", "diejenigen R\xE4ume, die in den",
                     "Pl\xE4nen nicht benutzt wurden."}));
  EXPECT_EQ(fragen[0].fKnoepfe, (Strings{"Ok", "Abbrechen"}));
  const auto meldungen = fDialoge.Protokoll(TDialogVorgang::MeldungZeigen);
  ASSERT_EQ(meldungen.size(), 1u);
  EXPECT_EQ(meldungen[0].fZeilen, Strings{"Die unverplanten R\xE4ume werden gel\xF6scht."});
  EXPECT_FALSE(fDialoge.MeldungOffen());
  EXPECT_EQ(fLog, Strings{"alle Kurse: Schliessen"});
  EXPECT_EQ(fRaeumeBeimSchliessen, (Strings{"R1", "R2", "R3"}));

  EXPECT_EQ(Raeume(fKurs->fRaeume), Strings{"R2"});
  EXPECT_EQ(Raeume(fAnderer->fRaeume), Strings{});
  EXPECT_EQ(fR1->fKurse.ListeZahlElemente(), 0);
  EXPECT_EQ(fR2->fKurse.ListeElemNr(fKurs), 1);
  EXPECT_EQ(fR3->fKurse.ListeZahlElemente(), 0);
  // The other course's lesson in R1 keeps its room, though the course does not list it.
  EXPECT_EQ(fAnderer->SetzungFinden(1, 1, 1)->fRaum, fR1);
  EXPECT_TRUE(fSchule.IsDirty());
  EXPECT_FALSE(fSchule.fVerlauf.KannWiderrufen());
}

// "Abbrechen" changes nothing, keeps the window and the history.
TEST_F(RaumBereinigung, CancelChangesNothing) {
  fSchule.FensterAnmelden("alle Kurse", &fAlleKurse);
  EinSchrittVorher();
  fDialoge.Antworte("Abbrechen");
  EXPECT_FALSE(UnbelegteRaeumeLoeschen(fSchule));
  fDialoge.Antworte("Abbrechen");
  fKurs->fRaumErgaenzt.ListeAnhaengen(fR2);
  EXPECT_FALSE(ErgaenzteRaeumeLoeschen(fSchule));
  EXPECT_EQ(Raeume(fKurs->fRaeume), (Strings{"R1", "R2", "R3"}));
  EXPECT_TRUE(fLog.empty());
  EXPECT_EQ(fDialoge.Anzahl(TDialogVorgang::MeldungZeigen), 0u);
  EXPECT_EQ(fSchule.fVerlauf.ZahlSchritte(), 1u);
}

// Rooms adopted through the plan go from the course's lists, and its placements in them are left
// without a room; the rooms it was given stay, used or not.
TEST_F(RaumBereinigung, LaterAddedRoomsLeaveTheCoursesAndTheirPlacements) {
  TRaum* r4 = fSchule.HoleRaum("R4");
  TSetzung* s = Setze(fKurs, 1, 2, 3, fR1);
  RaumAenderung(*fKurs, r4, 1, 3, 2);
  Setze(fAnderer, 1, 4, 4, fR1);
  RaumAenderung(*fAnderer, fR2, 1, 4, 4);
  ASSERT_EQ(Raeume(fKurs->fRaumErgaenzt), Strings{"R4"});
  ASSERT_EQ(Raeume(fAnderer->fRaumErgaenzt), Strings{"R2"});
  EinSchrittVorher();

  EXPECT_TRUE(ErgaenzteRaeumeLoeschen(fSchule));
  const auto fragen = fDialoge.Protokoll(TDialogVorgang::Frage);
  ASSERT_EQ(fragen.size(), 1u);
  EXPECT_EQ(fragen[0].fZeilen,
            (Strings{"L\xF6sche in allen Pl\xE4nen und", "Deputaten diejenigen R\xE4ume,",
                     "die sp\xE4ter in den Pl\xE4nen", "eingetragen wurden."}));
  EXPECT_EQ(fragen[0].fKnoepfe, (Strings{"Ok", "Abbrechen"}));
  const auto meldungen = fDialoge.Protokoll(TDialogVorgang::MeldungZeigen);
  ASSERT_EQ(meldungen.size(), 1u);
  EXPECT_EQ(meldungen[0].fZeilen,
            Strings{"Die sp\xE4ter erg\xE4nzten R\xE4ume werden gel\xF6scht."});
  EXPECT_FALSE(fDialoge.MeldungOffen());

  EXPECT_EQ(Raeume(fKurs->fRaeume), (Strings{"R1", "R2", "R3"}));
  EXPECT_EQ(Raeume(fKurs->fRaumErgaenzt), Strings{});
  EXPECT_EQ(Raeume(fAnderer->fRaeume), Strings{"R3"});
  EXPECT_EQ(s->fRaum, nullptr);
  EXPECT_EQ(fAnderer->SetzungFinden(1, 4, 4)->fRaum, nullptr);
  EXPECT_FALSE(r4->fBesetzung.GetWocheTagStd(1, 2, 3));
  EXPECT_FALSE(fR2->fBesetzung.GetWocheTagStd(1, 4, 4));
  EXPECT_EQ(r4->fKurse.ListeZahlElemente(), 0);
  EXPECT_EQ(fR2->fKurse.ListeElemNr(fAnderer), 0);
  EXPECT_EQ(fR2->fKurse.ListeElemNr(fKurs), 1);
  EXPECT_FALSE(fSchule.fVerlauf.KannWiderrufen());
}

}  // namespace
}  // namespace orbato
