#include "substitution/kalenderform.h"

#include <string>
#include <vector>

#include "model/kurse/kurs.h"
#include "model/kurse/setzung.h"
#include "model/schnittstellen/uhr.h"
#include "model/schulfixture.h"
#include "model/vertretung/kalender.h"
#include "model/vertretung/vertretung.h"
#include "model/woche/versionen.h"

namespace orbato {
namespace {

using T = TKalenderForm;

TDatumZeit Datum(int jahr, int monat, int tag) {
  return *KodiereDatum(jahr, monat, tag);
}

class KalenderFormTest : public SchulTest {
 protected:
  KalenderFormTest() {
    fSchule.SetUhr(&fUhr);
    fStandard.fMaxTageNeu = 5;
  }
  ~KalenderFormTest() override { fSchule.SetUhr(nullptr); }

  // The texts of one grid row, columns 0..6.
  static std::vector<std::string> Zeile(const TKalenderForm& form, int zeile) {
    std::vector<std::string> texte;
    for (int s = 0; s < T::kSpalten; ++s) texte.push_back(form.Zelle(s, zeile).fText);
    return texte;
  }

  TVertretung* Vertretung(TKurs* k, TSetzung* s, TDatumZeit datum) {
    auto* v = new TVertretung;
    v->fKurs = k;
    v->fSetzung = s;
    v->fDatum = Mittag(datum);
    s->fVertretungen.ListeAnhaengen(v);
    fSchule.fVertretungsMenge.ListeAnhaengen(v);
    return v;
  }

  TFesteUhr fUhr{Datum(2026, 12, 9) + 0.4};
};

// December 2026 starts on a Tuesday: the first week column begins on 30 November, the last one
// is ISO week 1 of 2027 with no day of the month.
TEST_F(KalenderFormTest, GridOfAMonthStartingMidweek) {
  fSchule.fKalender[KalenderWoche(Datum(2026, 12, 14))] = 3;
  fStandard.fFerien[KalenderWoche(Datum(2026, 12, 21))] = 0x1F;
  fStandard.fFerien[KalenderWoche(Datum(2026, 11, 30))] = 0x01;  // 30 November, not shown
  const TKalenderForm form(fSchule, fStandard);
  EXPECT_EQ(form.Jahr(), 2026);
  EXPECT_EQ(form.Monat(), 12);
  EXPECT_EQ(form.Titel(), "Dezember 2026");
  using V = std::vector<std::string>;
  EXPECT_EQ(Zeile(form, 0), (V{"Planversion", "1", "1", "3", "1", "1", "1"}));
  EXPECT_EQ(Zeile(form, 1), (V{"Kal.woche", "49", "50", "51", "52", "53", "1"}));
  EXPECT_EQ(Zeile(form, 2), (V{"Montag", "", "7", "14", "21", "28", ""}));
  EXPECT_EQ(Zeile(form, 3), (V{"Dienstag", "1", "8", "15", "22", "29", ""}));
  EXPECT_EQ(Zeile(form, 5), (V{"Donnerstag", "3", "10", "17", "24", "31", ""}));
  EXPECT_EQ(Zeile(form, 6), (V{"Freitag", "4", "11", "18", "25", "", ""}));
  EXPECT_EQ(Zeile(form, 8), (V{"Sonntag", "6", "13", "20", "27", "", ""}));
  EXPECT_EQ(form.Montag(1), Datum(2026, 11, 30));
  EXPECT_EQ(form.Montag(6), Datum(2027, 1, 4));

  // Holidays only on days of the month, red only on days beyond the school week.
  EXPECT_TRUE(form.Zelle(4, 2).fFerien);
  EXPECT_TRUE(form.Zelle(4, 6).fFerien);
  EXPECT_FALSE(form.Zelle(4, 7).fFerien);
  EXPECT_FALSE(form.Zelle(1, 2).fFerien);
  EXPECT_FALSE(form.Zelle(4, 2).fRot);
  EXPECT_TRUE(form.Zelle(1, 7).fRot);
  EXPECT_TRUE(form.Zelle(1, 8).fRot);
  EXPECT_FALSE(form.Zelle(5, 7).fRot);  // 2 January, an empty cell
  EXPECT_FALSE(form.Zelle(0, 8).fRot);
  EXPECT_FALSE(form.Zelle(3, 0).fFerien);
}

// February 2027 starts on a Monday and fills exactly four weeks.
TEST_F(KalenderFormTest, GridOfAMonthStartingOnMonday) {
  fStandard.fTagName[0] = "Mo.";
  TKalenderForm form(fSchule, fStandard);
  form.ZeigeMonat(2027, 2);
  EXPECT_EQ(form.Titel(), "Februar 2027");
  using V = std::vector<std::string>;
  EXPECT_EQ(Zeile(form, 1), (V{"Kal.woche", "5", "6", "7", "8", "9", "10"}));
  EXPECT_EQ(Zeile(form, 2), (V{"Mo.", "1", "8", "15", "22", "", ""}));
  EXPECT_EQ(Zeile(form, 8), (V{"Sonntag", "7", "14", "21", "28", "", ""}));
  EXPECT_TRUE(form.IstTag(1, 2));
  EXPECT_FALSE(form.IstTag(5, 2));
  EXPECT_FALSE(form.IstTag(1, 1));
  EXPECT_FALSE(form.IstTag(0, 2));
}

TEST_F(KalenderFormTest, NavigationStaysBetween1994And2050) {
  TKalenderForm form(fSchule, fStandard);
  form.NaechsterMonat();
  EXPECT_EQ(form.Titel(), "Januar 2027");
  form.VorigerMonat();
  form.VorigerMonat();
  EXPECT_EQ(form.Titel(), "November 2026");

  form.ZeigeMonat(1993, 12);
  EXPECT_EQ(form.Titel(), "Januar 1994");
  EXPECT_FALSE(form.HatVorigen());
  EXPECT_TRUE(form.HatNaechsten());
  form.VorigerMonat();
  EXPECT_EQ(form.Titel(), "Januar 1994");
  // The first week column begins on the ring's first Monday.
  EXPECT_EQ(form.WochenIndex(1), 0);
  EXPECT_EQ(form.Zelle(1, 1).fText, "52");

  form.ZeigeMonat(2050, 12);
  EXPECT_TRUE(form.HatVorigen());
  EXPECT_FALSE(form.HatNaechsten());
  form.NaechsterMonat();
  EXPECT_EQ(form.Titel(), "Dezember 2050");
  form.ZeigeMonat(2051, 3);
  EXPECT_EQ(form.Titel(), "Dezember 2050");
  form.ZeigeMonat(2030, 3);
  EXPECT_EQ(form.Titel(), "M\xE4rz 2030");
}

// Today's month outside the calendar's years opens at the nearest end.
TEST_F(KalenderFormTest, OpensInsideTheCalendarsYears) {
  fUhr.Stellen(Datum(2061, 5, 1));
  EXPECT_EQ(TKalenderForm(fSchule, fStandard).Titel(), "Dezember 2050");
}

TEST_F(KalenderFormTest, VersionMenuOfFiftyFourVersionsInColumnsOfSixteen) {
  fStandard.fMaxWocheNeu = 54;
  fSchule.fKalender[KalenderWoche(Datum(2026, 12, 7))] = 17;
  TKalenderForm form(fSchule, fStandard);
  TMenu menu = form.VersionsMenu(2);
  ASSERT_EQ(menu.size(), 54u);
  EXPECT_EQ(menu[0].fText, "1");
  EXPECT_EQ(menu[53].fText, "54");
  std::vector<int> umbrueche, angehakt;
  for (int i = 0; i < 54; ++i) {
    if (menu[i].fBreak) umbrueche.push_back(i + 1);
    if (menu[i].fChecked) angehakt.push_back(i + 1);
  }
  EXPECT_EQ(umbrueche, (std::vector<int>{17, 33, 49}));
  EXPECT_EQ(angehakt, (std::vector<int>{17}));

  ASSERT_TRUE(WaehleEintrag(menu, "40"));
  EXPECT_EQ(form.Zelle(2, 0).fText, "40");
  EXPECT_EQ(form.Kalender()[KalenderWoche(Datum(2026, 12, 7))], 40);
  // Only the working copy changed.
  EXPECT_EQ(fSchule.fKalender[KalenderWoche(Datum(2026, 12, 7))], 17);
  EXPECT_EQ(form.Zelle(1, 0).fText, "1");
  EXPECT_TRUE(form.VersionsMenu(0).empty());
}

// The cell pressed decides: a school day makes the rectangle holidays, a holiday makes it school
// days; cells without a day of the month stay as they were, wherever the drag runs.
TEST_F(KalenderFormTest, AltDragRectangleTurnsDaysIntoHolidaysOrBack) {
  const int ende = KalenderWoche(Datum(2026, 11, 30));
  const int mitte = KalenderWoche(Datum(2026, 12, 7));
  const int weiter = KalenderWoche(Datum(2026, 12, 14));
  fStandard.fFerien[ende] = 0x01;  // Monday 30 November
  TKalenderForm form(fSchule, fStandard);
  // From Friday of week 2 up to Monday of week 1: 1..4 and 7..11 December.
  form.Gezogen(2, 6, 1, 2);
  EXPECT_EQ(form.Ferien()[ende], 0x01 | 0x1E);
  EXPECT_EQ(form.Ferien()[mitte], 0x1F);
  EXPECT_EQ(form.Ferien()[weiter], 0x00);
  EXPECT_TRUE(form.Zelle(1, 3).fFerien);
  EXPECT_EQ(fStandard.fFerien[mitte], 0x00);

  // Pressed on a holiday: Wednesday to Saturday of weeks 2 and 3 become school days.
  form.Gezogen(2, 4, 3, 7);
  EXPECT_EQ(form.Ferien()[mitte], 0x03);
  EXPECT_EQ(form.Ferien()[weiter], 0x00);
  // A single cell toggles, the row titles and version rows are no days.
  form.Gezogen(3, 2, 3, 2);
  EXPECT_EQ(form.Ferien()[weiter], 0x01);
  form.Gezogen(3, 2, 3, 2);
  EXPECT_EQ(form.Ferien()[weiter], 0x00);
  form.Gezogen(0, 0, 3, 1);
  EXPECT_EQ(form.Ferien()[weiter], 0x00);
  // Pressed on the empty Monday cell that is a hidden holiday: the days become holidays.
  form.Gezogen(1, 3, 1, 3);
  EXPECT_EQ(form.Ferien()[ende], 0x1D);
  form.Gezogen(1, 2, 1, 3);
  EXPECT_EQ(form.Ferien()[ende], 0x1F);
}

class KalenderOkTest : public KalenderFormTest {
 protected:
  KalenderOkTest() {
    VersionErweitern(fSchule, 2);
    kurs = Kurs(fSchule.HoleLehrer("A"), fSchule.HoleKlasse("5a"), 2);
    dienstag1 = Setze(kurs, 1, 2, 1);
    dienstag2 = Setze(kurs, 2, 2, 1);
    samstag = Setze(kurs, 1, 6, 1);
  }
  int Anzahl() const { return fSchule.fVertretungsMenge.ListeZahlElemente(); }
  bool Bleibt(TVertretung* v) const { return fSchule.fVertretungsMenge.ListeElemNr(v) > 0; }

  TKurs* kurs;
  TSetzung* dienstag1;
  TSetzung* dienstag2;
  TSetzung* samstag;
};

TEST_F(KalenderOkTest, OkStoresBothTablesAndDropsTheSubstitutionsThatNoLongerFit) {
  TVertretung* feiertag = Vertretung(kurs, dienstag1, Datum(2026, 12, 8));
  TVertretung* andererTag = Vertretung(kurs, dienstag1, Datum(2026, 12, 15));
  TVertretung* alteVersion = Vertretung(kurs, dienstag1, Datum(2026, 12, 1));
  TVertretung* neueVersion = Vertretung(kurs, dienstag2, Datum(2026, 12, 1));
  TVertretung* schonUnpassend = Vertretung(kurs, dienstag2, Datum(2026, 12, 22));
  TVertretung* wochenende = Vertretung(kurs, samstag, Datum(2026, 12, 12));
  TVertretung* naechsterMonat = Vertretung(kurs, dienstag1, Datum(2027, 1, 5));
  fSchule.SetDirty(false);

  TKalenderForm form(fSchule, fStandard);
  form.Gezogen(2, 3, 2, 3);  // Tuesday 8 December
  TMenu menu = form.VersionsMenu(1);
  ASSERT_TRUE(WaehleEintrag(menu, "2"));
  form.Ok();

  EXPECT_EQ(fSchule.fKalender[KalenderWoche(Datum(2026, 12, 1))], 2);
  EXPECT_EQ(fStandard.fFerien[KalenderWoche(Datum(2026, 12, 8))], 0x02);
  EXPECT_TRUE(fSchule.IsDirty());
  EXPECT_EQ(Anzahl(), 3);
  EXPECT_TRUE(Bleibt(andererTag));
  EXPECT_TRUE(Bleibt(neueVersion));
  EXPECT_TRUE(Bleibt(naechsterMonat));
  EXPECT_FALSE(Bleibt(feiertag));
  EXPECT_FALSE(Bleibt(alteVersion));
  EXPECT_FALSE(Bleibt(schonUnpassend));
  EXPECT_FALSE(Bleibt(wochenende));
  EXPECT_EQ(dienstag1->fVertretungen.ListeZahlElemente(), 2);
  EXPECT_EQ(dienstag2->fVertretungen.ListeZahlElemente(), 1);
  EXPECT_EQ(samstag->fVertretungen.ListeZahlElemente(), 0);
}

// A record that takes its partner along leaves the search to start again from the front.
TEST_F(KalenderOkTest, PartnersTakenAlongDoNotStopTheSearch) {
  TVertretung* erste = Vertretung(kurs, dienstag1, Datum(2026, 12, 8));
  TVertretung* partner = Vertretung(kurs, dienstag1, Datum(2026, 12, 8));
  TVertretung* bleibt = Vertretung(kurs, dienstag1, Datum(2026, 12, 15));
  Vertretung(kurs, dienstag1, Datum(2026, 12, 8));
  erste->fZu = partner;
  partner->fVon = erste;
  TKalenderForm form(fSchule, fStandard);
  form.Gezogen(2, 3, 2, 3);
  form.Ok();
  ASSERT_EQ(Anzahl(), 1);
  EXPECT_EQ(fSchule.fVertretungsMenge.ListeNrInhalt(1), bleibt);
}

TEST_F(KalenderOkTest, WithoutOkNothingChanges) {
  Vertretung(kurs, dienstag1, Datum(2026, 12, 8));
  fSchule.SetDirty(false);
  const auto kalender = fSchule.fKalender;
  const auto ferien = fStandard.fFerien;
  {
    TKalenderForm form(fSchule, fStandard);
    form.Gezogen(1, 2, 6, 8);
    TMenu menu = form.VersionsMenu(2);
    WaehleEintrag(menu, "2");
    EXPECT_EQ(form.Ferien()[KalenderWoche(Datum(2026, 12, 8))], 0x7F);
  }
  EXPECT_EQ(fSchule.fKalender, kalender);
  EXPECT_EQ(fStandard.fFerien, ferien);
  EXPECT_EQ(Anzahl(), 1);
  EXPECT_FALSE(fSchule.IsDirty());
}

// The calendar rules the window's dates rest on.
TEST(KalenderRegeln, IsoWeeksAndTheDateEntryRule) {
  EXPECT_FALSE(IsoWochenMontag(53, 2027).has_value());
  ASSERT_TRUE(IsoWochenMontag(53, 2026).has_value());
  EXPECT_EQ(*IsoWochenMontag(53, 2026), Datum(2026, 12, 28));
  EXPECT_EQ(*IsoWochenMontag(1, 2027), Datum(2027, 1, 4));
  EXPECT_EQ(IsoWoche(Datum(2027, 1, 3)).Woche, 53);
  EXPECT_EQ(IsoWoche(Datum(2027, 1, 3)).Jahr, 2026);
  int tag = 31;
  ASSERT_TRUE(KorrigiertesDatum(2027, 2, tag).has_value());
  EXPECT_EQ(tag, 28);
  tag = 31;
  EXPECT_EQ(*KorrigiertesDatum(2028, 2, tag), Datum(2028, 2, 29));
  EXPECT_EQ(tag, 29);
  tag = 31;
  EXPECT_FALSE(KorrigiertesDatum(2027, 13, tag).has_value());
}

}  // namespace
}  // namespace orbato
