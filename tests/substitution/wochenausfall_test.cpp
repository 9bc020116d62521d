#include "substitution/wochenausfall.h"

#include <string>
#include <vector>

#include "model/schulfixture.h"

namespace orbato {
namespace {

// ISO week 10 of 2026 runs from Monday 2 March to Sunday 8 March.
const TDatumZeit kMontag = *KodiereDatum(2026, 3, 2);

TDatumZeit Am(int tag) {
  return kMontag + tag - 1 + 0.5;
}

// A school of five days with lessons in both blocks and in classes of neither, and by hand the
// substitution records and class absences of one week.
class WochenAusfallTest : public SchulTest {
 protected:
  void SetUp() override {
    fStandard.fMaxTageNeu = 5;
    fStandard.fMaxWocheNeu = 2;
    TLehrer* a = fSchule.HoleLehrer("A");
    TLehrer* b = fSchule.HoleLehrer("B");
    TLehrer* c = fSchule.HoleLehrer("C");
    f5a = fSchule.HoleKlasse("5a");
    TKlasse* k6b = fSchule.HoleKlasse("6b");
    TKlasse* q1 = fSchule.HoleKlasse("Q1");
    TKlasse* ef1 = fSchule.HoleKlasse("EF1");
    fEF = fSchule.HoleKlasse("EF");

    fDeutsch = Kurs(a, f5a, 3);
    fMo1 = Setze(fDeutsch, 1, 1, 1);
    fMo2 = Setze(fDeutsch, 1, 1, 2);
    fDi3 = Setze(fDeutsch, 1, 2, 3);
    // One lesson of two classes counts once.
    fSport = Kurs(b, f5a, 1);
    fSport->KlasseErgaenzen(k6b);
    fMi1 = Setze(fSport, 1, 3, 1);

    fLk = Kurs(c, q1, 3);
    fLk->SetFaktor(2);
    fMo3 = Setze(fLk, 1, 1, 3);
    fMi5 = Setze(fLk, 1, 3, 5);
    fDo4 = Setze(fLk, 1, 4, 4);
    fEf = Kurs(b, fEF, 2);
    fFr2 = Setze(fEf, 1, 5, 2);
    Setze(fEf, 1, 6, 1);  // Saturday lies beyond the school week
    fEf1 = Kurs(a, ef1, 1);
    fEf1Mo5 = Setze(fEf1, 1, 1, 5);
    fAnders = Kurs(c, q1, 1);
    Setze(fAnders, 2, 2, 6);  // another plan version

    Vertritt(fDeutsch, fMo1, Am(1), b, "");
    Vertritt(fDeutsch, fMo2, Am(1), nullptr, "EVA");
    Vertritt(fDeutsch, fDi3, Am(2), c, "TEILNAHME an der Exkursion");
    Vertritt(fDeutsch, fDi3, Am(2), c, "", false);   // not in force
    Vertritt(fDeutsch, fMo1, Am(1) - 7, b, "");      // the week before
    Vertritt(fSport, fMi1, Am(3), b, "in Raum R2");  // its own teacher: only the room changed
    Vertritt(fLk, fMo3, Am(1), a, "EVA Aufgaben");
    Vertritt(fLk, fDo4, Am(4), nullptr, "Teilnahme am Konzert");
    Vertritt(fLk, fMi5, Am(3), nullptr, "eva");
    Vertritt(fEf1, fEf1Mo5, Am(1), nullptr, "");
    Vertritt(fEf, fFr2, Am(5), nullptr, "", false);  // the class is away

    Fehlt(f5a, Am(3), TFehl::StundenBit(1) | TFehl::StundenBit(2));
    Fehlt(k6b, Am(3), TFehl::StundenBit(1));
    Fehlt(fEF, Am(5), 0xFC00);  // periods 1 to 6
    Fehlt(ef1, Am(1), 0xFFFF);
    Fehlt(q1, Am(6), 0xFFFF);
  }

  TVertretung* Vertritt(TKurs* k, TSetzung* s, TDatumZeit datum, TLehrer* l, const char* sInfo,
                        bool gueltig = true) {
    auto* v = new TVertretung;
    v->fKurs = k;
    v->fSetzung = s;
    v->fDatum = datum;
    v->fGueltig = gueltig;
    v->fLehrer = l;
    v->fSInfo = sInfo;
    s->fVertretungen.ListeAnhaengen(v);
    fSchule.fVertretungsMenge.ListeAnhaengen(v);
    return v;
  }

  void Fehlt(TKlasse* k, TDatumZeit datum, uint32_t zeit) {
    auto* f = new TFehl;
    f->fElement = k;
    f->fDatum = datum;
    f->fZeit = zeit;
    fSchule.fFehlKlassenMenge.ListeAnhaengen(f);
  }

  std::vector<std::string> Bericht(int kw = 10, int jahr = 2026) {
    const auto zeilen = WochenAusfall(fSchule, kw, jahr);
    return zeilen ? *zeilen : std::vector<std::string>{"keine Woche"};
  }

  TKlasse* f5a;
  TKlasse* fEF;
  TKurs *fDeutsch, *fSport, *fLk, *fEf, *fEf1, *fAnders;
  TSetzung *fMo1, *fMo2, *fDi3, *fMi1, *fMo3, *fMi5, *fDo4, *fFr2, *fEf1Mo5;
};

// Lower block: 4 planned lessons; records on Monday 1 (substitute), Monday 2 (none, "EVA" counts
// only above) and Tuesday 3 ("TEILNAHME"); the shared lesson of 5a and 6b on Wednesday is the
// one of an absent class. Upper block: 3 lessons of factor 2 in Q1 and one in EF on Friday;
// "EVA" is tested before the substitute, "eva" is no EVA hour, "Teilnahme" without substitute
// still counts as a changed group; EF is away on Friday. EF1 and Saturday count nowhere.
TEST_F(WochenAusfallTest, ReportsBothBlocksOfTheWeek) {
  const std::vector<std::string> erwartet = {
      "Ermittlung des w\xF6"
      "chentlichen Unterrichtsausfalls",
      "KW: 10   Jahr: 2026   Unterrichtstage: 5",
      "",
      "02.03.2026 12:00:00 - 08.03.2026 12:00:00",
      "",
      "",
      "Primarstufe und Sekundarstufe I   (Klassenbezeichnung beginnt mit Ziffer)",
      "4.0 Stunden planm\xE4\xDFiger Unterricht",
      "0.0 Stunden erteilter Unterricht laut Plan",
      "1.0 Stunden erteilter Unterricht in besonderer Form",
      "1.0 Vertretungsunterrichtstunden mit gleicher Lerngruppe",
      "1.0 Vertretungsunterrichtstunden mit ver\xE4nderter Lerngruppe",
      "0  EVA-Stunden nur in SEK II",
      "1.0 entfallene Stunden",
      "",
      "",
      "Sekundarstufe II   (Klassenbezeichnung EF, Q1, Q2)",
      "7.0 Stunden planm\xE4\xDFiger Unterricht",
      "0.0 Stunden erteilter Unterricht laut Plan",
      "1.0 Stunden erteilter Unterricht in besonderer Form",
      "0.0 Vertretungsunterrichtstunden mit gleicher Lerngruppe",
      "2.0 Vertretungsunterrichtstunden mit ver\xE4nderter Lerngruppe",
      "2.0 EVA-Stunden",
      "2.0 entfallene Stunden"};
  EXPECT_EQ(Bericht(), erwartet);

  std::string text;
  for (const std::string& z : erwartet) text += (text.empty() ? "" : "\n") + z;
  EXPECT_EQ(AusfallText(erwartet), text);
}

TEST_F(WochenAusfallTest, AHolidayTakesItsLessonsOut) {
  fStandard.fFerien[static_cast<std::size_t>(KalenderWoche(kMontag))] = 0x02;  // Tuesday
  const std::vector<std::string> b = Bericht();
  EXPECT_EQ(b[1], "KW: 10   Jahr: 2026   Unterrichtstage: 4");
  EXPECT_EQ(b[7], "3.0 Stunden planm\xE4\xDFiger Unterricht");
  EXPECT_EQ(b[8], "0.0 Stunden erteilter Unterricht laut Plan");
  EXPECT_EQ(b[11], "0.0 Vertretungsunterrichtstunden mit ver\xE4nderter Lerngruppe");
  EXPECT_EQ(b[13], "1.0 entfallene Stunden");
  // The upper block has no lesson on Tuesday.
  EXPECT_EQ(b[17], "7.0 Stunden planm\xE4\xDFiger Unterricht");

  // A longer school week lets Saturday's EF lesson in.
  fStandard.fMaxTageNeu = 6;
  EXPECT_EQ(Bericht()[1], "KW: 10   Jahr: 2026   Unterrichtstage: 5");
  EXPECT_EQ(Bericht()[17], "8.0 Stunden planm\xE4\xDFiger Unterricht");
}

TEST_F(WochenAusfallTest, CountsThePlanVersionOfTheWeek) {
  fSchule.fKalender[static_cast<std::size_t>(KalenderWoche(kMontag))] = 2;
  const std::vector<std::string> b = Bericht();
  EXPECT_EQ(b[7], "0.0 Stunden planm\xE4\xDFiger Unterricht");
  EXPECT_EQ(b[17], "1.0 Stunden planm\xE4\xDFiger Unterricht");
  EXPECT_EQ(b[18], "1.0 Stunden erteilter Unterricht laut Plan");
  EXPECT_EQ(b[23], "0.0 entfallene Stunden");
}

TEST_F(WochenAusfallTest, NumbersTakeTheUnitAndDecimalsOfTheSettings) {
  fStandard.fDivisor = 4;
  fStandard.fNachKomma = 2;
  fStandard.fVorKomma = 4;  // no padding all the same
  const std::vector<std::string> b = Bericht();
  EXPECT_EQ(b[7], "1.00 Stunden planm\xE4\xDFiger Unterricht");
  EXPECT_EQ(b[13], "0.25 entfallene Stunden");
  EXPECT_EQ(b[17], "1.75 Stunden planm\xE4\xDFiger Unterricht");
  EXPECT_EQ(b[12], "0  EVA-Stunden nur in SEK II");
  fStandard.fNachKomma = 0;
  fStandard.fDivisor = 1;
  EXPECT_EQ(Bericht()[22], "2 EVA-Stunden");
}

TEST_F(WochenAusfallTest, AWeekTheYearDoesNotHaveComputesNothing) {
  EXPECT_FALSE(WochenAusfall(fSchule, 53, 2027));
  EXPECT_FALSE(WochenAusfall(fSchule, 0, 2026));
  const std::vector<std::string> b = Bericht(53, 2026);
  EXPECT_EQ(b[1], "KW: 53   Jahr: 2026   Unterrichtstage: 5");
  EXPECT_EQ(b[3], "28.12.2026 12:00:00 - 03.01.2027 12:00:00");
}

// The window's state: it opens on the stored week, stores every change and empties range and
// report for a week that does not exist.
TEST_F(WochenAusfallTest, TheWindowStateKeepsItsWeekInTheSettings) {
  fStandard.fWoAusfallKW = 10;
  fStandard.fWoAusfallJahr = 2026;
  TWochenAusfall fenster(fSchule, fStandard);
  EXPECT_EQ(fenster.Bereich(), "02.03.2026 12:00:00 - 08.03.2026 12:00:00");
  EXPECT_EQ(fenster.Text(), AusfallText(Bericht()));

  fenster.SetJahr(2027);
  EXPECT_EQ(fStandard.fWoAusfallJahr, 2027);
  EXPECT_EQ(fenster.Bereich(), "08.03.2027 12:00:00 - 14.03.2027 12:00:00");
  fenster.SetKW(53);
  EXPECT_EQ(fStandard.fWoAusfallKW, 53);
  EXPECT_EQ(fenster.Bereich(), "");
  EXPECT_EQ(fenster.Text(), "");
  fenster.SetJahr(2026);
  EXPECT_EQ(fenster.Text(), AusfallText(Bericht(53, 2026)));

  // "Rechnen" takes in what changed since.
  fenster.SetKW(10);
  const std::string vorher = fenster.Text();
  Vertritt(fLk, fMo3, Am(1), nullptr, "");
  EXPECT_EQ(fenster.Text(), vorher);
  fenster.Rechnen();
  EXPECT_NE(fenster.Text(), vorher);

  fStandard.fWoAusfallKW = 1;
  fenster.Schliessen();
  EXPECT_EQ(fStandard.fWoAusfallKW, 10);
  EXPECT_EQ(fStandard.fWoAusfallJahr, 2026);
}

}  // namespace
}  // namespace orbato
