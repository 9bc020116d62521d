#include <gtest/gtest.h>

#include "checks/pruefungsfixture.h"

namespace orbato {
namespace {

using Vergleiche = PruefTest;

TEST_F(Vergleiche, OneVersionHasNoVersionDifferences) {
  TLehrer* l = fSchule.HoleLehrer("MUE");
  l->fSperrung.SetWocheTagStd(1, 1, true, 1);
  Setze(Kurs(l, fSchule.HoleKlasse("5a"), 2), 1, 2, 2);
  EXPECT_EQ(VersionsPruefung(fSchule, fFehler), 0);
  EXPECT_TRUE(Fehler().empty());
  EXPECT_EQ(fFehler.Geoeffnet(), 0);
}

TEST_F(Vergleiche, VersionDifferencesByKindInOrder) {
  fStandard.fMaxWocheNeu = 2;
  fStandard.fMaxTageNeu = 5;
  TLehrer* l = fSchule.HoleLehrer("MUE");
  TKlasse* k = fSchule.HoleKlasse("5a");
  TRaum* r = fSchule.HoleRaum("R1");
  TKurs* kurs = Kurs(l, k, 2, r);
  kurs->fStunden.SetWochenStunde(1, 2);
  kurs->fStunden.SetWochenStunde(2, 2);
  Setze(kurs, 1, 1, 1, r);
  Setze(kurs, 2, 1, 1, r);
  l->fSoll.SetWochenStunde(2, 20);
  k->fSperrung.SetWocheTagStd(2, 3, true, 4);
  // Days beyond the week do not count.
  r->fSperrung.SetWocheTagStd(2, 6, true, 1);
  TKurs* zweiter = Kurs(fSchule.HoleLehrer("SCH"), fSchule.HoleKlasse("5b"), 0);
  zweiter->fStunden.SetWochenStunde(1, 1);
  Setze(zweiter, 1, 2, 2);
  EXPECT_EQ(VersionsPruefung(fSchule, fFehler), 1);
  EXPECT_EQ(Fehler(),
            (Zeilen{
                "Bei Lehrer MUE ist die Anzahl der Sollstunden in Planversionen "
                "unterschiedlich.",
                "Bei Lehrer SCH ist die Lage der Stunden in Planversionen unterschiedlich.",
                "Bei Klasse 5a ist die Sperrung in Planversionen unterschiedlich.",
                "Bei Klasse 5b ist die Lage der Stunden in Planversionen unterschiedlich.",
                "Bei Kurs SCH 5b ist die Anzahl der Stunden in Planversionen "
                "unterschiedlich.",
                "Bei Kurs SCH 5b ist die Lage der Stunden in Planversionen unterschiedlich.",
            }));
}

TEST_F(Vergleiche, CoupledCoursesAreListedForEachPropertyThatDiffers) {
  fStandard.fMaxWocheNeu = 2;
  fStandard.fEineWoche = false;
  TKopplung* o = fSchule.HoleKopplung("REL");
  TKurs* a = Kurs(fSchule.HoleLehrer("MUE"), fSchule.HoleKlasse("5a"), 2, nullptr,
                  fSchule.HoleFach("KR"), o);
  TKurs* b = Kurs(fSchule.HoleLehrer("SCH"), fSchule.HoleKlasse("5a"), 2, nullptr,
                  fSchule.HoleFach("ER"), o);
  b->fStunden.SetWochenStunde(2, 3);
  b->fTabellenNr = 3;
  // Agreeing couplings and empty ones say nothing.
  TKopplung* gleich = fSchule.HoleKopplung("SPR");
  Kurs(fSchule.HoleLehrer("ABE"), fSchule.HoleKlasse("6a"), 4, nullptr, nullptr, gleich);
  Kurs(fSchule.HoleLehrer("BER"), fSchule.HoleKlasse("6a"), 4, nullptr, nullptr, gleich);
  fSchule.HoleKopplung("LEER");
  ASSERT_EQ(o->fKurse.ListeNrInhalt(1), a);
  EXPECT_EQ(KopplPruefung(fSchule, fFehler), 1);
  EXPECT_EQ(Fehler(), (Zeilen{
                          "MUE KR 5a REL {1} 2 Wochenstunden.",
                          "MUE KR 5a REL {2} 2 Wochenstunden.",
                          "SCH ER 5a REL {1} 2 Wochenstunden.",
                          "SCH ER 5a REL {2} 3 Wochenstunden.",
                          "MUE KR 5a REL Tabelle 1.",
                          "SCH ER 5a REL Tabelle 3.",
                      }));
  fFehler.Leeren();
  b->fStunden.SetWochenStunde(2, 2);
  b->fTabellenNr = 1;
  b->fStdProTag = 2;
  b->fEinzelStd = 0;
  EXPECT_EQ(KopplPruefung(fSchule, fFehler), 1);
  EXPECT_EQ(Fehler(), (Zeilen{
                          "MUE KR 5a REL 1 Stunden pro Tag.",
                          "SCH ER 5a REL 2 Stunden pro Tag.",
                          "MUE KR 5a REL 3 Einzelstunden.",
                          "SCH ER 5a REL 0 Einzelstunden.",
                      }));
}

}  // namespace
}  // namespace orbato
