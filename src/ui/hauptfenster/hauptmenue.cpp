// The menu bar of the main window: every menu and entry, with its shortcut and enabling rule.
#include <QAction>
#include <QActionGroup>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>

#include "checks/pruefung.h"
#include "platform/qttext.h"
#include "ui/drucken/druckausgabe.h"
#include "ui/drucken/druckbefehle.h"
#include "ui/drucken/fensterdruck.h"
#include "ui/drucken/htmlfarbendialog.h"
#include "ui/hauptfenster/handbuchfenster.h"
#include "ui/hauptfenster/orbatopalette.h"
#include "ui/plaene/parfenster.h"
#include "ui/plaene/qualitaetfenster.h"
#include "ui/plaene/svfenster.h"
#include "ui/plaene/uebersichtfenster.h"
#include "ui/voreinstellungen/anzeigevorgaben.h"

namespace orbato {
namespace {

QString OhneMarke(QString text) {
  return text.remove(QLatin1Char('&'));
}

// "Datei/Export/Kurse...": the captions from the top menu down, without the "&" marks.
QString MenuPfad(const QMenu* menu, const QString& text) {
  QString pfad = OhneMarke(text);
  for (const QMenu* m = menu; m != nullptr; m = qobject_cast<const QMenu*>(m->parent())) {
    pfad = OhneMarke(m->title()) + QLatin1Char('/') + pfad;
  }
  return pfad;
}

}  // namespace

QAction* TOrbatoPalette::Eintrag(QMenu* menu, const QString& text, std::function<void()> befehl,
                                 const QKeySequence& taste) {
  QAction* aktion = menu->addAction(text);
  aktion->setShortcut(taste);
  aktion->setShortcutContext(Qt::ApplicationShortcut);
  if (befehl) {
    connect(aktion, &QAction::triggered, this,
            [this, befehl = std::move(befehl)] { fWartend->Ausfuehren(befehl); });
  } else {
    aktion->setEnabled(false);
    aktion->setProperty("ohneBefehl", true);
  }
  fAktionen.insert(MenuPfad(menu, text), aktion);
  return aktion;
}

// A submenu, found by its path like an entry.
QMenu* TOrbatoPalette::Untermenu(QMenu* menu, const QString& text) {
  QMenu* unter = menu->addMenu(text);
  fAktionen.insert(MenuPfad(menu, text), unter->menuAction());
  return unter;
}

QAction* TOrbatoPalette::Aktion(const QStringList& pfad) const {
  return fAktionen.value(pfad.join(QLatin1Char('/')), nullptr);
}

void TOrbatoPalette::ErzeugeMenues() {
  ErzeugeDateiMenu();
  ErzeugeBearbeitenMenu();
  ErzeugeWerkzeugMenu();
  ErzeugeDatenMenues();
  ErzeugeFensterUndHilfe();
}

void TOrbatoPalette::ErzeugeDateiMenu() {
  QMenu* datei = new QMenu(QStringLiteral("&Datei"), this);
  fHauptMenues << datei;
  fNeu = Eintrag(
      datei, QStringLiteral("&Neu"), [this] { Neu(); }, QKeySequence(Qt::CTRL | Qt::Key_N));
  fOeffnen = Eintrag(
      datei, QStringLiteral("Ö&ffnen..."), [this] { OeffnenWaehlen(); },
      QKeySequence(Qt::CTRL | Qt::Key_O));
  fSchliessen = Eintrag(datei, QStringLiteral("Datei schließen"), [this] { DateiSchliessen(); });
  Eintrag(
      datei, QStringLiteral("Fenster schließen"), [this] { AktivesFensterSchliessen(); },
      QKeySequence(Qt::CTRL | Qt::Key_W));
  datei->addSeparator();
  fSichern = Eintrag(
      datei, QStringLiteral("&Sichern"), [this] { Sichern(); }, QKeySequence(Qt::CTRL | Qt::Key_S));
  fSichernUnter = Eintrag(datei, QStringLiteral("Sichern &unter..."), [this] { SichernUnter(); });
  datei->addSeparator();
  Eintrag(datei, QStringLiteral("Papierformat..."), [this] { PapierformatEinrichten(this); });
  Eintrag(
      datei, QStringLiteral("Fenster drucken..."), [this] { FensterDrucken(*this); },
      QKeySequence(Qt::CTRL | Qt::Key_P));
  QMenu* drucken = Untermenu(datei, QStringLiteral("Drucken"));
  fDokumentAktionen << drucken->menuAction();
  for (const char* text :
       {"Kürzel...", "Deputate...", "Lehrerpläne...", "Klassenpläne...", "Raumpläne...",
        "Kopplungspläne für Lehrer...", "Kopplungspläne für Klassen..."}) {
    Eintrag(drucken, QString::fromUtf8(text), DruckBefehl(*this, QString::fromUtf8(text)));
  }
  const auto gruppe = [&](const char* titel, std::initializer_list<const char*> texte) {
    QMenu* menu = Untermenu(drucken, QString::fromUtf8(titel));
    for (const char* text : texte) {
      Eintrag(menu, QString::fromUtf8(text), DruckBefehl(*this, QString::fromUtf8(text)));
    }
  };
  gruppe("Übersichten", {"Lehrer...", "Klassen...", "Räume...", "Fächer...", "Kombination..."});
  gruppe("Listen",
         {"Reststunden...", "Stundenverteilung...", "Fachkonferenzen...", "Klassenkonferenzen..."});
  gruppe("Vertretung",
         {"Vertretungsplan...", "Vertretungsstunden...", "Vertretungsübersicht für Lehrer...",
          "Vertretungsübersicht für Klassen..."});
  datei->addSeparator();
  QMenu* import = Untermenu(datei, QStringLiteral("Import"));
  Eintrag(import, QStringLiteral("Kurse..."), [this] { ImportWaehlen(); });
  Eintrag(import, QStringLiteral("Untis-Dateien (GPU)..."), [this] { GpuImportWaehlen(); });
  QMenu* export_ = Untermenu(datei, QStringLiteral("Export"));
  fExport = export_->menuAction();
  for (const char* text :
       {"Kurse...", "Vertretungsübersicht für Lehrer...", "Vertretungsübersicht für Klassen...",
        "Vertretungsplan...", "Lehrerpläne...", "Klassenpläne...", "Raumpläne...",
        "Lanis Stundenplan (csv)", "Schulmanager (csv)", "HTML-Dateien..."}) {
    Eintrag(export_, QString::fromUtf8(text), ExportBefehl(QString::fromUtf8(text)));
  }
  Eintrag(export_, QStringLiteral("Untis-Dateien (GPU)..."), [this] { GpuExportWaehlen(); });
  QAction* kalender =
      Eintrag(export_, QStringLiteral("Kalender (iCal)..."), [this] { KalenderExportieren(); });
#ifndef ORBATO_MIT_LIBICAL
  // A build without libical cannot write calendars.
  kalender->setEnabled(false);
#else
  (void)kalender;
#endif
  datei->addSeparator();
  Eintrag(
      datei, QStringLiteral("&Beenden"), [this] { close(); }, QKeySequence(Qt::CTRL | Qt::Key_Q));
}

void TOrbatoPalette::ErzeugeBearbeitenMenu() {
  QMenu* bearbeiten = new QMenu(QStringLiteral("&Bearbeiten"), this);
  fHauptMenues << bearbeiten;
  fWiderrufen = Eintrag(
      bearbeiten, QStringLiteral("&Widerrufen"), [this] { Widerrufen(); },
      QKeySequence(Qt::CTRL | Qt::Key_Z));
  fProtokollLoeschen = Eintrag(bearbeiten, QStringLiteral("Löschen Protokoll"),
                               [this] { ManuellProtokollLoeschen(); });
  fProtokollLoeschen->setVisible(false);
  fWiederherstellen = Eintrag(
      bearbeiten, QStringLiteral("Wieder&herstellen"), [this] { Wiederherstellen(); },
      QKeySequence(Qt::CTRL | Qt::Key_Y));
  bearbeiten->addSeparator();
  fKursAktionen << Eintrag(
      bearbeiten, QStringLiteral("&Ausschneiden"), [this] { Ausschneiden(); },
      QKeySequence(Qt::CTRL | Qt::Key_X));
  fKopieren = Eintrag(
      bearbeiten, QStringLiteral("&Kopieren"), [this] { Kopieren(); },
      QKeySequence(Qt::CTRL | Qt::Key_C));
  // Pasting where courses do not go says why.
  fDokumentAktionen << Eintrag(
      bearbeiten, QStringLiteral("&Einsetzen"), [this] { Einsetzen(); },
      QKeySequence(Qt::CTRL | Qt::Key_V));
  fKursAktionen << Eintrag(bearbeiten, QStringLiteral("&Löschen"), [this] { Loeschen(); });
  fKursAktionen << Eintrag(
      bearbeiten, QStringLiteral("Alles auswählen"), [this] { AllesAuswaehlen(); },
      QKeySequence(Qt::CTRL | Qt::Key_A));
  bearbeiten->addSeparator();
  QMenu* vor = Untermenu(bearbeiten, QStringLiteral("Voreinstellungen"));
  Eintrag(vor, QStringLiteral("Eckdaten"), [this] { EckdatenAendern(); });
  Eintrag(vor, QStringLiteral("Grunddaten"), [this] { GrunddatenAendern(); });
  Eintrag(vor, QStringLiteral("Deputate"), [this] {
    DeputatVorgabenAendern(this, *fStandard, fDokumentOffen ? fSchule.get() : nullptr);
  });
  Eintrag(vor, QStringLiteral("Pläne"), [this] {
    PlanVorgabenAendern(this, *fStandard, fDokumentOffen ? fSchule.get() : nullptr);
  });
  Eintrag(vor, QStringLiteral("Kurse"), [this] { KurseAendern(); });
  fVersionsAktionen << Eintrag(vor, QStringLiteral("Planversionen"),
                               [this] { PlanversionenAendern(); });
  Eintrag(vor, QStringLiteral("Kalender"), [this] { KalenderAendern(); });
  Eintrag(vor, QStringLiteral("Zeiten"), [this] { ZeitenAendern(); });
  Eintrag(vor, QStringLiteral("Stundenzeiten"), [this] { StundenzeitenAendern(); });
  Eintrag(vor, QStringLiteral("Kennwort"), [this] { KennwortAendern(); });
  Eintrag(vor, QStringLiteral("Automatik"), [this] { AutomatikAendern(); });
  Eintrag(vor, QStringLiteral("Vertretung"), [this] { VertretungAendern(); });
  Eintrag(vor, QStringLiteral("HTML-Farben"),
          [this] { THTMLFarbenDialog(*fStandard, this).exec(); });
  Eintrag(vor, QStringLiteral("Sicherung"), [this] { SicherungAendern(); });
}

// The same commands as the palette's buttons, on Ctrl+F1 … Ctrl+F12.
void TOrbatoPalette::ErzeugeWerkzeugMenu() {
  QMenu* werkzeuge = new QMenu(QStringLiteral("&Werkzeuge"), this);
  fHauptMenues << werkzeuge;
  int taste = Qt::Key_F1;
  const auto naechste = [&] { return QKeySequence(Qt::CTRL | static_cast<Qt::Key>(taste++)); };
  const char* const arten[] = {"Grunddaten", "Deputat", "Plan"};
  for (int art = 0; art < 3; ++art) {
    QAction* a = Eintrag(
        werkzeuge, QString::fromUtf8(arten[art]),
        [this, art] { FensterArtWaehlen(static_cast<TFensterArt>(art)); }, naechste());
    a->setCheckable(true);
    fFensterArtAktionen << a;
  }
  werkzeuge->addSeparator();
  fDokumentAktionen << Eintrag(
      werkzeuge, QStringLiteral("Neuer Kurs"), [this] { NeuerKurs(); }, naechste());
  fKursAktionen << Eintrag(
      werkzeuge, QStringLiteral("Kurs löschen"), [this] { Loeschen(); }, naechste());
  werkzeuge->addSeparator();
  const char* const tools[] = {"Zeigen", "Setzen", "Löschen", "Schieben", "Fixieren"};
  for (int tool = 0; tool < 5; ++tool) {
    QAction* a = Eintrag(
        werkzeuge, QString::fromUtf8(tools[tool]),
        [this, tool] { WerkzeugWaehlen(static_cast<TToolArt>(tool)); }, naechste());
    a->setCheckable(true);
    a->setProperty("werkzeug", tool);
    fWerkzeugAktionen << a;
  }
  werkzeuge->addSeparator();
  fDokumentAktionen << Eintrag(
      werkzeuge, QStringLiteral("Manuell"), [this] { ManuellRechnung(); }, naechste());
  fDokumentAktionen << Eintrag(
      werkzeuge, QStringLiteral("Automatik"), [this] { AutomatikRechnung(); }, naechste());
}

void TOrbatoPalette::ErzeugeDatenMenues() {
  QMenu* daten = new QMenu(QStringLiteral("D&aten"), this);
  fHauptMenues << daten;
  fDokumentAktionen << Eintrag(
      daten, QStringLiteral("Kürzel..."), [this] { KuerzelBearbeiten(); },
      QKeySequence(Qt::CTRL | Qt::Key_K));
  fDokumentAktionen << Eintrag(
      daten, QStringLiteral("Kurse"), [this] { AlleKurseZeigen(); },
      QKeySequence(Qt::CTRL | Qt::Key_U));
  fDokumentAktionen << Eintrag(daten, QStringLiteral("Parallele Kopplungen"), [this] {
    if (TParForm* fenster = ParFormOeffnen(*fSchule, *fStandard, this)) FensterEinsetzen(fenster);
  });
  daten->addSeparator();
  fDokumentAktionen << Eintrag(daten, QStringLiteral("UV-Statistik"),
                               [this] { StatistikZeigen(uvt); });
  fDokumentAktionen << Eintrag(daten, QStringLiteral("Lehrer"), [this] { StatistikZeigen(leh); });
  fDokumentAktionen << Eintrag(daten, QStringLiteral("Klassen"), [this] { StatistikZeigen(kla); });
  fDokumentAktionen << Eintrag(daten, QStringLiteral("Kopplungen"),
                               [this] { StatistikZeigen(kop); });
  fDokumentAktionen << Eintrag(daten, QStringLiteral("Fächer"), [this] { StatistikZeigen(fac); });
  fDokumentAktionen << Eintrag(daten, QStringLiteral("Räume"), [this] { StatistikZeigen(rau); });
  fDokumentAktionen << Eintrag(daten, QStringLiteral("UV-Tabellen"),
                               [this] { StatistikZeigen(uvt); });

  QMenu* plaene = new QMenu(QStringLiteral("&Pläne"), this);
  fHauptMenues << plaene;
  fDokumentAktionen << plaene->menuAction();
  Eintrag(plaene, QStringLiteral("Löschen..."), [this] { PlaeneLoeschen(); });
  Eintrag(plaene, QStringLiteral("Komprimieren"), [this] { Komprimieren(); });
  Eintrag(plaene, QStringLiteral("Optimieren..."), [this] { Optimieren(); });
  Eintrag(plaene, QStringLiteral("Gewichte für Optimieren..."),
          [this] { OptimierGewichteAendern(); });
  Eintrag(plaene, QStringLiteral("Stundenverteilung"),
          [this] { FensterEinsetzen(SVFormOeffnen(*fSchule, *fStandard)); });
  Eintrag(plaene, QStringLiteral("Planqualität..."), [this] { PlanQualitaetZeigen(*this); });
  Eintrag(plaene, QStringLiteral("nicht belegte Räume"), [this] { NichtBelegteRaeume(); });
  Eintrag(plaene, QStringLiteral("später eingetragene Räume"),
          [this] { SpaeterEingetrageneRaeume(); });
  QMenu* uebersichten = new QMenu(QStringLiteral("Ü&bersichten"), this);
  fHauptMenues << uebersichten;
  fDokumentAktionen << uebersichten->menuAction();
  Eintrag(uebersichten, QStringLiteral("Lehrerübersicht"),
          [this] { FensterEinsetzen(UeberFormOeffnen(*fSchule, *fStandard, leh)); });
  Eintrag(uebersichten, QStringLiteral("Klassenübersicht"),
          [this] { FensterEinsetzen(UeberFormOeffnen(*fSchule, *fStandard, kla)); });
  Eintrag(uebersichten, QStringLiteral("Raumübersicht"),
          [this] { FensterEinsetzen(UeberFormOeffnen(*fSchule, *fStandard, rau)); });
  QMenu* vertretung = new QMenu(QStringLiteral("&Vertretung"), this);
  fHauptMenues << vertretung;
  fDokumentAktionen << vertretung->menuAction();
  Eintrag(
      vertretung, QStringLiteral("Heute"), [this] { VertretungHeute(); },
      QKeySequence(Qt::CTRL | Qt::Key_H));
  Eintrag(vertretung, QStringLiteral("Morgen"), [this] { VertretungMorgen(); });
  Eintrag(vertretung, QStringLiteral("anderer Tag"), [this] { VertretungAndererTag(); });
  Eintrag(vertretung, QStringLiteral("Vertretungsstunden"), [this] { VStunden(); });
  Eintrag(vertretung, QStringLiteral("Vertretungsübersicht für Lehrer"),
          [this] { VertretungsUebersicht(leh); });
  Eintrag(vertretung, QStringLiteral("Vertretungsübersicht für Klassen"),
          [this] { VertretungsUebersicht(kla); });
  Eintrag(vertretung, QStringLiteral("wöchentlicher Unterrichtsausfall (NRW)"),
          [this] { WoAusfall(); });
  QMenu* pruefen = new QMenu(QStringLiteral("P&rüfen"), this);
  fHauptMenues << pruefen;
  fDokumentAktionen << pruefen->menuAction();
  for (TPruefung p : kAllePruefungen) {
    QAction* a = Eintrag(pruefen, QtText(MenueText(p)), [this, p] { PlanPruefen(p); });
    if (p == TPruefung::Versionen) fVersionsAktionen << a;
  }
  pruefen->addSeparator();
  Eintrag(pruefen, QStringLiteral("Planqualität..."), [this] { PlanQualitaetZeigen(*this); });

  for (const char* titel : {"Le", "Kl", "Ko", "Fa", "Ra", "UV"}) {
    auto* menu = new QMenu(QString::fromLatin1(titel), this);
    fHauptMenues << menu;
    fKuerzelMenuQt << menu;
  }
}

void TOrbatoPalette::ErzeugeFensterUndHilfe() {
  fFensterMenu = new QMenu(QStringLiteral("&Fenster"), this);
  fHauptMenues << fFensterMenu;
  connect(fFensterMenu, &QMenu::aboutToShow, this, &TOrbatoPalette::FensterMenuFuellen);
  FensterMenuFuellen();
  QMenu* hilfe = new QMenu(QStringLiteral("&Hilfe"), this);
  fHauptMenues << hilfe;
  Eintrag(
      hilfe, QStringLiteral("WinOrbato Hilfe"),
      [this] { HandbuchOeffnen(THandbuchFenster::kHilfeTitel, THandbuchFenster::kHilfeSeite); },
      QKeySequence(Qt::Key_F1));
  Eintrag(hilfe, QStringLiteral("Orbato-Handbuch"), [this] {
    HandbuchOeffnen(THandbuchFenster::kHandbuchTitel, THandbuchFenster::kHandbuchSeite);
  });
  Eintrag(hilfe, QStringLiteral("Updates"), [this] { Updates(); });
  hilfe->addSeparator();
  Eintrag(hilfe, QStringLiteral("Über WinOrbato..."), [this] { UeberWinOrbato(); });
}

// "Anordnung..." and "Zwischenablage", then one entry per open window, the active one checked.
void TOrbatoPalette::FensterMenuFuellen() {
  fFensterMenu->clear();
  Eintrag(fFensterMenu, QStringLiteral("Anordnung..."), [this] { FensterAnordnen(); });
  Eintrag(fFensterMenu, QStringLiteral("Zwischenablage"), [this] { ZwischenablageZeigen(); });
  const QList<QMdiSubWindow*> fenster = fArbeitsflaeche->subWindowList();
  if (!fenster.isEmpty()) fFensterMenu->addSeparator();
  for (QMdiSubWindow* f : fenster) {
    QAction* a = fFensterMenu->addAction(f->windowTitle());
    a->setCheckable(true);
    a->setChecked(f == fArbeitsflaeche->activeSubWindow());
    connect(a, &QAction::triggered, this, [this, f] { fArbeitsflaeche->setActiveSubWindow(f); });
  }
}

}  // namespace orbato
