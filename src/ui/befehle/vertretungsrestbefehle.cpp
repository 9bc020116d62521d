// The commands of "Vertretung" for the balances and the overviews, the substitution preferences
// and the substitution exports of "Datei" / "Export".
#include <QDialog>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <optional>
#include <utility>

#include "model/vertretung/kalender.h"
#include "persist/streamfehler.h"
#include "platform/qttext.h"
#include "substitution/vertretungsexport.h"
#include "ui/bausteine/wartezeiger.h"
#include "ui/bausteine/zeitraumdialog.h"
#include "ui/hauptfenster/orbatopalette.h"
#include "ui/vertretung/vertretungsvoreinstellung.h"
#include "ui/vertretung/vstundenfenster.h"
#include "ui/vertretung/vuebersichtfenster.h"

namespace orbato {
namespace {

const char kPlanExport[] = "Vertretungsplan...";
const char kLehrerExport[] = "Vertretungsübersicht für Lehrer...";
const char kKlassenExport[] = "Vertretungsübersicht für Klassen...";

template <class T>
T* Offen(const QMdiArea* flaeche, const std::function<bool(const T&)>& passt = {}) {
  for (QMdiSubWindow* f : flaeche->subWindowList()) {
    auto* fenster = qobject_cast<T*>(f->widget());
    if (fenster != nullptr && (!passt || passt(*fenster))) return fenster;
  }
  return nullptr;
}

QString UebersichtTitel(TKuerzelArt art) {
  return art == leh ? QStringLiteral("Vertretungsübersicht für Lehrer")
                    : QStringLiteral("Vertretungsübersicht für Klassen");
}

// The two dates of the range dialog, none on "Abbrechen".
std::optional<std::pair<TDatumZeit, TDatumZeit>> Zeitraum(const TStandard& standard,
                                                          const QString& titel, TDatumZeit von,
                                                          TDatumZeit bis, QWidget* eltern) {
  TZeitraumDialog dialog(standard, titel, von, bis, eltern);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return std::make_pair(dialog.Von(), dialog.Bis());
}

TVUebForm* OffeneUebersicht(const QMdiArea* flaeche, TKuerzelArt art) {
  return Offen<TVUebForm>(flaeche,
                          [art](const TVUebForm& f) { return f.Uebersicht().Art() == art; });
}

}  // namespace

QMdiSubWindow* TOrbatoPalette::VStunden() {
  if (!VStundenMoeglich(*fSchule)) return nullptr;
  if (TVStdForm* offen = Offen<TVStdForm>(fArbeitsflaeche)) {
    offen->FensterUpdate();
    return FensterEinsetzen(offen);
  }
  auto* fenster = new TVStdForm(*fSchule);
  // The balances move with every substitution entered elsewhere: shown anew when it comes up.
  connect(fArbeitsflaeche, &QMdiArea::subWindowActivated, fenster, [fenster](QMdiSubWindow* f) {
    if (f != nullptr && f->widget() == fenster) fenster->FensterUpdate();
  });
  return FensterEinsetzen(fenster);
}

QMdiSubWindow* TOrbatoPalette::VertretungsUebersicht(TKuerzelArt art) {
  const TDatumZeit heute = Mittag(fUhr.Jetzt());
  const auto bereich = Zeitraum(*fStandard, UebersichtTitel(art), heute, heute, this);
  if (!bereich) return nullptr;
  return VertretungsUebersicht(art, bereich->first, bereich->second);
}

QMdiSubWindow* TOrbatoPalette::VertretungsUebersicht(TKuerzelArt art, TDatumZeit von,
                                                     TDatumZeit bis) {
  if (TVUebForm* offen = OffeneUebersicht(fArbeitsflaeche, art)) {
    offen->SetBereich(von, bis);
    return FensterEinsetzen(offen);
  }
  return FensterEinsetzen(new TVUebForm(*fSchule, art, von, bis));
}

void TOrbatoPalette::VertretungAendern() {
  TVertrVoreinstellung dialog(*fStandard, this);
  if (dialog.exec() != QDialog::Accepted) return;
  if (dialog.Uebernehmen()) VertretungenSortieren();
  fSchule->AlleFensterUpdate();
}

std::function<void()> TOrbatoPalette::VertretungsExportBefehl(const QString& eintrag) {
  for (const char* e : {kPlanExport, kLehrerExport, kKlassenExport}) {
    if (QString::fromUtf8(e) == eintrag) return [this, e] { VertretungExportieren(e); };
  }
  return {};
}

bool TOrbatoPalette::VertretungExportieren(const char* eintrag) {
  if (!fDokumentOffen) return false;
  const std::string_view e(eintrag);
  if (e == kPlanExport) return VertretungsplanExportieren();
  if (e == kLehrerExport) return UebersichtExportieren(leh);
  if (e == kKlassenExport) return UebersichtExportieren(kla);
  return false;
}

// The range is asked for first and kept in the settings.
bool TOrbatoPalette::VertretungsplanExportieren() {
  const auto bereich = Zeitraum(*fStandard, QStringLiteral("Vertretungsplan exportieren"),
                                fStandard->fVExpVon, fStandard->fVExpBis, this);
  if (!bereich) return false;
  fStandard->fVExpVon = bereich->first;
  fStandard->fVExpBis = bereich->second;
  return VertretungsDateiSchreiben(
      QStringLiteral("Vertretungsplan.csv"), [&](const std::string& datei) {
        VertretungExportToFile(*fSchule, fDialoge, datei, bereich->first, bereich->second);
      });
}

// The grid of the open overview, or of one over a range from today as the menu's overview asks.
bool TOrbatoPalette::UebersichtExportieren(TKuerzelArt art) {
  std::optional<TVertretungsUebersicht> berechnet;
  const TVertretungsUebersicht* uebersicht = nullptr;
  if (const TVUebForm* offen = OffeneUebersicht(fArbeitsflaeche, art)) {
    uebersicht = &offen->Uebersicht();
  } else {
    const TDatumZeit heute = Mittag(fUhr.Jetzt());
    const auto bereich = Zeitraum(*fStandard, UebersichtTitel(art), heute, heute, this);
    if (!bereich) return false;
    uebersicht = &berechnet.emplace(*fSchule, art, bereich->first, bereich->second);
  }
  return VertretungsDateiSchreiben(art == leh ? QStringLiteral("Vertretungsübersicht Lehrer.txt")
                                              : QStringLiteral("Vertretungsübersicht Klassen.txt"),
                                   [&](const std::string& datei) {
                                     if (art == leh) {
                                       VertrLeUebExportToFile(*uebersicht, fDialoge, datei);
                                     } else {
                                       VertrKlUebExportToFile(*uebersicht, fDialoge, datei);
                                     }
                                   });
}

bool TOrbatoPalette::VertretungsDateiSchreiben(
    const QString& vorschlag, const std::function<void(const std::string&)>& schreiben) {
  const QString pfad = TextDateiWaehlen(QStringLiteral("Exportieren"), vorschlag, true);
  if (pfad.isEmpty()) return false;
  try {
    TWarteZeiger warten;
    schreiben(QFile::encodeName(pfad).toStdString());
  } catch (const TStreamFehler& f) {
    fFehlerZeigen(QtText(f.what()));
    return false;
  }
  return true;
}

}  // namespace orbato
