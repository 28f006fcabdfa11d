#include "data/odbc/OdbcResultReader.h"

#include <QByteArray>
#include <QDateTime>

#include <array>
#include <cstring>

namespace {

// SQL Server's own types, as its drivers report them.
constexpr SQLSMALLINT kSsTime2 = -154;
constexpr SQLSMALLINT kSsTimestampOffset = -155;

enum class TFetch { Text, Binary, Integer, Double, Boolean, Timestamp, TimeOfDay };

struct TColumnPlan {
  TFetch Fetch = TFetch::Text;
};

TFieldType FieldTypeOf(SQLSMALLINT sqlType, SQLULEN size, SQLSMALLINT digits) {
  switch (sqlType) {
    case SQL_CHAR:
    case SQL_VARCHAR:
      return ftString;
    case SQL_WCHAR:
    case SQL_WVARCHAR:
      return ftWideString;
    case SQL_LONGVARCHAR:
    case SQL_WLONGVARCHAR:
      return ftMemo;
    case SQL_GUID:
      return ftGuid;
    case SQL_TINYINT:
    case SQL_SMALLINT:
      return ftSmallint;
    case SQL_INTEGER:
      return ftInteger;
    case SQL_BIGINT:
      return ftLargeint;
    case SQL_BIT:
      return ftBoolean;
    case SQL_REAL:
    case SQL_FLOAT:
    case SQL_DOUBLE:
      return ftFloat;
    case SQL_DECIMAL:
    case SQL_NUMERIC:
      // money (19,4) and smallmoney (10,4)
      return digits == 4 && (size == 19 || size == 10) ? ftCurrency : ftFloat;
    case SQL_TYPE_TIMESTAMP:
    case SQL_TIMESTAMP:
    case kSsTimestampOffset:
      return ftDateTime;
    case SQL_TYPE_DATE:
    case SQL_DATE:
      return ftDate;
    case SQL_TYPE_TIME:
    case SQL_TIME:
    case kSsTime2:
      return ftTime;
    case SQL_BINARY:
    case SQL_VARBINARY:
    case SQL_LONGVARBINARY:
      return ftBlob;
    default:
      return ftString;
  }
}

TFetch FetchOf(TFieldType type) {
  switch (type) {
    case ftSmallint:
    case ftInteger:
    case ftLargeint:
      return TFetch::Integer;
    case ftFloat:
    case ftCurrency:
      return TFetch::Double;
    case ftBoolean:
      return TFetch::Boolean;
    case ftDateTime:
    case ftDate:
      return TFetch::Timestamp;
    case ftTime:
      return TFetch::TimeOfDay;
    case ftBlob:
    case ftGraphic:
      return TFetch::Binary;
    default:
      return TFetch::Text;
  }
}

// Text and binary values of any length, a chunk at a time. The driver
// reports the bytes still to come, or SQL_NO_TOTAL when it does not know.
QVariant GetLong(const TOdbcHandle& stmt, SQLUSMALLINT col, bool binary) {
  std::array<char, 8192> chunk;
  const SQLSMALLINT cType = binary ? SQL_C_BINARY : SQL_C_CHAR;
  // Text chunks end in a terminating zero that is not part of the value.
  const SQLLEN room = binary ? SQLLEN(chunk.size()) : SQLLEN(chunk.size() - 1);
  QByteArray bytes;
  while (true) {
    SQLLEN indicator = 0;
    const SQLRETURN rc =
        SQLGetData(stmt.Get(), col, cType, chunk.data(), SQLLEN(chunk.size()), &indicator);
    if (rc == SQL_NO_DATA) break;
    stmt.Check(rc);
    if (indicator == SQL_NULL_DATA) return QVariant();
    const bool truncated = indicator == SQL_NO_TOTAL || indicator > room;
    if (truncated) {
      bytes.append(chunk.data(), room);
      continue;
    }
    bytes.append(chunk.data(), indicator);
    break;
  }
  if (binary) return bytes;
  return QString::fromUtf8(bytes);
}

template <typename T>
bool GetFixed(const TOdbcHandle& stmt, SQLUSMALLINT col, SQLSMALLINT cType, T& value) {
  SQLLEN indicator = 0;
  stmt.Check(SQLGetData(stmt.Get(), col, cType, &value, sizeof(T), &indicator));
  return indicator != SQL_NULL_DATA;
}

QVariant GetValue(const TOdbcHandle& stmt, SQLUSMALLINT col, TFetch fetch) {
  switch (fetch) {
    case TFetch::Text:
      return GetLong(stmt, col, false);
    case TFetch::Binary:
      return GetLong(stmt, col, true);
    case TFetch::Integer: {
      SQLBIGINT v = 0;
      return GetFixed(stmt, col, SQL_C_SBIGINT, v) ? QVariant(qint64(v)) : QVariant();
    }
    case TFetch::Double: {
      double v = 0;
      return GetFixed(stmt, col, SQL_C_DOUBLE, v) ? QVariant(v) : QVariant();
    }
    case TFetch::Boolean: {
      unsigned char v = 0;
      return GetFixed(stmt, col, SQL_C_BIT, v) ? QVariant(v != 0) : QVariant();
    }
    case TFetch::Timestamp: {
      SQL_TIMESTAMP_STRUCT ts{};
      if (!GetFixed(stmt, col, SQL_C_TYPE_TIMESTAMP, ts)) return QVariant();
      return DbValue::MakeDateTime(ts.year, ts.month, ts.day, ts.hour, ts.minute, ts.second,
                                   int(ts.fraction / 1000000u));
    }
    case TFetch::TimeOfDay: {
      // A time converted to a timestamp would take today's date; the suite
      // keeps times of day on 30 December 1899.
      SQL_TIME_STRUCT t{};
      if (!GetFixed(stmt, col, SQL_C_TYPE_TIME, t)) return QVariant();
      return DbValue::MakeDateTime(1899, 12, 30, t.hour, t.minute, t.second);
    }
  }
  return QVariant();
}

}  // namespace

void OdbcReadResult(const TOdbcHandle& stmt, TDbResult& result) {
  SQLSMALLINT count = 0;
  stmt.Check(SQLNumResultCols(stmt.Get(), &count));
  result.Columns.clear();
  result.Rows.clear();
  std::vector<TFetch> plan;
  for (SQLUSMALLINT c = 1; c <= SQLUSMALLINT(count); ++c) {
    std::array<SQLCHAR, 512> name{};
    SQLSMALLINT nameLength = 0;
    SQLSMALLINT sqlType = 0;
    SQLULEN size = 0;
    SQLSMALLINT digits = 0;
    SQLSMALLINT nullable = 0;
    stmt.Check(SQLDescribeCol(stmt.Get(), c, name.data(), SQLSMALLINT(name.size()), &nameLength,
                              &sqlType, &size, &digits, &nullable));
    TDbColumn column;
    column.Name = QString::fromUtf8(reinterpret_cast<const char*>(name.data()),
                                    qMin<qsizetype>(nameLength, name.size() - 1));
    column.DataType = FieldTypeOf(sqlType, size, digits);
    if (DbValue::KindOf(column.DataType) == DbValue::TKind::Text && size > 0 && size < 1000000)
      column.Size = int(size);
    plan.push_back(FetchOf(column.DataType));
    result.Columns.push_back(column);
  }
  while (true) {
    const SQLRETURN rc = SQLFetch(stmt.Get());
    if (rc == SQL_NO_DATA) break;
    stmt.Check(rc);
    std::vector<QVariant> row;
    row.reserve(plan.size());
    for (size_t c = 0; c < plan.size(); ++c)
      row.push_back(GetValue(stmt, SQLUSMALLINT(c + 1), plan[c]));
    result.Rows.push_back(std::move(row));
  }
  result.RowsAffected = qint64(result.Rows.size());
}
