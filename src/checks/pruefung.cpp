#include "checks/pruefung.h"

#include "checks/befund.h"
#include "checks/fehlerausgabe.h"
#include "checks/pruefungen.h"
#include "model/schnittstellen/dialoge.h"

namespace orbato {

namespace {

struct TPruefungsName {
  TPruefung fPruefung;
  std::string_view fMenue;
  std::string_view fKommando;
};

constexpr std::array<TPruefungsName, 7> kNamen = {{
    {TPruefung::Konsistenz, "Konsistenz", "konsistenz"},
    {TPruefung::Bruecken,
     "Br\xFC"
     "cken",
     "bruecken"},
    {TPruefung::FehlRaum, "fehlende R\xE4ume", "raeume"},
    {TPruefung::FehlStunden, "fehlende Stunden", "stunden"},
    {TPruefung::Versionen, "Versionsunterschiede", "versionen"},
    {TPruefung::Kopplungen, "gekoppelte Kurse", "kopplungen"},
    {TPruefung::Einzel, "Einzel-/Mehrfachstunden", "einzel"},
}};

const TPruefungsName& Namen(TPruefung pruefung) {
  return kNamen[static_cast<std::size_t>(pruefung)];
}

constexpr std::string_view kErgebnisAnfang =
    "Beim Pr\xFC"
    "fen der Daten wurden";

// The box looks as serious as what was found.
TMeldungsArt ErgebnisArt(int stufe) {
  if (stufe >= kGroessereFehler) return TMeldungsArt::Fehler;
  return stufe == kKleinereFehler ? TMeldungsArt::Warnung : TMeldungsArt::Information;
}

}  // namespace

std::string_view MenueText(TPruefung pruefung) {
  return Namen(pruefung).fMenue;
}

std::string_view KommandoName(TPruefung pruefung) {
  return Namen(pruefung).fKommando;
}

std::optional<TPruefung> PruefungAusName(std::string_view name) {
  for (const TPruefungsName& n : kNamen) {
    if (n.fKommando == name) return n.fPruefung;
  }
  return std::nullopt;
}

std::optional<TPruefung> PruefungAusMenueText(std::string_view text) {
  for (const TPruefungsName& n : kNamen) {
    if (n.fMenue == text) return n.fPruefung;
  }
  return std::nullopt;
}

int PruefungAusfuehren(TSchule& schule, TPruefung pruefung, Dialoge& dialoge,
                       Fehlerausgabe& fehler) {
  switch (pruefung) {
    case TPruefung::Konsistenz:
      return KonsistenzTest(schule, dialoge, fehler);
    case TPruefung::Bruecken:
      return BrueckenTest(schule, fehler);
    case TPruefung::FehlRaum:
      return FehlRaumTest(schule, fehler);
    case TPruefung::FehlStunden:
      return FehlStundenTest(schule, fehler);
    case TPruefung::Versionen:
      return VersionsPruefung(schule, fehler);
    case TPruefung::Kopplungen:
      return KopplPruefung(schule, fehler);
    case TPruefung::Einzel:
      break;
  }
  return EinzelPruefung(schule, fehler);
}

int Pruefen(TSchule& schule, TPruefung pruefung, Dialoge& dialoge, Fehlerausgabe& fehler,
            const std::function<void()>& fertig) {
  int stufe = kKeineFehler;
  {
    TMeldungsFenster meldung(dialoge,
                             "Die Daten werden gepr\xFC"
                             "ft.");
    fehler.PruefungBeginnen(MenueText(pruefung));
    stufe = PruefungAusfuehren(schule, pruefung, dialoge, fehler);
  }
  if (fertig) fertig();
  dialoge.Nachricht(
      "Pr\xFC"
      "fergebnis",
      {std::string(kErgebnisAnfang), std::string(ErgebnisText(stufe))}, ErgebnisArt(stufe));
  return stufe;
}

std::string_view ErgebnisText(int stufe) {
  if (stufe >= kGroessereFehler) {
    return "gr\xF6\xDF"
           "ere Fehler gefunden.";
  }
  return stufe == kKleinereFehler ? "kleinere Fehler gefunden." : "keine Fehler gefunden.";
}

std::string ErgebnisZeile(int stufe) {
  return std::string(kErgebnisAnfang) + " " + std::string(ErgebnisText(stufe));
}

}  // namespace orbato
