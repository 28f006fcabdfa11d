#pragma once

#include <QString>

// What every parameter dialog shares: its caption, the reset when shown, the
// checks made on OK and the copy into its result fields. The Qt views and the
// scripted answers both go through Accept, so a bad value gets the same
// message either way.
class TParameterDialogModel {
 public:
  virtual ~TParameterDialogModel() = default;

  QString Caption;

  // Called each time the dialog is shown: clears the results, fills lists.
  // False when the dialog cannot be used and closes as cancelled (its
  // message has been shown).
  virtual bool BeginShow() { return true; }
  // The first failing check's message; empty when the entries are acceptable.
  virtual QString Validate() const = 0;
  // OK pressed: shows the failing check's message (warning, OK) and keeps
  // the dialog open by returning false; otherwise fills the result fields.
  bool Accept();
  // Cancel pressed.
  virtual void Cancel() {}

 protected:
  virtual void StoreResults() = 0;
};
