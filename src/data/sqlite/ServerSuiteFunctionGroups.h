#pragma once

struct sqlite3;

// The groups of the suite's scalar and table-valued functions on the
// embedded database; RegisterServerSuiteFunctions registers them all. Each
// throws EDatabaseError when SQLite refuses a registration.

// fnks_GetCellDescription, fnks_GetSCAAPCodeFromFBICode: texts looked up in
// the configuration tables.
void RegisterServerLookupFunctions(sqlite3* db);
// fnks_GetUniqueID, fnks_CombineDateAndTime: values made from their arguments.
void RegisterServerValueFunctions(sqlite3* db);
// fnks_CheckInOutOnSameRow (and any other function of
// ServerViewFunctions.h), fnks_CalcBillingStopForCheckOutDays: a booking's
// absences.
void RegisterServerCheckInOutFunctions(sqlite3* db);
