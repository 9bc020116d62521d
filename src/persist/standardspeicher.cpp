#include "persist/standardspeicher.h"

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <limits>
#include <vector>

#include "model/basis/hextext.h"
#include "persist/standardkodierung.h"

namespace orbato {
namespace {

// Reaches one field of a settings object. Reading and writing share one accessor, so the const
// overload casts the object it only reads.
template <class T>
struct Feld {
  std::function<T&(TStandard&)> zugriff;
  T& operator()(TStandard& s) const { return zugriff(s); }
  const T& operator()(const TStandard& s) const { return zugriff(const_cast<TStandard&>(s)); }
};

template <class T>
Feld<T> F(T TStandard::*m) {
  return {[m](TStandard& s) -> T& { return s.*m; }};
}

template <class T, class G>
Feld<T> F(G TStandard::*g, T G::*m) {
  return {[g, m](TStandard& s) -> T& { return (s.*g).*m; }};
}

// One stored value (or a few values that only make sense together, like the parts of a date) of
// one key: how to load it, given the defaults, and how to save it.
struct TWert {
  int schluessel;
  std::vector<std::string> namen;
  std::function<void(TStandard&, Einstellungsspeicher&, const TStandard& vorgabe)> laden;
  std::function<void(const TStandard&, Einstellungsspeicher&)> speichern;
};

using Tabelle = std::vector<TWert>;

// A value of one name: converted with `dekodiere`, written with `kodiere`.
template <class T, class Kod, class Dek>
void Einzeln(Tabelle& t, int k, const std::string& name, Feld<T> f, Kod kodiere, Dek dekodiere) {
  t.push_back({k,
               {name},
               [=](TStandard& s, Einstellungsspeicher& sp, const TStandard& v) {
                 std::optional<T> wert;
                 if (sp.HatWert(name)) wert = dekodiere(sp.LiesWert(name));
                 f(s) = wert ? std::move(*wert) : f(v);
               },
               [=](const TStandard& s, Einstellungsspeicher& sp) {
                 sp.SchreibeWert(name, kodiere(f(s)));
               }});
}

void Bool(Tabelle& t, int k, const std::string& name, Feld<bool> f) {
  Einzeln(t, k, name, f, KodiereBool,
          [](const std::string& s) -> std::optional<bool> { return DekodiereBool(s); });
}

void Int(Tabelle& t, int k, const std::string& name, Feld<int32_t> f,
         int32_t min = std::numeric_limits<int32_t>::min(),
         int32_t max = std::numeric_limits<int32_t>::max()) {
  Einzeln(t, k, name, f, KodiereInt, [min, max](const std::string& s) -> std::optional<int32_t> {
    const auto wert = DekodiereInt(s);
    if (!wert || *wert < min || *wert > max) return std::nullopt;
    return wert;
  });
}

template <class T>
void Text(Tabelle& t, int k, const std::string& name, Feld<T> f) {
  Einzeln(
      t, k, name, f, [](const T& w) { return std::string(std::string_view(w)); },
      [](const std::string& s) -> std::optional<T> { return T(s); });
}

void Schrift(Tabelle& t, int k, const std::string& stamm, Feld<TSchrift> f) {
  Text(t, k, stamm + "fn",
       Feld<std::string>{[f](TStandard& s) -> std::string& { return f(s).Name; }});
  Int(t, k, stamm + "fs", Feld<int32_t>{[f](TStandard& s) -> int32_t& { return f(s).Groesse; }});
}

template <class Liste>
void Labels(Tabelle& t, int k, const std::string& name, Feld<Liste> f) {
  using Element = typename Liste::value_type;
  Einzeln(
      t, k, name, f, [](const Liste& l) { return KodiereListe(l); },
      [](const std::string& s) -> std::optional<Liste> {
        return DekodiereListe<Element::Kapazitaet, std::tuple_size_v<Liste>>(s);
      });
}

// A date as year, month, day (stamm1..3), with `mitZeit` also hour, minute, second (stamm4..6).
// A date that does not exist keeps its default as a whole.
void Datum(Tabelle& t, int k, const std::string& stamm, Feld<TDatumZeit> f, bool mitZeit) {
  std::vector<std::string> namen;
  for (int i = 1; i <= (mitZeit ? 6 : 3); ++i) namen.push_back(stamm + std::to_string(i));
  t.push_back({k, namen,
               [=](TStandard& s, Einstellungsspeicher& sp, const TStandard& v) {
                 const TKalenderDatum d = DekodiereDatum(f(v));
                 const TUhrzeit z = DekodiereZeit(f(v));
                 int teile[6] = {d.Jahr, d.Monat, d.Tag, z.Stunde, z.Minute, z.Sekunde};
                 bool lesbar = true;
                 for (std::size_t i = 0; i < namen.size(); ++i) {
                   if (!sp.HatWert(namen[i])) continue;
                   const auto wert = DekodiereInt(sp.LiesWert(namen[i]));
                   lesbar = lesbar && wert.has_value();
                   if (wert) teile[i] = *wert;
                 }
                 const auto datum = KodiereDatum(teile[0], teile[1], teile[2]);
                 const auto zeit = KodiereZeit(teile[3], teile[4], teile[5]);
                 f(s) = lesbar && datum && zeit ? *datum + *zeit : f(v);
               },
               [=](const TStandard& s, Einstellungsspeicher& sp) {
                 const TKalenderDatum d = DekodiereDatum(f(s));
                 const TUhrzeit z = DekodiereZeit(f(s));
                 const int teile[6] = {d.Jahr, d.Monat, d.Tag, z.Stunde, z.Minute, z.Sekunde};
                 for (std::size_t i = 0; i < namen.size(); ++i) {
                   sp.SchreibeWert(namen[i], KodiereInt(teile[i]));
                 }
               }});
}

void Raster(Tabelle& t, int k, const std::string& name, Feld<TWoElem> f) {
  Einzeln(t, k, name, f, KodiereRaster, [](const std::string& s) { return DekodiereRaster(s); });
}

// The texts of a fixed list of fields, one name each: stamm1, stamm2, …
template <class T, std::size_t M>
void Reihe(Tabelle& t, int k, const std::string& stamm, std::array<T, M> TStandard::*m) {
  for (std::size_t i = 0; i < M; ++i) {
    Text(t, k, stamm + std::to_string(i + 1),
         Feld<T>{[m, i](TStandard& s) -> T& { return (s.*m)[i]; }});
  }
}

// Tevi0: version state, palette, labels, password, colours and paths.
void Grundwerte(Tabelle& t) {
  Bool(t, 0, "eaw", F(&TStandard::fEineWoche));
  Int(t, 0, "pal", F(&TStandard::fPaletteLinks));
  Int(t, 0, "pat", F(&TStandard::fPaletteTop));
  Int(t, 0, "pas", F(&TStandard::fPaletteSchalter));
  Int(t, 0, "for", F(&TStandard::fFensterOrd));
  for (int v = 0; v < kMaxWochen; ++v) {
    using Zeile = std::array<TStundenString, kMaxStunden>;
    Labels(t, 0, "sp" + std::to_string(v + 1),
           Feld<Zeile>{[v](TStandard& s) -> Zeile& { return s.fStdBez[v]; }});
  }
  Labels(t, 0, "spg", F(&TStandard::fTagBez));
  Labels(t, 0, "spn", F(&TStandard::fTagName));
  Einzeln(
      t, 0, "wks", F(&TStandard::fKennwort),
      [](const std::string& k) {
        return HexAusBytes({reinterpret_cast<const uint8_t*>(k.data()), k.size()});
      },
      [](const std::string& s) -> std::optional<std::string> {
        const auto bytes = BytesAusHex(s);
        if (!bytes) return std::nullopt;
        return std::string(bytes->begin(),
                           bytes->begin() + std::min<std::size_t>(bytes->size(), 20));
      });
  Einzeln(
      t, 0, "cfa", F(&TStandard::fCustomFarbe),
      [](const std::array<std::string, 16>& farben) {
        std::string text;
        for (const auto& f : farben) text += f;
        return text;
      },
      [](const std::string& s) -> std::optional<std::array<std::string, 16>> {
        if (s.size() != 96 || !BytesAusHex(s)) return std::nullopt;
        std::array<std::string, 16> farben;
        for (std::size_t i = 0; i < 16; ++i) farben[i] = s.substr(6 * i, 6);
        return farben;
      });
  Text(t, 0, "opf", F(&TStandard::fOpenPfad));
  Text(t, 0, "ipf", F(&TStandard::fImportPfad));
  Text(t, 0, "vep", F(&TStandard::fVertrExportPfad));
  Text(t, 0, "hpf", F(&TStandard::fHTMLPlanPfad));
  Text(t, 0, "vpf", F(&TStandard::fHTMLVertPfad));
  Text(t, 0, "snm", F(&TStandard::fSchulname));
}

// Tevi1 to Tevi3: units and numbers, the plan and workload windows.
void Fensterwerte(Tabelle& t) {
  Int(t, 1, "dvs", F(&TStandard::fDivisor), 1, 100);
  Int(t, 1, "vkm", F(&TStandard::fVorKomma), 1, 3);
  Int(t, 1, "nkm", F(&TStandard::fNachKomma), 0, 3);
  Int(t, 1, "mwn", F(&TStandard::fMaxWocheNeu), 1, kMaxWochen);
  Int(t, 1, "mtn", F(&TStandard::fMaxTageNeu), 5, 7);
  Int(t, 1, "vtm", F(&TStandard::fVertrMerke), 0);
  Int(t, 1, "spz", F(&TStandard::fSpeicherZeit), 0);
  Int(t, 1, "efa", F(&TStandard::fHintergrundFarbe));
  Bool(t, 1, "hga", F(&TStandard::fHintergrundAn));
  Int(t, 1, "wdz", F(&TStandard::fWiederherstellZeit), 0, TStandard::kMaxWiederherstellZeit);
  Int(t, 1, "skp", F(&TStandard::fSicherungsKopien), 0, TStandard::kMaxSicherungsKopien);

  Int(t, 2, "pst", F(&TStandard::fPlnStd), 1, kMaxStunden);
  Bool(t, 2, "neb", F(&TStandard::fNebenEinander));
  Bool(t, 2, "mra", F(&TStandard::fMitRaum));
  Bool(t, 2, "pkf", F(&TStandard::fPlnKoppFett));
  Schrift(t, 2, "p", F(&TStandard::fPlnFont));
  Int(t, 2, "plb", F(&TStandard::fPlnLeBreite));
  Int(t, 2, "pkb", F(&TStandard::fPlnKlBreite));
  Int(t, 2, "pob", F(&TStandard::fPlnKoBreite));
  Int(t, 2, "pfb", F(&TStandard::fPlnFaBreite));
  Int(t, 2, "prb", F(&TStandard::fPlnRaBreite));
  Int(t, 2, "ptb", F(&TStandard::fPlnTagBreite));
  Int(t, 2, "psb", F(&TStandard::fPlnStdBreite));
  Int(t, 2, "pwb", F(&TStandard::fPlnWertBreite));
  Int(t, 2, "pma", F(&TStandard::fManArt));
  Bool(t, 2, "pzk", F(&TStandard::fManZeigKopp));

  Schrift(t, 3, "d", F(&TStandard::fDepFont));
  Int(t, 3, "dlb", F(&TStandard::fDepLeBreite));
  Int(t, 3, "dkb", F(&TStandard::fDepKlBreite));
  Int(t, 3, "dob", F(&TStandard::fDepKoBreite));
  Int(t, 3, "dfb", F(&TStandard::fDepFaBreite));
  Int(t, 3, "drb", F(&TStandard::fDepRaBreite));
  Int(t, 3, "dwb", F(&TStandard::fDepWertBreite));
  Int(t, 3, "dsb", F(&TStandard::fDepStdBreite));
  Bool(t, 3, "mns", F(&TStandard::fMitNullStd));
  Bool(t, 3, "mki", F(&TStandard::fMitKursInfo));
  Bool(t, 3, "mzi", F(&TStandard::fMitZusatzInfo));
  Bool(t, 3, "mst", F(&TStandard::fMitStatistik));
  Datum(t, 3, "dv", F(&TStandard::fDepVon), false);
  Datum(t, 3, "db", F(&TStandard::fDepBis), false);
}

// Tevi4 to Tevi8: defaults for new records, the deletion dialog, the scheduler, the parallel view.
void Vorgabewerte(Tabelle& t) {
  Raster(t, 4, "gds", F(&TStandard::fGrWoElem));
  Int(t, 4, "les", F(&TStandard::fLeSoll));
  Int(t, 4, "kls", F(&TStandard::fKlSoll));
  Int(t, 4, "wok", F(&TStandard::fWoAusfallKW));
  Int(t, 4, "woj", F(&TStandard::fWoAusfallJahr));

  Raster(t, 5, "kus", F(&TStandard::fKuWoElem));
  Int(t, 5, "kst", F(&TStandard::fKursStd));
  Int(t, 5, "spt", F(&TStandard::fStdProTag));
  Int(t, 5, "ezs", F(&TStandard::fEinzelStd));
  Int(t, 5, "tbn", F(&TStandard::fTabellenNr));
  Int(t, 5, "fkt", F(&TStandard::fFaktor));
  Bool(t, 5, "nvp", F(&TStandard::fNichtVerplanen));
  Bool(t, 5, "nzl", F(&TStandard::fNichtZaehlenLe));
  Bool(t, 5, "nzk", F(&TStandard::fNichtZaehlenKl));
  Int(t, 5, "kfa", F(&TStandard::fKursFarbe));
  Bool(t, 5, "nks", F(&TStandard::fNachKlSortiert));

  Int(t, 6, "plr", F(&TStandard::fPlLoeRadio));
  Bool(t, 6, "plm", F(&TStandard::fPlLoeMitKopp));
  Bool(t, 6, "plf", F(&TStandard::fPlLoeFixNicht));

  // A missing or unreadable row stays 0, so that the table check replaces all tables.
  for (int tab = 0; tab < kAutoTabellen; ++tab) {
    for (int p = 0; p < kMaxStunden; ++p) {
      using Zeile = std::array<int32_t, kMaxTage>;
      const std::string name = "T" + std::to_string(100 * (tab + 1) + p + 1);
      const Feld<Zeile> f{[tab, p](TStandard& s) -> Zeile& { return s.fAuTab[tab][p]; }};
      t.push_back({7,
                   {name},
                   [=](TStandard& s, Einstellungsspeicher& sp, const TStandard&) {
                     std::optional<Zeile> zeile;
                     if (sp.HatWert(name)) zeile = DekodiereTabellenZeile(sp.LiesWert(name));
                     f(s) = zeile.value_or(Zeile{});
                   },
                   [=](const TStandard& s, Einstellungsspeicher& sp) {
                     sp.SchreibeWert(name, KodiereTabellenZeile(f(s)));
                   }});
    }
  }
  Int(t, 7, "ast", F(&TStandard::fAuStd));
  Int(t, 7, "apr", F(&TStandard::fAuProzent));
  Bool(t, 7, "ara", F(&TStandard::fAuRaumUnwichtig));
  Bool(t, 7, "aei", F(&TStandard::fAuEinzelUnwichtig));
  Bool(t, 7, "afr", F(&TStandard::fAuFreiUnwichtig));

  Int(t, 8, "pze", F(&TStandard::fParZeilen));
  Int(t, 8, "psp", F(&TStandard::fParSpalten));
  Bool(t, 8, "pue", F(&TStandard::fParUeber));
  Bool(t, 8, "pmf", F(&TStandard::fParMitFach));
}

using Druck = TDruckEinstellung TStandard::*;

void DruckBool(Tabelle& t, int k, const std::string& name, Druck d, bool TDruckEinstellung::*m) {
  Bool(t, k, name, F(d, m));
}
void DruckInt(Tabelle& t, int k, const std::string& name, Druck d, int32_t TDruckEinstellung::*m) {
  Int(t, k, name, F(d, m));
}

struct TTeil {
  const char* kuerzel;
  bool TDruckEinstellung::*feld;
};

// The plan printouts of teachers, classes and rooms and the coupling plans share one layout of
// names; `stamm` is their first letter, `teile` the three short names shown in a cell.
void PlanDruck(Tabelle& t, int k, const std::string& st, Druck d, const std::array<TTeil, 3>& teile,
               bool kopplungsplan) {
  using D = TDruckEinstellung;
  Schrift(t, k, st, F(d, &D::Font));
  DruckInt(t, k, st + "vt", d, &D::VonTag);
  DruckInt(t, k, st + "vs", d, &D::VonStd);
  DruckInt(t, k, st + "bt", d, &D::BisTag);
  DruckInt(t, k, st + "bs", d, &D::BisStd);
  if (!kopplungsplan) DruckBool(t, k, st + "ne", d, &D::Neben);
  DruckBool(t, k, st + "li", d, &D::Links);
  Text(t, k, st + "bm", F(d, &D::Bem));
  if (!kopplungsplan) {
    for (const TTeil& teil : teile) DruckBool(t, k, st + teil.kuerzel, d, teil.feld);
    DruckBool(t, k, st + "ko", d, &D::Ko);
    DruckBool(t, k, st + "st", d, &D::Statt);
  }
  DruckBool(t, k, st + "sp", d, &D::Sperr);
  DruckBool(t, k, st + "fi", d, &D::Fix);
  DruckBool(t, k, st + "fe", d, &D::Fett);
  DruckBool(t, k, st + "al", d, &D::Alle);
  DruckBool(t, k, st + "da", d, &D::Datum);
  if (!kopplungsplan) DruckBool(t, k, "d1s", d, &D::EineSeite);
  DruckInt(t, k, st + "rl", d, &D::RandLi);
  DruckInt(t, k, st + "rr", d, &D::RandRe);
  DruckInt(t, k, st + "ro", d, &D::RandOb);
  DruckInt(t, k, st + "ru", d, &D::RandUn);
  Datum(t, k, st + "a", F(d, &D::Ab), true);
  DruckBool(t, k, st + "co", d, &D::Farbe);
  if (kopplungsplan) DruckBool(t, k, st + "mk", d, &D::MitKuerzel);
  DruckBool(t, k, st + "ve", d, &D::Versionen);
}

// The overviews of all teachers, classes, rooms or couplings; couplings show no cell parts.
void UebersichtDruck(Tabelle& t, int k, const std::string& st, Druck d,
                     const std::vector<TTeil>& teile) {
  using D = TDruckEinstellung;
  Schrift(t, k, st, F(d, &D::Font));
  DruckInt(t, k, st + "vt", d, &D::VonTag);
  DruckInt(t, k, st + "vs", d, &D::VonStd);
  DruckInt(t, k, st + "bt", d, &D::BisTag);
  DruckInt(t, k, st + "bs", d, &D::BisStd);
  Text(t, k, st + "bm", F(d, &D::Bem));
  for (const TTeil& teil : teile) DruckBool(t, k, st + teil.kuerzel, d, teil.feld);
  if (!teile.empty()) {
    DruckBool(t, k, st + "ko", d, &D::Ko);
    DruckBool(t, k, st + "st", d, &D::Statt);
  }
  DruckBool(t, k, st + "sp", d, &D::Sperr);
  DruckBool(t, k, st + "fi", d, &D::Fix);
  DruckBool(t, k, st + "fe", d, &D::Fett);
  if (teile.empty()) DruckBool(t, k, st + "da", d, &D::Datum);
  DruckInt(t, k, st + "rl", d, &D::RandLi);
  DruckInt(t, k, st + "rr", d, &D::RandRe);
  DruckInt(t, k, st + "ro", d, &D::RandOb);
  DruckInt(t, k, st + "ru", d, &D::RandUn);
  DruckBool(t, k, st + "co", d, &D::Farbe);
  DruckBool(t, k, st + "un", d, &D::Un);
}

// Tevi9 and Tevi12 to Tevi20: the short-name lists, the workload sheets, plans and overviews.
void Druckwerte(Tabelle& t) {
  using D = TDruckEinstellung;
  const Druck kue = &TStandard::fKueDruck;
  Schrift(t, 9, "k", F(kue, &D::Font));
  DruckBool(t, 9, "kle", kue, &D::Le);
  DruckBool(t, 9, "kkl", kue, &D::Kl);
  DruckBool(t, 9, "kko", kue, &D::Ko);
  DruckBool(t, 9, "kfa", kue, &D::Fa);
  DruckBool(t, 9, "kra", kue, &D::Ra);
  DruckBool(t, 9, "kuv", kue, &D::Uv);
  DruckInt(t, 9, "ran", kue, &D::Rand);

  const Druck dep = &TStandard::fDepDruck;
  Schrift(t, 12, "d", F(dep, &D::Font));
  DruckBool(t, 12, "dda", dep, &D::Datum);
  DruckBool(t, 12, "dkl", dep, &D::Kl);
  DruckBool(t, 12, "drl", dep, &D::Links);
  DruckBool(t, 12, "d1s", dep, &D::EineSeite);
  DruckBool(t, 12, "dzu", dep, &D::Zusatz);
  DruckBool(t, 12, "din", dep, &D::Info);
  DruckInt(t, 12, "dra", dep, &D::Rand);
  DruckBool(t, 12, "dco", dep, &D::Farbe);

  PlanDruck(t, 13, "l", &TStandard::fLPlnDruck, {{{"kl", &D::Kl}, {"fa", &D::Fa}, {"ra", &D::Ra}}},
            false);
  PlanDruck(t, 14, "k", &TStandard::fKPlnDruck, {{{"le", &D::Le}, {"fa", &D::Fa}, {"ra", &D::Ra}}},
            false);
  PlanDruck(t, 15, "r", &TStandard::fRPlnDruck, {{{"kl", &D::Kl}, {"fa", &D::Fa}, {"le", &D::Le}}},
            false);
  PlanDruck(t, 16, "o", &TStandard::fKoKlPlnDruck, {}, true);

  UebersichtDruck(t, 17, "lu", &TStandard::fLUebDruck,
                  {{"kl", &D::Kl}, {"fa", &D::Fa}, {"ra", &D::Ra}});
  UebersichtDruck(t, 18, "ku", &TStandard::fKUebDruck,
                  {{"le", &D::Le}, {"fa", &D::Fa}, {"ra", &D::Ra}});
  UebersichtDruck(t, 19, "ru", &TStandard::fRUebDruck,
                  {{"kl", &D::Kl}, {"fa", &D::Fa}, {"le", &D::Le}});
  UebersichtDruck(t, 20, "ou", &TStandard::fKoUebDruck, {});
}

// Tevi21 to Tevi27: the lists and the parallel view.
void Listendruckwerte(Tabelle& t) {
  using D = TDruckEinstellung;
  const Druck fak = &TStandard::fFaKonfDruck;
  Schrift(t, 21, "fk", F(fak, &D::Font));
  DruckBool(t, 21, "fkez", fak, &D::Einzeln);
  DruckBool(t, 21, "fkes", fak, &D::Einsatz);
  DruckInt(t, 21, "fkrd", fak, &D::Rand);

  const Druck klk = &TStandard::fKlKonfDruck;
  Schrift(t, 22, "kk", F(klk, &D::Font));
  DruckBool(t, 22, "kkez", klk, &D::Einzeln);
  DruckInt(t, 22, "kkrd", klk, &D::Rand);

  const Druck rest = &TStandard::fRestDruck;
  Schrift(t, 23, "r", F(rest, &D::Font));
  DruckBool(t, 23, "rda", rest, &D::Datum);
  DruckInt(t, 23, "rra", rest, &D::Rand);

  const Druck sv = &TStandard::fSVDruck;
  Schrift(t, 24, "sv", F(sv, &D::Font));
  DruckBool(t, 24, "svda", sv, &D::Datum);
  DruckBool(t, 24, "svsr", sv, &D::SortRest);
  DruckBool(t, 24, "svsg", sv, &D::SortGesamt);
  DruckBool(t, 24, "svfa", sv, &D::Fa);
  DruckInt(t, 24, "svra", sv, &D::Rand);

  const Druck uv = &TStandard::fUVDruck;
  Schrift(t, 25, "uv", F(uv, &D::Font));
  DruckBool(t, 25, "uvft", uv, &D::Fett);
  DruckInt(t, 25, "uvra", uv, &D::Rand);
  DruckBool(t, 25, "uvco", uv, &D::Farbe);

  const Druck fehl = &TStandard::fFehlDruck;
  Schrift(t, 26, "fe", F(fehl, &D::Font));
  DruckInt(t, 26, "fera", fehl, &D::Rand);

  const Druck par = &TStandard::fParDruck;
  Schrift(t, 27, "p", F(par, &D::Font));
  DruckBool(t, 27, "pml", par, &D::Le);
  DruckBool(t, 27, "pmf", par, &D::Fa);
  DruckBool(t, 27, "pmk", par, &D::Ko);
  DruckInt(t, 27, "pra", par, &D::Rand);
}

// Tevi10 and Tevi11: the holidays and the plan versions.
void Ferienwerte(Tabelle& t) {
  // Each holiday row is 8 bytes of the one calendar, so it is loaded into the calendar in place.
  for (int i = 1; i <= kKalenderWochen / 8; ++i) {
    const std::string name = "F" + std::to_string(i);
    t.push_back(
        {10,
         {name},
         [=](TStandard& s, Einstellungsspeicher& sp, const TStandard& v) {
           if (!sp.HatWert(name) || !TStandard::SetKalenderZeile(i, sp.LiesWert(name), s.fFerien)) {
             TStandard::SetKalenderZeile(i, TStandard::KalenderZeile(i, v.fFerien), s.fFerien);
           }
         },
         [=](const TStandard& s, Einstellungsspeicher& sp) {
           sp.SchreibeWert(name, TStandard::KalenderZeile(i, s.fFerien));
         }});
  }

  Int(t, 11, "vku", F(&TStandard::fVersKuerzel));
  Bool(t, 11, "vap", F(&TStandard::fVersAuchPlan));
}

// The ten memo lists: a line count "vmc" … "vml" and the lines "M" + (100 (n - 1) + j).
void Notizen(Tabelle& t) {
  for (int n = 0; n < 10; ++n) {
    const std::string zahl = std::string("vm") + static_cast<char>('c' + n);
    t.push_back({29,
                 {zahl},
                 [=](TStandard& s, Einstellungsspeicher& sp, const TStandard& v) {
                   std::optional<int32_t> zeilen;
                   if (sp.HatWert(zahl)) zeilen = DekodiereInt(sp.LiesWert(zahl));
                   // More than 100 lines would run into the next list's names.
                   if (!zeilen || *zeilen < 0 || *zeilen > 100) {
                     s.fVMemo[n] = v.fVMemo[n];
                     return;
                   }
                   s.fVMemo[n].assign(*zeilen, std::string());
                   for (int j = 0; j < *zeilen; ++j) {
                     s.fVMemo[n][j] = sp.LiesWert("M" + std::to_string(100 * n + j));
                   }
                 },
                 [=](const TStandard& s, Einstellungsspeicher& sp) {
                   const auto& liste = s.fVMemo[n];
                   const std::size_t zeilen = std::min<std::size_t>(liste.size(), 100);
                   sp.SchreibeWert(zahl, KodiereInt(static_cast<int32_t>(zeilen)));
                   for (std::size_t j = 0; j < zeilen; ++j) {
                     sp.SchreibeWert("M" + std::to_string(100 * n + j), liste[j]);
                   }
                 }});
  }
}

void VertretungsEinstellungen(Tabelle& t) {
  using V = TVDEinstellung;
  for (int n = 0; n < 4; ++n) {
    const std::string nr = std::to_string(n + 1);
    const auto b = [&](const char* name, bool V::*m) {
      Bool(t, 29, name + nr,
           Feld<bool>{[n, m](TStandard& s) -> bool& { return s.fVDEinstellung[n].*m; }});
    };
    const auto i = [&](const char* name, int32_t V::*m) {
      Int(t, 29, name + nr,
          Feld<int32_t>{[n, m](TStandard& s) -> int32_t& { return s.fVDEinstellung[n].*m; }});
    };
    b("vdv", &V::PlanDrucken);
    i("vvs", &V::PlanSortierung);
    b("vde", &V::ErsatzDrucken);
    i("ves", &V::ErsatzSortierung);
    b("vmk", &V::MitKopplungen);
    b("vmd", &V::MitDatum);
    b("vma", &V::MitAllgBem);
    b("vfl", &V::MitFehlLehrern);
    b("vfk", &V::MitFehlKlassen);
    b("vfr", &V::MitFehlRaeumen);
    b("vfg", &V::MitFehlgrund);
    b("vah", &V::MitAdHoc);
    b("vna", &V::NurAdHoc);
    b("mfa", &V::MitFarbe);
    b("lel", &V::OrigLehrer);
    b("ler", &V::VertrLehrer);
    b("kll", &V::OrigKlasse);
    b("klr", &V::VertrKlasse);
    b("fal", &V::OrigFach);
    b("far", &V::VertrFach);
    b("ral", &V::OrigRaum);
    b("rar", &V::VertrRaum);
    b("mkw", &V::MitKalenderwoche);
    b("fot", &V::Folgetag);
    Text(t, 29, "pfa" + nr, Feld<std::string>{[n](TStandard& s) -> std::string& {
           return s.fVDEinstellung[n].HTMLPfad;
         }});
    i("vlb", &V::LehrerBezeichnung);
    i("vba", &V::Bemerkung);
    i("vbp", &V::BemerkungPosition);
  }
}

// The look of the published pages, beside the other values of the pages. A store written before
// these values existed lacks them and gives the defaults.
void HTMLFarbwerte(Tabelle& t) {
  using H = THTMLFarben;
  const auto farbe = [&](const char* name, int32_t H::*m) {
    Int(t, 29, name, F(&TStandard::fHTMLFarben, m), 0, 0xFFFFFF);
  };
  farbe("hfhg", &H::Hintergrund);
  farbe("hfte", &H::Text);
  Schrift(t, 29, "hf", F(&TStandard::fHTMLFarben, &H::Schrift));
  farbe("hfth", &H::TitelHintergrund);
  farbe("hftt", &H::TitelText);
  Bool(t, 29, "hftf", F(&TStandard::fHTMLFarben, &H::TitelFett));
  farbe("hfph", &H::PlanHintergrund);
  farbe("hfpt", &H::PlanText);
  farbe("hfpr", &H::PlanRahmen);
  farbe("hfah", &H::AdhocHintergrund);
  farbe("hfat", &H::AdhocText);
  farbe("hfue", &H::Ueberschrift);
  farbe("hfve", &H::Verweis);
  Text(t, 29, "hfpf", F(&TStandard::fHTMLFarbenPfad));
  Bool(t, 29, "hfss", F(&TStandard::fStilvorlageSchreiben));
}

// Tevi28 to Tevi33: the substitution windows, printouts and pages, remarks and compression.
void Vertretungswerte(Tabelle& t) {
  Int(t, 28, "vsa", F(&TStandard::fVertrSortArt));
  Int(t, 28, "vla", F(&TStandard::fVertrLeAuswahl));
  Int(t, 28, "vll", F(&TStandard::fVertrLeLeft));
  Int(t, 28, "vlt", F(&TStandard::fVertrLeTop));
  Int(t, 28, "vrl", F(&TStandard::fVertrRaLeft));
  Int(t, 28, "vrt", F(&TStandard::fVertrRaTop));
  Int(t, 28, "vle", F(&TStandard::fVertrLeft));
  Int(t, 28, "vto", F(&TStandard::fVertrTop));
  Int(t, 28, "vva", F(&TStandard::fVertrVStdAuswahl));
  Int(t, 28, "vpl", F(&TStandard::fVertrPlnAuswahl));
  Bool(t, 28, "vfc", F(&TStandard::fVertrFreiCheck));
  Bool(t, 28, "vrc", F(&TStandard::fVertrRandCheck));
  Bool(t, 28, "via", F(&TStandard::fVertrInaktivCheck));
  Bool(t, 28, "vne", F(&TStandard::fVertrNachEignung));

  Schrift(t, 29, "v", F(&TStandard::fVertrDruckFont));
  Int(t, 29, "vra", F(&TStandard::fVertrDruckRand));
  Notizen(t);
  for (int n = 0; n < 4; ++n) {
    Bool(t, 29, "vc" + std::to_string(n + 1),
         Feld<bool>{[n](TStandard& s) -> bool& { return s.fVertrCheck[n]; }});
  }
  VertretungsEinstellungen(t);
  Schrift(t, 29, "s", F(&TStandard::fVStdDruckFont));
  Int(t, 29, "sra", F(&TStandard::fVStdDruckRand));
  Datum(t, 29, "sv", F(&TStandard::fVStdDruckVon), false);
  Datum(t, 29, "sb", F(&TStandard::fVStdDruckBis), false);
  Bool(t, 29, "vhg", F(&TStandard::fVertrHTMLGemeinsam));
  Bool(t, 29, "vhs", F(&TStandard::fVertrHTMLScrollen));
  Int(t, 29, "vsi", F(&TStandard::fVertrHTMLSize));
  Bool(t, 29, "vht", F(&TStandard::fVertrHTMLMitTagesordner));
  Bool(t, 29, "vhv", F(&TStandard::fVertrHTMLNurVertreteneStd));
  Bool(t, 29, "vhz", F(&TStandard::fVertrHTMLMitZurueck));
  Int(t, 29, "vss", F(&TStandard::fVertrScrollSekunden));
  Int(t, 29, "vsp", F(&TStandard::fVertrScrollPixel));
  Int(t, 29, "vla", F(&TStandard::fVertrLaden));
  Int(t, 29, "vle", F(&TStandard::fVertrLeerzeilen));
  Text(t, 29, "vcs", F(&TStandard::fVertrCSS));
  Datum(t, 29, "vv", F(&TStandard::fVExpVon), false);
  Datum(t, 29, "vb", F(&TStandard::fVExpBis), false);
  HTMLFarbwerte(t);

  using D = TDruckEinstellung;
  const Druck fueb = &TStandard::fFUebDruck;
  Schrift(t, 30, "fu", F(fueb, &D::Font));
  Text(t, 30, "fubm", F(fueb, &D::Bem));
  DruckBool(t, 30, "fuku", fueb, &D::Ku);
  DruckBool(t, 30, "funa", fueb, &D::Na);
  DruckBool(t, 30, "fukl", fueb, &D::Kl);
  DruckBool(t, 30, "fura", fueb, &D::Ra);
  DruckBool(t, 30, "fuko", fueb, &D::Ko);
  DruckBool(t, 30, "fust", fueb, &D::Statt);
  DruckBool(t, 30, "fuda", fueb, &D::Datum);
  DruckInt(t, 30, "furd", fueb, &D::Rand);

  const Druck vueb = &TStandard::fVUebDruck;
  Schrift(t, 31, "vu", F(vueb, &D::Font));
  DruckInt(t, 31, "vura", vueb, &D::Rand);
  Datum(t, 31, "vuv", F(&TStandard::fVUebDruckVon), false);
  Datum(t, 31, "vub", F(&TStandard::fVUebDruckBis), false);

  Reihe(t, 32, "bem", &TStandard::fBemBez);
  Reihe(t, 32, "grd", &TStandard::fGrund);
  Bool(t, 32, "vba", F(&TStandard::fVBemAuto));
  Bool(t, 32, "vfr", F(&TStandard::fVFrei));

  Bool(t, 33, "kmpm", F(&TStandard::fKompMehrfach));
  Bool(t, 33, "kmpb", F(&TStandard::fKompBruecken));
}

// Tevi36: "Optimieren", a key of its own after the program's original ones, so that those stay
// exactly as other installations read them.
void Optimierwerte(Tabelle& t) {
  using O = TOptimierEinstellungen;
  const auto wert = [&](const char* name, int32_t O::*m, int32_t min, int32_t max) {
    Int(t, 36, name, F(&TStandard::fOptimieren, m), min, max);
  };
  wert("okl", &O::fKlassenLuecke, 0, 10000);
  wert("osb", &O::fSpaeterBeginn, 0, 10000);
  wert("oll", &O::fLehrerLuecke, 0, 10000);
  wert("osl", &O::fSchlechtesterLehrer, 0, 10000);
  wert("ofd", &O::fFachDoppelt, 0, 10000);
  wert("okt", &O::fKlassenTag, 0, 10000);
  wert("olt", &O::fLehrerTag, 0, 10000);
  wert("oft", &O::fFreierTag, 0, 10000);
  wert("org", &O::fRang, 0, 10000);
  wert("ova", &O::fVollzeitAb, 0, 112);
  wert("okn", &O::fKlasseMin, 0, 16);
  wert("okx", &O::fKlasseMax, 1, 16);
  wert("oln", &O::fLehrerMin, 0, 16);
  wert("olx", &O::fLehrerMax, 1, 16);
  wert("ose", &O::fSekunden, 1, 3600);
}

// Tevi37: "Stundenzeiten", one value per period ("sz1" = "08:00-08:45"), in a key of its own
// for the same reason as Tevi36. A time that cannot be read keeps its default, as every value does.
void Stundenzeitwerte(Tabelle& t) {
  for (std::size_t p = 0; p < static_cast<std::size_t>(kMaxStunden); ++p) {
    Einzeln(t, 37, "sz" + std::to_string(p + 1),
            Feld<TStundenZeit>{[p](TStandard& s) -> TStundenZeit& { return s.fStdZeiten[p]; }},
            StundenZeitText, [](const std::string& s) { return LiesStundenZeit(s); });
  }
}

// Tevi38: the privacy choice of each substitution print layout ("vol1" … "vol4"), a key of its
// own for the same reason.
void Datenschutzwerte(Tabelle& t) {
  for (int n = 0; n < 4; ++n) {
    Bool(t, 38, "vol" + std::to_string(n + 1),
         Feld<bool>{[n](TStandard& s) -> bool& { return s.fVDEinstellung[n].OhneFehlendeLehrer; }});
  }
}

Tabelle BaueTabelle() {
  Tabelle t;
  Grundwerte(t);
  Fensterwerte(t);
  Vorgabewerte(t);
  Druckwerte(t);
  Ferienwerte(t);
  Listendruckwerte(t);
  Vertretungswerte(t);
  PlanDruck(t, 35, "o", &TStandard::fKoLePlnDruck, {}, true);
  Optimierwerte(t);
  Stundenzeitwerte(t);
  Datenschutzwerte(t);
  // Loading and saving walk the keys in order; the groups above need not be written in it.
  std::stable_sort(t.begin(), t.end(),
                   [](const TWert& a, const TWert& b) { return a.schluessel < b.schluessel; });
  return t;
}

const Tabelle& Werte() {
  static const Tabelle tabelle = BaueTabelle();
  return tabelle;
}

// Runs `schritt` for every value, key by key in the order Tevi0 … Tevi38, opening each key once.
template <class Schritt>
void FuerJedenSchluessel(Einstellungsspeicher& speicher, Schritt schritt) {
  auto wert = Werte().begin();
  for (int k = 0; k < kStandardSchluessel; ++k) {
    speicher.OeffneSchluessel(StandardSchluesselName(k));
    for (; wert != Werte().end() && wert->schluessel == k; ++wert) schritt(*wert);
  }
}

}  // namespace

std::string StandardSchluesselName(int nr) {
  return "Tevi" + std::to_string(nr);
}

void LoadStandard(TStandard& standard, Einstellungsspeicher& speicher) {
  const TStandard vorgabe;
  FuerJedenSchluessel(speicher, [&](const TWert& w) { w.laden(standard, speicher, vorgabe); });
  standard.fPlnHoehe = std::abs(standard.fPlnFont.Groesse) + 10;
  standard.fDepHoehe = std::abs(standard.fDepFont.Groesse) + 10;
  standard.SetMaxWocheNeu(standard.fMaxWocheNeu);
  standard.TesteTabelle();
}

void LoadStandardSchluessel(TStandard& standard, Einstellungsspeicher& speicher, int schluessel) {
  const TStandard vorher = standard;
  speicher.OeffneSchluessel(StandardSchluesselName(schluessel));
  for (const TWert& w : Werte()) {
    if (w.schluessel == schluessel) w.laden(standard, speicher, vorher);
  }
}

void SaveStandard(const TStandard& standard, Einstellungsspeicher& speicher) {
  FuerJedenSchluessel(speicher, [&](const TWert& w) { w.speichern(standard, speicher); });
}

bool IstStandardWert(int schluessel, const std::string& name) {
  for (const TWert& w : Werte()) {
    if (w.schluessel != schluessel) continue;
    for (const std::string& n : w.namen) {
      if (n == name) return true;
    }
  }
  // The memo lines carry computed names: M0 … M999.
  if (schluessel != 29 || name.size() < 2 || name[0] != 'M') return false;
  const auto zeile = DekodiereInt(name.substr(1));
  return zeile && *zeile >= 0 && *zeile < 1000;
}

bool EinstellungenVorhanden(Einstellungsspeicher& speicher) {
  speicher.OeffneSchluessel(StandardSchluesselName(0));
  return speicher.HatWert("pal") || speicher.HatWert("pat");
}

}  // namespace orbato
