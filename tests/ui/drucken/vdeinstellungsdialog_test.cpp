#include "ui/drucken/vdeinstellungsdialog.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include "oberflaeche.h"

namespace orbato {
namespace {

// Every Boolean of a layout with the group and caption of its check box.
struct TFeld {
  const char* gruppe;
  const char* text;
  bool TVDEinstellung::*wert;
};

const std::vector<TFeld> kFelder = {
    {"Vertretungsplan", "Drucken", &TVDEinstellung::PlanDrucken},
    {"Ersatzraumplan", "Drucken", &TVDEinstellung::ErsatzDrucken},
    {"", "mit Kopplungen", &TVDEinstellung::MitKopplungen},
    {"", "mit Datum", &TVDEinstellung::MitDatum},
    {"", "mit allg. Bemerkungen", &TVDEinstellung::MitAllgBem},
    {"", "mit fehl. Lehrern", &TVDEinstellung::MitFehlLehrern},
    {"", "mit fehl. Klassen", &TVDEinstellung::MitFehlKlassen},
    {"", "mit fehl. Räumen", &TVDEinstellung::MitFehlRaeumen},
    {"", "mit Fehlgrund", &TVDEinstellung::MitFehlgrund},
    {"", "mit Ad hoc", &TVDEinstellung::MitAdHoc},
    {"", "nur Ad hoc", &TVDEinstellung::NurAdHoc},
    {"", "mitFarbe", &TVDEinstellung::MitFarbe},
    {"Originalkurs", "mit Lehrer", &TVDEinstellung::OrigLehrer},
    {"Originalkurs", "mit Klasse", &TVDEinstellung::OrigKlasse},
    {"Originalkurs", "mit Fach", &TVDEinstellung::OrigFach},
    {"Originalkurs", "mit Raum", &TVDEinstellung::OrigRaum},
    {"Vertretungskurs", "mit Lehrer", &TVDEinstellung::VertrLehrer},
    {"Vertretungskurs", "mit Klasse", &TVDEinstellung::VertrKlasse},
    {"Vertretungskurs", "mit Fach", &TVDEinstellung::VertrFach},
    {"Vertretungskurs", "mit Raum", &TVDEinstellung::VertrRaum},
    {"", "mitKalenderwoche", &TVDEinstellung::MitKalenderwoche},
    {"", "Folgetag", &TVDEinstellung::Folgetag},
    {"", "ohne Namen fehlender Lehrer", &TVDEinstellung::OhneFehlendeLehrer},
};

QCheckBox* Feld(const TVDEinstellungsDialog& d, const TFeld& f) {
  return d.Schalter(QString::fromUtf8(f.gruppe), QString::fromUtf8(f.text));
}

// A layout in which every value differs from the default one.
TVDEinstellung Umgekehrt() {
  TVDEinstellung e;
  for (const TFeld& f : kFelder) e.*f.wert = !(e.*f.wert);
  e.PlanSortierung = 2;
  e.ErsatzSortierung = 3;
  e.HTMLPfad =
      "/srv/www/\xFC"
      "bersicht.html";
  e.LehrerBezeichnung = e.Bemerkung = e.BemerkungPosition = 1;
  return e;
}

QStringList Texte(const QComboBox* feld) {
  QStringList texte;
  for (int i = 0; i < feld->count(); ++i) texte << feld->itemText(i);
  return texte;
}

QStringList Texte(const QButtonGroup* gruppe) {
  QStringList texte;
  for (QAbstractButton* b : gruppe->buttons()) texte << b->text();
  return texte;
}

// The two layouts agree member by member; a difference names its member.
void Gleich(const TVDEinstellung& ist, const TVDEinstellung& soll) {
  for (const TFeld& f : kFelder) QVERIFY2(ist.*f.wert == soll.*f.wert, f.text);
  QCOMPARE(ist.PlanSortierung, soll.PlanSortierung);
  QCOMPARE(ist.ErsatzSortierung, soll.ErsatzSortierung);
  QCOMPARE(ist.HTMLPfad, soll.HTMLPfad);
  QCOMPARE(ist.LehrerBezeichnung, soll.LehrerBezeichnung);
  QCOMPARE(ist.Bemerkung, soll.Bemerkung);
  QCOMPARE(ist.BemerkungPosition, soll.BemerkungPosition);
}

// Turns every field of the dialog to the values of `e`, clicking the boxes themselves (a wide
// row leaves its middle empty).
void Stelle(TVDEinstellungsDialog& d, const TVDEinstellung& e) {
  for (const TFeld& f : kFelder) {
    QCheckBox* feld = Feld(d, f);
    if (feld->isChecked() != e.*f.wert) {
      QTest::mouseClick(feld, Qt::LeftButton, {}, QPoint(6, feld->height() / 2));
    }
  }
  d.PlanSortierung()->setCurrentIndex(e.PlanSortierung);
  d.ErsatzSortierung()->setCurrentIndex(e.ErsatzSortierung);
  d.HTMLPfad()->setText(QString::fromLatin1(e.HTMLPfad.c_str()));
  d.LehrerBezeichnung()->button(e.LehrerBezeichnung)->click();
  d.Bemerkung()->button(e.Bemerkung)->click();
  d.BemerkungPosition()->button(e.BemerkungPosition)->click();
}

}  // namespace

class VDEinstellungsDialogTest : public QObject {
  Q_OBJECT

 private slots:
  // Every field by its caption in its group, showing the stored layout.
  void ShowsTheStoredLayoutByCaptions() {
    TVDEinstellung e = Umgekehrt();
    TVDEinstellungsDialog d(e, 2);
    QCOMPARE(d.windowTitle(), QStringLiteral("Einstellung 2"));
    for (const TFeld& f : kFelder) {
      QVERIFY2(Feld(d, f), f.text);
      QCOMPARE(Feld(d, f)->isChecked(), e.*f.wert);
    }
    QCOMPARE(d.findChildren<QCheckBox*>().size(), static_cast<qsizetype>(kFelder.size()));
    QCOMPARE(Texte(d.PlanSortierung()),
             QStringList({"Klassen", "vertr. Lehrern", "fehl. Lehrern", "Stunden"}));
    QCOMPARE(Texte(d.ErsatzSortierung()),
             QStringList({"Klassen", "Lehrern", QStringLiteral("Räumen"), "Stunden"}));
    QCOMPARE(Texte(d.LehrerBezeichnung()), QStringList({QStringLiteral("Kürzel"), "Info"}));
    QCOMPARE(Texte(d.Bemerkung()),
             QStringList({"Lehrerbemerkung", QStringLiteral("Schülerbemerkung")}));
    QCOMPARE(Texte(d.BemerkungPosition()), QStringList({"in der Zeile", "unter der Zeile"}));
    QCOMPARE(d.PlanSortierung()->currentText(), QStringLiteral("fehl. Lehrern"));
    QCOMPARE(d.ErsatzSortierung()->currentText(), QStringLiteral("Stunden"));
    QCOMPARE(d.HTMLPfad()->text(), QStringLiteral("/srv/www/übersicht.html"));
    QCOMPARE(d.Bemerkung()->checkedButton()->text(), QStringLiteral("Schülerbemerkung"));
    Gleich(d.Werte(), e);
  }

  // "Ok" writes every group back; "Abbrechen" leaves the layout as it was.
  void OkWritesEveryFieldCancelNone() {
    TVDEinstellung e;
    {
      TVDEinstellungsDialog d(e, 1);
      d.show();
      Stelle(d, Umgekehrt());
      KnopfMit(&d, QStringLiteral("Abbrechen"))->click();
    }
    Gleich(e, TVDEinstellung{});
    {
      TVDEinstellungsDialog d(e, 1);
      d.show();
      Stelle(d, Umgekehrt());
      KnopfMit(&d, QStringLiteral("Ok"))->click();
      QCOMPARE(d.result(), static_cast<int>(QDialog::Accepted));
    }
    Gleich(e, Umgekehrt());
    QCOMPARE(e.HTMLPfad, std::string("/srv/www/\xFC"
                                     "bersicht.html"));
  }

  // Each check box alone reaches its own member and no other.
  void EachCheckBoxWritesItsOwnMember() {
    for (const TFeld& f : kFelder) {
      TVDEinstellung e;
      TVDEinstellungsDialog d(e, 1);
      Feld(d, f)->toggle();
      d.accept();
      TVDEinstellung erwartet;
      erwartet.*f.wert = !(erwartet.*f.wert);
      QVERIFY2(e == erwartet, f.text);
    }
  }

  // "..." offers the path the field holds and takes the answer; a cancelled choice keeps it.
  void FileButtonSetsThePath() {
    TVDEinstellung e;
    e.HTMLPfad = "vp1.html";
    TVDEinstellungsDialog d(e, 1);
    QStringList vorschlaege;
    QStringList antworten = {QStringLiteral("/tmp/aushang/vp2.html"), QString()};
    d.fDateiWaehlen = [&](const QString& vorschlag) {
      vorschlaege << vorschlag;
      return antworten.takeFirst();
    };
    d.PfadKnopf()->click();
    d.PfadKnopf()->click();
    QCOMPARE(vorschlaege, QStringList({"vp1.html", "/tmp/aushang/vp2.html"}));
    d.accept();
    QCOMPARE(e.HTMLPfad, std::string("/tmp/aushang/vp2.html"));
  }

  // Stored numbers outside the choices show the first choice, and "Ok" stores it.
  void OutOfRangeValuesBecomeTheFirstChoice() {
    TVDEinstellung e;
    e.PlanSortierung = 7;
    e.ErsatzSortierung = -1;
    e.LehrerBezeichnung = 2;
    e.Bemerkung = -3;
    e.BemerkungPosition = 9;
    TVDEinstellungsDialog d(e, 1);
    d.accept();
    Gleich(e, TVDEinstellung{});
  }
};

}  // namespace orbato

QTEST_MAIN(orbato::VDEinstellungsDialogTest)
#include "vdeinstellungsdialog_test.moc"
