#include "placement/parraster.h"

#include <algorithm>
#include <map>

#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "model/elemente/fach.h"
#include "model/elemente/kopplung.h"
#include "model/elemente/lehrer.h"
#include "model/kurse/kurs.h"
#include "placement/regeln.h"
#include "placement/setzen.h"

namespace orbato {
namespace {

// The grid's limits, those of its start dialog.
constexpr int32_t kMaxZeilen = 40;
constexpr int32_t kMaxSpalten = 10;

int32_t Begrenzt(int32_t n, int32_t max) {
  return std::clamp(n, int32_t{1}, max);
}

// The row's couplings, empty cells left out.
std::vector<const TKopplung*> ZeilenKopplungen(const TParRaster& r, int32_t zeile) {
  std::vector<const TKopplung*> kopplungen;
  for (int32_t s = 1; s <= r.Spalten(); ++s) {
    if (const TKopplung* k = r.Zelle(s, zeile).fKopplung) kopplungen.push_back(k);
  }
  return kopplungen;
}

std::function<void()> MitDanach(std::function<void()> befehl, const std::function<void()>& danach) {
  if (!danach) return befehl;
  return [befehl = std::move(befehl), danach] {
    befehl();
    danach();
  };
}

// Whether every course of the row may go into the cell in each version of the selection.
bool ZeileSetzbar(const std::vector<const TKopplung*>& kopplungen, int32_t tag, int32_t std) {
  for (const TKopplung* k : kopplungen) {
    for (const TKurs* kurs : k->fKurse) {
      if (!IstSetzbar(*kurs, -1, tag, k, std)) return false;
    }
  }
  return true;
}

}  // namespace

TParRaster::TParRaster(TSchule& schule, const TStandard& standard, int32_t zeilen, int32_t spalten)
    : fSchule(&schule),
      fStandard(&standard),
      fZeilen(Begrenzt(zeilen, kMaxZeilen)),
      fSpalten(Begrenzt(spalten, kMaxSpalten)),
      fZellen(static_cast<std::size_t>(fZeilen * fSpalten)),
      fKonflikte(static_cast<std::size_t>(fZeilen), 0) {}

TParRaster TParRaster::AusParListe(TSchule& schule, const TStandard& standard, int32_t zeilen,
                                   int32_t spalten) {
  TParRaster r(schule, standard, zeilen, spalten);
  const TParListe& par = schule.fParListe;
  for (int32_t z = 1; z <= std::min(r.fZeilen, par.fZeilen); ++z) {
    for (int32_t s = 1; s <= std::min(r.fSpalten, par.fSpalten); ++s) {
      const auto nr = static_cast<std::size_t>(par.fSpalten * (z - 1) + s - 1);
      if (nr < par.fListe.size() && par.fListe[nr]) r.ZelleRef(s, z) = {par.fListe[nr], 'K'};
    }
  }
  return r;
}

bool TParRaster::Gueltig(int32_t spalte, int32_t zeile) const {
  return spalte >= 1 && spalte <= fSpalten && zeile >= 1 && zeile <= fZeilen;
}

const TParZelle& TParRaster::Zelle(int32_t spalte, int32_t zeile) const {
  return fZellen[static_cast<std::size_t>(fSpalten * (zeile - 1) + spalte - 1)];
}

TParZelle& TParRaster::ZelleRef(int32_t spalte, int32_t zeile) {
  return fZellen[static_cast<std::size_t>(fSpalten * (zeile - 1) + spalte - 1)];
}

int32_t TParRaster::BerechneSchnitt(int32_t zeile) {
  std::map<const TLehrer*, int32_t> kurse;
  for (const TKopplung* k : ZeilenKopplungen(*this, zeile)) {
    for (const TKurs* kurs : k->fKurse) {
      if (kurs->fLehrer) ++kurse[kurs->fLehrer];
    }
  }
  int32_t konflikte = 0;
  for (const auto& [lehrer, n] : kurse) konflikte += n - 1;
  fKonflikte[zeile - 1] = konflikte;
  MerkeParListe();
  return konflikte;
}

void TParRaster::AlleBerechnen() {
  for (int32_t z = 1; z <= fZeilen; ++z) BerechneSchnitt(z);
}

void TParRaster::MerkeParListe() {
  TParListe& par = fSchule->fParListe;
  std::vector<TKopplung*> liste;
  liste.reserve(fZellen.size());
  for (const TParZelle& z : fZellen) liste.push_back(z.fKopplung);
  if (par.fZeilen == fZeilen && par.fSpalten == fSpalten && par.fListe == liste) return;
  par.SetZeilen(fZeilen);
  par.SetSpalten(fSpalten);
  par.fListe = std::move(liste);
  fSchule->SetDirty();
}

void TParRaster::Setze(int32_t spalte, int32_t zeile, TKopplung* kopplung) {
  if (!Gueltig(spalte, zeile)) return;
  ZelleRef(spalte, zeile) = kopplung ? TParZelle{kopplung, 'K'} : TParZelle{};
  BerechneSchnitt(zeile);
}

void TParRaster::Schiebe(int32_t vonSpalte, int32_t vonZeile, int32_t nachSpalte, int32_t nachZeile,
                         bool kopieren) {
  if (!Gueltig(vonSpalte, vonZeile) || !Gueltig(nachSpalte, nachZeile)) return;
  if (vonSpalte == nachSpalte && vonZeile == nachZeile) return;
  TKopplung* k = Zelle(vonSpalte, vonZeile).fKopplung;
  if (k == nullptr) return;
  if (!kopieren) ZelleRef(vonSpalte, vonZeile) = {};
  ZelleRef(nachSpalte, nachZeile) = {k, 'K'};
  BerechneSchnitt(vonZeile);
  if (nachZeile != vonZeile) BerechneSchnitt(nachZeile);
}

void TParRaster::Leeren(int32_t spalte, int32_t zeile) {
  Setze(spalte, zeile, nullptr);
}

void TParRaster::Fixieren(int32_t spalte, int32_t zeile) {
  if (!Gueltig(spalte, zeile)) return;
  TParZelle& z = ZelleRef(spalte, zeile);
  if (z.fKopplung == nullptr) return;
  z.fMarke = z.fMarke == 'F' ? 'K' : 'F';
  BerechneSchnitt(zeile);
}

void TParRaster::KopplungEntfernt(const TKopplung* kopplung) {
  for (int32_t z = 1; z <= fZeilen; ++z) {
    bool betroffen = false;
    for (int32_t s = 1; s <= fSpalten; ++s) {
      if (Zelle(s, z).fKopplung == kopplung) {
        ZelleRef(s, z) = {};
        betroffen = true;
      }
    }
    if (betroffen) BerechneSchnitt(z);
  }
}

void TParRaster::Uebernehmen(const std::vector<TKopplung*>& spaltenweise) {
  for (int32_t s = 1; s <= fSpalten; ++s) {
    for (int32_t z = 1; z <= fZeilen; ++z) {
      TParZelle& zelle = ZelleRef(s, z);
      TKopplung* k = spaltenweise[static_cast<std::size_t>(fZeilen * (s - 1) + z - 1)];
      if (zelle.fMarke == 'F') continue;
      zelle = k ? TParZelle{k, 'K'} : TParZelle{};
    }
  }
  fSchule->SetDirty();
}

std::vector<TParZelle> TParRaster::Spaltenweise() const {
  std::vector<TParZelle> zellen;
  zellen.reserve(fZellen.size());
  for (int32_t s = 1; s <= fSpalten; ++s) {
    for (int32_t z = 1; z <= fZeilen; ++z) zellen.push_back(Zelle(s, z));
  }
  return zellen;
}

TMenu TParRaster::ZeilenMenu(int32_t zeile, const std::function<void()>& danach) {
  const TStandard& st = *fStandard;
  const std::vector<const TKopplung*> kopplungen = ZeilenKopplungen(*this, zeile);
  TMenu tage;
  for (int32_t t = 1; t <= st.fMaxTageNeu; ++t) {
    TMenuEintrag tag = MenuEintrag(st.fTagName[t - 1].str(), {}, t * 100);
    for (int32_t p = 1; p <= st.fPlnStd; ++p) {
      TMenuEintrag e = MenuEintrag(
          std::to_string(p) + ". Stunde",
          MitDanach([this, zeile, t, p] { SetzZeile(*fStandard, *this, zeile, t, p); }, danach),
          t * 100 + p);
      e.fEnabled = ZeileSetzbar(kopplungen, t, p);
      tag.fUntermenu.push_back(std::move(e));
    }
    tage.push_back(std::move(tag));
  }
  return tage;
}

TMenu TParRaster::SetzMenu(int32_t spalte, int32_t zeile, const std::function<void()>& danach) {
  TMenu menu;
  if (!Gueltig(std::max(spalte, int32_t{1}), zeile)) return menu;
  if (spalte >= 1) {
    TKopplung* jetzt = Zelle(spalte, zeile).fKopplung;
    TMenuEintrag leer =
        MenuEintrag("leer", MitDanach([this, spalte, zeile] { Leeren(spalte, zeile); }, danach));
    leer.fChecked = jetzt == nullptr;
    menu.push_back(std::move(leer));
    int32_t nr = 0;
    for (TKopplung* k : fSchule->fKopplMenge) {
      TMenuEintrag e = MenuEintrag(
          k->fKuerzel.str(),
          MitDanach([this, spalte, zeile, k] { Setze(spalte, zeile, k); }, danach), ++nr);
      e.fChecked = k == jetzt;
      menu.push_back(std::move(e));
    }
    InSpaltenUmbrechen(menu, MenuSpaltenLaenge(static_cast<int>(menu.size())));
    menu.push_back(Trennlinie());
  }
  TMenuEintrag setzen = MenuEintrag("Zeile " + std::to_string(zeile) + " setzen");
  setzen.fUntermenu = ZeilenMenu(zeile, danach);
  setzen.fEnabled = !ZeilenKopplungen(*this, zeile).empty();
  menu.push_back(std::move(setzen));
  return menu;
}

std::string TParRaster::ZellText(int32_t spalte, int32_t zeile, bool mitFach) const {
  const TKopplung* k = Zelle(spalte, zeile).fKopplung;
  if (k == nullptr) return {};
  std::string text = k->fKuerzel.str();
  if (!mitFach) return text;
  std::vector<const TFach*> faecher;
  for (const TKurs* kurs : k->fKurse) {
    if (kurs->fFach && std::find(faecher.begin(), faecher.end(), kurs->fFach) == faecher.end()) {
      faecher.push_back(kurs->fFach);
    }
  }
  for (const TFach* f : faecher) text += " " + f->fKuerzel.str();
  return text;
}

std::string TParRaster::Text(bool mitFach) const {
  std::string text;
  const std::vector<std::string> koepfe = ParKoepfe(fSpalten);
  for (std::size_t i = 0; i < koepfe.size(); ++i) text += (i ? "\t" : "") + koepfe[i];
  text += "\n";
  for (int32_t z = 1; z <= fZeilen; ++z) {
    text += std::to_string(Konflikte(z));
    for (int32_t s = 1; s <= fSpalten; ++s) text += "\t" + ZellText(s, z, mitFach);
    text += "\n";
  }
  return text;
}

int32_t SetzZeile(const TStandard& st, const TParRaster& raster, int32_t zeile, int32_t tag,
                  int32_t std) {
  int32_t gesetzt = 0;
  for (const TKopplung* k : ZeilenKopplungen(raster, zeile)) {
    for (TKurs* kurs : k->fKurse) {
      for (int32_t w = st.ErsteAuswahlWoche(); w <= st.LetzteAuswahlWoche(); ++w) {
        if (kurs->SetzungFinden(w, tag, std)) continue;
        if (NeueSetzung(*kurs, w, tag, FreierRaum(*kurs, w, tag, std), std)) ++gesetzt;
      }
    }
  }
  return gesetzt;
}

std::vector<std::string> ParKoepfe(int32_t spalten) {
  std::vector<std::string> koepfe{"Konfl."};
  for (int32_t s = 1; s <= spalten; ++s) koepfe.push_back("Spalte " + std::to_string(s));
  return koepfe;
}

}  // namespace orbato
