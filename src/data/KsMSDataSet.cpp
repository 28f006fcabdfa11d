#include "data/KsMSDataSet.h"

#include "data/KsSQLDatabase.h"

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
