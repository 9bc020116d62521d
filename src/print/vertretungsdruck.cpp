#include "print/vertretungsdruck.h"

#include <algorithm>

#include "model/basis/datumformat.h"
#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "model/uv/stundenwert.h"
#include "model/vertretung/vertretung.h"
#include "platform/qttext.h"
#include "print/druckauftrag.h"
#include "print/tabellendruck.h"
#include "substitution/vertretungsinhalt.h"
#include "substitution/vertretungsuebersicht.h"

namespace orbato {
namespace {

// The plan is pinned on the board and read from a step away.
constexpr int kKleinsteBrettSchrift = 11;
// Rows changed today, when the layout marks them.
const QColor kAdHocGrund(255, 236, 160);

// The layouts of the order; without any, those ticked in the settings, else the first.
std::vector<int> Layouts(const TDruckAuftrag& auftrag) {
  std::vector<int> layouts;
  for (int i : auftrag.einstellungen) {
    if (i >= 1 && i <= 4) layouts.push_back(i);
  }
  if (!auftrag.einstellungen.empty()) return layouts;
  for (int i = 1; i <= 4; ++i) {
    if (auftrag.standard.fVertrCheck[static_cast<std::size_t>(i - 1)]) layouts.push_back(i);
  }
  if (layouts.empty()) layouts.push_back(1);
  return layouts;
}

QString Titel(const char* was, TDatumZeit datum, const TVDEinstellung& e) {
  if (!e.MitDatum) return QtText(was);
  return QtText(TagesTitel(was, datum, e));
}

TDruckTabelle FehlTabelle(const TFehlListe& liste) {
  TDruckTabelle tabelle;
  std::string titel = liste.fUeberschrift;
  if (!titel.empty() && titel.back() == ':') titel.pop_back();
  tabelle.titel = QtText(titel);
  for (int i = 0; i < 2; ++i) {
    tabelle.spalten.emplace_back(QStringLiteral("Name"));
    tabelle.spalten.emplace_back(QStringLiteral("Stunden"));
  }
  // Two absences a row, as on the published page.
  for (std::size_t i = 0; i < liste.fEintraege.size(); i += 2) {
    std::vector<QString> zeile;
    for (std::size_t j = i; j < std::min(i + 2, liste.fEintraege.size()); ++j) {
      zeile.push_back(ZellenText(liste.fEintraege[j].fName));
      zeile.push_back(ZellenText(liste.fEintraege[j].fStunden));
    }
    tabelle.zeilen.push_back(std::move(zeile));
  }
  return tabelle;
}

TDruckSpalte Umbrechend(const QString& kopf) {
  TDruckSpalte spalte(kopf);
  spalte.umbrechen = true;
  return spalte;
}

// The rows of the content with a heading row before each group.
TDruckTabelle InhaltsTabelle(const QString& titel, const TInhaltsTabelle& inhalt, int layout,
                             const QString& leer) {
  TDruckTabelle tabelle;
  tabelle.titel = titel;
  if (inhalt.fMitStunde) tabelle.spalten.emplace_back(QStringLiteral("Std."));
  tabelle.spalten.push_back(Umbrechend(QStringLiteral("Unterricht")));
  tabelle.spalten.emplace_back(QString());
  tabelle.spalten.push_back(Umbrechend(QStringLiteral("Vertretung")));
  tabelle.spalten.push_back(Umbrechend(QStringLiteral("Bemerkung")));
  bool erste = true;
  const void* gruppe = nullptr;
  for (const TInhaltsZeile& z : inhalt.fZeilen) {
    if (erste || z.fGruppe != gruppe) {
      tabelle.zeilen.push_back({ZellenText(z.fUeberschrift)});
      tabelle.gruppenKopf.resize(tabelle.zeilen.size());
      tabelle.gruppenKopf.back() = true;
      tabelle.farben.resize(tabelle.zeilen.size());
    }
    erste = false;
    gruppe = z.fGruppe;
    std::vector<QString> zellen;
    for (const std::string& text : ZellenTexte(*z.fVertretung, layout, inhalt.fMitStunde)) {
      zellen.push_back(ZellenText(text));
    }
    tabelle.zeilen.push_back(std::move(zellen));
    tabelle.farben.resize(tabelle.zeilen.size());
    if (AdHocMarkiert(*z.fVertretung, layout)) tabelle.farben.back() = kAdHocGrund;
  }
  tabelle.gruppenKopf.resize(tabelle.zeilen.size());
  if (inhalt.fZeilen.empty()) tabelle.schluss = {leer};
  return tabelle;
}

std::vector<QString> Bemerkungen(const TDruckAuftrag& auftrag) {
  std::vector<QString> zeilen;
  for (const std::string& z : auftrag.bemerkungen) zeilen.push_back(QtText(z));
  return zeilen;
}

// One layout from a fresh page: the plan part (remarks, absences, substitutions) and the
// replacement-room part, each when the layout has it on.
void LayoutDrucken(TTabellenDruck& druck, const TDruckAuftrag& auftrag, int layout) {
  const TVDEinstellung& e = VertretungsLayout(layout);
  const TDatumZeit datum = auftrag.datum;
  druck.NeueSeite();
  // The day's title stands first, the general remark below it.
  const std::vector<QString> bemerkungen =
      e.MitAllgBem ? Bemerkungen(auftrag) : std::vector<QString>{};
  if (e.PlanDrucken) {
    druck.Absatz(Titel("Vertretungsplan", datum, e), bemerkungen);
    for (const TFehlListe& liste : FehlListen(e, datum)) druck.Drucke(FehlTabelle(liste));
    druck.Drucke(InhaltsTabelle(QStringLiteral("Vertretungen"), VertretungsInhalt(layout, datum),
                                layout, QStringLiteral("Keine Vertretungen.")));
  }
  if (e.ErsatzDrucken) {
    if (!e.PlanDrucken) druck.Absatz(Titel("Vertretungsplan", datum, e), bemerkungen);
    druck.Drucke(InhaltsTabelle(Titel("Ersatzraumplan", datum, e), ErsatzraumInhalt(layout, datum),
                                layout, QStringLiteral("Keine Raumänderungen.")));
  }
}

TDatumZeit Bis(const TDruckAuftrag& auftrag) {
  return std::max(auftrag.bis, auftrag.datum);
}

std::vector<QString> Zeile(const TRasterZeile& zeile) {
  std::vector<QString> texte;
  for (const std::string& t : zeile) texte.push_back(ZellenText(t));
  return texte;
}

// The grid of an overview: counts and hours right-aligned from the third column on.
TDruckTabelle RasterTabelle(const QString& titel, const std::vector<TRasterZeile>& raster) {
  TDruckTabelle tabelle;
  tabelle.titel = titel;
  for (std::size_t i = 0; i < raster.front().size(); ++i) {
    tabelle.spalten.emplace_back(ZellenText(raster.front()[i]), i >= 2);
  }
  for (std::size_t z = 1; z < raster.size(); ++z) tabelle.zeilen.push_back(Zeile(raster[z]));
  return tabelle;
}

TDruckTabelle DetailTabelle(const QString& titel, const std::vector<TRasterZeile>& details) {
  TDruckTabelle tabelle;
  tabelle.titel = titel;
  const TRasterZeile kopf = TVertretungsUebersicht::DetailKopf();
  for (std::size_t i = 0; i < kopf.size(); ++i) {
    const QString text = ZellenText(kopf[i]);
    if (kopf[i] == "Bemerkung" || kopf[i] == "Kurs") {
      tabelle.spalten.push_back(Umbrechend(text));
    } else {
      tabelle.spalten.emplace_back(text);
    }
  }
  for (const TRasterZeile& z : details) tabelle.zeilen.push_back(Zeile(z));
  return tabelle;
}

QString ElementTitel(const TElement& element) {
  QString titel = ZellenText(element.fKuerzel.str());
  if (!element.fInfo.str().empty())
    titel += QStringLiteral("   ") + ZellenText(element.fInfo.str());
  return titel;
}

// The overview window's grid, then the records of every teacher or class that has any.
void UebersichtDrucken(TPrevPrinter& drucker, const TDruckAuftrag& auftrag, TKuerzelArt art) {
  const TDruckEinstellung& e = auftrag.standard.fVUebDruck;
  const TVertretungsUebersicht uebersicht(auftrag.schule, art, auftrag.datum, Bis(auftrag));
  const QString titel = QtText(uebersicht.Titel() + " " + uebersicht.BereichText());
  TTabellenDruck druck(drucker, auftrag, e.Font, e.Rand, true);
  druck.Beginnen(QtText(uebersicht.Titel()));
  druck.Drucke(RasterTabelle(titel, uebersicht.Raster()));
  for (int32_t zeile = 1; zeile < static_cast<int32_t>(uebersicht.Raster().size()); ++zeile) {
    const std::vector<TRasterZeile> details = uebersicht.Details(zeile);
    if (details.empty()) continue;
    druck.Drucke(DetailTabelle(ElementTitel(*uebersicht.Element(zeile)), details));
  }
  druck.Beenden();
}

// What "Vertretene Stunden" shows of each teacher, beside what the range brought: the
// substitutions given, their worth and the worth counted for the balance.
TDruckTabelle StundenTabelle(const TDruckAuftrag& auftrag, const TVertretungsUebersicht& u) {
  TDruckTabelle tabelle;
  tabelle.titel = QStringLiteral("Vertretungsstunden ") + QtText(u.BereichText());
  for (const char* kopf : {"Lehrer", "Name"}) tabelle.spalten.emplace_back(QString::fromUtf8(kopf));
  for (const char* kopf : {"vertreten", "Std.", "angerechnet", "Tabelle 1", "Tabelle 2"}) {
    tabelle.spalten.emplace_back(QString::fromUtf8(kopf), true);
  }
  int32_t zeile = 1;
  for (const TLehrer* l : auftrag.schule.fLehrerMenge) {
    const TRasterZeile& werte = u.Raster()[static_cast<std::size_t>(zeile++)];
    tabelle.zeilen.push_back({ZellenText(werte[0]), ZellenText(werte[1]), ZellenText(werte[2]),
                              ZellenText(werte[3]), ZellenText(werte[4]),
                              ZellenText(StundenWert(l->fVStunden1)),
                              ZellenText(StundenWert(l->fVStunden2))});
  }
  return tabelle;
}

}  // namespace

void VertretungsplanDrucken(TPrevPrinter& drucker, const TDruckAuftrag& auftrag) {
  TSchrift schrift = auftrag.standard.fVertrDruckFont;
  schrift.Groesse = std::max(schrift.Groesse, kKleinsteBrettSchrift);
  TTabellenDruck druck(drucker, auftrag, schrift, auftrag.standard.fVertrDruckRand, true);
  druck.Beginnen(QStringLiteral("Vertretungsplan"));
  for (int layout : Layouts(auftrag)) LayoutDrucken(druck, auftrag, layout);
  druck.Beenden();
}

void VertretungsstundenDrucken(TPrevPrinter& drucker, const TDruckAuftrag& auftrag) {
  const TVertretungsUebersicht uebersicht(auftrag.schule, leh, auftrag.datum, Bis(auftrag));
  TTabellenDruck druck(drucker, auftrag, auftrag.standard.fVStdDruckFont,
                       auftrag.standard.fVStdDruckRand, true);
  druck.Beginnen(QStringLiteral("Vertretungsstunden"));
  druck.Drucke(StundenTabelle(auftrag, uebersicht));
  // Each teacher's substitutions of the range, one row each.
  for (int32_t zeile = 1; zeile < static_cast<int32_t>(uebersicht.Raster().size()); ++zeile) {
    std::vector<TRasterZeile> gegeben;
    for (const TRasterZeile& z : uebersicht.Details(zeile)) {
      if (z[2] == "vertritt") gegeben.push_back(z);
    }
    if (gegeben.empty()) continue;
    druck.Drucke(DetailTabelle(ElementTitel(*uebersicht.Element(zeile)), gegeben));
  }
  druck.Beenden();
}

void VertretungsuebersichtLehrerDrucken(TPrevPrinter& drucker, const TDruckAuftrag& auftrag) {
  UebersichtDrucken(drucker, auftrag, leh);
}

void VertretungsuebersichtKlassenDrucken(TPrevPrinter& drucker, const TDruckAuftrag& auftrag) {
  UebersichtDrucken(drucker, auftrag, kla);
}

}  // namespace orbato
