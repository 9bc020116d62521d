#include "substitution/vertretungsform.h"

#include <string>
#include <vector>

#include "substitution/vertretungsfixture.h"

namespace orbato {
namespace {

using Zeilen = std::vector<std::string>;

// The window of Wednesday the 9th: MUE misses period 2 (Mathe), SCH period 1 (Englisch); MUE's
// Thursday absence belongs to another window.
class VertretungsFormTest : public VertretungsTest {
 protected:
  VertretungsFormTest() {
    Fehlt(leh, fMue, fMi, "-+");
    Fehlt(leh, fSch, fMi, "+");
    Fehlt(leh, fMue, Dez(10), "-+");
    fForm.Oeffnen();
  }

  // The texts of each row joined by "|".
  std::vector<std::string> Texte() const {
    std::vector<std::string> zeilen;
    for (const TVertrZeile& z : fForm.Zeilen()) {
      std::string text = z.fZellen[0].fText;
      for (size_t s = 1; s < z.fZellen.size(); ++s) text += "|" + z.fZellen[s].fText;
      zeilen.push_back(text);
    }
    return zeilen;
  }
  // One letter per cell: s black, b blue, r red, t teal; capital when bold.
  std::string Farben(int zeile) const {
    std::string text;
    for (const TVertrZelle& c : fForm.Zeilen().at(static_cast<size_t>(zeile)).fZellen) {
      const char f = "sbrt"[static_cast<int>(c.fFarbe)];
      text += c.fFett ? static_cast<char>(f - 'a' + 'A') : f;
    }
    return text;
  }
  TVertretung* Mathe() const { return fMatheMi->VertretungFinden(fMi); }
  TVertretung* Englisch() const { return fEnglischMi->VertretungFinden(fMi); }

  TVertretungsForm fForm{fSchule, fStandard, fMi};
};

TEST_F(VertretungsFormTest, ShowsTheRecordsOfItsDateWithThePlannedAndTheSubstituteSide) {
  EXPECT_EQ(fForm.DatumText(), "Mi, 9. Dez 2026");
  const auto& spalten = TVertretungsForm::Spalten();
  EXPECT_EQ(std::vector<std::string>(spalten.begin(), spalten.end()),
            (Zeilen{"T", "Stunde", "Lehrer", "Klasse", "Fach", "Koppl.", "Raum", "Bem", "VLehrer",
                    "VFach", "VRaum"}));
  EXPECT_EQ(Texte(), (Zeilen{"|Mittwoch  1|SCH|5a|E||R3|==>|?????|E|R3",
                             "|Mittwoch  2|MUE|5a|M||R1|==>|?????|M|R1"}));
  EXPECT_EQ(fForm.Zeilen()[0].fVertretung, Englisch());
  EXPECT_EQ(fForm.ZeileVon(Mathe()), 1);

  // Cancelled, and without a teacher but with a remark.
  Mathe()->Frei();
  Englisch()->SetLInfo("EVA");
  fForm.Aufbauen();
  EXPECT_EQ(Texte(), (Zeilen{"|Mittwoch  1|SCH|5a|E||R3|==>|-----|E|R3",
                             "|Mittwoch  2|MUE|5a|M||R1|==>|-----|-----|-----"}));
  EXPECT_EQ(TVertretungsForm(fSchule, fStandard, Dez(11)).Zeilen().size(), 0u);
}

TEST_F(VertretungsFormTest, OpeningSwitchesToThePlanVersionOfTheDate) {
  fStandard.fAktuelleWoche = 2;
  EXPECT_TRUE(fForm.Oeffnen());
  EXPECT_EQ(fStandard.fAktuelleWoche, 1);
  EXPECT_FALSE(fForm.Oeffnen());
}

// Everything was changed today, the day the clock stands on: red text and a highlighted row,
// blue where a value wants attention or differs from the plan.
TEST_F(VertretungsFormTest, MarksChangesOfTodayAndWhatDiffersFromThePlan) {
  EXPECT_EQ(Farben(1), "rrrrrrrrbrr");
  EXPECT_TRUE(fForm.Zeilen()[1].fHervorgehoben);

  // With a real substitute the record comes first.
  ASSERT_TRUE(Mathe()->TrageLehrerEin(fKoc));
  Mathe()->SetFach(fS);
  Mathe()->SetRaum(nullptr);
  fForm.Aufbauen();
  ASSERT_EQ(fForm.ZeileVon(Mathe()), 0);
  fForm.AdHocLoeschen({0, 7});
  EXPECT_DOUBLE_EQ(Mathe()->fAdHoc, Dez(7) - 1000);
  EXPECT_EQ(fForm.Zeilen()[0].fVertretung, Mathe());
  EXPECT_EQ(Farben(0), "ssssssssbbb");
  EXPECT_FALSE(fForm.Zeilen()[0].fHervorgehoben);
  EXPECT_EQ(Farben(1), "rrrrrrrrbrr");

  Mathe()->SetFach(fM);
  Mathe()->SetRaum(fR1);
  fSchule.SetDirty(false);
  fForm.AdHocSetzen({0});
  EXPECT_DOUBLE_EQ(Mathe()->fAdHoc, Dez(7));
  EXPECT_EQ(Farben(0), "rrrrrrrrbrr");
  EXPECT_TRUE(fForm.Zeilen()[0].fHervorgehoben);
  EXPECT_TRUE(fSchule.IsDirty());

  // A remark makes "Bem" bold.
  Mathe()->SetSInfo("Buch mitbringen");
  fForm.Aufbauen();
  EXPECT_EQ(Farben(0), "rrrrrrrRbrr");
}

TEST_F(VertretungsFormTest, PaintsTheCircleOfThePartners) {
  EXPECT_EQ(fForm.Zeilen()[1].fKreis, TVertrKreis::Keiner);
  // MEI gives Mathe instead of his own Deutsch lesson, which now needs somebody.
  ASSERT_TRUE(Mathe()->TrageLehrerEin(fMei));
  fForm.Aufbauen();
  // The new record has no teacher but the remark "verlegt auf …".
  ASSERT_EQ(Texte().size(), 3u);
  EXPECT_EQ(Texte()[2], "|Mittwoch  2|MEI|5b|D||R3|==>|-----|D|R3");
  EXPECT_EQ(fForm.Zeilen()[fForm.ZeileVon(Mathe())].fKreis, TVertrKreis::Blau);
  EXPECT_EQ(fForm.Zeilen()[2].fKreis, TVertrKreis::Rot);
  EXPECT_EQ(Farben(2).substr(8), "brr");

  TVertretung* deutsch = fForm.Zeilen()[2].fVertretung;
  deutsch->fZu = Mathe();
  fForm.Aufbauen();
  EXPECT_EQ(fForm.Zeilen()[2].fKreis, TVertrKreis::Gruen);
  deutsch->fZu = nullptr;
}

TEST_F(VertretungsFormTest, ShowsRecordsNotInForceInTealOnlyWhenAsked) {
  Fehlt(kla, f5a, fMi, "+");
  fStandard.fVertrInaktivCheck = true;
  fForm.Aufbauen();
  ASSERT_EQ(fForm.Zeilen().size(), 2u);
  EXPECT_EQ(Farben(0), "ttttttttttt");
  fForm.SetInaktive(false);
  EXPECT_FALSE(fStandard.fVertrInaktivCheck);
  EXPECT_EQ(Texte(), Zeilen{"|Mittwoch  2|MUE|5a|M||R1|==>|?????|M|R1"});
  fForm.SetInaktive(true);
  EXPECT_EQ(fForm.Zeilen().size(), 2u);
}

TEST_F(VertretungsFormTest, SortsTheWholeListInTheChosenOrder) {
  const auto& namen = TVertretungsForm::SortNamen();
  EXPECT_EQ(std::vector<std::string>(namen.begin(), namen.end()),
            (Zeilen{"Klassen", "fehl. Lehrern", "vertr. Lehrern", "Stunden"}));
  ASSERT_TRUE(Mathe()->TrageLehrerEin(fKoc));
  fForm.Aufbauen();
  // A real substitute comes first.
  EXPECT_EQ(fForm.Zeilen()[0].fVertretung, Mathe());
  fForm.SetSortArt(2);
  EXPECT_EQ(fStandard.fVertrSortArt, 2);
  EXPECT_EQ(fForm.SortArt(), 2);
  EXPECT_EQ(fForm.Zeilen()[0].fVertretung, Englisch());
  EXPECT_EQ(fSchule.fVertretungsMenge.ListeNrInhalt(1), Englisch());
  fForm.SetSortArt(3);
  EXPECT_EQ(fForm.Zeilen()[0].fVertretung, Mathe());
}

// Loading gives the records in the file's order, course by course; the window sorts them when
// it opens, which changes nothing that is saved.
TEST_F(VertretungsFormTest, OpeningSortsAListKeptInAnotherOrder) {
  ASSERT_TRUE(Mathe()->TrageLehrerEin(fKoc));
  fStandard.fVertrSortArt = 2;
  fSchule.SetDirty(false);
  EXPECT_FALSE(fForm.Oeffnen());
  EXPECT_EQ(fSchule.fVertretungsMenge.ListeNrInhalt(1), Englisch());
  EXPECT_FALSE(fSchule.IsDirty());
}

TEST_F(VertretungsFormTest, ADoubleClickLeadsToTheProposalWindowOrTheNote) {
  EXPECT_EQ(fForm.Doppelklick(1), TVertretungsForm::TKlick::Wahl);
  EXPECT_EQ(fForm.Doppelklick(5), TVertretungsForm::TKlick::Nichts);
  EXPECT_TRUE(fDialoge.Protokoll().empty());

  Fehlt(kla, f5a, fMi, "+");
  fForm.Aufbauen();
  EXPECT_EQ(fForm.Doppelklick(0), TVertretungsForm::TKlick::Unnoetig);
  const auto noten = fDialoge.Protokoll(TDialogVorgang::Nachricht);
  ASSERT_EQ(noten.size(), 1u);
  EXPECT_EQ(noten[0].fTitel, "Vertretung unn\xF6tig");
  EXPECT_EQ(noten[0].fZeilen,
            (Zeilen{"Vertretung nicht n\xF6tig, da die ", "beteiligten Klassen abwesend sind."}));
}

TEST_F(VertretungsFormTest, TheDeleteToolAsksBeforeTheRecordGoes) {
  fSchule.SetToolArt(LoeschTool);
  fDialoge.Antworte("Nein");
  EXPECT_EQ(fForm.Doppelklick(1), TVertretungsForm::TKlick::Behalten);
  const auto fragen = fDialoge.Protokoll(TDialogVorgang::Frage);
  ASSERT_EQ(fragen.size(), 1u);
  EXPECT_EQ(fragen[0].fTitel, "Vertretung l\xF6schen");
  EXPECT_EQ(fragen[0].fZeilen, (Zeilen{"Soll die Vertretung", "Mi, 9. Dez   2", "MUE M R1"}));
  EXPECT_EQ(fragen[0].fKnoepfe, (Zeilen{"Ja", "Nein"}));
  EXPECT_EQ(fForm.Zeilen().size(), 2u);

  TVertretung* mathe = Mathe();
  fDialoge.Antworte("Ja");
  EXPECT_EQ(fForm.Doppelklick(1), TVertretungsForm::TKlick::Geloescht);
  EXPECT_EQ(Texte(), Zeilen{"|Mittwoch  1|SCH|5a|E||R3|==>|?????|E|R3"});
  EXPECT_FALSE(fSchule.fVertretungsMenge.ListeElemEnthalten(mathe));
  EXPECT_EQ(Mathe(), nullptr);
}

TEST_F(VertretungsFormTest, CellsOpenTheClassesTheCouplingAndTheRemarks) {
  TKopplung* k1 = fSchule.HoleKopplung("K1");
  TKurs* sport = Kurs(fKoc, f5a, 2, fR4, fS, k1);
  sport->KlasseErgaenzen(f5b);
  Setze(sport, 1, 3, 3, fR4);
  Setze(Kurs(fMei, f5b, 2, fR5, fD, k1), 1, 3, 3, fR5);
  Fehlt(leh, fKoc, fMi, "--+");
  fForm.Aufbauen();
  const int z = fForm.ZeileVon(sport->SetzungFinden(1, 3, 3)->VertretungFinden(fMi));
  ASSERT_GE(z, 0);
  EXPECT_EQ(fForm.Zeilen()[static_cast<size_t>(z)].fZellen[kVertrKoppl].fText, "K1");
  EXPECT_TRUE(fForm.Zeilen()[static_cast<size_t>(z)].fZellen[kVertrKlasse].fFett);
  EXPECT_EQ(orbato::Texte(fForm.ZellenMenu(z, kVertrKlasse)), (Zeilen{"5a", "5b"}));
  EXPECT_EQ(orbato::Texte(fForm.ZellenMenu(z, kVertrKoppl)),
            (Zeilen{"KOC S 5a K1 R4", "MEI D 5b K1 R5"}));
  EXPECT_EQ(orbato::Texte(fForm.ZellenMenu(z, kVertrBem)), Zeilen{});
  const int mathe = fForm.ZeileVon(Mathe());
  EXPECT_EQ(orbato::Texte(fForm.ZellenMenu(mathe, kVertrKlasse)), Zeilen{});
  EXPECT_EQ(orbato::Texte(fForm.ZellenMenu(mathe, kVertrKoppl)), Zeilen{});
  Mathe()->SetLInfo("Lehrer");
  Mathe()->SetSInfo("Sch\xFCler");
  EXPECT_EQ(orbato::Texte(fForm.ZellenMenu(mathe, kVertrBem)), (Zeilen{"Lehrer", "Sch\xFCler"}));
}

TEST_F(VertretungsFormTest, TheAbsenceButtonsWithCtrlListWhoIsAbsentThatDay) {
  Fehlt(rau, fR2, fMi, "+");
  EXPECT_EQ(FehlendeKnopf(leh), "fehlender Lehrer");
  EXPECT_EQ(FehlendeKnopf(kla), "fehlende Klasse");
  EXPECT_EQ(FehlendeKnopf(rau), "Raum\xE4nderung");
  std::vector<TPlanElement*> gewaehlt;
  TMenu lehrer = fForm.FehlendeMenu(leh, [&](TPlanElement* e) { gewaehlt.push_back(e); });
  EXPECT_EQ(orbato::Texte(lehrer), (Zeilen{"MUE", "SCH"}));
  EXPECT_TRUE(WaehleEintrag(lehrer, "SCH"));
  EXPECT_EQ(gewaehlt, std::vector<TPlanElement*>{fSch});
  EXPECT_EQ(orbato::Texte(fForm.FehlendeMenu(kla, {})), Zeilen{});
  EXPECT_EQ(orbato::Texte(fForm.FehlendeMenu(rau, {})), Zeilen{"R2"});
  EXPECT_EQ(orbato::Texte(TVertretungsForm(fSchule, fStandard, Dez(10)).FehlendeMenu(leh, {})),
            Zeilen{"MUE"});
}

// Saturday lies beyond the five-day week; a Wednesday made a holiday is no school day either.
TEST_F(VertretungsFormTest, AWeekendOrAHolidayNeedsNoWindow) {
  EXPECT_EQ(Vertretung(fSchule, fMi), TVertrTag::Schultag);
  EXPECT_TRUE(fDialoge.Protokoll().empty());
  fDialoge.Antworte("Anderer Tag");
  EXPECT_EQ(Vertretung(fSchule, Dez(12)), TVertrTag::AndererTag);
  const auto fragen = fDialoge.Protokoll(TDialogVorgang::Frage);
  ASSERT_EQ(fragen.size(), 1u);
  EXPECT_EQ(fragen[0].fTitel, "Vertretung unn\xF6tig");
  EXPECT_EQ(fragen[0].fZeilen, Zeilen{"Samstag, 12. Dezember 2026"});
  EXPECT_EQ(fragen[0].fKnoepfe, (Zeilen{"Ok", "Anderer Tag"}));

  fStandard.fFerien[KalenderWoche(fMi)] = 1 << 2;
  EXPECT_EQ(Vertretung(fSchule, fMi), TVertrTag::Ok);
  EXPECT_EQ(Vertretung(fSchule, Dez(10)), TVertrTag::Schultag);
}

}  // namespace
}  // namespace orbato
