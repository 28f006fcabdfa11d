#include "data/KsMSDataSet.h"

#include "data/KsRecordLock.h"
#include "data/KsSQLDatabase.h"
#include "data/driver/SqlLexer.h"

TKsMSDataSet::TKsMSDataSet(const QString& name) : TKsCustomDataSet(name) {
  SetRefreshOptions(roBeforeEdit);
}

TKsMSDataSet::~TKsMSDataSet() {
  BeginDestroy();
  try {
    Close();
  } catch (...) {
    // Nothing can be reported from a destructor.
  }
}

QString TKsMSDataSet::KsVersion() const {
  return KsDataAccessVersion();
}

bool TKsMSDataSet::IsLocked() {
  if (!RecordLocksMake() || !Active() || IsEmpty()) return false;
  if (State() == dsEdit || State() == dsInsert) return true;
  try {
    Edit();
  } catch (const std::exception&) {
    return true;
  }
  Cancel();
  return false;
}

void TKsMSDataSet::TakeRecordLock() {
  FLockTableName.clear();
  const TField* key = FindField(QStringLiteral("UniqueKey"));
  if (!RecordLocksMake() || !Connection() || !key) return;
  // The lock names the table by its own name, whatever qualifiers or
  // brackets the SQL wrote around it.
  const QString written = UpdatingTableName();
  QString table = SqlObjectName(written);
  if (table.isEmpty()) table = written;
  const QString database = Connection()->Database();
  const QString uniqueKey = key->AsString();
  const QString name = KsRecordLock::LockTableName(database, table, uniqueKey);
  KsRecordLock::Take(*Connection(), name, TKsLockHolder::Current(database, table, uniqueKey));
  FLockTableName = name;
}

void TKsMSDataSet::ReleaseRecordLock() {
  const QString name = FLockTableName;
  FLockTableName.clear();
  if (!RecordLocksMake() || !Connection() || name.isEmpty()) return;
  KsRecordLock::Release(*Connection(), name);
}
