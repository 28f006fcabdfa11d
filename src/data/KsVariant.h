#pragma once

#include "data/driver/DbTypes.h"

#include <QDateTime>
#include <QString>
#include <QVariant>

#include <functional>

// Conversions between the values a dataset holds (see DbTypes.h) and the
// typed accessors of fields and parameters. Null converts to the type's
// empty value (""/0/false/invalid date-time); text that is not a number or a
// date-time is an error for the caller to report.
namespace KsVariant {

bool IsNull(const QVariant& v);

// Text of a value. Date-times go through the date-time formatter below.
QString ToString(const QVariant& v, TFieldType type = ftUnknown);
bool ToInt64(const QVariant& v, qint64* out);
bool ToDouble(const QVariant& v, double* out);
bool ToBool(const QVariant& v, bool* out);
// An invalid QDateTime when the value is null or not a date-time.
bool ToDateTime(const QVariant& v, QDateTime* out);
QByteArray ToBytes(const QVariant& v);

// The same wall-clock moment marked as UTC (naive date-times never shift).
QDateTime Naive(const QDateTime& dt);

// The value converted to what a field or parameter of `type` holds; throws
// EDatabaseError naming `what` (e.g. "field 'AGE'") when it cannot be.
QVariant Coerce(const QVariant& v, TFieldType type, const QString& what);

// The field type a bare value suggests (ftUnknown for null).
TFieldType TypeOf(const QVariant& v);

// Whether a stored value matches a searched one: numbers numerically,
// date-times as instants, everything else as text.
bool Matches(const QVariant& stored, const QVariant& wanted, bool caseInsensitive, bool partialKey);

// How date-time values read as text. The default writes the program's short
// date "MM/dd/yyyy", followed by the time "h:mm:ss AP" when it is not
// midnight; ftDate values give the date only, ftTime the time only. The
// start-up code replaces it when the regional formats are configured.
using TDateTimeTextFormatter = std::function<QString(const QDateTime&, TFieldType)>;
void SetDateTimeTextFormatter(TDateTimeTextFormatter formatter);
QString DateTimeText(const QDateTime& dt, TFieldType type);

}  // namespace KsVariant
