#include "platform/qsettingsspeicher.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "persist/standardspeicher.h"
#include "platform/qttext.h"

namespace orbato {

class QSettingsSpeicherTest : public QObject {
  Q_OBJECT

 private slots:
  // Texts the settings hold must come back byte for byte: Windows-1252 letters, the blanks of the
  // period labels, commas and quotes that an INI file treats specially.
  void KeepsEveryTextExactly() {
    QTemporaryDir ordner;
    const QString datei = ordner.filePath(QStringLiteral("einstellungen.ini"));
    const std::string texte[] = {"M\xFCller",   " 1", "a,b;c",       "\"zitiert\"",
                                 "@Variant(x)", "",   "C:\\Pl\xE4ne"};
    {
      TQSettingsSpeicher speicher(datei);
      speicher.OeffneSchluessel("Tevi0");
      for (std::size_t i = 0; i < std::size(texte); ++i) {
        speicher.SchreibeWert("w" + std::to_string(i), texte[i]);
      }
      QVERIFY(speicher.Sichern());
    }
    TQSettingsSpeicher speicher(datei);
    speicher.OeffneSchluessel("Tevi0");
    for (std::size_t i = 0; i < std::size(texte); ++i) {
      const std::string name = "w" + std::to_string(i);
      QVERIFY(speicher.HatWert(name));
      QCOMPARE(speicher.LiesWert(name), texte[i]);
    }
    QVERIFY(!speicher.HatWert("w99"));
    speicher.OeffneSchluessel("Tevi1");
    QVERIFY(!speicher.HatWert("w0"));
  }

  // A whole settings object saved to the store loads back unchanged.
  void SettingsSurviveTheStore() {
    QTemporaryDir ordner;
    const QString datei = ordner.filePath(QStringLiteral("einstellungen.ini"));
    TStandard s;
    s.fSchulname = "Gesamtschule K\xF6ln, Standort Nord";
    s.fStdBez[2][0] = "1. Std";
    s.fMaxWocheNeu = 4;
    s.fFerien[300] = 0x1F;
    s.fVMemo[3] = {"Aufsicht", "  Pause  "};
    {
      TQSettingsSpeicher speicher(datei);
      SaveStandard(s, speicher);
      QVERIFY(speicher.Sichern());
    }
    TQSettingsSpeicher speicher(datei);
    TStandard geladen;
    LoadStandard(geladen, speicher);
    QCOMPARE(geladen.fSchulname, s.fSchulname);
    QCOMPARE(geladen.fStdBez[2][0].str(), std::string("1. Std"));
    QCOMPARE(geladen.fMaxWocheNeu, 4);
    QCOMPARE(int(geladen.fFerien[300]), 0x1F);
    QCOMPARE(geladen.fVMemo[3], s.fVMemo[3]);
  }

  void FontsMapBothWays() {
    const QFont font = QtSchrift({"Arial", 8});
    QCOMPARE(font.family(), QStringLiteral("Arial"));
    QCOMPARE(font.pointSize(), 8);
    QCOMPARE(QtSchrift({"Arial", -11}).pointSize(), 11);
    QCOMPARE(ModellSchrift(font).Groesse, 8);
  }
};

}  // namespace orbato

QTEST_GUILESS_MAIN(orbato::QSettingsSpeicherTest)
#include "qsettingsspeicher_test.moc"
