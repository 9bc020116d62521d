#include "print/listendruck.h"

#include "model/dokument/schule.h"
#include "model/fenster/deputat.h"
#include "model/uv/statistik.h"
#include "model/uv/stundenwert.h"
#include "platform/qttext.h"
#include "print/druckauftrag.h"
#include "print/tabellendruck.h"

namespace orbato {
namespace {

template <class T>
void KuerzelListe(TTabellenDruck& druck, const QString& art, const TListe<T>& liste) {
  if (liste.ListeZahlElemente() == 0) return;
  TDruckTabelle tabelle;
  tabelle.titel = QStringLiteral("Kürzel ") + art;
  tabelle.spalten = {{QStringLiteral("Kürzel")}, {QStringLiteral("Info")}};
  for (const T* e : liste)
    tabelle.zeilen.push_back({ZellenText(e->fKuerzel.str()), ZellenText(e->fInfo.str())});
  tabelle.schluss = {QStringLiteral("Anzahl: %1").arg(tabelle.zeilen.size())};
  druck.Drucke(tabelle);
}

// The columns of the workload window with the options of the sheet; a teacher's sheet leaves out
// the teacher, who is in its title.
std::vector<TDepSpalte> DeputatSpalten(const TDruckEinstellung& einstellung, TKuerzelArt art) {
  using enum TDepSpalte;
  std::vector<TDepSpalte> spalten = {Wert, Std, Lehrer, Fach, Klasse, Kopplung, Raum};
  if (art == leh) spalten.erase(spalten.begin() + 2);
  if (einstellung.Zusatz) spalten.insert(spalten.end(), {Fkt, SpT, Ez, Tab, Nvp, NzL, NzK});
  if (einstellung.Info) spalten.push_back(Info);
  return spalten;
}

bool IstZahl(TDepSpalte spalte) {
  using enum TDepSpalte;
  return spalte == Wert || spalte == Std || spalte == Fkt || spalte == SpT || spalte == Ez ||
         spalte == Tab;
}

// Target, workload, lessons and rest as the statistics count them; a room has no target and
// shows the workload of its courses, as its window's title does.
QString DeputatSumme(const TPlanElement& element) {
  if (element.Art() != leh && element.Art() != kla) {
    return QStringLiteral("Ist %1").arg(
        ZellenText(StundenWert(element.FaktorSumme(-1, true, fac))));
  }
  const auto koepfe = StatistikKoepfe(element.Art());
  const auto werte = StatistikZeile(static_cast<const TSollElement&>(element));
  QStringList teile;
  for (std::size_t i = 0; i < 4; ++i)
    teile << ZellenText(koepfe[i]) + QLatin1Char(' ') + ZellenText(werte[i]);
  return teile.join(QStringLiteral("   "));
}

TDruckTabelle DeputatTabelle(const TStandard& standard, const TPlanElement& element,
                             const TDruckEinstellung& einstellung) {
  TDruckTabelle tabelle;
  tabelle.titel = QStringLiteral("Deputat ") + ZellenText(element.fKuerzel.str());
  if (!element.fInfo.str().empty())
    tabelle.titel += QStringLiteral("   ") + ZellenText(element.fInfo.str());
  const std::vector<TDepSpalte> spalten = DeputatSpalten(einstellung, element.Art());
  for (TDepSpalte s : spalten) tabelle.spalten.push_back({ZellenText(DepKopf(s)), IstZahl(s)});
  for (const TKurs* k : DepKurse(standard, element.fKurse, false, false)) {
    std::vector<QString> zeile;
    for (TDepSpalte s : spalten) zeile.push_back(ZellenText(DepText(*k, s)));
    tabelle.zeilen.push_back(std::move(zeile));
    tabelle.farben.push_back(einstellung.Farbe ? QtFarbe(k->fColor) : QColor());
  }
  tabelle.schluss = {DeputatSumme(element)};
  return tabelle;
}

template <class T>
std::vector<const TPlanElement*> Alle(const TListe<T>& liste) {
  return {liste.begin(), liste.end()};
}

// The chosen elements, else the whole list the options name: rooms, classes or teachers.
std::vector<const TPlanElement*> DeputatElemente(const TDruckAuftrag& auftrag) {
  if (!auftrag.auswahl.empty()) return auftrag.auswahl;
  const TDruckEinstellung& e = auftrag.standard.fDepDruck;
  if (e.Links) return Alle(auftrag.schule.fRaumMenge);
  if (e.Kl) return Alle(auftrag.schule.fKlassenMenge);
  return Alle(auftrag.schule.fLehrerMenge);
}

QString KlassenText(const TKurs& kurs) {
  QStringList klassen;
  for (const TKlasse* k : kurs.fKlassen) klassen << ZellenText(k->fKuerzel.str());
  return klassen.join(QLatin1Char(' '));
}

// Every course to be placed, per version with lessons still open: what "fehlende Stunden"
// reports, one row each.
TDruckTabelle ReststundenTabelle(const TSchule& schule, int32_t wochen) {
  TDruckTabelle tabelle;
  tabelle.titel = QStringLiteral("Reststunden");
  if (wochen > 1) tabelle.spalten.push_back({QStringLiteral("Version"), true});
  for (const char* kopf : {"Lehrer", "Fach", "Klasse", "Kopplung"}) {
    tabelle.spalten.push_back({QString::fromUtf8(kopf)});
  }
  for (const char* kopf : {"Std", "gesetzt", "Rest"}) {
    tabelle.spalten.push_back({QString::fromUtf8(kopf), true});
  }
  int32_t summe = 0;
  for (const TKurs* k : schule.fKursMenge) {
    if (k->fNichtVerplanen) continue;
    for (int32_t w = 1; w <= wochen; ++w) {
      const int32_t rest = k->RestStunden(w);
      if (rest <= 0) continue;
      summe += rest;
      std::vector<QString> zeile;
      if (wochen > 1) zeile.push_back(QString::number(w));
      zeile.insert(
          zeile.end(),
          {ZellenText(KuerzelVon(k->fLehrer)), ZellenText(KuerzelVon(k->fFach)), KlassenText(*k),
           ZellenText(KuerzelVon(k->fKopplung)), QString::number(k->fStunden.GetWochenStunde(w)),
           QString::number(k->VerplanteStunden(w)), QString::number(rest)});
      tabelle.zeilen.push_back(std::move(zeile));
    }
  }
  tabelle.schluss = {tabelle.zeilen.empty()
                         ? QStringLiteral("Alle Stunden sind gesetzt.")
                         : QStringLiteral("Summe: %1 Stunden noch nicht gesetzt.").arg(summe)};
  return tabelle;
}

}  // namespace

void KuerzelDrucken(TPrevPrinter& drucker, const TDruckAuftrag& auftrag) {
  const TDruckEinstellung& e = auftrag.standard.fKueDruck;
  const TSchule& s = auftrag.schule;
  TTabellenDruck druck(drucker, auftrag, e.Font, e.Rand, true);
  druck.Beginnen(QStringLiteral("Kürzel"));
  if (e.Le) KuerzelListe(druck, QStringLiteral("Lehrer"), s.fLehrerMenge);
  if (e.Kl) KuerzelListe(druck, QStringLiteral("Klassen"), s.fKlassenMenge);
  if (e.Ko) KuerzelListe(druck, QStringLiteral("Kopplungen"), s.fKopplMenge);
  if (e.Fa) KuerzelListe(druck, QStringLiteral("Fächer"), s.fFachMenge);
  if (e.Ra) KuerzelListe(druck, QStringLiteral("Räume"), s.fRaumMenge);
  if (e.Uv) KuerzelListe(druck, QStringLiteral("UV-Tabellen"), s.fUVTabMenge);
  druck.Beenden();
}

void DeputateDrucken(TPrevPrinter& drucker, const TDruckAuftrag& auftrag) {
  const TDruckEinstellung& e = auftrag.standard.fDepDruck;
  TTabellenDruck druck(drucker, auftrag, e.Font, e.Rand, e.Datum);
  druck.Beginnen(QStringLiteral("Deputate"));
  for (const TPlanElement* element : DeputatElemente(auftrag)) {
    if (e.EineSeite) druck.NeueSeite();
    druck.Drucke(DeputatTabelle(auftrag.standard, *element, e));
  }
  druck.Beenden();
}

void ReststundenDrucken(TPrevPrinter& drucker, const TDruckAuftrag& auftrag) {
  const TDruckEinstellung& e = auftrag.standard.fRestDruck;
  TTabellenDruck druck(drucker, auftrag, e.Font, e.Rand, e.Datum);
  druck.Beginnen(QStringLiteral("Reststunden"));
  druck.Drucke(ReststundenTabelle(auftrag.schule, auftrag.standard.WochenZahl()));
  druck.Beenden();
}

}  // namespace orbato
