#pragma once

#include "data/KsDataSet.h"

// What the suite's queries, tables and stored procedures share on top of the
// dataset core: the library version, the record-lock flags and the name of
// the lock currently held. Re-reading a record before it is edited
// (roBeforeEdit) is on by default.
class TKsMSDataSet : public TKsCustomDataSet {
 public:
  explicit TKsMSDataSet(const QString& name = QString());
  // Closes while this class's lock hooks are still in place.
  ~TKsMSDataSet() override;

  QString KsVersion() const;

  // Take a record lock when a record enters edit.
  bool RecordLocksMake() const { return FRecordLocksMake; }
  void SetRecordLocksMake(bool value) { FRecordLocksMake = value; }
  // Stored with RecordLocksMake by the forms; kept for them.
  bool RecordLocksCheck() const { return FRecordLocksCheck; }
  void SetRecordLocksCheck(bool value) { FRecordLocksCheck = value; }

  // The lock held on the current record; empty when none.
  const QString& LockTableName() const { return FLockTableName; }
  // Whether the current record is being edited here or cannot be edited
  // (someone else holds it): a closed or empty dataset is not locked; one
  // in edit or insert is; otherwise an edit is tried and cancelled at once.
  virtual bool IsLocked();

 protected:
  // The record lock: taken when a record enters edit or is deleted (only
  // with RecordLocksMake, a connection and a UniqueKey field), released when
  // the edit or delete ends and when the dataset closes.
  void TakeRecordLock() override;
  void ReleaseRecordLock() override;

  QString FLockTableName;

 private:
  bool FRecordLocksMake = true;
  bool FRecordLocksCheck = true;
};
