#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "app/kommandolauf.h"
#include "app/orbato/plankommandos.h"
#include "substitution/vertretungsfixture.h"
#include "testordner.h"

namespace orbato {
namespace {

// The school of the substitution tests, saved with MUE absent in Wednesday's second period and
// KOC, who teaches nothing, as his substitute.
class IcalKommandoTest : public VertretungsTest {
 protected:
  void SetUp() override {
    Fehlt(leh, fMue, Dez(9), "-+");
    ASSERT_TRUE(fMatheMi->VertretungFinden(Dez(9))->TrageLehrerEin(fKoc));
    Sichere(fSchule, Pfad());
  }
  std::string Pfad() const { return (fOrdner.Pfad() / "plan.orb").string(); }
  std::string Ziel() const { return (fOrdner.Pfad() / "kalender").string(); }
  TErgebnis Export(std::vector<std::string> mehr) const {
    std::vector<std::string> worte = {"export",  "ical",       Pfad(),  Ziel(),
                                      "--heute", "2026-12-07", "--set", "Tevi1/mtn=5"};
    worte.insert(worte.end(), mehr.begin(), mehr.end());
    return Orbato(worte);
  }

  TTestOrdner fOrdner{"ical"};
};

TEST_F(IcalKommandoTest, ARangeIsNeededInDays) {
  const TErgebnis ohne = Export({"--von", "2026-12-07"});
  EXPECT_EQ(ohne.status, 2);
  EXPECT_EQ(ohne.fehler.substr(0, ohne.fehler.find('\n')), "orbato: ical braucht --von und --bis");
  const TErgebnis falsch = Export({"--von", "2026-12-07", "--bis", "11.12.2026"});
  EXPECT_EQ(falsch.status, 2);
  EXPECT_EQ(falsch.fehler.substr(0, falsch.fehler.find('\n')),
            "orbato: --bis erwartet JJJJ-MM-TT: 11.12.2026");
}

#ifdef ORBATO_MIT_LIBICAL
std::size_t Anzahl(const std::string& text, const std::string& teil) {
  std::size_t n = 0;
  for (auto i = text.find(teil); i != std::string::npos; i = text.find(teil, i + 1)) ++n;
  return n;
}

// One file per teacher; the absent teacher's lesson is cancelled in his calendar and given in
// the substitute's.
TEST_F(IcalKommandoTest, WritesOneCalendarPerTeacherWithTheSubstitution) {
  const TErgebnis e = Export({"--von", "2026-12-07", "--bis", "2026-12-11", "--lehrer"});
  EXPECT_EQ(e.fehler, "");
  EXPECT_EQ(e.status, 0);
  std::vector<std::string> dateien;
  for (const auto& d : std::filesystem::directory_iterator(Ziel())) {
    dateien.push_back(d.path().filename().string());
  }
  std::sort(dateien.begin(), dateien.end());
  EXPECT_EQ(dateien, (std::vector<std::string>{"Lehrer_KOC.ics", "Lehrer_MEI.ics", "Lehrer_MUE.ics",
                                               "Lehrer_SCH.ics"}));
  const std::string koc = LiesDatei(std::filesystem::path(Ziel()) / "Lehrer_KOC.ics");
  EXPECT_EQ(Anzahl(koc, "BEGIN:VEVENT"), 1u);
  EXPECT_NE(koc.find("DTSTART:20261209T085000\r\nDTEND:20261209T093500\r\nSUMMARY:M 5a\r\n"
                     "LOCATION:R1\r\nDESCRIPTION:Vertretung für MUE\r\nSTATUS:CONFIRMED\r\n"),
            std::string::npos);
  const std::string mue = LiesDatei(std::filesystem::path(Ziel()) / "Lehrer_MUE.ics");
  EXPECT_EQ(Anzahl(mue, "BEGIN:VEVENT"), 3u);
  EXPECT_EQ(Anzahl(mue, "STATUS:CANCELLED"), 1u);
  EXPECT_NE(mue.find("UID:20261209-2-L-MUE-MUE.M.5a@orbato\r\nDTSTAMP:20261207T120000Z\r\n"),
            std::string::npos);
}
#else
// Without libical the command says so and writes nothing.
TEST_F(IcalKommandoTest, ABuildWithoutLibicalSaysTheExportIsMissing) {
  const TErgebnis e = Export({"--von", "2026-12-07", "--bis", "2026-12-11"});
  EXPECT_EQ(e.status, 1);
  EXPECT_EQ(e.fehler,
            "Der Kalenderexport (iCal) ist in dieser Ausgabe nicht enthalten: sie wurde "
            "ohne libical gebaut.\n");
  EXPECT_FALSE(std::filesystem::exists(Ziel()));
}
#endif

}  // namespace
}  // namespace orbato
