#include "placement/konflikt.h"

#include <string>
#include <vector>

#include "model/basis/datum.h"
#include "placement/eignung.h"
#include "placement/konfliktliste.h"
#include "placement/platzierungsfixture.h"

namespace orbato {
namespace {

// Three plan versions; single-version mode on version 1 unless a test switches it off.
class KonfliktTest : public PlatzierungsTest {
 protected:
  static std::vector<std::string> Zeilen(const TListe<TKonflikt>& liste) {
    std::vector<std::string> zeilen;
    for (const TKonflikt* k : liste) zeilen.push_back(k->Zeile());
    return zeilen;
  }
  // Kind, week and course of each entry, to compare lists at a glance.
  struct Eintrag {
    TKonfliktArt art;
    int32_t woche;
    const TKurs* kurs;
    bool operator==(const Eintrag&) const = default;
  };
  static std::vector<Eintrag> Eintraege(const TListe<TKonflikt>& liste) {
    std::vector<Eintrag> e;
    for (const TKonflikt* k : liste) e.push_back({k->fArt, k->fWoche, k->fKurs});
    return e;
  }
  static void Sperre(TPlanElement* e, int32_t woche, int32_t tag, int32_t std) {
    e->fSperrung.SetWocheTagStd(woche, tag, true, std);
  }

  TRaum* fR2 = fSchule.HoleRaum("R2");
};

TEST_F(KonfliktTest, LongAndShortTextsOfEveryKind) {
  TKurs* k = Kurs(fMue, f5a, 2, fR1, fM);
  TKurs* andere = Kurs(fSch, f5b, 2, fR1, fD);
  Setze(andere, 2, 2, 3, fR2);
  const auto text = [&](TKonfliktArt art, TKurs* kurs, TElement* element) {
    TKonflikt c;
    c.IKonflikt(art, KonfliktSchwere(art), kurs, element, 2);
    return std::vector<std::string>{c.Zeile(), c.KurzZeile(k), c.KurzZeile(k, 2, 3)};
  };
  using V = std::vector<std::string>;
  EXPECT_EQ(text(kuSp, k, nullptr),
            (V{"{2} Kurs MUE M 5a gesperrt.", "{2} Kurs gesperrt [MUE M 5a R1]",
               "{2} Kurs gesperrt [MUE M 5a R1]"}));
  EXPECT_EQ(text(kuSp, andere, nullptr),
            (V{"{2} Kurs SCH D 5b gesperrt.", "{2} gekoppelter Kurs gesperrt [SCH D 5b R1]",
               "{2} gekoppelter Kurs gesperrt [SCH D 5b R2]"}));
  EXPECT_EQ(text(leSp, nullptr, fMue),
            (V{"{2} Lehrer MUE gesperrt. ", "{2} MUE gesperrt", "{2} MUE gesperrt"}));
  EXPECT_EQ(text(klSp, nullptr, f5a)[0], "{2} Klasse 5a gesperrt. ");
  EXPECT_EQ(text(raSp, nullptr, fR1)[0], "{2} Raum R1 gesperrt. ");
  EXPECT_EQ(text(raSp, nullptr, fR1)[1], "{2} R1 gesperrt");
  EXPECT_EQ(text(leFx, andere, fSch),
            (V{"{2} Lehrer SCH fixiert durch SCH D 5b.", "{2} fixiert [SCH D 5b R1]",
               "{2} fixiert [SCH D 5b R2]"}));
  EXPECT_EQ(text(klFx, andere, f5b)[0], "{2} Klasse 5b fixiert durch SCH D 5b.");
  EXPECT_EQ(text(raFx, andere, fR2)[0], "{2} Raum R2 fixiert durch SCH D 5b.");
  EXPECT_EQ(text(leBe, andere, fSch),
            (V{"{2} Lehrer SCH besetzt durch SCH D 5b.", "{2} besetzt [SCH D 5b R1]",
               "{2} besetzt [SCH D 5b R2]"}));
  EXPECT_EQ(text(klBe, andere, f5b)[0], "{2} Klasse 5b besetzt durch SCH D 5b.");
  EXPECT_EQ(text(raBe, andere, fR2)[1], "{2} besetzt [SCH D 5b R1]");
  EXPECT_EQ(text(koRa, andere, nullptr),
            (V{"", "{2} kein Raum frei [SCH D 5b R1]", "{2} kein Raum frei [SCH D 5b R2]"}));
}

TEST_F(KonfliktTest, EntriesSortByKindAndNameALessonOncePerVersion) {
  TKurs* x = Kurs(fSch, f5a, 2);
  TKurs* y = Kurs(fMei, f5b, 2);
  TListe<TKonflikt> liste(true);
  int32_t schwere = 0;
  KonfliktEintragen(liste, raBe, x, fR1, 1, schwere);
  EXPECT_EQ(schwere, 1);
  // Dropped as the same lesson, but its severity counts.
  KonfliktEintragen(liste, klFx, x, f5a, 1, schwere);
  EXPECT_EQ(schwere, 3);
  KonfliktEintragen(liste, leSp, nullptr, fMue, 1, schwere);
  KonfliktEintragen(liste, leSp, nullptr, fMue, 1, schwere);  // blockings always go in
  KonfliktEintragen(liste, raBe, x, fR1, 2, schwere);         // another version
  KonfliktEintragen(liste, leBe, y, fMei, 1, schwere);
  KonfliktEintragen(liste, klSp, nullptr, f5a, 1, schwere);
  EXPECT_EQ(Eintraege(liste), (std::vector<Eintrag>{{leSp, 1, nullptr},
                                                    {leSp, 1, nullptr},
                                                    {klSp, 1, nullptr},
                                                    {leBe, 1, y},
                                                    {raBe, 1, x},
                                                    {raBe, 2, x}}));
  std::vector<int32_t> schweren;
  for (const TKonflikt* k : liste) schweren.push_back(k->fSchwere);
  EXPECT_EQ(schweren, (std::vector<int32_t>{3, 3, 3, 1, 1, 1}));
  EXPECT_EQ(HoechsteSchwere(liste), 3);
}

TEST_F(KonfliktTest, ListNamesEveryObstacleInKindOrder) {
  TKurs* k = Kurs(fMue, f5a, 3, fR1, fM);
  k->KlasseErgaenzen(f5b);
  Setze(k, 1, 1, 1, fR1);  // the old cell: its room goes along
  Sperre(f5b, 1, 2, 3);
  k->fSperrung.SetWocheTagStd(1, 2, true, 3);
  TKurs* raum = Kurs(fSch, f6a, 2, fR1, fD);
  Setze(raum, 1, 2, 3, fR1)->fFixiert = true;
  TKurs* klasse = Kurs(fMei, f5a, 2, nullptr, fD);
  Setze(klasse, 1, 2, 3);
  TKurs* lehrer = Kurs(fMue, f6a, 2, nullptr, fD);
  Setze(lehrer, 1, 2, 3);
  // Week 2 is outside the span of single-version mode.
  Setze(Kurs(fMei, f5b, 1), 2, 2, 3);

  TListe<TKonflikt> liste(true);
  EXPECT_EQ(FuelleKonfliktListe(*k, 2, 3, k, nullptr, liste, 1, 1), 3);
  EXPECT_EQ(Eintraege(liste), (std::vector<Eintrag>{{kuSp, 1, k},
                                                    {klSp, 1, nullptr},
                                                    {raFx, 1, raum},
                                                    {leBe, 1, lehrer},
                                                    {klBe, 1, klasse}}));
  EXPECT_EQ(Zeilen(liste),
            (std::vector<std::string>{"{1} Kurs MUE M 5a gesperrt.", "{1} Klasse 5b gesperrt. ",
                                      "{1} Raum R1 fixiert durch SCH D 6a.",
                                      "{1} Lehrer MUE besetzt durch MUE D 6a.",
                                      "{1} Klasse 5a besetzt durch MEI D 5a."}));

  // From a cell where the course has no lesson no room is checked; an explicit room is.
  TListe<TKonflikt> ohneRaum(true);
  EXPECT_EQ(FuelleKonfliktListe(*k, 2, 3, k, nullptr, ohneRaum, 4, 4), 3);
  EXPECT_EQ(ohneRaum.ListeZahlElemente(), 4);
  TListe<TKonflikt> mitRaum(true);
  k->fSperrung.SetWocheTagStd(1, 2, false, 3);
  Sperre(fR2, 1, 2, 3);
  FuelleKonfliktListeMitRaum(*k, 2, 3, fR2, k, nullptr, mitRaum, 1, 1);
  ASSERT_EQ(mitRaum.ListeZahlElemente(), 4);
  EXPECT_EQ(mitRaum.ListeNrInhalt(2)->Zeile(), "{1} Raum R2 gesperrt. ");
}

TEST_F(KonfliktTest, CoupledCoursesShareClassesButNotTeachers) {
  TKopplung* rel = fSchule.HoleKopplung("REL");
  TKurs* a = Kurs(fMue, f5a, 2, nullptr, fM, rel);
  TKurs* b = Kurs(fSch, f5a, 2, nullptr, fD, rel);
  Setze(b, 1, 2, 3);
  TListe<TKonflikt> liste(true);
  EXPECT_EQ(ManKonfliktListe(*a, 2, 3, nullptr, liste), 0);
  EXPECT_EQ(liste.ListeZahlElemente(), 0);
  // Without the own coupling the class is taken.
  EXPECT_EQ(FuelleKonfliktListe(*a, 2, 3, a, nullptr, liste, 0, 0), 1);
  EXPECT_EQ(Eintraege(liste), (std::vector<Eintrag>{{klBe, 1, b}}));

  TKurs* c = Kurs(fMue, f5b, 2, nullptr, fD, rel);
  TSetzung* s = Setze(c, 1, 2, 3);
  TListe<TKonflikt> lehrer(true);
  EXPECT_EQ(ManKonfliktListe(*a, 2, 3, nullptr, lehrer), 1);
  EXPECT_EQ(Eintraege(lehrer), (std::vector<Eintrag>{{leBe, 1, c}}));
  s->fFixiert = true;
  TListe<TKonflikt> fixiert(true);
  EXPECT_EQ(ManKonfliktListe(*a, 2, 3, nullptr, fixiert), 3);
  EXPECT_EQ(Eintraege(fixiert), (std::vector<Eintrag>{{leFx, 1, c}}));
}

TEST_F(KonfliktTest, LessonInTheWayOfTeacherAndClassIsListedOnce) {
  TKurs* k = Kurs(fMue, f5a, 2, fR1);
  TKurs* z = Kurs(fMue, f5a, 2, fR1, fD);
  TSetzung* s = Setze(z, 1, 2, 3, fR1);
  TListe<TKonflikt> liste(true);
  EXPECT_EQ(ManKonfliktListe(*k, 2, 3, fR1, liste), 1);
  EXPECT_EQ(Eintraege(liste), (std::vector<Eintrag>{{leBe, 1, z}}));
  s->fFixiert = true;
  TListe<TKonflikt> fixiert(true);
  EXPECT_EQ(ManKonfliktListe(*k, 2, 3, fR1, fixiert), 3);
  EXPECT_EQ(Eintraege(fixiert), (std::vector<Eintrag>{{leFx, 1, z}}));
}

TEST_F(KonfliktTest, NoFreeRoomOnlyForCoursesWithRooms) {
  fStandard.fEineWoche = false;
  TKurs* ohne = Kurs(fMue, f5a, 2);
  TKurs* k = Kurs(fSch, f5b, 2, fR1);
  k->RaumErgaenzen(fR2, false);
  for (int32_t w = 1; w <= 3; ++w) Sperre(fR1, w, 2, 3);
  Setze(Kurs(fMei, f6a, 1, fR2), 3, 2, 3, fR2);
  TListe<TKonflikt> liste(true);
  ManKoRaumKonflikt(*ohne, 2, 3, liste);
  EXPECT_EQ(liste.ListeZahlElemente(), 0);
  ManKoRaumKonflikt(*k, 2, 3, liste);
  EXPECT_EQ(Eintraege(liste), (std::vector<Eintrag>{{koRa, 3, k}}));
  EXPECT_EQ(liste.ListeNrInhalt(1)->fSchwere, 1);
  // Single-version mode looks at version 1 only, where R2 is free.
  fStandard.fEineWoche = true;
  TListe<TKonflikt> eine(true);
  ManKoRaumKonflikt(*k, 2, 3, eine);
  EXPECT_EQ(eine.ListeZahlElemente(), 0);
}

TEST_F(KonfliktTest, UnsuitableDatesForASubstitution) {
  const TDatumZeit mittwoch = *KodiereDatum(2024, 1, 10);
  TKurs* k = Kurs(fMue, f5a, 2);
  TSetzung* s = Setze(k, 1, 3, 2);
  EXPECT_FALSE(UngeeigneterTag(*s, mittwoch + 0.3));
  EXPECT_TRUE(UngeeigneterTag(*s, mittwoch + 1));
  const int kw = KalenderWoche(mittwoch);
  fSchule.fKalender[kw] = 2;
  EXPECT_TRUE(UngeeigneterTag(*s, mittwoch));
  fSchule.fKalender[kw] = 1;
  fStandard.fFerien[kw] = 1 << 2;  // Wednesday
  EXPECT_TRUE(UngeeigneterTag(*s, mittwoch));
  fStandard.fFerien[kw] = 1 << 1;
  EXPECT_FALSE(UngeeigneterTag(*s, mittwoch));
  auto* v = new TVertretung;
  v->fDatum = mittwoch + 0.5;
  s->fVertretungen.ListeAnhaengen(v);
  EXPECT_TRUE(UngeeigneterTag(*s, mittwoch + 0.1));
  EXPECT_FALSE(UngeeigneterTag(*s, mittwoch + 7));
}

}  // namespace
}  // namespace orbato
