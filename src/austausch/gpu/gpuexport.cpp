#include "austausch/gpu/gpuexport.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <tuple>

#include "model/dokument/schule.h"
#include "persist/sicherndatei.h"
#include "persist/streamfehler.h"

namespace orbato {
namespace {

std::string Datum(TDatumZeit d) {
  const TKalenderDatum k = DekodiereDatum(d);
  char text[16];
  std::snprintf(text, sizeof text, "%04d%02d%02d", k.Jahr, k.Monat, k.Tag);
  return text;
}

std::string Kurz(const TElement* e) {
  return e ? e->fKuerzel.str() : std::string();
}

template <class T>
std::string Liste(const TListe<T>& elemente) {
  std::string text;
  for (const T* e : elemente) text += (text.empty() ? "" : "~") + e->fKuerzel.str();
  return text;
}

// The Untis lessons: a coupling's courses in coupling order, or a course alone, numbered in the
// order their first course has in the document.
struct TUnterricht {
  int64_t nummer;
  const TKopplung* kopplung;
  std::vector<const TKurs*> kurse;
};

std::vector<TUnterricht> Unterrichte(const TSchule& schule) {
  std::vector<TUnterricht> unterrichte;
  std::map<const TKopplung*, bool> gesehen;
  for (const TKurs* k : schule.fKursMenge) {
    if (k->fKopplung == nullptr) {
      unterrichte.push_back({static_cast<int64_t>(unterrichte.size() + 1), nullptr, {k}});
    } else if (!gesehen[k->fKopplung]) {
      gesehen[k->fKopplung] = true;
      TUnterricht u{static_cast<int64_t>(unterrichte.size() + 1), k->fKopplung, {}};
      for (const TKurs* c : k->fKopplung->fKurse) u.kurse.push_back(c);
      unterrichte.push_back(u);
    }
  }
  return unterrichte;
}

// One line per class and course, by class, then course; courses without a class last. Field 3
// counts the hours once per class, field 4 once per course, as Untis does.
void Unterricht(TGpuSchreiber& s, const TUnterricht& u, int32_t woche) {
  std::vector<const TKlasse*> klassen;
  for (const TKurs* k : u.kurse) {
    for (const TKlasse* c : k->fKlassen) {
      if (std::find(klassen.begin(), klassen.end(), c) == klassen.end()) klassen.push_back(c);
    }
  }
  klassen.push_back(nullptr);
  std::map<const TKurs*, bool> gezaehlt;
  for (const TKlasse* c : klassen) {
    bool klasseGezaehlt = false;
    for (const TKurs* k : u.kurse) {
      if (c ? !k->HatKlasse(c) : k->fKlassen.ListeZahlElemente() > 0) continue;
      const int64_t stunden = k->fStunden.GetWochenStunde(woche);
      s.NeueZeile(46, true);
      s.Zahl(1, u.nummer);
      s.Zahl(2, stunden);
      s.Zahl(3, klasseGezaehlt ? 0 : stunden);
      s.Zahl(4, gezaehlt[k] ? 0 : stunden);
      s.Text(5, Kurz(c));
      s.Text(6, Kurz(k->fLehrer));
      s.Text(7, Kurz(k->fFach));
      s.Text(8, Liste(k->fRaeume));
      s.Text(21, Kurz(u.kopplung));
      s.ZeileFertig();
      klasseGezaehlt = c != nullptr;
      gezaehlt[k] = true;
    }
  }
}

// One line per placement of the version and class of its course, by day and period.
void Stundenplan(TGpuSchreiber& s, const TUnterricht& u, int32_t woche) {
  for (const TKurs* k : u.kurse) {
    std::vector<const TSetzung*> setzungen;
    for (const TSetzung* z : k->fSetzungen) {
      if (z->fWoche == woche) setzungen.push_back(z);
    }
    std::sort(setzungen.begin(), setzungen.end(), [](const TSetzung* a, const TSetzung* b) {
      return std::tie(a->fTag, a->fStunde) < std::tie(b->fTag, b->fStunde);
    });
    std::vector<const TKlasse*> klassen(k->fKlassen.begin(), k->fKlassen.end());
    if (klassen.empty()) klassen.push_back(nullptr);
    for (const TSetzung* z : setzungen) {
      for (const TKlasse* c : klassen) {
        s.NeueZeile(8, true);
        s.Zahl(1, u.nummer);
        s.Text(2, Kurz(c));
        s.Text(3, Kurz(k->fLehrer));
        s.Text(4, Kurz(k->fFach));
        s.Text(5, Kurz(z->fRaum));
        s.Zahl(6, z->fTag);
        s.Zahl(7, z->fStunde);
        s.ZeileFertig();
      }
    }
  }
}

template <class T>
std::vector<uint8_t> Stammdaten(const TListe<T>& menge, const TGpuSchreibart& art,
                                std::size_t felder, bool trennerAmEnde) {
  TGpuSchreiber s(art);
  for (const T* e : menge) {
    s.NeueZeile(felder, trennerAmEnde);
    s.Text(1, e->fKuerzel.str());
    s.Text(2, e->fInfo.str());
    s.ZeileFertig();
  }
  return s.Bytes();
}

std::vector<uint8_t> Lehrer(const TSchule& schule, const TGpuSchreibart& art, int32_t woche) {
  TGpuSchreiber s(art);
  const int64_t divisor = std::max<int64_t>(Standard().fDivisor, 1);
  for (const TLehrer* l : schule.fLehrerMenge) {
    s.NeueZeile(45, false);
    s.Text(1, l->fKuerzel.str());
    s.Text(2, l->fInfo.str());
    s.Roh(15, GpuDezimal(l->GetSoll(woche) * 1000L / divisor));
    s.ZeileFertig();
  }
  return s.Bytes();
}

bool ImZeitraum(const TGpuExportArt& art, TDatumZeit datum) {
  return GanzerTag(datum) >= GanzerTag(art.von) && GanzerTag(datum) <= GanzerTag(art.bis);
}

// The absence records by teacher, day and period, for field 4 of the substitutions.
using TFehlNummern = std::map<std::tuple<const TPlanElement*, int, int32_t>, int64_t>;

// One record per element, date and run of absent periods.
std::vector<uint8_t> Abwesenheiten(const TSchule& schule, const TGpuExportArt& art,
                                   TFehlNummern& nummern) {
  TGpuSchreiber s(art.schreibart);
  int64_t nummer = 0;
  const std::pair<const TListe<TFehl>*, const char*> arten[] = {{&schule.fFehlLehrerMenge, "L"},
                                                                {&schule.fFehlKlassenMenge, "K"},
                                                                {&schule.fFehlRaumMenge, "R"}};
  for (const auto& [menge, kennung] : arten) {
    for (const TFehl* f : *menge) {
      if (!ImZeitraum(art, f->fDatum)) continue;
      for (int32_t std = 1; std <= kMaxStunden; ++std) {
        if (!f->FehltIn(std) || f->FehltIn(std - 1)) continue;
        int32_t bis = std;
        while (f->FehltIn(bis + 1)) ++bis;
        s.NeueZeile(9, true);
        s.Zahl(1, ++nummer);
        s.Text(2, kennung);
        s.Text(3, Kurz(f->fElement));
        s.Text(4, Datum(f->fDatum));
        s.Text(5, Datum(f->fDatum));
        s.Text(6, std::to_string(std));
        s.Text(7, std::to_string(bis));
        if (f->fGrund.str() != "-") s.Text(8, f->fGrund.str());
        s.ZeileFertig();
        for (int32_t h = std; h <= bis; ++h) {
          nummern[{f->fElement, GanzerTag(f->fDatum), h}] = nummer;
        }
      }
    }
  }
  return s.Bytes();
}

// The type of a record: moved away ("verlegt auf", T with Wegverlegung), moved here ("statt", F
// with Hinverlegung), cancelled (C), a change of room alone (R), else a plain substitution.
std::pair<int64_t, const char*> Art(const TVertretung& v) {
  if (v.fVon) return {8 | (v.fFrei ? 1 : 0), "T"};
  if (v.fZu) return {128, "F"};
  if (v.fFrei) return {1, "C"};
  const bool lehrerGleich = v.fLehrer == nullptr || v.fLehrer == v.fKurs->fLehrer;
  const bool raumNeu = v.fRaum && v.fSetzung && v.fRaum != v.fSetzung->fRaum;
  if (lehrerGleich && raumNeu) return {65536, "R"};
  return {0, ""};
}

std::vector<uint8_t> Vertretungen(const TSchule& schule, const TGpuExportArt& art,
                                  const std::map<const TKurs*, int64_t>& nummern,
                                  const TFehlNummern& fehlNummern) {
  TGpuSchreiber s(art.schreibart);
  int64_t nummer = 0;
  for (const TVertretung* v : schule.fVertretungsMenge) {
    const int tag = GanzerTag(v->fDatum);
    if (!v->fGueltig || v->fKurs == nullptr || v->fSetzung == nullptr) continue;
    if (!ImZeitraum(art, v->fDatum)) continue;
    const TKurs& k = *v->fKurs;
    const auto [bits, code] = Art(*v);
    s.NeueZeile(22, false);
    s.Zahl(1, ++nummer);
    s.Text(2, Datum(v->fDatum));
    s.Zahl(3, v->fSetzung->fStunde);
    if (const auto f = fehlNummern.find({k.fLehrer, tag, v->fSetzung->fStunde});
        f != fehlNummern.end()) {
      s.Zahl(4, f->second);
    }
    s.Zahl(5, nummern.at(&k));
    s.Text(6, Kurz(k.fLehrer));
    if (!v->fFrei) s.Text(7, Kurz(v->fLehrer));
    s.Text(8, Kurz(k.fFach));
    if (v->fFach && v->fFach != k.fFach) s.Text(10, Kurz(v->fFach));
    s.Text(12, Kurz(v->fSetzung->fRaum));
    s.Text(13, Kurz(v->fRaum));
    s.Text(15, Liste(k.fKlassen));
    s.Text(17, v->fLInfo.str());
    s.Zahl(18, bits);
    s.Text(19, Liste(k.fKlassen));
    s.Text(20, code);
    if (v->fAdHoc > 0) s.Roh(21, Datum(v->fAdHoc) + "0000");
    s.ZeileFertig();
  }
  return s.Bytes();
}

}  // namespace

std::map<std::string, std::vector<uint8_t>> GpuExportDateien(const TSchule& schule,
                                                             const TGpuExportArt& art) {
  const int32_t woche = Standard().fAktuelleWoche;
  const TGpuSchreibart& a = art.schreibart;
  std::map<std::string, std::vector<uint8_t>> dateien;
  TGpuSchreiber stundenplan(a), unterricht(a);
  std::map<const TKurs*, int64_t> nummern;
  for (const TUnterricht& u : Unterrichte(schule)) {
    Unterricht(unterricht, u, woche);
    Stundenplan(stundenplan, u, woche);
    for (const TKurs* k : u.kurse) nummern[k] = u.nummer;
  }
  dateien["GPU001.TXT"] = stundenplan.Bytes();
  dateien["GPU002.TXT"] = unterricht.Bytes();
  dateien["GPU003.TXT"] = Stammdaten(schule.fKlassenMenge, a, 32, true);
  dateien["GPU004.TXT"] = Lehrer(schule, a, woche);
  dateien["GPU005.TXT"] = Stammdaten(schule.fRaumMenge, a, 17, true);
  dateien["GPU006.TXT"] = Stammdaten(schule.fFachMenge, a, 21, false);
  if (art.von == 0 && art.bis == 0) return dateien;
  TFehlNummern fehlNummern;
  dateien["GPU013.TXT"] = Abwesenheiten(schule, art, fehlNummern);
  dateien["GPU014.TXT"] = Vertretungen(schule, art, nummern, fehlNummern);
  return dateien;
}

std::size_t GpuExportInOrdner(const TSchule& schule, const std::string& ordner,
                              const TGpuExportArt& art) {
  std::error_code fehler;
  std::filesystem::create_directories(ordner, fehler);
  const auto dateien = GpuExportDateien(schule, art);
  for (const auto& [name, bytes] : dateien) {
    SchreibeDateiSicher((std::filesystem::path(ordner) / name).string(), bytes);
  }
  return dateien.size();
}

}  // namespace orbato
