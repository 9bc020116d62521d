#include "ui/vertretung/vertretungswahlfenster.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>

#include "dokument.h"
#include "model/kurse/kurs.h"
#include "model/schnittstellen/dialoge.h"
#include "model/schnittstellen/uhr.h"
#include "platform/qttext.h"
#include "substitution/fehlzeiten.h"
#include "ui/bausteine/tageszeilenlegende.h"
#include "ui/hauptfenster/fensterregister.h"

namespace orbato {

// A small school on Wednesday, 9 December 2026: MUE teaches Mathe to 5a in period 2 in R1 and
// is absent then; SCH teaches 5a in period 1, KOC nothing. Questions are answered "Ja".
class VertretungswahlFensterTest : public QObject, public TEingesetztesDokument {
  Q_OBJECT

 private:
  static constexpr TDatumZeit kMi = 46365.5;  // 2026-12-09

  void Fehlt(TPlanElement* e, std::string_view stunden) {
    TFehlForm form(*fSchule, *fStandard, leh, kMi);
    if (form.ZeileVon(e) < 0) form.ElementHinzufuegen(e);
    form.SetStunden(form.ZeileVon(e), stunden);
    form.Ok();
  }
  static QString Zelle(QTableWidget* t, int zeile, int spalte) {
    return t->item(zeile, spalte) ? t->item(zeile, spalte)->text() : QString();
  }
  static void Doppelklick(QTableWidget* t, int zeile) {
    const QPoint punkt = t->visualItemRect(t->item(zeile, 0)).center();
    QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, punkt);
    QTest::mouseDClick(t->viewport(), Qt::LeftButton, {}, punkt);
  }
  static void MenuKlick(QMenu* menu, int nr, Qt::MouseButton knopf) {
    QAction* aktion = menu->actions().at(nr);
    QTest::mouseClick(menu, knopf, {}, menu->actionGeometry(aktion).center());
  }

  TSkriptDialoge fDialoge;
  TFesteUhr fUhr{46363.4};
  TLehrer* fMue = nullptr;
  TLehrer* fSch = nullptr;
  TVertretung* fV = nullptr;

 private slots:
  void init() {
    Anlegen(fDialoge);
    fSchule->SetUhr(&fUhr);
    fStandard->fVertrFreiCheck = true;
    fStandard->fVertrRandCheck = false;
    fStandard->fVertrLeAuswahl = 2;
    fStandard->fPlnStd = 4;
    fStandard->fBemBez[0] = "Aufgaben";
    fMue = fSchule->HoleLehrer("MUE");
    fSch = fSchule->HoleLehrer("SCH");
    fSchule->HoleLehrer("KOC");
    TKlasse* k = fSchule->HoleKlasse("5a");
    TRaum* r1 = fSchule->HoleRaum("R1");
    fSchule->HoleRaum("R2");
    auto* mathe = new TKurs;
    mathe->IKurs(fMue, k, 2, r1, fSchule->HoleFach("M"), nullptr);
    auto* s = new TSetzung(1, 3, 2, r1);
    mathe->SetzungAufnehmen(s);
    auto* englisch = new TKurs;
    englisch->IKurs(fSch, k, 2, nullptr, fSchule->HoleFach("E"), nullptr);
    englisch->SetzungAufnehmen(new TSetzung(1, 3, 1));
    Fehlt(fMue, "-+");
    fV = s->VertretungFinden(kMi);
    QVERIFY(fV);
  }
  void cleanup() {
    fSchule->SetUhr(nullptr);
    Abbauen();
  }

  // Opens on the record in teacher mode; a double click enters the teacher; room mode lists and
  // enters the rooms; "Frei" cancels; the remark templates append (left) or replace (right);
  // typing stores the remark at once.
  void EntersWhatIsChosenAndShowsIt() {
    TVertrWahlForm* form = VertretungswahlZeigen(*fSchule, *fStandard, fV);
    QVERIFY(QTest::qWaitForWindowExposed(form));
    QVERIFY(form->isVisible());
    QCOMPARE(form->windowTitle(), QStringLiteral("Vertretungswahl"));
    QCOMPARE(FensterRegister().Offen(TFensterTyp::Vertretungswahl), static_cast<Fenster*>(form));
    QCOMPARE(fV->fFenster, static_cast<Fenster*>(form));
    QCOMPARE(form->Kopf()->text(), QStringLiteral("Mi, 9. Dez   2  MUE M R1"));
    QVERIFY(form->LehrerModus()->isChecked());
    QVERIFY(form->Pruefkasten(QStringLiteral("freie Lehrer"))->isChecked());
    QVERIFY(!form->Pruefkasten(QStringLiteral("nach Eignung"))->isChecked());
    QCOMPARE(form->LehrerFeld()->text(), QStringLiteral("ohne"));
    QCOMPARE(form->LehrerListe()->rowCount(), 2);
    QCOMPARE(Zelle(form->LehrerListe(), 0, 0), QStringLiteral("SCH"));
    QCOMPARE(Zelle(form->LehrerListe(), 0, 1), QStringLiteral("EFFFFFFFFFFFFFFF"));
    QCOMPARE(Zelle(form->LehrerListe(), 1, 0), QStringLiteral("KOC"));
    // The day line's letters are spelled out where they stand.
    QCOMPARE(form->LehrerListe()->horizontalHeaderItem(1)->toolTip(), TageszeilenLegende());
    QCOMPARE(form->LehrerListe()->item(0, 1)->toolTip(), TageszeilenLegende());
    QVERIFY(TageszeilenLegende().contains(QStringLiteral("U  Springstunde")));
    QCOMPARE(Zelle(form->Tagesplan(), 1, 1), QStringLiteral("MUE M 5a R1"));

    // Chosen from the keyboard: the row, then Enter.
    form->LehrerListe()->setFocus();
    form->LehrerListe()->setCurrentCell(0, 0);
    QTest::keyClick(form->LehrerListe(), Qt::Key_Return);
    QCOMPARE(fV->fLehrer, fSch);
    QCOMPARE(form->LehrerFeld()->text(), QStringLiteral("SCH"));
    QVERIFY(form->Knopf(QStringLiteral("statt"))->isVisible());
    QCOMPARE(Zelle(form->Tagesplan(), 0, 1), QStringLiteral("SCH E 5a"));

    form->RaumModus()->click();
    QCOMPARE(form->RaumListe()->rowCount(), 1);
    QCOMPARE(Zelle(form->RaumListe(), 0, 0), QStringLiteral("R2"));
    QVERIFY(form->RaumListe()->isVisible());
    Doppelklick(form->RaumListe(), 0);
    QCOMPARE(form->RaumFeld()->text(), QStringLiteral("R2"));
    QCOMPARE(form->LBem()->text(), QStringLiteral("in Raum R2 "));

    QTest::mouseClick(form->Knopf(QStringLiteral("Frei")), Qt::LeftButton);
    QCOMPARE(form->LehrerFeld()->text() + form->FachFeld()->text() + form->RaumFeld()->text(),
             QStringLiteral("---------------"));
    QVERIFY(!form->Knopf(QStringLiteral("statt"))->isVisible());
    QCOMPARE(form->LBem()->text(), QStringLiteral("frei"));

    QTest::mouseClick(form->Knopf(QStringLiteral("LBem")), Qt::LeftButton);
    QMenu* menu = form->BemMenu(true);
    QVERIFY(menu->isVisible());
    QCOMPARE(menu->actions().size(), 1);
    MenuKlick(menu, 0, Qt::LeftButton);
    QCOMPARE(form->LBem()->text(), QStringLiteral("frei Aufgaben"));
    QCOMPARE(fV->fLInfo.str(), std::string("frei Aufgaben"));
    QTest::mouseClick(form->Knopf(QStringLiteral("LBem")), Qt::LeftButton);
    MenuKlick(menu, 0, Qt::RightButton);
    QVERIFY(!menu->isVisible());
    QCOMPARE(form->LBem()->text(), QStringLiteral("Aufgaben"));
    QCOMPARE(fV->fSInfo.str(), std::string("frei"));

    form->SBem()->setFocus();
    QTest::keyClicks(form->SBem(), QStringLiteral(" 5b"));
    QCOMPARE(fV->fSInfo.str(), std::string("frei 5b"));
    QCOMPARE(form->SBem()->maxLength(), 81);
    delete form;
    QCOMPARE(FensterRegister().Offen(TFensterTyp::Vertretungswahl), nullptr);
    QCOMPARE(fV->fFenster, nullptr);
  }

  // MUE back: the record goes and closes the window first.
  void ARecordThatGoesClosesTheWindow() {
    TVertrWahlForm* form = VertretungswahlZeigen(*fSchule, *fStandard, fV);
    QVERIFY(QTest::qWaitForWindowExposed(form));
    Doppelklick(form->LehrerListe(), 1);
    QCOMPARE(form->LehrerFeld()->text(), QStringLiteral("KOC"));
    Fehlt(fMue, "");
    QCOMPARE(fSchule->fVertretungsMenge.ListeZahlElemente(), 0);
    QVERIFY(!form->isVisible());
    QCOMPARE(FensterRegister().Offen(TFensterTyp::Vertretungswahl), nullptr);
    QCOMPARE(form->Wahl().Vertretung(), nullptr);
    QCOMPARE(form->Kopf()->text(), QString());
    delete form;
  }
};

}  // namespace orbato

QTEST_MAIN(orbato::VertretungswahlFensterTest)
#include "vertretungswahlfenster_test.moc"
