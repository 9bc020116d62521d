// The layout all plan printouts share: cells sized by the widest texts, plans tiled across and
// down the page, each a title above a grid of days and periods.
#include "print/planlayout.h"

#include <QBrush>
#include <QPen>
#include <algorithm>

#include "platform/qttext.h"
#include "print/druckauftrag.h"
#include "print/prevprinter.h"
#include "print/seitenkopf.h"

namespace orbato {
namespace {

constexpr int kZellenZugabe = 20;  // room above and below the texts of a cell or label row
constexpr int kPlanAbstand = 50;   // between two plans side by side
constexpr double kZollProCm = 1 / 2.54;

// A text's width with half a blank on either side, so that the widest text does not touch the
// lines of its cell.
int Breite(const TPrevPrinter& drucker, const QString& text) {
  return drucker.TextWidth(text) + drucker.TextWidth(QStringLiteral(" "));
}

int Breiteste(const TPrevPrinter& drucker, const std::vector<QString>& texte) {
  int breite = 0;
  for (const QString& t : texte) breite = std::max(breite, Breite(drucker, t));
  return breite;
}

QString TagText(const TStandard& st, int32_t tag) {
  return QtText(st.fTagBez[static_cast<std::size_t>(tag - 1)].str());
}

QString StundenText(const TStandard& st, int32_t woche, int32_t std) {
  return QtText(
      st.fStdBez[static_cast<std::size_t>(woche - 1)][static_cast<std::size_t>(std - 1)].str());
}

std::vector<QString> TagTexte(const TStandard& st, const TPlanBereich& b) {
  std::vector<QString> texte;
  for (int32_t t = b.vonTag; t <= b.bisTag; ++t) texte.push_back(TagText(st, t));
  return texte;
}

// The labels of the periods of every version the job prints.
std::vector<QString> StundenTexte(const TStandard& st, const TPlanBereich& b,
                                  const TPlanSatz& satz) {
  std::vector<QString> texte;
  for (const TGedruckterPlan& plan : satz.plaene) {
    for (int32_t s = b.vonStd; s <= b.bisStd; ++s) texte.push_back(StundenText(st, plan.woche, s));
  }
  return texte;
}

// The cell by its parts: stacked, as wide as the widest part; side by side, their sum.
void ZellenGroesse(const TPrevPrinter& drucker, const TPlanSatz& satz, TPlanMasse& m) {
  const int teile = static_cast<int>(satz.teilTexte.size());
  const int stern = drucker.TextWidth(QStringLiteral("*")) + kZellenZugabe;
  if (satz.nebeneinander) {
    m.zelleBreite = 0;
    for (const auto& texte : satz.teilTexte) m.zelleBreite += Breiteste(drucker, texte);
    if (teile == 0) m.zelleBreite = stern;
    m.zelleHoehe = m.zeile + kZellenZugabe;
  } else {
    m.zelleBreite = stern;
    if (teile > 0) m.zelleBreite = 0;
    for (const auto& texte : satz.teilTexte) {
      m.zelleBreite = std::max(m.zelleBreite, Breiteste(drucker, texte));
    }
    m.zelleHoehe = std::max(1, teile) * m.zeile + kZellenZugabe;
  }
}

// The box inside the margins, never beyond the part of the sheet the printer reaches.
void Raender(const TPrevPrinter& drucker, const TDruckEinstellung& e, TPlanMasse& m) {
  m.links = std::max(drucker.XInch(e.RandLi * kZollProCm), drucker.XOff());
  m.oben = std::max(drucker.YInch(e.RandOb * kZollProCm), drucker.YOff());
  m.rechts = std::min(drucker.PageSize().width() - drucker.XInch(e.RandRe * kZollProCm),
                      drucker.XOff() + drucker.PrintSize().width());
  m.unten = std::min(drucker.PageSize().height() - drucker.YInch(e.RandUn * kZollProCm),
                     drucker.YOff() + drucker.PrintSize().height());
}

// "Seite N" of the page header, with the plan font.
void Kopf(TPrevPrinter& drucker, const TDruckAuftrag& auftrag, const TDruckEinstellung& e,
          const QFont& schrift, const TPlanMasse& m) {
  drucker.SetFont(schrift);
  drucker.SetPen(QPen(Qt::black, std::max(1, drucker.XInch(0.006))));
  DruckKopf(drucker, auftrag, e.Datum, m.links, m.oben);
}

// A text centred in a box one line high plus the room of the cell.
void Mittig(TPrevPrinter& drucker, const QString& text, int x, int y, int breite, int hoehe) {
  drucker.TextOut(x + (breite - drucker.TextWidth(text)) / 2,
                  y + (hoehe - drucker.TextHeight()) / 2, text);
}

// A blocked cell is crossed out corner to corner, a little inside its lines.
void SperrMarke(TPrevPrinter& drucker, int x, int y, const TPlanMasse& m) {
  const int rand = kZellenZugabe / 4;
  drucker.Line(x + rand, y + rand, x + m.zelleBreite - rand, y + m.zelleHoehe - rand);
  drucker.Line(x + m.zelleBreite - rand, y + rand, x + rand, y + m.zelleHoehe - rand);
}

void Eintrag(TPrevPrinter& drucker, const TPlanEintrag& eintrag, const TDruckEinstellung& e,
             const QFont& schrift, int x, int y, const TPlanMasse& m,
             const std::vector<int>& teilBreiten, bool nebeneinander) {
  drucker.SetBrush(QBrush(e.Farbe ? QtFarbe(eintrag.farbe) : QColor(Qt::white)));
  drucker.Rectangle(x, y, x + m.zelleBreite + 1, y + m.zelleHoehe + 1);
  drucker.SetBrush(Qt::NoBrush);
  QFont f = schrift;
  f.setBold(eintrag.fett);
  f.setUnderline(eintrag.unterstrichen);
  drucker.SetFont(f);
  if (teilBreiten.empty()) {
    Mittig(drucker, QStringLiteral("*"), x, y, m.zelleBreite, m.zelleHoehe);
  } else {
    const int halb = drucker.TextWidth(QStringLiteral(" ")) / 2;
    int tx = x;
    for (std::size_t i = 0; i < teilBreiten.size() && i < eintrag.teile.size(); ++i) {
      const int ty = nebeneinander ? y : y + static_cast<int>(i) * m.zeile;
      drucker.TextOut(tx + halb, ty + kZellenZugabe / 2, eintrag.teile[i]);
      if (nebeneinander) tx += teilBreiten[i];
    }
  }
  drucker.SetFont(schrift);
}

// The title lines, each shrunk to the plan's width when longer, so that neighbours keep clear.
void Titel(TPrevPrinter& drucker, const TGedruckterPlan& plan, const QFont& schrift, int x, int y,
           const TPlanMasse& m) {
  const int platz = m.planBreite - drucker.TextWidth(QStringLiteral(" "));
  for (int i = 0; i < plan.titel.size(); ++i) {
    const int breite = drucker.TextWidth(plan.titel[i]);
    if (breite > platz && platz > 0) {
      QFont klein = schrift;
      klein.setPixelSize(std::max(1, schrift.pixelSize() * platz / breite));
      drucker.SetFont(klein);
    }
    drucker.TextOut(x, y + i * m.zeile, plan.titel[i]);
    drucker.SetFont(schrift);
  }
}

// Which day and period a cell of the grid stands for, by its row and column (0-based).
struct TZelle {
  int32_t tag, std;
};
TZelle ZelleAn(const TDruckEinstellung& e, const TPlanBereich& b, int reihe, int spalte) {
  return e.Links ? TZelle{b.vonTag + reihe, b.vonStd + spalte}
                 : TZelle{b.vonTag + spalte, b.vonStd + reihe};
}

QString SpaltenText(const TStandard& st, const TDruckEinstellung& e, const TPlanBereich& b,
                    int32_t woche, int spalte) {
  return e.Links ? StundenText(st, woche, b.vonStd + spalte) : TagText(st, b.vonTag + spalte);
}

QString ReihenText(const TStandard& st, const TDruckEinstellung& e, const TPlanBereich& b,
                   int32_t woche, int reihe) {
  return e.Links ? TagText(st, b.vonTag + reihe) : StundenText(st, woche, b.vonStd + reihe);
}

struct TPlanZeichner {
  TPrevPrinter& drucker;
  const TStandard& st;
  const TDruckEinstellung& e;
  const TPlanBereich bereich;
  const TPlanMasse& m;
  const QFont& schrift;
  std::vector<int> teilBreiten;
  bool nebeneinander;

  void Beschriftung(const TGedruckterPlan& plan, int x, int y) const {
    drucker.Rectangle(x, y, x + m.randBreite + 1, y + m.kopfHoehe + 1);
    for (int c = 0; c < m.spalten; ++c) {
      const int cx = x + m.randBreite + c * m.zelleBreite;
      drucker.Rectangle(cx, y, cx + m.zelleBreite + 1, y + m.kopfHoehe + 1);
      Mittig(drucker, SpaltenText(st, e, bereich, plan.woche, c), cx, y, m.zelleBreite,
             m.kopfHoehe);
    }
    for (int r = 0; r < m.reihen; ++r) {
      const int ry = y + m.kopfHoehe + r * m.zelleHoehe;
      drucker.Rectangle(x, ry, x + m.randBreite + 1, ry + m.zelleHoehe + 1);
      Mittig(drucker, ReihenText(st, e, bereich, plan.woche, r), x, ry, m.randBreite, m.zelleHoehe);
    }
  }

  void Zellen(const TGedruckterPlan& plan, int x, int y) const {
    for (int r = 0; r < m.reihen; ++r) {
      for (int c = 0; c < m.spalten; ++c) {
        const TZelle z = ZelleAn(e, bereich, r, c);
        const int cx = x + m.randBreite + c * m.zelleBreite;
        const int cy = y + m.kopfHoehe + r * m.zelleHoehe;
        if (const auto& eintrag = plan.Zelle(z.tag, z.std)) {
          Eintrag(drucker, *eintrag, e, schrift, cx, cy, m, teilBreiten, nebeneinander);
          continue;
        }
        drucker.Rectangle(cx, cy, cx + m.zelleBreite + 1, cy + m.zelleHoehe + 1);
        if (e.Sperr && plan.Gesperrt(z.tag, z.std)) SperrMarke(drucker, cx, cy, m);
      }
    }
  }

  void Plan(const TGedruckterPlan& plan, int x, int y) const {
    Titel(drucker, plan, schrift, x, y, m);
    const int gitter = y + m.titelZeilen * m.zeile;
    Beschriftung(plan, x, gitter);
    Zellen(plan, x, gitter);
  }
};

}  // namespace

TPlanBereich PlanBereich(const TDruckEinstellung& e) {
  TPlanBereich b;
  b.vonTag = std::clamp<int32_t>(e.VonTag, 1, kMaxTage);
  b.bisTag = std::clamp<int32_t>(e.BisTag, b.vonTag, kMaxTage);
  b.vonStd = std::clamp<int32_t>(e.VonStd, 1, kMaxStunden);
  b.bisStd = std::clamp<int32_t>(e.BisStd, b.vonStd, kMaxStunden);
  return b;
}

TPlanMasse PlanMasse(const TPrevPrinter& drucker, const TStandard& st, const TDruckEinstellung& e,
                     const TPlanSatz& satz) {
  const TPlanBereich b = PlanBereich(e);
  TPlanMasse m;
  Raender(drucker, e, m);
  m.zeile = drucker.TextHeight();
  ZellenGroesse(drucker, satz, m);
  const int tage = Breiteste(drucker, TagTexte(st, b));
  const int stunden = Breiteste(drucker, StundenTexte(st, b, satz));
  m.randBreite = e.Links ? tage : stunden;
  m.zelleBreite = std::max(m.zelleBreite, e.Links ? stunden : tage);
  const int tagZahl = b.bisTag - b.vonTag + 1, stdZahl = b.bisStd - b.vonStd + 1;
  m.spalten = e.Links ? stdZahl : tagZahl;
  m.reihen = e.Links ? tagZahl : stdZahl;
  m.kopfHoehe = m.zeile + kZellenZugabe;
  for (const TGedruckterPlan& plan : satz.plaene) {
    m.titelZeilen = std::max(m.titelZeilen, static_cast<int>(plan.titel.size()));
  }
  m.planBreite = m.randBreite + m.spalten * m.zelleBreite + kPlanAbstand;
  // A line of room below each plan parts it from the title of the plan under it.
  m.planHoehe = m.titelZeilen * m.zeile + m.kopfHoehe + m.reihen * m.zelleHoehe + m.zeile;
  m.quer = (m.rechts - m.links) / m.planBreite;
  m.hoch = (m.unten - m.oben - 3 * m.zeile) / m.planHoehe;
  if (m.quer <= 0 || e.EineSeite) m.quer = 1;
  if (m.hoch <= 0 || e.EineSeite) m.hoch = 1;
  return m;
}

void PlaeneAufzeichnen(TPrevPrinter& drucker, const TDruckAuftrag& auftrag,
                       const TDruckEinstellung& e, const TPlanSatz& satz) {
  drucker.NewJob(satz.jobTitel);
  const QFont schrift = drucker.Schrift(QtText(e.Font.Name), e.Font.Groesse);
  // Bold couplings are measured bold, so that they fit their cells as well.
  QFont mass = schrift;
  mass.setBold(e.Fett);
  drucker.SetFont(mass);
  const TPlanMasse m = PlanMasse(drucker, auftrag.standard, e, satz);
  TPlanZeichner zeichner{drucker, auftrag.standard, e,  PlanBereich(e),
                         m,       schrift,          {}, satz.nebeneinander};
  // Side by side each part starts where the one before ends; stacked, all at the left.
  for (const auto& texte : satz.teilTexte) {
    zeichner.teilBreiten.push_back(satz.nebeneinander ? Breiteste(drucker, texte) : 0);
  }
  Kopf(drucker, auftrag, e, schrift, m);
  const int proSeite = m.quer * m.hoch;
  for (std::size_t k = 0; k < satz.plaene.size(); ++k) {
    const int nr = static_cast<int>(k);
    if (nr > 0 && nr % proSeite == 0) {
      drucker.NewPage();
      Kopf(drucker, auftrag, e, schrift, m);
    }
    const int platz = nr % proSeite;
    zeichner.Plan(satz.plaene[k], platz % m.quer * m.planBreite + m.links,
                  platz / m.quer * m.planHoehe + 3 * m.zeile + m.oben);
  }
  drucker.DonePrinting();
}

}  // namespace orbato
