#pragma once

#include "app/utThemeSupport.h"

class QLabel;
class QPushButton;

// The two-way question: a message and two captioned buttons. exec() returns 1
// for the first button, 0 for the second or Esc.
class TfrmMakeADecision : public TNrvThemeForm {
  Q_OBJECT

 public:
  explicit TfrmMakeADecision(QWidget* parent = nullptr);

  QLabel* lblMessage = nullptr;
  QPushButton* btnDecision1 = nullptr;
  QPushButton* btnDecision2 = nullptr;
};

int AskDecision(const QString& Caption, const QString& Message, const QString& Choice1,
                const QString& Choice2);
