#include "app/orbato/planinfo.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <locale>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "model/schulfixture.h"

namespace orbato {
namespace {

class PlanInfo : public SchulTest {
 protected:
  std::string Info(int32_t formatVersion = -300) {
    std::ostringstream aus;
    SchreibePlanInfo(aus, fSchule, formatVersion, fStandard);
    return aus.str();
  }
};

// The calendar line: 888 versions of 1 except the weeks given.
std::string Kalender(const std::map<int, int>& abweichend) {
  std::string zeile = "[";
  for (int woche = 0; woche < kKalenderWochen; ++woche) {
    if (woche > 0) zeile += ", ";
    const auto stelle = abweichend.find(woche);
    zeile += std::to_string(stelle != abweichend.end() ? stelle->second : 1);
  }
  return zeile + "]";
}

TEST_F(PlanInfo, DescribesTheEmptyDocument) {
  EXPECT_EQ(Info(), R"({
  "formatversion": -300,
  "dateiName": "Ohne Titel",
  "geaendert": false,
  "versionen": 1,
  "aktuelleWoche": 1,
  "kalender": )" + Kalender({}) +
                        R"(,
  "grWoBereich": [
    [0, 0, 0, 0, 0, 0, 0]
  ],
  "ueWoBereich": [
    [0, 0, 0, 0, 0, 0, 0]
  ],
  "lehrer": [],
  "klassen": [],
  "kopplungen": [],
  "faecher": [],
  "raeume": [],
  "uvtabellen": [],
  "kurse": [],
  "fehlLehrer": [],
  "fehlKlassen": [],
  "fehlRaeume": [],
  "parallel": {
    "zeilen": 1,
    "spalten": 1,
    "zellen": [null]
  },
  "fenster": []
}
)");
}

// One of everything, in two plan versions. The two substitution records of the first lesson stand
// in the document's list in the reverse order of the placement's, so their numbers are 2 and 1.
TEST_F(PlanInfo, DescribesEveryKindOfRecordOfADocument) {
  fStandard.SetMaxWocheNeu(2);
  fSchule.SetDateiName("schule.orb");
  fSchule.fKalender[0] = 2;
  fSchule.fKalender[887] = 3;
  fSchule.fGrWoBereich.SetWochenZahl(2);
  fSchule.fUEWoBereich.SetWochenZahl(2);
  fSchule.fGrWoBereich.SetWocheTag(1, 1, 0xFFFF);
  fSchule.fGrWoBereich.SetWocheTag(2, 7, std::numeric_limits<int32_t>::min());

  TRaum* r = fSchule.HoleRaum("R12");
  r->fLetzteAenderung = 45970.996;
  TLehrer* l = fSchule.HoleLehrer("M\xDC");
  l->SetInfo("M\xFCller");
  l->SetSoll(2, 20);
  l->SetRaum(r);
  l->SetVStunden1(3);
  l->SetVStunden2(-2);
  l->SetfreierTag(true);
  l->fSperrung.SetWocheTagStd(2, 3, true, 1);
  l->fLetzteAenderung = 45970.4166;
  TFach* f = fSchule.HoleFach("D");
  f->SetInfo("Deutsch");
  f->NeuerLehrer(l);
  TKlasse* k = fSchule.HoleKlasse("5a");
  k->SetLehrer1(l);
  k->SetKopDop(true);
  TKopplung* o = fSchule.HoleKopplung("REL5");
  o->SetInfo("a\"b\\c\x01\x80");
  auto* uv = new TUVTab;
  uv->SetKuerzel("UV1");
  uv->fIstFach = true;
  uv->fFaecher.ListeAnhaengen(f);
  uv->fKlassen.ListeAnhaengen(k);
  fSchule.fUVTabMenge.ListeAnhaengen(uv);

  TKurs* kurs = Kurs(l, k, 4, r, f, o);
  kurs->fStunden.SetWochenStunde(1, 4);
  kurs->fStunden.SetWochenStunde(2, 3);
  kurs->SetInfo("F\xF6rder");
  kurs->SetnichtZaehlenKl(true);
  kurs->SetColor(0x00FF00);
  kurs->fSperrung.SetWocheTag(2, 5, 0x8000);
  TSetzung* s = Setze(kurs, 1, 1, 2, r);
  Setze(kurs, 2, 3, 5)->SetFixiert(true);

  auto* erste = new TVertretung;
  erste->fDatum = 45971.5;
  erste->fAdHoc = 45970.5;
  erste->fRaum = r;
  erste->fFach = f;
  erste->fLInfo = "krank";
  erste->fNr = 7;  // a stale number from the file must not show
  auto* zweite = new TVertretung;
  zweite->fDatum = 45971.5;
  zweite->fLehrer = l;
  zweite->fSInfo = "Raum\ttausch";
  zweite->fFrei = true;
  zweite->fGueltig = false;
  zweite->fAngerechnet = false;
  erste->fZu = zweite;
  zweite->fVon = erste;
  for (TVertretung* v : {erste, zweite}) {
    v->fKurs = kurs;
    v->fSetzung = s;
    s->fVertretungen.ListeAnhaengen(v);
  }
  fSchule.fVertretungsMenge.ListeAnhaengen(zweite);
  fSchule.fVertretungsMenge.ListeAnhaengen(erste);

  auto* fehl = new TFehl;
  fehl->SetDatum(45971.5);
  fehl->SetElement(l);
  fehl->SetZeit(0xE000);
  fSchule.fFehlLehrerMenge.ListeAnhaengen(fehl);
  fSchule.fParListe.SetSpalten(2);
  fSchule.fParListe.fListe = {o, nullptr};
  fSchule.fFensterSaetze.push_back({9, "Plan M\xDC", 10, 20, 400, 300});
  fStandard.SetAktuelleWoche(2);
  fSchule.SetDirty(true);

  EXPECT_EQ(Info(), R"({
  "formatversion": -300,
  "dateiName": "schule.orb",
  "geaendert": true,
  "versionen": 2,
  "aktuelleWoche": 2,
  "kalender": )" + Kalender({{0, 2}, {887, 3}}) +
                        R"(,
  "grWoBereich": [
    [65535, 0, 0, 0, 0, 0, 0],
    [0, 0, 0, 0, 0, 0, 2147483648]
  ],
  "ueWoBereich": [
    [0, 0, 0, 0, 0, 0, 0],
    [0, 0, 0, 0, 0, 0, 0]
  ],
  "lehrer": [
    {
      "kuerzel": "MÜ",
      "info": "Müller",
      "soll": [24, 20],
      "raum": "R12",
      "faecher": ["D"],
      "sperrung": [
        [0, 0, 0, 0, 0, 0, 0],
        [0, 0, 1, 0, 0, 0, 0]
      ],
      "besetzung": [
        [2, 0, 0, 0, 0, 0, 0],
        [0, 0, 16, 0, 0, 0, 0]
      ],
      "vstunden1": 3,
      "vstunden2": -2,
      "letzteAenderung": 45970.42,
      "freierTag": true
    }
  ],
  "klassen": [
    {
      "kuerzel": "5a",
      "info": "",
      "soll": [30, 30],
      "raum": null,
      "lehrer1": "MÜ",
      "lehrer2": null,
      "sperrung": [
        [0, 0, 0, 0, 0, 0, 0],
        [0, 0, 0, 0, 0, 0, 0]
      ],
      "besetzung": [
        [2, 0, 0, 0, 0, 0, 0],
        [0, 0, 16, 0, 0, 0, 0]
      ],
      "kopDop": true,
      "letzteAenderung": 0.00
    }
  ],
  "kopplungen": [
    {
      "kuerzel": "REL5",
      "info": "a\"b\\c\u0001€"
    }
  ],
  "faecher": [
    {
      "kuerzel": "D",
      "info": "Deutsch",
      "lehrer": ["MÜ"],
      "klassen": ["5a"]
    }
  ],
  "raeume": [
    {
      "kuerzel": "R12",
      "info": "",
      "sperrung": [
        [0, 0, 0, 0, 0, 0, 0],
        [0, 0, 0, 0, 0, 0, 0]
      ],
      "besetzung": [
        [2, 0, 0, 0, 0, 0, 0],
        [0, 0, 0, 0, 0, 0, 0]
      ],
      "letzteAenderung": 45971.00
    }
  ],
  "uvtabellen": [
    {
      "kuerzel": "UV1",
      "info": "",
      "istFach": true,
      "lehrer": [],
      "faecher": ["D"],
      "klassen": ["5a"]
    }
  ],
  "kurse": [
    {
      "lehrer": "MÜ",
      "fach": "D",
      "kopplung": "REL5",
      "klassen": ["5a"],
      "raeume": ["R12"],
      "raumErgaenzt": [],
      "stunden": [4, 3],
      "info": "Förder",
      "faktor": 1,
      "einzelStd": 3,
      "stdProTag": 1,
      "tabellenNr": 1,
      "nichtVerplanen": false,
      "nichtZaehlenLe": false,
      "nichtZaehlenKl": true,
      "sperrung": [
        [0, 0, 0, 0, 0, 0, 0],
        [0, 0, 0, 0, 32768, 0, 0]
      ],
      "farbe": 65280,
      "setzungen": [
        {
          "woche": 1,
          "tag": 1,
          "stunde": 2,
          "raum": "R12",
          "fixiert": false,
          "vertretungen": [
            {
              "nr": 2,
              "datum": 45971.50,
              "adHoc": 45970.50,
              "lehrer": null,
              "raum": "R12",
              "fach": "D",
              "lInfo": "krank",
              "sInfo": "",
              "frei": false,
              "gueltig": true,
              "angerechnet": true,
              "von": null,
              "zu": 1
            },
            {
              "nr": 1,
              "datum": 45971.50,
              "adHoc": 0.00,
              "lehrer": "MÜ",
              "raum": null,
              "fach": null,
              "lInfo": "",
              "sInfo": "Raum\u0009tausch",
              "frei": true,
              "gueltig": false,
              "angerechnet": false,
              "von": 2,
              "zu": null
            }
          ]
        },
        {
          "woche": 2,
          "tag": 3,
          "stunde": 5,
          "raum": null,
          "fixiert": true,
          "vertretungen": []
        }
      ]
    }
  ],
  "fehlLehrer": [
    {
      "datum": 45971.50,
      "element": "MÜ",
      "zeit": 57344,
      "grund": "-"
    }
  ],
  "fehlKlassen": [],
  "fehlRaeume": [],
  "parallel": {
    "zeilen": 1,
    "spalten": 2,
    "zellen": ["REL5", null]
  },
  "fenster": [
    {
      "art": 9,
      "titel": "Plan MÜ",
      "links": 10,
      "oben": 20,
      "breite": 400,
      "hoehe": 300
    }
  ]
}
)");
}

// A locale that writes numbers the German way, with grouped thousands.
struct TDeutscheZahlen : std::numpunct<char> {
  char do_decimal_point() const override { return ','; }
  char do_thousands_sep() const override { return '.'; }
  std::string do_grouping() const override { return "\3"; }
};

TEST_F(PlanInfo, MomentsHaveTwoDecimalsRoundedToTheNearestInAnyLocale) {
  const std::vector<double> zeiten = {45970.004, 45970.006,          45970.996,   123456.789,
                                      -0.001,    -1.25 - 1.0 / 1024, std::nan("")};
  for (const double zeit : zeiten) {
    auto* raum = new TRaum;
    raum->fLetzteAenderung = zeit;
    fSchule.fRaumMenge.ListeAnhaengen(raum);
  }
  TKurs* kurs = Kurs(nullptr, nullptr, 1);
  kurs->SetColor(16777215);

  std::ostringstream aus;
  aus.imbue(std::locale(aus.getloc(), new TDeutscheZahlen));
  SchreibePlanInfo(aus, fSchule, -300, fStandard);

  std::vector<std::string> gelesen;
  std::istringstream zeilen(aus.str());
  for (std::string zeile; std::getline(zeilen, zeile);) {
    for (const std::string schluessel : {"\"letzteAenderung\": ", "\"farbe\": "}) {
      const auto stelle = zeile.find(schluessel);
      if (stelle != std::string::npos) gelesen.push_back(zeile.substr(stelle + schluessel.size()));
    }
  }
  // A moment that is no number keeps the text JSON.
  EXPECT_EQ(gelesen, (std::vector<std::string>{"45970.00", "45970.01", "45971.00", "123456.79",
                                               "0.00", "-1.25", "null", "16777215,"}));
}

}  // namespace
}  // namespace orbato
