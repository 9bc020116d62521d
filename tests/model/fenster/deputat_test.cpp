#include "model/fenster/deputat.h"

#include <algorithm>
#include <string>
#include <vector>

#include "model/basis/datum.h"
#include "model/schulfixture.h"

namespace orbato {
namespace {

using enum TDepSpalte;

class DeputatTest : public SchulTest {
 protected:
  void SetUp() override {
    fA = fSchule.HoleLehrer("A");
    f5a = fSchule.HoleKlasse("5a");
    f5b = fSchule.HoleKlasse("5b");
    fD = fSchule.HoleFach("D");
    fR1 = fSchule.HoleRaum("R1");
    fR2 = fSchule.HoleRaum("R2");
    fK1 = fSchule.HoleKopplung("K1");
  }
  std::vector<std::string> Zeile(const TKurs& k) {
    std::vector<std::string> texte;
    for (TDepSpalte s : DepSpalten(fStandard)) texte.push_back(DepText(k, s));
    return texte;
  }
  TLehrer* fA;
  TKlasse *f5a, *f5b;
  TFach* fD;
  TRaum *fR1, *fR2;
  TKopplung* fK1;
};

TEST_F(DeputatTest, ColumnsFollowTheSettings) {
  EXPECT_EQ(DepSpalten(fStandard).size(), 7u);
  fStandard.fMitZusatzInfo = fStandard.fMitStatistik = fStandard.fMitKursInfo = true;
  std::string koepfe;
  for (TDepSpalte s : DepSpalten(fStandard)) koepfe += DepKopf(s) + "|";
  EXPECT_EQ(koepfe,
            "Wert|Std|Lehrer|Fach|Klasse|Kopplung|Raum|Fkt.|S/T|Ez|Tab|nvp|nzL|nzK|Stat.|Info|");
  fStandard.fMitZusatzInfo = false;
  EXPECT_EQ(DepSpalten(fStandard).size(), 9u);

  fStandard.fDepWertBreite = 31;
  fStandard.fDepStdBreite = 22;
  EXPECT_EQ(DepBreite(fStandard, Stat), 31);
  EXPECT_EQ(DepBreite(fStandard, Fkt), 22);
  EXPECT_EQ(DepBreite(fStandard, Info), 120);  // teacher, subject and class columns together
}

TEST_F(DeputatTest, RowShowsTheCourse) {
  fStandard.fMitZusatzInfo = fStandard.fMitKursInfo = true;
  TKurs* k = Kurs(fA, f5a, 4, fR1, fD, fK1);
  k->KlasseErgaenzen(f5b);
  k->RaumErgaenzen(fR2, false);
  k->SetFaktor(3);
  k->SetStdProTag(2);
  k->SetEinzelStd(0);
  k->SetTabellenNr(4);
  k->SetnichtZaehlenKl(true);
  k->SetInfo("Lesen");
  EXPECT_EQ(Zeile(*k), (std::vector<std::string>{"12.0", "4", "A", "D", "5a", "K1", "R1", "3", "2",
                                                 "0", "4", "0", "0", "1", "Lesen"}));
  Setze(k, 1, 1, 1, fR2);  // the room most lessons are held in
  EXPECT_EQ(DepText(*k, Raum), "R2");
}

TEST_F(DeputatTest, HourValuesFollowDivisorAndDecimals) {
  TKurs* k = Kurs(fA, nullptr, 3);
  fStandard.fDivisor = 2;
  EXPECT_EQ(DepText(*k, Wert), " 1.5");
  fStandard.fNachKomma = 2;
  EXPECT_EQ(DepText(*k, Wert), " 1.50");
  fStandard.fNachKomma = 0;
  EXPECT_EQ(DepText(*k, Wert), "  2");  // 1.5 rounds up
  k->SetFaktor(7);
  fStandard.fNachKomma = 1;
  EXPECT_EQ(DepText(*k, Wert), "10.5");

  // With all versions shown the window reads the sum over the versions.
  fStandard.fDivisor = 1;
  fStandard.fMaxWocheNeu = 2;
  fStandard.fEineWoche = false;
  k->fStunden.SetWochenZahl(2);
  k->fStunden.SetWochenStunde(0, 3);
  EXPECT_EQ(DepText(*k, Std), "6");
  EXPECT_EQ(DepText(*k, Wert), "42.0");
}

TEST_F(DeputatTest, StatisticsCountTheReportingPeriod) {
  TKurs* k = Kurs(fA, nullptr, 2);
  k->SetFaktor(2);
  EXPECT_EQ(DepText(*k, Stat), " 0.0");  // no period yet
  k->SetnichtVerplanen(true);
  fStandard.fDepVon = *KodiereDatum(2024, 9, 2);
  fStandard.fDepBis = *KodiereDatum(2024, 9, 16);  // three weeks counted from the first day
  EXPECT_EQ(DepText(*k, Stat), "12.0");
}

TEST_F(DeputatTest, RedOpenLessonsAndBoldSeveralElements) {
  TKurs* k = Kurs(fA, f5a, 2, fR1);
  EXPECT_TRUE(DepStil(*k, Std).fRot);
  EXPECT_FALSE(DepStil(*k, Klasse).fFett);
  Setze(k, 1, 1, 1);
  Setze(k, 1, 1, 2);
  EXPECT_FALSE(DepStil(*k, Std).fRot);
  k->KlasseErgaenzen(f5b);
  k->RaumErgaenzen(fR2, false);
  EXPECT_TRUE(DepStil(*k, Klasse).fFett);
  EXPECT_TRUE(DepStil(*k, Raum).fFett);
  EXPECT_FALSE(DepStil(*k, Lehrer).fFett);

  TKurs* nie = Kurs(fA, nullptr, 3);
  nie->SetnichtVerplanen(true);
  EXPECT_FALSE(DepStil(*nie, Std).fRot);
}

TEST_F(DeputatTest, TitleShowsWorkloadAndTarget) {
  TKurs* a = Kurs(fA, f5a, 3, fR1, fD, fK1);
  Kurs(nullptr, f5a, 2, fR1, fD, fK1);
  EXPECT_EQ(DeputatTitel(*fA), "Deputat A [ 3.0/24.0]");
  // A class counts a coupling once, by its largest course, unless each course counts.
  EXPECT_EQ(DeputatTitel(*f5a), "Deputat 5a [ 3.0/30.0]");
  f5a->SetKopDop(true);
  EXPECT_EQ(DeputatTitel(*f5a), "Deputat 5a [ 5.0/30.0]");
  // Without a target: the workload of every course listed.
  EXPECT_EQ(DeputatTitel(*fK1), "Deputat K1 [ 5.0]");
  EXPECT_EQ(DeputatTitel(*fD), "Deputat D [ 5.0]");
  a->SetnichtZaehlenLe(true);
  a->SetnichtZaehlenKl(true);
  EXPECT_EQ(DeputatTitel(*fR1), "Deputat R1 [ 2.0]");
  EXPECT_EQ(DeputatTitel(*fA), "Deputat A [ 0.0/24.0]");
  TLehrer* lang = fSchule.HoleLehrer("ABCDEFGHIJK");
  EXPECT_EQ(DeputatTitel(*lang), "Deputat ABCDEFGHIJK [ 0.0/24.0]");
}

TEST_F(DeputatTest, FillingLeavesOutCoursesByTheOpeningKeys) {
  TKurs* null = Kurs(fA, nullptr, 0);
  TKurs* offen = Kurs(fA, nullptr, 2);
  TKurs* gekoppelt = Kurs(fA, nullptr, 1, nullptr, nullptr, fK1);
  TKurs* nie = Kurs(fA, nullptr, 1);
  nie->SetnichtVerplanen(true);
  Setze(gekoppelt, 1, 1, 1);
  const TListe<TKurs>& kurse = fA->fKurse;
  ASSERT_EQ(kurse.ListeZahlElemente(), 4);
  EXPECT_EQ(DepKurse(fStandard, kurse, false, false).size(), 4u);
  fStandard.fMitNullStd = false;
  const std::vector<TKurs*> ohneNull = DepKurse(fStandard, kurse, false, false);
  EXPECT_EQ(ohneNull.size(), 3u);
  EXPECT_EQ(std::count(ohneNull.begin(), ohneNull.end(), null), 0);
  EXPECT_EQ(DepKurse(fStandard, kurse, true, false), (std::vector<TKurs*>{gekoppelt}));
  EXPECT_EQ(DepKurse(fStandard, kurse, false, true), (std::vector<TKurs*>{offen}));
  EXPECT_TRUE(DepKurse(fStandard, kurse, true, true).empty());

  // In single-version mode the current version decides.
  fStandard.fMaxWocheNeu = 2;
  fStandard.fAktuelleWoche = 2;
  offen->fStunden.SetWochenZahl(2);
  EXPECT_TRUE(
      DepKurse(fStandard, kurse, false, false).empty());  // nothing has lessons in version 2
  offen->fStunden.SetWochenStunde(2, 1);
  EXPECT_EQ(DepKurse(fStandard, kurse, false, true), (std::vector<TKurs*>{offen}));
}

TEST_F(DeputatTest, SortingComparesTexts) {
  TKurs* neun = Kurs(fA, nullptr, 9);
  TKurs* zehn = Kurs(fSchule.HoleLehrer("B"), nullptr, 10);
  TKurs* neun2 = Kurs(fSchule.HoleLehrer("C"), nullptr, 9);
  std::vector<TKurs*> zeilen = {neun, zehn, neun2};
  DepSortieren(zeilen, Std);
  EXPECT_EQ(zeilen, (std::vector<TKurs*>{zehn, neun, neun2}));  // "10" before "9"
  DepSortieren(zeilen, Wert);  // " 9.0" before "10.0": the blank comes first
  EXPECT_EQ(zeilen, (std::vector<TKurs*>{neun, neun2, zehn}));
  DepSortieren(zeilen, Lehrer);
  EXPECT_EQ(zeilen, (std::vector<TKurs*>{neun, zehn, neun2}));
}

TEST_F(DeputatTest, ShowToolListsSeveralElementsOrTheCoupling) {
  TKurs* k = Kurs(fA, f5a, 2, fR1, fD, fK1);
  EXPECT_TRUE(DepZeigMenu(*k, Klasse).empty());
  EXPECT_TRUE(DepZeigMenu(*k, Raum).empty());
  EXPECT_TRUE(DepZeigMenu(*k, Lehrer).empty());
  k->KlasseErgaenzen(f5b);
  k->RaumErgaenzen(fR2, false);
  Kurs(nullptr, f5b, 2, fR2, nullptr, fK1);
  EXPECT_EQ(Texte(DepZeigMenu(*k, Klasse)), (std::vector<std::string>{"5a", "5b"}));
  EXPECT_EQ(Texte(DepZeigMenu(*k, Raum)), (std::vector<std::string>{"R1", "R2"}));
  EXPECT_EQ(Texte(DepZeigMenu(*k, Kopplung)),
            (std::vector<std::string>{"A D 5a K1 R1", "5b K1 R2"}));
}

TEST_F(DeputatTest, SetToolOffersTheCourseMenus) {
  TKurs* k = Kurs(fA, f5a, 3);
  EXPECT_EQ(DepSetzMenu(*k, Std).size(), 21u);
  EXPECT_EQ(DepSetzMenu(*k, Ez).size(), 4u);
  EXPECT_TRUE(DepSetzMenu(*k, Nvp).empty());
  TMenu raeume = DepSetzMenu(*k, Raum);
  EXPECT_TRUE(WaehleEintrag(raeume, "R2"));
  EXPECT_EQ(k->ErsterRaum(), fR2);
}

TEST_F(DeputatTest, DeleteToolRemovesOneOrOffersAChoice) {
  TKurs* k = Kurs(fA, f5a, 3, fR1, fD, fK1);
  TMenu auswahl = {MenuEintrag("alt")};
  EXPECT_TRUE(DepLoeschen(*k, Klasse, false, auswahl));  // the only class
  EXPECT_TRUE(auswahl.empty());
  k->KlasseErgaenzen(f5a);
  k->KlasseErgaenzen(f5b);
  EXPECT_FALSE(DepLoeschen(*k, Klasse, false, auswahl));
  EXPECT_EQ(Texte(auswahl), (std::vector<std::string>{"5a", "5b"}));
  EXPECT_TRUE(WaehleEintrag(auswahl, "5b"));
  EXPECT_EQ(k->fKlassen.ListeZahlElemente(), 1);
  k->KlasseErgaenzen(f5b);
  EXPECT_TRUE(DepLoeschen(*k, Klasse, true, auswahl));
  EXPECT_EQ(k->fKlassen.ListeZahlElemente(), 0);

  // Rooms: those holding a lesson stay, and are not offered.
  k->RaumErgaenzen(fR2, false);
  TRaum* r3 = fSchule.HoleRaum("R3");
  k->RaumErgaenzen(r3, false);
  Setze(k, 1, 1, 1, fR1);
  EXPECT_FALSE(DepLoeschen(*k, Raum, false, auswahl));
  EXPECT_EQ(Texte(auswahl), (std::vector<std::string>{"R2", "R3"}));
  EXPECT_TRUE(DepLoeschen(*k, Raum, true, auswahl));
  EXPECT_EQ(Texte(DepZeigMenu(*k, Raum)), (std::vector<std::string>{}));
  EXPECT_EQ(k->ErsterRaum(), fR1);
  EXPECT_FALSE(DepLoeschen(*k, Raum, true, auswahl));

  // Placed lessons keep teacher, coupling and, in this window, the subject.
  k->KlasseErgaenzen(f5a);
  k->KlasseErgaenzen(f5b);
  EXPECT_FALSE(DepLoeschen(*k, Klasse, false, auswahl));
  EXPECT_TRUE(auswahl.empty());
  EXPECT_FALSE(DepLoeschen(*k, Lehrer, false, auswahl));
  EXPECT_FALSE(DepLoeschen(*k, Fach, false, auswahl));
  EXPECT_FALSE(DepLoeschen(*k, Kopplung, false, auswahl));
  EXPECT_FALSE(DepLoeschen(*k, Std, false, auswahl));
  EXPECT_EQ(k->OhneRaumZeile(nullptr), "A D 5a K1");
  k->AlleSetzungenAufgeben();
  EXPECT_TRUE(DepLoeschen(*k, Lehrer, false, auswahl));
  EXPECT_TRUE(DepLoeschen(*k, Fach, false, auswahl));
  EXPECT_TRUE(DepLoeschen(*k, Kopplung, false, auswahl));
  EXPECT_EQ(k->OhneRaumZeile(nullptr), "5a");
}

TEST_F(DeputatTest, DraggingCopiesWhatTheTargetLacks) {
  TKurs* quelle = Kurs(fA, f5a, 2, fR1);
  quelle->RaumErgaenzen(fR2, false);
  quelle->KlasseErgaenzen(f5b);
  quelle->SetInfo("Chor");
  TKurs* ziel = Kurs(fA, f5b, 2, fR2);
  EXPECT_TRUE(DepUebertragen(fStandard, *quelle, *ziel, Raum));
  EXPECT_EQ(Texte(DepZeigMenu(*ziel, Raum)), (std::vector<std::string>{"R2", "R1"}));
  EXPECT_FALSE(DepUebertragen(fStandard, *quelle, *ziel, Raum));
  EXPECT_FALSE(DepUebertragen(fStandard, *quelle, *ziel, Info));  // only while the column is shown
  fStandard.fMitKursInfo = true;
  EXPECT_TRUE(DepUebertragen(fStandard, *quelle, *ziel, Info));
  EXPECT_EQ(ziel->fInfo, "Chor");
  Setze(ziel, 1, 1, 1);
  EXPECT_FALSE(DepUebertragen(fStandard, *quelle, *ziel, Klasse));
  ziel->AlleSetzungenAufgeben();
  EXPECT_TRUE(DepUebertragen(fStandard, *quelle, *ziel, Klasse));
  EXPECT_EQ(Texte(DepZeigMenu(*ziel, Klasse)), (std::vector<std::string>{"5a", "5b"}));
  EXPECT_FALSE(DepUebertragen(fStandard, *quelle, *ziel, Wert));
}

TEST_F(DeputatTest, DeletingTheSelectionKeepsPlacedCourses) {
  TKurs* verplant = Kurs(fA, f5a, 2);
  TKurs* frei1 = Kurs(fA, f5b, 2);
  TKurs* frei2 = Kurs(fA, nullptr, 1);
  Setze(verplant, 1, 1, 1);
  EXPECT_EQ(DepAuswahlLoeschen(fSchule, {frei1, verplant, frei1, frei2}), 2);
  EXPECT_EQ(fSchule.fKursMenge.ListeZahlElemente(), 1);
  EXPECT_EQ(fSchule.fKursMenge.ListeNrInhalt(1), verplant);
  EXPECT_EQ(fA->fKurse.ListeZahlElemente(), 1);
  EXPECT_EQ(f5b->fKurse.ListeZahlElemente(), 0);
}

// The window's settings choose the columns, whatever the installed ones say.
TEST_F(DeputatTest, TheColumnsAreThoseOfTheSettingsHanded) {
  TStandard eigene;
  eigene.fMitKursInfo = true;
  fStandard.fMitKursInfo = false;
  fStandard.fMitStatistik = true;
  using enum TDepSpalte;
  EXPECT_EQ(DepSpalten(eigene),
            (std::vector<TDepSpalte>{Wert, Std, Lehrer, Fach, Klasse, Kopplung, Raum, Info}));
}

}  // namespace
}  // namespace orbato
