#pragma once

#include <QCursor>
#include <QGuiApplication>

namespace orbato {

// The wait cursor for one scope.
class TWarteZeiger {
 public:
  TWarteZeiger() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
  ~TWarteZeiger() { QGuiApplication::restoreOverrideCursor(); }
  TWarteZeiger(const TWarteZeiger&) = delete;
  TWarteZeiger& operator=(const TWarteZeiger&) = delete;
};

}  // namespace orbato
