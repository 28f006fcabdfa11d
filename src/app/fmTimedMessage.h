#pragma once

#include "app/ChoiceDialogLayout.h"

#include <QWidget>

class QLabel;

// A message that stays on screen for a few seconds and closes by itself
// (the login's "Invalid Login Attempt").
class TfrmTimedMessage : public QWidget {
  Q_OBJECT

 public:
  TfrmTimedMessage(const QString& caption, const QString& text, QWidget* parent = nullptr);

  QLabel* lblMessage = nullptr;
  const TChoiceDialogLayout& Layout() const { return FLayout; }

  // Shows it, keeps it up for the given seconds without handling anything the
  // user does, then closes it.
  void ShowFor(int seconds);

 private:
  TChoiceDialogLayout FLayout;
};
