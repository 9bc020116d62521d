// Substitution records, absences and balances made by the bookkeeping itself, through a plan
// file and back.
#include <gtest/gtest.h>

#include <initializer_list>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "model/schnittstellen/dialoge.h"
#include "model/schnittstellen/uhr.h"
#include "model/vertretung/fehl.h"
#include "persist/plandatei.h"
#include "persist/planschreiber.h"
#include "substitution/fehlzeiten.h"

namespace orbato {
namespace {

constexpr TDatumZeit kHeute = 46364.5;  // Tuesday, 2026-12-08

// A lesson as "MÜ D 5a 2.1": course teacher, subject, first class, weekday and period.
std::string Stelle(const TVertretung* v) {
  if (v == nullptr) return "-";
  const auto name = [](const TElement* e) { return e ? e->fKuerzel.str() : std::string("-"); };
  return name(v->fKurs->fLehrer) + " " + name(v->fKurs->fFach) + " " +
         name(v->fKurs->ErsteKlasse()) + " " + std::to_string(v->Tag()) + "." +
         std::to_string(v->Stunde());
}

// Every stored field of a record, the partners by their lessons.
std::string Satz(const TVertretung* v) {
  const auto name = [](const TElement* e) { return e ? e->fKuerzel.str() : std::string("-"); };
  return Stelle(v) + " am " + std::to_string(GanzerTag(v->fDatum)) + "+" +
         std::to_string(v->fDatum - GanzerTag(v->fDatum)).substr(0, 3) + " geaendert " +
         std::to_string(v->fAdHoc) + " L " + name(v->fLehrer) + " R " + name(v->fRaum) + " F " +
         name(v->fFach) + (v->fFrei ? " frei" : "") + (v->fGueltig ? "" : " ungueltig") +
         (v->fAngerechnet ? " angerechnet" : "") + " von " + Stelle(v->fVon) + " zu " +
         Stelle(v->fZu) + " [" + v->fLInfo.str() + "|" + v->fSInfo.str() + "]";
}

// The records in the order of courses, placements and each placement's list: the file's order.
std::vector<std::string> SaetzeNachKursen(const TSchule& s) {
  std::vector<std::string> saetze;
  for (const TKurs* k : s.fKursMenge) {
    for (const TSetzung* z : k->fSetzungen) {
      for (const TVertretung* v : z->fVertretungen) saetze.push_back(Satz(v));
    }
  }
  return saetze;
}

std::vector<std::string> SaetzeDerListe(const TSchule& s) {
  std::vector<std::string> saetze;
  for (const TVertretung* v : s.fVertretungsMenge) saetze.push_back(Stelle(v));
  return saetze;
}

std::vector<std::string> Abwesenheiten(const TListe<TFehl>& menge) {
  std::vector<std::string> zeilen;
  for (const TFehl* f : menge) {
    zeilen.push_back(f->fElement->fKuerzel.str() + " " + std::to_string(f->fDatum) + " " +
                     StundenText(f->fZeit) + " " + StundenText(f->fHilfe) + " " + f->fGrund.str());
  }
  return zeilen;
}

struct TKonto {
  int32_t v1, v2, v3;
  std::map<std::string, std::string> monate;
  bool operator==(const TKonto&) const = default;
};

std::map<std::string, TKonto> Konten(const TSchule& s) {
  std::map<std::string, TKonto> konten;
  for (const TLehrer* l : s.fLehrerMenge) {
    konten[l->fKuerzel.str()] = {l->fVStunden1, l->fVStunden2, l->fVStunden3, l->fDict};
  }
  return konten;
}

void PrintTo(const TKonto& k, std::ostream* os) {
  *os << k.v1 << "/" << k.v2 << "/" << k.v3 << " {";
  for (const auto& [monat, wert] : k.monate) *os << monat << ":" << wert << " ";
  *os << "}";
}

// A small school on one plan version, Monday to Friday, on a clock standing at Tuesday
// 2026-12-08, 9:36. Its Tuesday: 5a has MÜ in periods 1 and 2 and BRA in 4, 5b BRA in 1, 6a SCH
// in 1 and KOH (a course worth 2) in the gym in 2.
class VertretungsdateiTest : public ::testing::Test {
 protected:
  VertretungsdateiTest() {
    fStandard.fMaxTageNeu = 5;
    for (int std = 1; std <= 16; ++std) fStandard.fStdBez[0][std - 1] = std::to_string(std) + ".";
    fSchule.SetUhr(&fUhr);
    fSchule.SetDialoge(&fDialoge);
    bra = fSchule.HoleLehrer("BRA");
    koh = fSchule.HoleLehrer("KOH");
    mue = fSchule.HoleLehrer("M\xDC");
    sch = fSchule.HoleLehrer("SCH");
    k5a = fSchule.HoleKlasse("5a");
    k5b = fSchule.HoleKlasse("5b");
    k6a = fSchule.HoleKlasse("6a");
    r1 = fSchule.HoleRaum("R1");
    r2 = fSchule.HoleRaum("R2");
    r3 = fSchule.HoleRaum("R3");
    th = fSchule.HoleRaum("TH");
    deutschMue = Kurs(mue, k5a, r1, "D", {{1, 1}, {2, 1}, {2, 2}, {4, 1}});
    mathe = Kurs(bra, k5b, r2, "M", {{2, 1}, {4, 2}});
    englisch = Kurs(bra, k5a, r1, "E", {{2, 4}, {3, 1}});
    sport = Kurs(koh, k6a, th, "SP", {{2, 2}, {4, 3}});
    sport->fFaktor = 2;
    deutschSch = Kurs(sch, k6a, r3, "D", {{2, 1}});
    // Dates before 1904 have no place in the file.
    for (TPlanElement* e :
         std::initializer_list<TPlanElement*>{bra, koh, mue, sch, k5a, k5b, k6a, r1, r2, r3, th}) {
      e->fLetzteAenderung = 46300.5;
    }
    mue->SetVStunden1(5);
    mue->SetVStunden2(-3);
  }

  TKurs* Kurs(TLehrer* l, TKlasse* k, TRaum* r, std::string_view fach,
              std::vector<std::pair<int32_t, int32_t>> stunden) {
    TFach* f = fSchule.HoleFach(fach);
    l->NeuesFach(f);
    auto* kurs = new TKurs;
    kurs->IKurs(l, k, static_cast<int32_t>(stunden.size()), r, f, nullptr);
    for (auto [tag, std] : stunden) kurs->SetzungAufnehmen(new TSetzung(1, tag, std, r));
    return kurs;
  }

  // The absence window of the date: the element's periods ("-+" = period 2) and reason, "Ok".
  void Fehlt(TKuerzelArt art, TPlanElement* e, TDatumZeit datum, std::string_view stunden,
             std::string_view grund = "-") {
    TFehlForm form(fSchule, fStandard, art, datum);
    int32_t zeile = form.ZeileVon(e);
    if (zeile < 0) {
      form.ElementHinzufuegen(e);
      zeile = form.Auswahl();
    }
    form.SetStunden(zeile, stunden);
    form.SetGrund(zeile, grund);
    form.Ok();
  }

  // The record of the course's lesson on weekday/period at the date.
  static TVertretung* Bei(TKurs* k, int32_t tag, int32_t std, TDatumZeit datum) {
    TSetzung* s = k->SetzungFinden(1, tag, std);
    return s ? s->VertretungFinden(datum) : nullptr;
  }

  // The "statt" menu for the teacher, and the offer of that date taken.
  static void Statt(TVertretung* v, TLehrer* l, TDatumZeit datum) {
    v->ErzeugeKlassenMenu(l);
    int32_t nr = 0;
    for (int32_t i = 1; i <= v->fStattListe.ListeZahlElemente(); ++i) {
      if (v->fStattListe.ListeNrInhalt(i)->fDatum == datum) nr = i;
    }
    ASSERT_GT(nr, 0);
    ASSERT_TRUE(v->StattWahl(nr));
  }

  // Tuesday: MÜ is ill in periods 1 and 2; BRA takes period 1, so his own 5b lesson goes to SCH,
  // whose own 6a lesson is cancelled; BRA takes period 2 instead of his 5a lesson on Wednesday.
  // The gym is closed in period 2, KOH moves to R3, and then 6a is away in period 2. Thursday:
  // MÜ is away in period 1 and KOH substitutes.
  void Woche() {
    const TDatumZeit donnerstag = kHeute + 2;
    Fehlt(leh, mue, kHeute, "++", "K");
    ASSERT_TRUE(Bei(deutschMue, 2, 1, kHeute)->TrageLehrerEin(bra));
    ASSERT_TRUE(Bei(mathe, 2, 1, kHeute)->TrageLehrerEin(sch));
    Bei(deutschSch, 2, 1, kHeute)->Frei();
    Statt(Bei(deutschMue, 2, 2, kHeute), bra, kHeute + 1);
    Fehlt(rau, th, kHeute, "-+");
    ASSERT_TRUE(Bei(sport, 2, 2, kHeute)->TrageRaumEin(r3));
    Fehlt(kla, k6a, kHeute, "-+", "A");
    Fehlt(leh, mue, donnerstag, "+");
    TVertretung* donnerstagsVertretung = Bei(deutschMue, 4, 1, donnerstag);
    ASSERT_TRUE(donnerstagsVertretung->TrageLehrerEin(koh));
    donnerstagsVertretung->SetLInfo("Arbeitsblatt");
    donnerstagsVertretung->SetSInfo("Buch S. 12");
    ASSERT_EQ(fDialoge.Protokoll().size(), 0u) << "no question was asked";
  }

  std::vector<uint8_t> Bytes(TSchule& schule) {
    TSchuleEinsetzen eingesetzt(schule);
    return TWriteForm::PlanBytes(schule);
  }
  TGeladenerPlan Lade(std::vector<uint8_t> bytes) {
    return LadePlan(std::move(bytes), "/irgendwo/schule.orb", fDialoge, fUhr);
  }

  TStandard fStandard;
  TStandardEinsetzen fStandardEingesetzt{fStandard};
  TFesteUhr fUhr{kHeute - 0.1};
  TSkriptDialoge fDialoge;
  TSchule fSchule;
  TSchuleEinsetzen fSchuleEingesetzt{fSchule};
  TLehrer *bra, *koh, *mue, *sch;
  TKlasse *k5a, *k5b, *k6a;
  TRaum *r1, *r2, *r3, *th;
  TKurs *deutschMue, *mathe, *englisch, *sport, *deutschSch;
};

TEST_F(VertretungsdateiTest, TheWeeksRecordsComeBackFieldByField) {
  Woche();
  const std::vector<std::string> saetze = SaetzeNachKursen(fSchule);
  ASSERT_EQ(saetze,
            (std::vector<std::string>{
                "M\xDC D 5a 2.1 am 46364+0.5 geaendert 46364.500000 L BRA R R1 F D von - zu BRA M "
                "5b 2.1 [statt  BRA M R2|statt  BRA M R2]",
                "M\xDC D 5a 2.2 am 46364+0.5 geaendert 46364.500000 L BRA R R1 F E von - zu BRA E "
                "5a 3.1 [statt Mi, 9. Dez  1. |statt Mi, 9. Dez  1. ]",
                "M\xDC D 5a 4.1 am 46366+0.5 geaendert 46364.500000 L KOH R R1 F D angerechnet von "
                "- zu - [Arbeitsblatt|Buch S. 12]",
                "BRA E 5a 3.1 am 46365+0.5 geaendert 46364.500000 L - R R1 F E angerechnet von "
                "M\xDC D 5a 2.2 zu - [verlegt auf Di, 8. Dez  2. |verlegt auf Di, 8. Dez  2. ]",
                "BRA M 5b 2.1 am 46364+0.5 geaendert 46364.500000 L SCH R R2 F M von M\xDC D 5a "
                "2.1 zu SCH D 6a 2.1 [statt  SCH D R3|statt  SCH D R3]",
                "SCH D 6a 2.1 am 46364+0.5 geaendert 46364.500000 L - R - F D frei von BRA M 5b "
                "2.1 zu - [frei | verlegt auf  BRA M R2|frei | verlegt auf  BRA M R2]",
                "KOH SP 6a 2.2 am 46364+0.5 geaendert 46364.500000 L KOH R R3 F SP ungueltig "
                "angerechnet von - zu - [in Raum R3 |in Raum R3 ]"}));
  // The list was sorted as the records came; the file is written in the order of the courses.
  ASSERT_EQ(
      SaetzeDerListe(fSchule),
      (std::vector<std::string>{"M\xDC D 5a 2.1", "M\xDC D 5a 2.2", "BRA M 5b 2.1", "SCH D 6a 2.1",
                                "KOH SP 6a 2.2", "BRA E 5a 3.1", "M\xDC D 5a 4.1"}));
  const std::vector<uint8_t> datei = Bytes(fSchule);

  TGeladenerPlan plan = Lade(datei);
  TSchule& geladen = *plan.schule;
  EXPECT_EQ(SaetzeNachKursen(geladen), saetze);
  // Read back in the file's order, each record still carrying its place in the saved list.
  EXPECT_EQ(
      SaetzeDerListe(geladen),
      (std::vector<std::string>{"M\xDC D 5a 2.1", "M\xDC D 5a 2.2", "M\xDC D 5a 4.1",
                                "BRA E 5a 3.1", "BRA M 5b 2.1", "SCH D 6a 2.1", "KOH SP 6a 2.2"}));
  std::vector<int32_t> nummern;
  for (const TVertretung* v : geladen.fVertretungsMenge) nummern.push_back(v->fNr);
  EXPECT_EQ(nummern, (std::vector<int32_t>{1, 2, 7, 6, 3, 4, 5}));
  const TListe<TVertretung>& liste = geladen.fVertretungsMenge;
  EXPECT_EQ(liste.ListeNrInhalt(1)->fZu, liste.ListeNrInhalt(5));
  EXPECT_EQ(liste.ListeNrInhalt(5)->fVon, liste.ListeNrInhalt(1));
  EXPECT_EQ(liste.ListeNrInhalt(5)->fZu, liste.ListeNrInhalt(6));
  EXPECT_EQ(liste.ListeNrInhalt(6)->fVon, liste.ListeNrInhalt(5));
  EXPECT_EQ(liste.ListeNrInhalt(2)->fZu, liste.ListeNrInhalt(4));
  EXPECT_EQ(liste.ListeNrInhalt(4)->fVon, liste.ListeNrInhalt(2));

  // The absences as entered; the second mask is not stored and comes back equal to the first.
  EXPECT_EQ(Abwesenheiten(fSchule.fFehlLehrerMenge),
            (std::vector<std::string>{"M\xDC 46364.500000 ++-------------- ---------------- K",
                                      "M\xDC 46366.500000 +--------------- ---------------- -"}));
  EXPECT_EQ(Abwesenheiten(geladen.fFehlLehrerMenge),
            (std::vector<std::string>{"M\xDC 46364.500000 ++-------------- ++-------------- K",
                                      "M\xDC 46366.500000 +--------------- +--------------- -"}));
  EXPECT_EQ(Abwesenheiten(geladen.fFehlKlassenMenge),
            (std::vector<std::string>{"6a 46364.500000 -+-------------- -+-------------- A"}));
  EXPECT_EQ(Abwesenheiten(geladen.fFehlRaumMenge),
            (std::vector<std::string>{"TH 46364.500000 -+-------------- -+-------------- -"}));

  // KOH owes the sport lesson 6a missed (2) and earned Thursday's substitution (1). Counter 3 and
  // the months are not stored: the months of today, before and after are computed at loading.
  const std::map<std::string, std::string> nichts = {
      {"202611", "0"}, {"202612", "0"}, {"202701", "0"}};
  EXPECT_EQ(Konten(fSchule), (std::map<std::string, TKonto>{{"BRA", {0, 0, 0, {}}},
                                                            {"KOH", {-1, -1, -1, {}}},
                                                            {"M\xDC", {5, -3, 0, {}}},
                                                            {"SCH", {0, 0, 0, {}}}}));
  EXPECT_EQ(Konten(geladen),
            (std::map<std::string, TKonto>{
                {"BRA", {0, 0, 0, nichts}},
                {"KOH", {-1, -1, 0, {{"202611", "0"}, {"202612", "-1"}, {"202701", "0"}}}},
                {"M\xDC", {5, -3, 0, nichts}},
                {"SCH", {0, 0, 0, nichts}}}));

  // Saved again, the file is the same once the list is in the file's order; sorting the list
  // as the substitution window's "sortiert nach" does gives back the first file.
  const std::vector<uint8_t> zweite = Bytes(geladen);
  TGeladenerPlan wieder = Lade(zweite);
  EXPECT_EQ(Bytes(*wieder.schule), zweite);
  {
    TSchuleEinsetzen eingesetzt(geladen);
    VertretungenSortieren();
  }
  EXPECT_EQ(Bytes(geladen), datei);
}

// Eight days back, on a Monday, MÜ, 5b and R2 were away; two weeks back KOH was away with his
// class 6a, so his record is not in force but counted; a week back MÜ was away in period 2, BRA
// took it instead of his lesson 13 days back, and the gym was closed while 6a was away again.
TEST_F(VertretungsdateiTest, LoadingDropsWhatIsOlderThanTheDaysKept) {
  const TDatumZeit vorZweiWochen = kHeute - 14, vorAchtTagen = kHeute - 8;
  const TDatumZeit vorEinerWoche = kHeute - 7;
  fStandard.fVertrMerke = 7;
  koh->SetVStunden1(10);
  koh->SetVStunden2(3);
  Fehlt(kla, k6a, vorZweiWochen, "-+");
  Fehlt(leh, koh, vorZweiWochen, "-+");
  ASSERT_FALSE(Bei(sport, 2, 2, vorZweiWochen)->fGueltig);
  ASSERT_TRUE(Bei(sport, 2, 2, vorZweiWochen)->fAngerechnet);
  Fehlt(leh, mue, vorAchtTagen, "+");
  Fehlt(kla, k5b, vorAchtTagen, "+");
  Fehlt(rau, r2, vorAchtTagen, "+");
  Fehlt(leh, mue, vorEinerWoche, "-+");
  Statt(Bei(deutschMue, 2, 2, vorEinerWoche), bra, kHeute - 13);
  Fehlt(rau, th, vorEinerWoche, "-+");
  Fehlt(kla, k6a, vorEinerWoche, "-+");
  ASSERT_EQ(fSchule.fVertretungsMenge.ListeZahlElemente(), 5);
  ASSERT_EQ(koh->fVStunden1, 8) << "6a's absence a week back freed him";

  TGeladenerPlan plan = Lade(Bytes(fSchule));
  const TSchule& geladen = *plan.schule;
  EXPECT_EQ(SaetzeNachKursen(geladen),
            (std::vector<std::string>{
                "M\xDC D 5a 2.2 am 46357+0.5 geaendert 46364.500000 L BRA R R1 F E von - zu - "
                "[statt Mi, 25. Nov  1. |statt Mi, 25. Nov  1. ]",
                "KOH SP 6a 2.2 am 46357+0.5 geaendert 46364.500000 L KOH R - F SP ungueltig "
                "angerechnet von - zu - [|]"}));
  EXPECT_EQ(Abwesenheiten(geladen.fFehlLehrerMenge),
            (std::vector<std::string>{"M\xDC 46357.500000 -+-------------- -+-------------- -"}));
  EXPECT_EQ(Abwesenheiten(geladen.fFehlKlassenMenge),
            (std::vector<std::string>{"6a 46357.500000 -+-------------- -+-------------- -"}));
  EXPECT_EQ(Abwesenheiten(geladen.fFehlRaumMenge),
            (std::vector<std::string>{"TH 46357.500000 -+-------------- -+-------------- -"}));
  // The record of two weeks back takes its credit back from KOH as it goes. December holds the
  // lesson 6a missed a week back; November's absences are gone with the records.
  const TLehrer* kohGeladen = geladen.fLehrerMenge.ListeNrInhalt(2);
  EXPECT_EQ(kohGeladen->fVStunden1, 6);
  EXPECT_EQ(kohGeladen->fVStunden2, -1);
  EXPECT_EQ(kohGeladen->fDict, (std::map<std::string, std::string>{
                                   {"202611", "0"}, {"202612", "-2"}, {"202701", "0"}}));
}

}  // namespace
}  // namespace orbato
