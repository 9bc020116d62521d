// The document commands of the main window: new, open, save, save as, close, undo, the
// preference dialogs and the windows a plan file reopens.
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QStatusBar>

#include "model/einstellungen/schulwoche.h"
#include "model/fenster/fensterarten.h"
#include "model/woche/versionen.h"
#include "persist/plandatei.h"
#include "persist/planschreiber.h"
#include "platform/qttext.h"
#include "ui/bausteine/bildschirm.h"
#include "ui/bausteine/ordnerpfad.h"
#include "ui/bausteine/wartezeiger.h"
#include "ui/hauptfenster/orbatopalette.h"
#include "ui/stammdaten/kuerzeldialog.h"
#include "ui/voreinstellungen/eckdatendialog.h"
#include "ui/voreinstellungen/schulwochedialog.h"
#include "ui/voreinstellungen/vorgabendialoge.h"

namespace orbato {
namespace {

const QString kFilter = QStringLiteral("Orbato-Dateien (*.ORB *.orb)");

}  // namespace

// The windows go before the document they show: each is unlinked from its record at once and
// deleted now, not later from the event loop, when the records may be gone.
void TOrbatoPalette::FensterAlleSchliessen() {
  if (fSchule) {
    const auto offen = fSchule->fFensterListe;
    for (const auto& eintrag : offen) eintrag.second->FensterSchliessen();
  }
  // A closed frame only waits for its deferred deletion and is no longer in the workspace's
  // list; it goes now too, so that no window outlives the document it shows.
  for (QMdiSubWindow* f : fArbeitsflaeche->findChildren<QMdiSubWindow*>()) delete f;
}

void TOrbatoPalette::DokumentEinsetzen(std::unique_ptr<TSchule> schule) {
  FensterAlleSchliessen();
  fSchuleEingesetzt.reset();
  fSchule = std::move(schule);
  fSchuleEingesetzt = std::make_unique<TSchuleEinsetzen>(*fSchule);
  fSchule->SetDialoge(&fDialoge);
  // Every rule of the document that asks for today asks the program's clock.
  fSchule->SetUhr(&fUhr);
  fSchule->fBeiDirty = [this](bool geaendert) {
    if (geaendert && fDokumentOffen) fSichern->setEnabled(true);
    TitelSetzen();
  };
  fSchule->fVorGrossemUmbau = [this] { WiederherstellungSchreiben(); };
  fWiederherstellFehler = false;
  fSchule->fVerlauf.fBeiAenderung = [this] { VerlaufBefehleSetzen(); };
  VerlaufBefehleSetzen();
}

// With a document open, "Neu" and "Öffnen..." wait until it is closed; without one, only they
// are offered.
void TOrbatoPalette::DateiBefehleSetzen(bool offen) {
  fDokumentOffen = offen;
  fNeu->setEnabled(!offen);
  fOeffnen->setEnabled(!offen);
  fSichern->setEnabled(false);
  fSichernUnter->setEnabled(offen);
  fExport->setEnabled(offen);
  fSchliessen->setEnabled(offen);
  for (QAction* a : fDokumentAktionen) a->setEnabled(offen && !a->property("ohneBefehl").toBool());
}

void TOrbatoPalette::Neu() {
  if (fDokumentOffen) return;
  fPfad.clear();
  fSchule->SetDateiName("ohne Titel");
  DateiBefehleSetzen(true);
  TitelSetzen();
  EckdatenAendern();
  GrunddatenAendern();
  KurseAendern();
  KuerzelBearbeiten();
  PaletteAktualisieren();
}

void TOrbatoPalette::OeffnenWaehlen() {
  if (fDokumentOffen) return;
  const QString pfad =
      fDateiWaehlen ? fDateiWaehlen(QStringLiteral("WinOrbato-Datei öffnen"),
                                    QtText(fStandard->fOpenPfad), false)
                    : QFileDialog::getOpenFileName(this, QStringLiteral("WinOrbato-Datei öffnen"),
                                                   QtText(fStandard->fOpenPfad), kFilter);
  if (!pfad.isEmpty()) Oeffnen(pfad);
}

// The plan file's lock and recovery file are settled before it is read: the user may open it
// read-only, restore the changes a crash left, or not open it at all.
bool TOrbatoPalette::Oeffnen(const QString& pfad) {
  const QString absolut = QFileInfo(pfad).absoluteFilePath();
  TGeladenerPlan plan;
  QString fehler;
  {
    TWarteZeiger warten;
    try {
      plan = fBindung->Oeffnen(QFile::encodeName(absolut).toStdString());
    } catch (const TStreamFehler& f) {
      fehler = QtText(f.what());
    }
  }
  if (!fehler.isEmpty()) {
    fFehlerZeigen(fehler);
    return false;
  }
  if (!plan.schule) return false;
  // A file of the old layout, converted while read, keeps the title "Ohne Titel" and is saved
  // under a name the user chooses, so that the old file stays for the programs that read it.
  // The folder of the file read, from the dialog or the command line, is where it is saved.
  fStandard->fOpenPfad = OrdnerVon(pfad);
  const bool umgewandelt = plan.schule->IsDirty() && !plan.wiederhergestellt;
  if (umgewandelt) fBindung->Loesen();
  fPfad = umgewandelt ? QString() : absolut;
  fUmgewandelt = umgewandelt;
  GeladenesEinsetzen(std::move(plan.schule), ModellText(QFileInfo(pfad).fileName()));
  return true;
}

void TOrbatoPalette::GeladenesEinsetzen(std::unique_ptr<TSchule> schule, const std::string& name) {
  DokumentEinsetzen(std::move(schule));
  fSchule->SetDateiName(name);
  DateiBefehleSetzen(true);
  // Restored changes, like a converted file, wait to be saved.
  if (fSchule->IsDirty()) fSichern->setEnabled(true);
  TitelSetzen();
  KuerzelMenuesAnlegen();
  FensterWiederOeffnen();
  PaletteAktualisieren();
}

// A read-only document is saved under another name: its file belongs to another planner.
bool TOrbatoPalette::Sichern() {
  if (!fDokumentOffen) return false;
  if (fPfad.isEmpty() || fBindung->Schreibgeschuetzt()) return SichernUnter();
  return Schreiben(fPfad);
}

bool TOrbatoPalette::SichernUnter() {
  if (!fDokumentOffen) return false;
  const QString vorschlag = QtText(fStandard->fOpenPfad) + QtText(fSchule->fDateiName.str());
  QString pfad = fDateiWaehlen ? fDateiWaehlen(QStringLiteral("Sichern als"), vorschlag, true)
                               : QFileDialog::getSaveFileName(this, QStringLiteral("Sichern als"),
                                                              vorschlag, kFilter);
  if (pfad.isEmpty()) return false;
  if (QFileInfo(pfad).suffix().isEmpty()) pfad += QStringLiteral(".ORB");
  fStandard->fOpenPfad = OrdnerVon(pfad);
  return Schreiben(QFileInfo(pfad).absoluteFilePath());
}

// The file is written only when nobody else's work is overwritten unasked, and its previous
// versions are kept as the settings say.
bool TOrbatoPalette::Schreiben(const QString& pfad) {
  const std::string ziel = QFile::encodeName(pfad).toStdString();
  if (!fBindung->DarfSchreiben(ziel)) return false;
  FensterSaetzeSammeln();
  QString fehler;
  {
    TWarteZeiger warten;
    try {
      TWriteForm(fDialoge).WriteToFile(ziel, fStandard->fSicherungsKopien);
    } catch (const TStreamFehler& f) {
      fehler = QtText(f.what());
    }
  }
  if (!fehler.isEmpty()) {
    fFehlerZeigen(fehler);
    return false;
  }
  fBindung->Gesichert(ziel);
  fUmgewandelt = false;
  fPfad = pfad;
  DateiBefehleSetzen(true);
  fSichern->setEnabled(true);
  TitelSetzen();
  GesichertMelden();
  return true;
}

// Saving changes nothing the planner can see, so the status line says that it happened.
void TOrbatoPalette::GesichertMelden() {
  const TUhrzeit jetzt = DekodiereZeit(fUhr.Jetzt());
  statusBar()->showMessage(QStringLiteral("Gesichert: %1, %2:%3")
                               .arg(QFileInfo(fPfad).fileName())
                               .arg(jetzt.Stunde, 2, 10, QLatin1Char('0'))
                               .arg(jetzt.Minute, 2, 10, QLatin1Char('0')));
}

bool TOrbatoPalette::SichernGefragt(std::string_view titel) {
  const std::string antwort =
      fDialoge.FrageKnopf(titel, {"Sollen Ihre Daten gesichert werden?"},
                          {"Ja", "Mit einem anderem Namen", "Nein", "Abbrechen"});
  if (antwort == "Ja") return Sichern();
  if (antwort == "Mit einem anderem Namen") return SichernUnter();
  return antwort == "Nein";
}

// Closing a document with unsaved work asks first, as leaving the program does: the work would
// be gone otherwise.
bool TOrbatoPalette::DateiSchliessen() {
  if (!fDokumentOffen) return true;
  if (fSchule->IsDirty() && !SichernGefragt("Daten sichern?")) return false;
  // Saved or given up: the recovery file has nothing left to keep.
  fBindung->Loesen();
  fPfad.clear();
  fUmgewandelt = false;
  DokumentEinsetzen(std::make_unique<TSchule>());
  DateiBefehleSetzen(false);
  TitelSetzen();
  KuerzelMenuesAnlegen();
  PaletteAktualisieren();
  return true;
}

// Takes back the last action on the plan; "Wiederherstellen" does it again.
void TOrbatoPalette::Widerrufen() {
  TWarteZeiger warten;
  // While manual planning records, the command takes back its journal.
  if (fSchule->fProtokoll) {
    ManuellWiderrufen();
    return;
  }
  fSchule->fVerlauf.Widerrufen(*fSchule);
}

// Not while manual planning records: the journal would not know what came back.
void TOrbatoPalette::Wiederherstellen() {
  if (fSchule->fProtokoll) return;
  TWarteZeiger warten;
  fSchule->fVerlauf.Wiederherstellen(*fSchule);
}

void TOrbatoPalette::VerlaufBefehleSetzen() {
  const bool protokoll = fSchule->fProtokoll != nullptr;
  if (!protokoll) fWiderrufen->setEnabled(fSchule->fVerlauf.KannWiderrufen());
  fWiederherstellen->setEnabled(!protokoll && fSchule->fVerlauf.KannWiederherstellen());
}

void TOrbatoPalette::SchulwocheBeimErstenStart() {
  if (!fErsterStart) return;
  fErsterStart = false;
  TSchulwocheDialog dialog(this);
  // "Abbrechen" keeps the defaults, as every start before this question did.
  if (dialog.exec() != QDialog::Accepted) return;
  SchulwocheEinrichten(*fStandard, dialog.Tage(), dialog.Stunden());
  SpaltenBerechnen();
  PaletteAktualisieren();
  fSchule->AlleFensterUpdate();
}

void TOrbatoPalette::EckdatenAendern() {
  TEckdatenDialog dialog(EckdatenAus(*fStandard), this);
  dialog.SetSchulname(fStandard->fSchulname);
  if (dialog.exec() != QDialog::Accepted) return;
  fStandard->fSchulname = dialog.Schulname();
  EckdatenUebernehmen(*fSchule, *fStandard, dialog.Werte());
  SpaltenBerechnen();
  PaletteAktualisieren();
  fSchule->AlleFensterUpdate();
}

void TOrbatoPalette::GrunddatenAendern() {
  TGrunddatenDialog dialog(*fStandard, this);
  dialog.exec();
}

void TOrbatoPalette::KurseAendern() {
  TKursVorgabenDialog dialog(*fStandard, this);
  dialog.exec();
}

void TOrbatoPalette::KuerzelBearbeiten() {
  if (!fDokumentOffen) return;
  {
    TKuerzelDialog dialog(*fSchule, this);
    dialog.exec();
  }
  KuerzelMenuesAnlegen();
}

void TOrbatoPalette::FensterArtAnmelden(int art, TFensterOeffner oeffner) {
  fFensterOeffner.insert(art, std::move(oeffner));
}

const Fenster* TOrbatoPalette::DokumentFenster(const QMdiSubWindow* fenster) {
  return fenster ? dynamic_cast<const Fenster*>(fenster->widget()) : nullptr;
}

// The plan file keeps the windows that were open when it was saved.
void TOrbatoPalette::FensterSaetzeSammeln() {
  fSchule->fFensterSaetze.clear();
  for (QMdiSubWindow* f : fArbeitsflaeche->subWindowList()) {
    const Fenster* fenster = DokumentFenster(f);
    if (fenster == nullptr || !orbato::FensterWiederOeffnen(fenster->FensterArt())) continue;
    TFenster satz;
    satz.fArt = fenster->FensterArt();
    satz.fTitel = fenster->FensterTitel();
    satz.fLinks = f->x();
    satz.fOben = f->y();
    satz.fBreite = f->width();
    satz.fHoehe = f->height();
    fSchule->fFensterSaetze.push_back(satz);
  }
}

// From the last record to the first, so that the first ends on top; kinds without their window
// code, and element windows whose element is gone, are skipped.
void TOrbatoPalette::FensterWiederOeffnen() {
  const std::vector<TFenster> saetze = fSchule->fFensterSaetze;
  const QRect flaeche = fArbeitsflaeche->contentsRect();
  const bool shift = fShift;
  fShift = true;
  for (auto satz = saetze.rbegin(); satz != saetze.rend(); ++satz) {
    const auto oeffner = fFensterOeffner.constFind(satz->fArt);
    if (oeffner == fFensterOeffner.constEnd() || !orbato::FensterWiederOeffnen(satz->fArt))
      continue;
    TElement* element = FensterElement(*fSchule, *satz);
    if (FensterElementArt(satz->fArt) && element == nullptr) continue;
    if (const std::optional<TFensterArt> art = FensterPaletteArt(satz->fArt)) {
      fSchule->SetFensterArt(*art);
    }
    QMdiSubWindow* fenster = (*oeffner)(*satz, element);
    if (fenster == nullptr) continue;
    const TFensterRahmen rahmen =
        FensterRahmen(*satz, {fenster->x(), fenster->y(), fenster->width(), fenster->height()},
                      {0, 0, flaeche.width(), flaeche.height()});
    // A file from a larger screen, or a damaged one, may place a window beyond the workspace.
    fenster->setGeometry(
        Hineingerueckt({rahmen.fLinks, rahmen.fOben, rahmen.fBreite, rahmen.fHoehe},
                       {0, 0, flaeche.width(), flaeche.height()}));
  }
  fShift = shift;
}

}  // namespace orbato
