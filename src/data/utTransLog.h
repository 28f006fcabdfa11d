#pragma once

// The rows' keys: NewUniqueKey and the GUID encoding live in KsUniqueKey,
// which the embedded database's fnks_GetUniqueID shares.
#include "core/KsUniqueKey.h"

#include <QString>

#include <functional>

class TKsCustomDataSet;

// What a transaction-log row says happened. Stored as the ordinal, so the
// order is fixed: new kinds go at the end.
enum TksTransEventType {
  etAdd,                // 0
  etUpdate,             // 1
  etDelete,             // 2
  etImport,             // 3
  etReimport,           // 4
  etSent,               // 5
  etKeyChange,          // 6
  etCheckOut,           // 7
  etCheckIn,            // 8
  etApprove,            // 9
  etUnapprove,          // 10
  etUcrOverride,        // 11
  etUcrReview,          // 12
  etFinish,             // 13
  etUnfinish,           // 14
  etAssign,             // 15
  etStatusChange,       // 16
  etPrint,              // 17
  etPrintPreview,       // 18
  etView,               // 19
  etSeal,               // 20
  etExpunge,            // 21
  etMerge,              // 22
  etExport,             // 23
  etLogIn,              // 24
  etLogOut,             // 25
  etReActivateCall,     // 26
  etEditCallTimes,      // 27
  etEditCallNote,       // 28
  etDeleteCallNote,     // 29
  etEditTsdr,           // 30
  etDeleteTsdr,         // 31
  etDispositionChange,  // 32
  etUndoCheckOut,       // 33
  etCancel,             // 34
  etReassign,           // 35
  etArchive,            // 36
  etUnarchive,          // 37
};

// One transaction-log entry, filled by the writing module and handed to
// WriteTransLog.
struct TksTransEvent {
  QString sKEY1;
  QString sKEY2;
  QString sKEY3;
  QString sNOTE1;  // the writing module
  QString sNOTE2;  // what was done, for reports the menu path
  QString sNOTE3;
  QString sUSER_ID;   // login name
  QString sUSER_KEY;  // personnel number
  QString sEVENT_TABLE;
  TksTransEventType scEVENT = etAdd;
};

// The messages of a failed log write.
QString TransLogFatalDataSetMessage();  // "Fatal error.  WriteTransLog() called with ..."
QString TransLogErrorMessage();         // "Error updating transaction log, please ..."

// Appends one row for Event to the dataset, which selects the columns of
// JailTransLog. A closed dataset stays closed: the row goes through a
// temporary copy of it that opens empty. A failure is shown to the user once
// and swallowed, so a failed log write never stops a report or a log-in.
// Texts longer than their column are cut to it, as the suite's string fields
// do, rather than losing the row.
void WriteTransLog(TKsCustomDataSet* DataSet, const TksTransEvent& Event);

// --- the program's own entries ---------------------------------------------

// NOTE1 of every entry this program writes.
QString JailReportsTransLogModule();  // "Jail Reports Module"

// Where the personnel number of a login name comes from (start-up installs
// the access module's); without one, or when it fails, the entries carry none.
using TTransLogPerNoLookup = std::function<QString(const QString& LoginName)>;
void SetTransLogPerNoLookup(TTransLogPerNoLookup Lookup);

// What every module's WriteReportsTransLog does: an entry for the user with
// the program's NOTE1 and an empty NOTE3, written through DataSet.
void WriteReportsTransLogEntry(TKsCustomDataSet* DataSet, const QString& UserName,
                               const QString& Key1, const QString& Key2, TksTransEventType Event,
                               const QString& Event_Table, const QString& Note2,
                               const QString& Key3 = QString());
