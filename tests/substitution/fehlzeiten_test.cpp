#include "substitution/fehlzeiten.h"

#include <string>
#include <vector>

#include "model/schnittstellen/dialoge.h"
#include "model/schnittstellen/fenster.h"
#include "model/schnittstellen/testfenster.h"
#include "model/schulfixture.h"
#include "model/vertretung/fehl.h"

namespace orbato {
namespace {

// A room that writes down what its absences tell it, "+3 45719" for period 3 newly absent on that
// day, "-3 45719" for no longer absent.
class TProtokollRaum : public TRaum {
 public:
  explicit TProtokollRaum(std::vector<std::string>& log) : fLog(log) {}
  void FehltNeuIn(int32_t std, TDatumZeit datum) override { Notiere('+', std, datum); }
  void FehltNichtMehrIn(int32_t std, TDatumZeit datum) override { Notiere('-', std, datum); }

 private:
  void Notiere(char art, int32_t std, TDatumZeit datum) {
    fLog.push_back(art + std::to_string(std) + " " + std::to_string(GanzerTag(datum)));
  }
  std::vector<std::string>& fLog;
};

class FehlzeitenTest : public SchulTest {
 protected:
  FehlzeitenTest() {
    fSchule.SetDialoge(&fDialoge);
    fStandard.fPlnStd = 8;
  }

  // Rooms in the order of the list; `reihe` is their display position.
  TProtokollRaum* Raum(std::string_view kuerzel, int32_t reihe) {
    auto* r = new TProtokollRaum(fLog);
    r->fKuerzel = kuerzel;
    r->fReihe = reihe;
    fSchule.fRaumMenge.ListeAnhaengen(r);
    return r;
  }
  TFehl* Fehlt(TPlanElement* e, TDatumZeit datum, uint32_t zeit, std::string_view grund = "-") {
    auto* f = new TFehl;
    f->SetElement(e);
    f->SetDatum(datum);
    f->SetZeit(zeit);
    f->SetHilfe(zeit);
    f->SetGrund(grund);
    fSchule.fFehlRaumMenge.ListeAnhaengen(f);
    return f;
  }
  // The room absences as "R1 45719 +++-…(K)", in list order.
  std::vector<std::string> Liste() const {
    std::vector<std::string> zeilen;
    for (const TFehl* f : fSchule.fFehlRaumMenge) {
      zeilen.push_back(f->fElement->fKuerzel.str() + " " + std::to_string(GanzerTag(f->fDatum)) +
                       " " + StundenText(f->fZeit) + "(" + f->fGrund.str() + ")");
    }
    return zeilen;
  }
  static std::string Tag(int32_t tag) { return std::to_string(tag); }

  TSkriptDialoge fDialoge;
  std::vector<std::string> fLog;
  // Monday, 3 March 2025, and the days around it.
  const int32_t fMontag = static_cast<int32_t>(*KodiereDatum(2025, 3, 3));
  const TDatumZeit fDatum = fMontag + 0.5;
};

TEST_F(FehlzeitenTest, SetUpNamesTheKindTheDateAndTheRange) {
  fSchule.fKalender[KalenderWoche(fDatum)] = 2;
  fStandard.fStdBez[1][0] = "1.";
  fStandard.fStdBez[1][7] = "8.";
  TFehlForm raeume(fSchule, fStandard, rau, fDatum + 0.25);
  EXPECT_EQ(raeume.Titel(), "Fehlende R\xE4ume");
  EXPECT_EQ(raeume.ElementKnopf(), "R\xE4ume");
  EXPECT_EQ(raeume.DatumText(), "Montag, 3. M\xE4rz, 2025");
  EXPECT_EQ(raeume.Datum(), fDatum);
  EXPECT_EQ(raeume.Tag(), 1);
  EXPECT_EQ(raeume.Woche(), 2);
  EXPECT_EQ(raeume.Von(), 1);
  EXPECT_EQ(raeume.Bis(), 8);
  EXPECT_EQ(raeume.VonText(), "1.");
  EXPECT_EQ(raeume.BisText(), "8.");
  EXPECT_EQ(TFehlForm(fSchule, fStandard, leh, fDatum).Titel(), "Fehlende Lehrer");
  EXPECT_EQ(TFehlForm(fSchule, fStandard, leh, fDatum).ElementKnopf(), "Lehrer");
  EXPECT_EQ(TFehlForm(fSchule, fStandard, kla, fDatum).Titel(), "Fehlende Klassen");
  EXPECT_EQ(TFehlForm(fSchule, fStandard, kla, fDatum).ElementKnopf(), "Klassen");
}

TEST_F(FehlzeitenTest, RowsAreTheDaysAbsencesOfTheKindInListOrder) {
  TRaum* r1 = Raum("R1", 1);
  TRaum* r2 = Raum("R2", 2);
  TFehl* zwei = Fehlt(r2, fDatum, 0x6000, "K");
  Fehlt(r1, fDatum + 1, 0x8000);
  TFehl* eins = Fehlt(r1, fDatum, 0x0001);
  fSchule.fFehlLehrerMenge.ListeAnhaengen(new TFehl(*eins));
  TFehlForm form(fSchule, fStandard, rau, fDatum);
  ASSERT_EQ(form.Zeilen().size(), 2u);
  EXPECT_EQ(form.Zeilen()[0].fElement, r2);
  EXPECT_EQ(form.Zeilen()[0].fFehl, zwei);
  EXPECT_EQ(form.Zeilen()[0].fGrund, "(K)");
  EXPECT_EQ(form.Zeilen()[0].fStunden, "-++-------------");
  EXPECT_EQ(form.Zeilen()[1].fFehl, eins);
  EXPECT_EQ(form.Zeilen()[1].fGrund, "(-)");
  EXPECT_EQ(form.Zeilen()[1].fStunden, "---------------+");
  EXPECT_EQ(form.Auswahl(), -1);
}

TEST_F(FehlzeitenTest, AddingAnElementTakesTheRangeAndScrollsItIntoView) {
  std::vector<TRaum*> raeume;
  for (int i = 1; i <= 10; ++i) raeume.push_back(Raum("R" + std::to_string(i), i));
  TFehlForm form(fSchule, fStandard, rau, fDatum);
  form.SetVon(3);
  form.SetBis(5);
  EXPECT_EQ(form.ElementHinzufuegen(raeume[0]), TFehlForm::TZugang::Neu);
  EXPECT_EQ(form.Zeilen()[0].fGrund, "(-)");
  EXPECT_EQ(form.Zeilen()[0].fStunden, "--+++-----------");
  EXPECT_EQ(form.Zeilen()[0].fFehl, nullptr);
  std::vector<int32_t> oben;
  for (int i = 1; i < 10; ++i) {
    form.ElementHinzufuegen(raeume[static_cast<std::size_t>(i)]);
    oben.push_back(form.ObersteZeile());
  }
  EXPECT_EQ(oben, (std::vector<int32_t>{0, 0, 0, 0, 0, 0, 0, 0, 1}));
  EXPECT_EQ(form.Auswahl(), 9);
  EXPECT_EQ(fDialoge.Protokoll().size(), 0u);

  EXPECT_EQ(form.ElementHinzufuegen(raeume[2]), TFehlForm::TZugang::FehltSchon);
  EXPECT_EQ(form.Zeilen().size(), 10u);
  EXPECT_EQ(form.Auswahl(), 2);
  EXPECT_EQ(form.ObersteZeile(), 0);
  const auto nachrichten = fDialoge.Protokoll(TDialogVorgang::Nachricht);
  ASSERT_EQ(nachrichten.size(), 1u);
  EXPECT_EQ(nachrichten[0].fTitel, "Fehlt schon");
  EXPECT_EQ(nachrichten[0].fZeilen, (std::vector<std::string>{"R3", "fehlt an diesem Tag schon."}));
  EXPECT_EQ(nachrichten[0].fKnoepfe, (std::vector<std::string>{"Ok"}));
}

TEST_F(FehlzeitenTest, AnElementWithARecordOfTheDayIsThereAlready) {
  TRaum* r1 = Raum("R1", 1);
  Fehlt(r1, fDatum, 0x8000);
  TFehlForm form(fSchule, fStandard, rau, fDatum);
  EXPECT_EQ(form.ElementHinzufuegen(r1), TFehlForm::TZugang::FehltSchon);
  EXPECT_EQ(form.Zeilen().size(), 1u);
  EXPECT_EQ(form.Auswahl(), 0);
}

TEST_F(FehlzeitenTest, OpenedOnAnElementSelectsItsRowOrAddsOne) {
  std::vector<TRaum*> raeume;
  for (int i = 1; i <= 10; ++i) {
    raeume.push_back(Raum("R" + std::to_string(i), i));
    Fehlt(raeume.back(), fDatum, 0x8000);
  }
  TRaum* neu = Raum("R11", 11);
  TFehlForm form(fSchule, fStandard, rau, fDatum);
  form.ElementZeigen(raeume[9]);
  EXPECT_EQ(form.Zeilen().size(), 10u);
  EXPECT_EQ(form.Auswahl(), 9);
  EXPECT_EQ(form.ObersteZeile(), 1);
  form.ElementZeigen(neu);
  ASSERT_EQ(form.Zeilen().size(), 11u);
  EXPECT_EQ(form.Zeilen()[10].fElement, neu);
  EXPECT_EQ(form.Zeilen()[10].fStunden, "++++++++--------");
  EXPECT_EQ(form.Auswahl(), 10);
  EXPECT_EQ(form.ObersteZeile(), 2);
  EXPECT_EQ(fDialoge.Protokoll().size(), 0u);
}

TEST_F(FehlzeitenTest, TheElementMenuListsTheKindAndAddsTheChoice) {
  Raum("R1", 1);
  TRaum* r2 = Raum("R2", 2);
  fSchule.HoleLehrer("A");
  TFehlForm form(fSchule, fStandard, rau, fDatum);
  TMenu menu = form.ElementMenu();
  EXPECT_EQ(Texte(menu), (std::vector<std::string>{"R1", "R2"}));
  EXPECT_TRUE(WaehleEintrag(menu, "R2"));
  ASSERT_EQ(form.Zeilen().size(), 1u);
  EXPECT_EQ(form.Zeilen()[0].fElement, r2);
}

TEST_F(FehlzeitenTest, TheRangeEndsPushEachOther) {
  fStandard.fStdBez[0][3] = "4.";
  TFehlForm form(fSchule, fStandard, rau, fDatum);
  form.SetBis(4);
  form.SetVon(6);
  EXPECT_EQ(form.Von(), 6);
  EXPECT_EQ(form.Bis(), 6);
  form.SetBis(2);
  EXPECT_EQ(form.Von(), 2);
  EXPECT_EQ(form.Bis(), 2);
  TMenu menu = form.StundenMenu(true);
  ASSERT_EQ(menu.size(), 8u);
  EXPECT_EQ(menu[3].fText, "4.");
  EXPECT_TRUE(menu[1].fChecked);
  EXPECT_FALSE(menu[3].fChecked);
  EXPECT_TRUE(Waehle(menu[3]));
  EXPECT_EQ(form.Bis(), 4);
  EXPECT_EQ(form.Von(), 2);
  TMenu von = form.StundenMenu(false);
  EXPECT_TRUE(Waehle(von[7]));
  EXPECT_EQ(form.Von(), 8);
  EXPECT_EQ(form.Bis(), 8);
}

TEST_F(FehlzeitenTest, ClicksIntoThePeriodsToggleSetOrClear) {
  TFehlForm form(fSchule, fStandard, rau, fDatum);
  form.SetVon(1);
  form.SetBis(1);
  form.ElementHinzufuegen(Raum("R1", 1));
  form.StundenKlick(0, 0, false, false);
  form.StundenKlick(0, 17, false, false);
  form.StundenKlick(0, 143, false, false);
  EXPECT_EQ(form.Zeilen()[0].fStunden, "-+-------------+");
  form.StundenKlick(0, 17, false, false);
  EXPECT_EQ(form.Zeilen()[0].fStunden, "---------------+");
  form.StundenKlick(0, 30, false, true);
  EXPECT_EQ(form.Zeilen()[0].fStunden, std::string(16, '+'));
  form.StundenKlick(0, 30, true, false);
  EXPECT_EQ(form.Zeilen()[0].fStunden, std::string(16, '-'));
  EXPECT_EQ(TFehlForm::kHinweis, "Strg = Alle Stunden  Shift = Keine Stunde");
}

TEST_F(FehlzeitenTest, TheReasonMenuOffersTheTwentyCodes) {
  fStandard.fGrund[0] = "K";
  fStandard.fGrund[19] = "D";
  TFehlForm form(fSchule, fStandard, rau, fDatum);
  form.ElementHinzufuegen(Raum("R1", 1));
  TMenu menu = form.GrundMenu(0);
  ASSERT_EQ(menu.size(), 20u);
  EXPECT_EQ(menu[0].fText, "K");
  EXPECT_EQ(menu[1].fText, "-");
  EXPECT_EQ(menu[19].fText, "D");
  EXPECT_TRUE(Waehle(menu[19]));
  EXPECT_EQ(form.Zeilen()[0].fGrund, "(D)");
  EXPECT_EQ(GrundAusZelle("(D)"), "D");
  EXPECT_EQ(GrundAusZelle("(-)"), "-");
}

TEST_F(FehlzeitenTest, OkInsertsNewRecordsByDateThenRowNumber) {
  TRaum* r3 = Raum("R3", 3);
  TRaum* r1 = Raum("R1", 1);
  TRaum* r2 = Raum("R2", 2);
  Fehlt(r2, fDatum, 0x8000);
  Fehlt(r1, fDatum + 1, 0x8000);
  TFehlForm form(fSchule, fStandard, rau, fDatum);
  form.SetVon(2);
  form.SetBis(3);
  form.ElementHinzufuegen(r3);
  form.ElementHinzufuegen(r1);
  form.SetGrund(2, "K");
  form.Ok();
  EXPECT_EQ(Liste(), (std::vector<std::string>{
                         "R1 " + Tag(fMontag) + " -++-------------(K)",
                         "R2 " + Tag(fMontag) + " +---------------(-)",
                         "R3 " + Tag(fMontag) + " -++-------------(-)",
                         "R1 " + Tag(fMontag + 1) + " +---------------(-)",
                     }));
  EXPECT_EQ(fSchule.fFehlRaumMenge.ListeNrInhalt(1)->fDatum, fDatum);
  EXPECT_EQ(fSchule.fFehlRaumMenge.ListeNrInhalt(1)->fZeit, 0x6000u);
  // R3 first, as its row comes first.
  EXPECT_EQ(fLog, (std::vector<std::string>{"+2 " + Tag(fMontag), "+3 " + Tag(fMontag),
                                            "+2 " + Tag(fMontag), "+3 " + Tag(fMontag)}));
  EXPECT_TRUE(fSchule.IsDirty());
  EXPECT_EQ(fSchule.FehlGrund(r1, fDatum), "(K)");
  EXPECT_EQ(fSchule.FehlGrund(r1, fDatum + 2), "(-)");
}

TEST_F(FehlzeitenTest, SixteenMinusRemovesTheRecordAndClearsEveryPeriod) {
  TRaum* r1 = Raum("R1", 1);
  TRaum* r2 = Raum("R2", 2);
  Fehlt(r1, fDatum, TFehl::StundenBit(2) | TFehl::StundenBit(3) | TFehl::StundenBit(5), "K");
  TFehl* bleibt = Fehlt(r2, fDatum, 0x8000);
  TFehlForm form(fSchule, fStandard, rau, fDatum);
  form.StundenKlick(0, 0, true, false);
  form.Ok();
  EXPECT_EQ(fLog, (std::vector<std::string>{"-2 " + Tag(fMontag), "-3 " + Tag(fMontag),
                                            "-5 " + Tag(fMontag)}));
  ASSERT_EQ(fSchule.fFehlRaumMenge.ListeZahlElemente(), 1);
  EXPECT_EQ(fSchule.fFehlRaumMenge.ListeNrInhalt(1), bleibt);
  EXPECT_EQ(form.Zeilen()[0].fFehl, nullptr);
  EXPECT_FALSE(r1->Abwesend(2, fDatum));
  EXPECT_EQ(fSchule.FehlGrund(r1, fDatum), "(-)");
  EXPECT_TRUE(fSchule.IsDirty());
}

TEST_F(FehlzeitenTest, ANewRowWithoutPeriodsLeavesNoRecord) {
  TFehlForm form(fSchule, fStandard, rau, fDatum);
  form.ElementHinzufuegen(Raum("R1", 1));
  form.StundenKlick(0, 0, true, false);
  form.Ok();
  EXPECT_EQ(fSchule.fFehlRaumMenge.ListeZahlElemente(), 0);
  EXPECT_TRUE(fLog.empty());
}

TEST_F(FehlzeitenTest, ChangingOnlyTheReasonTellsTheElementNothing) {
  TRaum* r1 = Raum("R1", 1);
  TFehl* f = Fehlt(r1, fDatum, 0x7000, "K");
  TFehlForm form(fSchule, fStandard, rau, fDatum);
  form.SetGrund(0, "-");
  form.Ok();
  EXPECT_TRUE(fLog.empty());
  EXPECT_EQ(fSchule.fFehlRaumMenge.ListeNrInhalt(1), f);
  EXPECT_EQ(f->fGrund, "-");
  EXPECT_EQ(f->fZeit, 0x7000u);
  EXPECT_EQ(f->fHilfe, 0x7000u);
}

TEST_F(FehlzeitenTest, OkRedrawsTheOpenSubstitutionWindows) {
  TTestFenster vertretungen(69, "Vertretungen");
  TFehlForm form(fSchule, fStandard, rau, fDatum);
  fSchule.FensterAnmelden("Vertretungen", &vertretungen);
  form.Ok();
  EXPECT_EQ(vertretungen.fUpdates, 1);
  TTestFenster wahl(80, "Vertretungswahl");
  fSchule.FensterAnmelden("Vertretungswahl", &wahl);
  form.Ok();
  EXPECT_EQ(vertretungen.fUpdates, 2);
  EXPECT_EQ(wahl.fUpdates, 1);
  fSchule.FensterAbmelden(&vertretungen);
  fSchule.FensterAbmelden(&wahl);
}

class LangeFehlzeitTest : public FehlzeitenTest {
 protected:
  LangeFehlzeitTest() {
    fStandard.fMaxTageNeu = 5;
    // Tuesday of the week after the window's date is a holiday.
    fStandard.fFerien[KalenderWoche(fDatum + 7)] = 1 << 1;
  }
};

TEST_F(LangeFehlzeitTest, SkipsTheWeekendAndHolidaysAndLeavesTheWindowsDate) {
  TRaum* r1 = Raum("R1", 1);
  const TDatumZeit donnerstag = fDatum + 3;
  TFehlForm form(fSchule, fStandard, rau, donnerstag);
  form.SetVon(2);
  form.SetBis(3);
  form.ElementHinzufuegen(r1);
  form.SetGrund(0, "K");
  TLangeFehlzeit lang(form, form.Zeilen()[0]);
  EXPECT_EQ(lang.Ueberschrift(), "R1 fehlt bis");
  EXPECT_EQ(lang.fTag, 6);
  EXPECT_EQ(lang.fMonat, 3);
  EXPECT_EQ(lang.fJahr, 2025);
  lang.fTag = 12;
  EXPECT_EQ(lang.Ok(), 3);
  const std::string maske = " -++-------------(K)";
  EXPECT_EQ(Liste(), (std::vector<std::string>{"R1 " + Tag(fMontag + 4) + maske,
                                               "R1 " + Tag(fMontag + 7) + maske,
                                               "R1 " + Tag(fMontag + 9) + maske}));
  EXPECT_EQ(fLog.size(), 6u);
  EXPECT_EQ(fLog[0], "+2 " + Tag(fMontag + 4));
  EXPECT_EQ(fLog[5], "+3 " + Tag(fMontag + 9));
  EXPECT_TRUE(fSchule.IsDirty());
  EXPECT_EQ(form.Zeilen()[0].fFehl, nullptr);
  EXPECT_EQ(fDialoge.Protokoll(TDialogVorgang::MeldungZeigen)[0].fZeilen,
            (std::vector<std::string>{"Die Fehlzeiten werden eingetragen."}));
  EXPECT_FALSE(fDialoge.MeldungOffen());
}

TEST_F(LangeFehlzeitTest, UsesTheRecordADayHasAndClearsWithAnEmptyRow) {
  TRaum* r1 = Raum("R1", 1);
  TRaum* r2 = Raum("R2", 2);
  TFehl* dienstag = Fehlt(r1, fDatum + 1, 0x8000);
  Fehlt(r2, fDatum + 2, 0x8000);
  Fehlt(r1, fDatum + 2, 0x8000);
  TFehlForm form(fSchule, fStandard, rau, fDatum);
  form.SetVon(2);
  form.SetBis(2);
  form.ElementHinzufuegen(r1);
  TLangeFehlzeit lang(form, form.Zeilen()[0]);
  lang.fTag = 4;
  EXPECT_EQ(lang.Ok(), 1);
  EXPECT_EQ(fSchule.fFehlRaumMenge.ListeNrInhalt(1), dienstag);
  EXPECT_EQ(dienstag->fZeit, 0x4000u);
  EXPECT_EQ(fLog, (std::vector<std::string>{"-1 " + Tag(fMontag + 1), "+2 " + Tag(fMontag + 1)}));

  fLog.clear();
  form.StundenKlick(0, 0, true, false);
  TLangeFehlzeit leer(form, form.Zeilen()[0]);
  leer.fTag = 5;
  EXPECT_EQ(leer.Ok(), 2);
  EXPECT_EQ(Liste(), (std::vector<std::string>{"R2 " + Tag(fMontag + 2) + " +---------------(-)"}));
  EXPECT_EQ(fLog, (std::vector<std::string>{"-2 " + Tag(fMontag + 1), "-1 " + Tag(fMontag + 2)}));
}

TEST_F(LangeFehlzeitTest, AnImpossibleDayBecomesTheLastOfTheMonth) {
  TFehlForm form(fSchule, fStandard, rau, *KodiereDatum(2025, 2, 26));
  form.ElementHinzufuegen(Raum("R1", 1));
  TLangeFehlzeit lang(form, form.Zeilen()[0]);
  lang.fTag = 31;
  EXPECT_EQ(lang.Ok(), 2);
  EXPECT_EQ(lang.fTag, 28);
  EXPECT_EQ(lang.fMonat, 2);
  ASSERT_EQ(fSchule.fFehlRaumMenge.ListeZahlElemente(), 2);
  EXPECT_EQ(fSchule.fFehlRaumMenge.ListeNrInhalt(2)->fDatum, *KodiereDatum(2025, 2, 28) + 0.5);
}

TEST_F(LangeFehlzeitTest, ALastDayBeforeTheWindowsDateResetsTheFields) {
  TFehlForm form(fSchule, fStandard, rau, fDatum);
  form.ElementHinzufuegen(Raum("R1", 1));
  TLangeFehlzeit lang(form, form.Zeilen()[0]);
  lang.fTag = 28;
  lang.fMonat = 2;
  EXPECT_EQ(lang.Ok(), 0);
  EXPECT_EQ(lang.fTag, 3);
  EXPECT_EQ(lang.fMonat, 3);
  EXPECT_EQ(lang.fJahr, 2025);
  EXPECT_EQ(fSchule.fFehlRaumMenge.ListeZahlElemente(), 0);
  EXPECT_TRUE(fLog.empty());
  EXPECT_FALSE(fSchule.IsDirty());
}

}  // namespace
}  // namespace orbato
