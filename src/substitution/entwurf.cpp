// Placeholder bodies while the bookkeeping is written.
#include "model/dokument/schule.h"

namespace orbato {

void TVertretung::SetDatum(TDatumZeit d) {
  fDatum = d;
}
void TVertretung::SetAdHoc(TDatumZeit d) {
  fAdHoc = d;
}
void TVertretung::SetKurs(TKurs* k) {
  fKurs = k;
}
void TVertretung::SetSetzung(TSetzung* s) {
  fSetzung = s;
}
void TVertretung::SetLehrer(TLehrer* l) {
  fLehrer = l;
}
void TVertretung::SetFach(TFach* f) {
  fFach = f;
}
void TVertretung::SetRaum(TRaum* r) {
  fRaum = r;
}
void TVertretung::SetLInfo(std::string_view t) {
  fLInfo = t;
}
void TVertretung::SetSInfo(std::string_view t) {
  fSInfo = t;
}
void TVertretung::SetFrei(bool b) {
  fFrei = b;
}
void TVertretung::SetGueltig(bool b) {
  fGueltig = b;
}
void TVertretung::SetAngerechnet(bool b) {
  fAngerechnet = b;
}
void TVertretung::SetVon(TVertretung* v) {
  fVon = v;
}
void TVertretung::SetZu(TVertretung* v) {
  fZu = v;
}
int32_t TVertretung::Faktor() const {
  return 0;
}
int32_t TVertretung::Woche() const {
  return 0;
}
int32_t TVertretung::Tag() const {
  return 0;
}
int32_t TVertretung::Stunde() const {
  return 0;
}
bool TVertretung::KlassenAbwesend() const {
  return false;
}
bool TVertretung::EchteVertretung() const {
  return false;
}
bool TVertretung::TrageLehrerEin(TLehrer*, const TStatt*) {
  return false;
}
bool TVertretung::TrageRaumEin(TRaum*) {
  return false;
}
void TVertretung::MacheUngueltig() {}
void TVertretung::FuelleBemerkung() {}
std::string TVertretung::ZeitZeile(const TVertretung*) const {
  return {};
}
std::string TVertretung::KursZeile(const TVertretung*) const {
  return {};
}
void TVertretung::Frei() {}
void TVertretung::Loeschen(bool) {}
void TVertretung::Anrechnen(bool) {}
void TVertretung::Korrektur() {}
TMenu TVertretung::ErzeugeWieMenu() {
  return {};
}
void TVertretung::WieAuswahl(TVertretung*) {}
TMenu TVertretung::ErzeugeInfoMenu() const {
  return {};
}
TMenu TVertretung::ErzeugeKlassenMenu(TLehrer*) {
  return {};
}
bool TVertretung::StattWahl(int32_t) {
  return false;
}
std::string TVertretung::OriginalString(int32_t, int32_t) const {
  return {};
}
std::string TVertretung::VertretungsString(int32_t, int32_t) const {
  return {};
}
std::string TVertretung::OriginalTabString(int32_t, int32_t) const {
  return {};
}
std::string TVertretung::VertretungsTabString(int32_t, int32_t) const {
  return {};
}
std::string TVertretung::ExportString() const {
  return {};
}
void VertretungZerstoeren(TVertretung* v) {
  VertretungFreigeben(v);
}
TVertretung* NeueVertretung(TKurs&, TSetzung&, TDatumZeit) {
  return nullptr;
}
void VertretungEinordnen(TVertretung*) {}
void VertretungenSortieren() {}
int VertretungVergleich(const TVertretung*, const TVertretung*) {
  return 0;
}
void TLehrer::FehltNeuIn(int32_t, TDatumZeit) {}
void TLehrer::FehltNichtMehrIn(int32_t, TDatumZeit) {}
TVertretung* TLehrer::VertrittSchon(int32_t, TDatumZeit) const {
  return nullptr;
}
bool TLehrer::WurdeFrei(int32_t, TDatumZeit) const {
  return false;
}
TKurs* TLehrer::KursAm(int32_t, TDatumZeit) const {
  return nullptr;
}
void TLehrer::AendereVStunden(int32_t, TDatumZeit) {}
int32_t TLehrer::MonatsStunden(int32_t) {
  return 0;
}
void TLehrer::erzeugeMonatsStunden(int32_t) {}
void TLehrer::aendereVStunden3(TDatumZeit) {}
void TKlasse::FehltNeuIn(int32_t, TDatumZeit) {}
void TKlasse::FehltNichtMehrIn(int32_t, TDatumZeit) {}
void TRaum::FehltNeuIn(int32_t, TDatumZeit) {}
void TRaum::FehltNichtMehrIn(int32_t, TDatumZeit) {}
TVertretung* TKurs::SetzeStattVertretung(TVertretung*, TSetzung*) {
  return nullptr;
}
void TKurs::VertretungenAnlegen(TSetzung&) {}

}  // namespace orbato
