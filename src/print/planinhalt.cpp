// What the printed plans of teachers, classes, rooms and couplings show: their titles and the
// texts of their cells.
#include "print/planinhalt.h"

#include <algorithm>

#include "model/dokument/schule.h"
#include "model/elemente/fach.h"
#include "model/elemente/klasse.h"
#include "model/elemente/kopplung.h"
#include "model/elemente/lehrer.h"
#include "model/elemente/raum.h"
#include "model/kurse/kurs.h"
#include "platform/qttext.h"
#include "print/planlayout.h"

namespace orbato {
namespace {

constexpr int kKuerzelSpalte = 14;
constexpr int kNamensZeile = 45;

QString Kuerzel(const TElement* e) {
  return QtText(KuerzelVon(e));
}

// The parts in the order of the cell, each only when ticked.
TZellenTeile Teile(std::initializer_list<std::pair<bool, TPlanTeil>> wahl, bool statt,
                   TPlanTeil stattTeil) {
  TZellenTeile t;
  for (const auto& [an, teil] : wahl) {
    if (an) t.teile.push_back(teil);
  }
  t.statt = statt;
  t.stattTeil = stattTeil;
  return t;
}

template <class T>
void AlleKuerzel(std::vector<QString>& texte, const TListe<T>& menge) {
  for (const T* e : menge) texte.push_back(Kuerzel(e));
}

QString TeilText(const TZellenTeile& teile, TPlanTeil teil, const TKurs& kurs,
                 const TSetzung& setzung) {
  const bool stattKopplung = teile.Statt(teil) && kurs.fKopplung != nullptr;
  switch (teil) {
    case TPlanTeil::Klasse:
      return Kuerzel(stattKopplung ? static_cast<const TElement*>(kurs.fKopplung)
                                   : kurs.ErsteKlasse());
    case TPlanTeil::Lehrer:
      return Kuerzel(stattKopplung ? static_cast<const TElement*>(kurs.fKopplung) : kurs.fLehrer);
    case TPlanTeil::Fach:
      return Kuerzel(kurs.fFach);
    case TPlanTeil::Raum:
      return Kuerzel(setzung.fRaum);
    case TPlanTeil::Kopplung:
      return Kuerzel(kurs.fKopplung);
  }
  return {};
}

TPlanEintrag Eintrag(const TZellenTeile& teile, const TKurs& kurs, const TSetzung& setzung,
                     const TDruckEinstellung& e) {
  TPlanEintrag eintrag;
  for (TPlanTeil teil : teile.teile) eintrag.teile.push_back(TeilText(teile, teil, kurs, setzung));
  eintrag.farbe = kurs.fColor;
  eintrag.fett = e.Fett && kurs.fKopplung != nullptr;
  eintrag.unterstrichen = e.Fix && setzung.fFixiert;
  return eintrag;
}

void Sperrungen(TGedruckterPlan& plan, const TPlanBereich& b, auto&& gesperrt) {
  for (int32_t t = b.vonTag; t <= b.bisTag; ++t) {
    for (int32_t s = b.vonStd; s <= b.bisStd; ++s) plan.gesperrt[t - 1][s - 1] = gesperrt(t, s);
  }
}

}  // namespace

TZellenTeile LehrerplanTeile(const TDruckEinstellung& e) {
  return Teile({{e.Kl, TPlanTeil::Klasse},
                {e.Fa, TPlanTeil::Fach},
                {e.Ra, TPlanTeil::Raum},
                {e.Ko, TPlanTeil::Kopplung}},
               e.Statt, TPlanTeil::Klasse);
}

TZellenTeile KlassenplanTeile(const TDruckEinstellung& e) {
  return Teile({{e.Le, TPlanTeil::Lehrer},
                {e.Fa, TPlanTeil::Fach},
                {e.Ra, TPlanTeil::Raum},
                {e.Ko, TPlanTeil::Kopplung}},
               e.Statt, TPlanTeil::Lehrer);
}

TZellenTeile RaumplanTeile(const TDruckEinstellung& e) {
  return Teile({{e.Kl, TPlanTeil::Klasse},
                {e.Fa, TPlanTeil::Fach},
                {e.Le, TPlanTeil::Lehrer},
                {e.Ko, TPlanTeil::Kopplung}},
               e.Statt, TPlanTeil::Klasse);
}

std::vector<std::vector<QString>> TeilTexte(const TSchule& schule, const TZellenTeile& teile) {
  std::vector<std::vector<QString>> alle;
  for (TPlanTeil teil : teile.teile) {
    std::vector<QString> texte;
    switch (teil) {
      case TPlanTeil::Klasse:
        AlleKuerzel(texte, schule.fKlassenMenge);
        if (teile.Statt(teil)) AlleKuerzel(texte, schule.fKopplMenge);
        break;
      case TPlanTeil::Lehrer:
        AlleKuerzel(texte, schule.fLehrerMenge);
        if (teile.Statt(teil)) AlleKuerzel(texte, schule.fKopplMenge);
        break;
      case TPlanTeil::Fach:
        AlleKuerzel(texte, schule.fFachMenge);
        break;
      case TPlanTeil::Raum:
        AlleKuerzel(texte, schule.fRaumMenge);
        break;
      case TPlanTeil::Kopplung:
        AlleKuerzel(texte, schule.fKopplMenge);
        break;
    }
    alle.push_back(std::move(texte));
  }
  return alle;
}

QString NamensZeile(const TElement& element) {
  const QString kuerzel = (Kuerzel(&element) + QStringLiteral("   ")).left(kKuerzelSpalte);
  return (kuerzel + QtText(element.fInfo.str())).left(kNamensZeile);
}

QString LehrerTitel(const TSchule& schule, const TLehrer& lehrer) {
  QString titel = NamensZeile(lehrer);
  if (lehrer.fRaum) titel += QStringLiteral("  (") + Kuerzel(lehrer.fRaum) + QStringLiteral(")");
  QString klassen;
  for (const TKlasse* k : schule.fKlassenMenge) {
    if (k->fLehrer1 == &lehrer || k->fLehrer2 == &lehrer) klassen += Kuerzel(k) + QLatin1Char(' ');
  }
  if (!klassen.isEmpty()) titel += QStringLiteral("  ( ") + klassen + QLatin1Char(')');
  return titel;
}

QString KlassenTitel(const TKlasse& klasse) {
  QString titel = NamensZeile(klasse);
  if (klasse.fRaum) titel += QStringLiteral("  (") + Kuerzel(klasse.fRaum) + QStringLiteral(")");
  QString lehrer;
  for (const TLehrer* l : {klasse.fLehrer1, klasse.fLehrer2}) {
    if (l) lehrer += Kuerzel(l) + QLatin1Char(' ');
  }
  if (!lehrer.isEmpty()) titel += QStringLiteral("  ( ") + lehrer + QLatin1Char(')');
  return titel;
}

QString RaumTitel(const TRaum& raum) {
  return NamensZeile(raum);
}

QString KopplungsTitel(const TKopplung& kopplung, bool mitKuerzel) {
  if (mitKuerzel || kopplung.fInfo.str().empty()) return NamensZeile(kopplung);
  return QtText(kopplung.fInfo.str()).left(kNamensZeile);
}

void PlanElementFuellen(TGedruckterPlan& plan, const TPlanElement& element,
                        const TZellenTeile& teile, const TDruckEinstellung& e,
                        const TPlanBereich& bereich) {
  Sperrungen(plan, bereich, [&](int32_t t, int32_t s) {
    return element.fSperrung.GetWocheTagStd(plan.woche, t, s);
  });
  const TRaum* raum = element.Art() == rau ? static_cast<const TRaum*>(&element) : nullptr;
  for (const TKurs* kurs : element.fKurse) {
    for (const TSetzung* s : kurs->fSetzungen) {
      if (s->fWoche != plan.woche || !bereich.Enthaelt(s->fTag, s->fStunde)) continue;
      if (raum && s->fRaum != raum) continue;
      auto& zelle = plan.Zelle(s->fTag, s->fStunde);
      if (!zelle) zelle = Eintrag(teile, *kurs, *s, e);
    }
  }
}

void KopplungFuellen(TGedruckterPlan& plan, const TKopplung& kopplung, bool mitLehrern,
                     const TDruckEinstellung& e, const TPlanBereich& bereich) {
  Sperrungen(plan, bereich, [&](int32_t t, int32_t s) {
    return std::any_of(kopplung.fKurse.begin(), kopplung.fKurse.end(),
                       [&](const TKurs* k) { return k->IstGesperrt(plan.woche, t, nullptr, s); });
  });
  for (const TKurs* kurs : kopplung.fKurse) {
    std::vector<QString> namen;
    if (mitLehrern) {
      if (kurs->fLehrer) namen.push_back(Kuerzel(kurs->fLehrer));
    } else {
      for (const TKlasse* k : kurs->fKlassen) namen.push_back(Kuerzel(k));
    }
    for (const TSetzung* s : kurs->fSetzungen) {
      if (s->fWoche != plan.woche || !bereich.Enthaelt(s->fTag, s->fStunde)) continue;
      auto& zelle = plan.Zelle(s->fTag, s->fStunde);
      if (!zelle) {
        zelle = TPlanEintrag{{}, kurs->fColor, e.Fett, false};
      }
      for (const QString& name : namen) {
        if (std::find(zelle->teile.begin(), zelle->teile.end(), name) == zelle->teile.end()) {
          zelle->teile.push_back(name);
        }
      }
      zelle->unterstrichen = zelle->unterstrichen || (e.Fix && s->fFixiert);
    }
  }
}

}  // namespace orbato
