#include "app/orbato/druckkommando.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QString>
#include <filesystem>
#include <sstream>

#include "app/orbato/kommandozeile.h"
#include "app/orbato/plankommandos.h"
#include "model/demo/demoschule.h"
#include "model/elemente/lehrer.h"
#include "model/schulfixture.h"
#include "pdfwerkzeug.h"
#include "platform/qttext.h"
#include "testordner.h"

namespace orbato {
namespace {

struct TDruckLauf {
  int status;
  std::string aus, fehler;
};

// `orbato drucken` in-process, with the defaults of the settings and a fixed today.
TDruckLauf Drucken(std::vector<std::string> worte) {
  worte.insert(worte.begin(), "drucken");
  worte.insert(worte.end(), {"--einstellungen", "/nonexistent.ini", "--heute", "2026-12-10"});
  std::ostringstream aus, fehler;
  TKommandoUmgebung umgebung{aus, fehler, {}, DruckKommando};
  const int status = OrbatoAusfuehren(worte, umgebung);
  return {status, aus.str(), fehler.str()};
}

// The small demo school saved as a plan file.
class DruckKommandoTest : public SchulTest {
 protected:
  void SetUp() override {
    ErzeugeDemoSchule(fSchule, fStandard, TDemoGroesse::klein);
    Sichere(fSchule, Plan());
  }
  std::string Plan() const { return (fOrdner / "demo.orb").string(); }
  std::string Pdf() const { return (fOrdner / "druck.pdf").string(); }

  TTestOrdner fOrdner{"druckkommando"};
};

TEST_F(DruckKommandoTest, TeacherPlansGiveTheReportedPagesWithEveryShortName) {
  const TDruckLauf lauf = Drucken({"lehrerplaene", Plan(), Pdf()});
  EXPECT_EQ(lauf.fehler, "");
  ASSERT_EQ(lauf.status, 0);
  EXPECT_EQ(lauf.aus, "Seiten: 2\n");
  const QString pdf = QString::fromStdString(Pdf());
  EXPECT_EQ(PdfSeiten(pdf), 2);
  const QString text = PdfText(pdf);
  ASSERT_EQ(fSchule.fLehrerMenge.ListeZahlElemente(), 12);
  // Each plan's title: the short name, then the teacher's name.
  for (int i = 1; i <= fSchule.fLehrerMenge.ListeZahlElemente(); ++i) {
    const TLehrer* lehrer = fSchule.fLehrerMenge.ListeNrInhalt(i);
    const QString titel = QRegularExpression::escape(QtText(lehrer->fKuerzel.str())) +
                          QStringLiteral("\\s+") +
                          QRegularExpression::escape(QtText(lehrer->fInfo.str()));
    EXPECT_TRUE(text.contains(QRegularExpression(titel))) << lehrer->fKuerzel.str();
  }
}

TEST_F(DruckKommandoTest, OverviewsArePrintedOnLandscapePages) {
  const TDruckLauf lauf = Drucken({"uebersicht-klassen", Plan(), Pdf()});
  ASSERT_EQ(lauf.status, 0) << lauf.fehler;
  const QString pdf = QString::fromStdString(Pdf());
  EXPECT_EQ(lauf.aus, "Seiten: " + std::to_string(PdfSeiten(pdf)) + "\n");
  // Landscape A4: the left half of the page holds the start of a row of classes.
  EXPECT_TRUE(PdfText(pdf, 1).contains(QStringLiteral("5a")));
}

TEST_F(DruckKommandoTest, AnUnknownPrintoutIsWrongUsageNamingTheValidOnes) {
  const TDruckLauf lauf = Drucken({"plaene", Plan(), Pdf()});
  EXPECT_EQ(lauf.status, 2);
  EXPECT_EQ(lauf.aus, "");
  EXPECT_TRUE(lauf.fehler.starts_with(
      "orbato: ART erwartet kuerzel, deputate, lehrerplaene, klassenplaene, raumplaene, "
      "kopplungsplaene-lehrer, kopplungsplaene-klassen, uebersicht-lehrer, uebersicht-klassen, "
      "uebersicht-raeume, uebersicht-faecher, uebersicht-kombination, reststunden, "
      "stundenverteilung, fachkonferenzen, klassenkonferenzen, vertretungsplan, "
      "vertretungsstunden, vertretungsuebersicht-lehrer oder vertretungsuebersicht-klassen: "
      "plaene\n\nAufruf: orbato"))
      << lauf.fehler;
  EXPECT_FALSE(std::filesystem::exists(Pdf()));
}

TEST_F(DruckKommandoTest, AWrongDateIsWrongUsage) {
  const TDruckLauf lauf = Drucken({"vertretungsplan", Plan(), Pdf(), "--datum", "10.12.2026"});
  EXPECT_EQ(lauf.status, 2);
  EXPECT_TRUE(lauf.fehler.starts_with("orbato: --datum erwartet JJJJ-MM-TT: 10.12.2026\n"))
      << lauf.fehler;
  EXPECT_FALSE(std::filesystem::exists(Pdf()));
}

TEST_F(DruckKommandoTest, AFolderWhereThePdfShouldBeEndsWithStatusOne) {
  const std::string ordner = fOrdner.Pfad().string();
  const TDruckLauf lauf = Drucken({"kuerzel", Plan(), ordner});
  EXPECT_EQ(lauf.status, 1);
  EXPECT_EQ(lauf.aus, "");
  EXPECT_EQ(lauf.fehler, "Die Datei " + ordner + " kann nicht geschrieben werden.\n");
}

TEST_F(DruckKommandoTest, AMissingPlanFileEndsWithTheFileMessage) {
  const std::string fehlt = (fOrdner / "fehlt.orb").string();
  const TDruckLauf lauf = Drucken({"kuerzel", fehlt, Pdf()});
  EXPECT_EQ(lauf.status, 1);
  EXPECT_NE(lauf.fehler.find(fehlt), std::string::npos) << lauf.fehler;
  EXPECT_FALSE(std::filesystem::exists(Pdf()));
}

}  // namespace
}  // namespace orbato
