#pragma once

#include "model/basis/datum.h"

namespace orbato {

// Where the core learns what time it is, so that every date rule can be tested on a fixed day.
class Uhr {
 public:
  virtual ~Uhr() = default;
  virtual TDatumZeit Jetzt() const = 0;
  // Today at noon, the way dates of absences and substitutions are kept.
  TDatumZeit Heute() const;
};

// The computer's clock in local time.
class TSystemUhr : public Uhr {
 public:
  TDatumZeit Jetzt() const override;
};

// A clock that stands still at one moment.
class TFesteUhr : public Uhr {
 public:
  explicit TFesteUhr(TDatumZeit jetzt) : fJetzt(jetzt) {}
  TDatumZeit Jetzt() const override { return fJetzt; }
  // Moves the clock on, for rules that wait for time to pass.
  void Stellen(TDatumZeit jetzt) { fJetzt = jetzt; }

 private:
  TDatumZeit fJetzt;
};

}  // namespace orbato
