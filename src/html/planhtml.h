#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "html/htmlseite.h"
#include "model/elemente/kuerzelart.h"

namespace orbato {

class Dialoge;
class TElement;
class TSchule;

// The pages of the "Planinformationssystem": the current plan version of the whole school as
// static pages that link to each other by the elements' numbers, their 1-based positions in their
// lists. The pages read the settings installed as the program's (school name, days, periods and
// their labels, hour values) and never change the document.
class TPlanHTML {
 public:
  explicit TPlanHTML(const TSchule& schule);

  // The kinds with pages of their own, in the order their list pages and element pages are
  // written: teachers, classes, rooms, couplings, subjects.
  static constexpr std::array<TKuerzelArt, 5> kArten{leh, kla, rau, kop, fac};

  // "index.html": the school name and the links to the six list pages.
  THTMLSeite Index() const;
  // "lpl.html", "kpl.html", "rpl.html", "ko.html", "fa.html": links to the kind's pages, four in
  // a table row.
  THTMLSeite Liste(TKuerzelArt art) const;
  // "ku.html": the course table of every course.
  THTMLSeite AlleKurse() const;
  // The page of element `nr` (1-based) of a kind: the week grid of a teacher, class or room, the
  // course table of a coupling or subject.
  THTMLSeite Element(TKuerzelArt art, int32_t nr) const;

  // Every file name in the order the export writes them.
  std::vector<std::string> Dateien() const;

  const std::vector<const TElement*>& Elemente(TKuerzelArt art) const;
  // The element's number in its list, 0 for none.
  int32_t Nummer(const TElement* element) const;

 private:
  const TSchule& fSchule;
  std::array<std::vector<const TElement*>, kArten.size()> fElemente;
  std::unordered_map<const TElement*, int32_t> fNummern;
};

// The page names: the kind's prefix ("lpl", "kpl", "rpl", "ko", "fa") with the number and
// ".html"; without a number the kind's list page.
std::string PlanSeitenName(TKuerzelArt art, int32_t nr = 0);

// Publishes the pages into the new folder `ordner`: when it cannot be made, because it exists
// or its parent does not, the warning "Kann Verzeichnis nicht erstellen!" is shown, nothing is
// written and the answer is false. The stylesheet goes with the pages (StilvorlageBeilegen) unless
// the settings leave it out. The files go into the folder by their full paths; the working
// directory of the process stays as it was. The progress window shows the folder's name and the
// short name of the element being written, its bar counting the elements of the kind. A file
// that cannot be written raises TStreamFehler.
bool PlanHTMLExport(const TSchule& schule, const std::string& ordner, Dialoge& dialoge);

// The title of the export's progress window.
extern const char kPlanHTMLTitel[];

}  // namespace orbato
