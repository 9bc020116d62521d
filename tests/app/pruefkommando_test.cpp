#include <gtest/gtest.h>

#include "app/kommandolauf.h"
#include "testordner.h"

namespace orbato {
namespace {

const std::string kDaten = ORBATO_TESTDATEN;

// The checks named run in menu order, whatever order they are given in: every line of the error
// window first, then one result line per check.
TEST(PruefKommandoTest, PrintsTheFindingsThenOneResultPerCheck) {
  const TErgebnis e = Orbato({"pruefen", kDaten + "/alle_saetze.orb", "--test", "stunden", "--test",
                              "raeume", "--heute", "2026-12-08"});
  EXPECT_EQ(e.status, 0);
  EXPECT_EQ(e.aus,
            "Der Kurs MÜL D 5a hat {2} Mi  1 keinen Raum.\n"
            "Im Kurs {1} E sind 1 Stunden noch nicht gesetzt.\n"
            "Im Kurs {1} MÜL D 5a sind 3 Stunden noch nicht gesetzt.\n"
            "Im Kurs {2} MÜL D 5a sind 3 Stunden noch nicht gesetzt.\n"
            "Im Kurs {1} BRA KR 5a REL5 sind 1 Stunden noch nicht gesetzt.\n"
            "Im Kurs {2} BRA KR 5a REL5 sind 2 Stunden noch nicht gesetzt.\n"
            "Beim Prüfen der Daten wurden kleinere Fehler gefunden.\n"
            "Beim Prüfen der Daten wurden kleinere Fehler gefunden.\n");
  EXPECT_EQ(e.fehler, "");
}

// With --aus the document the consistency check repaired is saved; an unknown check is wrong
// usage.
TEST(PruefKommandoTest, SavesTheRepairedDocumentAndRefusesUnknownChecks) {
  TTestOrdner ordner("pruefen");
  const std::string aus = (ordner / "geprueft.orb").string();
  const TErgebnis e = Orbato({"pruefen", kDaten + "/alle_saetze.orb", "--test", "konsistenz",
                              "--aus", aus, "--heute", "2026-12-08"});
  EXPECT_EQ(e.status, 0);
  EXPECT_EQ(e.aus, "Beim Prüfen der Daten wurden keine Fehler gefunden.\n");
  EXPECT_EQ(Orbato({"info", aus}).status, 0);

  const TErgebnis falsch = Orbato({"pruefen", kDaten + "/alle_saetze.orb", "--test", "alles"});
  EXPECT_EQ(falsch.status, 2);
  EXPECT_TRUE(
      falsch.fehler.starts_with("orbato: --test erwartet konsistenz, bruecken, raeume, "
                                "stunden, versionen, kopplungen oder einzel: alles\n"));
}

}  // namespace
}  // namespace orbato
