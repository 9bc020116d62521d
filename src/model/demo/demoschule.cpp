#include "model/demo/demoschule.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <map>
#include <numeric>
#include <string>
#include <vector>

#include "model/basis/datum.h"
#include "model/demo/raumvorrat.h"
#include "model/demo/schulzeit.h"
#include "model/demo/stundenkuerzung.h"
#include "model/demo/stundentafel.h"
#include "model/dokument/schule.h"

namespace orbato {
namespace {

// A small generator of its own, so that every platform draws the same numbers.
class TZufall {
 public:
  explicit TZufall(uint64_t saat) : fZustand(saat) {}
  uint64_t Naechste() {
    fZustand ^= fZustand >> 12;
    fZustand ^= fZustand << 25;
    fZustand ^= fZustand >> 27;
    return fZustand * 2685821657736338717u;
  }
  int Zahl(int n) { return static_cast<int>((Naechste() >> 33) % static_cast<uint64_t>(n)); }

 private:
  uint64_t fZustand;
};

struct TGroesse {
  int lehrer;
  std::array<int, 6> zuege;  // classes of grades 5..10
  int oberstufe;             // classes per year of EF, Q1, Q2
  int gkSchienen;            // course blocks of basic courses per year
  int kurseProSchiene;
  int lkSchienen;  // blocks of advanced courses in Q1 and Q2
  int wochen;
  TTeilung teilung;  // how far the classes of grades 5..10 are divided
  uint64_t saat;
};

TGroesse Groesse(TDemoGroesse g) {
  switch (g) {
    case TDemoGroesse::klein:
      return {12, {1, 1, 1, 1, 1, 1}, 0, 0, 0, 0, 1, TTeilung::keine, 0x5EED0001};
    case TDemoGroesse::mittel:
      return {50, {3, 3, 3, 3, 3, 2}, 1, 8, 6, 2, 2, TTeilung::haupt, 0x5EED0002};
    case TDemoGroesse::gross:
      break;
  }
  return {150, {9, 9, 9, 9, 9, 9}, 2, 15, 14, 3, 4, TTeilung::fein, 0x5EED0003};
}

struct TFachDaten {
  const char* kuerzel;
  const char* name;
};

// In the order of the subject list.
constexpr TFachDaten kFaecher[] = {
    {"D", "Deutsch"},
    {"E", "Englisch"},
    {"M", "Mathematik"},
    {"F", "Franz\xF6sisch"},
    {"L", "Latein"},
    {"BI", "Biologie"},
    {"CH", "Chemie"},
    {"PH", "Physik"},
    {"EK", "Erdkunde"},
    {"GE", "Geschichte"},
    {"PK", "Politik"},
    {"SW", "Sozialwissenschaften"},
    {"PA",
     "P\xE4"
     "dagogik"},
    {"KU", "Kunst"},
    {"MU", "Musik"},
    {"SP", "Sport"},
    {"KR", "Katholische Religion"},
    {"ER", "Evangelische Religion"},
    {"PL", "Praktische Philosophie"},
    {"IF", "Informatik"},
    {"NW", "Naturwissenschaften"},
    {"KL", "Klassenleitung"},
    {"F\xD6", "F\xF6rderunterricht"},
    {"LZ", "Lernzeit"},
};

constexpr const char* kOberstufenFaecher[] = {"D",  "E",  "M",  "F",  "L",  "BI", "CH",
                                              "PH", "EK", "GE", "SW", "PA", "KU", "MU",
                                              "KR", "ER", "PL", "IF", "SP"};

constexpr const char* kNachnamen[] = {"M\xFCller",
                                      "Schmidt",
                                      "Schneider",
                                      "Fischer",
                                      "Weber",
                                      "Meyer",
                                      "Wagner",
                                      "Becker",
                                      "Schulz",
                                      "Hoffmann",
                                      "Sch\xE4"
                                      "fer",
                                      "Koch",
                                      "Bauer",
                                      "Richter",
                                      "Klein",
                                      "Wolf",
                                      "Schr\xF6"
                                      "der",
                                      "Neumann",
                                      "Schwarz",
                                      "Zimmermann",
                                      "Braun",
                                      "Kr\xFCger",
                                      "Hofmann",
                                      "Hartmann",
                                      "Lange",
                                      "Schmitt",
                                      "Werner",
                                      "Schmitz",
                                      "Krause",
                                      "Meier",
                                      "Lehmann",
                                      "Schmid",
                                      "Schulze",
                                      "Maier",
                                      "K\xF6hler",
                                      "Herrmann",
                                      "K\xF6nig",
                                      "Walter",
                                      "Mayer",
                                      "Huber",
                                      "Kaiser",
                                      "Fuchs",
                                      "Peters",
                                      "Lang",
                                      "Scholz",
                                      "M\xF6ller",
                                      "Wei\xDF",
                                      "Jung",
                                      "Hahn",
                                      "Schubert",
                                      "Vogel",
                                      "Friedrich",
                                      "Keller",
                                      "G\xFCnther",
                                      "Frank",
                                      "Berger",
                                      "Winkler",
                                      "Roth",
                                      "Beck",
                                      "Lorenz",
                                      "Baumann",
                                      "Franke",
                                      "Albrecht",
                                      "Schuster",
                                      "Simon",
                                      "Ludwig",
                                      "B\xF6hm",
                                      "Winter",
                                      "Kraus",
                                      "Martin",
                                      "Schumacher",
                                      "Kr\xE4mer",
                                      "Vogt",
                                      "Stein",
                                      "J\xE4ger",
                                      "Otto",
                                      "Sommer",
                                      "Gro\xDF",
                                      "Seidel",
                                      "Heinrich",
                                      "Brandt",
                                      "Haas",
                                      "Schreiber",
                                      "Graf",
                                      "Schulte",
                                      "Dietrich",
                                      "Ziegler",
                                      "Kuhn",
                                      "K\xFChn",
                                      "Pohl",
                                      "Engel",
                                      "Horn",
                                      "Busch",
                                      "Bergmann",
                                      "Thomas",
                                      "Voigt",
                                      "Sauer",
                                      "Arnold",
                                      "Wolff",
                                      "Pfeiffer"};
constexpr const char* kVornamen[] = {
    "Anna",  "Bernd", "Claudia", "Dirk", "Eva",  "Frank", "Gabi", "Heinz",  "Ines",  "Jens",
    "Karin", "Lars",  "Maria",   "Nils", "Olga", "Peter", "Ruth", "Stefan", "Tanja", "Uwe"};

// Upper case of the Windows-1252 letters in the names.
char Gross(char c) {
  const auto u = static_cast<unsigned char>(c);
  if (u >= 'a' && u <= 'z') return static_cast<char>(u - 32);
  if (u == 0xE4 || u == 0xF6 || u == 0xFC) return static_cast<char>(u - 32);
  return c;
}

// A course block of the upper level: every course of it at the same time.
struct TSchiene {
  std::string name;
  int kurse, stunden, versatz;
  int rang;  // blocks of a higher rank are taken first when the week has no space for all
};

// The share of `wert` that `teil` is of `ganzes`, rounded; all of it when `teil` is larger.
int Anteil(int wert, int teil, int ganzes) {
  if (teil >= ganzes) return wert;
  return (wert * teil + ganzes / 2) / ganzes;
}

// Every other day, so that the lessons of a unit spread over the week; a week of six days, where
// that would come back to the first day, goes through its days backwards.
int32_t Tagesschritt(int32_t tage) {
  return std::gcd(2, tage) == 1 ? 2 : tage - 1;
}

class TDemoBau {
 public:
  TDemoBau(TSchule& schule, TStandard& standard, const TGroesse& g)
      : fSchule(schule),
        fStandard(standard),
        fG(g),
        fZeit(TSchulzeit::Aus(standard)),
        fZufall(g.saat),
        fKursraeume("R", "Kursraum", 201, fZeit) {}

  void Baue() {
    fStandard.SetMaxWocheNeu(fG.wochen);
    fStandard.SetAktuelleWoche(1);
    fSchule.fGrWoBereich.SetWochenZahl(fG.wochen);
    fSchule.fUEWoBereich.SetWochenZahl(fG.wochen);
    for (int k = 0; k < kKalenderWochen; ++k) {
      fSchule.fKalender[k] = static_cast<uint8_t>(1 + k % fG.wochen);
    }
    for (const TFachDaten& f : kFaecher) fSchule.HoleFach(f.kuerzel)->fInfo = f.name;
    LegeRaeumeAn();
    LegeKlassenAn();
    LegeLehrerAn();
    for (int stufe = 0; stufe < 6; ++stufe) Unterstufe(stufe);
    for (int jahr = 0; jahr < 3 && fG.oberstufe > 0; ++jahr) Oberstufe(jahr);
    SetzeSollUndKlassenlehrer();
    for (int32_t w = 1; w <= fG.wochen; ++w) Verplane(w);
    for (TLehrer* l : fSchule.fLehrerMenge) l->fLetzteAenderung = kAenderung;
    for (TKlasse* k : fSchule.fKlassenMenge) k->fLetzteAenderung = kAenderung;
    for (TRaum* r : fSchule.fRaumMenge) r->fLetzteAenderung = kAenderung;
    fSchule.SetDirty(false);
  }

 private:
  static constexpr TDatumZeit kAenderung = 46235.5;  // 2026-08-01, noon

  // Halls and subject rooms, one of each kind or three in a large school, and a hall in repair
  // on Friday morning.
  void LegeRaeumeAn() {
    const std::pair<const char*, const char*> arten[] = {{"PH", "Physik"},   {"CH", "Chemie"},
                                                         {"BI", "Biologie"}, {"INF", "Informatik"},
                                                         {"KU", "Kunst"},    {"MU", "Musik"}};
    TRaumVorrat& hallen =
        fFachraeume.emplace("SP", TRaumVorrat("TH", "Turnhalle", 1, fZeit)).first->second;
    const int zahlHallen = fG.lehrer >= 100 ? 3 : fG.lehrer >= 40 ? 2 : 1;
    for (int i = 0; i < zahlHallen; ++i) hallen.Neu(fSchule);
    for (const auto& [praefix, info] : arten) {
      const std::string fach = std::string(praefix) == "INF" ? "IF" : praefix;
      fFachraeume.emplace(fach, TRaumVorrat(praefix, info, 1, fZeit));
    }
    const int paare = fG.lehrer >= 100 ? 3 : 1;
    for (int i = 0; i < paare; ++i) {
      for (const auto& [praefix, info] : arten) {
        fFachraeume.at(std::string(praefix) == "INF" ? "IF" : praefix).Neu(fSchule);
      }
    }
    TRaum* inReparatur = hallen.Raeume().back();
    inReparatur->fSperrung.SetWocheTagStd(0, 5, true, 1);
    inReparatur->fSperrung.SetWocheTagStd(0, 5, true, 2);
  }

  // Classes of grades 5..10 with a room each, blocked from the seventh period on in grades 5
  // and 6; the upper level's years; the rooms of the courses that no class has its own.
  void LegeKlassenAn() {
    int raumNr = 101;
    for (int stufe = 0; stufe < 6; ++stufe) {
      for (int z = 0; z < fG.zuege[static_cast<std::size_t>(stufe)]; ++z) {
        TKlasse* k = Klasse(std::to_string(5 + stufe) + static_cast<char>('a' + z));
        k->fInfo = "Klasse " + k->fKuerzel.str();
        k->fRaum = fSchule.HoleRaum("R" + std::to_string(raumNr++));
        k->fRaum->fInfo = "Klassenraum";
        SperreAusserhalb(*k->fRaum, fZeit);
        if (stufe < 2) SperreNachmittag(*k);
        fStufe[static_cast<std::size_t>(stufe)].push_back(k);
      }
    }
    const char* jahre[] = {"EF", "Q1", "Q2"};
    for (int jahr = 0; jahr < 3; ++jahr) {
      for (int z = 0; z < fG.oberstufe; ++z) {
        std::string name = jahre[jahr];
        if (fG.oberstufe > 1) name += static_cast<char>('a' + z);
        TKlasse* k = Klasse(name);
        k->fInfo = std::string("Jahrgang ") + jahre[jahr];
        fJahr[static_cast<std::size_t>(jahr)].push_back(k);
      }
    }
    const int kursraeume = fG.oberstufe == 0 ? 2 : fG.kurseProSchiene + 2;
    for (int i = 0; i < kursraeume; ++i) fKursraeume.Neu(fSchule);
  }

  TKlasse* Klasse(const std::string& kuerzel) {
    TKlasse* k = fSchule.HoleKlasse(kuerzel);
    SperreAusserhalb(*k, fZeit);
    return k;
  }

  void SperreNachmittag(TKlasse& k) {
    for (int32_t tag = 1; tag <= fZeit.tage; ++tag) {
      for (int32_t std = 7; std <= fZeit.stunden; ++std) {
        k.fSperrung.SetWocheTagStd(0, tag, true, std);
      }
    }
  }

  // Every teacher is qualified for two subjects, drawn so that the subjects with most lessons
  // get most teachers; one in eight works part-time; one in five keeps the last third of one
  // day free. The load a teacher is given fits into his free cells.
  void LegeLehrerAn() {
    const std::vector<std::string> haeufig = {"D",  "E",  "M",  "D",  "E",  "M",  "SP", "BI",
                                              "GE", "KU", "MU", "PH", "CH", "EK", "F",  "L",
                                              "KR", "ER", "PK", "IF", "SW", "PA", "PL"};
    for (int i = 0; i < fG.lehrer; ++i) {
      TLehrer* l = Lehrer(i);
      l->NeuesFach(fSchule.HoleFach(haeufig[static_cast<std::size_t>(i) % haeufig.size()]));
      l->NeuesFach(fSchule.HoleFach(
          haeufig[static_cast<std::size_t>(i * 7 + 3 + fZufall.Zahl(5)) % haeufig.size()]));
      const int wunsch = i % 8 == 5 ? 16 + fZufall.Zahl(6) : 25 + fZufall.Zahl(4);
      SperreAusserhalb(*l, fZeit);
      if (i % 5 == 2) SperreFreienNachmittag(*l);
      fPlatz.push_back(Platz(*l, fZeit));
      fKapazitaet.push_back(std::min(wunsch, fPlatz.back()));
      fLast.push_back(0);
    }
  }

  // The i-th teacher, his short name from his surname or else from the first letters and his
  // first name or a digit.
  TLehrer* Lehrer(int i) {
    const int n = static_cast<int>(std::size(kNachnamen));
    const std::string nachname = kNachnamen[(i * 37) % n];
    const std::string vorname = kVornamen[fZufall.Zahl(static_cast<int>(std::size(kVornamen)))];
    std::string kuerzel;
    for (std::size_t c = 0; c < nachname.size() && kuerzel.size() < 3; ++c) {
      kuerzel += Gross(nachname[c]);
    }
    if (TSchule::HoleElement(fSchule.fLehrerMenge, kuerzel)) {
      kuerzel = kuerzel.substr(0, 2) + Gross(vorname[0]);
    }
    while (TSchule::HoleElement(fSchule.fLehrerMenge, kuerzel)) {
      kuerzel = kuerzel.substr(0, 2) + std::to_string(fZufall.Zahl(10));
    }
    TLehrer* l = fSchule.HoleLehrer(kuerzel);
    l->fInfo = nachname + ", " + vorname;
    return l;
  }

  void SperreFreienNachmittag(TLehrer& l) {
    const int32_t tag = 1 + fZufall.Zahl(fZeit.tage);
    for (int32_t std = fZeit.stunden - fZeit.stunden / 3 + 1; std <= fZeit.stunden; ++std) {
      l.fSperrung.SetWocheTagStd(0, tag, true, std);
    }
  }

  // The teacher for a course, never one already in the coupling: the least loaded one who
  // teaches the subject and has the lessons left within his load; else the least loaded one who
  // has, who then takes up the subject; else one who still has free cells for them.
  TLehrer* WaehleLehrer(TFach* fach, int stunden, const std::vector<TLehrer*>& schonDabei) {
    int beste = -1;
    for (int runde = 0; runde < 4 && beste < 0; ++runde) {
      beste = Leichtester(fach, stunden, schonDabei, runde);
    }
    fLast[static_cast<std::size_t>(beste)] += stunden;
    TLehrer* l = fSchule.fLehrerMenge.ListeNrInhalt(beste + 1);
    l->NeuesFach(fach);
    return l;
  }

  int Leichtester(TFach* fach, int stunden, const std::vector<TLehrer*>& schonDabei, int runde) {
    int beste = -1;
    double besteLast = 1e9;
    for (int i = 0; i < fG.lehrer; ++i) {
      const auto n = static_cast<std::size_t>(i);
      TLehrer* l = fSchule.fLehrerMenge.ListeNrInhalt(i + 1);
      if (std::find(schonDabei.begin(), schonDabei.end(), l) != schonDabei.end()) continue;
      if (runde == 0 && l->fFaecher.ListeElemNr(fach) == 0) continue;
      if (fLast[n] + stunden > Grenze(n, runde)) continue;
      const double last = static_cast<double>(fLast[n]) / std::max(1, fKapazitaet[n]);
      if (last < besteLast) {
        besteLast = last;
        beste = i;
      }
    }
    return beste;
  }

  // How far a teacher may be loaded in a round of the search: his wished load, then what fits
  // into his free cells, then without limit.
  int Grenze(std::size_t n, int runde) const {
    if (runde < 2) return fKapazitaet[n];
    if (runde == 2) return fPlatz[n];
    return std::numeric_limits<int>::max();
  }

  // A course of classes given in list order, with its final teacher, subject and hours.
  TKurs* Kurs(const std::string& fach, int stunden, const std::vector<TKlasse*>& klassen,
              TRaum* raum, TKopplung* kopplung, std::vector<TLehrer*>& kollegen) {
    TFach* f = fSchule.HoleFach(fach);
    TLehrer* l = WaehleLehrer(f, stunden, kollegen);
    kollegen.push_back(l);
    auto* k = new TKurs;
    k->IKurs(l, klassen.empty() ? nullptr : klassen.front(), stunden, raum, f, kopplung);
    for (std::size_t i = 1; i < klassen.size(); ++i) k->KlasseErgaenzen(klassen[i]);
    k->fStunden.SetWochenStunde(0, stunden);
    k->fEinzelStd = stunden % 2;
    k->fStdProTag = stunden >= 4 ? 2 : 1;
    return k;
  }

  // The room of a course that none of the coupling's courses in `belegt` has: a room of the
  // subject's own kind, else `sonst`, else a course room. It joins `belegt`.
  TRaum* RaumFuer(const std::string& fach, int32_t stunden, TRaum* sonst,
                  std::vector<TRaum*>& belegt) {
    const auto it = fFachraeume.find(fach == "NW" ? "BI" : fach);
    TRaum* r = nullptr;
    if (it != fFachraeume.end()) {
      r = it->second.Waehle(fSchule, stunden, belegt);
    } else if (sonst && std::find(belegt.begin(), belegt.end(), sonst) == belegt.end()) {
      r = sonst;
    } else {
      r = fKursraeume.Waehle(fSchule, stunden, belegt);
    }
    belegt.push_back(r);
    return r;
  }

  TKopplung* Kopplung(const std::string& kuerzel, const std::string& info) {
    TKopplung* k = fSchule.HoleKopplung(kuerzel);
    k->fInfo = info;
    return k;
  }

  int32_t KleinsterPlatz(const std::vector<TKlasse*>& klassen) const {
    int32_t platz = fZeit.Zellen();
    for (const TKlasse* k : klassen) platz = std::min(platz, Platz(*k, fZeit));
    return platz;
  }

  // The grade's timetable, cut to what its classes have space for.
  void Unterstufe(int stufe) {
    const std::vector<TKlasse*>& klassen = fStufe[static_cast<std::size_t>(stufe)];
    const std::vector<TEintrag> tafel =
        Stundentafel(stufe, static_cast<int>(klassen.size()), fG.teilung);
    std::vector<TWunsch> wuensche;
    for (const TEintrag& e : tafel) wuensche.push_back(e.wunsch);
    const std::vector<int32_t> stunden = KuerzeAufPlatz(wuensche, KleinsterPlatz(klassen));
    for (TKlasse* k : klassen) {
      for (std::size_t i = 0; i < tafel.size(); ++i) {
        if (stunden[i] > 0 && tafel[i].form != TForm::jahrgang) {
          Unterricht(*k, tafel[i], stunden[i]);
        }
      }
    }
    for (std::size_t i = 0; i < tafel.size(); ++i) {
      if (stunden[i] > 0 && tafel[i].form == TForm::jahrgang) {
        Jahrgangskopplungen(klassen, std::to_string(5 + stufe), tafel[i], stunden[i]);
      }
    }
  }

  // One coupling of the grade, or one of each band of classes, named after the band's first
  // class.
  void Jahrgangskopplungen(const std::vector<TKlasse*>& klassen, const std::string& jahrgang,
                           const TEintrag& e, int32_t stunden) {
    if (e.band == 0) {
      Jahrgangskurse(klassen, e.fach + jahrgang, e.info + " " + jahrgang, e, stunden);
      return;
    }
    const auto band = static_cast<std::size_t>(e.band);
    for (std::size_t von = 0; von < klassen.size(); von += band) {
      const std::vector<TKlasse*> teil(
          klassen.begin() + static_cast<std::ptrdiff_t>(von),
          klassen.begin() + static_cast<std::ptrdiff_t>(std::min(von + band, klassen.size())));
      const std::string erste = teil.front()->fKuerzel.str(), letzte = teil.back()->fKuerzel.str();
      Jahrgangskurse(teil, e.fach + erste, e.info + " " + erste + "-" + letzte, e, stunden);
    }
  }

  // A course of the class alone, or two courses of its halves held side by side.
  void Unterricht(TKlasse& k, const TEintrag& e, int32_t stunden) {
    std::vector<TRaum*> belegt;
    std::vector<TLehrer*> kollegen;
    if (e.form == TForm::klasse) {
      Kurs(e.fach, stunden, {&k}, RaumFuer(e.fach, stunden, k.fRaum, belegt), nullptr, kollegen);
      return;
    }
    TKopplung* kopplung = Kopplung(e.fach + k.fKuerzel.str(), e.info + " " + k.fKuerzel.str());
    for (int gruppe = 0; gruppe < 2; ++gruppe) {
      Kurs(e.fach, stunden, {&k}, RaumFuer(e.fach, stunden, k.fRaum, belegt), kopplung, kollegen);
    }
  }

  // A coupling of classes of the grade: its courses take the classes' rooms, then further rooms.
  void Jahrgangskurse(const std::vector<TKlasse*>& klassen, const std::string& kuerzel,
                      const std::string& info, const TEintrag& e, int32_t stunden) {
    TKopplung* kopplung = Kopplung(kuerzel, info);
    std::vector<TLehrer*> kollegen;
    std::vector<TRaum*> belegt;
    for (int i = 0; i < e.anzahl; ++i) {
      const auto n = static_cast<std::size_t>(i);
      const std::string& fach = e.faecher[n % e.faecher.size()];
      TRaum* sonst = n < klassen.size() ? klassen[n]->fRaum : nullptr;
      Kurs(fach, stunden, klassen, RaumFuer(fach, stunden, sonst, belegt), kopplung, kollegen);
    }
  }

  // The upper level's courses run in blocks, as many as the year has space for.
  void Oberstufe(int jahr) {
    std::vector<TSchiene> schienen;
    for (int s = 0; s < fG.gkSchienen; ++s) {
      schienen.push_back({"GK" + std::to_string(s + 1), fG.kurseProSchiene, 3, s * 3 + jahr, 2});
    }
    for (int s = 0; s < fG.lkSchienen && jahr > 0; ++s) {
      schienen.push_back({"LK" + std::to_string(s + 1), std::max(2, fG.kurseProSchiene - 2), 5,
                          s * 7 + jahr, s < 2 ? 3 : 1});
    }
    schienen.push_back({"VT1", fG.kurseProSchiene, 2, 0, 0});
    if (fG.teilung != TTeilung::keine) schienen.push_back({"VT2", fG.kurseProSchiene, 2, 1, 0});
    std::vector<TWunsch> wuensche;
    for (const TSchiene& s : schienen) wuensche.push_back({s.stunden, s.rang});
    const std::vector<bool> gewaehlt =
        WaehleGanze(wuensche, KleinsterPlatz(fJahr[static_cast<std::size_t>(jahr)]));
    for (std::size_t i = 0; i < schienen.size(); ++i) {
      if (gewaehlt[i]) Schiene(jahr, schienen[i]);
    }
  }

  void Schiene(int jahr, const TSchiene& schiene) {
    const char* namen[] = {"EF", "Q1", "Q2"};
    TKopplung* kopplung = Kopplung(std::string(namen[jahr]) + "-" + schiene.name,
                                   std::string("Schiene ") + schiene.name + " " + namen[jahr]);
    std::vector<TLehrer*> kollegen;
    std::vector<TRaum*> belegt;
    for (int i = 0; i < schiene.kurse; ++i) {
      const int n = static_cast<int>(std::size(kOberstufenFaecher));
      const std::string fach = kOberstufenFaecher[(schiene.versatz + i * 5) % n];
      Kurs(fach, schiene.stunden, fJahr[static_cast<std::size_t>(jahr)],
           RaumFuer(fach, schiene.stunden, nullptr, belegt), kopplung, kollegen);
    }
  }

  // A class's target is its lessons. A teacher's is his share, by his wished load, of what the
  // teachers teach together, and never less than his own lessons. The class teachers teach
  // German and English in their class.
  void SetzeSollUndKlassenlehrer() {
    const int last = std::accumulate(fLast.begin(), fLast.end(), 0);
    const int kapazitaet = std::accumulate(fKapazitaet.begin(), fKapazitaet.end(), 0);
    for (int i = 0; i < fG.lehrer; ++i) {
      const auto n = static_cast<std::size_t>(i);
      TLehrer* l = fSchule.fLehrerMenge.ListeNrInhalt(i + 1);
      l->fSoll.SetWochenStunde(0, std::max(fLast[n], Anteil(fKapazitaet[n], last, kapazitaet)));
      l->fVStunden1 = fZufall.Zahl(4);
    }
    for (TKlasse* k : fSchule.fKlassenMenge) {
      k->fSoll.SetWochenStunde(0, k->FaktorSumme(1, false, kla));
      k->fKopDop = false;
      for (const TKurs* kurs : k->fKurse) {
        if (!kurs->fFach || kurs->fKopplung) continue;
        if (kurs->fFach->fKuerzel == "D" && !k->fLehrer1) k->fLehrer1 = kurs->fLehrer;
        if (kurs->fFach->fKuerzel == "E" && !k->fLehrer2) k->fLehrer2 = kurs->fLehrer;
      }
    }
  }

  // What is placed together: a coupling's courses, or one course.
  std::vector<std::vector<TKurs*>> Einheiten() const {
    std::vector<std::vector<TKurs*>> einheiten;
    std::map<const TKopplung*, std::size_t> nachKopplung;
    for (TKurs* k : fSchule.fKursMenge) {
      if (!k->fKopplung) {
        einheiten.push_back({k});
        continue;
      }
      const auto [it, neu] = nachKopplung.try_emplace(k->fKopplung, einheiten.size());
      if (neu) einheiten.emplace_back();
      einheiten[it->second].push_back(k);
    }
    // The large couplings first, while the grid is still open.
    std::stable_sort(einheiten.begin(), einheiten.end(),
                     [](const auto& a, const auto& b) { return a.size() > b.size(); });
    return einheiten;
  }

  static bool Frei(const TPlanElement& e, int32_t w, int32_t tag, int32_t std) {
    return !e.fBesetzung.GetWocheTagStd(w, tag, std) && !e.fSperrung.GetWocheTagStd(w, tag, std);
  }

  // The rooms the courses of a unit would use in a cell, or none when the cell does not fit.
  bool Passt(const std::vector<TKurs*>& einheit, int32_t w, int32_t tag, int32_t std,
             std::vector<TRaum*>& raeume) const {
    raeume.clear();
    std::vector<const TKlasse*> klassen;
    for (const TKurs* k : einheit) {
      if (k->fSperrung.GetWocheTagStd(w, tag, std) || !Frei(*k->fLehrer, w, tag, std)) return false;
      for (const TKlasse* c : k->fKlassen) {
        if (std::find(klassen.begin(), klassen.end(), c) != klassen.end()) continue;
        if (!Frei(*c, w, tag, std)) return false;
        klassen.push_back(c);
      }
      TRaum* gewaehlt = nullptr;
      for (TRaum* r : k->fRaeume) {
        if (Frei(*r, w, tag, std) && std::find(raeume.begin(), raeume.end(), r) == raeume.end()) {
          gewaehlt = r;
          break;
        }
      }
      if (!gewaehlt) return false;
      raeume.push_back(gewaehlt);
    }
    return true;
  }

  // About half of each unit's lessons, at most one a day, in the first cell of the school day
  // that fits.
  void Verplane(int32_t w) {
    std::vector<TRaum*> raeume;
    const int32_t schritt = Tagesschritt(fZeit.tage);
    for (const std::vector<TKurs*>& einheit : Einheiten()) {
      const int32_t stunden = einheit.front()->fStunden.GetWochenStunde(w);
      const int32_t ziel = (stunden + fZufall.Zahl(2)) / 2 + (stunden >= 4 ? 1 : 0);
      const int32_t ersterTag = 1 + fZufall.Zahl(fZeit.tage);
      int32_t gesetzt = 0;
      for (int32_t d = 0; d < fZeit.tage && gesetzt < ziel; ++d) {
        const int32_t tag = 1 + (ersterTag - 1 + d * schritt) % fZeit.tage;
        if (SetzeAmTag(einheit, w, tag, raeume)) ++gesetzt;
      }
    }
  }

  // One lesson of the unit on that day, from a period drawn at random on.
  bool SetzeAmTag(const std::vector<TKurs*>& einheit, int32_t w, int32_t tag,
                  std::vector<TRaum*>& raeume) {
    const int32_t ersteStd = 1 + fZufall.Zahl(fZeit.stunden);
    for (int32_t s = 0; s < fZeit.stunden; ++s) {
      const int32_t std = 1 + (ersteStd - 1 + s) % fZeit.stunden;
      if (!Passt(einheit, w, tag, std, raeume)) continue;
      for (std::size_t i = 0; i < einheit.size(); ++i) {
        einheit[i]->SetzungAufnehmen(new TSetzung(w, tag, std, raeume[i]));
      }
      return true;
    }
    return false;
  }

  TSchule& fSchule;
  TStandard& fStandard;
  const TGroesse fG;
  const TSchulzeit fZeit;
  TZufall fZufall;
  TRaumVorrat fKursraeume;
  std::map<std::string, TRaumVorrat> fFachraeume;  // by subject, the halls under "SP"
  std::array<std::vector<TKlasse*>, 6> fStufe;
  std::array<std::vector<TKlasse*>, 3> fJahr;
  std::vector<int> fKapazitaet;  // the load each teacher is to have
  std::vector<int> fPlatz;       // the load that fits into his free cells
  std::vector<int> fLast;
};

}  // namespace

void ErzeugeDemoSchule(TSchule& schule, TStandard& standard, TDemoGroesse groesse) {
  TDemoBau(schule, standard, Groesse(groesse)).Baue();
}

}  // namespace orbato
