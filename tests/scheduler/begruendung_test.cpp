#include "scheduler/begruendung.h"

#include <gtest/gtest.h>

#include "scheduler/automatikfixture.h"

namespace orbato {
namespace {

// The reason a window lists for a course: the first version of the span with open hours.
TEST_F(AutomatikTest, TheReasonOfACourseIsThatOfItsFirstVersionWithOpenHours) {
  fStandard.fEineWoche = false;
  fStandard.SetMaxWocheNeu(2);
  // Elements made now have both versions.
  TLehrer* lehrer = fSchule.HoleLehrer("NEU");
  TKurs* kurs = Kurs(lehrer, fSchule.HoleKlasse("6a"), 2);
  for (int32_t tag = 1; tag <= 4; ++tag) lehrer->fSperrung.SetWocheTag(2, tag, 0b111111);
  Setze(kurs, 1, 1, 1);
  Setze(kurs, 1, 2, 1);
  EXPECT_EQ(GrundOffen(*kurs),
            "2 Stunden offen, 6 Zellen frei: h\xF6"
            "chstens 1 Stunde am Tag, 1 Tag ohne Stunde "
            "des Kurses frei, Lehrer NEU gesperrt Mo\x96"
            "Do");
  EXPECT_EQ(GrundOffen(*kurs), GrundOffen(*kurs, 2));
  Setze(kurs, 2, 5, 1);
  Setze(kurs, 2, 5, 2);
  EXPECT_EQ(GrundOffen(*kurs), "");
}

}  // namespace
}  // namespace orbato
