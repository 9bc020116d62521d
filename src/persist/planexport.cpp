#include "persist/planexport.h"

#include <algorithm>

#include "model/dokument/schule.h"
#include "persist/exportform.h"

namespace orbato {
namespace {

constexpr uint8_t kTab = 9;
constexpr uint8_t kCR = 13;
const char kFehlt[] = "---";

const std::string& Info(const TElement* e) {
  static const std::string fehlt = kFehlt;
  return e ? e->fInfo.str() : fehlt;
}

// The long name of the class of the lesson in a teacher's cell.
std::string LehrerZelle(const TLehrer& l, int32_t woche, int32_t tag, int32_t std) {
  const TKurs* k = l.FindeKurs(woche, tag, std);
  return k ? Info(k->ErsteKlasse()) : std::string();
}

// The long name of the teacher of the lesson in a class's cell.
std::string KlassenZelle(const TKlasse& c, int32_t woche, int32_t tag, int32_t std) {
  const TKurs* k = c.FindeKurs(woche, tag, std);
  return k ? Info(k->fLehrer) : std::string();
}

std::string RaumZelle(const TRaum& r, int32_t woche, int32_t tag, int32_t std) {
  return r.fBesetzung.GetWocheTagStd(woche, tag, std) ? "*" : "";
}

// Row 0 holds the days, column 0 the periods; the corner is asked like any other cell.
template <class T, class Inhalt>
std::string PlanZelle(const T& e, int32_t zeile, int32_t spalte, Inhalt&& inhalt) {
  const TStandard& st = Standard();
  if (zeile == 0 && spalte >= 1) return st.fTagBez[static_cast<std::size_t>(spalte - 1)].str();
  const int32_t woche = std::clamp(st.fAktuelleWoche, 1, kMaxWochen);
  if (spalte == 0 && zeile >= 1) {
    return st.fStdBez[static_cast<std::size_t>(woche - 1)][static_cast<std::size_t>(zeile - 1)]
        .str();
  }
  return inhalt(e, woche, spalte, zeile);
}

// The TABs and line ends go in as bytes of their own: the texts never put one into the grid.
template <class T, class Inhalt>
void Plan(TExportForm& form, const T& e, const std::string& titel, Inhalt&& inhalt) {
  const TStandard& st = Standard();
  const int32_t zeilen = std::clamp(st.fPlnStd, 1, kMaxStunden);
  const int32_t tage = std::clamp(st.fMaxTageNeu, 1, kMaxTage);
  TBuffer& b = form.fBuffer;
  b.WriteStr(titel);
  b.WriteByte(kCR);
  for (int32_t r = 0; r <= zeilen; ++r) {
    for (int32_t c = 0; c <= tage; ++c) {
      b.WriteStr(PlanZelle(e, r, c, inhalt));
      if (c != kMaxTage) b.WriteByte(kTab);
    }
    b.WriteByte(kCR);
  }
  b.WriteByte(kCR);
}

template <class T, class Titel, class Inhalt>
void Plaene(TExportForm& form, const TListe<T>& menge, Titel&& titel, Inhalt&& inhalt) {
  for (const T* e : menge) {
    ++form.fAnzahl;
    Plan(form, *e, titel(*e), inhalt);
    form.ZeileGeschrieben();
  }
}

void PlanExport(const TSchule& schule, TKuerzelArt art, TExportForm& form) {
  const auto lang = [](const TElement& e) { return e.fInfo.str(); };
  if (art == leh) {
    Plaene(form, schule.fLehrerMenge, lang, LehrerZelle);
  } else if (art == kla) {
    Plaene(form, schule.fKlassenMenge, lang, KlassenZelle);
  } else {
    Plaene(
        form, schule.fRaumMenge, [](const TElement& e) { return e.fKuerzel.str(); }, RaumZelle);
  }
}

int32_t PlanZeilen(const TSchule& schule, TKuerzelArt art) {
  if (art == leh) return schule.fLehrerMenge.ListeZahlElemente();
  if (art == kla) return schule.fKlassenMenge.ListeZahlElemente();
  return schule.fRaumMenge.ListeZahlElemente();
}

}  // namespace

void PlanExportToFile(const TSchule& schule, Dialoge& dialoge, const std::string& pfad,
                      TKuerzelArt art) {
  Exportiere(dialoge, pfad, PlanZeilen(schule, art),
             [&](TExportForm& form) { PlanExport(schule, art, form); });
}

std::vector<uint8_t> PlanExportBytes(const TSchule& schule, TKuerzelArt art) {
  return ExportBytes([&](TExportForm& form) { PlanExport(schule, art, form); });
}

}  // namespace orbato
