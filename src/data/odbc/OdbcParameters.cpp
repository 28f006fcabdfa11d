#include "data/odbc/OdbcParameters.h"

#include "core/Exception.h"

#include <QDate>
#include <QDateTime>
#include <QTime>

#include <cstring>
#include <limits>

namespace {

// Longest text or binary a plain VARCHAR / VARBINARY parameter carries on
// SQL Server; longer values go as their LONG types.
constexpr qsizetype kShortLimit = 8000;

template <typename T>
QByteArray Raw(const T& value) {
  return QByteArray(reinterpret_cast<const char*>(&value), sizeof(T));
}

template <typename T>
T FromRaw(const QByteArray& buffer) {
  T value{};
  std::memcpy(&value, buffer.constData(), sizeof(T));
  return value;
}

SQLSMALLINT DirectionOf(TParamType type) {
  switch (type) {
    case ptOutput:
    case ptResult:
      return SQL_PARAM_OUTPUT;
    case ptInputOutput:
      return SQL_PARAM_INPUT_OUTPUT;
    case ptUnknown:
    case ptInput:
      break;
  }
  return SQL_PARAM_INPUT;
}

SQL_TIMESTAMP_STRUCT ToTimestamp(const QDateTime& dt) {
  SQL_TIMESTAMP_STRUCT ts{};
  ts.year = SQLSMALLINT(dt.date().year());
  ts.month = SQLUSMALLINT(dt.date().month());
  ts.day = SQLUSMALLINT(dt.date().day());
  ts.hour = SQLUSMALLINT(dt.time().hour());
  ts.minute = SQLUSMALLINT(dt.time().minute());
  ts.second = SQLUSMALLINT(dt.time().second());
  ts.fraction = SQLUINTEGER(dt.time().msec()) * 1000000u;
  return ts;
}

}  // namespace

void TOdbcParameters::Bind(const TOdbcHandle& stmt, const TSqlParamScan& scan,
                           std::vector<TDbParam>& params, const QString& returnParam) {
  for (qsizetype i = 0; i < scan.Occurrences.size(); ++i) {
    const QString& name = scan.Occurrences[i];
    TDbParam* param = FindDbParam(params, name);
    if (!param) throw EDatabaseError(QStringLiteral("No value for parameter :%1.").arg(name));
    const bool isReturn = name.compare(returnParam, Qt::CaseInsensitive) == 0;

    auto bound = std::make_unique<TBound>();
    bound->Param = param;
    bound->Direction = isReturn ? SQL_PARAM_OUTPUT : DirectionOf(param->ParamType);
    const bool output = bound->Direction != SQL_PARAM_INPUT;
    const QVariant value =
        bound->Direction == SQL_PARAM_OUTPUT ? QVariant() : DbValue::ToBindValue(*param);
    const bool isNull = DbValue::IsNull(value);
    bound->Kind = !isNull                        ? DbValue::KindOf(value)
                  : param->DataType != ftUnknown ? DbValue::KindOf(param->DataType)
                  : isReturn                     ? DbValue::TKind::Integer
                                                 : DbValue::TKind::Text;

    SQLSMALLINT cType = SQL_C_CHAR;
    SQLSMALLINT sqlType = SQL_VARCHAR;
    SQLULEN columnSize = 0;
    SQLSMALLINT digits = 0;
    SQLLEN length = 0;  // bytes of the input value
    switch (bound->Kind) {
      case DbValue::TKind::Null:
      case DbValue::TKind::Text: {
        const QByteArray text = isNull ? QByteArray() : value.toString().toUtf8();
        length = text.size();
        bound->Buffer = text;
        bound->Buffer.resize(output ? qMax(text.size(), kShortLimit) + 1 : text.size() + 1, '\0');
        sqlType = length > kShortLimit ? SQL_LONGVARCHAR : SQL_VARCHAR;
        columnSize = SQLULEN(output ? qMax<SQLLEN>(length, kShortLimit) : qMax<SQLLEN>(length, 1));
        break;
      }
      case DbValue::TKind::Blob: {
        const QByteArray data = isNull ? QByteArray() : value.toByteArray();
        length = data.size();
        bound->Buffer = data;
        bound->Buffer.resize(
            output ? qMax(data.size(), kShortLimit) : qMax<qsizetype>(data.size(), 1), '\0');
        cType = SQL_C_BINARY;
        sqlType = length > kShortLimit ? SQL_LONGVARBINARY : SQL_VARBINARY;
        columnSize = SQLULEN(output ? qMax<SQLLEN>(length, kShortLimit) : qMax<SQLLEN>(length, 1));
        break;
      }
      case DbValue::TKind::Integer: {
        const qint64 i = isNull ? 0 : value.toLongLong();
        bound->Buffer = Raw<SQLBIGINT>(i);
        cType = SQL_C_SBIGINT;
        // INTEGER where the value allows, so comparisons with the suite's
        // int columns need no widening on the server.
        const bool fitsInt = i >= std::numeric_limits<qint32>::min() &&
                             i <= std::numeric_limits<qint32>::max() &&
                             param->DataType != ftLargeint;
        sqlType = fitsInt ? SQL_INTEGER : SQL_BIGINT;
        columnSize = fitsInt ? 10 : 19;
        break;
      }
      case DbValue::TKind::Double:
        bound->Buffer = Raw<double>(isNull ? 0.0 : value.toDouble());
        cType = SQL_C_DOUBLE;
        sqlType = SQL_DOUBLE;
        columnSize = 15;
        break;
      case DbValue::TKind::Boolean:
        bound->Buffer = Raw<unsigned char>(!isNull && value.toBool() ? 1 : 0);
        cType = SQL_C_BIT;
        sqlType = SQL_BIT;
        columnSize = 1;
        break;
      case DbValue::TKind::DateTime:
        bound->Buffer = Raw(isNull ? SQL_TIMESTAMP_STRUCT{} : ToTimestamp(value.toDateTime()));
        cType = SQL_C_TYPE_TIMESTAMP;
        sqlType = SQL_TYPE_TIMESTAMP;
        columnSize = 23;
        digits = 3;
        break;
    }
    bound->Indicator = isNull ? SQL_NULL_DATA : length;
    if (cType != SQL_C_CHAR && cType != SQL_C_BINARY && !isNull) bound->Indicator = 0;

    const SQLRETURN rc = SQLBindParameter(stmt.Get(), SQLUSMALLINT(i + 1), bound->Direction, cType,
                                          sqlType, columnSize, digits, bound->Buffer.data(),
                                          SQLLEN(bound->Buffer.size()), &bound->Indicator);
    stmt.Check(rc, QStringLiteral("Parameter :%1").arg(name));
    FBound.push_back(std::move(bound));
  }
}

void TOdbcParameters::ReadOutputs() const {
  for (const auto& bound : FBound) {
    if (bound->Direction == SQL_PARAM_INPUT) continue;
    QVariant& target = bound->Param->Value;
    if (bound->Indicator == SQL_NULL_DATA) {
      target = QVariant();
      continue;
    }
    const QByteArray& b = bound->Buffer;
    switch (bound->Kind) {
      case DbValue::TKind::Null:
      case DbValue::TKind::Text: {
        const qsizetype n = bound->Indicator == SQL_NO_TOTAL || bound->Indicator >= b.size()
                                ? qsizetype(std::strlen(b.constData()))
                                : qsizetype(bound->Indicator);
        target = QString::fromUtf8(b.constData(), n);
        break;
      }
      case DbValue::TKind::Blob:
        target =
            b.left(bound->Indicator == SQL_NO_TOTAL ? b.size()
                                                    : qMin<qsizetype>(bound->Indicator, b.size()));
        break;
      case DbValue::TKind::Integer:
        target = qint64(FromRaw<SQLBIGINT>(b));
        break;
      case DbValue::TKind::Double:
        target = FromRaw<double>(b);
        break;
      case DbValue::TKind::Boolean:
        target = FromRaw<unsigned char>(b) != 0;
        break;
      case DbValue::TKind::DateTime: {
        const auto ts = FromRaw<SQL_TIMESTAMP_STRUCT>(b);
        target = DbValue::MakeDateTime(ts.year, ts.month, ts.day, ts.hour, ts.minute, ts.second,
                                       int(ts.fraction / 1000000u));
        break;
      }
    }
  }
}
