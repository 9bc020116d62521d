#include "model/basis/liste.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <vector>

namespace orbato {
namespace {

// A value with a sort key and a mark that tells equal keys apart.
struct Eintrag {
  int schluessel;
  int marke = 0;
};

int NachSchluessel(const Eintrag* a, const Eintrag* b) {
  return a->schluessel - b->schluessel;
}

// Owns the entries a test puts into non-owning lists.
class Vorrat {
 public:
  Eintrag* Neu(int schluessel, int marke = 0) {
    fEintraege.push_back(std::make_unique<Eintrag>(Eintrag{schluessel, marke}));
    return fEintraege.back().get();
  }

 private:
  std::vector<std::unique_ptr<Eintrag>> fEintraege;
};

std::vector<int> Schluessel(const TListe<Eintrag>& liste) {
  std::vector<int> ergebnis;
  liste.ListeDurchlauf([&](const Eintrag* e) { ergebnis.push_back(e->schluessel); });
  return ergebnis;
}

std::vector<int> Marken(const TListe<Eintrag>& liste) {
  std::vector<int> ergebnis;
  for (const Eintrag* e : liste) ergebnis.push_back(e->marke);
  return ergebnis;
}

TListe<Eintrag> ListeAus(Vorrat& vorrat, std::initializer_list<int> schluessel) {
  TListe<Eintrag> liste;
  for (int s : schluessel) liste.ListeAnhaengen(vorrat.Neu(s));
  return liste;
}

TEST(Liste, NumbersOutsideOneToCountYieldNoElement) {
  Vorrat vorrat;
  TListe<Eintrag> liste = ListeAus(vorrat, {10, 20});
  EXPECT_EQ(liste.ListeNrInhalt(0), nullptr);
  EXPECT_EQ(liste.ListeNrInhalt(-1), nullptr);
  EXPECT_EQ(liste.ListeNrInhalt(3), nullptr);
  EXPECT_EQ(liste.ListeNrInhalt(2)->schluessel, 20);
  EXPECT_EQ(liste.ListeElemNr(liste.ListeNrInhalt(2)), 2);
  EXPECT_EQ(liste.ListeElemNr(vorrat.Neu(20)), 0);
}

TEST(Liste, SortedInsertionPutsCursorOnEachNewElement) {
  Vorrat vorrat;
  TListe<Eintrag> liste;
  liste.ListeEinfuegen(vorrat.Neu(20), NachSchluessel);
  EXPECT_EQ(liste.fAktuell, 0);
  for (int s : {10, 30}) liste.ListeEinfuegen(vorrat.Neu(s), NachSchluessel);
  ASSERT_EQ(Schluessel(liste), (std::vector<int>{10, 20, 30}));

  liste.ListeEinfuegen(vorrat.Neu(5), NachSchluessel);
  EXPECT_EQ(liste.fAktuell, 0);
  liste.ListeEinfuegen(vorrat.Neu(25), NachSchluessel);
  EXPECT_EQ(liste.fAktuell, 3);
  liste.ListeEinfuegen(vorrat.Neu(35), NachSchluessel);
  EXPECT_EQ(liste.fAktuell, 5);
  EXPECT_EQ(Schluessel(liste), (std::vector<int>{5, 10, 20, 25, 30, 35}));

  liste.ListeEinfuegen(nullptr, NachSchluessel);
  EXPECT_EQ(liste.ListeZahlElemente(), 6);
  EXPECT_EQ(liste.fAktuell, 5);
}

TEST(Liste, EqualItemIsInsertedBehindExisting) {
  Vorrat vorrat;
  TListe<Eintrag> liste;
  for (int s : {10, 20, 20, 30}) liste.ListeAnhaengen(vorrat.Neu(s, 1));
  liste.ListeEinfuegen(vorrat.Neu(20, 2), NachSchluessel);
  EXPECT_EQ(liste.fAktuell, 3);
  liste.ListeEinfuegen(vorrat.Neu(10, 2), NachSchluessel);
  EXPECT_EQ(liste.fAktuell, 1);
  liste.ListeEinfuegen(vorrat.Neu(30, 2), NachSchluessel);
  EXPECT_EQ(liste.fAktuell, 6);
  EXPECT_EQ(Schluessel(liste), (std::vector<int>{10, 10, 20, 20, 20, 30, 30}));
  EXPECT_EQ(Marken(liste), (std::vector<int>{1, 2, 1, 1, 2, 1, 2}));
}

// Whatever the keys and their order, repeated insertion must give the stable sort of the input.
TEST(Liste, SortedInsertionMatchesStableSortOfRandomInput) {
  std::mt19937 zufall(7);
  for (int runde = 0; runde < 200; ++runde) {
    Vorrat vorrat;
    TListe<Eintrag> liste;
    std::vector<Eintrag> erwartet;
    const int n = static_cast<int>(zufall() % 20);
    for (int i = 0; i < n; ++i) {
      const int s = static_cast<int>(zufall() % 5);
      liste.ListeEinfuegen(vorrat.Neu(s, i), NachSchluessel);
      erwartet.push_back({s, i});
    }
    std::stable_sort(erwartet.begin(), erwartet.end(), [](const Eintrag& a, const Eintrag& b) {
      return a.schluessel < b.schluessel;
    });
    std::vector<int> marken;
    for (const Eintrag& e : erwartet) marken.push_back(e.marke);
    ASSERT_EQ(Marken(liste), marken) << "Runde " << runde;
  }
}

TEST(Liste, DeletingMovesCursorToNextOrBackToStart) {
  Vorrat vorrat;
  TListe<Eintrag> liste = ListeAus(vorrat, {10, 20, 30});
  liste.fAktuell = 1;
  liste.ListeLoeschen(false);
  EXPECT_EQ(liste.ListeInhalt()->schluessel, 30);
  liste.ListeLoeschen(false);
  EXPECT_EQ(liste.fAktuell, 0);
  EXPECT_EQ(Schluessel(liste), (std::vector<int>{10}));
  liste.ListeLoeschen(false);
  liste.ListeLoeschen(false);
  EXPECT_EQ(liste.ListeZahlElemente(), 0);
  EXPECT_EQ(liste.ListeInhalt(), nullptr);
}

TEST(Liste, SearchFromCursorWrapsAroundOnce) {
  Vorrat vorrat;
  TListe<Eintrag> liste = ListeAus(vorrat, {10, 20, 30, 20});
  auto gleich = [](int s, const Eintrag* e) { return e->schluessel == s; };
  liste.fAktuell = 2;
  EXPECT_TRUE(liste.ListeEnthalten(10, gleich));
  EXPECT_EQ(liste.fAktuell, 0);
  liste.fAktuell = 2;
  EXPECT_TRUE(liste.ListeEnthalten(20, gleich));
  EXPECT_EQ(liste.fAktuell, 3);
  EXPECT_FALSE(liste.ListeEnthalten(40, gleich));
  EXPECT_EQ(liste.fAktuell, 3);

  auto wocheGleich = [](int woche, int s, const Eintrag* e) { return e->schluessel == woche * s; };
  liste.fAktuell = 0;
  EXPECT_TRUE(liste.ListeWocheEnthalten(3, 10, wocheGleich));
  EXPECT_EQ(liste.fAktuell, 2);

  TListe<Eintrag> leer;
  EXPECT_FALSE(leer.ListeEnthalten(10, gleich));
}

TEST(Liste, IdentitySearchIgnoresEqualValues) {
  Vorrat vorrat;
  TListe<Eintrag> liste = ListeAus(vorrat, {10, 20});
  Eintrag* zweites = liste.ListeNrInhalt(2);
  EXPECT_FALSE(liste.ListeElemEnthalten(vorrat.Neu(20)));
  EXPECT_EQ(liste.fAktuell, 1);
  liste.ListeAnfang();
  EXPECT_TRUE(liste.ListeElemEnthalten(zweites));
  EXPECT_EQ(liste.fAktuell, 1);
}

TEST(Liste, CursorStepsWrapAtBothEnds) {
  Vorrat vorrat;
  TListe<Eintrag> liste = ListeAus(vorrat, {10, 20, 30});
  EXPECT_TRUE(liste.ListeAmEnde());
  liste.ListeNext();
  EXPECT_TRUE(liste.ListeAmAnfang());
  EXPECT_FALSE(liste.ListeAmEnde());
  liste.ListePrev();
  EXPECT_EQ(liste.ListeInhalt()->schluessel, 30);
  liste.ListeAnfang();
  liste.ListeNext();
  EXPECT_EQ(liste.ListeInhalt()->schluessel, 20);

  TListe<Eintrag> leer;
  leer.ListeNext();
  leer.ListePrev();
  leer.ListeEnde();
  EXPECT_EQ(leer.fAktuell, 0);
  EXPECT_TRUE(leer.ListeAmEnde());
  EXPECT_TRUE(leer.ListeAmAnfang());
}

TEST(Liste, SortKeepsOrderOfEqualElements) {
  Vorrat vorrat;
  TListe<Eintrag> liste;
  int marke = 0;
  for (int s : {3, 1, 2, 1, 3, 2, 1}) liste.ListeAnhaengen(vorrat.Neu(s, marke++));
  liste.ListeSort(NachSchluessel);
  EXPECT_EQ(Schluessel(liste), (std::vector<int>{1, 1, 1, 2, 2, 3, 3}));
  EXPECT_EQ(Marken(liste), (std::vector<int>{1, 3, 6, 2, 5, 0, 4}));
}

// Counts live instances, so that a test sees which removals free their elements.
struct Gezaehlt {
  explicit Gezaehlt(int& lebende) : fLebende(lebende) { ++fLebende; }
  ~Gezaehlt() { --fLebende; }
  int& fLebende;
};

TEST(Liste, OwningListFreesWhatItStillHolds) {
  int lebende = 0;
  Gezaehlt* behalten = nullptr;
  {
    TListe<Gezaehlt> liste(true);
    for (int i = 0; i < 4; ++i) liste.ListeAnhaengen(new Gezaehlt(lebende));
    liste.ListeLoeschen(true);
    EXPECT_EQ(lebende, 3);
    liste.ListeAnfang();
    behalten = liste.ListeInhalt();
    liste.ListeLoeschen(false);
    EXPECT_EQ(lebende, 3);
  }
  EXPECT_EQ(lebende, 1);
  delete behalten;

  TListe<Gezaehlt> fremd;
  Gezaehlt einer(lebende);
  fremd.ListeAnhaengen(&einer);
  fremd.ListeEntfernen(false);
  EXPECT_EQ(fremd.ListeZahlElemente(), 0);
  EXPECT_EQ(lebende, 1);
}

}  // namespace
}  // namespace orbato
