// The index page of a day folder and the days it links.
#include "html/vertretungsbloecke.h"
#include "html/vertretungshtml.h"
#include "model/basis/datumformat.h"
#include "model/einstellungen/standard.h"
#include "model/vertretung/kalender.h"

namespace orbato {
namespace {

// The days from the last school day of a week to the first of the next.
int Wochensprung() {
  return 8 - Standard().fMaxTageNeu;
}

// `<H3><A HREF="../Vertretung 14-12-2026/index.html">Montag 14.12.2026</A></H3>`
void TagesLink(THTMLSeite& seite, TDatumZeit tag) {
  seite.Zeile("<H3><A HREF=\"../" + TagesordnerName(tag) + "/index.html\">" +
              HTMLText(FormatDatum("dddd", tag) + FormatDatum(" dd.mm.yyyy", tag)) + "</A></H3>");
}

}  // namespace

TDatumZeit NaechsterVertretungsTag(TDatumZeit datum) {
  return datum + (Wochentag(datum) == Standard().fMaxTageNeu ? Wochensprung() : 1);
}

TDatumZeit VorigerVertretungsTag(TDatumZeit datum) {
  return datum - (Wochentag(datum) == 1 ? Wochensprung() : 1);
}

TDatumZeit FolgeSchultag(TDatumZeit datum) {
  // A school of at least five days a week meets again within a year even through long holidays;
  // the bound only keeps a calendar of nothing but holidays from running on.
  TDatumZeit tag = datum + 1;
  for (int i = 0; i < 366 && !Schultag(tag); ++i) tag += 1;
  return tag;
}

std::string TagesordnerName(TDatumZeit datum) {
  return "Vertretung " + FormatDatum("dd-mm-yyyy", datum);
}

THTMLSeite VertretungsIndexSeite(TDatumZeit datum) {
  const TStandard& standard = Standard();
  THTMLSeite seite;
  seite.Zeile("<HTML>");
  seite.Zeile("<HEAD>");
  seite.Zeile("<TITLE>Vertretungsinformationssystem</TITLE>");
  VertretungsCSSZeile(seite);
  seite.Zeile("</HEAD>");
  seite.Zeile("<BODY>");
  seite.Zeile("<H3>" + HTMLText(standard.fSchulname) + "</H3>");
  seite.Zeile("<H3>Vertretungsinformationssystem</H3>");
  seite.Zeile("");
  seite.Zeile("&nbsp;");
  seite.Zeile("<H2>" + HTMLText(FormatDatum("dddd, d. mmm. yyyy", datum)) + "</H2>");
  seite.Zeile("");
  seite.Zeile("<H3><A HREF=\"vp.html\">Vertretungsplan</A></H3>");
  if (!standard.fVertrHTMLGemeinsam) seite.Zeile("<H3><A HREF=\"ep.html\">Ersatzraumplan</A></H3>");
  TagesLink(seite, NaechsterVertretungsTag(datum));
  TagesLink(seite, VorigerVertretungsTag(datum));
  seite.Zeile("</BODY>");
  seite.Zeile("</HTML>");
  return seite;
}

}  // namespace orbato
