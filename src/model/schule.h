#pragma once

namespace orbato {

// The school document: owns every record of one school. This is its seed; it grows with the
// element, course and substitution lists.
class TSchule {
 public:
  // Marks the document as changed (or, with false, as saved).
  void SetDirty(bool geaendert = true) { fGeaendert = geaendert; }
  bool IsDirty() const { return fGeaendert; }

 private:
  bool fGeaendert = false;
};

// The document of the running program, installed by its owner like the settings object; without
// one a default document answers.
TSchule& Schule();

class TSchuleEinsetzen {
 public:
  explicit TSchuleEinsetzen(TSchule& schule);
  ~TSchuleEinsetzen();
  TSchuleEinsetzen(const TSchuleEinsetzen&) = delete;
  TSchuleEinsetzen& operator=(const TSchuleEinsetzen&) = delete;

 private:
  TSchule* fVorher;
};

}  // namespace orbato
