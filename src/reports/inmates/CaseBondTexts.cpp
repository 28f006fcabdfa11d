#include "reports/inmates/CaseBondTexts.h"

#include "core/RegionalFormats.h"
#include "reports/engine/DisplayFormat.h"
#include "reports/engine/ReportGraphics.h"
#include "reports/engine/ReportPipeline.h"

namespace CaseBondTexts {

namespace {

bool Flag(const TReportPipeline& rows, const char* field) {
  return VariantToBool(rows.GetFieldValue(QString::fromLatin1(field)));
}

QString Text(const TReportPipeline& rows, const char* field) {
  return rows.GetFieldAsString(QString::fromLatin1(field));
}

QString Money(const TReportPipeline& rows, const char* field) {
  return FormatCurrency(rows.GetFieldValue(QString::fromLatin1(field)).toDouble(), 2);
}

}  // namespace

QString BondBy(const TReportPipeline& rows) {
  if (Flag(rows, "BondLeo")) return Text(rows, "BondLeoAuth");
  if (Flag(rows, "BondJud")) return Text(rows, "BonJudName");
  return QStringLiteral("No Bond");
}

QString BondAmount(const TReportPipeline& rows) {
  if (Flag(rows, "BondLeo")) return Money(rows, "BondLeoAmount");
  if (Flag(rows, "BondJud")) return Money(rows, "BondJudgeAmount");
  return QStringLiteral("$0.00");
}

QString Attorney(const TReportPipeline& rows) {
  if (Flag(rows, "RetainPrivateAttorney") || Flag(rows, "PublicDefenderAssigned"))
    return Text(rows, "AttorneyName");
  static const struct {
    const char* Field;
    const char* Text;
  } kStatements[] = {
      {"GivesUpAttorney", "Gives up Attorney"},
      {"StatesUnableAffordAttor", "Stated Unable to Afford Attorney"},
      {"NotQualifyForAttorn", "Does not qualify for Attorney"},
      {"UnDecidedOnAttorn", "Undecided on Attorney"},
  };
  for (const auto& statement : kStatements)
    if (Flag(rows, statement.Field)) return QString::fromLatin1(statement.Text);
  return QStringLiteral("N/A");
}

QString ChargeBondAmount(const QVariant& amount) {
  return FormatFloat(QStringLiteral("$###,###,##0.00"), amount.toDouble());
}

}  // namespace CaseBondTexts
