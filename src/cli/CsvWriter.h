#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

#include <vector>

// Comma-separated output of query results: a null is an empty field,
// date-times are in the database's canonical form, and a field holding a
// comma, a quote or a line break is quoted with inner quotes doubled.
namespace Csv {
QString FieldText(const QVariant& value);
QString Quote(const QString& text);
QString Line(const QStringList& fields);
QString Line(const std::vector<QVariant>& values);
}  // namespace Csv
