// The substitution-plan page, the replacement-room page and the exports that write them.
#include "html/vertretungshtml.h"

#include <algorithm>
#include <filesystem>

#include "html/scrollskript.h"
#include "html/stilvorlage.h"
#include "html/vertretungsbloecke.h"
#include "model/basis/datumformat.h"
#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "model/schnittstellen/dialoge.h"
#include "model/vertretung/kalender.h"
#include "substitution/vertretungsinhalt.h"

namespace orbato {
namespace {

const TVDEinstellung& Layout(int32_t layout) {
  return VertretungsLayout(layout);
}

// "<H3>Vertretungsplan f&uuml;r Mittwoch, 09. Dez 2026  KW 50</H3>", an empty line, "&nbsp;".
void Ueberschrift(THTMLSeite& seite, const char* was, TDatumZeit datum, const TVDEinstellung& e) {
  seite.Zeile("<H3>" + HTMLText(TagesTitel(was, datum, e)) + "</H3>");
  seite.Zeile("");
  seite.Zeile("&nbsp;");
}

// Head and the top of the body up to the school name.
void Kopf(THTMLSeite& seite, const char* titel) {
  const TStandard& standard = Standard();
  seite.Zeile("<HTML>");
  seite.Zeile("<HEAD>");
  seite.Zeile("<meta http-equiv=\"content-type\" content=\"text/html; charset=ISO-8859-1\">");
  seite.Zeile(std::string("<TITLE>") + titel + "</TITLE>");
  if (standard.fVertrHTMLScrollen) SchreibeScrollSkript(seite);
  VertretungsCSSZeile(seite);
  seite.Zeile("</HEAD>");
  // The empty lines follow the body tag on its own line.
  seite.Teil(standard.fVertrHTMLScrollen ? "<BODY onLoad=windowSize()>" : "<BODY>");
  for (int32_t i = 0; i < standard.fVertrLeerzeilen; ++i) seite.Zeile("<BR>");
  seite.Zeilenende();
  seite.Zeile("<H3>" + HTMLText(standard.fSchulname) + "</H3>");
}

void Fuss(THTMLSeite& seite) {
  const TStandard& standard = Standard();
  // The body's last lines follow the link on its line.
  if (standard.fVertrHTMLMitZurueck) seite.Teil("<P><A HREF=\"index.html\">zur&uuml;ck</A></P>");
  for (int32_t i = 0; i < standard.fVertrLeerzeilen; ++i) seite.Zeile("<BR>");
  seite.Zeile("</BODY>");
  seite.Zeile("</HTML>");
}

// The layout's plan part: remarks, absences, substitutions.
void PlanTeil(THTMLSeite& seite, int32_t layout, TDatumZeit datum,
              const std::vector<std::string>& bemerkung) {
  const TVDEinstellung& e = Layout(layout);
  if (!e.PlanDrucken) return;
  BemerkungsBlock(seite, e, bemerkung);
  FehlBloecke(seite, e, datum);
  VertretungsTabelle(seite, layout, datum);
}

// The heading and the layout's replacement-room part; the remarks stand here only when the plan
// part, which has them first, is off.
void ErsatzAbschnitt(THTMLSeite& seite, int32_t layout, TDatumZeit datum,
                     const std::vector<std::string>& bemerkung) {
  const TVDEinstellung& e = Layout(layout);
  Ueberschrift(seite, "Ersatzraumplan", datum, e);
  seite.Zeile("<HR>");
  if (e.ErsatzDrucken) {
    if (!e.PlanDrucken) BemerkungsBlock(seite, e, bemerkung);
    ErsatzraumTabelle(seite, layout, datum);
  }
  seite.Zeile("<HR>");
}

// Keeps the message window "HTML-Export" open while pages are written.
class TExportMeldung : public TMeldungsFenster {
 public:
  explicit TExportMeldung(TSchule& schule)
      : TMeldungsFenster(schule.Dialog(), "Der Vertretungsplan wird als HTML-Datei exportiert.",
                         "HTML-Export") {}
};

}  // namespace

THTMLSeite VertretungsplanSeite(TDatumZeit datum, int32_t layout,
                                const std::vector<std::string>& bemerkung, TErsatzTeil ersatz) {
  const TVDEinstellung& e = Layout(layout);
  THTMLSeite seite;
  Kopf(seite, "Vertretungsplan");
  Ueberschrift(seite, "Vertretungsplan", datum, e);
  seite.Zeile("<HR>");
  PlanTeil(seite, layout, datum, bemerkung);
  seite.Zeile("<HR>");
  if (ersatz == TErsatzTeil::Immer || (Standard().fVertrHTMLGemeinsam && e.ErsatzDrucken)) {
    ErsatzAbschnitt(seite, layout, datum, bemerkung);
  }
  Fuss(seite);
  return seite;
}

THTMLSeite ErsatzraumplanSeite(TDatumZeit datum, int32_t layout,
                               const std::vector<std::string>& bemerkung) {
  THTMLSeite seite;
  Kopf(seite, "Ersatzraumplan");
  ErsatzAbschnitt(seite, layout, datum, bemerkung);
  Fuss(seite);
  return seite;
}

bool VertretungImTagesordner(TSchule& schule, TDatumZeit datum, int32_t layout,
                             const std::vector<std::string>& bemerkung, const std::string& ordner) {
  if (!ErstelleOrdner(ordner)) {
    schule.Dialog().Nachricht("Warnung", {"Kann Verzeichnis nicht erstellen!"},
                              TMeldungsArt::Warnung);
    return false;
  }
  TExportMeldung meldung(schule);
  const std::filesystem::path pfad(ordner);
  // Pages that link a sheet elsewhere (such as "../orbato.css") find it there.
  if (Standard().fVertrCSS == kStilvorlageName) StilvorlageBeilegen(ordner, Standard());
  SchreibeSeite((pfad / "index.html").string(), VertretungsIndexSeite(datum));
  SchreibeSeite((pfad / "vp.html").string(), VertretungsplanSeite(datum, layout, bemerkung));
  if (!Standard().fVertrHTMLGemeinsam) {
    SchreibeSeite((pfad / "ep.html").string(), ErsatzraumplanSeite(datum, layout, bemerkung));
  }
  return true;
}

void VertretungInDateien(TSchule& schule, TDatumZeit datum, int32_t layout,
                         const std::vector<std::string>& bemerkung, const std::string& vpPfad,
                         const std::string& epPfad) {
  TExportMeldung meldung(schule);
  if (!vpPfad.empty()) SchreibeSeite(vpPfad, VertretungsplanSeite(datum, layout, bemerkung));
  if (!Standard().fVertrHTMLGemeinsam && !epPfad.empty()) {
    SchreibeSeite(epPfad, ErsatzraumplanSeite(datum, layout, bemerkung));
  }
}

void VierHTMLDateienExportieren(TSchule& schule, TDatumZeit datum,
                                const std::vector<std::string>& bemerkung) {
  {
    TExportMeldung meldung(schule);
    for (int32_t layout = 1; layout <= 4; ++layout) {
      const TVDEinstellung& e = Layout(layout);
      if (e.HTMLPfad.empty()) continue;
      const TDatumZeit tag = e.Folgetag ? FolgeSchultag(datum) : datum;
      SchreibeSeite(e.HTMLPfad,
                    VertretungsplanSeite(tag, layout, bemerkung, TErsatzTeil::NurGemeinsam));
    }
  }
  schule.Dialog().Nachricht("Meldung", {"Die 4 HTML-Dateien wurden exportiert."},
                            TMeldungsArt::Information);
}

}  // namespace orbato
