#include "model/uv/uvmatrix.h"

#include <algorithm>

#include "model/dokument/schule.h"
#include "model/fenster/deputat.h"
#include "model/kurse/kurswahl.h"
#include "model/schnittstellen/zwischenablage.h"
#include "model/uv/stundenwert.h"

namespace orbato {
namespace {

// Target minus workload of a teacher or class; a class counts a coupling once unless fKopDop.
int32_t Rest(const TElement& e) {
  if (e.Art() == leh) {
    const auto& l = static_cast<const TLehrer&>(e);
    return l.GetSoll(-1) - l.FaktorSumme(-1, true, leh);
  }
  const auto& k = static_cast<const TKlasse&>(e);
  return k.GetSoll(-1) - k.FaktorSumme(-1, k.fKopDop, kla);
}

bool HatSoll(const TElement& e) {
  return e.Art() == leh || e.Art() == kla;
}

// The header as one text, for the clipboard.
std::string Zusammen(const TUVText& t) {
  return t.fStunden.empty() ? t.fKuerzel : t.fStunden + " " + t.fKuerzel;
}

template <class T>
void Anhaengen(std::vector<TElement*>& ziel, const TListe<T>& liste) {
  for (T* e : liste) ziel.push_back(e);
}

}  // namespace

TKlasse* TUVZelle::Klasse(bool istFach) const {
  return static_cast<TKlasse*>(istFach ? fZeile : fSpalte);
}

TUVText UVKursText(const TKurs& kurs, bool istFach, bool kopplungZeigen) {
  const TElement* name = istFach ? static_cast<const TElement*>(kurs.fLehrer) : kurs.fFach;
  if (kopplungZeigen && kurs.fKopplung) name = kurs.fKopplung;
  return {StundenWert(kurs.fStunden.GetWochenStunde(-1) * kurs.fFaktor), KuerzelVon(name)};
}

TUVStil UVKursStil(const TKurs& kurs, const TKlasse* block, bool istFach) {
  TUVStil stil;
  stil.fRot = istFach ? kurs.fLehrer == nullptr : kurs.fFach == nullptr;
  stil.fFett = kurs.fKopplung != nullptr && Standard().fPlnKoppFett;
  stil.fKursiv = block != nullptr && kurs.ErsteKlasse() != block;
  stil.fFarbe = kurs.fColor;
  return stil;
}

TUVText UVKopfText(const TElement& element) {
  if (!HatSoll(element)) return {{}, element.fKuerzel.str()};
  return {StundenWert(Rest(element)), element.fKuerzel.str()};
}

TUVStil UVKopfStil(const TElement& element) {
  TUVStil stil;
  stil.fRot = HatSoll(element) && Rest(element) != 0;
  return stil;
}

TUVMatrix::TUVMatrix(const TUVTab& tab) : fTab(tab) {
  Aufbauen();
}

void TUVMatrix::Aufbauen() {
  fIstFach = fTab.fIstFach;
  fQuer = QuerAusTabelle();
  fBloecke.clear();
  // Without positions across there is nothing to head a line with, so only the corner remains.
  if (fQuer.empty()) return;
  for (TKlasse* k : fTab.fKlassen) fBloecke.push_back({k, {TLinie(fQuer.size())}});
  if (fIstFach) {
    for (TBlock& b : fBloecke) {
      for (TKurs* kurs : b.fKlasse->fKurse) {
        const int32_t q = QuerPosition(*kurs);
        if (q >= 0) Einordnen(b, q, kurs);
      }
    }
    return;
  }
  // Teacher by teacher, in each teacher's course order, into the block of every class.
  for (std::size_t q = 0; q < fQuer.size(); ++q) {
    for (TKurs* kurs : fQuer[q]->fKurse) {
      for (TBlock& b : fBloecke) {
        if (kurs->HatKlasse(b.fKlasse)) Einordnen(b, static_cast<int32_t>(q), kurs);
      }
    }
  }
}

int32_t TUVMatrix::QuerPosition(const TKurs& kurs) const {
  const TElement* e = fIstFach ? static_cast<const TElement*>(kurs.fFach) : kurs.fLehrer;
  if (e == nullptr) return -1;
  const auto it = std::find(fQuer.begin(), fQuer.end(), e);
  return it == fQuer.end() ? -1 : static_cast<int32_t>(it - fQuer.begin());
}

void TUVMatrix::Einordnen(TBlock& block, int32_t quer, TKurs* kurs) {
  for (TLinie& linie : block.fLinien) {
    if (linie[quer] == nullptr) {
      linie[quer] = kurs;
      return;
    }
  }
  block.fLinien.emplace_back(fQuer.size());
  block.fLinien.back()[quer] = kurs;
}

int32_t TUVMatrix::LinienZahl() const {
  int32_t n = 0;
  for (const TBlock& b : fBloecke) n += static_cast<int32_t>(b.fLinien.size());
  return n;
}

int32_t TUVMatrix::Zeilen() const {
  if (fBloecke.empty()) return 1;
  return 1 + (fIstFach ? LinienZahl() : static_cast<int32_t>(fQuer.size()));
}

int32_t TUVMatrix::Spalten() const {
  if (fBloecke.empty()) return 1;
  return 1 + (fIstFach ? static_cast<int32_t>(fQuer.size()) : LinienZahl());
}

bool TUVMatrix::Position(int32_t linie, std::size_t& block, std::size_t& index) const {
  if (linie < 1) return false;
  std::size_t l = static_cast<std::size_t>(linie) - 1;
  for (block = 0; block < fBloecke.size(); ++block) {
    if (l < fBloecke[block].fLinien.size()) {
      index = l;
      return true;
    }
    l -= fBloecke[block].fLinien.size();
  }
  return false;
}

TUVZelle TUVMatrix::Zelle(int32_t zeile, int32_t spalte) const {
  TUVZelle z;
  if (zeile < 0 || spalte < 0 || zeile >= Zeilen() || spalte >= Spalten()) return z;
  const int32_t linie = fIstFach ? zeile : spalte;       // 0: the cross header
  const int32_t quer = (fIstFach ? spalte : zeile) - 1;  // -1: the line header
  std::size_t b = 0, i = 0;
  const bool inBlock = Position(linie, b, i);
  TElement* klasse = inBlock ? fBloecke[b].fKlasse : nullptr;
  TElement* querElement = quer >= 0 ? fQuer[quer] : nullptr;
  z.fZeile = fIstFach ? klasse : querElement;
  z.fSpalte = fIstFach ? querElement : klasse;
  if (zeile == 0 && spalte == 0) {
    z.fArt = TUVZellArt::Ecke;
  } else if (zeile == 0) {
    z.fArt = TUVZellArt::Spaltenkopf;
  } else if (spalte == 0) {
    z.fArt = TUVZellArt::Zeilenkopf;
  } else {
    z.fKurs = fBloecke[b].fLinien[i][quer];
    z.fArt = z.fKurs ? TUVZellArt::Kurs : TUVZellArt::Leer;
  }
  return z;
}

bool TUVMatrix::KursEinfuegen(TKurs* kurs) {
  const int32_t q = kurs ? QuerPosition(*kurs) : -1;
  if (q < 0) return false;
  bool geaendert = false;
  for (TBlock& b : fBloecke) {
    if (!kurs->HatKlasse(b.fKlasse)) continue;
    const bool steht = std::any_of(b.fLinien.begin(), b.fLinien.end(), [kurs](const TLinie& l) {
      return std::find(l.begin(), l.end(), kurs) != l.end();
    });
    if (steht) continue;
    Einordnen(b, q, kurs);
    geaendert = true;
  }
  return geaendert;
}

std::vector<TElement*> TUVMatrix::QuerAusTabelle() const {
  std::vector<TElement*> quer;
  if (fTab.fIstFach) {
    Anhaengen(quer, fTab.fFaecher);
  } else {
    Anhaengen(quer, fTab.fLehrer);
  }
  return quer;
}

bool TUVMatrix::PasstZurTabelle() const {
  if (fIstFach != fTab.fIstFach || QuerAusTabelle() != fQuer) return false;
  // Without positions across no block was made.
  if (fQuer.empty()) return true;
  if (fBloecke.size() != static_cast<std::size_t>(fTab.fKlassen.ListeZahlElemente())) return false;
  std::size_t i = 0;
  for (const TKlasse* k : fTab.fKlassen) {
    if (fBloecke[i++].fKlasse != k) return false;
  }
  return true;
}

bool TUVMatrix::Abgleichen() {
  if (!PasstZurTabelle()) {
    Aufbauen();
    return true;
  }
  bool geaendert = false;
  for (TBlock& b : fBloecke) {
    for (TLinie& l : b.fLinien) {
      for (std::size_t q = 0; q < l.size(); ++q) {
        TKurs* kurs = l[q];
        if (kurs &&
            (!kurs->HatKlasse(b.fKlasse) || QuerPosition(*kurs) != static_cast<int32_t>(q))) {
          l[q] = nullptr;
          geaendert = true;
        }
      }
    }
  }
  for (TBlock& b : fBloecke) {
    for (TKurs* kurs : b.fKlasse->fKurse) geaendert |= KursEinfuegen(kurs);
  }
  return geaendert;
}

bool TUVMatrix::KursEntfernen(const TKurs* kurs) {
  bool geaendert = false;
  for (TBlock& b : fBloecke) {
    for (TLinie& l : b.fLinien) {
      for (TKurs*& zelle : l) {
        if (zelle != nullptr && zelle == kurs) {
          zelle = nullptr;
          geaendert = true;
        }
      }
    }
  }
  return geaendert;
}

bool TUVMatrix::LeerzeileEinfuegen(const TElement* klasse) {
  for (TBlock& b : fBloecke) {
    if (b.fKlasse == klasse) {
      b.fLinien.emplace_back(fQuer.size());
      return true;
    }
  }
  return false;
}

TUVText TUVMatrix::Text(int32_t zeile, int32_t spalte) const {
  const TUVZelle z = Zelle(zeile, spalte);
  switch (z.fArt) {
    case TUVZellArt::Ecke:
      return {{}, "UV"};
    case TUVZellArt::Spaltenkopf:
      return UVKopfText(*z.fSpalte);
    case TUVZellArt::Zeilenkopf:
      return UVKopfText(*z.fZeile);
    case TUVZellArt::Kurs:
      return UVKursText(*z.fKurs, fIstFach, fKopplungZeigen);
    case TUVZellArt::Leer:
      break;
  }
  return {};
}

TUVStil TUVMatrix::Stil(int32_t zeile, int32_t spalte) const {
  const TUVZelle z = Zelle(zeile, spalte);
  switch (z.fArt) {
    case TUVZellArt::Spaltenkopf:
      return UVKopfStil(*z.fSpalte);
    case TUVZellArt::Zeilenkopf:
      return UVKopfStil(*z.fZeile);
    case TUVZellArt::Kurs:
      return UVKursStil(*z.fKurs, z.Klasse(fIstFach), fIstFach);
    default:
      return {};
  }
}

TKurs* TUVMatrix::KursAnlegen(int32_t zeile, int32_t spalte) {
  const TUVZelle z = Zelle(zeile, spalte);
  if (z.fArt != TUVZellArt::Leer) return nullptr;
  TKlasse* klasse = z.Klasse(fIstFach);
  TLehrer* lehrer = fIstFach ? nullptr : static_cast<TLehrer*>(z.fZeile);
  TFach* fach = fIstFach ? static_cast<TFach*>(z.fSpalte) : nullptr;
  TRaum* raum = klasse->fRaum ? klasse->fRaum : lehrer ? lehrer->fRaum : nullptr;
  auto* kurs = new TKurs;
  kurs->IKurs(lehrer, klasse, Standard().fKursStd, raum, fach, nullptr);
  // The clicked cell lies in the course's block and position, so the course takes it.
  std::size_t b = 0, i = 0;
  Position(fIstFach ? zeile : spalte, b, i);
  fBloecke[b].fLinien[i][(fIstFach ? spalte : zeile) - 1] = kurs;
  return kurs;
}

bool TUVMatrix::RaeumeEntfernen(int32_t zeile, int32_t spalte) {
  TKurs* kurs = KursIn(zeile, spalte);
  if (!kurs || kurs->fRaeume.ListeZahlElemente() == 0 || KursVerplant(*kurs)) return false;
  const std::vector<TRaum*> raeume(kurs->fRaeume.begin(), kurs->fRaeume.end());
  for (TRaum* r : raeume) kurs->RaumEntfernen(r);
  return true;
}

int TUVMatrix::ElementeEntfernen(const std::vector<std::pair<int32_t, int32_t>>& auswahl) {
  int geaendert = 0;
  std::vector<TKurs*> gesehen;
  for (const auto& [zeile, spalte] : auswahl) {
    TKurs* kurs = KursIn(zeile, spalte);
    if (!kurs || std::find(gesehen.begin(), gesehen.end(), kurs) != gesehen.end()) continue;
    gesehen.push_back(kurs);
    if (KursVerplant(*kurs)) continue;
    const bool weg = fIstFach ? KursElementEntfernen(*kurs, leh, kurs->fLehrer)
                              : KursElementEntfernen(*kurs, fac, kurs->fFach);
    if (weg) ++geaendert;
  }
  return geaendert;
}

int TUVMatrix::AuswahlLoeschen(TSchule& schule,
                               const std::vector<std::pair<int32_t, int32_t>>& auswahl) {
  std::vector<TKurs*> kurse;
  for (const auto& [zeile, spalte] : auswahl) kurse.push_back(KursIn(zeile, spalte));
  const int weg = DepAuswahlLoeschen(schule, kurse);
  Aufbauen();
  return weg;
}

std::string TUVMatrix::KopfZeile() const {
  std::string zeile;
  for (int32_t s = 1; s < Spalten(); ++s) zeile += "\t\t" + Zusammen(Text(0, s));
  return zeile;
}

std::string TUVMatrix::ZellenText(int32_t zeile, int32_t spalte) const {
  if (!KursIn(zeile, spalte)) return "\t0\t";
  const TUVText t = Text(zeile, spalte);
  return "\t" + t.fStunden + "\t" + t.fKuerzel;
}

std::string TUVMatrix::KopierText() const {
  std::vector<std::string> zeilen = {KopfZeile()};
  for (int32_t z = 1; z < Zeilen(); ++z) {
    std::string zeile = Zusammen(Text(z, 0));
    for (int32_t s = 1; s < Spalten(); ++s) zeile += ZellenText(z, s);
    zeilen.push_back(std::move(zeile));
  }
  return ZwischenablageText(zeilen);
}

}  // namespace orbato
