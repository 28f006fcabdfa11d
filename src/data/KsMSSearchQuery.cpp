#include "data/KsMSSearchQuery.h"

#include "core/Exception.h"
#include "data/KsSQLDatabase.h"
#include "data/driver/SqlLexer.h"

namespace {

// Object names compared without qualifiers, quotes or case.
bool SameTable(const QString& a, const QString& b) {
  const QString x = SqlObjectName(a);
  const QString y = SqlObjectName(b);
  return (x.isEmpty() ? a : x).compare(y.isEmpty() ? b : y, Qt::CaseInsensitive) == 0;
}

}  // namespace

void TKsMSSearchQuery::SetIndexName(const QString& value) {
  const QString name = value.trimmed();
  if (FLoading) {
    FIndexName = name;
    return;
  }
  const TIndexDef* def = nullptr;
  if (!name.isEmpty()) {
    def = FIndexDefs.Find(name);
    if (!def) throw EDatabaseError(QStringLiteral("IndexName entered is not in IndexDefs."));
  }
  FIndexName = name;
  const bool wasOpen = Active();
  SetOrderBy(def ? def->OrderByText() : QString());
  if (wasOpen && !Active()) Open();
}

void TKsMSSearchQuery::SetTableName(const QString& value) {
  Close();
  FTableName = value.trimmed();
  if (FTableName.isEmpty()) return;
  if (SQL().IsEmpty() || !SameTable(PSGetTableName(), FTableName))
    SQL().SetLines({QStringLiteral("SELECT *"), QStringLiteral("FROM ") + FTableName});
  LoadIndexDefs();
}

void TKsMSSearchQuery::LoadIndexDefs() {
  if (!Connection() || FTableName.isEmpty()) return;
  const bool wasOpen = Active();
  Close();
  const QString object = SqlObjectName(FTableName);
  const std::vector<TDbIndexColumn> columns =
      Connection()->DbConnection().IndexColumns(object.isEmpty() ? FTableName : object);
  FIndexDefs.Clear();
  for (size_t i = 0; i < columns.size();) {
    QStringList fields, descending;
    const QString index = columns[i].IndexName;
    for (; i < columns.size() && columns[i].IndexName == index; ++i) {
      fields << columns[i].ColumnName;
      if (columns[i].Descending) descending << columns[i].ColumnName;
    }
    FIndexDefs.Add(index, fields.join(QLatin1Char(';')), ixCaseInsensitive,
                   descending.join(QLatin1Char(';')));
  }
  if (wasOpen) Open();
}

void TKsMSSearchQuery::Loaded() {
  FLoading = false;
  if (FAutoLoadIndexDefs) LoadIndexDefs();
  if (!FIndexName.isEmpty()) SetIndexName(FIndexName);
}

QString TKsMSSearchQuery::UpdatingTableName() const {
  return FTableName.isEmpty() ? PSGetTableName() : FTableName;
}
