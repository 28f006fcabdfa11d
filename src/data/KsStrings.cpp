#include "data/KsStrings.h"

#include <QRegularExpression>

void TKsStrings::Add(const QString& line) {
  FLines.append(line);
  Changed();
}

void TKsStrings::Insert(int index, const QString& line) {
  FLines.insert(qBound(0, index, int(FLines.size())), line);
  Changed();
}

void TKsStrings::Delete(int index) {
  if (index < 0 || index >= FLines.size()) return;
  FLines.removeAt(index);
  Changed();
}

void TKsStrings::Clear() {
  if (FLines.isEmpty()) return;
  FLines.clear();
  Changed();
}

void TKsStrings::SetLines(const QStringList& lines) {
  if (lines == FLines) return;
  FLines = lines;
  Changed();
}

void TKsStrings::SetText(const QString& text) {
  static const QRegularExpression kBreak(QStringLiteral("\r\n|\n|\r"));
  SetLines(text.isEmpty() ? QStringList() : text.split(kBreak));
}

void TKsStrings::EndUpdate() {
  if (FUpdating > 0 && --FUpdating == 0 && FPending) {
    FPending = false;
    if (FOnChange) FOnChange();
  }
}

void TKsStrings::Changed() {
  if (FUpdating > 0) {
    FPending = true;
    return;
  }
  if (FOnChange) FOnChange();
}
