// The text rows of a record for printouts, the clipboard and the dated substitution list.
#include <array>

#include "model/basis/datumformat.h"
#include "model/dokument/schule.h"
#include "model/vertretung/kalender.h"

namespace orbato {

namespace {

std::string Lehrertext(const TLehrer* l, const TVDEinstellung& e) {
  if (l == nullptr) return {};
  return e.LehrerBezeichnung == 1 ? l->fInfo.str() : l->fKuerzel.str();
}

std::string Klassentext(const TKurs* k, const TVDEinstellung& e) {
  if (k == nullptr) return {};
  if (e.MitKopplungen && k->fKopplung) return k->fKopplung->fKuerzel.str();
  return KuerzelVon(k->ErsteKlasse());
}

const TVDEinstellung& Einstellung(int32_t layout) {
  const size_t i = layout >= 1 && layout <= 4 ? static_cast<size_t>(layout - 1) : 0;
  return Standard().fVDEinstellung[i];
}

using TTeile = std::array<std::string, 4>;

std::string Zusammen(const TTeile& teile, int32_t teil, char trenner) {
  if (teil >= 1 && teil <= 4) return teile[teil - 1];
  std::string text;
  for (const std::string& t : teile) {
    if (t.empty()) continue;
    if (!text.empty()) text += trenner;
    text += t;
  }
  return text;
}

std::string Paar(const TElement* e) {
  return e ? e->fKuerzel.str() + ";" + e->fInfo.str() + ";" : std::string("-;-;");
}

// Teacher, class, subject and room of the planned lesson and of the substitution, each empty
// where the layout leaves it out.
TTeile OriginalTeile(const TVertretung& v, const TVDEinstellung& e) {
  const TKurs* k = v.fKurs;
  const bool lehrer = e.OrigLehrer && !e.OhneFehlendeLehrer;
  return {lehrer ? Lehrertext(k ? k->fLehrer : nullptr, e) : std::string(),
          e.OrigKlasse ? Klassentext(k, e) : std::string(),
          e.OrigFach && k ? KuerzelVon(k->fFach) : std::string(),
          e.OrigRaum && v.fSetzung ? KuerzelVon(v.fSetzung->fRaum) : std::string()};
}

TTeile VertretungsTeile(const TVertretung& v, const TVDEinstellung& e) {
  return {e.VertrLehrer ? Lehrertext(v.fLehrer, e) : std::string(),
          e.VertrKlasse ? Klassentext(v.fKurs, e) : std::string(),
          e.VertrFach ? KuerzelVon(v.fFach) : std::string(),
          e.VertrRaum ? KuerzelVon(v.fRaum) : std::string()};
}

}  // namespace

std::string TVertretung::OriginalString(int32_t layout, int32_t teil) const {
  return Zusammen(OriginalTeile(*this, Einstellung(layout)), teil, ' ');
}

std::string TVertretung::OriginalTabString(int32_t layout, int32_t teil) const {
  return Zusammen(OriginalTeile(*this, Einstellung(layout)), teil, '\t');
}

std::string TVertretung::VertretungsString(int32_t layout, int32_t teil) const {
  return Zusammen(VertretungsTeile(*this, Einstellung(layout)), teil, ' ');
}

std::string TVertretung::VertretungsTabString(int32_t layout, int32_t teil) const {
  return Zusammen(VertretungsTeile(*this, Einstellung(layout)), teil, '\t');
}

std::string TVertretung::ExportString() const {
  const int32_t std = Stunde();
  const int32_t woche = Woche();
  std::string zeile = FormatDatum("yyyymmdd", fDatum) + ";" + FormatDatum("dddd", fDatum) + ";" +
                      std::to_string(Wochentag(fDatum)) + ";";
  zeile += StundenBezeichnung(woche, std);
  zeile += ";" + std::to_string(std) + ";";
  const TLehrer* lehrer = fKurs ? fKurs->fLehrer : nullptr;
  zeile += Paar(lehrer) + Paar(fLehrer) + Paar(fSetzung ? fSetzung->fRaum : nullptr) + Paar(fRaum) +
           Paar(fKurs ? fKurs->fFach : nullptr) + Paar(fFach);
  zeile += fLInfo.str() + ";" + fSInfo.str() + ";";
  if (lehrer) {
    for (const TFehl* f : Schule().fFehlLehrerMenge) {
      if (f->fElement == lehrer && GanzerTag(f->fDatum) == GanzerTag(fDatum)) {
        zeile += f->fGrund.str();
        break;
      }
    }
  }
  zeile += ";";
  if (fKurs) {
    bool erste = true;
    for (const TKlasse* k : fKurs->fKlassen) {
      if (!erste) zeile += ",";
      zeile += k->fKuerzel.str();
      erste = false;
    }
  }
  return zeile;
}

}  // namespace orbato
