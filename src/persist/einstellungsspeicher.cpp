#include "persist/einstellungsspeicher.h"

namespace orbato {

TEinstellungenImSpeicher::TSchluessel& TEinstellungenImSpeicher::Finde(
    const std::string& schluessel) {
  const auto [it, neu] = fIndex.try_emplace(schluessel, fSchluessel.size());
  if (neu) fSchluessel.push_back({schluessel, {}, {}});
  return fSchluessel[it->second];
}

void TEinstellungenImSpeicher::OeffneSchluessel(const std::string& schluessel) {
  Finde(schluessel);
  fOffen = fIndex.at(schluessel);
}

bool TEinstellungenImSpeicher::HatWert(const std::string& name) const {
  return fOffen < fSchluessel.size() && fSchluessel[fOffen].index.contains(name);
}

std::string TEinstellungenImSpeicher::LiesWert(const std::string& name) const {
  if (!HatWert(name)) return {};
  const TSchluessel& s = fSchluessel[fOffen];
  return s.werte[s.index.at(name)].second;
}

void TEinstellungenImSpeicher::SchreibeWert(const std::string& name, const std::string& wert) {
  if (fSchluessel.empty()) OeffneSchluessel("");
  TSchluessel& s = fSchluessel[fOffen];
  const auto [it, neu] = s.index.try_emplace(name, s.werte.size());
  if (neu) {
    s.werte.emplace_back(name, wert);
  } else {
    s.werte[it->second].second = wert;
  }
}

void TEinstellungenImSpeicher::Setze(const std::string& schluessel, const std::string& name,
                                     const std::string& wert) {
  const std::size_t offen = fOffen;
  OeffneSchluessel(schluessel);
  SchreibeWert(name, wert);
  fOffen = offen;
}

}  // namespace orbato
