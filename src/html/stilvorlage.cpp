#include "html/stilvorlage.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "html/htmlseite.h"
#include "persist/sicherndatei.h"

namespace orbato {
namespace {

// Small enough to fit a plan of seven days on a screen, large enough to be read from the back of
// a hall.
constexpr int kKleinsteGroesse = 6;
constexpr int kGroessteGroesse = 72;

// "#RRGGBB" of a Windows colour value.
std::string CSSFarbe(int32_t farbe) {
  const auto wert = static_cast<uint32_t>(farbe);
  char text[8];
  std::snprintf(text, sizeof text, "#%02X%02X%02X", wert & 0xFFu, (wert >> 8) & 0xFFu,
                (wert >> 16) & 0xFFu);
  return text;
}

// The Unicode code point of a Windows-1252 byte; the undefined bytes become U+FFFD.
uint32_t CodePunkt(unsigned char c) {
  static constexpr uint16_t kObereHaelfte[32] = {
      0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
      0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
      0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};
  if (c >= 0x80 && c < 0xA0) return kObereHaelfte[c - 0x80];
  return c;
}

// The font family as a quoted CSS string. The sheet stays ASCII: other characters are written as
// CSS escapes; quotes, backslashes and control characters could end the string, so they are
// escaped as well.
std::string CSSSchriftName(const std::string& cp1252) {
  std::string aus = "\"";
  for (const char zeichen : cp1252) {
    const auto c = static_cast<unsigned char>(zeichen);
    if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\') {
      aus += zeichen;
      continue;
    }
    char escape[12];
    std::snprintf(escape, sizeof escape, "\\%X ", static_cast<unsigned>(CodePunkt(c)));
    aus += escape;
  }
  return aus + "\"";
}

// One rule: the selector, its declarations one per line, and a blank line after it.
class TRegeln {
 public:
  void Regel(const std::string& selektor, const std::vector<std::string>& deklarationen) {
    fText += selektor + " {\n";
    for (const std::string& d : deklarationen) fText += "  " + d + ";\n";
    fText += "}\n\n";
  }
  void Kommentar(const std::string& text) { fText += "/* " + text + " */\n"; }
  std::string Text() const { return fText.substr(0, fText.size() - 1); }

 private:
  std::string fText;
};

}  // namespace

std::string Stilvorlage(const THTMLFarben& f) {
  const int groesse = std::clamp(f.Schrift.Groesse, kKleinsteGroesse, kGroessteGroesse);
  const std::string rahmen = "1px solid " + CSSFarbe(f.PlanRahmen);
  TRegeln r;
  r.Kommentar("orbato.css: the look of the timetable and substitution pages of WinOrbato.");
  r.Kommentar(
      "The exports write it beside the pages. Bearbeiten > Voreinstellungen > HTML-Farben sets "
      "the look.");
  r.Regel("body", {"background-color: " + CSSFarbe(f.Hintergrund), "color: " + CSSFarbe(f.Text),
                   "font-family: " + CSSSchriftName(f.Schrift.Name) + ", sans-serif",
                   "font-size: " + std::to_string(groesse) + "pt", "margin: 0.5em 1em"});
  r.Regel("h1, h2, h3", {"color: " + CSSFarbe(f.Ueberschrift), "margin: 0.4em 0"});
  r.Regel("h1", {"font-size: 160%"});
  r.Regel("h2", {"font-size: 135%"});
  r.Regel("h3", {"font-size: 115%"});
  r.Regel("a", {"color: " + CSSFarbe(f.Verweis), "text-decoration: none"});
  r.Regel("a:visited", {"color: " + CSSFarbe(f.Verweis)});
  r.Regel("a:hover", {"text-decoration: underline"});
  r.Regel("hr",
          {"border: 0", "border-top: 2px solid " + CSSFarbe(f.PlanRahmen), "margin: 0.5em 0"});
  r.Regel("table", {"border-collapse: collapse", "margin: 0.3em 0"});
  r.Regel("th, td", {"border: " + rahmen, "padding: 0.15em 0.4em", "vertical-align: top",
                     "text-align: left"});
  r.Regel("th",
          {"background-color: " + CSSFarbe(f.TitelHintergrund), "color: " + CSSFarbe(f.TitelText),
           std::string("font-weight: ") + (f.TitelFett ? "bold" : "normal")});
  r.Regel("td",
          {"background-color: " + CSSFarbe(f.PlanHintergrund), "color: " + CSSFarbe(f.PlanText)});
  // The cells of a plan centre their lines; an absence, the period and the arrow of a
  // substitution row keep to one line; the remark stands back.
  r.Regel(".Titel, .Plan", {"text-align: center"});
  r.Regel(".Null", {"white-space: nowrap"});
  r.Regel(".Eins, .Drei", {"white-space: nowrap", "text-align: center"});
  r.Regel(".Fuenf", {"font-style: italic"});
  // A changed row is marked over the whole cell: the mark reaches out over the cell's padding.
  r.Regel(".Adhoc",
          {"background-color: " + CSSFarbe(f.AdhocHintergrund), "color: " + CSSFarbe(f.AdhocText),
           "font-weight: bold", "margin: -0.15em -0.4em", "padding: 0.15em 0.4em"});
  // An empty cell of such a row has no text to carry the mark, so the cell itself takes it.
  r.Regel("td:has(.Adhoc)", {"background-color: " + CSSFarbe(f.AdhocHintergrund)});
  return r.Text();
}

std::string SchreibeStilvorlage(const std::string& ordner, const THTMLFarben& farben) {
  const std::string pfad = (std::filesystem::path(ordner) / kStilvorlageName).string();
  const std::string text = Stilvorlage(farben);
  SchreibeDateiSicher(pfad, std::vector<uint8_t>(text.begin(), text.end()));
  return pfad;
}

bool StilvorlageBeilegen(const std::string& ordner, const TStandard& standard) {
  if (!standard.fStilvorlageSchreiben) return false;
  const std::string text = Stilvorlage(standard.fHTMLFarben);
  return SchreibeFallsNeu((std::filesystem::path(ordner) / kStilvorlageName).string(),
                          std::vector<uint8_t>(text.begin(), text.end()));
}

}  // namespace orbato
