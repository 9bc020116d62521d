#include <gtest/gtest.h>

#include <string>

#include "app/kommandolauf.h"
#include "app/orbato/plankommandos.h"
#include "model/schulfixture.h"
#include "testordner.h"

namespace orbato {
namespace {

// A plan file of one Q1 course with a lesson on Monday and one on Friday in ISO week 10 of 2026:
// Monday's goes to EVA, on Friday the class is away.
class AusfallKommandoTest : public SchulTest {
 protected:
  void SetUp() override {
    const TDatumZeit montag = *KodiereDatum(2026, 3, 2) + 0.5;
    TKlasse* q1 = fSchule.HoleKlasse("Q1");
    TKurs* k = Kurs(fSchule.HoleLehrer("A"), q1, 2);
    TSetzung* mo = Setze(k, 1, 1, 1);
    Setze(k, 1, 5, 2);
    auto* v = new TVertretung;
    v->fKurs = k;
    v->fSetzung = mo;
    v->fDatum = montag;
    v->fSInfo = "EVA";
    mo->fVertretungen.ListeAnhaengen(v);
    fSchule.fVertretungsMenge.ListeAnhaengen(v);
    auto* f = new TFehl;
    f->fElement = q1;
    f->fDatum = montag + 4;
    f->fZeit = 0xFFFF;
    fSchule.fFehlKlassenMenge.ListeAnhaengen(f);
    Sichere(fSchule, Pfad());
  }
  std::string Pfad() const { return (fOrdner.Pfad() / "plan.orb").string(); }

  TTestOrdner fOrdner{"ausfall"};
};

TEST_F(AusfallKommandoTest, PrintsTheReportInUtf8) {
  const TErgebnis e =
      Orbato({"ausfall", Pfad(), "10", "2026", "--heute", "2026-03-06", "--set", "Tevi1/mtn=5"});
  EXPECT_EQ(e.fehler, "");
  EXPECT_EQ(e.status, 0);
  EXPECT_EQ(e.aus,
            "Ermittlung des wöchentlichen Unterrichtsausfalls\n"
            "KW: 10   Jahr: 2026   Unterrichtstage: 5\n"
            "\n"
            "02.03.2026 12:00:00 - 08.03.2026 12:00:00\n"
            "\n"
            "\n"
            "Primarstufe und Sekundarstufe I   (Klassenbezeichnung beginnt mit Ziffer)\n"
            "0.0 Stunden planmäßiger Unterricht\n"
            "0.0 Stunden erteilter Unterricht laut Plan\n"
            "0.0 Stunden erteilter Unterricht in besonderer Form\n"
            "0.0 Vertretungsunterrichtstunden mit gleicher Lerngruppe\n"
            "0.0 Vertretungsunterrichtstunden mit veränderter Lerngruppe\n"
            "0  EVA-Stunden nur in SEK II\n"
            "0.0 entfallene Stunden\n"
            "\n"
            "\n"
            "Sekundarstufe II   (Klassenbezeichnung EF, Q1, Q2)\n"
            "2.0 Stunden planmäßiger Unterricht\n"
            "0.0 Stunden erteilter Unterricht laut Plan\n"
            "1.0 Stunden erteilter Unterricht in besonderer Form\n"
            "0.0 Vertretungsunterrichtstunden mit gleicher Lerngruppe\n"
            "0.0 Vertretungsunterrichtstunden mit veränderter Lerngruppe\n"
            "1.0 EVA-Stunden\n"
            "0.0 entfallene Stunden\n");

  // Weeks later the record and the absence are gone with the loading, and the school week of
  // the default settings has seven days.
  const TErgebnis spaeter = Orbato({"ausfall", Pfad(), "10", "2026", "--heute", "2026-04-06"});
  EXPECT_EQ(spaeter.status, 0);
  EXPECT_NE(spaeter.aus.find("Unterrichtstage: 7\n"), std::string::npos);
  EXPECT_NE(spaeter.aus.find("\n2.0 Stunden erteilter Unterricht laut Plan\n0.0 Stunden erteilter "
                             "Unterricht in besonderer Form\n"),
            std::string::npos);
}

TEST_F(AusfallKommandoTest, AWeekThatDoesNotExistAndWrongUsage) {
  const TErgebnis keine = Orbato({"ausfall", Pfad(), "53", "2027"});
  EXPECT_EQ(keine.status, 1);
  EXPECT_EQ(keine.aus, "");
  EXPECT_EQ(keine.fehler, "Die Kalenderwoche 53 gibt es im Jahr 2027 nicht.\n");

  EXPECT_EQ(Orbato({"ausfall", Pfad(), "zehn", "2026"}).status, 2);
  EXPECT_EQ(Orbato({"ausfall", Pfad(), "10"}).status, 2);
  const TErgebnis datei = Orbato({"ausfall", Pfad() + ".fehlt", "10", "2026"});
  EXPECT_EQ(datei.status, 1);
  EXPECT_EQ(datei.aus, "");
}

}  // namespace
}  // namespace orbato
