#pragma once

#include "data/KsDataSet.h"

#include <QString>

#include <vector>

// Makes detail datasets follow the current record of a master: after each
// scroll of the master they are re-opened with one parameter set to the
// master's field value, then the master's own after-scroll handler runs as
// before. Linking another master gives the previous one its handler back
// first, as does the link's end.
class TKsMasterDetailLink {
 public:
  // `asInteger`: the parameter is bound as a whole number (null when the
  // master has no current record or the field is empty).
  TKsMasterDetailLink(std::vector<TKsCustomDataSet*> details, QString paramName, bool asInteger);
  ~TKsMasterDetailLink();
  TKsMasterDetailLink(const TKsMasterDetailLink&) = delete;
  TKsMasterDetailLink& operator=(const TKsMasterDetailLink&) = delete;

  // nullptr unlinks. A master that is open is followed at once.
  void SetMaster(TKsCustomDataSet* master, const QString& masterField);
  TKsCustomDataSet* Master() const { return FMaster; }
  const QString& MasterField() const { return FMasterField; }

  // The value the details are opened with for the master's current record.
  QVariant MasterValue() const;
  // Re-opens the details for the master's current record.
  void Follow();

 private:
  void Unlink();

  std::vector<TKsCustomDataSet*> FDetails;
  QString FParamName;
  bool FAsInteger;
  TKsCustomDataSet* FMaster = nullptr;
  QString FMasterField;
  TKsCustomDataSet::TDataSetNotifyEvent FPreviousAfterScroll;
};
