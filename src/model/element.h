#pragma once

namespace orbato {

// The root of every record of the school document: teachers, classes, rooms, subjects, couplings
// and courses. Records are held by pointer in the document's lists and are never copied.
class TElement {
 public:
  virtual ~TElement() = default;
  TElement(const TElement&) = delete;
  TElement& operator=(const TElement&) = delete;

 protected:
  TElement() = default;
  // Every setter of a stored field calls this, so that closing asks to save.
  static void Geaendert();
};

}  // namespace orbato
