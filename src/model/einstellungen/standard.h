#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/basis/datum.h"
#include "model/basis/fixtext.h"
#include "model/basis/grenzen.h"
#include "model/einstellungen/stundenzeiten.h"
#include "model/woche/woelem.h"

namespace orbato {

static_assert(std::tuple_size_v<TStundenZeiten> == kMaxStunden);

// A font as the core knows it: the Qt side maps it to a QFont.
struct TSchrift {
  std::string Name = "Arial";
  int32_t Groesse = 8;
  friend bool operator==(const TSchrift&, const TSchrift&) = default;
};

// The options of one printout. Every printout stores a subset of these under its own names; the
// members a printout does not store keep these values.
struct TDruckEinstellung {
  TSchrift Font;
  int32_t VonTag = 1, VonStd = 1, BisTag = 5, BisStd = 9;
  bool Neben = false;  // short names side by side instead of stacked
  bool Links = false;  // days instead of periods in the left column
  TBemString Bem = "Bemerkung";
  // what a cell or list shows
  bool Le = true, Kl = true, Fa = true, Ra = true, Ko = false, Uv = true;
  bool Statt = true;  // coupling instead of class
  bool Sperr = true, Fix = true, Fett = false, Alle = true, Datum = true, EineSeite = false;
  bool Un = false;                            // overviews: plans below each other
  bool MitKuerzel = true;                     // coupling plans: with the coupling's short name
  bool Ku = true, Na = true;                  // subject overview: courses, names
  bool Zusatz = false, Info = false;          // workload sheets: extra and course info
  bool Einzeln = true, Einsatz = false;       // conference lists: one page each, with deployment
  bool SortRest = false, SortGesamt = false;  // hour distribution sorting
  int32_t RandLi = 1, RandRe = 0, RandOb = 1, RandUn = 0;
  int32_t Rand = 1;       // printouts with a single margin
  TDatumZeit Ab = 34335;  // plans count as changed after this moment (1994-01-01)
  bool Farbe = false, Versionen = false;
  friend bool operator==(const TDruckEinstellung&, const TDruckEinstellung&) = default;
};

// One of the four layouts of the substitution printout.
struct TVDEinstellung {
  bool PlanDrucken = true;
  int32_t PlanSortierung = 0;  // 0 classes, 1 substitute teachers, 2 absent teachers, 3 periods
  bool ErsatzDrucken = true;
  int32_t ErsatzSortierung = 0;  // 0 class, 1 teacher, 2 room, 3 period
  bool MitKopplungen = false, MitDatum = true, MitAllgBem = true;
  bool MitFehlLehrern = true, MitFehlKlassen = true, MitFehlRaeumen = true;
  bool MitFehlgrund = false, MitAdHoc = false, NurAdHoc = false, MitFarbe = false;
  bool OrigLehrer = true, VertrLehrer = true, OrigKlasse = true, VertrKlasse = true;
  bool OrigFach = true, VertrFach = true, OrigRaum = true, VertrRaum = true;
  bool MitKalenderwoche = false, Folgetag = false;
  std::string HTMLPfad;
  int32_t LehrerBezeichnung = 0;  // 0 short name, 1 info text
  int32_t Bemerkung = 0;          // 0 teacher remark, 1 pupil remark
  int32_t BemerkungPosition = 0;
  // For notice screens in corridors: no absent teacher is named, neither in the list of absent
  // teachers, nor as a group heading, nor on the planned side of a row; only the substitute shows.
  bool OhneFehlendeLehrer = false;
  friend bool operator==(const TVDEinstellung&, const TVDEinstellung&) = default;
};

// The look of the published pages, written into their stylesheet. Colours are Windows colour
// values (red in the low byte), as everywhere in the settings; the font size is in points.
struct THTMLFarben {
  static constexpr int32_t Farbe(int rot, int gruen, int blau) {
    return rot | gruen << 8 | blau << 16;
  }
  int32_t Hintergrund = Farbe(255, 255, 255), Text = Farbe(0, 0, 0);
  TSchrift Schrift{"Arial", 14};
  // Header cells: weekdays and periods of a plan, group headings of the substitution pages.
  int32_t TitelHintergrund = Farbe(31, 58, 95), TitelText = Farbe(255, 255, 255);
  bool TitelFett = true;
  // Data cells of plans and substitution rows.
  int32_t PlanHintergrund = Farbe(255, 255, 255), PlanText = Farbe(0, 0, 0);
  int32_t PlanRahmen = Farbe(128, 128, 128);
  // Rows changed today.
  int32_t AdhocHintergrund = Farbe(255, 230, 128), AdhocText = Farbe(160, 0, 0);
  int32_t Ueberschrift = Farbe(31, 58, 95), Verweis = Farbe(6, 69, 173);
  friend bool operator==(const THTMLFarben&, const THTMLFarben&) = default;
};

// "Optimieren": the weights of the cost its local search lowers, and the limits of a day it
// measures against. The weights are points per occurrence; only their ratios matter.
struct TOptimierEinstellungen {
  // Per gap period of a class; per day a full-time class starts after its first free period.
  int32_t fKlassenLuecke = 300, fSpaeterBeginn = 100;
  // Per gap period of a teacher, and per gap of the teacher with the most, so that the gaps
  // left are shared fairly.
  int32_t fLehrerLuecke = 30, fSchlechtesterLehrer = 30;
  int32_t fFachDoppelt = 100;  // per day on which a class has one subject twice
  int32_t fKlassenTag = 50;    // per lesson a class's day lies outside fKlasseMin..fKlasseMax
  int32_t fLehrerTag = 20;     // per lesson a teacher's day lies outside fLehrerMin..fLehrerMax
  int32_t fFreierTag = 100;    // per teacher marked for a free day who has none
  int32_t fRang = 1;           // per rank of a lesson's cell in its course's rating table
  int32_t fVollzeitAb = 20;    // the weekly hours from which a class counts as full-time
  int32_t fKlasseMin = 4, fKlasseMax = 8;
  int32_t fLehrerMin = 2, fLehrerMax = 6;
  int32_t fSekunden = 30;  // the longest run
  friend bool operator==(const TOptimierEinstellungen&, const TOptimierEinstellungen&) = default;
};

// The program's preferences. Created once at start-up with the values of an empty settings store,
// loaded right after, saved when the main window closes. Plain fields are assigned directly; the
// fields whose change has a rule have a setter.
class TStandard {
 public:
  // Every value starts at its default; fStartZeit and fSaveZeit take the time of day of `jetzt`.
  explicit TStandard(TDatumZeit jetzt = 0);

  // Version state
  bool fEineWoche = true;
  int32_t fAktuelleWoche = 1;
  int32_t fMaxWocheNeu = 1;
  int32_t fMaxTageNeu = 7;

  // Palette
  int32_t fPaletteSchalter = 0, fPaletteLinks = 0, fPaletteTop = 0, fFensterOrd = 1;

  // Labels: period labels per plan version, day abbreviations and names (Monday first).
  std::array<std::array<TStundenString, kMaxStunden>, kMaxWochen> fStdBez;
  std::array<TKuerzelString, kMaxTage> fTagBez;
  std::array<TInfoString, kMaxTage> fTagName;
  // When each period begins and ends, the same in every plan version ("Stundenzeiten").
  TStundenZeiten fStdZeiten = VorgabeStundenZeiten();

  // Times of this run, not stored.
  TDatumZeit fStartZeit = 0, fSaveZeit = 0;

  // The password in scrambled form, 20 characters.
  std::string fKennwort;
  // The school's name in the headers of printouts and pages.
  std::string fSchulname;

  // Paths
  std::string fOpenPfad, fImportPfad, fVertrExportPfad, fHTMLPlanPfad, fHTMLVertPfad;

  // Units and numbers
  int32_t fDivisor = 1, fVorKomma = 2, fNachKomma = 1, fVertrMerke = 10, fSpeicherZeit = 0;
  // Minutes between two writes of a changed document's recovery file (0 = never, at most a day),
  // and how many earlier versions "Sichern" keeps beside the plan file as NAME.orb.1 … (0 = none).
  static constexpr int32_t kMaxWiederherstellZeit = 1440, kMaxSicherungsKopien = 9;
  int32_t fWiederherstellZeit = 5, fSicherungsKopien = 3;

  // Background
  bool fHintergrundAn = true;
  int32_t fHintergrundFarbe = 0xFFFFFF;

  // Plan windows
  int32_t fPlnStd = 6;
  bool fNebenEinander = true, fMitRaum = true, fPlnKoppFett = true;
  TSchrift fPlnFont;
  int32_t fPlnHoehe = 18;
  int32_t fPlnLeBreite = 40, fPlnKlBreite = 40, fPlnKoBreite = 40, fPlnFaBreite = 40;
  int32_t fPlnRaBreite = 40, fPlnTagBreite = 40, fPlnStdBreite = 40, fPlnWertBreite = 40;
  int32_t fManArt = 0;
  bool fManZeigKopp = true;

  // Workload windows
  TSchrift fDepFont;
  int32_t fDepHoehe = 18;
  int32_t fDepLeBreite = 40, fDepKlBreite = 40, fDepKoBreite = 40, fDepFaBreite = 40;
  int32_t fDepRaBreite = 40, fDepWertBreite = 40, fDepStdBreite = 40;
  bool fMitNullStd = true, fMitKursInfo = false, fMitZusatzInfo = false, fMitStatistik = false;
  TDatumZeit fDepVon = 34335, fDepBis = 34335;  // 1994-01-01

  // Defaults for new master data
  TWoElem fGrWoElem;
  int32_t fLeSoll = 24, fKlSoll = 30;
  int32_t fWoAusfallKW = 1, fWoAusfallJahr = 2018;

  // Defaults for new courses
  TWoElem fKuWoElem;
  int32_t fKursStd = 3, fStdProTag = 1, fEinzelStd = 3, fTabellenNr = 1, fFaktor = 1;
  bool fNichtVerplanen = false, fNichtZaehlenLe = false, fNichtZaehlenKl = false;
  int32_t fKursFarbe = 0xFFFFFF;
  bool fNachKlSortiert = true;

  // Plan deletion dialog
  int32_t fPlLoeRadio = 0;
  bool fPlLoeMitKopp = true, fPlLoeFixNicht = true;

  // Automatic scheduler: fAuTab[table 0..3][period 0..15][day 0..6]
  std::array<std::array<std::array<int32_t, kMaxTage>, kMaxStunden>, kAutoTabellen> fAuTab{};
  int32_t fAuStd = 1000, fAuProzent = 100;
  bool fAuRaumUnwichtig = true, fAuEinzelUnwichtig = true, fAuFreiUnwichtig = true;
  TOptimierEinstellungen fOptimieren;

  // Parallel view
  int32_t fParZeilen = 10, fParSpalten = 3;
  bool fParUeber = false, fParMitFach = false;

  // Holidays: one byte per calendar week, bit d-1 = weekday d is a holiday.
  std::array<uint8_t, kKalenderWochen> fFerien{};

  // Plan versions
  int32_t fVersKuerzel = 5;
  bool fVersAuchPlan = true;

  // Substitution windows and printouts
  int32_t fVertrSortArt = 0, fVertrLeAuswahl = 2;
  int32_t fVertrLeLeft = 10, fVertrLeTop = 50, fVertrRaLeft = 10, fVertrRaTop = 50;
  int32_t fVertrLeft = 100, fVertrTop = 50;
  int32_t fVertrVStdAuswahl = 1, fVertrPlnAuswahl = 0;
  bool fVertrFreiCheck = true, fVertrRandCheck = true, fVertrInaktivCheck = true;
  // The proposal window orders the teachers it offers by how well they suit the lesson.
  bool fVertrNachEignung = false;
  TSchrift fVertrDruckFont;
  int32_t fVertrDruckRand = 1;
  std::array<std::vector<std::string>, 10> fVMemo;
  std::array<bool, 4> fVertrCheck{true, false, false, false};
  TSchrift fVStdDruckFont;
  int32_t fVStdDruckRand = 1;
  // The ranges of days the printouts "Vertretungsstunden" and "Vertretungsübersicht" were last
  // asked for; 0 until then, and the dialogs start at today.
  TDatumZeit fVStdDruckVon = 0, fVStdDruckBis = 0;
  TDatumZeit fVUebDruckVon = 0, fVUebDruckBis = 0;
  std::array<TVDEinstellung, 4> fVDEinstellung;

  // Substitution HTML
  bool fVertrHTMLGemeinsam = false, fVertrHTMLScrollen = false, fVertrHTMLMitTagesordner = false;
  bool fVertrHTMLNurVertreteneStd = false, fVertrHTMLMitZurueck = true;
  int32_t fVertrHTMLSize = 0;
  int32_t fVertrScrollSekunden = 5, fVertrScrollPixel = 100, fVertrLaden = 32;
  int32_t fVertrLeerzeilen = 0;
  std::string fVertrCSS = "orbato.css";
  TDatumZeit fVExpVon = 41640, fVExpBis = 41699;  // 2014-01-01, 2014-03-01
  // The look of the pages and the folder the stylesheet was last written to.
  THTMLFarben fHTMLFarben;
  std::string fHTMLFarbenPfad;
  // Whether the exports write the stylesheet of that look beside the pages they publish; a school
  // that keeps its own sheet switches it off.
  bool fStilvorlageSchreiben = true;

  // Compression
  bool fKompMehrfach = false, fKompBruecken = false;

  // Remark texts and absence reasons
  std::array<TInfoString, 20> fBemBez;
  std::array<TGrundString, 20> fGrund;
  bool fVBemAuto = true, fVFrei = true;

  // The colour dialog's 16 custom colours, six hexadecimal digits each.
  std::array<std::string, 16> fCustomFarbe;

  // Printouts
  TDruckEinstellung fKueDruck, fDepDruck;
  TDruckEinstellung fLPlnDruck, fKPlnDruck, fRPlnDruck, fKoKlPlnDruck, fKoLePlnDruck;
  TDruckEinstellung fLUebDruck, fKUebDruck, fRUebDruck, fKoUebDruck, fFUebDruck;
  TDruckEinstellung fFaKonfDruck, fKlKonfDruck, fRestDruck, fSVDruck, fUVDruck, fFehlDruck;
  TDruckEinstellung fVUebDruck, fParDruck;

  // Setters with a rule.
  void SetMaxWocheNeu(int32_t wochen);  // lowers fAktuelleWoche to the new number
  void SetAktuelleWoche(int32_t woche);
  void SetMaxTageNeu(int32_t tage);
  void SetStdBez(const std::array<std::array<TStundenString, kMaxStunden>, kMaxWochen>& bez);
  void SetTagBez(const std::array<TKuerzelString, kMaxTage>& bez);
  void SetTagName(const std::array<TInfoString, kMaxTage>& namen);

  // The version a version argument stands for: n >= 1 itself, 0 all versions, -1 the current
  // selection (fAktuelleWoche in single-version mode, otherwise all versions).
  int32_t AufgeloesteWoche(int32_t woche) const {
    return woche == -1 ? (fEineWoche ? fAktuelleWoche : 0) : woche;
  }
  // The versions a change of the current selection applies to: the current one in single-version
  // mode, otherwise 1..fMaxWocheNeu.
  int32_t ErsteAuswahlWoche() const { return fEineWoche ? fAktuelleWoche : 1; }
  int32_t LetzteAuswahlWoche() const { return fEineWoche ? fAktuelleWoche : WochenZahl(); }
  // fMaxWocheNeu held inside the data layout's limits.
  int32_t WochenZahl() const {
    return fMaxWocheNeu < 1 ? 1 : fMaxWocheNeu > kMaxWochen ? kMaxWochen : fMaxWocheNeu;
  }

  // Week calendar rows: row i (1..111) of an 888-byte calendar as 16 hexadecimal digits.
  static std::string KalenderZeile(int i, const std::array<uint8_t, kKalenderWochen>& kalender);
  // Stores the 8 pairs of s into row i; false (nothing changed) when s is not 16 hex digits.
  static bool SetKalenderZeile(int i, std::string_view s,
                               std::array<uint8_t, kKalenderWochen>& kalender);

  bool FerienTag(TDatumZeit datum) const;
  bool WochenEnde(TDatumZeit datum) const;

  // Replaces all four automatic tables by the built-in ones when any entry is 0.
  void TesteTabelle();
  // The built-in automatic tables.
  static std::array<std::array<std::array<int32_t, kMaxTage>, kMaxStunden>, kAutoTabellen>
  EingebauteTabellen();
};

// The calendar week (0..887) of a date: weeks count from Monday 27 December 1993 in a ring.
int KalenderWoche(TDatumZeit datum);

// The stored form of a password: the SHA-1 digest of the entry padded with blanks to 20
// characters (longer entries are cut), 20 bytes. It cannot be turned back into the password.
std::string KennwortVerschluesseln(std::string_view eingabe);
// Whether start-up asks for a password: the stored one is not that of 20 blanks.
bool KennwortGesetzt(const TStandard& standard);
// Whether an entry is the stored password.
bool KennwortStimmt(const TStandard& standard, std::string_view eingabe);

// The settings object of the running program. The owner (the main window, a command, a test)
// installs one with TStandardEinsetzen; without one a default object answers.
TStandard& Standard();

class TStandardEinsetzen {
 public:
  explicit TStandardEinsetzen(TStandard& standard);
  ~TStandardEinsetzen();
  TStandardEinsetzen(const TStandardEinsetzen&) = delete;
  TStandardEinsetzen& operator=(const TStandardEinsetzen&) = delete;

 private:
  TStandard* fVorher;
};

}  // namespace orbato
