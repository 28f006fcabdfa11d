#pragma once

struct sqlite3;

// Installs the suite's own server routines (other than the login routines)
// on the embedded backend: the procedures kssp_UpdateDailyPopulation
// (ServerDailyPopulation.h) and spks_jbDocSummary (ServerDocSummary.h), and
// the functions of RegisterServerSuiteFunctions on every connection opened
// afterwards. Called once at start-up; calling it again does nothing.
// (Explicit rather than a static initialiser: the linker may drop an object
// file of a static library that nothing refers to.)
void RegisterEmbeddedSuiteRoutines();

// The functions on one raw connection (the tables they read come from the
// schema; the T-SQL library must be registered first for its collation):
//   fnks_GetCellDescription(CellKey)        a cell's housing text
//   fnks_GetUniqueID(guid)                  a UNIQUEKEY from a GUID's text
//   fnks_CombineDateAndTime(date, time)     one date-time from the two
//   fnks_GetSCAAPCodeFromFBICode(code)      the SCAAP country code
//   fnks_CalcBillingStopForCheckOutDays(...)  non-billable days out
//   fnks_CheckInOutOnSameRow(BookNo)        table: a booking's absences
// Throws EDatabaseError when SQLite refuses a registration.
void RegisterServerSuiteFunctions(sqlite3* db);
