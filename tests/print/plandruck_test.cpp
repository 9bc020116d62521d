#include "print/plandruck.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <algorithm>

#include "model/demo/demoschule.h"
#include "model/elemente/fach.h"
#include "model/elemente/klasse.h"
#include "model/elemente/kopplung.h"
#include "model/elemente/lehrer.h"
#include "model/elemente/raum.h"
#include "model/kurse/kurs.h"
#include "model/schnittstellen/dialoge.h"
#include "model/schnittstellen/uhr.h"
#include "model/schulfixture.h"
#include "pdfwerkzeug.h"
#include "platform/qttext.h"
#include "print/druckauftrag.h"
#include "print/planinhalt.h"
#include "print/planlayout.h"
#include "print/prevprinter.h"
#include "print/seitenkopf.h"
#include "textsammler.h"

namespace orbato {
namespace {

using TZeilen = std::vector<QString>;

TDruckAuftrag Auftrag(const TSchule& schule, const TStandard& standard) {
  return {schule, standard, {}, 0, {}, {}};
}

// Two teachers, two classes, two rooms, two subjects and a coupling in two plan versions. MÜL,
// class teacher of 5a and 5b with room R1, teaches German to 5a and 5b in the coupling REL, on
// Monday in period 1 in R1, fixed. SCH teaches maths to 5b on Tuesday in period 2 in R2 in
// version 1 and on Wednesday in period 3 in version 2.
class PlanDruck : public SchulTest {
 protected:
  void SetUp() override {
    fStandard.SetMaxWocheNeu(2);
    fStandard.fSchulname = "Testschule";
    fSchule.SetUhr(&fUhr);
    fMul = fSchule.HoleLehrer("M\xDCL");
    fMul->fInfo = "M\xFCller";
    fSch = fSchule.HoleLehrer("SCH");
    fK5a = fSchule.HoleKlasse("5a");
    fK5a->fInfo = "Klasse 5a";
    fK5b = fSchule.HoleKlasse("5b");
    fR1 = fSchule.HoleRaum("R1");
    fR1->fInfo = "Bio";
    fR2 = fSchule.HoleRaum("R2");
    fRel = fSchule.HoleKopplung("REL");
    fRel->fInfo = "Religion";
    fMul->fRaum = fR1;
    fK5a->fRaum = fR2;
    fK5a->fLehrer1 = fMul;
    fK5a->fLehrer2 = fSch;
    fK5b->fLehrer2 = fMul;
    fDeutsch = Kurs(fMul, fK5a, 1, fR1, fSchule.HoleFach("D"), fRel);
    fDeutsch->KlasseErgaenzen(fK5b);
    Setze(fDeutsch, 1, 1, 1, fR1)->fFixiert = true;
    fMathe = Kurs(fSch, fK5b, 1, fR2, fSchule.HoleFach("M"));
    Setze(fMathe, 1, 2, 2, fR2);
    Setze(fMathe, 2, 3, 3, fR2);
  }

  // Records a printout on an A4 sheet at 300 dpi.
  TPrevPrinter& Drucke(void (*drucken)(TPrevPrinter&, const TDruckAuftrag&)) {
    drucken(fDrucker, Auftrag(fSchule, fStandard));
    return fDrucker;
  }

  // Every text of every page, in order.
  TZeilen AlleZeilen() const {
    TZeilen alle;
    for (int s = 1; s <= fDrucker.GetPageCount(); ++s) {
      for (const QString& z : ZeilenDerSeite(fDrucker, s)) alle.push_back(z);
    }
    return alle;
  }
  // The texts of the page that begin like a title of one of the elements.
  TZeilen Titel(int seite, const QStringList& anfaenge) const {
    TZeilen titel;
    for (const QString& z : ZeilenDerSeite(fDrucker, seite)) {
      for (const QString& a : anfaenge) {
        if (z.startsWith(a) || z.mid(6).startsWith(a)) titel.push_back(z);
      }
    }
    return titel;
  }
  const TGedruckterText* Text(int seite, const QString& text) {
    fGesammelt = TexteDerSeite(fDrucker, seite);
    auto it = std::find_if(fGesammelt.begin(), fGesammelt.end(),
                           [&](const TGedruckterText& t) { return t.text == text; });
    return it == fGesammelt.end() ? nullptr : &*it;
  }

  TFesteUhr fUhr{46364.5};
  TSkriptDialoge fDialoge;
  TPrevPrinter fDrucker{fDialoge, PdfMass()};
  std::vector<TGedruckterText> fGesammelt;
  TLehrer* fMul = nullptr;
  TLehrer* fSch = nullptr;
  TKlasse* fK5a = nullptr;
  TKlasse* fK5b = nullptr;
  TRaum* fR1 = nullptr;
  TRaum* fR2 = nullptr;
  TKopplung* fRel = nullptr;
  TKurs* fDeutsch = nullptr;
  TKurs* fMathe = nullptr;
};

const QString kMul = QStringLiteral("MÜL   Müller  (R1)  ( 5a 5b )");
const QString kSch = QStringLiteral("SCH     ( 5a )");
const QStringList kLehrer = {QStringLiteral("MÜL"), QStringLiteral("SCH")};

TEST_F(PlanDruck, TitlesNameTheElementItsRoomAndItsClassTeachers) {
  Drucke(LehrerplaeneDrucken);
  ASSERT_EQ(fDrucker.GetPageCount(), 1);
  EXPECT_EQ(fDrucker.Title(), QStringLiteral("Lehrerpläne"));
  const TZeilen zeilen = ZeilenDerSeite(fDrucker, 1);
  ASSERT_GE(zeilen.size(), 4u);
  EXPECT_EQ(zeilen[0], KopfDatum(46364.5) + QStringLiteral("Seite 1"));
  EXPECT_EQ(zeilen[1], QStringLiteral("Ohne Titel   Testschule"));
  EXPECT_EQ(zeilen[2], QStringLiteral("Bemerkung"));
  EXPECT_EQ(zeilen[3], kMul);
  EXPECT_EQ(Titel(1, kLehrer), (TZeilen{kMul, kSch}));

  // The short name takes 14 characters with its blanks, the info fills up to 45.
  TLehrer* lang = fSchule.HoleLehrer("ABCDEFGHIJK");
  lang->fInfo = std::string(31, 'x');
  EXPECT_EQ(LehrerTitel(fSchule, *lang), QStringLiteral("ABCDEFGHIJK   ") + QString(31, 'x'));
  EXPECT_EQ(KlassenTitel(*fK5a), QStringLiteral("5a   Klasse 5a  (R2)  ( MÜL SCH )"));
  EXPECT_EQ(KlassenTitel(*fK5b), QStringLiteral("5b     ( MÜL )"));
  EXPECT_EQ(RaumTitel(*fR1), QStringLiteral("R1   Bio"));
  EXPECT_EQ(KopplungsTitel(*fRel, true), QStringLiteral("REL   Religion"));
  EXPECT_EQ(KopplungsTitel(*fRel, false), QStringLiteral("Religion"));
  EXPECT_EQ(KopplungsTitel(*fSchule.HoleKopplung("ETH"), false), QStringLiteral("ETH   "));
}

TEST_F(PlanDruck, AllVersionsGiveEachTeacherAPlanPerVersionWithItsNumber) {
  fStandard.fLPlnDruck.Versionen = true;
  fStandard.fLPlnDruck.Bem = "";
  Drucke(LehrerplaeneDrucken);
  ASSERT_EQ(fDrucker.GetPageCount(), 1);
  EXPECT_EQ(Titel(1, kLehrer),
            (TZeilen{QStringLiteral(" {1}  ") + kMul, QStringLiteral(" {2}  ") + kMul,
                     QStringLiteral(" {1}  ") + kSch, QStringLiteral(" {2}  ") + kSch}));
  EXPECT_FALSE(SeiteEnthaelt(fDrucker, 1, QStringLiteral("Bemerkung")));

  // One version printed names none, even with the option ticked.
  fStandard.SetMaxWocheNeu(1);
  Drucke(LehrerplaeneDrucken);
  EXPECT_EQ(Titel(1, kLehrer), (TZeilen{kMul, kSch}));
}

TEST_F(PlanDruck, OneSheetPerPlanStartsAPageForEveryPlan) {
  fStandard.fLPlnDruck.EineSeite = true;
  fStandard.fLPlnDruck.Versionen = true;
  Drucke(LehrerplaeneDrucken);
  ASSERT_EQ(fDrucker.GetPageCount(), 4);
  for (int s = 1; s <= 4; ++s) {
    EXPECT_EQ(ZeilenDerSeite(fDrucker, s)[0],
              KopfDatum(46364.5) + QStringLiteral("Seite %1").arg(s));
    EXPECT_EQ(Titel(s, kLehrer).size(), 1u) << s;
  }
  EXPECT_EQ(Titel(4, kLehrer), TZeilen{QStringLiteral(" {2}  ") + kSch});
}

TEST_F(PlanDruck, APlanWiderThanThePageStillPrintsOnePlanPerRow) {
  TDruckEinstellung& e = fStandard.fLPlnDruck;
  e.Font.Groesse = 24;
  e.Neben = true;
  e.Links = true;  // nine periods across
  e.Datum = false;
  fSchule.HoleLehrer("ZZZ");
  Drucke(LehrerplaeneDrucken);
  const QFont schrift = fDrucker.Schrift(QStringLiteral("Arial"), 24);
  fDrucker.SetFont(schrift);
  TPlanSatz satz;
  satz.nebeneinander = true;
  satz.teilTexte = TeilTexte(fSchule, LehrerplanTeile(e));
  satz.plaene.resize(1);
  satz.plaene[0].titel = QStringList{"Bemerkung", kMul};
  const TPlanMasse m = PlanMasse(fDrucker, fStandard, e, satz);
  ASSERT_GT(m.planBreite, fDrucker.PageSize().width() - m.links);
  ASSERT_EQ(m.quer, 1);
  ASSERT_EQ(m.hoch, 2);

  ASSERT_EQ(fDrucker.GetPageCount(), 2);
  const int oberlaenge = QFontMetrics(schrift).ascent();
  const TGedruckterText* mul = Text(1, kMul);
  ASSERT_NE(mul, nullptr);
  EXPECT_NEAR(mul->punkt.x(), m.links, 1);
  EXPECT_NEAR(mul->punkt.y() - oberlaenge, m.oben + 4 * m.zeile, 1);
  const TGedruckterText* sch = Text(1, kSch);
  ASSERT_NE(sch, nullptr);
  EXPECT_NEAR(sch->punkt.x(), m.links, 1);
  EXPECT_NEAR(sch->punkt.y() - oberlaenge, m.oben + 4 * m.zeile + m.planHoehe, 1);
  const TGedruckterText* zzz = Text(2, QStringLiteral("ZZZ   "));
  ASSERT_NE(zzz, nullptr);
  EXPECT_NEAR(zzz->punkt.y() - oberlaenge, m.oben + 4 * m.zeile, 1);
}

TEST_F(PlanDruck, ATeacherUnchangedSinceTheDateIsSkippedUnlessAllPlansAreWanted) {
  fStandard.fLPlnDruck.Alle = false;
  fStandard.fLPlnDruck.Ab = 46000.5;
  fMul->fLetzteAenderung = 46000.75;
  fSch->fLetzteAenderung = 46000.5;
  Drucke(LehrerplaeneDrucken);
  EXPECT_EQ(Titel(1, kLehrer), TZeilen{kMul});
  fStandard.fLPlnDruck.Alle = true;
  Drucke(LehrerplaeneDrucken);
  EXPECT_EQ(Titel(1, kLehrer), (TZeilen{kMul, kSch}));
}

TEST_F(PlanDruck, TheChoiceRestrictsThePlansInListOrder) {
  TDruckAuftrag auftrag = Auftrag(fSchule, fStandard);
  auftrag.auswahl = {fSch, fMul};
  LehrerplaeneDrucken(fDrucker, auftrag);
  EXPECT_EQ(Titel(1, kLehrer), (TZeilen{kMul, kSch}));
  auftrag.auswahl = {fSch};
  LehrerplaeneDrucken(fDrucker, auftrag);
  EXPECT_EQ(Titel(1, kLehrer), TZeilen{kSch});
}

TEST_F(PlanDruck, CoupledLessonsAreBoldAndFixedOnesUnderlined) {
  fStandard.fLPlnDruck.Fett = true;
  Drucke(LehrerplaeneDrucken);
  // With "Kopplung statt Klasse" the coupled course shows its coupling.
  for (const QString& teil : {QStringLiteral("REL"), QStringLiteral("D"), QStringLiteral("R1")}) {
    const TGedruckterText* t = Text(1, teil);
    ASSERT_NE(t, nullptr) << teil.toStdString();
    EXPECT_TRUE(t->font.bold()) << teil.toStdString();
    EXPECT_TRUE(t->font.underline()) << teil.toStdString();
  }
  for (const QString& teil : {QStringLiteral("5b"), QStringLiteral("M"), QStringLiteral("R2")}) {
    const TGedruckterText* t = Text(1, teil);
    ASSERT_NE(t, nullptr) << teil.toStdString();
    EXPECT_FALSE(t->font.bold()) << teil.toStdString();
    EXPECT_FALSE(t->font.underline()) << teil.toStdString();
  }
  EXPECT_EQ(Text(1, QStringLiteral("5a")), nullptr);

  fStandard.fLPlnDruck.Fett = false;
  fStandard.fLPlnDruck.Fix = false;
  fStandard.fLPlnDruck.Statt = false;
  Drucke(LehrerplaeneDrucken);
  const TGedruckterText* klasse = Text(1, QStringLiteral("5a"));
  ASSERT_NE(klasse, nullptr);
  EXPECT_FALSE(klasse->font.bold());
  EXPECT_FALSE(klasse->font.underline());
  EXPECT_EQ(Text(1, QStringLiteral("REL")), nullptr);
}

TEST_F(PlanDruck, PartsAndRangeChooseWhatTheCellsShow) {
  TDruckEinstellung& e = fStandard.fLPlnDruck;
  e.Kl = false;
  e.Ra = false;
  e.Ko = true;
  e.Bem = "";
  e.VonTag = 2;  // Monday's German drops out
  Drucke(LehrerplaeneDrucken);
  const TZeilen zeilen = ZeilenDerSeite(fDrucker, 1);
  EXPECT_EQ(std::count(zeilen.begin(), zeilen.end(), QStringLiteral("Mo")), 0);
  EXPECT_EQ(std::count(zeilen.begin(), zeilen.end(), QStringLiteral("Di")), 2);
  EXPECT_EQ(std::count(zeilen.begin(), zeilen.end(), QStringLiteral("M")), 1);
  EXPECT_EQ(std::count(zeilen.begin(), zeilen.end(), QStringLiteral("D")), 0);
  EXPECT_EQ(std::count(zeilen.begin(), zeilen.end(), QStringLiteral("5b")), 0);
  EXPECT_EQ(std::count(zeilen.begin(), zeilen.end(), QStringLiteral("R2")), 0);
  EXPECT_EQ(std::count(zeilen.begin(), zeilen.end(), QStringLiteral(" 9")), 2);
}

TEST_F(PlanDruck, ClassPlansShowTeachersAndRoomPlansTeachersAndClasses) {
  fStandard.fKPlnDruck.Statt = false;
  Drucke(KlassenplaeneDrucken);
  EXPECT_EQ(fDrucker.Title(), QStringLiteral("Klassenpläne"));
  TZeilen zeilen = ZeilenDerSeite(fDrucker, 1);
  const auto nach = [&](const QString& titel) {
    return std::find(zeilen.begin(), zeilen.end(), titel);
  };
  const auto k5a = nach(QStringLiteral("5a   Klasse 5a  (R2)  ( MÜL SCH )"));
  const auto k5b = nach(QStringLiteral("5b     ( MÜL )"));
  ASSERT_NE(k5a, zeilen.end());
  ASSERT_NE(k5b, zeilen.end());
  EXPECT_EQ(std::count(k5a, k5b, QStringLiteral("MÜL")), 1);
  EXPECT_EQ(std::count(k5a, k5b, QStringLiteral("SCH")), 0);
  EXPECT_EQ(std::count(k5b, zeilen.end(), QStringLiteral("MÜL")), 1);
  EXPECT_EQ(std::count(k5b, zeilen.end(), QStringLiteral("SCH")), 1);

  fStandard.fRPlnDruck.Statt = false;
  fStandard.fRPlnDruck.Bem = "";
  Drucke(RaumplaeneDrucken);
  zeilen = ZeilenDerSeite(fDrucker, 1);
  const auto r1 = nach(QStringLiteral("R1   Bio"));
  const auto r2 = nach(QStringLiteral("R2   "));
  ASSERT_NE(r1, zeilen.end());
  ASSERT_NE(r2, zeilen.end());
  EXPECT_EQ(TZeilen(r1 + 1, r2).size(), 14u + 3u);  // labels, then class, subject, teacher
  EXPECT_EQ(TZeilen(r2 - 3, r2), (TZeilen{"5a", "D", "MÜL"}));
  EXPECT_EQ(TZeilen(zeilen.end() - 3, zeilen.end()), (TZeilen{"5b", "M", "SCH"}));

  // The coupling takes the place of the class alone.
  fStandard.fRPlnDruck.Statt = true;
  Drucke(RaumplaeneDrucken);
  zeilen = ZeilenDerSeite(fDrucker, 1);
  const auto r2statt = nach(QStringLiteral("R2   "));
  ASSERT_NE(r2statt, zeilen.end());
  EXPECT_EQ(TZeilen(r2statt - 3, r2statt), (TZeilen{"REL", "D", "MÜL"}));
}

TEST_F(PlanDruck, CouplingPlansListTheTeachersOrClassesOfTheCoupledCourses) {
  TKurs* ev = Kurs(fSch, fK5b, 1, fR2, fSchule.HoleFach("EV"), fRel);
  Setze(ev, 1, 1, 1, fR2);
  fStandard.fKoLePlnDruck.Bem = "";
  Drucke(KopplungsplaeneLehrerDrucken);
  EXPECT_EQ(fDrucker.Title(), QStringLiteral("Kopplungspläne für Lehrer"));
  TZeilen zeilen = ZeilenDerSeite(fDrucker, 1);
  ASSERT_EQ(zeilen[2], QStringLiteral("REL   Religion"));
  EXPECT_EQ(TZeilen(zeilen.end() - 2, zeilen.end()), (TZeilen{"MÜL", "SCH"}));
  EXPECT_TRUE(Text(1, QStringLiteral("MÜL"))->font.underline());
  EXPECT_FALSE(Text(1, QStringLiteral("MÜL"))->font.bold());

  fStandard.fKoKlPlnDruck.Bem = "";
  fStandard.fKoKlPlnDruck.MitKuerzel = false;
  fStandard.fKoKlPlnDruck.Fett = true;
  Drucke(KopplungsplaeneKlassenDrucken);
  zeilen = ZeilenDerSeite(fDrucker, 1);
  ASSERT_EQ(zeilen[2], QStringLiteral("Religion"));
  EXPECT_EQ(TZeilen(zeilen.end() - 2, zeilen.end()), (TZeilen{"5a", "5b"}));
  EXPECT_TRUE(Text(1, QStringLiteral("5b"))->font.bold());

  // Chosen for SCH alone, and then for a teacher outside the coupling.
  TDruckAuftrag auftrag = Auftrag(fSchule, fStandard);
  auftrag.auswahl = {fSch};
  KopplungsplaeneLehrerDrucken(fDrucker, auftrag);
  EXPECT_TRUE(SeiteEnthaelt(fDrucker, 1, QStringLiteral("REL   Religion")));
  auftrag.auswahl = {fSchule.HoleLehrer("NEU")};
  KopplungsplaeneLehrerDrucken(fDrucker, auftrag);
  EXPECT_FALSE(SeiteEnthaelt(fDrucker, 1, QStringLiteral("REL   Religion")));
}

TEST_F(PlanDruck, AnEmptyListRecordsNothing) {
  TSchule leer;
  TPrevPrinter drucker(fDialoge, PdfMass());
  RaumplaeneDrucken(drucker, Auftrag(leer, fStandard));
  EXPECT_EQ(drucker.GetPageCount(), 0);
}

// The widest text with half a blank either side, as the cells take it.
template <class T>
int Breiteste(const TPrevPrinter& d, const TListe<T>& menge, int breite = 0) {
  for (const T* e : menge) {
    breite = std::max(breite, d.TextWidth(QtText(e->fKuerzel.str()) + QStringLiteral(" ")));
  }
  return breite;
}

using PlanDruckDemo = SchulTest;

TEST_F(PlanDruckDemo, TheTeacherPlansFillThePagesTheLayoutPredicts) {
  TSchule& demo = fSchule;
  TStandard& standard = fStandard;
  ErzeugeDemoSchule(demo, standard, TDemoGroesse::mittel);
  const TDruckEinstellung& e = standard.fLPlnDruck;
  TSkriptDialoge dialoge;
  TPrevPrinter drucker(dialoge, PdfMass());
  drucker.SetFont(drucker.Schrift(QtText(e.Font.Name), e.Font.Groesse));

  // Stacked class (or coupling), subject and room, periods down the left.
  const int zeile = drucker.TextHeight();
  int zelle = Breiteste(drucker, demo.fKopplMenge, Breiteste(drucker, demo.fKlassenMenge));
  zelle =
      std::max({zelle, Breiteste(drucker, demo.fFachMenge), Breiteste(drucker, demo.fRaumMenge)});
  int links = 0;
  for (int s = 0; s < 9; ++s) {
    zelle = std::max(zelle, s < 5 ? drucker.TextWidth(QtText(standard.fTagBez[s].str()) + " ") : 0);
    links = std::max(
        links,
        drucker.TextWidth(QtText(standard.fStdBez[standard.fAktuelleWoche - 1][s].str()) + " "));
  }
  const int breite = links + 5 * zelle + 50;
  const int hoehe = 2 * zeile + (zeile + 20) + 9 * (3 * zeile + 20) + zeile;
  const int rand = drucker.XInch(1 / 2.54);
  const int quer = (drucker.PageSize().width() - rand) / breite;
  const int hoch = (drucker.PageSize().height() - drucker.YInch(1 / 2.54) - 3 * zeile) / hoehe;
  ASSERT_GE(quer, 1);
  ASSERT_GE(hoch, 1);
  const int lehrer = demo.fLehrerMenge.ListeZahlElemente();
  const int seiten = (lehrer + quer * hoch - 1) / (quer * hoch);

  LehrerplaeneDrucken(drucker, Auftrag(demo, standard));
  ASSERT_EQ(drucker.GetPageCount(), seiten);
  QTemporaryDir ordner;
  const QString pfad = ordner.filePath(QStringLiteral("lehrer.pdf"));
  auto pdf = PdfDrucker(pfad, QPageLayout::Portrait, drucker.Title());
  ASSERT_TRUE(drucker.PrintIt(*pdf));
  pdf.reset();
  EXPECT_EQ(PdfSeiten(pfad), seiten);
  const QString text = PdfText(pfad);
  for (const TLehrer* l : demo.fLehrerMenge) {
    EXPECT_TRUE(text.contains(QtText(l->fKuerzel.str()))) << l->fKuerzel.str();
  }
  for (int s = 1; s <= seiten; ++s) EXPECT_GT(PdfDunklePunkte(pfad, s), 1000) << s;
}

}  // namespace
}  // namespace orbato
