#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

// What a date, time or date-and-time picker holds: the text the user typed
// (or the picker shows), read in the workstation's formats. An empty text is
// an empty picker; a text that is no calendar date (02/30/2015) is invalid.
class TPickerValue {
 public:
  enum TKind { pvDate, pvTime, pvDateTime };

  explicit TPickerValue(TKind kind = pvDate) : FKind(kind) {}

  TKind Kind() const { return FKind; }
  const QString& Text() const { return FText; }
  void SetText(const QString& text) { FText = text.trimmed(); }
  void Clear() { FText.clear(); }
  bool IsEmpty() const { return FText.isEmpty(); }
  // Shows the value the way the picker displays it.
  void SetDate(const QDate& value);
  void SetTime(const QTime& value);
  void SetDateTime(const QDateTime& value);

  // False for a text that is not a date/time of the picker's kind (an empty
  // picker is valid).
  bool IsValid() const;
  // The message for an invalid text, empty when valid.
  QString Problem() const;

  // The values; null when empty or invalid.
  QDate Date() const;
  QTime Time() const;
  QDateTime DateTime() const;  // naive, carried as UTC
  // The text the picker displays for its value: short date, long time, or
  // short date and short time; the typed text when invalid.
  QString DisplayText() const;

 private:
  TKind FKind;
  QString FText;
};

// Splits an answer such as "03/05/2015 2:07 PM" at its first blank into the
// date and the time text.
void SplitDateTimeText(const QString& text, QString& dateText, QString& timeText);
