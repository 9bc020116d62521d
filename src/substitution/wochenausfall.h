#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/basis/datum.h"

namespace orbato {

class TSchule;
class TStandard;

// The weekly cancellation report ("Ermittlung des wöchentlichen Unterrichtsausfalls") of ISO week
// `kw` of `jahr`: planned, given, substituted and cancelled lessons of the lower levels (classes
// whose short name starts with a digit) and of the upper level ("EF", "Q1", "Q2"), counted over
// the school days of the week in the plan version of that week. One text per line, Windows-1252;
// none when the year has no such week.
std::optional<std::vector<std::string>> WochenAusfall(const TSchule& schule, int kw, int jahr);

// The lines as one text, joined by "\n" with no line end after the last: what the report window
// shows.
std::string AusfallText(const std::vector<std::string>& zeilen);

// Monday and Sunday of the week starting on `montag`, each at noon, in the system's date-time
// format joined by " - ".
std::string AusfallBereich(TDatumZeit montag);

// The state of the report window "wöchentlicher Unterrichtsausfall": week and year, the range and
// the report. It opens with the week and year last used and writes them back into the settings on
// every change and when it closes; a week that does not exist leaves range and report empty.
class TWochenAusfall {
 public:
  TWochenAusfall(const TSchule& schule, TStandard& standard);

  // A change of week or year computes the report anew.
  void SetKW(int kw);
  void SetJahr(int jahr);
  // "Rechnen": computes the report for the week and year shown.
  void Rechnen();
  void Schliessen();

  int KW() const { return fKW; }
  int Jahr() const { return fJahr; }
  const std::string& Bereich() const { return fBereich; }
  const std::string& Text() const { return fText; }

 private:
  void Merken() const;

  const TSchule& fSchule;
  TStandard& fStandard;
  int fKW;
  int fJahr;
  std::string fBereich;
  std::string fText;
};

}  // namespace orbato
