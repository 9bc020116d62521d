// The Untis interchange files (GPU) of "Import" and "Export".
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "austausch/gpu/gpuexport.h"
#include "austausch/gpu/gpuimport.h"
#include "persist/streamfehler.h"
#include "platform/qttext.h"
#include "ui/bausteine/ordnermeldung.h"
#include "ui/bausteine/ordnerpfad.h"
#include "ui/bausteine/wartezeiger.h"
#include "ui/befehle/gpudialog.h"
#include "ui/hauptfenster/orbatopalette.h"

namespace orbato {

void TOrbatoPalette::GpuImportWaehlen() {
  TGpuDialog dialog(TGpuDialog::TRichtung::Import, QtText(fStandard->fImportPfad), fUhr.Jetzt(),
                    this);
  if (dialog.exec() != QDialog::Accepted || dialog.Ordner().isEmpty()) return;
  GpuImportieren(dialog.Ordner(), dialog.Lesart());
}

// Into the open document, or into a new empty one, named after the folder like the course
// import names it after its file.
bool TOrbatoPalette::GpuImportieren(const QString& ordner, const TGpuLesart& lesart) {
  WiederherstellungSchreiben();
  TGpuImport import(*fSchule, fDialoge, lesart);
  TGpuImportErgebnis ergebnis = TGpuImportErgebnis::KeineDateien;
  try {
    TWarteZeiger warten;
    ergebnis = import.Importiere(LiesGpuOrdner(QFile::encodeName(ordner).toStdString()));
  } catch (const TStreamFehler& f) {
    fFehlerZeigen(QtText(f.what()));
    return false;
  }
  if (ergebnis == TGpuImportErgebnis::KeineDateien) {
    fFehlerZeigen(QStringLiteral("Der Ordner ") + ordner +
                  QStringLiteral(" enthält keine Untis-Dateien (GPU001.TXT bis GPU006.TXT)."));
    return false;
  }
  if (ergebnis != TGpuImportErgebnis::Importiert) return false;
  fStandard->fImportPfad = OrdnerVon(QDir(ordner).filePath(QStringLiteral("x")));
  NachImport(QFileInfo(QDir::cleanPath(ordner)).fileName());
  fDialoge.Nachricht("Untis-Import", import.Bericht(), TMeldungsArt::Information);
  return true;
}

void TOrbatoPalette::GpuExportWaehlen() {
  if (!fDokumentOffen) return;
  TGpuDialog dialog(TGpuDialog::TRichtung::Export, QtText(fStandard->fImportPfad), fUhr.Jetzt(),
                    this);
  if (dialog.exec() != QDialog::Accepted || dialog.Ordner().isEmpty()) return;
  GpuExportieren(dialog.Ordner(), {dialog.Schreibart(), dialog.Von(), dialog.Bis()});
}

bool TOrbatoPalette::GpuExportieren(const QString& ordner, const TGpuExportArt& art) {
  std::size_t dateien = 0;
  try {
    TWarteZeiger warten;
    dateien = GpuExportInOrdner(*fSchule, QFile::encodeName(ordner).toStdString(), art);
  } catch (const TStreamFehler& f) {
    fFehlerZeigen(QtText(f.what()));
    return false;
  }
  InOrdnerGeschriebenMelden(fDialoge, "Untis-Dateien (GPU)",
                            std::to_string(dateien) + " Untis-Dateien geschrieben in den Ordner",
                            ordner);
  return true;
}

}  // namespace orbato
