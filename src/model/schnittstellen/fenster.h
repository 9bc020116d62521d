#pragma once

#include <string>

namespace orbato {

class TElement;
class TKurs;

// A document window as the core sees it: records keep non-owning links to the windows that show
// them (`fGrDatFenster`, `fDepFenster`, `fPlnFenster`) and the document keeps the list of open
// ones; after a change the core tells them to redraw. The window classes of the GUI implement it.
class Fenster {
 public:
  virtual ~Fenster() = default;

  // Redraw from the data as it stands.
  virtual void FensterUpdate() = 0;
  // Recompute what the window derives from the data (sums, lists, sort order), then redraw.
  virtual void FensterRefresh() = 0;
  // Close the window; its record's link and the document's entry are cleared by the closing.
  virtual void FensterSchliessen() = 0;
  // Bring the window in front of the other document windows.
  virtual void FensterNachVorn() = 0;

  // A course is about to be destroyed: a window that lists it or edits it lets go of it.
  virtual void KursEntfernt(const TKurs* kurs) { (void)kurs; }
  // An element is about to be destroyed: a window that shows it without being its own lets go.
  virtual void ElementEntfernt(const TElement* element) { (void)element; }
  // Some placement or blocking changed. Told after every single step of a longer run (the
  // scheduler, a bulk deletion), so a window that shows the whole school gathers the calls and
  // redraws once the run is over.
  virtual void BelegungGeaendert() {}

  // The number of the window's kind (`TFensterTyp`), as the plan file's window list stores it;
  // the kind decides how refresh, copy, paste and new-course commands are dispatched, and which
  // window is reopened when a plan file is loaded.
  virtual int FensterArt() const = 0;
  // The caption; the window list of the plan file stores it, and for an element window its part
  // after the first blank is the element's short name.
  virtual std::string FensterTitel() const = 0;
};

}  // namespace orbato
