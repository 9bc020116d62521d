#include "ui/plaene/optimieranzeige.h"

#include <algorithm>

#include "model/kurse/kurs.h"

namespace orbato {
namespace {

struct TZahlText {
  const char* text;
  int32_t TOptimierZahlen::*zahl;
};

// The three figures the planner watches, in the order shown.
constexpr TZahlText kHauptzahlen[] = {
    {"Hohlstunden der Klassen", &TOptimierZahlen::fKlassenLuecken},
    {"Springstunden der Lehrer", &TOptimierZahlen::fLehrerLuecken},
    {"meiste Springstunden eines Lehrers", &TOptimierZahlen::fSchlechtesterLehrer},
};

constexpr TZahlText kAlleZahlen[] = {
    kHauptzahlen[0],
    kHauptzahlen[1],
    kHauptzahlen[2],
    {"späte Beginne der Vollzeitklassen", &TOptimierZahlen::fSpaeteBeginne},
    {"Klassentage mit einem Fach zweimal", &TOptimierZahlen::fFachDoppelt},
};

QString VorherNachher(int32_t vorher, int32_t nachher) {
  return QStringLiteral("%1 → %2").arg(vorher).arg(nachher);
}

}  // namespace

QStringList OptimierZwischenstand(const TOptimierZahlen& zahlen) {
  QStringList zeilen;
  for (const TZahlText& z : kHauptzahlen) {
    zeilen << QStringLiteral("%1: %2").arg(QString::fromUtf8(z.text)).arg(zahlen.*z.zahl);
  }
  return zeilen;
}

QString OptimierErgebnis(bool geaendert, const TOptimierZahlen& vorher,
                         const TOptimierZahlen& nachher) {
  if (!geaendert) return QStringLiteral("Keine Verbesserung gefunden.");
  QStringList teile;
  for (const TZahlText& z : {kHauptzahlen[0], kHauptzahlen[1]}) {
    teile << QString::fromUtf8(z.text) + QLatin1Char(' ') +
                 VorherNachher(vorher.*z.zahl, nachher.*z.zahl);
  }
  return QStringLiteral("Optimiert: ") + teile.join(QStringLiteral(", "));
}

QStringList OptimierBericht(bool geaendert, const TOptimierZahlen& vorher,
                            const TOptimierZahlen& nachher) {
  if (!geaendert) return {QStringLiteral("Keine Verbesserung gefunden.")};
  QStringList zeilen{QStringLiteral("Der Plan wurde optimiert:")};
  for (const TZahlText& z : kAlleZahlen) {
    zeilen << QString::fromUtf8(z.text) + QStringLiteral(": ") +
                  VorherNachher(vorher.*z.zahl, nachher.*z.zahl);
  }
  return zeilen;
}

int OptimierBalken(const TOptimierFortschritt& stand, double sekunden, double verstrichen) {
  double anteil = 0;
  if (stand.fSchritteMax > 0) {
    anteil = static_cast<double>(stand.fSchritte) / static_cast<double>(stand.fSchritteMax);
  }
  if (sekunden > 0) anteil = std::max(anteil, verstrichen / sekunden);
  return static_cast<int>(std::clamp(anteil, 0.0, 1.0) * kOptimierBalken);
}

bool HatVerplanteStunden(const std::vector<TKurs*>& kurse, int32_t woche) {
  return std::any_of(kurse.begin(), kurse.end(),
                     [woche](const TKurs* k) { return k->VerplanteStunden(woche) > 0; });
}

bool OptimierungRechnen(TOptimierung& optimierung) {
  return optimierung.Rechne();
}

}  // namespace orbato
