#include "ui/hauptfenster/fensterregister.h"

#include <iterator>

namespace orbato {
namespace {

TFensterRegister* gRegister = nullptr;

}  // namespace

void TFensterRegister::Anmelden(TFensterTyp typ, Fenster* fenster) {
  fFenster[typ] = fenster;
}

void TFensterRegister::Abmelden(const Fenster* fenster) {
  std::erase_if(fFenster, [fenster](const auto& eintrag) { return eintrag.second == fenster; });
}

Fenster* TFensterRegister::Offen(TFensterTyp typ) const {
  const auto it = fFenster.find(typ);
  return it == fFenster.end() ? nullptr : it->second;
}

TFensterRegister& FensterRegister() {
  static TFensterRegister eigenes;
  return gRegister ? *gRegister : eigenes;
}

TFensterRegisterEinsetzen::TFensterRegisterEinsetzen(TFensterRegister& register_)
    : fVorher(gRegister) {
  gRegister = &register_;
}

TFensterRegisterEinsetzen::~TFensterRegisterEinsetzen() {
  gRegister = fVorher;
}

}  // namespace orbato
