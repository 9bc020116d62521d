#include "persist/sperrdatei.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "model/basis/datumformat.h"
#include "model/basis/zeichensatz.h"
#include "model/schnittstellen/dialoge.h"
#include "persist/dateilesen.h"
#include "persist/dateisystem.h"
#include "persist/sicherndatei.h"
#include "persist/streamfehler.h"

namespace orbato {
namespace {

constexpr TDateiArt kSperrDatei{"eine Sperrdatei", 4096};

std::vector<uint8_t> Bytes(const TSperre& sperre) {
  const std::string zeile = SperrZeile(sperre) + "\n";
  return {zeile.begin(), zeile.end()};
}

bool Gleich(const TSperre& a, const TSperre& b) {
  return a.fBenutzer == b.fBenutzer && a.fRechner == b.fRechner && a.fPid == b.fPid;
}

// A lock that no longer counts: its process on this computer is gone, or it is this process's
// own (a process number used again after a crash).
bool Verwaist(const TSperre& sperre, const TSperre& ich, const std::function<bool(int64_t)>& lebt) {
  if (sperre.fRechner != ich.fRechner || sperre.fRechner.empty()) return false;
  return sperre.fPid == ich.fPid || (sperre.fPid > 0 && !lebt(sperre.fPid));
}

// The lock file's holder; none when there is no lock file. One that cannot be read or understood
// has an unknown holder (all fields empty), which still counts.
std::optional<TSperre> LiesSperre(const std::string& plan) {
  const std::string pfad = SperrDateiPfad(plan);
  if (!PfadBelegt(pfad)) return std::nullopt;
  try {
    const std::vector<uint8_t> bytes = LiesGanzeDatei(pfad, kSperrDatei);
    const std::string text(bytes.begin(), bytes.end());
    return LiesSperrZeile(text.substr(0, text.find('\n'))).value_or(TSperre{});
  } catch (const TStreamFehler&) {
    return TSperre{};
  }
}

enum class TAnlegen { Angelegt, Vorhanden, Unmoeglich };

TAnlegen Anlegen(const std::string& pfad, const TSperre& ich) {
  int fehler = 0;
  TDatei datei = TDatei::Oeffne(pfad, TDatei::TZweck::NurNeu, fehler);
  if (!datei.Offen()) return fehler == EEXIST ? TAnlegen::Vorhanden : TAnlegen::Unmoeglich;
  const bool ganz = datei.SchreibeAlles(Bytes(ich)) && datei.Schliesse();
  if (!ganz) {
    EntferneDatei(pfad);
    return TAnlegen::Unmoeglich;
  }
  return TAnlegen::Angelegt;
}

// "dem 10.12.2026 um 15:42 Uhr" from the lock's time; the text as it stands when it is no time.
std::string ZeitText(const std::string& zeit) {
  int jahr = 0, monat = 0, tag = 0, stunde = 0, minute = 0, sekunde = 0;
  if (std::sscanf(zeit.c_str(), "%4d-%2d-%2dT%2d:%2d:%2d", &jahr, &monat, &tag, &stunde, &minute,
                  &sekunde) == 6) {
    const auto datum = KodiereDatum(jahr, monat, tag);
    const auto uhrzeit = KodiereZeit(stunde, minute, sekunde);
    if (datum && uhrzeit)
      return FormatDatum("'dem 'dd.mm.yyyy' um 'hh:nn' Uhr'", *datum + *uhrzeit);
  }
  return Cp1252AusUtf8(zeit);
}

// Who holds the file since when, as the questions say it.
std::vector<std::string> Inhaber(const std::string& name, const TSperre& fremd) {
  if (fremd.fBenutzer.empty() && fremd.fRechner.empty()) {
    return {"Die Datei " + name + " ist von einem anderen Programm gesperrt."};
  }
  return {"Die Datei " + name + " wird seit " + ZeitText(fremd.fZeit),
          "von " + Cp1252AusUtf8(fremd.fBenutzer) + " auf dem Rechner " +
              Cp1252AusUtf8(fremd.fRechner) + " bearbeitet."};
}

}  // namespace

std::string SperrDateiPfad(const std::string& plan) {
  const std::filesystem::path p(plan);
  return (p.parent_path() / (".~lock." + p.filename().string() + "#")).string();
}

std::string SperrZeile(const TSperre& sperre) {
  return sperre.fBenutzer + "," + sperre.fRechner + "," + sperre.fZeit + "," +
         std::to_string(sperre.fPid);
}

// Read from the right: a host name has no comma, a user name may.
std::optional<TSperre> LiesSperrZeile(std::string_view zeile) {
  if (!zeile.empty() && zeile.back() == '\r') zeile.remove_suffix(1);
  TSperre sperre;
  const auto letztes = [&zeile](std::string& feld) {
    const std::size_t komma = zeile.rfind(',');
    if (komma == std::string_view::npos) return false;
    feld = zeile.substr(komma + 1);
    zeile = zeile.substr(0, komma);
    return true;
  };
  std::string pid;
  if (!letztes(pid) || !letztes(sperre.fZeit) || !letztes(sperre.fRechner)) return std::nullopt;
  sperre.fBenutzer = zeile;
  char* ende = nullptr;
  sperre.fPid = std::strtoll(pid.c_str(), &ende, 10);
  if (pid.empty() || *ende != '\0') return std::nullopt;
  return sperre;
}

std::optional<TSperre> SperreNehmen(const std::string& plan, TSperre ich, TDatumZeit jetzt,
                                    const std::function<bool(int64_t)>& lebt) {
  ich.fZeit = FormatDatum("yyyy-mm-dd'T'hh:nn:ss", jetzt);
  const std::string pfad = SperrDateiPfad(plan);
  // A lock that vanishes between the try and the look is tried again.
  for (int versuch = 0; versuch < 3; ++versuch) {
    switch (Anlegen(pfad, ich)) {
      case TAnlegen::Angelegt:
      case TAnlegen::Unmoeglich:
        return std::nullopt;
      case TAnlegen::Vorhanden:
        break;
    }
    const std::optional<TSperre> da = LiesSperre(plan);
    if (!da) continue;
    if (!Verwaist(*da, ich, lebt)) return da;
    SperreUebernehmen(plan, ich, jetzt);
    return std::nullopt;
  }
  return std::nullopt;
}

std::optional<TSperre> FremdeSperre(const std::string& plan, const TSperre& ich,
                                    const std::function<bool(int64_t)>& lebt) {
  const std::optional<TSperre> da = LiesSperre(plan);
  if (!da || Gleich(*da, ich) || Verwaist(*da, ich, lebt)) return std::nullopt;
  return da;
}

void SperreUebernehmen(const std::string& plan, TSperre ich, TDatumZeit jetzt) {
  ich.fZeit = FormatDatum("yyyy-mm-dd'T'hh:nn:ss", jetzt);
  try {
    SchreibeDateiSicher(SperrDateiPfad(plan), Bytes(ich));
  } catch (const TStreamFehler&) {
    // Where nothing can be written, nobody else can save either; the file stays without a lock.
  }
}

void SperreFreigeben(const std::string& plan, const TSperre& ich) {
  const std::optional<TSperre> da = LiesSperre(plan);
  if (da && Gleich(*da, ich)) EntferneDatei(SperrDateiPfad(plan));
}

TSperrAntwort FrageSperre(Dialoge& dialoge, const std::string& name, const TSperre& fremd) {
  const int antwort = dialoge.Frage("Datei in Bearbeitung", Inhaber(name, fremd),
                                    {"Schreibgesch\xFCtzt \xF6"
                                     "ffnen",
                                     "Trotzdem \xF6"
                                     "ffnen",
                                     "Abbrechen"});
  return antwort == 0   ? TSperrAntwort::Schreibgeschuetzt
         : antwort == 1 ? TSperrAntwort::Trotzdem
                        : TSperrAntwort::Abbrechen;
}

bool FrageFremdUeberschreiben(Dialoge& dialoge, const std::string& name, const TSperre& fremd) {
  std::vector<std::string> zeilen = Inhaber(name, fremd);
  zeilen.push_back(
      "Trotzdem \xFC"
      "berschreiben?");
  return dialoge.FrageJaNein("Datei in Bearbeitung", zeilen);
}

}  // namespace orbato
