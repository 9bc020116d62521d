#include "persist/kursimport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "model/demo/demoschule.h"
#include "model/dokument/schule.h"
#include "model/schnittstellen/dialoge.h"
#include "model/schnittstellen/fenster.h"
#include "model/schnittstellen/testfenster.h"
#include "persist/kursdatei.h"
#include "persist/kursexport.h"
#include "persist/puffer.h"
#include "persist/schlechtepfade.h"

namespace orbato {
namespace {

std::vector<uint8_t> Bytes(const std::string& text) {
  return {text.begin(), text.end()};
}

// A course line of the exchange file whose fields 13 to 23 follow `rest`.
std::string Zeile(const std::string& anfang,
                  const std::string& rest = "\t\t\t\t\t1\t0\t1\t0\t0\t0") {
  return anfang + rest + "\r";
}

// The courses in the order they were read.
std::vector<TKurs*> Gelesen(const TSchule& schule) {
  std::vector<TKurs*> kurse(schule.fKursMenge.begin(), schule.fKursMenge.end());
  std::sort(kurse.begin(), kurse.end(),
            [](const TKurs* a, const TKurs* b) { return a->fLaufNr < b->fLaufNr; });
  return kurse;
}

template <class T>
std::vector<std::string> Kuerzel(const TListe<T>& menge) {
  std::vector<std::string> k;
  for (const T* e : menge) k.push_back(e->fKuerzel.str());
  return k;
}

// The day words of the two plan versions of the round trip.
std::vector<int32_t> Worte(const TWochBereich& bereich) {
  std::vector<int32_t> worte;
  for (int32_t w = 1; w <= 2; ++w) {
    for (int32_t t = 1; t <= kMaxTage; ++t) worte.push_back(bereich.GetWocheTag(w, t));
  }
  return worte;
}

using TPlatz = std::tuple<int32_t, int32_t, int32_t, std::string>;

std::vector<TPlatz> Plaetze(const TKurs& k) {
  std::vector<TPlatz> p;
  for (const TSetzung* s : k.fSetzungen) {
    p.emplace_back(s->fWoche, s->fTag, s->fStunde, s->fRaum ? s->fRaum->fKuerzel.str() : "");
  }
  return p;
}

// An empty document of its own with 5-day weeks and one plan version.
class KursImport : public ::testing::Test {
 protected:
  void SetUp() override { fStandard.fMaxTageNeu = 5; }

  // The message ImportFromFile refuses the path with.
  std::string Meldung(const std::string& pfad) {
    try {
      TImportForm(fSchule, fDialoge).ImportFromFile(pfad);
    } catch (const TStreamFehler& f) {
      return f.what();
    }
    return "importiert";
  }
  TImportErgebnis Importiere(const std::string& text) {
    return TImportForm(fSchule, fDialoge).ImportFromBytes(Bytes(text), "/tmp/ordner/kurse.txt");
  }
  void ErwarteUnveraendert() {
    EXPECT_EQ(fSchule.fKursMenge.ListeZahlElemente(), 0);
    EXPECT_EQ(fSchule.fLehrerMenge.ListeZahlElemente(), 0);
    EXPECT_EQ(fSchule.fKlassenMenge.ListeZahlElemente(), 0);
    EXPECT_EQ(fSchule.fRaumMenge.ListeZahlElemente(), 0);
    EXPECT_FALSE(fSchule.IsDirty());
  }
  std::vector<std::string> Infos() const {
    std::vector<std::string> infos;
    for (const auto& e : fDialoge.Protokoll(TDialogVorgang::FortschrittInfo)) {
      infos.push_back(e.fZeilen.at(0));
    }
    return infos;
  }

  TStandard fStandard;
  TStandardEinsetzen fStandardEingesetzt{fStandard};
  TSchule fSchule;
  TSchuleEinsetzen fSchuleEingesetzt{fSchule};
  TSkriptDialoge fDialoge;
};

// Müller's German for 5a and 5b with three placements (day 9, a Saturday, two rooms with the two
// long names for the room named last), CR LF line ends, and English whose last line lacks its CR.
const std::string kHandDatei =
    "7\t2\t3\tInfo\t M\x86L \tM\x9Fller\tD\tDeutsch\t5a\tKlasse 5a\tREL\tReligion\t"
    "1\x1D"
    "1\x1D"
    "1\t9\x1D"
    "6\x1D"
    "3\t1\x1D"
    "20\x1D"
    "4\tR1\x1D\x1DR2\tRaum eins\x1DRaum zwei\t2\t1\t3\t1\t0\t1\r\n"
    "7\t1\t9\t\tXYZ\t\tD\t\t5b\tKlasse 5b\t\t\t\t\t\t\t\t1\t0\t1\t0\t0\t0\r\n"
    "8\t1\t2\t\t\t\tE\t\t5a\tKlasse 5a\t\t\t1\t2\t3\t\t\t1\t0\t1\t0\t0\t1";

TEST_F(KursImport, ReadsCoursesWithContinuationLinesPlacementsAndRooms) {
  fStandard.fKursFarbe = 0x123456;
  fStandard.fFaktor = 5;
  TTestFenster fenster(21, "alle Kurse");
  fSchule.FensterAnmelden("alle Kurse", &fenster);
  ASSERT_EQ(Importiere(kHandDatei), TImportErgebnis::Importiert);

  EXPECT_EQ(Kuerzel(fSchule.fLehrerMenge), std::vector<std::string>{"M\xDCL"});
  EXPECT_EQ(fSchule.fLehrerMenge.ListeNrInhalt(1)->fInfo, "M\xFCller");
  EXPECT_EQ(Kuerzel(fSchule.fFachMenge), (std::vector<std::string>{"D", "E"}));
  EXPECT_EQ(Kuerzel(fSchule.fKlassenMenge), (std::vector<std::string>{"5a", "5b"}));
  EXPECT_EQ(fSchule.fKlassenMenge.ListeNrInhalt(2)->fInfo, "Klasse 5b");
  EXPECT_EQ(Kuerzel(fSchule.fKopplMenge), std::vector<std::string>{"REL"});
  EXPECT_EQ(Kuerzel(fSchule.fRaumMenge), (std::vector<std::string>{"R1", "R2"}));
  EXPECT_EQ(fSchule.fRaumMenge.ListeNrInhalt(1)->fInfo, "");
  EXPECT_EQ(fSchule.fRaumMenge.ListeNrInhalt(2)->fInfo, "Raum zwei");
  EXPECT_EQ(fStandard.fMaxTageNeu, 6);
  EXPECT_EQ(fenster.fUpdates, 1);
  EXPECT_TRUE(fSchule.IsDirty());

  const std::vector<TKurs*> kurse = Gelesen(fSchule);
  ASSERT_EQ(kurse.size(), 2u);
  const TKurs& d = *kurse[0];
  EXPECT_EQ(Kuerzel(d.fKlassen), (std::vector<std::string>{"5a", "5b"}));
  EXPECT_EQ(d.fStunden.GetWochenStunde(1), 3);
  EXPECT_EQ(d.fFaktor, 2);
  EXPECT_EQ(d.fInfo, "Info");
  EXPECT_EQ(std::make_tuple(d.fStdProTag, d.fEinzelStd, d.fTabellenNr), std::make_tuple(2, 1, 3));
  EXPECT_EQ(std::make_tuple(d.fNichtVerplanen, d.fNichtZaehlenLe, d.fNichtZaehlenKl),
            std::make_tuple(true, false, true));
  EXPECT_EQ(d.fColor, 0xFFFFFF);
  EXPECT_EQ(Kuerzel(d.fRaeume), (std::vector<std::string>{"R1", "R2"}));
  EXPECT_EQ(Plaetze(d), (std::vector<TPlatz>{{1, 1, 1, "R1"}, {1, 6, 16, ""}, {1, 3, 4, "R2"}}));
  EXPECT_EQ(d.fLehrer->fFaecher.ListeNrInhalt(1), d.fFach);
  EXPECT_EQ(Kuerzel(d.fFach->fKlassen), (std::vector<std::string>{"5a", "5b"}));
  const TKlasse& k5b = *d.fKlassen.ListeNrInhalt(2);
  EXPECT_EQ(k5b.fKurse.ListeNrInhalt(1), &d);
  for (const auto& [w, t, s, r] : Plaetze(d)) {
    EXPECT_TRUE(d.fBesetzung.GetWocheTagStd(w, t, s));
    EXPECT_TRUE(d.fLehrer->fBesetzung.GetWocheTagStd(w, t, s));
    EXPECT_TRUE(d.ErsteKlasse()->fBesetzung.GetWocheTagStd(w, t, s));
    EXPECT_TRUE(k5b.fBesetzung.GetWocheTagStd(w, t, s));
  }
  EXPECT_TRUE(fSchule.fRaumMenge.ListeNrInhalt(1)->fBesetzung.GetWocheTagStd(1, 1, 1));
  EXPECT_FALSE(fSchule.fRaumMenge.ListeNrInhalt(1)->fBesetzung.GetWocheTagStd(1, 3, 4));
  EXPECT_TRUE(fSchule.fRaumMenge.ListeNrInhalt(2)->fBesetzung.GetWocheTagStd(1, 3, 4));

  // The last line has no CR: the course is there with its placement, but not completed.
  const TKurs& e = *kurse[1];
  EXPECT_EQ(e.fLehrer, nullptr);
  EXPECT_EQ(e.fFach->fKuerzel, "E");
  EXPECT_EQ(e.fStunden.GetWochenStunde(1), 2);
  EXPECT_EQ(Plaetze(e), (std::vector<TPlatz>{{1, 2, 3, ""}}));
  EXPECT_EQ(e.fColor, 0x123456);
  EXPECT_EQ(e.fFaktor, 5);
  EXPECT_FALSE(e.fNichtZaehlenKl);
  EXPECT_FALSE(e.fBesetzung.GetWocheTagStd(1, 2, 3));
  EXPECT_FALSE(e.ErsteKlasse()->fBesetzung.GetWocheTagStd(1, 2, 3));
  fSchule.FensterAbmelden(&fenster);
}

TEST_F(KursImport, ShowsTheThreePassesAndTheFileInKiloBytes) {
  std::string datei;
  // 40 lines of 52 bytes, the course texts filling them up.
  for (int i = 1; i <= 40; ++i) {
    const std::string nr = std::to_string(i);
    datei += Zeile(nr + "\t1\t2\t" + std::string(15 - nr.size(), 'x') + "\tMUE\t\tD\t\t5a\t\t\t\t");
  }
  ASSERT_EQ(datei.size(), 2080u);
  fSchule.HoleLehrer("MUE");
  fSchule.HoleFach("D");
  fSchule.HoleKlasse("5a");
  ASSERT_EQ(Importiere(datei), TImportErgebnis::Importiert);
  EXPECT_EQ(fSchule.fKursMenge.ListeZahlElemente(), 40);
  EXPECT_EQ(fDialoge.Anzahl(TDialogVorgang::Frage), 0u);

  const auto beginn = fDialoge.Protokoll(TDialogVorgang::FortschrittBeginnen);
  ASSERT_EQ(beginn.size(), 1u);
  EXPECT_EQ(beginn[0].fTitel, "Importieren");
  EXPECT_EQ(beginn[0].fZahl, 2);
  EXPECT_EQ(fDialoge.Protokoll(TDialogVorgang::FortschrittText).at(0).fZeilen.at(0), "kurse.txt");
  EXPECT_EQ(Infos(),
            (std::vector<std::string>{"Das Format der Importdatei wird untersucht.",
                                      "Die Datei wird auf unbekannte K\xFCrzel untersucht.",
                                      "Die Daten werden importiert."}));
  std::vector<int> balken;
  for (const auto& e : fDialoge.Protokoll(TDialogVorgang::FortschrittSetzen)) {
    balken.push_back(e.fZahl);
  }
  // Every 100 bytes in each pass: 100 … 2000 are 20 marks, of which 1100 … 2000 are past 1 KB.
  std::vector<int> einDurchgang(20, 0);
  std::fill(einDurchgang.begin() + 10, einDurchgang.end(), 1);
  std::vector<int> erwartet;
  for (int i = 0; i < 3; ++i)
    erwartet.insert(erwartet.end(), einDurchgang.begin(), einDurchgang.end());
  EXPECT_EQ(balken, erwartet);
  EXPECT_FALSE(fDialoge.FortschrittOffen());
}

TEST_F(KursImport, RefusesEveryLineThatBreaksTheFormat) {
  const std::string gut = "1\t1\t2\t\tMUE\t\tD\t\t5a\t\t\t\t";
  const std::vector<std::string> falsch = {
      Zeile(gut, "\t\t\t\t\t1\t0\t1\t0\t0"),        // 22 fields
      Zeile(gut, "\t\t\t\t\t1\t0\t1\t0\t0\t0\t0"),  // 24 fields
      Zeile("123456" + gut.substr(1)),              // a six-digit course number
      Zeile(gut, "\t\t\t\t\t1\t0\t1\t2\t0\t0"),     // a flag that is neither 0 nor 1
      Zeile(gut, "\t\t\t\t\t1\t0\t1\t0\t0\t00"),    // the last flag of two characters
      Zeile("1\t1\t12345" + gut.substr(5)),         // hours of five characters
      Zeile(gut,
            "\x1D"
            "1\t1\t1\t\t\t1\t0\t1\t0\t0\t0"),        // an empty version item
      Zeile("1\t1\t2\t\tM\x1DUE" + gut.substr(10)),  // a group separator outside the lists
      "\r",                                          // an empty line
  };
  for (const std::string& datei : falsch) {
    TSkriptDialoge dialoge;
    EXPECT_EQ(TImportForm(fSchule, dialoge).ImportFromBytes(Bytes(datei), "kurse.txt"),
              TImportErgebnis::FalschesFormat);
    const auto meldungen = dialoge.Protokoll(TDialogVorgang::Nachricht);
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_EQ(meldungen[0].fTitel, "Falsches Format");
    EXPECT_EQ(meldungen[0].fZeilen,
              (std::vector<std::string>{"Der Inhalt der Importdatei hat nicht",
                                        "das geeignete Format f\xFCr Kurse."}));
    EXPECT_EQ(meldungen[0].fKnoepfe, std::vector<std::string>{"Ok"});
    EXPECT_EQ(meldungen[0].fArt, TMeldungsArt::Fehler);
    EXPECT_EQ(dialoge.Anzahl(TDialogVorgang::Frage), 0u);
    EXPECT_FALSE(dialoge.FortschrittOffen());
  }
  ErwarteUnveraendert();
}

TEST_F(KursImport, LeavesTheDocumentAsItWasWhenUnknownShortNamesAreDeclined) {
  fDialoge.Antworte("Nein");
  EXPECT_EQ(Importiere(Zeile("1\t1\t2\t\tMUE\t\tD\t\t5a\t\t\t\t")), TImportErgebnis::Abgelehnt);
  const auto fragen = fDialoge.Protokoll(TDialogVorgang::Frage);
  ASSERT_EQ(fragen.size(), 1u);
  EXPECT_EQ(fragen[0].fTitel, "Unbekannte K\xFCrzel");
  EXPECT_EQ(fragen[0].fZeilen,
            (std::vector<std::string>{"Die Importdatei enth\xE4lt unbekannte K\xFCrzel.",
                                      "Wollen sie trotzdem importieren?"}));
  EXPECT_EQ(fragen[0].fKnoepfe, (std::vector<std::string>{"Ja", "Nein"}));
  EXPECT_EQ(Infos().size(), 2u);
  ErwarteUnveraendert();
}

TEST_F(KursImport, AsksOnlyForANameTheDocumentLacksIncludingRooms) {
  fSchule.HoleLehrer("MUE");
  fSchule.HoleKlasse("5a");
  fSchule.HoleFach("D");
  EXPECT_EQ(Importiere(Zeile("1\t1\t2\t\tMUE\t\tD\t\t5a\t\t\t\t")), TImportErgebnis::Importiert);
  EXPECT_EQ(fDialoge.Anzahl(TDialogVorgang::Frage), 0u);
  fDialoge.Antworte("Nein");
  EXPECT_EQ(
      Importiere(Zeile("1\t1\t2\t\tMUE\t\tD\t\t5a\t\t\t\t", "1\t1\t1\tR9\t\t1\t0\t1\t0\t0\t0")),
      TImportErgebnis::Abgelehnt);
  EXPECT_EQ(fSchule.fKursMenge.ListeZahlElemente(), 1);
  EXPECT_EQ(fSchule.fRaumMenge.ListeZahlElemente(), 0);
}

TEST_F(KursImport, DividesTheHoursAmongTheVersionsWhenAllAreSelected) {
  fStandard.SetMaxWocheNeu(2);
  fStandard.fEineWoche = false;
  ASSERT_EQ(Importiere(Zeile("1\t1\t6\t\tMUE\t\t\t\t\t\t\t\t")), TImportErgebnis::Importiert);
  const TKurs& k = *fSchule.fKursMenge.ListeNrInhalt(1);
  EXPECT_EQ(k.fStunden.GetWochenStunde(1), 3);
  EXPECT_EQ(k.fStunden.GetWochenStunde(2), 3);
  EXPECT_EQ(k.fKlassen.ListeZahlElemente(), 0);
}

TEST_F(KursImport, ReadsTheHourFieldsTheOldCheckAcceptedAsBefore) {
  ASSERT_EQ(
      Importiere(Zeile("1\t0\t-5\t\tA\t\t\t\t\t\t\t\t", "\t\t\t\t\t1\t9\t\t1\t0\t0") +
                 Zeile("2\t99999\t-\t\tB\t\t\t\t\t\t\t\t", "\t\t\t\t\t99\t-\t7\t0\t0\t0") +
                 Zeile("3\t1\t99\t\tC\t\t\t\t\t\t\t\t") + Zeile("4\t1\t1000\t\tD\t\t\t\t\t\t\t\t") +
                 // The last flag needs only one "0" or "1" among its characters; it is set
                 // only by a plain "1".
                 Zeile("5\t1\t1\t\tE\t\t\t\t\t\t\t\t", "\t\t\t\t\t1\t0\t1\t0\t0\t1 ")),
      TImportErgebnis::Importiert);
  const std::vector<TKurs*> k = Gelesen(fSchule);
  ASSERT_EQ(k.size(), 5u);
  EXPECT_FALSE(k[4]->fNichtZaehlenKl);
  EXPECT_EQ(std::make_tuple(k[0]->fStunden.GetWochenStunde(1), k[0]->fFaktor, k[0]->fEinzelStd,
                            k[0]->fTabellenNr, k[0]->fNichtVerplanen),
            std::make_tuple(-5, 1, 5, 1, true));
  EXPECT_EQ(std::make_tuple(k[1]->fStunden.GetWochenStunde(1), k[1]->fFaktor, k[1]->fStdProTag,
                            k[1]->fEinzelStd, k[1]->fTabellenNr),
            std::make_tuple(0, 10000, 16, 0, 4));
  EXPECT_EQ(k[2]->fStunden.GetWochenStunde(1), 99);
  EXPECT_EQ(k[3]->fStunden.GetWochenStunde(1), 112);
}

TEST_F(KursImport, ReadsBackACourseWhoseSummedHoursReachThreeDigits) {
  fStandard.SetMaxWocheNeu(2);
  fStandard.fEineWoche = false;
  {
    auto* k = new TKurs;
    k->IKurs(fSchule.HoleLehrer("MUE"), nullptr, 60, nullptr, nullptr, nullptr);
  }
  const std::vector<uint8_t> datei = KursExportBytes(fSchule);
  ASSERT_EQ(std::string(datei.begin(), datei.begin() + 8), "1\t1\t120\t");
  TSchule neu;
  TSkriptDialoge dialoge;
  ASSERT_EQ(TImportForm(neu, dialoge).ImportFromBytes(datei, "kurse.txt"),
            TImportErgebnis::Importiert);
  const TKurs& k = *neu.fKursMenge.ListeNrInhalt(1);
  EXPECT_EQ(k.fStunden.GetWochenStunde(1), 60);
  EXPECT_EQ(k.fStunden.GetWochenStunde(2), 60);
}

TEST_F(KursImport, KeepsOneLessonPerCellAndIgnoresItemsWithoutAPlacement) {
  ASSERT_EQ(Importiere(Zeile("1\t1\t3\t\tMUE\t\t\t\t5a\t\t\t\t",
                             "1\x1D"
                             "1\t2\x1D"
                             "2\x1D"
                             "3\t4\x1D"
                             "4\t\x1D\x1DR7\t\t1\t0\t1\t0\t0\t0")),
            TImportErgebnis::Importiert);
  const TKurs& k = *fSchule.fKursMenge.ListeNrInhalt(1);
  EXPECT_EQ(Plaetze(k), (std::vector<TPlatz>{{1, 2, 4, ""}}));
  EXPECT_EQ(fSchule.fRaumMenge.ListeZahlElemente(), 0);
  EXPECT_EQ(k.VerplanteStunden(1), 1);
}

// A missing file, a folder, a device, a FIFO or a file too large: refused with its message before
// anything is shown, and the document stays as it was.
TEST_F(KursImport, ReportsAFileThatCannotBeOpenedBeforeShowingAnything) {
  TSchlechtePfade pfade("import");
  const std::string keineDatei = "Der Pfad bezeichnet keine gew\xF6hnliche Datei.";
  EXPECT_EQ(Meldung("/nonexistent/kurse.txt"),
            NichtGeoeffnet("/nonexistent/kurse.txt", kOrdnerFehlt));
  EXPECT_EQ(Meldung(pfade.Ordner()),
            NichtGeoeffnet(pfade.Ordner(), "Der Pfad bezeichnet einen Ordner."));
  EXPECT_EQ(Meldung("/dev/zero"), NichtGeoeffnet("/dev/zero", keineDatei));
  const std::string fifo = pfade.Fifo();
  EXPECT_EQ(Meldung(fifo), NichtGeoeffnet(fifo, keineDatei));
  const std::string gross = pfade.Gross(kMaxKursDateiBytes + 1);
  if (!gross.empty()) {
    EXPECT_EQ(Meldung(gross), "Datei " + gross +
                                  " ist zu gro\xDF f\xFCr eine Importdatei (h\xF6"
                                  "chstens 27.053.682.788 Bytes).");
  }
  EXPECT_TRUE(fDialoge.Protokoll().empty());
  ErwarteUnveraendert();
  if (gross.empty()) GTEST_SKIP() << "no sparse file above the bound on this file system";
}

TEST_F(KursImport, ReportsAFileWithoutReadPermission) {
  TSchlechtePfade pfade("import");
  const std::string unlesbar = pfade.Unlesbar();
  if (TSchlechtePfade::LiestAlles())
    GTEST_SKIP() << "root reads a file without permissions, and so does Windows";
  EXPECT_EQ(Meldung(unlesbar), NichtGeoeffnet(unlesbar, "Zugriff verweigert."));
  EXPECT_TRUE(fDialoge.Protokoll().empty());
  ErwarteUnveraendert();
}

// An empty file breaks no rule of the format and holds no course: the three passes run over
// nothing and the document gains nothing.
TEST_F(KursImport, AnEmptyFileImportsNothing) {
  TSchlechtePfade pfade("import");
  EXPECT_EQ(TImportForm(fSchule, fDialoge).ImportFromFile(pfade.Leer()),
            TImportErgebnis::Importiert);
  EXPECT_EQ(Infos(),
            (std::vector<std::string>{"Das Format der Importdatei wird untersucht.",
                                      "Die Datei wird auf unbekannte K\xFCrzel untersucht.",
                                      "Die Daten werden importiert."}));
  ErwarteUnveraendert();
}

struct TEchteSchule {
  const char* datei;
  int lehrer, faecher, klassen, kopplungen, kurse, klassenZuordnungen, stunden;
};

class EchteSchulen : public KursImport, public ::testing::WithParamInterface<TEchteSchule> {};

TEST_P(EchteSchulen, ReadsTheSchoolsExchangeFile) {
  const TEchteSchule& e = GetParam();
  ASSERT_EQ(
      TImportForm(fSchule, fDialoge).ImportFromFile(std::string(ORBATO_SCHULEN "/") + e.datei),
      TImportErgebnis::Importiert);
  EXPECT_EQ(fDialoge.Anzahl(TDialogVorgang::Frage), 1u);
  EXPECT_EQ(fSchule.fLehrerMenge.ListeZahlElemente(), e.lehrer);
  EXPECT_EQ(fSchule.fFachMenge.ListeZahlElemente(), e.faecher);
  EXPECT_EQ(fSchule.fKlassenMenge.ListeZahlElemente(), e.klassen);
  EXPECT_EQ(fSchule.fKopplMenge.ListeZahlElemente(), e.kopplungen);
  EXPECT_EQ(fSchule.fRaumMenge.ListeZahlElemente(), 0);
  EXPECT_EQ(fSchule.fKursMenge.ListeZahlElemente(), e.kurse);
  int zuordnungen = 0, stunden = 0, setzungen = 0;
  for (const TKurs* k : fSchule.fKursMenge) {
    zuordnungen += k->fKlassen.ListeZahlElemente();
    stunden += k->fStunden.GetWochenStunde(1);
    setzungen += k->fSetzungen.ListeZahlElemente();
    EXPECT_EQ(k->fColor, 0xFFFFFF);
  }
  EXPECT_EQ(zuordnungen, e.klassenZuordnungen);
  EXPECT_EQ(stunden, e.stunden);
  EXPECT_EQ(setzungen, 0);
}

INSTANTIATE_TEST_SUITE_P(KursImport, EchteSchulen,
                         ::testing::Values(TEchteSchule{"dgs.txt", 26, 34, 37, 22, 224, 256, 468},
                                           TEchteSchule{"sekundarschule.txt", 33, 19, 42, 10, 285,
                                                        393, 680}));

TEST_F(KursImport, ReadsTheDetailsOfARealSchool) {
  ASSERT_EQ(TImportForm(fSchule, fDialoge).ImportFromFile(ORBATO_SCHULEN "/dgs.txt"),
            TImportErgebnis::Importiert);
  const std::vector<TKurs*> k = Gelesen(fSchule);
  // Course 2: two classes in the coupling K7 of seven courses, a subject with ü in the file code.
  EXPECT_EQ(k[1]->fFach->fKuerzel, "J\xFCV-KlL");
  EXPECT_EQ(Kuerzel(k[1]->fKlassen), (std::vector<std::string>{"1", "2"}));
  EXPECT_EQ(k[1]->fKopplung->fInfo, "FET activity group 7");
  EXPECT_EQ(std::make_tuple(k[1]->fStunden.GetWochenStunde(1), k[1]->fStdProTag, k[1]->fEinzelStd),
            std::make_tuple(6, 2, 0));
  // Course 68: three classes, one of them "6/7".
  EXPECT_EQ(k[67]->fInfo, "FET 127");
  EXPECT_EQ(Kuerzel(k[67]->fKlassen), (std::vector<std::string>{"9", "8", "6/7"}));
  const TLehrer* det = TSchule::HoleElement(fSchule.fLehrerMenge, "Det");
  EXPECT_EQ(det->fKurse.ListeZahlElemente(), 16);
  EXPECT_EQ(det->fFaecher.ListeZahlElemente(), 10);
  EXPECT_EQ(TSchule::HoleElement(fSchule.fKopplMenge, "K7")->fKurse.ListeZahlElemente(), 7);
}

// The demo school as the import gives it back: the courses in the order they were read match the
// exported ones in the document's order; the rooms are those the placements name.
class KursRundlauf : public ::testing::Test {
 protected:
  void SetUp() override {
    {
      TSchuleEinsetzen eingesetzt(fDemo);
      ErzeugeDemoSchule(fDemo, fStandard, TDemoGroesse::mittel);
    }
    fStandard.fEineWoche = false;
    TSkriptDialoge dialoge;
    ASSERT_EQ(TImportForm(fNeu, dialoge).ImportFromBytes(KursExportBytes(fDemo), "demo.txt"),
              TImportErgebnis::Importiert);
  }

  template <class T>
  static std::map<std::string, std::string> Namen(const TListe<T>& menge) {
    std::map<std::string, std::string> namen;
    for (const T* e : menge) {
      if (e->fKurse.ListeZahlElemente() > 0) namen[e->fKuerzel.str()] = e->fInfo.str();
    }
    return namen;
  }

  static std::string Name(const TElement* e) { return e ? e->fKuerzel.str() : ""; }

  static void ErwarteGleich(const TKurs& a, const TKurs& b) {
    EXPECT_EQ(Name(a.fLehrer), Name(b.fLehrer));
    EXPECT_EQ(Name(a.fFach), Name(b.fFach));
    EXPECT_EQ(Name(a.fKopplung), Name(b.fKopplung));
    EXPECT_EQ(Kuerzel(a.fKlassen), Kuerzel(b.fKlassen));
    for (int32_t w = 1; w <= 2; ++w) {
      EXPECT_EQ(a.fStunden.GetWochenStunde(w), b.fStunden.GetWochenStunde(w));
    }
    EXPECT_EQ(std::make_tuple(a.fFaktor, a.fStdProTag, a.fEinzelStd, a.fTabellenNr, a.fInfo.str()),
              std::make_tuple(b.fFaktor, b.fStdProTag, b.fEinzelStd, b.fTabellenNr, b.fInfo.str()));
    EXPECT_EQ(std::make_tuple(a.fNichtVerplanen, a.fNichtZaehlenLe, a.fNichtZaehlenKl),
              std::make_tuple(b.fNichtVerplanen, b.fNichtZaehlenLe, b.fNichtZaehlenKl));
    EXPECT_EQ(Plaetze(a), Plaetze(b));
    std::vector<std::string> raeume;
    for (const auto& [w, t, s, r] : Plaetze(a)) {
      if (!r.empty() && std::find(raeume.begin(), raeume.end(), r) == raeume.end()) {
        raeume.push_back(r);
      }
    }
    EXPECT_EQ(Kuerzel(b.fRaeume), raeume);
    EXPECT_EQ(b.fColor, 0xFFFFFF);
    EXPECT_EQ(Worte(b.fBesetzung), Worte(a.fBesetzung));
  }

  TStandard fStandard;
  TStandardEinsetzen fStandardEingesetzt{fStandard};
  TSchule fDemo;
  TSchule fNeu;
};

TEST_F(KursRundlauf, ReproducesTheCoursesOfTheDemoSchool) {
  const std::vector<TKurs*> neu = Gelesen(fNeu);
  ASSERT_EQ(static_cast<int32_t>(neu.size()), fDemo.fKursMenge.ListeZahlElemente());
  ASSERT_EQ(neu.size(), 503u);
  for (std::size_t i = 0; i < neu.size(); ++i) {
    SCOPED_TRACE(i);
    ErwarteGleich(*fDemo.fKursMenge.ListeNrInhalt(static_cast<int32_t>(i) + 1), *neu[i]);
  }
}

TEST_F(KursRundlauf, ReproducesTheElementsAndTheirOccupancy) {
  EXPECT_EQ(Namen(fNeu.fLehrerMenge), Namen(fDemo.fLehrerMenge));
  EXPECT_EQ(Namen(fNeu.fKlassenMenge), Namen(fDemo.fKlassenMenge));
  EXPECT_EQ(Namen(fNeu.fFachMenge), Namen(fDemo.fFachMenge));
  EXPECT_EQ(Namen(fNeu.fKopplMenge), Namen(fDemo.fKopplMenge));
  EXPECT_EQ(fNeu.fLehrerMenge.ListeZahlElemente(), 50);
  // A room's long name travels with the last placement of a course only.
  std::map<std::string, std::string> raeume;
  for (const TKurs* k : fDemo.fKursMenge) {
    for (const TSetzung* s : k->fSetzungen) {
      if (s->fRaum) raeume.try_emplace(s->fRaum->fKuerzel.str(), "");
    }
    for (int32_t i = k->fSetzungen.ListeZahlElemente(); i >= 1; --i) {
      if (const TRaum* r = k->fSetzungen.ListeNrInhalt(i)->fRaum) {
        raeume[r->fKuerzel.str()] = r->fInfo.str();
        break;
      }
    }
  }
  EXPECT_EQ(Namen(fNeu.fRaumMenge), raeume);
  for (const TLehrer* l : fDemo.fLehrerMenge) {
    EXPECT_EQ(Worte(TSchule::HoleElement(fNeu.fLehrerMenge, l->fKuerzel)->fBesetzung),
              Worte(l->fBesetzung))
        << l->fKuerzel.str();
  }
  for (const TKlasse* k : fDemo.fKlassenMenge) {
    EXPECT_EQ(Worte(TSchule::HoleElement(fNeu.fKlassenMenge, k->fKuerzel)->fBesetzung),
              Worte(k->fBesetzung))
        << k->fKuerzel.str();
  }
}

}  // namespace
}  // namespace orbato
