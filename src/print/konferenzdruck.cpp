#include <algorithm>

#include "model/dokument/schule.h"
#include "platform/qttext.h"
#include "print/druckauftrag.h"
#include "print/listendruck.h"
#include "print/tabellendruck.h"

namespace orbato {
namespace {

// The teachers of the school that pass, in the order of the teacher list.
template <class Bedingung>
std::vector<const TLehrer*> LehrerMit(const TSchule& schule, Bedingung&& bedingung) {
  std::vector<const TLehrer*> lehrer;
  for (const TLehrer* l : schule.fLehrerMenge) {
    if (bedingung(l)) lehrer.push_back(l);
  }
  return lehrer;
}

bool GibtKurs(const TListe<TKurs>& kurse, const TLehrer* lehrer) {
  return std::any_of(kurse.begin(), kurse.end(),
                     [lehrer](const TKurs* k) { return k->fLehrer == lehrer; });
}

// The short names, each once, in the order met.
void Anfuegen(QStringList& liste, const QString& kuerzel) {
  if (!kuerzel.isEmpty() && !liste.contains(kuerzel)) liste << kuerzel;
}

// Where the teacher gives the subject: the classes of his courses of it, or the coupling of a
// course without classes.
QString Einsatz(const TFach& fach, const TLehrer* lehrer) {
  QStringList wo;
  for (const TKurs* k : fach.fKurse) {
    if (k->fLehrer != lehrer) continue;
    for (const TKlasse* kl : k->fKlassen) Anfuegen(wo, ZellenText(kl->fKuerzel.str()));
    if (k->fKlassen.ListeZahlElemente() == 0) Anfuegen(wo, ZellenText(KuerzelVon(k->fKopplung)));
  }
  return wo.join(QLatin1Char(' '));
}

// A subject's conference: the teachers who have the subject or give a course of it.
TDruckTabelle FachkonferenzTabelle(const TSchule& schule, const TFach& fach, bool einsatz) {
  const auto lehrer = LehrerMit(schule, [&fach](const TLehrer* l) {
    return fach.fLehrer.ListeElemNr(l) > 0 || GibtKurs(fach.fKurse, l);
  });
  TDruckTabelle tabelle;
  const std::string name = fach.fInfo.str().empty() ? fach.fKuerzel.str() : fach.fInfo.str();
  tabelle.titel = QStringLiteral("Fachkonferenz ") + ZellenText(name);
  tabelle.spalten = {{QStringLiteral("Lehrer")}, {QStringLiteral("Name")}};
  if (einsatz)
    tabelle.spalten.insert(tabelle.spalten.end(),
                           {{QStringLiteral("Klassen")}, {QStringLiteral("Std"), true}});
  int32_t summe = 0;
  for (const TLehrer* l : lehrer) {
    std::vector<QString> zeile = {ZellenText(l->fKuerzel.str()), ZellenText(l->fInfo.str())};
    if (einsatz) {
      const int32_t stunden = fach.LehrerSumme(l);
      summe += stunden;
      zeile.insert(zeile.end(), {Einsatz(fach, l), QString::number(stunden)});
    }
    tabelle.zeilen.push_back(std::move(zeile));
  }
  tabelle.schluss = {einsatz ? QStringLiteral("%1 Lehrer, %2 Stunden").arg(lehrer.size()).arg(summe)
                             : QStringLiteral("%1 Lehrer").arg(lehrer.size())};
  return tabelle;
}

QString Funktion(const TKlasse& klasse, const TLehrer* lehrer) {
  if (klasse.fLehrer1 == lehrer) return QStringLiteral("Klassenlehrer");
  if (klasse.fLehrer2 == lehrer) return QStringLiteral("2. Klassenlehrer");
  return {};
}

// A class's conference: its class teachers and everyone who gives it a course, with the
// subjects and lessons in the class.
TDruckTabelle KlassenkonferenzTabelle(const TSchule& schule, const TKlasse& klasse) {
  const auto lehrer = LehrerMit(schule, [&klasse](const TLehrer* l) {
    return klasse.fLehrer1 == l || klasse.fLehrer2 == l || GibtKurs(klasse.fKurse, l);
  });
  TDruckTabelle tabelle;
  tabelle.titel = QStringLiteral("Klassenkonferenz ") + ZellenText(klasse.fKuerzel.str());
  tabelle.spalten = {{QStringLiteral("Lehrer")},
                     {QStringLiteral("Name")},
                     {QStringLiteral("Fächer")},
                     {QStringLiteral("Std"), true},
                     {QStringLiteral("Funktion")}};
  for (const TLehrer* l : lehrer) {
    QStringList faecher;
    int32_t stunden = 0;
    for (const TKurs* k : klasse.fKurse) {
      if (k->fLehrer != l) continue;
      Anfuegen(faecher, ZellenText(KuerzelVon(k->fFach)));
      stunden += k->fStunden.GetWochenStunde(-1);
    }
    tabelle.zeilen.push_back({ZellenText(l->fKuerzel.str()), ZellenText(l->fInfo.str()),
                              faecher.join(QStringLiteral(", ")), QString::number(stunden),
                              Funktion(klasse, l)});
  }
  tabelle.schluss = {QStringLiteral("%1 Lehrer").arg(lehrer.size())};
  return tabelle;
}

}  // namespace

void FachkonferenzenDrucken(TPrevPrinter& drucker, const TDruckAuftrag& auftrag) {
  const TDruckEinstellung& e = auftrag.standard.fFaKonfDruck;
  TTabellenDruck druck(drucker, auftrag, e.Font, e.Rand, true);
  druck.Beginnen(QStringLiteral("Fachkonferenzen"));
  for (const TFach* fach : auftrag.schule.fFachMenge) {
    TDruckTabelle tabelle = FachkonferenzTabelle(auftrag.schule, *fach, e.Einsatz);
    if (tabelle.zeilen.empty()) continue;
    if (e.Einzeln) druck.NeueSeite();
    druck.Drucke(tabelle);
  }
  druck.Beenden();
}

void KlassenkonferenzenDrucken(TPrevPrinter& drucker, const TDruckAuftrag& auftrag) {
  const TDruckEinstellung& e = auftrag.standard.fKlKonfDruck;
  TTabellenDruck druck(drucker, auftrag, e.Font, e.Rand, true);
  druck.Beginnen(QStringLiteral("Klassenkonferenzen"));
  for (const TKlasse* klasse : auftrag.schule.fKlassenMenge) {
    TDruckTabelle tabelle = KlassenkonferenzTabelle(auftrag.schule, *klasse);
    if (tabelle.zeilen.empty()) continue;
    if (e.Einzeln) druck.NeueSeite();
    druck.Drucke(tabelle);
  }
  druck.Beenden();
}

}  // namespace orbato
