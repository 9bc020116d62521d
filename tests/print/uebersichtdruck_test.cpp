#include "print/uebersichtdruck.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <algorithm>
#include <string>
#include <vector>

#include "model/demo/demoschule.h"
#include "model/elemente/fach.h"
#include "model/elemente/klasse.h"
#include "model/elemente/kopplung.h"
#include "model/elemente/lehrer.h"
#include "model/elemente/raum.h"
#include "model/kurse/kurs.h"
#include "model/schnittstellen/dialoge.h"
#include "model/schulfixture.h"
#include "pdfwerkzeug.h"
#include "platform/qttext.h"
#include "print/druckauftrag.h"
#include "print/druckermass.h"
#include "print/prevprinter.h"
#include "print/uebersichtbloecke.h"
#include "textsammler.h"

namespace orbato {
namespace {

using TZeilen = std::vector<std::string>;

const char kMul[] = "M\xDCL";  // MÜL in file code

// Two teachers, two classes, two rooms, three subjects and one coupling on a week of five days
// with four periods. MÜL teaches German to 5a on Monday 1 (fixed) and Tuesday 2 in R1, SCH maths
// to 5a on Monday 2 in R2; both teach religion to 5b in the coupling REL on Wednesday 3, MÜL in
// R1 and SCH in R2. SCH is blocked on Friday 4.
class Uebersicht : public SchulTest {
 protected:
  void SetUp() override {
    fStandard.fSchulname = "Gesamtschule Nord";
    fStandard.fMaxTageNeu = 5;
    fStandard.fPlnStd = 4;
    fMul = fSchule.HoleLehrer(kMul);
    fSch = fSchule.HoleLehrer("SCH");
    fK5a = fSchule.HoleKlasse("5a");
    fK5b = fSchule.HoleKlasse("5b");
    fR1 = fSchule.HoleRaum("R1");
    fR2 = fSchule.HoleRaum("R2");
    fD = fSchule.HoleFach("D");
    fM = fSchule.HoleFach("M");
    fRe = fSchule.HoleFach("RE");
    fRel = fSchule.HoleKopplung("REL");
    fDeutsch = Kurs(fMul, fK5a, 2, fR1, fD);
    Setze(fDeutsch, 1, 1, 1, fR1)->fFixiert = true;
    Setze(fDeutsch, 1, 2, 2, fR1);
    Setze(Kurs(fSch, fK5a, 1, fR2, fM), 1, 1, 2, fR2);
    fRelMul = Kurs(fMul, fK5b, 1, fR1, fRe, fRel);
    fRelSch = Kurs(fSch, fK5b, 1, fR2, fRe, fRel);
    Setze(fRelMul, 1, 3, 3, fR1);
    Setze(fRelSch, 1, 3, 3, fR2);
    fSch->fSperrung.SetWocheTagStd(1, 5, true, 4);
  }

  TDruckAuftrag Auftrag() const { return {fSchule, fStandard, {}, 0, {}, {}}; }
  TUebersicht Daten(TUebersichtArt art) const { return UebersichtDaten(art, Auftrag()); }

  // The lines of the cell of row `zeile` on day and period.
  static TZeilen Zelle(const TUebersicht& u, std::size_t zeile, int32_t tag, int32_t std) {
    return ZelleVon(u, zeile, tag, std).zeilen;
  }
  static const TUebersichtZelle& ZelleVon(const TUebersicht& u, std::size_t zeile, int32_t tag,
                                          int32_t std) {
    const auto it = std::find(u.spalten.begin(), u.spalten.end(), TUebersichtSpalte{tag, std});
    return u.zeilen.at(zeile).zellen.at(static_cast<std::size_t>(it - u.spalten.begin()));
  }
  // Every cell that shows something, as "row day.period: lines".
  static std::vector<std::string> Belegt(const TUebersicht& u) {
    std::vector<std::string> belegt;
    for (const TUebersichtZeile& z : u.zeilen) {
      for (std::size_t i = 0; i < u.spalten.size(); ++i) {
        const TUebersichtZelle& zelle = z.zellen[i];
        if (zelle.zeilen.empty() && !zelle.gesperrt) continue;
        std::string text = z.kopf + " " + std::to_string(u.spalten[i].tag) + "." +
                           std::to_string(u.spalten[i].std) + ":";
        for (const std::string& zeile : zelle.zeilen) text += " " + zeile;
        if (zelle.gesperrt) text += " gesperrt";
        belegt.push_back(text);
      }
    }
    return belegt;
  }

  TLehrer* fMul = nullptr;
  TLehrer* fSch = nullptr;
  TKlasse* fK5a = nullptr;
  TKlasse* fK5b = nullptr;
  TRaum* fR1 = nullptr;
  TRaum* fR2 = nullptr;
  TFach* fD = nullptr;
  TFach* fM = nullptr;
  TFach* fRe = nullptr;
  TKopplung* fRel = nullptr;
  TKurs* fDeutsch = nullptr;
  TKurs* fRelMul = nullptr;
  TKurs* fRelSch = nullptr;
};

TEST_F(Uebersicht, TeachersShowClassOrCouplingSubjectAndRoomOfEachLesson) {
  const TUebersicht u = Daten(TUebersichtArt::Lehrer);
  ASSERT_EQ(u.spalten.size(), 20u);
  EXPECT_EQ(u.spalten[5], (TUebersichtSpalte{2, 2}));
  EXPECT_EQ(Belegt(u), (std::vector<std::string>{
                           std::string(kMul) + " 1.1: 5a D R1", std::string(kMul) + " 2.2: 5a D R1",
                           std::string(kMul) + " 3.3: REL RE R1", "SCH 1.2: 5a M R2",
                           "SCH 3.3: REL RE R2", "SCH 5.4: gesperrt"}));
  // The fixed lesson is underlined; coupled lessons are bold only with "Kopplungen fett".
  EXPECT_TRUE(ZelleVon(u, 0, 1, 1).unterstrichen);
  EXPECT_FALSE(ZelleVon(u, 0, 2, 2).unterstrichen);
  EXPECT_FALSE(ZelleVon(u, 0, 3, 3).fett);
  EXPECT_FALSE(ZelleVon(u, 0, 1, 1).farbe.has_value());

  TDruckEinstellung& e = fStandard.fLUebDruck;
  e.Fett = true;
  e.Farbe = true;
  e.Statt = false;
  e.Ko = true;
  e.Fix = false;
  e.Sperr = false;
  e.Ra = false;
  fDeutsch->fColor = 0x00FFCC;
  const TUebersicht anders = Daten(TUebersichtArt::Lehrer);
  EXPECT_EQ(Zelle(anders, 0, 3, 3), (TZeilen{"5b", "RE", "REL"}));
  EXPECT_EQ(Zelle(anders, 0, 1, 1), (TZeilen{"5a", "D"}));
  EXPECT_TRUE(ZelleVon(anders, 0, 3, 3).fett);
  EXPECT_FALSE(ZelleVon(anders, 0, 1, 1).fett);
  EXPECT_FALSE(ZelleVon(anders, 0, 1, 1).unterstrichen);
  EXPECT_EQ(ZelleVon(anders, 0, 1, 1).farbe, 0x00FFCC);
  EXPECT_FALSE(ZelleVon(anders, 1, 5, 4).gesperrt);

  // With both the coupling in the class's place and "mit Kopplung" it is named once.
  e.Statt = true;
  EXPECT_EQ(Zelle(Daten(TUebersichtArt::Lehrer), 0, 3, 3), (TZeilen{"REL", "RE"}));
  // A lesson of which nothing is shown still marks its cell.
  e.Kl = e.Fa = e.Ko = false;
  EXPECT_EQ(Zelle(Daten(TUebersichtArt::Lehrer), 0, 2, 2), TZeilen{"*"});
  EXPECT_EQ(Zelle(Daten(TUebersichtArt::Lehrer), 0, 2, 3), TZeilen{});
}

TEST_F(Uebersicht, ClassesShowTheTeacherAndRoomsTeacherAndClass) {
  EXPECT_EQ(
      Belegt(Daten(TUebersichtArt::Klassen)),
      (std::vector<std::string>{std::string("5a 1.1: ") + kMul + " D R1", "5a 1.2: SCH M R2",
                                std::string("5a 2.2: ") + kMul + " D R1", "5b 3.3: REL RE R1"}));
  fStandard.fKUebDruck.Statt = false;
  EXPECT_EQ(Zelle(Daten(TUebersichtArt::Klassen), 1, 3, 3), (TZeilen{kMul, "RE", "R1"}));

  EXPECT_EQ(
      Belegt(Daten(TUebersichtArt::Raeume)),
      (std::vector<std::string>{
          std::string("R1 1.1: ") + kMul + " 5a D", std::string("R1 2.2: ") + kMul + " 5a D",
          std::string("R1 3.3: ") + kMul + " REL RE", "R2 1.2: SCH 5a M", "R2 3.3: SCH REL RE"}));
  fStandard.fRUebDruck.Le = false;
  fStandard.fRUebDruck.Statt = false;
  EXPECT_EQ(Zelle(Daten(TUebersichtArt::Raeume), 1, 3, 3), (TZeilen{"5b", "RE"}));
}

TEST_F(Uebersicht, TheSelectionLimitsTheRows) {
  TDruckAuftrag auftrag = Auftrag();
  auftrag.auswahl = {fSch};
  const TUebersicht u = UebersichtDaten(TUebersichtArt::Lehrer, auftrag);
  ASSERT_EQ(u.zeilen.size(), 1u);
  EXPECT_EQ(u.zeilen[0].kopf, "SCH");
}

// The range lies within the days and periods of the school's week, as the overview windows
// show them; the default up to period 9 ends at the fourth here.
TEST_F(Uebersicht, RangeIsReadForwardsAndKeptInsideTheWeek) {
  TDruckEinstellung& e = fStandard.fLUebDruck;
  e.BisStd = 9;
  EXPECT_EQ(Daten(TUebersichtArt::Lehrer).spalten.size(), 20u);
  e.VonTag = 9;
  e.BisTag = 4;
  e.VonStd = 3;
  e.BisStd = 0;
  EXPECT_EQ(Daten(TUebersichtArt::Lehrer).spalten,
            (std::vector<TUebersichtSpalte>{{4, 1}, {4, 2}, {4, 3}, {5, 1}, {5, 2}, {5, 3}}));
}

TEST_F(Uebersicht, SubjectsListTheirCoursesOrCountThemOverTheWholeWeek) {
  fStandard.fFUebDruck.BisStd = 2;  // not an option of this overview
  const TUebersicht u = Daten(TUebersichtArt::Faecher);
  EXPECT_EQ(u.spalten.size(), 20u);
  EXPECT_EQ(Belegt(u),
            (std::vector<std::string>{std::string("D 1.1: ") + kMul + " 5a R1",
                                      std::string("D 2.2: ") + kMul + " 5a R1", "M 1.2: SCH 5a R2",
                                      std::string("RE 3.3: ") + kMul + " REL R1 SCH REL R2"}));
  EXPECT_EQ(Zelle(u, 2, 3, 3), (TZeilen{std::string(kMul) + " REL R1", "SCH REL R2"}));

  TDruckEinstellung& e = fStandard.fFUebDruck;
  e.Na = false;
  e.Ra = false;
  e.Statt = false;
  e.Ko = true;
  EXPECT_EQ(Zelle(Daten(TUebersichtArt::Faecher), 2, 3, 3), (TZeilen{"5b REL", "5b REL"}));
  e.Kl = false;
  e.Ko = false;
  EXPECT_EQ(Zelle(Daten(TUebersichtArt::Faecher), 2, 3, 3), (TZeilen{"*", "*"}));
  e.Ku = false;
  EXPECT_EQ(Zelle(Daten(TUebersichtArt::Faecher), 2, 3, 3), TZeilen{"2"});
  EXPECT_EQ(Zelle(Daten(TUebersichtArt::Faecher), 0, 1, 1), TZeilen{"1"});
  EXPECT_EQ(Zelle(Daten(TUebersichtArt::Faecher), 0, 1, 2), TZeilen{});
}

TEST_F(Uebersicht, CouplingsShowTheTeachersOfTheirLessons) {
  fRelSch->fSperrung.SetWocheTagStd(1, 4, true, 1);
  fStandard.fKoUebDruck.Fett = true;
  const TUebersicht u = Daten(TUebersichtArt::Kombination);
  EXPECT_EQ(Belegt(u), (std::vector<std::string>{std::string("REL 3.3: ") + kMul + " SCH",
                                                 "REL 4.1: gesperrt"}));
  EXPECT_TRUE(ZelleVon(u, 0, 3, 3).fett);
  EXPECT_FALSE(ZelleVon(u, 0, 3, 3).unterstrichen);
}

// A recorded page of the teachers' overview on A4 landscape.
class UebersichtSeiten : public Uebersicht {
 protected:
  void Aufzeichnen(TUebersichtArt art) { UebersichtDrucken(art)(fDrucker, Auftrag()); }
  TSkriptDialoge fDialoge;
  TPrevPrinter fDrucker{fDialoge, PdfMass(QPageLayout::Landscape)};
};

TEST_F(UebersichtSeiten, OnePageHoldsHeaderGridAndCells) {
  Aufzeichnen(TUebersichtArt::Lehrer);
  ASSERT_EQ(fDrucker.GetPageCount(), 1);
  EXPECT_EQ(fDrucker.Title(), QStringLiteral("Lehrerübersicht"));
  const std::vector<QString> z = ZeilenDerSeite(fDrucker, 1);
  ASSERT_GE(z.size(), 4u);
  EXPECT_TRUE(z[0].endsWith(QStringLiteral("Seite 1")));
  EXPECT_EQ(z[1], QStringLiteral("Ohne Titel   Gesamtschule Nord"));
  EXPECT_EQ(z[2], QStringLiteral("Bemerkung"));
  // The corner, then each day over its period labels.
  EXPECT_EQ(std::vector<QString>(z.begin() + 3, z.begin() + 9),
            (std::vector<QString>{"Lehrer", "Mo", "1", "2", "3", "4"}));
  // The rows: the short name, then the lines of each cell from Monday on.
  const auto mul = std::find(z.begin(), z.end(), QStringLiteral("MÜL"));
  ASSERT_NE(mul, z.end());
  EXPECT_EQ(std::vector<QString>(mul, mul + 14),
            (std::vector<QString>{"MÜL", "5a", "D", "R1", "5a", "D", "R1", "REL", "RE", "R1", "SCH",
                                  "5a", "M", "R2"}));
  // Short names in the font of the settings; a coupled lesson bold with "Kopplungen fett".
  fStandard.fLUebDruck.Font = {"Arial", 10};
  fStandard.fLUebDruck.Fett = true;
  Aufzeichnen(TUebersichtArt::Lehrer);
  const std::vector<TGedruckterText> texte = TexteDerSeite(fDrucker, 1);
  const auto text = [&](const QString& gesucht) {
    return std::find_if(texte.begin(), texte.end(),
                        [&](const TGedruckterText& t) { return t.text == gesucht; });
  };
  ASSERT_NE(text("REL"), texte.end());
  ASSERT_NE(text("5a"), texte.end());
  EXPECT_TRUE(text("REL")->font.bold());
  EXPECT_FALSE(text("5a")->font.bold());
  EXPECT_EQ(text("5a")->font.pixelSize(), 42);  // 10 points at 300 dpi
}

TEST_F(UebersichtSeiten, ARemarkLeftEmptyLeavesNoTitleAndSeveralVersionsNameTheirs) {
  fStandard.fLUebDruck.Bem = "";
  Aufzeichnen(TUebersichtArt::Lehrer);
  EXPECT_EQ(ZeilenDerSeite(fDrucker, 1).at(2), QStringLiteral("Lehrer"));
  fStandard.SetMaxWocheNeu(2);
  fStandard.SetAktuelleWoche(2);
  fStandard.fLUebDruck.Bem = "Aushang";
  Aufzeichnen(TUebersichtArt::Lehrer);
  EXPECT_EQ(ZeilenDerSeite(fDrucker, 1).at(2), QStringLiteral(" {2}  Aushang"));
}

TEST_F(UebersichtSeiten, RowsThatDoNotFitContinueUnderTheRepeatedHeader) {
  std::vector<QString> namen;
  for (int i = 1; i <= 70; ++i) {
    const std::string name = "L" + std::to_string(100 + i);
    fSchule.HoleLehrer(name);
  }
  for (const TLehrer* l : fSchule.fLehrerMenge) namen.push_back(QtText(l->fKuerzel.str()));
  Aufzeichnen(TUebersichtArt::Lehrer);
  ASSERT_EQ(fDrucker.GetPageCount(), 2);
  std::vector<QString> gedruckt;
  for (int seite = 1; seite <= 2; ++seite) {
    const std::vector<QString> z = ZeilenDerSeite(fDrucker, seite);
    EXPECT_TRUE(z[0].endsWith(QStringLiteral("Seite %1").arg(seite)));
    EXPECT_EQ(z[2], QStringLiteral("Bemerkung"));
    EXPECT_EQ(z[3], QStringLiteral("Lehrer"));
    EXPECT_EQ(z[4], QStringLiteral("Mo"));
    for (const QString& t : z) {
      if (std::find(namen.begin(), namen.end(), t) != namen.end()) gedruckt.push_back(t);
    }
  }
  // Every teacher exactly once, in list order, across both pages.
  EXPECT_EQ(gedruckt, namen);
}

TEST(UebersichtBloecke, TakeWholeDaysWhileTheyFitAndCutADayTooWide) {
  std::vector<TUebersichtSpalte> woche;
  for (int32_t tag = 1; tag <= 7; ++tag) {
    for (int32_t std = 1; std <= 16; ++std) woche.push_back({tag, std});
  }
  EXPECT_EQ(SpaltenBloecke(woche, 3000, 80, false),
            (std::vector<TSpaltenBlock>{{0, 32}, {32, 64}, {64, 96}, {96, 112}}));
  EXPECT_EQ(SpaltenBloecke(woche, 3000, 100, false).size(), 7u);
  EXPECT_EQ(SpaltenBloecke(woche, 100000, 80, false), (std::vector<TSpaltenBlock>{{0, 112}}));
  EXPECT_EQ(SpaltenBloecke(woche, 100000, 80, true).size(), 7u);
  EXPECT_EQ(SpaltenBloecke(woche, 100000, 80, true)[1], (TSpaltenBlock{16, 32}));
  const auto geteilt = SpaltenBloecke(woche, 1000, 100, false);
  ASSERT_EQ(geteilt.size(), 14u);
  EXPECT_EQ(geteilt[0], (TSpaltenBlock{0, 10}));
  EXPECT_EQ(geteilt[1], (TSpaltenBlock{10, 16}));
  EXPECT_EQ(geteilt[2], (TSpaltenBlock{16, 26}));
  // Not even one column fits: each column is a block of its own rather than none.
  EXPECT_EQ(SpaltenBloecke(woche, 10, 100, false).size(), 112u);
  EXPECT_TRUE(SpaltenBloecke({}, 1000, 100, false).empty());
}

// Seven days of sixteen periods do not fit one landscape page side by side: the days come in
// blocks, each day once and whole, in order, and no text starts beyond the printable width.
TEST_F(UebersichtSeiten, AWideWeekIsPrintedInBlocksOfWholeDays) {
  fStandard.fMaxTageNeu = 7;
  fStandard.fPlnStd = 16;
  fStandard.fLUebDruck.BisTag = 7;
  fStandard.fLUebDruck.BisStd = 16;
  Aufzeichnen(TUebersichtArt::Lehrer);
  const std::vector<QString> tage = {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"};
  std::vector<std::vector<QString>> bloecke;
  for (int seite = 1; seite <= fDrucker.GetPageCount(); ++seite) {
    bool imBlock = false;
    for (const TGedruckterText& t : TexteDerSeite(fDrucker, seite)) {
      EXPECT_LT(t.punkt.x(), fDrucker.PageSize().width()) << t.text.toStdString();
      if (t.text == QStringLiteral("Lehrer")) {
        bloecke.emplace_back();
        imBlock = true;
      } else if (std::find(tage.begin(), tage.end(), t.text) != tage.end()) {
        ASSERT_TRUE(imBlock);
        bloecke.back().push_back(t.text);
      }
    }
  }
  ASSERT_GT(bloecke.size(), 1u);
  std::vector<QString> alle;
  for (const auto& b : bloecke) {
    EXPECT_FALSE(b.empty());
    alle.insert(alle.end(), b.begin(), b.end());
  }
  EXPECT_EQ(alle, tage);
  // The short rows let every block share the one page.
  EXPECT_EQ(fDrucker.GetPageCount(), 1);

  // "untereinander": a block per day.
  fStandard.fLUebDruck.Un = true;
  Aufzeichnen(TUebersichtArt::Lehrer);
  int ecken = 0;
  for (int seite = 1; seite <= fDrucker.GetPageCount(); ++seite) {
    for (const QString& t : ZeilenDerSeite(fDrucker, seite)) ecken += t == QStringLiteral("Lehrer");
  }
  EXPECT_EQ(ecken, 7);
}

TEST_F(UebersichtSeiten, AnEmptyListPrintsNothing) {
  TDruckAuftrag auftrag = Auftrag();
  UebersichtFaecherDrucken(fDrucker, auftrag);
  EXPECT_EQ(fDrucker.GetPageCount(), 1);
  TSchule leer;
  TDruckAuftrag ohne{leer, fStandard, {}, 0, {}, {}};
  TPrevPrinter neu(fDialoge, PdfMass(QPageLayout::Landscape));
  UebersichtKombinationDrucken(neu, ohne);
  EXPECT_EQ(neu.GetPageCount(), 0);
}

// The teachers an overview names: its rows, or the first short name of a cell's line.
std::vector<std::string> GezeigteLehrer(const TUebersicht& u) {
  std::vector<std::string> gezeigt;
  const auto merke = [&](const std::string& name) {
    if (Schule().HoleElement(Schule().fLehrerMenge, name) != nullptr &&
        std::find(gezeigt.begin(), gezeigt.end(), name) == gezeigt.end()) {
      gezeigt.push_back(name);
    }
  };
  for (const TUebersichtZeile& z : u.zeilen) {
    merke(z.kopf);
    for (const TUebersichtZelle& zelle : z.zellen) {
      for (const std::string& zeile : zelle.zeilen) merke(zeile.substr(0, zeile.find(' ')));
    }
  }
  return gezeigt;
}

// The five overviews of the demo school as PDF files on landscape A4.
class UebersichtDemo : public SchulTest, public ::testing::WithParamInterface<TUebersichtArt> {
 protected:
  void SetUp() override { ErzeugeDemoSchule(fSchule, fStandard, TDemoGroesse::mittel); }
};

TEST_P(UebersichtDemo, OpensAsPdfWithTheTeachersShortNames) {
  const TUebersichtArt art = GetParam();
  TDruckAuftrag auftrag{fSchule, fStandard, {}, 0, {}, {}};
  TSkriptDialoge dialoge;
  TPrevPrinter drucker(dialoge, PdfMass(QPageLayout::Landscape));
  UebersichtDrucken(art)(drucker, auftrag);
  ASSERT_GE(drucker.GetPageCount(), 1);
  QTemporaryDir ordner;
  const QString pfad = ordner.filePath(QStringLiteral("uebersicht.pdf"));
  {
    auto pdf = PdfDrucker(pfad, QPageLayout::Landscape, drucker.Title());
    ASSERT_TRUE(drucker.PrintIt(*pdf));
  }
  EXPECT_EQ(PdfSeiten(pfad), drucker.GetPageCount());
  EXPECT_GT(PdfDunklePunkte(pfad, 1), 0);
  const QString text = PdfText(pfad);
  const std::vector<std::string> lehrer = GezeigteLehrer(UebersichtDaten(art, auftrag));
  EXPECT_GE(lehrer.size(), 5u);
  for (const std::string& l : lehrer) EXPECT_TRUE(text.contains(QtText(l))) << l;
}

INSTANTIATE_TEST_SUITE_P(Alle, UebersichtDemo,
                         ::testing::Values(TUebersichtArt::Lehrer, TUebersichtArt::Klassen,
                                           TUebersichtArt::Raeume, TUebersichtArt::Faecher,
                                           TUebersichtArt::Kombination));

}  // namespace
}  // namespace orbato
