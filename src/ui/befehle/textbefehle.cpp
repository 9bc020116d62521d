// The text import and the text exports of the menu "Datei".
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>

#include "persist/kursimport.h"
#include "persist/puffer.h"
#include "persist/textexport.h"
#include "platform/qttext.h"
#include "ui/bausteine/ordnerpfad.h"
#include "ui/bausteine/wartezeiger.h"
#include "ui/drucken/htmlexportfenster.h"
#include "ui/hauptfenster/orbatopalette.h"

namespace orbato {
namespace {

// One entry of "Export": the file name the save dialog proposes and what it writes.
struct TExportEintrag {
  const char* fEintrag;
  const char* fVorschlag;
  TTextExport fArt;
};

const TExportEintrag kExporte[] = {
    {"Kurse...", "Kurse.txt", TTextExport::Kurse},
    {"Lehrerpläne...", "Lehrerpläne.txt", TTextExport::Lehrerplaene},
    {"Klassenpläne...", "Klassenpläne.txt", TTextExport::Klassenplaene},
    {"Raumpläne...", "Raumpläne.txt", TTextExport::Raumplaene},
    {"Lanis Stundenplan (csv)", "Stundenplan.csv", TTextExport::Lanis},
    {"Schulmanager (csv)", "Schulmanager.csv", TTextExport::Schulmanager},
};

}  // namespace

QString TOrbatoPalette::TextDateiWaehlen(const QString& titel, const QString& name,
                                         bool speichern) {
  const QString vorschlag = QtText(fStandard->fImportPfad) + name;
  QString pfad;
  if (fDateiWaehlen) {
    pfad = fDateiWaehlen(titel, vorschlag, speichern);
  } else if (speichern) {
    pfad = QFileDialog::getSaveFileName(this, titel, vorschlag);
  } else {
    pfad = QFileDialog::getOpenFileName(this, titel, vorschlag);
  }
  if (!pfad.isEmpty()) fStandard->fImportPfad = OrdnerVon(pfad);
  return pfad;
}

void TOrbatoPalette::ImportWaehlen() {
  const QString pfad = TextDateiWaehlen(QStringLiteral("Importieren"), QString(), false);
  if (!pfad.isEmpty()) Importieren(pfad);
}

// Into the open document, or into a new empty one when none is open. The document is then named
// after the imported file, without a folder, so that saving asks where it goes and no plan file is
// overwritten unasked.
bool TOrbatoPalette::Importieren(const QString& pfad) {
  WiederherstellungSchreiben();
  TImportErgebnis ergebnis = TImportErgebnis::FalschesFormat;
  try {
    TWarteZeiger warten;
    ergebnis =
        TImportForm(*fSchule, fDialoge).ImportFromFile(QFile::encodeName(pfad).toStdString());
  } catch (const TStreamFehler& f) {
    fFehlerZeigen(QtText(f.what()));
    return false;
  }
  if (ergebnis != TImportErgebnis::Importiert) return false;
  NachImport(QFileInfo(pfad).completeBaseName());
  return true;
}

void TOrbatoPalette::NachImport(const QString& name) {
  // The document no longer belongs to its plan file: its lock goes back, its changes are kept
  // as an untitled document's.
  fBindung->Loesen();
  fUmgewandelt = false;
  fPfad.clear();
  fSchule->SetDateiName(ModellText(name + QStringLiteral(".ORB")));
  DateiBefehleSetzen(true);
  fSichern->setEnabled(true);
  TitelSetzen();
  KuerzelMenuesAnlegen();
  fSchule->AlleFensterUpdate();
  PaletteAktualisieren();
}

std::function<void()> TOrbatoPalette::ExportBefehl(const QString& eintrag) {
  if (auto befehl = VertretungsExportBefehl(eintrag)) return befehl;
  if (eintrag == QStringLiteral("HTML-Dateien...")) return [this] { PlanHTMLExportieren(*this); };
  for (const TExportEintrag& e : kExporte) {
    if (QString::fromUtf8(e.fEintrag) == eintrag) return [this, &e] { Exportieren(e.fEintrag); };
  }
  return {};
}

bool TOrbatoPalette::Exportieren(const char* eintrag) {
  const TExportEintrag* art = nullptr;
  for (const TExportEintrag& e : kExporte) {
    if (std::string_view(e.fEintrag) == eintrag) art = &e;
  }
  if (art == nullptr || !fDokumentOffen) return false;
  const QString pfad =
      TextDateiWaehlen(QStringLiteral("Exportieren"), QString::fromUtf8(art->fVorschlag), true);
  if (pfad.isEmpty()) return false;
  try {
    TWarteZeiger warten;
    TextExportToFile(art->fArt, *fSchule, fDialoge, QFile::encodeName(pfad).toStdString());
  } catch (const TStreamFehler& f) {
    fFehlerZeigen(QtText(f.what()));
    return false;
  }
  return true;
}

}  // namespace orbato
