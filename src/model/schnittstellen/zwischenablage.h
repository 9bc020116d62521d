#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace orbato {

// The text clipboard. The core reads and writes Windows-1252; the Qt adapter converts to and from
// the system's Unicode text (characters Windows-1252 cannot hold arrive as '?').
class Zwischenablage {
 public:
  virtual ~Zwischenablage() = default;
  // Empty when the clipboard holds no text.
  virtual std::string HoleText() const = 0;
  virtual void SetzeText(std::string_view text) = 0;
};

// A clipboard in memory, for tests and the command line.
class TSpeicherZwischenablage : public Zwischenablage {
 public:
  TSpeicherZwischenablage() = default;
  explicit TSpeicherZwischenablage(std::string text) : fText(std::move(text)) {}
  std::string HoleText() const override { return fText; }
  void SetzeText(std::string_view text) override {
    fText = text;
    ++fSchreibvorgaenge;
  }
  // How often text was put there, so that a test can tell "copied nothing" from "copied empty".
  int Schreibvorgaenge() const { return fSchreibvorgaenge; }

 private:
  std::string fText;
  int fSchreibvorgaenge = 0;
};

// Clipboard text comes with CR LF from Windows programs, with LF from others and sometimes with a
// bare CR; pasting works on lines. A line end after the last line does not make an empty line, so
// a copied block pastes back with exactly its own lines; empty lines inside the text are kept.
std::vector<std::string> ZwischenablageZeilen(std::string_view text);
// The fields of one copied line, separated by tab characters.
std::string TabZeile(const std::vector<std::string>& felder);
// Copying ends every line with CR LF, the clipboard's line end on Windows.
std::string ZwischenablageText(const std::vector<std::string>& zeilen);

}  // namespace orbato
