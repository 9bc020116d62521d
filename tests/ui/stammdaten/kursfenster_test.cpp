#include "ui/stammdaten/kursfenster.h"
#include "ui/hauptfenster/fensterregister.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

#include "dokument.h"
#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "model/elemente/fach.h"
#include "model/elemente/klasse.h"
#include "model/elemente/lehrer.h"
#include "model/elemente/raum.h"
#include "model/kurse/kurs.h"
#include "model/woche/versionen.h"
#include "oberflaeche.h"
#include "placement/setzen.h"
#include "ui/bausteine/qtdialoge.h"
#include "ui/stammdaten/sperrraster.h"

namespace orbato {
namespace {

// Chooses the entry whose caption ends with the short name, as the pick menus put it last.
bool WaehleKuerzel(TMenu& menu, const std::string& kuerzel) {
  for (TMenuEintrag& e : menu) {
    if (e.fText.size() >= kuerzel.size() &&
        e.fText.compare(e.fText.size() - kuerzel.size(), kuerzel.size(), kuerzel) == 0)
      return Waehle(e);
  }
  return false;
}

QStringList Eintraege(const QListWidget* liste) {
  QStringList texte;
  for (int i = 0; i < liste->count(); ++i) texte << liste->item(i)->text();
  return texte;
}

}  // namespace

class KursFensterTest : public QObject, protected TEingesetztesDokument {
  Q_OBJECT

 private slots:
  void init() {
    Anlegen(fDialoge);
    fLehrer = fSchule->HoleLehrer("MEI");
    fFach = fSchule->HoleFach("D");
    fLehrer->NeuesFach(fFach);
    fSchule->HoleLehrer("ABC")->NeuesFach(fFach);
    fLehrer->NeuesFach(fSchule->HoleFach("E"));
    fKlasse = fSchule->HoleKlasse("5a");
    fR1 = fSchule->HoleRaum("R1");
    fSchule->HoleRaum("R2");
    fKurs = new TKurs;
    fKurs->IKurs(fLehrer, fKlasse, 5, fR1, fFach, nullptr);
  }
  void cleanup() {
    delete dynamic_cast<TKursForm*>(FensterRegister().Offen(TFensterTyp::Kurs));
    Abbauen();
  }

  // One window for the document: opening it again, or for another course, reuses it and leaves
  // the document as it was; the course's destruction closes it.
  void OneWindowThatClosesWithItsCourse() {
    auto* andere = new TKurs;
    andere->IKurs(nullptr, fKlasse, 2, nullptr, nullptr, nullptr);
    fSchule->SetDirty(false);
    TKursForm* form = TKursForm::Oeffnen(*fSchule, *fStandard, fKurs, &fLehrer->fKurse);
    QCOMPARE(form->windowTitle(), QStringLiteral("Kurs"));
    QCOMPARE(form->FensterArt(), 67);
    QCOMPARE(form->fLehrer->text(), QStringLiteral("MEI"));
    QCOMPARE(form->fFach->text(), QStringLiteral("D"));
    QCOMPARE(Eintraege(form->fKlassen), QStringList{QStringLiteral("5a")});
    QCOMPARE(form->fStunden->value(), 5);
    QCOMPARE(form->fWert->text(), QStringLiteral("5.0"));
    QVERIFY(!fSchule->IsDirty());
    QCOMPARE(TKursForm::Oeffnen(*fSchule, *fStandard, andere, &fSchule->fKursMenge), form);
    QCOMPARE(form->Kurs(), andere);
    QCOMPARE(form->fLehrer->text(), QString());
    QCOMPARE(form->fStunden->value(), 2);
    QVERIFY(!fSchule->IsDirty());
    fSchule->KursEntfernen(andere);
    QCOMPARE(FensterRegister().Offen(TFensterTyp::Kurs), nullptr);
    QVERIFY(form->Kurs() == nullptr);
    delete form;
  }

  // With three versions and all of them shown, 7 hours give 2 in every version.
  void HoursGoToEveryVersionEvenly() {
    VersionErweitern(*fSchule, 3);
    fStandard->fEineWoche = false;
    TKursForm* form = TKursForm::Oeffnen(*fSchule, *fStandard, fKurs, &fLehrer->fKurse);
    // The new versions start without hours.
    QCOMPARE(form->fStunden->value(), 5);
    QCOMPARE(form->fStunden->singleStep(), 3);
    form->fStunden->setValue(7);
    for (int32_t w = 1; w <= 3; ++w) QCOMPARE(fKurs->fStunden.GetWochenStunde(w), 2);
    QCOMPARE(form->fStunden->value(), 6);
    QCOMPARE(form->fWert->text(), QStringLiteral("6.0"));
    QVERIFY(fSchule->IsDirty());

    // In single-version mode only the current version changes.
    fStandard->fEineWoche = true;
    fStandard->fAktuelleWoche = 2;
    form->FensterUpdate();
    QCOMPARE(form->fStunden->value(), 2);
    form->fStunden->setValue(4);
    QCOMPARE(fKurs->fStunden.GetWochenStunde(1), 2);
    QCOMPARE(fKurs->fStunden.GetWochenStunde(2), 4);
  }

  // A placed hour fixes teacher, classes and coupling; subject and rooms still change, but not
  // the room the hour is held in. Hours cannot go below the placed ones.
  void APlacedCourseKeepsItsTeacherAndClasses() {
    NeueSetzung(*fKurs, 1, 1, fR1, 1);
    TKursForm* form = TKursForm::Oeffnen(*fSchule, *fStandard, fKurs, &fLehrer->fKurse);
    QCOMPARE(form->fVerplant->text(), QStringLiteral("1"));
    QCOMPARE(form->fStunden->minimum(), 1);
    form->ArtWaehlen(leh);
    TMenu menu = form->KuerzelMenu();
    QVERIFY(!menu.empty());
    QVERIFY(WaehleKuerzel(menu, "ABC"));
    QCOMPARE(fKurs->fLehrer, fLehrer);
    QCOMPARE(form->fLehrer->text(), QStringLiteral("MEI"));

    form->ArtWaehlen(fac);
    menu = form->KuerzelMenu();
    QVERIFY(WaehleKuerzel(menu, "E"));
    QCOMPARE(form->fFach->text(), QStringLiteral("E"));

    form->ArtWaehlen(rau);
    menu = form->KuerzelMenu();
    QVERIFY(WaehleKuerzel(menu, "R2"));
    QCOMPARE(Eintraege(form->fRaeume), (QStringList{QStringLiteral("R1"), QStringLiteral("R2")}));

    // The delete tool's double-click: the room of the hour stays, the other goes; a double-click
    // on a field also switches the "Kürzel" button's kind.
    fSchule->SetToolArt(LoeschTool);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form));
    const auto doppelklick = [&](int zeile) {
      QListWidget* liste = form->fRaeume;
      const QPoint punkt = liste->visualItemRect(liste->item(zeile)).center();
      QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, punkt);
      QTest::mouseDClick(liste->viewport(), Qt::LeftButton, {}, punkt);
    };
    form->ArtWaehlen(leh);
    doppelklick(0);
    QCOMPARE(form->Art(), rau);
    QCOMPARE(Eintraege(form->fRaeume), (QStringList{QStringLiteral("R1"), QStringLiteral("R2")}));
    doppelklick(1);
    QCOMPARE(Eintraege(form->fRaeume), QStringList{QStringLiteral("R1")});
    QTest::mouseDClick(form->fLehrer, Qt::LeftButton);
    QCOMPARE(form->Art(), leh);
    QCOMPARE(fKurs->fLehrer, fLehrer);
    QTest::mouseDClick(form->fFach, Qt::LeftButton);
    QCOMPARE(fKurs->fFach, nullptr);
  }

  // "nicht verplanen" changes only while nothing is placed; ticked, hours may go below zero, and
  // clearing it brings them back to 0.
  // Short names typed instead of picked: completed from the list, found in any case when only
  // one fits, refused with a message when unknown or when placed lessons forbid the change.
  void TypedShortNamesChooseAsTheButtonDoes() {
    TKursForm* form = TKursForm::Oeffnen(*fSchule, *fStandard, fKurs, &fLehrer->fKurse);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form));
    const auto tippe = [](QLineEdit* feld, const QString& text) {
      feld->setFocus();
      feld->selectAll();
      QTest::keyClicks(feld, text);
      QTest::keyClick(feld, Qt::Key_Return);
    };
    QCOMPARE(form->fLehrer->completer()->model()->rowCount(), 2);
    tippe(form->fLehrer, QStringLiteral("abc"));
    QCOMPARE(fKurs->fLehrer, fSchule->HoleLehrer("ABC"));
    QCOMPARE(form->fLehrer->text(), QStringLiteral("ABC"));
    fSchule->HoleKlasse("5b");
    tippe(form->fKlasseNeu, QStringLiteral("5b"));
    QCOMPARE(Eintraege(form->fKlassen), (QStringList{"5a", "5b"}));
    QCOMPARE(form->fKlasseNeu->text(), QString());
    tippe(form->fRaumNeu, QStringLiteral("R2"));
    QCOMPARE(Eintraege(form->fRaeume), (QStringList{"R1", "R2"}));

    TModalSkript skript;
    skript.Druecke(QStringLiteral("Ok")).Druecke(QStringLiteral("Ok"));
    tippe(form->fFach, QStringLiteral("XYZ"));
    QCOMPARE(skript.fTexte.value(0), QStringLiteral("Das Kürzel „XYZ“ gibt es nicht."));
    QCOMPARE(form->fFach->text(), QStringLiteral("D"));
    NeueSetzung(*fKurs, 1, 1, nullptr, 1);
    tippe(form->fLehrer, QStringLiteral("MEI"));
    QCOMPARE(skript.fTexte.value(1),
             QStringLiteral("Lehrer, Klassen und Kopplung eines Kurses ändern sich nur,\nsolange "
                            "keine seiner Stunden gesetzt ist."));
    QCOMPARE(fKurs->fLehrer, fSchule->HoleLehrer("ABC"));
    QCOMPARE(form->fLehrer->text(), QStringLiteral("ABC"));
    QVERIFY(skript.fUnerwartet.isEmpty());
  }

  void NotToBePlacedAllowsNegativeHours() {
    TKursForm* form = TKursForm::Oeffnen(*fSchule, *fStandard, fKurs, &fLehrer->fKurse);
    form->fNichtVerplanen->setChecked(true);
    QVERIFY(fKurs->fNichtVerplanen);
    QCOMPARE(form->fStunden->minimum(), -112);
    form->fStunden->setValue(-3);
    QCOMPARE(fKurs->fStunden.GetWochenStunde(1), -3);
    form->fNichtVerplanen->setChecked(false);
    QVERIFY(!fKurs->fNichtVerplanen);
    QCOMPARE(fKurs->fStunden.GetWochenStunde(1), 0);
    QCOMPARE(form->fStunden->value(), 0);

    form->fStunden->setValue(2);
    NeueSetzung(*fKurs, 1, 1, fR1, 1);
    form->FensterUpdate();
    form->fNichtVerplanen->setChecked(true);
    QVERIFY(!fKurs->fNichtVerplanen);
    QVERIFY(!form->fNichtVerplanen->isChecked());

    form->fNichtZaehlenLe->setChecked(true);
    form->fNichtZaehlenKl->setChecked(true);
    QVERIFY(fKurs->fNichtZaehlenLe && fKurs->fNichtZaehlenKl);
  }

  // "Std/Tag" 2 with 5 hours leaves one single hour; 1 leaves the hours, but not more than days.
  void HoursPerDayDecideTheSingleHours() {
    fStandard->fMaxTageNeu = 5;
    TKursForm* form = TKursForm::Oeffnen(*fSchule, *fStandard, fKurs, &fLehrer->fKurse);
    form->fStdProTag->setValue(2);
    QCOMPARE(fKurs->fStdProTag, 2);
    QCOMPARE(form->fEinzelne->value(), 1);
    form->fStunden->setValue(7);
    form->fStdProTag->setValue(1);
    QCOMPARE(fKurs->fEinzelStd, 5);
    QCOMPARE(form->fEinzelne->maximum(), 5);
    form->fEinzelne->setValue(3);
    form->fTabelle->setValue(4);
    form->fFaktor->setValue(2);
    QCOMPARE(fKurs->fEinzelStd, 3);
    QCOMPARE(fKurs->fTabellenNr, 4);
    QCOMPARE(form->fWert->text(), QStringLiteral("14.0"));

    // Never more single hours than hours: the field stops at the hours, and fewer hours take the
    // single ones down with a word under the field.
    auto* hinweis = form->findChild<QLabel*>(QStringLiteral("einzelneHinweis"));
    QVERIFY(hinweis->isHidden());
    form->fStunden->setValue(2);
    QCOMPARE(fKurs->fEinzelStd, 2);
    QCOMPARE(form->fEinzelne->value(), 2);
    QCOMPARE(form->fEinzelne->maximum(), 2);
    QVERIFY(!hinweis->isHidden());
    QCOMPARE(hinweis->text(),
             QStringLiteral("„Einzelne“ auf 2 gesenkt: nicht mehr als die Stunden des Kurses."));
    QCOMPARE(form->fEinzelne->toolTip(),
             QStringLiteral("höchstens 2: nicht mehr als die Stunden des Kurses und die Tage der "
                            "Woche"));
    form->fEinzelne->setValue(1);
    QVERIFY(hinweis->isHidden());
  }

  // The rubber band blocks every cell it covers but the one with the course's hour; a second band
  // started on a blocked cell frees them again. Dragging a room exchanges it step by step.
  void TheMouseBlocksCellsAndOrdersTheRooms() {
    fKurs->RaumErgaenzen(fSchule->HoleRaum("R2"), false);
    fKurs->RaumErgaenzen(fSchule->HoleRaum("R3"), false);
    NeueSetzung(*fKurs, 1, 2, fR1, 2);
    TKursForm* form = TKursForm::Oeffnen(*fSchule, *fStandard, fKurs, &fLehrer->fKurse);
    form->resize(700, 600);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form));
    QTableWidget* raster = form->fSperrung;
    const auto mitte = [&](int tag, int std) {
      return raster->visualItemRect(raster->item(std - 1, tag - 1)).center();
    };
    const auto band = [&](int vonTag, int vonStd, int bisTag, int bisStd) {
      QTest::mousePress(raster->viewport(), Qt::LeftButton, {}, mitte(vonTag, vonStd));
      QTest::mouseMove(raster->viewport(), mitte(bisTag, bisStd));
      QTest::mouseRelease(raster->viewport(), Qt::LeftButton, {}, mitte(bisTag, bisStd));
    };
    band(1, 1, 2, 3);
    int gesperrt = 0;
    for (int t = 1; t <= 2; ++t) {
      for (int p = 1; p <= 3; ++p) gesperrt += fKurs->fSperrung.GetWocheTagStd(1, t, p);
    }
    QCOMPARE(gesperrt, 5);
    QVERIFY(!fKurs->fSperrung.GetWocheTagStd(1, 2, 2));
    QCOMPARE(raster->item(0, 0)->text(), QStringLiteral("X"));
    QCOMPARE(raster->item(1, 1)->text(), QString::fromUtf8("•"));
    band(1, 3, 1, 3);
    QVERIFY(!fKurs->fSperrung.GetWocheTagStd(1, 1, 3));
    QVERIFY(fKurs->fSperrung.GetWocheTagStd(1, 1, 2));

    QListWidget* raeume = form->fRaeume;
    const auto zeile = [&](int z) { return raeume->visualItemRect(raeume->item(z)).center(); };
    QTest::mousePress(raeume->viewport(), Qt::LeftButton, {}, zeile(0));
    QMouseEvent bewegung(QEvent::MouseMove, zeile(1), raeume->viewport()->mapToGlobal(zeile(1)),
                         Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(raeume->viewport(), &bewegung);
    QMouseEvent weiter(QEvent::MouseMove, zeile(2), raeume->viewport()->mapToGlobal(zeile(2)),
                       Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(raeume->viewport(), &weiter);
    QTest::mouseRelease(raeume->viewport(), Qt::LeftButton, {}, zeile(2));
    QCOMPARE(Eintraege(raeume),
             (QStringList{QStringLiteral("R2"), QStringLiteral("R3"), QStringLiteral("R1")}));
    QCOMPARE(fKurs->ErsterRaum()->fKuerzel.str(), std::string("R2"));
  }

  // The colour dialog starts with the custom colours of the settings and writes them back; the
  // info text is cut to 31 characters.
  void ColourAndInfo() {
    fStandard->fCustomFarbe[0] = "0000FF";
    TKursForm* form = TKursForm::Oeffnen(*fSchule, *fStandard, fKurs, &fLehrer->fKurse);
    TModalSkript skript;
    QColor erste;
    skript.Dann([&](QWidget* fenster) {
      auto* dialog = qobject_cast<QColorDialog*>(fenster);
      QVERIFY(dialog);
      erste = QColorDialog::customColor(0);
      QColorDialog::setCustomColor(1, QColor(0, 0, 255));
      dialog->setCurrentColor(QColor(0, 128, 0));
      dialog->accept();
    });
    form->FarbeAendern();
    QVERIFY(skript.Fertig());
    QCOMPARE(erste, QColor(255, 0, 0));
    QCOMPARE(fKurs->fColor, 0x008000);
    QCOMPARE(fStandard->fCustomFarbe[1], std::string("FF0000"));
    QCOMPARE(fStandard->fCustomFarbe[2], std::string("FFFFFF"));

    form->show();
    form->fInfo->setFocus();
    QTest::keyClicks(form->fInfo, QStringLiteral("Foerderkurs fuer die Klassen 5a bis 5d"));
    QCOMPARE(fKurs->fInfo.str(), std::string("Foerderkurs fuer die Klassen 5a"));
  }

 private:
  TQtDialoge fDialoge;
  TLehrer* fLehrer = nullptr;
  TFach* fFach = nullptr;
  TKlasse* fKlasse = nullptr;
  TRaum* fR1 = nullptr;
  TKurs* fKurs = nullptr;
};

}  // namespace orbato

QTEST_MAIN(orbato::KursFensterTest)
#include "kursfenster_test.moc"
