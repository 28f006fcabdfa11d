#include "security/LoginDialogModel.h"

QString LoginEntryText(const QString& ATyped) {
  return ATyped.toUpper();
}
