// What `orbato info` tells of substitution records made by the bookkeeping, partners included.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/kommandolauf.h"
#include "app/orbato/plankommandos.h"
#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "model/schnittstellen/uhr.h"
#include "substitution/fehlzeiten.h"
#include "testordner.h"

namespace orbato {
namespace {

constexpr TDatumZeit kDienstag = 46364.5;  // 2026-12-08

// Every array of one name in the output, in order, each on one line: "[{"nr": 1,"datum": …}]".
std::vector<std::string> Arrays(const std::string& json, const std::string& name) {
  std::vector<std::string> arrays;
  const std::string schluessel = "\"" + name + "\": [";
  for (std::size_t anfang = json.find(schluessel); anfang != std::string::npos;
       anfang = json.find(schluessel, anfang + 1)) {
    std::size_t ende = anfang + schluessel.size() - 1;
    for (int tiefe = 0; ende < json.size(); ++ende) {
      tiefe += json[ende] == '[' ? 1 : json[ende] == ']' ? -1 : 0;
      if (tiefe == 0) break;
    }
    std::string zeile;
    bool einzug = false;
    for (std::size_t i = anfang + schluessel.size() - 1; i <= ende; ++i) {
      einzug = json[i] == '\n' || (einzug && json[i] == ' ');
      if (!einzug) zeile += json[i];
    }
    arrays.push_back(zeile);
  }
  return arrays;
}

// Tuesday: MÜ is ill in periods 1 and 2. BRA takes period 1, so his own 5b lesson needs somebody
// and moves to R3; he takes period 2 instead of his 5a lesson on Wednesday.
class InfoVertretungenTest : public ::testing::Test {
 protected:
  InfoVertretungenTest() {
    TStandard standard;
    TStandardEinsetzen standardEingesetzt(standard);
    standard.fMaxTageNeu = 5;
    TSchule schule;
    TSchuleEinsetzen schuleEingesetzt(schule);
    TFesteUhr uhr(kDienstag - 0.1);
    TSkriptDialoge dialoge;
    schule.SetUhr(&uhr);
    schule.SetDialoge(&dialoge);
    TLehrer* bra = schule.HoleLehrer("BRA");
    TLehrer* mue = schule.HoleLehrer("M\xDC");
    TKlasse* k5a = schule.HoleKlasse("5a");
    TKlasse* k5b = schule.HoleKlasse("5b");
    TRaum* r1 = schule.HoleRaum("R1");
    TRaum* r2 = schule.HoleRaum("R2");
    TRaum* r3 = schule.HoleRaum("R3");
    TKurs* deutsch = Kurs(schule, mue, k5a, r1, "D", {{2, 1}, {2, 2}});
    TKurs* mathe = Kurs(schule, bra, k5b, r2, "M", {{2, 1}});
    Kurs(schule, bra, k5a, r1, "E", {{3, 1}});

    TFehlForm form(schule, standard, leh, kDienstag);
    form.ElementHinzufuegen(mue);
    form.SetStunden(0, "++");
    form.SetGrund(0, "K");
    form.Ok();
    deutsch->fSetzungen.ListeNrInhalt(1)->VertretungFinden(kDienstag)->TrageLehrerEin(bra);
    mathe->fSetzungen.ListeNrInhalt(1)->VertretungFinden(kDienstag)->TrageRaumEin(r3);
    TVertretung* zweite = deutsch->fSetzungen.ListeNrInhalt(2)->VertretungFinden(kDienstag);
    zweite->ErzeugeKlassenMenu(bra);
    for (int32_t i = 1; i <= zweite->fStattListe.ListeZahlElemente(); ++i) {
      if (zweite->fStattListe.ListeNrInhalt(i)->fDatum == kDienstag + 1) zweite->StattWahl(i);
    }
    Sichere(schule, fDatei);
  }

  static TKurs* Kurs(TSchule& schule, TLehrer* l, TKlasse* k, TRaum* r, std::string_view fach,
                     std::vector<std::pair<int32_t, int32_t>> stunden) {
    TFach* f = schule.HoleFach(fach);
    l->NeuesFach(f);
    auto* kurs = new TKurs;
    kurs->IKurs(l, k, static_cast<int32_t>(stunden.size()), r, f, nullptr);
    for (auto [tag, std] : stunden) kurs->SetzungAufnehmen(new TSetzung(1, tag, std, r));
    return kurs;
  }

  TTestOrdner fOrdner{"infovertretungen"};
  const std::string fDatei = (fOrdner / "schule.orb").string();
};

TEST_F(InfoVertretungenTest, NumbersAreThePlacesInTheListReadPartnersPointAtThem) {
  const TErgebnis info = Orbato({"info", fDatei, "--heute", "2026-12-08"});
  ASSERT_EQ(info.status, 0) << info.fehler;
  // The courses stand as 5a D, 5a E, 5b M; the list is read in that order. The period labels are
  // the settings' defaults, " 1" and " 2".
  EXPECT_EQ(
      Arrays(info.aus, "vertretungen"),
      (std::vector<std::string>{
          "[{\"nr\": 1,\"datum\": 46364.50,\"adHoc\": 46364.50,\"lehrer\": \"BRA\","
          "\"raum\": \"R1\",\"fach\": \"D\",\"lInfo\": \"statt  BRA M R2\","
          "\"sInfo\": \"statt  BRA M R2\",\"frei\": false,\"gueltig\": true,"
          "\"angerechnet\": false,\"von\": null,\"zu\": 4}]",
          "[{\"nr\": 2,\"datum\": 46364.50,\"adHoc\": 46364.50,\"lehrer\": \"BRA\","
          "\"raum\": \"R1\",\"fach\": \"E\",\"lInfo\": \"statt Mi, 9. Dez   1 \","
          "\"sInfo\": \"statt Mi, 9. Dez   1 \",\"frei\": false,\"gueltig\": true,"
          "\"angerechnet\": false,\"von\": null,\"zu\": 3}]",
          "[{\"nr\": 3,\"datum\": 46365.50,\"adHoc\": 46364.50,\"lehrer\": null,"
          "\"raum\": \"R1\",\"fach\": \"E\",\"lInfo\": \"verlegt auf Di, 8. Dez   2 \","
          "\"sInfo\": \"verlegt auf Di, 8. Dez   2 \",\"frei\": false,\"gueltig\": true,"
          "\"angerechnet\": true,\"von\": 2,\"zu\": null}]",
          "[{\"nr\": 4,\"datum\": 46364.50,\"adHoc\": 46364.50,\"lehrer\": null,"
          "\"raum\": \"R3\",\"fach\": \"M\",\"lInfo\": \"in Raum R3 | verlegt auf  M\u00DC D R1 \","
          "\"sInfo\": \"in Raum R3 | verlegt auf  M\u00DC D R1 \",\"frei\": false,"
          "\"gueltig\": true,\"angerechnet\": true,\"von\": 1,\"zu\": null}]"}));
  EXPECT_EQ(
      Arrays(info.aus, "fehlLehrer"),
      (std::vector<std::string>{
          "[{\"datum\": 46364.50,\"element\": \"M\u00DC\",\"zeit\": 49152,\"grund\": \"K\"}]"}));
}

}  // namespace
}  // namespace orbato
