#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/kommandolauf.h"
#include "app/orbato/plankommandos.h"
#include "model/dokument/schule.h"
#include "model/schnittstellen/dialoge.h"
#include "model/schnittstellen/uhr.h"
#include "persist/plandatei.h"
#include "testordner.h"

namespace orbato {
namespace {

class KompKommandoTest : public ::testing::Test {
 protected:
  // 5a on Monday and Tuesday: its Monday gap could be filled only by Tuesday's last hour of a
  // course that is on Monday already. 6a on Monday: periods 1 and 2 free before two lessons.
  KompKommandoTest() {
    TStandard standard;
    TStandardEinsetzen standardEingesetzt(standard);
    TSchule schule;
    TSchuleEinsetzen schuleEingesetzt(schule);
    TKlasse* f5a = Klasse(schule, "5a", 2);
    TKlasse* f6a = Klasse(schule, "6a", 1);
    Kurs(f5a, {{1, 1}, {2, 2}}, false);
    Kurs(f5a, {{1, 3}}, true);
    Kurs(f5a, {{2, 1}}, true);
    Kurs(f6a, {{1, 3}}, false);
    Kurs(f6a, {{1, 4}}, false);
    Sichere(schule, fEin);
  }
  static TKlasse* Klasse(TSchule& schule, std::string_view name, int32_t tage) {
    TKlasse* k = schule.HoleKlasse(name);
    for (int32_t tag = tage + 1; tag <= 7; ++tag) k->fSperrung.SetWocheTagStd(0, tag, true, 0);
    return k;
  }
  // A course with its hours placed; `fest` bars it from every other cell.
  static void Kurs(TKlasse* klasse, std::vector<std::pair<int32_t, int32_t>> zellen, bool fest) {
    auto* kurs = new TKurs;
    kurs->IKurs(nullptr, klasse, static_cast<int32_t>(zellen.size()), nullptr, nullptr, nullptr);
    if (fest) kurs->fSperrung.SetWocheTagStd(0, 0, true, 0);
    for (auto [tag, std] : zellen) {
      kurs->SetzungAufnehmen(new TSetzung(1, tag, std, nullptr));
      kurs->fSperrung.SetWocheTagStd(0, tag, false, std);
    }
  }
  // The periods of the hours on Monday and Tuesday, course by course, as the file holds them.
  std::vector<std::vector<std::pair<int32_t, int32_t>>> Stunden(const std::string& pfad) {
    TSkriptDialoge dialoge;
    TFesteUhr uhr(46364.5);
    TStandard standard;
    TStandardEinsetzen standardEingesetzt(standard);
    TGeladenerPlan plan = LadePlan(pfad, dialoge, uhr);
    std::vector<std::vector<std::pair<int32_t, int32_t>>> stunden;
    for (const TKurs* k : plan.schule->fKursMenge) {
      auto& zeile = stunden.emplace_back();
      for (const TSetzung* s : k->fSetzungen) zeile.emplace_back(s->fTag, s->fStunde);
      std::sort(zeile.begin(), zeile.end());
    }
    return stunden;
  }

  TTestOrdner fOrdner{"komprimieren"};
  const std::string fEin = (fOrdner / "ein.orb").string();
  const std::string fAus = (fOrdner / "aus.orb").string();
};

TEST_F(KompKommandoTest, PrintsTheSchoolsGapsBeforeAndAfterAndSaves) {
  const TErgebnis e = Orbato({"komprimieren", fEin, fAus});
  EXPECT_EQ(e.status, 0) << e.fehler;
  EXPECT_EQ(e.aus, "Hohlstunden vorher: 3\nHohlstunden nachher: 1\n");
  EXPECT_EQ(e.fehler, "");
  using S = std::vector<std::pair<int32_t, int32_t>>;
  EXPECT_EQ(Stunden(fAus),
            (std::vector<S>{{{1, 1}, {2, 2}}, {{1, 3}}, {{2, 1}}, {{1, 1}}, {{1, 2}}}));
}

// --bruecken lets Tuesday's hour join its course on Monday, for this run only.
TEST_F(KompKommandoTest, OptionsAllowBridgesAndBrokenBlocksForOneRun) {
  const TErgebnis e = Orbato({"komprimieren", "--bruecken", fEin, fAus, "--mehrfach"});
  EXPECT_EQ(e.status, 0) << e.fehler;
  EXPECT_EQ(e.aus, "Hohlstunden vorher: 3\nHohlstunden nachher: 0\n");
  using S = std::vector<std::pair<int32_t, int32_t>>;
  EXPECT_EQ(Stunden(fAus),
            (std::vector<S>{{{1, 1}, {1, 2}}, {{1, 3}}, {{2, 1}}, {{1, 1}}, {{1, 2}}}));

  const TErgebnis ohne = Orbato({"komprimieren", fEin, fAus});
  EXPECT_EQ(ohne.aus, "Hohlstunden vorher: 3\nHohlstunden nachher: 1\n");
  const TErgebnis gespeichert = Orbato({"komprimieren", fEin, fAus, "--set", "Tevi33/kmpb=1"});
  EXPECT_EQ(gespeichert.aus, "Hohlstunden vorher: 3\nHohlstunden nachher: 0\n");
}

TEST_F(KompKommandoTest, RefusesWrongUsageAndMissingFiles) {
  const TErgebnis kurz = Orbato({"komprimieren", fEin});
  EXPECT_EQ(kurz.status, 2);
  EXPECT_TRUE(kurz.fehler.starts_with("orbato: zu wenige Argumente\n")) << kurz.fehler;
  EXPECT_EQ(Orbato({"komprimieren", fEin, fAus, "--raum"}).status, 2);
  const TErgebnis fehlt = Orbato({"komprimieren", (fOrdner / "fehlt.orb").string(), fAus});
  EXPECT_EQ(fehlt.status, 1);
  EXPECT_EQ(fehlt.aus, "");
  EXPECT_NE(fehlt.fehler, "");
  EXPECT_NE(
      Orbato({"--help"}).aus.find("\n  komprimieren EIN.orb AUS.orb [--bruecken] [--mehrfach]"),
      std::string::npos);
}

}  // namespace
}  // namespace orbato
