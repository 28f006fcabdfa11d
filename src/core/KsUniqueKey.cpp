#include "core/KsUniqueKey.h"

namespace {

const char kBase64Digits[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz{|";
constexpr int kGuidHexDigits = 32;

}  // namespace

QString UniqueKeyFromGuidText(const QString& GuidText) {
  QString hex;
  hex.reserve(kGuidHexDigits);
  for (const QChar c : GuidText)
    if (c.isDigit() || (c.toUpper() >= QLatin1Char('A') && c.toUpper() <= QLatin1Char('F')))
      hex += c.toUpper();
  if (hex.size() > kGuidHexDigits) hex = hex.right(kGuidHexDigits);
  hex = hex.rightJustified(kGuidHexDigits, QLatin1Char('0'));

  // One group of two digits, then ten of three: 8 + 10 x 12 bits.
  QString key;
  key.reserve(22);
  int start = 0;
  for (int length : {2, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3}) {
    const int value = hex.mid(start, length).toInt(nullptr, 16);
    key += QLatin1Char(kBase64Digits[value / 64]);
    key += QLatin1Char(kBase64Digits[value % 64]);
    start += length;
  }
  return key;
}

QString UniqueKeyFromGuid(const QUuid& Guid) {
  return UniqueKeyFromGuidText(Guid.toString(QUuid::WithBraces));
}

QString NewUniqueKey() {
  return UniqueKeyFromGuid(QUuid::createUuid());
}
