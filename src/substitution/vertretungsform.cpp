#include "substitution/vertretungsform.h"

#include <algorithm>

#include "model/basis/datumformat.h"
#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "model/schnittstellen/dialoge.h"
#include "model/schnittstellen/fenster.h"
#include "model/vertretung/gutschrift.h"
#include "model/vertretung/kalender.h"

namespace orbato {
namespace {

constexpr std::string_view kUnbesetzt = "?????";
constexpr std::string_view kFrei = "-----";
// "Ad hoc löschen" moves the day of the last change far enough back to be no day of this year.
constexpr TDatumZeit kAdHocWeg = 1000;

std::string Kuerzel(const TElement* e) {
  return e ? e->fKuerzel.str() : std::string();
}

bool HeuteGeaendert(const TVertretung& v, TDatumZeit jetzt) {
  return GanzerTag(v.fAdHoc) == GanzerTag(jetzt);
}

std::string StundenText(const TVertretung& v, const TStandard& s) {
  const int tag = v.Tag();
  const int woche = v.Woche();
  const int std = v.Stunde();
  std::string text = tag >= 1 && tag <= kMaxTage ? s.fTagName[tag - 1].str() : std::string();
  if (woche >= 1 && woche <= kMaxWochen && std >= 1 && std <= kMaxStunden) {
    text += " " + StundenBezeichnung(woche, std);
  }
  return text;
}

TVertrKreis Kreis(const TVertretung& v) {
  if (v.fVon && v.fZu) return TVertrKreis::Gruen;
  if (v.fVon) return TVertrKreis::Rot;
  if (v.fZu) return TVertrKreis::Blau;
  return TVertrKreis::Keiner;
}

// The substitute's side: "-----" for a cancelled lesson, "?????" where nothing is set.
std::string Ersatz(const TVertretung& v, const TElement* e) {
  if (v.fFrei) return std::string(kFrei);
  return e ? Kuerzel(e) : std::string(kUnbesetzt);
}

bool HatBemerkung(const TVertretung& v) {
  return !v.fLInfo.empty() || !v.fSInfo.empty();
}

// The substitute cells that need attention or differ from the plan.
std::array<bool, kVertrSpalten> Auffaellig(const TVertretung& v) {
  std::array<bool, kVertrSpalten> blau{};
  const TKurs* k = v.fKurs;
  const TRaum* geplant = v.fSetzung ? v.fSetzung->fRaum : nullptr;
  blau[kVertrVLehrer] = (!v.fFrei && v.fLehrer == nullptr) ||
                        (v.fLehrer && (k == nullptr || v.fLehrer != k->fLehrer));
  blau[kVertrVFach] = v.fFach != (k ? k->fFach : nullptr);
  blau[kVertrVRaum] = (!v.fFrei && v.fRaum == nullptr) || (v.fRaum && v.fRaum != geplant);
  return blau;
}

}  // namespace

TVertrTag Vertretung(TSchule& schule, TDatumZeit datum) {
  if (Schultag(datum)) return TVertrTag::Schultag;
  const int knopf =
      schule.Dialog().Frage("Vertretung unn\xF6tig", {FormatDatum("dddd, d\". \"mmmm yyyy", datum)},
                            {"Ok", "Anderer Tag"}, TMeldungsArt::Information);
  return knopf == 1 ? TVertrTag::AndererTag : TVertrTag::Ok;
}

std::string_view FehlendeKnopf(TKuerzelArt art) {
  if (art == leh) return "fehlender Lehrer";
  if (art == kla) return "fehlende Klasse";
  return "Raum\xE4nderung";
}

TVertretungsForm::TVertretungsForm(TSchule& schule, TStandard& standard, TDatumZeit datum)
    : fSchule(&schule), fStandard(&standard), fDatum(Mittag(datum)) {}

bool TVertretungsForm::Oeffnen() {
  TStandard& standard = *fStandard;
  const int32_t version = PlanVersionAm(fDatum);
  const bool anders = version != standard.fAktuelleWoche;
  if (anders) standard.SetAktuelleWoche(version);
  VertretungenOrdnen();
  Aufbauen();
  return anders;
}

std::string TVertretungsForm::DatumText() const {
  return FormatDatum("ddd, d\".\" mmm yyyy", fDatum);
}

const std::array<std::string_view, kVertrSpalten>& TVertretungsForm::Spalten() {
  static const std::array<std::string_view, kVertrSpalten> spalten = {
      "T",    "Stunde", "Lehrer",  "Klasse", "Fach", "Koppl.",
      "Raum", "Bem",    "VLehrer", "VFach",  "VRaum"};
  return spalten;
}

void TVertretungsForm::Aufbauen() {
  fZeilen.clear();
  const bool inaktive = Inaktive();
  const int tag = GanzerTag(fDatum);
  for (TVertretung* v : fSchule->fVertretungsMenge) {
    if (GanzerTag(v->fDatum) != tag || v->fKurs == nullptr) continue;
    if (!v->fGueltig && !inaktive) continue;
    fZeilen.push_back(Zeile(*v));
  }
}

TVertrZeile TVertretungsForm::Zeile(TVertretung& v) const {
  TVertrZeile zeile;
  zeile.fVertretung = &v;
  zeile.fKreis = Kreis(v);
  const TKurs& k = *v.fKurs;
  auto& z = zeile.fZellen;
  z[kVertrStunde].fText = StundenText(v, *fStandard);
  z[kVertrLehrer].fText = Kuerzel(k.fLehrer);
  z[kVertrKlasse].fText = Kuerzel(k.ErsteKlasse());
  z[kVertrKlasse].fFett = k.fKlassen.ListeZahlElemente() > 1;
  z[kVertrFach].fText = Kuerzel(k.fFach);
  z[kVertrKoppl].fText = Kuerzel(k.fKopplung);
  z[kVertrRaum].fText = Kuerzel(v.fSetzung ? v.fSetzung->fRaum : nullptr);
  z[kVertrBem].fText = "==>";
  z[kVertrBem].fFett = HatBemerkung(v);
  z[kVertrVLehrer].fText = v.fLehrer == nullptr && !v.fFrei && HatBemerkung(v)
                               ? std::string(kFrei)
                               : Ersatz(v, v.fLehrer);
  z[kVertrVFach].fText = Ersatz(v, v.fFach);
  z[kVertrVRaum].fText = Ersatz(v, v.fRaum);

  const bool heute = HeuteGeaendert(v, fSchule->Jetzt());
  zeile.fHervorgehoben = heute;
  const std::array<bool, kVertrSpalten> blau = Auffaellig(v);
  for (int s = 0; s < kVertrSpalten; ++s) {
    TVertrFarbe& farbe = z[static_cast<size_t>(s)].fFarbe;
    if (!v.fGueltig) {
      farbe = TVertrFarbe::Tuerkis;
    } else if (blau[static_cast<size_t>(s)]) {
      farbe = TVertrFarbe::Blau;
    } else if (heute) {
      farbe = TVertrFarbe::Rot;
    }
  }
  return zeile;
}

TVertretung* TVertretungsForm::VertretungIn(int zeile) const {
  if (zeile < 0 || zeile >= static_cast<int>(fZeilen.size())) return nullptr;
  TVertretung* v = fZeilen[static_cast<size_t>(zeile)].fVertretung;
  return NochDa(v) ? v : nullptr;
}

int TVertretungsForm::ZeileVon(const TVertretung* v) const {
  for (size_t z = 0; z < fZeilen.size(); ++z) {
    if (fZeilen[z].fVertretung == v) return static_cast<int>(z);
  }
  return -1;
}

bool TVertretungsForm::Inaktive() const {
  return fStandard->fVertrInaktivCheck;
}

void TVertretungsForm::SetInaktive(bool zeigen) {
  fStandard->fVertrInaktivCheck = zeigen;
  Aufbauen();
}

const std::array<std::string_view, 4>& TVertretungsForm::SortNamen() {
  static const std::array<std::string_view, 4> namen = {"Klassen", "fehl. Lehrern",
                                                        "vertr. Lehrern", "Stunden"};
  return namen;
}

int TVertretungsForm::SortArt() const {
  return fStandard->fVertrSortArt;
}

void TVertretungsForm::SetSortArt(int art) {
  fStandard->fVertrSortArt = std::clamp(art, 0, 3);
  VertretungenSortieren();
  Aufbauen();
}

void TVertretungsForm::AdHocSetzen(const std::vector<int>& zeilen) {
  AdHoc(zeilen, HeuteMittag());
}

void TVertretungsForm::AdHocLoeschen(const std::vector<int>& zeilen) {
  AdHoc(zeilen, HeuteMittag() - kAdHocWeg);
}

void TVertretungsForm::AdHoc(const std::vector<int>& zeilen, TDatumZeit wert) {
  bool geaendert = false;
  for (int z : zeilen) {
    if (TVertretung* v = VertretungIn(z)) {
      v->SetAdHoc(wert);
      geaendert = true;
    }
  }
  if (geaendert) Geaendert();
}

// The proposal window shows the same record and redraws; the rows follow here.
void TVertretungsForm::Geaendert() {
  fSchule->FensterUpdate(TFensterTyp::Vertretungswahl);
  Aufbauen();
}

TVertretungsForm::TKlick TVertretungsForm::Doppelklick(int zeile) {
  TVertretung* v = VertretungIn(zeile);
  if (v == nullptr) return TKlick::Nichts;
  if (fSchule->fToolArt == LoeschTool)
    return Loeschen(zeile) ? TKlick::Geloescht : TKlick::Behalten;
  if (v->fGueltig) return TKlick::Wahl;
  fSchule->Dialog().Nachricht(
      "Vertretung unn\xF6tig",
      {"Vertretung nicht n\xF6tig, da die ", "beteiligten Klassen abwesend sind."},
      TMeldungsArt::Information);
  return TKlick::Unnoetig;
}

bool TVertretungsForm::Loeschen(int zeile) {
  TVertretung* v = VertretungIn(zeile);
  if (v == nullptr) return false;
  if (!fSchule->Dialog().FrageJaNein("Vertretung l\xF6schen",
                                     {"Soll die Vertretung", v->ZeitZeile(), v->KursZeile()})) {
    return false;
  }
  VertretungZerstoeren(v);
  Geaendert();
  return true;
}

TMenu TVertretungsForm::ZellenMenu(int zeile, int spalte) const {
  TMenu menu;
  const TVertretung* v = VertretungIn(zeile);
  if (v == nullptr) return menu;
  TKurs& k = *v->fKurs;
  if (spalte == kVertrKlasse && k.fKlassen.ListeZahlElemente() > 1) {
    for (const TKlasse* kl : k.fKlassen) menu.push_back(MenuEintrag(Kuerzel(kl)));
  } else if (spalte == kVertrKoppl && k.fKopplung) {
    for (const TKurs* mit : k.MitKopplung()) {
      menu.push_back(MenuEintrag(mit->KurzZeile(v->Woche(), v->Tag(), nullptr, v->Stunde())));
    }
  } else if (spalte == kVertrBem) {
    menu = v->ErzeugeInfoMenu();
  }
  InSpaltenUmbrechen(menu, MenuSpaltenLaenge(static_cast<int>(menu.size())));
  return menu;
}

TMenu TVertretungsForm::FehlendeMenu(TKuerzelArt art,
                                     const std::function<void(TPlanElement*)>& waehle) const {
  TMenu menu;
  const TListe<TFehl>* fehlende = fSchule->FehlMenge(art);
  if (fehlende == nullptr) return menu;
  const int tag = GanzerTag(fDatum);
  for (TFehl* f : *fehlende) {
    if (GanzerTag(f->fDatum) != tag || f->fZeit == 0 || f->fElement == nullptr) continue;
    TPlanElement* e = f->fElement;
    menu.push_back(MenuEintrag(Kuerzel(e), [waehle, e] { waehle(e); }));
  }
  InSpaltenUmbrechen(menu, MenuSpaltenLaenge(static_cast<int>(menu.size())));
  return menu;
}

}  // namespace orbato
