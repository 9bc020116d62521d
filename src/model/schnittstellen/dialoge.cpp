#include "model/schnittstellen/dialoge.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace orbato {

std::string Dialoge::FrageKnopf(std::string_view titel, const std::vector<std::string>& zeilen,
                                const std::vector<std::string>& knoepfe, TMeldungsArt art) {
  const int gewaehlt = Frage(titel, zeilen, knoepfe, art);
  if (gewaehlt < 0 || static_cast<std::size_t>(gewaehlt) >= knoepfe.size()) return {};
  return knoepfe[static_cast<std::size_t>(gewaehlt)];
}

int Dialoge::FrageMitListe(std::string_view titel, const std::vector<std::string>& zeilen,
                           const std::vector<std::string>& eintraege,
                           const std::vector<std::string>& knoepfe, int, TMeldungsArt art) {
  std::vector<std::string> alle = zeilen;
  alle.insert(alle.end(), eintraege.begin(), eintraege.end());
  return Frage(titel, alle, knoepfe, art);
}

bool Dialoge::FrageJaNein(std::string_view titel, const std::vector<std::string>& zeilen,
                          TMeldungsArt art) {
  return Frage(titel, zeilen, {"Ja", "Nein"}, art) == 0;
}

TMeldungsFenster::TMeldungsFenster(Dialoge& dialoge, std::string_view text, std::string_view titel)
    : fDialoge(dialoge) {
  fDialoge.MeldungZeigen(text, titel);
}

TMeldungsFenster::~TMeldungsFenster() {
  fDialoge.MeldungSchliessen();
}

TFortschritt::TFortschritt(Dialoge& dialoge, std::string_view titel, int maximum)
    : fDialoge(dialoge) {
  fDialoge.FortschrittBeginnen(titel, maximum);
}

TFortschritt::~TFortschritt() {
  fDialoge.FortschrittBeenden();
}

void TSkriptDialoge::Antworte(std::string knopf) {
  fAntworten.push_back(std::move(knopf));
}

void TSkriptDialoge::Antworte(std::initializer_list<std::string_view> knoepfe) {
  for (std::string_view k : knoepfe) fAntworten.emplace_back(k);
}

void TSkriptDialoge::Notiere(TDialogVorgang vorgang, std::string_view titel,
                             std::vector<std::string> zeilen, int zahl) {
  TDialogEintrag e;
  e.fVorgang = vorgang;
  e.fTitel = titel;
  e.fZeilen = std::move(zeilen);
  e.fZahl = zahl;
  fProtokoll.push_back(std::move(e));
}

int TSkriptDialoge::Frage(std::string_view titel, const std::vector<std::string>& zeilen,
                          const std::vector<std::string>& knoepfe, TMeldungsArt art) {
  if (knoepfe.empty()) throw std::invalid_argument("Frage ohne Knopf: " + std::string(titel));
  int gewaehlt = 0;
  if (!fAntworten.empty()) {
    const std::string knopf = std::move(fAntworten.front());
    fAntworten.pop_front();
    const auto it = std::find(knoepfe.begin(), knoepfe.end(), knopf);
    if (it == knoepfe.end()) {
      std::string angeboten;
      for (const std::string& k : knoepfe) angeboten += " \"" + k + "\"";
      throw std::invalid_argument("Frage \"" + std::string(titel) + "\" bietet \"" + knopf +
                                  "\" nicht an, nur" + angeboten);
    }
    gewaehlt = static_cast<int>(it - knoepfe.begin());
  }
  TDialogEintrag e;
  e.fVorgang = TDialogVorgang::Frage;
  e.fArt = art;
  e.fTitel = titel;
  e.fZeilen = zeilen;
  e.fKnoepfe = knoepfe;
  e.fAntwort = gewaehlt;
  fProtokoll.push_back(std::move(e));
  return gewaehlt;
}

int TSkriptDialoge::FrageMitListe(std::string_view titel, const std::vector<std::string>& zeilen,
                                  const std::vector<std::string>& eintraege,
                                  const std::vector<std::string>& knoepfe, int standard,
                                  TMeldungsArt art) {
  const int gewaehlt = Frage(titel, zeilen, knoepfe, art);
  fProtokoll.back().fEintraege = eintraege;
  fProtokoll.back().fStandard = standard;
  return gewaehlt;
}

void TSkriptDialoge::Nachricht(std::string_view titel, const std::vector<std::string>& zeilen,
                               TMeldungsArt art) {
  TDialogEintrag e;
  e.fVorgang = TDialogVorgang::Nachricht;
  e.fArt = art;
  e.fTitel = titel;
  e.fZeilen = zeilen;
  e.fKnoepfe = {"Ok"};
  e.fAntwort = 0;
  fProtokoll.push_back(std::move(e));
}

void TSkriptDialoge::MeldungZeigen(std::string_view text, std::string_view titel) {
  fMeldungOffen = true;
  fMeldungsText = text;
  Notiere(TDialogVorgang::MeldungZeigen, titel, {std::string(text)});
}

void TSkriptDialoge::MeldungAendern(std::string_view text) {
  fMeldungsText = text;
  Notiere(TDialogVorgang::MeldungAendern, {}, {std::string(text)});
}

void TSkriptDialoge::MeldungSchliessen() {
  fMeldungOffen = false;
  fMeldungsText.clear();
  Notiere(TDialogVorgang::MeldungSchliessen, {}, {});
}

void TSkriptDialoge::FortschrittBeginnen(std::string_view titel, int maximum) {
  fFortschrittOffen = true;
  fPosition = 0;
  fMaximum = maximum;
  Notiere(TDialogVorgang::FortschrittBeginnen, titel, {}, maximum);
}

void TSkriptDialoge::FortschrittText(std::string_view text) {
  Notiere(TDialogVorgang::FortschrittText, {}, {std::string(text)});
}

void TSkriptDialoge::FortschrittInfo(std::string_view text) {
  Notiere(TDialogVorgang::FortschrittInfo, {}, {std::string(text)});
}

void TSkriptDialoge::FortschrittSetzen(int position) {
  fPosition = position;
  Notiere(TDialogVorgang::FortschrittSetzen, {}, {}, position);
}

void TSkriptDialoge::FortschrittSchritt(int schritte) {
  fPosition += schritte;
  Notiere(TDialogVorgang::FortschrittSchritt, {}, {}, schritte);
}

bool TSkriptDialoge::Abgebrochen() {
  ++fAnfragen;
  const bool ja = fAbbruchBei > 0 && fAnfragen >= fAbbruchBei;
  Notiere(TDialogVorgang::Abgebrochen, {}, {}, ja ? 1 : 0);
  return ja;
}

void TSkriptDialoge::FortschrittBeenden() {
  fFortschrittOffen = false;
  Notiere(TDialogVorgang::FortschrittBeenden, {}, {});
}

void TSkriptDialoge::Piep() {
  Notiere(TDialogVorgang::Piep, {}, {});
}

std::vector<TDialogEintrag> TSkriptDialoge::Protokoll(TDialogVorgang vorgang) const {
  std::vector<TDialogEintrag> auswahl;
  for (const TDialogEintrag& e : fProtokoll) {
    if (e.fVorgang == vorgang) auswahl.push_back(e);
  }
  return auswahl;
}

std::size_t TSkriptDialoge::Anzahl(TDialogVorgang vorgang) const {
  return static_cast<std::size_t>(
      std::count_if(fProtokoll.begin(), fProtokoll.end(),
                    [vorgang](const TDialogEintrag& e) { return e.fVorgang == vorgang; }));
}

}  // namespace orbato
