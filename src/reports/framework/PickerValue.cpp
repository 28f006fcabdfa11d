#include "reports/framework/PickerValue.h"

#include "core/RegionalFormats.h"

void TPickerValue::SetDate(const QDate& value) {
  FText = value.isValid() ? DateToStr(value) : QString();
}

void TPickerValue::SetTime(const QTime& value) {
  FText = value.isValid() ? TimeToStr(value) : QString();
}

void TPickerValue::SetDateTime(const QDateTime& value) {
  FText = value.isValid() ? DateToStr(value.date()) + QLatin1Char(' ') + TimeToStr(value.time())
                          : QString();
}

bool TPickerValue::IsValid() const {
  if (IsEmpty()) return true;
  switch (FKind) {
    case pvDate:
      return Date().isValid();
    case pvTime:
      return Time().isValid();
    case pvDateTime:
      return DateTime().isValid();
  }
  return false;
}

QString TPickerValue::Problem() const {
  if (IsValid()) return {};
  switch (FKind) {
    case pvDate:
      return QStringLiteral("'%1' is not a valid date").arg(FText);
    case pvTime:
      return QStringLiteral("'%1' is not a valid time").arg(FText);
    case pvDateTime:
      break;
  }
  return QStringLiteral("'%1' is not a valid date and time").arg(FText);
}

QDate TPickerValue::Date() const {
  QDate date;
  if (FKind == pvDate && TryStrToDate(FText, date)) return date;
  if (FKind == pvDateTime) return DateTime().date();
  return {};
}

QTime TPickerValue::Time() const {
  QTime time;
  if (FKind == pvTime && TryStrToTime(FText, time)) return time;
  if (FKind == pvDateTime) return DateTime().time();
  return {};
}

QDateTime TPickerValue::DateTime() const {
  QDateTime value;
  if (FKind == pvDateTime && TryStrToDateTime(FText, value)) return value;
  if (FKind == pvDate && Date().isValid()) return QDateTime(Date(), QTime(0, 0), Qt::UTC);
  if (FKind == pvTime && Time().isValid()) return QDateTime(QDate(1899, 12, 30), Time(), Qt::UTC);
  return {};
}

QString TPickerValue::DisplayText() const {
  if (IsEmpty() || !IsValid()) return FText;
  switch (FKind) {
    case pvDate:
      return DateToStr(Date());
    case pvTime:
      return TimeToStr(Time());
    case pvDateTime:
      break;
  }
  return DateToStr(DateTime().date()) + QLatin1Char(' ') + ShortTimeToStr(DateTime().time());
}

void SplitDateTimeText(const QString& text, QString& dateText, QString& timeText) {
  const QString trimmed = text.trimmed();
  const int blank = trimmed.indexOf(QLatin1Char(' '));
  dateText = blank < 0 ? trimmed : trimmed.left(blank);
  timeText = blank < 0 ? QString() : trimmed.mid(blank + 1).trimmed();
}
