#include "config/KsConfigInfo.h"

namespace {

// Text columns come back without trailing blanks, as the suite's datasets
// deliver them.
QString ColumnText(const QVariant& AValue) {
  if (AValue.isNull()) return {};
  QString text = AValue.toString();
  qsizetype end = text.size();
  while (end > 0 && text[end - 1] == ' ') --end;
  text.truncate(end);
  return text;
}

bool ColumnIsTrue(const QVariant& AValue) {
  return !AValue.isNull() && AValue.toBool();
}

}  // namespace

QString TKsCustomConfigInfo::GetConnectString(const QString& AProgramID) {
  const QString base = GetConnectionString();
  if (base.isEmpty() || AProgramID.isEmpty()) return {};
  const QString found = LookupProgramValue(AProgramID, QStringLiteral("ConnString"), base);
  if (found.isEmpty()) return found;
  return ApplyConnectionStringOverlay(found, ConnectionStringOverlay());
}

QString TKsCustomConfigInfo::GetHelpPath(const QString& AProgramID) {
  if (GetConnectionString().isEmpty() || AProgramID.isEmpty()) return {};
  return LookupProgramValue(AProgramID, QStringLiteral("HelpFile"), HelpFilePath());
}

QString TKsCustomConfigInfo::GetLogPath(const QString& AProgramID) {
  if (GetConnectionString().isEmpty() || AProgramID.isEmpty()) return {};
  return LookupProgramValue(AProgramID, QStringLiteral("LogFile"), LogFilePath());
}

std::unique_ptr<IDbConnection> TKsConfigInfo::OpenConfigDatabase() const {
  TDbOpenOptions options;
  options.BaseFolder = KeystaneIniFolder();
  return OpenDbConnection(GetConnectionString(), options);
}

QString TKsConfigInfo::LookupProgramValue(const QString& AProgramID, const QString& AFieldName,
                                          const QString& ADefault) {
  // The connection closes when it goes out of scope, whichever way this ends.
  const std::unique_ptr<IDbConnection> connection = OpenConfigDatabase();
  std::vector<TDbParam> params{{QStringLiteral("ProgramID"), ftString, ptInput, AProgramID}};
  const TDbResult result =
      connection->Execute("SELECT " + AFieldName + ", UseInitial " +
                              "FROM ConnectLib (readuncommitted) WHERE ProgramID = :ProgramID",
                          params);
  if (result.Rows.empty()) return {};
  const std::vector<QVariant>& row = result.Rows.front();
  if (row.size() > 1 && ColumnIsTrue(row[1])) return ADefault;
  return row.empty() ? QString() : ColumnText(row[0]);
}

void TKsConfigInfo::GetProgramList(QStringList& APrograms) {
  APrograms.clear();
  const std::unique_ptr<IDbConnection> connection = OpenConfigDatabase();
  std::vector<TDbParam> params;
  const TDbResult result = connection->Execute(
      QStringLiteral("SELECT ProgramID FROM ConnectLib (readuncommitted) ORDER BY ProgramID"),
      params);
  for (const std::vector<QVariant>& row : result.Rows)
    if (!row.empty()) APrograms.append(ColumnText(row[0]));
}
