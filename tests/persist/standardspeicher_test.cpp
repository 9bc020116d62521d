#include "persist/standardspeicher.h"

#include <gtest/gtest.h>

namespace orbato {
namespace {

// A settings object loaded from a store holding the given values of one key.
TStandard Geladen(const std::string& schluessel,
                  const std::vector<std::pair<std::string, std::string>>& werte) {
  TEinstellungenImSpeicher speicher;
  for (const auto& [name, wert] : werte) speicher.Setze(schluessel, name, wert);
  TStandard s;
  LoadStandard(s, speicher);
  return s;
}

std::string Gespeichert(const TStandard& s, const std::string& schluessel,
                        const std::string& name) {
  TEinstellungenImSpeicher speicher;
  SaveStandard(s, speicher);
  speicher.OeffneSchluessel(schluessel);
  EXPECT_TRUE(speicher.HatWert(name)) << schluessel << "/" << name;
  return speicher.LiesWert(name);
}

TEST(Standardspeicher, EmptyStoreGivesTheDefaultsOfAFreshUser) {
  const TStandard s = Geladen("Tevi0", {});
  EXPECT_TRUE(s.fEineWoche);
  EXPECT_EQ(s.fMaxWocheNeu, 1);
  EXPECT_EQ(s.fMaxTageNeu, 7);
  EXPECT_EQ(s.fVertrMerke, 10);
  EXPECT_TRUE(s.fHintergrundAn);
  EXPECT_EQ(s.fHintergrundFarbe, 16777215);
  EXPECT_EQ(s.fKursFarbe, 16777215);
  EXPECT_EQ(s.fStdBez[0][0], " 1");
  EXPECT_EQ(s.fStdBez[53][8], " 9");
  EXPECT_EQ(s.fStdBez[53][9], "10");
  EXPECT_EQ(s.fStdBez[0][15], "16");
  EXPECT_EQ(s.fTagBez[6], "So");
  EXPECT_EQ(s.fTagName[3], "Donnerstag");
  EXPECT_EQ(s.fPlnHoehe, 18);
  EXPECT_EQ(s.fDepHoehe, 18);
  EXPECT_EQ(s.fAuTab, TStandard::EingebauteTabellen());
  EXPECT_EQ(s.fKennwort, KennwortVerschluesseln(std::string(20, ' ')));
}

// A store that a run of the program has left holds the palette's place; a new one holds none,
// and a value under another key does not make it used.
TEST(Standardspeicher, AStoreIsUsedOnceTheProgramHasSavedIntoIt) {
  TEinstellungenImSpeicher leer;
  EXPECT_FALSE(EinstellungenVorhanden(leer));
  TEinstellungenImSpeicher fremd;
  fremd.Setze("Oberflaeche", "Hauptfenster", "700,500");
  fremd.Setze("Tevi1", "mwn", "3");
  EXPECT_FALSE(EinstellungenVorhanden(fremd));
  TEinstellungenImSpeicher benutzt;
  SaveStandard(TStandard(), benutzt);
  EXPECT_TRUE(EinstellungenVorhanden(benutzt));
}

TEST(Standardspeicher, EncodesEachKindOfValue) {
  TStandard s;
  s.fEineWoche = false;
  s.fPaletteLinks = -12;
  s.fTagBez = {"Mon", "Die", "Mit", "Don", "Fre", "Sam", "Son"};
  s.fGrWoElem.SetTag(1, 0x0003);
  s.fGrWoElem.SetTag(7, 0xFFFF);
  s.fFerien[8] = 0x04;
  s.fFerien[15] = 0xAB;
  s.fDepVon = *KodiereDatum(2024, 2, 29);
  s.fLPlnDruck.Ab = *KodiereDatum(2025, 8, 4) + *KodiereZeit(7, 45, 30);
  s.fPlnFont = {"Times New Roman", 11};
  s.fCustomFarbe[0] = "12AB34";
  s.fVMemo[1] = {"Hof", "Halle"};
  s.fKennwort = "AB";

  EXPECT_EQ(Gespeichert(s, "Tevi0", "eaw"), "0");
  EXPECT_EQ(Gespeichert(s, "Tevi0", "pal"), "-12");
  EXPECT_EQ(Gespeichert(s, "Tevi0", "spg"), "$Mon$Die$Mit$Don$Fre$Sam$Son$");
  EXPECT_EQ(Gespeichert(s, "Tevi0", "wks"), "4142");
  EXPECT_EQ(Gespeichert(s, "Tevi0", "cfa"), "12AB34" + std::string(90, 'F'));
  EXPECT_EQ(Gespeichert(s, "Tevi4", "gds"), "000300000000000000000000FFFF");
  EXPECT_EQ(Gespeichert(s, "Tevi10", "F2"), "04000000000000AB");
  EXPECT_EQ(Gespeichert(s, "Tevi3", "dv1"), "2024");
  EXPECT_EQ(Gespeichert(s, "Tevi3", "dv2"), "2");
  EXPECT_EQ(Gespeichert(s, "Tevi3", "dv3"), "29");
  EXPECT_EQ(Gespeichert(s, "Tevi13", "la4"), "7");
  EXPECT_EQ(Gespeichert(s, "Tevi13", "la5"), "45");
  EXPECT_EQ(Gespeichert(s, "Tevi13", "la6"), "30");
  EXPECT_EQ(Gespeichert(s, "Tevi2", "pfn"), "Times New Roman");
  EXPECT_EQ(Gespeichert(s, "Tevi2", "pfs"), "11");
  EXPECT_EQ(Gespeichert(s, "Tevi29", "vmd"), "2");
  EXPECT_EQ(Gespeichert(s, "Tevi29", "M100"), "Hof");
  EXPECT_EQ(Gespeichert(s, "Tevi29", "M101"), "Halle");
  EXPECT_EQ(Gespeichert(s, "Tevi7", "T101"), "-7$-4$-1$-10$-13$-16$-37$");
}

TEST(Standardspeicher, SavedValuesLoadBackUnchanged) {
  TStandard s;
  s.fSchulname = "Schule am See";
  s.fStdBez[4][2] = "3. Stunde";
  s.fKuWoElem.SetTagStd(3, 16, true);
  s.fFerien[887] = 0x7F;
  s.fVDEinstellung[2].HTMLPfad = "C:\\Aushang\\vp.html";
  s.fVDEinstellung[3].PlanSortierung = 3;
  s.fVMemo[9] = {"eins", "", "drei"};
  s.fAuTab[2][15][6] = 999;
  s.fLPlnDruck.Ab = *KodiereDatum(2026, 12, 8) + *KodiereZeit(16, 52, 6);
  s.fKennwort = KennwortVerschluesseln("geheim");
  TEinstellungenImSpeicher speicher;
  SaveStandard(s, speicher);
  TStandard geladen;
  geladen.fSchulname = "anders";
  LoadStandard(geladen, speicher);

  EXPECT_EQ(geladen.fSchulname, s.fSchulname);
  EXPECT_EQ(geladen.fStdBez, s.fStdBez);
  EXPECT_EQ(geladen.fKuWoElem, s.fKuWoElem);
  EXPECT_EQ(geladen.fFerien, s.fFerien);
  EXPECT_EQ(geladen.fVDEinstellung, s.fVDEinstellung);
  EXPECT_EQ(geladen.fVMemo, s.fVMemo);
  EXPECT_EQ(geladen.fAuTab, s.fAuTab);
  EXPECT_EQ(geladen.fLPlnDruck, s.fLPlnDruck);
  EXPECT_EQ(geladen.fKennwort, s.fKennwort);
  EXPECT_EQ(geladen.fKennwort, KennwortVerschluesseln("geheim"));
  EXPECT_NE(geladen.fKennwort, KennwortVerschluesseln("Geheim"));
}

TEST(Standardspeicher, BooleansAreTrueOnlyForTheDigitOne) {
  EXPECT_FALSE(Geladen("Tevi0", {{"eaw", "true"}}).fEineWoche);
  EXPECT_FALSE(Geladen("Tevi0", {{"eaw", "2"}}).fEineWoche);
  EXPECT_FALSE(Geladen("Tevi0", {{"eaw", ""}}).fEineWoche);
  EXPECT_TRUE(Geladen("Tevi1", {{"hga", "1"}}).fHintergrundAn);
  EXPECT_FALSE(Geladen("Tevi1", {{"hga", "01"}}).fHintergrundAn);
}

TEST(Standardspeicher, LabelListsFillMissingLabelsEmptyAndCutLongOnes) {
  const TStandard s = Geladen("Tevi0", {{"sp3", "$A$B$C$"},
                                        {"spg", "$Montagmorgen$Di$"},
                                        {"spn", "$1234567890123456789012345678901234$"}});
  EXPECT_EQ(s.fStdBez[2][0], "A");
  EXPECT_EQ(s.fStdBez[2][2], "C");
  for (int p = 3; p < kMaxStunden; ++p) EXPECT_TRUE(s.fStdBez[2][p].empty()) << p;
  EXPECT_EQ(s.fStdBez[1][3], " 4");  // other versions keep their defaults
  EXPECT_EQ(s.fTagBez[0], "Montagmorge");
  EXPECT_EQ(s.fTagBez[1], "Di");
  EXPECT_TRUE(s.fTagBez[2].empty());
  EXPECT_EQ(s.fTagName[0], "1234567890123456789012345678901");
  EXPECT_EQ(Geladen("Tevi0", {{"sp1", "$12345678901234567890$"}}).fStdBez[0][0], "123456789012345");
  // Text behind the last "$" is no element; surplus elements are ignored.
  EXPECT_TRUE(Geladen("Tevi0", {{"sp1", "$ohne Ende"}}).fStdBez[0][0].empty());
  EXPECT_EQ(Geladen("Tevi0", {{"spg", "$1$2$3$4$5$6$7$8$9$"}}).fTagBez[6], "7");
}

TEST(Standardspeicher, UnreadableValuesKeepTheirDefault) {
  EXPECT_EQ(Geladen("Tevi1", {{"dvs", "zwei"}}).fDivisor, 1);
  EXPECT_EQ(Geladen("Tevi1", {{"dvs", " 2"}}).fDivisor, 1);
  EXPECT_EQ(Geladen("Tevi1", {{"dvs", "99999999999"}}).fDivisor, 1);
  EXPECT_EQ(Geladen("Tevi1", {{"dvs", "4"}}).fDivisor, 4);
  EXPECT_EQ(Geladen("Tevi0", {{"pal", "-30"}}).fPaletteLinks, -30);
  // Extents the data layout cannot hold are unreadable too.
  EXPECT_EQ(Geladen("Tevi1", {{"mwn", "55"}}).fMaxWocheNeu, 1);
  EXPECT_EQ(Geladen("Tevi1", {{"mwn", "54"}}).fMaxWocheNeu, 54);
  EXPECT_EQ(Geladen("Tevi1", {{"mtn", "4"}}).fMaxTageNeu, 7);
  EXPECT_EQ(Geladen("Tevi2", {{"pst", "17"}}).fPlnStd, 6);
  EXPECT_EQ(Geladen("Tevi4", {{"gds", "0001"}}).fGrWoElem, TWoElem{});
  EXPECT_EQ(Geladen("Tevi4", {{"gds", "000100000000000000000000000G"}}).fGrWoElem, TWoElem{});
  EXPECT_EQ(Geladen("Tevi0", {{"cfa", "00FF00"}}).fCustomFarbe[0], "FFFFFF");
  EXPECT_EQ(Geladen("Tevi0", {{"wks", "4G"}}).fKennwort, KennwortVerschluesseln(""));
  EXPECT_EQ(Geladen("Tevi10", {{"F1", "01020304050607"}}).fFerien[0], 0);
  // A date that does not exist keeps the default date as a whole.
  const TStandard d = Geladen("Tevi3", {{"dv1", "2023"}, {"dv2", "2"}, {"dv3", "29"}});
  EXPECT_EQ(d.fDepVon, *KodiereDatum(1994, 1, 1));
  EXPECT_EQ(Geladen("Tevi3", {{"dv1", "2023"}}).fDepVon, *KodiereDatum(2023, 1, 1));
  EXPECT_EQ(Geladen("Tevi13", {{"la4", "24"}}).fLPlnDruck.Ab, *KodiereDatum(1994, 1, 1));
  // A memo count beyond 100 lines would reach into the next list's names.
  const TStandard m = Geladen("Tevi29", {{"vmc", "101"}, {"M0", "x"}});
  EXPECT_TRUE(m.fVMemo[0].empty());
}

// The recovery interval and the number of backups: a fresh user has them on, a value outside
// what the preferences offer falls back to the default.
TEST(Standardspeicher, RecoveryAndBackupSettingsRepairOutOfRangeValues) {
  const TStandard frisch = Geladen("Tevi1", {});
  EXPECT_EQ(frisch.fWiederherstellZeit, 5);
  EXPECT_EQ(frisch.fSicherungsKopien, 3);
  EXPECT_EQ(Geladen("Tevi1", {{"wdz", "0"}}).fWiederherstellZeit, 0);
  EXPECT_EQ(Geladen("Tevi1", {{"wdz", "1440"}}).fWiederherstellZeit, 1440);
  EXPECT_EQ(Geladen("Tevi1", {{"wdz", "1441"}}).fWiederherstellZeit, 5);
  EXPECT_EQ(Geladen("Tevi1", {{"wdz", "-1"}}).fWiederherstellZeit, 5);
  EXPECT_EQ(Geladen("Tevi1", {{"skp", "0"}}).fSicherungsKopien, 0);
  EXPECT_EQ(Geladen("Tevi1", {{"skp", "9"}}).fSicherungsKopien, 9);
  EXPECT_EQ(Geladen("Tevi1", {{"skp", "10"}}).fSicherungsKopien, 3);
  EXPECT_EQ(Geladen("Tevi1", {{"skp", "drei"}}).fSicherungsKopien, 3);
}

TEST(Standardspeicher, FontSizesSetTheRowHeights) {
  const TStandard s = Geladen("Tevi2", {{"pfs", "-12"}});
  EXPECT_EQ(s.fPlnFont.Groesse, -12);
  EXPECT_EQ(s.fPlnHoehe, 22);
  EXPECT_EQ(s.fDepHoehe, 18);
  EXPECT_EQ(Geladen("Tevi3", {{"dfs", "10"}}).fDepHoehe, 20);
}

TEST(Standardspeicher, OneZeroInAnAutomaticTableReplacesAllFourTables) {
  TStandard eigen;
  for (auto& tabelle : eigen.fAuTab) {
    for (auto& zeile : tabelle) zeile.fill(5);
  }
  TEinstellungenImSpeicher speicher;
  SaveStandard(eigen, speicher);
  TStandard s;
  LoadStandard(s, speicher);
  EXPECT_EQ(s.fAuTab, eigen.fAuTab);

  speicher.Setze("Tevi7", "T416", "5$5$5$0$5$5$5$");
  LoadStandard(s, speicher);
  EXPECT_EQ(s.fAuTab, TStandard::EingebauteTabellen());

  // A missing or unreadable row counts as zeros.
  speicher.Setze("Tevi7", "T416", "5$5$5$x$5$5$5$");
  LoadStandard(s, speicher);
  EXPECT_EQ(s.fAuTab, TStandard::EingebauteTabellen());
}

TEST(Standardspeicher, LoweringTheVersionsMovesTheCurrentVersion) {
  TEinstellungenImSpeicher speicher;
  speicher.Setze("Tevi1", "mwn", "3");
  TStandard s;
  s.fAktuelleWoche = 5;
  LoadStandard(s, speicher);
  EXPECT_EQ(s.fMaxWocheNeu, 3);
  EXPECT_EQ(s.fAktuelleWoche, 3);
}

TEST(Standardspeicher, SavesEveryKeyInOrderWithTheValueNamesOfItsLayout) {
  TEinstellungenImSpeicher speicher;
  SaveStandard(TStandard(), speicher);
  ASSERT_EQ(speicher.Schluessel().size(), 39u);
  for (int k = 0; k < 39; ++k) EXPECT_EQ(speicher.Schluessel()[k].name, "Tevi" + std::to_string(k));
  const auto anzahl = [&](int k) { return speicher.Schluessel()[k].werte.size(); };
  EXPECT_EQ(anzahl(0), 5u + 54u + 2u + 2u + 5u + 1u);
  EXPECT_EQ(anzahl(7), 64u + 5u);
  EXPECT_EQ(anzahl(10), 111u);
  EXPECT_EQ(anzahl(13), 32u);
  EXPECT_EQ(anzahl(16), 26u);
  EXPECT_EQ(anzahl(35), 26u);
  EXPECT_EQ(anzahl(32), 42u);
  EXPECT_EQ(anzahl(34), 0u);
  EXPECT_EQ(anzahl(36), 15u);
  EXPECT_EQ(anzahl(37), 16u);
  EXPECT_EQ(anzahl(38), 4u);
  EXPECT_EQ(speicher.Schluessel()[14].werte[9].first, "kle");
  EXPECT_EQ(speicher.Schluessel()[13].werte[19].first, "d1s");
  EXPECT_TRUE(IstStandardWert(29, "M205"));
  EXPECT_FALSE(IstStandardWert(29, "M1000"));
  EXPECT_TRUE(IstStandardWert(2, "pst"));
  EXPECT_FALSE(IstStandardWert(1, "pst"));
}

}  // namespace
}  // namespace orbato

namespace orbato {
namespace {

// The weights of "Optimieren" live in a key of their own; values outside their range give the
// default.
TEST(Standardspeicher, WeightsOfTheOptimisationRoundTripInTheirOwnKey) {
  TStandard s;
  s.fOptimieren.fLehrerLuecke = 45;
  s.fOptimieren.fKlasseMax = 7;
  TEinstellungenImSpeicher speicher;
  SaveStandard(s, speicher);
  TStandard geladen;
  LoadStandard(geladen, speicher);
  EXPECT_EQ(geladen.fOptimieren, s.fOptimieren);
  EXPECT_EQ(Geladen("Tevi36", {{"oll", "-1"}, {"okx", "17"}, {"ose", "60"}}).fOptimieren,
            (TOptimierEinstellungen{.fSekunden = 60}));
}

// Each substitution layout's privacy choice lives in a key of its own, so that older stores and
// other installations read the layouts' values unchanged; a missing value names the teachers.
TEST(Standardspeicher, PrivacyOfEachSubstitutionLayoutInItsOwnKey) {
  TStandard s;
  s.fVDEinstellung[2].OhneFehlendeLehrer = true;
  EXPECT_EQ(Gespeichert(s, "Tevi38", "vol3"), "1");
  EXPECT_EQ(Gespeichert(s, "Tevi38", "vol1"), "0");
  const TStandard t = Geladen("Tevi38", {{"vol2", "1"}});
  EXPECT_EQ(t.fVDEinstellung[1].OhneFehlendeLehrer, true);
  EXPECT_EQ(t.fVDEinstellung[0].OhneFehlendeLehrer, false);
  EXPECT_EQ(Geladen("Tevi29", {}).fVDEinstellung[3].OhneFehlendeLehrer, false);
}

// The period times live in a key of their own, one "HH:MM-HH:MM" per period; a time that cannot
// be read, or that ends before it begins, keeps its default.
TEST(Standardspeicher, PeriodTimesRoundTripInTheirOwnKeyAndRepairUnreadableValues) {
  const TStandard frisch = Geladen("Tevi37", {});
  EXPECT_EQ(Gespeichert(frisch, "Tevi37", "sz1"), "08:00-08:45");
  EXPECT_EQ(Gespeichert(frisch, "Tevi37", "sz2"), "08:50-09:35");
  EXPECT_EQ(Gespeichert(frisch, "Tevi37", "sz3"), "09:55-10:40");
  EXPECT_EQ(Gespeichert(frisch, "Tevi37", "sz5"), "11:45-12:30");
  EXPECT_EQ(Gespeichert(frisch, "Tevi37", "sz16"), "20:55-21:40");
  const TStandard s = Geladen("Tevi37", {{"sz1", "07:45-08:30"},
                                         {"sz2", "8:35-09:20"},
                                         {"sz3", "10:00-09:00"},
                                         {"sz4", "24:00-24:45"},
                                         {"sz5", "frueh"},
                                         {"sz6", "12:35-13:2"}});
  EXPECT_EQ(s.fStdZeiten[0], (TStundenZeit{7 * 60 + 45, 8 * 60 + 30}));
  EXPECT_EQ(s.fStdZeiten[1], (TStundenZeit{8 * 60 + 35, 9 * 60 + 20}));
  for (std::size_t p = 2; p < 6; ++p) EXPECT_EQ(s.fStdZeiten[p], frisch.fStdZeiten[p]) << p;
  EXPECT_EQ(Gespeichert(s, "Tevi37", "sz2"), "08:35-09:20");
}

// The ranges of the substitution printouts over days sit beside their fonts; a store written
// before they existed gives "never chosen" (0).
TEST(Standardspeicher, RangesOfTheSubstitutionPrintoutsRoundTrip) {
  EXPECT_EQ(Geladen("Tevi29", {{"sfs", "10"}}).fVStdDruckVon, 0);
  EXPECT_EQ(Geladen("Tevi31", {}).fVUebDruckBis, 0);
  TStandard s;
  s.fVStdDruckVon = *KodiereDatum(2026, 12, 7) + 0.5;
  s.fVStdDruckBis = *KodiereDatum(2026, 12, 11) + 0.5;
  s.fVUebDruckVon = *KodiereDatum(2027, 1, 4) + 0.5;
  s.fVUebDruckBis = *KodiereDatum(2027, 2, 28) + 0.5;
  EXPECT_EQ(Gespeichert(s, "Tevi29", "sv3"), "7");
  EXPECT_EQ(Gespeichert(s, "Tevi29", "sb3"), "11");
  EXPECT_EQ(Gespeichert(s, "Tevi31", "vuv1"), "2027");
  EXPECT_EQ(Gespeichert(s, "Tevi31", "vub2"), "2");
  const TStandard t = Geladen("Tevi31", {{"vuv1", "2027"}, {"vuv2", "1"}, {"vuv3", "4"}});
  EXPECT_EQ(t.fVUebDruckVon, *KodiereDatum(2027, 1, 4));
  EXPECT_EQ(t.fVUebDruckBis, 0);
}

}  // namespace
}  // namespace orbato
