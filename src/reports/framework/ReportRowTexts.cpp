#include "reports/framework/ReportRowTexts.h"

#include "data/utJailDateTimeLib.h"
#include "reports/engine/ReportPipeline.h"

namespace ReportRowTexts {

namespace {
QString OrText(const QString& value, const char* empty) {
  return value.trimmed().isEmpty() ? QString::fromLatin1(empty) : value;
}
}  // namespace

QString Cell(const QString& cellNo) {
  return OrText(cellNo, "Cell not assigned.");
}

QString OrNotApplicable(const QString& value) {
  return OrText(value, "N/A");
}

QString OrNotAssigned(const QString& value) {
  return OrText(value, "Not assigned.");
}

QString InmateName(const TReportPipeline& rows) {
  return FormatFullName(rows.GetFieldAsString(QStringLiteral("FNAME")),
                        rows.GetFieldAsString(QStringLiteral("MNAME")),
                        rows.GetFieldAsString(QStringLiteral("LNAME")), 0,
                        rows.GetFieldAsString(QStringLiteral("TITLE")));
}

QString InmateNameWithoutTitle(const TReportPipeline& rows) {
  return FormatFullName(rows.GetFieldAsString(QStringLiteral("FNAME")),
                        rows.GetFieldAsString(QStringLiteral("MNAME")),
                        rows.GetFieldAsString(QStringLiteral("LNAME")));
}

}  // namespace ReportRowTexts
