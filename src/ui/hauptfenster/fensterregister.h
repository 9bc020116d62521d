#pragma once

#include <map>

#include "model/fenster/fenstertyp.h"
#include "model/schnittstellen/fenster.h"

namespace orbato {

// The document windows of which there is one at most ("alle Kurse", the course window, the
// statistics, the overviews, the hour distribution, the parallel couplings and the two
// substitution windows), by kind. A window enters itself when it opens and leaves when it closes
// or is destroyed, so the register never hands out a closed window.
class TFensterRegister {
 public:
  // The window becomes the one of its kind.
  void Anmelden(TFensterTyp typ, Fenster* fenster);
  // Leaves nothing behind when the window is the one of its kind; another one of the kind stays.
  void Abmelden(const Fenster* fenster);
  Fenster* Offen(TFensterTyp typ) const;
  template <class T>
  T* Offen(TFensterTyp typ) const {
    return dynamic_cast<T*>(Offen(typ));
  }

 private:
  std::map<TFensterTyp, Fenster*> fFenster;
};

// The register of the main window; windows built on their own (tests without a main window)
// share one of their own.
TFensterRegister& FensterRegister();

// Installs the main window's register while it lives.
class TFensterRegisterEinsetzen {
 public:
  explicit TFensterRegisterEinsetzen(TFensterRegister& register_);
  ~TFensterRegisterEinsetzen();
  TFensterRegisterEinsetzen(const TFensterRegisterEinsetzen&) = delete;
  TFensterRegisterEinsetzen& operator=(const TFensterRegisterEinsetzen&) = delete;

 private:
  TFensterRegister* fVorher;
};

}  // namespace orbato
