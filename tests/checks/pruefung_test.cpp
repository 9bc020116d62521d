#include "checks/pruefung.h"

#include <gtest/gtest.h>

#include "checks/pruefungsfixture.h"

namespace orbato {
namespace {

using Pruefung = PruefTest;

const std::string kAnfang =
    "Beim Pr\xFC"
    "fen der Daten wurden";

TEST_F(Pruefung, AnEmptyDocumentHasNoFindingsInAnyCheck) {
  for (TPruefung p : kAllePruefungen) {
    EXPECT_EQ(Pruefen(fSchule, p, fDialoge, fFehler), 0) << MenueText(p);
  }
  EXPECT_TRUE(Fehler().empty());
  EXPECT_EQ(fFehler.Geoeffnet(), 0);
  const auto ergebnisse = fDialoge.Protokoll(TDialogVorgang::Nachricht);
  ASSERT_EQ(ergebnisse.size(), 7u);
  for (const TDialogEintrag& e : ergebnisse) {
    EXPECT_EQ(e.fTitel,
              "Pr\xFC"
              "fergebnis");
    EXPECT_EQ(e.fZeilen, (Zeilen{kAnfang, "keine Fehler gefunden."}));
    EXPECT_EQ(e.fArt, TMeldungsArt::Information);
  }
  EXPECT_FALSE(fDialoge.MeldungOffen());
}

// The notice stands while the check runs, beeps included, and is gone before the result box.
TEST_F(Pruefung, TheNoticeFramesTheCheckAndTheBoxTellsTheLevel) {
  TKurs* k = Kurs(fSchule.HoleLehrer("MUE"), fSchule.HoleKlasse("5a"), 1);
  Setze(k, 1, 1, 1);
  Setze(k, 1, 1, 2);
  EXPECT_EQ(Pruefen(fSchule, TPruefung::Konsistenz, fDialoge, fFehler), 1);
  const auto& p = fDialoge.Protokoll();
  ASSERT_EQ(p.size(), 4u);
  EXPECT_EQ(p[0].fVorgang, TDialogVorgang::MeldungZeigen);
  EXPECT_EQ(p[0].fTitel, "Meldung");
  EXPECT_EQ(p[0].fZeilen, (Zeilen{"Die Daten werden gepr\xFC"
                                  "ft."}));
  EXPECT_EQ(p[1].fVorgang, TDialogVorgang::Piep);
  EXPECT_EQ(p[2].fVorgang, TDialogVorgang::MeldungSchliessen);
  EXPECT_EQ(p[3].fVorgang, TDialogVorgang::Nachricht);
  EXPECT_EQ(p[3].fZeilen, (Zeilen{kAnfang, "kleinere Fehler gefunden."}));
  EXPECT_EQ(p[3].fArt, TMeldungsArt::Warnung);

  // A second lesson in the same cell of another course of the teacher.
  Setze(Kurs(fSchule.HoleLehrer("MUE"), fSchule.HoleKlasse("5b"), 1), 1, 1, 1);
  fDialoge.ProtokollLeeren();
  EXPECT_EQ(Pruefen(fSchule, TPruefung::Konsistenz, fDialoge, fFehler), 2);
  EXPECT_EQ(fDialoge.Protokoll().back().fZeilen, (Zeilen{kAnfang,
                                                         "gr\xF6\xDF"
                                                         "ere Fehler gefunden."}));
  EXPECT_EQ(fDialoge.Protokoll().back().fArt, TMeldungsArt::Fehler);
}

TEST_F(Pruefung, TwoChecksInARowLeaveTheLinesOfBoth) {
  TKurs* k = Kurs(fSchule.HoleLehrer("MUE"), fSchule.HoleKlasse("5a"), 3);
  Setze(k, 1, 1, 1);
  Setze(k, 1, 1, 3);
  EXPECT_EQ(Pruefen(fSchule, TPruefung::FehlStunden, fDialoge, fFehler), 1);
  EXPECT_EQ(Pruefen(fSchule, TPruefung::Bruecken, fDialoge, fFehler), 1);
  EXPECT_EQ(Fehler(), (Zeilen{"Im Kurs {1} MUE 5a sind 1 Stunden noch nicht gesetzt.",
                              "Der Kurs MUE 5a hat {1} Mo eine Br\xFC"
                              "cke."}));
  EXPECT_EQ(fFehler.Geoeffnet(), 2);
}

// The window heads each check's findings with its name and opens the place a finding names;
// the lines themselves stay as the command line prints them.
TEST_F(Pruefung, EachCheckIsNamedAndItsFindingsNameTheirPlace) {
  struct TOrte : TFehlerSammlung {
    void PruefungBeginnen(std::string_view name) override { fNamen.emplace_back(name); }
    void NeuerFehlerBei(std::string_view zeile, const TFundort& ort) override {
      fOrte.push_back(ort);
      NeuerFehler(zeile);
    }
    std::vector<std::string> fNamen;
    std::vector<TFundort> fOrte;
  } orte;
  TLehrer* mue = fSchule.HoleLehrer("MUE");
  TKurs* k = Kurs(mue, fSchule.HoleKlasse("5a"), 3);
  TKurs* zweiter = Kurs(mue, fSchule.HoleKlasse("5b"), 1);
  Setze(k, 1, 1, 1);
  Setze(k, 1, 1, 3);
  Setze(zweiter, 1, 1, 3);
  EXPECT_EQ(Pruefen(fSchule, TPruefung::FehlStunden, fDialoge, orte), 1);
  EXPECT_EQ(Pruefen(fSchule, TPruefung::Bruecken, fDialoge, orte), 1);
  EXPECT_EQ(Pruefen(fSchule, TPruefung::Konsistenz, fDialoge, orte), 2);
  EXPECT_EQ(orte.fNamen, (std::vector<std::string>{"fehlende Stunden",
                                                   "Br\xFC"
                                                   "cken",
                                                   "Konsistenz"}));
  ASSERT_EQ(orte.Zeilen().size(), 3u);
  EXPECT_EQ(orte.Zeilen()[2], "Lehrer MUE {1} Mo  3 doppelt im Plan.");
  ASSERT_EQ(orte.fOrte.size(), 3u);
  const auto gleich = [](const TFundort& a, const TFundort& b) {
    return a.fKurs == b.fKurs && a.fElement == b.fElement && a.fWoche == b.fWoche &&
           a.fTag == b.fTag && a.fStunde == b.fStunde;
  };
  EXPECT_TRUE(gleich(orte.fOrte[0], TFundort{k, nullptr, 1, 0, 0}));
  EXPECT_TRUE(gleich(orte.fOrte[1], TFundort{k, nullptr, 1, 1, 0}));
  EXPECT_TRUE(gleich(orte.fOrte[2], TFundort{nullptr, mue, 1, 1, 3}));
}

TEST(PruefungsNamen, MenuCaptionsAndCommandNamesInMenuOrder) {
  const Zeilen menue = {"Konsistenz",
                        "Br\xFC"
                        "cken",
                        "fehlende R\xE4ume",
                        "fehlende Stunden",
                        "Versionsunterschiede",
                        "gekoppelte Kurse",
                        "Einzel-/Mehrfachstunden"};
  const Zeilen namen = {"konsistenz", "bruecken",   "raeume", "stunden",
                        "versionen",  "kopplungen", "einzel"};
  for (std::size_t i = 0; i < kAllePruefungen.size(); ++i) {
    const TPruefung p = kAllePruefungen[i];
    EXPECT_EQ(MenueText(p), menue[i]);
    EXPECT_EQ(KommandoName(p), namen[i]);
    EXPECT_EQ(PruefungAusName(namen[i]), p);
    EXPECT_EQ(PruefungAusMenueText(menue[i]), p);
  }
  EXPECT_EQ(PruefungAusName("Konsistenz"), std::nullopt);
  EXPECT_EQ(PruefungAusMenueText("konsistenz"), std::nullopt);
}

TEST(PruefungsNamen, ResultLineForTheCommandLine) {
  EXPECT_EQ(ErgebnisZeile(0), kAnfang + " keine Fehler gefunden.");
  EXPECT_EQ(ErgebnisZeile(1), kAnfang + " kleinere Fehler gefunden.");
  EXPECT_EQ(ErgebnisZeile(2), kAnfang +
                                  " gr\xF6\xDF"
                                  "ere Fehler gefunden.");
}

}  // namespace
}  // namespace orbato
