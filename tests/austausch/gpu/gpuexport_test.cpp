#include "austausch/gpu/gpuexport.h"

#include <gtest/gtest.h>

#include <string>

#include "austausch/gpu/gpubeispiel.h"
#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "model/schnittstellen/dialoge.h"

namespace orbato {
namespace {

using namespace gpubeispiel;

TDatumZeit Tag(int jahr, int monat, int tag) {
  return *KodiereDatum(jahr, monat, tag) + 0.5;
}

// The sample school with MUE absent on Monday 4 November 2024 in periods 3, 4 and 6 and the
// class 7a on Tuesday, and the records of that week: a substitute, a cancellation, a room
// change, a lesson moved, and a record outside the range.
class GpuVertretungsExportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fSchule.SetDialoge(&fDialoge);
    ASSERT_EQ(TGpuImport(fSchule, fDialoge).Importiere(BeispielSchule()),
              TGpuImportErgebnis::Importiert);
    TLehrer* mue = TSchule::HoleElement(fSchule.fLehrerMenge, "MUE");
    Fehl(fSchule.fFehlLehrerMenge, mue, Tag(2024, 11, 4), {3, 4, 6}, "K");
    Fehl(fSchule.fFehlKlassenMenge, TSchule::HoleElement(fSchule.fKlassenMenge, "7a"),
         Tag(2024, 11, 5), {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}, "-");
    TKurs* religion = mue->fKurse.ListeNrInhalt(1);
    TKurs* mathe = TSchule::HoleElement(fSchule.fLehrerMenge, "BRA")->fKurse.ListeNrInhalt(1);
    TVertretung* v = Vertretung(*religion, 1, 3, Tag(2024, 11, 4));
    v->SetLehrer(TSchule::HoleElement(fSchule.fLehrerMenge, "BRA"));
    v->SetLInfo("Aufgaben \"S. 12\"");
    Vertretung(*religion, 2, 4, Tag(2024, 11, 5))->SetFrei(true);
    Vertretung(*mathe, 3, 2, Tag(2024, 11, 6))
        ->SetRaum(TSchule::HoleElement(fSchule.fRaumMenge, "R105"));
    Vertretung(*mathe, 1, 1, Tag(2024, 11, 11));
    // Mathematics of Friday period 4 given on Monday in period 2 instead.
    TVertretung* weg = Vertretung(*mathe, 5, 4, Tag(2024, 11, 8));
    TVertretung* hin = Vertretung(*mathe, 1, 2, Tag(2024, 11, 4));
    weg->SetFrei(true);
    weg->SetVon(hin);
    hin->SetZu(weg);
  }

  void Fehl(TListe<TFehl>& menge, TPlanElement* element, TDatumZeit datum,
            std::initializer_list<int32_t> stunden, const char* grund) {
    auto* f = new TFehl;
    f->SetElement(element);
    f->SetDatum(datum);
    for (int32_t h : stunden) f->ChangeZeit(h);
    f->SetGrund(grund);
    menge.ListeAnhaengen(f);
  }

  TVertretung* Vertretung(TKurs& kurs, int32_t tag, int32_t std, TDatumZeit datum) {
    TVertretung* v = NeueVertretung(kurs, *kurs.SetzungFinden(1, tag, std), datum);
    v->SetAdHoc(Tag(2024, 11, 3));
    return v;
  }

  TStandard fStandard;
  TStandardEinsetzen fStandardEingesetzt{fStandard};
  TSchule fSchule;
  TSchuleEinsetzen fSchuleEingesetzt{fSchule};
  TSkriptDialoge fDialoge;
};

// GPU013 numbers one record per run of periods; GPU014 names the room each record is held in,
// links the absence of the course's teacher and marks each record's type: substitute (0, empty),
// cancelled (1, C), room change (65536, R), moved here (128, F) and moved away (8 and
// cancelled, T).
TEST_F(GpuVertretungsExportTest, WritesAbsencesAndSubstitutionsOfTheRange) {
  const auto dateien =
      GpuExportDateien(fSchule, {{',', false}, Tag(2024, 11, 4), Tag(2024, 11, 8)});
  ASSERT_EQ(dateien.size(), 8u);
  EXPECT_EQ(Text(dateien.at("GPU013.TXT")),
            "1,\"L\",\"MUE\",\"20241104\",\"20241104\",\"3\",\"4\",\"K\",,\r\n"
            "2,\"L\",\"MUE\",\"20241104\",\"20241104\",\"6\",\"6\",\"K\",,\r\n"
            "3,\"K\",\"7a\",\"20241105\",\"20241105\",\"1\",\"16\",,,\r\n");
  EXPECT_EQ(
      Text(dateien.at("GPU014.TXT")),
      "1,\"20241104\",3,1,3,\"MUE\",\"BRA\",\"ER\",,,,\"R104\",\"R104\",,\"7a~7b\",,"
      "\"Aufgaben 'S. 12'\",0,\"7a~7b\",,202411030000,\r\n"
      "2,\"20241104\",2,,1,\"BRA\",,\"M\",,,,\"R012\",\"R012\",,\"5b\",,,128,\"5b\",\"F\","
      "202411030000,\r\n"
      "3,\"20241105\",4,,3,\"MUE\",,\"ER\",,,,\"R104\",\"R104\",,\"7a~7b\",,,1,\"7a~7b\",\"C\","
      "202411030000,\r\n"
      "4,\"20241106\",2,,1,\"BRA\",,\"M\",,,,\"R012\",\"R105\",,\"5b\",,,65536,\"5b\",\"R\","
      "202411030000,\r\n"
      "5,\"20241108\",4,,1,\"BRA\",,\"M\",,,,\"R012\",\"R012\",,\"5b\",,,9,\"5b\",\"T\","
      "202411030000,\r\n");
  EXPECT_EQ(GpuExportDateien(fSchule, {}).count("GPU014.TXT"), 0u);
}

}  // namespace
}  // namespace orbato
