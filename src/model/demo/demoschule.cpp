#include "model/demo/demoschule.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "model/basis/datum.h"
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
  bool gruppen;  // sport, computing and lab lessons in half classes
  uint64_t saat;
};

TGroesse Groesse(TDemoGroesse g) {
  switch (g) {
    case TDemoGroesse::klein:
      return {12, {1, 1, 1, 1, 1, 1}, 0, 0, 0, 0, 1, false, 0x5EED0001};
    case TDemoGroesse::mittel:
      return {50, {3, 3, 3, 3, 3, 2}, 1, 8, 5, 2, 2, true, 0x5EED0002};
    case TDemoGroesse::gross:
      break;
  }
  return {150, {9, 9, 9, 9, 9, 9}, 2, 15, 8, 3, 4, true, 0x5EED0003};
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

// Lessons a class of grade 5..10 has in its own courses.
struct TStundentafel {
  const char* fach;
  std::array<int, 6> stunden;
};
constexpr TStundentafel kStundentafel[] = {
    {"D", {4, 4, 4, 4, 4, 4}},     {"E", {4, 4, 4, 3, 3, 3}},  {"M", {4, 4, 4, 4, 4, 4}},
    {"BI", {2, 2, 1, 2, 2, 2}},    {"PH", {0, 1, 2, 2, 2, 2}}, {"CH", {0, 0, 2, 2, 2, 2}},
    {"EK", {2, 1, 1, 2, 1, 1}},    {"GE", {0, 2, 2, 2, 2, 2}}, {"PK", {2, 0, 0, 2, 2, 2}},
    {"KU", {2, 2, 2, 1, 1, 1}},    {"MU", {2, 2, 1, 1, 1, 1}}, {"KL", {1, 1, 1, 1, 1, 1}},
    {"F\xD6", {1, 1, 0, 0, 0, 0}},
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

class TDemoBau {
 public:
  TDemoBau(TSchule& schule, TStandard& standard, const TGroesse& g)
      : fSchule(schule), fStandard(standard), fG(g), fZufall(g.saat) {}

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
    Sperre();
    for (int32_t w = 1; w <= fG.wochen; ++w) Verplane(w);
    for (TLehrer* l : fSchule.fLehrerMenge) l->fLetzteAenderung = kAenderung;
    for (TKlasse* k : fSchule.fKlassenMenge) k->fLetzteAenderung = kAenderung;
    for (TRaum* r : fSchule.fRaumMenge) r->fLetzteAenderung = kAenderung;
    fSchule.SetDirty(false);
  }

 private:
  static constexpr TDatumZeit kAenderung = 46235.5;  // 2026-08-01, noon

  TRaum* Raum(const std::string& kuerzel, const std::string& info) {
    TRaum* r = fSchule.HoleRaum(kuerzel);
    r->fInfo = info;
    return r;
  }

  void LegeRaeumeAn() {
    const int hallen = fG.lehrer >= 100 ? 3 : fG.lehrer >= 40 ? 2 : 1;
    for (int i = 1; i <= hallen; ++i)
      fHallen.push_back(Raum("TH" + std::to_string(i), "Turnhalle"));
    const int paare = fG.lehrer >= 100 ? 3 : 1;
    for (int i = 1; i <= paare; ++i) {
      fFachraum["PH"].push_back(Raum("PH" + std::to_string(i), "Physik"));
      fFachraum["CH"].push_back(Raum("CH" + std::to_string(i), "Chemie"));
      fFachraum["BI"].push_back(Raum("BI" + std::to_string(i), "Biologie"));
      fFachraum["IF"].push_back(Raum("INF" + std::to_string(i), "Informatik"));
      fFachraum["KU"].push_back(Raum("KU" + std::to_string(i), "Kunst"));
      fFachraum["MU"].push_back(Raum("MU" + std::to_string(i), "Musik"));
    }
    fFachraum["NW"] = fFachraum["BI"];
    fFachraum["SP"] = fHallen;
  }

  void LegeKlassenAn() {
    int raumNr = 101;
    for (int stufe = 0; stufe < 6; ++stufe) {
      for (int z = 0; z < fG.zuege[stufe]; ++z) {
        TKlasse* k = fSchule.HoleKlasse(std::to_string(5 + stufe) + static_cast<char>('a' + z));
        k->fInfo = "Klasse " + k->fKuerzel.str();
        k->fRaum = Raum("R" + std::to_string(raumNr++), "Klassenraum");
        fStufe[stufe].push_back(k);
      }
    }
    const char* jahre[] = {"EF", "Q1", "Q2"};
    for (int jahr = 0; jahr < 3; ++jahr) {
      for (int z = 0; z < fG.oberstufe; ++z) {
        std::string name = jahre[jahr];
        if (fG.oberstufe > 1) name += static_cast<char>('a' + z);
        TKlasse* k = fSchule.HoleKlasse(name);
        k->fInfo = std::string("Jahrgang ") + jahre[jahr];
        fJahr[jahr].push_back(k);
      }
    }
    const int kursraeume = fG.oberstufe == 0 ? 2 : fG.kurseProSchiene + 2;
    for (int i = 0; i < kursraeume; ++i) {
      fKursraeume.push_back(Raum("R" + std::to_string(201 + i), "Kursraum"));
    }
  }

  // Every teacher is qualified for two subjects, drawn so that the subjects with most lessons
  // get most teachers; one in eight works part-time.
  void LegeLehrerAn() {
    const std::vector<std::string> haeufig = {"D",  "E",  "M",  "D",  "E",  "M",  "SP", "BI",
                                              "GE", "KU", "MU", "PH", "CH", "EK", "F",  "L",
                                              "KR", "ER", "PK", "IF", "SW", "PA", "PL"};
    for (int i = 0; i < fG.lehrer; ++i) {
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
      l->NeuesFach(fSchule.HoleFach(haeufig[i % haeufig.size()]));
      l->NeuesFach(fSchule.HoleFach(haeufig[(i * 7 + 3 + fZufall.Zahl(5)) % haeufig.size()]));
      fKapazitaet.push_back(i % 8 == 5 ? 16 + fZufall.Zahl(6) : 25 + fZufall.Zahl(4));
      fLast.push_back(0);
    }
  }

  // The teacher for a course: the least loaded one who teaches the subject and is not already in
  // the coupling; else the least loaded one at all, who then takes up the subject.
  TLehrer* WaehleLehrer(TFach* fach, int stunden, const std::vector<TLehrer*>& schonDabei) {
    int beste = -1;
    double besteLast = 1e9;
    for (int runde = 0; runde < 2 && beste < 0; ++runde) {
      for (int i = 0; i < fG.lehrer; ++i) {
        TLehrer* l = fSchule.fLehrerMenge.ListeNrInhalt(i + 1);
        if (std::find(schonDabei.begin(), schonDabei.end(), l) != schonDabei.end()) continue;
        if (runde == 0 && l->fFaecher.ListeElemNr(fach) == 0) continue;
        if (runde == 0 && fLast[i] + stunden > fKapazitaet[i] + 1) continue;
        const double last = static_cast<double>(fLast[i]) / fKapazitaet[i];
        if (last < besteLast) {
          besteLast = last;
          beste = i;
        }
      }
    }
    fLast[beste] += stunden;
    TLehrer* l = fSchule.fLehrerMenge.ListeNrInhalt(beste + 1);
    l->NeuesFach(fach);
    return l;
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
  TKurs* Kurs(const std::string& fach, int stunden, TKlasse* klasse, TRaum* raum) {
    std::vector<TLehrer*> keine;
    return Kurs(fach, stunden, std::vector<TKlasse*>{klasse}, raum, nullptr, keine);
  }

  TRaum* Fachraum(const std::string& fach, int i, TRaum* sonst) {
    const auto it = fFachraum.find(fach);
    if (it == fFachraum.end() || it->second.empty()) return sonst;
    return it->second[static_cast<std::size_t>(i) % it->second.size()];
  }

  TKopplung* Kopplung(const std::string& kuerzel, const std::string& info) {
    TKopplung* k = fSchule.HoleKopplung(kuerzel);
    k->fInfo = info;
    return k;
  }

  // The room of the i-th course of a coupling of the grade: the classes' rooms, then course rooms.
  TRaum* GruppenRaum(const std::vector<TKlasse*>& klassen, std::size_t i) {
    if (i < klassen.size()) return klassen[i]->fRaum;
    return fKursraeume[(i - klassen.size()) % fKursraeume.size()];
  }

  void Unterstufe(int stufe) {
    const std::vector<TKlasse*>& klassen = fStufe[stufe];
    const std::string jahrgang = std::to_string(5 + stufe);
    for (std::size_t z = 0; z < klassen.size(); ++z) {
      TKlasse* k = klassen[z];
      // With half classes, one lesson of German, English and Mathematics is given to each half.
      const auto geteilt = [&](const std::string& fach) {
        return fG.gruppen && (fach == "D" || fach == "E" || fach == "M");
      };
      for (const TStundentafel& t : kStundentafel) {
        const int stunden = t.stunden[stufe] - (geteilt(t.fach) ? 1 : 0);
        if (stunden > 0) Kurs(t.fach, stunden, k, Fachraum(t.fach, static_cast<int>(z), k->fRaum));
      }
      if (!fG.gruppen) {
        Kurs("SP", 3, k, fHallen[z % fHallen.size()]);
        continue;
      }
      // Half classes, held side by side.
      const auto halbe = [&](const std::string& fach, int stunden, const char* was) {
        TKopplung* kopplung =
            Kopplung(fach + k->fKuerzel.str(), std::string(was) + " " + k->fKuerzel.str());
        std::vector<TLehrer*> kollegen;
        for (int gruppe = 0; gruppe < 2; ++gruppe) {
          Kurs(fach, stunden, {k}, Fachraum(fach, static_cast<int>(z) * 2 + gruppe, k->fRaum),
               kopplung, kollegen);
        }
      };
      halbe("D", 1, "Deutsch in Gruppen");
      halbe("E", 1, "Englisch in Gruppen");
      halbe("M", 1, "Mathematik in Gruppen");
      halbe("F\xD6", 1, "F\xF6rderunterricht in Gruppen");
      if (stufe >= 2) halbe("LZ", 1, "Lernzeit in Gruppen");
      halbe("SP", 3, "Sport in Gruppen");
      if (stufe < 2) halbe("IF", 1, "Informatik in Gruppen");
      if (stufe >= 2) halbe("NW", 1, "Praktikum in Gruppen");
    }
    const auto jahrgangsKurse = [&](const std::string& name, const std::string& info, int anzahl,
                                    const std::vector<std::string>& faecher, int stunden) {
      TKopplung* kopplung = Kopplung(name + jahrgang, info + " " + jahrgang);
      std::vector<TLehrer*> kollegen;
      for (int i = 0; i < anzahl; ++i) {
        const std::string& fach = faecher[static_cast<std::size_t>(i) % faecher.size()];
        Kurs(fach, stunden, klassen, GruppenRaum(klassen, static_cast<std::size_t>(i)), kopplung,
             kollegen);
      }
    };
    const int zuege = static_cast<int>(klassen.size());
    jahrgangsKurse("REL", "Religion", std::max(3, zuege), {"KR", "ER", "PL"}, 2);
    if (stufe >= 1)
      jahrgangsKurse("SPR", "Zweite Fremdsprache", std::max(2, zuege), {"F", "L"},
                     stufe == 1 ? 4 : 3);
    if (stufe >= 4) jahrgangsKurse("WP", "Wahlpflicht", zuege + 1, {"IF", "NW", "SW", "KU"}, 3);
    if (fG.gruppen)
      jahrgangsKurse("AG", "Arbeitsgemeinschaften", zuege + 1, {"MU", "KU", "SP", "IF"}, 1);
  }

  // The upper level's courses run in blocks: every course of a block at the same time.
  void Oberstufe(int jahr) {
    const char* namen[] = {"EF", "Q1", "Q2"};
    const std::vector<TKlasse*>& klassen = fJahr[jahr];
    const auto schiene = [&](const std::string& name, int kurse, int stunden, int versatz) {
      TKopplung* kopplung = Kopplung(std::string(namen[jahr]) + "-" + name,
                                     std::string("Schiene ") + name + " " + namen[jahr]);
      std::vector<TLehrer*> kollegen;
      for (int i = 0; i < kurse; ++i) {
        const int n = static_cast<int>(std::size(kOberstufenFaecher));
        const std::string fach = kOberstufenFaecher[(versatz + i * 5) % n];
        TRaum* raum = fach == "SP" ? fHallen[static_cast<std::size_t>(i) % fHallen.size()]
                                   : fKursraeume[static_cast<std::size_t>(i) % fKursraeume.size()];
        Kurs(fach, stunden, klassen, raum, kopplung, kollegen);
      }
    };
    for (int s = 0; s < fG.gkSchienen; ++s) {
      schiene("GK" + std::to_string(s + 1), fG.kurseProSchiene, 3, s * 3 + jahr);
    }
    for (int s = 0; s < fG.lkSchienen && jahr > 0; ++s) {
      schiene("LK" + std::to_string(s + 1), std::max(2, fG.kurseProSchiene - 2), 5, s * 7 + jahr);
    }
    schiene("VT1", fG.kurseProSchiene, 2, 0);
    if (fG.gruppen) schiene("VT2", fG.kurseProSchiene, 2, 1);
  }

  // Targets close to what each one teaches; the class teachers teach German and English there.
  void SetzeSollUndKlassenlehrer() {
    for (int i = 0; i < fG.lehrer; ++i) {
      TLehrer* l = fSchule.fLehrerMenge.ListeNrInhalt(i + 1);
      l->fSoll.SetWochenStunde(0, std::max(fLast[i], fKapazitaet[i]));
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

  // A free afternoon for some teachers, no afternoon for the young classes, a hall in repair.
  void Sperre() {
    int i = 0;
    for (TLehrer* l : fSchule.fLehrerMenge) {
      if (i++ % 5 != 2) continue;
      const int tag = 1 + fZufall.Zahl(5);
      for (int32_t std = 6; std <= 8; ++std) l->fSperrung.SetWocheTagStd(0, tag, true, std);
    }
    for (int stufe = 0; stufe < 2; ++stufe) {
      for (TKlasse* k : fStufe[stufe]) {
        for (int32_t tag = 1; tag <= 5; ++tag) {
          for (int32_t std = 7; std <= 8; ++std) k->fSperrung.SetWocheTagStd(0, tag, true, std);
        }
      }
    }
    fHallen.back()->fSperrung.SetWocheTagStd(0, 5, true, 1);
    fHallen.back()->fSperrung.SetWocheTagStd(0, 5, true, 2);
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

  // About half of each unit's lessons, at most one a day, in the first cell that fits.
  void Verplane(int32_t w) {
    std::vector<TRaum*> raeume;
    for (const std::vector<TKurs*>& einheit : Einheiten()) {
      const int32_t stunden = einheit.front()->fStunden.GetWochenStunde(w);
      const int32_t ziel = (stunden + fZufall.Zahl(2)) / 2 + (stunden >= 4 ? 1 : 0);
      const int32_t ersterTag = 1 + fZufall.Zahl(5);
      int32_t gesetzt = 0;
      for (int32_t d = 0; d < 5 && gesetzt < ziel; ++d) {
        const int32_t tag = 1 + (ersterTag - 1 + d * 2) % 5;
        const int32_t ersteStd = 1 + fZufall.Zahl(6);
        for (int32_t s = 0; s < 8; ++s) {
          const int32_t std = 1 + (ersteStd - 1 + s) % 8;
          if (!Passt(einheit, w, tag, std, raeume)) continue;
          for (std::size_t i = 0; i < einheit.size(); ++i) {
            einheit[i]->SetzungAufnehmen(new TSetzung(w, tag, std, raeume[i]));
          }
          ++gesetzt;
          break;
        }
      }
    }
  }

  TSchule& fSchule;
  TStandard& fStandard;
  const TGroesse fG;
  TZufall fZufall;
  std::vector<TRaum*> fHallen;
  std::vector<TRaum*> fKursraeume;
  std::map<std::string, std::vector<TRaum*>> fFachraum;
  std::array<std::vector<TKlasse*>, 6> fStufe;
  std::array<std::vector<TKlasse*>, 3> fJahr;
  std::vector<int> fKapazitaet;
  std::vector<int> fLast;
};

}  // namespace

void ErzeugeDemoSchule(TSchule& schule, TStandard& standard, TDemoGroesse groesse) {
  TDemoBau(schule, standard, Groesse(groesse)).Baue();
}

}  // namespace orbato
