#include "config/SharedIniStore.h"

#include "core/Exception.h"
#include "core/UserPrompts.h"
#include "data/KsMSAccess.h"

namespace SharedIniStore {

namespace {

// Closes the query whatever happens, so the next user starts from scratch.
class TCloseAfter {
 public:
  explicit TCloseAfter(TKsMSQuery& query) : FQuery(query) {}
  ~TCloseAfter() {
    try {
      FQuery.Close();
    } catch (...) {
    }
  }
  TCloseAfter(const TCloseAfter&) = delete;
  TCloseAfter& operator=(const TCloseAfter&) = delete;

 private:
  TKsMSQuery& FQuery;
};

void SetStatement(TKsMSQuery& query, const QStringList& lines) {
  query.Close();
  query.UnPrepare();
  if (query.SQL().Lines() != lines) query.SQL().SetLines(lines);
}

void BindKey(TKsMSQuery& query, const QString& VariableGroup, const QString& VariableId) {
  query.ParamByName(QStringLiteral("VariableGroup")).SetAsString(VariableGroup);
  query.ParamByName(QStringLiteral("VariableId")).SetAsString(VariableId);
}

}  // namespace

QStringList CheckIfExistSQL() {
  return {QStringLiteral("Select Count(VariableId) as VariableCount "),
          QStringLiteral("from SharedINI "),
          QStringLiteral("where VariableGroup = :VariableGroup and VariableId = :VariableId")};
}

QStringList UpdateSQL() {
  return {QStringLiteral("UPDATE SharedIni SET VariableGroup = :VariableGroup, VariableId = "
                         ":VariableId, VariableValue = :VariableValue"),
          QStringLiteral("WHERE"), QStringLiteral(" VariableGroup = :VariableGroup "),
          QStringLiteral("AND VariableId = :VariableId")};
}

QStringList InsertSQL() {
  return {
      QStringLiteral("INSERT INTO SharedIni (VariableGroup, VariableId, VariableValue,UniqueKey)"),
      QStringLiteral("VALUES "),
      QStringLiteral(" (:VariableGroup, :VariableId, :VariableValue, "
                     "ksadmin.dbo.fnks_GetUniqueID(NEWID()))")};
}

bool ReadValue(TKsMSQuery& query, const QString& VariableGroup, const QString& VariableId,
               QString& value) {
  query.Close();
  TCloseAfter closer(query);
  BindKey(query, VariableGroup, VariableId);
  query.Open();
  if (query.IsEmpty()) return false;
  query.First();
  value = query.FieldByName(QStringLiteral("VariableValue")).AsString();
  return true;
}

bool RowExists(TKsMSQuery& query, const QString& VariableGroup, const QString& VariableId) {
  SetStatement(query, CheckIfExistSQL());
  TCloseAfter closer(query);
  BindKey(query, VariableGroup, VariableId);
  query.Open();
  return !query.IsEmpty() && query.FieldByName(QStringLiteral("VariableCount")).AsInteger() > 0;
}

void WriteRow(TKsMSQuery& query, bool exists, const QString& VariableGroup,
              const QString& VariableId, const QString& VariableValue) {
  SetStatement(query, exists ? UpdateSQL() : InsertSQL());
  BindKey(query, VariableGroup, VariableId);
  query.ParamByName(QStringLiteral("VariableValue")).SetAsString(VariableValue);
  query.ExecSQL();
}

bool TextToBoolean(const QString& text, bool defaultValue) {
  const QString t = text.trimmed();
  if (t == QLatin1String("0") || t.compare(QLatin1String("FALSE"), Qt::CaseInsensitive) == 0)
    return false;
  if (t == QLatin1String("1") || t.compare(QLatin1String("TRUE"), Qt::CaseInsensitive) == 0)
    return true;
  return defaultValue;
}

int TextToInteger(const QString& text, int defaultValue) {
  bool ok = false;
  const int value = text.trimmed().toInt(&ok, 10);
  return ok ? value : defaultValue;
}

void ShowError(const std::exception& error, const QString& procedure) {
  UserPrompts().ShowError(ExceptionMessage(error) + QStringLiteral(" / Procedure : ") + procedure);
}

}  // namespace SharedIniStore
