#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/kommandolauf.h"
#include "app/orbato/plankommandos.h"
#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "model/vertretung/fehl.h"
#include "testordner.h"

namespace orbato {
namespace {

// Monday, 3 March 2025 is day 45719.
class FehltKommandoTest : public ::testing::Test {
 protected:
  FehltKommandoTest() {
    TStandard standard;
    TStandardEinsetzen standardEingesetzt(standard);
    TSchule schule;
    TSchuleEinsetzen schuleEingesetzt(schule);
    TLehrer* mue = schule.HoleLehrer("M\xDC");
    schule.HoleLehrer("AB");
    schule.HoleKlasse("5a");
    schule.HoleRaum("R1");
    auto* f = new TFehl;
    f->SetElement(mue);
    f->SetDatum(45720.5);
    f->SetZeit(0x0001);
    f->SetHilfe(0x0001);
    f->SetGrund("K");
    schule.fFehlLehrerMenge.ListeAnhaengen(f);
    Sichere(schule, fEin);
  }

  TErgebnis Fehlt(std::vector<std::string> worte) {
    worte.insert(worte.begin(), {"fehlt", fEin, fAus});
    worte.insert(worte.end(), {"--heute", "2025-03-01", "--set", "Tevi1/mtn=5"});
    return Orbato(worte);
  }
  // One list of `orbato info` on one line: "[{"datum": 45719.50,"element": …}]".
  std::string Abwesenheiten(const std::string& name) {
    const TErgebnis info = Orbato({"info", fAus, "--heute", "2025-03-01"});
    EXPECT_EQ(info.status, 0) << info.fehler;
    const std::size_t anfang = info.aus.find("\"" + name + "\": [");
    if (anfang == std::string::npos) return "fehlt";
    std::size_t ende = info.aus.find('[', anfang);
    for (int tiefe = 0; ende < info.aus.size(); ++ende) {
      tiefe += info.aus[ende] == '[' ? 1 : info.aus[ende] == ']' ? -1 : 0;
      if (tiefe == 0) break;
    }
    std::string zeile;
    bool einzug = false;
    for (const char c :
         info.aus.substr(anfang + name.size() + 4, ende - anfang - name.size() - 3)) {
      einzug = c == '\n' || (einzug && c == ' ');
      if (!einzug) zeile += c;
    }
    return zeile;
  }

  TTestOrdner fOrdner{"fehlt"};
  const std::string fEin = (fOrdner / "ein.orb").string();
  const std::string fAus = (fOrdner / "aus.orb").string();
};

TEST_F(FehltKommandoTest, RecordsTheAbsenceAsTheWindowsOkDoes) {
  const TErgebnis e = Fehlt({"2025-03-03", "lehrer", "MÜ", "1-3"});
  EXPECT_EQ(e.status, 0) << e.fehler;
  EXPECT_EQ(e.aus, "");
  EXPECT_EQ(e.fehler, "");
  EXPECT_EQ(Abwesenheiten("fehlLehrer"),
            "[{\"datum\": 45719.50,\"element\": \"MÜ\",\"zeit\": 57344,\"grund\": \"-\"},"
            "{\"datum\": 45720.50,\"element\": \"MÜ\",\"zeit\": 1,\"grund\": \"K\"}]");
  EXPECT_EQ(Abwesenheiten("fehlKlassen"), "[]");
}

TEST_F(FehltKommandoTest, AnExistingAbsenceIsChangedOrClearedInItsRow) {
  const TErgebnis e = Fehlt({"2025-03-04", "lehrer", "MÜ", "16,2", "--grund", "D"});
  EXPECT_EQ(e.status, 0) << e.fehler;
  EXPECT_EQ(Abwesenheiten("fehlLehrer"),
            "[{\"datum\": 45720.50,\"element\": \"MÜ\",\"zeit\": 16385,\"grund\": \"D\"}]");
  EXPECT_EQ(Fehlt({"2025-03-04", "lehrer", "MÜ", "keine"}).status, 0);
  EXPECT_EQ(Abwesenheiten("fehlLehrer"), "[]");
}

TEST_F(FehltKommandoTest, BisEntersTheFollowingSchoolDaysFirst) {
  const TErgebnis e =
      Fehlt({"2025-03-06", "klasse", "5a", "1,3,6-8", "--grund", "K", "--bis", "2025-03-10"});
  EXPECT_EQ(e.status, 0) << e.fehler;
  // The long absence appends Friday and Monday; "Ok" then sorts Thursday in before them.
  EXPECT_EQ(Abwesenheiten("fehlKlassen"),
            "[{\"datum\": 45722.50,\"element\": \"5a\",\"zeit\": 42752,\"grund\": \"K\"},"
            "{\"datum\": 45723.50,\"element\": \"5a\",\"zeit\": 42752,\"grund\": \"K\"},"
            "{\"datum\": 45726.50,\"element\": \"5a\",\"zeit\": 42752,\"grund\": \"K\"}]");
}

TEST_F(FehltKommandoTest, RefusesWhatTheWindowCouldNotBeAskedFor) {
  struct Fall {
    std::vector<std::string> worte;
    int status;
    std::string meldung;
  };
  const std::vector<Fall> faelle = {
      {{"2025-03-03", "raum", "R9", "1"}, 1, "Kein Raum mit dem Kürzel R9.\n"},
      {{"2025-03-03", "lehrer", "5a", "1"}, 1, "Kein Lehrer mit dem Kürzel 5a.\n"},
      {{"2025-02-30", "raum", "R1", "1"}, 2, "orbato: DATUM erwartet JJJJ-MM-TT: 2025-02-30\n"},
      {{"3.3.2025", "raum", "R1", "1"}, 2, "orbato: DATUM erwartet JJJJ-MM-TT: 3.3.2025\n"},
      {{"2025-03-03", "schueler", "R1", "1"},
       2,
       "orbato: ART erwartet lehrer, klasse oder raum: schueler\n"},
      {{"2025-03-03", "raum", "R1", "1-"},
       2,
       "orbato: STUNDEN erwartet Stunden wie 3, 1-4, 1,3,6-8 oder keine: 1-\n"},
      {{"2025-03-03", "raum", "R1", "4-2"},
       2,
       "orbato: STUNDEN erwartet Stunden wie 3, 1-4, 1,3,6-8 oder keine: 4-2\n"},
      {{"2025-03-03", "raum", "R1", "1,,3"},
       2,
       "orbato: STUNDEN erwartet Stunden wie 3, 1-4, 1,3,6-8 oder keine: 1,,3\n"},
      {{"2025-03-03", "raum", "R1", "0,3"}, 2, "orbato: die Stunden reichen von 1 bis 16: 0,3\n"},
      {{"2025-03-03", "raum", "R1", "15-17"},
       2,
       "orbato: die Stunden reichen von 1 bis 16: 15-17\n"},
      {{"2025-03-03", "raum", "R1", "1", "--bis", "2025-03-02"},
       2,
       "orbato: --bis liegt vor DATUM: 2025-03-02\n"},
      {{"2025-03-03", "raum", "R1", "1", "--bis", "morgen"},
       2,
       "orbato: --bis erwartet JJJJ-MM-TT: morgen\n"},
      {{"2025-03-03", "raum", "R1", "1", "--grund", "KR"},
       2,
       "orbato: --grund erwartet ein Zeichen: KR\n"},
  };
  for (const Fall& fall : faelle) {
    const TErgebnis e = Fehlt(fall.worte);
    EXPECT_EQ(e.status, fall.status) << fall.worte[3];
    EXPECT_EQ(e.fehler.substr(0, e.fehler.find('\n') + 1), fall.meldung);
    EXPECT_FALSE(std::filesystem::exists(fAus)) << fall.worte[3];
  }
}

}  // namespace
}  // namespace orbato
