#pragma once

#include <QString>
#include <QVariant>

#include <vector>

// Value types as the dataset layer sees them. Values travel as QVariant:
// invalid (null), qint64, double, bool, QString, QDateTime, QByteArray.
//
// Date-times are naive wall-clock values (the suite's servers store no zone):
// they are carried as QDateTime with Qt::UTC so that no daylight-saving gap
// or overlap ever shifts a booking time.
enum TFieldType {
  ftUnknown,
  ftString,
  ftWideString,
  ftMemo,
  ftSmallint,
  ftInteger,
  ftLargeint,
  ftBoolean,
  ftFloat,
  ftCurrency,
  ftDateTime,
  ftDate,
  ftTime,
  ftBlob,
  ftGraphic,
  ftGuid,
};

enum TParamType { ptUnknown, ptInput, ptOutput, ptInputOutput, ptResult };

// A named parameter of a statement, ":NAME" in the SQL text. Names match
// without regard to case, as on SQL Server.
struct TDbParam {
  QString Name;
  TFieldType DataType = ftUnknown;
  TParamType ParamType = ptInput;
  QVariant Value;  // invalid QVariant is SQL NULL
};

struct TDbColumn {
  QString Name;
  TFieldType DataType = ftUnknown;
  int Size = 0;  // declared length of text columns, 0 when unknown
};

// A fully fetched result: the dataset layer walks rows twice (reports do
// two passes), so drivers materialise them.
struct TDbResult {
  std::vector<TDbColumn> Columns;
  std::vector<std::vector<QVariant>> Rows;
  qint64 RowsAffected = -1;  // of the last statement of the batch, -1 unknown
};

// One row of index metadata, in the server's order.
struct TDbIndexColumn {
  QString IndexName;
  QString ColumnName;
  bool Descending = false;
};

// Helpers shared by drivers and datasets.
namespace DbValue {
// Canonical date-time text of the embedded database and of bound
// parameters: "YYYY-MM-DD HH:MM:SS" with ".fff" only when milliseconds are set.
QString DateTimeToCanonical(const QDateTime& value);
// Parses the canonical form (and "YYYY-MM-DD" / "YYYY-MM-DDTHH:MM:SS");
// an invalid QDateTime when the text is not a date-time.
QDateTime CanonicalToDateTime(const QString& text);
// A naive date-time (carried as UTC, see above).
QDateTime MakeDateTime(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0);
bool IsNull(const QVariant& v);

// The seven kinds a value travels as between the drivers and the datasets.
enum class TKind { Null, Integer, Double, Boolean, Text, DateTime, Blob };
// Kind of a value as it stands (QDate and QTime count as date-times).
TKind KindOf(const QVariant& v);
// Kind a field type is carried as; Null for ftUnknown.
TKind KindOf(TFieldType type);
// The value a driver binds for a parameter: null, qint64, double, bool,
// QString, QDateTime or QByteArray. A declared DataType decides the kind; a
// value that cannot be read as that kind (e.g. "abc" for an integer) throws
// EDatabaseError naming the parameter rather than binding something else.
// A QDate becomes midnight, a QTime that time on 30 December 1899.
QVariant ToBindValue(const TDbParam& param);
// Field type reported for a kind (Null gives ftUnknown).
TFieldType FieldTypeOf(TKind kind);
}  // namespace DbValue

// Looks up a parameter by name without regard to case (a leading ':' or '@'
// on `name` is ignored); nullptr when absent. The first of duplicates wins.
TDbParam* FindDbParam(std::vector<TDbParam>& params, const QString& name);
const TDbParam* FindDbParam(const std::vector<TDbParam>& params, const QString& name);
