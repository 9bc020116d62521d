#include "model/kurse/kursablage.h"

#include "model/schnittstellen/dialoge.h"
#include "model/schnittstellen/zwischenablage.h"
#include "model/schulfixture.h"

namespace orbato {
namespace {

class KursablageTest : public SchulTest {
 protected:
  void SetUp() override { fSchule.SetDialoge(&fDialoge); }
  TSkriptDialoge fDialoge;
  TSpeicherZwischenablage fAblage;
};

// A course line with the given fields; the rest empty.
std::string Zeile(std::initializer_list<std::pair<int, std::string>> felder) {
  std::vector<std::string> f(15);
  for (const auto& [i, text] : felder) f[i] = text;
  std::string zeile;
  for (int i = 0; i < 15; ++i) zeile += (i ? "\t" : "") + f[i];
  return zeile;
}

TEST_F(KursablageTest, CopiesOneLinePerCourseWithContinuationLines) {
  TKurs* k = Kurs(fSchule.HoleLehrer("MUE"), fSchule.HoleKlasse("5a"), 3, fSchule.HoleRaum("R1"),
                  fSchule.HoleFach("D"), fSchule.HoleKopplung("K1"));
  k->KlasseErgaenzen(fSchule.HoleKlasse("5b"));
  k->KlasseErgaenzen(fSchule.HoleKlasse("5c"));
  k->SetInfo("Lesen");
  k->SetnichtZaehlenKl(true);
  KurseKopieren(fSchule, {k}, false, false, fAblage);
  EXPECT_EQ(fAblage.HoleText(),
            "1\t3\tMUE\tD\t5a\tK1\tR1\tLesen\t1\t3\t1\tFALSE\tFALSE\tTRUE\t16777215\r\n"
            "\t\t\t\t5b\t\t\t\t\t\t\t\t\t\t\r\n"
            "\t\t\t\t5c\t\t\t\t\t\t\t\t\t\t\r\n");
  KurseKopieren(fSchule, {k}, false, true, fAblage);
  EXPECT_EQ(ZwischenablageZeilen(fAblage.HoleText()).size(), 1u);
}

TEST_F(KursablageTest, PasteRecreatesTheCopiedCourses) {
  TKurs* k = Kurs(fSchule.HoleLehrer("MUE"), fSchule.HoleKlasse("5a"), 4, fSchule.HoleRaum("R1"),
                  fSchule.HoleFach("D"));
  k->KlasseErgaenzen(fSchule.HoleKlasse("5b"));
  k->RaumErgaenzen(fSchule.HoleRaum("R2"), false);
  k->SetFaktor(2);
  k->SetStdProTag(2);
  k->SetColor(255);
  KurseKopieren(fSchule, {k}, false, false, fAblage);
  ASSERT_TRUE(KurseEinsetzen(fSchule, fAblage));
  EXPECT_EQ(fDialoge.Protokoll().size(), 0u);  // every short name was known
  ASSERT_EQ(fSchule.fKursMenge.ListeZahlElemente(), 2);
  const TKurs* neu = fSchule.fKursMenge.ListeNrInhalt(1) == k ? fSchule.fKursMenge.ListeNrInhalt(2)
                                                              : fSchule.fKursMenge.ListeNrInhalt(1);
  EXPECT_EQ(KursZeilen(*neu, false), KursZeilen(*k, false));
  EXPECT_EQ(fSchule.fLehrerMenge.ListeZahlElemente(), 1);
}

TEST_F(KursablageTest, UnknownShortNamesAreCreatedOnlyAfterYes) {
  fAblage.SetzeText(Zeile({{0, "1"}, {1, "2"}, {2, "NEU"}, {4, "7b"}}) + "\r\n");
  fDialoge.Antworte("Nein");
  EXPECT_FALSE(KurseEinsetzen(fSchule, fAblage));
  EXPECT_EQ(fSchule.fLehrerMenge.ListeZahlElemente(), 0);
  EXPECT_EQ(fSchule.fKursMenge.ListeZahlElemente(), 0);
  ASSERT_EQ(fDialoge.Protokoll().size(), 1u);
  EXPECT_EQ(fDialoge.Protokoll()[0].fTitel, "Unbekannte K\xFCrzel");
  EXPECT_EQ(fDialoge.Protokoll()[0].fZeilen,
            (std::vector<std::string>{"Die Zwischenablage enth\xE4lt unbekannte",
                                      "K\xFCrzel. Soll trotzdem eingesetzt werden?"}));
  fSchule.HoleLehrer("ALT");
  fDialoge.Antworte("Ja");
  EXPECT_TRUE(KurseEinsetzen(fSchule, fAblage));
  ASSERT_EQ(fSchule.fLehrerMenge.ListeZahlElemente(), 2);
  EXPECT_EQ(fSchule.fLehrerMenge.ListeNrInhalt(2)->fKuerzel, "NEU");
  EXPECT_EQ(fSchule.fKursMenge.ListeNrInhalt(1)->fStunden.GetWochenStunde(1), 2);
}

TEST_F(KursablageTest, RefusesEveryMalformedText) {
  const std::string gut = Zeile({{0, "1"}, {1, "2"}});
  EXPECT_TRUE(KursFormOk({gut}));
  EXPECT_TRUE(KursFormOk({gut, Zeile({{4, "5a"}, {6, "R1"}})}));
  const std::vector<std::vector<std::string>> schlecht = {
      {},
      {gut.substr(0, gut.rfind('\t'))},                // 13 tabs
      {gut + "\t"},                                    // 15 tabs
      {gut, Zeile({{4, "5a"}, {5, "K1"}})},            // continuation with a coupling
      {Zeile({{4, "5a"}})},                            // continuation without a course
      {Zeile({{0, "1"}, {2, "ABCDEFGHIJKL"}})},        // 12-character short name
      {Zeile({{0, "1"}, {7, std::string(32, 'x')}})},  // info beyond 31
      {Zeile({{0, "1"}, {14, "167772150"}})},          // last field of 9 characters
      {Zeile({{0, "eins"}})},                          // a factor that is no number
      {Zeile({{0, "1"}, {1, "113"}})},                 // more lessons than cells
      {Zeile({{0, "1"}, {1, "-2"}})},                  // negative only for courses never placed
      {Zeile({{0, "1"}, {10, "5"}})},                  // there are four tables
  };
  for (const auto& zeilen : schlecht)
    EXPECT_FALSE(KursFormOk(zeilen)) << ::testing::PrintToString(zeilen);
  EXPECT_TRUE(KursFormOk({Zeile({{0, "1"}, {1, "-2"}, {11, "true"}})}));

  fAblage.SetzeText("kein Kurs");
  EXPECT_FALSE(KurseEinsetzen(fSchule, fAblage));
  ASSERT_EQ(fDialoge.Protokoll().size(), 1u);
  EXPECT_EQ(fDialoge.Protokoll()[0].fTitel, "Fehler beim Einsetzen");
  EXPECT_EQ(fDialoge.Protokoll()[0].fZeilen,
            (std::vector<std::string>{
                "Der Inhalt der Zwischenablage", "hat nicht das geeignete Format.",
                "Kurse k\xF6nnen nur im Fenster", "\"alle Kurse\" eingesetzt werden!"}));
  EXPECT_TRUE(InfoFormOk({std::string(31, 'i')}));
  EXPECT_FALSE(InfoFormOk({std::string(32, 'i')}));
  EXPECT_FALSE(InfoFormOk({"a", "b"}));
  EXPECT_TRUE(BemFormOk({std::string(81, 'b')}));
  EXPECT_FALSE(BemFormOk({std::string(82, 'b')}));
}

TEST_F(KursablageTest, CuttingAsksBeforeDeleting) {
  TKurs* k = Kurs(fSchule.HoleLehrer("MUE"), nullptr, 2);
  fDialoge.Antworte("Nein");
  KurseKopieren(fSchule, {k}, true, false, fAblage);
  EXPECT_EQ(fSchule.fKursMenge.ListeZahlElemente(), 1);
  EXPECT_EQ(fDialoge.Protokoll()[0].fTitel, "Kures l\xF6schen?");
  EXPECT_EQ(
      fDialoge.Protokoll()[0].fZeilen,
      (std::vector<std::string>{"Wollen Sie die ausgew\xE4hlten Kurse", "wirklich l\xF6schen?"}));
  TKurs* verplant = Kurs(fSchule.HoleLehrer("MUE"), nullptr, 2);
  Setze(verplant, 1, 1, 1);
  KurseKopieren(fSchule, {k, verplant}, true, false, fAblage);
  // Placed courses stay; only the other one is deleted.
  ASSERT_EQ(fSchule.fKursMenge.ListeZahlElemente(), 1);
  EXPECT_EQ(fSchule.fKursMenge.ListeNrInhalt(1), verplant);
  EXPECT_EQ(fAblage.Schreibvorgaenge(), 2);
}

TEST_F(KursablageTest, LessonsOfAllVersionsArePastedAsTheirShare) {
  fStandard.fMaxWocheNeu = 2;
  fStandard.fEineWoche = false;
  TKurs* k = Kurs(fSchule.HoleLehrer("MUE"), nullptr, 3);
  KurseKopieren(fSchule, {k}, false, true, fAblage);
  EXPECT_EQ(fAblage.HoleText().substr(0, 4), "1\t6\t");
  ASSERT_TRUE(KurseEinsetzen(fSchule, fAblage));
  const TKurs* neu = fSchule.fKursMenge.ListeNrInhalt(2);
  EXPECT_EQ(neu->fStunden.GetWochenStunde(1), 3);
  EXPECT_EQ(neu->fStunden.GetWochenStunde(2), 3);
}

}  // namespace
}  // namespace orbato
