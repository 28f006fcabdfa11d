#include "data/KsSQLDatabase.h"

#include "config/KsConfigInfo.h"
#include "core/Exception.h"
#include "data/KsMSAccess.h"
#include "data/KsVariant.h"
#include "data/driver/SqlParamScanner.h"

#include <algorithm>

TKsSQLDatabase::TKsSQLDatabase(const QString& name) : FName(name) {}

TKsSQLDatabase::~TKsSQLDatabase() {
  try {
    Close();
  } catch (...) {
    // Nothing can be reported from a destructor.
  }
  // The datasets outlive their connection here; they must not call back.
  const std::vector<TKsCustomDataSet*> attached = FDataSets;
  FDataSets.clear();
  for (TKsCustomDataSet* ds : attached) ds->DetachConnection();
}

TKsCustomConfigInfo* TKsSQLDatabase::KsConfigInfo() const {
  return FKsConfigInfo.data();
}

void TKsSQLDatabase::SetProgramName(const QString& value) {
  const bool wasSet = !FProgramName.isEmpty();
  FProgramName = value;
  if (!value.isEmpty()) {
    // A failed lookup is reported when the connection opens, which looks
    // the string up again.
    try {
      RefreshConnectString();
    } catch (const std::exception&) {
      SetConnectString(QString());
    }
  } else if (wasSet) {
    SetConnectString(QString());
    FLoginPrompt = false;
  }
}

void TKsSQLDatabase::SetKsConfigInfo(TKsCustomConfigInfo* value) {
  FKsConfigInfo = value;
  if (FProgramName.isEmpty()) return;
  if (!value) {
    SetConnectString(QString());
    return;
  }
  try {
    RefreshConnectString();
  } catch (const std::exception&) {
    SetConnectString(QString());
  }
}

void TKsSQLDatabase::RefreshConnectString() {
  if (!FKsConfigInfo) return;
  SetConnectString(FKsConfigInfo->GetConnectString(FProgramName));
  FLoginPrompt = false;
}

void TKsSQLDatabase::SetConnectString(const QString& value) {
  if (value == FConnectString) return;
  // A live connection to another database would be misleading.
  Close();
  FConnectString = value;
}

QString TKsSQLDatabase::Database() const {
  return FConnection ? FConnection->DatabaseName() : FDatabase;
}

QString TKsSQLDatabase::BaseFolder() const {
  return FKsConfigInfo ? FKsConfigInfo->KeystaneIniFolder() : QString();
}

void TKsSQLDatabase::Open() {
  if (FConnection) return;
  if (BeforeConnect) BeforeConnect(*this);
  DoConnect();
  if (AfterConnect) AfterConnect(*this);
}

void TKsSQLDatabase::DoConnect() {
  RefreshConnectString();
  if (FConnectString.trimmed().isEmpty()) {
    const QString who = FName.isEmpty() ? QString() : FName + QStringLiteral(": ");
    throw EDatabaseError(FProgramName.isEmpty()
                             ? who + QStringLiteral("The connection string is empty")
                             : who +
                                   QStringLiteral("No connection string was found for program '%1'")
                                       .arg(FProgramName));
  }
  TDbOpenOptions options;
  options.BaseFolder = BaseFolder();
  FConnection = OpenDbConnection(FConnectString, options);
}

void TKsSQLDatabase::Close() {
  if (!FConnection) return;
  if (BeforeDisconnect) BeforeDisconnect(*this);
  const std::vector<TKsCustomDataSet*> attached = FDataSets;
  for (TKsCustomDataSet* ds : attached) ds->Close();
  if (FConnection->InTransaction()) {
    try {
      FConnection->Rollback();
    } catch (const std::exception&) {
      // Closing the connection ends the transaction on the server anyway.
    }
  }
  FConnection.reset();
  if (AfterDisconnect) AfterDisconnect(*this);
}

QString TKsSQLDatabase::GetHelpFilePath() const {
  return FKsConfigInfo ? FKsConfigInfo->GetHelpPath(FProgramName) : QString();
}

QString TKsSQLDatabase::GetLogFilePath() const {
  return FKsConfigInfo ? FKsConfigInfo->GetLogPath(FProgramName) : QString();
}

std::unique_ptr<TKsMSQuery> TKsSQLDatabase::CreateDataSet(const QString& name) {
  auto query = std::make_unique<TKsMSQuery>(name);
  query->SetConnection(this);
  return query;
}

IDbConnection& TKsSQLDatabase::DbConnection() {
  Open();
  return *FConnection;
}

namespace {
TKsSQLDatabase::TStatementObserver& StatementObserver() {
  static TKsSQLDatabase::TStatementObserver observer;
  return observer;
}
}  // namespace

void TKsSQLDatabase::SetStatementObserver(TStatementObserver observer) {
  StatementObserver() = std::move(observer);
}

TDbResult TKsSQLDatabase::Execute(const QString& sql, std::vector<TDbParam>& params) {
  IDbConnection& connection = DbConnection();
  if (const auto& observer = StatementObserver()) observer(sql, params);
  return connection.Execute(sql, params);
}

qint64 TKsSQLDatabase::ExecSQL(const QString& sql, const QVariantList& params) {
  std::vector<TDbParam> bound;
  const QStringList names = SqlParamNames(sql);
  for (qsizetype i = 0; i < names.size(); ++i) {
    TDbParam p;
    p.Name = names[i];
    if (i < params.size()) {
      p.Value = KsVariant::Coerce(params[i], ftUnknown, QString());
      p.DataType = KsVariant::TypeOf(p.Value);
    }
    bound.push_back(p);
  }
  return Execute(sql, bound).RowsAffected;
}

void TKsSQLDatabase::StartTransaction() {
  DbConnection().StartTransaction();
}

void TKsSQLDatabase::Commit() {
  DbConnection().Commit();
}

void TKsSQLDatabase::Rollback() {
  DbConnection().Rollback();
}

bool TKsSQLDatabase::InTransaction() const {
  return FConnection && FConnection->InTransaction();
}

void TKsSQLDatabase::RegisterDataSet(TKsCustomDataSet* dataSet) {
  if (std::find(FDataSets.begin(), FDataSets.end(), dataSet) == FDataSets.end())
    FDataSets.push_back(dataSet);
}

void TKsSQLDatabase::UnregisterDataSet(TKsCustomDataSet* dataSet) {
  FDataSets.erase(std::remove(FDataSets.begin(), FDataSets.end(), dataSet), FDataSets.end());
}
