#include "model/fenster/spaltenbreiten.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "model/dokument/schule.h"

namespace orbato {
namespace {

// Room beside the text of a cell, and the narrowest plan column.
constexpr int kRand = 3;
constexpr int kPlnMindestens = 13;

template <class Texte>
int Breiteste(const Texte& texte, const TTextMass& mass) {
  int breite = 0;
  for (const auto& text : texte) breite = std::max(breite, mass.Breite(text));
  return breite;
}

template <class T>
int BreitestesKuerzel(const TListe<T>& liste, const TTextMass& mass) {
  int breite = 0;
  for (const T* e : liste) breite = std::max(breite, mass.Breite(e->fKuerzel));
  return breite;
}

int PlnSpalte(int breite) {
  return std::max(breite + kRand, kPlnMindestens);
}

template <class T>
int DepSpalte(const TListe<T>& liste, std::string_view kopf, const TTextMass& mass) {
  return std::max(mass.Breite(kopf), BreitestesKuerzel(liste, mass)) + kRand;
}

int32_t Betrag(int32_t groesse) {
  return static_cast<int32_t>(std::llabs(int64_t{groesse}));
}

}  // namespace

void BerechnePlnBreite(TStandard& s, TTextMass& mass) {
  const TSchule& schule = Schule();
  mass.Schrift(s.fPlnFont);
  mass.Fett(s.fPlnKoppFett);
  // 1.65 times the size, rounded to the nearest pixel in whole numbers; halves (sizes 10, 30, …)
  // round up, as hour values do.
  s.fPlnHoehe = (Betrag(s.fPlnFont.Groesse) * 165 + 50) / 100 + 5;
  s.fPlnLeBreite = PlnSpalte(BreitestesKuerzel(schule.fLehrerMenge, mass));
  s.fPlnKlBreite = PlnSpalte(BreitestesKuerzel(schule.fKlassenMenge, mass));
  s.fPlnKoBreite = PlnSpalte(BreitestesKuerzel(schule.fKopplMenge, mass));
  s.fPlnFaBreite = PlnSpalte(BreitestesKuerzel(schule.fFachMenge, mass));
  s.fPlnRaBreite = PlnSpalte(BreitestesKuerzel(schule.fRaumMenge, mass));
  s.fPlnTagBreite = PlnSpalte(Breiteste(s.fTagBez, mass));
  const int32_t woche = std::clamp(s.fAktuelleWoche, 1, kMaxWochen);
  s.fPlnStdBreite = PlnSpalte(Breiteste(s.fStdBez[static_cast<std::size_t>(woche - 1)], mass));
  s.fPlnWertBreite = mass.Breite("9") * (s.fVorKomma + s.fNachKomma + 1) + 5;
  mass.Fett(false);
}

void BerechneDepBreite(TStandard& s, TTextMass& mass) {
  const TSchule& schule = Schule();
  mass.Schrift(s.fDepFont);
  s.fDepHoehe = Betrag(s.fDepFont.Groesse) + 13;
  s.fDepLeBreite = DepSpalte(schule.fLehrerMenge, "Lehrer", mass);
  s.fDepKlBreite = DepSpalte(schule.fKlassenMenge, "Klasse", mass);
  s.fDepKoBreite = DepSpalte(schule.fKopplMenge, "Kopplung", mass);
  s.fDepFaBreite = DepSpalte(schule.fFachMenge, "Fach", mass);
  s.fDepRaBreite = DepSpalte(schule.fRaumMenge, "Raum", mass);
  s.fDepStdBreite = mass.Breite("999") + kRand;
  s.fDepWertBreite =
      std::max(mass.Breite("9") * (s.fVorKomma + s.fNachKomma) + 5, mass.Breite("Wert"));
}

}  // namespace orbato
