#include "ui/hauptfenster/orbatopalette.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <cmath>

#include "model/fenster/fensterarten.h"
#include "persist/standardspeicher.h"
#include "platform/qttext.h"
#include "platform/qttextmass.h"
#include "ui/bausteine/bildschirm.h"
#include "ui/bausteine/zeiger.h"
#include "ui/hauptfenster/anordnungsdialog.h"
#include "ui/hauptfenster/kennwortdialog.h"
#include "ui/hauptfenster/menuedaten.h"
#include "ui/hauptfenster/programminfo.h"
#include "ui/hauptfenster/zwischenablagefenster.h"
#include "ui/plaene/planfenster.h"
#include "ui/voreinstellungen/kennwortaendern.h"

namespace orbato {

namespace {
// How often the save reminder looks at the clock while the program is idle.
constexpr int kErinnerungsTakt = 1000;
// Where the main window's size is kept, apart from the settings of the program's own keys.
const std::string kOberflaecheSchluessel = "Oberflaeche";
const std::string kHauptfensterWert = "Hauptfenster";
}  // namespace

TOrbatoPalette::TOrbatoPalette(Einstellungsspeicher& speicher, const Uhr& uhr, QWidget* eltern)
    : QMainWindow(eltern),
      fSpeicher(speicher),
      fUhr(uhr),
      fStartDir(QDir::currentPath() + QDir::separator()),
      fStandard(std::make_unique<TStandard>(uhr.Jetzt())) {
  fFehlerZeigen = [this](const QString& text) {
    fDialoge.Nachricht("Fehler", {ModellText(text)}, TMeldungsArt::Fehler);
  };
  fBindung = std::make_unique<TPlanBindung>(fDialoge, fUhr, std::string());
  fArbeitsflaeche = new QMdiArea(this);
  setCentralWidget(fArbeitsflaeche);
  fErsterStart = !EinstellungenVorhanden(fSpeicher);
  LoadStandard(*fStandard, fSpeicher);
  fStandardEingesetzt = std::make_unique<TStandardEinsetzen>(*fStandard);
  FaerbeHintergrund();
  ErzeugeMenues();
  ErzeugePalette();
  PaletteAnordnen();
  DokumentEinsetzen(std::make_unique<TSchule>());
  fWartend->fBeschaeftigt = [this] { return fDokumentOffen && schule().fVerlauf.SchrittOffen(); };
  DateiBefehleSetzen(false);
  KuerzelMenuesAnlegen();
  // The status line is there from the start, so that the work area does not jump when the first
  // command reports in it.
  statusBar()->setObjectName(QStringLiteral("statuszeile"));
  resize(900, 620);
  const bool maximiert = GroesseLaden();
  PaletteVerschieben();
  // Last: moving and fitting a maximised window would make it normal again.
  if (maximiert) setWindowState(windowState() | Qt::WindowMaximized);
  ZeigerLaden();
  PaletteAktualisieren();
  TitelSetzen();

  auto* takt = new QTimer(this);
  connect(takt, &QTimer::timeout, this, &TOrbatoPalette::SpeicherErinnerung);
  takt->start(kErinnerungsTakt);
  fWiederherstellTakt = new QTimer(this);
  connect(fWiederherstellTakt, &QTimer::timeout, this,
          &TOrbatoPalette::WiederherstellTaktAbgelaufen);
  WiederherstellTaktStellen();
  connect(qApp, &QApplication::applicationStateChanged, this,
          [this](Qt::ApplicationState zustand) { fAktiv = zustand == Qt::ApplicationActive; });
  FensterWegeAnlegen();
  connect(fArbeitsflaeche, &QMdiArea::subWindowActivated, this, [this] { PaletteAktualisieren(); });
}

TOrbatoPalette::~TOrbatoPalette() {
  FensterAlleSchliessen();
}

// The tool buttons and the window-kind buttons, each a radio group, and the plan-version button.
void TOrbatoPalette::ErzeugePalette() {
  fPalette = new QToolBar(QStringLiteral("Palette"), this);
  fPalette->setObjectName(QStringLiteral("Palette"));
  fPalette->setMovable(false);
  fPalette->setToolButtonStyle(Qt::ToolButtonTextOnly);
  fWerkzeuge = new QActionGroup(this);
  const char* const tools[] = {"Zeigen", "Setzen", "Löschen", "Schieben", "Fixieren"};
  for (int tool = 0; tool < 5; ++tool) {
    QAction* a = fWerkzeuge->addAction(QString::fromUtf8(tools[tool]));
    a->setCheckable(true);
    a->setData(tool);
    connect(a, &QAction::triggered, this,
            [this, tool] { WerkzeugWaehlen(static_cast<TToolArt>(tool)); });
    fPalette->addAction(a);
  }
  fPalette->addSeparator();
  fFensterArten = new QActionGroup(this);
  const char* const arten[] = {"Grunddaten", "Deputate", "Pläne"};
  for (int art = 0; art < 3; ++art) {
    QAction* a = fFensterArten->addAction(QString::fromUtf8(arten[art]));
    a->setCheckable(true);
    a->setData(art);
    connect(a, &QAction::triggered, this,
            [this, art] { FensterArtWaehlen(static_cast<TFensterArt>(art)); });
    fPalette->addAction(a);
  }
  fPalette->addSeparator();
  fVersionsKnopf = new QToolButton(this);
  fVersionsKnopf->setObjectName(QStringLiteral("Planversion"));
  fVersionsKnopf->setToolTip(QStringLiteral("Planversion"));
  fVersionsKnopf->setMinimumWidth(32);
  connect(fVersionsKnopf, &QToolButton::clicked, this, [this] {
    if (QApplication::keyboardModifiers() & Qt::ControlModifier) {
      fStandard->fEineWoche = !fStandard->fEineWoche;
      PaletteAktualisieren();
      fSchule->AlleFensterUpdate();
    } else {
      VersionsMenuZeigen();
    }
  });
  fPalette->addWidget(fVersionsKnopf);
}

// fPaletteSchalter 0 to 2: a menu bar with the palette above, left of or below the workspace;
// 3 to 6: every menu folded into one entry "Menu", the palette above, left, right or below.
void TOrbatoPalette::PaletteAnordnen() {
  const int schalter = fStandard->fPaletteSchalter;
  static constexpr Qt::ToolBarArea kOrte[] = {
      Qt::TopToolBarArea,  Qt::LeftToolBarArea,  Qt::BottomToolBarArea, Qt::TopToolBarArea,
      Qt::LeftToolBarArea, Qt::RightToolBarArea, Qt::BottomToolBarArea};
  addToolBar(kOrte[schalter >= 0 && schalter <= 6 ? schalter : 0], fPalette);
  menuBar()->clear();
  if (schalter >= 3 && schalter <= 6) {
    fFaltMenu = menuBar()->addMenu(QStringLiteral("Menu"));
    for (QMenu* m : fHauptMenues) fFaltMenu->addMenu(m);
  } else {
    for (QMenu* m : fHauptMenues) menuBar()->addMenu(m);
  }
}

// A stored position off the screen, after a change of monitor, is replaced by 0 on that axis.
void TOrbatoPalette::PaletteVerschieben() {
  const QScreen* bildschirm = screen() ? screen() : QGuiApplication::primaryScreen();
  const QRect flaeche = bildschirm ? bildschirm->geometry() : QRect(0, 0, 1024, 768);
  int links = fStandard->fPaletteLinks;
  int oben = fStandard->fPaletteTop;
  if (links < 0 || links > flaeche.width() - 50) links = 0;
  if (oben < 0 || oben > flaeche.height() - 50) oben = 0;
  move(links, oben);
  // A window that hangs below the screen hides the lower part of every window inside it.
  AufDenBildschirm(*this);
}

// The main window's size belongs to the planner's screen, not to the school: it is kept in a key
// of its own beside the settings, as "width,height" and ",max" while maximised. Answers whether it
// was left maximised.
bool TOrbatoPalette::GroesseLaden() {
  fSpeicher.OeffneSchluessel(kOberflaecheSchluessel);
  const QStringList teile =
      QString::fromStdString(fSpeicher.LiesWert(kHauptfensterWert)).split(QLatin1Char(','));
  if (teile.size() < 2) return false;
  bool breiteOk = false;
  bool hoeheOk = false;
  const QSize groesse(teile.at(0).toInt(&breiteOk), teile.at(1).toInt(&hoeheOk));
  if (!breiteOk || !hoeheOk) return false;
  resize(groesse.expandedTo(QSize(320, 240)));
  return teile.size() > 2 && teile.at(2) == QStringLiteral("max");
}

void TOrbatoPalette::GroesseSichern() {
  const QSize groesse = isMaximized() ? normalGeometry().size() : size();
  fSpeicher.OeffneSchluessel(kOberflaecheSchluessel);
  fSpeicher.SchreibeWert(kHauptfensterWert, std::to_string(groesse.width()) + "," +
                                                std::to_string(groesse.height()) +
                                                (isMaximized() ? ",max" : ""));
}

// The workspace shows the stored colour while the background is switched on.
void TOrbatoPalette::FaerbeHintergrund() {
  if (fStandard->fHintergrundAn) {
    fArbeitsflaeche->setBackground(QtFarbe(fStandard->fHintergrundFarbe));
  }
}

void TOrbatoPalette::TitelSetzen() {
  QString titel = ProgrammTitel();
  if (fDokumentOffen) {
    const QString name =
        fUmgewandelt ? QStringLiteral("Ohne Titel") : QtText(fSchule->fDateiName.str());
    titel += QStringLiteral(" [") + name + QLatin1Char(']');
    if (fSchule->IsDirty()) titel += QLatin1Char('*');
    if (fBindung->Schreibgeschuetzt()) titel += QStringLiteral(" [schreibgeschützt]");
  }
  setWindowTitle(titel);
}

// The plan and teaching-load columns fit the document's short names and period labels.
void TOrbatoPalette::SpaltenBerechnen() {
  TQtTextMass mass;
  BerechnePlnBreite(*fStandard, mass);
  BerechneDepBreite(*fStandard, mass);
}

void TOrbatoPalette::KuerzelMenuesAnlegen() {
  SpaltenBerechnen();
  fKuerzelMenues = orbato::KuerzelMenuesAnlegen(*fSchule, fDialoge,
                                                [this](TElement* e) { ElementFensterOeffnen(e); });
  static constexpr TKuerzelArt kArten[] = {leh, kla, kop, fac, rau, uvt};
  for (int i = 0; i < 6; ++i) {
    MenuFuellen(fKuerzelMenuQt[i], fKuerzelMenues.Von(kArten[i]));
  }
}

TMenu TOrbatoPalette::VersionsMenuDaten() {
  return VersionsMenu(*fStandard, [this](int) {
    PaletteAktualisieren();
    fSchule->AlleFensterUpdate();
  });
}

void TOrbatoPalette::VersionsMenuZeigen() {
  MenuUnterKnopf(VersionsMenuDaten(), fVersionsKnopf);
}

// Black in single-version mode, red while edits go to every version.
void TOrbatoPalette::VersionsKnopfAktualisieren() {
  fVersionsKnopf->setText(QString::number(fStandard->fAktuelleWoche));
  QPalette farben = fVersionsKnopf->palette();
  farben.setColor(QPalette::ButtonText, fStandard->fEineWoche ? Qt::black : Qt::red);
  fVersionsKnopf->setPalette(farben);
}

void TOrbatoPalette::PaletteAktualisieren() {
  VersionsKnopfAktualisieren();
  for (QAction* a : fVersionsAktionen) {
    a->setEnabled(!a->property("ohneBefehl").toBool() && fStandard->fMaxWocheNeu != 1);
  }
  // The tools of the active window; a tool that does nothing there gives way to "Zeigen".
  const Fenster* aktiv = DokumentFenster(fArbeitsflaeche->activeSubWindow());
  const int art = aktiv ? aktiv->FensterArt() : Nr(TFensterTyp::KeinFenster);
  for (QAction* a : fWerkzeuge->actions()) a->setEnabled(WerkzeugErlaubt(art, a->data().toInt()));
  for (QAction* a : fWerkzeugAktionen) {
    a->setEnabled(WerkzeugErlaubt(art, a->property("werkzeug").toInt()));
  }
  if (!WerkzeugErlaubt(art, fSchule->fToolArt)) fSchule->SetToolArt(ZeigTool);
  fKopieren->setEnabled(FensterTypDaten(art).fKopieren);
  for (QAction* a : fKursAktionen) a->setEnabled(FensterTypDaten(art).fKursBefehle);
  const TToolArt tool = fSchule->fToolArt;
  for (QAction* a : fWerkzeuge->actions()) a->setChecked(a->data().toInt() == tool);
  for (QAction* a : fWerkzeugAktionen) a->setChecked(a->property("werkzeug").toInt() == tool);
  for (QAction* a : fFensterArten->actions())
    a->setChecked(a->data().toInt() == fSchule->fFensterArt);
  for (int i = 0; i < fFensterArtAktionen.size(); ++i) {
    fFensterArtAktionen[i]->setChecked(i == fSchule->fFensterArt);
  }
  fArbeitsflaeche->setCursor(WerkzeugZeiger(tool));
}

void TOrbatoPalette::WerkzeugWaehlen(TToolArt art) {
  fSchule->SetToolArt(art);
  PaletteAktualisieren();
}

void TOrbatoPalette::FensterArtWaehlen(TFensterArt art) {
  fSchule->SetFensterArt(art);
  PaletteAktualisieren();
}

bool TOrbatoPalette::KennwortPruefen() {
  if (!KennwortGesetzt(*fStandard)) return true;
  TKennwortDialog dialog(this);
  return dialog.exec() == QDialog::Accepted &&
         KennwortStimmt(*fStandard, ModellText(dialog.Eingabe()));
}

void TOrbatoPalette::StartDatei(const QString& pfad) {
  if (!pfad.isEmpty()) {
    Oeffnen(pfad);
  } else if (!UnbenannteWiederherstellen()) {
    OeffnenWaehlen();
  }
}

// Idle time: at most one reminder on screen, and the clock is reset even when there is nothing
// to save.
void TOrbatoPalette::SpeicherErinnerung() {
  if (fStandard->fSpeicherZeit <= 0 || fSpeicherMeldungDa || !TWartendeBefehle::Ruhig()) return;
  const TDatumZeit jetzt = fUhr.Jetzt();
  const double tage = jetzt - std::floor(jetzt) - fStandard->fSaveZeit;
  // The stored time is a time of day; past midnight the day starts over.
  if (tage >= 0 && tage <= fStandard->fSpeicherZeit / 1440.0) return;
  fStandard->fSaveZeit = jetzt - std::floor(jetzt);
  if (!fDokumentOffen || !fSchule->IsDirty()) return;
  fSpeicherMeldungDa = true;
  switch (fSchule->FrageSichern()) {
    case TSichernAntwort::Ja:
      Sichern();
      break;
    case TSichernAntwort::AndererName:
      SichernUnter();
      break;
    case TSichernAntwort::Nein:
      break;
  }
  fSpeicherMeldungDa = false;
}

void TOrbatoPalette::keyPressEvent(QKeyEvent* ereignis) {
  if (ereignis->key() == Qt::Key_Shift) fShift = true;
  QMainWindow::keyPressEvent(ereignis);
}

void TOrbatoPalette::keyReleaseEvent(QKeyEvent* ereignis) {
  if (ereignis->key() == Qt::Key_Shift) fShift = false;
  QMainWindow::keyReleaseEvent(ereignis);
}

void TOrbatoPalette::closeEvent(QCloseEvent* ereignis) {
  // The program may not close under an open menu whose command would then act on nothing.
  if (ElementMenuOffen()) {
    ereignis->ignore();
    return;
  }
  if (fDokumentOffen && fSchule->IsDirty()) {
    // A save that did not happen keeps the program open: leaving would lose the work.
    if (!SichernGefragt("WinOrbato beenden?")) {
      ereignis->ignore();
      return;
    }
    fSchule->SetDirty(false);
  }
  if (fDokumentOffen) DateiSchliessen();
  if (!fGesichert) {
    fStandard->fPaletteLinks = pos().x();
    fStandard->fPaletteTop = pos().y();
    GroesseSichern();
    SaveStandard(*fStandard, fSpeicher);
    fGesichert = true;
  }
  ereignis->accept();
}

void TOrbatoPalette::KennwortAendern() {
  TKennwortAendernDialog dialog(*fStandard, this);
  dialog.exec();
}

void TOrbatoPalette::AktivesFensterSchliessen() {
  QWidget* aktiv = QApplication::activeWindow();
  if (aktiv != nullptr && aktiv != this && !aktiv->isModal()) {
    aktiv->close();
  } else if (QMdiSubWindow* f = fArbeitsflaeche->currentSubWindow()) {
    // The workspace's current window, even while another program has the focus.
    f->close();
  }
}

void TOrbatoPalette::FensterAnordnen() {
  TAnordnungsDialog dialog(fStandard->fFensterOrd, this);
  if (dialog.exec() != QDialog::Accepted) return;
  fStandard->fFensterOrd = dialog.Anordnung();
  if (fStandard->fFensterOrd == 2) {
    fArbeitsflaeche->tileSubWindows();
  } else {
    fArbeitsflaeche->cascadeSubWindows();
  }
}

void TOrbatoPalette::ZwischenablageZeigen() {
  for (QMdiSubWindow* f : fArbeitsflaeche->subWindowList()) {
    if (const Fenster* d = DokumentFenster(f);
        d && d->FensterArt() == Nr(TFensterTyp::Zwischenablage)) {
      fArbeitsflaeche->setActiveSubWindow(f);
      return;
    }
  }
  FensterEinsetzen(new TZwischenablageFenster)->resize(420, 300);
}

}  // namespace orbato
