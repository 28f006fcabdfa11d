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
// A naive date-time (UTC spec, see above).
QDateTime MakeDateTime(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0);
bool IsNull(const QVariant& v);
}  // namespace DbValue
