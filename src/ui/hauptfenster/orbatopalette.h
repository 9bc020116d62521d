#pragma once

#include <QMainWindow>
#include <QMap>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "checks/pruefung.h"
#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "model/kuerzel/kuerzelmenue.h"
#include "model/schnittstellen/fenster.h"
#include "model/schnittstellen/uhr.h"
#include "persist/einstellungsspeicher.h"
#include "persist/planbindung.h"
#include "ui/bausteine/qtdialoge.h"
#include "ui/hauptfenster/fensterregister.h"
#include "ui/hauptfenster/wartendebefehle.h"
#include "ui/plaene/fehlerfenster.h"
#include "ui/plaene/optimieranzeige.h"

class QAction;
class QActionGroup;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QTimer;
class QToolBar;
class QToolButton;
class QWidget;

namespace orbato {

struct TGpuExportArt;
struct TGpuLesart;
class TKurs;
class TManuellFenster;
class TPlanElement;
class TVertretung;
class Zwischenablage;

// The main window: the tool palette with the main menu, the tool and window-kind buttons and the
// plan-version button, above the workspace that holds the document windows. It owns, for the
// whole run, the settings object and the one school document, and turns menu commands into calls
// on the core.
class TOrbatoPalette : public QMainWindow {
  Q_OBJECT

 public:
  TOrbatoPalette(Einstellungsspeicher& speicher, const Uhr& uhr, QWidget* eltern = nullptr);
  ~TOrbatoPalette() override;

  TStandard& standard() { return *fStandard; }
  TSchule& schule() { return *fSchule; }
  TFensterRegister& fensterRegister() { return fRegister; }
  TQtDialoge& dialoge() { return fDialoge; }
  QMdiArea* Arbeitsflaeche() const { return fArbeitsflaeche; }
  QToolButton* VersionsKnopf() const { return fVersionsKnopf; }
  // Whether a document has been created with "Neu" or read from a file.
  bool DokumentOffen() const { return fDokumentOffen; }
  // Main-menu commands wait to run once the program is idle.
  bool BefehleWarten() const { return !fWartend->Leer(); }
  // Whether Shift is held: element windows opened now take the other kind (and windows reopened
  // from a plan file are opened so).
  bool Shift() const { return fShift; }

  // Asks for the password when one is set; false when the program must end: a wrong entry or
  // "Abbrechen".
  bool KennwortPruefen();
  // The last step of start-up: the file named on the command line; without one the changes that
  // untitled documents of ended runs left behind, else the open dialog.
  void StartDatei(const QString& pfad);
  // The user's data folder, where untitled and read-only documents keep their recovery files;
  // without one (tests) they keep none. Set before the first document opens.
  void DatenOrdnerSetzen(const QString& ordner);
  // Writes a changed document's state to its recovery file: in the interval of the settings, and
  // before commands that change much at once. A failure is reported once per document.
  void WiederherstellungSchreiben();
  // The clock of the recovery writes; its interval follows the settings.
  QTimer* WiederherstellTakt() const { return fWiederherstellTakt; }
  // Whether the document was opened read-only, its plan file being held by another planner.
  bool Schreibgeschuetzt() const { return fBindung->Schreibgeschuetzt(); }
  // "Bearbeiten" / "Voreinstellungen" / "Sicherung": the recovery interval and the backups.
  void SicherungAendern();

  // The document commands, as the menu runs them.
  void Neu();
  void OeffnenWaehlen();
  // Loads a plan file into a new document, which replaces the current one only when the whole
  // file was read; a failure shows its message and changes nothing.
  bool Oeffnen(const QString& pfad);
  // "Sichern": an untitled document is saved under a name first. False when nothing was written.
  bool Sichern();
  bool SichernUnter();
  // "Datei schließen"; false when the user kept the document.
  bool DateiSchliessen();
  void Widerrufen();
  void Wiederherstellen();
  void VerlaufBefehleSetzen();
  // The clipboard commands on the active window: plans copy their grid, teaching-load windows
  // copy, cut, paste and delete courses, the course window copies and pastes its info text.
  void Kopieren();
  void Ausschneiden();
  void Einsetzen();
  void Loeschen();
  void AllesAuswaehlen();
  // "Neuer Kurs": a course of the active window's element, or without any in "alle Kurse".
  void NeuerKurs();
  // The save reminder's check, run in idle time.
  void SpeicherErinnerung();

  // The first start of an installation (no settings stored yet) asks once for the school week;
  // later starts do nothing here. The program calls it after the password, before the file.
  void SchulwocheBeimErstenStart();
  bool ErsterStart() const { return fErsterStart; }

  // Preference dialogs; the first three are also the first steps of "Neu".
  void EckdatenAendern();
  void GrunddatenAendern();
  void KurseAendern();
  void KuerzelBearbeiten();
  // "Bearbeiten" / "Voreinstellungen" / "Planversionen": copies between plan versions and the
  // single-version mode; "Zeiten": the period labels of every version.
  void PlanversionenAendern();
  void ZeitenAendern();
  // "Stundenzeiten": when each period begins and ends, for the calendars.
  void StundenzeitenAendern();
  // "Datei" / "Export" / "Kalender (iCal)...": the range, then the new folder that takes one
  // calendar per teacher, class and room. False when cancelled or failed.
  bool KalenderExportieren();
  // "Kalender": which plan version holds in which calendar week, and the holidays.
  void KalenderAendern();
  // The window of an element chosen in a short-name menu, of the kind the palette's window
  // buttons choose; none for kinds without one.
  QMdiSubWindow* ElementFensterOeffnen(TElement* element);
  QMdiSubWindow* ElementFensterOeffnen(TElement* element, TFensterArt art);
  // "Daten" / "Kurse": the window "alle Kurse".
  QMdiSubWindow* AlleKurseZeigen();
  // "Daten" / "Lehrer", "Klassen", "Fächer", "Kopplungen", "Räume", "UV-Statistik": the
  // statistics of an element kind (uvt: of the distribution tables).
  QMdiSubWindow* StatistikZeigen(TKuerzelArt art);
  // Puts a document window into the workspace (unless it is there already) and activates it.
  QMdiSubWindow* FensterEinsetzen(QWidget* fenster);
  void KennwortAendern();
  // "Werkzeuge" / "Automatik": the start dialog, then the scheduler window over the courses
  // selected in the active window; without any, a message says where to choose them.
  void AutomatikRechnung();
  // "Bearbeiten" / "Voreinstellungen" / "Automatik": the rating-table editor.
  void AutomatikAendern();
  // "Werkzeuge" / "Manuell": the manual-planning window over the courses selected in the active
  // window, without obstacles shown when Ctrl is held; nothing without a selection. An open one
  // comes to the front.
  void ManuellRechnung();
  void ManuellRechnung(bool ohneKonflikte);
  // The courses selected for manual planning: the cells of a plan window besides what
  // AusgewaehlteKurse finds.
  std::vector<TKurs*> ManuellAuswahl() const;
  TManuellFenster* ManuellFenster() const;
  // "Widerrufen Protokoll" and "Löschen Protokoll" of the open manual-planning window.
  void ManuellWiderrufen();
  void ManuellProtokollLoeschen();
  // The courses selected in the active window: the rows of a teaching-load window or "alle
  // Kurse", the cells of a distribution table's matrix; none elsewhere.
  std::vector<TKurs*> AusgewaehlteKurse() const;
  // "Fenster": the layout of the workspace's windows, and the clipboard view (one at a time).
  void FensterAnordnen();
  // "Fenster schließen" (Ctrl+W): the active document window, in the workspace or beside it.
  void AktivesFensterSchliessen();
  void ZwischenablageZeigen();
  // "Import" / "Kurse...": a course exchange file into the open document, or into a new one; false
  // when nothing was imported.
  void ImportWaehlen();
  bool Importieren(const QString& pfad);
  // "Import" / "Untis-Dateien (GPU)...": the Untis files of a folder, read as the dialog says,
  // into the open document or a new one, then the import report; false when nothing was
  // imported.
  void GpuImportWaehlen();
  bool GpuImportieren(const QString& ordner, const TGpuLesart& lesart);
  // "Export" / "Untis-Dateien (GPU)...": the files of the current plan version into a folder.
  void GpuExportWaehlen();
  bool GpuExportieren(const QString& ordner, const TGpuExportArt& art);
  // An entry of "Export" by its caption, asking for the file; false when nothing was written.
  bool Exportieren(const char* eintrag);
  // "Prüfen": one plan check, its findings in the error window "Fehler", then the result box.
  void PlanPruefen(TPruefung pruefung);
  // A finding's place from the window "Fehler": the plan of its element, or of its course's
  // teacher (else first class), in the finding's version, with the cursor in its cell. A course
  // or element deleted since the check opens nothing.
  void FundortOeffnen(const TFundort& ort);
  // "Pläne" / "Komprimieren": after the warning, the compression window, modal.
  void Komprimieren();
  // "Pläne" / "Optimieren...": moves the unfixed lessons of every course of the current version
  // to fewer gaps, with the progress window (its "Abbrechen" and Escape keep the best plan found),
  // as one step of the history; a message box gives the figures before and after.
  void Optimieren();
  // How "Optimieren..." searches; tests put a run of their own in its place.
  TOptimierLauf fOptimierLauf = OptimierungRechnen;
  // "Pläne" / "Gewichte für Optimieren...": the dialog "Optimieren - Gewichte".
  void OptimierGewichteAendern();
  // "Pläne" / "Löschen...": the dialog "Pläne löschen", modal.
  void PlaeneLoeschen();
  // "Pläne" / "nicht belegte Räume" and "später eingetragene Räume": after the warning the rooms
  // leave the courses.
  void NichtBelegteRaeume();
  void SpaeterEingetrageneRaeume();
  // "Vertretung" / "wöchentlicher Unterrichtsausfall (NRW)": the report window, one per
  // document; an open one comes to the front.
  QMdiSubWindow* WoAusfall();
  // "Vertretung" / "Heute", "Morgen", "anderer Tag": the substitution window of the date, one
  // per document, after the check of weekends and holidays, whose "Anderer Tag" asks for another
  // date; "anderer Tag" asks first. None when no window opened.
  QMdiSubWindow* VertretungHeute();
  QMdiSubWindow* VertretungMorgen();
  QMdiSubWindow* VertretungAndererTag();
  QMdiSubWindow* VertretungZeigen(TDatumZeit datum);
  // How the user picks a date: the date dialog, or what a test puts in its place; none when
  // cancelled.
  std::function<std::optional<TDatumZeit>(TDatumZeit vorschlag)> fDatumWaehlen;
  // Where the substitution window leads: the absence window of a kind for a date (on the element,
  // none for the window as it opens) and the proposal window of a record. The windows themselves
  // unless a test puts something in their place.
  std::function<void(TKuerzelArt art, TDatumZeit datum, TPlanElement* element)> fFehlendeOeffnen;
  std::function<void(TVertretung* v)> fVertretungWaehlen;
  // "Vertretung" / "Vertretungsstunden": the balances window, one per document; nothing without
  // teachers.
  QMdiSubWindow* VStunden();
  // "Vertretung" / "Vertretungsübersicht für Lehrer" (leh) and "… für Klassen" (kla): the range,
  // both dates starting at today, then the overview; an open one shows the new range.
  QMdiSubWindow* VertretungsUebersicht(TKuerzelArt art);
  QMdiSubWindow* VertretungsUebersicht(TKuerzelArt art, TDatumZeit von, TDatumZeit bis);
  // "Bearbeiten" / "Voreinstellungen" / "Vertretung".
  void VertretungAendern();
  // "Export": "Vertretungsplan...", "Vertretungsübersicht für Lehrer...", "… für Klassen...";
  // false when nothing was written.
  bool VertretungExportieren(const char* eintrag);
  TFehlerFenster& FehlerFenster() { return fFehler; }

  // The menu entry reached by captions without the "&" marks: {"Datei", "Sichern"}; none when
  // absent.
  QAction* Aktion(const QStringList& pfad) const;
  // The paths of every entry and sub-menu of the main window's menus, in path order.
  QStringList AktionsPfade() const { return fAktionen.keys(); }
  const TKuerzelMenues& KuerzelMenues() const { return fKuerzelMenues; }
  // The plan-version menu as the button opens it.
  TMenu VersionsMenuDaten();

  // How the user picks a file: a file dialog, or what a test puts in its place. Answers the
  // chosen path, empty when cancelled.
  std::function<QString(const QString& titel, const QString& vorschlag, bool speichern)>
      fDateiWaehlen;
  // How a failure reaches the user: a message box, or what a test puts in its place.
  std::function<void(const QString&)> fFehlerZeigen;
  // The clipboard the commands use: the system's, unless a test puts one in its place.
  Zwischenablage* fAblage = nullptr;

  // Reopens the windows of one kind number from the plan file's window list: answers the window
  // opened in the workspace, none when it cannot. The window code of each kind registers here.
  using TFensterOeffner = std::function<QMdiSubWindow*(const TFenster& satz, TElement* element)>;
  void FensterArtAnmelden(int art, TFensterOeffner oeffner);
  // The document window a workspace window holds; none for other widgets.
  static const Fenster* DokumentFenster(const QMdiSubWindow* fenster);

 protected:
  void closeEvent(QCloseEvent* ereignis) override;
  void keyPressEvent(QKeyEvent* ereignis) override;
  void keyReleaseEvent(QKeyEvent* ereignis) override;

 private:
  // The command of an "Export" entry; none for the exports still to come.
  std::function<void()> ExportBefehl(const QString& eintrag);
  std::function<void()> VertretungsExportBefehl(const QString& eintrag);
  bool VertretungsplanExportieren();
  bool UebersichtExportieren(TKuerzelArt art);
  // Asks for the file and writes it; a file error is shown.
  bool VertretungsDateiSchreiben(const QString& vorschlag,
                                 const std::function<void(const std::string&)>& schreiben);
  // The file dialog of import and export, starting in the folder last used for them.
  QString TextDateiWaehlen(const QString& titel, const QString& name, bool speichern);
  // After an import: the document is named `name`.ORB without a folder, so that saving asks
  // where it goes, and menus and windows follow its new content.
  void NachImport(const QString& name);
  // A new window of the kind for the element.
  QWidget* NeuesElementFenster(TElement* element, TFensterArt art);
  void ErzeugeMenues();
  void ErzeugeDateiMenu();
  void ErzeugeBearbeitenMenu();
  void ErzeugeWerkzeugMenu();
  void ErzeugeDatenMenues();
  void ErzeugeFensterUndHilfe();
  void ErzeugePalette();
  // An entry of a menu; one without a command is shown disabled until its code exists.
  QAction* Eintrag(QMenu* menu, const QString& text, std::function<void()> befehl = {},
                   const QKeySequence& taste = {});
  QMenu* Untermenu(QMenu* menu, const QString& text);
  void PaletteAnordnen();
  void PaletteVerschieben();
  void FaerbeHintergrund();

  // The document becomes the program's: installed, its dirty mark wired to "Sichern".
  void DokumentEinsetzen(std::unique_ptr<TSchule> schule);
  // A document read from a file (or a recovery file) becomes the program's under that name, with
  // its short-name menus and its saved windows.
  void GeladenesEinsetzen(std::unique_ptr<TSchule> schule, const std::string& name);
  void FensterAlleSchliessen();
  // The file commands and the document menus for a document open or not.
  void DateiBefehleSetzen(bool offen);
  // "WinOrbato <version> [NAME]", "*" after it while the document has unsaved changes, and
  // " [schreibgeschützt]" for a read-only one.
  void TitelSetzen();
  // The recovery writes start again with the interval of the settings (none at 0).
  void WiederherstellTaktStellen();
  void WiederherstellTaktAbgelaufen();
  // At start: a document restored from what an untitled one of an ended run left; false if none.
  bool UnbenannteWiederherstellen();
  void KuerzelMenuesAnlegen();
  void SpaltenBerechnen();
  void VersionsKnopfAktualisieren();
  void VersionsMenuZeigen();
  // The enabled states and checks of the palette after any change.
  void PaletteAktualisieren();
  void WerkzeugWaehlen(TToolArt art);
  void FensterArtWaehlen(TFensterArt art);
  void FensterMenuFuellen();
  // The edit menu's first entries while the manual-planning window is open, and after.
  void ProtokollBefehleZeigen(bool offen);
  bool Schreiben(const QString& pfad);
  void GesichertMelden();
  bool GroesseLaden();
  void GroesseSichern();
  // "Sollen Ihre Daten gesichert werden?" with "Ja", "Mit einem anderem Namen", "Nein" and
  // "Abbrechen": true when the work may be left, saved or given up.
  bool SichernGefragt(std::string_view titel);
  void FensterSaetzeSammeln();
  void FensterWiederOeffnen();
  // "Hilfe": the help window on a page of the manual under a title, the installed version and
  // where updates come from, the about box.
  void HandbuchOeffnen(const char* titel, const char* seite);
  void Updates();
  void UeberWinOrbato();
  void FensterWegeAnlegen();
  Zwischenablage& Ablage();
  bool ShiftGehalten() const;

  Einstellungsspeicher& fSpeicher;
  const Uhr& fUhr;
  TQtDialoge fDialoge{this};
  std::unique_ptr<TPlanBindung> fBindung;
  QTimer* fWiederherstellTakt = nullptr;
  bool fWiederherstellFehler = false;  // reported once until a write succeeds again
  bool fUmgewandelt = false;           // an old-layout file, titled "Ohne Titel" until saved
  TFehlerFenster fFehler{[this](QWidget* fenster) { FensterEinsetzen(fenster); },
                         [this](const TFundort& ort) { FundortOeffnen(ort); }};
  QString fStartDir;
  QString fPfad;  // the file of a titled document, empty while untitled
  bool fDokumentOffen = false;
  bool fAktiv = false;
  bool fSpeicherMeldungDa = false;
  bool fShift = false;
  bool fGesichert = false;
  bool fErsterStart = false;
  // Installed for the windows before the first opens; they have all closed before it goes.
  TFensterRegister fRegister;
  TFensterRegisterEinsetzen fRegisterEingesetzt{fRegister};
  std::unique_ptr<TStandard> fStandard;
  std::unique_ptr<TSchule> fSchule;
  std::unique_ptr<TStandardEinsetzen> fStandardEingesetzt;
  std::unique_ptr<TSchuleEinsetzen> fSchuleEingesetzt;
  TKuerzelMenues fKuerzelMenues;
  QMap<int, TFensterOeffner> fFensterOeffner;
  TWartendeBefehle* fWartend = new TWartendeBefehle(this);

  QMdiArea* fArbeitsflaeche = nullptr;
  QToolBar* fPalette = nullptr;
  QToolButton* fVersionsKnopf = nullptr;
  QActionGroup* fWerkzeuge = nullptr;
  QActionGroup* fFensterArten = nullptr;
  QMenu* fFensterMenu = nullptr;
  QMenu* fFaltMenu = nullptr;  // the single "Menu" entry of the folded palette
  QList<QMenu*> fHauptMenues;
  QMap<QString, QAction*> fAktionen;  // by path "Datei/Sichern"
  QList<QMenu*> fKuerzelMenuQt;       // "Le" … "UV"
  QList<QAction*> fDokumentAktionen;  // disabled while no document is open
  QAction* fNeu = nullptr;
  QAction* fOeffnen = nullptr;
  QAction* fSchliessen = nullptr;
  QAction* fSichern = nullptr;
  QAction* fSichernUnter = nullptr;
  QAction* fExport = nullptr;
  QAction* fKopieren = nullptr;
  QAction* fWiderrufen = nullptr;
  QAction* fWiederherstellen = nullptr;
  QAction* fProtokollLoeschen = nullptr;  // "Löschen Protokoll", while manual planning is open
  QList<QAction*> fKursAktionen;          // the commands of the teaching-load windows
  QList<QAction*> fVersionsAktionen;      // enabled only with more than one plan version
  QList<QAction*> fWerkzeugAktionen;      // palette and menu, by tool number
  QList<QAction*> fFensterArtAktionen;    // "Werkzeuge": "Grunddaten", "Deputat", "Plan"
};

}  // namespace orbato
