#include "austausch/ical/kalenderexport.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "austausch/ical/kalenderdatei.h"
#include "austausch/ical/stundenereignis.h"
#include "model/schulfixture.h"

namespace orbato {
namespace {

// Monday 7 December 2026 starts a week of plan version 1 with a holiday on Wednesday; Monday
// 14 December a week of plan version 2.
const TDatumZeit kMontag = *KodiereDatum(2026, 12, 7);

TDatumZeit Am(int tage) {
  return kMontag + tage + 0.5;
}

// Two teachers teach one class in two rooms. On the first Monday B takes A's first lesson in his
// own room; on the second Monday that lesson is cancelled.
class KalenderTest : public SchulTest {
 protected:
  void SetUp() override {
    fStandard.fMaxTageNeu = 5;
    fStandard.fMaxWocheNeu = 2;
    fStandard.fSchulname =
        "Gymnasium S\xFC"
        "d";
    fStandard.fFerien[static_cast<std::size_t>(KalenderWoche(Am(2)))] = 1 << 2;
    fSchule.fKalender[static_cast<std::size_t>(KalenderWoche(Am(7)))] = 2;
    fA = fSchule.HoleLehrer("A");
    fB = fSchule.HoleLehrer("B");
    f5a = fSchule.HoleKlasse("5a");
    fR1 = fSchule.HoleRaum("R1");
    fR2 = fSchule.HoleRaum("R2");
    fDeutsch = Kurs(fA, f5a, 3, fR1, fSchule.HoleFach("D"));
    fMo1 = Setze(fDeutsch, 1, 1, 1, fR1);
    Setze(fDeutsch, 1, 2, 3, fR1);
    Setze(fDeutsch, 1, 3, 2, fR1);  // on the holiday
    fMo1v2 = Setze(fDeutsch, 2, 1, 1, fR1);
    fMathe = Kurs(fB, f5a, 2, fR2, fSchule.HoleFach("M"));
    Setze(fMathe, 1, 1, 2, fR2);
    Setze(fMathe, 2, 2, 3, fR2);
    Setze(fMathe, 1, 6, 1, fR2);  // Saturday lies beyond the school week

    TVertretung* v = Vertretung(fMo1, fDeutsch, Am(0));
    v->fLehrer = fB;
    v->fRaum = fR2;
    v->fLInfo = "in Raum R2";
    v->fSInfo = "bitte Hefte mitbringen";
    TVertretung* frei = Vertretung(fMo1v2, fDeutsch, Am(7));
    frei->fLehrer = nullptr;
    frei->fFrei = true;
    frei->fLInfo = "frei";
    frei->fSInfo = "frei";
  }

  TVertretung* Vertretung(TSetzung* s, TKurs* k, TDatumZeit datum) {
    auto* v = new TVertretung;
    v->fKurs = k;
    v->fSetzung = s;
    v->fDatum = datum;
    v->fFach = k->fFach;
    v->fRaum = s->fRaum;
    v->fLehrer = k->fLehrer;
    s->fVertretungen.ListeAnhaengen(v);
    fSchule.fVertretungsMenge.ListeAnhaengen(v);
    return v;
  }

  std::vector<TStundenEreignis> Ereignisse(TKuerzelArt art, const TPlanElement& e) {
    return StundenEreignisse(fSchule, fStandard, art, e, Am(0), Am(8));
  }

  // Date, period, times, title, place, description and "abgesagt" of every event.
  static std::vector<std::string> Zeilen(const std::vector<TStundenEreignis>& ereignisse) {
    std::vector<std::string> zeilen;
    for (const TStundenEreignis& e : ereignisse) {
      const TKalenderDatum d = DekodiereDatum(e.datum);
      zeilen.push_back(std::to_string(d.Tag) + "." + std::to_string(d.Monat) + " " +
                       std::to_string(e.stunde) + " " + UhrzeitText(e.beginn) + "-" +
                       UhrzeitText(e.ende) + " " + e.titel + " @" + e.ort + " [" + e.beschreibung +
                       "]" + (e.abgesagt ? " abgesagt" : ""));
    }
    return zeilen;
  }

  TLehrer *fA = nullptr, *fB = nullptr;
  TKlasse* f5a = nullptr;
  TRaum *fR1 = nullptr, *fR2 = nullptr;
  TKurs *fDeutsch = nullptr, *fMathe = nullptr;
  TSetzung *fMo1 = nullptr, *fMo1v2 = nullptr;
};

// The teacher loses the lesson B took and the one that was cancelled; the holiday, the weekend
// and the week's other version bring nothing.
TEST_F(KalenderTest, TheTeachersCalendarCancelsWhatWasTakenFromHim) {
  EXPECT_EQ(Zeilen(Ereignisse(leh, *fA)),
            (std::vector<std::string>{"7.12 1 08:00-08:45 D 5a @R2 [in Raum R2] abgesagt",
                                      "8.12 3 09:55-10:40 D 5a @R1 []",
                                      "14.12 1 08:00-08:45 D 5a @R1 [frei] abgesagt"}));
}

// The substitute gets the lesson he gives for A as an event of its own.
TEST_F(KalenderTest, TheSubstituteGetsTheLessonHeGives) {
  EXPECT_EQ(Zeilen(Ereignisse(leh, *fB)),
            (std::vector<std::string>{
                "7.12 1 08:00-08:45 D 5a @R2 [Vertretung f\xFCr A | in Raum R2]",
                "7.12 2 08:50-09:35 M 5a @R2 []", "15.12 3 09:55-10:40 M 5a @R2 []"}));
}

// The class keeps its lesson with the substitute and the pupils' remark; the cancelled one
// stays as a cancelled event.
TEST_F(KalenderTest, TheClassSeesTheSubstituteAndTheCancelledLesson) {
  EXPECT_EQ(Zeilen(Ereignisse(kla, *f5a)),
            (std::vector<std::string>{
                "7.12 1 08:00-08:45 D B @R2 [bitte Hefte mitbringen]",
                "7.12 2 08:50-09:35 M B @R2 []", "8.12 3 09:55-10:40 D A @R1 []",
                "14.12 1 08:00-08:45 D @R1 [frei] abgesagt", "15.12 3 09:55-10:40 M B @R2 []"}));
}

// The room the lesson left cancels it, the room it went to gets it.
TEST_F(KalenderTest, RoomsFollowTheLessonThatChangedRoom) {
  EXPECT_EQ(Zeilen(Ereignisse(rau, *fR1)),
            (std::vector<std::string>{"7.12 1 08:00-08:45 D 5a B @R2 [in Raum R2] abgesagt",
                                      "8.12 3 09:55-10:40 D 5a A @R1 []",
                                      "14.12 1 08:00-08:45 D 5a @R1 [frei] abgesagt"}));
  EXPECT_EQ(Zeilen(Ereignisse(rau, *fR2)),
            (std::vector<std::string>{
                "7.12 1 08:00-08:45 D 5a B @R2 [Vertretung f\xFCr A | in Raum R2]",
                "7.12 2 08:50-09:35 M 5a B @R2 []", "15.12 3 09:55-10:40 M 5a B @R2 []"}));
}

// The UID names the calendar's element, the date, the period and the course, and stays when a
// substitution changes the event; other bytes than letters and digits are escaped.
TEST_F(KalenderTest, UidsStayWhenASubstitutionChangesTheEvent) {
  const std::string vorher = Ereignisse(kla, *f5a)[0].uid;
  EXPECT_EQ(vorher, "20261207-1-K-5a-A.D.5a@Gymnasium%20S%FCd");
  EXPECT_EQ(Ereignisse(leh, *fB)[0].uid, "20261207-1-L-B-A.D.5a@Gymnasium%20S%FCd");
  fMo1->fVertretungen.ListeNrInhalt(1)->fLehrer = fA;
  EXPECT_EQ(Ereignisse(kla, *f5a)[0].uid, vorher);
  EXPECT_EQ(Ereignisse(leh, *fA)[0].uid, "20261207-1-L-A-A.D.5a@Gymnasium%20S%FCd");
  EXPECT_FALSE(Ereignisse(leh, *fA)[0].abgesagt);
  fStandard.fSchulname.clear();
  EXPECT_EQ(Ereignisse(rau, *fR1)[1].uid, "20261208-3-R-R1-A.D.5a@orbato");
  EXPECT_EQ(KuerzelTeil("Ph/Ch 1"), "Ph%2FCh%201");
  EXPECT_EQ(KalenderDateiName(kla, "Ph/Ch 1"), "Klasse_Ph%2FCh%201.ics");
}

// The changed period times of the settings move every event.
TEST_F(KalenderTest, EventsTakeThePeriodTimesOfTheSettings) {
  fStandard.fStdZeiten[2] = {10 * 60, 10 * 60 + 45};
  EXPECT_EQ(Zeilen(Ereignisse(leh, *fA))[1], "8.12 3 10:00-10:45 D 5a @R1 []");
}

// The exact bytes libical writes for one teacher: floating local times, the time stamp in UTC,
// UTF-8, lines ended by CR LF.
TEST_F(KalenderTest, TheFileHoldsOneEventPerLessonInICalendarForm) {
  const TDatumZeit jetzt = *KodiereDatum(2026, 12, 1) + *KodiereZeit(9, 30, 15);
  const std::string text = KalenderText("Stundenplan Lehrer A", Ereignisse(leh, *fA), jetzt);
  EXPECT_EQ(text,
            "BEGIN:VCALENDAR\r\n"
            "VERSION:2.0\r\n"
            "PRODID:-//Orbato//Stundenplan//DE\r\n"
            "CALSCALE:GREGORIAN\r\n"
            "METHOD:PUBLISH\r\n"
            "X-WR-CALNAME:Stundenplan Lehrer A\r\n"
            "BEGIN:VEVENT\r\n"
            "UID:20261207-1-L-A-A.D.5a@Gymnasium%20S%FCd\r\n"
            "DTSTAMP:20261201T093015Z\r\n"
            "DTSTART:20261207T080000\r\n"
            "DTEND:20261207T084500\r\n"
            "SUMMARY:D 5a\r\n"
            "LOCATION:R2\r\n"
            "DESCRIPTION:in Raum R2\r\n"
            "STATUS:CANCELLED\r\n"
            "END:VEVENT\r\n"
            "BEGIN:VEVENT\r\n"
            "UID:20261208-3-L-A-A.D.5a@Gymnasium%20S%FCd\r\n"
            "DTSTAMP:20261201T093015Z\r\n"
            "DTSTART:20261208T095500\r\n"
            "DTEND:20261208T104000\r\n"
            "SUMMARY:D 5a\r\n"
            "LOCATION:R1\r\n"
            "STATUS:CONFIRMED\r\n"
            "END:VEVENT\r\n"
            "BEGIN:VEVENT\r\n"
            "UID:20261214-1-L-A-A.D.5a@Gymnasium%20S%FCd\r\n"
            "DTSTAMP:20261201T093015Z\r\n"
            "DTSTART:20261214T080000\r\n"
            "DTEND:20261214T084500\r\n"
            "SUMMARY:D 5a\r\n"
            "LOCATION:R1\r\n"
            "DESCRIPTION:frei\r\n"
            "STATUS:CANCELLED\r\n"
            "END:VEVENT\r\n"
            "END:VCALENDAR\r\n");
}

std::string Lies(const std::filesystem::path& pfad) {
  std::ifstream datei(pfad, std::ios::binary);
  std::stringstream text;
  text << datei.rdbuf();
  return text.str();
}

// One file per element of the kinds asked for, in the document's order; a folder that cannot be
// made stops the export.
TEST_F(KalenderTest, TheExportWritesOneFilePerElementOfTheKindsAskedFor) {
  const std::filesystem::path ordner =
      std::filesystem::temp_directory_path() / "orbato_kalender_test" / "neu";
  std::filesystem::remove_all(ordner.parent_path());
  const TKalenderExport alle =
      KalenderExport(fSchule, fStandard, ordner.string(), {leh, kla, rau}, Am(0), Am(8), 0);
  EXPECT_EQ(alle.fehler, "");
  EXPECT_EQ(alle.dateien, (std::vector<std::string>{"Lehrer_A.ics", "Lehrer_B.ics", "Klasse_5a.ics",
                                                    "Raum_R1.ics", "Raum_R2.ics"}));
  const std::string klasse = Lies(ordner / "Klasse_5a.ics");
  EXPECT_NE(klasse.find("X-WR-CALNAME:Stundenplan Klasse 5a\r\n"), std::string::npos);
  EXPECT_NE(klasse.find("DESCRIPTION:frei\r\n"), std::string::npos);

  const TKalenderExport raeume =
      KalenderExport(fSchule, fStandard, ordner.string(), {rau}, Am(0), Am(8), 0);
  EXPECT_EQ(raeume.dateien, (std::vector<std::string>{"Raum_R1.ics", "Raum_R2.ics"}));

  const TKalenderExport falsch = KalenderExport(
      fSchule, fStandard, (ordner / "Raum_R1.ics" / "x").string(), {leh}, Am(0), Am(8), 0);
  EXPECT_EQ(falsch.fehler, "Kann Verzeichnis nicht erstellen!");
  EXPECT_TRUE(falsch.dateien.empty());
  std::filesystem::remove_all(ordner.parent_path());
}

}  // namespace
}  // namespace orbato
