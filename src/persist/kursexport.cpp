#include "persist/kursexport.h"

#include <algorithm>
#include <functional>

#include "model/dokument/schule.h"
#include "persist/exportform.h"
#include "persist/kursdatei.h"

namespace orbato {
namespace {

const char kCR[] = "\r";

std::string Info(const TElement* e) {
  return e ? e->fInfo.str() : std::string();
}
std::string Schalter(bool b) {
  return b ? "1" : "0";
}

std::string Verbinde(const std::vector<std::string>& teile, char trenner) {
  std::string text;
  for (std::size_t i = 0; i < teile.size(); ++i) {
    if (i > 0) text += trenner;
    text += teile[i];
  }
  return text;
}

// The fields of an exchange line, each as its items: one for a plain field, one per placement
// for a list field.
using TKursFelder = std::vector<std::vector<std::string>>;

// The items of a list field, one per placement.
std::vector<std::string> Liste(const TKurs& k,
                               const std::function<std::string(const TSetzung&)>& eintrag) {
  std::vector<std::string> eintraege;
  for (const TSetzung* s : k.fSetzungen) eintraege.push_back(eintrag(*s));
  return eintraege;
}

TKursFelder KursFelder(const TKurs& k, int32_t nummer, const TKlasse* klasse) {
  return {{std::to_string(nummer)},
          {std::to_string(k.fFaktor)},
          {std::to_string(k.fStunden.GetWochenStunde(-1))},
          {k.fInfo.str()},
          {KuerzelVon(k.fLehrer)},
          {Info(k.fLehrer)},
          {KuerzelVon(k.fFach)},
          {Info(k.fFach)},
          {KuerzelVon(klasse)},
          {Info(klasse)},
          {KuerzelVon(k.fKopplung)},
          {Info(k.fKopplung)},
          Liste(k, [](const TSetzung& s) { return std::to_string(s.fWoche); }),
          Liste(k, [](const TSetzung& s) { return std::to_string(s.fTag); }),
          Liste(k, [](const TSetzung& s) { return std::to_string(s.fStunde); }),
          Liste(k, [](const TSetzung& s) { return KuerzelVon(s.fRaum); }),
          Liste(k, [](const TSetzung& s) { return Info(s.fRaum); }),
          {std::to_string(k.fStdProTag)},
          {std::to_string(k.fEinzelStd)},
          {std::to_string(k.fTabellenNr)},
          {Schalter(k.fNichtVerplanen)},
          {Schalter(k.fNichtZaehlenLe)},
          {Schalter(k.fNichtZaehlenKl)}};
}

// The separators go in as bytes of their own: the texts themselves never put one into the line.
void SchreibeKursZeile(TBuffer& b, const TKursFelder& felder) {
  for (std::size_t f = 0; f < felder.size(); ++f) {
    if (f > 0) b.WriteByte(kKursTab);
    for (std::size_t e = 0; e < felder[f].size(); ++e) {
      if (e > 0) b.WriteByte(kKursGruppe);
      b.WriteStr(felder[f][e]);
    }
  }
  b.WriteByte(kKursCR);
}

int32_t KursZeilen(const TSchule& schule) {
  int32_t zeilen = 0;
  for (const TKurs* k : schule.fKursMenge) zeilen += std::max(1, k->fKlassen.ListeZahlElemente());
  return zeilen;
}

void KursExport(const TSchule& schule, TExportForm& form) {
  for (const TKurs* k : schule.fKursMenge) {
    ++form.fAnzahl;
    const int32_t klassen = std::max(1, k->fKlassen.ListeZahlElemente());
    for (int32_t i = 1; i <= klassen; ++i) {
      SchreibeKursZeile(form.fBuffer, KursFelder(*k, form.fAnzahl, k->fKlassen.ListeNrInhalt(i)));
      form.ZeileGeschrieben();
    }
  }
}

// The period label of a placement's version and period.
const TStundenString& StundenBez(const TSetzung& s) {
  const auto woche = static_cast<std::size_t>(std::clamp(s.fWoche, 1, kMaxWochen) - 1);
  const auto std = static_cast<std::size_t>(std::clamp(s.fStunde, 1, kMaxStunden) - 1);
  return Standard().fStdBez[woche][std];
}

// Periods whose label holds a "/" are the breaks between two periods, with supervision duty.
std::string Art(const TSetzung& s) {
  return StundenBez(s).str().find('/') != std::string::npos ? "Pausenaufsicht" : "Stunde";
}

std::string Klassen(const TKurs& k) {
  std::vector<std::string> kuerzel;
  for (const TKlasse* c : k.fKlassen) kuerzel.push_back(c->fKuerzel.str());
  return Verbinde(kuerzel, ',');
}

std::string Woche(const TSetzung& s) {
  return Standard().fMaxWocheNeu < 2 ? std::string() : std::to_string(s.fWoche);
}

// A field holding the separator or a line break would shift every later column for the program
// that reads the list: it goes in double quotes, a quote inside doubled. Every other field is
// written as it is, quotes included, so lists without such a text stay as they always were.
std::string CSVFeld(const std::string& feld) {
  if (feld.find_first_of(";\r\n") == std::string::npos) return feld;
  std::string zitiert = "\"";
  for (char c : feld) {
    if (c == '"') zitiert += '"';
    zitiert += c;
  }
  return zitiert + '"';
}

// Fields each followed by ";", then the line end.
std::string CSVZeile(const std::vector<std::string>& felder) {
  std::string zeile;
  for (const std::string& feld : felder) zeile += CSVFeld(feld) + ';';
  return zeile + kCR;
}

// One line per placement, the course list's columns chosen by `felder`.
void CSVZeilen(const TSchule& schule, TExportForm& form, const std::string& kopf,
               const std::function<std::vector<std::string>(const TExportForm&, const TKurs&,
                                                            const TSetzung&)>& felder) {
  form.fBuffer.WriteStrUTF8(kopf + kCR);
  for (const TKurs* k : schule.fKursMenge) {
    ++form.fAnzahl;
    for (const TSetzung* s : k->fSetzungen) {
      form.fBuffer.WriteStrUTF8(CSVZeile(felder(form, *k, *s)));
      form.ZeileGeschrieben();
    }
  }
}

void CSVExport(const TSchule& schule, TExportForm& form) {
  CSVZeilen(schule, form, "Id;Art;Lehrerkuerzel;Fach;Kurs;Raum;Wochentag;Stunde;Woche;Klassen",
            [](const TExportForm& f, const TKurs& k, const TSetzung& s) {
              return std::vector<std::string>{std::to_string(f.fNr + 1),
                                              Art(s),
                                              KuerzelVon(k.fLehrer),
                                              KuerzelVon(k.fFach),
                                              k.fInfo.str(),
                                              KuerzelVon(s.fRaum),
                                              std::to_string(s.fTag),
                                              std::to_string(s.fStunde),
                                              Woche(s),
                                              Klassen(k)};
            });
}

void CSVSMExport(const TSchule& schule, TExportForm& form) {
  CSVZeilen(schule, form,
            "Id;KursId;Art;Lehrerkuerzel;Fach;Kurs;Raum;Wochentag;Stunde;Bezeichnung;Woche;"
            "Klassen;Kopplung",
            [](const TExportForm& f, const TKurs& k, const TSetzung& s) {
              return std::vector<std::string>{std::to_string(f.fNr + 1),
                                              std::to_string(f.fAnzahl),
                                              Art(s),
                                              KuerzelVon(k.fLehrer),
                                              KuerzelVon(k.fFach),
                                              k.fInfo.str(),
                                              KuerzelVon(s.fRaum),
                                              std::to_string(s.fTag),
                                              std::to_string(s.fStunde),
                                              StundenBez(s).str(),
                                              Woche(s),
                                              Klassen(k),
                                              KuerzelVon(k.fKopplung)};
            });
}

}  // namespace

void KursExportToFile(const TSchule& schule, Dialoge& dialoge, const std::string& pfad) {
  Exportiere(dialoge, pfad, KursZeilen(schule),
             [&](TExportForm& form) { KursExport(schule, form); });
}

std::vector<uint8_t> KursExportBytes(const TSchule& schule) {
  return ExportBytes([&](TExportForm& form) { KursExport(schule, form); });
}

void CSVExportToFile(const TSchule& schule, Dialoge& dialoge, const std::string& pfad) {
  Exportiere(dialoge, pfad, schule.fKursMenge.ListeZahlElemente(),
             [&](TExportForm& form) { CSVExport(schule, form); });
}

std::vector<uint8_t> CSVExportBytes(const TSchule& schule) {
  return ExportBytes([&](TExportForm& form) { CSVExport(schule, form); });
}

void CSVSMExportToFile(const TSchule& schule, Dialoge& dialoge, const std::string& pfad) {
  Exportiere(dialoge, pfad, schule.fKursMenge.ListeZahlElemente(),
             [&](TExportForm& form) { CSVSMExport(schule, form); });
}

std::vector<uint8_t> CSVSMExportBytes(const TSchule& schule) {
  return ExportBytes([&](TExportForm& form) { CSVSMExport(schule, form); });
}

}  // namespace orbato
