#include "data/KsMSAccess.h"

#include "core/Exception.h"
#include "data/KsSQLText.h"

void TKsMSQuery::Loaded() {
  if (!FIndexDefs.IsEmpty() || !FAutoLoadIndexDefs || !FIndexName.isEmpty() ||
      !FTableName.isEmpty())
    throw EDatabaseError(
        QStringLiteral("TKsMSQuery '%1' must be converted to TKsMSSearchQuery").arg(Name()));
}

void TKsMSTable::SetTableName(const QString& value) {
  const QString name = value.trimmed();
  if (name == FTableName) return;
  Close();
  FTableName = name;
  BuildSQL();
}

void TKsMSTable::SetOrderFields(const QString& value) {
  if (value == FOrderFields) return;
  const bool wasOpen = Active();
  FOrderFields = value;
  BuildSQL();
  if (wasOpen) Open();
}

void TKsMSTable::BuildSQL() {
  if (FTableName.isEmpty()) {
    SQL().Clear();
    return;
  }
  const QString table = Options().QuoteNames ? KsSQLText::QuoteName(FTableName) : FTableName;
  QStringList lines{QStringLiteral("SELECT * FROM ") + table};
  const QString order = KsSQLText::FieldListToOrderBy(FOrderFields);
  if (!order.isEmpty()) lines << QStringLiteral("ORDER BY ") + order;
  SQL().SetLines(lines);
}

void TKsMSStoredProc::SetStoredProcName(const QString& value) {
  if (value == FStoredProcName) return;
  Close();
  FStoredProcName = value;
  SQL().Clear();
}

QString TKsMSStoredProc::StatementText() const {
  if (!SQL().IsEmpty()) return FinalSQL();
  if (FStoredProcName.trimmed().isEmpty()) return QString();
  QString result;
  QStringList args;
  const TParams& params = Params();
  for (int i = 0; i < params.Count(); ++i) {
    const TParam& p = params[i];
    if (p.ParamType() == ptResult && result.isEmpty()) {
      result = p.Name();
    } else {
      args << QLatin1Char(':') + p.Name();
    }
  }
  QString text(QLatin1Char('{'));
  if (!result.isEmpty()) text += QLatin1Char(':') + result + QStringLiteral(" = ");
  text += QStringLiteral("CALL ") + FStoredProcName;
  if (!args.isEmpty())
    text += QStringLiteral(" (") + args.join(QStringLiteral(", ")) + QLatin1Char(')');
  return text + QLatin1Char('}');
}

TParamType TKsMSStoredProc::DefaultParamType(const QString& name) const {
  return name.compare(QLatin1String("RETURN_VALUE"), Qt::CaseInsensitive) == 0 ? ptResult : ptInput;
}
