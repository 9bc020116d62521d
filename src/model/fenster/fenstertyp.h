#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "model/elemente/kuerzelart.h"

namespace orbato {

// Which window an element opens when chosen from a menu: the palette's buttons "Grunddaten",
// "Deputate" and "Pläne".
enum TFensterArt { GFenster = 0, DFenster = 1, PFenster = 2 };

// The kind of a document window. The numbers are those the plan file's window list stores, so
// they never change.
enum class TFensterTyp : int32_t {
  KeinFenster = 0,  // no document window is active
  LehrerPlan = 9,
  KlassenPlan = 10,
  RaumPlan = 11,
  UVMatrix = 12,
  Zwischenablage = 14,
  Fehler = 15,
  LehrerDeputat = 16,
  KlassenDeputat = 17,
  KopplungsDeputat = 18,
  FachDeputat = 19,
  RaumDeputat = 20,
  AlleKurse = 21,
  ParalleleKopplungen = 22,
  LehrerUebersicht = 31,
  KlassenUebersicht = 32,
  RaumUebersicht = 33,
  LehrerGrunddaten = 61,
  KlassenGrunddaten = 62,
  KopplungsGrunddaten = 63,
  FachGrunddaten = 64,
  RaumGrunddaten = 65,
  UVGrunddaten = 66,
  Kurs = 67,
  Manuell = 68,
  Vertretungen = 69,
  VertreteneStunden = 70,
  Stundenverteilung = 71,
  Lehrerstatistik = 72,
  Klassenstatistik = 73,
  Fachstatistik = 74,
  Kopplungsstatistik = 75,
  Raumstatistik = 76,
  UVStatistik = 77,
  Vertretungswahl = 80,
  VertretungsUebersichtLehrer = 81,
  VertretungsUebersichtKlassen = 82,
  Unterrichtsausfall = 83,
  Planqualitaet = 90,
};

// The number the plan file stores for the kind.
constexpr int32_t Nr(TFensterTyp typ) {
  return static_cast<int32_t>(typ);
}

// The tools (`TToolArt` 0 Zeigen … 4 Fixieren) that do something in a window, one bit each.
enum TWerkzeugMenge : uint8_t {
  kNurZeigen = 0b00001,
  kZeigenLoeschen = 0b00101,
  kOhneSchiebenFixieren = 0b00111,
  kOhneFixieren = 0b01111,
  kAlleWerkzeuge = 0b11111,
};

// What the kind of a window decides.
struct TFensterTypDaten {
  TFensterTyp fTyp;
  // The caption, in the core's character set; none where it names the element shown.
  const char* fTitel;
  // The element kind of an element window (plan, teaching-load and master-data windows); the
  // saved caption names the element to show again.
  std::optional<TKuerzelArt> fElementArt;
  // The palette button the window belongs to.
  std::optional<TFensterArt> fPaletteArt;
  // Whether loading a plan file opens the window again.
  bool fWiederOeffnen;
  TWerkzeugMenge fWerkzeuge;
  // Whether "Kopieren" takes something from the window.
  bool fKopieren;
  // Whether "Neuer Kurs" and "Kurs löschen" act on the window's courses.
  bool fKursBefehle;
};

inline constexpr std::array<TFensterTypDaten, 39> kFensterTypen{{
    // clang-format off
    // kind                                     caption                                      elem palette   reopen tools                  copy   courses
    {TFensterTyp::KeinFenster,                  nullptr,                                     {},  {},       false, kAlleWerkzeuge,        false, false},
    {TFensterTyp::LehrerPlan,                   nullptr,                                     leh, PFenster, true,  kAlleWerkzeuge,        true,  false},
    {TFensterTyp::KlassenPlan,                  nullptr,                                     kla, PFenster, true,  kAlleWerkzeuge,        true,  false},
    {TFensterTyp::RaumPlan,                     nullptr,                                     rau, PFenster, true,  kAlleWerkzeuge,        true,  false},
    {TFensterTyp::UVMatrix,                     nullptr,                                     uvt, PFenster, true,  kNurZeigen,            true,  true},
    {TFensterTyp::Zwischenablage,               "Zwischenablage",                            {},  {},       false, kNurZeigen,            false, false},
    {TFensterTyp::Fehler,                       "Fehler",                                    {},  {},       false, kNurZeigen,            false, false},
    {TFensterTyp::LehrerDeputat,                nullptr,                                     leh, DFenster, true,  kOhneFixieren,         true,  true},
    {TFensterTyp::KlassenDeputat,               nullptr,                                     kla, DFenster, true,  kOhneFixieren,         true,  true},
    {TFensterTyp::KopplungsDeputat,             nullptr,                                     kop, DFenster, true,  kOhneFixieren,         true,  true},
    {TFensterTyp::FachDeputat,                  nullptr,                                     fac, DFenster, true,  kOhneFixieren,         true,  true},
    {TFensterTyp::RaumDeputat,                  nullptr,                                     rau, DFenster, true,  kOhneFixieren,         true,  true},
    {TFensterTyp::AlleKurse,                    "alle Kurse",                                {},  DFenster, true,  kOhneFixieren,         true,  true},
    {TFensterTyp::ParalleleKopplungen,          "Parallele Kopplungen",                      {},  {},       true,  kAlleWerkzeuge,        true,  false},
    {TFensterTyp::LehrerUebersicht,             "\xDC" "bersicht f\xFCr Lehrer",             {},  PFenster, true,  kAlleWerkzeuge,        true,  false},
    {TFensterTyp::KlassenUebersicht,            "\xDC" "bersicht f\xFCr Klassen",            {},  PFenster, true,  kAlleWerkzeuge,        true,  false},
    {TFensterTyp::RaumUebersicht,               "\xDC" "bersicht f\xFCr R\xE4ume",           {},  PFenster, true,  kAlleWerkzeuge,        true,  false},
    {TFensterTyp::LehrerGrunddaten,             nullptr,                                     leh, GFenster, true,  kOhneSchiebenFixieren, false, false},
    {TFensterTyp::KlassenGrunddaten,            nullptr,                                     kla, GFenster, true,  kOhneSchiebenFixieren, false, false},
    {TFensterTyp::KopplungsGrunddaten,          nullptr,                                     kop, GFenster, true,  kOhneSchiebenFixieren, false, false},
    {TFensterTyp::FachGrunddaten,               nullptr,                                     fac, GFenster, true,  kOhneSchiebenFixieren, false, false},
    {TFensterTyp::RaumGrunddaten,               nullptr,                                     rau, GFenster, true,  kOhneSchiebenFixieren, false, false},
    {TFensterTyp::UVGrunddaten,                 nullptr,                                     uvt, GFenster, true,  kOhneSchiebenFixieren, false, false},
    {TFensterTyp::Kurs,                         "Kurs",                                      {},  {},       false, kOhneFixieren,         true,  false},
    {TFensterTyp::Manuell,                      "Manuell",                                   {},  {},       false, kAlleWerkzeuge,        false, false},
    {TFensterTyp::Vertretungen,                 "Vertretungen",                              {},  {},       true,  kZeigenLoeschen,       false, false},
    {TFensterTyp::VertreteneStunden,            "Vertretene Stunden",                        {},  {},       false, kNurZeigen,            false, false},
    {TFensterTyp::Stundenverteilung,            "Stundenverteilung",                         {},  {},       true,  kNurZeigen,            false, false},
    {TFensterTyp::Lehrerstatistik,              "Lehrerstatistik",                           {},  {},       true,  kNurZeigen,            true,  false},
    {TFensterTyp::Klassenstatistik,             "Klassenstatistik",                          {},  {},       true,  kNurZeigen,            true,  false},
    {TFensterTyp::Fachstatistik,                "Fachstatistik",                             {},  {},       true,  kNurZeigen,            true,  false},
    {TFensterTyp::Kopplungsstatistik,           "Kopplungsstatistik",                        {},  {},       true,  kNurZeigen,            true,  false},
    {TFensterTyp::Raumstatistik,                "Raumstatistik",                             {},  {},       true,  kNurZeigen,            true,  false},
    {TFensterTyp::UVStatistik,                  "UV-Statistik",                              {},  {},       true,  kNurZeigen,            true,  false},
    {TFensterTyp::Vertretungswahl,              "Vertretungswahl",                           {},  {},       false, kNurZeigen,            false, false},
    {TFensterTyp::VertretungsUebersichtLehrer,  "Vertretungs\xFC" "bersicht f\xFCr Lehrer",  {},  {},       false, kNurZeigen,            true,  false},
    {TFensterTyp::VertretungsUebersichtKlassen, "Vertretungs\xFC" "bersicht f\xFCr Klassen", {},  {},       false, kNurZeigen,            true,  false},
    {TFensterTyp::Unterrichtsausfall,           "w\xF6" "chentlicher Unterrichtsausfall",    {},  {},       false, kNurZeigen,            false, false},
    {TFensterTyp::Planqualitaet,                "Planqualit\xE4t",                           {},  {},       false, kNurZeigen,            true,  false},
    // clang-format on
}};

// The properties of the kind the number stands for; a number of no known kind, as a damaged
// file may hold, stands for a window that is not reopened and offers only showing.
const TFensterTypDaten& FensterTypDaten(int32_t nr);
const TFensterTypDaten& FensterTypDaten(TFensterTyp typ);
// The caption of a window of the kind; empty where it names the element shown.
std::string FensterTypTitel(TFensterTyp typ);

}  // namespace orbato
