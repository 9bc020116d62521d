// The automatic remarks of a record and the time and course lines they are made of.
#include "model/basis/datumformat.h"
#include "model/dokument/schule.h"
#include "model/vertretung/kalender.h"

namespace orbato {

namespace {

constexpr size_t kBemLaenge = 81;

bool EineGleicheKlasse(const TKurs* a, const TKurs* b) {
  return a && b && a->fKlassen.ListeZahlElemente() == 1 && b->fKlassen.ListeZahlElemente() == 1 &&
         a->ErsteKlasse() == b->ErsteKlasse();
}

}  // namespace

std::string TVertretung::ZeitZeile(const TVertretung* bezug) const {
  const std::string stunde = StundenBezeichnung(Woche(), Stunde());
  if (bezug && GanzerTag(bezug->fDatum) == GanzerTag(fDatum)) {
    return bezug->Stunde() == Stunde() ? std::string() : stunde;
  }
  return FormatDatum("ddd, d\".\" mmm", fDatum) + "  " + stunde;
}

std::string TVertretung::KursZeile(const TVertretung* bezug) const {
  if (bezug && EineGleicheKlasse(fKurs, bezug->fKurs)) return {};
  std::string zeile = fKurs ? KuerzelVon(fKurs->fLehrer) : std::string();
  const std::string fach = fKurs ? KuerzelVon(fKurs->fFach) : std::string();
  if (!fach.empty()) zeile += (zeile.empty() ? "" : " ") + fach;
  return zeile + " " + KuerzelVon(fSetzung ? fSetzung->fRaum : nullptr);
}

void TVertretung::FuelleBemerkung() {
  const TStandard& standard = Standard();
  std::string text;
  if (standard.fVBemAuto) {
    if (fVon) text = "verlegt auf " + fVon->ZeitZeile(this) + " " + fVon->KursZeile(this);
    if (fFrei && standard.fVFrei) text = text.empty() ? "frei" : "frei | " + text;
    if (fZu) text = "statt " + fZu->ZeitZeile(this) + " " + fZu->KursZeile(this);
    if (fRaum && fSetzung && fRaum != fSetzung->fRaum) {
      const std::string raum = "in Raum " + fRaum->fKuerzel.str();
      text = text.empty() ? raum + " " : raum + " | " + text + " ";
    }
    if (text.size() > kBemLaenge) text.resize(kBemLaenge);
  }
  fLInfo = text;
  fSInfo = text;
}

}  // namespace orbato
