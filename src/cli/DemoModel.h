#pragma once

#include <QDateTime>
#include <QString>
#include <QVariant>

#include <vector>

// What the demo jail is made of, kept in memory while the database is
// filled so that every subject (custody, log, visits, medical...) refers to
// the same facilities, people and bookings.

enum class TDemoHousing { General, Female, Juvenile, Medical, WorkRelease };

struct TDemoDorm {
  QString Code;
  QString Desc;
  TDemoHousing Housing = TDemoHousing::General;
};

struct TDemoFacility {
  QString Id;
  QString Desc;
  std::vector<TDemoDorm> Dorms;
  int ActiveTarget = 0;  // inmates in custody at this scale
};

struct TDemoBed {
  int Facility = 0;
  int Dorm = 0;
  QString Tower, Floor, CellNo, CellKey, BedNo, BedDesc;
  int Occupant = -1;  // booking index, -1 for an empty bed
};

struct TDemoEmployee {
  QString PerNo, LName, FName, UserName;
  QString FullName() const { return FName + QLatin1Char(' ') + LName; }
};

// An agency of the configuration: the county's own offices, arresting
// agencies and the jurisdictions the jail holds inmates for (and bills).
struct TDemoAgency {
  QString Key, Abbrev, Org, City, State;
  bool Primary = false;
  bool Arresting = false;
  bool Billed = false;
  double Rate = 0;
  bool ChargeFirstDay = false, ChargeLastDay = false, ChargeCheckOut = false, ChargeCheckIn = false;
};

struct TDemoStatute {
  int ChargeNum = 0;
  QString Fsn, Acl, Degree, Code, Desc, Group;
  bool Dv = false;
};

struct TDemoPerson {
  QString Ecsoid, LName, FName, MName, Title, Sex, Race;
  QDate Dob;
  bool Hispanic = false;
  QString Height, Weight, Hair, Eyes, Ssn, Phone;
  QString HouseNo, Quad, Street, City, State, Zip, County;
  QString BirthCountry;  // CfgState code; empty for the United States
  QString InsNumber;
  int Photo = -1;  // index into the photo pool, -1: no photograph
  bool Leo = false;
  bool Warrant = false;

  // "LAST, FIRST M" as the suite's forms write a person's name.
  QString NameLastFirst() const {
    return (LName + QStringLiteral(", ") + FName + QLatin1Char(' ') + MName).trimmed();
  }
};

struct TDemoCharge {
  QString ChargeNo;
  int Statute = 0;
  int Counts = 1;
  QString Dispo, StatusDesc;
  QVariant Bond;  // money or NULL
};

struct TDemoCase {
  QString CaseNo, CourtCaseNum, Court, Judge, Status, Agency, AgencyName;
  bool Active = true, Cancel = false, Seal = false;
  QDateTime Arrested, Added;
  bool FirstAppearanceDone = true;
  int BondKind = 0;  // 0 none, 1 by an officer, 2 by a judge
  QString BondBy;
  double BondAmount = 0;
  int AttorneyKind = 0;  // 0 private, 1 public defender, 2-5 the four answers, 6 none
  QString Attorney;
  bool Sentenced = false, Doc = false, Weekender = false;
  QDateTime Start, End, Estimated;
  double Length = 0, Credit = 0, Served = 0, Worked = 0, Credited = 0, Remaining = 0;
  QString Comments;
  std::vector<TDemoCharge> Charges;
};

struct TDemoBooking {
  QString BookNo, UniqueKey;
  int Person = 0;
  int Facility = 0;
  int Dorm = 0;
  int Bed = -1;          // -1: no cell assigned
  int HistoryCell = -1;  // released: the bed last held, for the housing columns
  QDateTime Booked;
  QDateTime Released;       // invalid while in custody
  bool CheckedOut = false;  // in custody, out of the jail for now
  QDateTime CheckedOutAt;
  int CheckOutReason = 0;
  QString CheckOutTo;
  bool Weekender = false, WorkRelease = false, Trusty = false, Hold = false, Juvenile = false;
  QVariant NameReleas;  // as stored: 0, 1 or NULL
  QString ClassCode, ClassDesc, TrustyStatus, WorkRelType;
  QString Jurisdiction;  // agency name the inmate is held for, empty: the county
  QString HoldFor;
  int ReleaseReason = 0;
  QDateTime ExpectedRelease;
  QDateTime LastReclass;      // invalid: never reclassified
  std::vector<int> KeepFrom;  // bookings this inmate is kept apart from
  std::vector<TDemoCase> Cases;

  bool InCustody() const { return !Released.isValid(); }
};
