#include "security/UpperCaseValidator.h"

#include "security/LoginDialogModel.h"

QValidator::State TUpperCaseValidator::validate(QString& input, int& /*pos*/) const {
  input = LoginEntryText(input);
  return Acceptable;
}
