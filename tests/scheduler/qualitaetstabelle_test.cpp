#include "scheduler/qualitaetstabelle.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/einstellungen/standard.h"

namespace orbato {
namespace {

using TZeilen = std::vector<std::vector<std::string>>;

TEST(QualitaetsTabelle, EveryFigureWithItsLabelAndTheLimitsOfTheSettings) {
  TOptimierEinstellungen einstellungen;
  einstellungen.fLehrerMin = 3;
  einstellungen.fLehrerMax = 7;
  const TQualitaetsGrenzen grenzen = QualitaetsGrenzen(einstellungen);
  EXPECT_EQ(grenzen.fLehrerLuecken, 2);
  EXPECT_EQ(grenzen.fMaxTagesStunden, 7);
  EXPECT_EQ(grenzen.fMinTagesStunden, 3);

  TPlanQualitaet q;
  q.fStundenSoll = 971;
  q.fStundenGesetzt = 829;
  q.fKlassenLueckenSumme = 69;
  q.fKlassenMitLuecken = 20;
  q.fSchlechtesteKlasse = TSchlechtester{"Q2", 9};
  q.fLehrerLueckenSumme = 278;
  q.fLehrerUeberGrenze = 45;
  q.fFachDoppeltTage = 29;
  q.fLehrerTageUeberMax = 1;
  q.fLehrerTageUnterMin = 14;
  q.fFreierTagGewuenscht = 4;
  q.fFreierTagErfuellt = 3;
  q.fUnverbundeneBloecke = 5;
  q.fHarteVerletzungen = 2;
  const TQualitaetsTabelle t = KennzahlTabelle(q, grenzen);
  EXPECT_EQ(t.fKoepfe, (std::vector<std::string>{"Kennzahl", "Wert"}));
  EXPECT_EQ(t.fZeilen, (TZeilen{{"Stunden zu setzen", "971"},
                                {"Stunden gesetzt", "829"},
                                {"Hohlstunden der Klassen", "69"},
                                {"Klassen mit Hohlstunden", "20"},
                                {"meiste Hohlstunden einer Klasse", "9 (Q2)"},
                                {"Springstunden der Lehrer", "278"},
                                {"meiste Springstunden eines Lehrers", "0"},
                                {"Lehrer mit mehr als 2 Springstunden", "45"},
                                {"Klassentage mit einem Fach doppelt", "29"},
                                {"Lehrertage \xFC"
                                 "ber 7 Stunden",
                                 "1"},
                                {"Lehrertage unter 3 Stunden", "14"},
                                {"Wunsch freier Tag erf\xFCllt", "3 von 4"},
                                {"Bl\xF6"
                                 "cke \xFC"
                                 "ber nicht verbundene Zellen",
                                 "5"},
                                {"Verst\xF6\xDF"
                                 "e gegen harte Regeln",
                                 "2"}}));
}

TEST(QualitaetsTabelle, TeachersAndClassesOneRowEach) {
  const TQualitaetsTabelle lehrer = LehrerTabelle({{"Ma", 6, 1, 1, 5, true, false},
                                                   {"De", 2, 2, 0, 0, false, true},
                                                   {"Mu", 0, 0, 0, 0, true, true}},
                                                  TQualitaetsGrenzen{});
  EXPECT_EQ(lehrer.fKoepfe, (std::vector<std::string>{"Lehrer", "Stunden", "Springstunden",
                                                      "Tage \xFC"
                                                      "ber 6",
                                                      "Tage unter 2", "freier Tag"}));
  EXPECT_EQ(lehrer.fZeilen, (TZeilen{{"Ma", "6", "1", "1", "5", "nein"},
                                     {"De", "2", "2", "0", "0", ""},
                                     {"Mu", "0", "0", "0", "0", "ja"}}));

  const TQualitaetsTabelle klassen = KlassenTabelle({{"5a", 3, 1, 1, 1}, {"6a", 1, 0, 0, 0}});
  EXPECT_EQ(klassen.fKoepfe,
            (std::vector<std::string>{"Klasse", "Stunden", "Hohlstunden", "Tage mit Fach doppelt",
                                      "Tage mit sp\xE4tem Beginn"}));
  EXPECT_EQ(klassen.fZeilen, (TZeilen{{"5a", "3", "1", "1", "1"}, {"6a", "1", "0", "0", "0"}}));
  EXPECT_EQ(QualitaetsUeberschrift(3), "Planversion 3");
}

}  // namespace
}  // namespace orbato
