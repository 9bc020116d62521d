#include "print/vertretungsdruck.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <algorithm>

#include "pdfwerkzeug.h"
#include "platform/qttext.h"
#include "print/druckauftrag.h"
#include "print/druckermass.h"
#include "print/prevprinter.h"
#include "substitution/vertretungsfixture.h"
#include "textsammler.h"

// Readable texts in the failure messages.
inline void PrintTo(const QString& text, std::ostream* aus) {
  *aus << '"' << text.toStdString() << '"';
}

namespace orbato {
namespace {

using TTexte = std::vector<QString>;

// Wednesday the 9th: MUE away in period 2 with SCH in his place, MEI away in period 2 with no
// one yet, room R3 away in period 1 so that Englisch moves to R4.
class VertretungsDruckTest : public VertretungsTest {
 protected:
  void SetUp() override {
    fStandard.fSchulname = "Schule am B\xFChl";
    Fehlt(leh, fMue, fMi, "-+");
    Fehlt(leh, fMei, fMi, "-+", "K");
    Fehlt(rau, fR3, fMi, "+");
    fMatheMi->VertretungFinden(fMi)->TrageLehrerEin(fSch);
    fEnglischMi->VertretungFinden(fMi)->TrageRaumEin(fR4);
  }
  TVDEinstellung& Layout(int i) { return fStandard.fVDEinstellung[static_cast<size_t>(i - 1)]; }

  TDruckAuftrag Auftrag(std::vector<int> layouts = {1}) {
    return TDruckAuftrag{fSchule, fStandard, {}, fMi, std::move(layouts), {"Heute: Schulfest"}};
  }
  // All texts of all pages.
  TTexte AlleTexte() const {
    TTexte texte;
    for (int s = 1; s <= fDrucker.GetPageCount(); ++s) {
      const TTexte seite = ZeilenDerSeite(fDrucker, s);
      texte.insert(texte.end(), seite.begin(), seite.end());
    }
    return texte;
  }

  TPrevPrinter fDrucker{fDialoge, PdfMass()};
};

const QString kKopf = QStringLiteral("Mo, 7.Dez 2026     9:36 Uhr      Seite ");

TEST_F(VertretungsDruckTest, PlanPageHoldsTheLayoutsBlocksInOrder) {
  VertretungsplanDrucken(fDrucker, Auftrag());
  ASSERT_EQ(fDrucker.GetPageCount(), 1);
  EXPECT_TRUE(fDrucker.Fertig());
  EXPECT_EQ(fDrucker.Title(), QStringLiteral("Vertretungsplan"));
  const TTexte stunden = {"Name", "Stunden", "Name", "Stunden"};
  TTexte erwartet = {kKopf + "1", "Ohne Titel   Schule am Bühl",
                     "Vertretungsplan für Mittwoch, 09. Dez 2026", "Heute: Schulfest",
                     "fehlende Lehrer"};
  erwartet.insert(erwartet.end(), stunden.begin(), stunden.end());
  erwartet.insert(erwartet.end(), {"MUE", "2 -  2", "MEI", "2 -  2", "fehlende Räume"});
  erwartet.insert(erwartet.end(), stunden.begin(), stunden.end());
  erwartet.insert(erwartet.end(),
                  {"R3",          "1 -  1",     "Vertretungen",
                   "Std.",        "Unterricht", "Vertretung",
                   "Bemerkung",   "5a",         "2",
                   "MUE 5a M R1", "==>",        "SCH 5a M R1",
                   "5b",          "2",          "MEI 5b D R3",
                   "==>",         "?????",      "Ersatzraumplan für Mittwoch, 09. Dez 2026",
                   "Std.",        "Unterricht", "Vertretung",
                   "Bemerkung",   "5a",         "1",
                   "SCH 5a E R3", "==>",        "SCH 5a E R4",
                   "in Raum R4"});
  EXPECT_EQ(ZeilenDerSeite(fDrucker, 1), erwartet);
}

TEST_F(VertretungsDruckTest, EveryTickedLayoutStartsAPageOfItsOwn) {
  Layout(2).PlanSortierung = 1;
  Layout(2).ErsatzDrucken = false;
  Layout(2).MitAllgBem = false;
  Layout(2).MitFehlLehrern = Layout(2).MitFehlKlassen = Layout(2).MitFehlRaeumen = false;
  Layout(2).MitKalenderwoche = true;
  VertretungsplanDrucken(fDrucker, Auftrag({1, 2}));
  ASSERT_EQ(fDrucker.GetPageCount(), 2);
  EXPECT_EQ(ZeilenDerSeite(fDrucker, 2),
            (TTexte{kKopf + "2", "Ohne Titel   Schule am Bühl",
                    "Vertretungsplan für Mittwoch, 09. Dez 2026  KW 50", "Vertretungen", "Std.",
                    "Unterricht", "Vertretung", "Bemerkung", "?????", "2", "MEI 5b D R3", "==>",
                    "?????", "SCH", "2", "MUE 5a M R1", "==>", "SCH 5a M R1"}));
}

TEST_F(VertretungsDruckTest, WithoutLayoutsInTheOrderTheTickedOnesArePrinted) {
  fStandard.fVertrCheck = {false, false, true, true};
  VertretungsplanDrucken(fDrucker, Auftrag({}));
  EXPECT_EQ(fDrucker.GetPageCount(), 2);
  fStandard.fVertrCheck = {false, false, false, false};
  VertretungsplanDrucken(fDrucker, Auftrag({}));
  EXPECT_EQ(fDrucker.GetPageCount(), 1);
}

TEST_F(VertretungsDruckTest, EmptyDayNamesItsEmptyTables) {
  TDruckAuftrag auftrag = Auftrag();
  auftrag.datum = Dez(10);
  auftrag.bemerkungen.clear();
  VertretungsplanDrucken(fDrucker, auftrag);
  const TTexte texte = ZeilenDerSeite(fDrucker, 1);
  EXPECT_EQ(std::count(texte.begin(), texte.end(), QStringLiteral("Keine Vertretungen.")), 1);
  EXPECT_EQ(std::count(texte.begin(), texte.end(), QStringLiteral("Keine Raumänderungen.")), 1);
  EXPECT_EQ(texte.at(2), QStringLiteral("Vertretungsplan für Donnerstag, 10. Dez 2026"));
}

TEST_F(VertretungsDruckTest, LongRemarksAreBrokenIntoLinesNotCut) {
  TVertretung* mathe = fMatheMi->VertretungFinden(fMi);
  const std::string lang =
      "Arbeitsblatt 7 aus dem Fach liegt im Lehrerzimmer bereit, bitte danach einsammeln";
  mathe->SetLInfo(lang);
  VertretungsplanDrucken(fDrucker, Auftrag());
  TTexte teile;
  bool drin = false;
  for (const QString& t : ZeilenDerSeite(fDrucker, 1)) {
    if (t == QStringLiteral("SCH 5a M R1")) {
      drin = true;
      continue;
    }
    if (t == QStringLiteral("5b")) break;
    if (drin) teile.push_back(t);
  }
  ASSERT_GE(teile.size(), 2u);
  QStringList zusammen;
  for (const QString& t : teile) zusammen << t;
  EXPECT_EQ(zusammen.join(QLatin1Char(' ')), QtText(lang));
}

// Forty classes, each with a lesson of an absent teacher in period 3: the table runs over pages.
TEST_F(VertretungsDruckTest, LongTablesGoOnWithTitleHeaderAndGroupAndNoLonelyHeading) {
  for (int i = 1; i <= 40; ++i) {
    const std::string nr = (i < 10 ? "0" : "") + std::to_string(i);
    TLehrer* l = fSchule.HoleLehrer("L" + nr);
    Setze(Kurs(l, fSchule.HoleKlasse("K" + nr), 1), 1, 3, 3);
    Fehlt(leh, l, fMi, "--+");
  }
  Layout(1).MitFehlLehrern = false;
  VertretungsplanDrucken(fDrucker, Auftrag());
  ASSERT_GE(fDrucker.GetPageCount(), 2);
  const TTexte seite2 = ZeilenDerSeite(fDrucker, 2);
  EXPECT_EQ(seite2.at(2), QStringLiteral("Vertretungen (Fortsetzung)"));
  EXPECT_EQ(TTexte(seite2.begin() + 3, seite2.begin() + 7),
            (TTexte{"Std.", "Unterricht", "Vertretung", "Bemerkung"}));
  const TTexte texte = AlleTexte();
  for (int i = 1; i <= 40; ++i) {
    const QString nr = QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0'));
    EXPECT_EQ(std::count(texte.begin(), texte.end(), "L" + nr + " K" + nr), 1) << i;
  }
  // No page ends with the heading of a group whose rows are on the next.
  for (int s = 1; s < fDrucker.GetPageCount(); ++s) {
    EXPECT_EQ(ZeilenDerSeite(fDrucker, s).back(), QStringLiteral("?????")) << s;
  }
}

TEST_F(VertretungsDruckTest, TeacherOverviewOverTheRangeWithEachTeachersRecords) {
  fStandard.fVUebDruck.Font.Groesse = 10;
  TDruckAuftrag auftrag = Auftrag();
  auftrag.bis = Dez(10);
  VertretungsuebersichtLehrerDrucken(fDrucker, auftrag);
  ASSERT_EQ(fDrucker.GetPageCount(), 1);
  const TTexte texte = ZeilenDerSeite(fDrucker, 1);
  ASSERT_GE(texte.size(), 11u);
  EXPECT_EQ(
      TTexte(texte.begin() + 2, texte.begin() + 11),
      (TTexte{"Vertretungsübersicht für Lehrer vom 09.12.2026 bis 10.12.2026", "Lehrer", "Name",
              "vertreten", "Std.", "angerechnet", "gefehlt", "Std. gefehlt", "frei"}));
  // The records of MUE, SCH and MEI each under a title of their own, in list order; KOC has
  // none.
  TTexte titel;
  for (std::size_t i = 0; i + 1 < texte.size(); ++i) {
    if (texte[i + 1] == QStringLiteral("Datum")) titel.push_back(texte[i]);
  }
  EXPECT_EQ(titel, (TTexte{"MUE", "SCH", "MEI"}));
  EXPECT_TRUE(SeiteEnthaelt(fDrucker, 1, QStringLiteral("vertritt")));
  EXPECT_TRUE(SeiteEnthaelt(fDrucker, 1, QStringLiteral("fehlt")));
}

TEST_F(VertretungsDruckTest, ClassOverviewAndASingleDayWithoutEnd) {
  VertretungsuebersichtKlassenDrucken(fDrucker, Auftrag());
  const TTexte texte = ZeilenDerSeite(fDrucker, 1);
  EXPECT_EQ(texte.at(2),
            QStringLiteral("Vertretungsübersicht für Klassen vom 09.12.2026 bis 09.12.2026"));
  EXPECT_EQ(
      TTexte(texte.begin() + 3, texte.begin() + 11),
      (TTexte{"Klasse", "Name", "betroffen", "frei", "vertreten", "verlegt", "Raum", "offen"}));
}

TEST_F(VertretungsDruckTest, SubstitutionHoursListTheCountersAndTheLessonsGiven) {
  VertretungsstundenDrucken(fDrucker, Auftrag());
  const TTexte texte = ZeilenDerSeite(fDrucker, 1);
  EXPECT_EQ(TTexte(texte.begin() + 2, texte.begin() + 10),
            (TTexte{"Vertretungsstunden vom 09.12.2026 bis 09.12.2026", "Lehrer", "Name",
                    "vertreten", "Std.", "angerechnet", "Tabelle 1", "Tabelle 2"}));
  // Only SCH gave a lesson: his table follows the counters and holds that one row.
  const auto sch = std::find(texte.begin() + 10, texte.end(), QStringLiteral("SCH"));
  ASSERT_NE(sch, texte.end());
  const auto titel = std::find(sch + 1, texte.end(), QStringLiteral("SCH"));
  ASSERT_NE(titel, texte.end());
  EXPECT_EQ(TTexte(titel, texte.end()),
            (TTexte{"SCH", "Datum", "Stunde", "Art", "Kurs", "Vertretung", "Raum", "Bemerkung",
                    "Mi, 9. Dez 2026", "2", "vertritt", "MUE 5a M", "SCH", "R1"}));
}

TEST_F(VertretungsDruckTest, PdfOfThePlanCarriesItsTexts) {
  VertretungsplanDrucken(fDrucker, Auftrag());
  QTemporaryDir ordner;
  const QString pfad = ordner.filePath(QStringLiteral("plan.pdf"));
  {
    auto pdf = PdfDrucker(pfad, QPageLayout::Portrait, fDrucker.Title());
    ASSERT_TRUE(fDrucker.PrintIt(*pdf));
  }
  EXPECT_EQ(PdfSeiten(pfad), 1);
  const QString oben = PdfTextIn(pfad, 1, QRectF(0, 0, 1, 0.5));
  EXPECT_TRUE(oben.contains(QStringLiteral("Vertretungsplan für Mittwoch, 09. Dez 2026")));
  EXPECT_TRUE(oben.contains(QStringLiteral("SCH 5a M R1")));
}

}  // namespace
}  // namespace orbato
