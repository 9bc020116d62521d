#include "austausch/gpu/gpuimport.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <set>
#include <tuple>

#include "model/dokument/schule.h"
#include "model/schnittstellen/dialoge.h"
#include "persist/dateilesen.h"
#include "persist/kursdatei.h"
#include "placement/regeln.h"

namespace orbato {
namespace {

constexpr int kStundenplan = 1, kUnterricht = 2, kKlassen = 3, kLehrer = 4, kRaeume = 5,
              kFaecher = 6;
constexpr int64_t kMaxKursStunden = 112;  // 7 days of 16 periods

// The files may be as large as an exchange file: the same bound, since they fill the same document.
constexpr TDateiArt kGpuDatei{"eine Untis-Datei", kMaxKursDateiBytes};

std::string DateiName(int datei) {
  return "GPU00" + std::to_string(datei);
}

std::string Anzahl(std::size_t zahl, const char* einzahl, const char* mehrzahl) {
  return std::to_string(zahl) + " " + (zahl == 1 ? einzahl : mehrzahl);
}

std::string Zitat(std::string_view text) {
  return "\x84" + std::string(text) + "\x93";
}

// A decimal as Untis writes it ("25.500"), in thousandths; none when it is no number.
bool Tausendstel(std::string_view feld, int64_t& wert) {
  int64_t ganz = 0;
  if (!GpuZahl(feld, ganz)) return false;
  const std::size_t punkt = feld.find('.');
  int64_t bruch = 0;
  if (punkt != std::string_view::npos) {
    std::string ziffern(feld.substr(punkt + 1, 3));
    ziffern.resize(3, '0');
    if (!GpuZahl(ziffern, bruch)) bruch = 0;
  }
  wert = ganz * 1000 + bruch;
  return true;
}

}  // namespace

// One coupling line of a lesson: teacher and subject, with every class and room its lines name.
struct TGpuImport::TZeile {
  int zeile = 0;
  std::string lehrer, fach, beschreibung;
  int64_t stunden = 0;
  std::vector<std::string> klassen, raeume;
};

struct TGpuImport::TUnterricht {
  int64_t nummer = 0;
  std::vector<TZeile> zeilen;
};

TGpuDateien LiesGpuOrdner(const std::string& ordner) {
  TGpuDateien dateien;
  std::error_code fehler;
  for (const auto& eintrag : std::filesystem::directory_iterator(ordner, fehler)) {
    std::string name = eintrag.path().filename().string();
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    for (int datei = kStundenplan; datei <= kFaecher; ++datei) {
      if (name == DateiName(datei) + ".TXT") {
        dateien[datei] = LiesGanzeDatei(eintrag.path().string(), kGpuDatei);
      }
    }
  }
  return dateien;
}

TGpuImportErgebnis TGpuImport::Importiere(const TGpuDateien& dateien) {
  for (const auto& [datei, bytes] : dateien) {
    if (datei < kStundenplan || datei > kFaecher) continue;
    fTabellen[datei] = LiesGpuTabelle(bytes, fLesart);
    if (const int ersetzt = fTabellen[datei].ersetzt) {
      Hinweis(datei, 0,
              std::to_string(ersetzt) +
                  " Zeichen au\xDF"
                  "erhalb von Windows-1252 durch " +
                  Zitat("?") + " ersetzt.");
    }
  }
  if (fTabellen.empty()) return TGpuImportErgebnis::KeineDateien;
  MeldeKuerzel();
  if (!KuerzelBekannt() &&
      !fDialoge.FrageJaNein("Unbekannte K\xFCrzel",
                            {"Die Importdatei enth\xE4lt unbekannte K\xFCrzel.",
                             "Wollen sie trotzdem importieren?"})) {
    return TGpuImportErgebnis::Abgelehnt;
  }
  TSchuleEinsetzen eingesetzt(fSchule);
  fPlanVorhanden = fSchule.fKursMenge.ListeZahlElemente() > 0;
  Namen(kKlassen, fKlassen, [this](const std::string& k) { return fSchule.HoleKlasse(k); });
  Lehrer();
  Namen(kRaeume, fRaeume, [this](const std::string& k) { return fSchule.HoleRaum(k); });
  Namen(kFaecher, fFaecher, [this](const std::string& k) { return fSchule.HoleFach(k); });
  Unterricht();
  Stundenplan();
  BerichtSchreiben();
  return TGpuImportErgebnis::Importiert;
}

// The counts first, then every cut short name, then the notes in the order they arose.
void TGpuImport::BerichtSchreiben() {
  const auto saetze = [&](int datei) { return Tabelle(datei) ? Tabelle(datei)->saetze.size() : 0; };
  fBericht.push_back("Untis-Import: " + Anzahl(saetze(kKlassen), "Klasse", "Klassen") + ", " +
                     Anzahl(saetze(kLehrer), "Lehrer", "Lehrer") + ", " +
                     Anzahl(saetze(kRaeume), "Raum", "R\xE4ume") + ", " +
                     Anzahl(saetze(kFaecher), "Fach",
                            "F\xE4"
                            "cher") +
                     ", " + Anzahl(fZahlKurse, "Kurs", "Kurse") + ", " +
                     Anzahl(fZahlKopplungen, "Kopplung", "Kopplungen") + ", " +
                     Anzahl(fZahlSetzungen, "Setzung", "Setzungen") + " in Planversion " +
                     std::to_string(Standard().fAktuelleWoche) + ".");
  const std::pair<const char*, TGpuKuerzel*> arten[] = {{"Klasse", &fKlassen},
                                                        {"Lehrer", &fLehrer},
                                                        {"Raum", &fRaeume},
                                                        {"Fach", &fFaecher},
                                                        {"Kopplung", &fKopplungen}};
  for (const auto& [art, kuerzel] : arten) {
    for (const auto& [lang, kurz] : kuerzel->Kuerzungen()) {
      fBericht.push_back(std::string(art) + " " + Zitat(lang) + " hei\xDFt jetzt " + Zitat(kurz) +
                         " (K\xFCrzel haben h\xF6"
                         "chstens 11 Zeichen).");
    }
  }
  fBericht.insert(fBericht.end(), fHinweise.begin(), fHinweise.end());
}

const TGpuTabelle* TGpuImport::Tabelle(int datei) const {
  const auto it = fTabellen.find(datei);
  return it == fTabellen.end() ? nullptr : &it->second;
}

// Names a file gives in full come before those cut, so that no cut name takes another's place.
void TGpuImport::MeldeKuerzel() {
  const std::tuple<int, std::size_t, TGpuKuerzel*> felder[] = {
      {kKlassen, 1, &fKlassen},     {kLehrer, 1, &fLehrer},      {kRaeume, 1, &fRaeume},
      {kFaecher, 1, &fFaecher},     {kUnterricht, 5, &fKlassen}, {kUnterricht, 6, &fLehrer},
      {kUnterricht, 7, &fFaecher},  {kUnterricht, 8, &fRaeume},  {kUnterricht, 21, &fKopplungen},
      {kStundenplan, 2, &fKlassen}, {kStundenplan, 3, &fLehrer}, {kStundenplan, 4, &fFaecher},
      {kStundenplan, 5, &fRaeume}};
  for (const auto& [datei, feld, kuerzel] : felder) {
    if (const TGpuTabelle* t = Tabelle(datei)) {
      for (const TGpuSatz& satz : t->saetze) {
        for (const std::string& name : GpuListe(satz.Feld(feld))) kuerzel->Melde(name);
      }
    }
  }
}

// A name the lessons or the timetable use is known when a master file or the document has it.
bool TGpuImport::KuerzelBekannt() {
  const auto stamm = [&](int datei) {
    std::set<std::string> namen;
    if (const TGpuTabelle* t = Tabelle(datei)) {
      for (const TGpuSatz& satz : t->saetze) namen.insert(satz.Feld(1));
    }
    return namen;
  };
  const std::set<std::string> klassen = stamm(kKlassen), lehrer = stamm(kLehrer),
                              raeume = stamm(kRaeume), faecher = stamm(kFaecher);
  bool bekannt = true;
  const auto pruefe = [&](const std::set<std::string>& namen, TGpuKuerzel& art, const auto& menge,
                          const std::string& feld) {
    for (const std::string& name : GpuListe(feld)) {
      if (!namen.contains(name) && TSchule::HoleElement(menge, art.Kuerzel(name)) == nullptr) {
        bekannt = false;
      }
    }
  };
  for (const auto& [datei, k, l, f, r] :
       {std::tuple{kUnterricht, 5, 6, 7, 8}, std::tuple{kStundenplan, 2, 3, 4, 5}}) {
    const TGpuTabelle* t = Tabelle(datei);
    if (t == nullptr) continue;
    for (const TGpuSatz& satz : t->saetze) {
      pruefe(klassen, fKlassen, fSchule.fKlassenMenge, satz.Feld(k));
      pruefe(lehrer, fLehrer, fSchule.fLehrerMenge, satz.Feld(l));
      pruefe(faecher, fFaecher, fSchule.fFachMenge, satz.Feld(f));
      pruefe(raeume, fRaeume, fSchule.fRaumMenge, satz.Feld(r));
    }
  }
  return bekannt;
}

void TGpuImport::Hinweis(int datei, int zeile, const std::string& text) {
  std::string ort = DateiName(datei);
  if (zeile > 0) ort += " Zeile " + std::to_string(zeile);
  fHinweise.push_back(ort + ": " + text);
}

// One line per file for the fields the program has no place for, so that nothing goes unsaid.
void TGpuImport::FelderOhneZiel(int datei, const std::vector<std::size_t>& uebernommen) {
  const TGpuTabelle* t = Tabelle(datei);
  std::set<std::size_t> felder;
  for (const TGpuSatz& satz : t->saetze) {
    for (std::size_t f = 1; f <= satz.felder.size(); ++f) {
      if (!satz.felder[f - 1].empty() &&
          std::find(uebernommen.begin(), uebernommen.end(), f) == uebernommen.end()) {
        felder.insert(f);
      }
    }
  }
  if (felder.empty()) return;
  std::string liste;
  for (std::size_t f : felder) liste += (liste.empty() ? "" : ", ") + std::to_string(f);
  Hinweis(datei, 0,
          (felder.size() == 1 ? "Feld " : "Felder ") + liste +
              " nicht \xFC"
              "bernommen (kein Gegenst\xFC"
              "ck im Programm).");
}

template <class T>
void TGpuImport::Langname(T& element, const std::string& langname, int datei, int zeile) {
  if (langname.size() > TInfoString::Kapazitaet) {
    Hinweis(datei, zeile, "Langname " + Zitat(langname) + " auf 31 Zeichen gek\xFCrzt.");
  }
  if (!langname.empty()) element.SetInfo(langname);
}

template <class Holen>
void TGpuImport::Namen(int datei, TGpuKuerzel& kuerzel, Holen holen) {
  const TGpuTabelle* t = Tabelle(datei);
  if (t == nullptr) return;
  for (const TGpuSatz& s : t->saetze) {
    if (s.Feld(1).empty()) continue;
    Langname(*holen(kuerzel.Kuerzel(s.Feld(1))), s.Feld(2), datei, s.zeile);
  }
  FelderOhneZiel(datei, {1, 2});
}

void TGpuImport::Lehrer() {
  const TGpuTabelle* t = Tabelle(kLehrer);
  if (t == nullptr) return;
  const int64_t divisor = std::max<int64_t>(Standard().fDivisor, 1);
  for (const TGpuSatz& s : t->saetze) {
    if (s.Feld(1).empty()) continue;
    TLehrer* lehrer = fSchule.HoleLehrer(fLehrer.Kuerzel(s.Feld(1)));
    const std::string langname = s.Feld(29).empty() ? s.Feld(2) : s.Feld(29) + " " + s.Feld(2);
    Langname(*lehrer, langname, kLehrer, s.zeile);
    int64_t tausendstel = 0;
    if (s.Feld(15).empty()) continue;
    if (!Tausendstel(s.Feld(15), tausendstel)) {
      Hinweis(kLehrer, s.zeile, "Wochen-Soll " + Zitat(s.Feld(15)) + " ist keine Zahl.");
      continue;
    }
    const int64_t soll = (tausendstel * divisor + 500) / 1000;
    if (soll * 1000 != tausendstel * divisor) {
      Hinweis(
          kLehrer, s.zeile,
          "Wochen-Soll " + s.Feld(15) + " auf " + GpuDezimal(soll * 1000 / divisor) + " gerundet.");
    }
    lehrer->SetSoll(0, static_cast<int32_t>(soll));
  }
  FelderOhneZiel(kLehrer, {1, 2, 15, 29});
}

// The lines of a lesson number make one course per teacher and subject; a number with several
// such lines, or one whose description names a coupling, is a coupling.
void TGpuImport::Unterricht() {
  const TGpuTabelle* t = Tabelle(kUnterricht);
  if (t == nullptr) return;
  std::vector<TUnterricht> unterricht;
  std::map<int64_t, std::size_t> nachNummer;
  for (const TGpuSatz& s : t->saetze) {
    int64_t nummer = 0;
    if (!GpuZahl(s.Feld(1), nummer)) {
      Hinweis(kUnterricht, s.zeile,
              "keine Unterrichtsnummer, Zeile nicht \xFC"
              "bernommen.");
      continue;
    }
    auto [it, neu] = nachNummer.emplace(nummer, unterricht.size());
    if (neu) unterricht.push_back({nummer, {}});
    std::vector<TZeile>& zeilen = unterricht[it->second].zeilen;
    const std::string& lehrer = fLehrer.Kuerzel(s.Feld(6));
    const std::string& fach = fFaecher.Kuerzel(s.Feld(7));
    auto z = std::find_if(zeilen.begin(), zeilen.end(),
                          [&](const TZeile& e) { return e.lehrer == lehrer && e.fach == fach; });
    if (z == zeilen.end()) {
      TZeile zeile{s.zeile, lehrer, fach, fKopplungen.Kuerzel(s.Feld(21)), 0, {}, {}};
      if (!GpuZahl(s.Feld(2), zeile.stunden)) {
        Hinweis(kUnterricht, s.zeile, "Wochenstunden " + Zitat(s.Feld(2)) + " als 0 gelesen.");
      } else if (zeile.stunden > kMaxKursStunden) {
        Hinweis(kUnterricht, s.zeile,
                "Wochenstunden " + s.Feld(2) + " auf " + std::to_string(kMaxKursStunden) +
                    " begrenzt.");
        zeile.stunden = kMaxKursStunden;
      }
      zeilen.push_back(zeile);
      z = zeilen.end() - 1;
    } else if (int64_t stunden = 0; GpuZahl(s.Feld(2), stunden) && stunden != z->stunden) {
      Hinweis(kUnterricht, s.zeile,
              "Wochenstunden " + s.Feld(2) + " weichen von Zeile " + std::to_string(z->zeile) +
                  " ab, dort " + std::to_string(z->stunden) +
                  " \xFC"
                  "bernommen.");
    }
    const auto dazu = [](std::vector<std::string>& liste, const std::string& name) {
      if (!name.empty() && std::find(liste.begin(), liste.end(), name) == liste.end()) {
        liste.push_back(name);
      }
    };
    dazu(z->klassen, fKlassen.Kuerzel(s.Feld(5)));
    for (const std::string& raum : GpuListe(s.Feld(8))) dazu(z->raeume, fRaeume.Kuerzel(raum));
  }
  // Untis files from elsewhere may give many lessons one description; only the first of them
  // takes it as its coupling's name, so that unrelated lessons are never coupled.
  std::map<std::string, int64_t> benannt;
  for (const TUnterricht& u : unterricht) {
    TKopplung* kopplung = nullptr;
    std::string name = u.zeilen.front().beschreibung;
    if (!name.empty() && !benannt.emplace(name, u.nummer).second) {
      Hinweis(kUnterricht, u.zeilen.front().zeile,
              "Beschreibung " + Zitat(name) + " schon bei Unterricht " +
                  std::to_string(benannt[name]) + ", hier nicht als Kopplung gelesen.");
      name.clear();
    }
    if (u.zeilen.size() > 1 || !name.empty()) {
      kopplung = fSchule.HoleKopplung(name.empty() ? "U" + std::to_string(u.nummer) : name);
      ++fZahlKopplungen;
    }
    for (const TZeile& zeile : u.zeilen) Kurs(zeile, u.nummer, kopplung);
  }
  FelderOhneZiel(kUnterricht, {1, 2, 3, 4, 5, 6, 7, 8, 21});
}

void TGpuImport::Kurs(const TZeile& zeile, int64_t nummer, TKopplung* kopplung) {
  const auto hole = [&](auto lookup, const std::string& name) {
    return name.empty() ? nullptr : (fSchule.*lookup)(name);
  };
  TLehrer* lehrer = hole(&TSchule::HoleLehrer, zeile.lehrer);
  TFach* fach = hole(&TSchule::HoleFach, zeile.fach);
  const auto stunden = static_cast<int32_t>(zeile.stunden);
  // The course takes its place in the course order from its first class and the hours of every
  // version, so both are set before it enters the lists.
  auto* kurs = new TKurs;
  kurs->fStunden.SetWochenStunde(0, stunden);
  TKlasse* erste = zeile.klassen.empty() ? nullptr : fSchule.HoleKlasse(zeile.klassen.front());
  kurs->IKurs(lehrer, erste, stunden, nullptr, fach, kopplung);
  // Further classes keep the order of the file, as the course exchange file's do: the first
  // class decides where the course stands in every list.
  for (std::size_t i = 1; i < zeile.klassen.size(); ++i) {
    TKlasse* klasse = fSchule.HoleKlasse(zeile.klassen[i]);
    kurs->fKlassen.ListeAnhaengen(klasse);
    klasse->fKurse.ListeEinfuegen(kurs, KlassenKursVergleich);
    if (fach) fach->NeueKlasse(klasse);
  }
  for (const std::string& raum : zeile.raeume) kurs->RaumErgaenzen(fSchule.HoleRaum(raum), false);
  if (lehrer && fach) lehrer->NeuesFach(fach);
  fKurse[{nummer, zeile.lehrer, zeile.fach}] = kurs;
  ++fZahlKurse;
  fSchule.SetDirty();
}

// Each placed period comes once per class of the course; the repeats find the cell taken.
void TGpuImport::Stundenplan() {
  const TGpuTabelle* t = Tabelle(kStundenplan);
  if (t == nullptr) return;
  TStandard& st = Standard();
  const int32_t woche = st.fAktuelleWoche;
  for (const TGpuSatz& s : t->saetze) {
    int64_t nummer = 0, tag = 0, stunde = 0;
    const std::string& lehrer = fLehrer.Kuerzel(s.Feld(3));
    const std::string& fach = fFaecher.Kuerzel(s.Feld(4));
    const auto kurs = fKurse.find({GpuZahl(s.Feld(1), nummer) ? nummer : -1, lehrer, fach});
    if (kurs == fKurse.end()) {
      Hinweis(kStundenplan, s.zeile,
              "Unterricht " + Zitat(s.Feld(1)) + " mit " + Zitat(s.Feld(3)) + " und " +
                  Zitat(s.Feld(4)) +
                  " fehlt in GPU002, Stunde nicht \xFC"
                  "bernommen.");
      continue;
    }
    if (!GpuZahl(s.Feld(6), tag) || tag < 1 || tag > kMaxTage) {
      Hinweis(kStundenplan, s.zeile,
              "Tag " + Zitat(s.Feld(6)) +
                  " liegt nicht zwischen 1 und 7, Stunde nicht \xFC"
                  "bernommen.");
      continue;
    }
    if (!GpuZahl(s.Feld(7), stunde) || stunde < 1 || stunde > kMaxStunden) {
      Hinweis(kStundenplan, s.zeile,
              "Stunde " + Zitat(s.Feld(7)) +
                  " liegt nicht zwischen 1 und 16, nicht \xFC"
                  "bernommen.");
      continue;
    }
    TKurs* k = kurs->second;
    const auto d = static_cast<int32_t>(tag), h = static_cast<int32_t>(stunde);
    if (k->fBesetzung.GetWocheTagStd(woche, d, h)) continue;
    TRaum* raum = s.Feld(5).empty() ? nullptr : fSchule.HoleRaum(fRaeume.Kuerzel(s.Feld(5)));
    if (d > st.fMaxTageNeu) st.SetMaxTageNeu(d);
    // Into a document that has a plan, an hour may meet one already there: that plan keeps its
    // rules, and the hour is reported. Into an empty document the file's timetable comes as it
    // is, clashes included, for the check to show.
    if (fPlanVorhanden && !SetzungPossible(*k, woche, d, raum, h)) {
      Hinweis(kStundenplan, s.zeile,
              "Unterricht " + Zitat(s.Feld(1)) + " am Tag " + std::to_string(d) + " in Stunde " +
                  std::to_string(h) +
                  ": Lehrer, Klasse oder Raum ist dort schon belegt oder gesperrt, nicht \xFC"
                  "bernommen.");
      continue;
    }
    if (raum && !k->HatRaum(raum)) k->RaumErgaenzen(raum, false);
    k->SetzungAufnehmen(new TSetzung(woche, d, h, raum));
    ++fZahlSetzungen;
  }
  FelderOhneZiel(kStundenplan, {1, 2, 3, 4, 5, 6, 7});
}

}  // namespace orbato
