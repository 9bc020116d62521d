#include "persist/plandatei.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <csignal>
#include <filesystem>

#include "model/demo/demoschule.h"
#include "model/schnittstellen/dialoge.h"
#include "model/schnittstellen/uhr.h"
#include "persist/kursdatei.h"
#include "persist/plangrenzen.h"
#include "persist/planleser.h"
#include "persist/planschreiber.h"
#include "persist/schlechtepfade.h"
#include "persist/sicherndatei.h"
#include "testordner.h"

namespace orbato {
namespace {

namespace fs = std::filesystem;

constexpr TDatumZeit kHeute = 46364.5;  // 2026-12-08, noon

std::vector<uint8_t> Golden(const std::string& name) {
  return LiesGanzeDatei(ORBATO_TESTDATEN "/" + name, kPlanDatei);
}

std::vector<uint8_t> MitVersion(std::vector<uint8_t> bytes, int16_t version) {
  bytes[0] = static_cast<uint8_t>(static_cast<uint16_t>(version) >> 8);
  bytes[1] = static_cast<uint8_t>(version & 0xFF);
  return bytes;
}

std::vector<std::string> Texte(const TSkriptDialoge& d, TDialogVorgang vorgang) {
  std::vector<std::string> texte;
  for (const TDialogEintrag& e : d.Protokoll(vorgang)) texte.push_back(e.fZeilen.at(0));
  return texte;
}

// A test with its own settings, a clock on 2026-12-08 at noon and a document of the user's that a
// load must not touch.
class PlandateiTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fBenutzer.HoleLehrer("ALT");
    fBenutzer.SetDirty(false);
  }

  TGeladenerPlan Lade(std::vector<uint8_t> bytes, const std::string& name = "schule.orb") {
    return LadePlan(std::move(bytes), "/irgendwo/" + name, fDialoge, fUhr);
  }
  std::vector<uint8_t> Bytes(TSchule& schule) {
    TSchuleEinsetzen eingesetzt(schule);
    return TWriteForm::PlanBytes(schule);
  }
  // Loads and saves again: what a file becomes after one round through the program.
  std::vector<uint8_t> Durchlauf(std::vector<uint8_t> bytes) {
    TGeladenerPlan plan = Lade(std::move(bytes));
    return Bytes(*plan.schule);
  }

  // The school of alle_saetze.orb, built the way the program builds it.
  std::unique_ptr<TSchule> AlleSaetze() {
    fStandard.SetMaxWocheNeu(2);
    auto schule = std::make_unique<TSchule>();
    TSchule& s = *schule;
    TSchuleEinsetzen eingesetzt(s);
    for (int k = 1; k <= kKalenderWochen; ++k) s.fKalender[k - 1] = k % 2 ? 2 : 1;
    s.fGrWoBereich.SetWocheTag(1, 1, 0x0003);
    s.fUEWoBereich.SetWocheTag(2, 5, 0x8000);
    TLehrer* mul = s.HoleLehrer("M\xDCL");
    TLehrer* bra = s.HoleLehrer("BRA");
    TKlasse* k5a = s.HoleKlasse("5a");
    TKlasse* k5b = s.HoleKlasse("5b");
    TKopplung* rel = s.HoleKopplung("REL5");
    TFach* d = s.HoleFach("D");
    TFach* e = s.HoleFach("E");
    TFach* kr = s.HoleFach("KR");
    TRaum* r11 = s.HoleRaum("R11");
    TRaum* r12 = s.HoleRaum("R12");
    auto* uv1 = new TUVTab;
    auto* uv2 = new TUVTab;
    for (TUVTab* t : {uv1, uv2}) {
      s.fUVTabMenge.ListeAnhaengen(t);
      t->fNr = t->fReihe = s.fUVTabMenge.ListeZahlElemente();
    }
    uv1->fKuerzel = "UV1";
    uv2->fKuerzel = "UV2";

    mul->fInfo = "M\xFCller";
    mul->fSoll.SetWochenStunde(1, 24);
    mul->fSoll.SetWochenStunde(2, 22);
    mul->fRaum = r12;
    mul->NeuesFach(d);
    mul->NeuesFach(e);
    mul->fSperrung.SetWocheTag(1, 3, 0x00F0);
    mul->fVStunden1 = 3;
    mul->fVStunden2 = -2;
    mul->fLetzteAenderung = 46000.5;
    mul->fFreierTag = true;
    bra->fInfo = "Brandt";
    bra->fSoll.SetWochenStunde(0, 12);
    bra->NeuesFach(kr);
    bra->fLetzteAenderung = 46001.0;
    k5a->fInfo = "Klasse 5a";
    k5a->fRaum = r12;
    k5a->fLehrer1 = mul;
    k5a->fLetzteAenderung = 46002.5;
    k5b->fInfo = "Klasse 5b";
    k5b->fSoll.SetWochenStunde(1, 31);
    k5b->fSoll.SetWochenStunde(2, 29);
    k5b->fLehrer1 = bra;
    k5b->fKopDop = true;
    k5b->fLetzteAenderung = 46003.0;
    rel->fInfo = "Religion 5";
    d->fInfo = "Deutsch";
    e->fInfo = "Englisch";
    kr->fInfo = "Kath. Religion";
    r11->fInfo = "Raum 11";
    r11->fSperrung.SetWocheTag(2, 1, 0x0100);
    r11->fLetzteAenderung = 46004.5;
    r12->fLetzteAenderung = 46005.0;
    uv1->fIstFach = true;
    uv1->fInfo = "Deutsch";
    uv1->fFaecher.ListeAnhaengen(d);
    uv1->fKlassen.ListeAnhaengen(k5a);
    uv1->fKlassen.ListeAnhaengen(k5b);
    uv2->fLehrer.ListeAnhaengen(mul);

    auto* ohneAlles = new TKurs;
    ohneAlles->IKurs(nullptr, nullptr, 1, nullptr, e, nullptr);
    ohneAlles->fEinzelStd = 0;

    auto* deutsch = new TKurs;
    deutsch->IKurs(mul, k5a, 4, r12, d, nullptr);
    deutsch->fStunden.SetWochenStunde(2, 4);
    auto* s1 = new TSetzung(1, 1, 2, r12);
    deutsch->SetzungAufnehmen(s1);
    auto* s2 = new TSetzung(2, 3, 1);
    deutsch->SetzungAufnehmen(s2);
    s2->fFixiert = true;
    deutsch->fInfo = "Deutsch 5a";
    deutsch->fEinzelStd = 2;
    deutsch->fNichtZaehlenKl = true;
    deutsch->fSperrung.SetWocheTag(1, 5, 0xFF00);
    deutsch->fStdProTag = 2;
    deutsch->fTabellenNr = 3;
    deutsch->fColor = 0x123456;

    auto* religion = new TKurs;
    religion->IKurs(bra, k5a, 2, nullptr, kr, rel);
    religion->KlasseErgaenzen(k5b);
    religion->RaumErgaenzen(r11, true);
    religion->fStunden.SetWochenStunde(2, 2);
    auto* s3 = new TSetzung(1, 2, 5, r11);
    religion->SetzungAufnehmen(s3);
    religion->fEinzelStd = 0;
    religion->fNichtZaehlenLe = true;

    auto* v1 = new TVertretung;
    v1->fKurs = deutsch;
    v1->fSetzung = s1;
    v1->fDatum = kHeute - 2;
    v1->fAdHoc = kHeute - 3;
    v1->fLehrer = bra;
    v1->fRaum = r11;
    v1->fFach = d;
    v1->fLInfo = "f\xFCr M\xDCL";
    auto* v2 = new TVertretung;
    v2->fKurs = religion;
    v2->fSetzung = s3;
    v2->fDatum = kHeute - 2;
    v2->fAdHoc = kHeute - 2;
    v2->fFach = kr;
    v2->fSInfo = "verlegt";
    v2->fFrei = true;
    v2->fGueltig = false;
    v2->fAngerechnet = false;
    v1->fZu = v2;
    v2->fVon = v1;
    s1->fVertretungen.ListeAnhaengen(v1);
    s3->fVertretungen.ListeAnhaengen(v2);
    s.fVertretungsMenge.ListeAnhaengen(v1);
    s.fVertretungsMenge.ListeAnhaengen(v2);

    auto* krank = new TFehl;
    krank->fDatum = kHeute - 1;
    krank->fElement = mul;
    krank->fZeit = 0xE000;
    krank->fGrund = "K";
    s.fFehlLehrerMenge.ListeAnhaengen(krank);
    auto* ausflug = new TFehl;
    ausflug->fDatum = kHeute;
    ausflug->fElement = k5b;
    ausflug->fZeit = 0x0001;
    s.fFehlKlassenMenge.ListeAnhaengen(ausflug);

    s.fParListe.fZeilen = 2;
    s.fParListe.fListe = {rel, nullptr};
    s.fFensterSaetze.push_back({9, "Plan M\xDCL", 10, 20, 400, 300});
    return schule;
  }

  TStandard fStandard;
  TStandardEinsetzen fStandardEingesetzt{fStandard};
  TFesteUhr fUhr{kHeute};
  TSkriptDialoge fDialoge;
  TSchule fBenutzer;
  TSchuleEinsetzen fBenutzerEingesetzt{fBenutzer};
  TTestOrdner fOrdner{"plan"};
};

TEST_F(PlandateiTest, WritesTheEmptyDocumentByteForByte) {
  TSchule leer;
  EXPECT_EQ(Bytes(leer), Golden("leer.orb"));

  TGeladenerPlan plan = Lade(Golden("leer.orb"), "leer.orb");
  EXPECT_EQ(plan.version, -300);
  EXPECT_EQ(plan.schule->fParListe.fListe, std::vector<TKopplung*>{nullptr});
  EXPECT_FALSE(plan.schule->IsDirty());
  EXPECT_EQ(plan.schule->fDateiName, "leer.orb");
  EXPECT_EQ(Bytes(*plan.schule), Golden("leer.orb"));
}

TEST_F(PlandateiTest, WritesEveryKindOfRecordByteForByte) {
  auto schule = AlleSaetze();
  EXPECT_EQ(Bytes(*schule), Golden("alle_saetze.orb"));
  EXPECT_EQ(schule->fVertretungsMenge.ListeNrInhalt(1)->fZuNr, 2);
  EXPECT_EQ(schule->fVertretungsMenge.ListeNrInhalt(2)->fVonNr, 1);
}

TEST_F(PlandateiTest, ReadsEveryKindOfRecordBack) {
  TGeladenerPlan plan = Lade(Golden("alle_saetze.orb"), "alle_saetze.orb");
  TSchule& s = *plan.schule;
  TSchuleEinsetzen eingesetzt(s);
  EXPECT_EQ(fStandard.fMaxWocheNeu, 2);
  EXPECT_EQ(fStandard.fAktuelleWoche, 1) << "week 832 of the calendar is on version 1";
  EXPECT_FALSE(s.IsDirty());
  EXPECT_EQ(s.fDateiName, "alle_saetze.orb");
  EXPECT_EQ(s.fUEWoBereich.GetWocheTag(2, 5), 0x8000) << "day words are not sign-extended";

  TLehrer* mul = s.fLehrerMenge.ListeNrInhalt(1);
  TLehrer* bra = s.fLehrerMenge.ListeNrInhalt(2);
  EXPECT_EQ(mul->fKuerzel, "M\xDCL");
  EXPECT_EQ(mul->fRaum, s.fRaumMenge.ListeNrInhalt(2));
  EXPECT_EQ(bra->fRaum, nullptr) << "32767 is no room";
  EXPECT_EQ(mul->fVStunden2, -2);
  EXPECT_TRUE(mul->fFreierTag);
  EXPECT_EQ(bra->fLetzteAenderung, 46001.0);
  TFach* d = s.fFachMenge.ListeNrInhalt(1);
  TFach* kr = s.fFachMenge.ListeNrInhalt(3);
  EXPECT_EQ(d->fLehrer.ListeZahlElemente(), 1);
  EXPECT_EQ(d->fLehrer.ListeNrInhalt(1), mul);
  EXPECT_EQ(kr->fKlassen.ListeZahlElemente(), 2) << "rebuilt from the courses";
  EXPECT_EQ(s.fKlassenMenge.ListeNrInhalt(2)->fKurse.ListeZahlElemente(), 1);

  ASSERT_EQ(s.fKursMenge.ListeZahlElemente(), 3);
  const TKurs* ohneAlles = s.fKursMenge.ListeNrInhalt(1);
  EXPECT_EQ(ohneAlles->fLehrer, nullptr);
  EXPECT_EQ(ohneAlles->fKlassen.ListeZahlElemente(), 0);
  const TKurs* deutsch = s.fKursMenge.ListeNrInhalt(2);
  EXPECT_TRUE(deutsch->fNichtZaehlenKl);
  EXPECT_FALSE(deutsch->fNichtZaehlenLe);
  EXPECT_EQ(deutsch->fColor, 0x123456);
  EXPECT_TRUE(deutsch->fBesetzung.GetWocheTagStd(2, 3, 1));
  EXPECT_EQ(deutsch->VerplanteStunden(0), 2);
  const TKurs* religion = s.fKursMenge.ListeNrInhalt(3);
  EXPECT_EQ(religion->fRaumErgaenzt.ListeZahlElemente(), 1);
  EXPECT_FALSE(religion->fNichtZaehlenKl);
  EXPECT_TRUE(religion->fNichtZaehlenLe);

  ASSERT_EQ(s.fVertretungsMenge.ListeZahlElemente(), 2);
  TVertretung* v1 = s.fVertretungsMenge.ListeNrInhalt(1);
  TVertretung* v2 = s.fVertretungsMenge.ListeNrInhalt(2);
  EXPECT_EQ(v1->fZu, v2);
  EXPECT_EQ(v2->fVon, v1);
  EXPECT_EQ(v1->fKurs, deutsch);
  EXPECT_EQ(v1->fLInfo, "f\xFCr M\xDCL");
  EXPECT_EQ(v2->fLehrer, nullptr);

  ASSERT_EQ(s.fFehlLehrerMenge.ListeZahlElemente(), 1);
  EXPECT_EQ(s.fFehlLehrerMenge.ListeNrInhalt(1)->fZeit, 0xE000u);
  EXPECT_EQ(s.fFehlLehrerMenge.ListeNrInhalt(1)->fHilfe, 0xE000u);
  EXPECT_EQ(s.fFehlLehrerMenge.ListeNrInhalt(1)->fGrund, "K");
  EXPECT_EQ(s.fParListe.fListe, (std::vector<TKopplung*>{s.fKopplMenge.ListeNrInhalt(1), nullptr}));
  ASSERT_EQ(s.fFensterSaetze.size(), 1u);
  EXPECT_EQ(s.fFensterSaetze[0], (TFenster{9, "Plan M\xDCL", 10, 20, 400, 300}));

  EXPECT_EQ(Bytes(s), Golden("alle_saetze.orb"));
}

// A plan file's texts are fields with a length of their own and nothing is cut at a separator:
// typographic quotes and dashes keep their bytes and come back as typed.
TEST_F(PlandateiTest, KeepsTypographicQuotesAndDashesInItsTexts) {
  const std::string typografisch =
      "\x84"
      "a\x93 \x94\x92\x91\x82\x96\x97";  // „a“ ”’‘‚–—
  const auto mitLehrer = [&](const std::string& info) {
    TSchule schule;
    TSchuleEinsetzen eingesetzt(schule);
    schule.HoleLehrer("M\x94L")->fInfo = info;
    return Bytes(schule);
  };
  const std::vector<uint8_t> bytes = mitLehrer(typografisch);
  std::vector<uint8_t> erwartet = mitLehrer("XXXXXXXXXX");
  const std::vector<uint8_t> platzhalter = {10, 'X', 'X', 'X', 'X', 'X', 'X', 'X', 'X', 'X', 'X'};
  const auto feld =
      std::search(erwartet.begin(), erwartet.end(), platzhalter.begin(), platzhalter.end());
  ASSERT_NE(feld, erwartet.end());
  std::copy(typografisch.begin(), typografisch.end(), feld + 1);
  EXPECT_EQ(bytes, erwartet);

  TGeladenerPlan plan = Lade(bytes);
  const TLehrer* l = plan.schule->fLehrerMenge.ListeNrInhalt(1);
  EXPECT_EQ(l->fKuerzel, "M\x94L");
  EXPECT_EQ(l->fInfo, typografisch);
}

TEST_F(PlandateiTest, ConvertsTheOldLayout) {
  TGeladenerPlan plan = Lade(Golden("alt_211.orb"));
  TSchule& s = *plan.schule;
  EXPECT_EQ(plan.version, -211);
  EXPECT_TRUE(s.IsDirty());
  EXPECT_EQ(s.fDateiName, "Ohne Titel");
  const auto meldungen = fDialoge.Protokoll(TDialogVorgang::Nachricht);
  ASSERT_EQ(meldungen.size(), 1u);
  EXPECT_EQ(meldungen[0].fTitel, "Neues Datenformat");
  EXPECT_EQ(meldungen[0].fZeilen,
            (std::vector<std::string>{
                "Ihre Datei stammt von einer", "\xE4lteren Programmversion. Ihre",
                "Daten werden in das neue", "Dateiformat umgewandelt. Sie",
                "k\xF6nnen die ge\xE4nderten Daten mit", "einem neuen Namen speichern."}));
  for (const TVertretung* v : s.fVertretungsMenge) {
    EXPECT_EQ(v->fFach, v->fKurs->fFach);
    EXPECT_EQ(v->fAdHoc, kHeute - 1000);
  }
  EXPECT_EQ(s.fLehrerMenge.ListeNrInhalt(1)->fInfo, "M\xFCller");
  EXPECT_FALSE(s.fLehrerMenge.ListeNrInhalt(1)->fFreierTag);
  EXPECT_EQ(s.fFehlLehrerMenge.ListeNrInhalt(1)->fGrund, "-");
  EXPECT_EQ(Bytes(s), Golden("alt_umgewandelt.orb"));
}

TEST_F(PlandateiTest, AcceptsOnlyTheVersionsItKnows) {
  const auto versuche = [&](int16_t version) -> std::string {
    try {
      Lade(MitVersion(Golden("leer.orb"), version));
      return "gelesen";
    } catch (const TVersionsFehler& f) {
      return f.what();
    }
  };
  fStandard.SetMaxWocheNeu(3);
  EXPECT_EQ(versuche(-210), "Die Version der Daten ist zu alt!");
  EXPECT_EQ(versuche(-301), "Die Version der Daten ist zu neu!");
  EXPECT_EQ(fStandard.fMaxWocheNeu, 3) << "a refused file changes no setting";
  EXPECT_EQ(Durchlauf(MitVersion(Golden("leer.orb"), -250)), Golden("leer.orb"));
  EXPECT_EQ(versuche(-300), "gelesen");
}

// Every plan file begins with a negative version number: a file that begins otherwise, a text
// file given the plan file's extension say, is no plan file. Negative numbers stay versions.
TEST_F(PlandateiTest, AFileThatBeginsWithoutANegativeVersionIsNoPlanFile) {
  const auto meldung = [&](std::vector<uint8_t> bytes) -> std::string {
    try {
      Lade(std::move(bytes), "x.orb");
      return "gelesen";
    } catch (const TStreamFehler& f) {
      return f.what();
    }
  };
  const std::string text = "Stundenplan 2026\r\n";
  EXPECT_EQ(meldung({text.begin(), text.end()}), "Die Datei x.orb ist keine Plandatei.");
  EXPECT_EQ(meldung({0x00}), "Die Datei x.orb ist keine Plandatei.");
  EXPECT_EQ(meldung(MitVersion(Golden("leer.orb"), 0)), "Die Datei x.orb ist keine Plandatei.");
  EXPECT_EQ(meldung(MitVersion(Golden("leer.orb"), 32767)), "Die Datei x.orb ist keine Plandatei.");
  EXPECT_EQ(meldung(MitVersion(Golden("leer.orb"), -1)), "Die Version der Daten ist zu alt!");
  EXPECT_EQ(meldung({0xFF, 0x2E}), "Die Version der Daten ist zu alt!")
      << "-210 with nothing after";
  EXPECT_EQ(meldung({0xFE, 0xD4}), "Stream-Lesefehler") << "-300 with nothing after";
}

TEST_F(PlandateiTest, SubstitutionPartnersSurviveNewNumbers) {
  auto schule = AlleSaetze();
  TVertretung* v1 = schule->fVertretungsMenge.ListeNrInhalt(1);
  TVertretung* v2 = schule->fVertretungsMenge.ListeNrInhalt(2);
  // The partner now leads the list, and the old numbers are stale.
  schule->fVertretungsMenge.ListeEntfernen(false);
  schule->fVertretungsMenge.ListeAnhaengen(v2);
  schule->fVertretungsMenge.ListeAnhaengen(v1);
  v1->fNr = 7;
  v2->fZuNr = 7;
  TGeladenerPlan plan = Lade(Bytes(*schule));
  // Read back in the order of the courses, and numbered the other way round.
  const TVertretung* erster = plan.schule->fVertretungsMenge.ListeNrInhalt(1);
  const TVertretung* zweiter = plan.schule->fVertretungsMenge.ListeNrInhalt(2);
  EXPECT_EQ(erster->fNr, 2);
  EXPECT_EQ(erster->fZu, zweiter);
  EXPECT_EQ(zweiter->fVon, erster);
  EXPECT_EQ(erster->fVon, nullptr);
  EXPECT_EQ(zweiter->fZu, nullptr);
}

// A file may link a record to a partner that does not link back; when the partner goes, nothing
// may keep pointing at it.
TEST_F(PlandateiTest, OneSidedPartnersAreForgottenWhenTheirRecordGoes) {
  auto schule = AlleSaetze();
  schule->fVertretungsMenge.ListeNrInhalt(1)->fZu = nullptr;
  TGeladenerPlan plan = Lade(Bytes(*schule));
  TSchule& s = *plan.schule;
  TSchuleEinsetzen eingesetzt(s);
  TVertretung* verlegt = s.fVertretungsMenge.ListeNrInhalt(2);
  ASSERT_EQ(verlegt->fVon, s.fVertretungsMenge.ListeNrInhalt(1));
  s.KursEntfernen(s.fKursMenge.ListeNrInhalt(2));
  ASSERT_EQ(s.fVertretungsMenge.ListeZahlElemente(), 1);
  EXPECT_EQ(verlegt->fVon, nullptr);
}

TEST_F(PlandateiTest, DropsRecordsOlderThanTheDaysKept) {
  auto schule = AlleSaetze();
  fStandard.fVertrMerke = 7;
  schule->fVertretungsMenge.ListeNrInhalt(1)->fDatum = kHeute - 7;
  schule->fVertretungsMenge.ListeNrInhalt(2)->fDatum = kHeute - 8;
  schule->fFehlLehrerMenge.ListeNrInhalt(1)->fDatum = kHeute - 8;
  schule->fFehlKlassenMenge.ListeNrInhalt(1)->fDatum = kHeute - 7;
  TGeladenerPlan plan = Lade(Bytes(*schule));
  const TSchule& s = *plan.schule;
  ASSERT_EQ(s.fVertretungsMenge.ListeZahlElemente(), 1);
  EXPECT_EQ(s.fVertretungsMenge.ListeNrInhalt(1)->fDatum, kHeute - 7);
  EXPECT_EQ(s.fVertretungsMenge.ListeNrInhalt(1)->fZu, nullptr) << "its partner has gone";
  EXPECT_EQ(
      s.fKursMenge.ListeNrInhalt(3)->fSetzungen.ListeNrInhalt(1)->fVertretungen.ListeZahlElemente(),
      0);
  EXPECT_EQ(s.fFehlLehrerMenge.ListeZahlElemente(), 0);
  EXPECT_EQ(s.fFehlKlassenMenge.ListeZahlElemente(), 1);
}

TEST_F(PlandateiTest, FreeingARecordTakesTheRecordItCausedAlong) {
  auto schule = AlleSaetze();
  fStandard.fVertrMerke = 7;
  schule->fVertretungsMenge.ListeNrInhalt(1)->fDatum = kHeute - 8;
  TGeladenerPlan plan = Lade(Bytes(*schule));
  EXPECT_EQ(plan.schule->fVertretungsMenge.ListeZahlElemente(), 0);
}

TEST_F(PlandateiTest, MovesLastChangesFromTheFutureBack) {
  auto schule = AlleSaetze();
  schule->fLehrerMenge.ListeNrInhalt(1)->fLetzteAenderung = kHeute + 1;
  schule->fRaumMenge.ListeNrInhalt(1)->fLetzteAenderung = kHeute + 0.25;
  TGeladenerPlan plan = Lade(Bytes(*schule));
  EXPECT_EQ(plan.schule->fLehrerMenge.ListeNrInhalt(1)->fLetzteAenderung, kHeute - 999);
  EXPECT_EQ(plan.schule->fRaumMenge.ListeNrInhalt(1)->fLetzteAenderung, kHeute + 0.25 - 1000);
  EXPECT_EQ(plan.schule->fKlassenMenge.ListeNrInhalt(1)->fLetzteAenderung, 46002.5);
}

TEST_F(PlandateiTest, ReadsReferencesOutsideTheListsAsNone) {
  auto schule = AlleSaetze();
  std::vector<uint8_t> bytes = Bytes(*schule);
  // The teacher's room sits right after his long name and two targets.
  const std::size_t raum = 2 + 888 + 2 + 2 * 28 + 6 * 2 + 12 * 12 + 2 + 32 + 4;
  ASSERT_EQ(bytes[raum + 1], 2);
  bytes[raum] = 0x01;  // 258
  TGeladenerPlan plan = Lade(bytes);
  EXPECT_EQ(plan.schule->fLehrerMenge.ListeNrInhalt(1)->fRaum, nullptr);
}

// More teacher records than short names: the extra one names a subject, which must not keep it.
TEST_F(PlandateiTest, ARecordWithoutShortNameLinksToNothing) {
  TBuffer b;
  b.WriteInt(-300);
  for (int i = 0; i < kKalenderWochen; ++i) b.WriteByte(1);
  b.WriteInt(1);
  const auto maske = [&] {
    for (int i = 0; i < 7; ++i) b.WriteInt(0);
  };
  maske();
  maske();
  for (int liste = 0; liste < 6; ++liste) {
    b.WriteInt(liste == 3 ? 1 : 0);
    if (liste == 3) b.WriteKue("D");
  }
  b.WriteInt(1);  // one teacher record, and no teacher
  b.WriteInfo("Niemand");
  b.WriteInt(24);
  b.WriteInt(32767);
  b.WriteInt(1);
  b.WriteInt(1);  // the subject D
  maske();
  maske();
  b.WriteLong(0);
  b.WriteLong(0);
  b.WriteDatum(46000.5);
  b.WriteBool(false);
  for (int i = 0; i < 2; ++i) b.WriteInt(0);
  b.WriteInt(1);
  b.WriteInfo("Deutsch");
  for (int i = 0; i < 6; ++i) b.WriteInt(0);  // rooms, tables, courses, absences
  b.WriteInt(1);
  b.WriteInt(1);
  b.WriteInt(-1);
  b.WriteInt(0);
  TGeladenerPlan plan = Lade(b.Bytes());
  ASSERT_EQ(plan.schule->fFachMenge.ListeZahlElemente(), 1);
  EXPECT_EQ(plan.schule->fFachMenge.ListeNrInhalt(1)->fInfo, "Deutsch");
  EXPECT_EQ(plan.schule->fFachMenge.ListeNrInhalt(1)->fLehrer.ListeZahlElemente(), 0);
  EXPECT_EQ(plan.schule->fLehrerMenge.ListeZahlElemente(), 0);
}

// Every shorter file fails with the stream's error, one without room for the version number as no
// plan file at all; the user's document and settings stay.
TEST_F(PlandateiTest, ATruncatedFileLeavesTheCurrentDocumentAlone) {
  const std::vector<uint8_t> ganz = Golden("alle_saetze.orb");
  fStandard.SetMaxWocheNeu(3);
  fStandard.SetAktuelleWoche(3);
  for (std::size_t laenge = 0; laenge < ganz.size(); ++laenge) {
    try {
      Lade({ganz.begin(), ganz.begin() + static_cast<std::ptrdiff_t>(laenge)});
      ADD_FAILURE() << "loaded " << laenge << " bytes";
    } catch (const TStreamFehler& f) {
      ASSERT_STREQ(f.what(),
                   laenge < 2 ? "Die Datei schule.orb ist keine Plandatei." : "Stream-Lesefehler")
          << laenge;
    }
    ASSERT_EQ(fStandard.fMaxWocheNeu, 3) << laenge;
    ASSERT_EQ(fStandard.fAktuelleWoche, 3) << laenge;
  }
  EXPECT_EQ(&Schule(), &fBenutzer);
  EXPECT_EQ(fBenutzer.fLehrerMenge.ListeZahlElemente(), 1);
  EXPECT_FALSE(fBenutzer.IsDirty());
}

// Whatever stands at the path instead of a plan file, the load ends with its message before it
// shows anything, and the user's document and settings stay as they were.
TEST_F(PlandateiTest, APathWithoutAPlanFileLeavesTheCurrentDocumentAlone) {
  TSchlechtePfade pfade("plan");
  fStandard.SetMaxWocheNeu(3);
  fStandard.SetAktuelleWoche(3);
  const auto meldung = [&](const std::string& pfad) {
    try {
      LadePlan(pfad, fDialoge, fUhr);
    } catch (const TStreamFehler& f) {
      return std::string(f.what());
    }
    return std::string("geladen");
  };
  const std::string keineDatei = "Der Pfad bezeichnet keine gew\xF6hnliche Datei.";
  EXPECT_EQ(meldung(pfade.Ordner()),
            NichtGeoeffnet(pfade.Ordner(), "Der Pfad bezeichnet einen Ordner."));
  EXPECT_EQ(meldung("/dev/zero"), NichtGeoeffnet("/dev/zero", keineDatei));
  const std::string fifo = pfade.Fifo();
  EXPECT_EQ(meldung(fifo), NichtGeoeffnet(fifo, keineDatei));
  const std::string gross = pfade.Gross(kMaxPlanDateiBytes + 1);
  if (!gross.empty()) {
    EXPECT_EQ(meldung(gross), "Datei " + gross +
                                  " ist zu gro\xDF f\xFCr eine Plandatei (h\xF6"
                                  "chstens 27.053.682.788 Bytes).");
  }
  try {
    TReadForm(fDialoge, fUhr).ReadFromFile(pfade.Ordner());
    ADD_FAILURE() << "read a folder";
  } catch (const TStreamFehler& f) {
    EXPECT_EQ(f.what(), NichtGeoeffnet(pfade.Ordner(), "Der Pfad bezeichnet einen Ordner."));
  }
  EXPECT_TRUE(fDialoge.Protokoll().empty());
  // An empty file is opened and has no room for a version number.
  EXPECT_EQ(meldung(pfade.Leer()), "Die Datei leer ist keine Plandatei.");
  EXPECT_EQ(fStandard.fMaxWocheNeu, 3);
  EXPECT_EQ(fStandard.fAktuelleWoche, 3);
  EXPECT_EQ(&Schule(), &fBenutzer);
  EXPECT_EQ(fBenutzer.fLehrerMenge.ListeZahlElemente(), 1);
  EXPECT_FALSE(fBenutzer.IsDirty());
  if (gross.empty()) GTEST_SKIP() << "no sparse file above the bound on this file system";
}

TEST_F(PlandateiTest, AFileWithoutReadPermissionIsNotLoaded) {
  TSchlechtePfade pfade("plan");
  const std::string unlesbar = pfade.Unlesbar();
  if (TSchlechtePfade::LiestAlles())
    GTEST_SKIP() << "root reads a file without permissions, and so does Windows";
  try {
    LadePlan(unlesbar, fDialoge, fUhr);
    ADD_FAILURE() << "loaded";
  } catch (const TStreamFehler& f) {
    EXPECT_EQ(f.what(), NichtGeoeffnet(unlesbar, "Zugriff verweigert."));
  }
  EXPECT_EQ(&Schule(), &fBenutzer);
}

// The bound is the layout with every list at 32767 entries.
TEST(PlanGrenzen, TheLargestPlanFileFollowsFromTheLayout) {
  EXPECT_EQ(kMaxPlanDateiBytes, 27053682788u);
  EXPECT_EQ(kKursDatei.fHoechstens, kMaxPlanDateiBytes);
}

TEST_F(PlandateiTest, DamagedFilesLoadOrFailWithTheStreamError) {
  const std::vector<uint8_t> ganz = Golden("alle_saetze.orb");
  uint64_t zufall = 12345;
  for (int versuch = 0; versuch < 300; ++versuch) {
    std::vector<uint8_t> bytes = ganz;
    for (int i = 0; i < 4; ++i) {
      zufall = zufall * 6364136223846793005u + 1442695040888963407u;
      bytes[2 + (zufall >> 33) % (bytes.size() - 2)] = static_cast<uint8_t>(zufall >> 20);
    }
    try {
      Lade(bytes);
    } catch (const TVersionsFehler&) {
      ADD_FAILURE() << "the version was not touched";
    } catch (const TStreamFehler& f) {
      EXPECT_STREQ(f.what(), "Stream-Lesefehler");
    }
  }
}

TEST_F(PlandateiTest, ReportsProgressWhileReadingAndWriting) {
  Lade(Golden("alle_saetze.orb"), "alle_saetze.orb");
  const auto beginn = fDialoge.Protokoll(TDialogVorgang::FortschrittBeginnen);
  ASSERT_EQ(beginn.size(), 1u);
  EXPECT_EQ(beginn[0].fTitel, "Einlesen");
  EXPECT_EQ(beginn[0].fZahl, 2) << "2948 bytes";
  EXPECT_EQ(Texte(fDialoge, TDialogVorgang::FortschrittText),
            std::vector<std::string>{"alle_saetze.orb"});
  std::vector<int> balken;
  for (const auto& e : fDialoge.Protokoll(TDialogVorgang::FortschrittSetzen)) {
    balken.push_back(e.fZahl);
  }
  // Seven times in the short names (the subjects start after byte 1024), then after the tenth
  // record of the data sections.
  EXPECT_EQ(balken, (std::vector<int>{0, 0, 0, 0, 1, 1, 1, 1}));
  EXPECT_EQ(fDialoge.Anzahl(TDialogVorgang::FortschrittBeenden), 1u);

  fDialoge.ProtokollLeeren();
  auto schule = AlleSaetze();
  TSchuleEinsetzen eingesetzt(*schule);
  TWriteForm(fDialoge).WriteToFile((fOrdner / "neu.orb").string());
  const std::string leer(20, ' ');
  EXPECT_EQ(Texte(fDialoge, TDialogVorgang::FortschrittInfo),
            (std::vector<std::string>{"K\xFCrzel" + leer, "Lehrerdaten" + leer,
                                      "Klassendaten" + leer, "Kopplungsdaten" + leer,
                                      "Fachdaten" + leer, "Raumdaten" + leer, "UV-Daten" + leer,
                                      "Kurse Klasse 5a" + leer, "Kurse Klasse 5b" + leer}));
  EXPECT_EQ(Texte(fDialoge, TDialogVorgang::FortschrittText), std::vector<std::string>{"neu.orb"});
}

TEST_F(PlandateiTest, ASavedDocumentTakesTheFileNameAndIsClean) {
  auto schule = AlleSaetze();
  TSchuleEinsetzen eingesetzt(*schule);
  schule->SetDirty();
  const fs::path datei = fOrdner / "schule.orb";
  TWriteForm(fDialoge).WriteToFile(datei.string());
  EXPECT_EQ(LiesGanzeDatei(datei.string(), kPlanDatei), Golden("alle_saetze.orb"));
  EXPECT_EQ(schule->fDateiName, "schule.orb");
  EXPECT_FALSE(schule->IsDirty());
}

TEST_F(PlandateiTest, AFailedSaveKeepsNameAndDirtyMark) {
  fBenutzer.SetDirty();
  const std::string pfad = (fOrdner / "fehlt" / "schule.orb").string();
  try {
    TWriteForm(fDialoge).WriteToFile(pfad);
    FAIL();
  } catch (const TStreamFehler& f) {
    const std::string erwartet = "Datei \"" + pfad + "\" kann nicht erstellt werden. ";
    EXPECT_EQ(std::string(f.what()).substr(0, erwartet.size()), erwartet);
  }
  EXPECT_TRUE(fBenutzer.IsDirty());
  EXPECT_EQ(fBenutzer.fDateiName, "Ohne Titel");
}

TEST_F(PlandateiTest, RefusesWhatTheFormatCannotHoldBeforeWriting) {
  const fs::path datei = fOrdner / "schule.orb";
  const auto sichere = [&]() -> std::string {
    try {
      TWriteForm(fDialoge).WriteToFile(datei.string());
      return "gesichert";
    } catch (const TStreamFehler& f) {
      return f.what();
    }
  };
  TLehrer* mul = fBenutzer.HoleLehrer("M\xDCL");
  mul->fSoll.SetWochenStunde(1, 40000);
  EXPECT_EQ(sichere(),
            "Die Daten k\xF6nnen nicht gespeichert werden: Das Soll des Lehrers M\xDCL ist "
            "40000, erlaubt sind -32768 bis 32767.");
  mul->fSoll.SetWochenStunde(1, 24);
  auto* kurs = new TKurs;
  kurs->IKurs(mul, nullptr, 3, nullptr, nullptr, nullptr);
  kurs->fFaktor = -32769;
  EXPECT_EQ(sichere(),
            "Die Daten k\xF6nnen nicht gespeichert werden: Der Faktor des Kurs M\xDCL - - ist "
            "-32769, erlaubt sind -32768 bis 32767.");
  kurs->fFaktor = 1;
  for (int i = 0; i < 32767; ++i) fBenutzer.fFensterSaetze.push_back({});
  EXPECT_EQ(sichere(), "Die Daten k\xF6nnen nicht gespeichert werden: mehr als 32766 Fenster.");
  EXPECT_FALSE(fs::exists(datei));
  EXPECT_TRUE(fBenutzer.IsDirty());
  fBenutzer.fFensterSaetze.pop_back();
  EXPECT_EQ(sichere(), "gesichert");
}

// A full disk, imitated by a file size limit in a child process.
TEST_F(PlandateiTest, AFullDiskKeepsTheOldFile) {
#ifdef _WIN32
  GTEST_SKIP() << "needs fork() and a file size limit, which Windows lacks";
#else
  const fs::path datei = fOrdner / "schule.orb";
  auto schule = AlleSaetze();
  TSchuleEinsetzen eingesetzt(*schule);
  TWriteForm(fDialoge).WriteToFile(datei.string());
  schule->fKursMenge.ListeNrInhalt(2)->fInfo = "ge\xE4ndert";
  schule->SetDirty();
  const pid_t kind = ::fork();
  ASSERT_GE(kind, 0);
  if (kind == 0) {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit grenze{1000, 1000};
    ::setrlimit(RLIMIT_FSIZE, &grenze);
    try {
      TWriteForm(fDialoge).WriteToFile(datei.string());
      ::_exit(1);
    } catch (const TStreamFehler& f) {
      ::_exit(std::string(f.what()) == "Stream-Schreibfehler" && Schule().IsDirty() ? 0 : 2);
    }
  }
  int status = 0;
  ASSERT_EQ(::waitpid(kind, &status, 0), kind);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(LiesGanzeDatei(datei.string(), kPlanDatei), Golden("alle_saetze.orb"));
  EXPECT_EQ(std::distance(fs::directory_iterator(fOrdner.Pfad()), {}), 1)
      << "no temporary file left";
#endif
}

// A save killed at any moment leaves the old file or the new one on disk, never a mixture.
TEST_F(PlandateiTest, ASaveKilledAtAnyMomentLeavesTheOldOrTheNewFile) {
#ifdef _WIN32
  GTEST_SKIP() << "needs fork() to kill a save half-way";
#else
  fStandard.SetMaxWocheNeu(4);
  TSchule gross;
  TSchuleEinsetzen eingesetzt(gross);
  ErzeugeDemoSchule(gross, fStandard, TDemoGroesse::gross);
  const std::vector<uint8_t> alt = TWriteForm::PlanBytes(gross);
  gross.fKursMenge.ListeNrInhalt(1)->fInfo = "neu";
  const std::vector<uint8_t> neu = TWriteForm::PlanBytes(gross);
  ASSERT_NE(alt, neu);
  const std::string datei = (fOrdner / "gross.orb").string();
  int alte = 0, neue = 0;
  for (int versuch = 0; versuch < 24; ++versuch) {
    SchreibeDateiSicher(datei, alt);
    const pid_t kind = ::fork();
    ASSERT_GE(kind, 0);
    if (kind == 0) {
      TSkriptDialoge stumm;
      TWriteForm(stumm).WriteToFile(datei);
      ::_exit(0);
    }
    ::usleep(static_cast<useconds_t>(versuch * 700));
    ::kill(kind, SIGKILL);
    ASSERT_EQ(::waitpid(kind, nullptr, 0), kind);
    const std::vector<uint8_t> danach = LiesGanzeDatei(datei, kPlanDatei);
    ASSERT_TRUE(danach == alt || danach == neu) << "attempt " << versuch;
    ++(danach == alt ? alte : neue);
  }
  EXPECT_EQ(alte + neue, 24);
#endif
}

}  // namespace
}  // namespace orbato
