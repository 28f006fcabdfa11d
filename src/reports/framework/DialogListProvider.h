#pragma once

#include <QString>
#include <QStringList>

#include <vector>

class TKsSQLDatabase;

// A destination of the movement table (MOVEMENT, DESCRIPT).
struct TDestinationRow {
  QString Movement;
  QString Description;
};

// A cell of the facility as the cell range dialog lists it.
struct TCellRow {
  QString CellKey;
  QString CellDescription;
};

// One agency with its billing rules.
struct TAgencyBillingRow {
  QString AgencyFKey;
  QString Org;
  QString OrgAbbrev;
  bool ChargeFirstDay = false;
  bool ChargeLastDay = false;
  bool ChargeCheckOut = false;
  bool ChargeCheckIn = false;
  double Amount = 0.0;
};

// One booking of the inmate picker.
struct TInmateRow {
  QString BookNo;
  QString LName;
  QString FName;
  QString MName;
};

// The lists the parameter dialogs offer, read from the database. Kept behind
// an interface so the dialog models run the same against any source.
class IDialogListProvider {
 public:
  virtual ~IDialogListProvider() = default;

  // Dorm codes of the facility's current population, or of its jail log.
  virtual QStringList DormsFromPopulation() = 0;
  virtual QStringList DormsFromLog() = 0;
  virtual std::vector<TDestinationRow> Destinations() = 0;
  virtual std::vector<TCellRow> Cells() = 0;
  virtual std::vector<TAgencyBillingRow> AgencyBilling() = 0;
  // "Active", "Inactive" or "All" (which ends holding the inactive bookings).
  virtual std::vector<TInmateRow> InmatePopulation(const QString& which) = 0;
};

// The lists read with the suite's own statements on a JAIL connection, for
// one facility.
class TDialogListQueries : public IDialogListProvider {
 public:
  TDialogListQueries(TKsSQLDatabase* database, const QString& facilityId);

  QStringList DormsFromPopulation() override;
  QStringList DormsFromLog() override;
  std::vector<TDestinationRow> Destinations() override;
  std::vector<TCellRow> Cells() override;
  std::vector<TAgencyBillingRow> AgencyBilling() override;
  std::vector<TInmateRow> InmatePopulation(const QString& which) override;

 private:
  QStringList FirstColumn(const QString& sql);

  TKsSQLDatabase* FDatabase;
  QString FFacilityId;
};
