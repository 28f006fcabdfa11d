#include "cli/CsvWriter.h"

#include "data/driver/DbTypes.h"

#include <QByteArray>
#include <QDateTime>
#include <QLocale>

namespace Csv {

QString FieldText(const QVariant& value) {
  if (DbValue::IsNull(value)) return {};
  switch (value.typeId()) {
    case QMetaType::QDateTime:
      return DbValue::DateTimeToCanonical(value.toDateTime());
    case QMetaType::Double:
      return QString::number(value.toDouble(), 'g', QLocale::FloatingPointShortest);
    case QMetaType::Bool:
      return value.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    case QMetaType::QByteArray:
      return QStringLiteral("0x") + QString::fromLatin1(value.toByteArray().toHex().toUpper());
    default:
      return value.toString();
  }
}

QString Quote(const QString& text) {
  static const QString kSpecial = QStringLiteral(",\"\r\n");
  bool needsQuotes = false;
  for (QChar c : text)
    if (kSpecial.contains(c)) needsQuotes = true;
  if (!needsQuotes) return text;
  QString quoted = text;
  quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
  return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString Line(const QStringList& fields) {
  QStringList quoted;
  quoted.reserve(fields.size());
  for (const QString& field : fields) quoted << Quote(field);
  return quoted.join(QLatin1Char(','));
}

QString Line(const std::vector<QVariant>& values) {
  QStringList fields;
  fields.reserve(static_cast<qsizetype>(values.size()));
  for (const QVariant& value : values) fields << FieldText(value);
  return Line(fields);
}

}  // namespace Csv
