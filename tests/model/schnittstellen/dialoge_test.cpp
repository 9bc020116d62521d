#include "model/schnittstellen/dialoge.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "model/schnittstellen/fenster.h"
#include "model/schnittstellen/testfenster.h"
#include "model/schnittstellen/zwischenablage.h"

namespace orbato {
namespace {

using Zeilen = std::vector<std::string>;

TEST(Dialoge, ScriptedAnswersAreTakenInOrderThenTheFirstButton) {
  TSkriptDialoge d;
  d.Antworte({"Mit einem anderem Namen", "Nein"});
  const Zeilen sichern = {"Sollen Ihre Daten gesichert werden?"};
  const Zeilen knoepfe = {"Ja", "Mit einem anderem Namen", "Nein"};
  EXPECT_EQ(d.Frage("Daten sichern?", sichern, knoepfe), 1);
  EXPECT_EQ(d.Frage("Daten sichern?", sichern, knoepfe), 2);
  EXPECT_EQ(d.OffeneAntworten(), 0u);
  // The queue is used up: the first button answers, as on the command line.
  EXPECT_EQ(d.Frage("Daten sichern?", sichern, knoepfe), 0);
  EXPECT_TRUE(d.FrageJaNein("Kures l\xF6schen?",
                            {"Wollen Sie die ausgew\xE4hlten Kurse", "wirklich l\xF6schen?"}));

  ASSERT_EQ(d.Protokoll().size(), 4u);
  EXPECT_EQ(d.Protokoll()[0].fAntwort, 1);
  EXPECT_EQ(d.Protokoll()[1].fAntwort, 2);
  EXPECT_EQ(d.Protokoll()[2].fAntwort, 0);
  const TDialogEintrag& kurse = d.Protokoll()[3];
  EXPECT_EQ(kurse.fVorgang, TDialogVorgang::Frage);
  EXPECT_EQ(kurse.fArt, TMeldungsArt::Frage);
  EXPECT_EQ(kurse.fTitel, "Kures l\xF6schen?");
  EXPECT_EQ(kurse.fZeilen,
            (Zeilen{"Wollen Sie die ausgew\xE4hlten Kurse", "wirklich l\xF6schen?"}));
  EXPECT_EQ(kurse.fKnoepfe, (Zeilen{"Ja", "Nein"}));
}

TEST(Dialoge, AnswersByCaptionAndRefusesCaptionsNotOffered) {
  TSkriptDialoge d;
  d.Antworte("Abbrechen");
  d.Antworte({"Nein", "Ja"});
  const Zeilen beenden = {"Sollen Ihre Daten gesichert werden?"};
  EXPECT_EQ(d.FrageKnopf("WinOrbato beenden?", beenden,
                         {"Ja", "Mit einem anderem Namen", "Nein", "Abbrechen"}),
            "Abbrechen");
  EXPECT_FALSE(d.FrageJaNein(
      "Unbekannte K\xFCrzel",
      {"Die Zwischenablage enth\xE4lt unbekannte", "K\xFCrzel. Soll trotzdem eingesetzt werden?"},
      TMeldungsArt::Warnung));
  EXPECT_EQ(d.Protokoll().back().fArt, TMeldungsArt::Warnung);
  // "Ja" is next in the script, but this box only offers "Trotzdem setzen" and "Abbrechen".
  EXPECT_THROW(d.Frage("Verdr\xE4ngen", {"Konflikt mit"}, {"Trotzdem setzen", "Abbrechen"}),
               std::invalid_argument);
  EXPECT_THROW(d.Frage("ohne Kn\xF6pfe", {}, {}), std::invalid_argument);
  EXPECT_EQ(d.Anzahl(TDialogVorgang::Frage), 2u);
}

TEST(Dialoge, MessagesBeepsAndWindowsAreRecordedInOrder) {
  TSkriptDialoge d;
  d.Nachricht("", {"Die Version der Daten ist zu alt!"}, TMeldungsArt::Fehler);
  {
    TMeldungsFenster meldung(d, "Das K\xFCrzelmenu wird angelegt.");
    EXPECT_TRUE(d.MeldungOffen());
    d.MeldungAendern("Die K\xFCrzel werden sortiert.");
    EXPECT_EQ(d.MeldungsText(), "Die K\xFCrzel werden sortiert.");
    d.Piep();
  }
  EXPECT_FALSE(d.MeldungOffen());

  const auto& p = d.Protokoll();
  ASSERT_EQ(p.size(), 5u);
  EXPECT_EQ(p[0].fVorgang, TDialogVorgang::Nachricht);
  EXPECT_EQ(p[0].fArt, TMeldungsArt::Fehler);
  EXPECT_EQ(p[0].fZeilen, (Zeilen{"Die Version der Daten ist zu alt!"}));
  EXPECT_EQ(p[0].fKnoepfe, (Zeilen{"Ok"}));
  EXPECT_EQ(p[1].fVorgang, TDialogVorgang::MeldungZeigen);
  EXPECT_EQ(p[1].fTitel, "Meldung");
  EXPECT_EQ(p[1].fZeilen, (Zeilen{"Das K\xFCrzelmenu wird angelegt."}));
  EXPECT_EQ(p[2].fVorgang, TDialogVorgang::MeldungAendern);
  EXPECT_EQ(p[3].fVorgang, TDialogVorgang::Piep);
  EXPECT_EQ(p[4].fVorgang, TDialogVorgang::MeldungSchliessen);
  EXPECT_EQ(d.Protokoll(TDialogVorgang::Piep).size(), 1u);
}

TEST(Dialoge, WindowsCloseWhenTheOperationFails) {
  TSkriptDialoge d;
  const auto einlesen = [&d] {
    TFortschritt fortschritt(d, "Einlesen", 12);
    TMeldungsFenster meldung(d,
                             "Die Daten werden gepr\xFC"
                             "ft.");
    throw std::runtime_error("Die Version der Daten ist zu neu!");
  };
  EXPECT_THROW(einlesen(), std::runtime_error);
  EXPECT_FALSE(d.MeldungOffen());
  EXPECT_FALSE(d.FortschrittOffen());
  // Closed in the reverse order of opening.
  ASSERT_EQ(d.Protokoll().size(), 4u);
  EXPECT_EQ(d.Protokoll()[2].fVorgang, TDialogVorgang::MeldungSchliessen);
  EXPECT_EQ(d.Protokoll()[3].fVorgang, TDialogVorgang::FortschrittBeenden);
}

TEST(Dialoge, ProgressCountsStepsAndCancelsFromTheScriptedQuery) {
  TSkriptDialoge d;
  d.BrichAbBeiAnfrage(3);
  int gerechnet = 0;
  {
    TFortschritt f(d, "Automatisches Rechnen", 20);
    EXPECT_TRUE(d.FortschrittOffen());
    EXPECT_EQ(d.FortschrittMaximum(), 20);
    f.Text("Kurse");
    f.Setzen(5);
    while (!f.Abgebrochen()) {
      f.Schritt(2);
      ++gerechnet;
    }
    EXPECT_EQ(d.FortschrittPosition(), 9);
  }
  EXPECT_EQ(gerechnet, 2);
  EXPECT_FALSE(d.FortschrittOffen());
  // Once cancelled, every later query answers yes as well.
  EXPECT_TRUE(d.Abgebrochen());

  const auto abfragen = d.Protokoll(TDialogVorgang::Abgebrochen);
  ASSERT_EQ(abfragen.size(), 4u);
  EXPECT_EQ(abfragen[1].fZahl, 0);
  EXPECT_EQ(abfragen[2].fZahl, 1);
  const auto& p = d.Protokoll();
  EXPECT_EQ(p[0].fTitel, "Automatisches Rechnen");
  EXPECT_EQ(p[0].fZahl, 20);
  EXPECT_EQ(p[1].fZeilen, (Zeilen{"Kurse"}));
  EXPECT_EQ(p[2].fVorgang, TDialogVorgang::FortschrittSetzen);
  EXPECT_EQ(p[2].fZahl, 5);

  TSkriptDialoge nie;
  for (int i = 0; i < 100; ++i) EXPECT_FALSE(nie.Abgebrochen());
}

TEST(Fenster, TestWindowsLogTheirCallsInOrder) {
  std::vector<std::string> log;
  TTestFenster plan(9, "Plan M\xFCller", &log);
  TTestFenster kurse(21, "alle Kurse", &log);
  bool abgemeldet = false;
  kurse.fBeimSchliessen = [&abgemeldet] { abgemeldet = true; };

  std::vector<Fenster*> offen = {&plan, &kurse};
  for (Fenster* f : offen) {
    f->FensterUpdate();
    f->FensterNachVorn();
  }
  plan.FensterRefresh();
  kurse.FensterSchliessen();

  EXPECT_EQ(log, (std::vector<std::string>{"Plan M\xFCller: Update", "Plan M\xFCller: NachVorn",
                                           "alle Kurse: Update", "alle Kurse: NachVorn",
                                           "Plan M\xFCller: Refresh", "alle Kurse: Schliessen"}));
  EXPECT_TRUE(abgemeldet);
  EXPECT_EQ(plan.fUpdates, 1);
  EXPECT_EQ(plan.fRefreshs, 1);
  EXPECT_EQ(plan.fSchliessungen, 0);
  EXPECT_EQ(kurse.fSchliessungen, 1);
  EXPECT_EQ(offen[0]->FensterArt(), 9);
  EXPECT_EQ(offen[1]->FensterTitel(), "alle Kurse");
}

TEST(Zwischenablage, SplitsIntoLinesAtEveryKindOfLineEnd) {
  EXPECT_EQ(ZwischenablageZeilen("a\tb\r\nc\r\n"), (Zeilen{"a\tb", "c"}));
  EXPECT_EQ(ZwischenablageZeilen("a\nb"), (Zeilen{"a", "b"}));
  EXPECT_EQ(ZwischenablageZeilen("a\rb\r"), (Zeilen{"a", "b"}));
  // Inner empty lines stay; LF CR is two line ends.
  EXPECT_EQ(ZwischenablageZeilen("a\r\n\r\nb\n\rc"), (Zeilen{"a", "", "b", "", "c"}));
  EXPECT_EQ(ZwischenablageZeilen("\r\n"), (Zeilen{""}));
  EXPECT_TRUE(ZwischenablageZeilen("").empty());
}

TEST(Zwischenablage, CopiedLinesPasteBackUnchanged) {
  const Zeilen kurs = {"1\t2\tMei\tD\t5a\t\tR1\t\t0\t0\t0\tFALSE\tFALSE\tFALSE\t0",
                       "\t\t\t\t5b\t\t\t\t\t\t\t\t\t\t", "\t\t\t\t5c\t\t\t\t\t\t\t\t\t\t"};
  TSpeicherZwischenablage ablage;
  EXPECT_EQ(ablage.Schreibvorgaenge(), 0);
  ablage.SetzeText(ZwischenablageText(kurs));
  EXPECT_EQ(ablage.Schreibvorgaenge(), 1);
  EXPECT_EQ(ablage.HoleText().substr(ablage.HoleText().size() - 4), "\t\t\r\n");
  EXPECT_EQ(ZwischenablageZeilen(ablage.HoleText()), kurs);
  EXPECT_EQ(ZwischenablageText({}), "");
  EXPECT_EQ(TSpeicherZwischenablage("M\xFCller").HoleText(), "M\xFCller");
}

}  // namespace
}  // namespace orbato
