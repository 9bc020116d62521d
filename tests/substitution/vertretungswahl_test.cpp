#include "substitution/vertretungswahl.h"

#include <string>
#include <vector>

#include "substitution/vertretungsfixture.h"

namespace orbato {
namespace {

// The proposal window on the school of the fixture; MUE is absent in period 2 of Wednesday the
// 9th unless a test says otherwise. Every test chooses the settings of the lists it looks at.
class VertretungsWahlTest : public VertretungsTest {
 protected:
  void Einstellen(bool frei, bool rand, int auswahl) {
    fStandard.fVertrFreiCheck = frei;
    fStandard.fVertrRandCheck = rand;
    fStandard.fVertrLeAuswahl = auswahl;
  }
  TVertretung* MatheMi() {
    Fehlt(leh, fMue, fMi, "-+");
    return fMatheMi->VertretungFinden(fMi);
  }
  std::vector<std::string> Lehrer() const {
    std::vector<std::string> namen;
    for (const TLehrerAngebot& a : fWahl.Lehrer()) namen.push_back(a.fKuerzel);
    return namen;
  }
  std::vector<std::string> Raeume() const {
    std::vector<std::string> namen;
    for (const TRaumAngebot& a : fWahl.Raeume()) namen.push_back(a.fKuerzel);
    return namen;
  }
  // A teacher with one lesson of a course of his own, placed on Wednesday in `std`.
  TLehrer* LehrerMitStunde(const char* kuerzel, int32_t std) {
    TLehrer* l = fSchule.HoleLehrer(kuerzel);
    Setze(Kurs(l, fSchule.HoleKlasse("6c"), 1, fR5, fS), 1, 3, std, fR5);
    return l;
  }

  TVertretungsWahl fWahl{fSchule, fStandard};
};

TEST_F(VertretungsWahlTest, OpensOnTheRecordWithItsLinesFieldsAndTheModeItAsksFor) {
  Einstellen(false, false, 2);
  TVertretung* v = MatheMi();
  fWahl.Bearbeite(v);
  EXPECT_EQ(v->fFenster, fSchule.OffenesFenster(TFensterTyp::Vertretungswahl));
  EXPECT_EQ(fWahl.KopfZeile(), "Mi, 9. Dez   2  MUE M R1");
  EXPECT_EQ(fWahl.Modus(), TVertretungsWahl::TModus::Lehrer);
  EXPECT_EQ(fWahl.LehrerFeld(), "ohne");
  EXPECT_EQ(fWahl.FachFeld(), "M");
  EXPECT_EQ(fWahl.RaumFeld(), "R1");
  EXPECT_EQ(Lehrer(), (std::vector<std::string>{"SCH", "MEI", "KOC"}));
  EXPECT_EQ(fWahl.Lehrer()[0].fTagesZeile, "EUUUUEFFFFFFFFFF");
  EXPECT_EQ(fWahl.Lehrer()[0].fZaehler, "10.0");
  fWahl.SetZaehlerAuswahl(0);
  EXPECT_EQ(fWahl.Lehrer()[0].fZaehler, " 0.0");
  EXPECT_FALSE(fWahl.StattKnopfSichtbar());

  // A room-only record (R1 missing, MUE there again) starts on the room choice.
  Fehlt(leh, fMue, fMi, "");
  Fehlt(rau, fR1, fMi, "-+");
  TVertretung* raum = fMatheMi->VertretungFinden(fMi);
  fWahl.Bearbeite(raum);
  EXPECT_EQ(fWahl.Modus(), TVertretungsWahl::TModus::Raum);
  EXPECT_EQ(fWahl.LehrerFeld(), "MUE");
  EXPECT_EQ(fWahl.RaumFeld(), "ohne");
  fStandard.fVertrFreiCheck = true;
  fWahl.Aktualisieren();
  // R1 is missing, R3 holds Deutsch with 5b.
  EXPECT_EQ(Raeume(), (std::vector<std::string>{"R2", "R4", "R5"}));
  EXPECT_TRUE(fWahl.Lehrer().empty());
  fWahl.SetFreieLehrer(false);
  EXPECT_EQ(Raeume(), (std::vector<std::string>{"R2", "R3", "R4", "R5"}));
  EXPECT_TRUE(fWahl.RaumEintragen(2));
  EXPECT_EQ(fWahl.RaumFeld(), "R4");
  EXPECT_EQ(raum->fSInfo.str(), "in Raum R4 ");
}

TEST_F(VertretungsWahlTest, FreeTeachersIncludeThoseWhoseClassesAreAllAway) {
  Einstellen(true, false, 2);
  fWahl.Bearbeite(MatheMi());
  // MEI teaches 5b then.
  EXPECT_EQ(Lehrer(), (std::vector<std::string>{"SCH", "KOC"}));
  Fehlt(kla, f5b, fMi, "-+");
  EXPECT_EQ(Lehrer(), (std::vector<std::string>{"SCH", "MEI", "KOC"}));
  // Blocked and absent teachers are left out; the absence window's "Ok" rebuilds the list.
  fSch->fSperrung.SetWocheTagStd(1, 3, true, 2);
  Fehlt(leh, fKoc, fMi, "-+");
  EXPECT_EQ(Lehrer(), (std::vector<std::string>{"MEI"}));
}

TEST_F(VertretungsWahlTest, EdgePeriodsLeaveOutTeachersWithNothingNextToThePeriod) {
  Einstellen(false, true, 2);
  TLehrer* spaet = LehrerMitStunde("SPA", 5);
  TLehrer* frueh = LehrerMitStunde("FRU", 2);
  Fehlt(leh, fSch, fMi, "+");
  fWahl.Bearbeite(fEnglischMi->VertretungFinden(fMi));
  // Period 1: MUE and MEI teach in period 2, SPA only in period 5, KOC not at all.
  EXPECT_EQ(Lehrer(), (std::vector<std::string>{"MUE", "MEI", "FRU"}));
  // A blocked neighbour holds nothing either.
  spaet->fSperrung.SetWocheTagStd(1, 3, true, 2);
  frueh->fSperrung.SetWocheTagStd(1, 3, true, 3);
  fWahl.Aktualisieren();
  EXPECT_EQ(Lehrer(), (std::vector<std::string>{"MUE", "MEI", "FRU"}));

  // Period 4 lies between SPA's blocked period 2 and his lesson in period 5; for SCH's Sport in
  // period 6 SPA's lesson is one period away.
  Fehlt(leh, fSch, fMi, "+----+");
  TVertretung* sport = nullptr;
  for (TVertretung* v : VertretungenDesTages(fSchule, fMi, true)) {
    if (v->fKurs == fSport) sport = v;
  }
  ASSERT_NE(sport, nullptr);
  fWahl.Bearbeite(sport);
  EXPECT_EQ(Lehrer(), (std::vector<std::string>{"SPA"}));
  fWahl.SetRandstunden(false);
  EXPECT_EQ(Lehrer(), (std::vector<std::string>{"MUE", "MEI", "KOC", "SPA", "FRU"}));
}

TEST_F(VertretungsWahlTest, SameClassAndSameSubjectNarrowTheTeachers) {
  Einstellen(false, false, 0);
  fKoc->NeuesFach(fM);
  fMei->NeuesFach(fD);
  TVertretung* v = MatheMi();
  fWahl.Bearbeite(v);
  // SCH teaches 5a English.
  EXPECT_EQ(Lehrer(), (std::vector<std::string>{"SCH"}));
  fWahl.SetLehrerAuswahl(1);
  EXPECT_EQ(Lehrer(), (std::vector<std::string>{"KOC"}));
  fWahl.SetLehrerAuswahl(2);
  EXPECT_EQ(Lehrer(), (std::vector<std::string>{"SCH", "MEI", "KOC"}));

  // A course without subject: nobody has its subject.
  TKurs* ohneFach = Kurs(fMue, f5a, 1, fR4);
  Setze(ohneFach, 1, 3, 3, fR4);
  Fehlt(leh, fMue, fMi, "-++");
  fWahl.SetLehrerAuswahl(1);
  fWahl.Bearbeite(ohneFach->SetzungFinden(1, 3, 3)->VertretungFinden(fMi));
  EXPECT_TRUE(fWahl.Lehrer().empty());
}

TEST_F(VertretungsWahlTest, BySuitabilityTheClassSubjectNeighbourAndMonthDecide) {
  Einstellen(false, false, 2);
  TLehrer* a1 = fSchule.HoleLehrer("A1");
  TLehrer* a2 = fSchule.HoleLehrer("A2");
  TLehrer* a3 = LehrerMitStunde("A3", 3);
  TLehrer* a4 = fSchule.HoleLehrer("A4");
  a1->NeuesFach(fM);
  a2->NeuesFach(fM);
  a1->fDict["202612"] = "2";
  a2->fDict["202612"] = "1";
  a3->fDict["202612"] = "5";
  a4->fDict["202612"] = "-1";
  fWahl.Bearbeite(MatheMi());
  EXPECT_FALSE(fWahl.NachEignung());
  EXPECT_EQ(Lehrer(), (std::vector<std::string>{"SCH", "MEI", "KOC", "A1", "A2", "A3", "A4"}));
  fWahl.SetNachEignung(true);
  EXPECT_TRUE(fStandard.fVertrNachEignung);
  // SCH teaches 5a and in period 1; A3 teaches in period 3; MEI and KOC had nothing this month.
  EXPECT_EQ(Lehrer(), (std::vector<std::string>{"SCH", "A2", "A1", "A3", "A4", "MEI", "KOC"}));
  fWahl.SetZaehlerAuswahl(2);
  EXPECT_EQ(fWahl.Lehrer()[4].fZaehler, "-1.0");
}

TEST_F(VertretungsWahlTest, EnteringATeacherWithALessonLinksThePartnerRecords) {
  Einstellen(false, false, 2);
  TVertretung* v = MatheMi();
  fWahl.Bearbeite(v);
  ASSERT_TRUE(fWahl.LehrerEintragen(1));  // MEI, who teaches Deutsch then
  EXPECT_EQ(fWahl.LehrerFeld(), "MEI");
  EXPECT_EQ(fWahl.StattZeile(), "Mi, 9. Dez   2  MEI D R3");
  EXPECT_EQ(fWahl.VerlegtZeile(), "");
  EXPECT_FALSE(fWahl.StattKnopfSichtbar());
  fWahl.ZumStattPartner();
  EXPECT_EQ(fWahl.Vertretung(), v->fZu);
  EXPECT_EQ(v->fFenster, nullptr);
  EXPECT_EQ(v->fZu->fFenster, fSchule.OffenesFenster(TFensterTyp::Vertretungswahl));
  EXPECT_EQ(fWahl.KopfZeile(), "Mi, 9. Dez   2  MEI D R3");
  EXPECT_EQ(fWahl.VerlegtZeile(), "Mi, 9. Dez   2  MUE M R1");
  EXPECT_EQ(fWahl.LehrerFeld(), "ohne");
  fWahl.ZumVerlegtPartner();
  EXPECT_EQ(fWahl.Vertretung(), v);

  // SCH instead: MEI's record goes, the "statt" menu is there.
  ASSERT_TRUE(fWahl.LehrerEintragen(fSch));
  EXPECT_EQ(fWahl.StattZeile(), "");
  EXPECT_TRUE(fWahl.StattKnopfSichtbar());
  EXPECT_FALSE(fWahl.StattMenu().empty());
}

TEST_F(VertretungsWahlTest, TheCommandsChangeTheRecordAndItsFields) {
  Einstellen(false, false, 2);
  TVertretung* v = MatheMi();
  fWahl.Bearbeite(v);
  ASSERT_TRUE(fWahl.LehrerEintragen(fKoc));
  EXPECT_TRUE(fWahl.Angerechnet());
  EXPECT_EQ(Konten(fKoc), "2 12");
  fWahl.Anrechnen(false);
  EXPECT_EQ(Konten(fKoc), "0 10");
  fWahl.Anrechnen(true);
  EXPECT_EQ(Konten(fKoc), "2 12");

  EXPECT_EQ(Texte(fWahl.FachMenu()), (std::vector<std::string>{"M", "D", "E", "S"}));
  EXPECT_TRUE(fWahl.FachMenu()[0].fChecked);
  fUhr.Stellen(Dez(8) - 0.1);
  TMenu faecher = fWahl.FachMenu();
  ASSERT_TRUE(WaehleEintrag(faecher, "E"));
  EXPECT_EQ(fWahl.FachFeld(), "E");
  EXPECT_EQ(v->fAdHoc, Dez(8));

  fWahl.Frei();
  EXPECT_EQ(fWahl.LehrerFeld() + fWahl.FachFeld() + fWahl.RaumFeld(), "---------------");
  EXPECT_EQ(Konten(fKoc), "0 10");
  EXPECT_EQ(v->fLInfo.str(), "frei");

  // "Löschen" in room mode clears the room only, in teacher mode the substitute.
  fWahl.LehrerEintragen(fKoc);
  fWahl.RaumEintragen(fR2);
  fWahl.SetModus(TVertretungsWahl::TModus::Raum);
  fWahl.Loeschen();
  EXPECT_EQ(fWahl.LehrerFeld() + " " + fWahl.RaumFeld(), "KOC ohne");
  fWahl.SetModus(TVertretungsWahl::TModus::Lehrer);
  fWahl.Loeschen();
  EXPECT_EQ(fWahl.LehrerFeld() + " " + fWahl.RaumFeld(), "ohne ohne");
  EXPECT_EQ(Konten(fKoc), "0 10");
}

TEST_F(VertretungsWahlTest, TemplatesAreAppendedShortenedOrPutInPlace) {
  EXPECT_EQ(BemerkungMitVorlage("", "Aufgaben"), " Aufgaben");
  EXPECT_EQ(BemerkungMitVorlage("frei", "Aufgaben"), "frei Aufgaben");
  const std::string siebzig(70, 'x');
  EXPECT_EQ(BemerkungMitVorlage(siebzig, "0123456789ABCDEF"), siebzig + " 0123456789");
  EXPECT_EQ(BemerkungMitVorlage(std::string(80, 'x'), "Aufgaben"), std::string(80, 'x') + " ");
  EXPECT_EQ(BemerkungMitVorlage(std::string(81, 'x'), "Aufgaben"), std::string(81, 'x') + " ");

  fStandard.fBemBez[0] = "Aufgaben im Sekretariat";
  fStandard.fBemBez[2] = "EVA";
  fWahl.Bearbeite(MatheMi());
  TMenu menu = fWahl.BemMenu(true);
  EXPECT_EQ(Texte(menu), (std::vector<std::string>{"Aufgaben im Sekretariat", "EVA"}));
  EXPECT_EQ(menu[1].fTag, 3);
  fWahl.SetLBem(siebzig);
  ASSERT_TRUE(Waehle(menu[0]));
  EXPECT_EQ(fWahl.LBem(), siebzig + " Aufgaben i");
  EXPECT_EQ(fWahl.SBem(), "");
  fWahl.BemErsetzen(false, 3);
  EXPECT_EQ(fWahl.SBem(), "EVA");
  fWahl.BemAnfuegen(false, 1);
  EXPECT_EQ(fWahl.SBem(), "EVA Aufgaben im Sekretariat");
  fWahl.SetSBem(std::string(90, 'y'));
  EXPECT_EQ(fWahl.SBem(), std::string(81, 'y'));
}

TEST_F(VertretungsWahlTest, ARecordThatGoesOrLeavesForceIsLetGo) {
  Einstellen(false, false, 2);
  TVertretung* v = MatheMi();
  fWahl.Bearbeite(v);
  Fehlt(kla, f5a, fMi, "-+");
  EXPECT_EQ(fWahl.Vertretung(), nullptr);
  EXPECT_EQ(v->fFenster, nullptr);
  EXPECT_TRUE(fWahl.Lehrer().empty());

  Fehlt(kla, f5a, fMi, "");
  Fehlt(leh, fMue, fMi, "");
  Fehlt(rau, fR1, fMi, "-+");
  fWahl.Bearbeite(fMatheMi->VertretungFinden(fMi));
  ASSERT_NE(fWahl.Vertretung(), nullptr);
  // R1 back: the room-only record goes while the form edits it.
  Fehlt(rau, fR1, fMi, "");
  EXPECT_EQ(fMatheMi->VertretungFinden(fMi), nullptr);
  EXPECT_EQ(fWahl.Vertretung(), nullptr);
  EXPECT_EQ(fWahl.KopfZeile(), "");
  EXPECT_FALSE(fWahl.LehrerEintragen(fKoc));
}

TEST_F(VertretungsWahlTest, TheDayPlanShowsTheSubstituteTheTeacherOrTheClass) {
  fStandard.fPlnStd = 3;
  fSch->SetRaum(fR2);
  TVertretung* v = MatheMi();
  fWahl.Bearbeite(v);
  EXPECT_EQ(fWahl.TagesplanElement(), fMue);
  const auto texte = [&] {
    std::string text;
    for (const TTagesplanZeile& z : fWahl.Tagesplan()) text += z.fStunde + "=" + z.fText + ";";
    return text;
  };
  EXPECT_EQ(texte(), " 1=; 2=MUE M 5a R1; 3=;");
  EXPECT_EQ(fWahl.TagesplanRaum(), "ohne");
  fWahl.LehrerEintragen(fSch);
  EXPECT_EQ(texte(), " 1=SCH E 5a R3; 2=; 3=;");
  EXPECT_EQ(fWahl.TagesplanRaum(), "R2");
  fWahl.SetPlanAuswahl(1);
  EXPECT_EQ(fWahl.TagesplanElement(), f5a);
  EXPECT_EQ(texte(), " 1=SCH E 5a R3; 2=MUE M 5a R1; 3=;");
}

TEST_F(VertretungsWahlTest, TheRowsOfADayFollowTheListAndTheSetting) {
  Fehlt(leh, fMue, fMi, "-+");
  Fehlt(leh, fSch, fMi, "+");
  Fehlt(leh, fMue, Dez(10), "-+");
  Fehlt(kla, f5a, fMi, "+");
  std::vector<std::string> zeilen;
  for (const TVertretung* v : VertretungenDesTages(fSchule, fMi, true))
    zeilen.push_back(Beschreibe(v));
  EXPECT_EQ(zeilen,
            (std::vector<std::string>{"9.12 1 SCH/E -> ? R3 UA", "9.12 2 MUE/M -> ? R1 GA"}));
  EXPECT_EQ(VertretungenDesTages(fSchule, fMi, false).size(), 1u);
  EXPECT_EQ(VertretungenDesTages(fSchule, Dez(10), false).size(), 1u);
}

}  // namespace
}  // namespace orbato
