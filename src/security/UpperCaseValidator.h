#pragma once

#include <QValidator>

// Turns what is typed into an edit box into capitals as it is typed, the
// way the suite's user name and password boxes behave.
class TUpperCaseValidator : public QValidator {
  Q_OBJECT

 public:
  using QValidator::QValidator;

  State validate(QString& input, int& pos) const override;
};
