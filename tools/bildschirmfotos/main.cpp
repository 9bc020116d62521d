// Pictures of the program for the documentation and for a look at every build: starts the main
// window on a plan file, opens each dialog and window kind in turn and writes one PNG of each
// into the folder given. Meant for the offscreen platform; touches no settings of the user.
#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <deque>
#include <functional>
#include <string>

#include "html/planhtml.h"
#include "model/einstellungen/standard.h"
#include "model/elemente/fach.h"
#include "model/elemente/klasse.h"
#include "model/elemente/kopplung.h"
#include "model/elemente/lehrer.h"
#include "model/kurse/kurs.h"
#include "model/kurse/setzung.h"
#include "model/schnittstellen/uhr.h"
#include "model/uv/uvtab.h"
#include "model/vertretung/kalender.h"
#include "model/woche/versionen.h"
#include "placement/regeln.h"
#include "placement/tausch.h"
#include "platform/qsettingsspeicher.h"
#include "platform/qtuebersetzung.h"
#include "print/druckauftrag.h"
#include "print/plandruck.h"
#include "print/prevprinter.h"
#include "substitution/fehlzeiten.h"
#include "substitution/vertretungswahl.h"
#include "ui/bausteine/qtdialoge.h"
#include "ui/befehle/gpudialog.h"
#include "ui/drucken/druckausgabe.h"
#include "ui/drucken/htmlexportfenster.h"
#include "ui/drucken/listendruckdialog.h"
#include "ui/drucken/plandruckdialog.h"
#include "ui/drucken/uebersichtdruckdialog.h"
#include "ui/drucken/vdeinstellungsdialog.h"
#include "ui/hauptfenster/fensterwege.h"
#include "ui/hauptfenster/handbuchfenster.h"
#include "ui/hauptfenster/kennwortdialog.h"
#include "ui/hauptfenster/menuedaten.h"
#include "ui/hauptfenster/orbatopalette.h"
#include "ui/hauptfenster/startbild.h"
#include "ui/plaene/manuellfenster.h"
#include "ui/plaene/parfenster.h"
#include "ui/plaene/parstartdialog.h"
#include "ui/plaene/planloeschdialog.h"
#include "ui/plaene/uebersichtfenster.h"
#include "ui/stammdaten/deputatfenster.h"
#include "ui/stammdaten/kuerzeldialog.h"
#include "ui/stammdaten/sperrraster.h"
#include "ui/vertretung/fehlfenster.h"
#include "ui/vertretung/vertretungshtmldialog.h"
#include "ui/vertretung/vertretungswahlfenster.h"
#include "ui/vertretung/vuebersichtfenster.h"
#include "ui/voreinstellungen/anzeigevorgaben.h"
#include "ui/voreinstellungen/automatikvoreinstellung.h"
#include "ui/voreinstellungen/schulwochedialog.h"
#include "ui/voreinstellungen/stundenzeitendialog.h"
#include "ui/voreinstellungen/versionsdialog.h"

namespace {

using orbato::TOrbatoPalette;

// The button of a window with that caption.
QAbstractButton* Knopf(QWidget* fenster, const QString& text) {
  for (QAbstractButton* b : fenster->findChildren<QAbstractButton*>()) {
    if (b->text() == text) return b;
  }
  return nullptr;
}

// Photographs each modal window as it comes up, then closes it the way that changes nothing.
class TFotograf : public QObject {
 public:
  explicit TFotograf(QDir ziel) : fZiel(std::move(ziel)) {
    connect(&fTakt, &QTimer::timeout, this, [this] { Pruefe(); });
    fTakt.start(20);
  }

  // The next modal window is saved as `name`.png; `vorher` may fill it in first and take over
  // closing it by answering true.
  void Erwarte(QString name, std::function<bool(QWidget*)> vorher = {}) {
    fNamen.push_back({std::move(name), std::move(vorher)});
  }

  bool Speichere(QWidget* fenster, const QString& name) {
    const QString datei = fZiel.filePath(name + QStringLiteral(".png"));
    const bool ok = fenster->grab().save(datei);
    std::printf("%s %s\n", ok ? "geschrieben" : "FEHLER", qPrintable(datei));
    if (!ok) fFehler = true;
    return ok;
  }

  bool fFehler = false;

 private:
  void Pruefe() {
    QWidget* fenster = QApplication::activeModalWidget();
    if (fenster == nullptr || !fenster->isVisible()) return;
    if (fenster->objectName() == QStringLiteral("Fortschritt")) return;
    for (const QPointer<QWidget>& f : fErledigt) {
      if (f == fenster) return;
    }
    fErledigt.push_back(fenster);
    if (fNamen.empty()) {
      std::printf("FEHLER unerwartetes Fenster %s\n", qPrintable(fenster->windowTitle()));
      fFehler = true;
      QTimer::singleShot(0, fenster, [fenster] { orbato::SchliesseOhneAenderung(fenster); });
      return;
    }
    auto [name, vorher] = std::move(fNamen.front());
    fNamen.pop_front();
    QPointer<QWidget> ziel(fenster);
    QTimer::singleShot(50, fenster, [this, ziel, name, vorher] {
      if (!ziel) return;
      if (vorher && vorher(ziel)) return;
      Speichere(ziel, name);
      orbato::SchliesseOhneAenderung(ziel);
    });
  }

  QDir fZiel;
  QTimer fTakt;
  std::deque<std::pair<QString, std::function<bool(QWidget*)>>> fNamen;
  std::vector<QPointer<QWidget>> fErledigt;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication anwendung(argc, argv);
  orbato::QtDeutschLaden(anwendung);
  if (argc != 3) {
    std::fprintf(stderr, "Aufruf: winorbato_bilder PLANDATEI ORDNER\n");
    return 2;
  }
  QDir ziel(QString::fromLocal8Bit(argv[2]));
  if (!ziel.mkpath(QStringLiteral("."))) {
    std::fprintf(stderr, "Der Ordner %s kann nicht angelegt werden.\n", argv[2]);
    return 1;
  }
  QTemporaryDir einstellungen;
  orbato::TQSettingsSpeicher speicher(einstellungen.filePath(QStringLiteral("e.ini")));
  orbato::TSystemUhr uhr;
  TOrbatoPalette palette(speicher, uhr);
  palette.resize(1000, 700);
  palette.show();
  TFotograf fotograf(ziel);
  fotograf.Speichere(&palette, QStringLiteral("hauptfenster_leer"));
  {
    const QString datei = ziel.filePath(QStringLiteral("startbild.png"));
    fotograf.fFehler |= !orbato::Startbild().save(datei);
  }
  fotograf.Erwarte(QStringLiteral("kennworteingabe"));
  orbato::TKennwortDialog(&palette).exec();

  if (!palette.Oeffnen(QString::fromLocal8Bit(argv[1]))) return 1;
  fotograf.Speichere(&palette, QStringLiteral("hauptfenster"));
  // A teacher's, a class's and a room's plan side by side.
  const orbato::TSchule& schule = palette.schule();
  palette.ElementFensterOeffnen(schule.fLehrerMenge.ListeNrInhalt(1), orbato::PFenster);
  palette.ElementFensterOeffnen(schule.fKlassenMenge.ListeNrInhalt(1), orbato::PFenster);
  palette.ElementFensterOeffnen(schule.fRaumMenge.ListeNrInhalt(1), orbato::PFenster);
  palette.Arbeitsflaeche()->tileSubWindows();
  QApplication::processEvents();
  fotograf.Speichere(&palette, QStringLiteral("plaene"));
  // A teacher's teaching load beside the course window of its first course, then "alle Kurse".
  palette.Arbeitsflaeche()->closeAllSubWindows();
  orbato::TLehrer* lehrer = schule.fLehrerMenge.ListeNrInhalt(1);
  palette.ElementFensterOeffnen(lehrer, orbato::DFenster);
  orbato::KursFensterZeigen(palette.schule(), palette.standard(), lehrer->fKurse.ListeNrInhalt(1),
                            &lehrer->fKurse);
  palette.Arbeitsflaeche()->tileSubWindows();
  QApplication::processEvents();
  fotograf.Speichere(&palette, QStringLiteral("deputat_und_kurs"));
  palette.Arbeitsflaeche()->closeAllSubWindows();
  palette.AlleKurseZeigen()->showMaximized();
  QApplication::processEvents();
  fotograf.Speichere(&palette, QStringLiteral("alle_kurse"));
  palette.Arbeitsflaeche()->closeAllSubWindows();
  palette.StatistikZeigen(orbato::leh);
  palette.StatistikZeigen(orbato::kla);
  palette.Arbeitsflaeche()->tileSubWindows();
  QApplication::processEvents();
  fotograf.Speichere(&palette, QStringLiteral("statistik"));
  palette.Arbeitsflaeche()->closeAllSubWindows();
  // Every teacher's plan side by side.
  palette
      .FensterEinsetzen(orbato::UeberFormOeffnen(palette.schule(), palette.standard(), orbato::leh))
      ->showMaximized();
  QApplication::processEvents();
  fotograf.Speichere(&palette, QStringLiteral("lehreruebersicht"));
  palette.Arbeitsflaeche()->closeAllSubWindows();
  // The statistics of subjects, rooms and distribution tables, and the hour distribution.
  palette.StatistikZeigen(orbato::fac);
  palette.StatistikZeigen(orbato::rau);
  palette.StatistikZeigen(orbato::uvt);
  palette.Arbeitsflaeche()->tileSubWindows();
  QApplication::processEvents();
  fotograf.Speichere(&palette, QStringLiteral("statistik_faecher_raeume_uv"));
  palette.Arbeitsflaeche()->closeAllSubWindows();
  palette.Aktion({QStringLiteral("Pläne"), QStringLiteral("Stundenverteilung")})->trigger();
  if (QMdiSubWindow* sv = palette.Arbeitsflaeche()->activeSubWindow()) sv->showMaximized();
  QApplication::processEvents();
  fotograf.Speichere(&palette, QStringLiteral("stundenverteilung"));
  palette.Arbeitsflaeche()->closeAllSubWindows();
  palette.Aktion({QStringLiteral("Pläne"), QStringLiteral("Planqualität...")})->trigger();
  QApplication::processEvents();
  fotograf.Speichere(&palette, QStringLiteral("planqualitaet"));
  palette.Arbeitsflaeche()->closeAllSubWindows();
  // The display preferences, the about box and a page of the manual.
  fotograf.Erwarte(QStringLiteral("voreinstellung_plaene"));
  orbato::TPlanVorgabenDialog(palette.standard(), &palette).exec();
  fotograf.Erwarte(QStringLiteral("voreinstellung_deputate"));
  orbato::TDeputatVorgabenDialog(palette.standard(), &palette).exec();
  fotograf.Erwarte(QStringLiteral("ueber_winorbato"));
  palette.Aktion({QStringLiteral("Hilfe"), QStringLiteral("Über WinOrbato...")})->trigger();
  palette.Aktion({QStringLiteral("Hilfe"), QStringLiteral("Orbato-Handbuch")})->trigger();
  if (auto* handbuch = palette.findChild<orbato::THandbuchFenster*>()) {
    handbuch->resize(900, 700);
    QApplication::processEvents();
    fotograf.Speichere(handbuch, QStringLiteral("handbuch"));
    handbuch->close();
  }
  // The weekly cancellation report of the week it last showed.
  if (QMdiSubWindow* ausfall = palette.WoAusfall()) ausfall->showMaximized();
  QApplication::processEvents();
  fotograf.Speichere(&palette, QStringLiteral("unterrichtsausfall"));
  palette.Arbeitsflaeche()->closeAllSubWindows();
  // A teacher absent all morning on the next school day on which he teaches, the next teacher
  // entered for his first lesson: the balances, the teachers' overview of that week and the
  // substitution preferences.
  {
    orbato::TDatumZeit tag = orbato::Mittag(uhr.Jetzt());
    while (!orbato::Schultag(tag)) tag += 1;
    const auto unterrichtet = [&](const orbato::TLehrer* l) {
      for (const orbato::TKurs* k : l->fKurse) {
        for (const orbato::TSetzung* s : k->fSetzungen) {
          if (s->fWoche == orbato::PlanVersionAm(tag) && s->fTag == orbato::Wochentag(tag) &&
              s->fStunde <= 6)
            return true;
        }
      }
      return false;
    };
    int32_t nr = 1;
    while (nr < schule.fLehrerMenge.ListeZahlElemente() &&
           !unterrichtet(schule.fLehrerMenge.ListeNrInhalt(nr)))
      ++nr;
    orbato::TLehrer* fehlt = schule.fLehrerMenge.ListeNrInhalt(nr);
    orbato::TFehlForm form(palette.schule(), palette.standard(), orbato::leh, tag);
    form.ElementHinzufuegen(fehlt);
    form.SetStunden(form.ZeileVon(fehlt), "++++++");
    form.Ok();
    if (orbato::TVertretung* v = palette.schule().fVertretungsMenge.ListeNrInhalt(1)) {
      // Whatever the entry asks is answered "Ja" for the picture.
      orbato::TSkriptDialoge ja;
      palette.schule().SetDialoge(&ja);
      v->TrageLehrerEin(
          schule.fLehrerMenge.ListeNrInhalt(nr % schule.fLehrerMenge.ListeZahlElemente() + 1));
      palette.schule().SetDialoge(&palette.dialoge());
    }
    if (QMdiSubWindow* stunden = palette.VStunden()) stunden->showMaximized();
    QApplication::processEvents();
    fotograf.Speichere(&palette, QStringLiteral("vertretene_stunden"));
    palette.Arbeitsflaeche()->closeAllSubWindows();
    const orbato::TDatumZeit montag = tag - (orbato::Wochentag(tag) - 1);
    QMdiSubWindow* uebersicht = palette.VertretungsUebersicht(orbato::leh, montag, montag + 6);
    uebersicht->showMaximized();
    qobject_cast<orbato::TVUebForm*>(uebersicht->widget())->Raster()->setCurrentCell(nr - 1, 0);
    QApplication::processEvents();
    fotograf.Speichere(&palette, QStringLiteral("vertretungsuebersicht_lehrer"));
    palette.Arbeitsflaeche()->closeAllSubWindows();
    fotograf.Erwarte(QStringLiteral("vertretung_voreinstellung"));
    palette.VertretungAendern();
  }
  // The proposal window over the first record of a teacher absent for a whole day, in teacher
  // and in room mode; the absence goes again afterwards.
  {
    const orbato::TDatumZeit montag = 46090.5;  // 2026-03-09
    for (orbato::TDatumZeit datum = montag; datum < montag + 28; ++datum) {
      if (!orbato::Schultag(datum)) continue;
      orbato::TVertretung* v = nullptr;
      orbato::TLehrer* krank = nullptr;
      for (orbato::TLehrer* l : schule.fLehrerMenge) {
        orbato::TFehlForm form(palette.schule(), palette.standard(), orbato::leh, datum);
        form.ElementHinzufuegen(l);
        form.SetStunden(0, std::string(16, '+'));
        form.Ok();
        for (orbato::TVertretung* r : orbato::VertretungenDesTages(schule, datum, false))
          v = v ? v : r;
        krank = l;
        if (v) break;
        orbato::TFehlForm zurueck(palette.schule(), palette.standard(), orbato::leh, datum);
        zurueck.SetStunden(zurueck.ZeileVon(l), std::string(16, '-'));
        zurueck.Ok();
      }
      if (!v) continue;
      orbato::TVertrWahlForm* wahl =
          orbato::VertretungswahlZeigen(orbato::Schule(), orbato::Standard(), v);
      wahl->parentWidget()->showMaximized();
      QApplication::processEvents();
      fotograf.Speichere(&palette, QStringLiteral("vertretungswahl_lehrer"));
      wahl->Wahl().SetModus(orbato::TVertretungsWahl::TModus::Raum);
      wahl->FensterUpdate();
      QApplication::processEvents();
      fotograf.Speichere(&palette, QStringLiteral("vertretungswahl_raum"));
      wahl->FensterSchliessen();
      orbato::TFehlForm zurueck(palette.schule(), palette.standard(), orbato::leh, datum);
      zurueck.SetStunden(zurueck.ZeileVon(krank), std::string(16, '-'));
      zurueck.Ok();
      break;
    }
  }
  // The substitution window of today, or of the next school day: the first two teachers with
  // lessons that day absent in the morning, one lesson cancelled with a remark.
  {
    orbato::TDatumZeit tag = orbato::HeuteMittag();
    while (!orbato::Schultag(tag)) tag += 1;
    const int32_t woche = orbato::PlanVersionAm(tag);
    const int32_t wochentag = orbato::Wochentag(tag);
    int fehlend = 0;
    for (orbato::TLehrer* l : schule.fLehrerMenge) {
      if (fehlend == 2) break;
      if (!l->fBesetzung.GetWocheTagStd(woche, wochentag, 1)) continue;
      orbato::TFehlForm form(palette.schule(), palette.standard(), orbato::leh, tag);
      if (form.ZeileVon(l) < 0) form.ElementHinzufuegen(l);  // one may be absent already
      form.SetStunden(form.ZeileVon(l), "++++");
      form.Ok();
      ++fehlend;
    }
    if (orbato::TVertretung* v = palette.schule().fVertretungsMenge.ListeNrInhalt(1)) {
      v->Frei();
      v->SetSInfo("Aufgaben im Klassenbuch");
    }
    if (QMdiSubWindow* vertretungen = palette.VertretungZeigen(tag)) vertretungen->showMaximized();
    QApplication::processEvents();
    fotograf.Speichere(&palette, QStringLiteral("vertretungen"));
    // The print dialog of that day, from the menu while the window is active, with a remark;
    // then its first layout. Both closed without storing.
    fotograf.Erwarte(QStringLiteral("vertretungsdruck"), [&](QWidget* fenster) {
      if (auto* bemerkung = fenster->findChild<QPlainTextEdit*>()) {
        bemerkung->setPlainText(QStringLiteral("Die 6. Stunde endet heute um 12.45 Uhr."));
      }
      fotograf.Speichere(fenster, QStringLiteral("vertretungsdruck"));
      fotograf.Erwarte(QStringLiteral("vertretungsdruck_einstellung"));
      if (QAbstractButton* einstellung = Knopf(fenster, QStringLiteral("Einstellung &1"))) {
        einstellung->click();
      }
      orbato::SchliesseOhneAenderung(fenster);
      return true;
    });
    palette.Aktion({"Datei", "Drucken", "Vertretung", "Vertretungsplan..."})->trigger();
    palette.Arbeitsflaeche()->closeAllSubWindows();
  }
  // A teacher's and a class's master data side by side.
  palette.ElementFensterOeffnen(lehrer, orbato::GFenster);
  palette.ElementFensterOeffnen(schule.fKlassenMenge.ListeNrInhalt(1), orbato::GFenster);
  palette.Arbeitsflaeche()->tileSubWindows();
  QApplication::processEvents();
  fotograf.Speichere(&palette, QStringLiteral("grunddaten_lehrer_und_klasse"));
  palette.Arbeitsflaeche()->closeAllSubWindows();
  // A distribution table of the fifth classes, both ways round, and its set-up window.
  auto* tabelle = new orbato::TUVTab;
  tabelle->SetKuerzel("UV5");
  palette.schule().fUVTabMenge.ListeAnhaengen(tabelle);
  for (orbato::TKlasse* k : schule.fKlassenMenge) {
    if (k->fKuerzel.str().rfind('5', 0) == 0) tabelle->NeueKlasse(k);
  }
  for (orbato::TFach* f : schule.fFachMenge) tabelle->NeuesFach(f);
  for (orbato::TLehrer* l : schule.fLehrerMenge) {
    for (const orbato::TKurs* k : l->fKurse) {
      if (k->ErsteKlasse() && tabelle->fKlassen.ListeElemNr(k->ErsteKlasse()) > 0) {
        tabelle->NeuerLehrer(l);
        break;
      }
    }
  }
  tabelle->SetIstFach(true);
  palette.ElementFensterOeffnen(tabelle, orbato::DFenster)->showMaximized();
  QApplication::processEvents();
  fotograf.Speichere(&palette, QStringLiteral("uv_klassen_faecher"));
  tabelle->SetIstFach(false);
  tabelle->fDepFenster->FensterUpdate();
  QApplication::processEvents();
  fotograf.Speichere(&palette, QStringLiteral("uv_lehrer_klassen"));
  palette.Arbeitsflaeche()->closeAllSubWindows();
  palette.ElementFensterOeffnen(tabelle, orbato::GFenster);
  QApplication::processEvents();
  fotograf.Speichere(&palette, QStringLiteral("uv_einrichtung"));
  palette.Arbeitsflaeche()->closeAllSubWindows();
  // A plan check: its result box, then the error window with the findings.
  fotograf.Erwarte(QStringLiteral("pruefergebnis"));
  palette.PlanPruefen(orbato::TPruefung::Versionen);
  if (QWidget* fehler = palette.FehlerFenster().Form()) fehler->parentWidget()->showMaximized();
  QApplication::processEvents();
  fotograf.Speichere(&palette, QStringLiteral("pruefen_fehler"));
  palette.Arbeitsflaeche()->closeAllSubWindows();
  // Compression: the warning, answered "Ja", then the window before "Start"; closing it moves
  // nothing.
  fotograf.Erwarte(QStringLiteral("komprimieren_warnung"), [&](QWidget* fenster) {
    fotograf.Speichere(fenster, QStringLiteral("komprimieren_warnung"));
    fotograf.Erwarte(QStringLiteral("komprimieren"));
    for (QAbstractButton* b : fenster->findChildren<QAbstractButton*>()) {
      if (b->text().remove(QLatin1Char('&')) == QStringLiteral("Ja")) b->click();
    }
    return true;
  });
  palette.Komprimieren();
  // "Pläne löschen" for a range of classes, the afternoons taken out of the choice; closed
  // without "Ok".
  fotograf.Erwarte(QStringLiteral("plaene_loeschen"), [](QWidget* fenster) {
    auto* dialog = static_cast<orbato::TPlLoeschForm*>(fenster);
    dialog->ArtKnopf(orbato::fuerKlassen)->click();
    dialog->Raster()->fGezogen(1, 7, dialog->Raster()->columnCount(), 16);
    return false;
  });
  palette.PlaeneLoeschen();
  // Manual planning over the course with lessons left that has the most free cells: its class's,
  // its teacher's and its room's plan showing in every cell what stands in the way; closed
  // without the question, nothing placed.
  {
    orbato::TKurs* kurs = nullptr;
    int meisteFrei = -1;
    for (orbato::TKurs* k : schule.fKursMenge) {
      if (k->fKopplung || !k->fLehrer || !k->ErsteKlasse() || !k->ErsterRaum() ||
          k->RestStunden(-1) < 1 || k->VerplanteStunden(-1) < 1)
        continue;
      int frei = 0;
      for (int tag = 1; tag <= palette.standard().fMaxTageNeu; ++tag) {
        for (int std = 1; std <= palette.standard().fPlnStd; ++std)
          frei += orbato::SetzungPossible(*k, -1, tag, k->ErsterRaum(), std);
      }
      if (frei > meisteFrei) {
        meisteFrei = frei;
        kurs = k;
      }
    }
    auto* alle = qobject_cast<orbato::TDepForm*>(palette.AlleKurseZeigen()->widget());
    for (int z = 0; z < alle->Zeilen(); ++z) {
      if (alle->ZeilenKurs(z) == kurs) alle->Auswaehlen({z});
    }
    palette.standard().fManArt = 4;
    palette.ManuellRechnung(false);
    if (orbato::TManuellFenster* manuell = palette.ManuellFenster()) {
      manuell->parentWidget()->showMaximized();
      QApplication::processEvents();
      fotograf.Speichere(&palette, QStringLiteral("manuell"));
      manuell->FensterSchliessen();
    }
    palette.standard().fManArt = 0;
    palette.Arbeitsflaeche()->closeAllSubWindows();
  }
  // "Parallele Kopplungen": the start dialog, closed without "Ok", then the grid of the first
  // couplings of the school, three columns, with their subjects and each row's count.
  fotograf.Erwarte(QStringLiteral("parallel_start"));
  {
    orbato::TParStartForm start(palette.standard(), schule.fParListe, &palette);
    start.exec();
  }
  {
    orbato::TSchule& dokument = palette.schule();
    const orbato::TParListe vorher = dokument.fParListe;
    orbato::TParRaster raster(dokument, palette.standard(), 10, 3);
    int32_t nr = 0;
    for (orbato::TKopplung* k : schule.fKopplMenge) {
      if (nr == 30) break;
      raster.Setze(nr / 10 + 1, nr % 10 + 1, k);
      ++nr;
    }
    auto* parallel = new orbato::TParForm(dokument, raster, true);
    palette.FensterEinsetzen(parallel)->showMaximized();
    QApplication::processEvents();
    fotograf.Speichere(&palette, QStringLiteral("parallele_kopplungen"));
    parallel->FensterSchliessen();
    dokument.fParListe = vorher;
    palette.Arbeitsflaeche()->closeAllSubWindows();
  }
  // Menus are popups, not modal: opened, drawn and photographed directly.
  const auto menuFoto = [&](QMenu* menu, const QString& name) {
    menu->popup(palette.mapToGlobal(QPoint(20, 20)));
    QApplication::processEvents();
    fotograf.Speichere(menu, name);
    menu->close();
  };
  for (QAction* a : palette.menuBar()->actions()) {
    const QString titel = a->text().remove(QLatin1Char('&'));
    if (titel == QStringLiteral("Datei") || titel == QStringLiteral("Bearbeiten") ||
        titel == QStringLiteral("Werkzeuge") || titel == QStringLiteral("Le")) {
      menuFoto(a->menu(), QStringLiteral("menu_") + titel.toLower());
    }
  }
  {
    QMenu versionen;
    orbato::MenuFuellen(&versionen, palette.VersionsMenuDaten());
    menuFoto(&versionen, QStringLiteral("menu_planversion"));
  }
  fotograf.Erwarte(QStringLiteral("eckdaten"));
  palette.EckdatenAendern();
  // The question of the first start.
  fotograf.Erwarte(QStringLiteral("schulwoche"));
  {
    orbato::TSchulwocheDialog schulwoche(&palette);
    schulwoche.exec();
  }
  // The exchange with the school's other programs, the period times of the calendars and a
  // substitution layout for notice screens.
  fotograf.Erwarte(QStringLiteral("untis_export"));
  {
    orbato::TGpuDialog untis(orbato::TGpuDialog::TRichtung::Export, QStringLiteral("/tmp/untis"),
                             *orbato::KodiereDatum(2026, 12, 9) + 0.5, &palette);
    untis.exec();
  }
  fotograf.Erwarte(QStringLiteral("stundenzeiten"));
  {
    orbato::TStundenzeitenDialog zeiten(palette.standard(), &palette);
    zeiten.exec();
  }
  fotograf.Erwarte(QStringLiteral("vertretung_einstellung"));
  {
    orbato::TVDEinstellung einstellung = palette.standard().fVDEinstellung[0];
    einstellung.OhneFehlendeLehrer = true;
    orbato::TVDEinstellungsDialog layout(einstellung, 1, &palette);
    layout.exec();
  }
  // The export window of the timetable pages halfway through the teachers.
  {
    orbato::THTMLExportFenster fenster(palette.dialoge(), &palette);
    const int lehrerZahl = schule.fLehrerMenge.ListeZahlElemente();
    fenster.FortschrittBeginnen(orbato::kPlanHTMLTitel, lehrerZahl);
    fenster.FortschrittText("Stundenplan");
    if (lehrerZahl > 0) {
      fenster.FortschrittInfo(
          schule.fLehrerMenge.ListeNrInhalt((lehrerZahl + 1) / 2)->fKuerzel.str());
    }
    fenster.FortschrittSetzen((lehrerZahl + 1) / 2);
    fotograf.Speichere(&fenster, QStringLiteral("html_export"));
    fenster.FortschrittBeenden();
  }
  fotograf.Erwarte(QStringLiteral("grunddaten"));
  palette.GrunddatenAendern();
  fotograf.Erwarte(QStringLiteral("kurse"));
  palette.KurseAendern();
  // The short-name editor with a teacher chosen, then its rename dialog.
  fotograf.Erwarte(QStringLiteral("kuerzel"), [&](QWidget* fenster) {
    auto* dialog = static_cast<orbato::TKuerzelDialog*>(fenster);
    if (dialog->Liste()->count() > 0) dialog->Liste()->itemClicked(dialog->Liste()->item(0));
    fotograf.Speichere(dialog, QStringLiteral("kuerzel"));
    fotograf.Erwarte(QStringLiteral("kuerzel_aendern"));
    dialog->Knopf(QStringLiteral("Ändern"))->click();
    dialog->reject();
    return true;
  });
  palette.KuerzelBearbeiten();
  fotograf.Erwarte(QStringLiteral("kennwort_aendern"));
  palette.KennwortAendern();
  fotograf.Erwarte(QStringLiteral("anordnung"));
  palette.FensterAnordnen();
  QGuiApplication::clipboard()->setText(QStringLiteral("MÜL\tD\t5a\t4"));
  palette.ZwischenablageZeigen();
  QApplication::processEvents();
  fotograf.Speichere(&palette, QStringLiteral("zwischenablage"));
  // The scheduler over every course: its start dialog, the window after the run, then the courses
  // it left open in "alle Kurse" with their reasons.
  palette.Arbeitsflaeche()->closeAllSubWindows();
  palette.AlleKurseZeigen()->showMaximized();
  palette.AllesAuswaehlen();
  fotograf.Erwarte(QStringLiteral("automatik_start"), [&](QWidget* start) {
    fotograf.Speichere(start, QStringLiteral("automatik_start"));
    fotograf.Erwarte(QStringLiteral("automatik"), [&](QWidget* fenster) {
      Knopf(fenster, QStringLiteral("Start"))->click();
      fotograf.Speichere(fenster, QStringLiteral("automatik"));
      QAbstractButton* zeigen = Knopf(fenster, QStringLiteral("nicht verplanbare Stunden zeigen"));
      if (zeigen->isEnabled()) {
        zeigen->click();
      } else {
        orbato::SchliesseOhneAenderung(fenster);
      }
      return true;
    });
    static_cast<QDialog*>(start)->accept();
    return true;
  });
  palette.AutomatikRechnung();
  QApplication::processEvents();
  fotograf.Speichere(&palette, QStringLiteral("nicht_verplanbar"));
  palette.Arbeitsflaeche()->closeAllSubWindows();
  // The rating-table editor, and the menu of "Wechseln" it opens.
  fotograf.Erwarte(QStringLiteral("automatik_tabelle"), [&](QWidget* fenster) {
    auto* dialog = static_cast<orbato::TAuTabForm*>(fenster);
    fotograf.Speichere(dialog, QStringLiteral("automatik_tabelle"));
    dialog->fMenuZeigen = [&](orbato::TMenu& daten) {
      QMenu menu;
      orbato::MenuFuellen(&menu, daten);
      menuFoto(&menu, QStringLiteral("menu_automatik_wechseln"));
    };
    Knopf(dialog, QStringLiteral("Wechseln"))->click();
    dialog->reject();
    return true;
  });
  palette.AutomatikAendern();
  // The weights of "Optimieren".
  fotograf.Erwarte(QStringLiteral("optimieren_gewichte"));
  palette.OptimierGewichteAendern();
  // The copy between plan versions, with two classes chosen to go from version 1 to 2, and the
  // period labels.
  orbato::VersionErweitern(palette.schule(), 2);
  fotograf.Erwarte(QStringLiteral("planversionen"), [](QWidget* fenster) {
    auto* dialog = static_cast<orbato::TVersionsDialog*>(fenster);
    Knopf(dialog, QStringLiteral("Klassen"))->click();
    for (int i = 0; i < 2 && i < dialog->Liste()->count(); ++i)
      dialog->Liste()->item(i)->setSelected(true);
    dialog->findChild<QSpinBox*>(QStringLiteral("von"))->setValue(1);
    dialog->findChild<QSpinBox*>(QStringLiteral("zu"))->setValue(2);
    return false;
  });
  palette.PlanversionenAendern();
  fotograf.Erwarte(QStringLiteral("zeiten"));
  palette.ZeitenAendern();
  // The look of the published pages with its preview.
  fotograf.Erwarte(QStringLiteral("html_farben"));
  palette
      .Aktion({QStringLiteral("Bearbeiten"), QStringLiteral("Voreinstellungen"),
               QStringLiteral("HTML-Farben")})
      ->trigger();
  // The calendar on today's month, closed without "Ok".
  fotograf.Erwarte(QStringLiteral("kalender"));
  palette.KalenderAendern();
  // The absence windows of the next school day, each opened on the first element of its kind,
  // and the long absence of the rooms' row; all closed without "Ok".
  {
    orbato::TDatumZeit tag = orbato::HeuteMittag();
    while (orbato::Wochentag(tag) > palette.standard().fMaxTageNeu) tag += 1;
    fotograf.Erwarte(QStringLiteral("fehlende_lehrer"));
    orbato::FehlFensterZeigen(&palette, palette.schule(), palette.standard(), orbato::leh, tag,
                              schule.fLehrerMenge.ListeNrInhalt(1));
    fotograf.Erwarte(QStringLiteral("fehlende_klassen"));
    orbato::FehlFensterZeigen(&palette, palette.schule(), palette.standard(), orbato::kla, tag,
                              schule.fKlassenMenge.ListeNrInhalt(1));
    fotograf.Erwarte(QStringLiteral("fehlende_raeume"), [&](QWidget* fenster) {
      auto* raeume = static_cast<orbato::TFehlFenster*>(fenster);
      fotograf.Speichere(raeume, QStringLiteral("fehlende_raeume"));
      fotograf.Erwarte(QStringLiteral("laengere_fehlzeit"));
      raeume->LangeFehlzeit(0);
      raeume->reject();
      return true;
    });
    orbato::FehlFensterZeigen(&palette, palette.schule(), palette.standard(), orbato::rau, tag,
                              schule.fRaumMenge.ListeNrInhalt(1));
  }
  // The school-wide swap of Monday's first two periods: "Stundentausch", answered "Ok", then the
  // obstacles of a few hours fixed for the picture, answered "Nein"; the fixings go again after.
  {
    std::vector<std::pair<orbato::TKurs*, orbato::TSetzung*>> fixiert;
    const int32_t woche = orbato::Standard().fAktuelleWoche;
    for (orbato::TKurs* k : palette.schule().fKursMenge) {
      for (int32_t std = 1; std <= 2; ++std) {
        orbato::TSetzung* s = k->SetzungFinden(woche, 1, std);
        if (s && !s->fFixiert && fixiert.size() < 4) fixiert.emplace_back(k, s);
      }
    }
    for (auto& [k, s] : fixiert) k->SetzeFixiert(s, true);
    fotograf.Erwarte(QStringLiteral("stundentausch"), [&](QWidget* fenster) {
      fotograf.Speichere(fenster, QStringLiteral("stundentausch"));
      fotograf.Erwarte(QStringLiteral("tauschkonflikte"));
      Knopf(fenster, QStringLiteral("Ok"))->click();
      return true;
    });
    orbato::StundenTausch(palette.schule(), 1, 1, 1, 2);
    for (auto& [k, s] : fixiert) k->SetzeFixiert(s, false);
  }
  // Three print dialogs, each closed without "Ok", and the preview of the teacher plans as
  // "Ansehen" shows it.
  fotograf.Erwarte(QStringLiteral("druck_lehrerplaene_dialog"));
  orbato::TPlanDruckDialog(orbato::TPlanDruckArt::Lehrer, palette.standard(), palette.schule(),
                           &palette)
      .exec();
  fotograf.Erwarte(QStringLiteral("druck_kuerzel_dialog"));
  orbato::TListenDruckDialog(orbato::TListenDruck::Kuerzel, palette.schule(), palette.standard(),
                             &palette)
      .exec();
  fotograf.Erwarte(QStringLiteral("druck_uebersicht_dialog"));
  orbato::TUebersichtDruckDialog(orbato::TUebersichtArt::Klassen, palette.schule(),
                                 palette.standard(), &palette)
      .exec();
  fotograf.Erwarte(QStringLiteral("druckvorschau"));
  orbato::DruckAnsehen(&palette, palette.schule().Dialog(), [&](orbato::TPrevPrinter& drucker) {
    orbato::LehrerplaeneDrucken(
        drucker, orbato::TDruckAuftrag{palette.schule(), palette.standard(), {}, 0, {}, {}});
  });
  // The settings of the substitution pages, closed without "Ok".
  fotograf.Erwarte(QStringLiteral("vertretung_html"));
  orbato::TVertrHTMLDialog(palette.standard(), &palette).exec();
  palette.schule().SetDirty();
  fotograf.Erwarte(QStringLiteral("beenden"));
  palette.close();
  fotograf.Erwarte(QStringLiteral("daten_sichern"));
  palette.schule().FrageSichern();
  palette.schule().SetDirty(false);
  palette.close();
  return fotograf.fFehler ? 1 : 0;
}
