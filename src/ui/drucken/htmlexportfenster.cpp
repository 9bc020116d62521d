#include "ui/drucken/htmlexportfenster.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

#include "html/planhtml.h"
#include "persist/streamfehler.h"
#include "platform/qttext.h"
#include "ui/bausteine/ordnermeldung.h"
#include "ui/bausteine/ordnerpfad.h"
#include "ui/bausteine/ordnerwahl.h"
#include "ui/bausteine/wartezeiger.h"
#include "ui/hauptfenster/eingabepause.h"
#include "ui/hauptfenster/orbatopalette.h"

namespace orbato {

THTMLExportFenster::THTMLExportFenster(Dialoge& fragen, QWidget* eltern)
    : QDialog(eltern),
      fFragen(fragen),
      fOrdner(new QLabel(this)),
      fElement(new QLabel(this)),
      fBalken(new QProgressBar(this)) {
  setWindowTitle(QtText(kPlanHTMLTitel));
  fOrdner->setObjectName(QStringLiteral("ordner"));
  fElement->setObjectName(QStringLiteral("element"));
  fBalken->setMinimumWidth(280);
  auto* spalte = new QVBoxLayout(this);
  spalte->addWidget(fOrdner);
  spalte->addWidget(fElement);
  spalte->addWidget(fBalken);
}

bool THTMLExportFenster::ExportToFile(const TSchule& schule, const std::string& ordner) {
  return PlanHTMLExport(schule, ordner, *this);
}

int THTMLExportFenster::Frage(std::string_view titel, const std::vector<std::string>& zeilen,
                              const std::vector<std::string>& knoepfe, TMeldungsArt art) {
  return fFragen.Frage(titel, zeilen, knoepfe, art);
}

int THTMLExportFenster::FrageMitListe(std::string_view titel,
                                      const std::vector<std::string>& zeilen,
                                      const std::vector<std::string>& eintraege,
                                      const std::vector<std::string>& knoepfe, int standard,
                                      TMeldungsArt art) {
  return fFragen.FrageMitListe(titel, zeilen, eintraege, knoepfe, standard, art);
}

void THTMLExportFenster::Nachricht(std::string_view titel, const std::vector<std::string>& zeilen,
                                   TMeldungsArt art) {
  fFragen.Nachricht(titel, zeilen, art);
}

void THTMLExportFenster::MeldungZeigen(std::string_view text, std::string_view titel) {
  fFragen.MeldungZeigen(text, titel);
}

void THTMLExportFenster::MeldungAendern(std::string_view text) {
  fFragen.MeldungAendern(text);
}

void THTMLExportFenster::MeldungSchliessen() {
  fFragen.MeldungSchliessen();
}

void THTMLExportFenster::FortschrittBeginnen(std::string_view titel, int maximum) {
  setWindowTitle(QtText(titel));
  fBalken->setRange(0, std::max(maximum, 0));
  fBalken->setValue(0);
  if (!isVisible()) show();
  Abgebrochen();
}

void THTMLExportFenster::FortschrittText(std::string_view text) {
  fOrdner->setText(QtText(text));
}

void THTMLExportFenster::FortschrittInfo(std::string_view text) {
  fElement->setText(QtText(text));
}

void THTMLExportFenster::FortschrittSetzen(int position) {
  fBalken->setValue(std::clamp(position, fBalken->minimum(), fBalken->maximum()));
  Abgebrochen();
}

void THTMLExportFenster::FortschrittSchritt(int schritte) {
  FortschrittSetzen(fBalken->value() + schritte);
}

bool THTMLExportFenster::Abgebrochen() {
  ZeichnenOhneEingaben();
  return false;
}

void THTMLExportFenster::FortschrittBeenden() {
  hide();
}

void THTMLExportFenster::Piep() {
  fFragen.Piep();
}

bool PlanHTMLExportieren(TOrbatoPalette& palette) {
  if (!palette.DokumentOffen()) return false;
  TStandard& standard = palette.standard();
  const QString titel = QStringLiteral("Exportieren in den Ordner");
  const QString vorschlag = QtText(standard.fHTMLPlanPfad);
  // The export makes its folder, so the planner names one that is not there yet.
  const QString pfad = palette.fDateiWaehlen ? palette.fDateiWaehlen(titel, vorschlag, true)
                                             : NeuenOrdnerWaehlen(&palette, titel, vorschlag);
  if (pfad.isEmpty()) return false;
  standard.fHTMLPlanPfad = OrdnerVon(pfad);
  THTMLExportFenster fenster(palette.dialoge(), &palette);
  try {
    TWarteZeiger warten;
    if (!fenster.ExportToFile(palette.schule(), QFile::encodeName(pfad).toStdString())) {
      return false;
    }
  } catch (const TStreamFehler& f) {
    palette.fFehlerZeigen(QtText(f.what()));
    return false;
  }
  VeroeffentlichtMelden(palette.dialoge(), pfad, TPlanHTML(palette.schule()).Dateien().size());
  return true;
}

// The pages go to a folder the planner does not see: he learns how many went where, and may open
// the folder to look at them.
void VeroeffentlichtMelden(Dialoge& dialoge, const QString& ordner, std::size_t seiten) {
  InOrdnerGeschriebenMelden(dialoge, kPlanHTMLTitel,
                            std::to_string(seiten) + (seiten == 1 ? " Seite" : " Seiten") +
                                " ver\xF6"
                                "ffentlicht im Ordner",
                            ordner);
}

}  // namespace orbato
