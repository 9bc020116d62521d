#include <gtest/gtest.h>

#include <string>

#include "app/kommandolauf.h"
#include "app/orbato/plankommandos.h"
#include "model/dokument/schule.h"
#include "model/elemente/klasse.h"
#include "model/elemente/lehrer.h"
#include "model/kurse/kurs.h"
#include "model/kurse/setzung.h"
#include "testordner.h"

namespace orbato {
namespace {

class QualitaetKommandoTest : public ::testing::Test {
 protected:
  // Müller teaches maths in 5a on Monday in periods 1, 2 and 5 and wishes a free day; 5a is
  // blocked in period 3, Müller is not.
  QualitaetKommandoTest() {
    TStandard standard;
    TStandardEinsetzen standardEingesetzt(standard);
    TSchule schule;
    TSchuleEinsetzen schuleEingesetzt(schule);
    TLehrer* lehrer = schule.HoleLehrer("M\xDCL");
    lehrer->fFreierTag = true;
    TKlasse* klasse = schule.HoleKlasse("5a");
    klasse->fSperrung.SetWocheTagStd(1, 1, true, 3);
    auto* kurs = new TKurs;
    kurs->IKurs(lehrer, klasse, 4, nullptr, schule.HoleFach("M"), nullptr);
    kurs->fStdProTag = 3;
    for (int32_t std : {1, 2, 5}) kurs->SetzungAufnehmen(new TSetzung(1, 1, std, nullptr));
    Sichere(schule, fEin);
  }

  TTestOrdner fOrdner{"qualitaet"};
  const std::string fEin = (fOrdner / "ein.orb").string();
};

TEST_F(QualitaetKommandoTest, PrintsTheFiguresOfTheCurrentVersionAsJson) {
  const TErgebnis e = Orbato({"qualitaet", fEin});
  EXPECT_EQ(e.status, 0) << e.fehler;
  EXPECT_EQ(e.fehler, "");
  EXPECT_EQ(e.aus, R"({
  "woche": 1,
  "stundenSoll": 4,
  "stundenGesetzt": 3,
  "klassenLuecken": {
    "summe": 1,
    "klassen": 1,
    "schlechteste": {
      "kuerzel": "5a",
      "luecken": 1
    }
  },
  "lehrerLuecken": {
    "summe": 2,
    "schlechteste": {
      "kuerzel": "MÜL",
      "luecken": 2
    },
    "ueberGrenze": 0
  },
  "fachDoppeltTage": 1,
  "lehrerTageUeberMax": 0,
  "lehrerTageUnterMin": 0,
  "freierTagGewuenscht": 1,
  "freierTagErfuellt": 1,
  "unverbundeneBloecke": 0,
  "harteVerletzungen": 0
}
)");
  EXPECT_EQ(Orbato({"qualitaet", fEin, "--woche", "1"}).aus, e.aus);
}

TEST_F(QualitaetKommandoTest, RefusesWrongUsageAndMissingFiles) {
  EXPECT_EQ(Orbato({"qualitaet"}).status, 2);
  EXPECT_EQ(Orbato({"qualitaet", fEin, "--woche"}).status, 2);
  const TErgebnis null = Orbato({"qualitaet", fEin, "--woche", "0"});
  EXPECT_EQ(null.status, 2);
  EXPECT_TRUE(null.fehler.starts_with("orbato: --woche erwartet eine Versionsnummer: 0\n"))
      << null.fehler;
  const TErgebnis zwei = Orbato({"qualitaet", fEin, "--woche", "2"});
  EXPECT_EQ(zwei.status, 2);
  EXPECT_TRUE(zwei.fehler.starts_with("orbato: --woche erwartet eine Zahl von 1 bis 1: 2\n"))
      << zwei.fehler;
  EXPECT_EQ(zwei.aus, "");
  const std::string pfad = (fOrdner / "fehlt.orb").string();
  const TErgebnis fehlt = Orbato({"qualitaet", pfad});
  EXPECT_EQ(fehlt.status, 1);
  EXPECT_EQ(fehlt.aus, "");
  EXPECT_EQ(fehlt.fehler, "Datei " + pfad +
                              " kann nicht geöffnet werden. Das System kann die angegebene Datei "
                              "nicht finden.\n");
  EXPECT_NE(Orbato({"--help"}).aus.find("\n  qualitaet EIN.orb [--woche N]  "), std::string::npos);
}

}  // namespace
}  // namespace orbato
