#include "print/listendruck.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <algorithm>

#include "checks/fehlerausgabe.h"
#include "checks/pruefungen.h"
#include "model/demo/demoschule.h"
#include "model/schnittstellen/dialoge.h"
#include "model/schnittstellen/uhr.h"
#include "model/schulfixture.h"
#include "pdfwerkzeug.h"
#include "platform/qttext.h"
#include "print/druckarten.h"
#include "print/druckauftrag.h"
#include "print/druckermass.h"
#include "print/prevprinter.h"
#include "print/seitenkopf.h"
#include "print/tabellendruck.h"
#include "textsammler.h"

// Readable texts in the failure messages.
inline void PrintTo(const QString& text, std::ostream* aus) {
  *aus << '"' << text.toStdString() << '"';
}

namespace orbato {
namespace {

using TTexte = std::vector<QString>;

// Thursday, 10 December 2026, 9:05.
constexpr TDatumZeit kJetzt = 46366.0 + 5.0 / 24 / 12 + 9.0 / 24;

// A school of three teachers, two classes, three subjects and a coupling for sport.
class ListenDruckTest : public SchulTest {
 protected:
  void SetUp() override {
    fSchule.SetUhr(&fUhr);
    fSchule.SetDateiName("schule.orb");
    fStandard.fSchulname = "Gymnasium am See";
    fMei = Lehrer("MEI", "Meier, Anna");
    fSch = Lehrer("SCH", "Schulz, Bernd");
    fKoh = Lehrer("KOH", "Kohl, Clara");
    f5a = fSchule.HoleKlasse("5a");
    f5b = fSchule.HoleKlasse("5b");
    f5a->SetLehrer1(fMei);
    f5a->SetLehrer2(fSch);
    fM = Fach("M", "Mathematik");
    fD = Fach("D", "Deutsch");
    fSp = Fach("SP", "Sport");
    fR1 = fSchule.HoleRaum("R1");
    TKopplung* spo = fSchule.HoleKopplung("SPO");
    fMei5a = Kurs(fMei, f5a, 4, fR1, fM);
    Kurs(fMei, f5b, 4, nullptr, fM);
    fSch5a = Kurs(fSch, f5a, 5, nullptr, fD);
    Kurs(fKoh, f5a, 2, nullptr, fSp, spo);
    Kurs(fSch, f5b, 2, nullptr, fSp, spo);
  }

  TLehrer* Lehrer(const char* kuerzel, const char* name) {
    TLehrer* l = fSchule.HoleLehrer(kuerzel);
    l->SetInfo(name);
    return l;
  }
  TFach* Fach(const char* kuerzel, const char* name) {
    TFach* f = fSchule.HoleFach(kuerzel);
    f->SetInfo(name);
    return f;
  }

  void Drucke(TDruckFunktion funktion, std::vector<const TPlanElement*> auswahl = {}) {
    TDruckAuftrag auftrag{fSchule, fStandard, std::move(auswahl), 0, {}, {}};
    funktion(fDrucker, auftrag);
  }
  // The texts of a page below its two header lines.
  TTexte Rumpf(int seite) const {
    TTexte texte = ZeilenDerSeite(fDrucker, seite);
    texte.erase(texte.begin(), texte.begin() + std::min<std::size_t>(2, texte.size()));
    return texte;
  }
  TTexte Kopf(int seite) const {
    TTexte texte = ZeilenDerSeite(fDrucker, seite);
    texte.resize(std::min<std::size_t>(2, texte.size()));
    return texte;
  }
  QString Datumszeile(int seite) const {
    return KopfDatum(kJetzt) + QStringLiteral("Seite %1").arg(seite);
  }

  TFesteUhr fUhr{kJetzt};
  TSkriptDialoge fDialoge;
  TPrevPrinter fDrucker{fDialoge, PdfMass()};
  TLehrer *fMei = nullptr, *fSch = nullptr, *fKoh = nullptr;
  TKlasse *f5a = nullptr, *f5b = nullptr;
  TFach *fM = nullptr, *fD = nullptr, *fSp = nullptr;
  TRaum* fR1 = nullptr;
  TKurs *fMei5a = nullptr, *fSch5a = nullptr;
};

TEST_F(ListenDruckTest, ShortNameListsHoldTheTickedKindsEachWithItsCount) {
  fStandard.fKueDruck.Ko = false;
  Drucke(KuerzelDrucken);
  ASSERT_EQ(fDrucker.GetPageCount(), 1);
  EXPECT_EQ(fDrucker.Title(), QStringLiteral("Kürzel"));
  EXPECT_EQ(Kopf(1), (TTexte{Datumszeile(1), "schule.orb   Gymnasium am See"}));
  // Couplings are not ticked, the school has no distribution table: neither list is printed.
  EXPECT_EQ(
      Rumpf(1),
      (TTexte{"Kürzel Lehrer", "Kürzel",    "Info",         "MEI",       "Meier, Anna",    "SCH",
              "Schulz, Bernd", "KOH",       "Kohl, Clara",  "Anzahl: 3", "Kürzel Klassen", "Kürzel",
              "Info",          "5a",        "5b",           "Anzahl: 2", "Kürzel Fächer",  "Kürzel",
              "Info",          "M",         "Mathematik",   "D",         "Deutsch",        "SP",
              "Sport",         "Anzahl: 3", "Kürzel Räume", "Kürzel",    "Info",           "R1",
              "Anzahl: 1"}));
}

TEST_F(ListenDruckTest, TeachingLoadSheetShowsTheCoursesAndTheTotalsAgainstTheTarget) {
  fStandard.fDepDruck.Zusatz = true;
  fStandard.fDepDruck.Info = true;
  fMei5a->SetInfo("F\xF6rderkurs");
  Drucke(DeputateDrucken, {fMei});
  ASSERT_EQ(fDrucker.GetPageCount(), 1);
  EXPECT_EQ(fDrucker.Title(), QStringLiteral("Deputate"));
  // Without "mit Datum" the header starts with the page number.
  EXPECT_EQ(Kopf(1), (TTexte{"Seite 1", "schule.orb   Gymnasium am See"}));
  EXPECT_EQ(Rumpf(1), (TTexte{"Deputat MEI   Meier, Anna",
                              "Wert",
                              "Std",
                              "Fach",
                              "Klasse",
                              "Kopplung",
                              "Raum",
                              "Fkt.",
                              "S/T",
                              "Ez",
                              "Tab",
                              "nvp",
                              "nzL",
                              "nzK",
                              "Info",
                              "4.0",
                              "4",
                              "M",
                              "5a",
                              "R1",
                              "1",
                              "1",
                              "3",
                              "1",
                              "0",
                              "0",
                              "0",
                              "Förderkurs",
                              "4.0",
                              "4",
                              "M",
                              "5b",
                              "1",
                              "1",
                              "3",
                              "1",
                              "0",
                              "0",
                              "0",
                              "Soll 24.0   Ist 8.0   (Ist) 8   Rest 16.0"}));
}

TEST_F(ListenDruckTest, TeachingLoadSheetsOfAllTeachersFollowEachOtherOrTakeAPageEach) {
  Drucke(DeputateDrucken);
  ASSERT_EQ(fDrucker.GetPageCount(), 1);
  const TTexte rumpf = Rumpf(1);
  TTexte titel;
  std::copy_if(rumpf.begin(), rumpf.end(), std::back_inserter(titel),
               [](const QString& t) { return t.startsWith(QStringLiteral("Deputat ")); });
  EXPECT_EQ(titel, (TTexte{"Deputat MEI   Meier, Anna", "Deputat SCH   Schulz, Bernd",
                           "Deputat KOH   Kohl, Clara"}));

  fStandard.fDepDruck.EineSeite = true;
  Drucke(DeputateDrucken);
  ASSERT_EQ(fDrucker.GetPageCount(), 3);
  EXPECT_EQ(Rumpf(2), (TTexte{"Deputat SCH   Schulz, Bernd", "Wert", "Std", "Fach", "Klasse",
                              "Kopplung", "Raum", "5.0", "5", "D", "5a", "2.0", "2", "SP", "5b",
                              "SPO", "Soll 24.0   Ist 7.0   (Ist) 7   Rest 17.0"}));
  EXPECT_EQ(Kopf(3), (TTexte{"Seite 3", "schule.orb   Gymnasium am See"}));
}

TEST_F(ListenDruckTest, ClassSheetsListTheClassesCourses) {
  fStandard.fDepDruck.Kl = true;
  Drucke(DeputateDrucken, {});
  ASSERT_EQ(fDrucker.GetPageCount(), 1);
  const TTexte rumpf = Rumpf(1);
  ASSERT_GE(rumpf.size(), 8u);
  EXPECT_EQ(TTexte(rumpf.begin(), rumpf.begin() + 8),
            (TTexte{"Deputat 5a", "Wert", "Std", "Lehrer", "Fach", "Klasse", "Kopplung", "Raum"}));
  EXPECT_NE(std::find(rumpf.begin(), rumpf.end(), QStringLiteral("Deputat 5b")), rumpf.end());
}

// The lines of a check, as the error window would receive them.
class TZeilenSammler : public Fehlerausgabe {
 public:
  void FehlerInit() override {}
  void NeuerFehler(std::string_view zeile) override { fZeilen.emplace_back(zeile); }
  std::vector<std::string> fZeilen;
};

TEST_F(ListenDruckTest, RemainingLessonsAreThoseTheMissingLessonsCheckReports) {
  Setze(fMei5a, 1, 1, 1, fR1);
  for (int32_t std = 1; std <= 5; ++std) Setze(fSch5a, 1, 2, std);
  for (TKurs* k : fSchule.fKursMenge) {
    if (k->fLehrer == fKoh) k->SetnichtVerplanen(true);
  }
  Drucke(ReststundenDrucken);
  ASSERT_EQ(fDrucker.GetPageCount(), 1);
  EXPECT_EQ(Kopf(1), (TTexte{"Seite 1", "schule.orb   Gymnasium am See"}));
  // One version: no version column. Kohl's course is never placed, Schulz's German is complete.
  EXPECT_EQ(Rumpf(1),
            (TTexte{"Reststunden", "Lehrer", "Fach",    "Klasse",
                    "Kopplung",    "Std",    "gesetzt", "Rest",
                    "MEI",         "M",      "5a",      "4",
                    "1",           "3",      "MEI",     "M",
                    "5b",          "4",      "0",       "4",
                    "SCH",         "SP",     "5b",      "SPO",
                    "2",           "0",      "2",       "Summe: 9 Stunden noch nicht gesetzt."}));
  TZeilenSammler pruefung;
  FehlStundenTest(fSchule, pruefung);
  EXPECT_EQ(pruefung.fZeilen.size(), 3u);
}

TEST_F(ListenDruckTest, RemainingLessonsOfACompletePlanSayItAndTheDateIsAnOption) {
  for (TKurs* k : fSchule.fKursMenge) {
    for (int32_t std = 1; std <= k->fStunden.GetWochenStunde(1); ++std) Setze(k, 1, 7, std);
  }
  fStandard.fRestDruck.Datum = true;
  Drucke(ReststundenDrucken);
  EXPECT_EQ(Kopf(1), (TTexte{Datumszeile(1), "schule.orb   Gymnasium am See"}));
  EXPECT_EQ(Rumpf(1), (TTexte{"Reststunden", "Lehrer", "Fach", "Klasse", "Kopplung", "Std",
                              "gesetzt", "Rest", "Alle Stunden sind gesetzt."}));
}

TEST_F(ListenDruckTest, HourDistributionCountsGapsPerElementAndSortsByThem) {
  fStandard.fMaxTageNeu = 5;
  Setze(fSch5a, 1, 1, 1);
  Setze(fSch5a, 1, 1, 4);
  Drucke(StundenverteilungDrucken);
  // Teachers, classes and rooms each on a page of their own, the legend after the rooms.
  ASSERT_EQ(fDrucker.GetPageCount(), 3);
  const TTexte kopf = {"Kürzel", "Mo", "Di", "Mi", "Do", "Fr", "Sprstd."};
  TTexte lehrer = {"Stundenverteilung Lehrer"};
  lehrer.insert(lehrer.end(), kopf.begin(), kopf.end());
  lehrer.insert(lehrer.end(), {"MEI", "0", "SCH", "2", "KOH", "0"});
  EXPECT_EQ(Rumpf(1), lehrer);
  TTexte raeume = {"Stundenverteilung Räume"};
  raeume.insert(raeume.end(), kopf.begin(), kopf.end());
  raeume.insert(raeume.end(),
                {"R1", "0", "Zeichenerklärung", "Zeichen", "Bedeutung", "Stunde", "fixierte Stunde",
                 "Kopplung", "fixierte Kopplung", "gesperrt", "frei", "Springstunde"});
  EXPECT_EQ(Rumpf(3), raeume);

  fStandard.fSVDruck.SortRest = true;
  fStandard.fSVDruck.SortGesamt = true;
  Drucke(StundenverteilungDrucken);
  lehrer.resize(kopf.size() + 1);
  lehrer.insert(lehrer.end(), {"SCH", "2", "MEI", "0", "KOH", "0", "Springstunden gesamt: 2"});
  EXPECT_EQ(Rumpf(1), lehrer);
}

TEST_F(ListenDruckTest, SubjectConferencesListTheSubjectsTeachersOnAPageEach) {
  Drucke(FachkonferenzenDrucken);
  ASSERT_EQ(fDrucker.GetPageCount(), 3);
  EXPECT_EQ(fDrucker.Title(), QStringLiteral("Fachkonferenzen"));
  EXPECT_EQ(Kopf(2), (TTexte{Datumszeile(2), "schule.orb   Gymnasium am See"}));
  EXPECT_EQ(Rumpf(1), (TTexte{"Fachkonferenz Mathematik", "Lehrer", "Name", "MEI", "Meier, Anna",
                              "1 Lehrer"}));
  EXPECT_EQ(Rumpf(3), (TTexte{"Fachkonferenz Sport", "Lehrer", "Name", "SCH", "Schulz, Bernd",
                              "KOH", "Kohl, Clara", "2 Lehrer"}));
}

TEST_F(ListenDruckTest, SubjectConferencesWithDeploymentShowClassesAndLessons) {
  fStandard.fFaKonfDruck.Einzeln = false;
  fStandard.fFaKonfDruck.Einsatz = true;
  // A teacher who has the subject without a course of it belongs to its conference too.
  fM->NeuerLehrer(fKoh);
  Drucke(FachkonferenzenDrucken);
  ASSERT_EQ(fDrucker.GetPageCount(), 1);
  EXPECT_EQ(Rumpf(1), (TTexte{"Fachkonferenz Mathematik",
                              "Lehrer",
                              "Name",
                              "Klassen",
                              "Std",
                              "MEI",
                              "Meier, Anna",
                              "5a 5b",
                              "8",
                              "KOH",
                              "Kohl, Clara",
                              "0",
                              "2 Lehrer, 8 Stunden",
                              "Fachkonferenz Deutsch",
                              "Lehrer",
                              "Name",
                              "Klassen",
                              "Std",
                              "SCH",
                              "Schulz, Bernd",
                              "5a",
                              "5",
                              "1 Lehrer, 5 Stunden",
                              "Fachkonferenz Sport",
                              "Lehrer",
                              "Name",
                              "Klassen",
                              "Std",
                              "SCH",
                              "Schulz, Bernd",
                              "5b",
                              "2",
                              "KOH",
                              "Kohl, Clara",
                              "5a",
                              "2",
                              "2 Lehrer, 4 Stunden"}));
}

TEST_F(ListenDruckTest, ClassConferencesListTeachersWithSubjectsAndClassTeachers) {
  fStandard.fKlKonfDruck.Einzeln = false;
  Drucke(KlassenkonferenzenDrucken);
  ASSERT_EQ(fDrucker.GetPageCount(), 1);
  EXPECT_EQ(Rumpf(1), (TTexte{"Klassenkonferenz 5a",
                              "Lehrer",
                              "Name",
                              "Fächer",
                              "Std",
                              "Funktion",
                              "MEI",
                              "Meier, Anna",
                              "M",
                              "4",
                              "Klassenlehrer",
                              "SCH",
                              "Schulz, Bernd",
                              "D",
                              "5",
                              "2. Klassenlehrer",
                              "KOH",
                              "Kohl, Clara",
                              "SP",
                              "2",
                              "3 Lehrer",
                              "Klassenkonferenz 5b",
                              "Lehrer",
                              "Name",
                              "Fächer",
                              "Std",
                              "Funktion",
                              "MEI",
                              "Meier, Anna",
                              "M",
                              "4",
                              "SCH",
                              "Schulz, Bernd",
                              "SP",
                              "2",
                              "2 Lehrer"}));
  fStandard.fKlKonfDruck.Einzeln = true;
  Drucke(KlassenkonferenzenDrucken);
  EXPECT_EQ(fDrucker.GetPageCount(), 2);
}

// The top edge of a recorded text's line from its baseline.
int Oberkante(const TGedruckterText& t) {
  return static_cast<int>(std::lround(t.punkt.y())) - QFontMetrics(t.font).ascent();
}

TEST_F(ListenDruckTest, ALongListContinuesWithTitleAndHeaderRowOnEveryPage) {
  for (int i = 1; i <= 200; ++i)
    Lehrer(QStringLiteral("L%1").arg(i, 3, 10, QLatin1Char('0')).toLatin1().constData(), "x");
  fStandard.fKueDruck = TDruckEinstellung{};
  fStandard.fKueDruck.Kl = fStandard.fKueDruck.Fa = fStandard.fKueDruck.Ra = false;
  fStandard.fKueDruck.Font.Groesse = 12;
  Drucke(KuerzelDrucken);

  const TDruckAuftrag auftrag{fSchule, fStandard, {}, 0, {}, {}};
  TTabellenDruck mass(fDrucker, auftrag, fStandard.fKueDruck.Font, 1, true);
  mass.Beginnen({});
  const int hoehe = mass.ZeilenHoehe();
  const int unten = mass.Bereich().top() + mass.Bereich().height();
  Drucke(KuerzelDrucken);

  const int seiten = fDrucker.GetPageCount();
  ASSERT_GE(seiten, 3);
  std::vector<QString> kuerzel;
  for (int s = 1; s <= seiten; ++s) {
    const auto texte = TexteDerSeite(fDrucker, s);
    ASSERT_GE(texte.size(), 5u);
    EXPECT_EQ(texte[0].text, Datumszeile(s));
    EXPECT_EQ(texte[2].text, s == 1 ? QStringLiteral("Kürzel Lehrer")
                                    : QStringLiteral("Kürzel Lehrer (Fortsetzung)"));
    EXPECT_EQ(texte[3].text, QStringLiteral("Kürzel"));
    EXPECT_EQ(texte[4].text, QStringLiteral("Info"));
    std::vector<int> oben;
    for (std::size_t i = 5; i < texte.size(); i += 2) {
      if (texte[i].text.startsWith(QStringLiteral("Anzahl"))) break;
      kuerzel.push_back(texte[i].text);
      oben.push_back(Oberkante(texte[i]));
    }
    ASSERT_FALSE(oben.empty());
    for (std::size_t i = 1; i < oben.size(); ++i) EXPECT_NEAR(oben[i] - oben[i - 1], hoehe, 1);
    // The last row ends inside the margin, and another one would not have fitted.
    const int zeile = oben.back() - mass.InnenY();
    EXPECT_LE(zeile + hoehe, unten + 1);
    if (s < seiten) {
      EXPECT_GT(zeile + 2 * hoehe, unten - 1) << "Seite " << s;
    }
  }
  ASSERT_EQ(kuerzel.size(), 203u);
  EXPECT_EQ(kuerzel[3], QStringLiteral("L001"));
  EXPECT_EQ(kuerzel.back(), QStringLiteral("L200"));
}

TEST_F(ListenDruckTest, AListThatFitsOnAPageOfItsOwnIsNotSplit) {
  for (int i = 1; i <= 27; ++i) {
    fSchule.HoleLehrer(QStringLiteral("L%1").arg(i).toStdString());
    fSchule.HoleKlasse(QStringLiteral("K%1").arg(i).toStdString());
  }
  fStandard.fKueDruck.Ko = fStandard.fKueDruck.Fa = fStandard.fKueDruck.Ra = false;
  fStandard.fKueDruck.Font.Groesse = 12;
  Drucke(KuerzelDrucken);
  // 30 teachers and 29 classes do not fit on one page together, the classes alone do.
  ASSERT_EQ(fDrucker.GetPageCount(), 2);
  EXPECT_EQ(Rumpf(1).front(), QStringLiteral("Kürzel Lehrer"));
  EXPECT_EQ(Rumpf(1).back(), QStringLiteral("Anzahl: 30"));
  EXPECT_EQ(Rumpf(2).front(), QStringLiteral("Kürzel Klassen"));
  EXPECT_EQ(Rumpf(2).back(), QStringLiteral("Anzahl: 29"));
}

TEST_F(ListenDruckTest, ColumnsTooWideForThePageAreNarrowedAndTheirTextsCut) {
  fStandard.fDepDruck.Zusatz = true;
  fStandard.fDepDruck.Info = true;
  fStandard.fDepDruck.Font.Groesse = 30;
  fMei5a->SetInfo("Ein sehr langer Kurstext, der");
  Drucke(DeputateDrucken, {fMei});
  const TDruckAuftrag auftrag{fSchule, fStandard, {}, 0, {}, {}};
  TTabellenDruck mass(fDrucker, auftrag, fStandard.fDepDruck.Font, 1, false);
  const int rechts = mass.Bereich().left() + mass.Bereich().width();
  bool gekuerzt = false;
  for (const TGedruckterText& t : TexteDerSeite(fDrucker, 1)) {
    EXPECT_LE(t.punkt.x() + QFontMetrics(t.font).horizontalAdvance(t.text), rechts + 1)
        << t.text.toStdString();
    gekuerzt = gekuerzt || t.text.endsWith(QStringLiteral("…"));
  }
  EXPECT_TRUE(gekuerzt);
}

// The six printouts of the demo school as PDF files.
class ListenDruckDemoTest : public SchulTest {
 protected:
  QString AlsPdf(TDruckFunktion funktion, const QString& name) {
    TSkriptDialoge dialoge;
    TPrevPrinter drucker(dialoge, PdfMass());
    funktion(drucker, TDruckAuftrag{fSchule, fStandard, {}, 0, {}, {}});
    const QString pfad = fOrdner.filePath(name);
    auto pdf = PdfDrucker(pfad, QPageLayout::Portrait, name);
    EXPECT_TRUE(drucker.PrintIt(*pdf));
    pdf.reset();
    return pfad;
  }
  QTemporaryDir fOrdner;
};

TEST_F(ListenDruckDemoTest, EveryListOfTheDemoSchoolIsAReadablePdf) {
  ErzeugeDemoSchule(fSchule, fStandard, TDemoGroesse::mittel);
  const TLehrer* erster = fSchule.fLehrerMenge.ListeNrInhalt(1);
  const TLehrer* letzter =
      fSchule.fLehrerMenge.ListeNrInhalt(fSchule.fLehrerMenge.ListeZahlElemente());
  const std::pair<TDruckFunktion, const char*> listen[] = {
      {KuerzelDrucken, "kuerzel"},
      {DeputateDrucken, "deputate"},
      {ReststundenDrucken, "reststunden"},
      {StundenverteilungDrucken, "stundenverteilung"},
      {FachkonferenzenDrucken, "fachkonferenzen"},
      {KlassenkonferenzenDrucken, "klassenkonferenzen"}};
  for (const auto& [funktion, name] : listen) {
    SCOPED_TRACE(name);
    const QString pdf = AlsPdf(funktion, QString::fromLatin1(name) + QStringLiteral(".pdf"));
    ASSERT_GE(PdfSeiten(pdf), 1);
    EXPECT_GT(PdfDunklePunkte(pdf, 1), 1000);
    const QString text = PdfText(pdf);
    EXPECT_TRUE(text.contains(QtText(erster->fKuerzel.str()))) << erster->fKuerzel.str();
    if (std::string(name) != "reststunden") {
      EXPECT_TRUE(text.contains(QtText(letzter->fKuerzel.str()))) << letzter->fKuerzel.str();
    }
  }
}

}  // namespace
}  // namespace orbato
