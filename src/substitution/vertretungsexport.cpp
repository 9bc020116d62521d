#include "substitution/vertretungsexport.h"

#include <algorithm>
#include <unordered_map>

#include "model/basis/datumformat.h"
#include "model/dokument/schule.h"
#include "persist/exportform.h"
#include "substitution/vertretungsuebersicht.h"

namespace orbato {
namespace {

constexpr uint8_t kTab = 9;
constexpr uint8_t kCR = 13;
const char kCRLF[] = "\r\n";
// Day lines are written only for dates after this one, 1 January 2020 at noon.
constexpr TDatumZeit kErsterTag = 43831.5;

int Vergleiche(const TElement* a, const TElement* b) {
  if (a == b) return 0;
  if (a == nullptr) return -1;
  if (b == nullptr) return 1;
  return ReihenVergleich(a, b);
}

std::vector<const TVertretung*> ImBereich(const TSchule& schule, TDatumZeit von, TDatumZeit bis) {
  std::vector<const TVertretung*> liste;
  for (const TVertretung* v : schule.fVertretungsMenge) {
    const int tag = GanzerTag(v->fDatum);
    if (tag >= GanzerTag(von) && tag <= GanzerTag(bis)) liste.push_back(v);
  }
  std::unordered_map<const TKurs*, int> nummer;
  for (const TKurs* k : schule.fKursMenge) nummer.emplace(k, static_cast<int>(nummer.size()) + 1);
  const auto kursNummer = [&](const TKurs* k) {
    const auto it = nummer.find(k);
    return it == nummer.end() ? 0 : it->second;
  };
  std::stable_sort(liste.begin(), liste.end(), [&](const TVertretung* a, const TVertretung* b) {
    if (GanzerTag(a->fDatum) != GanzerTag(b->fDatum)) {
      return GanzerTag(a->fDatum) < GanzerTag(b->fDatum);
    }
    const TElement* la = a->fKurs ? a->fKurs->fLehrer : nullptr;
    const TElement* lb = b->fKurs ? b->fKurs->fLehrer : nullptr;
    if (int c = Vergleiche(la, lb)) return c < 0;
    const int ka = kursNummer(a->fKurs);
    const int kb = kursNummer(b->fKurs);
    if (ka != kb) return ka < kb;
    return a->Stunde() < b->Stunde();
  });
  return liste;
}

// The short names of the elements absent on that day, each once, in the order recorded.
std::string Abwesende(const TListe<TFehl>& fehlMenge, TDatumZeit datum) {
  std::vector<const TPlanElement*> gesehen;
  std::string text;
  for (const TFehl* f : fehlMenge) {
    if (f->fElement == nullptr || f->fZeit == 0 || GanzerTag(f->fDatum) != GanzerTag(datum)) {
      continue;
    }
    if (std::find(gesehen.begin(), gesehen.end(), f->fElement) != gesehen.end()) continue;
    gesehen.push_back(f->fElement);
    if (!text.empty()) text += ',';
    text += f->fElement->fKuerzel.str();
  }
  return text;
}

// Both lines carry the date, so a reader can take any line on its own.
void TagesZeilen(const TSchule& schule, TBuffer& b, TDatumZeit datum) {
  const std::string tag = FormatDatum("yyyymmdd;dddd;;;", datum);
  b.WriteStrUTF8(tag + "100;" + Abwesende(schule.fFehlLehrerMenge, datum) + kCRLF);
  b.WriteStrUTF8(tag + "101;" + Abwesende(schule.fFehlKlassenMenge, datum) + kCRLF);
}

void VertretungExport(const std::vector<const TVertretung*>& liste, const TSchule& schule,
                      TExportForm& form) {
  TDatumZeit aktuell = kErsterTag;
  for (const TVertretung* v : liste) {
    if (GanzerTag(v->fDatum) > GanzerTag(aktuell)) {
      aktuell = v->fDatum;
      TagesZeilen(schule, form.fBuffer, aktuell);
    }
    form.fBuffer.WriteStrUTF8(v->ExportString() + kCRLF);
    form.ZeileGeschrieben();
  }
}

void UebExport(const TVertretungsUebersicht& uebersicht, TExportForm& form) {
  const std::vector<TRasterZeile>& raster = uebersicht.Raster();
  TBuffer& b = form.fBuffer;
  for (std::size_t z = 1; z < raster.size(); ++z) {
    for (std::size_t s = 0; s < raster[z].size(); ++s) {
      if (s > 0) b.WriteByte(kTab);
      b.WriteStr(raster[z][s]);
    }
    b.WriteByte(kCR);
    form.ZeileGeschrieben();
  }
}

int32_t UebZeilen(const TVertretungsUebersicht& uebersicht) {
  return std::max<int32_t>(0, static_cast<int32_t>(uebersicht.Raster().size()) - 1);
}

}  // namespace

void VertretungExportToFile(const TSchule& schule, Dialoge& dialoge, const std::string& pfad,
                            TDatumZeit von, TDatumZeit bis) {
  const std::vector<const TVertretung*> liste = ImBereich(schule, von, bis);
  Exportiere(dialoge, pfad, static_cast<int32_t>(liste.size()),
             [&](TExportForm& form) { VertretungExport(liste, schule, form); });
}

std::vector<uint8_t> VertretungExportBytes(const TSchule& schule, TDatumZeit von, TDatumZeit bis) {
  const std::vector<const TVertretung*> liste = ImBereich(schule, von, bis);
  return ExportBytes([&](TExportForm& form) { VertretungExport(liste, schule, form); });
}

void VertrLeUebExportToFile(const TVertretungsUebersicht& uebersicht, Dialoge& dialoge,
                            const std::string& pfad) {
  Exportiere(dialoge, pfad, UebZeilen(uebersicht),
             [&](TExportForm& form) { UebExport(uebersicht, form); });
}

void VertrKlUebExportToFile(const TVertretungsUebersicht& uebersicht, Dialoge& dialoge,
                            const std::string& pfad) {
  VertrLeUebExportToFile(uebersicht, dialoge, pfad);
}

std::vector<uint8_t> VertrUebExportBytes(const TVertretungsUebersicht& uebersicht) {
  return ExportBytes([&](TExportForm& form) { UebExport(uebersicht, form); });
}

}  // namespace orbato
