#include "ui/hauptfenster/handbuchfenster.h"

#include <QAction>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QScreen>
#include <QSet>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>
#include <QtGlobal>

#include "lauf.h"
#include "oberflaeche.h"

namespace orbato {
namespace {

const QString kWurzel = QStringLiteral(":/handbuch");

// Every file of the manual in the resources, as "qrc:/handbuch/…", sorted.
QStringList Dateien(const QString& endung) {
  QStringList dateien;
  QDirIterator it(kWurzel, QDir::Files, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString pfad = it.next();
    if (pfad.endsWith(endung)) dateien << QStringLiteral("qrc") + pfad;
  }
  dateien.sort();
  return dateien;
}

QString Inhalt(const QUrl& seite) {
  QFile datei(QLatin1Char(':') + seite.path());
  if (!datei.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(datei.readAll());
}

// The targets of a page's href and src attributes, resolved against the page.
QList<QUrl> Verweise(const QUrl& seite) {
  static const QRegularExpression kVerweis(QStringLiteral("(?:href|src)\\s*=\\s*\"([^\"]*)\""));
  QList<QUrl> ziele;
  for (const QRegularExpressionMatch& m : kVerweis.globalMatch(Inhalt(seite))) {
    ziele << seite.resolved(QUrl(m.captured(1)));
  }
  return ziele;
}

bool HatAnker(const QUrl& seite, const QString& anker) {
  return Inhalt(seite).contains(QStringLiteral("id=\"%1\"").arg(anker));
}

THandbuchFenster* HilfeFenster(const TLauf& lauf) {
  return lauf.palette->findChild<THandbuchFenster*>();
}

QString Seite(const THandbuchFenster* fenster) {
  return fenster->Browser()->source().toString();
}

// As a click on a link does: the address relative to the page shown.
void Folge(THandbuchFenster* fenster, const QString& verweis) {
  QTextBrowser* browser = fenster->Browser();
  browser->setSource(browser->source().resolved(QUrl(verweis)));
}

}  // namespace

class HandbuchFensterTest : public QObject {
  Q_OBJECT

 private slots:
  // Every link leads to a page or picture of the manual (and an anchor there), none leaves it,
  // every page is reached from the start page and every picture is shown somewhere.
  void EveryLinkOfTheManualResolvesInsideIt() {
    const QStringList seiten = Dateien(QStringLiteral(".html"));
    QCOMPARE(seiten.size(), 13);
    QSet<QString> erreicht{QStringLiteral("qrc:/handbuch/index.html")};
    QList<QString> offen{QStringLiteral("qrc:/handbuch/index.html")};
    QSet<QString> gezeigt;
    while (!offen.isEmpty()) {
      const QUrl seite(offen.takeFirst());
      for (const QUrl& ziel : Verweise(seite)) {
        const QString text = seite.toString() + QStringLiteral(" -> ") + ziel.toString();
        QVERIFY2(ziel.scheme() == QStringLiteral("qrc"), qPrintable(text));
        QVERIFY2(QFile::exists(QLatin1Char(':') + ziel.path()), qPrintable(text));
        if (ziel.hasFragment()) QVERIFY2(HatAnker(ziel, ziel.fragment()), qPrintable(text));
        const QString datei = ziel.adjusted(QUrl::RemoveFragment).toString();
        gezeigt << datei;
        if (datei.endsWith(QStringLiteral(".html")) && !erreicht.contains(datei)) {
          erreicht << datei;
          offen << datei;
        }
      }
    }
    QCOMPARE(QStringList(erreicht.begin(), erreicht.end()).size(), seiten.size());
    for (const QString& bild : Dateien(QStringLiteral(".png"))) {
      QVERIFY2(gezeigt.contains(bild), qPrintable(bild));
      QVERIFY2(!QImage(QLatin1Char(':') + QUrl(bild).path()).isNull(), qPrintable(bild));
    }
    QCOMPARE(Dateien(QStringLiteral(".png")).size(), 6);
  }

  void EachHelpEntryOpensItsPageUnderItsTitle() {
    TLauf lauf;
    QVERIFY(HilfeFenster(lauf) == nullptr);
    lauf.Waehle({QStringLiteral("Hilfe"), QStringLiteral("Orbato-Handbuch")});
    THandbuchFenster* fenster = HilfeFenster(lauf);
    QVERIFY(fenster != nullptr);
    QVERIFY(fenster->isVisible());
    QCOMPARE(fenster->windowTitle(), QStringLiteral("Orbato-Handbuch"));
    QCOMPARE(Seite(fenster), QStringLiteral("qrc:/handbuch/inhalt.html"));
    // Whole on the screen, though its size is larger than the tests' screen is high.
    QVERIFY(QTest::qWaitForWindowExposed(fenster));
    QVERIFY(fenster->screen()->availableGeometry().contains(fenster->frameGeometry()));
    QCOMPARE(fenster->Browser()->documentTitle(), QStringLiteral("Orbato-Handbuch"));

    lauf.Waehle({QStringLiteral("Hilfe"), QStringLiteral("WinOrbato Hilfe")});
    QCOMPARE(lauf.palette->findChildren<THandbuchFenster*>().size(), 1);
    QCOMPARE(fenster->windowTitle(), QStringLiteral("WinOrbato Hilfe"));
    QCOMPARE(Seite(fenster), QStringLiteral("qrc:/handbuch/index.html"));
    // The page is read as UTF-8 and its pictures load relative to it.
    QVERIFY(fenster->Browser()->toPlainText().contains(QStringLiteral("Die Menüs")));
    const QByteArray bild =
        fenster->Browser()
            ->loadResource(QTextDocument::ImageResource, QUrl(QStringLiteral("bilder/palette.png")))
            .toByteArray();
    QVERIFY(!QImage::fromData(bild).isNull());
    QCOMPARE(lauf.palette->Aktion({QStringLiteral("Hilfe"), QStringLiteral("WinOrbato Hilfe")})
                 ->shortcut(),
             QKeySequence(Qt::Key_F1));
  }

  void BackForwardAndHomeWalkTheHistory() {
    TLauf lauf;
    lauf.Waehle({QStringLiteral("Hilfe"), QStringLiteral("WinOrbato Hilfe")});
    THandbuchFenster* fenster = HilfeFenster(lauf);
    QVERIFY(!fenster->Zurueck()->isEnabled());
    Folge(fenster, QStringLiteral("inhalt.html"));
    Folge(fenster, QStringLiteral("setzen.html"));
    QCOMPARE(Seite(fenster), QStringLiteral("qrc:/handbuch/setzen.html"));
    fenster->Zurueck()->trigger();
    QCOMPARE(Seite(fenster), QStringLiteral("qrc:/handbuch/inhalt.html"));
    QVERIFY(fenster->Vor()->isEnabled());
    fenster->Vor()->trigger();
    QCOMPARE(Seite(fenster), QStringLiteral("qrc:/handbuch/setzen.html"));
    QVERIFY(!fenster->Vor()->isEnabled());
    fenster->Startseite()->trigger();
    QCOMPARE(Seite(fenster), QStringLiteral("qrc:/handbuch/index.html"));
  }

  void AboutBoxNamesVersionLicenceAndLibraries() {
    TLauf lauf;
    TModalSkript skript;
    skript.Dann([](QWidget* box) { SchliesseOhneAenderung(box); });
    lauf.Waehle({QStringLiteral("Hilfe"), QStringLiteral("Über WinOrbato...")});
    QCOMPARE(skript.fTitel, QStringList{QStringLiteral("Über WinOrbato")});
    const QStringList zeilen = skript.fTexte.value(0).split(QLatin1Char('\n'));
    QCOMPARE(zeilen.value(0), QStringLiteral("WinOrbato 3.9.16"));
    QVERIFY(zeilen.contains(QStringLiteral("Alle Rechte vorbehalten.")));
    QVERIFY(
        zeilen.contains(QStringLiteral("Qt %1 (übersetzt mit Qt %2)")
                            .arg(QString::fromLatin1(qVersion()), QStringLiteral(QT_VERSION_STR))));
    QCOMPARE(zeilen.filter(QStringLiteral("C++-Standardbibliothek: ")).size(), 1);
    QCOMPARE(zeilen
                 .filter(QRegularExpression(QStringLiteral("^Übersetzt mit (GCC|Clang) "
                                                           "\\d+\\.\\d+\\.\\d+ nach C\\+\\+20$")))
                 .size(),
             1);
  }

  void UpdatesBoxSaysInstalledVersionAndWhereNewerOnesComeFrom() {
    TLauf lauf;
    TModalSkript skript;
    skript.Druecke(QStringLiteral("Ok"));
    lauf.Waehle({QStringLiteral("Hilfe"), QStringLiteral("Updates")});
    QCOMPARE(skript.fTitel, QStringList{QStringLiteral("Updates")});
    QCOMPARE(skript.fTexte.value(0),
             QStringLiteral("Installierte Version: 3.9.16\n"
                            "\n"
                            "Die installierte Version nennen dieses Fenster und „Hilfe“ / „Über "
                            "WinOrbato...“.\n"
                            "\n"
                            "Eine neuere Version erhält die Schule von ihrem Softwareanbieter als "
                            "Debian-Paket „winorbato“. Installiert wird sie mit\n"
                            "apt install ./winorbato_<Version>_amd64.deb\n"
                            "\n"
                            "Plandateien älterer Versionen liest die neue Version; beim nächsten "
                            "Sichern schreibt sie sie im neuen Format."));
  }
};

}  // namespace orbato

QTEST_MAIN(orbato::HandbuchFensterTest)
#include "handbuchfenster_test.moc"
