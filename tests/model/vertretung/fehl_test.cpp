#include "model/vertretung/fehl.h"

#include "model/schulfixture.h"

namespace orbato {
namespace {

using FehlTest = SchulTest;

TFehl* Fehlt(TListe<TFehl>& menge, TPlanElement* e, TDatumZeit datum, uint32_t zeit) {
  auto* f = new TFehl;
  f->SetElement(e);
  f->SetDatum(datum);
  f->SetZeit(zeit);
  menge.ListeAnhaengen(f);
  return f;
}

TEST_F(FehlTest, PeriodOneIsTheHighestMaskBit) {
  TFehl f;
  f.SetZeit(0x8001);
  EXPECT_TRUE(f.FehltIn(1));
  EXPECT_TRUE(f.FehltIn(16));
  EXPECT_FALSE(f.FehltIn(2));
  EXPECT_FALSE(f.FehltIn(0));
  EXPECT_FALSE(f.FehltIn(17));
  f.SetGrund("Krank");
  EXPECT_EQ(f.fGrund, "K");
  f.SetGrund("");
  EXPECT_TRUE(f.fGrund.empty());
}

TEST_F(FehlTest, AbsentClassesOfACourse) {
  const TDatumZeit tag = *KodiereDatum(2026, 12, 9) + 0.5;
  TKlasse* a = fSchule.HoleKlasse("5a");
  TKlasse* b = fSchule.HoleKlasse("5b");
  TKurs* ohneKlasse = Kurs(fSchule.HoleLehrer("A"), nullptr, 2);
  TKurs* k = Kurs(fSchule.HoleLehrer("A"), a, 2);
  k->KlasseErgaenzen(b);
  Fehlt(fSchule.fFehlKlassenMenge, a, tag, TFehl::StundenBit(3));
  EXPECT_TRUE(a->Abwesend(3, tag + 0.25));  // compared as whole days
  EXPECT_FALSE(a->Abwesend(3, tag + 1));
  EXPECT_FALSE(a->Abwesend(4, tag));
  EXPECT_FALSE(ohneKlasse->AlleKlassenAbwesend(3, nullptr, tag));
  EXPECT_FALSE(k->AlleKlassenAbwesend(3, nullptr, tag));
  EXPECT_TRUE(k->AlleKlassenAbwesend(3, b, tag));
  Fehlt(fSchule.fFehlKlassenMenge, b, tag, TFehl::StundenBit(3));
  EXPECT_TRUE(k->AlleKlassenAbwesend(3, nullptr, tag));
  // A teacher's absence list is another one.
  EXPECT_FALSE(fSchule.HoleLehrer("A")->Abwesend(3, tag));
}

TEST_F(FehlTest, DeletedElementsTakeTheirAbsencesAlong) {
  TLehrer* l = fSchule.HoleLehrer("A");
  TLehrer* m = fSchule.HoleLehrer("B");
  TRaum* r = fSchule.HoleRaum("R1");
  Fehlt(fSchule.fFehlLehrerMenge, l, 46000.5, 1);
  Fehlt(fSchule.fFehlLehrerMenge, m, 46000.5, 1);
  Fehlt(fSchule.fFehlLehrerMenge, l, 46001.5, 1);
  Fehlt(fSchule.fFehlRaumMenge, r, 46001.5, 1);
  fSchule.LehrerLoeschen(l);
  ASSERT_EQ(fSchule.fFehlLehrerMenge.ListeZahlElemente(), 1);
  EXPECT_EQ(fSchule.fFehlLehrerMenge.ListeNrInhalt(1)->fElement, m);
  fSchule.RaumLoeschen(r);
  EXPECT_EQ(fSchule.fFehlRaumMenge.ListeZahlElemente(), 0);
}

TEST_F(FehlTest, SubstitutionsDieWithTheirPlacement) {
  TKurs* k = Kurs(fSchule.HoleLehrer("A"), nullptr, 2);
  TSetzung* s = Setze(k, 1, 1, 1);
  auto* v = new TVertretung;
  auto* partner = new TVertretung;
  v->fVon = partner;  // the record that caused v stays, v's own partner would go with it
  partner->fZu = v;
  s->fVertretungen.ListeAnhaengen(v);
  fSchule.fVertretungsMenge.ListeAnhaengen(v);
  fSchule.fVertretungsMenge.ListeAnhaengen(partner);  // belongs to no placement here
  k->SetzungAufgeben(s);
  ASSERT_EQ(fSchule.fVertretungsMenge.ListeZahlElemente(), 1);
  EXPECT_EQ(fSchule.fVertretungsMenge.ListeNrInhalt(1), partner);
  EXPECT_EQ(partner->fZu, nullptr);
  // The document frees what is left when it goes, the placements' records through them.
  auto* nochEiner = new TVertretung;
  Setze(k, 1, 2, 1)->fVertretungen.ListeAnhaengen(nochEiner);
  fSchule.fVertretungsMenge.ListeAnhaengen(nochEiner);
}

TEST_F(FehlTest, DeletedElementsLeaveNoSubstitutionPointingAtThem) {
  TKurs* k = Kurs(fSchule.HoleLehrer("A"), nullptr, 2);
  TSetzung* s = Setze(k, 1, 1, 1);
  auto* v = new TVertretung;
  v->fKurs = k;
  v->fSetzung = s;
  v->fLehrer = fSchule.HoleLehrer("B");
  v->fRaum = fSchule.HoleRaum("R9");
  v->fFach = fSchule.HoleFach("M");
  s->fVertretungen.ListeAnhaengen(v);
  fSchule.fVertretungsMenge.ListeAnhaengen(v);
  fSchule.LehrerLoeschen(v->fLehrer);
  fSchule.RaumLoeschen(v->fRaum);
  fSchule.FachLoeschen(v->fFach);
  ASSERT_EQ(fSchule.fVertretungsMenge.ListeZahlElemente(), 1);
  EXPECT_EQ(v->fLehrer, nullptr);
  EXPECT_EQ(v->fRaum, nullptr);
  EXPECT_EQ(v->fFach, nullptr);
}

}  // namespace
}  // namespace orbato
