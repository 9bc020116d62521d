#include "print/plandruck.h"

#include <algorithm>

#include "model/dokument/schule.h"
#include "model/elemente/klasse.h"
#include "model/elemente/kopplung.h"
#include "model/elemente/lehrer.h"
#include "model/elemente/raum.h"
#include "model/kurse/kurs.h"
#include "platform/qttext.h"
#include "print/druckauftrag.h"
#include "print/planinhalt.h"
#include "print/planlayout.h"
#include "print/prevprinter.h"

namespace orbato {
namespace {

// "alle Planversionen": versions 1 to the last; else the current one.
std::vector<int32_t> Wochen(const TStandard& st, const TDruckEinstellung& e) {
  if (!e.Versionen) return {std::clamp(st.fAktuelleWoche, 1, st.WochenZahl())};
  std::vector<int32_t> wochen;
  for (int32_t w = 1; w <= st.WochenZahl(); ++w) wochen.push_back(w);
  return wochen;
}

// The remark line when there is one, then the element's line, which names its version when the
// job prints more than one.
QStringList TitelZeilen(const TDruckEinstellung& e, const QString& titel, int32_t woche,
                        bool mehrereWochen) {
  QStringList zeilen;
  if (!e.Bem.str().empty()) zeilen << QtText(e.Bem.str());
  zeilen << (mehrereWochen ? QStringLiteral(" {%1}  ").arg(woche) + titel : titel);
  return zeilen;
}

bool Gewaehlt(const TDruckAuftrag& auftrag, const TPlanElement* element) {
  return auftrag.auswahl.empty() || std::find(auftrag.auswahl.begin(), auftrag.auswahl.end(),
                                              element) != auftrag.auswahl.end();
}

bool GeaendertNach(const TPlanElement* element, TDatumZeit ab) {
  return element && element->fLetzteAenderung > ab;
}

// One plan per version for every element of the list that is chosen and, unless all plans are
// wanted, changed since the date of the options.
template <class T, class Titel>
void ElementplaeneDrucken(TPrevPrinter& drucker, const TDruckAuftrag& auftrag,
                          const TDruckEinstellung& e, const TListe<T>& menge,
                          const TZellenTeile& teile, const QString& jobTitel, Titel&& titel) {
  if (menge.ListeZahlElemente() == 0) return;
  TPlanSatz satz;
  satz.jobTitel = jobTitel;
  satz.teilTexte = TeilTexte(auftrag.schule, teile);
  satz.nebeneinander = e.Neben;
  const std::vector<int32_t> wochen = Wochen(auftrag.standard, e);
  const TPlanBereich bereich = PlanBereich(e);
  for (const T* element : menge) {
    if (!Gewaehlt(auftrag, element) || !(e.Alle || GeaendertNach(element, e.Ab))) continue;
    for (int32_t woche : wochen) {
      TGedruckterPlan& plan = satz.plaene.emplace_back();
      plan.woche = woche;
      plan.titel = TitelZeilen(e, titel(*element), woche, wochen.size() > 1);
      PlanElementFuellen(plan, *element, teile, e, bereich);
    }
  }
  PlaeneAufzeichnen(drucker, auftrag, e, satz);
}

// The teachers or the classes of a coupling's courses.
std::vector<const TPlanElement*> Beteiligte(const TKopplung& kopplung, bool mitLehrern) {
  std::vector<const TPlanElement*> elemente;
  for (const TKurs* kurs : kopplung.fKurse) {
    if (mitLehrern) {
      if (kurs->fLehrer) elemente.push_back(kurs->fLehrer);
    } else {
      for (const TKlasse* k : kurs->fKlassen) elemente.push_back(k);
    }
  }
  return elemente;
}

// A coupling is printed for the teachers (classes) chosen when one of them takes part in it, and
// counts as changed when the plan of one of its teachers (classes) changed.
bool KopplungDrucken(const TDruckAuftrag& auftrag, const TDruckEinstellung& e,
                     const TKopplung& kopplung, bool mitLehrern) {
  const auto beteiligte = Beteiligte(kopplung, mitLehrern);
  const bool gewaehlt = auftrag.auswahl.empty() ||
                        std::any_of(beteiligte.begin(), beteiligte.end(),
                                    [&](const TPlanElement* b) { return Gewaehlt(auftrag, b); });
  const bool geaendert =
      e.Alle || std::any_of(beteiligte.begin(), beteiligte.end(),
                            [&](const TPlanElement* b) { return GeaendertNach(b, e.Ab); });
  return gewaehlt && geaendert;
}

// The cells list as many names as the fullest cell of the job holds, each as wide as the widest
// short name of the teachers (classes).
std::vector<std::vector<QString>> NamensTeile(const TSchule& schule, const TPlanSatz& satz,
                                              bool mitLehrern) {
  std::size_t zeilen = 1;
  for (const TGedruckterPlan& plan : satz.plaene) {
    for (const auto& tag : plan.zellen) {
      for (const auto& zelle : tag) {
        if (zelle) zeilen = std::max(zeilen, zelle->teile.size());
      }
    }
  }
  TZellenTeile art;
  art.teile.push_back(mitLehrern ? TPlanTeil::Lehrer : TPlanTeil::Klasse);
  return std::vector<std::vector<QString>>(zeilen, TeilTexte(schule, art).front());
}

void KopplungsplaeneDrucken(TPrevPrinter& drucker, const TDruckAuftrag& auftrag,
                            const TDruckEinstellung& e, bool mitLehrern, const QString& jobTitel) {
  const TListe<TKopplung>& menge = auftrag.schule.fKopplMenge;
  if (menge.ListeZahlElemente() == 0) return;
  TPlanSatz satz;
  satz.jobTitel = jobTitel;
  const std::vector<int32_t> wochen = Wochen(auftrag.standard, e);
  const TPlanBereich bereich = PlanBereich(e);
  for (const TKopplung* kopplung : menge) {
    if (!KopplungDrucken(auftrag, e, *kopplung, mitLehrern)) continue;
    for (int32_t woche : wochen) {
      TGedruckterPlan& plan = satz.plaene.emplace_back();
      plan.woche = woche;
      plan.titel =
          TitelZeilen(e, KopplungsTitel(*kopplung, e.MitKuerzel), woche, wochen.size() > 1);
      KopplungFuellen(plan, *kopplung, mitLehrern, e, bereich);
    }
  }
  satz.teilTexte = NamensTeile(auftrag.schule, satz, mitLehrern);
  PlaeneAufzeichnen(drucker, auftrag, e, satz);
}

}  // namespace

void LehrerplaeneDrucken(TPrevPrinter& drucker, const TDruckAuftrag& auftrag) {
  const TDruckEinstellung& e = auftrag.standard.fLPlnDruck;
  ElementplaeneDrucken(drucker, auftrag, e, auftrag.schule.fLehrerMenge, LehrerplanTeile(e),
                       QStringLiteral("Lehrerpläne"),
                       [&](const TLehrer& lehrer) { return LehrerTitel(auftrag.schule, lehrer); });
}

void KlassenplaeneDrucken(TPrevPrinter& drucker, const TDruckAuftrag& auftrag) {
  const TDruckEinstellung& e = auftrag.standard.fKPlnDruck;
  ElementplaeneDrucken(drucker, auftrag, e, auftrag.schule.fKlassenMenge, KlassenplanTeile(e),
                       QStringLiteral("Klassenpläne"), KlassenTitel);
}

void RaumplaeneDrucken(TPrevPrinter& drucker, const TDruckAuftrag& auftrag) {
  const TDruckEinstellung& e = auftrag.standard.fRPlnDruck;
  ElementplaeneDrucken(drucker, auftrag, e, auftrag.schule.fRaumMenge, RaumplanTeile(e),
                       QStringLiteral("Raumpläne"), RaumTitel);
}

void KopplungsplaeneLehrerDrucken(TPrevPrinter& drucker, const TDruckAuftrag& auftrag) {
  KopplungsplaeneDrucken(drucker, auftrag, auftrag.standard.fKoLePlnDruck, true,
                         QStringLiteral("Kopplungspläne für Lehrer"));
}

void KopplungsplaeneKlassenDrucken(TPrevPrinter& drucker, const TDruckAuftrag& auftrag) {
  KopplungsplaeneDrucken(drucker, auftrag, auftrag.standard.fKoKlPlnDruck, false,
                         QStringLiteral("Kopplungspläne für Klassen"));
}

}  // namespace orbato
