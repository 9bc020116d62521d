#include "model/einstellungen/standard.h"

#include "model/basis/sha1.h"

#include <cmath>
#include <cstdio>

#include "model/basis/hextext.h"

namespace orbato {
namespace {

TStandard* gStandard = nullptr;

// Monday 27 December 1993, the first day of calendar week 0.
constexpr int kKalenderBeginn = 34330;

void SetzeVorgabeLabels(TStandard& s) {
  for (auto& version : s.fStdBez) {
    for (int p = 0; p < kMaxStunden; ++p) {
      char text[4];
      std::snprintf(text, sizeof text, "%2d", p + 1);
      version[p] = text;
    }
  }
  s.fTagBez = {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"};
  s.fTagName = {"Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag", "Sonntag"};
}

// The printouts whose stored defaults differ from the common ones.
void SetzeVorgabeDrucke(TStandard& s) {
  s.fKueDruck.Ko = true;
  s.fDepDruck.Datum = false;
  s.fDepDruck.Kl = false;
  s.fRestDruck.Datum = false;
  s.fSVDruck.Datum = false;
  s.fSVDruck.Fa = false;
  s.fParDruck.Le = false;
  s.fParDruck.Fa = false;
  s.fParDruck.Ko = false;
  for (int n = 0; n < 4; ++n) {
    s.fVDEinstellung[n].HTMLPfad = "vertretung" + std::to_string(n + 1) + ".html";
  }
}

}  // namespace

TStandard::TStandard(TDatumZeit jetzt) {
  fStartZeit = fSaveZeit = jetzt - std::floor(jetzt);
  SetzeVorgabeLabels(*this);
  SetzeVorgabeDrucke(*this);
  fKennwort = KennwortVerschluesseln("");
  fCustomFarbe.fill("FFFFFF");
  fGrund.fill("-");
  TesteTabelle();
}

void TStandard::SetMaxWocheNeu(int32_t wochen) {
  fMaxWocheNeu = wochen;
  if (fAktuelleWoche > wochen) fAktuelleWoche = wochen;
}

void TStandard::SetAktuelleWoche(int32_t woche) {
  fAktuelleWoche = woche;
}

void TStandard::SetMaxTageNeu(int32_t tage) {
  fMaxTageNeu = tage;
}

void TStandard::SetStdBez(
    const std::array<std::array<TStundenString, kMaxStunden>, kMaxWochen>& bez) {
  fStdBez = bez;
}

void TStandard::SetTagBez(const std::array<TKuerzelString, kMaxTage>& bez) {
  fTagBez = bez;
}

void TStandard::SetTagName(const std::array<TInfoString, kMaxTage>& namen) {
  fTagName = namen;
}

std::string TStandard::KalenderZeile(int i, const std::array<uint8_t, kKalenderWochen>& kalender) {
  return HexAusBytes(std::span<const uint8_t>(kalender).subspan(8 * (i - 1), 8));
}

bool TStandard::SetKalenderZeile(int i, std::string_view s,
                                 std::array<uint8_t, kKalenderWochen>& kalender) {
  const auto bytes = BytesAusHex(s);
  if (!bytes || bytes->size() != 8) return false;
  std::copy(bytes->begin(), bytes->end(), kalender.begin() + 8 * (i - 1));
  return true;
}

int KalenderWoche(TDatumZeit datum) {
  // Days before the first calendar week count backwards in the same ring.
  const int tage = GanzerTag(datum) - kKalenderBeginn;
  const int woche = tage >= 0 ? tage / 7 : -((-tage + 6) / 7);
  return ((woche % kKalenderWochen) + kKalenderWochen) % kKalenderWochen;
}

bool TStandard::FerienTag(TDatumZeit datum) const {
  return (fFerien[KalenderWoche(datum)] >> (Wochentag(datum) - 1)) & 1;
}

bool TStandard::WochenEnde(TDatumZeit datum) const {
  return Wochentag(datum) > fMaxTageNeu;
}

std::array<std::array<std::array<int32_t, kMaxTage>, kMaxStunden>, kAutoTabellen>
TStandard::EingebauteTabellen() {
  static constexpr int32_t kTabelle1[42] = {-7,  -4,  -1, -10, -13, -16, -37, 25,  22,  19,  28,
                                            31,  34,  38, -15, -12, -9,  -18, -3,  -6,  -39, 33,
                                            30,  27,  36, 21,  24,  40,  -2,  -17, -14, -5,  -8,
                                            -11, -41, 20, 35,  32,  23,  26,  29,  42};
  std::array<std::array<std::array<int32_t, kMaxTage>, kMaxStunden>, kAutoTabellen> t{};
  for (int p = 1; p <= kMaxStunden; ++p) {
    for (int d = 1; d <= kMaxTage; ++d) {
      const int n = 7 * (p - 1) + d;
      // Tables 1 to 3 share the entries beyond the sixth period.
      const int32_t spaet = n <= 63 ? -n : n;
      t[0][p - 1][d - 1] = n <= 42 ? kTabelle1[n - 1] : spaet;
      t[1][p - 1][d - 1] = n <= 42 ? -(6 * (d - 1) + p) : spaet;
      t[2][p - 1][d - 1] = n <= 42 ? (((n - 1) / 7) % 2 == 1 ? n : -n) : spaet;
      t[3][p - 1][d - 1] = n;
    }
  }
  return t;
}

void TStandard::TesteTabelle() {
  for (const auto& tabelle : fAuTab) {
    for (const auto& stunde : tabelle) {
      for (int32_t eintrag : stunde) {
        if (eintrag == 0) {
          fAuTab = EingebauteTabellen();
          return;
        }
      }
    }
  }
}

std::string KennwortVerschluesseln(std::string_view eingabe) {
  std::string text(eingabe.substr(0, 20));
  text.resize(20, ' ');
  const std::array<uint8_t, 20> digest = Sha1(text);
  return {digest.begin(), digest.end()};
}

bool KennwortGesetzt(const TStandard& standard) {
  return standard.fKennwort != KennwortVerschluesseln("");
}

bool KennwortStimmt(const TStandard& standard, std::string_view eingabe) {
  return standard.fKennwort == KennwortVerschluesseln(eingabe);
}

TStandard& Standard() {
  static TStandard vorgabe;
  return gStandard ? *gStandard : vorgabe;
}

TStandardEinsetzen::TStandardEinsetzen(TStandard& standard) : fVorher(gStandard) {
  gStandard = &standard;
}

TStandardEinsetzen::~TStandardEinsetzen() {
  gStandard = fVorher;
}

}  // namespace orbato
