#pragma once

#include <QString>

#include <vector>

// The code tables of the demo jail. The configuration writer stores them and
// the generators draw from the same lists, so every code a booking, log
// entry or move carries is configured.

struct TDemoCaseStatus {
  const char* Code;
  const char* Desc;  // "SENT..." for sentenced statuses
  int Level;         // the smallest level is the most serious
  int LevelType;     // 1 felony, 2 misdemeanor, 3 other
  bool Sentenced;
};
const std::vector<TDemoCaseStatus>& DemoCaseStatuses();
// A status the jail's cases use that is missing from CFGCASST, as happens
// when a code is retired.
const char* DemoUnconfiguredStatus();

struct TDemoReason {
  int Code;
  const char* Text;
  bool ForCheckIn;
};
const std::vector<TDemoReason>& DemoCheckInOutReasons();
// Reason codes used by the generators.
namespace DemoReason {
constexpr int Booked = -1, Released = -2, InForWeekend = -3, OutForWeekend = -4;
constexpr int Court = 1, Hospital = 2, WorkRelease = 3, Medical = 4, Funeral = 5;
constexpr int BackFromCourt = 11, BackFromHospital = 12, BackFromWork = 13, BackFromMedical = 14,
              Returned = 15;
}  // namespace DemoReason

struct TDemoCode {
  const char* Code;
  const char* Desc;
};
const std::vector<TDemoCode>& DemoClassCodes();
const std::vector<TDemoCode>& DemoLogCodes();
const std::vector<TDemoCode>& DemoInmateStatuses();
const std::vector<TDemoCode>& DemoRaces();
const std::vector<TDemoCode>& DemoIncidentTypes();
const std::vector<TDemoCode>& DemoLabTests();
const std::vector<TDemoCode>& DemoMedicalServices();

// CFGMOVE rows: movement destinations and incident locations.
struct TDemoPlace {
  const char* Name;
  const char* Desc;
  const char* City;
  bool Movement;
};
const std::vector<TDemoPlace>& DemoPlaces();

struct TDemoRequirement {
  const char* Desc;
  bool MealService;
};
const std::vector<TDemoRequirement>& DemoSpecialRequirements();

struct TDemoMedication {
  const char* No;
  const char* Name;
  double Cost;
};
const std::vector<TDemoMedication>& DemoMedications();

// Countries (with their SCAAP code) and states of CfgState.
struct TDemoCountry {
  const char* Code;
  const char* Desc;
  const char* ScaapCode;
};
const std::vector<TDemoCountry>& DemoCountries();
const std::vector<TDemoCode>& DemoStates();

// Property storage: locations and how many containers each holds.
struct TDemoStorage {
  int LocKey;
  const char* Code;
  const char* Location;
  int Containers;
};
const std::vector<TDemoStorage>& DemoStorages();
// Property item types (CfgChoices of group DemoPropertyGroup()).
const std::vector<TDemoCode>& DemoPropertyTypes();
const char* DemoPropertyGroup();

// The statute charges of FSS_AFIS.
struct TDemoStatuteRow {
  const char* Fsn;
  const char* Acl;
  const char* Degree;
  const char* Code;
  const char* Desc;
  const char* Group;
  bool Dv;
};
const std::vector<TDemoStatuteRow>& DemoStatuteRows();

// A key for a configuration row that other rows point to: "DEMO", the
// table's tag and a number, padded to the suite's 22 characters.
QString DemoFixedKey(const char* tag, int number);
