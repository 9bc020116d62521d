#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "austausch/gpu/gpuexport.h"
#include "austausch/gpu/gpuimport.h"
#include "model/demo/demoschule.h"
#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "model/schnittstellen/dialoge.h"
#include "persist/kursimport.h"

namespace orbato {
namespace {

struct TRundreise {
  const char* name;
  const char* datei;  // a real school's exchange file, or none for a demo school
  TDemoGroesse groesse;
};

template <class T>
void Stammdaten(const TListe<T>& menge, const char* art, std::vector<std::string>& zeilen) {
  for (const T* e : menge)
    zeilen.push_back(std::string(art) + e->fKuerzel.str() + "|" + e->fInfo.str());
}

// What the files carry, line by line: the elements with their long names (teachers with their
// target), the couplings that hold courses by name, and each course with its classes,
// rooms, hours and coupling, and its placements of the current version with their rooms.
std::vector<std::string> Inhalt(const TSchule& s) {
  const int32_t woche = Standard().fAktuelleWoche;
  std::vector<std::string> zeilen;
  for (const TLehrer* l : s.fLehrerMenge) {
    zeilen.push_back("L " + l->fKuerzel.str() + "|" + l->fInfo.str() + "|" +
                     std::to_string(l->GetSoll(woche)));
  }
  Stammdaten(s.fKlassenMenge, "K ", zeilen);
  Stammdaten(s.fRaumMenge, "R ", zeilen);
  Stammdaten(s.fFachMenge, "F ", zeilen);
  // The files know no list of couplings, so the imported ones follow the lessons' order.
  std::vector<std::string> kopplungen;
  for (const TKopplung* k : s.fKopplMenge) {
    if (k->fKurse.ListeZahlElemente() > 0) kopplungen.push_back("P " + k->fKuerzel.str());
  }
  std::sort(kopplungen.begin(), kopplungen.end());
  zeilen.insert(zeilen.end(), kopplungen.begin(), kopplungen.end());
  // Courses equal in teacher, subject, first class and hours keep the order they were created
  // in, which the files do not carry: they are compared sorted.
  std::vector<std::string> kurse;
  for (const TKurs* k : s.fKursMenge) {
    std::string zeile = "C " + KuerzelVon(k->fLehrer) + "|" + KuerzelVon(k->fFach) + "|" +
                        KuerzelVon(k->fKopplung) + "|" +
                        std::to_string(k->fStunden.GetWochenStunde(woche)) + "|";
    for (const TKlasse* c : k->fKlassen) zeile += c->fKuerzel.str() + " ";
    zeile += "|";
    for (const TRaum* r : k->fRaeume) zeile += r->fKuerzel.str() + " ";
    std::vector<std::string> setzungen;
    for (const TSetzung* z : k->fSetzungen) {
      if (z->fWoche != woche) continue;
      setzungen.push_back(std::to_string(z->fTag) + "." + std::to_string(z->fStunde) + " " +
                          KuerzelVon(z->fRaum));
    }
    std::sort(setzungen.begin(), setzungen.end());
    for (const std::string& z : setzungen) zeile += "|" + z;
    kurse.push_back(zeile);
  }
  std::sort(kurse.begin(), kurse.end());
  zeilen.insert(zeilen.end(), kurse.begin(), kurse.end());
  return zeilen;
}

// The real schools come without a plan: each course's hours go into the cells of a simple
// pattern, with its first room, so that the files have a timetable to carry.
void Verplane(TSchule& s) {
  const int32_t woche = Standard().fAktuelleWoche;
  int zelle = 0;
  for (TKurs* k : s.fKursMenge) {
    for (int32_t h = 0; h < k->fStunden.GetWochenStunde(woche); ++h, zelle += 7) {
      const int32_t tag = 1 + zelle / 8 % 5, std = 1 + zelle % 8;
      if (k->fBesetzung.GetWocheTagStd(woche, tag, std)) continue;
      k->SetzungAufnehmen(new TSetzung(woche, tag, std, k->ErsterRaum()));
    }
  }
}

class GpuRundreiseTest : public ::testing::TestWithParam<TRundreise> {
 protected:
  void SetUp() override {
    fSchule.SetDialoge(&fDialoge);
    if (GetParam().datei) {
      ASSERT_EQ(TImportForm(fSchule, fDialoge)
                    .ImportFromFile(std::string(ORBATO_SCHULEN "/") + GetParam().datei),
                TImportErgebnis::Importiert);
      Verplane(fSchule);
    } else {
      ErzeugeDemoSchule(fSchule, fStandard, GetParam().groesse);
    }
  }

  TStandard fStandard;
  TStandardEinsetzen fStandardEingesetzt{fStandard};
  TSchule fSchule;
  TSchuleEinsetzen fSchuleEingesetzt{fSchule};
  TSkriptDialoge fDialoge;
};

// Export, then import into an empty document: the same elements, couplings, courses and
// placements, and the master files written again are the same bytes.
TEST_P(GpuRundreiseTest, ExportThenImportGivesTheSameSchool) {
  for (const TGpuSchreibart art : {TGpuSchreibart{',', false}, TGpuSchreibart{';', true}}) {
    const auto dateien = GpuExportDateien(fSchule, {art, 0, 0});
    TGpuDateien gelesen;
    for (int nr = 1; nr <= 6; ++nr) gelesen[nr] = dateien.at("GPU00" + std::to_string(nr) + ".TXT");
    TSchule neu;
    TSkriptDialoge dialoge;
    TGpuImport import(neu, dialoge);
    ASSERT_EQ(import.Importiere(gelesen), TGpuImportErgebnis::Importiert);
    EXPECT_EQ(dialoge.Anzahl(TDialogVorgang::Frage), 0u);
    // Only the counts: nothing was cut, nothing left out.
    EXPECT_EQ(import.Bericht().size(), 1u) << import.Bericht().back();
    const auto vorher = Inhalt(fSchule);
    EXPECT_GT(vorher.size(), 50u);
    EXPECT_EQ(Inhalt(neu), vorher);
    const auto wieder = GpuExportDateien(neu, {art, 0, 0});
    for (const char* name : {"GPU003.TXT", "GPU004.TXT", "GPU005.TXT", "GPU006.TXT"}) {
      EXPECT_EQ(wieder.at(name), dateien.at(name)) << name;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Schulen, GpuRundreiseTest,
                         ::testing::Values(TRundreise{"DemoKlein", nullptr, TDemoGroesse::klein},
                                           TRundreise{"DemoMittel", nullptr, TDemoGroesse::mittel},
                                           TRundreise{"DemoGross", nullptr, TDemoGroesse::gross},
                                           TRundreise{"Dgs", "dgs.txt", TDemoGroesse::klein},
                                           TRundreise{"Sekundarschule", "sekundarschule.txt",
                                                      TDemoGroesse::klein}),
                         [](const auto& fall) { return std::string(fall.param.name); });

}  // namespace
}  // namespace orbato
