#include "html/planhtml.h"

#include <filesystem>
#include <stdexcept>

#include "html/planhtmlteile.h"
#include "html/stilvorlage.h"
#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "model/schnittstellen/dialoge.h"

namespace orbato {

const char kPlanHTMLTitel[] = "Exportieren in HTML-Dateien";

namespace {

const char kMeta[] = R"(<meta http-equiv="content-type" content="text/html; charset=ISO-8859-1">)";
const char kStil[] = R"(<link rel="stylesheet" href="orbato.css" type="text/css">)";
const char kZurueck[] = R"(<P><A HREF="index.html">zur&uuml;ck</A></P>)";
constexpr int32_t kProZeile = 4;
constexpr int32_t kBalkenTakt = 5;

// What the pages of one kind are called.
struct TArtSeiten {
  TKuerzelArt art;
  const char* praefix;
  const char* liste;  // title and heading of the list page
  const char* wort;   // what the element page is
  bool ohneBlank;     // the list shows short name and long name without a blank between
};

constexpr TArtSeiten kSeiten[] = {
    {leh, "lpl", "Lehrerpl&auml;ne", "Lehrerplan", true},
    {kla, "kpl", "Klassenpl&auml;ne", "Klassenplan", true},
    {rau, "rpl", "Raumpl&auml;ne", "Raumplan", false},
    {kop, "ko", "Kopplungen", "Kopplungsdaten", false},
    {fac, "fa", "F&auml;cher", "Fachdaten", false},
};

const TArtSeiten& Seiten(TKuerzelArt art) {
  for (const TArtSeiten& s : kSeiten) {
    if (s.art == art) return s;
  }
  throw std::invalid_argument("keine Seiten dieser Art");
}

std::size_t ArtIndex(TKuerzelArt art) {
  for (std::size_t i = 0; i < TPlanHTML::kArten.size(); ++i) {
    if (TPlanHTML::kArten[i] == art) return i;
  }
  throw std::invalid_argument("keine Seiten dieser Art");
}

template <class T>
std::vector<const TElement*> Folge(const TListe<T>& menge) {
  std::vector<const TElement*> folge;
  folge.reserve(static_cast<std::size_t>(menge.ListeZahlElemente()));
  for (const T* e : menge) folge.push_back(e);
  return folge;
}

std::string TitelZeile(std::string_view titel) {
  return " <TITLE>" + std::string(titel) + "</TITLE>";
}

std::string H1(std::string_view text) {
  return "<H1>" + std::string(text) + "</H1>";
}

void Schluss(THTMLSeite& seite) {
  seite.Zeile("</BODY>");
  seite.Zeile("</HTML>");
}

// The page names of the element before and after, the first and the last meeting in a ring.
std::string Navigation(TKuerzelArt art, int32_t nr, int32_t anzahl) {
  const int32_t vorher = nr == 1 ? anzahl : nr - 1;
  const int32_t nachher = nr == anzahl ? 1 : nr + 1;
  return "<P>" + Verweis(PlanSeitenName(art, vorher), "&lt;---") + " " +
         Verweis(PlanSeitenName(art), "zur&uuml;ck") + " " +
         Verweis(PlanSeitenName(art, nachher), "---&gt;") + "</P>";
}

// The folder as the progress window names it: its last part, a closing separator ignored.
std::string OrdnerName(const std::string& ordner) {
  std::filesystem::path pfad(ordner);
  if (!pfad.has_filename() && pfad.has_parent_path()) pfad = pfad.parent_path();
  return pfad.filename().string();
}

}  // namespace

std::string PlanSeitenName(TKuerzelArt art, int32_t nr) {
  return std::string(Seiten(art).praefix) + (nr > 0 ? std::to_string(nr) : "") + ".html";
}

void SeitenKopf(THTMLSeite& seite, std::string_view titelZeile, std::string_view ueberschrift) {
  for (const char* zeile : {"<HTML>", "<HEAD>", kMeta}) seite.Zeile(zeile);
  seite.Zeile(titelZeile);
  for (const char* zeile : {kStil, "</HEAD>", "<BODY>"}) seite.Zeile(zeile);
  seite.Zeile(H1(HTMLText(Standard().fSchulname)));
  seite.Zeile(ueberschrift);
  seite.Zeile("<TABLE>");
}

TPlanHTML::TPlanHTML(const TSchule& schule)
    : fSchule(schule),
      fElemente{Folge(schule.fLehrerMenge), Folge(schule.fKlassenMenge), Folge(schule.fRaumMenge),
                Folge(schule.fKopplMenge), Folge(schule.fFachMenge)} {
  for (const auto& folge : fElemente) {
    for (std::size_t i = 0; i < folge.size(); ++i) {
      fNummern.emplace(folge[i], static_cast<int32_t>(i + 1));
    }
  }
}

const std::vector<const TElement*>& TPlanHTML::Elemente(TKuerzelArt art) const {
  return fElemente[ArtIndex(art)];
}

int32_t TPlanHTML::Nummer(const TElement* element) const {
  const auto it = fNummern.find(element);
  return it == fNummern.end() ? 0 : it->second;
}

THTMLSeite TPlanHTML::Index() const {
  THTMLSeite seite;
  for (const char* zeile : {"<HTML>", "<HEAD>", kMeta, "<TITLE>Planinformationssystem</TITLE>",
                            kStil, "</HEAD>", "<BODY>"}) {
    seite.Zeile(zeile);
  }
  seite.Zeile(H1(HTMLText(Standard().fSchulname)));
  seite.Zeile("<H1>Planinformationssystem</H1>");
  seite.Zeile("&nbsp;");
  const auto eintrag = [&](const std::string& datei, std::string_view text) {
    seite.Zeile("<H2>" + Verweis(datei, text) + "</H2>");
  };
  eintrag("lpl.html", "Lehrerpl&auml;ne");
  eintrag("kpl.html", "Klassenpl&auml;ne");
  eintrag("rpl.html", "Raumpl&auml;ne");
  eintrag("ko.html", "Kopplungsdaten");
  eintrag("fa.html", "F&auml;cherdaten");
  eintrag("ku.html", "Alle Kursdaten");
  Schluss(seite);
  return seite;
}

THTMLSeite TPlanHTML::Liste(TKuerzelArt art) const {
  const TArtSeiten& art_ = Seiten(art);
  THTMLSeite seite;
  SeitenKopf(seite, TitelZeile(art_.liste), H1(art_.liste));
  const auto& elemente = Elemente(art);
  const int32_t anzahl = static_cast<int32_t>(elemente.size());
  for (int32_t k = 0; k < anzahl; ++k) {
    const TElement& e = *elemente[static_cast<std::size_t>(k)];
    if (k % kProZeile == 0) seite.Zeile("<TR>");
    const std::string text = e.fKuerzel.str() + (art_.ohneBlank ? "" : " ") + e.fInfo.str();
    seite.Zeile(R"(<TD><DIV CLASS="Plan">)");
    seite.Zeile(Verweis(PlanSeitenName(art, k + 1), HTMLText(text)));
    seite.Zeile("</DIV></TD>");
    if (k % kProZeile == kProZeile - 1) seite.Zeile("</TR>");
  }
  if (anzahl % kProZeile != 0) seite.Zeile("</TR>");
  seite.Zeile("</TABLE>");
  seite.Zeile(kZurueck);
  Schluss(seite);
  return seite;
}

THTMLSeite TPlanHTML::AlleKurse() const {
  THTMLSeite seite;
  SeitenKopf(seite, TitelZeile("Alle Kurse"), H1("Alle Kurse"));
  KursTabelle(seite, *this, fSchule.fKursMenge);
  seite.Zeile("</TABLE>");
  seite.Zeile(kZurueck);
  Schluss(seite);
  return seite;
}

THTMLSeite TPlanHTML::Element(TKuerzelArt art, int32_t nr) const {
  const auto& elemente = Elemente(art);
  const int32_t anzahl = static_cast<int32_t>(elemente.size());
  if (nr < 1 || nr > anzahl) throw std::out_of_range("kein Element dieser Nummer");
  const TElement& e = *elemente[static_cast<std::size_t>(nr - 1)];
  const std::string name =
      std::string(Seiten(art).wort) + " " + HTMLText(e.fKuerzel.str() + " " + e.fInfo.str());
  THTMLSeite seite;
  SeitenKopf(seite, TitelZeile(name), H1(name));
  if (art == kop || art == fac) {
    KursTabelle(seite, *this, e.fKurse);
  } else {
    WochenRaster(seite, *this, static_cast<const TPlanElement&>(e));
  }
  seite.Zeile("</TABLE>");
  seite.Zeile(Navigation(art, nr, anzahl));
  Schluss(seite);
  return seite;
}

std::vector<std::string> TPlanHTML::Dateien() const {
  std::vector<std::string> dateien{"index.html"};
  for (TKuerzelArt art : kArten) dateien.push_back(PlanSeitenName(art));
  dateien.push_back("ku.html");
  for (TKuerzelArt art : kArten) {
    for (std::size_t nr = 1; nr <= Elemente(art).size(); ++nr) {
      dateien.push_back(PlanSeitenName(art, static_cast<int32_t>(nr)));
    }
  }
  return dateien;
}

bool PlanHTMLExport(const TSchule& schule, const std::string& ordner, Dialoge& dialoge) {
  if (!ErstelleOrdner(ordner)) {
    dialoge.Nachricht("Warnung", {"Kann Verzeichnis nicht erstellen!"}, TMeldungsArt::Warnung);
    return false;
  }
  const TPlanHTML plan(schule);
  const std::filesystem::path ziel(ordner);
  const std::string name = OrdnerName(ordner);
  const auto schreibe = [&](const std::string& datei, const THTMLSeite& seite) {
    SchreibeNeueSeite((ziel / datei).string(), seite);
  };

  // One window for the whole run; each kind starts its bar anew.
  TFortschritt fortschritt(dialoge, kPlanHTMLTitel, 0);
  fortschritt.Text(name);
  StilvorlageBeilegen(ordner, Standard());
  schreibe("index.html", plan.Index());
  for (TKuerzelArt art : TPlanHTML::kArten) schreibe(PlanSeitenName(art), plan.Liste(art));
  schreibe("ku.html", plan.AlleKurse());
  for (TKuerzelArt art : TPlanHTML::kArten) {
    const auto& elemente = plan.Elemente(art);
    const int32_t anzahl = static_cast<int32_t>(elemente.size());
    dialoge.FortschrittBeginnen(kPlanHTMLTitel, anzahl);
    fortschritt.Text(name);
    for (int32_t nr = 1; nr <= anzahl; ++nr) {
      fortschritt.Info(elemente[static_cast<std::size_t>(nr - 1)]->fKuerzel.str());
      schreibe(PlanSeitenName(art, nr), plan.Element(art, nr));
      if (nr % kBalkenTakt == 0) fortschritt.Setzen(nr);
    }
  }
  return true;
}

}  // namespace orbato
