#include "scheduler/begruendung.h"

#include <algorithm>
#include <bit>
#include <map>
#include <vector>

#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "model/elemente/klasse.h"
#include "model/elemente/kopplung.h"
#include "model/elemente/lehrer.h"
#include "model/elemente/raum.h"
#include "model/kurse/kurs.h"
#include "placement/regeln.h"
#include "placement/wochenspanne.h"
#include "scheduler/raumsuche.h"

namespace orbato {
namespace {

enum class TUrsache { Gesperrt, Belegt };

// One element (or the course itself) and what it does to the cells it takes.
struct THindernis {
  std::string name;  // "Lehrer MÜL", "Klasse 7b", "Raum R1", "Kurs"
  TUrsache ursache;
  int zellen = 0;
  uint32_t tage = 0;  // bit d-1: takes a cell on day d
  int reihe = 0;      // first seen, for a stable order
};

class TBegruendung {
 public:
  TBegruendung(const TKurs& kurs, int32_t woche) : fKurs(kurs), fWoche(woche) {
    if (kurs.fKopplung) {
      for (TKurs* k : kurs.fKopplung->fKurse) {
        if (!k->fNichtVerplanen) fKurse.push_back(k);
      }
    } else {
      fKurse.push_back(const_cast<TKurs*>(&kurs));
    }
  }

  std::string Text() {
    const TStandard& st = Standard();
    int frei = 0;
    uint32_t freieTage = 0;
    for (int32_t tag = 1; tag <= st.fMaxTageNeu; ++tag) {
      if (Schulfrei(tag)) continue;
      for (int32_t std = 1; std <= st.fPlnStd; ++std) {
        if (fKurs.fBesetzung.GetWocheTagStd(fWoche, tag, std)) continue;
        if (ZelleFrei(tag, std)) {
          ++frei;
          freieTage |= 1u << (tag - 1);
        }
      }
    }
    const int32_t offen = std::max(0, fKurs.RestStunden(fWoche));
    std::string text = Anzahl(offen, "Stunde", "Stunden") + " offen, ";
    if (frei == 0) {
      text += "keine Zelle frei";
    } else if (frei < offen) {
      text += "nur " + Anzahl(frei, "Zelle", "Zellen") + " frei";
    } else {
      text += Anzahl(frei, "Zelle", "Zellen") + " frei";
    }
    std::vector<std::string> gruende = Hauptgruende();
    const int32_t tage = std::popcount(freieTage & ~BelegteTage());
    const int32_t s = std::max(1, fKurs.fStdProTag);
    if (frei >= offen || gruende.empty()) {
      gruende.insert(gruende.begin(),
                     "h\xF6"
                     "chstens " +
                         Anzahl(s, "Stunde", "Stunden") + " am Tag, " +
                         (tage == 0 ? std::string("kein Tag") : Anzahl(tage, "Tag", "Tage")) +
                         " ohne Stunde des Kurses frei");
    }
    for (std::size_t i = 0; i < gruende.size(); ++i) text += (i == 0 ? ": " : ", ") + gruende[i];
    return text;
  }

 private:
  static std::string Anzahl(int32_t n, const char* eins, const char* mehr) {
    return std::to_string(n) + " " + (n == 1 ? eins : mehr);
  }

  // A day blocked for every class of the school in every period shown, such as a weekend of a
  // seven-day week: no reason a planner could act on, so it is left out.
  bool Schulfrei(int32_t tag) const {
    const TListe<TKlasse>& klassen = Schule().fKlassenMenge;
    if (klassen.ListeZahlElemente() == 0) return false;
    for (const TKlasse* k : klassen) {
      for (int32_t std = 1; std <= Standard().fPlnStd; ++std) {
        if (!k->fSperrung.GetWocheTagStd(fWoche, tag, std)) return false;
      }
    }
    return true;
  }

  uint32_t BelegteTage() const {
    uint32_t tage = 0;
    for (int32_t tag = 1; tag <= kMaxTage; ++tag) {
      if (fKurs.fBesetzung.GetWocheTag(fWoche, tag) != 0) tage |= 1u << (tag - 1);
    }
    return tage;
  }

  void Notiere(const std::string& name, TUrsache ursache, int32_t tag) {
    auto [it, neu] = fHindernisse.try_emplace({name, ursache});
    THindernis& h = it->second;
    if (neu) {
      h.name = name;
      h.ursache = ursache;
      h.reihe = static_cast<int>(fHindernisse.size());
    }
    ++h.zellen;
    h.tage |= 1u << (tag - 1);
  }

  // Notes every obstacle of the cell; true when there is none.
  bool ZelleFrei(int32_t tag, int32_t std) {
    bool frei = true;
    const auto hindert = [&](const std::string& name, TUrsache u) {
      Notiere(name, u, tag);
      frei = false;
    };
    for (const TKurs* k : fKurse) {
      if (k->fSperrung.GetWocheTagStd(fWoche, tag, std)) hindert("Kurs", TUrsache::Gesperrt);
      if (const TLehrer* l = k->fLehrer) {
        const std::string name = "Lehrer " + l->fKuerzel.str();
        if (l->fSperrung.GetWocheTagStd(fWoche, tag, std)) hindert(name, TUrsache::Gesperrt);
        if (l->fBesetzung.GetWocheTagStd(fWoche, tag, std)) hindert(name, TUrsache::Belegt);
      }
      for (const TKlasse* kl : k->fKlassen) {
        const std::string name = "Klasse " + kl->fKuerzel.str();
        if (kl->fSperrung.GetWocheTagStd(fWoche, tag, std)) hindert(name, TUrsache::Gesperrt);
        if (!KlasseFrei(*kl, fWoche, tag, k->fKopplung, std)) hindert(name, TUrsache::Belegt);
      }
    }
    if (frei && !Standard().fAuRaumUnwichtig) frei = RaeumeFrei(tag, std);
    return frei;
  }

  bool RaeumeFrei(int32_t tag, int32_t std) {
    if (VerschiedeneRaeume(fKurse, fWoche, tag, std)) return true;
    // Name the rooms of the course that are all taken there.
    for (const TKurs* k : fKurse) {
      for (const TRaum* r : k->fRaeume) {
        const std::string name = "Raum " + r->fKuerzel.str();
        if (r->fSperrung.GetWocheTagStd(fWoche, tag, std)) Notiere(name, TUrsache::Gesperrt, tag);
        if (r->fBesetzung.GetWocheTagStd(fWoche, tag, std)) Notiere(name, TUrsache::Belegt, tag);
      }
    }
    return false;
  }

  static std::string Tage(uint32_t tage) {
    const TStandard& st = Standard();
    std::string text;
    for (int32_t tag = 1; tag <= kMaxTage;) {
      if (!(tage >> (tag - 1) & 1u)) {
        ++tag;
        continue;
      }
      int32_t bis = tag;
      while (bis < kMaxTage && (tage >> bis & 1u)) ++bis;
      if (!text.empty()) text += ", ";
      text += st.fTagBez[static_cast<std::size_t>(tag - 1)].str();
      // Three days or more as a range with an en dash.
      if (bis - tag >= 2) {
        text += "\x96" + st.fTagBez[static_cast<std::size_t>(bis - 1)].str();
      } else if (bis > tag) {
        text += ", " + st.fTagBez[static_cast<std::size_t>(bis - 1)].str();
      }
      tag = bis + 1;
    }
    return text;
  }

  // The three obstacles that take most cells; blockings with their days.
  std::vector<std::string> Hauptgruende() const {
    std::vector<THindernis> liste;
    for (const auto& [schluessel, h] : fHindernisse) liste.push_back(h);
    std::sort(liste.begin(), liste.end(), [](const THindernis& a, const THindernis& b) {
      return a.zellen != b.zellen ? a.zellen > b.zellen : a.reihe < b.reihe;
    });
    std::vector<std::string> gruende;
    for (const THindernis& h : liste) {
      if (gruende.size() == 3) break;
      gruende.push_back(h.ursache == TUrsache::Gesperrt ? h.name + " gesperrt " + Tage(h.tage)
                                                        : h.name + " belegt");
    }
    return gruende;
  }

  const TKurs& fKurs;
  int32_t fWoche;
  std::vector<TKurs*> fKurse;
  std::map<std::pair<std::string, TUrsache>, THindernis> fHindernisse;
};

}  // namespace

std::string GrundOffen(const TKurs& kurs, int32_t woche) {
  return TBegruendung(kurs, woche).Text();
}

std::string GrundOffen(const TKurs& kurs) {
  const TWochenSpanne spanne = Wochenspanne();
  for (int32_t w = spanne.von; w <= spanne.bis; ++w) {
    if (kurs.RestStunden(w) > 0) return GrundOffen(kurs, w);
  }
  return {};
}

}  // namespace orbato
