#include "print/druckarten.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <set>
#include <string>

#include "model/basis/datum.h"
#include "model/demo/demoschule.h"
#include "model/schnittstellen/dialoge.h"
#include "model/schulfixture.h"
#include "pdfwerkzeug.h"
#include "print/druckauftrag.h"
#include "print/druckermass.h"
#include "print/prevprinter.h"

namespace orbato {
namespace {

TEST(DruckArten, NameEveryEntryOfThePrintMenuOnceInMenuOrder) {
  std::vector<std::string> namen;
  for (const TDruckArt& art : DruckArten()) namen.push_back(art.name);
  EXPECT_EQ(namen, (std::vector<std::string>{"kuerzel",
                                             "deputate",
                                             "lehrerplaene",
                                             "klassenplaene",
                                             "raumplaene",
                                             "kopplungsplaene-lehrer",
                                             "kopplungsplaene-klassen",
                                             "uebersicht-lehrer",
                                             "uebersicht-klassen",
                                             "uebersicht-raeume",
                                             "uebersicht-faecher",
                                             "uebersicht-kombination",
                                             "reststunden",
                                             "stundenverteilung",
                                             "fachkonferenzen",
                                             "klassenkonferenzen",
                                             "vertretungsplan",
                                             "vertretungsstunden",
                                             "vertretungsuebersicht-lehrer",
                                             "vertretungsuebersicht-klassen"}));
  EXPECT_EQ(DruckArt("raumplaene")->eintrag, std::string("Raumpläne..."));
  EXPECT_EQ(DruckArt("Raumplaene"), nullptr);
  EXPECT_EQ(DruckArt(""), nullptr);
}

// Every printout of the demo school, recorded and written as PDF.
class JedeDruckArt : public SchulTest, public ::testing::WithParamInterface<TDruckArt> {
 protected:
  void SetUp() override { ErzeugeDemoSchule(fSchule, fStandard, TDemoGroesse::mittel); }
};

TEST_P(JedeDruckArt, GivesPdfPagesThatOpenAndAreNotBlank) {
  const TDruckArt& art = GetParam();
  TDruckAuftrag auftrag{fSchule, fStandard, {}, *KodiereDatum(2026, 12, 10) + 0.5, {1}, {}};
  TSkriptDialoge dialoge;
  TPrevPrinter drucker(dialoge, PdfMass(art.ausrichtung));
  art.aufzeichnen(drucker, auftrag);
  ASSERT_GE(drucker.GetPageCount(), 1) << art.name;
  EXPECT_TRUE(drucker.Fertig()) << art.name;
  EXPECT_FALSE(dialoge.MeldungOffen()) << art.name;

  QTemporaryDir ordner;
  const QString pfad = ordner.filePath(QStringLiteral("druck.pdf"));
  {
    auto pdf = PdfDrucker(pfad, art.ausrichtung, drucker.Title());
    ASSERT_TRUE(drucker.PrintIt(*pdf)) << art.name;
  }
  EXPECT_EQ(PdfSeiten(pfad), drucker.GetPageCount()) << art.name;
  EXPECT_GT(PdfDunklePunkte(pfad, 1), 0) << art.name;
  EXPECT_GT(PdfDunklePunkte(pfad, drucker.GetPageCount()), 0) << art.name;
}

INSTANTIATE_TEST_SUITE_P(Demo, JedeDruckArt, ::testing::ValuesIn(DruckArten()),
                         [](const ::testing::TestParamInfo<TDruckArt>& fall) {
                           std::string name = fall.param.name;
                           for (char& c : name) {
                             if (c == '-') c = '_';
                           }
                           return name;
                         });

}  // namespace
}  // namespace orbato
