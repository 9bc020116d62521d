#include "austausch/gpu/gpuimport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "austausch/gpu/gpubeispiel.h"
#include "austausch/gpu/gpuexport.h"
#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "model/schnittstellen/dialoge.h"

namespace orbato {
namespace {

using namespace gpubeispiel;

class GpuImportTest : public ::testing::Test {
 protected:
  void SetUp() override { fSchule.SetDialoge(&fDialoge); }

  TStandard fStandard;
  TStandardEinsetzen fStandardEingesetzt{fStandard};
  TSchule fSchule;
  TSchuleEinsetzen fSchuleEingesetzt{fSchule};
  TSkriptDialoge fDialoge;
};

TEST_F(GpuImportTest, ReportsEveryChangeOfTheSampleSchool) {
  TGpuImport import(fSchule, fDialoge);
  ASSERT_EQ(import.Importiere(BeispielSchule()), TGpuImportErgebnis::Importiert);
  EXPECT_EQ(fDialoge.Anzahl(TDialogVorgang::Frage), 0u);
  EXPECT_EQ(import.Bericht(),
            (std::vector<std::string>{"Untis-Import: 6 Klassen, 4 Lehrer, 4 R\xE4ume, 4 F\xE4"
                                      "cher, 5 Kurse, 1 Kopplung, 9 "
                                      "Setzungen in Planversion 1.",
                                      "Klasse \x84"
                                      "09a_N-NW-SP-1\x93 hei\xDFt jetzt \x84"
                                      "09a_N-NW-SP\x93 (K\xFCrzel haben "
                                      "h\xF6"
                                      "chstens 11 Zeichen).",
                                      "Klasse \x84"
                                      "09a_N-NW-SP-2\x93 hei\xDFt jetzt \x84"
                                      "09a_N-NW-S2\x93 (K\xFCrzel haben "
                                      "h\xF6"
                                      "chstens 11 Zeichen).",
                                      "GPU003: Feld 4 nicht \xFC"
                                      "bernommen (kein Gegenst\xFC"
                                      "ck im Programm).",
                                      "GPU004 Zeile 1: Wochen-Soll 25.500 auf 26.000 gerundet.",
                                      "GPU004: Feld 31 nicht \xFC"
                                      "bernommen (kein Gegenst\xFC"
                                      "ck im Programm).",
                                      "GPU005: Felder 3, 8 nicht \xFC"
                                      "bernommen (kein Gegenst\xFC"
                                      "ck im Programm).",
                                      "GPU006: Feld 4 nicht \xFC"
                                      "bernommen (kein Gegenst\xFC"
                                      "ck im Programm).",
                                      "GPU002: Felder 12, 15, 16 nicht \xFC"
                                      "bernommen (kein Gegenst\xFC"
                                      "ck im Programm).",
                                      "GPU001 Zeile 14: Tag \x84"
                                      "8\x93 liegt nicht zwischen 1 und 7, Stunde nicht "
                                      "\xFC"
                                      "bernommen.",
                                      "GPU001 Zeile 15: Stunde \x84"
                                      "17\x93 liegt nicht zwischen 1 und 16, nicht "
                                      "\xFC"
                                      "bernommen."}));
  const TKopplung* kopplung = TSchule::HoleElement(fSchule.fKopplMenge, "U12");
  ASSERT_NE(kopplung, nullptr);
  EXPECT_EQ(kopplung->fKurse.ListeZahlElemente(), 2);
  const TLehrer* bra = TSchule::HoleElement(fSchule.fLehrerMenge, "BRA");
  EXPECT_EQ(bra->fInfo, "Anna Brandt");
  EXPECT_EQ(bra->GetSoll(1), 26);
  EXPECT_EQ(TSchule::HoleElement(fSchule.fLehrerMenge, "K\xD6H")->fKurse.ListeZahlElemente(), 1);
}

// The sample school written again: lessons renumbered in course order, the coupling named in
// field 21, each placement once per class, the target of the teacher without one the default.
// The same files imported a second time into the document: every hour would meet its twin, so
// none is placed, each is reported, and no teacher stands twice in a cell.
TEST_F(GpuImportTest, IntoADocumentWithAPlanNoHourClashes) {
  ASSERT_EQ(TGpuImport(fSchule, fDialoge).Importiere(BeispielSchule()),
            TGpuImportErgebnis::Importiert);
  TGpuImport zweiter(fSchule, fDialoge);
  ASSERT_EQ(zweiter.Importiere(BeispielSchule()), TGpuImportErgebnis::Importiert);
  const std::vector<std::string>& bericht = zweiter.Bericht();
  EXPECT_EQ(bericht[0].substr(0, 100),
            std::string("Untis-Import: 6 Klassen, 4 Lehrer, 4 R\xE4ume, 4 F\xE4"
                        "cher, 5 Kurse, 1 Kopplung, 0 Setzungen in Planversion 1.")
                .substr(0, 100));
  std::size_t belegt = 0;
  for (const std::string& zeile : bericht) {
    if (zeile.find("schon belegt oder gesperrt") != std::string::npos) ++belegt;
  }
  // One per line of the timetable: the 9 hours, and the lines of 7b that repeat 7a's 4 hours of
  // the course both classes share.
  EXPECT_EQ(belegt, 13u);
}

TEST_F(GpuImportTest, ExportsTheExactBytesOfTheSampleSchool) {
  ASSERT_EQ(TGpuImport(fSchule, fDialoge).Importiere(BeispielSchule()),
            TGpuImportErgebnis::Importiert);
  const auto dateien = GpuExportDateien(fSchule, {});
  EXPECT_EQ(dateien.size(), 6u);
  EXPECT_EQ(Text(dateien.at("GPU001.TXT")),
            "1,\"5b\",\"BRA\",\"M\",\"R012\",1,1,,\r\n1,\"5b\",\"BRA\",\"M\",\"R012\",1,2,,\r\n"
            "1,\"5b\",\"BRA\",\"M\",\"R012\",3,2,,\r\n1,\"5b\",\"BRA\",\"M\",\"R012\",5,4,,\r\n"
            "2,\"6c\",\"K\xD6H\",\"PH\",\"PH1\",4,5,,\r\n"
            "3,\"7a\",\"MUE\",\"ER\",\"R104\",1,3,,\r\n3,\"7b\",\"MUE\",\"ER\",\"R104\",1,3,,\r\n"
            "3,\"7a\",\"MUE\",\"ER\",\"R104\",2,4,,\r\n3,\"7b\",\"MUE\",\"ER\",\"R104\",2,4,,\r\n"
            "3,\"7a\",\"SCH\",\"KR\",\"R105\",1,3,,\r\n3,\"7b\",\"SCH\",\"KR\",\"R105\",1,3,,\r\n"
            "3,\"7a\",\"SCH\",\"KR\",\"R105\",2,4,,\r\n3,\"7b\",\"SCH\",\"KR\",\"R105\",2,4,,\r\n");
  EXPECT_EQ(Text(dateien.at("GPU002.TXT")),
            Zeile("1,4,4,4,\"5b\",\"BRA\",\"M\",\"R012\"", 46) +
                Zeile("2,1,1,1,\"6c\",\"K\xD6H\",\"PH\",\"PH1\"", 46) +
                Zeile("3,2,2,2,\"7a\",\"MUE\",\"ER\",\"R104\",,,,,,,,,,,,,\"U12\"", 46) +
                Zeile("3,2,0,2,\"7a\",\"SCH\",\"KR\",\"R105\",,,,,,,,,,,,,\"U12\"", 46) +
                Zeile("3,2,2,0,\"7b\",\"MUE\",\"ER\",\"R104\",,,,,,,,,,,,,\"U12\"", 46) +
                Zeile("3,2,0,0,\"7b\",\"SCH\",\"KR\",\"R105\",,,,,,,,,,,,,\"U12\"", 46) +
                Zeile("4,2,2,2,\"09a_N-NW-SP\",\"BRA\",\"M\"", 46) +
                Zeile("4,2,2,0,\"09a_N-NW-S2\",\"BRA\",\"M\"", 46));
  EXPECT_EQ(Text(dateien.at("GPU003.TXT")),
            Zeile("\"5b\",\"Klasse 5b\"", 32) + Zeile("\"6c\",\"Klasse 6c\"", 32) +
                Zeile("\"7a\",\"Klasse 7a\"", 32) + Zeile("\"7b\",\"Klasse 7b\"", 32) +
                Zeile("\"09a_N-NW-SP\",\"Kurs 1\"", 32) + Zeile("\"09a_N-NW-S2\",\"Kurs 2\"", 32));
  EXPECT_EQ(Text(dateien.at("GPU004.TXT")),
            Zeile("\"BRA\",\"Anna Brandt\",,,,,,,,,,,,,26.000", 45, false) +
                Zeile("\"MUE\",\"M\xFCller\",,,,,,,,,,,,,23.000", 45, false) +
                Zeile("\"SCH\",\"Schmidt\",,,,,,,,,,,,,12.000", 45, false) +
                Zeile("\"K\xD6H\",\"K\xF6hler\",,,,,,,,,,,,,24.000", 45, false));
  EXPECT_EQ(Text(dateien.at("GPU005.TXT")),
            Zeile("\"R012\",\"Raum 012\"", 17) + Zeile("\"R104\",\"Raum 104\"", 17) +
                Zeile("\"R105\",\"Raum 105\"", 17) + Zeile("\"PH1\",\"Physiksaal\"", 17));
  EXPECT_EQ(Text(dateien.at("GPU006.TXT")), Zeile("\"M\",\"Mathematik\"", 21, false) +
                                                Zeile("\"ER\",\"Ev. Religion\"", 21, false) +
                                                Zeile("\"KR\",\"Kath. Religion\"", 21, false) +
                                                Zeile("\"PH\",\"Physik\"", 21, false));
  const auto utf8 = GpuExportDateien(fSchule, {{';', true}, 0, 0});
  EXPECT_EQ(Text(utf8.at("GPU006.TXT")).substr(0, 22), "\"M\";\"Mathematik\";;;;;;");
  EXPECT_NE(Text(utf8.at("GPU004.TXT")).find("\r\n\"K\xC3\x96H\";\"K\xC3\xB6hler\";;"),
            std::string::npos);
}

// Lessons naming short names that neither a master file nor the document has ask the question
// of the course exchange file; "Nein" leaves the document as it was.
TEST_F(GpuImportTest, AsksAboutUnknownShortNames) {
  TGpuDateien nurUnterricht;
  nurUnterricht[2] = BeispielSchule()[2];
  fDialoge.Antworte("Nein");
  EXPECT_EQ(TGpuImport(fSchule, fDialoge).Importiere(nurUnterricht), TGpuImportErgebnis::Abgelehnt);
  const auto fragen = fDialoge.Protokoll(TDialogVorgang::Frage);
  ASSERT_EQ(fragen.size(), 1u);
  EXPECT_EQ(fragen[0].fTitel, "Unbekannte K\xFCrzel");
  EXPECT_EQ(fragen[0].fZeilen,
            (std::vector<std::string>{"Die Importdatei enth\xE4lt unbekannte K\xFCrzel.",
                                      "Wollen sie trotzdem importieren?"}));
  EXPECT_EQ(fSchule.fKursMenge.ListeZahlElemente(), 0);
  EXPECT_EQ(fSchule.fLehrerMenge.ListeZahlElemente(), 0);
  EXPECT_FALSE(fSchule.IsDirty());

  EXPECT_EQ(TGpuImport(fSchule, fDialoge).Importiere(nurUnterricht),
            TGpuImportErgebnis::Importiert);
  EXPECT_EQ(fSchule.fKursMenge.ListeZahlElemente(), 5);
  // Now the document knows every name: the same lessons again are added without a question.
  fDialoge.ProtokollLeeren();
  EXPECT_EQ(TGpuImport(fSchule, fDialoge).Importiere(nurUnterricht),
            TGpuImportErgebnis::Importiert);
  EXPECT_EQ(fDialoge.Anzahl(TDialogVorgang::Frage), 0u);
  EXPECT_EQ(fSchule.fKursMenge.ListeZahlElemente(), 10);
  EXPECT_EQ(TGpuImport(fSchule, fDialoge).Importiere({}), TGpuImportErgebnis::KeineDateien);
}

// Broken input ends in the report, never in a crash: short lines, no numbers, huge numbers,
// lessons the timetable names but GPU002 lacks, bytes that are no text.
TEST_F(GpuImportTest, ReportsBrokenLines) {
  TGpuDateien d;
  d[2] = Bytes(
      "x,2,2,2,\"5a\",\"A\",\"M\"\r\n7\r\n8,999999999999,1,1,\"5a\",\"A\",\"D\"\r\n"
      "9,zwei\r\n");
  d[1] = Bytes("8,\"5a\",\"A\",\"D\",,1\r\n7,,,,,1,1\r\n3,\"5a\",\"A\",\"M\",,1,1\r\n");
  d[6] = Bytes(std::string("\x00\xFF\"\"\"\r\r\n,,,", 12));
  TGpuImport import(fSchule, fDialoge);
  ASSERT_EQ(import.Importiere(d), TGpuImportErgebnis::Importiert);
  EXPECT_EQ(import.Bericht(),
            (std::vector<std::string>{
                "Untis-Import: 0 Klassen, 0 Lehrer, 0 R\xE4ume, 2 F\xE4"
                "cher, 3 Kurse, 0 "
                "Kopplungen, 1 Setzung in Planversion 1.",
                "GPU006: Feld 4 nicht \xFC"
                "bernommen (kein Gegenst\xFC"
                "ck im Programm).",
                "GPU002 Zeile 1: keine Unterrichtsnummer, Zeile nicht \xFC"
                "bernommen.",
                "GPU002 Zeile 2: Wochenstunden \x84\x93 als 0 gelesen.",
                "GPU002 Zeile 3: Wochenstunden 999999999999 auf 112 begrenzt.",
                "GPU002 Zeile 4: Wochenstunden \x84zwei\x93 als 0 gelesen.",
                "GPU001 Zeile 1: Stunde \x84\x93 liegt nicht zwischen 1 und 16, nicht "
                "\xFC"
                "bernommen.",
                "GPU001 Zeile 3: Unterricht \x84"
                "3\x93 mit \x84"
                "A\x93 und \x84M\x93 fehlt in "
                "GPU002, Stunde nicht \xFC"
                "bernommen."}));
}

// A description (field 21) names the coupling our export writes; Untis files from elsewhere may
// give it to many lessons, and only the first becomes a coupling of that name. Lines of one
// course that disagree on the hours keep the first line's.
TEST_F(GpuImportTest, ADescriptionCouplesOneLessonOnly) {
  TGpuDateien d;
  d[2] = Bytes(Zeile("1,2,2,2,\"5a\",\"A\",\"M\",,,,,,,,,,,,,,\"F\xF6rder\"", 46) +
               Zeile("2,2,2,2,\"5b\",\"A\",\"M\",,,,,,,,,,,,,,\"F\xF6rder\"", 46) +
               Zeile("3,1,1,1,\"5b\",\"B\",\"D\"", 46) + Zeile("3,2,0,0,\"5c\",\"B\",\"D\"", 46));
  TGpuImport import(fSchule, fDialoge);
  ASSERT_EQ(import.Importiere(d), TGpuImportErgebnis::Importiert);
  ASSERT_EQ(fSchule.fKopplMenge.ListeZahlElemente(), 1);
  EXPECT_EQ(fSchule.fKopplMenge.ListeNrInhalt(1)->fKuerzel, "F\xF6rder");
  EXPECT_EQ(fSchule.fKopplMenge.ListeNrInhalt(1)->fKurse.ListeZahlElemente(), 1);
  EXPECT_EQ(import.Bericht(),
            (std::vector<std::string>{
                "Untis-Import: 0 Klassen, 0 Lehrer, 0 R\xE4ume, 0 F\xE4"
                "cher, 3 Kurse, 1 Kopplung, "
                "0 Setzungen in Planversion 1.",
                "GPU002 Zeile 4: Wochenstunden 2 weichen von Zeile 3 ab, dort 1 \xFC"
                "bernommen.",
                "GPU002 Zeile 2: Beschreibung \x84"
                "F\xF6rder\x93 schon bei Unterricht 1, hier "
                "nicht als Kopplung gelesen."}));
}

}  // namespace
}  // namespace orbato
